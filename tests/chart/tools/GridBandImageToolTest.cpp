// Stripes between grid lines and a picture behind the series, probed in the painted chart.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "chart/components/ChartImageTool.h"
#include "chart/components/GridBandTool.h"
#include "chart/core/TeeEngineSettings.h"
#include "chart/core/View3DOptions.h"
#include "platform/TeeFiler.h"
#include "tests/chart/support/RecordingCanvas.h"
#include "tests/chart/tools/ToolChart.h"

namespace {

constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kBlue = 0x0000FF;
constexpr unsigned kWhite = 0xFFFFFF;

class BandChart : public ToolChart
{
public:
    explicit BandChart(bool vertical = true)
    {
        chart->SetColor(clWhite);
        chart->BackWall()->SetColor(clWhite);
        tool = new TGridBandTool(&owner);
        tool->SetAxis(vertical ? chart->LeftAxis() : chart->BottomAxis());
        tool->Band1()->SetColor(clRed);
        tool->Band2()->SetColor(clBlue);
    }
    // The colour at a value of the axis, across the plot at the other axis' value (away from
    // the other axis' grid lines and from the points); in 3D on the back wall.
    unsigned AtY(double y, double x = 8.5) const
    {
        const TPoint p = chart->Canvas3D()->Calculate3DPosition(
            chart->BottomAxis()->CalcPosValue(x), chart->LeftAxis()->CalcPosValue(y), chart->View3D() ? chart->Depth3DHoriz() : 0);
        return Image().pixel(p.X, p.Y) & 0xFFFFFF;
    }
    unsigned AtX(double x, double y = 87.5) const { return AtY(y, x); }

    TGridBandTool* tool;
};

// A 2 x 2 picture: red, green / blue, white.
QImage Quad()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, 0xFF0000);
    image.setPixel(1, 0, 0x00FF00);
    image.setPixel(0, 1, 0x0000FF);
    image.setPixel(1, 1, 0xFFFFFF);
    return image;
}

} // namespace

TEST(GridBandTool, StripesAlternateFromTheLeadingToTheTrailingOneWhicheverWayTheAxisRuns)
{
    // -10..110 by 25: grid lines at 100, 75, 50, 25 and 0; Band1 beyond 100, then turn about
    // down to the stripe below 0, on either axis, either way round, flat or on the back wall.
    const double middles[] = {105, 87, 62, 37, 12, -5};
    const unsigned expected[] = {kRed, kBlue, kRed, kBlue, kRed, kBlue};
    for (const bool vertical : {true, false})
        for (const bool inverted : {false, true})
            for (const bool view3D : {false, true}) {
                BandChart b(vertical);
                b.chart->SetView3D(view3D);
                TChartAxis* axis = vertical ? b.chart->LeftAxis() : b.chart->BottomAxis();
                axis->SetMinMax(-10, 110);
                axis->SetIncrement(25);
                axis->SetInverted(inverted);
                b.Paint();
                for (int i = 0; i < 6; ++i)
                    EXPECT_EQ(vertical ? b.AtY(middles[i]) : b.AtX(middles[i]), expected[i])
                        << vertical << inverted << view3D << " at " << middles[i];
            }
}

TEST(GridBandTool, AClearBandLeavesEveryOtherStripe)
{
    BandChart v;
    v.tool->Band2()->SetStyle(bsClear);
    v.chart->LeftAxis()->SetIncrement(25);
    v.Paint();
    EXPECT_EQ(v.AtY(87), kRed);
    EXPECT_EQ(v.AtY(62), kWhite);
    EXPECT_EQ(v.AtY(37), kRed);
    EXPECT_EQ(v.AtY(12), kWhite);

    // Along the bottom axis 0..10 by 2 the stripes run from the right.
    BandChart h(false);
    h.chart->BottomAxis()->SetIncrement(2);
    h.tool->Band2()->SetStyle(bsClear);
    h.Paint();
    EXPECT_EQ(h.AtX(9), kRed);
    EXPECT_EQ(h.AtX(7), kWhite);
    EXPECT_EQ(h.AtX(5), kRed);
    EXPECT_EQ(h.AtX(1), kRed);

    // Switched off: no stripes.
    h.tool->SetActive(false);
    h.Paint();
    EXPECT_EQ(h.AtX(9), kWhite);
}

TEST(GridBandTool, BackColourBehindHatchesAndTransparency)
{
    BandChart b;
    b.chart->LeftAxis()->SetIncrement(25);
    // A transparent back wall is not painted, yet its colour stays behind the hatches.
    b.chart->BackWall()->SetTransparent(true);
    b.chart->BackWall()->SetColor(clYellow);
    b.tool->Band1()->SetStyle(bsCross);
    b.tool->Band2()->SetStyle(bsCross);
    b.tool->Band2()->SetBackColor(clLime);
    b.Paint();
    const QImage image = b.Image();
    auto colours = [&](double from, double to) {
        QSet<unsigned> seen;
        const int x0 = b.chart->BottomAxis()->CalcPosValue(6), x1 = b.chart->BottomAxis()->CalcPosValue(9);
        for (int y = b.chart->LeftAxis()->CalcPosValue(to) + 3; y < b.chart->LeftAxis()->CalcPosValue(from) - 3; ++y)
            for (int x = x0; x < x1; ++x)
                seen.insert(image.pixel(x, y) & 0xFFFFFF);
        return seen;
    };
    EXPECT_EQ(colours(75, 100), (QSet<unsigned>{kRed, 0xFFFF00}));
    EXPECT_EQ(colours(50, 75), (QSet<unsigned>{kBlue, 0x00FF00}));

    BandChart t;
    t.chart->LeftAxis()->SetIncrement(25);
    t.tool->Band1()->SetTransparency(50);
    t.Paint();
    const unsigned half = t.AtY(87);
    EXPECT_EQ(half >> 16, 0xFFu);
    EXPECT_NEAR(static_cast<int>((half >> 8) & 0xFF), 127, 1);
    EXPECT_EQ(half & 0xFF, (half >> 8) & 0xFF);
    t.tool->Band1()->SetTransparency(250);
    EXPECT_EQ(t.tool->Band1()->Transparency(), 100);
}

TEST(GridBandTool, EveryToolOnAnAxisPaintsWhateverTheOthersDo)
{
    // Left axis by 25: the first tool paints 75..100 red, the second 50..75 blue. The top
    // axis, which no series uses, draws no grid.
    BandChart b;
    TChartAxis* left = b.chart->LeftAxis();
    TChartAxis* top = b.chart->TopAxis();
    left->SetIncrement(25);
    TGridBandTool* first = b.tool;
    first->Band2()->SetStyle(bsClear);
    auto* second = new TGridBandTool(&b.owner);
    second->Band1()->SetStyle(bsClear);
    second->Band2()->SetColor(clBlue);
    second->SetAxis(left);
    struct Step {
        const char* what;
        std::function<void()> action;
        unsigned at87, at62;
    };
    const Step steps[] = {
        {"both", [] {}, kRed, kBlue},
        {"second across", [&] { second->SetAxis(top); }, kRed, kWhite},
        {"second back", [&] { second->SetAxis(left); }, kRed, kBlue},
        {"first across", [&] { first->SetAxis(top); }, kWhite, kBlue},
        {"first back", [&] { first->SetAxis(left); }, kRed, kBlue},
        {"first off", [&] { first->SetActive(false); }, kWhite, kBlue},
        {"second freed", [&] { first->SetActive(true), second->Free(); }, kRed, kWhite},
        {"first freed", [&] { first->Free(); }, kWhite, kWhite},
    };
    for (const Step& step : steps) {
        step.action();
        b.Paint();
        EXPECT_EQ(b.AtY(87), step.at87) << step.what;
        EXPECT_EQ(b.AtY(62), step.at62) << step.what;
    }
    // No painter is left behind.
    EXPECT_FALSE(static_cast<bool>(left->OnDrawGrids));
    EXPECT_FALSE(static_cast<bool>(top->OnDrawGrids));
}

TEST(GridBandTool, StaysBehindThePointsWhenTheLeftWallIsDrawnInFront)
{
    // Turned so that the left wall and its axis are drawn again after the series: the stripes
    // lie on the back wall and must not be painted over the points a second time.
    auto pointPixels = [](bool bands) {
        BandChart b;
        b.tool->SetActive(bands);
        b.series->SetSeriesColor(clFuchsia);
        b.chart->SetView3D(true);
        b.chart->View3DOptions()->SetOrthogonal(false);
        b.chart->View3DOptions()->SetRotation(5);
        b.chart->View3DOptions()->SetElevation(355);
        b.Paint();
        const QImage image = b.Image();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += (image.pixel(x, y) & 0xFFFFFF) == 0xFF00FF;
        return count;
    };
    const int alone = pointPixels(false);
    EXPECT_GT(alone, 200);
    EXPECT_EQ(pointPixels(true), alone);
}

TEST(ChartImageTool, PictureOverTheAxesOrTheSeries)
{
    ToolChart c;
    auto* tool = new TChartImageTool(&c.owner);
    tool->SetParentChart(c.chart);
    tool->Picture()->SetGraphic(Quad());
    c.Paint();
    const TRect plot = c.chart->PlotRect();
    auto at = [&](int x, int y) { return c.Image().pixel(x, y) & 0xFFFFFF; };
    // Corners away from the series' first point.
    EXPECT_EQ(at(plot.Left + 20, plot.Top + 3), 0xFF0000u);
    EXPECT_EQ(at(plot.Right - 3, plot.Top + 3), 0x00FF00u);
    EXPECT_EQ(at(plot.Left + 20, plot.Bottom - 20), 0x0000FFu);
    EXPECT_EQ(at(plot.Right - 3, plot.Bottom - 3), 0xFFFFFFu);

    // Over the series' points: x 0..4, y 0..40.
    tool->SetSeries(c.series);
    c.Paint();
    const TChartAxis* h = c.chart->BottomAxis();
    const TChartAxis* v = c.chart->LeftAxis();
    EXPECT_EQ(at(h->CalcPosValue(3.5), v->CalcPosValue(35)), 0x00FF00u);
    EXPECT_EQ(at(h->CalcPosValue(0.5), v->CalcPosValue(5)), 0x0000FFu);
    EXPECT_NE(at(h->CalcPosValue(6), v->CalcPosValue(35)), 0x00FF00u);
    EXPECT_NE(at(h->CalcPosValue(3.5), v->CalcPosValue(60)), 0x00FF00u);
}

TEST(ChartImageTool, ThePictureStandsUprightWhicheverWayTheAxesRun)
{
    // An eighth in from each corner of the area on the screen, the series' (x 0..4, y 0..40)
    // or the axes': red, green / blue, white, flat or on the back wall.
    struct Case {
        bool invertX, invertY, series, view3D;
    };
    const Case cases[] = {
        {true, false, false, false}, {false, true, false, false}, {true, true, false, false},
        {true, false, true, false},  {false, true, true, false},  {true, true, true, true},
    };
    for (const Case& c : cases) {
        ToolChart t(5, c.view3D);
        TChartAxis* h = t.chart->BottomAxis();
        TChartAxis* v = t.chart->LeftAxis();
        h->SetInverted(c.invertX);
        v->SetInverted(c.invertY);
        auto* tool = new TChartImageTool(&t.owner);
        tool->SetParentChart(t.chart);
        tool->Picture()->SetGraphic(Quad());
        tool->SetSeries(c.series ? t.series : nullptr);
        t.Paint();
        const int x0 = h->CalcPosValue(0), x1 = h->CalcPosValue(c.series ? 4 : 10);
        const int y0 = v->CalcPosValue(0), y1 = v->CalcPosValue(c.series ? 40 : 100);
        const int left = std::min(x0, x1), width = std::abs(x1 - x0);
        const int top = std::min(y0, y1), height = std::abs(y1 - y0);
        const QImage image = t.Image();
        auto at = [&](int eighthsAcross, int eighthsDown) {
            const TPoint p = t.chart->Canvas3D()->Calculate3DPosition(
                left + width * eighthsAcross / 8, top + height * eighthsDown / 8, c.view3D ? t.chart->Depth3DHoriz() : 0);
            return image.pixel(p.X, p.Y) & 0xFFFFFF;
        };
        const QString what = QString("%1%2%3%4").arg(c.invertX).arg(c.invertY).arg(c.series).arg(c.view3D);
        EXPECT_EQ(at(1, 1), 0xFF0000u) << what.toStdString();
        EXPECT_EQ(at(7, 1), 0x00FF00u) << what.toStdString();
        EXPECT_EQ(at(1, 7), 0x0000FFu) << what.toStdString();
        EXPECT_EQ(at(7, 7), 0xFFFFFFu) << what.toStdString();
    }
}

TEST(ChartImageTool, UnreadablePicturesLeaveNoPicture)
{
    ToolChart c;
    auto* tool = new TChartImageTool(&c.owner);
    tool->SetParentChart(c.chart);
    tool->Picture()->SetGraphic(Quad());
    try {
        tool->LoadPicture("/no/such/picture.png");
        FAIL() << "no error";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Cannot read a picture from \"/no/such/picture.png\"");
    }
    EXPECT_TRUE(tool->Picture()->Empty());
    c.Paint(); // nothing to draw, nothing to fail

    // Stored: PNG data read back; data that is not a picture tells the user.
    tool->SetName("Image1");
    tool->Picture()->SetGraphic(Quad());
    TTeePropertyWriter writer;
    tool->DefineProperties(writer);
    auto* copy = new TChartImageTool(&c.owner);
    TTeePropertyReader reader(writer.Text());
    copy->DefineProperties(reader);
    EXPECT_EQ(copy->Picture()->Graphic().convertToFormat(QImage::Format_RGB32), Quad());

    static QString shown;
    TeeMessageUserHandler = [](const QString& text) { shown = text; };
    TTeePropertyReader bad("Picture=bm90IGEgcGljdHVyZQ==");
    tool->DefineProperties(bad);
    TeeMessageUserHandler = nullptr;
    EXPECT_TRUE(tool->Picture()->Empty());
    EXPECT_EQ(shown, "Cannot read the picture of the image tool \"Image1\"");
}

TEST(ChartImageTool, ClippedToTheCubeAndLaidAtTheBackIn3D)
{
    for (const bool orthogonal : {true, false}) {
        ToolChart c(5, true);
        c.chart->View3DOptions()->SetOrthogonal(orthogonal);
        // Inverted axes change nothing: the picture fills the same place, upright.
        c.chart->BottomAxis()->SetInverted(!orthogonal);
        c.chart->LeftAxis()->SetInverted(!orthogonal);
        auto* tool = new TChartImageTool(&c.owner);
        tool->SetParentChart(c.chart);
        tool->Picture()->SetGraphic(Quad());
        auto* canvas = new TRecordingCanvas;
        c.chart->SetInternalCanvas(canvas);
        c.Paint();
        canvas->Clear();
        c.Paint();
        const TRect plot = c.chart->PlotRect();
        const int depth = c.chart->Depth3DHoriz();
        const auto calls = canvas->TopLevel();
        auto clip = std::find_if(calls.begin(), calls.end(), [&](const TCanvasCall* call) {
            return call->Name == "ClipCube" && call->Points[1] == plot.BottomRight() &&
                   call->Args == std::vector<int64_t>{0, depth};
        });
        ASSERT_NE(clip, calls.end()) << orthogonal;
        QStringList drawn;
        for (auto it = clip + 1; it != calls.end() && (*it)->Name != "UnClipRectangle"; ++it)
            drawn << (*it)->Name;
        if (orthogonal) {
            EXPECT_EQ(drawn, QStringList{"StretchDraw"});
            const TRect r = canvas->CalcRect3D(plot, depth);
            EXPECT_EQ((*(clip + 1))->Points, (std::vector<TPoint>{r.TopLeft(), r.BottomRight()}));
        } else {
            // One cell a pixel of the picture, at the back of the cube.
            EXPECT_EQ(drawn, QStringList(4, "RectangleWithZ"));
            EXPECT_EQ((*(clip + 1))->Args, std::vector<int64_t>{depth});
            EXPECT_EQ((*(clip + 1))->BrushStyle, bsSolid);
            EXPECT_EQ((*(clip + 1))->BrushColor, clRed);
            EXPECT_EQ((*(clip + 1))->Points[0], plot.TopLeft());
        }
    }
}
