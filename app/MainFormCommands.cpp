// The main window's commands: the start command with its single run or batch, and the
// simulation files.
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <limits>
#include <new>

#include "app/BatchNaming.h"
#include "app/BatchSpace.h"
#include "app/RecordMemory.h"
#include "app/ResultListViewData.h"
#include "app/RunInputs.h"
#include "app/SimFile.h"
#include "app/Unit1.h"
#include "platform/Exceptions.h"
#include "platform/Prefault.h"
#include "platform/SysUtils.h"

namespace {

const QString playCountBox = QStringLiteral("Play数");
const QString runCountBox = QStringLiteral("Sim回数");

const QString settingMessage = QStringLiteral("設定は、1～6の数字か「?」にしてください。");
const QString notSimFileMessage = QStringLiteral("このファイルは、Pelvaroファイルではありません。");
// A named pipe or a device is refused before it is read.
const QString notRegularFileMessage = QStringLiteral("このファイルは、通常のファイルではないため読み込めません。");
const QString readAbortedStatus = QStringLiteral("シミュレーションファイルの読み込み中断");
const QString readFailedStatus = QStringLiteral("シミュレーションファイルの読み込み失敗");
const QString readPartlyStatus =
    QStringLiteral("シミュレーションファイルの読み込み失敗（読み込めた分のみ表示）");

// Whole megabytes, rounded up, for a message about disk space.
QString Megabytes(int64_t bytes)
{
    constexpr int64_t mb = 1024 * 1024;
    return QString::number(bytes / mb + (bytes % mb != 0 ? 1 : 0));
}


} // namespace

// Marks the form busy for the life of one command; a second command finds it taken. While
// it is held, the commands that would empty the records under the running one (the start
// button, 開始(&G) and 開く(&O)) are shown disabled, so the user sees why they do nothing.
class TMainForm::CommandScope {
public:
    explicit CommandScope(TMainForm& form) : form(form), acquired(!form.commandRunning)
    {
        if (acquired)
            form.SetCommandsEnabled(false);
        form.commandRunning = true;
    }
    ~CommandScope()
    {
        if (acquired) {
            form.commandRunning = false;
            form.SetCommandsEnabled(true);
        }
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;
    bool Acquired() const { return acquired; }

private:
    TMainForm& form;
    bool acquired;
};

void TMainForm::SetCommandsEnabled(bool enabled)
{
    ui.StartButton->setEnabled(enabled);
    ui.FileStartMenu->setEnabled(enabled);
    ui.FileOpenMenu->setEnabled(enabled);
}

void TMainForm::RefuseStart(const QString& message)
{
    Dialogs().ErrorMessage(this, message);
    SetStatusText(0, QString());
}

void TMainForm::ReportOutOfMemory()
{
    // Give the memory back before saying anything: the message box needs some too.
    resultListModel->SetItemCount(0);
    resultRowLists = ResultRowLists();
    playRecords = PlayRecords();
    qDeleteAll(pendingBonusRows);
    qDeleteAll(pendingModeChangeRows);
    pendingBonusRows.clear();
    pendingModeChangeRows.clear();
    SetStatusText(0, QString());
    Dialogs().ErrorMessage(this, QStringLiteral("メモリが足りないため、中止しました。Play数を減らしてください。"));
}

bool TMainForm::RunCommandStep(const std::function<void()>& step)
{
    try {
        step();
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory();
        return false;
    } catch (...) {
        // The command's scope gives the commands back as the failure passes through, so that
        // a failed command does not leave the window half dead.
        SetStatusText(0, QString());
        throw;
    }
    return true;
}

void TMainForm::StartButtonClic()
{
    FileStartMenuClick();
}

void TMainForm::FileStartMenuClick()
{
    CommandScope command(*this);
    if (!command.Acquired())
        return; // a run or a file read is under way; it owns the records until it ends

    // The play count first: a wrong one is the refusal shown, whatever the run count says.
    QString refusal = CountRefusal(playCountBox, ui.PlayNumEdit->text(), MaxPlayCount());
    if (refusal.isEmpty())
        refusal = CountRefusal(runCountBox, ui.SimNumEdit->text(), std::numeric_limits<int32_t>::max());
    if (!refusal.isEmpty()) {
        RefuseStart(refusal);
        return;
    }
    const int32_t runs = TextToInteger(ui.SimNumEdit->text());
    if (!IsValidSettingText(ui.FlevelComboBox->currentText())) {
        RefuseStart(settingMessage);
        return;
    }

    SetStatusText(0, QStringLiteral("シミュレーション実行中・・・"));
    BatchResult outcome = BatchResult::Completed;
    const bool done = RunCommandStep([&] {
        if (runs == 1) {
            RunSimulation();
            ShowResults();
        } else {
            outcome = RunBatchSimulations();
        }
    });
    if (!done)
        return;
    // A batch that was not started or that failed keeps its own status text.
    if (outcome == BatchResult::Completed)
        SetStatusText(0, QStringLiteral("シミュレーション完了"));
}

void TMainForm::RunSimulation()
{
    // The play-by-play list keeps showing the last display while the records change.
    resultRowLists.Detach();
    playRecords.clear();
    // The boxes can change while a batch processes its messages: check again at every run.
    const QString playText = ui.PlayNumEdit->text();
    const int32_t maxPlays = MaxPlayCount();
    int64_t plays = 0;
    if (!ReadCount(playText, plays) || plays > maxPlays)
        throw Exception(CountRefusal(playCountBox, playText, maxPlays));
    const int32_t playNum = static_cast<int32_t>(std::max<int64_t>(plays, std::numeric_limits<int32_t>::min()));
    const QString settingText = ui.FlevelComboBox->currentText();
    if (IsRandomSettingText(settingText)) {
        slot.SetSetting(Random31::Next() % 6 + 1);
        ui.Label3->setText(QStringLiteral("終了時に設定が確認できます"));
    } else {
        const int32_t setting = TextToInteger(settingText);
        // The machine has tables for settings 1 to 6 only.
        if (setting < 1 || setting > 6)
            throw Exception(settingMessage);
        slot.SetSetting(setting);
        ui.Label3->setText(QString());
    }
    ProcessMessages();
    // The columns' room is made resident alongside the run, ahead of the rows being filled;
    // what the run leaves unused is given back after it.
    const size_t room = PlayRunRoom(playNum);
    playRecords.reserve(room);
    TPrefault prefault;
    for (int c = 0; c < PlayRecords::ColumnCount; ++c) {
        // Room kept from a larger run is not this run's to fill.
        const PlayRecords::Column& column = playRecords.column(c);
        prefault.Add(column.data(), sizeof(int32_t) * std::min(room, column.capacity()));
    }
    prefault.Start();
    // A long run lets the window repaint and take input now and then, and moves the progress
    // bar with the plays; the display that follows moves it again with the records.
    PlayRun(slot, playRecords, playNum, [&] {
        if (!messagePacer.Due())
            return;
        SetProgress(static_cast<int>(int64_t(slot.playNumber) * 100 / playNum));
        ProcessMessages();
    });
    // The rows are in: room still to be made resident is left alone, and what was made
    // resident past the rows is given back.
    prefault.Stop();
    ReleaseRoomBeyondRows(playRecords);
    ReleaseSpareCapacity(playRecords);
}

TMainForm::BatchResult TMainForm::RunBatchSimulations()
{
    // Files are written only under a name confirmed in this dialog.
    if (!SaveDialog.Execute(this)) {
        SetStatusText(0, QStringLiteral("保存先が選ばれなかったため、シミュレーションを開始しませんでした。"));
        return BatchResult::NotStarted;
    }
    const int32_t runs = TextToInteger(ui.SimNumEdit->text());
    // Refused before the first run when the files cannot fit, rather than failing after
    // thousands of them.
    const int64_t needed = BatchBytesNeeded(TextToInteger(ui.PlayNumEdit->text()), runs);
    const int64_t available = FreeSpace(QFileInfo(SaveDialog.FileName).absolutePath());
    if (available >= 0 && needed > available) {
        SetStatusText(0, QStringLiteral("保存先の空き容量が足りないため、シミュレーションを開始しませんでした。"));
        Dialogs().ErrorMessage(
            this, QStringLiteral("保存先の空き容量が足りないため、シミュレーションを開始しませんでした。\n"
                                 "必要な容量（最大）：%1 MB\n空き容量：%2 MB\n"
                                 "Play数かSim回数を減らすか、別の保存先を選んでください。")
                      .arg(Megabytes(needed), Megabytes(available)));
        return BatchResult::NotStarted;
    }
    for (int32_t i = 1; i <= runs && !closing; ++i) {
        RunSimulation();
        SimFileHeader header;
        header.setting = slot.GetSetting();
        header.playCount = slot.playNumber;
        const QString fileName =
            BatchFileName(SaveDialog.FileName, header.setting, header.playCount, i);
        SetStatusText(0, QStringLiteral("シミュレーションファイルに保存中。") + fileName);
        SetProgress(static_cast<int>(std::min((static_cast<double>(i) + 1) / runs * 100, 1e9)));
        QString reason;
        if (!WriteSimFile(fileName, header, playRecords, &reason)) {
            SetStatusText(0, QStringLiteral("エラーにより強制終了しました。"));
            Dialogs().ErrorMessage(this, QStringLiteral("シミュレーションファイルを保存できませんでした。\n")
                                             + fileName + QLatin1Char('\n') + reason);
            return BatchResult::Failed;
        }
    }
    SetStatusText(0, QStringLiteral("シミュレーションファイルに保存完了"));
    return BatchResult::Completed;
}

void TMainForm::FileOpenMenuClick()
{
    CommandScope command(*this);
    if (!command.Acquired())
        return; // a run or another read owns the records
    if (!OpenDialog.Execute(this))
        return;
    const QString path = OpenDialog.FileName;
    // A file with more records than the machine can hold and show is refused before it is
    // read, like a play count that large.
    const QFileInfo info(path);
    if (info.isFile() && SimFileRecordCount(info.size()) > MaxPlayCount()) {
        Dialogs().ErrorMessage(this, QStringLiteral("このファイルは大きすぎるため、読み込めません。"));
        return;
    }

    const QString statusBefore = StatusText(0);
    SetStatusText(0, QStringLiteral("シミュレーションファイルを読み込み中・・・"));
    SimFileReadResult read;
    // The play-by-play list keeps showing the last display whatever the read does.
    resultRowLists.Detach();
    try {
        read = ReadSimFileAt(path, playRecords);
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory();
        return;
    }
    switch (read.status) {
    case SimFileStatus::CannotOpen:
        // Nothing was touched: the window stays as it was.
        SetStatusText(0, statusBefore);
        return;
    case SimFileStatus::NotAFile:
        Dialogs().ErrorMessage(this, notRegularFileMessage);
        SetStatusText(0, readAbortedStatus);
        return;
    case SimFileStatus::NotSimFile:
        // The records are empty; the views keep the last display.
        if (read.readError) {
            SetStatusText(0, readFailedStatus);
            Dialogs().ErrorMessage(this, QStringLiteral("シミュレーションファイルを読み込めませんでした。\n")
                                             + path + QLatin1Char('\n') + read.errorText);
        } else {
            Dialogs().ErrorMessage(this, notSimFileMessage);
            SetStatusText(0, readAbortedStatus);
        }
        return;
    case SimFileStatus::Ok:
        break;
    }
    ReleaseSpareCapacity(playRecords);
    ui.FlevelComboBox->setEditText(IntToStr(read.header.setting));
    ui.PlayNumEdit->setText(IntToStr(read.header.playCount));
    if (!RunCommandStep([&] { ShowResults(); }))
        return;
    if (read.readError) {
        // What was read before the failure is shown, and said to be only part of the file.
        SetStatusText(0, readPartlyStatus);
        Dialogs().ErrorMessage(
            this, QStringLiteral("シミュレーションファイルを最後まで読み込めませんでした。"
                                 "読み込めた%1件だけを表示します。\n")
                          .arg(playRecords.size())
                      + path + QLatin1Char('\n') + read.errorText);
        return;
    }
    SetStatusText(0, QStringLiteral("シミュレーションファイルの読み込み完了"));
}

void TMainForm::FileSaveMenuClick()
{
    CommandScope command(*this);
    if (!command.Acquired())
        return;
    SimFileHeader header;
    header.setting = slot.GetSetting();
    header.playCount = slot.playNumber;
    // Nothing is written under a name that the user did not confirm here.
    if (!SaveDialog.Execute(this))
        return;
    if (!WriteSimFile(SaveDialog.FileName, header, playRecords)) {
        SetStatusText(0, QStringLiteral("シミュレーションファイルを保存できませんでした。"));
        return;
    }
    SetStatusText(0, QStringLiteral("シミュレーションファイルに保存完了"));
}
