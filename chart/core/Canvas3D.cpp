#include "chart/core/Canvas3D.h"

#include <QImage>
#include <array>
#include <cmath>

#include "platform/graphics/Brush.h"
#include "platform/graphics/Pen.h"
#include "platform/graphics/Picture.h"

void TCanvas3D::Assign(TCanvas3D* source)
{
    if (source)
        SetMonochrome(source->GetMonochrome());
}

void TCanvas3D::RotatedEllipse(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t z, double angle)
{
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double rx = cx - left;
    const double ry = cy - top;
    const double a = angle * TeePiStep;
    const double sinA = std::sin(a), cosA = std::cos(a);
    std::array<TPoint, 64> p;
    for (int k = 0; k < 64; ++k) {
        const double t = k * 2.0 * M_PI / 63.0;
        const double st = std::sin(t), ct = std::cos(t);
        p[k] = TPoint(Round(cosA * rx * st + sinA * ry * ct + cx), Round(-sinA * rx * st + cosA * ry * ct + cy));
    }
    if (Brush()->Style() != bsClear) {
        const TPenStyle oldStyle = Pen()->Style();
        Pen()->SetStyle(psClear);
        const TPoint centre(Round(cx), Round(cy));
        for (int k = 0; k < 63; ++k) {
            const TPoint tri[3] = {centre, p[k], p[k + 1]};
            PolygonWithZ(tri, 2, z);
        }
        Pen()->SetStyle(oldStyle);
    }
    if (Pen()->Style() != psClear)
        Polyline(p.data(), 63, z);
}

void TCanvas3D::StretchDraw(const TRect& rect, const TPicture* graphic, int32_t z)
{
    if (!graphic || graphic->Empty())
        return;
    const QImage image = graphic->Graphic().convertToFormat(QImage::Format_RGB888);
    const int w = image.width(), h = image.height();
    const int64_t rw = static_cast<int64_t>(rect.Right) - rect.Left;
    const int64_t rh = static_cast<int64_t>(rect.Bottom) - rect.Top;
    // Every cell is filled, whatever brush was left from the drawing before.
    Pen()->SetStyle(psClear);
    Brush()->SetStyle(bsSolid);
    int32_t top = rect.Top;
    for (int row = 0; row < h; ++row) {
        const int32_t bottom = rect.Top + Round(static_cast<double>(row + 1) * rh / h);
        int32_t left = rect.Left;
        const uchar* line = image.constScanLine(row);
        for (int col = 0; col < w; ++col) {
            const int32_t right = rect.Left + Round(static_cast<double>(col + 1) * rw / w);
            Brush()->SetColor(RGB(line[col * 3], line[col * 3 + 1], line[col * 3 + 2]));
            RectangleWithZ(TRect(left, top, right, bottom), z);
            left = right;
        }
        top = bottom;
    }
}
