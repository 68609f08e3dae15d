#include "platform/graphics/Brush.h"

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

// Stored properties: the names and value texts that the filer reads and writes.

namespace {

const QStringList brushStyleNames{"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                  "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};

} // namespace

void TBrush::DefineProperties(TTeeFiler& filer)
{
    filer.DefineProperty(
        "Color", [this](const QString& v) { SetColor(TeeTextColor(v, FColor)); }, [this] { return TeeColorText(FColor); },
        IsColorStored());
    filer.DefineProperty(
        "Style", [this](const QString& v) { SetStyle(TeeTextEnum(v, brushStyleNames, FStyle)); },
        [this] { return brushStyleNames[FStyle]; }, IsStyleStored());
}
