#include "platform/Platform.h"

#include "platform/ClassRegistry.h"
#include "platform/FormatSettings.h"
#include "platform/Random.h"

#include <QLocale>

namespace {
int startCount = 0;
}

void PlatformInitialize()
{
    if (startCount++ > 0)
        return;
    FormatSettings = TFormatSettings::FromLocale(QLocale::system());
    RandSeed = 0;
}

void PlatformFinalize()
{
    if (startCount == 0 || --startCount > 0)
        return;
    ClearClassRegistry();
    FormatSettings = TFormatSettings::English();
}
