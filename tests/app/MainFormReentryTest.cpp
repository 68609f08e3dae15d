// Commands chosen while another command runs (the window processes its messages during runs
// and displays), and what a failed command leaves behind.
#include <QtWidgets>
#include <gtest/gtest.h>

#include "app/ResultListViewData.h"
#include "app/SimFile.h"
#include "app/Unit1.h"
#include "MainFormTestSeam.h"

namespace {

// Runs `action` at the next message-processing point of the window.
template <class F>
void AtNextMessages(QObject* context, F action)
{
    QMetaObject::invokeMethod(context, action, Qt::QueuedConnection);
}

} // namespace

TEST(MainFormReentry, AStartOrReadInsideARunIsRefused)
{
    RecordingSeam seam;
    TMainForm form;
    QTemporaryDir dir;
    {
        PlayRecords other;
        other.AppendRow({1, -3, 1, 0, 0, 0, 13, 0, 0, 0, 0});
        ASSERT_TRUE(WriteSimFile(dir.filePath("other.sim"), SimFileHeader{6, 2, 1}, other));
    }
    seam.openAnswers.push_back(dir.filePath("other.sim"));

    bool sawRunning = false;
    bool startEnabledInside = true;
    bool menuEnabledInside = true;
    bool openEnabledInside = true;
    // The first point is the run's, before it plays; the next ones are the display's.
    AtNextMessages(&form, [&] {
        sawRunning = form.CommandRunning();
        startEnabledInside = form.ui.StartButton->isEnabled();
        menuEnabledInside = form.ui.FileStartMenu->isEnabled();
        openEnabledInside = form.ui.FileOpenMenu->isEnabled();
        form.ui.PlayNumEdit->setText("7"); // would show up if a second run started
        form.ui.FileStartMenu->trigger();
        form.ui.StartButton->click();
        AtNextMessages(&form, [&] {
            form.ui.FileOpenMenu->trigger();
            form.ui.FileStartMenu->trigger();
            // Reached without the disabled items, the handlers still refuse.
            form.FileOpenMenuClick();
            form.FileStartMenuClick();
            form.ui.FlevelButton->click(); // harmless commands still work
        });
    });
    Random31::Seed(5);
    form.ui.PlayNumEdit->setText("5000");
    form.ui.FileStartMenu->trigger();

    EXPECT_TRUE(sawRunning);
    EXPECT_FALSE(startEnabledInside);
    // The commands that the run refuses are shown disabled while it runs.
    EXPECT_FALSE(menuEnabledInside);
    EXPECT_FALSE(openEnabledInside);
    EXPECT_EQ(seam.openCount, 0); // the read was refused before its dialog
    EXPECT_TRUE(seam.errors.isEmpty());
    EXPECT_TRUE(seam.exceptions.isEmpty());
    // The records and the display are those of the one run of 5000 plays.
    ASSERT_FALSE(form.playRecords.empty());
    EXPECT_EQ(form.playRecords.playNumber.back(), 5000);
    EXPECT_EQ(form.resultListModel->rowCount(), static_cast<int>(form.playRecords.size()));
    EXPECT_EQ(form.StatusText(0), QStringLiteral("シミュレーション完了"));
    EXPECT_TRUE(form.ui.StartButton->isEnabled());
    EXPECT_TRUE(form.ui.FileStartMenu->isEnabled());
    EXPECT_TRUE(form.ui.FileOpenMenu->isEnabled());
    EXPECT_FALSE(form.CommandRunning());
    EXPECT_EQ(form.ui.FlevelComboBox->currentText(), QStringLiteral("1"));

    // Once the command has ended, the same commands work again.
    seam.openAnswers.clear();
    seam.openAnswers.push_back(dir.filePath("other.sim"));
    form.ui.FileOpenMenu->trigger();
    EXPECT_EQ(seam.openCount, 1);
    EXPECT_EQ(form.playRecords.size(), 1u);
}

TEST(MainFormReentry, AStartInsideAFileReadIsRefused)
{
    RecordingSeam seam;
    TMainForm form;
    QTemporaryDir dir;
    Slot slot;
    PlayRecords records;
    PlayRun(slot, records, 3000);
    ASSERT_TRUE(WriteSimFile(dir.filePath("r.sim"), SimFileHeader{6, 1, 3000}, records));
    seam.openAnswers.push_back(dir.filePath("r.sim"));

    AtNextMessages(&form, [&] {
        form.ui.PlayNumEdit->setText("9");
        form.ui.StartButton->click();
    });
    form.ui.FileOpenMenu->trigger();
    EXPECT_EQ(form.playRecords.medals, records.medals);
    EXPECT_EQ(form.resultListModel->rowCount(), static_cast<int>(records.size()));
    EXPECT_EQ(form.StatusText(0), QStringLiteral("シミュレーションファイルの読み込み完了"));
}

TEST(MainFormReentry, ClosingTheWindowDuringARunEndsTheCommand)
{
    RecordingSeam seam;
    TMainForm form;
    form.show();
    // The window closes at the run's message point; the display stops at its own next point,
    // where the queued reading sees how many rows it had shown.
    int rowsAtClose = -1;
    AtNextMessages(&form, [&] {
        form.ui.FileExitMenu->trigger();
        AtNextMessages(&form, [&] { rowsAtClose = form.resultListModel->rowCount(); });
    });
    Random31::Seed(3);
    form.ui.PlayNumEdit->setText("3000");
    form.ui.FileStartMenu->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.CommandRunning());
    // The run itself is whole; the display keeps the rows it had at the close and adds none.
    ASSERT_FALSE(form.playRecords.empty());
    EXPECT_EQ(form.playRecords.playNumber.back(), 3000);
    ASSERT_GT(rowsAtClose, 0);
    EXPECT_EQ(form.resultListModel->rowCount(), rowsAtClose);
    // The rows shown are the first records', and the bonus list holds every bonus opened in
    // them: what was built before the close was flushed to the lists.
    const PlayRecords& r = form.playRecords;
    int bonusOpenings = 0;
    for (size_t i = 0; i < size_t(rowsAtClose); ++i) {
        bonusOpenings += r.bonusGameCount[i] == 0 && (r.roleCode[i] == 8 || r.roleCode[i] == 9);
        ASSERT_EQ(form.ResultListViewData(int(i))[4], QString::number(r.medals[i])) << "row " << i;
    }
    EXPECT_EQ(form.ui.BListView->topLevelItemCount(), bonusOpenings);
}

TEST(MainFormReentry, AnExceptionInsideACommandLeavesTheWindowUsable)
{
    RecordingSeam seam;
    TMainForm form;
    // A setting turned bad behind the checks, while the command processes its messages.
    AtNextMessages(&form, [&] { form.ui.FlevelComboBox->setEditText("x"); });
    seam.saveAnswers.push_back(QDir::temp().filePath("pelvaro-never-written.sim"));
    form.ui.PlayNumEdit->setText("10");
    form.ui.SimNumEdit->setText("3");
    form.ui.FileStartMenu->trigger();
    EXPECT_EQ(seam.exceptions, QStringList{QStringLiteral("'x' is not a valid integer value")});
    EXPECT_TRUE(form.ui.StartButton->isEnabled());
    EXPECT_FALSE(form.CommandRunning());
    EXPECT_TRUE(form.StatusText(0).isEmpty());

    form.ui.FlevelComboBox->setEditText("1");
    form.ui.SimNumEdit->setText("1");
    form.ui.StartButton->click();
    EXPECT_EQ(form.StatusText(0), QStringLiteral("シミュレーション完了"));
    QFile::remove(QDir::temp().filePath("pelvaro-never-written.sim"));
}
