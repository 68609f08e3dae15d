#include "app/SummaryLabel.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

const QString fieldSeparator = QStringLiteral("  ");

// The pixel size of a face, also when it was given in points.
int PixelSize(const QFont& font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
}

SummaryLabel::Layout LayoutIn(const QString& text, const QFont& font, int width)
{
    SummaryLabel::Layout layout;
    layout.font = font;
    layout.lines = SummaryLabel::WrappedLines(text, font, width);
    const QFontMetrics metrics(font);
    layout.lineStep = metrics.height() - 1;
    const auto count = static_cast<int>(layout.lines.size());
    layout.height = count == 0 ? 0 : (count - 1) * layout.lineStep + metrics.height();
    return layout;
}

bool Fits(const SummaryLabel::Layout& layout, int width, int height)
{
    if (layout.height > height)
        return false;
    const QFontMetrics metrics(layout.font);
    for (const QString& line : layout.lines)
        if (metrics.horizontalAdvance(line) > width)
            return false;
    return true;
}

} // namespace

QStringList SummaryLabel::WrappedLines(const QString& text, const QFont& font, int width)
{
    const QFontMetrics metrics(font);
    QStringList lines;
    if (text.isEmpty())
        return lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        // Fields join the current line while they fit; a field wider than the label alone
        // keeps a line of its own.
        QString line;
        for (const QString& field : paragraph.split(fieldSeparator)) {
            const QString joined = line.isEmpty() ? field : line + fieldSeparator + field;
            if (!line.isEmpty() && metrics.horizontalAdvance(joined) > width) {
                lines.append(line);
                line = field;
            } else {
                line = joined;
            }
        }
        lines.append(line);
    }
    return lines;
}

SummaryLabel::Layout SummaryLabel::Fit(const QString& text, const QFont& font, int width, int height)
{
    Layout layout = LayoutIn(text, font, width);
    for (int size = PixelSize(font) - 1; !Fits(layout, width, height) && size >= SmallestPixelSize; --size) {
        QFont smaller = font;
        smaller.setPixelSize(size);
        layout = LayoutIn(text, smaller, width);
    }
    return layout;
}

void SummaryLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const Layout layout = CurrentLayout();
    painter.setFont(layout.font);
    painter.setPen(palette().color(foregroundRole()));
    const int ascent = QFontMetrics(layout.font).ascent();
    int top = 0;
    for (const QString& line : layout.lines) {
        painter.drawText(0, top + ascent, line);
        top += layout.lineStep;
    }
}
