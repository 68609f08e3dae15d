#pragma once

// Fills the stripes between consecutive grid lines of an axis with two alternating brushes.

#include <memory>

#include "chart/core/ChartBrush.h"
#include "chart/core/TeeCustomTool.h"

// A band's fill: a chart brush with a colour behind its hatches and a transparency.
class TGridBandBrush : public TChartBrush
{
public:
    using TChartBrush::TChartBrush;

    // clNone: the chart's back wall colour.
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor value) { SetProp(FBackColor, value); }
    // Percent, kept within 0..100.
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value);

    void Assign(TPersistent* source) override;
    void DefineProperties(TTeeFiler& filer) override;

private:
    TColor FBackColor = clNone;
    int FTransparency = 0;
};

class TGridBandTool : public TTeeCustomToolAxis
{
public:
    explicit TGridBandTool(TComponent* AOwner);
    // Leaves the axis' grid drawing first.
    ~TGridBandTool() override;

    TGridBandBrush* Band1() const { return FBand1.get(); }
    TGridBandBrush* Band2() const { return FBand2.get(); }
    void SetBand1(TGridBandBrush* value) { FBand1->Assign(value); }
    void SetBand2(TGridBandBrush* value) { FBand2->Assign(value); }
    // The band's BackColor, or the chart's back wall colour for clNone.
    TColor BandBackColor(const TGridBandBrush* band) const;

    // Leaves the old axis' grid drawing and joins the new one's.
    void SetAxis(TChartAxis* value) override;
    // Paints the stripes of the axis; the axis calls it when it draws its grid.
    void DrawGrids(TChartAxis* axis);
    QString GetEditorClass() const override { return QStringLiteral("TGridBandToolEdit"); }
    QString Description() const override;
    void DefineProperties(TTeeFiler& filer) override;

private:
    void Unhook();

    std::unique_ptr<TGridBandBrush> FBand1;
    std::unique_ptr<TGridBandBrush> FBand2;
};
