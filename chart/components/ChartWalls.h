#pragma once

// The four walls that frame the plotting area: back, left, bottom and right. Each is a framed
// shape with a thickness; in 3D a wall is a plane, or a box when it has a size. The chart
// draws the back, bottom and the side walls that lie behind the series before them, and the
// side walls that face the viewer after them.

#include <memory>

#include "chart/core/TeeCustomShape.h"

class TCustomChart;
class TTeeBlend;

class TCustomChartWall : public TTeeCustomShape
{
public:
    explicit TCustomChartWall(TCustomTeePanel* AOwner);

    // From another wall: Dark3D and Size, then the shape's settings.
    void Assign(TPersistent* Source) override;
    void DefineProperties(TTeeFiler& filer) override;

    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool value);
    int Size() const { return FSize; }
    void SetSize(int value);

    // Sets the colour together with the default against which it is stored.
    void InitColor(TColor value);
    TColor DefaultColor() const { return FDefaultColor; }
    bool IsColorStored() const override { return Color() != FDefaultColor; }

    // Thick walls darken their sides unless the fill is clear, an image, or Dark3D is off.
    bool ApplyDark3D() const;
    // The wall has a gradient and it is visible.
    bool HasVisibleGradient() const;

    // Fill effects of a side wall in the vertical plane at x, from the chart top to bottom:
    // a blend (returned, to be ended after the plane is drawn) and a gradient fill that
    // leaves the plane to draw only its frame. Nothing for a transparent wall.
    TTeeBlend* TryDrawWall(int x, int bottom);

protected:
    QString PenName() const override { return QStringLiteral("Pen"); }

private:
    bool FDark3D = true;
    int FSize = 0;
    TColor FDefaultColor = clDefault;
};

class TChartWall : public TCustomChartWall
{
public:
    using TCustomChartWall::TCustomChartWall;
};

class TChartBackWall : public TChartWall
{
public:
    explicit TChartBackWall(TCustomTeePanel* AOwner) : TChartWall(AOwner) { DefaultTransparent = true; }
};

class TChartRightWall : public TChartWall
{
public:
    using TChartWall::TChartWall;
    // The right wall starts hidden.
    bool IsVisibleStored() const override { return Visible(); }
};

class TChartWalls : public TPersistent
{
public:
    explicit TChartWalls(TCustomChart* chart);
    ~TChartWalls() override;

    // From other walls, wall by wall; anything else cannot be assigned.
    void Assign(TPersistent* Source) override;

    TCustomChart* Chart() const { return FChart; }
    TChartBackWall* Back() const { return FBack.get(); }
    TChartWall* Bottom() const { return FBottom.get(); }
    TChartWall* Left() const { return FLeft.get(); }
    TChartRightWall* Right() const { return FRight.get(); }
    void SetBack(TChartBackWall* value) { FBack->Assign(value); }
    void SetBottom(TChartWall* value) { FBottom->Assign(value); }
    void SetLeft(TChartWall* value) { FLeft->Assign(value); }
    void SetRight(TChartRightWall* value) { FRight->Assign(value); }

    // The chart's View3DWalls.
    bool Visible() const;
    void SetVisible(bool value);

private:
    TCustomChart* FChart;
    std::unique_ptr<TChartBackWall> FBack;
    std::unique_ptr<TChartWall> FBottom;
    std::unique_ptr<TChartWall> FLeft;
    std::unique_ptr<TChartRightWall> FRight;
};
