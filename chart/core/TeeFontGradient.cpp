#include "chart/core/TeeFontGradient.h"

void TTeeFontGradient::SetOutline(bool value) { SetProp(FOutline, value); }

void TTeeFontGradient::Assign(TPersistent* source)
{
    if (auto* g = dynamic_cast<TTeeFontGradient*>(source))
        FOutline = g->FOutline;
    TTeeGradient::Assign(source);
}

void TTeeFontGradient::DefineProperties(TTeeFiler& filer)
{
    TTeeGradient::DefineProperties(filer);
    TeeDefineBool(filer, "Outline", FOutline, false, [this](bool v) { SetOutline(v); }, false);
}
