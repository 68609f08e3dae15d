#pragma once

#include <QImage>

#include "platform/graphics/GraphicsObject.h"
#include "platform/TeeFiler.h"
#include "platform/Colors.h"

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// The stored names of the brush styles, in the order of the enumeration.
const QStringList& BrushStyleNames();

// The class library's brush: colour, style and an optional pattern bitmap.
class TBrush : public TGraphicsObject, public TTeeStoredObject
{
public:
    TBrush() = default;

    TColor Color() const { return FColor; }
    TBrushStyle Style() const { return FStyle; }
    // The pattern bitmap; a null image when there is none.
    const QImage& Bitmap() const { return FBitmap; }

    void SetColor(TColor value);
    void SetStyle(TBrushStyle value);
    void SetBitmap(const QImage& value);

    // From another brush: colour, style and pattern bitmap, then one change notification.
    void Assign(TPersistent* source) override;

    // Color and Style (the pattern bitmap is not stored).
    void DefineProperties(TTeeFiler& filer) override;
    virtual bool IsColorStored() const { return FColor != clWhite; }
    virtual bool IsStyleStored() const { return FStyle != bsSolid; }

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    QImage FBitmap;
};
