#include "chart/core/DevicePen.h"

Qt::PenStyle DevicePenStyle(TPenStyle style)
{
    switch (style) {
    case psSolid: return Qt::SolidLine;
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    case psInsideFrame: return Qt::SolidLine;
    }
    return Qt::SolidLine;
}

TDevicePen TeeCreatePenSmallDots(TColor color)
{
    TDevicePen result;
    result.Pen = QPen(QBrush(TColorToQColor(ColorToRGB(color))), 1, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    result.Pen.setDashPattern({1.0, 1.0});
    result.Pen.setCosmetic(true);
    result.Mode = pmCopy;
    return result;
}

void TeeSetTeePen(TDevicePen& devicePen, const TChartPen& chartPen, TColor color)
{
    if (chartPen.SmallDots()) {
        devicePen = TeeCreatePenSmallDots(color);
        return;
    }
    const QColor qcolor = TColorToQColor(ColorToRGB(color));
    if (chartPen.Width() >= 2) {
        Qt::PenCapStyle cap = Qt::RoundCap;
        Qt::PenJoinStyle join = Qt::RoundJoin;
        switch (chartPen.EndStyle()) {
        case esRound: break;
        case esSquare: cap = Qt::SquareCap; join = Qt::BevelJoin; break;
        case esFlat: cap = Qt::FlatCap; join = Qt::MiterJoin; break;
        }
        devicePen.Pen = QPen(QBrush(qcolor), chartPen.Width(), DevicePenStyle(chartPen.Style()), cap, join);
        devicePen.Mode = chartPen.Mode();
        return;
    }
    devicePen.Pen = QPen(QBrush(qcolor), chartPen.Width(), DevicePenStyle(chartPen.Style()), Qt::FlatCap, Qt::MiterJoin);
    devicePen.Mode = chartPen.Mode();
}
