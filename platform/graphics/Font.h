#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

#include "platform/graphics/GraphicsObject.h"
#include "platform/TeeFiler.h"
#include "platform/Colors.h"

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of font styles (`fsBold in Style` becomes Style.Contains(fsBold)).
struct TFontStyles {
    uint8_t Bits = 0;
    constexpr TFontStyles() = default;
    constexpr TFontStyles(std::initializer_list<TFontStyle> styles)
    {
        for (TFontStyle s : styles)
            Bits |= static_cast<uint8_t>(1u << s);
    }
    constexpr bool Contains(TFontStyle s) const { return (Bits & (1u << s)) != 0; }
    constexpr void Include(TFontStyle s) { Bits |= static_cast<uint8_t>(1u << s); }
    constexpr void Exclude(TFontStyle s) { Bits &= static_cast<uint8_t>(~(1u << s)); }
    constexpr bool Empty() const { return Bits == 0; }
    friend constexpr bool operator==(const TFontStyles&, const TFontStyles&) = default;
};

enum TFontPitch { fpDefault, fpVariable, fpFixed };

using TFontCharset = uint8_t;
constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset SHIFTJIS_CHARSET = 128;

// Pixels per inch of the screen, as fonts convert points to pixels.
int32_t ScreenPixelsPerInch();

// The class library's default font: its name, height in pixels (negative: character height)
// and character set, for the given system locale and screen resolution. A Japanese system
// uses the Japanese proportional Gothic font at 9 points.
struct TDefaultFontData {
    QString Name;
    int32_t Height = 0;
    TFontCharset Charset = DEFAULT_CHARSET;
};
TDefaultFontData DefaultFontData(const QLocale& locale, int32_t pixelsPerInch);

// The class library's font. The size in points and the height in pixels are two views of one
// value: Height = -MulDiv(Size, PixelsPerInch, 72).
class TFont : public TGraphicsObject, public TTeeStoredObject
{
public:
    TFont();

    QString Name() const { return FName; }
    int32_t Height() const { return FHeight; }
    int32_t Size() const;
    TColor Color() const { return FColor; }
    TFontStyles Style() const { return FStyle; }
    TFontCharset Charset() const { return FCharset; }
    TFontPitch Pitch() const { return FPitch; }
    int32_t PixelsPerInch() const { return FPixelsPerInch; }

    void SetName(const QString& value);
    void SetHeight(int32_t value);
    void SetSize(int32_t value);
    void SetColor(TColor value);
    void SetStyle(TFontStyles value);
    void SetCharset(TFontCharset value);
    void SetPitch(TFontPitch value);
    // Changes the resolution only; the height in pixels stays.
    void SetPixelsPerInch(int32_t value) { FPixelsPerInch = value; }

    // From another font: name, size, colour, style, charset and pitch, one notification.
    void Assign(TPersistent* source) override;

    // Charset, Color, Height, Name and Style.
    void DefineProperties(TTeeFiler& filer) override;
    virtual bool IsCharsetStored() const { return FCharset != DEFAULT_CHARSET; }
    virtual bool IsColorStored() const { return FColor != clWindowText; }
    virtual bool IsHeightStored() const { return true; }
    virtual bool IsNameStored() const { return true; }
    virtual bool IsStyleStored() const { return !FStyle.Empty(); }

private:
    QString FName;
    int32_t FHeight = 0;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
    TFontCharset FCharset = DEFAULT_CHARSET;
    TFontPitch FPitch = fpDefault;
    int32_t FPixelsPerInch = 96;
};
