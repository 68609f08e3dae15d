#include "platform/graphics/Pen.h"

void TPen::SetColor(TColor value) { SetProp(FColor, value); }
void TPen::SetMode(TPenMode value) { SetProp(FMode, value); }
void TPen::SetStyle(TPenStyle value) { SetProp(FStyle, value); }
void TPen::SetWidth(int32_t value) { SetProp(FWidth, value); }

void TPen::Assign(TPersistent* source)
{
    if (auto* pen = dynamic_cast<TPen*>(source)) {
        FColor = pen->FColor;
        FWidth = pen->FWidth;
        FStyle = pen->FStyle;
        FMode = pen->FMode;
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}

// Stored properties: the names and value texts that the filer reads and writes.

namespace {

const QStringList penStyleNames{"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
const QStringList penModeNames{"pmBlack",      "pmWhite",     "pmNop",       "pmNot",   "pmCopy",    "pmNotCopy",
                               "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge",
                               "pmMask",       "pmNotMask",   "pmXor",       "pmNotXor"};

} // namespace

void TPen::DefineProperties(TTeeFiler& filer)
{
    filer.DefineProperty(
        "Color", [this](const QString& v) { SetColor(TeeTextColor(v, FColor)); }, [this] { return TeeColorText(FColor); },
        IsColorStored());
    filer.DefineProperty(
        "Mode", [this](const QString& v) { SetMode(TeeTextEnum(v, penModeNames, FMode)); },
        [this] { return penModeNames[FMode]; }, IsModeStored());
    filer.DefineProperty(
        "Style", [this](const QString& v) { SetStyle(TeeTextEnum(v, penStyleNames, FStyle)); },
        [this] { return penStyleNames[FStyle]; }, IsStyleStored());
    filer.DefineProperty(
        "Width", [this](const QString& v) { SetWidth(TeeTextInt32(v, FWidth)); }, [this] { return TeeIntText(FWidth); },
        IsWidthStored());
}
