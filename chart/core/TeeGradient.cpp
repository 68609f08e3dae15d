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
