// Every text of the main window shows whole in its label, with the form's own face.
#include <QtWidgets>
#include <gtest/gtest.h>

#include "app/ResultCounts.h"
#include "app/SummaryLabel.h"
#include "app/Unit1.h"
#include "MainFormTestSeam.h"

namespace {

void ExpectFits(QLabel* label, const QString& text)
{
    const QFontMetrics metrics(label->font());
    EXPECT_EQ(QFontInfo(label->font()).family(), QStringLiteral("IPAPGothic"))
        << qPrintable(label->objectName());
    EXPECT_LE(metrics.horizontalAdvance(text), label->width()) << qPrintable(text);
    EXPECT_LE(metrics.height(), label->height()) << qPrintable(text);
    const QRect inParent = label->geometry();
    EXPECT_GE(inParent.left(), 0) << qPrintable(text);
    EXPECT_LE(inParent.right(), label->parentWidget()->width() - 1) << qPrintable(text);
}

// The summary shows every line whole inside its box, and the wrapped lines are the text.
// Gives the layout, for the callers that check its face.
SummaryLabel::Layout ExpectSummaryFits(const TMainForm& form, const QString& text)
{
    QLabel* label = form.ui.ResultLabel;
    const SummaryLabel::Layout layout = SummaryLabel::Fit(text, label->font(), label->width(), label->height());
    const QStringList& lines = layout.lines;
    EXPECT_FALSE(lines.isEmpty());
    // Wrapping only replaces a field's double space with a line break.
    QString rebuilt = lines.join(QLatin1Char('\n'));
    EXPECT_EQ(rebuilt.remove(QLatin1Char('\n')).remove(QLatin1Char(' ')),
              QString(text).remove(QLatin1Char('\n')).remove(QLatin1Char(' ')));
    const QFontMetrics metrics(layout.font);
    for (const QString& line : lines)
        EXPECT_LE(metrics.horizontalAdvance(line), label->width()) << qPrintable(line);
    // Lines one pixel closer than the face's spacing, the last one the face's full height.
    EXPECT_EQ(layout.lineStep, metrics.height() - 1);
    EXPECT_LE((lines.size() - 1) * layout.lineStep + metrics.height(), label->height()) << qPrintable(text);
    return layout;
}

} // namespace

TEST(MainFormLabels, EveryCaptionFitsItsLabelWithTheFormsFace)
{
    RecordingSeam seam;
    TMainForm form;
    form.show();
    for (QLabel* label : {form.ui.Label1, form.ui.Label2, form.ui.Label6, form.ui.Label5})
        ExpectFits(label, label->text());
    EXPECT_EQ(form.ui.Label5->font().pixelSize(), 11);

    // The red note of a "?" run keeps its first character, left of the reveal button.
    form.ui.FlevelComboBox->setEditText("?");
    form.ui.PlayNumEdit->setText("10");
    form.ui.StartButton->click();
    ASSERT_EQ(form.ui.Label3->text(), QStringLiteral("終了時に設定が確認できます"));
    ExpectFits(form.ui.Label3, form.ui.Label3->text());
    EXPECT_LE(form.ui.Label3->geometry().right(), form.ui.FlevelButton->x() - 1);
    EXPECT_EQ(QFontInfo(form.ui.ResultLabel->font()).family(), QStringLiteral("IPAPGothic"));
}

TEST(MainFormLabels, TheSummaryShowsWholeInItsBox)
{
    RecordingSeam seam;
    TMainForm form;
    form.show();
    QGroupBox* box = form.ui.GroupBox2;
    QLabel* label = form.ui.ResultLabel;
    // The box stays above the pages and inside the window; the label inside the box's frame.
    EXPECT_LE(box->geometry().bottom(), form.ui.PageControl1->y() - 1);
    EXPECT_LE(box->geometry().right(), form.centralWidget()->width() - 1);
    EXPECT_GE(label->x(), 1);
    EXPECT_LE(label->geometry().right(), box->width() - 2);
    EXPECT_LE(label->geometry().bottom(), box->height() - 2);
    // Below the box's title, which takes the face's height at the top of the box.
    EXPECT_GE(label->y(), QFontMetrics(box->font()).height());

    // The run that was cut off ("機械割：105.146666666667" without its "%").
    form.ui.PlayNumEdit->setText("2000");
    Random31::Seed(7);
    form.ui.StartButton->click();
    ExpectSummaryFits(form, label->text());
    // Everyday figures keep the form's face: twelve pixels, lines twelve apart.
    const SummaryLabel::Layout usual = ExpectSummaryFits(form, SummaryText(9, 11, 4, 2000, 1544));
    EXPECT_EQ(QFontInfo(usual.font).pixelSize(), 12);
    EXPECT_EQ(usual.lineStep, 12);
    EXPECT_EQ(usual.lines.size(), 4);
    EXPECT_EQ(SummaryText(9, 11, 4, 2000, 1544),
              QStringLiteral("BIG回数:9　REG回数:11\nBIG初当り回数:4\nBIG確率:1/222  REG確率:1/181\n"
                             "収支:30880円  機械割：125.733333333333%"));
    // Long losing runs and long winning ones, with wide figures everywhere.
    ExpectSummaryFits(form, SummaryText(3121, 2417, 1873, 1000000, -175432));
    ExpectSummaryFits(form, SummaryText(31216, 24170, 18731, 10000000, -1754329));
    ExpectSummaryFits(form, SummaryText(1, 1, 1, 100000000, -29999999));
    ExpectSummaryFits(form, SummaryText(0, 0, 0, 1, -3));
    ExpectSummaryFits(form, SummaryText(0, 0, 0, 0, 0));
    // The widest figures a file can give: both probability and balance lines wrap, and the
    // last line (機械割) still shows, in a smaller face.
    const QString widest = SummaryText(1, 1, 1, 2147483647, -2147483647 - 1);
    EXPECT_EQ(widest, QStringLiteral("BIG回数:1　REG回数:1\nBIG初当り回数:1\n"
                                     "BIG確率:1/2147483648  REG確率:1/2147483648\n"
                                     "収支:-42949672960円  機械割：66.6666666666667%"));
    const SummaryLabel::Layout tight = ExpectSummaryFits(form, widest);
    EXPECT_TRUE(tight.lines.last().endsWith(QStringLiteral("機械割：66.6666666666667%"))) << qPrintable(tight.lines.join('|'));
    EXPECT_LT(QFontInfo(tight.font).pixelSize(), 12);
    ExpectSummaryFits(form, SummaryText(2147483647, 2147483647, 2147483647, 2147483647, 2147483647));
    // What the label draws is that layout.
    label->setText(widest);
    EXPECT_EQ(static_cast<SummaryLabel*>(label)->CurrentLayout().lines, tight.lines);
}
