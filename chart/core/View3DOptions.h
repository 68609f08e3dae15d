#pragma once

#include <cstdint>
#include <functional>

#include "platform/TeeFiler.h"
#include "platform/Classes.h"

// What the 3D options repaint when a setting changes: the owning windowed control.
class TView3DParent
{
public:
    virtual ~TView3DParent() = default;
    // Marks the control for a later repaint; nothing is drawn synchronously.
    virtual void Invalidate() = 0;
};

// Raised after an offset changed: true for the horizontal offset.
using TTeeView3DScrolled = std::function<void(bool isHoriz)>;
// Raised with the new zoom before it is stored.
using TTeeView3DChangedZoom = std::function<void(int32_t newZoom)>;

// The user-visible 3D view settings of a chart panel. Any integer is accepted: angles are
// used modulo a full turn and a perspective of 0 or less means none.
class TView3DOptions : public TPersistent, public TTeeStoredObject
{
public:
    explicit TView3DOptions(TView3DParent* parent);

    int32_t Elevation() const { return FElevation; }
    int32_t HorizOffset() const { return FHorizOffset; }
    bool Orthogonal() const { return FOrthogonal; }
    int32_t OrthoAngle() const { return FOrthoAngle; }
    int32_t Perspective() const { return FPerspective; }
    int32_t Rotation() const { return FRotation; }
    int32_t Tilt() const { return FTilt; }
    int32_t VertOffset() const { return FVertOffset; }
    int32_t Zoom() const { return FZoom; }
    bool ZoomText() const { return FZoomText; }
    TView3DParent* Parent() const { return FParent; }

    void SetElevation(int32_t value);
    void SetHorizOffset(int32_t value);
    void SetOrthogonal(bool value);
    void SetOrthoAngle(int32_t value);
    void SetPerspective(int32_t value);
    void SetRotation(int32_t value);
    void SetTilt(int32_t value);
    void SetVertOffset(int32_t value);
    void SetZoom(int32_t value);
    void SetZoomText(bool value);

    // Copies the ten settings of another TView3DOptions without repainting; any other
    // source is ignored.
    void Assign(TPersistent* source) override;

    // The ten published settings, each stored when it differs from its default; the events
    // are not stored.
    void DefineProperties(TTeeFiler& filer) override;

    // 1.0 when not orthogonal, else the tangent of the ortho angle (mirrored above 90).
    double CalcOrthoRatio() const;

    // Invalidates the parent.
    void Repaint();

    // Stored defaults of the published properties.
    static constexpr int32_t DefaultElevation = 345;
    static constexpr int32_t DefaultOrthoAngle = 45;
    static constexpr int32_t DefaultPerspective = 15;
    static constexpr int32_t DefaultRotation = 345;
    static constexpr int32_t DefaultZoom = 100;

    TTeeView3DScrolled OnScrolled;
    TTeeView3DChangedZoom OnChangedZoom;

protected:
    void PropertyChanged() override { Repaint(); }

private:

    int32_t FElevation = DefaultElevation;
    int32_t FHorizOffset = 0;
    bool FOrthogonal = true;
    int32_t FOrthoAngle = DefaultOrthoAngle;
    int32_t FPerspective = DefaultPerspective;
    int32_t FRotation = DefaultRotation;
    int32_t FTilt = 0;
    int32_t FVertOffset = 0;
    int32_t FZoom = DefaultZoom;
    bool FZoomText = true;
    TView3DParent* FParent = nullptr;
};
