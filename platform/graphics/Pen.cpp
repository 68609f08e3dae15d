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
    TeeDefineColor(filer, "Color", FColor, TeeStored(IsColorStored()), [this](TColor v) { SetColor(v); });
    TeeDefineEnum(filer, "Mode", FMode, TeeStored(IsModeStored()), penModeNames, [this](TPenMode v) { SetMode(v); });
    TeeDefineEnum(filer, "Style", FStyle, TeeStored(IsStyleStored()), penStyleNames,
                  [this](TPenStyle v) { SetStyle(v); });
    // A width below zero is damage: the pen keeps its width.
    TeeDefineInt(filer, "Width", FWidth, TeeStored(IsWidthStored()), [this](int32_t v) {
        if (v >= 0)
            SetWidth(v);
    });
}
