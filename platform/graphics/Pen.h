#pragma once

#include <cstdint>

#include "platform/graphics/GraphicsObject.h"
#include "platform/TeeFiler.h"
#include "platform/Colors.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// Raster operations of a pen, in the window system's order (pmCopy draws the pen colour,
// pmXor and pmNotXor are the feedback modes).
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

// The class library's pen: colour, mode, style and width.
class TPen : public TGraphicsObject, public TTeeStoredObject
{
public:
    TPen() = default;

    TColor Color() const { return FColor; }
    TPenMode Mode() const { return FMode; }
    TPenStyle Style() const { return FStyle; }
    int32_t Width() const { return FWidth; }

    void SetColor(TColor value);
    void SetMode(TPenMode value);
    void SetStyle(TPenStyle value);
    void SetWidth(int32_t value);

    // From another pen: colour, width, style and mode, then one change notification.
    void Assign(TPersistent* source) override;

    // Color, Mode, Style and Width, each stored when it differs from its published default.
    void DefineProperties(TTeeFiler& filer) override;
    virtual bool IsColorStored() const { return FColor != clBlack; }
    virtual bool IsStyleStored() const { return FStyle != psSolid; }
    virtual bool IsWidthStored() const { return FWidth != 1; }
    bool IsModeStored() const { return FMode != pmCopy; }

private:
    TColor FColor = clBlack;
    TPenMode FMode = pmCopy;
    TPenStyle FStyle = psSolid;
    int32_t FWidth = 1;
};
