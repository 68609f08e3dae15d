#pragma once

// The shared base of the line, point and area series: segments between points that nulls
// break, the segment into the chart from the point before the first visible one, stairs, 3D
// ribbons, area pieces down to the origin, point symbols and stacking.

#include <functional>
#include <memory>
#include <utility>

#include "chart/components/CustomLineSeries.h"
#include "chart/components/LineBlockSummary.h"
#include "chart/core/SeriesPointer.h"
#include "chart/core/TeeGradient.h"

enum TCustomSeriesStack { cssNone, cssOverlap, cssStack, cssStack100 };
// The stacking of area series as the area kind offers it.
enum TMultiArea { maNone, maStacked, maStacked100 };

class TCustomSeries;
using TOnGetPointerStyle = std::function<TSeriesPointerStyle(TCustomSeries* sender, int valueIndex)>;
using TOnClickPointer = std::function<void(TCustomSeries* sender, int valueIndex, int x, int y)>;

// A point symbol in a legend rectangle: at most a third of it with a line through it, else
// half of it.
void TeePointerDrawLegend(TSeriesPointer* pointer, TColor colour, const TRect& rect, bool lineVisible);

class TCustomSeries : public TCustomLineSeries
{
public:
    explicit TCustomSeries(TComponent* AOwner);
    ~TCustomSeries() override;

    TChartBrush* AreaChartBrush() const { return FAreaBrush.get(); }
    TColor AreaColor() const { return FAreaColor; }
    void SetAreaColor(TColor value) { SetColorProperty(FAreaColor, value); }
    TChartPen* AreaLinesPen() const { return FAreaLinesPen.get(); }
    bool ClickableLine() const { return FClickableLine; }
    void SetClickableLine(bool value) { FClickableLine = value; }
    bool ColorEachLine() const { return FColorEachLine; }
    void SetColorEachLine(bool value) { SetBooleanProperty(FColorEachLine, value); }
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool value) { SetBooleanProperty(FDark3D, value); }
    bool DrawArea() const { return FDrawArea; }
    void SetDrawArea(bool value) { SetBooleanProperty(FDrawArea, value); }
    bool DrawLine() const { return FDrawLine; }
    void SetDrawLine(bool value) { SetBooleanProperty(FDrawLine, value); }
    bool InvertedStairs() const { return FInvertedStairs; }
    void SetInvertedStairs(bool value) { SetBooleanProperty(FInvertedStairs, value); }
    int LineHeight() const { return FLineHeight; }
    void SetLineHeight(int value) { SetIntegerProperty(FLineHeight, value); }
    TSeriesPointer* Pointer() const { return FPointer.get(); }
    // A wide pen drawn under the line; hidden by default.
    TChartHiddenPen* OutLine() const { return FOutLine.get(); }
    TCustomSeriesStack Stacked() const { return FStacked; }
    // Also given to every series of the same kind in the chart; repaints.
    void SetStacked(TCustomSeriesStack value);
    bool Stairs() const { return FStairs; }
    void SetStairs(bool value) { SetBooleanProperty(FStairs, value); }
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { SetIntegerProperty(FTransparency, value); }
    TOnGetPointerStyle OnGetPointerStyle;
    TOnClickPointer OnClickPointer;

    // The stacked sum below the point, of the same kind's active series.
    double PointOrigin(int index, bool includeSelf) const;
    int CalcStackedPos(int index, double value) const;
    // The pixel of the area's base for the point.
    virtual int GetOriginPos(int index) const;

    void Assign(TPersistent* source) override;
    QString GetEditorClass() const override { return QStringLiteral("TCustomSeriesEditor"); }
    void SetParentChart(TCustomAxisPanel* value) override;
    void CalcHorizMargins(int& left, int& right) override;
    void CalcVerticalMargins(int& top, int& bottom) override;
    void CalcZOrder() override;
    void DrawAllValues() override;
    void DrawValue(int index) override;
    void DrawMark(int index, const QString& text, TSeriesMarkPosition& position) override;
    double MaxXValue() override;
    double MaxYValue() override;
    double MinXValue() override;
    double MinYValue() override;
    int CalcXPos(int index) const override;
    int CalcYPos(int index) const override;
    int Clicked(int x, int y) override;
    void DrawLegendShape(int index, const TRect& rect) override;
    virtual bool ClickedPointer(int index, int x, int y, int pointX, int pointY);
    virtual void DrawPointer(int x, int y, TColor colour, int index);

    // ---- object properties and stored properties (CustomSeriesStored.cpp) ----
    // The styles of the series brush and of the area brush.
    TBrushStyle LineBrush() const { return Brush()->Style(); }
    void SetLineBrush(TBrushStyle value) { Brush()->SetStyle(value); }
    TBrushStyle AreaBrush() const { return FAreaBrush->Style(); }
    void SetAreaBrush(TBrushStyle value) { FAreaBrush->SetStyle(value); }
    // The object setters copy into the owned object.
    void SetAreaChartBrush(TChartBrush* value) { FAreaBrush->Assign(value); }
    void SetAreaLinesPen(TChartPen* value) { FAreaLinesPen->Assign(value); }
    void SetOutLine(TChartPen* value) { FOutLine->Assign(value); }
    void SetPointer(TSeriesPointer* value) { FPointer->Assign(value); }
    // The area gradient; hidden until made visible.
    TTeeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(TTeeGradient* value) { FGradient->Assign(value); }
    // Each property the kind stores, when it differs from what a new series of the kind has.
    void DefineProperties(TTeeFiler& filer) override;
    // The value lists, whose order each kind sets: compared with a new series of the kind.
    void DefineStartProperties(TTeeFiler& filer) override;

protected:
    // The properties a kind stores (a kind stores only those it publishes).
    enum TStoredProperty : unsigned {
        spAreaBrush = 1u << 0, spAreaChartBrush = 1u << 1, spAreaColor = 1u << 2, spAreaLinesPen = 1u << 3,
        spBrush = 1u << 4, spClickableLine = 1u << 5, spColorEachLine = 1u << 6, spDark3D = 1u << 7,
        spDrawArea = 1u << 8, spDrawLine = 1u << 9, spGradient = 1u << 10, spInvertedStairs = 1u << 11,
        spLineBrush = 1u << 12, spLineHeight = 1u << 13, spLinePen = 1u << 14, spOutLine = 1u << 15,
        spPointer = 1u << 16, spStacked = 1u << 17, spStairs = 1u << 18, spTransparency = 1u << 19,
        spValueLists = 1u << 20, spAll = (1u << 21) - 1
    };
    virtual unsigned StoredProperties() const { return spAll; }
    // What the kind's constructor leaves becomes what needs no storing: each kind's
    // constructor ends with this.
    void KeepStartLook();

private:
    bool FStartClickableLine = true;
    bool FStartDrawArea = false;
    bool FStartDrawLine = false;
    std::unique_ptr<TTeeGradient> FGradient;
    // ---- end of object and stored properties ----

private:
    TSeriesPointerStyle PointerStyle(int index);
    // Whether a frame of the series is its symbols alone, each drawn over what is there
    // whatever lies beneath (2D, no line, area or outline, plain symbols in copy mode).
    bool DrawsSymbolsOnly() const;
    // Draws the symbols of such a frame, leaving out each that a later one of the same look
    // at the same pixel covers, and each that cannot reach the clipped plot area
    // (CustomSeriesSymbols.cpp).
    void DrawSymbolsOnly();
    void DrawSegment(TPoint p, TPoint c, int prevOrigin, int origin, TColor colour, int index, bool pointers,
                     bool lastDrawn);
    void DrawRibbon(TPoint p, TPoint c, TColor colour, bool lastDrawn);
    void DrawAreaPiece(TPoint p, TPoint c, int prevOrigin, int origin, TColor colour, bool lastDrawn);
    void DrawAreaStep(TPoint p, TPoint c, int prevOrigin, int origin);
    void DrawAreaPolygon(TPoint p, TPoint c, int prevOrigin, int origin);
    // The face from the point down to its origin, between the series' two depths.
    void DrawClosingFace(TPoint point, int origin);
    TColor AreaColorOf(TColor colour) const;
    double StackedMaximum();

    std::unique_ptr<TChartBrush> FAreaBrush;
    TColor FAreaColor = clDefault;
    std::unique_ptr<TChartPen> FAreaLinesPen;
    bool FClickableLine = true;
    bool FColorEachLine = true;
    bool FDark3D = true;
    bool FDrawArea = false;
    bool FDrawLine = false;
    bool FInvertedStairs = false;
    int FLineHeight = 0;
    std::unique_ptr<TChartHiddenPen> FOutLine;
    std::unique_ptr<TSeriesPointer> FPointer;
    TCustomSeriesStack FStacked = cssNone;
    bool FStairs = false;
    int FTransparency = 0;
    // Faces of the 3D ribbon that rise more steeply than the depth's slope show their
    // underside and are drawn darker.
    double FSlopeRatio = 1.0;
    int FPrevX = 0;
    int FPrevY = 0;
    TColor FPrevColor = clNone;
    // Kept from frame to frame, so that a frame of many symbols can pass over whole blocks
    // of points whose pixels later symbols already cover.
    // Short blocks with their ends: symbols stand further apart than a line's points, and
    // there are fewer of them.
    TLineBlockSummary FSymbolBlocks{64, true};
    int FPrevOrigin = 0;
};

class TLineSeries : public TCustomSeries
{
public:
    explicit TLineSeries(TComponent* AOwner);
    void Assign(TPersistent* source) override;
    void PrepareLegendCanvas(int index, TColor& backColor, TBrushStyle& style) override;

    // Gallery variants (CustomSeriesGallery.cpp).
    void CreateSubGallery(TSubGallery& gallery) override;
    void SetSubGallery(int index) override;

protected:
    unsigned StoredProperties() const override;
};

class THorizLineSeries : public TLineSeries
{
public:
    explicit THorizLineSeries(TComponent* AOwner);
};

class TPointSeries : public TCustomSeries
{
public:
    explicit TPointSeries(TComponent* AOwner);
    void Assign(TPersistent* source) override;
    QString GetEditorClass() const override { return QStringLiteral("TSeriesPointerEditor"); }

    // Gallery variants and look (CustomSeriesGallery.cpp). Whether the gallery offers the
    // point kind's further symbol variants.
    virtual bool CanDoExtra() const { return true; }
    void CreateSubGallery(TSubGallery& gallery) override;
    void SetSubGallery(int index) override;
    void PrepareForGallery(bool isEnabled) override;
    // Also gives the symbols the point colours.
    void SetColorEachPoint(bool value) override;

protected:
    unsigned StoredProperties() const override;

private:
    void ApplyLook();
};

class TAreaSeries : public TCustomSeries
{
public:
    explicit TAreaSeries(TComponent* AOwner);
    bool UseYOrigin() const { return FUseYOrigin; }
    void SetUseYOrigin(bool value) { SetBooleanProperty(FUseYOrigin, value); }
    double YOrigin() const { return FYOrigin; }
    void SetYOrigin(double value) { SetDoubleProperty(FYOrigin, value); }
    int GetOriginPos(int index) const override;
    // The value axis' range takes in YOrigin when the area is drawn from it.
    double MaxXValue() override;
    double MaxYValue() override;
    double MinXValue() override;
    double MinYValue() override;
    void Assign(TPersistent* source) override;
    QString GetEditorClass() const override { return QStringLiteral("TAreaSeriesEditor"); }
    void PrepareLegendCanvas(int index, TColor& backColor, TBrushStyle& style) override;
    void DrawLegendShape(int index, const TRect& rect) override;
    bool DrawSeriesForward(int index) const override;

    // Stacking read from and written to Stacked (CustomSeriesStored.cpp); an unchanged value
    // does nothing.
    TMultiArea MultiArea() const;
    void SetMultiArea(TMultiArea value);
    void DefineProperties(TTeeFiler& filer) override;
    // Gallery variants (CustomSeriesGallery.cpp).
    void CreateSubGallery(TSubGallery& gallery) override;
    void SetSubGallery(int index) override;

protected:
    unsigned StoredProperties() const override;

private:
    bool FUseYOrigin = false;
    double FYOrigin = 0;
};

class THorizAreaSeries : public TAreaSeries
{
public:
    explicit THorizAreaSeries(TComponent* AOwner);
    int NumSampleValues() const override { return 10; }
    // Marks sit to the right of their points.
    void DrawMark(int index, const QString& text, TSeriesMarkPosition& position) override;
};
