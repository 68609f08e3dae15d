// The start command's checks of the play count, run count and setting, with their messages.
#include <QtWidgets>
#include <gtest/gtest.h>

#include <cstdio>
#include <sys/resource.h>
#include <tuple>
#include <unistd.h>

#include "app/ResultListViewData.h"
#include "app/ExceptionDisplay.h"
#include "app/RunInputs.h"
#include "app/Unit1.h"
#include "MainFormTestSeam.h"
#include "platform/Exceptions.h"

namespace {

class MainFormInput : public ::testing::Test {
protected:
    RecordingSeam seam;
    TMainForm form;

    void Start(const QString& plays, const QString& runs, const QString& setting = "1")
    {
        form.ui.PlayNumEdit->setText(plays);
        form.ui.SimNumEdit->setText(runs);
        form.ui.FlevelComboBox->setEditText(setting);
        form.SetStatusText(0, QStringLiteral("前の表示"));
        form.ui.FileStartMenu->trigger();
    }

    // A refused start: one message, status emptied, nothing run, the window usable.
    void ExpectRefused(const QString& message)
    {
        EXPECT_EQ(seam.errors, QStringList{message});
        EXPECT_TRUE(seam.exceptions.isEmpty());
        EXPECT_TRUE(form.StatusText(0).isEmpty());
        EXPECT_TRUE(form.playRecords.empty());
        EXPECT_TRUE(form.ui.StartButton->isEnabled());
        EXPECT_FALSE(form.CommandRunning());
        EXPECT_EQ(seam.saveCount, 0);
    }
};

} // namespace

TEST_F(MainFormInput, PlayCountBelowOneIsRefusedBeforeTheRunCount)
{
    Start("0", "0");
    ExpectRefused(QStringLiteral("Play数は、1以上にしてください。"));
    seam.errors.clear();
    Start("-5", "1");
    ExpectRefused(QStringLiteral("Play数は、1以上にしてください。"));
}

TEST_F(MainFormInput, RunCountBelowOneIsRefused)
{
    Start("10", "0");
    ExpectRefused(QStringLiteral("Sim回数は、1以上にしてください。"));
    seam.errors.clear();
    Start("10", "-1");
    ExpectRefused(QStringLiteral("Sim回数は、1以上にしてください。"));
}

TEST_F(MainFormInput, SettingOutsideOneToSixIsRefused)
{
    const QString message = QStringLiteral("設定は、1～6の数字か「?」にしてください。");
    for (const char* setting : {"0", "7", "-1", "abc", "", "??"}) {
        seam.errors.clear();
        Start("10", "1", QString::fromUtf8(setting));
        ExpectRefused(message);
    }
    // The edges themselves run.
    for (const char* setting : {"1", "6", "?"}) {
        seam.errors.clear();
        Start("10", "1", QString::fromUtf8(setting));
        EXPECT_TRUE(seam.errors.isEmpty()) << setting;
        EXPECT_EQ(form.playRecords.playNumber.back(), 10);
    }
}

TEST_F(MainFormInput, PlayCountTooLargeToHoldIsRefusedWithItsLimit)
{
    const int32_t max = MaxPlayCount();
    ASSERT_GT(max, 1000000); // a million plays always fit
    Start("2147483647", "1");
    if (max < 2147483647)
        ExpectRefused(QStringLiteral("Play数は、") + QString::number(max) + QStringLiteral("以下にしてください。"));
    else
        GTEST_SKIP() << "this machine could hold every play count";
}

TEST(MainFormInputLimits, MaxPlayCountUsesHalfOfTheSmallerOfMemoryAndAddressSpace)
{
    constexpr uint64_t unlimited = UnlimitedAddressSpace;
    constexpr uint64_t GiB = 1ULL << 30;
    // physical bytes, free address space, largest play count (half the smaller, 160 bytes a play)
    const std::tuple<uint64_t, uint64_t, int32_t> cases[] = {
        {0, unlimited, 0},
        {320 * 1000, unlimited, 1000},
        {320 * 1000 + 319, unlimited, 1000},
        {320 * 1000 + 320, unlimited, 1001},
        // Never more than a play count can say.
        {~0ULL, unlimited, 2147483647},
        // The address space decides when it is the smaller, and the other way round.
        {16 * GiB, 2 * GiB, 6710886},
        {2 * GiB, 16 * GiB, 6710886},
        {16 * GiB, 320 * 1000, 1000},
        {16 * GiB, 0, 0},
        {~0ULL, ~0ULL - 1, 2147483647},
    };
    for (const auto& [physical, addressSpace, plays] : cases)
        EXPECT_EQ(MaxPlayCountFor(physical, addressSpace), plays) << physical << " " << addressSpace;
    // A million-play run needs well under 400 MB by this measure.
    EXPECT_LT(BytesPerPlay * 1000000, 400u * 1000 * 1000);
}

// The process's address-space limit, lowered for a test and put back afterwards.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(uint64_t headroom)
    {
        getrlimit(RLIMIT_AS, &saved_);
        uint64_t pages = 0;
        if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
            unsigned long long p = 0;
            if (std::fscanf(statm, "%llu", &p) == 1)
                pages = p;
            std::fclose(statm);
        }
        rlimit lowered = saved_;
        lowered.rlim_cur = pages * static_cast<uint64_t>(sysconf(_SC_PAGESIZE)) + headroom;
        set_ = setrlimit(RLIMIT_AS, &lowered) == 0;
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &saved_); }
    bool Set() const { return set_; }

private:
    rlimit saved_{};
    bool set_ = false;
};

TEST_F(MainFormInput, APlayCountBeyondTheAddressSpaceLimitIsRefusedBeforeTheRun)
{
    {
        AddressSpaceLimit limit(2ULL << 30);
        ASSERT_TRUE(limit.Set());
        Start("7000000", "1");
    }
    // The limit is half of what may still be mapped (a little under 2 GiB), 160 bytes a play.
    ASSERT_EQ(seam.errors.size(), 1);
    const QString message = seam.errors[0];
    ASSERT_TRUE(message.startsWith(QStringLiteral("Play数は、"))) << qPrintable(message);
    ASSERT_TRUE(message.endsWith(QStringLiteral("以下にしてください。"))) << qPrintable(message);
    const int max = message.mid(7, message.size() - 7 - 10).toInt();
    EXPECT_LE(max, 6710886);
    EXPECT_GE(max, 6000000);
    ExpectRefused(message);
    // Without the limit the same count meets no such refusal.
    EXPECT_GT(MaxPlayCount(), 7000000);
}

TEST(MainFormCountText, ARefusalNamesTheBoxAndWhatItMustHold)
{
    const QString notWhole = QStringLiteral("は、半角数字の整数にしてください。");
    const QString belowOne = QStringLiteral("は、1以上にしてください。");
    // box, text, largest count, refusal after the box's name ("" when the count is taken)
    const std::tuple<const char*, const char*, int32_t, QString> cases[] = {
        {"Play数", "abc", 1000, notWhole},
        {"Play数", "", 1000, notWhole},
        {"Play数", "1.5", 1000, notWhole},
        {"Play数", "１０", 1000, notWhole},
        {"Play数", "10 ", 1000, notWhole},
        {"Play数", "-", 1000, notWhole},
        {"Play数", "0x", 1000, notWhole},
        {"Play数", "0", 1000, belowOne},
        {"Play数", "-3", 1000, belowOne},
        {"Play数", "-99999999999999999999", 1000, belowOne},
        {"Play数", "1", 1000, ""},
        {"Play数", " +1000", 1000, ""},
        {"Play数", "$3E8", 1000, ""},
        {"Play数", "1001", 1000, QStringLiteral("は、1000以下にしてください。")},
        {"Play数", "2147483648", 1000, QStringLiteral("は、1000以下にしてください。")},
        {"Play数", "99999999999999999999", 1000, QStringLiteral("は、1000以下にしてください。")},
        {"Play数", "0x7FFFFFFFFFFFFFFFFF", 1000, QStringLiteral("は、1000以下にしてください。")},
        {"Sim回数", "x", 2147483647, notWhole},
        {"Sim回数", "2147483647", 2147483647, ""},
        {"Sim回数", "2147483648", 2147483647, QStringLiteral("は、2147483647以下にしてください。")},
    };
    for (const auto& [box, text, max, refusal] : cases) {
        const QString name = QString::fromUtf8(box);
        const QString expected = refusal.isEmpty() ? QString() : name + refusal;
        EXPECT_EQ(CountRefusal(name, QString::fromUtf8(text), max), expected) << box << " '" << text << "'";
    }
}

TEST_F(MainFormInput, ACountThatIsNoWholeNumberIsRefusedInJapaneseAndTheDisplayStays)
{
    Start("10", "1"); // the display to keep
    ASSERT_TRUE(seam.errors.isEmpty());
    const int rows = form.resultListModel->rowCount();
    const size_t records = form.playRecords.size();
    ASSERT_GT(rows, 0);
    const QString plays = QStringLiteral("Play数は、半角数字の整数にしてください。");
    const QString runs = QStringLiteral("Sim回数は、半角数字の整数にしてください。");
    const QString tooMany =
        QStringLiteral("Play数は、") + QString::number(MaxPlayCount()) + QStringLiteral("以下にしてください。");
    // Play数, Sim回数, the one refusal shown
    const std::tuple<const char*, const char*, QString> cases[] = {
        {"abc", "1", plays},  {"", "1", plays},     {"1.5", "1", plays},
        {"１０", "1", plays}, {"99999999999", "1", tooMany},
        {"10", "abc", runs},  {"10", "", runs},     {"10", "1.5", runs},
        {"10", "１０", runs}, {"10", "99999999999", QStringLiteral("Sim回数は、2147483647以下にしてください。")},
    };
    for (const auto& [playText, runText, message] : cases) {
        seam.errors.clear();
        Start(QString::fromUtf8(playText), QString::fromUtf8(runText));
        EXPECT_EQ(seam.errors, QStringList{message}) << playText << " " << runText;
        EXPECT_TRUE(seam.exceptions.isEmpty());
        EXPECT_TRUE(form.StatusText(0).isEmpty());
        EXPECT_EQ(form.resultListModel->rowCount(), rows);
        EXPECT_EQ(form.playRecords.size(), records);
        EXPECT_EQ(form.ui.PlayNumEdit->text(), QString::fromUtf8(playText));
        EXPECT_TRUE(form.ui.StartButton->isEnabled());
        EXPECT_FALSE(form.CommandRunning());
        EXPECT_EQ(seam.saveCount, 0);
    }
}

TEST_F(MainFormInput, APlayCountRetypedAsNoNumberDuringABatchEndsTheRunInJapanese)
{
    // RunSimulation reads the box again at every run of a batch.
    form.ui.PlayNumEdit->setText(QStringLiteral("１０"));
    try {
        form.RunSimulation();
        ADD_FAILURE() << "no refusal";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Play数は、半角数字の整数にしてください。"));
    }
    EXPECT_TRUE(form.playRecords.empty());
}

TEST_F(MainFormInput, ASettingChangedBehindTheChecksStopsTheRunCleanly)
{
    // RunSimulation reads the boxes itself (a batch runs it again and again); a setting the
    // machine has no tables for must end in a message, never reach the machine.
    form.ui.PlayNumEdit->setText("10");
    form.ui.FlevelComboBox->setEditText("9");
    form.slot.SetSetting(2);
    EXPECT_THROW(form.RunSimulation(), Exception);
    EXPECT_EQ(form.slot.GetSetting(), 2);
    EXPECT_TRUE(form.playRecords.empty());
}

TEST(MainFormExceptionDisplay, ShowsThePlatformMessageOrTheStandardDescription)
{
    RecordingSeam seam;
    RunGuarded(nullptr, [] { throw EConvertError(QStringLiteral("'y' is not a valid integer value")); });
    RunGuarded(nullptr, [] { throw std::runtime_error("disk full"); });
    RunGuarded(nullptr, [] { throw 42; });
    RunGuarded(nullptr, [] {});
    EXPECT_EQ(seam.exceptions,
              (QStringList{"'y' is not a valid integer value", "disk full", QString()}));
}

TEST(MainFormOwnerData, TheListShowsNoRowThatTheRowListsDoNotHold)
{
    ResultRowLists rows;
    ResultListViewData model(rows);
    model.SetItemCount(5);
    EXPECT_EQ(model.rowCount(), 0);
    rows.Append(false, 1, 1, 13, 0, 0, -3);
    rows.Append(true, 1, 1, 14, 5, 1, 12);
    model.SetItemCount(5);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.Item(1), (QStringList{"-", "-", "JAC(リプレイ)", "BIG!", "12", "", ""}));
    EXPECT_TRUE(model.Item(2).isEmpty());
    EXPECT_EQ(model.index(0, 2).data().toString(), QStringLiteral("純ハズレ"));
    model.SetItemCount(1);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_FALSE(model.index(1, 0).isValid());
}
