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
#include <new>

#include "app/BatchNaming.h"
#include "app/ResultListViewData.h"
#include "app/RunInputs.h"
#include "app/SimFile.h"
#include "app/Unit1.h"
#include "platform/Exceptions.h"
#include "platform/SysUtils.h"

namespace {

QString PlayCountTooLargeMessage(int32_t maxPlays)
{
    return QStringLiteral("Play数は、") + IntToStr(maxPlays) + QStringLiteral("以下にしてください。");
}

const QString settingMessage = QStringLiteral("設定は、1～6の数字か「?」にしてください。");

} // namespace

// Marks the form busy for the life of one command; a second command finds it taken.
class TMainForm::CommandScope {
public:
    explicit CommandScope(TMainForm& form) : form(form), acquired(!form.commandRunning)
    {
        form.commandRunning = true;
    }
    ~CommandScope()
    {
        if (acquired)
            form.commandRunning = false;
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;
    bool Acquired() const { return acquired; }

private:
    TMainForm& form;
    bool acquired;
};

void TMainForm::RefuseStart(const QString& message)
{
    Dialogs().ErrorMessage(this, message);
    SetStatusText(0, QString());
}

void TMainForm::ReportOutOfMemory()
{
    // Give the memory back before saying anything: the message box needs some too.
    playRecords = PlayRecords();
    resultRowLists.clear();
    resultListModel->SetItemCount(0);
    qDeleteAll(pendingBonusRows);
    qDeleteAll(pendingModeChangeRows);
    pendingBonusRows.clear();
    pendingModeChangeRows.clear();
    SetStatusText(0, QString());
    ui.StartButton->setEnabled(true);
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
        // The button comes back, so that a failed command does not leave the window half dead.
        ui.StartButton->setEnabled(true);
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

    const int32_t playNum = TextToInteger(ui.PlayNumEdit->text());
    if (playNum <= 0) {
        RefuseStart(QStringLiteral("Play数は、1以上にしてください。"));
        return;
    }
    const int32_t maxPlays = MaxPlayCount();
    if (playNum > maxPlays) {
        RefuseStart(PlayCountTooLargeMessage(maxPlays));
        return;
    }
    const int32_t runs = TextToInteger(ui.SimNumEdit->text());
    if (runs <= 0) {
        RefuseStart(QStringLiteral("Sim回数は、1以上にしてください。"));
        return;
    }
    if (!IsValidSettingText(ui.FlevelComboBox->currentText())) {
        RefuseStart(settingMessage);
        return;
    }

    ui.StartButton->setEnabled(false);
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
    ui.StartButton->setEnabled(true);
}

void TMainForm::RunSimulation()
{
    playRecords.clear();
    const int32_t playNum = TextToInteger(ui.PlayNumEdit->text());
    // The boxes can change while a batch processes its messages: check again at every run.
    const int32_t maxPlays = MaxPlayCount();
    if (playNum > maxPlays)
        throw Exception(PlayCountTooLargeMessage(maxPlays));
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
    PlayRun(slot, playRecords, playNum);
}

TMainForm::BatchResult TMainForm::RunBatchSimulations()
{
    // Files are written only under a name confirmed in this dialog.
    if (!SaveDialog.Execute(this)) {
        SetStatusText(0, QStringLiteral("保存先が選ばれなかったため、シミュレーションを開始しませんでした。"));
        return BatchResult::NotStarted;
    }
    const int32_t runs = TextToInteger(ui.SimNumEdit->text());
    for (int32_t i = 1; i <= runs && !closing; ++i) {
        ui.StartButton->setEnabled(false);
        RunSimulation();
        SimFileHeader header;
        header.setting = slot.GetSetting();
        header.playCount = slot.playNumber;
        const QString fileName =
            BatchFileName(SaveDialog.FileName, header.setting, header.playCount, i);
        SetStatusText(0, QStringLiteral("シミュレーションファイルに保存中。") + fileName);
        SetProgress(static_cast<int>(std::min((static_cast<double>(i) + 1) / runs * 100, 1e9)));
        if (!WriteSimFile(fileName, header, playRecords)) {
            SetStatusText(0, QStringLiteral("エラーにより強制終了しました。"));
            Dialogs().ErrorMessage(this, QStringLiteral("シミュレーションファイルを保存できませんでした。\n")
                                             + fileName);
            return BatchResult::Failed;
        }
    }
    SetStatusText(0, QStringLiteral("シミュレーションファイルに保存完了"));
    ui.StartButton->setEnabled(true);
    return BatchResult::Completed;
}

void TMainForm::FileOpenMenuClick()
{
    CommandScope command(*this);
    if (!command.Acquired())
        return; // a run or another read owns the records
    if (!OpenDialog.Execute(this))
        return;
    // A file with more records than the machine can hold and show is refused before it is
    // read, like a play count that large.
    const qint64 bytes = QFileInfo(OpenDialog.FileName).size();
    if ((bytes - 12) / 44 > MaxPlayCount()) {
        Dialogs().ErrorMessage(this, QStringLiteral("このファイルは大きすぎるため、読み込めません。"));
        return;
    }

    const QString statusBefore = StatusText(0);
    const bool startEnabledBefore = ui.StartButton->isEnabled();
    ui.StartButton->setEnabled(false);
    SetStatusText(0, QStringLiteral("シミュレーションファイルを読み込み中・・・"));
    SimFileReadResult read;
    try {
        read = ReadSimFile(OpenDialog.FileName, playRecords);
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory();
        return;
    }
    switch (read.status) {
    case SimFileStatus::CannotOpen:
        // Nothing was touched: the window stays as it was.
        ui.StartButton->setEnabled(startEnabledBefore);
        SetStatusText(0, statusBefore);
        return;
    case SimFileStatus::NotSimFile:
        Dialogs().ErrorMessage(this, QStringLiteral("このファイルは、Pelvaroファイルではありません。"));
        SetStatusText(0, QStringLiteral("シミュレーションファイルの読み込み中断"));
        ui.StartButton->setEnabled(true);
        return;
    case SimFileStatus::Ok:
        break;
    }
    ui.FlevelComboBox->setEditText(IntToStr(read.header.setting));
    ui.PlayNumEdit->setText(IntToStr(read.header.playCount));
    if (!RunCommandStep([&] { ShowResults(); }))
        return;
    SetStatusText(0, QStringLiteral("シミュレーションファイルの読み込み完了"));
    ui.StartButton->setEnabled(true);
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
