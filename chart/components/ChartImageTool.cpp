#include "chart/components/ChartImageTool.h"

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/TeeGeometry.h"
#include "chart/core/TeeEngineSettings.h"
#include "chart/core/Teeconst.h"

TChartImageTool::TChartImageTool(TComponent* AOwner)
    : TTeeCustomToolSeries(AOwner), FPicture(std::make_unique<TPicture>([this](TObject*) { Repaint(); }))
{
}

TChartImageTool::~TChartImageTool() = default;

QString TChartImageTool::Description() const
{
    return TeeMsg_ImageTool;
}

void TChartImageTool::LoadPicture(const QString& fileName)
{
    if (!FPicture->LoadFromFile(fileName)) {
        FPicture->Clear();
        throw EInvalidGraphic(QStringLiteral("Cannot read a picture from \"%1\"").arg(fileName));
    }
}

void TChartImageTool::SetSeries(TChartSeries* value)
{
    if (value == Series())
        return;
    TTeeCustomToolSeries::SetSeries(value);
    Repaint();
}

void TChartImageTool::ChartEvent(TChartToolEvent event)
{
    TTeeCustomToolSeries::ChartEvent(event);
    if (event == cteBeforeDrawSeries && !FPicture->Empty() && ParentChart())
        DrawImage();
}

// Upright whichever way the axes run: an inverted axis turns the corners round, and the
// picture is stretched into the rectangle they span, not mirrored.
TRect TChartImageTool::ImageRect() const
{
    if (TChartSeries* s = Series())
        return OrientRectangle(TRect(s->CalcXPosValue(s->MinXValue()), s->CalcYPosValue(s->MaxYValue()),
                                     s->CalcXPosValue(s->MaxXValue()), s->CalcYPosValue(s->MinYValue())));
    const TChartAxis* h = GetHorizAxis();
    const TChartAxis* v = GetVertAxis();
    return OrientRectangle(TRect(h->CalcPosValue(h->Minimum()), v->CalcPosValue(v->Maximum()),
                                 h->CalcPosValue(h->Maximum()), v->CalcPosValue(v->Minimum())));
}

void TChartImageTool::DrawImage()
{
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas3D();
    const int depth = chart->Depth3DHoriz();
    const TRect r = ImageRect();
    const bool clip = chart->CanClip();
    if (clip)
        canvas->ClipCube(chart->PlotRect(), 0, depth);
    if (!chart->View3D() || chart->View3DOptions()->Orthogonal())
        canvas->StretchDraw(canvas->CalcRect3D(r, depth), FPicture.get());
    else
        canvas->StretchDraw(r, FPicture.get(), depth);
    if (clip)
        canvas->UnClipRectangle();
}

void TChartImageTool::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomToolSeries::DefineProperties(filer);
    filer.DefineProperty(
        "Picture",
        [this](const QString& v) {
            if (!FPicture->LoadFromData(QByteArray::fromBase64(v.toLatin1()))) {
                FPicture->Clear();
                ShowMessageUser(QStringLiteral("Cannot read the picture of the image tool \"%1\"").arg(Name()));
            }
        },
        [this] { return QString::fromLatin1(FPicture->SaveToData().toBase64()); }, !FPicture->Empty());
}
