// Stored properties of the drawing settings and the 3D options: the names and value texts
// that the filer reads and writes.

#include <algorithm>

#include "chart/core/ChartBrush.h"
#include "chart/core/ChartPen.h"
#include "chart/core/TeeFont.h"
#include "chart/core/TeeFontGradient.h"
#include "chart/core/TeeGradient.h"
#include "chart/core/TeeShadow.h"
#include "chart/core/View3DOptions.h"

namespace {

const QStringList penStyleNames{"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
const QStringList penModeNames{"pmBlack",      "pmWhite",     "pmNop",       "pmNot",   "pmCopy",    "pmNotCopy",
                               "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge",
                               "pmMask",       "pmNotMask",   "pmXor",       "pmNotXor"};
const QStringList endStyleNames{"esRound", "esSquare", "esFlat"};
const QStringList brushStyleNames{"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                  "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
const QStringList gradientDirectionNames{"gdTopBottom",   "gdBottomTop",   "gdLeftRight",      "gdRightLeft",
                                         "gdFromCenter",  "gdFromTopLeft", "gdFromBottomLeft", "gdRadial"};
const QStringList fontStyleNames{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

QString ColorText(TColor c)
{
    return TeeIntText(c);
}

TColor TextColor(const QString& text, TColor fallback)
{
    return static_cast<TColor>(TeeTextInt(text, fallback));
}

int32_t TextInt32(const QString& text, int32_t fallback)
{
    const int64_t v = TeeTextInt(text, fallback);
    return v < INT32_MIN || v > INT32_MAX ? fallback : static_cast<int32_t>(v);
}

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

void TPen::DefineProperties(TTeeFiler& filer)
{
    filer.DefineProperty(
        "Color", [this](const QString& v) { SetColor(TextColor(v, FColor)); }, [this] { return ColorText(FColor); },
        IsColorStored());
    filer.DefineProperty(
        "Mode", [this](const QString& v) { SetMode(TeeTextEnum(v, penModeNames, FMode)); },
        [this] { return penModeNames[FMode]; }, IsModeStored());
    filer.DefineProperty(
        "Style", [this](const QString& v) { SetStyle(TeeTextEnum(v, penStyleNames, FStyle)); },
        [this] { return penStyleNames[FStyle]; }, IsStyleStored());
    filer.DefineProperty(
        "Width", [this](const QString& v) { SetWidth(TextInt32(v, FWidth)); }, [this] { return TeeIntText(FWidth); },
        IsWidthStored());
}

void TChartPen::DefineProperties(TTeeFiler& filer)
{
    TPen::DefineProperties(filer);
    filer.DefineProperty(
        "EndStyle", [this](const QString& v) { SetEndStyle(TeeTextEnum(v, endStyleNames, FEndStyle)); },
        [this] { return endStyleNames[FEndStyle]; }, IsEndStyleStored());
    filer.DefineProperty(
        "SmallDots", [this](const QString& v) { SetSmallDots(TeeTextBool(v)); },
        [this] { return TeeBoolText(FSmallDots); }, IsSmallDotsStored());
    filer.DefineProperty(
        "Visible", [this](const QString& v) { SetVisible(TeeTextBool(v)); }, [this] { return TeeBoolText(FVisible); },
        IsVisibleStored());
}

void TBrush::DefineProperties(TTeeFiler& filer)
{
    filer.DefineProperty(
        "Color", [this](const QString& v) { SetColor(TextColor(v, FColor)); }, [this] { return ColorText(FColor); },
        IsColorStored());
    filer.DefineProperty(
        "Style", [this](const QString& v) { SetStyle(TeeTextEnum(v, brushStyleNames, FStyle)); },
        [this] { return brushStyleNames[FStyle]; }, IsStyleStored());
}

void TFont::DefineProperties(TTeeFiler& filer)
{
    filer.DefineProperty(
        "Charset", [this](const QString& v) { SetCharset(static_cast<TFontCharset>(TextInt32(v, FCharset) & 0xFF)); },
        [this] { return TeeIntText(FCharset); }, IsCharsetStored());
    filer.DefineProperty(
        "Color", [this](const QString& v) { SetColor(TextColor(v, FColor)); }, [this] { return ColorText(FColor); },
        IsColorStored());
    filer.DefineProperty(
        "Height", [this](const QString& v) { SetHeight(TextInt32(v, FHeight)); }, [this] { return TeeIntText(FHeight); },
        IsHeightStored());
    filer.DefineProperty(
        "Name", [this](const QString& v) { SetName(TeeUnescapeText(v)); }, [this] { return TeeEscapeText(FName); },
        IsNameStored());
    filer.DefineProperty(
        "Style", [this](const QString& v) { SetStyle(TextFontStyles(v)); }, [this] { return FontStylesText(FStyle); },
        IsStyleStored());
}

void TTeeFont::DefineProperties(TTeeFiler& filer)
{
    TFont::DefineProperties(filer);
    filer.DefineObject("Gradient", [this](TTeeFiler& f) { Gradient()->DefineProperties(f); }, HasGradient());
    filer.DefineProperty(
        "InterCharSize", [this](const QString& v) { SetInterCharSize(TextInt32(v, FInterCharSize)); },
        [this] { return TeeIntText(FInterCharSize); }, IsInterCharSizeStored());
    filer.DefineObject("OutLine", [this](TTeeFiler& f) { OutLine()->DefineProperties(f); }, HasOutLine());
    filer.DefineObject("Shadow", [this](TTeeFiler& f) { Shadow()->DefineProperties(f); }, HasShadow());
}

void TCustomTeeGradient::DefineProperties(TTeeFiler& filer)
{
    filer.DefineProperty(
        "Balance", [this](const QString& v) { SetBalance(TextInt32(v, FBalance)); },
        [this] { return TeeIntText(FBalance); }, FBalance != 50);
    filer.DefineProperty(
        "Direction", [this](const QString& v) { SetDirection(TeeTextEnum(v, gradientDirectionNames, FDirection)); },
        [this] { return gradientDirectionNames[FDirection]; }, FDirection != gdTopBottom);
    filer.DefineProperty(
        "EndColor", [this](const QString& v) { SetEndColor(TextColor(v, FEndColor)); },
        [this] { return ColorText(FEndColor); }, FEndColor != clYellow);
    filer.DefineProperty(
        "MidColor", [this](const QString& v) { SetMidColor(TextColor(v, MidColor())); },
        [this] { return ColorText(MidColor()); }, MidColor() != clNone);
    filer.DefineProperty(
        "RadialX", [this](const QString& v) { SetRadialX(TextInt32(v, FRadialX)); },
        [this] { return TeeIntText(FRadialX); }, FRadialX != 0);
    filer.DefineProperty(
        "RadialY", [this](const QString& v) { SetRadialY(TextInt32(v, FRadialY)); },
        [this] { return TeeIntText(FRadialY); }, FRadialY != 0);
    filer.DefineProperty(
        "StartColor", [this](const QString& v) { SetStartColor(TextColor(v, FStartColor)); },
        [this] { return ColorText(FStartColor); }, FStartColor != clWhite);
    filer.DefineProperty(
        "Visible", [this](const QString& v) { SetVisible(TeeTextBool(v)); }, [this] { return TeeBoolText(FVisible); },
        FVisible);
}

void TTeeFontGradient::DefineProperties(TTeeFiler& filer)
{
    TTeeGradient::DefineProperties(filer);
    filer.DefineProperty(
        "Outline", [this](const QString& v) { SetOutline(TeeTextBool(v)); }, [this] { return TeeBoolText(FOutline); },
        FOutline);
}

void TTeeShadow::DefineProperties(TTeeFiler& filer)
{
    filer.DefineProperty(
        "Color", [this](const QString& v) { SetColor(TextColor(v, FColor)); }, [this] { return ColorText(FColor); },
        IsColorStored());
    filer.DefineProperty(
        "HorizSize", [this](const QString& v) { SetHorizSize(TextInt32(v, FHorizSize)); },
        [this] { return TeeIntText(FHorizSize); }, IsHorizSizeStored());
    filer.DefineProperty(
        "Transparency",
        [this](const QString& v) { SetTransparency(static_cast<TTeeTransparency>(std::clamp<int64_t>(TeeTextInt(v), 0, 100))); },
        [this] { return TeeIntText(FTransparency); }, IsTransparencyStored());
    filer.DefineProperty(
        "VertSize", [this](const QString& v) { SetVertSize(TextInt32(v, FVertSize)); },
        [this] { return TeeIntText(FVertSize); }, IsVertSizeStored());
}

void TView3DOptions::DefineProperties(TTeeFiler& filer)
{
    auto intProperty = [&](const char* name, int32_t& field, int32_t def, void (TView3DOptions::*setter)(int32_t)) {
        filer.DefineProperty(
            name, [this, &field, setter](const QString& v) { (this->*setter)(TextInt32(v, field)); },
            [&field] { return TeeIntText(field); }, field != def);
    };
    auto boolProperty = [&](const char* name, bool& field, void (TView3DOptions::*setter)(bool)) {
        filer.DefineProperty(
            name, [this, setter](const QString& v) { (this->*setter)(TeeTextBool(v)); },
            [&field] { return TeeBoolText(field); }, !field); // both default to true
    };
    intProperty("Elevation", FElevation, DefaultElevation, &TView3DOptions::SetElevation);
    intProperty("HorizOffset", FHorizOffset, 0, &TView3DOptions::SetHorizOffset);
    intProperty("OrthoAngle", FOrthoAngle, DefaultOrthoAngle, &TView3DOptions::SetOrthoAngle);
    boolProperty("Orthogonal", FOrthogonal, &TView3DOptions::SetOrthogonal);
    intProperty("Perspective", FPerspective, DefaultPerspective, &TView3DOptions::SetPerspective);
    intProperty("Rotation", FRotation, DefaultRotation, &TView3DOptions::SetRotation);
    intProperty("Tilt", FTilt, 0, &TView3DOptions::SetTilt);
    intProperty("VertOffset", FVertOffset, 0, &TView3DOptions::SetVertOffset);
    intProperty("Zoom", FZoom, DefaultZoom, &TView3DOptions::SetZoom);
    boolProperty("ZoomText", FZoomText, &TView3DOptions::SetZoomText);
}
