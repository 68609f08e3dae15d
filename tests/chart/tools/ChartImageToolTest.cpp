// A picture stretched behind the series, probed in the painted chart.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "chart/components/ChartImageTool.h"
#include "chart/core/TeeEngineSettings.h"
#include "chart/core/View3DOptions.h"
#include "platform/TeeFiler.h"
#include "tests/chart/support/RecordingCanvas.h"
#include "tests/chart/tools/ToolChart.h"

namespace {

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

// A stored picture is written back as it was read, whatever its file says of its colours:
// 2 x 2 PNGs with a gamma of 1.0, one of 0.45455, and none.
TEST(ChartImageTool, AStoredPictureIsWrittenBackAsItWasRead)
{
    const char* const pictures[] = {
        "Picture=iVBORw0KGgoAAAANSUhEUgAAAAIAAAACCAIAAAD91JpzAAAABGdBTUEAAYagMeiWXwAAABZJREFUeNpjOKHBJVLxgSEqKur"
        "///8AJEQGgmtzgDAAAAAASUVORK5CYII=",
        "Picture=iVBORw0KGgoAAAANSUhEUgAAAAIAAAACCAIAAAD91JpzAAAABGdBTUEAALGPC/xhBQAAABZJREFUeNpjOKHBJVLxgSEqKur"
        "///8AJEQGgmtzgDAAAAAASUVORK5CYII=",
        "Picture=iVBORw0KGgoAAAANSUhEUgAAAAIAAAACCAIAAAD91JpzAAAAFklEQVR42mM4ocElUvGBISoq6v///wAkRAaCa3OAMAAAAABJRU5ErkJggg==",
    };
    for (const char* stored : pictures) {
        SCOPED_TRACE(stored);
        ToolChart c;
        auto* tool = new TChartImageTool(&c.owner);
        TTeePropertyReader reader(stored);
        tool->DefineProperties(reader);
        ASSERT_EQ(tool->Picture()->Graphic().size(), QSize(2, 2));
        TTeePropertyWriter writer;
        tool->DefineProperties(writer);
        EXPECT_EQ(writer.Text().toStdString(), stored);
        // A picture set anew is written from its image again.
        tool->Picture()->SetGraphic(Quad());
        TTeePropertyWriter quad;
        tool->DefineProperties(quad);
        auto* copy = new TChartImageTool(&c.owner);
        TTeePropertyReader again(quad.Text());
        copy->DefineProperties(again);
        EXPECT_EQ(copy->Picture()->Graphic().convertToFormat(QImage::Format_RGB32), Quad());
    }
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
