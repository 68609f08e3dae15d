#pragma once

#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <functional>

#include "app/ResultCharts.h"
#include "app/BatchSpace.h"
#include "app/MessagePacer.h"
#include "app/ResultRowLists.h"
#include "app/SimFile.h"
#include "model/PlayRecords.h"
#include "model/Slot.h"
#include "platform/widgets/Dialogs.h"
#include "ui_Unit1.h"

class QFontMetrics;
class QTimer;
class QTreeWidgetItem;
class QLabel;
class ResultListViewData;
class TAboutBox;

// The main window: the inputs of a run, the start command and the batch, the seven pages of
// results, the charts, the simulation files and the small menu commands.
//
// The components come from the form description (resources/Unit1.ui) through its generated
// class, held in `ui`. Handlers named after the form's events can be called directly; the
// form's own signals reach them through a guard that shows an escaping exception in the
// exception display.
//
// Only one command runs at a time: the window processes its messages while it runs and
// shows results, so the commands that would empty the records under it (開始, 開く) are
// disabled until it ends.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // The components of the form description (resources/Unit1.ui), built by its generated
    // class. The four chart areas are chart widgets; `charts` owns their series and settings.
    Ui::TMainForm ui;
    // The clock of the status bar (not a widget, so not in the form description).
    QTimer* Timer1 = nullptr;

    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The about box that "バージョン情報(&A)" shows (created by main; the form makes its
    // own on first use when none was given).
    void SetAboutBox(TAboutBox* box) { aboutBox = box; }

    // Handlers of the form.
    void FileStartMenuClick();
    void FileExitMenuClick();
    void HelpAboutMenuClick();
    void StartButtonClic();
    void HelpManMenuClick();
    void FlevelButtonClick();
    void FileSaveMenuClick();
    void FileOpenMenuClick();
    void Timer1Timer();
    void BIGCheckBoxClick();
    void REGCheckBoxClick();
    void CherryCheckBoxClick();
    void Cherry_sCheckBoxClick();
    void RakudaCheckBoxClick();
    void JWord1Click();
    void TukiCheckBoxClick();
    // The owner-data list's request for row k: caption and sub-items.
    QStringList ResultListViewData(int row) const;
    void N3Click();
    void N4Click();
    void ChanceCheckBoxClick();

    // One run into the records, with the window's play count and setting.
    void RunSimulation();
    // Every view from the records.
    void ShowResults();
    // Runs of a batch, each written to its own file.
    enum class BatchResult { Completed, NotStarted, Failed };
    BatchResult RunBatchSimulations();

    // Text of a status bar panel (0: progress and results, 1: the clock).
    QString StatusText(int panel) const;
    void SetStatusText(int panel, const QString& text);
    // The progress bar's position; positions past its range show as full.
    void SetProgress(int position);

    // True while a start or a file read is running.
    bool CommandRunning() const { return commandRunning; }

    // Data of the form.
    PlayRecords playRecords;
    Slot slot;
    ResultRowLists resultRowLists;
    ResultCharts charts;
    TFileDialog OpenDialog;
    TFileDialog SaveDialog;
    ::ResultListViewData* resultListModel = nullptr;

    // Seams of the file commands, replaced by tests: the reader of a simulation file, and
    // the free bytes in a folder (-1 when unknown).
    std::function<SimFileReadResult(const QString& path, PlayRecords& records)> ReadSimFileAt =
        [](const QString& path, PlayRecords& records) { return ReadSimFile(path, records); };
    std::function<int64_t(const QString& folder)> FreeSpace = FreeBytesAt;

    // The folder of the program file, with its last separator: the help file and the
    // installer live there.
    static QString ProgramFolder();
    // The widest text that the clock can show in the locale's date and time formats.
    static int ClockTextWidth(const QFontMetrics& metrics);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class CommandScope;

    void SetUpForm();
    void SetUpListViews();
    void SetUpStatusBar();
    void ConnectHandlers();
    // Lets the window repaint and run its handlers in the middle of a command.
    void ProcessMessages();
    // The same when the pacer says it is time: long steps call this often.
    void ProcessMessagesWhenDue();
    // The commands that a running command refuses: shown disabled while it runs.
    void SetCommandsEnabled(bool enabled);
    // A message with the error icon; the status panel is emptied, as for every refused start.
    void RefuseStart(const QString& message);
    // Adds the bonus and mode-change rows collected since the last call and moves the
    // play-by-play list's item count on to `rows`.
    void FlushDisplay(int rows);
    // Reports a run that needed more memory than the machine had and frees what it took.
    void ReportOutOfMemory();
    // Runs one step of a command: running out of memory is reported and gives false; any
    // other failure gives the start button back, empties the status and propagates.
    bool RunCommandStep(const std::function<void()>& step);

    QLabel* statusPanels[2] = {nullptr, nullptr};
    // The status bar's margins and the space between its panels, at most.
    static constexpr int StatusBarSlack = 16;
    // When a long command last processed messages.
    MessagePacer messagePacer;
    TAboutBox* aboutBox = nullptr;
    bool commandRunning = false;
    bool closing = false;

    // Rows made by the display since its last flush, added to their lists in one go.
    QList<QTreeWidgetItem*> pendingBonusRows;
    QList<QTreeWidgetItem*> pendingModeChangeRows;
    int pendingBonusScroll = 0;
    // The bonus list's scroll range at its last layout in this display, -1 before the first.
    int bonusScrollRoom = -1;
};
