#include "app/SummaryLabel.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

const QString fieldSeparator = QStringLiteral("  ");

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

int SummaryLabel::TextHeight(const QString& text, const QFont& font, int width)
{
    const qsizetype count = WrappedLines(text, font, width).size();
    return count == 0 ? 0 : static_cast<int>(count - 1) * LineStep + QFontMetrics(font).height();
}

void SummaryLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const int ascent = QFontMetrics(font()).ascent();
    int top = 0;
    for (const QString& line : WrappedLines(text(), font(), width())) {
        painter.drawText(0, top + ascent, line);
        top += LineStep;
    }
}
