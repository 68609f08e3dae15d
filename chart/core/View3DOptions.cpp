#include "chart/core/View3DOptions.h"

#include <cmath>

#include "chart/core/TeeGeometry.h"

TView3DOptions::TView3DOptions(TView3DParent* parent) : FParent(parent) {}

void TView3DOptions::Repaint()
{
    if (FParent)
        FParent->Invalidate();
}

void TView3DOptions::SetElevation(int32_t value) { SetProp(FElevation, value); }
void TView3DOptions::SetOrthogonal(bool value) { SetProp(FOrthogonal, value); }
void TView3DOptions::SetOrthoAngle(int32_t value) { SetProp(FOrthoAngle, value); }
void TView3DOptions::SetPerspective(int32_t value) { SetProp(FPerspective, value); }
void TView3DOptions::SetRotation(int32_t value) { SetProp(FRotation, value); }
void TView3DOptions::SetTilt(int32_t value) { SetProp(FTilt, value); }
void TView3DOptions::SetZoomText(bool value) { SetProp(FZoomText, value); }

void TView3DOptions::SetHorizOffset(int32_t value)
{
    if (SetProp(FHorizOffset, value) && OnScrolled) // also tells that the view scrolled
        OnScrolled(true);
}

void TView3DOptions::SetVertOffset(int32_t value)
{
    if (SetProp(FVertOffset, value) && OnScrolled) // also tells that the view scrolled
        OnScrolled(false);
}

void TView3DOptions::SetZoom(int32_t value)
{
    // Told before the change, so a handler still sees the old zoom.
    if (FZoom != value && OnChangedZoom)
        OnChangedZoom(value);
    SetProp(FZoom, value);
}

void TView3DOptions::Assign(TPersistent* source)
{
    const auto* other = dynamic_cast<const TView3DOptions*>(source);
    if (!other)
        return;
    FElevation = other->FElevation;
    FHorizOffset = other->FHorizOffset;
    FOrthoAngle = other->FOrthoAngle;
    FOrthogonal = other->FOrthogonal;
    FPerspective = other->FPerspective;
    FRotation = other->FRotation;
    FTilt = other->FTilt;
    FVertOffset = other->FVertOffset;
    FZoom = other->FZoom;
    FZoomText = other->FZoomText;
}

double TView3DOptions::CalcOrthoRatio() const
{
    if (!FOrthogonal)
        return 1.0;
    long double angle = FOrthoAngle;
    if (FOrthoAngle > 90)
        angle = 180 - static_cast<long double>(FOrthoAngle);
    return static_cast<double>(std::tan(angle * static_cast<long double>(TeePiStep)));
}

void TView3DOptions::DefineProperties(TTeeFiler& filer)
{
    auto intProperty = [&](const char* name, int32_t field, int32_t def, void (TView3DOptions::*setter)(int32_t)) {
        TeeDefineInt(filer, name, field, def, [this, setter](int32_t v) { (this->*setter)(v); });
    };
    // Both flags start true; a bad text reads as false.
    auto boolProperty = [&](const char* name, bool field, void (TView3DOptions::*setter)(bool)) {
        TeeDefineBool(filer, name, field, true, [this, setter](bool v) { (this->*setter)(v); }, false);
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
