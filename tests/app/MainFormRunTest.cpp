// A seeded single run, from the start command to every view, checked against the records.
#include <QtWidgets>
#include <gtest/gtest.h>

#include "app/ResultCounts.h"
#include "app/ResultRowLists.h"
#include "app/ResultListViewData.h"
#include "app/Unit1.h"
#include "MainFormTestSeam.h"
#include "platform/SysUtils.h"

namespace {

QStringList Row(QTreeWidget* list, int row)
{
    QStringList texts;
    QTreeWidgetItem* item = list->topLevelItem(row);
    for (int c = 0; c < list->columnCount(); ++c)
        texts << item->text(c);
    return texts;
}

QString Mode(int32_t m)
{
    static const char* labels[] = {"通常", "高確S", "高確L", "高確SL", "前兆", "BONUS"};
    return m >= 0 && m <= 5 ? QString::fromUtf8(labels[m]) : QString();
}

// The bonus rows as the display builds them, written out from the records directly.
QList<QStringList> ExpectedBonusRows(const PlayRecords& r)
{
    QList<QStringList> rows;
    int open = -1;
    size_t openAt = 0;
    for (size_t i = 0; i < r.size(); ++i) {
        const bool normal = r.bonusGameCount[i] == 0;
        if (normal && open >= 0 && i != openAt && r.gamesSinceBonus[i] == 1) {
            const int32_t m = r.mode[i - 1];
            rows[open] << (m >= 0 && m <= 4 ? Mode(m) : QString())
                       << QString::number(int64_t(r.medals[i - 1]) - r.medals[openAt] + 15);
            open = -1;
        }
        if (normal && (r.roleCode[i] == 8 || r.roleCode[i] == 9)) {
            rows.append({QString::number(r.playNumber[i]), QString::number(r.gamesSinceBonus[i]),
                         r.roleCode[i] == 8 ? QStringLiteral("777") : QStringLiteral("REG")});
            open = static_cast<int>(rows.size()) - 1;
            openAt = i;
        }
    }
    for (QStringList& row : rows)
        while (row.size() < 5)
            row << QString();
    return rows;
}

QList<QStringList> ExpectedModeChangeRows(const PlayRecords& r)
{
    QList<QStringList> rows;
    for (size_t i = 1; i < r.size(); ++i) {
        if (r.mode[i] == r.mode[i - 1] || r.mode[i - 1] == 4)
            continue;
        QString role;
        if (r.bonusGameCount[i] != 0)
            role = QStringLiteral("ボーナス終了");
        else if (r.mode[i] == 0)
            role = QStringLiteral("転落抽選");
        else if (r.ceilingHit[i] == 1)
            role = QStringLiteral("天井");
        else
            role = RoleLabel(r.roleCode[i]);
        rows.append({QString::number(r.playNumber[i]), QString::number(r.gamesSinceBonus[i]), role,
                     Mode(r.mode[i])});
    }
    return rows;
}

class MainFormRun : public ::testing::Test {
protected:
    RecordingSeam seam;
    TMainForm form;

    void Run(const QString& plays, const QString& setting, uint32_t seed)
    {
        Random31::Seed(seed);
        form.ui.PlayNumEdit->setText(plays);
        form.ui.FlevelComboBox->setEditText(setting);
        form.ui.StartButton->click();
    }
};

} // namespace

TEST_F(MainFormRun, EveryViewAgreesWithTheRecords)
{
    Run(QStringLiteral("20000"), QStringLiteral("6"), 20240611);
    ASSERT_TRUE(seam.errors.isEmpty());
    ASSERT_TRUE(seam.exceptions.isEmpty()) << seam.exceptions.join('\n').toStdString();
    const PlayRecords& r = form.playRecords;
    ASSERT_FALSE(r.empty());
    EXPECT_EQ(r.playNumber.back(), 20000);
    EXPECT_EQ(form.slot.GetSetting(), 6);
    EXPECT_EQ(form.StatusText(0), QStringLiteral("シミュレーション完了"));
    EXPECT_TRUE(form.ui.StartButton->isEnabled());
    EXPECT_FALSE(form.CommandRunning());
    EXPECT_TRUE(form.ui.Label3->text().isEmpty());

    // The play-by-play list: one row per record, caption and six sub-items.
    ASSERT_EQ(form.resultListModel->rowCount(), static_cast<int>(r.size()));
    int bonusRowsSeen = 0, bonusRecordsSampled = 0;
    for (size_t i = 0; i < r.size(); i += 97) {
        const QStringList item = form.ResultListViewData(static_cast<int>(i));
        ASSERT_EQ(item.size(), 7);
        const bool bonus = r.bonusGameCount[i] != 0;
        bonusRecordsSampled += bonus;
        bonusRowsSeen += item[0] == QStringLiteral("-");
        EXPECT_EQ(item[0], bonus ? QStringLiteral("-") : QString::number(r.playNumber[i]));
        EXPECT_EQ(item[1], bonus ? QStringLiteral("-") : QString::number(r.gamesSinceBonus[i]));
        EXPECT_EQ(item[2], RoleLabel(r.roleCode[i]));
        const QString mode = r.bonusKind[i] == 1 ? QStringLiteral("BIG!")
                             : r.bonusKind[i] == 2 ? QStringLiteral("REG!")
                                                   : Mode(r.mode[i]);
        EXPECT_EQ(item[3], mode);
        EXPECT_EQ(item[4], QString::number(r.medals[i]));
        EXPECT_EQ(item[5], QString());
        EXPECT_EQ(item[6], QString());
        EXPECT_EQ(form.resultListModel->index(int(i), 2).data().toString(), item[2]);
    }
    // The sample holds 32 bonus games of the seed's run (counted from its records above).
    EXPECT_EQ(bonusRecordsSampled, 32);
    EXPECT_EQ(bonusRowsSeen, bonusRecordsSampled);

    // Bonus and mode-change rows, written out independently from the records.
    const QList<QStringList> bonus = ExpectedBonusRows(r);
    ASSERT_EQ(bonus.size(), 94); // the seed's run opens 94 bonuses
    ASSERT_EQ(form.ui.BListView->topLevelItemCount(), bonus.size());
    for (int k = 0; k < bonus.size(); ++k)
        ASSERT_EQ(Row(form.ui.BListView, k), bonus[k]) << "bonus row " << k;
    // The bonus list moved down 10 pixels for every row that closed, well inside its range.
    const auto closed = std::count_if(bonus.begin(), bonus.end(), [](const QStringList& row) { return !row[4].isEmpty(); });
    EXPECT_EQ(closed, 94);
    EXPECT_EQ(form.ui.BListView->verticalScrollBar()->value(), 10 * closed);
    const QList<QStringList> changes = ExpectedModeChangeRows(r);
    ASSERT_EQ(changes.size(), 242); // and changes mode 242 times
    ASSERT_EQ(form.ui.ModeChangeListView->topLevelItemCount(), changes.size());
    for (int k = 0; k < changes.size(); ++k)
        ASSERT_EQ(Row(form.ui.ModeChangeListView, k), changes[k]) << "mode change " << k;

    // Count tables.
    int32_t roles[10] = {}, modes[5] = {}, bonusRoles[18] = {};
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.bonusGameCount[i] == 0) {
            if (r.roleCode[i] >= 0 && r.roleCode[i] <= 9)
                ++roles[r.roleCode[i]];
            if (r.mode[i] >= 0 && r.mode[i] <= 4)
                ++modes[r.mode[i]];
        } else if (r.roleCode[i] >= 0 && r.roleCode[i] <= 17) {
            ++bonusRoles[r.roleCode[i]];
        }
    }
    const int32_t p = r.playNumber.back();
    const int koyakuOrder[] = {1, 2, 3, 0, 4, 6, 7, 5};
    ASSERT_EQ(form.ui.KoyakuListView->topLevelItemCount(), 8);
    for (int k = 0; k < 8; ++k) {
        const int32_t c = roles[koyakuOrder[k]];
        EXPECT_EQ(Row(form.ui.KoyakuListView, k),
                  (QStringList{RoleLabel(koyakuOrder[k]), QString::number(c),
                               FloatToStr(double(c) / p),
                               c == 0 ? QStringLiteral("0") : "1/" + FloatToStr(double(p) / c)}));
    }
    ASSERT_EQ(form.ui.ModeStayListView->topLevelItemCount(), 5);
    int32_t stay = 0;
    for (int m = 0; m < 5; ++m) {
        const int32_t c = modes[m];
        EXPECT_EQ(Row(form.ui.ModeStayListView, m),
                  (QStringList{Mode(m), QString::number(c), FloatToStr(double(c) / p),
                               c == 0 ? QStringLiteral("0") : "1/" + FloatToStr(double(p) / c)}));
        stay += Row(form.ui.ModeStayListView, m)[1].toInt();
    }
    // Every normal game stays in one of the five modes, except those played in BONUS mode
    // (the game that wins a bonus).
    int32_t normalInBonusMode = 0;
    for (size_t i = 0; i < r.size(); ++i)
        normalInBonusMode += r.bonusGameCount[i] == 0 && r.mode[i] == 5;
    EXPECT_EQ(stay, p - normalInBonusMode);
    ASSERT_EQ(form.ui.NBZMListView->topLevelItemCount(), 3);
    EXPECT_EQ(Row(form.ui.NBZMListView, 1)[0], QStringLiteral("らくだ"));
    const int bmodeOrder[] = {17, 11, 12, 2, 16, 13};
    ASSERT_EQ(form.ui.BModeChangeListView->topLevelItemCount(), 6);
    EXPECT_EQ(Row(form.ui.BModeChangeListView, 0)[0], QStringLiteral("月８連"));
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(Row(form.ui.BModeChangeListView, k)[1], QString::number(bonusRoles[bmodeOrder[k]]));

    // Summary: counts and figures from the records.
    const QString summary = form.ui.ResultLabel->text();
    EXPECT_TRUE(summary.startsWith(QStringLiteral("BIG回数:") + QString::number(roles[8])
                                   + QChar(0x3000) + QStringLiteral("REG回数:")
                                   + QString::number(roles[9]) + "\n"))
        << summary.toStdString();
    const QString bigFigure = roles[8] == 0 ? QStringLiteral("0") : QString::number(p / roles[8]);
    EXPECT_TRUE(summary.contains(QStringLiteral("BIG確率:1/") + bigFigure + "  "));
    EXPECT_TRUE(summary.contains(QStringLiteral("収支:") + QString::number(int64_t(r.medals.back()) * 20)
                                 + QStringLiteral("円  機械割：")));

    // Charts: the slump axis spans the run; markers and lines got their points.
    EXPECT_EQ(form.charts.BottomMinimum(), 1);
    EXPECT_EQ(form.charts.BottomMaximum(), 20000);
    EXPECT_EQ(form.charts.PointCount(ResultCharts::SlumpSeries), 20000u);
    EXPECT_EQ(form.charts.PointCount(ResultCharts::BIG) + form.charts.PointCount(ResultCharts::REG),
              size_t(roles[8] + roles[9]));

    // Bonus games push the progress past 100: the bar shows it full.
    EXPECT_EQ(form.ui.ProgressBar1->value(), 100);
}

TEST_F(MainFormRun, SameSeedSameRunAndASecondRunReplacesTheFirst)
{
    Run(QStringLiteral("3000"), QStringLiteral("2"), 77);
    const PlayRecords first = form.playRecords;
    const QString summary = form.ui.ResultLabel->text();
    const int bonusRows = form.ui.BListView->topLevelItemCount();

    Run(QStringLiteral("500"), QStringLiteral("2"), 99);
    EXPECT_EQ(form.playRecords.playNumber.back(), 500);
    EXPECT_EQ(form.resultListModel->rowCount(), static_cast<int>(form.playRecords.size()));
    EXPECT_EQ(form.ui.KoyakuListView->topLevelItemCount(), 8);

    // A new window replays the seed exactly (the machine carries its state from run to run,
    // so the replay needs a machine as new as the first one was).
    TMainForm other;
    Random31::Seed(77);
    other.ui.PlayNumEdit->setText(QStringLiteral("3000"));
    other.ui.FlevelComboBox->setEditText(QStringLiteral("2"));
    other.ui.StartButton->click();
    EXPECT_EQ(other.playRecords.medals, first.medals);
    EXPECT_EQ(other.playRecords.roleCode, first.roleCode);
    EXPECT_EQ(other.ui.ResultLabel->text(), summary);
    EXPECT_EQ(other.ui.BListView->topLevelItemCount(), bonusRows);
}

TEST_F(MainFormRun, OnePlayGivesOneRowAndRatesOfZeroOrOne)
{
    // From seed 0 the first game draws 692 for its role: a replay in 通常, on the free first
    // bet, so the balance stays 0.
    Run(QStringLiteral("1"), QStringLiteral("1"), 0);
    ASSERT_EQ(form.playRecords.size(), 1u);
    ASSERT_EQ(form.playRecords.roleCode[0], 0);
    EXPECT_EQ(form.resultListModel->rowCount(), 1);
    EXPECT_EQ(form.ResultListViewData(0),
              (QStringList{"1", "1", "リプレイ", "通常", "0", QString(), QString()}));
    EXPECT_EQ(form.ui.BListView->topLevelItemCount(), 0);
    EXPECT_EQ(form.ui.ModeChangeListView->topLevelItemCount(), 0);
    // The replay's row shows rate 1 and 1/1; every other role 0 and 0.
    const char* labels[] = {"3連チェリー", "単チェリー", "ラクダ", "リプレイ", "月", "強ハズレA", "強ハズレB", "チャンス目"};
    for (int k = 0; k < 8; ++k) {
        const bool replay = k == 3;
        EXPECT_EQ(Row(form.ui.KoyakuListView, k),
                  (QStringList{QString::fromUtf8(labels[k]), replay ? "1" : "0", replay ? "1" : "0",
                               replay ? "1/1" : "0"}))
            << "row " << k;
    }
    EXPECT_EQ(Row(form.ui.ModeStayListView, 0), (QStringList{"通常", "1", "1", "1/1"}));
    for (int m = 1; m < 5; ++m)
        EXPECT_EQ(Row(form.ui.ModeStayListView, m), (QStringList{Mode(m), "0", "0", "0"}));
    EXPECT_EQ(form.ui.ResultLabel->text(),
              QStringLiteral("BIG回数:0\u3000REG回数:0\nBIG初当り回数:0\nBIG確率:1/0  REG確率:1/0\n"
                             "収支:0円  機械割：100%"));
    EXPECT_EQ(form.ui.ProgressBar1->value(), 100);
}

TEST_F(MainFormRun, RandomSettingIsHiddenUntilRevealed)
{
    Run(QStringLiteral("200"), QStringLiteral("?"), 4242);
    EXPECT_EQ(form.ui.Label3->text(), QStringLiteral("終了時に設定が確認できます"));
    EXPECT_EQ(form.ui.FlevelComboBox->currentText(), QStringLiteral("?"));
    const int32_t drawn = form.slot.GetSetting();
    EXPECT_GE(drawn, 1);
    EXPECT_LE(drawn, 6);
    // The setting is the first generator value after the seed, mod 6, plus 1.
    Random31::Seed(4242);
    EXPECT_EQ(drawn, Random31::Next() % 6 + 1);

    form.ui.FlevelButton->click();
    EXPECT_EQ(form.ui.FlevelComboBox->currentText(), QString::number(drawn));

    // A fixed setting empties the hint again.
    Run(QStringLiteral("10"), QStringLiteral("3"), 1);
    EXPECT_TRUE(form.ui.Label3->text().isEmpty());
}

TEST_F(MainFormRun, CheckBoxesSwitchTheirMarkerSeries)
{
    Run(QStringLiteral("2000"), QStringLiteral("1"), 8);
    const size_t cherries = form.charts.PointCount(ResultCharts::Cherry);
    form.ui.CherryCheckBox->click();
    EXPECT_TRUE(form.charts.Active(ResultCharts::Cherry));
    EXPECT_FALSE(form.charts.Active(ResultCharts::Cherry_s));
    form.ui.Cherry_sCheckBox->click();
    EXPECT_TRUE(form.charts.Active(ResultCharts::Cherry_s));
    form.ui.CherryCheckBox->click();
    EXPECT_FALSE(form.charts.Active(ResultCharts::Cherry));
    // Switching keeps the points.
    EXPECT_EQ(form.charts.PointCount(ResultCharts::Cherry), cherries);
    const std::pair<QCheckBox*, ResultCharts::Series> pairs[] = {
        {form.ui.BIGCheckBox, ResultCharts::BIG},   {form.ui.REGCheckBox, ResultCharts::REG},
        {form.ui.RakudaCheckBox, ResultCharts::Rakuda}, {form.ui.TukiCheckBox, ResultCharts::Tuki},
        {form.ui.ChanceCheckBox, ResultCharts::Chance}};
    for (const auto& [box, series] : pairs) {
        box->click();
        EXPECT_TRUE(form.charts.Active(series));
    }
}
