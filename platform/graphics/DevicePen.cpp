#include "platform/graphics/DevicePen.h"
#include "platform/graphics/SystemColors.h"

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
