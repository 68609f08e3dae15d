#include "app/RunInputs.h"

#include <algorithm>
#include <limits>

#include "platform/SysUtils.h"

#if defined(__unix__)
#include <unistd.h>
#endif

int32_t TextToInteger(const QString& text)
{
    return StrToInt(text);
}

bool IsRandomSettingText(const QString& text)
{
    return text == QLatin1String("?");
}

bool IsValidSettingText(const QString& text)
{
    int32_t value = 0;
    return IsRandomSettingText(text) || (TryStrToInt(text, value) && value >= 1 && value <= 6);
}

int32_t MaxPlayCountFor(uint64_t physicalBytes)
{
    const uint64_t plays = physicalBytes / 2 / BytesPerPlay;
    return static_cast<int32_t>(
        std::min<uint64_t>(plays, static_cast<uint64_t>(std::numeric_limits<int32_t>::max())));
}

int32_t MaxPlayCount()
{
    uint64_t physical = 4ULL << 30; // a modest machine when the system cannot say
#if defined(__unix__)
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageSize > 0)
        physical = static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize);
#endif
    return MaxPlayCountFor(physical);
}
