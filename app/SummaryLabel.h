#pragma once

#include <QLabel>
#include <QStringList>

// The summary of a run in the シミュレーション結果 box. Its text is plain and kept exactly;
// a line too wide for the label is wrapped between its fields (at the double spaces), and
// lines are drawn LineStep pixels apart, one less than the face's line spacing, so that the
// four lines of a summary, five when one wraps, fit the box without clipping.
class SummaryLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    static constexpr int LineStep = 12;

    // The lines of `text` as drawn in a label `width` pixels wide with `font`.
    static QStringList WrappedLines(const QString& text, const QFont& font, int width);
    // The height that those lines take: LineStep apart, the last one the face's full height.
    static int TextHeight(const QString& text, const QFont& font, int width);

protected:
    void paintEvent(QPaintEvent* event) override;
};
