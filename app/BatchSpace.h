#pragma once

#include <QString>
#include <cstdint>

// How much disk a batch may need, so that a batch that cannot fit is refused before it starts.

// Bonus games that one bonus can last at most: a BIG of three JACs of 8 games, with 29, 28
// and 28 general games before them (the counter restarts after a JAC, and the third JAC-in
// needs at least 20).
constexpr int64_t LongestBonusGames = 29 + 8 + 28 + 8 + 28 + 8;

// An upper bound of the records of one run of `plays` plays. Every normal game could be
// followed by a longest bonus, so plays × (1 + LongestBonusGames) always holds; for long runs
// that is far too much, and twice the plays plus 64 longest bonuses is used instead: runs
// average at most about 1.23 records per play, and their spread shrinks as they grow.
int64_t MaxRecordsPerRun(int32_t plays);

// Bytes that the files of a batch of `runs` runs of `plays` plays can take at most; saturates
// at INT64_MAX instead of overflowing.
int64_t BatchBytesNeeded(int32_t plays, int32_t runs);

// Free bytes for this user in the file system of `folder`; -1 when it cannot be told.
int64_t FreeBytesAt(const QString& folder);
