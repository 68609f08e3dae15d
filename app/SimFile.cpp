#include "app/SimFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#if defined(__unix__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 HeaderSize = SimFileHeaderSize;
constexpr qint64 RecordSize = SimFileRecordSize;
// About a megabyte per read or write: large enough for disk speed, small enough to stay in
// cache and never to hold a whole file twice.
constexpr qint64 RecordsPerChunk = 24 * 1024;

int32_t LoadLE(const char* p)
{
    return qFromLittleEndian<int32_t>(p);
}

// Reads until `size` bytes arrived, the device ends or it fails (`failed` is then set);
// the number of bytes read.
qint64 ReadUpTo(QIODevice& device, char* data, qint64 size, bool& failed)
{
    qint64 done = 0;
    while (done < size) {
        const qint64 got = device.read(data + done, size - done);
        if (got < 0) {
            failed = true;
            break;
        }
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

// Names with wildcards are what a file dialog shows before anything was chosen ("*.sim");
// they are never meant as the name of a file to create.
bool HasWildcard(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// Why a call on `file` failed: the system's words when the call left an error number (Qt's
// own text can be "Unknown error" for a failed write), Qt's text otherwise.
QString FailureText(const QFileDevice& file, int error)
{
    return error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : file.errorString();
}

} // namespace

int64_t SimFileRecordCount(int64_t bytes)
{
    return bytes <= HeaderSize ? 0 : (bytes - HeaderSize) / RecordSize;
}

int64_t SimFileSize(int64_t records)
{
    return HeaderSize + records * RecordSize;
}

SimFileReadResult ReadSimFile(const QString& path, PlayRecords& records)
{
    SimFileReadResult result;
    QFile file;
#if defined(__unix__)
    // Opened without waiting and looked at before anything is read: a named pipe would
    // otherwise hold the window until something writes to it.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return result;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        result.status = SimFileStatus::NotAFile;
        return result;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return result;
    }
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !info.isFile()) {
        result.status = SimFileStatus::NotAFile;
        return result;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
#endif
    return ReadSimFile(file, records);
}

SimFileReadResult ReadSimFile(QIODevice& device, PlayRecords& records)
{
    SimFileReadResult result;
    records.clear();
    bool failed = false;

    char head[HeaderSize];
    const qint64 headBytes = ReadUpTo(device, head, HeaderSize, failed);
    // A file that ends inside its header is no simulation file either.
    if (headBytes < HeaderSize || LoadLE(head) != 6) {
        result.status = SimFileStatus::NotSimFile;
        result.readError = failed;
        if (failed)
            result.errorText = device.errorString();
        return result;
    }
    result.header.magic = LoadLE(head);
    result.header.setting = LoadLE(head + 4);
    result.header.playCount = LoadLE(head + 8);

    if (!device.isSequential())
        records.reserve(static_cast<size_t>(SimFileRecordCount(device.size())));

    std::vector<char> buffer(static_cast<size_t>(RecordsPerChunk * RecordSize));
    qint64 carried = 0; // bytes of a record split between two chunks
    while (!failed) {
        const qint64 got = ReadUpTo(device, buffer.data() + carried,
                                    static_cast<qint64>(buffer.size()) - carried, failed);
        if (got <= 0)
            break;
        const qint64 total = carried + got;
        const size_t count = static_cast<size_t>(total / RecordSize);
        const size_t start = records.size();
        int32_t* columns[PlayRecords::ColumnCount];
        for (int c = 0; c < PlayRecords::ColumnCount; ++c) {
            records.column(c).resize(start + count);
            columns[c] = records.column(c).data() + start;
        }
        const char* p = buffer.data();
        for (size_t k = 0; k < count; ++k)
            for (int c = 0; c < PlayRecords::ColumnCount; ++c, p += 4)
                columns[c][k] = LoadLE(p);
        carried = total - static_cast<qint64>(count) * RecordSize;
        std::copy(p, p + carried, buffer.data());
    }
    // Whatever is left in `carried` is an incomplete last record: dropped.
    result.status = SimFileStatus::Ok;
    result.readError = failed;
    if (failed)
        result.errorText = device.errorString();
    return result;
}

bool WriteSimFile(const QString& path, const SimFileHeader& header, const PlayRecords& records,
                  QString* errorText)
{
    const auto fail = [errorText](const QString& reason) {
        if (errorText)
            *errorText = reason;
        return false;
    };
    if (path.isEmpty())
        return fail(QStringLiteral("ファイル名がありません。"));
    if (HasWildcard(path))
        return fail(QStringLiteral("ファイル名に「*」や「?」は使えません。"));
    // A save file replaces the old file only once every byte is written, so a failed write
    // leaves neither a truncated file nor a lost old one.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return fail(FailureText(file, errno));

    size_t rows = records.size();
    for (int c = 0; c < PlayRecords::ColumnCount; ++c)
        rows = std::min(rows, records.column(c).size());
    const int32_t* columns[PlayRecords::ColumnCount];
    for (int c = 0; c < PlayRecords::ColumnCount; ++c)
        columns[c] = records.column(c).data();

    std::vector<char> buffer(static_cast<size_t>(RecordsPerChunk * RecordSize));
    char* p = buffer.data();
    qToLittleEndian<int32_t>(header.magic, p);
    qToLittleEndian<int32_t>(header.setting, p + 4);
    qToLittleEndian<int32_t>(header.playCount, p + 8);
    errno = 0;
    if (file.write(p, HeaderSize) != HeaderSize)
        return fail(FailureText(file, errno));

    for (size_t done = 0; done < rows;) {
        const size_t count = std::min(rows - done, static_cast<size_t>(RecordsPerChunk));
        p = buffer.data();
        for (size_t k = done; k < done + count; ++k)
            for (int c = 0; c < PlayRecords::ColumnCount; ++c, p += 4)
                qToLittleEndian<int32_t>(columns[c][k], p);
        const qint64 bytes = static_cast<qint64>(count) * RecordSize;
        errno = 0;
        if (file.write(buffer.data(), bytes) != bytes)
            return fail(FailureText(file, errno));
        done += count;
    }
    errno = 0;
    if (!file.commit())
        return fail(FailureText(file, errno));
    return true;
}
