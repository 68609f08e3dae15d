#include "chart/core/TeeFont.h"

#include <utility>

#include "chart/core/TeCanvasSettings.h"

TTeeFont::TTeeFont(TNotifyEvent changeHandler)
{
    // The starting values are not changes an owner needs to hear about.
    SetColor(clBlack);
    SetCharset(DEFAULT_CHARSET);
    SetName(GetDefaultFontName);
    SetSize(GetDefaultFontSize);
    OnChange = std::move(changeHandler);
}

TTeeFont::~TTeeFont() = default;

TTeeFontGradient* TTeeFont::Gradient()
{
    if (!FGradient)
        FGradient = std::make_unique<TTeeFontGradient>(SubObjectHandler());
    return FGradient.get();
}

TChartHiddenPen* TTeeFont::OutLine()
{
    if (!FOutLine)
        FOutLine = std::make_unique<TChartHiddenPen>(SubObjectHandler());
    return FOutLine.get();
}

TTeeShadow* TTeeFont::Shadow()
{
    if (!FShadow)
        FShadow = std::make_unique<TTeeShadow>(SubObjectHandler());
    return FShadow.get();
}

void TTeeFont::SetGradient(TTeeFontGradient* value)
{
    if (!value)
        FGradient.reset();
    else if (value != FGradient.get())
        Gradient()->Assign(value);
}

void TTeeFont::SetOutLine(TChartHiddenPen* value)
{
    if (!value)
        FOutLine.reset();
    else if (value != FOutLine.get())
        OutLine()->Assign(value);
}

void TTeeFont::SetShadow(TTeeShadow* value)
{
    if (!value)
        FShadow.reset();
    else if (value != FShadow.get())
        Shadow()->Assign(value);
}

void TTeeFont::SetInterCharSize(int32_t value) { SetProp(FInterCharSize, value); }

void TTeeFont::Assign(TPersistent* source)
{
    if (auto* font = dynamic_cast<TTeeFont*>(source)) {
        SetGradient(font->FGradient.get());
        FInterCharSize = font->FInterCharSize;
        SetOutLine(font->FOutLine.get());
        SetShadow(font->FShadow.get());
    }
    TFont::Assign(source);
}

bool TTeeFont::IsHeightStored() const
{
    return Size() != GetDefaultFontSize;
}

bool TTeeFont::IsNameStored() const
{
    return Name() != GetDefaultFontName;
}

void TTeeFont::DefineProperties(TTeeFiler& filer)
{
    TFont::DefineProperties(filer);
    filer.DefineObject("Gradient", [this](TTeeFiler& f) { Gradient()->DefineProperties(f); }, HasGradient());
    TeeDefineInt(filer, "InterCharSize", FInterCharSize, TeeStored(IsInterCharSizeStored()),
                 [this](int32_t v) { SetInterCharSize(v); });
    filer.DefineObject("OutLine", [this](TTeeFiler& f) { OutLine()->DefineProperties(f); }, HasOutLine());
    filer.DefineObject("Shadow", [this](TTeeFiler& f) { Shadow()->DefineProperties(f); }, HasShadow());
}
