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

void TCustomTeeGradient::SetStartDirection(TGradientDirection value)
{
    SetDirection(value);
    FDefaultDirection = value;
}

void TCustomTeeGradient::SetStartColors(TColor start, TColor end)
{
    SetStartColor(start);
    SetEndColor(end);
    FDefaultStartColor = start;
    FDefaultEndColor = end;
}

void TCustomTeeGradient::SetStartVisible(bool value)
{
    SetVisible(value);
    FDefaultVisible = value;
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
    TeeDefineInt(filer, "Balance", FBalance, 50, [this](int32_t v) { SetBalance(v); });
    TeeDefineEnum(filer, "Direction", FDirection, FDefaultDirection, gradientDirectionNames,
                  [this](TGradientDirection v) { SetDirection(v); });
    TeeDefineColor(filer, "EndColor", FEndColor, FDefaultEndColor, [this](TColor v) { SetEndColor(v); });
    TeeDefineColor(filer, "MidColor", MidColor(), clNone, [this](TColor v) { SetMidColor(v); });
    TeeDefineInt(filer, "RadialX", FRadialX, 0, [this](int32_t v) { SetRadialX(v); });
    TeeDefineInt(filer, "RadialY", FRadialY, 0, [this](int32_t v) { SetRadialY(v); });
    TeeDefineColor(filer, "StartColor", FStartColor, FDefaultStartColor, [this](TColor v) { SetStartColor(v); });
    // A bad text reads as hidden.
    TeeDefineBool(filer, "Visible", FVisible, FDefaultVisible, [this](bool v) { SetVisible(v); }, false);
}
