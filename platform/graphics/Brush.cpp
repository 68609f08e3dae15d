#include "platform/graphics/Brush.h"

void TBrush::SetColor(TColor value) { SetProp(FColor, value); }
void TBrush::SetStyle(TBrushStyle value) { SetProp(FStyle, value); }

void TBrush::SetBitmap(const QImage& value)
{
    // Images are not compared pixel by pixel: every assignment notifies.
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

// Stored properties: the names and value texts that the filer reads and writes.

const QStringList& BrushStyleNames()
{
    static const QStringList names{"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                   "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
    return names;
}

void TBrush::DefineProperties(TTeeFiler& filer)
{
    TeeDefineColor(filer, "Color", FColor, TeeStored(IsColorStored()), [this](TColor v) { SetColor(v); });
    TeeDefineEnum(filer, "Style", FStyle, TeeStored(IsStyleStored()), BrushStyleNames(),
                  [this](TBrushStyle v) { SetStyle(v); });
}
