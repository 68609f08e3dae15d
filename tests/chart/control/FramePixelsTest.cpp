// Whole frames of the chart control painted into images: what one frame leaves behind must
// not show in the next, and every frame starts from the same drawing state.
#include <gtest/gtest.h>

#include <QImage>

#include "chart/components/Chart.h"
#include "chart/components/CustomSeries.h"
#include "chart/components/PieSeries.h"
#include "chart/components/TeeTools.h"
#include "chart/core/ChartAxis.h"
#include "chart/core/TeCanvas.h"
#include "chart/core/TeeFont.h"
#include "tests/chart/support/PixelDifference.h"

namespace {

// Pixels of one RGB colour (0xRRGGBB) inside the rectangle.
int CountColour(const QImage& image, const TRect& r, unsigned rgb)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += (image.pixel(x, y) & 0xFFFFFFu) == rgb;
    return n;
}

struct ChartControl {
    TComponent owner{nullptr};
    TChart* chart = new TChart(&owner);
    ChartControl()
    {
        chart->SetBounds(0, 0, 400, 300);
        chart->SetView3D(false);
        chart->SetBevelOuter(bvNone);
    }
    QImage Paint()
    {
        chart->Invalidate();
        chart->Update();
        return chart->BackBuffer().copy();
    }
};

} // namespace

TEST(FramePixels, EveryPieLegendTextLiesOnTheLegendsColour)
{
    // The circle's back colour (lime) is the background of the slices' legend symbols; no
    // text of the legend may stand on it, whichever entry follows which symbol.
    ChartControl f;
    auto* pie = new TPieSeries(&f.owner);
    f.chart->AddSeries(pie);
    pie->SetCircleBackColor(clLime);
    pie->Add(10, "Aaa", clRed);
    pie->Add(20, "Bbb", clBlue);
    pie->Add(30, "Ccc", clNavy);
    pie->Add(40, "Ddd", clMaroon);
    for (int paint = 0; paint < 2; ++paint) {
        const QImage image = f.Paint();
        const TRect legend = f.chart->Legend()->ShapeRect;
        ASSERT_GT(legend.Width(), 20);
        EXPECT_EQ(CountColour(image, legend, 0x00FF00), 0) << "paint " << paint;
    }
}

TEST(FramePixels, FirstPaintLaterPaintsAndTheBitmapExportAreTheSame)
{
    // Shaded from grey to silver behind a see-through back wall, a red line and the bottom
    // axis' labels: nothing in it is white, so a white pixel is a label written on an opaque
    // box by a device state that the frame did not set. The bottom axis is drawn first, so
    // its labels are the first text of the frame.
    ChartControl f;
    f.chart->Gradient()->SetStartColor(clGray);
    f.chart->Gradient()->SetEndColor(clSilver);
    f.chart->Gradient()->SetVisible(true);
    f.chart->Legend()->SetVisible(false);
    f.chart->LeftAxis()->SetLabels(false);
    auto* line = new TLineSeries(&f.owner);
    f.chart->AddSeries(line);
    line->SetSeriesColor(clRed);
    for (int i = 0; i < 5; ++i)
        line->AddXY(i * 250, (i % 3) * 1000);
    const QImage first = f.Paint();
    const QImage second = f.Paint();
    const QImage exported =
        f.chart->TeeCreateBitmap(clWhite, f.chart->GetRectangle(), QImage::Format_RGB32);
    const TRect whole(0, 0, 400, 300);
    EXPECT_EQ(CountColour(first, whole, 0xFFFFFF), 0);
    EXPECT_EQ(CountColour(second, whole, 0xFFFFFF), 0);
    EXPECT_EQ(CountColour(exported, whole, 0xFFFFFF), 0);
    EXPECT_TRUE(first == second);
    EXPECT_TRUE(second == exported.convertToFormat(second.format()));
}

TEST(FramePixels, TheLabelsOfEveryAxisAreWrittenWithoutABox)
{
    // As above with the left axis' labels too: the bottom axis, drawn first, ends its lines
    // with an opaque background, which the left axis' labels must not take up.
    ChartControl f;
    f.chart->Gradient()->SetStartColor(clGray);
    f.chart->Gradient()->SetEndColor(clSilver);
    f.chart->Gradient()->SetVisible(true);
    f.chart->Legend()->SetVisible(false);
    auto* line = new TLineSeries(&f.owner);
    f.chart->AddSeries(line);
    line->SetSeriesColor(clRed);
    for (int i = 0; i < 5; ++i)
        line->AddXY(i * 250, (i % 3) * 1000);
    f.Paint();
    EXPECT_EQ(CountColour(f.Paint(), TRect(0, 0, 400, 300), 0xFFFFFF), 0);
}

TEST(FramePixels, TextDrawnBeforeTheChartWithNothingSetIsTheSameInEveryFrame)
{
    // The last text of a frame is the annotation's, in a bold font with a shadow and spaced
    // letters: none of it may reach text that the program writes as the next frame starts.
    ChartControl f;
    auto* note = new TAnnotationTool(&f.owner);
    note->SetParentChart(f.chart);
    note->SetText("Note");
    note->SetPosition(ppRightBottom);
    TTeeFont* font = note->Shape()->Font();
    font->SetName("DejaVu Serif");
    font->SetSize(14);
    font->SetColor(clRed);
    font->SetStyle({fsBold});
    font->SetInterCharSize(3);
    font->Shadow()->SetHorizSize(4);
    font->Shadow()->SetVertSize(4);
    f.chart->OnBeforeDrawChart = [&f](TObject*) {
        f.chart->Canvas3D()->TextOut(20, 40, "Written before the chart");
    };
    // The strip of the control that the text stands in.
    const auto strip = [](const QImage& image) { return image.copy(0, 30, 300, 50); };
    const QImage first = strip(f.Paint());
    EXPECT_EQ(CountDifferent(first, strip(f.Paint())), 0);
    EXPECT_EQ(CountDifferent(first, strip(f.chart->TeeCreateBitmap(clWhite, f.chart->GetRectangle()))), 0);
    // The font the last frame ended with is gone before the next frame starts.
    note->Free();
    EXPECT_EQ(CountDifferent(first, strip(f.Paint())), 0);
}
