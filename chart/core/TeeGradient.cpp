#include "chart/core/TeeGradient.h"

#include <utility>

TCustomTeeGradient::TCustomTeeGradient(TNotifyEvent changeHandler) : OnChange(std::move(changeHandler)) {}

void TCustomTeeGradient::SetBalance(int32_t value) { SetValue(FBalance, value); }
void TCustomTeeGradient::SetDirection(TGradientDirection value) { SetValue(FDirection, value); }
void TCustomTeeGradient::SetEndColor(TColor value) { SetValue(FEndColor, value); }
void TCustomTeeGradient::SetRadialX(int32_t value) { SetValue(FRadialX, value); }
void TCustomTeeGradient::SetRadialY(int32_t value) { SetValue(FRadialY, value); }
void TCustomTeeGradient::SetStartColor(TColor value) { SetValue(FStartColor, value); }
void TCustomTeeGradient::SetVisible(bool value) { SetValue(FVisible, value); }

void TCustomTeeGradient::SetMidColor(TColor value)
{
    if (FUseMiddle) {
        if (value == clNone) {
            FUseMiddle = false;
            Changed();
        } else {
            SetValue(FMidColor, value);
        }
    } else if (value != clNone) {
        FUseMiddle = true;
        FMidColor = value;
        Changed();
    }
}

void TCustomTeeGradient::UseMiddleColor()
{
    if (!FUseMiddle) {
        FUseMiddle = true;
        Changed();
    }
}

void TCustomTeeGradient::Assign(TPersistent* source)
{
    if (auto* g = dynamic_cast<TCustomTeeGradient*>(source)) {
        FBalance = g->FBalance;
        FDirection = g->FDirection;
        FEndColor = g->FEndColor;
        FMidColor = g->FMidColor;
        FRadialX = g->FRadialX;
        FRadialY = g->FRadialY;
        FStartColor = g->FStartColor;
        FVisible = g->FVisible;
        FUseMiddle = g->FUseMiddle;
        return;
    }
    TPersistent::Assign(source);
}

// Stored properties: the names and value texts that the filer reads and writes.

namespace {

const QStringList gradientDirectionNames{"gdTopBottom",   "gdBottomTop",   "gdLeftRight",      "gdRightLeft",
                                         "gdFromCenter",  "gdFromTopLeft", "gdFromBottomLeft", "gdRadial"};

} // namespace

void TCustomTeeGradient::DefineProperties(TTeeFiler& filer)
{
    filer.DefineProperty(
        "Balance", [this](const QString& v) { SetBalance(TeeTextInt32(v, FBalance)); },
        [this] { return TeeIntText(FBalance); }, FBalance != 50);
    filer.DefineProperty(
        "Direction", [this](const QString& v) { SetDirection(TeeTextEnum(v, gradientDirectionNames, FDirection)); },
        [this] { return gradientDirectionNames[FDirection]; }, FDirection != gdTopBottom);
    filer.DefineProperty(
        "EndColor", [this](const QString& v) { SetEndColor(TeeTextColor(v, FEndColor)); },
        [this] { return TeeColorText(FEndColor); }, FEndColor != clYellow);
    filer.DefineProperty(
        "MidColor", [this](const QString& v) { SetMidColor(TeeTextColor(v, MidColor())); },
        [this] { return TeeColorText(MidColor()); }, MidColor() != clNone);
    filer.DefineProperty(
        "RadialX", [this](const QString& v) { SetRadialX(TeeTextInt32(v, FRadialX)); },
        [this] { return TeeIntText(FRadialX); }, FRadialX != 0);
    filer.DefineProperty(
        "RadialY", [this](const QString& v) { SetRadialY(TeeTextInt32(v, FRadialY)); },
        [this] { return TeeIntText(FRadialY); }, FRadialY != 0);
    filer.DefineProperty(
        "StartColor", [this](const QString& v) { SetStartColor(TeeTextColor(v, FStartColor)); },
        [this] { return TeeColorText(FStartColor); }, FStartColor != clWhite);
    filer.DefineProperty(
        "Visible", [this](const QString& v) { SetVisible(TeeTextBool(v)); }, [this] { return TeeBoolText(FVisible); },
        FVisible);
}
