#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <climits>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

#include "app/SimFile.h"
#include "FailingDevice.h"

namespace {

QByteArray Ints(std::initializer_list<int32_t> values)
{
    QByteArray bytes;
    for (int32_t v : values) {
        char b[4];
        qToLittleEndian<int32_t>(v, b);
        bytes.append(b, 4);
    }
    return bytes;
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Row k of a recognisable pattern; values cover negatives and the int32 limits.
void FillRecords(PlayRecords& records, int rows)
{
    for (int k = 0; k < rows; ++k) {
        int32_t row[PlayRecords::ColumnCount];
        for (int c = 0; c < PlayRecords::ColumnCount; ++c)
            row[c] = k * 11 + c - 500;
        if (k == 1) {
            row[1] = INT_MIN;
            row[2] = INT_MAX;
        }
        records.AppendRow(row);
    }
}

void ExpectSameRecords(const PlayRecords& a, const PlayRecords& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (int c = 0; c < PlayRecords::ColumnCount; ++c)
        EXPECT_EQ(a.column(c), b.column(c)) << "column " << c;
}

class SimFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }
};

} // namespace

TEST_F(SimFileTest, WritesTheExactLayout)
{
    PlayRecords records;
    const int32_t row[11] = {1, -3, 2, 0, 1, 0, 8, 0, 0, 0, 1};
    records.AppendRow(row);
    ASSERT_TRUE(WriteSimFile(Path("a.sim"), {6, 3, 1000}, records));
    EXPECT_EQ(ReadBytes(Path("a.sim")), Ints({6, 3, 1000, 1, -3, 2, 0, 1, 0, 8, 0, 0, 0, 1}));
}

TEST_F(SimFileTest, RoundTripKeepsEveryValueAndTheHeader)
{
    PlayRecords written;
    // More than one write and read chunk, ending inside the last one.
    FillRecords(written, 60001);
    ASSERT_TRUE(WriteSimFile(Path("r.sim"), {6, 4, 54321}, written));
    EXPECT_EQ(QFile(Path("r.sim")).size(), 12 + 44 * 60001);

    PlayRecords read;
    const SimFileReadResult result = ReadSimFile(Path("r.sim"), read);
    EXPECT_EQ(result.status, SimFileStatus::Ok);
    EXPECT_EQ(result.header.magic, 6);
    EXPECT_EQ(result.header.setting, 4);
    EXPECT_EQ(result.header.playCount, 54321);
    ExpectSameRecords(written, read);
}

TEST_F(SimFileTest, ReplacingAnExistingFileEmptiesItFirst)
{
    PlayRecords many, none;
    FillRecords(many, 10);
    ASSERT_TRUE(WriteSimFile(Path("x.sim"), {6, 1, 10}, many));
    ASSERT_TRUE(WriteSimFile(Path("x.sim"), {6, 2, 0}, none));
    EXPECT_EQ(ReadBytes(Path("x.sim")), Ints({6, 2, 0}));
}

TEST_F(SimFileTest, HeaderOnlyFileIsARunWithoutRecords)
{
    WriteBytes(Path("h.sim"), Ints({6, 3, 1000}));
    PlayRecords records;
    FillRecords(records, 3);
    const SimFileReadResult result = ReadSimFile(Path("h.sim"), records);
    EXPECT_EQ(result.status, SimFileStatus::Ok);
    EXPECT_EQ(result.header.setting, 3);
    EXPECT_EQ(result.header.playCount, 1000);
    EXPECT_TRUE(records.empty());
}

TEST_F(SimFileTest, IncompleteLastRecordIsDropped)
{
    PlayRecords five;
    FillRecords(five, 5);
    ASSERT_TRUE(WriteSimFile(Path("p.sim"), {6, 1, 5}, five));
    QByteArray bytes = ReadBytes(Path("p.sim"));
    bytes += Ints({7, 7, 7, 7, 7}); // 20 bytes of a sixth record
    WriteBytes(Path("p.sim"), bytes);

    PlayRecords read;
    EXPECT_EQ(ReadSimFile(Path("p.sim"), read).status, SimFileStatus::Ok);
    ExpectSameRecords(five, read);
    // One byte short of a record is still incomplete.
    WriteBytes(Path("q.sim"), Ints({6, 1, 1}) + QByteArray(43, '\1'));
    EXPECT_EQ(ReadSimFile(Path("q.sim"), read).status, SimFileStatus::Ok);
    EXPECT_TRUE(read.empty());
}

TEST_F(SimFileTest, WrongMagicOrShortHeaderIsNoSimFileAndEmptiesTheRecords)
{
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"wrong magic", Ints({7, 1, 1}) + Ints({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {"empty file", QByteArray()},
        {"three bytes", QByteArray("\x06\0\0", 3)},
        {"magic only", Ints({6})},
        {"magic and setting", Ints({6, 3})},
        {"one byte short of the header", Ints({6, 3}) + QByteArray(3, '\0')},
        {"big-endian magic", QByteArray("\0\0\0\x06", 4) + Ints({1, 1})},
    };
    for (const auto& c : cases) {
        WriteBytes(Path("bad.sim"), c.bytes);
        PlayRecords records;
        FillRecords(records, 2);
        EXPECT_EQ(ReadSimFile(Path("bad.sim"), records).status, SimFileStatus::NotSimFile)
            << c.name;
        EXPECT_TRUE(records.empty()) << c.name;
    }
}

TEST_F(SimFileTest, FileThatCannotBeOpenedLeavesTheRecordsAlone)
{
    PlayRecords records;
    FillRecords(records, 2);
    EXPECT_EQ(ReadSimFile(Path("missing.sim"), records).status, SimFileStatus::CannotOpen);
    EXPECT_EQ(ReadSimFile(QStringLiteral("*.sim"), records).status, SimFileStatus::CannotOpen);
    EXPECT_EQ(ReadSimFile(dir.path(), records).status, SimFileStatus::CannotOpen);
    EXPECT_EQ(records.size(), 2u);
}

TEST_F(SimFileTest, ReadErrorIsReported)
{
    // Reading this process's memory from address 0 fails with an I/O error.
    PlayRecords records;
    const SimFileReadResult result = ReadSimFile(QStringLiteral("/proc/self/mem"), records);
    if (result.status == SimFileStatus::CannotOpen)
        GTEST_SKIP() << "/proc/self/mem cannot be opened here";
    EXPECT_EQ(result.status, SimFileStatus::NotSimFile);
    EXPECT_TRUE(result.readError);
    // A good file reports none.
    ASSERT_TRUE(WriteSimFile(Path("ok.sim"), {6, 1, 0}, records));
    EXPECT_FALSE(ReadSimFile(Path("ok.sim"), records).readError);
}

TEST_F(SimFileTest, AFailurePartWayKeepsTheWholeRecordsReadBeforeIt)
{
    PlayRecords written;
    FillRecords(written, 9);
    ASSERT_TRUE(WriteSimFile(Path("nine.sim"), {6, 3, 9}, written));
    const QByteArray bytes = ReadBytes(Path("nine.sim"));

    // The disk fails 20 bytes into record 6: records 0-5 stay, the torn one goes.
    FailingDevice device(bytes, 12 + 44 * 6 + 20);
    PlayRecords read;
    FillRecords(read, 2);
    const SimFileReadResult result = ReadSimFile(device, read);
    EXPECT_EQ(result.status, SimFileStatus::Ok);
    EXPECT_TRUE(result.readError);
    EXPECT_EQ(result.errorText, QStringLiteral("Input/output error"));
    EXPECT_EQ(result.header.setting, 3);
    ASSERT_EQ(read.size(), 6u);
    for (int c = 0; c < PlayRecords::ColumnCount; ++c)
        EXPECT_EQ(read.column(c), PlayRecords::Column(written.column(c).begin(), written.column(c).begin() + 6));

    // A failure inside the header: no records, and not taken for a simulation file.
    FailingDevice early(bytes, 7);
    const SimFileReadResult headerResult = ReadSimFile(early, read);
    EXPECT_EQ(headerResult.status, SimFileStatus::NotSimFile);
    EXPECT_TRUE(headerResult.readError);
    EXPECT_TRUE(read.empty());

    // The same bytes without a failure read whole.
    FailingDevice whole(bytes, bytes.size());
    const SimFileReadResult wholeResult = ReadSimFile(whole, read);
    EXPECT_FALSE(wholeResult.readError);
    ExpectSameRecords(read, written);
}

TEST_F(SimFileTest, RecordCountOfAFileSize)
{
    // 12 header bytes, then 44 bytes a record; a torn record does not count.
    EXPECT_EQ(SimFileRecordCount(0), 0);
    EXPECT_EQ(SimFileRecordCount(11), 0);
    EXPECT_EQ(SimFileRecordCount(12), 0);
    EXPECT_EQ(SimFileRecordCount(55), 0);
    EXPECT_EQ(SimFileRecordCount(56), 1);
    EXPECT_EQ(SimFileRecordCount(12 + 44 * 5 + 43), 5);
    EXPECT_EQ(SimFileRecordCount(12 + 44 * 6), 6);
    EXPECT_EQ(SimFileRecordCount(12 + 44LL * 100000000), 100000000);
    EXPECT_EQ(SimFileSize(0), 12);
    EXPECT_EQ(SimFileSize(3), 144);
}

TEST_F(SimFileTest, ANamedPipeIsRefusedWithoutWaitingForAWriter)
{
    const QByteArray fifo = QFile::encodeName(Path("pipe.sim"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    PlayRecords records;
    FillRecords(records, 2);
    // Opening the pipe for reading would wait here for ever if the reader opened it plainly.
    EXPECT_EQ(ReadSimFile(Path("pipe.sim"), records).status, SimFileStatus::NotAFile);
    EXPECT_EQ(records.size(), 2u);
    EXPECT_EQ(ReadSimFile(QStringLiteral("/dev/null"), records).status, SimFileStatus::NotAFile);
    EXPECT_EQ(records.size(), 2u);
}

TEST_F(SimFileTest, FileThatCannotBeCreatedReportsFailure)
{
    PlayRecords records;
    FillRecords(records, 2);
    // Each failure says why: the system's words, or ours for a name that we refuse.
    const std::pair<QString, QString> cases[] = {
        {Path("no/such/folder/run.sim"), QString::fromLocal8Bit(std::strerror(ENOENT))},
        {QString(), QStringLiteral("ファイル名がありません。")},
        {dir.path(), QStringLiteral("Filename refers to a directory")},
        // The dialog's initial name, tagged by the batch, must not turn into a file here.
        {Path("*4_1000_1.sim"), QStringLiteral("ファイル名に「*」や「?」は使えません。")},
    };
    for (const auto& [path, expected] : cases) {
        QString reason;
        EXPECT_FALSE(WriteSimFile(path, {6, 1, 2}, records, &reason)) << qPrintable(path);
        EXPECT_EQ(reason, expected) << qPrintable(path);
    }
    EXPECT_FALSE(QFile::exists(Path("*4_1000_1.sim")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 0);
}

TEST_F(SimFileTest, WriteThatFailsHalfwayReportsFailureAndKeepsTheOldFile)
{
    PlayRecords small, large;
    FillRecords(small, 2);
    FillRecords(large, 20000);
    ASSERT_TRUE(WriteSimFile(Path("keep.sim"), {6, 1, 2}, small));
    const QByteArray before = ReadBytes(Path("keep.sim"));

    // A file size limit makes the disk "full" after 64 KB.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    QString reason;
    const bool written = WriteSimFile(Path("keep.sim"), {6, 1, 20000}, large, &reason);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(reason, QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(ReadBytes(Path("keep.sim")), before);
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
              QStringList{"keep.sim"});
}
