#include "app/BatchSpace.h"

#include <QStorageInfo>
#include <algorithm>
#include <limits>

#include "app/SimFile.h"

int64_t MaxRecordsPerRun(int32_t plays)
{
    if (plays <= 0)
        return 0;
    const int64_t p = plays;
    return std::min(p * (1 + LongestBonusGames), 2 * p + 64 * LongestBonusGames);
}

int64_t BatchBytesNeeded(int32_t plays, int32_t runs)
{
    if (runs <= 0)
        return 0;
    // At most 2^31 × 110 records: the file size fits easily, the product with the runs may not.
    const int64_t perFile = SimFileSize(MaxRecordsPerRun(plays));
    int64_t total = 0;
    if (__builtin_mul_overflow(perFile, static_cast<int64_t>(runs), &total))
        return std::numeric_limits<int64_t>::max();
    return total;
}

int64_t FreeBytesAt(const QString& folder)
{
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        return -1;
    return storage.bytesAvailable();
}
