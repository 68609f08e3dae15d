#include "chart/components/GridBandTool.h"

#include <algorithm>

#include "chart/components/Chart.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/TeeBlend.h"
#include "chart/core/Teeconst.h"

// ---- brush ----

void TGridBandBrush::SetTransparency(int value)
{
    SetProp(FTransparency, std::clamp(value, 0, 100));
}

void TGridBandBrush::Assign(TPersistent* source)
{
    if (auto* band = dynamic_cast<TGridBandBrush*>(source)) {
        FBackColor = band->FBackColor;
        FTransparency = band->FTransparency;
    }
    TChartBrush::Assign(source);
}

void TGridBandBrush::DefineProperties(TTeeFiler& filer)
{
    TChartBrush::DefineProperties(filer);
    TeeDefineColor(filer, "BackColor", FBackColor, clNone, [this](TColor v) { SetBackColor(v); });
    TeeDefineInt(filer, "Transparency", FTransparency, 0, [this](int32_t v) { SetTransparency(v); });
}

// ---- tool ----

TGridBandTool::TGridBandTool(TComponent* AOwner) : TTeeCustomToolAxis(AOwner)
{
    auto changed = [this](TObject*) { Repaint(); };
    FBand1 = std::make_unique<TGridBandBrush>(changed);
    FBand2 = std::make_unique<TGridBandBrush>(changed);
    // Light grey and white stripes until told otherwise.
    FBand1->SetColor(clSilver);
    FBand2->SetColor(clWhite);
}

TGridBandTool::~TGridBandTool()
{
    Unhook();
}

QString TGridBandTool::Description() const
{
    return TeeMsg_GridBandTool;
}

void TGridBandTool::Unhook()
{
    if (TChartAxis* axis = Axis())
        axis->OnDrawGrids.Remove(this);
}

// Several tools may paint one axis: each joins and leaves its painters on its own.
void TGridBandTool::SetAxis(TChartAxis* value)
{
    if (value == Axis())
        return;
    Unhook();
    TTeeCustomToolAxis::SetAxis(value);
    if (value)
        value->OnDrawGrids.Add(this, [this](TChartAxis* axis) { DrawGrids(axis); });
}

TColor TGridBandTool::BandBackColor(const TGridBandBrush* band) const
{
    if (band->BackColor() != clNone)
        return band->BackColor();
    if (auto* chart = dynamic_cast<TCustomChart*>(ParentChart()))
        return chart->BackWall()->Color();
    return ParentChart() ? ParentChart()->Color() : clWhite;
}

void TGridBandTool::DrawGrids(TChartAxis* axis)
{
    TCustomAxisPanel* chart = ParentChart();
    const QVector<int32_t>& ticks = axis->TickPositions;
    if (!Active() || !chart || ticks.isEmpty())
        return;
    const qsizetype n = ticks.size() - 1;
    if (!((n > 0 && FBand1->Style() != bsClear) || FBand2->Style() != bsClear))
        return;

    TCanvas3D* canvas = chart->Canvas3D();
    const TRect plot = chart->PlotRect();
    const bool is3D = chart->View3D();
    const int depth = chart->Depth3DHoriz();
    TTeeBlend blend(canvas, TRect());
    canvas->Pen()->SetStyle(psClear);
    TGridBandBrush* band = FBand1.get();
    const bool horizontal = axis->Horizontal();

    auto stripe = [&](int a, int b) {
        if (band->Style() == bsClear)
            return;
        canvas->AssignBrush(band, BandBackColor(band));
        // Ordered, so that the one pixel the clear pen leaves is taken back on the right side.
        TRect r = horizontal ? TRect(std::min(a, b), plot.Top, std::max(a, b), plot.Bottom)
                             : TRect(plot.Left + 1, std::min(a, b), plot.Right, std::max(a, b) + 1);
        const int transparency = band->Transparency();
        if (transparency > 0)
            blend.SetRectangle(is3D ? canvas->CalcRect3D(r, depth) : r);
        if (is3D) {
            canvas->RectangleWithZ(r, depth);
        } else {
            ++r.Right;
            canvas->Rectangle(r);
        }
        if (transparency > 0)
            blend.DoBlend(static_cast<uint8_t>(transparency));
    };
    auto toggle = [&] { band = band == FBand1.get() ? FBand2.get() : FBand1.get(); };

    // The outer stripes reach from the first and the last grid line to the axis ends beyond
    // them (the right end less one pixel, the top end one pixel in). The grid lines mostly run
    // from the maximum down, so the first one lies towards the end pixel when the ticks fall
    // in pixels; a single one lies towards the end where the maximum is.
    const int start = axis->StartPixel;
    const int end = axis->EndPixel;
    const int startEdge = horizontal ? start : start + 1;
    const int endEdge = horizontal ? end - 1 : end;
    const bool firstTowardsEnd = n > 0 ? ticks[0] > ticks[n] : horizontal != axis->Inverted();
    if (firstTowardsEnd ? ticks[0] < end : start < ticks[0]) {
        stripe(firstTowardsEnd ? endEdge : startEdge, ticks[0]);
        band = FBand2.get();
    }
    for (qsizetype i = 0; i < n; ++i) {
        stripe(ticks[i], ticks[i + 1]);
        toggle();
    }
    if (firstTowardsEnd ? start < ticks[n] : ticks[n] < end)
        stripe(ticks[n], firstTowardsEnd ? startEdge : endEdge);
}

void TGridBandTool::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomToolAxis::DefineProperties(filer);
    TeeDefineObject(filer, "Band1", FBand1.get());
    TeeDefineObject(filer, "Band2", FBand2.get());
}
