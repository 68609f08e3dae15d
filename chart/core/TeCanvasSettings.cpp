#include "chart/core/TeCanvasSettings.h"

#include "platform/graphics/Font.h"
#include "chart/core/Teeconst.h"
#include "platform/Types.h"

int32_t TeeDefaultConePercent = 0;
uint8_t DarkerColorQuantity = 128;
uint8_t DarkColorQuantity = 64;
bool IsWindowsNT = true;
int32_t GetDefaultFontSize = 8;
QString GetDefaultFontName;
std::unique_ptr<QStringList> TeeCustomEditColors;
uint8_t TeeFontAntiAlias = 4;
QRegion OldRegion;
bool WasOldRegion = false;

namespace {
int startCount = 0;
}

void TeeSetDefaultFont(const QLocale& locale, int32_t pixelsPerInch)
{
    const bool japanese = locale.language() == QLocale::Japanese;
    const TDefaultFontData library = DefaultFontData(locale, pixelsPerInch);

    bool ok = false;
    GetDefaultFontSize = TeeMsg_DefaultFontSize.toInt(&ok);
    if (!ok)
        GetDefaultFontSize = 8; // a translated text that is not a number keeps the usual size
    if (GetDefaultFontSize == 8 && japanese)
        GetDefaultFontSize = MulDiv(-library.Height, 72, pixelsPerInch);

    GetDefaultFontName = TeeMsg_DefaultFontName;
    if (GetDefaultFontName == QLatin1String("Arial") && japanese)
        GetDefaultFontName = library.Name;
}

void TeCanvasInitialize()
{
    if (startCount++ != 0)
        return;
    IsWindowsNT = true; // Qt draws wide pens with end caps and one-pixel dotted pens everywhere
    OldRegion = QRegion(0, 0, 0, 0);
    WasOldRegion = false;
    TeeSetDefaultFont(QLocale::system(), ScreenPixelsPerInch());
}

void TeCanvasFinalize()
{
    if (startCount == 0 || --startCount != 0)
        return;
    OldRegion = QRegion();
    TeeCustomEditColors.reset();
    GetDefaultFontName.clear();
}
