#include "platform/graphics/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QColor SystemColor(unsigned index)
{
    // Without an application object there is no platform palette; Qt's default stands in.
    const QPalette pal = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::palette()
                                                                                       : QPalette();
    switch (index) {
    case 0: // scroll bar track
    case 4: // menu
    case 10: // active border
    case 11: // inactive border
    case 30: // menu bar
        return pal.color(QPalette::Active, QPalette::Window);
    case 1: // desktop
    case 12: // application workspace
        return pal.color(QPalette::Active, QPalette::Dark);
    case 2: // active caption
    case 27:
    case 13: // highlight
    case 29: // menu highlight
        return pal.color(QPalette::Active, QPalette::Highlight);
    case 3: // inactive caption
    case 28:
        return pal.color(QPalette::Inactive, QPalette::Mid);
    case 5:
        return pal.color(QPalette::Active, QPalette::Base);
    case 6: // window frame
    case 21: // 3D dark shadow
        return pal.color(QPalette::Active, QPalette::Shadow);
    case 7: // menu text
        return pal.color(QPalette::Active, QPalette::WindowText);
    case 8:
        return pal.color(QPalette::Active, QPalette::Text);
    case 9: // caption text
    case 14: // highlighted text
        return pal.color(QPalette::Active, QPalette::HighlightedText);
    case 15:
        return pal.color(QPalette::Active, QPalette::Button);
    case 16:
        return pal.color(QPalette::Active, QPalette::Dark);
    case 17:
        return pal.color(QPalette::Disabled, QPalette::Text);
    case 18:
        return pal.color(QPalette::Active, QPalette::ButtonText);
    case 19: // inactive caption text
        return pal.color(QPalette::Disabled, QPalette::WindowText);
    case 20:
        return pal.color(QPalette::Active, QPalette::Light);
    case 22:
        return pal.color(QPalette::Active, QPalette::Midlight);
    case 23:
        return pal.color(QPalette::Active, QPalette::ToolTipText);
    case 24:
        return pal.color(QPalette::Active, QPalette::ToolTipBase);
    case 26: // hot-tracked item
        return pal.color(QPalette::Active, QPalette::Link);
    default:
        return QColor(0, 0, 0);
    }
}

} // namespace

TColor ColorToRGB(TColor c)
{
    if (!IsSystemColor(c))
        return c;
    const QColor q = SystemColor(c & 0xFF);
    return RGB(static_cast<uint8_t>(q.red()), static_cast<uint8_t>(q.green()), static_cast<uint8_t>(q.blue()));
}

QColor TColorToQColor(TColor c)
{
    if (c == clNone)
        return QColor(Qt::transparent);
    const TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor QColorToTColor(const QColor& c)
{
    if (!c.isValid() || c.alpha() == 0)
        return clNone;
    const QColor rgb = c.toRgb();
    return RGB(static_cast<uint8_t>(rgb.red()), static_cast<uint8_t>(rgb.green()), static_cast<uint8_t>(rgb.blue()));
}
