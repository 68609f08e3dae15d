#pragma once

#include <QString>
#include <cstdint>

#include "model/PlayRecords.h"

class QIODevice;

// A simulation file: three little-endian int32 header values (magic, setting, play count)
// followed by one record per play, the eleven columns in column order, 4 bytes each.
constexpr int64_t SimFileHeaderSize = 12;
constexpr int64_t SimFileRecordSize = 4 * PlayRecords::ColumnCount;

// The number of whole records that a file of `bytes` bytes holds (0 for a file shorter than
// its header); a torn last record does not count.
int64_t SimFileRecordCount(int64_t bytes);
// The size of a file of `records` records.
int64_t SimFileSize(int64_t records);

struct SimFileHeader {
    int32_t magic = 6;
    int32_t setting = 0;
    int32_t playCount = 0;
};

enum class SimFileStatus {
    CannotOpen, // nothing was touched
    NotAFile,   // a named pipe, a device or a socket: refused unopened, nothing touched
    NotSimFile, // the records were emptied and stay empty
    Ok,
};

struct SimFileReadResult {
    SimFileStatus status = SimFileStatus::CannotOpen;
    SimFileHeader header;
    // Reading failed part-way: the records hold the whole records read before the failure
    // (none when it failed inside the header, which then counts as not a simulation file).
    bool readError = false;
    QString errorText;
};

// Reads a simulation file into records. The records are emptied only once the file is open;
// a file shorter than its 12-byte header or with another magic is not a simulation file;
// an incomplete last record is dropped. Anything but a regular file (a named pipe, a device)
// is refused before it is opened for reading, so that a read never waits for a writer.
SimFileReadResult ReadSimFile(const QString& path, PlayRecords& records);
// The same from a device opened for reading.
SimFileReadResult ReadSimFile(QIODevice& device, PlayRecords& records);

// Writes header and records (creating or replacing the file). False when the file cannot be
// created or written; an existing file is then left as it was, and `errorText` (when given)
// receives the reason as the system words it.
bool WriteSimFile(const QString& path, const SimFileHeader& header, const PlayRecords& records,
                  QString* errorText = nullptr);
