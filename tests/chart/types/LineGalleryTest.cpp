// Gallery variants of the line, point and area kinds: the captions in order, and for each
// index exactly the change it makes (a look of every property the variants touch, compared
// whole, so that a variant applied at the wrong index fails), and the point kind's gallery look.

#include <gtest/gtest.h>

#include <memory>

#include "chart/components/Series.h"
#include "chart/core/SeriesMarks.h"
#include "tests/chart/types/SeriesChart.h"

namespace {

QStringList Captions(TChartSeries& series)
{
    TSubGallery gallery;
    series.CreateSubGallery(gallery);
    return gallery.Captions();
}

QString LineLook(TLineSeries& s)
{
    return QString("stairs=%1 points=%2 height=%3 brush=%4 colors=%5 marks=%6 pen=%7")
        .arg(s.Stairs())
        .arg(s.Pointer()->Visible())
        .arg(s.LineHeight())
        .arg(s.LineBrush())
        .arg(s.ColorEachPoint())
        .arg(s.Marks()->Visible())
        .arg(s.LinePen()->Visible());
}

QString PointLook(TPointSeries& s)
{
    TSeriesPointer* p = s.Pointer();
    return QString("colors=%1 marks=%2 brush=%3 frame=%4 gradient=%5 3d=%6 style=%7 size=%8x%9")
        .arg(s.ColorEachPoint())
        .arg(s.Marks()->Visible())
        .arg(p->Brush()->Style())
        .arg(p->Pen()->Visible())
        .arg(p->Gradient()->Visible())
        .arg(p->Draw3D())
        .arg(p->Style())
        .arg(p->HorizSize())
        .arg(p->VertSize());
}

QString AreaLook(TAreaSeries& s)
{
    return QString("stairs=%1 marks=%2 colors=%3 brush=%4 lines=%5 stacked=%6 points=%7 gradient=%8")
        .arg(s.Stairs())
        .arg(s.Marks()->Visible())
        .arg(s.ColorEachPoint())
        .arg(s.AreaBrush())
        .arg(s.AreaLinesPen()->Visible())
        .arg(s.Stacked())
        .arg(s.Pointer()->Visible())
        .arg(s.Gradient()->Visible());
}

template <class S, class Look>
QString After(int index, Look look)
{
    S series(nullptr);
    series.SetSubGallery(index);
    return look(series);
}

// A point kind that cannot draw the further symbol variants.
class TPlainPointSeries : public TPointSeries
{
public:
    using TPointSeries::TPointSeries;
    bool CanDoExtra() const override { return false; }
};

} // namespace

TEST(LineGallery, LineCaptionsAndWhatEachIndexApplies)
{
    TLineSeries line(nullptr);
    EXPECT_EQ(Captions(line),
              (QStringList{"Normal", "Stairs", "Points", "Height", "Hollow", "Colors", "Marks", "No Border"}));
    // brush: bsSolid 0, bsClear 1.
    EXPECT_EQ(LineLook(line), "stairs=0 points=0 height=0 brush=0 colors=0 marks=0 pen=1");
    EXPECT_EQ(After<TLineSeries>(0, LineLook), "stairs=0 points=0 height=0 brush=0 colors=0 marks=0 pen=1");
    EXPECT_EQ(After<TLineSeries>(1, LineLook), "stairs=1 points=0 height=0 brush=0 colors=0 marks=0 pen=1");
    EXPECT_EQ(After<TLineSeries>(2, LineLook), "stairs=0 points=1 height=0 brush=0 colors=0 marks=0 pen=1");
    EXPECT_EQ(After<TLineSeries>(3, LineLook), "stairs=0 points=0 height=5 brush=0 colors=0 marks=0 pen=1");
    EXPECT_EQ(After<TLineSeries>(4, LineLook), "stairs=0 points=0 height=0 brush=1 colors=0 marks=0 pen=1");
    EXPECT_EQ(After<TLineSeries>(5, LineLook), "stairs=0 points=0 height=0 brush=0 colors=1 marks=0 pen=1");
    EXPECT_EQ(After<TLineSeries>(6, LineLook), "stairs=0 points=0 height=0 brush=0 colors=0 marks=1 pen=1");
    EXPECT_EQ(After<TLineSeries>(7, LineLook), "stairs=0 points=0 height=0 brush=0 colors=0 marks=0 pen=0");
    EXPECT_EQ(After<TLineSeries>(8, LineLook), "stairs=0 points=0 height=0 brush=0 colors=0 marks=0 pen=1");
}

TEST(LineGallery, PointCaptionsAndWhatEachIndexApplies)
{
    TPointSeries point(nullptr);
    EXPECT_EQ(Captions(point), (QStringList{"Normal", "Colors", "Marks", "Hollow", "No Border", "Gradient", "Point 2D",
                                            "Triangle", "Star", "Circle", "Down Tri.", "Cross", "Diamond"}));
    // Styles: psRectangle 0, psCircle 1, psTriangle 2, psDownTriangle 3, psCross 4, psStar 6,
    // psDiamond 7.
    const QString start = "colors=0 marks=0 brush=0 frame=1 gradient=0 3d=1 style=0 size=4x4";
    EXPECT_EQ(PointLook(point), start);
    EXPECT_EQ(After<TPointSeries>(0, PointLook), start);
    EXPECT_EQ(After<TPointSeries>(1, PointLook), "colors=1 marks=0 brush=0 frame=1 gradient=0 3d=1 style=0 size=4x4");
    EXPECT_EQ(After<TPointSeries>(2, PointLook), "colors=0 marks=1 brush=0 frame=1 gradient=0 3d=1 style=0 size=4x4");
    EXPECT_EQ(After<TPointSeries>(3, PointLook), "colors=0 marks=0 brush=1 frame=1 gradient=0 3d=1 style=0 size=4x4");
    EXPECT_EQ(After<TPointSeries>(4, PointLook), "colors=0 marks=0 brush=0 frame=0 gradient=0 3d=1 style=0 size=4x4");
    EXPECT_EQ(After<TPointSeries>(5, PointLook), "colors=0 marks=0 brush=0 frame=1 gradient=1 3d=1 style=0 size=4x4");
    EXPECT_EQ(After<TPointSeries>(6, PointLook), "colors=0 marks=0 brush=0 frame=1 gradient=0 3d=0 style=0 size=4x4");
    EXPECT_EQ(After<TPointSeries>(7, PointLook), "colors=0 marks=0 brush=0 frame=1 gradient=0 3d=1 style=2 size=4x4");
    EXPECT_EQ(After<TPointSeries>(8, PointLook), "colors=0 marks=0 brush=0 frame=1 gradient=0 3d=1 style=6 size=4x4");
    EXPECT_EQ(After<TPointSeries>(9, PointLook), "colors=0 marks=0 brush=0 frame=1 gradient=0 3d=1 style=1 size=8x8");
    EXPECT_EQ(After<TPointSeries>(10, PointLook), "colors=0 marks=0 brush=0 frame=1 gradient=0 3d=1 style=3 size=4x4");
    EXPECT_EQ(After<TPointSeries>(11, PointLook), "colors=0 marks=0 brush=0 frame=1 gradient=0 3d=1 style=4 size=4x4");
    EXPECT_EQ(After<TPointSeries>(12, PointLook), "colors=0 marks=0 brush=0 frame=1 gradient=0 3d=1 style=7 size=4x4");
    EXPECT_EQ(After<TPointSeries>(13, PointLook), start);
}

TEST(LineGallery, PointKindWithoutExtrasOffersAndAppliesOnlyTheFirstFive)
{
    TPlainPointSeries point(nullptr);
    EXPECT_EQ(Captions(point), (QStringList{"Normal", "Colors", "Marks", "Hollow", "No Border", "Gradient"}));
    const QString start = PointLook(point);
    for (int index = 6; index <= 12; ++index) {
        TPlainPointSeries other(nullptr);
        other.SetSubGallery(index);
        EXPECT_EQ(PointLook(other), start) << index;
    }
    point.SetSubGallery(5);
    EXPECT_TRUE(point.Pointer()->Gradient()->Visible());
}

TEST(LineGallery, AreaCaptionsAndWhatEachIndexApplies)
{
    TAreaSeries area(nullptr);
    EXPECT_EQ(Captions(area), (QStringList{"Normal", "Stairs", "Marks", "Colors", "Hollow", "No Lines", "Stack",
                                           "Stack 100%", "Points", "Gradient"}));
    // stacked: cssNone 0, cssStack 2, cssStack100 3.
    const QString start = "stairs=0 marks=0 colors=0 brush=0 lines=1 stacked=0 points=0 gradient=0";
    EXPECT_EQ(AreaLook(area), start);
    EXPECT_EQ(After<TAreaSeries>(0, AreaLook), start);
    EXPECT_EQ(After<TAreaSeries>(1, AreaLook), "stairs=1 marks=0 colors=0 brush=0 lines=1 stacked=0 points=0 gradient=0");
    EXPECT_EQ(After<TAreaSeries>(2, AreaLook), "stairs=0 marks=1 colors=0 brush=0 lines=1 stacked=0 points=0 gradient=0");
    EXPECT_EQ(After<TAreaSeries>(3, AreaLook), "stairs=0 marks=0 colors=1 brush=0 lines=1 stacked=0 points=0 gradient=0");
    EXPECT_EQ(After<TAreaSeries>(4, AreaLook), "stairs=0 marks=0 colors=0 brush=1 lines=1 stacked=0 points=0 gradient=0");
    EXPECT_EQ(After<TAreaSeries>(5, AreaLook), "stairs=0 marks=0 colors=0 brush=0 lines=0 stacked=0 points=0 gradient=0");
    EXPECT_EQ(After<TAreaSeries>(6, AreaLook), "stairs=0 marks=0 colors=0 brush=0 lines=1 stacked=2 points=0 gradient=0");
    EXPECT_EQ(After<TAreaSeries>(7, AreaLook), "stairs=0 marks=0 colors=0 brush=0 lines=1 stacked=3 points=0 gradient=0");
    EXPECT_EQ(After<TAreaSeries>(8, AreaLook), "stairs=0 marks=0 colors=0 brush=0 lines=1 stacked=0 points=1 gradient=0");
    EXPECT_EQ(After<TAreaSeries>(9, AreaLook), "stairs=0 marks=0 colors=0 brush=0 lines=1 stacked=0 points=0 gradient=1");
    EXPECT_EQ(After<TAreaSeries>(10, AreaLook), start);
}

TEST(LineGallery, PointGalleryLookSizesBySpaceAndMarksTheSecondSeries)
{
    TSeriesChart chart(400, 300);
    auto* first = new TPointSeries(nullptr);
    auto* second = new TPointSeries(nullptr);
    auto* third = new TPointSeries(nullptr);
    chart.AddSeries(first);
    chart.AddSeries(second);
    chart.AddSeries(third);
    for (TPointSeries* s : {first, second, third})
        s->PrepareForGallery(true);
    EXPECT_EQ(PointLook(*first), "colors=0 marks=0 brush=0 frame=1 gradient=0 3d=1 style=0 size=6x6");
    EXPECT_EQ(PointLook(*second), "colors=0 marks=0 brush=0 frame=1 gradient=0 3d=1 style=2 size=6x6");
    EXPECT_EQ(PointLook(*third), "colors=0 marks=0 brush=0 frame=1 gradient=0 3d=1 style=0 size=6x6");
    EXPECT_EQ(first->Count(), 4);

    // Narrower than 50 pixels: smaller symbols; 50 itself is not narrower.
    TSeriesChart narrow(49, 300);
    auto* small = new TPointSeries(nullptr);
    narrow.AddSeries(small);
    small->PrepareForGallery(true);
    EXPECT_EQ(small->Pointer()->HorizSize(), 4);
    EXPECT_EQ(small->Pointer()->VertSize(), 4);
    TSeriesChart edge(50, 300);
    auto* wide = new TPointSeries(nullptr);
    edge.AddSeries(wide);
    wide->PrepareForGallery(true);
    EXPECT_EQ(wide->Pointer()->HorizSize(), 6);
}

TEST(LineGallery, PointColoursEachPointThroughItsSymbols)
{
    TPointSeries point(nullptr);
    point.Pointer()->SetColor(clRed);
    point.SetColorEachPoint(false);
    EXPECT_EQ(point.Pointer()->GetColor(), clRed);
    point.SetColorEachPoint(true);
    EXPECT_TRUE(point.ColorEachPoint());
    EXPECT_EQ(point.Pointer()->GetColor(), clDefault);
}
