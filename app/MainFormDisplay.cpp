// The results display of the main window: every list, table, chart and the summary from the
// records of one run.
#include <QLabel>
#include <QScrollBar>
#include <QTreeWidget>

#include "app/RecordMemory.h"
#include "app/ResultCounts.h"
#include "app/ResultListViewData.h"
#include "app/Unit1.h"

namespace {

// Records between two looks at the clock.
constexpr size_t ClockStride = 4096;

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
        ui.BListView->addTopLevelItems(pendingBonusRows);
        pendingBonusRows.clear();
    }
    if (!pendingModeChangeRows.isEmpty()) {
        ui.ModeChangeListView->addTopLevelItems(pendingModeChangeRows);
        pendingModeChangeRows.clear();
    }
    if (pendingBonusScroll != 0) {
        QScrollBar* bar = ui.BListView->verticalScrollBar();
        // The list lays out its new rows first, so that the scroll range covers them. Its range
        // only grows while rows come in, so a scroll that stays inside the range of its last
        // layout lands where it would after a new one, and the layout (a walk over every row)
        // is left for when the list is shown.
        if (bonusScrollRoom < 0 || bar->value() + pendingBonusScroll > bonusScrollRoom) {
            ui.BListView->doItemsLayout();
            bonusScrollRoom = bar->maximum();
        }
        bar->setValue(bar->value() + pendingBonusScroll);
        pendingBonusScroll = 0;
    }
}

void TMainForm::ShowResults()
{
    ResultTally tally(playRecords);
    const size_t n = playRecords.size();

    // Every view starts empty.
    charts.Clear();
    for (QTreeWidget* list : {ui.BListView, ui.ModeChangeListView, ui.BModeChangeListView, ui.KoyakuListView,
                              ui.NBZMListView, ui.ModeStayListView})
        list->clear();
    qDeleteAll(pendingBonusRows);
    qDeleteAll(pendingModeChangeRows);
    pendingBonusRows.clear();
    pendingModeChangeRows.clear();
    pendingBonusScroll = 0;
    bonusScrollRoom = -1;
    // After a display far larger than this one, what it took is given back at the end.
    const bool shrinking = IsSpareRoom(static_cast<size_t>(resultListModel->ItemCount()), n);
    resultListModel->SetItemCount(0);
    resultRowLists.clear();
    ui.ResultLabel->setText(QString());

    // The slump chart spans the run; an empty run shows the axis of a window before its first
    // display, not the range of whatever was shown before.
    if (n > 0)
        charts.SetSlumpRange(tally.PlayCount());
    else
        charts.SetEmptySlumpRange();

    // The counts come first: the rows of the lists need some of them, and the charts take
    // room for their points from them.
    for (size_t i = 0; i < n; ++i) {
        tally.Count(i);
        if (i % ClockStride == ClockStride - 1)
            ProcessMessagesWhenDue();
    }
    charts.Reserve(tally);
    ProcessMessagesWhenDue();

    // One pass over the records builds the rows and the markers, flushing them to the lists
    // now and then so that the window shows progress.
    QTreeWidgetItem* openRow = nullptr;
    RecordStep step;
    for (size_t i = 0; i < n; ++i) {
        tally.Step(i, resultRowLists, step);
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
        if (last || (i % ClockStride == ClockStride - 1 && messagePacer.Due())) {
            // The window takes its input first and shows these rows at its next turn: adding
            // them to the lists takes a while in a long run, and the input should not wait.
            if (!last)
                ProcessMessages();
            FlushDisplay(static_cast<int>(i + 1));
            SetProgress(tally.ProgressPosition(i));
            if (last)
                ProcessMessages();
            // The window is going away: the rows already built stay, the rest is skipped.
            if (closing)
                break;
        }
    }

    // Lines and bars, count tables and pies.
    charts.FillLines(playRecords, [this] { ProcessMessagesWhenDue(); });
    FillTable(ui.KoyakuListView, tally.KoyakuRows());
    charts.FillKoyakuPie(tally);
    FillTable(ui.ModeStayListView, tally.ModeStayRows());
    charts.FillModeStayPie(tally);
    FillTable(ui.NBZMListView, tally.NBZMRows());
    FillTable(ui.BModeChangeListView, tally.BModeChangeRows());

    // The summary last, so that it appears once everything else is filled.
    ui.ResultLabel->setText(tally.SummaryText());
    if (shrinking)
        ReturnFreedMemory();
}
