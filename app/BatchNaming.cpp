#include "app/BatchNaming.h"

#include "platform/SysUtils.h"

QString BatchFileName(const QString& chosen, int32_t setting, int32_t playCount, int32_t run)
{
    const QString tag = IntToStr(setting) + QLatin1Char('_') + IntToStr(playCount)
        + QLatin1Char('_') + IntToStr(run);
    // The first dot of the whole path, even when it belongs to a folder name.
    const qsizetype dot = chosen.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return tag + chosen;
    return chosen.left(dot) + tag + chosen.mid(dot);
}
