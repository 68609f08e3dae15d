#include "chart/core/TeeShadow.h"

#include <algorithm>
#include <utility>

TTeeShadow::TTeeShadow(TNotifyEvent changeHandler) : OnChange(std::move(changeHandler)) {}

void TTeeShadow::SetColor(TColor value) { SetProp(FColor, value); }
void TTeeShadow::SetHorizSize(int32_t value) { SetProp(FHorizSize, value); }
void TTeeShadow::SetVertSize(int32_t value) { SetProp(FVertSize, value); }
void TTeeShadow::SetTransparency(TTeeTransparency value)
{
    // A percent: more than 100 would push blended pixels past the background.
    SetProp(FTransparency, std::min<TTeeTransparency>(value, 100));
}

void TTeeShadow::SetSize(int32_t value)
{
    SetHorizSize(value);
    SetVertSize(value);
}

void TTeeShadow::Assign(TPersistent* source)
{
    if (auto* s = dynamic_cast<TTeeShadow*>(source)) {
        FColor = s->FColor;
        FHorizSize = s->FHorizSize;
        FTransparency = s->FTransparency;
        FVertSize = s->FVertSize;
        return;
    }
    TPersistent::Assign(source);
}

void TTeeShadow::DefineProperties(TTeeFiler& filer)
{
    filer.DefineProperty(
        "Color", [this](const QString& v) { SetColor(TeeTextColor(v, FColor)); }, [this] { return TeeColorText(FColor); },
        IsColorStored());
    filer.DefineProperty(
        "HorizSize", [this](const QString& v) { SetHorizSize(TeeTextInt32(v, FHorizSize)); },
        [this] { return TeeIntText(FHorizSize); }, IsHorizSizeStored());
    filer.DefineProperty(
        "Transparency",
        [this](const QString& v) { SetTransparency(static_cast<TTeeTransparency>(std::clamp<int64_t>(TeeTextInt(v), 0, 100))); },
        [this] { return TeeIntText(FTransparency); }, IsTransparencyStored());
    filer.DefineProperty(
        "VertSize", [this](const QString& v) { SetVertSize(TeeTextInt32(v, FVertSize)); },
        [this] { return TeeIntText(FVertSize); }, IsVertSizeStored());
}
