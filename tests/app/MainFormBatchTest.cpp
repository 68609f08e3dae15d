// Batches: one file per run, named by the batch naming, the views left alone; the progress
// bar; failures and a cancelled dialog.
#include <QtWidgets>
#include <gtest/gtest.h>

#include "app/BatchNaming.h"
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
    StartBatch("1000", "2", "4");
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
    ASSERT_EQ(seam.errors.size(), 1);
    EXPECT_TRUE(seam.errors[0].endsWith(Path("missing/run2_30_1.sim"))) << seam.errors[0].toStdString();
    EXPECT_TRUE(form.ui.StartButton->isEnabled());
    EXPECT_FALSE(form.CommandRunning());
    // Only one run was played: the records are a run of 30 plays.
    EXPECT_EQ(form.playRecords.playNumber.back(), 30);
}

TEST_F(MainFormBatch, APathWithoutADotGetsTheTagInFrontAndFails)
{
    // The tag goes in front of the whole path ("2_30_1/…"), which names no folder.
    const QString chosen = Path("run");
    seam.saveAnswers.push_back(chosen);
    StartBatch("30", "2", "2");
    EXPECT_EQ(form.StatusText(0), QStringLiteral("エラーにより強制終了しました。"));
    EXPECT_TRUE(Files().isEmpty());
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
