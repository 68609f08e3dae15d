#include "chart/components/ColorBandTool.h"

#include <algorithm>
#include <utility>

#include "chart/core/ChartAxis.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/Teeconst.h"

TColorBandTool::TColorBandTool(TComponent* AOwner)
    : TTeeCustomToolAxis(AOwner),
      FGradient(std::make_unique<TTeeGradient>([this](TObject* sender) { CanvasChanged(sender); }))
{
}

TColorBandTool::~TColorBandTool() = default;

QString TColorBandTool::Description() const
{
    return TeeMsg_ColorBandTool;
}

void TColorBandTool::SetGradient(TTeeGradient* value)
{
    FGradient->Assign(value);
}

void TColorBandTool::PaintBand()
{
    TChartAxis* axis = Axis();
    TCustomAxisPanel* chart = ParentChart();
    if (!axis || !chart)
        return;
    double s = FStartValue;
    double e = FEndValue;
    // The start is the end nearer the axis start pixel.
    if (axis->Inverted() ? s < e : s > e)
        std::swap(s, e);
    if (std::min(s, e) > axis->Maximum() || std::max(s, e) < axis->Minimum())
        return;
    const int z = FDrawBehind ? chart->Depth3DHoriz() : 0;
    const bool penShown = Pen()->Visible();
    TRect r = chart->PlotRect();
    if (axis->Horizontal()) {
        r.Left = std::max(axis->StartPixel, axis->CalcPosValue(s));
        r.Right = std::min(axis->EndPixel, axis->CalcPosValue(e));
        if (!penShown)
            ++r.Right;
    } else {
        r.Top = std::max(axis->StartPixel, axis->CalcPosValue(e));
        r.Bottom = std::min(axis->EndPixel, axis->CalcPosValue(s));
        ++r.Left;
        if (!penShown) {
            ++r.Bottom;
            ++r.Right;
        }
    }
    TCanvas3D* canvas = chart->Canvas3D();
    const bool is3D = chart->View3D();
    // Without a pen the band covers the pixels of both its values, one pixel for equal ones.
    // A gradient, and a flat rectangle with no pen, leave out one more column or row at the
    // right or bottom than a polygon does: there they are taken one pixel further.
    TRect shade(r.Left, r.Top, r.Right - 1, r.Bottom - 1);
    TRect fill = r;
    if (!penShown) {
        ++(axis->Horizontal() ? shade.Right : shade.Bottom);
        if (!is3D)
            ++(axis->Horizontal() ? fill.Right : fill.Bottom);
    }
    canvas->AssignBrushColor(Brush(), FColor, clNone);
    canvas->AssignVisiblePen(Pen());
    if (FGradient->Visible() && (!canvas->View3DOptions || canvas->View3DOptions->Orthogonal())) {
        FGradient->Draw(canvas, canvas->CalcRect3D(shade, z));
        canvas->Brush()->SetStyle(bsClear);
    }
    TTeeBlend* blend = nullptr;
    if (FTransparency > 0)
        blend = canvas->BeginBlending(is3D ? canvas->CalcRect3D(r, z) : r,
                                      static_cast<uint8_t>(std::min(FTransparency, 100)));
    if (is3D)
        canvas->RectangleWithZ(r, z);
    else
        canvas->Rectangle(fill);
    canvas->EndBlending(blend);
}

void TColorBandTool::ChartEvent(TChartToolEvent event)
{
    TTeeCustomToolAxis::ChartEvent(event);
    if (event == (FDrawBehind ? cteBeforeDrawSeries : cteAfterDraw))
        PaintBand();
}

void TColorBandTool::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomToolAxis::DefineProperties(filer);
    TeeDefineObject(filer, "Brush", Brush());
    TeeDefineColor(filer, "Color", FColor, clWhite, [this](TColor v) { SetColor(v); });
    TeeDefineBool(filer, "DrawBehind", FDrawBehind, true, [this](bool v) { SetDrawBehind(v); });
    TeeDefineFloat(filer, "EndValue", FEndValue, 0.0, [this](double v) { SetEndValue(v); });
    TeeDefineObject(filer, "Gradient", FGradient.get());
    TeeDefineObject(filer, "Pen", Pen());
    TeeDefineFloat(filer, "StartValue", FStartValue, 0.0, [this](double v) { SetStartValue(v); });
    // Only a percentage is a transparency.
    TeeDefineInt(filer, "Transparency", FTransparency, 0, [this](int v) {
        if (v >= 0 && v <= 100)
            SetTransparency(v);
    });
}
