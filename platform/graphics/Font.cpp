#include "platform/graphics/Font.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/Types.h"

int32_t ScreenPixelsPerInch()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const int ppi = Round(screen->logicalDotsPerInch());
            if (ppi > 0)
                return ppi;
        }
    }
    return 96;
}

TDefaultFontData DefaultFontData(const QLocale& locale, int32_t pixelsPerInch)
{
    if (locale.language() == QLocale::Japanese)
        return {QStringLiteral("ＭＳ Ｐゴシック"), -MulDiv(9, pixelsPerInch, 72), SHIFTJIS_CHARSET};
    return {QStringLiteral("MS Sans Serif"), -MulDiv(8, pixelsPerInch, 72), DEFAULT_CHARSET};
}

TFont::TFont() : FPixelsPerInch(ScreenPixelsPerInch())
{
    const TDefaultFontData data = DefaultFontData(QLocale::system(), FPixelsPerInch);
    FName = data.Name;
    FHeight = data.Height;
    FCharset = data.Charset;
}

int32_t TFont::Size() const
{
    return -MulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetName(const QString& value)
{
    if (!value.isEmpty()) // a font always has a name: an empty one is ignored
        SetProp(FName, value);
}

void TFont::SetHeight(int32_t value) { SetProp(FHeight, value); }

void TFont::SetSize(int32_t value)
{
    SetHeight(-MulDiv(value, FPixelsPerInch, 72));
}

void TFont::SetColor(TColor value) { SetProp(FColor, value); }
void TFont::SetStyle(TFontStyles value) { SetProp(FStyle, value); }
void TFont::SetCharset(TFontCharset value) { SetProp(FCharset, value); }
void TFont::SetPitch(TFontPitch value) { SetProp(FPitch, value); }

void TFont::Assign(TPersistent* source)
{
    if (auto* font = dynamic_cast<TFont*>(source)) {
        FName = font->FName;
        // The size in points carries over, so fonts of different resolutions keep their size.
        FHeight = -MulDiv(font->Size(), FPixelsPerInch, 72);
        FColor = font->FColor;
        FStyle = font->FStyle;
        FCharset = font->FCharset;
        FPitch = font->FPitch;
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}

// Stored properties: the names and value texts that the filer reads and writes.

namespace {

const QStringList fontStyleNames{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

// "[fsBold,fsItalic]"
QString FontStylesText(TFontStyles styles)
{
    QStringList names;
    for (int s = fsBold; s <= fsStrikeOut; ++s) {
        if (styles.Contains(static_cast<TFontStyle>(s)))
            names.append(fontStyleNames[s]);
    }
    return QLatin1Char('[') + names.join(QLatin1Char(',')) + QLatin1Char(']');
}

TFontStyles TextFontStyles(const QString& text)
{
    TFontStyles styles;
    QString inner = text.trimmed();
    if (inner.startsWith(QLatin1Char('[')))
        inner.remove(0, 1);
    if (inner.endsWith(QLatin1Char(']')))
        inner.chop(1);
    for (const QString& name : inner.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype i = fontStyleNames.indexOf(name.trimmed());
        if (i >= 0)
            styles.Include(static_cast<TFontStyle>(i));
    }
    return styles;
}

} // namespace

void TFont::DefineProperties(TTeeFiler& filer)
{
    filer.DefineProperty(
        "Charset", [this](const QString& v) { SetCharset(static_cast<TFontCharset>(TeeTextInt32(v, FCharset) & 0xFF)); },
        [this] { return TeeIntText(FCharset); }, IsCharsetStored());
    TeeDefineColor(filer, "Color", FColor, TeeStored(IsColorStored()), [this](TColor v) { SetColor(v); });
    TeeDefineInt(filer, "Height", FHeight, TeeStored(IsHeightStored()), [this](int32_t v) { SetHeight(v); });
    TeeDefineText(filer, "Name", FName, TeeStored(IsNameStored()), [this](const QString& v) { SetName(v); });
    filer.DefineProperty(
        "Style", [this](const QString& v) { SetStyle(TextFontStyles(v)); }, [this] { return FontStylesText(FStyle); },
        IsStyleStored());
}
