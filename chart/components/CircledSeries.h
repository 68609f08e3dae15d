#pragma once

// The base of series drawn inside an ellipse instead of against axes: the circle rectangle,
// its centre and radii, angles to points and back, and, while it belongs to a chart, fixed 3D
// view settings in place of the chart's own.

#include <memory>

#include "chart/core/ChartSeries.h"
#include "chart/core/TeeGradient.h"
#include "chart/core/View3DOptions.h"

class TCanvas3D;

class TCircledSeries : public TChartSeries
{
public:
    explicit TCircledSeries(TComponent* AOwner);
    ~TCircledSeries() override;

    TColor CircleBackColor() const { return FCircleBackColor; }
    void SetCircleBackColor(TColor value) { SetColorProperty(FCircleBackColor, value); }
    bool Circled() const { return FCircled; }
    // Also given to every series of the same kind in the chart, whose custom radii return to 0.
    void SetCircled(bool value);
    TTeeGradient* CircleGradient() const { return FCircleGradient.get(); }
    void SetCircleGradient(TTeeGradient* value) { FCircleGradient->Assign(value); }
    int CustomXRadius() const { return FCustomXRadius; }
    void SetCustomXRadius(int value);
    int CustomYRadius() const { return FCustomYRadius; }
    void SetCustomYRadius(int value);
    int RotationAngle() const { return FRotationAngle; }
    // Stored modulo 360.
    void SetRotationAngle(int value);
    void Rotate(int delta) { SetRotationAngle((delta + FRotationAngle) % 360); }

    int XRadius() const { return FXRadius; }
    int YRadius() const { return FYRadius; }
    int CircleXCenter() const { return FCircleXCenter; }
    int CircleYCenter() const { return FCircleYCenter; }
    int CircleWidth() const { return FCircleWidth; }
    int CircleHeight() const { return FCircleHeight; }
    const TRect& CircleRect() const { return FCircleRect; }
    double Rotation() const { return FRotation; }

    // Angles in radians, counter-clockwise, the rotation added.
    TPoint AngleToPos(double angle, double xRadius, double yRadius) const;
    double PointToAngle(int x, int y) const;
    // CircleBackColor, or the back wall's or the chart's colour for clDefault.
    TColor CalcCircleBackColor() const;
    bool HasBackColor() const { return FCircleBackColor != clDefault && FCircleBackColor != clNone; }
    void DrawCircleGradient();
    // Horizontal over vertical pixels per millimetre of the canvas' device; 1 when its sizes
    // are not known.
    static double DevicePixelRatio(TCanvas3D* canvas);

    void Assign(TPersistent* source) override;
    void SetActive(bool value) override;
    void SetParentChart(TCustomAxisPanel* value) override;
    void DoBeforeDrawValues() override;
    void PrepareLegendCanvas(int index, TColor& backColor, TBrushStyle& style) override;
    bool AssociatedToAxis(const TChartAxis*) const override { return true; }
    bool UseAxis() const override { return false; }
    void DefineProperties(TTeeFiler& filer) override;

protected:
    // Saves the chart's 3D settings and puts fixed ones in; restore gives them back.
    void SetParentProperties(bool restore);
    // Shrinks the rectangle for the marks of series, around the circle.
    void ShrinkForMarks(TChartSeries* series, TRect& rect);
    void AdjustCircleRect();
    void CalcRadius();
    void SetCircleRect(const TRect& rect) { FCircleRect = rect; }

private:
    TColor FCircleBackColor = clDefault;
    bool FCircled = false;
    std::unique_ptr<TTeeGradient> FCircleGradient;
    int FCustomXRadius = 0;
    int FCustomYRadius = 0;
    int FRotationAngle = 0;
    int FXRadius = 0;
    int FYRadius = 0;
    std::unique_ptr<TView3DOptions> FSaved3D;
    int FCircleWidth = 0;
    int FCircleHeight = 0;
    int FCircleXCenter = 0;
    int FCircleYCenter = 0;
    TRect FCircleRect;
    double FRotation = 0;
};
