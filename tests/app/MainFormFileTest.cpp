// Reading simulation files into the window, and the save command.
#include <QtWidgets>
#include <gtest/gtest.h>

#include "app/ResultListViewData.h"
#include "app/RunInputs.h"
#include "app/SimFile.h"
#include "app/Unit1.h"
#include "chart/core/ChartSeries.h"
#include "FailingDevice.h"
#include "MainFormTestSeam.h"

#include <sys/stat.h>

namespace {

class MainFormFile : public ::testing::Test {
protected:
    RecordingSeam seam;
    TMainForm form;
    QTemporaryDir dir;

    QString Path(const QString& name) const { return dir.filePath(name); }

    // A run of the machine written to a file, as the batch writes it.
    PlayRecords WriteRun(const QString& name, int32_t setting, int32_t plays, uint32_t seed)
    {
        Slot slot;
        slot.SetSetting(setting);
        Random31::Seed(seed);
        PlayRecords records;
        PlayRun(slot, records, plays);
        SimFileHeader header;
        header.setting = setting;
        header.playCount = plays;
        EXPECT_TRUE(WriteSimFile(Path(name), header, records));
        return records;
    }

    void WriteBytes(const QString& name, const QByteArray& bytes)
    {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static QByteArray Ints(std::initializer_list<int32_t> values)
    {
        QByteArray bytes;
        for (int32_t v : values)
            for (int b = 0; b < 4; ++b)
                bytes.append(static_cast<char>((static_cast<uint32_t>(v) >> (8 * b)) & 0xFF));
        return bytes;
    }

    void Open(const std::optional<QString>& answer)
    {
        seam.openAnswers.push_back(answer);
        form.ui.FileOpenMenu->trigger();
    }
};

} // namespace

TEST_F(MainFormFile, ARunReadBackShowsItsSettingAndPlayCount)
{
    const PlayRecords written = WriteRun("run3_1000_1.sim", 3, 1000, 606);
    Open(Path("run3_1000_1.sim"));
    ASSERT_TRUE(seam.errors.isEmpty());
    EXPECT_EQ(seam.lastFilter, QStringLiteral("Pelvaroファイル|*.sim"));
    EXPECT_EQ(form.ui.FlevelComboBox->currentText(), QStringLiteral("3"));
    EXPECT_EQ(form.ui.PlayNumEdit->text(), QStringLiteral("1000"));
    EXPECT_EQ(form.playRecords.medals, written.medals);
    EXPECT_EQ(form.playRecords.bonusGameCount, written.bonusGameCount);
    EXPECT_EQ(form.resultListModel->rowCount(), static_cast<int>(written.size()));
    EXPECT_EQ(form.ResultListViewData(static_cast<int>(written.size()) - 1)[4],
              QString::number(written.medals.back()));
    EXPECT_EQ(form.ui.KoyakuListView->topLevelItemCount(), 8);
    EXPECT_TRUE(form.ui.ResultLabel->text().startsWith(QStringLiteral("BIG回数:")));
    EXPECT_EQ(form.StatusText(0), QStringLiteral("シミュレーションファイルの読み込み完了"));
    EXPECT_TRUE(form.ui.StartButton->isEnabled());
    EXPECT_FALSE(form.CommandRunning());

    // Reading leaves the machine alone: "設定確認" shows the machine's setting, not the file's.
    form.ui.FlevelButton->click();
    EXPECT_EQ(form.ui.FlevelComboBox->currentText(), QStringLiteral("1"));
}

TEST_F(MainFormFile, AFileThatIsNotASimulationFileIsRefusedAndTheViewsStay)
{
    const PlayRecords good = WriteRun("good.sim", 2, 200, 1);
    Open(Path("good.sim"));
    const int rows = form.resultListModel->rowCount();
    const QString summary = form.ui.ResultLabel->text();
    ASSERT_EQ(rows, static_cast<int>(good.size()));

    for (const QByteArray& bytes : {Ints({7, 1, 1}), QByteArray("ab"), QByteArray()}) {
        seam.errors.clear();
        WriteBytes("bad.sim", bytes);
        Open(Path("bad.sim"));
        EXPECT_EQ(seam.errors, QStringList{QStringLiteral("このファイルは、Pelvaroファイルではありません。")});
        EXPECT_EQ(form.StatusText(0), QStringLiteral("シミュレーションファイルの読み込み中断"));
        EXPECT_TRUE(form.playRecords.empty());
        EXPECT_EQ(form.resultListModel->rowCount(), rows);
        EXPECT_EQ(form.ui.ResultLabel->text(), summary);
        EXPECT_EQ(form.ui.PlayNumEdit->text(), QStringLiteral("200"));
        EXPECT_TRUE(form.ui.StartButton->isEnabled());
    }
}

TEST_F(MainFormFile, AHeaderAloneIsAnEmptyRunAndATornRecordIsDropped)
{
    WriteRun("before.sim", 2, 300, 8);
    Open(Path("before.sim"));
    ASSERT_EQ(form.charts.BottomMaximum(), 300);
    WriteBytes("empty.sim", Ints({6, 5, 0}));
    Open(Path("empty.sim"));
    EXPECT_TRUE(seam.errors.isEmpty());
    EXPECT_TRUE(form.playRecords.empty());
    EXPECT_EQ(form.resultListModel->rowCount(), 0);
    EXPECT_EQ(form.ui.BListView->topLevelItemCount(), 0);
    EXPECT_EQ(form.ui.KoyakuListView->topLevelItemCount(), 8);
    EXPECT_EQ(form.ui.KoyakuListView->topLevelItem(0)->text(2), QStringLiteral("0"));
    EXPECT_EQ(form.ui.FlevelComboBox->currentText(), QStringLiteral("5"));
    EXPECT_EQ(form.StatusText(0), QStringLiteral("シミュレーションファイルの読み込み完了"));
    // No records: the slump chart spans 0 to 24 as before any display, not the last run.
    EXPECT_EQ(form.charts.BottomMinimum(), 0);
    EXPECT_EQ(form.charts.BottomMaximum(), 24);

    QByteArray five = Ints({6, 1, 5});
    for (int k = 1; k <= 5; ++k)
        five += Ints({k, -3 * k, k, 0, 0, 0, 13, 0, 0, 0, 0});
    five += QByteArray(20, '\x01');
    WriteBytes("five.sim", five);
    Open(Path("five.sim"));
    EXPECT_EQ(form.playRecords.size(), 5u);
    EXPECT_EQ(form.resultListModel->rowCount(), 5);
    EXPECT_EQ(form.ResultListViewData(4), (QStringList{"5", "5", "純ハズレ", "通常", "-15", "", ""}));
}

TEST_F(MainFormFile, ACancelledOrUnreadableChoiceChangesNothing)
{
    WriteRun("prev.sim", 4, 100, 2);
    Open(Path("prev.sim"));
    const int rows = form.resultListModel->rowCount();
    form.SetStatusText(0, QStringLiteral("前の状態"));

    // A cancel reads nothing, not even the file chosen the time before.
    Open(std::nullopt);
    EXPECT_EQ(seam.openCount, 2);
    EXPECT_EQ(form.StatusText(0), QStringLiteral("前の状態"));
    EXPECT_EQ(form.playRecords.playNumber.back(), 100);

    // A file that cannot be opened: no message, nothing changes.
    Open(Path("nowhere.sim"));
    EXPECT_TRUE(seam.errors.isEmpty());
    EXPECT_EQ(form.StatusText(0), QStringLiteral("前の状態"));
    EXPECT_EQ(form.playRecords.playNumber.back(), 100);
    EXPECT_EQ(form.resultListModel->rowCount(), rows);
    EXPECT_TRUE(form.ui.StartButton->isEnabled());
    EXPECT_FALSE(form.CommandRunning());
}

TEST_F(MainFormFile, AFileTooLargeToHoldIsRefusedBeforeReading)
{
    // A sparse file: its size says more records than the machine could hold.
    QFile huge(Path("huge.sim"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(Ints({6, 1, 1}));
    if (!huge.resize(12 + 44 * (qint64(MaxPlayCount()) + 1)))
        GTEST_SKIP() << "no sparse files here";
    huge.close();
    form.SetStatusText(0, QStringLiteral("前の状態"));
    Open(Path("huge.sim"));
    EXPECT_EQ(seam.errors, QStringList{QStringLiteral("このファイルは大きすぎるため、読み込めません。")});
    EXPECT_EQ(form.StatusText(0), QStringLiteral("前の状態"));
    EXPECT_TRUE(form.ui.StartButton->isEnabled());
    EXPECT_FALSE(form.CommandRunning());
}

TEST_F(MainFormFile, TheSaveCommandWritesTheMachinesHeaderAndTheRecords)
{
    Random31::Seed(31);
    form.ui.PlayNumEdit->setText("400");
    form.ui.FlevelComboBox->setEditText("5");
    form.ui.StartButton->click();

    seam.saveAnswers.push_back(Path("saved.sim"));
    form.FileSaveMenuClick();
    EXPECT_EQ(form.StatusText(0), QStringLiteral("シミュレーションファイルに保存完了"));
    PlayRecords read;
    const SimFileReadResult result = ReadSimFile(Path("saved.sim"), read);
    ASSERT_EQ(result.status, SimFileStatus::Ok);
    EXPECT_EQ(result.header.setting, 5);
    EXPECT_EQ(result.header.playCount, 400);
    EXPECT_EQ(read.medals, form.playRecords.medals);
    EXPECT_EQ(QFileInfo(Path("saved.sim")).size(), qint64(12 + 44 * form.playRecords.size()));

    // A cancel writes nothing under the previous name.
    QFile::remove(Path("saved.sim"));
    seam.saveAnswers.push_back(std::nullopt);
    form.FileSaveMenuClick();
    EXPECT_FALSE(QFileInfo::exists(Path("saved.sim")));

    // A file that cannot be created says so in the status bar.
    seam.saveAnswers.push_back(Path("no/such/folder.sim"));
    form.FileSaveMenuClick();
    EXPECT_EQ(form.StatusText(0), QStringLiteral("シミュレーションファイルを保存できませんでした。"));
}

TEST_F(MainFormFile, AReadThatFailsPartWayShowsWhatWasReadAndSaysSo)
{
    WriteRun("run.sim", 4, 300, 8);
    QFile file(Path("run.sim"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    PlayRecords whole;
    ASSERT_EQ(ReadSimFile(Path("run.sim"), whole).status, SimFileStatus::Ok);

    // The disk fails 5 bytes into record 100, and the commands are disabled while it reads.
    bool commandsEnabledInside = true;
    form.ReadSimFileAt = [&](const QString&, PlayRecords& records) {
        commandsEnabledInside = form.ui.StartButton->isEnabled()
            || form.ui.FileStartMenu->isEnabled() || form.ui.FileOpenMenu->isEnabled();
        FailingDevice device(bytes, 12 + 44 * 100 + 5);
        return ReadSimFile(device, records);
    };
    Open(Path("run.sim"));
    EXPECT_FALSE(commandsEnabledInside);
    ASSERT_EQ(seam.errors.size(), 1);
    EXPECT_TRUE(seam.errors[0].startsWith(QStringLiteral(
        "シミュレーションファイルを最後まで読み込めませんでした。読み込めた100件だけを表示します。\n")))
        << seam.errors[0].toStdString();
    EXPECT_TRUE(seam.errors[0].endsWith(QStringLiteral("Input/output error")));
    EXPECT_EQ(form.StatusText(0),
              QStringLiteral("シミュレーションファイルの読み込み失敗（読み込めた分のみ表示）"));
    ASSERT_EQ(form.playRecords.size(), 100u);
    EXPECT_EQ(form.playRecords.medals.back(), whole.medals[99]);
    EXPECT_EQ(form.resultListModel->rowCount(), 100);
    EXPECT_EQ(form.ui.FlevelComboBox->currentText(), QStringLiteral("4"));
    EXPECT_TRUE(form.ui.StartButton->isEnabled());
    EXPECT_TRUE(form.ui.FileStartMenu->isEnabled());
    EXPECT_TRUE(form.ui.FileOpenMenu->isEnabled());

    // A failure inside the header: the display of before stays, the status says it failed.
    seam.errors.clear();
    const QString summary = form.ui.ResultLabel->text();
    form.ReadSimFileAt = [&](const QString&, PlayRecords& records) {
        FailingDevice device(bytes, 6);
        return ReadSimFile(device, records);
    };
    Open(Path("run.sim"));
    ASSERT_EQ(seam.errors.size(), 1);
    EXPECT_TRUE(seam.errors[0].startsWith(
        QStringLiteral("シミュレーションファイルを読み込めませんでした。\n") + Path("run.sim")));
    EXPECT_EQ(form.StatusText(0), QStringLiteral("シミュレーションファイルの読み込み失敗"));
    EXPECT_EQ(form.resultListModel->rowCount(), 100);
    EXPECT_EQ(form.ui.ResultLabel->text(), summary);
}

TEST_F(MainFormFile, ANamedPipeOrADeviceIsRefusedAsNotARegularFile)
{
    WriteRun("good.sim", 2, 50, 4);
    Open(Path("good.sim"));
    const size_t rows = form.playRecords.size();
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.sim")).constData(), 0600), 0);
    for (const QString& path : {Path("pipe.sim"), QStringLiteral("/dev/zero")}) {
        seam.errors.clear();
        Open(path);
        EXPECT_EQ(seam.errors,
                  QStringList{QStringLiteral("このファイルは、通常のファイルではないため読み込めません。")});
        EXPECT_EQ(form.StatusText(0), QStringLiteral("シミュレーションファイルの読み込み中断"));
        EXPECT_EQ(form.playRecords.size(), rows);
        EXPECT_TRUE(form.ui.StartButton->isEnabled());
    }
}

TEST_F(MainFormFile, ASmallRunAfterALargeOneGivesTheMemoryBack)
{
    Random31::Seed(12);
    form.ui.PlayNumEdit->setText("30000");
    form.ui.StartButton->click();
    ASSERT_GE(form.playRecords.medals.capacity(), 30000u);
    // The play-by-play rows are read from the records, not copied.
    EXPECT_EQ(form.resultRowLists.Capacity(), 0u);
    ASSERT_GE(form.charts.Get(ResultCharts::SlumpSeries)->XValues()->Capacity(), 30000);

    form.ui.PlayNumEdit->setText("100");
    form.ui.StartButton->click();
    ASSERT_EQ(form.playRecords.playNumber.back(), 100);
    for (int c = 0; c < PlayRecords::ColumnCount; ++c)
        EXPECT_LT(form.playRecords.column(c).capacity(), 5000u) << "column " << c;
    EXPECT_EQ(form.resultRowLists.Capacity(), 0u);
    // The charts give back the room of the larger run too.
    for (int s = 0; s < ResultCharts::SeriesCount; ++s) {
        const TChartSeries* series = form.charts.Get(static_cast<ResultCharts::Series>(s));
        for (const TChartValueList* list : {series->XValues(), series->YValues()})
            EXPECT_LT(list->Capacity(), 5000) << s;
    }

    // A file read after a large run gives it back as well.
    form.ui.PlayNumEdit->setText("30000");
    form.ui.StartButton->click();
    WriteRun("small.sim", 1, 100, 3);
    Open(Path("small.sim"));
    ASSERT_EQ(form.playRecords.playNumber.back(), 100);
    EXPECT_LT(form.playRecords.medals.capacity(), 5000u);
    EXPECT_LT(form.resultRowLists.Capacity(), 5000u);

    // A run of the same size keeps its room: no shrinking back and forth.
    form.ui.PlayNumEdit->setText("30000");
    form.ui.StartButton->click();
    const size_t room = form.playRecords.medals.capacity();
    form.ui.PlayNumEdit->setText("20000");
    form.ui.StartButton->click();
    EXPECT_EQ(form.playRecords.medals.capacity(), room);
}
