#include "chart/core/TeeGradient.h"

#include <utility>

TCustomTeeGradient::TCustomTeeGradient(TNotifyEvent changeHandler) : OnChange(std::move(changeHandler)) {}

void TCustomTeeGradient::SetBalance(int32_t value) { SetProp(FBalance, value); }
void TCustomTeeGradient::SetDirection(TGradientDirection value) { SetProp(FDirection, value); }
void TCustomTeeGradient::SetEndColor(TColor value) { SetProp(FEndColor, value); }
void TCustomTeeGradient::SetRadialX(int32_t value) { SetProp(FRadialX, value); }
void TCustomTeeGradient::SetRadialY(int32_t value) { SetProp(FRadialY, value); }
void TCustomTeeGradient::SetStartColor(TColor value) { SetProp(FStartColor, value); }
void TCustomTeeGradient::SetVisible(bool value) { SetProp(FVisible, value); }

void TCustomTeeGradient::SetMidColor(TColor value)
{
    // clNone switches the middle colour off (keeping the colour); any other switches it on.
    if (value == clNone) {
        SetProp(FUseMiddle, false);
    } else if (FUseMiddle) {
        SetProp(FMidColor, value);
    } else {
        FMidColor = value;
        SetProp(FUseMiddle, true);
    }
}

void TCustomTeeGradient::UseMiddleColor() { SetProp(FUseMiddle, true); }

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
        [this] { return gradientDirectionNames[FDirection]; }, FDirection != FDefaultDirection);
    filer.DefineProperty(
        "EndColor", [this](const QString& v) { SetEndColor(TeeTextColor(v, FEndColor)); },
        [this] { return TeeColorText(FEndColor); }, FEndColor != FDefaultEndColor);
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
        [this] { return TeeColorText(FStartColor); }, FStartColor != FDefaultStartColor);
    filer.DefineProperty(
        "Visible", [this](const QString& v) { SetVisible(TeeTextBool(v)); }, [this] { return TeeBoolText(FVisible); },
        FVisible != FDefaultVisible);
}
