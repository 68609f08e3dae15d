#include "chart/components/ChartWalls.h"

#include "chart/components/Chart.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/TeeGradient.h"

TCustomChartWall::TCustomChartWall(TCustomTeePanel* AOwner) : TTeeCustomShape(AOwner)
{
    TTeeCustomShape::SetColor(clDefault);
}

void TCustomChartWall::SetDark3D(bool value)
{
    SetProp(FDark3D, value);
}

void TCustomChartWall::SetSize(int value)
{
    SetProp(FSize, value);
}

void TCustomChartWall::InitColor(TColor value)
{
    FDefaultColor = value;
    SetColor(value);
}

bool TCustomChartWall::ApplyDark3D() const
{
    return Brush()->Style() != bsClear && !Brush()->HasImage() && FDark3D;
}

bool TCustomChartWall::HasVisibleGradient() const
{
    return HasGradient() && const_cast<TCustomChartWall*>(this)->Gradient()->Visible();
}

void TCustomChartWall::Assign(TPersistent* Source)
{
    if (auto* w = dynamic_cast<TCustomChartWall*>(Source)) {
        SetDark3D(w->FDark3D);
        SetSize(w->FSize);
    }
    TTeeCustomShape::Assign(Source);
}

void TCustomChartWall::DefineProperties(TTeeFiler& filer)
{
    // The colour is stored against the wall's own default (IsColorStored).
    TTeeCustomShape::DefineProperties(filer);
    // A bad text reads as false or as no size, whatever the value held.
    TeeDefineBool(filer, "Dark3D", FDark3D, true, [this](bool v) { SetDark3D(v); }, false);
    TeeDefineInt(filer, "Size", FSize, 0, [this](int32_t v) { SetSize(v); }, 0);
}

TTeeBlend* TCustomChartWall::TryDrawWall(int x, int bottom)
{
    TCustomTeePanel* panel = Parent();
    if (!panel || Transparent())
        return nullptr;
    TCanvas3D* canvas = panel->Canvas3D();
    const int top = panel->PlotRect().Top;
    const int depth = panel->Depth3DHoriz();
    TFourPoints p;
    p[0] = canvas->Calculate3DPosition(x, top, 0);
    p[1] = canvas->Calculate3DPosition(x, top, depth);
    p[2] = canvas->Calculate3DPosition(x, bottom, depth);
    p[3] = canvas->Calculate3DPosition(x, bottom, 0);
    TTeeBlend* blend = nullptr;
    if (Transparency() > 0)
        blend = canvas->BeginBlending(RectFromPolygon(p.data(), 4), static_cast<uint8_t>(Transparency()));
    if (HasVisibleGradient()) {
        Gradient()->Draw(canvas, p);
        canvas->Brush()->SetStyle(bsClear);
    }
    return blend;
}

// ---- the four walls ----

TChartWalls::TChartWalls(TCustomChart* chart) : FChart(chart)
{
    FBack = std::make_unique<TChartBackWall>(chart);
    FBack->InitColor(0xC0C0C0);
    FBack->SetTransparent(true);
    FLeft = std::make_unique<TChartWall>(chart);
    FLeft->InitColor(0x80FFFF);
    FBottom = std::make_unique<TChartWall>(chart);
    FBottom->InitColor(0xFFFFFF);
    FRight = std::make_unique<TChartRightWall>(chart);
    FRight->SetVisible(false);
    FRight->InitColor(0xC0C0C0);
}

TChartWalls::~TChartWalls() = default;

void TChartWalls::Assign(TPersistent* Source)
{
    if (auto* w = dynamic_cast<TChartWalls*>(Source)) {
        FBack->Assign(w->FBack.get());
        FBottom->Assign(w->FBottom.get());
        FLeft->Assign(w->FLeft.get());
        FRight->Assign(w->FRight.get());
        return;
    }
    TPersistent::Assign(Source);
}

bool TChartWalls::Visible() const { return FChart->View3DWalls(); }

void TChartWalls::SetVisible(bool value) { FChart->SetView3DWalls(value); }
