#include "app/RunInputs.h"

#include <QRegularExpression>
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

bool ReadCount(const QString& text, int64_t& value)
{
    if (TryStrToInt64(text, value))
        return true;
    // The same syntax with more digits than 64 bits hold.
    static const QRegularExpression whole(QRegularExpression::anchoredPattern(
        QStringLiteral("[ \\t]*([+-]?)(\\$[0-9A-Fa-f]+|0[xX][0-9A-Fa-f]+|[0-9]+)")));
    const QRegularExpressionMatch match = whole.match(text);
    if (!match.hasMatch())
        return false;
    value = match.captured(1) == QLatin1String("-") ? std::numeric_limits<int64_t>::min()
                                                    : std::numeric_limits<int64_t>::max();
    return true;
}

QString CountRefusal(const QString& box, const QString& text, int32_t max)
{
    int64_t value = 0;
    if (!ReadCount(text, value))
        return box + QStringLiteral("は、半角数字の整数にしてください。");
    if (value < 1)
        return box + QStringLiteral("は、1以上にしてください。");
    if (value > max)
        return box + QStringLiteral("は、") + QString::number(max) + QStringLiteral("以下にしてください。");
    return QString();
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
