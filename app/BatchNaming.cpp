#include "app/BatchNaming.h"

#include "platform/SysUtils.h"

QString BatchFileName(const QString& chosen, int32_t setting, int32_t playCount, int32_t run)
{
    const QString tag = IntToStr(setting) + QLatin1Char('_') + IntToStr(playCount)
        + QLatin1Char('_') + IntToStr(run);
    // The file's own name starts after the last separator; a dot before it belongs to a folder.
    const qsizetype nameStart = chosen.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = chosen.indexOf(QLatin1Char('.'), nameStart);
    if (dot < 0)
        return chosen + tag;
    return chosen.left(dot) + tag + chosen.mid(dot);
}
