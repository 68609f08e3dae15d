#pragma once

#include <cstdint>

#include "chart/core/TeeGeometry.h"
#include "platform/Colors.h"
#include "platform/TeeFiler.h"
#include "platform/Persistent.h"

class TCanvas3D;

enum TGradientDirection {
    gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft, gdFromCenter, gdFromTopLeft, gdFromBottomLeft, gdRadial
};

// Settings of a gradient fill. The middle colour is in use only while UseMiddle is on; writing
// clNone to it switches it off.
class TCustomTeeGradient : public TPersistent, public TTeeStoredObject
{
public:
    explicit TCustomTeeGradient(TNotifyEvent changeHandler = {});

    int32_t Balance() const { return FBalance; }
    TGradientDirection Direction() const { return FDirection; }
    TColor EndColor() const { return FEndColor; }
    // The middle colour while UseMiddle is on, else clNone.
    TColor MidColor() const { return FUseMiddle ? FMidColor : clNone; }
    int32_t RadialX() const { return FRadialX; }
    int32_t RadialY() const { return FRadialY; }
    TColor StartColor() const { return FStartColor; }
    bool Visible() const { return FVisible; }
    bool UseMiddle() const { return FUseMiddle; }

    void SetBalance(int32_t value);
    void SetDirection(TGradientDirection value);
    void SetEndColor(TColor value);
    void SetMidColor(TColor value);
    void SetRadialX(int32_t value);
    void SetRadialY(int32_t value);
    void SetStartColor(TColor value);
    void SetVisible(bool value);
    void UseMiddleColor();
    // What a gradient starts with where its owner differs from the plain one: set now and kept
    // as the value that needs no storing.
    void SetStartDirection(TGradientDirection value);
    void SetStartColors(TColor start, TColor end);
    void SetStartVisible(bool value);

    // Fills rect on canvas (clipped to a rounded rectangle when roundSize > 0).
    void Draw(TCanvas3D* canvas, const TRect& rect, int32_t roundSize = 0);
    // Fills the quadrilateral: clipped to it, drawn into its bounds.
    void Draw(TCanvas3D* canvas, const TFourPoints& points);
    // The quadrilateral projected at depth z first.
    void Draw(TCanvas3D* canvas, const TFourPoints& points, int32_t z);
    // Ellipses from the end colour at the edge to the start colour at the centre.
    void DrawRadial(TCanvas3D* canvas, const TRect& rect);

    // From another gradient, without notification; other sources are refused.
    void Assign(TPersistent* source) override;

    // Every published property, stored when it differs from its default.
    void DefineProperties(TTeeFiler& filer) override;

    TNotifyEvent OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
    void PropertyChanged() override { Changed(); }

private:
    // What the gradient started with; only what differs is stored.
    TGradientDirection FDefaultDirection = gdTopBottom;
    TColor FDefaultEndColor = clYellow;
    TColor FDefaultStartColor = clWhite;
    bool FDefaultVisible = false;
    int32_t FBalance = 50;
    TGradientDirection FDirection = gdTopBottom;
    TColor FEndColor = clYellow;
    TColor FMidColor = clNone;
    int32_t FRadialX = 0;
    int32_t FRadialY = 0;
    TColor FStartColor = clWhite;
    bool FVisible = false;
    bool FUseMiddle = false;
};

// The published gradient of chart elements.
class TTeeGradient : public TCustomTeeGradient
{
public:
    using TCustomTeeGradient::TCustomTeeGradient;
};
