#include "app/RunInputs.h"

#include <algorithm>
#include <limits>

#include "platform/SysUtils.h"

#include <cstdio>

#if defined(__unix__)
#include <sys/resource.h>
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

int32_t MaxPlayCountFor(uint64_t physicalBytes, uint64_t freeAddressSpace)
{
    const uint64_t budget = std::min(physicalBytes, freeAddressSpace) / 2;
    const uint64_t plays = budget / BytesPerPlay;
    return static_cast<int32_t>(
        std::min<uint64_t>(plays, static_cast<uint64_t>(std::numeric_limits<int32_t>::max())));
}

uint64_t FreeAddressSpace()
{
#if defined(__unix__)
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return UnlimitedAddressSpace;
    // The first field of statm is the size of every mapping, in pages.
    uint64_t mappedPages = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        unsigned long long pages = 0;
        if (std::fscanf(statm, "%llu", &pages) == 1)
            mappedPages = pages;
        std::fclose(statm);
    }
    const long pageSize = sysconf(_SC_PAGESIZE);
    const uint64_t mapped = mappedPages * static_cast<uint64_t>(pageSize > 0 ? pageSize : 4096);
    const uint64_t cap = static_cast<uint64_t>(limit.rlim_cur);
    return cap > mapped ? cap - mapped : 0;
#else
    return UnlimitedAddressSpace;
#endif
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
    return MaxPlayCountFor(physical, FreeAddressSpace());
}
