#pragma once

#include <QFont>
#include <QLabel>
#include <QStringList>

// The summary of a run in the シミュレーション結果 box. Its text is plain and kept exactly;
// a line too wide for the label is wrapped between its fields (at the double spaces), and
// lines are drawn one pixel closer than the face's line spacing, so that the four lines of a
// summary, five when one wraps, fit the box with the form's face. Figures so wide that more
// lines wrap are drawn in a smaller face, the largest in which every line fits the box.
class SummaryLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // How a text is drawn in a box: the face, the lines and their distance.
    struct Layout {
        QFont font;
        QStringList lines;
        int lineStep = 0;
        // From the top of the first line to the bottom of the last.
        int height = 0;
    };

    // The smallest face tried before giving up on fitting the height.
    static constexpr int SmallestPixelSize = 6;

    // The lines of `text` as drawn in a label `width` pixels wide with `font`.
    static QStringList WrappedLines(const QString& text, const QFont& font, int width);
    // The layout of `text` in a box of `width` × `height` starting from `font`.
    static Layout Fit(const QString& text, const QFont& font, int width, int height);
    // The layout that this label draws.
    Layout CurrentLayout() const { return Fit(text(), font(), width(), height()); }

protected:
    void paintEvent(QPaintEvent* event) override;
};
