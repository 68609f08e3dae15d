#pragma once

// The small symbol a line or point series draws at each point: a rectangle, circle, triangle,
// cross, star, diamond, dot and the like, flat or as a 3D solid over the series' depth slot,
// optionally filled with a gradient.

#include <memory>

#include "chart/core/TeeCustomShape.h"
#include "chart/core/TeeGeometry.h"
#include "platform/Colors.h"

class TCanvas3D;
class TChartSeries;
class TTeeGradient;

enum TSeriesPointerStyle {
    psRectangle, psCircle, psTriangle, psDownTriangle, psCross, psDiagCross, psStar, psDiamond, psSmallDot,
    psNothing, psLeftTriangle, psRightTriangle
};

class TSeriesPointer : public TTeeCustomShapeBrushPen
{
public:
    // The parent panel is the series' chart.
    explicit TSeriesPointer(TChartSeries* series);
    ~TSeriesPointer() override;

    TChartSeries* Series() const { return FSeries; }
    // The panel drawn on: the series' chart, which it may join after the pointer is made,
    // else the parent given.
    TCustomTeePanel* Panel() const;

    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool value);
    bool Draw3D() const { return FDraw3D; }
    void SetDraw3D(bool value);
    TTeeGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(TTeeGradient* value);
    int HorizSize() const { return FHorizSize; }
    // ChartException for a size of 0 or less; the old size stays.
    void SetHorizSize(int value);
    int VertSize() const { return FVertSize; }
    void SetVertSize(int value);
    bool InflateMargins() const { return FInflateMargins; }
    void SetInflateMargins(bool value);
    TSeriesPointerStyle Style() const { return FStyle; }
    void SetStyle(TSeriesPointerStyle value);
    // Off: the gradient's end colour follows the point colour.
    bool FullGradient() const { return FFullGradient; }
    void SetFullGradient(bool value) { FFullGradient = value; }

    // Store without check or repaint, for series types that set a look when they are made.
    void ChangeStyle(TSeriesPointerStyle value) { FStyle = value; }
    void ChangeHorizSize(int value) { FHorizSize = value; }
    void ChangeVertSize(int value) { FVertSize = value; }
    void Change3D(bool value) { FDraw3D = value; }

    // The brush colour.
    TColor GetColor() const;
    void SetColor(TColor value);

    // The series' depth slot of the current frame; 0 without a series.
    int GetStartZ() const;
    int GetMiddleZ() const;
    int GetEndZ() const;

    // Room the axes leave for the symbol: at least the half size plus one.
    void CalcHorizMargins(int& left, int& right) const;
    void CalcVerticalMargins(int& top, int& bottom) const;

    // Pen and brush of canvas for a symbol in colour; clDefault in the pointer's own settings
    // means colour (a non-solid brush with clDefault draws black).
    void PrepareCanvas(TCanvas3D* canvas, TColor colour);
    void PrepareCanvas();

    // On the parent panel's canvas, with the pointer's sizes.
    void Draw(int x, int y);
    void Draw(TPoint p) { Draw(p.X, p.Y); }
    void Draw(int x, int y, TColor colour, TSeriesPointerStyle style);
    // One symbol centred at (x, y), h and v half sizes, with the pen and brush already set.
    void DrawPointer(TCanvas3D* canvas, bool is3D, int x, int y, int h, int v, TColor colour,
                     TSeriesPointerStyle style);

    // From another pointer: Dark3D, Draw3D, Gradient, the sizes, InflateMargins and Style;
    // then brush, pen and Visible.
    void Assign(TPersistent* Source) override;
    void DefineProperties(TTeeFiler& filer) override;

    // Visible is stored only when it differs from this; a series kind that starts its pointer
    // hidden sets it too.
    bool DefaultVisible() const { return FDefaultVisible; }
    void SetDefaultVisible(bool value) { FDefaultVisible = value; }

protected:
    bool IsVisibleStored() const override { return Visible() != FDefaultVisible; }
    // Stored defaults of the derived callouts.
    bool FDefaultDraw3D = true;
    bool FDefaultVisible = true;

private:
    void DrawShape(TCanvas3D* canvas, bool is3D, const TRect& box, int x, int y, TSeriesPointerStyle style);
    void DrawGradient(TCanvas3D* canvas, bool is3D, const TRect& box, int x, int y, TColor colour,
                      TSeriesPointerStyle style);

    bool FDark3D = true;
    bool FDraw3D = true;
    std::unique_ptr<TTeeGradient> FGradient;
    int FHorizSize = 4;
    bool FInflateMargins = true;
    TChartSeries* FSeries;
    TSeriesPointerStyle FStyle = psRectangle;
    int FVertSize = 4;
    bool FFullGradient = false;
};
