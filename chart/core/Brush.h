#pragma once

#include <QImage>

#include "chart/core/GraphicsObject.h"
#include "platform/Colors.h"

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// The class library's brush: colour, style and an optional pattern bitmap.
class TBrush : public TGraphicsObject
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

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    QImage FBitmap;
};
