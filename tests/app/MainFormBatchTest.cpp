// Batches: one file per run, named by the batch naming, the views left alone; the progress
// bar; failures and a cancelled dialog.
#include <QtWidgets>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "app/BatchNaming.h"
#include "app/BatchSpace.h"
#include "app/ResultListViewData.h"
#include "app/SimFile.h"
#include "app/Unit1.h"
#include "MainFormTestSeam.h"

namespace {

class MainFormBatch : public ::testing::Test {
protected:
    RecordingSeam seam;
    TMainForm form;
    QTemporaryDir dir;

    QString Path(const QString& name) const { return dir.filePath(name); }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    void StartBatch(const QString& plays, const QString& runs, const QString& setting)
    {
        form.ui.PlayNumEdit->setText(plays);
        form.ui.SimNumEdit->setText(runs);
        form.ui.FlevelComboBox->setEditText(setting);
        form.ui.StartButton->click();
    }
};

} // namespace

TEST_F(MainFormBatch, TwoRunsWriteTwoFilesAndLeaveTheViews)
{
    // A single run first, so that there is a display to keep.
    Random31::Seed(3);
    StartBatch("300", "1", "4");
    const int rows = form.resultListModel->rowCount();
    const int bonusRows = form.ui.BListView->topLevelItemCount();
    const QString summary = form.ui.ResultLabel->text();
    const QString firstRow = form.ResultListViewData(0).join('|');

    seam.saveAnswers.push_back(Path("run.sim"));
    // The start and open commands are shown disabled while the batch runs.
    QList<bool> enabledInside;
    QMetaObject::invokeMethod(
        &form,
        [&] {
            enabledInside << form.ui.StartButton->isEnabled() << form.ui.FileStartMenu->isEnabled()
                          << form.ui.FileOpenMenu->isEnabled();
        },
        Qt::QueuedConnection);
    StartBatch("1000", "2", "4");
    EXPECT_EQ(enabledInside, (QList<bool>{false, false, false}));
    EXPECT_TRUE(form.ui.FileStartMenu->isEnabled());
    EXPECT_TRUE(form.ui.FileOpenMenu->isEnabled());
    ASSERT_TRUE(seam.errors.isEmpty()) << seam.errors.join('\n').toStdString();
    ASSERT_TRUE(seam.exceptions.isEmpty()) << seam.exceptions.join('\n').toStdString();
    EXPECT_EQ(seam.saveCount, 1);
    EXPECT_EQ(Files(), (QStringList{"run4_1000_1.sim", "run4_1000_2.sim"}));
    EXPECT_EQ(BatchFileName(Path("run.sim"), 4, 1000, 2), Path("run4_1000_2.sim"));

    // The second file holds the records that the window keeps after the batch.
    PlayRecords read;
    const SimFileReadResult result = ReadSimFile(Path("run4_1000_2.sim"), read);
    ASSERT_EQ(result.status, SimFileStatus::Ok);
    EXPECT_EQ(result.header.magic, 6);
    EXPECT_EQ(result.header.setting, 4);
    EXPECT_EQ(result.header.playCount, 1000);
    EXPECT_EQ(read.medals, form.playRecords.medals);
    EXPECT_EQ(read.roleCode, form.playRecords.roleCode);
    EXPECT_EQ(read.ceilingHit, form.playRecords.ceilingHit);
    // Both files are whole runs of 1000 plays, and different ones.
    PlayRecords first;
    ASSERT_EQ(ReadSimFile(Path("run4_1000_1.sim"), first).status, SimFileStatus::Ok);
    EXPECT_EQ(first.playNumber.back(), 1000);
    EXPECT_NE(first.medals, read.medals);

    // The display is that of the single run before.
    EXPECT_EQ(form.resultListModel->rowCount(), rows);
    EXPECT_EQ(form.ui.BListView->topLevelItemCount(), bonusRows);
    EXPECT_EQ(form.ui.ResultLabel->text(), summary);
    EXPECT_EQ(form.ResultListViewData(0).join('|'), firstRow);

    EXPECT_EQ(form.StatusText(0), QStringLiteral("シミュレーション完了"));
    EXPECT_TRUE(form.ui.StartButton->isEnabled());
    EXPECT_FALSE(form.CommandRunning());
}

TEST_F(MainFormBatch, RandomSettingDrawsPerRunAndNamesEachFileByIt)
{
    seam.saveAnswers.push_back(Path("q.sim"));
    Random31::Seed(11);
    StartBatch("50", "3", "?");
    const QStringList files = Files();
    ASSERT_EQ(files.size(), 3);
    for (int i = 0; i < 3; ++i) {
        PlayRecords r;
        const SimFileReadResult result = ReadSimFile(dir.filePath(files[i]), r);
        ASSERT_EQ(result.status, SimFileStatus::Ok);
        EXPECT_EQ(files[i], QStringLiteral("q%1_50_%2.sim").arg(result.header.setting).arg(i + 1))
            << files[i].toStdString();
    }
    EXPECT_EQ(form.ui.Label3->text(), QStringLiteral("終了時に設定が確認できます"));
}

TEST_F(MainFormBatch, ProgressRunsFromFiftyAndShowsPastTheEndAsFull)
{
    seam.saveAnswers.push_back(Path("p.sim"));
    QList<int> positions;
    QObject::connect(form.ui.ProgressBar1, &QProgressBar::valueChanged,
                     [&](int v) { positions << v; });
    StartBatch("20", "4", "1");
    // (i + 1) / N × 100 for i = 1 .. 4: 50, 75, 100, then 125 shown as 100.
    EXPECT_EQ(positions, (QList<int>{50, 75, 100}));
    EXPECT_EQ(form.ui.ProgressBar1->value(), 100);
    EXPECT_EQ(Files().size(), 4);
}

TEST(MainFormProgress, PositionsOutsideTheRangeAreClamped)
{
    TMainForm form;
    form.SetProgress(57);
    EXPECT_EQ(form.ui.ProgressBar1->value(), 57);
    form.SetProgress(125);
    EXPECT_EQ(form.ui.ProgressBar1->value(), 100);
    form.SetProgress(2147483647);
    EXPECT_EQ(form.ui.ProgressBar1->value(), 100);
    form.SetProgress(-3);
    EXPECT_EQ(form.ui.ProgressBar1->value(), 0);
}

TEST_F(MainFormBatch, AFileThatCannotBeCreatedEndsTheBatchWithTheErrorStatus)
{
    // A folder that does not exist: the first file fails, no second run is written.
    seam.saveAnswers.push_back(Path("missing/run.sim"));
    StartBatch("30", "3", "2");
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(form.StatusText(0), QStringLiteral("エラーにより強制終了しました。"));
    // The message names the file and the system's reason.
    EXPECT_EQ(seam.errors, QStringList{QStringLiteral("シミュレーションファイルを保存できませんでした。\n")
                                       + Path("missing/run2_30_1.sim") + QLatin1Char('\n')
                                       + QString::fromLocal8Bit(std::strerror(ENOENT))});
    EXPECT_TRUE(form.ui.StartButton->isEnabled());
    EXPECT_FALSE(form.CommandRunning());
    // Only one run was played: the records are a run of 30 plays.
    EXPECT_EQ(form.playRecords.playNumber.back(), 30);
}

TEST_F(MainFormBatch, FoldersWithDotsAndNamesWithoutOne)
{
    // A folder with a dot, as under ~/.local or /home/j.smith: the tag goes into the name.
    ASSERT_TRUE(QDir(dir.path()).mkpath("j.smith/.local"));
    const QString folder = Path("j.smith/.local");
    seam.saveAnswers.push_back(folder + "/run.sim");
    StartBatch("30", "2", "2");
    EXPECT_EQ(form.StatusText(0), QStringLiteral("シミュレーション完了"));
    EXPECT_TRUE(seam.errors.isEmpty()) << seam.errors.join('\n').toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              (QStringList{"run2_30_1.sim", "run2_30_2.sim"}));

    // A name typed without ".sim" gets the tag at its end, in the chosen folder.
    seam.saveAnswers.push_back(folder + "/plain");
    StartBatch("30", "2", "2");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              (QStringList{"plain2_30_1", "plain2_30_2", "run2_30_1.sim", "run2_30_2.sim"}));
    PlayRecords read;
    EXPECT_EQ(ReadSimFile(folder + "/plain2_30_2", read).status, SimFileStatus::Ok);
    EXPECT_EQ(read.playNumber.back(), 30);
}

TEST_F(MainFormBatch, ABatchThatCannotFitInTheFreeSpaceIsRefusedBeforeItStarts)
{
    // 1000 plays: at most 2 × 1000 + 64 × 109 = 8976 records a run, 12 + 8976 × 44 = 394956
    // bytes a file, 1184868 bytes for three.
    QStringList asked;
    qint64 free = 1184867;
    form.FreeSpace = [&](const QString& folder) {
        asked << folder;
        return free;
    };
    Random31::Seed(4);
    StartBatch("200", "1", "1");
    const PlayRecords before = form.playRecords;

    seam.saveAnswers.push_back(Path("full.sim"));
    StartBatch("1000", "3", "1");
    EXPECT_EQ(asked, QStringList{dir.path()});
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(form.playRecords.medals, before.medals); // no run was played
    ASSERT_EQ(seam.errors.size(), 1);
    EXPECT_EQ(seam.errors[0],
              QStringLiteral("保存先の空き容量が足りないため、シミュレーションを開始しませんでした。\n"
                             "必要な容量（最大）：2 MB\n空き容量：2 MB\n"
                             "Play数かSim回数を減らすか、別の保存先を選んでください。"));
    EXPECT_EQ(form.StatusText(0),
              QStringLiteral("保存先の空き容量が足りないため、シミュレーションを開始しませんでした。"));
    EXPECT_TRUE(form.ui.StartButton->isEnabled());

    // One byte more and it runs.
    free = 1184868;
    seam.errors.clear();
    seam.saveAnswers.push_back(Path("full.sim"));
    StartBatch("1000", "3", "1");
    EXPECT_TRUE(seam.errors.isEmpty());
    EXPECT_EQ(Files().size(), 3);

    // The mistyped run count that once filled a disk: refused at once, whatever is free.
    free = qint64(1) << 40; // a terabyte
    seam.saveAnswers.push_back(Path("huge.sim"));
    StartBatch("1000", "2147483647", "1");
    ASSERT_EQ(seam.errors.size(), 1);
    EXPECT_TRUE(seam.errors[0].startsWith(QStringLiteral("保存先の空き容量が足りない")));
    EXPECT_EQ(Files().size(), 3);
}

TEST(BatchSpace, RecordsOfARunHaveAnUpperBound)
{
    // The longest bonus: 29 general games, a JAC of 8, 28 and 8, 28 and 8.
    EXPECT_EQ(LongestBonusGames, 109);
    EXPECT_EQ(MaxRecordsPerRun(0), 0);
    EXPECT_EQ(MaxRecordsPerRun(1), 110);
    EXPECT_EQ(MaxRecordsPerRun(64), 7040);
    EXPECT_EQ(MaxRecordsPerRun(65), 7106);
    EXPECT_EQ(MaxRecordsPerRun(1000000), 2006976);
    EXPECT_EQ(BatchBytesNeeded(1, 2), 2 * (12 + 110 * 44));
    EXPECT_EQ(BatchBytesNeeded(2147483647, 2147483647), INT64_MAX);

    // Real runs stay under the bound: many short ones, where bonus chains weigh most, and
    // a few long ones at the setting with the most bonuses.
    Slot slot;
    slot.SetSetting(6);
    Random31::Seed(2024);
    PlayRecords records;
    size_t most = 0;
    for (int i = 0; i < 3000; ++i) {
        PlayRun(slot, records, 20);
        most = std::max(most, records.size());
    }
    EXPECT_LE(static_cast<int64_t>(most), MaxRecordsPerRun(20));
    for (int i = 0; i < 3; ++i) {
        PlayRun(slot, records, 200000);
        EXPECT_LE(static_cast<int64_t>(records.size()), MaxRecordsPerRun(200000));
    }
}

TEST_F(MainFormBatch, ACancelledDialogRunsNothingAndWritesNothing)
{
    // An existing file under the dialog's previous name must survive a cancel.
    seam.saveAnswers.push_back(Path("keep.sim"));
    StartBatch("10", "2", "1");
    ASSERT_EQ(Files().size(), 2);
    QFile existing(Path("keep1_10_1.sim"));
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    const QByteArray before = existing.readAll();
    existing.close();
    const PlayRecords recordsBefore = form.playRecords;

    seam.saveAnswers.push_back(std::nullopt);
    StartBatch("10", "2", "1");
    EXPECT_EQ(seam.saveCount, 2);
    EXPECT_EQ(Files().size(), 2);
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), before);
    EXPECT_EQ(form.playRecords.medals, recordsBefore.medals); // no run was played
    EXPECT_EQ(form.StatusText(0),
              QStringLiteral("保存先が選ばれなかったため、シミュレーションを開始しませんでした。"));
    EXPECT_TRUE(form.ui.StartButton->isEnabled());
    EXPECT_TRUE(seam.errors.isEmpty());
}
