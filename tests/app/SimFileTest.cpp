#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <climits>
#include <csignal>
#include <sys/resource.h>

#include "app/SimFile.h"

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

TEST_F(SimFileTest, FileThatCannotBeCreatedReportsFailure)
{
    PlayRecords records;
    FillRecords(records, 2);
    EXPECT_FALSE(WriteSimFile(Path("no/such/folder/run.sim"), {6, 1, 2}, records));
    EXPECT_FALSE(WriteSimFile(QString(), {6, 1, 2}, records));
    EXPECT_FALSE(WriteSimFile(dir.path(), {6, 1, 2}, records));
    // The dialog's initial name, tagged by the batch, must not turn into a file here.
    EXPECT_FALSE(WriteSimFile(Path("*4_1000_1.sim"), {6, 1, 2}, records));
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
    const bool written = WriteSimFile(Path("keep.sim"), {6, 1, 20000}, large);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(Path("keep.sim")), before);
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
              QStringList{"keep.sim"});
}
