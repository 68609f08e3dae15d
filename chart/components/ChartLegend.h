#pragma once

// The legend: a framed box beside, above or below the plotting area that lists the series
// (optionally with check boxes that switch them on and off) or the values of one series. A
// side legend is one column; a top or bottom legend a grid of columns and rows. Each item
// shows a colour symbol and up to two text columns, and the legend takes its room out of the
// chart rectangle.

#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "chart/components/ChartTitle.h"
#include "chart/core/LegendTextStyle.h"
#include "chart/core/TeeGradient.h"
#include "platform/Exceptions.h"

class TChartSeries;
class TCustomChart;
class TCustomChartLegend;

enum TLegendAlignment { laLeft, laRight, laTop, laBottom };
enum TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };
enum TLegendSymbolPosition { spLeft, spRight };
enum TLegendSymbolSize { lcsPercent, lcsPixels };

class LegendException : public Exception
{
public:
    using Exception::Exception;
};

class TLegendSymbol : public TPersistent
{
public:
    explicit TLegendSymbol(TCustomChartLegend* legend);
    ~TLegendSymbol() override;

    // Every setting but DefaultPen.
    void Assign(TPersistent* Source) override;

    bool Continuous() const { return FContinuous; }
    void SetContinuous(bool value);
    bool DefaultPen() const { return FDefaultPen; }
    void SetDefaultPen(bool value);
    TChartPen* Pen() const { return FPen.get(); }
    void SetPen(TChartPen* value) { FPen->Assign(value); }
    TLegendSymbolPosition Position() const { return FPosition; }
    void SetPosition(TLegendSymbolPosition value);
    bool Squared() const { return FSquared; }
    void SetSquared(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TLegendSymbolSize WidthUnits() const { return FWidthUnits; }
    void SetWidthUnits(TLegendSymbolSize value);

    // Symbol width in pixels for a given text width.
    int CalcWidth(int textWidth);

    // Each setting written only when it differs from a new symbol's.
    void DefineProperties(TTeeFiler& filer);

protected:
    // A changed setting repaints the legend.
    void PropertyChanged() override { Changed(); }

private:
    void Changed();

    TCustomChartLegend* FLegend;
    bool FContinuous = false;
    bool FDefaultPen = true;
    std::unique_ptr<TChartPen> FPen;
    TLegendSymbolPosition FPosition = spLeft;
    bool FSquared = false;
    bool FVisible = true;
    int FWidth = 20;
    TLegendSymbolSize FWidthUnits = lcsPercent;
};

// The legend's gradient: silver to white from right to left.
class TChartLegendGradient : public TTeeGradient
{
public:
    explicit TChartLegendGradient(TNotifyEvent changeHandler = {});
};

class TCustomChartLegend : public TTeeCustomShapePosition
{
public:
    explicit TCustomChartLegend(TCustomChart* AOwner);
    ~TCustomChartLegend() override;

    void Assign(TPersistent* Source) override;
    void DefineProperties(TTeeFiler& filer) override;

    TCustomChart* Chart() const { return FChart; }
    // A legend moved to another panel draws there; only a chart control can draw it.
    void SetParent(TCustomTeePanel* value) override;

    // ---- settings ----
    TLegendAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TLegendAlignment value);
    bool CheckBoxes() const { return FCheckBoxes; }
    void SetCheckBoxes(bool value) { SetProp(FCheckBoxes, value); }
    bool CurrentPage() const { return FCurrentPage; }
    void SetCurrentPage(bool value) { SetProp(FCurrentPage, value); }
    TChartHiddenPen* DividingLines() const { return FDividingLines.get(); }
    void SetDividingLines(TChartPen* value) { FDividingLines->Assign(value); }
    int FirstValue() const { return FFirstValue; }
    // LegendException below 0; the value then stays.
    void SetFirstValue(int value);
    bool FontSeriesColor() const { return FFontSeriesColor; }
    void SetFontSeriesColor(bool value) { SetProp(FFontSeriesColor, value); }
    int HorizMargin() const { return FHorizMargin; }
    void SetHorizMargin(int value) { SetProp(FHorizMargin, value); }
    bool Inverted() const { return FInverted; }
    void SetInverted(bool value) { SetProp(FInverted, value); }
    TLegendStyle LegendStyle() const { return FLegendStyle; }
    void SetLegendStyle(TLegendStyle value);
    int MaxNumRows() const { return FMaxNumRows; }
    void SetMaxNumRows(int value) { SetProp(FMaxNumRows, value); }
    bool ResizeChart() const { return FResizeChart; }
    void SetResizeChart(bool value) { SetProp(FResizeChart, value); }
    TLegendSymbol* Symbol() const { return FSymbol.get(); }
    void SetSymbol(TLegendSymbol* value) { FSymbol->Assign(value); }
    TLegendTextStyle TextStyle() const { return FTextStyle; }
    void SetTextStyle(TLegendTextStyle value);
    int TopPos() const { return FTopPos; }
    void SetTopPos(int value) { SetProp(FTopPos, value); }
    int VertMargin() const { return FVertMargin; }
    void SetVertMargin(int value) { SetProp(FVertMargin, value); }
    int VertSpacing() const { return FVertSpacing; }
    void SetVertSpacing(int value) { SetProp(FVertSpacing, value); }
    int ColorWidth() const { return FSymbol->Width(); }
    void SetColorWidth(int value) { FSymbol->SetWidth(value); }
    // The series whose values a values legend lists; none: the chart's first active one.
    TChartSeries* Series() const { return FSeries; }
    void SetSeries(TChartSeries* value);

    // ---- computed ----
    void CalcLegendStyle();
    TLegendStyle LegendStyleComputed() const { return FComputedStyle; }
    bool Vertical() const { return FAlignment == laLeft || FAlignment == laRight; }
    bool HasCheckBoxes() const { return FCheckBoxes && FComputedStyle != lsValues; }
    bool ShouldDraw();
    TChartSeries* GetLegendSeries();
    TRect GetRectLegend() const { return ShapeRect; }
    void PrepareSymbolPen();
    int CalcItemHeight();
    int TotalLegendItems();
    QString FormattedLegend(int Index);
    QString FormattedValue(TChartSeries* ASeries, int ValueIndex);

    // Layout of the last draw.
    int LastValue() const { return FLastValue; }
    int Columns() const { return FColumns; }
    int Rows() const { return FRows; }
    int ItemCount() const { return FItemCount; }
    int ColumnWidth(int column) const { return FColumnWidths[column]; }
    // Texts of the drawn items by position, two columns each.
    const std::vector<std::array<QString, 2>>& Items() const { return FItems; }

    // Position of the drawn item under (x, y) counted from the first shown, or -1.
    int Clicked(int x, int y);
    // A click on a check box switches the series it shows; true when handled.
    bool DoMouseDown(int x, int y);
    void DrawLegend();

protected:
    // Silver to white (TChartLegendGradient).
    TTeeGradientClass GetGradientClass() const override;

private:
    // The texts of the items from FirstValue to LastValue; the column widths too when asked.
    void BuildTexts(bool widths = true);
    void CalcColumnWidths();
    void DrawItem(int index, int position);
    void DrawCheckBox(int x, int y, bool checked);
    TChartSeries* CheckBoxSeries(int legendIndex);
    int FramePenWidth() const;

    TCustomChart* FChart;
    TLegendAlignment FAlignment = laRight;
    bool FCheckBoxes = false;
    bool FCurrentPage = true;
    std::unique_ptr<TChartHiddenPen> FDividingLines;
    int FFirstValue = 0;
    bool FFontSeriesColor = false;
    int FHorizMargin = 0;
    bool FInverted = false;
    TLegendStyle FLegendStyle = lsAuto;
    int FMaxNumRows = 10;
    bool FResizeChart = true;
    std::unique_ptr<TLegendSymbol> FSymbol;
    TLegendTextStyle FTextStyle = ltsLeftValue;
    int FTopPos = 10;
    int FVertMargin = 0;
    int FVertSpacing = 0;
    TChartSeries* FSeries = nullptr;

    TLegendStyle FComputedStyle = lsAuto;
    int FLastValue = -1;
    int FItemCount = 0;
    int FColumns = 0;
    int FRows = 0;
    int FSymbolWidth = 0;
    int FColumnWidths[2] = {0, 0};
    bool FAutoColumnWidth = true;
    int FTotalWidth = 0;
    int FItemHeight = 0;
    int FTextX = 0;
    int FSymbolX = 0;
    int FCheckBoxX = 0;
    std::vector<std::array<QString, 2>> FItems;
};

class TChartLegend : public TCustomChartLegend
{
public:
    using TCustomChartLegend::TCustomChartLegend;
};
