#pragma once

// A series drawn as one polyline with the least work per point: positions straight from the
// axes, no stacking, filling or symbols. Points that cannot change a pixel are not drawn, and
// with AutoRepaint off a new point is drawn at once as one more segment.

#include <optional>

#include "chart/components/AxisPixelMap.h"
#include "chart/components/CustomLineSeries.h"
#include "chart/components/LineBlockSummary.h"
#include "chart/components/PixelColumnPath.h"

class TFastLineSeries : public TCustomLineSeries
{
public:
    explicit TFastLineSeries(TComponent* AOwner);

    bool AutoRepaint() const { return FAutoRepaint; }
    void SetAutoRepaint(bool value) { FAutoRepaint = value; }
    bool DrawAllPoints() const { return FDrawAllPoints; }
    void SetDrawAllPoints(bool value) { SetBooleanProperty(FDrawAllPoints, value); }
    bool FastPen() const { return FFastPen; }
    // Our device has no stock pen whose colour can be set: the switch is kept off.
    void SetFastPen(bool) {}
    bool IgnoreNulls() const { return FIgnoreNulls; }
    void SetIgnoreNulls(bool value) { SetBooleanProperty(FIgnoreNulls, value); }
    bool InvertedStairs() const { return FInvertedStairs; }
    void SetInvertedStairs(bool value) { SetBooleanProperty(FInvertedStairs, value); }
    bool Stairs() const { return FStairs; }
    void SetStairs(bool value) { SetBooleanProperty(FStairs, value); }

    // The point's pixel from the two axes, without stacking.
    TPoint CalcPosition(int index) const;
    // The summary of the points' blocks brought up to their values, for a search over many
    // points.
    const TLineBlockSummary& BlockSummary()
    {
        FBlocks.Update(XValues(), YValues());
        return FBlocks;
    }

    void Assign(TPersistent* source) override;
    // Stored: the five switches when they differ from their start values, and LinePen.
    void DefineProperties(TTeeFiler& filer) override;
    QString GetEditorClass() const override { return QStringLiteral("TFastLineSeriesEditor"); }
    // The line colour follows the series colour and back.
    void SetPen(TChartPen* value) override;
    void SetSeriesColor(TColor value) override;
    void CalcHorizMargins(int& left, int& right) override;
    void CalcVerticalMargins(int& top, int& bottom) override;
    void DrawAllValues() override;
    void DrawValue(int index) override;
    void DrawMark(int index, const QString& text, TSeriesMarkPosition& position) override;
    void DrawLegendShape(int index, const TRect& rect) override;
    void PrepareLegendCanvas(int index, TColor& backColor, TBrushStyle& style) override;
    void NotifyNewValue(TChartSeries* sender, int valueIndex) override;
    int Clicked(int x, int y) override;
    // Gallery variants: 1 marks, 2 dotted line, 3 stairs.
    void CreateSubGallery(TSubGallery& gallery) override;
    void SetSubGallery(int index) override;

private:
    // DrawValue without the virtual call, positions from the frame's pixel maps when set.
    void DrawPoint(int index);
    TPoint Position(int index) const
    {
        if (FXMap)
            return TPoint((*FXMap)(XValues()->GetValue(index)), (*FYMap)(YValues()->GetValue(index)));
        return CalcPosition(index);
    }
    void PrepareCanvas();
    void DoMove(int x, int y);
    void DoLine(int x, int y)
    {
        if (FPath && !FPath3D)
            FPath->LineTo(TPoint(x, y));
        else
            DoLineProjected(x, y);
    }
    void DoLineProjected(int x, int y);
    // The margin a pen of this width needs on each side.
    int PenMargin() const;

    bool FAutoRepaint = true;
    bool FDrawAllPoints = true;
    bool FFastPen = false;
    bool FIgnoreNulls = true;
    bool FInvertedStairs = false;
    bool FStairs = false;
    int FLastX = 0;
    int FLastY = 0;
    // The last point was null and nulls are not ignored: the next one starts anew.
    bool FLastNull = false;
    // While a frame draws all values, lines go through the column path instead of the canvas.
    TPixelColumnPath* FPath = nullptr;
    bool FPath3D = false;
    TPixelColumnPath FColumnPath;
    // Of the points, for reducing many of them to pixel columns at once.
    // Long blocks: a line of ten million points has twenty thousand to a pixel column, and
    // its summary stays small.
    TLineBlockSummary FBlocks{512, false};
    // The axes' conversions while a frame draws all values.
    std::optional<TAxisPixelMap> FXMap;
    std::optional<TAxisPixelMap> FYMap;
};
