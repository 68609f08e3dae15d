// The results display of the main window: every list, table, chart and the summary from the
// records of one run.
#include <QElapsedTimer>
#include <QLabel>
#include <QScrollBar>
#include <QTreeWidget>

#include "app/ResultCounts.h"
#include "app/ResultListViewData.h"
#include "app/Unit1.h"

namespace {

// The window repaints and runs its handlers about this often while the rows are built.
// Doing it for every record would cost more than the display itself.
constexpr qint64 MessageIntervalMs = 20;
// Records between two looks at the clock.
constexpr size_t ClockStride = 256;

void FillTable(QTreeWidget* list, const QList<QStringList>& rows)
{
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const QStringList& row : rows)
        items.append(new QTreeWidgetItem(row));
    list->addTopLevelItems(items);
}

} // namespace

void TMainForm::FlushDisplay(int rows)
{
    resultListModel->SetItemCount(rows);
    if (!pendingBonusRows.isEmpty()) {
        BListView->addTopLevelItems(pendingBonusRows);
        pendingBonusRows.clear();
    }
    if (!pendingModeChangeRows.isEmpty()) {
        ModeChangeListView->addTopLevelItems(pendingModeChangeRows);
        pendingModeChangeRows.clear();
    }
    if (pendingBonusScroll != 0) {
        // The list lays out its new rows first, so that the scroll range covers them.
        BListView->doItemsLayout();
        QScrollBar* bar = BListView->verticalScrollBar();
        bar->setValue(bar->value() + pendingBonusScroll);
        pendingBonusScroll = 0;
    }
}

void TMainForm::ShowResults()
{
    ResultTally tally(playRecords);
    const size_t n = playRecords.size();

    // 1. Empty every display.
    charts.Clear();
    for (QTreeWidget* list : {BListView, ModeChangeListView, BModeChangeListView, KoyakuListView,
                              NBZMListView, ModeStayListView})
        list->clear();
    qDeleteAll(pendingBonusRows);
    qDeleteAll(pendingModeChangeRows);
    pendingBonusRows.clear();
    pendingModeChangeRows.clear();
    pendingBonusScroll = 0;
    resultListModel->SetItemCount(0);
    resultRowLists.clear();
    resultRowLists.reserve(n);
    ResultLabel->setText(QString());

    // 2. The slump chart spans the run (an empty run keeps the axis it had).
    if (n > 0)
        charts.SetSlumpRange(tally.PlayCount());

    // 3. Counting pass.
    tally.CountAll();

    // 4. Row pass.
    QTreeWidgetItem* openRow = nullptr;
    QElapsedTimer sinceMessages;
    sinceMessages.start();
    for (size_t i = 0; i < n; ++i) {
        const RecordStep step = tally.Step(i, resultRowLists);
        if (step.addMarker)
            charts.AddMarker(playRecords, i);
        if (step.closeBonusRow && openRow) {
            openRow->setText(3, step.close.endMode);
            openRow->setText(4, step.close.gainedMedals);
            pendingBonusScroll += 10;
            openRow = nullptr;
        }
        if (step.openBonusRow) {
            // A row opened while another is open replaces it; the earlier keeps three columns.
            openRow = new QTreeWidgetItem(
                QStringList{step.open.caption, step.open.gamesSinceBonus, step.open.role});
            pendingBonusRows.append(openRow);
        }
        if (step.addModeChange) {
            const ModeChangeRow& m = step.modeChange;
            pendingModeChangeRows.append(
                new QTreeWidgetItem(QStringList{m.caption, m.gamesSinceBonus, m.role, m.newMode}));
        }
        const bool last = i + 1 == n;
        if (last
            || (i % ClockStride == ClockStride - 1 && sinceMessages.elapsed() >= MessageIntervalMs)) {
            FlushDisplay(static_cast<int>(i + 1));
            ProcessMessages();
            SetProgress(tally.ProgressPosition(i));
            sinceMessages.restart();
            // The window is going away: the rows already built stay, the rest is skipped.
            if (closing)
                break;
        }
    }

    // 5-11. Lines and bars, count tables and pies.
    charts.FillLines(playRecords);
    FillTable(KoyakuListView, tally.KoyakuRows());
    charts.FillKoyakuPie(tally);
    FillTable(ModeStayListView, tally.ModeStayRows());
    charts.FillModeStayPie(tally);
    FillTable(NBZMListView, tally.NBZMRows());
    FillTable(BModeChangeListView, tally.BModeChangeRows());

    // 12. Summary.
    ResultLabel->setText(tally.SummaryText());
}
