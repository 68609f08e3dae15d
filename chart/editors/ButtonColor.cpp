#include "chart/editors/ButtonColor.h"

#include "chart/core/TeeCanvas3D.h"
#include "chart/editors/EditColor.h"
#include "platform/graphics/SystemColors.h"

TButtonColor::TButtonColor(QWidget* parent) : TTeeButton(parent)
{
    connect(this, &QPushButton::clicked, this, [this] { Click(); });
}

TColor TButtonColor::GetTeeColor() const
{
    if (GetColorProc)
        return GetColorProc();
    if (!FInfo.IsEmpty())
        return ColorToRGB(FInfo.Get());
    return clNone;
}

void TButtonColor::Click()
{
    if (FInstance && !FInfo.IsEmpty()) {
        TColor color = FInfo.Get();
        if (!EditColorDialog(this, color))
            return;
        if (FInfo.Set)
            FInfo.Set(color);
        repaint();
    }
    if (OnClick)
        OnClick(this);
}

QRect TButtonColor::SwatchRect() const
{
    const int w = width();
    const int h = height();
    const int left = w - 19, top = h - 3 * (h / 4), right = w - 6, bottom = h - h / 4;
    return QRect(left, top, right - left, bottom - top);
}

void TButtonColor::DrawSymbol(TCanvas3D* canvas)
{
    const TColor color = GetTeeColor();
    if (color == clNone)
        return;
    canvas->Brush()->SetColor(color);
    if (!isEnabled())
        canvas->Pen()->SetStyle(psClear);
    const int w = width(), h = height();
    canvas->Rectangle(w - 19, h - 3 * (h / 4), w - 6, h - h / 4);
}
