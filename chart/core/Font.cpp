#include "chart/core/Font.h"

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
    if (FName != value && !value.isEmpty()) {
        FName = value;
        Changed();
    }
}

void TFont::SetHeight(int32_t value)
{
    if (FHeight != value) {
        FHeight = value;
        Changed();
    }
}

void TFont::SetSize(int32_t value)
{
    SetHeight(-MulDiv(value, FPixelsPerInch, 72));
}

void TFont::SetColor(TColor value)
{
    if (FColor != value) {
        FColor = value;
        Changed();
    }
}

void TFont::SetStyle(TFontStyles value)
{
    if (FStyle != value) {
        FStyle = value;
        Changed();
    }
}

void TFont::SetCharset(TFontCharset value)
{
    if (FCharset != value) {
        FCharset = value;
        Changed();
    }
}

void TFont::SetPitch(TFontPitch value)
{
    if (FPitch != value) {
        FPitch = value;
        Changed();
    }
}

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
