#include "chart/core/Brush.h"

void TBrush::SetColor(TColor value)
{
    if (FColor != value) {
        FColor = value;
        Changed();
    }
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (FStyle != value) {
        FStyle = value;
        Changed();
    }
}

void TBrush::SetBitmap(const QImage& value)
{
    FBitmap = value;
    Changed();
}

void TBrush::Assign(TPersistent* source)
{
    if (auto* brush = dynamic_cast<TBrush*>(source)) {
        FColor = brush->FColor;
        FStyle = brush->FStyle;
        FBitmap = brush->FBitmap;
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}
