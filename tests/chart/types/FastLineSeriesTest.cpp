// The fast line: reduced pixel columns give the pixels of every point, margins by pen width,
// null points leave gaps on both sides, skipped columns, stairs, the edge segment and the
// direct drawing of a new point.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "chart/components/Series.h"
#include "platform/TeeFiler.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/FastPaths.h"
#include "tests/chart/support/PaintedCanvas.h"
#include "tests/chart/types/SeriesChart.h"

namespace {

// A random walk over x 10..290 with many points per column, runs of equal values and jumps.
std::vector<TPoint> Walk(int count, unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<TPoint> points;
    int y = 100;
    for (int i = 0; i < count; ++i) {
        const int r = static_cast<int>(rng() % 100);
        if (r < 10)
            y = 10 + static_cast<int>(rng() % 180);
        else if (r < 60)
            y += static_cast<int>(rng() % 7) - 3;
        y = std::clamp(y, 5, 195);
        points.push_back(TPoint(10 + i * 280 / count, y));
    }
    return points;
}

std::vector<TPoint> Reduced(const std::vector<TPoint>& points)
{
    TRecordingCanvas canvas;
    TPixelColumnPath path;
    path.MoveTo(&canvas, points[0]);
    for (size_t i = 1; i < points.size(); ++i)
        path.LineTo(points[i]);
    path.Flush(&canvas);
    const auto calls = canvas.Find("Polyline");
    return calls.empty() ? std::vector<TPoint>() : calls[0]->Points;
}

} // namespace

TEST(PixelColumnPath, KeepsFirstExtremesBeforeTheLastAndLast)
{
    // Column 5 holds 10, 30, 20, 25: the points before the last span 10..30, the last is 25.
    const std::vector<TPoint> r = Reduced({TPoint(4, 0), TPoint(5, 10), TPoint(5, 30), TPoint(5, 20), TPoint(5, 25),
                                           TPoint(6, 40)});
    const std::vector<TPoint> want = {TPoint(4, 0), TPoint(5, 10), TPoint(5, 30), TPoint(5, 25), TPoint(6, 40)};
    EXPECT_EQ(r, want);
    // A column whose last point repeats its highest one: the low point comes last but one, so
    // the path does not end on a zero-length piece.
    const std::vector<TPoint> r2 = Reduced({TPoint(5, 20), TPoint(5, 30), TPoint(5, 10), TPoint(5, 30)});
    const std::vector<TPoint> want2 = {TPoint(5, 20), TPoint(5, 30), TPoint(5, 10), TPoint(5, 30)};
    EXPECT_EQ(r2, want2);
    // An average would give a point that no input has.
    const std::vector<TPoint> r3 = Reduced({TPoint(1, 0), TPoint(1, 100), TPoint(2, 50)});
    const std::vector<TPoint> want3 = {TPoint(1, 0), TPoint(1, 100), TPoint(2, 50)};
    EXPECT_EQ(r3, want3);
}

TEST(PixelColumnPath, SamePixelsAsThePolylineOfEveryPoint)
{
    for (int width : {1, 2, 3}) {
        for (unsigned seed : {1u, 7u, 42u}) {
            for (int count : {50, 2000, 20000}) {
                const std::vector<TPoint> points = Walk(count, seed);
                TPaintedCanvas full(300, 200), reduced(300, 200);
                for (TPaintedCanvas* c : {&full, &reduced}) {
                    c->Canvas.Pen()->SetColor(clRed);
                    c->Canvas.Pen()->SetWidth(width);
                }
                {
                    const TeeFastPaths::TScope plain(false);
                    full.Canvas.Polyline(points.data(), static_cast<int32_t>(points.size()) - 1);
                }
                TPixelColumnPath path;
                path.MoveTo(&reduced.Canvas, points[0]);
                for (size_t i = 1; i < points.size(); ++i)
                    path.LineTo(points[i]);
                path.Flush(&reduced.Canvas);
                SCOPED_TRACE(QStringLiteral("width %1 seed %2 count %3").arg(width).arg(seed).arg(count).toStdString());
                EXPECT_TRUE(full.Copy() == reduced.Copy());
                // At most four points per column.
                EXPECT_LE(Reduced(points).size(), 4u * 281u);
            }
        }
    }
}

TEST(FastLineSeries, MarginsGrowWithThePenWidth)
{
    TFastLineSeries s(nullptr);
    const int want[] = {1, 2, 3, 3, 4};
    for (int w = 1; w <= 5; ++w) {
        s.LinePen()->SetWidth(w);
        int left = 0, right = 0, top = 0, bottom = 0;
        s.CalcHorizMargins(left, right);
        s.CalcVerticalMargins(top, bottom);
        EXPECT_EQ(left, want[w - 1]) << w;
        EXPECT_EQ(right, want[w - 1]) << w;
        EXPECT_EQ(top, want[w - 1]) << w;
        EXPECT_EQ(bottom, want[w - 1]) << w;
    }
}

TEST(FastLineSeries, SeriesColourAndLineColourStayEqual)
{
    TFastLineSeries s(nullptr);
    s.SetSeriesColor(clGreen);
    EXPECT_EQ(s.LinePen()->Color(), clGreen);
    TChartPen pen(nullptr);
    pen.SetColor(clBlue);
    s.SetPen(&pen);
    EXPECT_EQ(s.SeriesColor(), clBlue);
}

namespace {

struct FastChart {
    TSeriesChart chart{400, 300};
    TFastLineSeries* series = new TFastLineSeries(nullptr);
    FastChart()
    {
        chart.AddSeries(series);
        series->SetSeriesColor(clRed);
        chart.BottomAxis()->SetMinMax(0, 10);
        chart.LeftAxis()->SetMinMax(0, 10);
    }
    TPoint At(double x, double y) const
    {
        return TPoint(chart.BottomAxis()->CalcXPosValue(x), chart.LeftAxis()->CalcYPosValue(y));
    }
    std::vector<std::vector<TPoint>> Lines()
    {
        TRecordingCanvas* canvas = chart.Record();
        std::vector<std::vector<TPoint>> out;
        for (const TCanvasCall* c : CallsInColour(canvas, "Polyline", clRed))
            out.push_back(c->Points);
        return out;
    }
};

} // namespace

TEST(FastLineSeries, NullPointLeavesAGapOnBothSides)
{
    FastChart f;
    f.series->SetIgnoreNulls(false);
    for (int i = 0; i < 6; ++i)
        f.series->AddXY(i * 2, i % 2 ? 8 : 2);
    f.series->SetNull(2);
    // 0-1 drawn; 1-2 and 2-3 missing; 3-4-5 drawn.
    const auto lines = f.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], (std::vector<TPoint>{f.At(0, 2), f.At(2, 8)}));
    EXPECT_EQ(lines[1], (std::vector<TPoint>{f.At(6, 8), f.At(8, 2), f.At(10, 8)}));

    // Ignoring nulls draws through the point as through any other.
    f.series->SetIgnoreNulls(true);
    const auto through = f.Lines();
    ASSERT_EQ(through.size(), 1u);
    EXPECT_EQ(through[0].size(), 6u);
}

TEST(FastLineSeries, WithoutDrawAllPointsOnlyTheFirstOfAColumnIsDrawn)
{
    FastChart f;
    f.series->SetDrawAllPoints(false);
    f.series->AddXY(0, 0);
    f.series->AddXY(5, 1);
    f.series->AddXY(5, 9);
    f.series->AddXY(10, 5);
    const auto lines = f.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], (std::vector<TPoint>{f.At(0, 0), f.At(5, 1), f.At(10, 5)}));
    // Drawing all points goes up the column too.
    f.series->SetDrawAllPoints(true);
    const auto all = f.Lines();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0], (std::vector<TPoint>{f.At(0, 0), f.At(5, 1), f.At(5, 9), f.At(10, 5)}));
}

TEST(FastLineSeries, InvertedStairsRiseAtThePreviousX)
{
    FastChart f;
    f.series->SetStairs(true);
    f.series->SetInvertedStairs(true);
    f.series->AddXY(0, 1);
    f.series->AddXY(4, 6);
    f.series->AddXY(8, 3);
    const auto lines = f.Lines();
    const TPoint a = f.At(0, 1), b = f.At(4, 6), c = f.At(8, 3);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], (std::vector<TPoint>{a, TPoint(a.X, b.Y), b, TPoint(b.X, c.Y), c}));
    f.series->SetInvertedStairs(false);
    const auto normal = f.Lines();
    ASSERT_EQ(normal.size(), 1u);
    EXPECT_EQ(normal[0], (std::vector<TPoint>{a, TPoint(b.X, a.Y), b, TPoint(c.X, b.Y), c}));
}

TEST(FastLineSeries, FirstVisibleSegmentComesFromThePointBeforeTheEdge)
{
    FastChart f;
    for (int i = 0; i <= 20; ++i)
        f.series->AddXY(i, i % 3);
    f.chart.BottomAxis()->SetMinMax(4.5, 9.5);
    const auto lines = f.Lines();
    ASSERT_EQ(lines.size(), 1u);
    // From point 4 (left of the edge) to point 10 (the first beyond the right edge).
    ASSERT_EQ(lines[0].size(), 7u);
    EXPECT_EQ(lines[0].front(), f.At(4, 1));
    EXPECT_EQ(lines[0].back(), f.At(10, 1));
}

TEST(FastLineSeries, NewPointDrawnDirectlyWithoutRepaint)
{
    FastChart f;
    f.series->SetAutoRepaint(false);
    TRecordingCanvas* canvas = f.chart.Record();
    canvas->Clear();
    // The first point is its own start: nothing is drawn.
    f.series->AddXY(1, 1);
    EXPECT_EQ(canvas->Count("LineTo"), 0);
    f.series->AddXY(3, 4);
    const auto lines = canvas->Find("LineTo");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->Points[0], f.At(3, 4));
    const auto moves = canvas->Find("MoveTo");
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back()->Points[0], f.At(1, 1));
}

TEST(FastLineSeries, RunsReducedOnValuesGiveThePixelsOfThePointByPointPath)
{
    // The tight loop reduces each column's run on the values; with the fast paths off every
    // point goes into one polyline in turn. Inverted axes, points beyond both edges, values
    // far off the axis (thousands of pixels), values that are not numbers, x values out of
    // order, pen widths 1 and 2.
    for (int variant = 0; variant < 8; ++variant) {
        FastChart f;
        const bool inverted = variant % 2 == 1;
        const bool unordered = variant % 4 >= 2;
        f.chart.BottomAxis()->SetInverted(inverted);
        f.chart.LeftAxis()->SetInverted(inverted);
        f.series->LinePen()->SetWidth(variant < 4 ? 1 : 2);
        if (unordered)
            f.series->XValues()->SetOrder(loNone);
        std::mt19937 rng(11 + static_cast<unsigned>(variant));
        double y = 5;
        for (int i = 0; i < 10000; ++i) {
            y += (static_cast<int>(rng() % 9) - 4) * 0.02;
            double value = y;
            if (i % 397 == 0)
                value = i % 2 ? 200 : -200;
            if (i % 499 == 0)
                value = std::nan("");
            double x = -2 + 14.0 * i / 10000;
            if (unordered && i % 50 == 0)
                x = (rng() % 1400) / 100.0 - 2;
            if (unordered && i % 703 == 0)
                x = std::nan("");
            f.series->AddXY(x, value);
        }
        const uint64_t runs = TeeFastPaths::TimesTaken(TFastPath::LineRuns);
        const QImage reduced = f.chart.Painted().copy();
        EXPECT_EQ(TeeFastPaths::TimesTaken(TFastPath::LineRuns), runs + 1);
        const TeeFastPaths::TScope plain(false);
        const QImage pointByPoint = f.chart.Painted().copy();
        SCOPED_TRACE(variant);
        EXPECT_TRUE(reduced == pointByPoint);
        // The line is there: red pixels in many columns.
        int columns = 0;
        for (int x = 0; x < reduced.width(); ++x)
            for (int yy = 0; yy < reduced.height(); ++yy)
                if ((reduced.pixel(x, yy) & 0xFFFFFF) == 0xFF0000) {
                    ++columns;
                    break;
                }
        EXPECT_GT(columns, 300);
    }
}

TEST(FastLineSeries, NullsAndStairsGiveThePixelsOfTheirPolylines)
{
    // Many points per pixel column, a null point now and then (nulls not ignored; many share
    // the pixel of the point before them, and still leave their gap), stairs both ways, pen
    // widths 1 and 2. The reference is worked out from the rules: a segment touching a null
    // point is left out, a stair step goes through its corner (which may be the point it
    // starts from), and each unbroken chain is one polyline through every point.
    for (int variant = 0; variant < 6; ++variant) {
        const int stairs = variant % 3; // 0 none, 1 stairs, 2 inverted stairs
        const int width = variant < 3 ? 1 : 2;
        FastChart f;
        f.series->SetIgnoreNulls(false);
        f.series->SetStairs(stairs > 0);
        f.series->SetInvertedStairs(stairs == 2);
        f.series->LinePen()->SetWidth(width);
        std::mt19937 rng(5 + static_cast<unsigned>(variant));
        double y = 5;
        std::vector<double> xs, ys;
        std::vector<bool> null;
        for (int i = 0; i < 3000; ++i) {
            y = std::clamp(y + (static_cast<int>(rng() % 9) - 4) * 0.05, 1.0, 9.0);
            const double x = 0.2 + 9.6 * i / 3000;
            f.series->AddXY(x, y);
            null.push_back(i % 37 == 5 || i % 211 == 100 || i % 211 == 101);
            if (null.back())
                f.series->SetNull(i);
            xs.push_back(x);
            ys.push_back(y);
        }
        const QImage drawn = f.chart.Painted().copy();
        std::vector<TPoint> at;
        for (size_t i = 0; i < xs.size(); ++i)
            at.push_back(f.At(xs[i], ys[i]));
        f.series->LinePen()->SetVisible(false);
        QImage want = f.chart.Painted().copy();
        TDeviceContext dc;
        dc.Begin(&want);
        dc.SelectPen(width == 1 ? QPen(QBrush(Qt::red), 1)
                                : QPen(QBrush(Qt::red), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        std::vector<TPoint> chain;
        const auto flush = [&] {
            if (chain.size() >= 2)
                dc.Polyline(chain.data(), static_cast<int>(chain.size()));
            chain.clear();
        };
        for (size_t i = 0; i < at.size(); ++i) {
            if (null[i]) {
                flush();
                continue;
            }
            if (chain.empty() || null[i - 1]) {
                flush();
                chain.push_back(at[i]);
                continue;
            }
            const TPoint last = chain.back();
            if (stairs == 1)
                chain.push_back(TPoint(at[i].X, last.Y));
            if (stairs == 2)
                chain.push_back(TPoint(last.X, at[i].Y));
            chain.push_back(at[i]);
        }
        flush();
        dc.End();
        SCOPED_TRACE(variant);
        EXPECT_TRUE(drawn == want);
        EXPECT_FALSE(drawn == f.chart.Painted());
    }
}

namespace {

// The property names of a stored text, without their values.
QStringList StoredNames(const QString& text)
{
    QStringList names;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        names << line.section(QLatin1Char('='), 0, 0);
    return names;
}

} // namespace

TEST(FastLineSeries, StoresTheSwitchesThatLeftTheirStartValuesAndItsLinePen)
{
    const QStringList switches = {"AutoRepaint", "DrawAllPoints", "IgnoreNulls", "InvertedStairs", "Stairs"};
    TFastLineSeries fresh(nullptr);
    const QStringList freshNames = StoredNames(TeeWriteProperties(fresh));
    for (const QString& name : switches)
        EXPECT_FALSE(freshNames.contains(name)) << name.toStdString();

    TFastLineSeries s(nullptr);
    s.SetAutoRepaint(false);
    s.SetDrawAllPoints(false);
    s.SetIgnoreNulls(false);
    s.SetInvertedStairs(true);
    s.SetStairs(true);
    s.SetSeriesColor(clGreen);
    s.LinePen()->SetWidth(3);
    const QString text = TeeWriteProperties(s);
    const QStringList names = StoredNames(text);
    for (const QString& name : switches)
        EXPECT_TRUE(names.contains(name)) << name.toStdString();
    EXPECT_TRUE(names.contains("LinePen.Width")) << text.toStdString();

    TFastLineSeries read(nullptr);
    TeeReadProperties(read, text);
    EXPECT_FALSE(read.AutoRepaint());
    EXPECT_FALSE(read.DrawAllPoints());
    EXPECT_FALSE(read.IgnoreNulls());
    EXPECT_TRUE(read.InvertedStairs());
    EXPECT_TRUE(read.Stairs());
    EXPECT_EQ(read.LinePen()->Width(), 3);
    EXPECT_EQ(read.LinePen()->Color(), clGreen);
    EXPECT_EQ(read.SeriesColor(), clGreen);

    // Each switch alone: only its own name is written.
    for (int k = 0; k < 5; ++k) {
        TFastLineSeries one(nullptr);
        switch (k) {
        case 0: one.SetAutoRepaint(false); break;
        case 1: one.SetDrawAllPoints(false); break;
        case 2: one.SetIgnoreNulls(false); break;
        case 3: one.SetInvertedStairs(true); break;
        default: one.SetStairs(true); break;
        }
        const QStringList oneNames = StoredNames(TeeWriteProperties(one));
        for (int m = 0; m < 5; ++m)
            EXPECT_EQ(oneNames.contains(switches[m]), m == k) << k << " " << switches[m].toStdString();
    }
}

TEST(FastLineSeries, AssignCopiesTheSwitchesAndTheBase)
{
    TFastLineSeries source(nullptr), target(nullptr);
    source.SetAutoRepaint(false);
    source.SetDrawAllPoints(false);
    source.SetIgnoreNulls(false);
    source.SetInvertedStairs(true);
    source.SetStairs(true);
    source.LinePen()->SetWidth(4);
    target.Assign(&source);
    EXPECT_FALSE(target.AutoRepaint());
    EXPECT_FALSE(target.DrawAllPoints());
    EXPECT_FALSE(target.IgnoreNulls());
    EXPECT_TRUE(target.InvertedStairs());
    EXPECT_TRUE(target.Stairs());
    EXPECT_FALSE(target.FastPen());
    EXPECT_EQ(target.LinePen()->Width(), 4);
    // Back the other way: the start values are copied too, not only the changed ones.
    TFastLineSeries plain(nullptr);
    target.Assign(&plain);
    EXPECT_TRUE(target.AutoRepaint());
    EXPECT_TRUE(target.DrawAllPoints());
    EXPECT_TRUE(target.IgnoreNulls());
    EXPECT_FALSE(target.InvertedStairs());
    EXPECT_FALSE(target.Stairs());
}

TEST(FastLineSeries, GalleryVariantsFollowThePlainOne)
{
    TFastLineSeries s(nullptr);
    TSubGallery gallery;
    s.CreateSubGallery(gallery);
    ASSERT_EQ(gallery.Captions(), (QStringList{"Normal", "Marks", "Dotted", "Stairs"}));
    // Each caption's index is the variant it applies.
    s.SetSubGallery(static_cast<int>(gallery.Captions().indexOf("Stairs")));
    EXPECT_TRUE(s.Stairs());
    EXPECT_FALSE(s.Marks()->Visible());
    s.SetSubGallery(static_cast<int>(gallery.Captions().indexOf("Marks")));
    EXPECT_TRUE(s.Marks()->Visible());
    EXPECT_FALSE(s.LinePen()->SmallDots());
    s.SetSubGallery(static_cast<int>(gallery.Captions().indexOf("Dotted")));
    EXPECT_TRUE(s.LinePen()->SmallDots());
}

TEST(AxisPixelMap, SamePixelsAsTheAxis)
{
    // Halves, values far outside the range, and both directions of both axes, in both the
    // checked and the fast conversion; the range of values that land on one column.
    for (bool fast : {false, true}) {
        for (bool inverted : {false, true}) {
            TSeriesChart chart(403, 301);
            chart.Axes()->SetFastCalc(fast);
            chart.BottomAxis()->SetMinMax(-3, 7);
            chart.LeftAxis()->SetMinMax(0.5, 11);
            chart.BottomAxis()->SetInverted(inverted);
            chart.LeftAxis()->SetInverted(inverted);
            chart.Painted();
            for (TChartAxis* axis : {chart.BottomAxis(), chart.LeftAxis()}) {
                const bool vertical = axis == chart.LeftAxis();
                const TAxisPixelMap map(axis, vertical, fast);
                std::mt19937 rng(5);
                for (int i = 0; i < 20000; ++i) {
                    double v = -10 + (rng() % 200000) / 8192.0;
                    if (i % 97 == 0)
                        v = (i % 2 ? 1e12 : -1e12);
                    if (i % 101 == 0)
                        v = std::nan("");
                    const int32_t want = vertical ? axis->CalcYPosValue(v) : axis->CalcXPosValue(v);
                    ASSERT_EQ(map(v), want) << v;
                    // A column's range holds the value, lands wholly on the column and, on the
                    // axis, spans nearly a pixel's worth of values.
                    const double column = map.UnroundedColumn(v);
                    double lo, hi;
                    map.ColumnRange(v, column, lo, hi);
                    if (v == v && std::abs(v) < 1e6) {
                        ASSERT_TRUE(lo <= v && v <= hi) << v;
                        ASSERT_EQ(map.UnroundedColumn(lo), column) << v;
                        ASSERT_EQ(map.UnroundedColumn(hi), column) << v;
                        ASSERT_GT((hi - lo) * axis->ValueScale, 0.99) << v;
                    }
                }
            }
        }
    }
    EXPECT_EQ(TAxisPixelMap::RoundEven(2.5), 2);
    EXPECT_EQ(TAxisPixelMap::RoundEven(3.5), 4);
    EXPECT_EQ(TAxisPixelMap::RoundEven(-2.5), -2);
    EXPECT_EQ(TAxisPixelMap::RoundEven(-0.4), 0);
}

TEST(FastLineSeries, ManyPointsPerColumnGiveThePixelsOfThePointByPointPathThroughEveryChange)
{
    // A thousand points and more per pixel column, so that whole blocks of points fall on one
    // column, and fewer where zoomed in, so that blocks reach over column edges; drawn
    // reduced and, as the reference, with the fast paths off (every point in turn). The chart
    // then goes through a change, and the pictures must still agree: a summary of the points
    // kept from the frame before must follow every kind of change.
    enum Change { None, Spike, DeleteRange, InsertMiddle, Append, Refill, ExchangeTwo, ScrollX };
    struct Case {
        bool invertedX, invertedY;
        double xMin, xMax; // the bottom axis' range over x values 0..10
        int penWidth;
        bool notNumbers;   // now and then a y value that is not a number
        bool unordered;    // now and then an x value out of order, or not a number
        bool nulls;        // null points (drawn like others)
        Change change;
    };
    const Case cases[] = {
        {false, false, 0, 10, 1, false, false, false, Spike},
        {true, false, 0, 10, 1, false, false, false, DeleteRange},
        {false, true, 2.5, 7.5, 2, false, false, false, InsertMiddle},
        {true, true, 3.1, 3.9, 1, true, false, false, Append},
        {false, false, -1, 11, 1, true, true, false, Refill},
        {false, false, 4, 6, 2, false, true, true, ExchangeTwo},
        {true, false, 0.3, 9.7, 1, false, false, true, ScrollX},
        {false, false, 0, 10, 1, false, false, false, None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        FastChart f;
        TFastLineSeries* s = f.series;
        // The reduced picture and the one drawn point by point.
        const auto agree = [&] {
            const uint64_t blocks = TeeFastPaths::TimesTaken(TFastPath::LineBlock);
            const QImage reduced = f.chart.Painted().copy();
            EXPECT_GT(TeeFastPaths::TimesTaken(TFastPath::LineBlock), blocks);
            const TeeFastPaths::TScope plain(false);
            EXPECT_TRUE(reduced == f.chart.Painted());
            return reduced;
        };
        std::mt19937 rng(3 + static_cast<unsigned>(&c - cases));
        double walk = 5;
        auto point = [&](int i, int count, double& x, double& y) {
            walk = std::clamp(walk + (static_cast<int>(rng() % 9) - 4) * 0.01, 0.5, 9.5);
            x = 10.0 * i / count;
            y = walk;
            if (c.notNumbers && rng() % 5000 == 0)
                y = std::nan("");
            if (c.unordered && rng() % 3000 == 0)
                x = rng() % 2 ? std::nan("") : (rng() % 1000) / 100.0;
        };
        auto fill = [&](int count) {
            for (int i = 0; i < count; ++i) {
                double x, y;
                point(i, count, x, y);
                s->AddXY(x, y);
                if (c.nulls && i % 777 == 0)
                    s->SetNull(i);
            }
        };
        fill(300000);
        f.chart.BottomAxis()->SetInverted(c.invertedX);
        f.chart.LeftAxis()->SetInverted(c.invertedY);
        f.chart.BottomAxis()->SetMinMax(c.xMin, c.xMax);
        s->LinePen()->SetWidth(c.penWidth);
        agree();
        const int middle = 150000 + 17;
        switch (c.change) {
        case None: break;
        case Spike: s->SetYValue(middle, 9.9); break;
        case DeleteRange: s->Delete(middle, 5000); break;
        case InsertMiddle: s->AddXY(s->XValue(middle), 0.1); break;
        case Append:
            for (int i = 0; i < 300; ++i)
                s->AddXY(10 + i * 0.001, i % 2 ? 1 : 9);
            f.chart.BottomAxis()->SetMinMax(c.xMin, 10.3);
            break;
        case Refill: s->Clear(); break;
        case ExchangeTwo: s->YValues()->Exchange(middle, middle + 100000); break;
        case ScrollX: s->XValues()->Scroll(); break;
        }
        if (c.change == Refill) {
            walk = 2;
            fill(250000);
        }
        const QImage after = agree();
        // The line is there: red pixels in most columns.
        int columns = 0;
        for (int x = 0; x < after.width(); ++x)
            for (int y = 0; y < after.height(); ++y)
                if ((after.pixel(x, y) & 0xFFFFFF) == 0xFF0000) {
                    ++columns;
                    break;
                }
        EXPECT_GT(columns, 300);
    }
}

TEST(FastLineSeries, APointEditedInsideABlockOnOnePixelColumnShows)
{
    // Ten blocks of 512 points at y = 5, two blocks to each x = 1..5: the second block of a
    // pair lies wholly on the column the first began. One point is then edited in place.
    struct Case {
        const char* what;
        int index;
        double x, y;
        double probeX, probeY; // a pixel the edited line covers and the first did not
    };
    const Case cases[] = {
        {"a spike inside the second block of x = 2", 1636, 2, 9.3, 2, 8.5},
        {"its last point but one moved a column on, and up", 2046, 2.5, 9.3, 2.5, 9.3},
    };
    for (const Case& c : cases) {
        FastChart f;
        for (int i = 0; i < 5120; ++i)
            f.series->AddXY(1 + i / 1024, 5);
        const QImage& first = f.chart.Painted();
        const TPoint probe = f.At(c.probeX, c.probeY);
        EXPECT_NE(first.pixel(probe.X, probe.Y) & 0xFFFFFF, 0xFF0000u) << c.what;
        if (f.series->XValue(c.index) != c.x)
            f.series->SetXValue(c.index, c.x);
        f.series->SetYValue(c.index, c.y);
        EXPECT_EQ(f.chart.Painted().pixel(probe.X, probe.Y) & 0xFFFFFF, 0xFF0000u) << c.what;
    }
}
