#include "app/FormFonts.h"

#include <QStringList>

namespace {

struct FontMapping {
    const char16_t* windowsName;
    const char16_t* ipaName;
};

constexpr FontMapping fontTable[] = {
    {u"ＭＳ Ｐゴシック", u"IPAPGothic"},
    {u"MS UI Gothic", u"IPAPGothic"},
    {u"ＭＳ Ｐ明朝", u"IPAPMincho"},
};

} // namespace

QString MapFontName(const QString& windowsName)
{
    for (const FontMapping& m : fontTable)
        if (windowsName == QString::fromUtf16(m.windowsName))
            return QString::fromUtf16(m.ipaName);
    return windowsName;
}

void RegisterFontSubstitutes()
{
    for (const FontMapping& m : fontTable) {
        const QString from = QString::fromUtf16(m.windowsName);
        const QString to = QString::fromUtf16(m.ipaName);
        if (!QFont::substitutes(from).contains(to))
            QFont::insertSubstitution(from, to);
    }
}

QFont FormFont(const QString& windowsName, int pixelHeight)
{
    QFont font(MapFontName(windowsName));
    font.setPixelSize(pixelHeight);
    return font;
}

QFont DefaultFormFont()
{
    return FormFont(QStringLiteral("ＭＳ Ｐゴシック"), 12);
}
