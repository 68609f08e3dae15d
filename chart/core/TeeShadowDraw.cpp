// Drawing of drop shadows on a canvas, blended when transparent.

#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeShadow.h"

bool TTeeShadow::PrepareCanvas(TCanvas3D* canvas, const TRect& rect, int32_t z)
{
    if (FColor == clNone || (FHorizSize == 0 && FVertSize == 0))
        return false;
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FColor);
    canvas->Pen()->SetStyle(psClear);
    if (FTransparency > 0) {
        TRect shifted = rect;
        shifted.Offset(FHorizSize, FVertSize);
        FBlend = canvas->BeginBlending(canvas->RectFromRectZ(shifted, z), FTransparency);
    }
    return true;
}

void TTeeShadow::Draw(TCanvas3D* canvas, const TRect& rect)
{
    if (!PrepareCanvas(canvas, rect))
        return;
    const int32_t h = FHorizSize, v = FVertSize;
    canvas->FillRect(TRect(rect.Left + h, rect.Bottom, rect.Right + h, rect.Bottom + v));
    canvas->FillRect(TRect(rect.Right, rect.Top + v, rect.Right + h, rect.Bottom + v));
    if (FBlend) {
        canvas->EndBlending(FBlend);
        FBlend = nullptr;
    }
}

void TTeeShadow::DrawEllipse(TCanvas3D* canvas, const TRect& rect, int32_t z)
{
    if (!PrepareCanvas(canvas, rect, z))
        return;
    canvas->EllipseWithZ(rect.Left + FHorizSize, rect.Top + FVertSize, rect.Right + FHorizSize,
                         rect.Bottom + FVertSize, z);
    if (FBlend) {
        canvas->EndBlending(FBlend);
        FBlend = nullptr;
    }
}
