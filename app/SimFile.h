#pragma once

#include <QString>
#include <cstdint>

#include "model/PlayRecords.h"

// A simulation file: three little-endian int32 header values (magic, setting, play count)
// followed by one 44-byte record per play, the eleven columns in column order.
struct SimFileHeader {
    int32_t magic = 6;
    int32_t setting = 0;
    int32_t playCount = 0;
};

enum class SimFileStatus {
    CannotOpen, // nothing was touched
    NotSimFile, // the records were emptied and stay empty
    Ok,
};

struct SimFileReadResult {
    SimFileStatus status = SimFileStatus::CannotOpen;
    SimFileHeader header;
    // The disk failed while reading: the records hold what was read before the failure.
    bool readError = false;
};

// Reads a simulation file into records. The records are emptied only once the file is open;
// a file shorter than its 12-byte header or with another magic is not a simulation file;
// an incomplete last record is dropped.
SimFileReadResult ReadSimFile(const QString& path, PlayRecords& records);

// Writes header and records (creating or replacing the file). False when the file cannot be
// created or written; an existing file is then left as it was.
bool WriteSimFile(const QString& path, const SimFileHeader& header, const PlayRecords& records);
