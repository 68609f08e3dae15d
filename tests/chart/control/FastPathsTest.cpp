// The one switch of the fast paths: a chart of every series kind, flat and in 3D, must come
// out the same pixel for pixel with the switch on and off; and every fast path must have been
// taken with the switch on, and none with it off.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <array>
#include <functional>
#include <random>

#include "chart/components/Chart.h"
#include "chart/components/NearestTool.h"
#include "chart/components/Series.h"
#include "chart/core/ChartAxis.h"
#include "platform/graphics/FastPaths.h"
#include "tests/chart/support/PixelDifference.h"

namespace {

constexpr int kPaths = static_cast<int>(TFastPath::Count);
using TCounts = std::array<uint64_t, kPaths>;

TCounts Counts()
{
    TCounts counts;
    for (int p = 0; p < kPaths; ++p)
        counts[static_cast<size_t>(p)] = TeeFastPaths::TimesTaken(static_cast<TFastPath>(p));
    return counts;
}

} // namespace

TEST(FastPaths, EveryKindOfSeriesDrawsThePixelsOfThePlainWay)
{
    // Long walks in small steps, about a hundred points to a pixel column (whole blocks of
    // symbols land on one column, on symbols of their colour; a fast line's longer blocks are
    // halved); bars and slices few enough for their marks to be read, but crowded enough to be
    // kept apart; the nearest point of a fast line marked.
    struct Kind {
        const char* name;
        std::function<TChartSeries*(TComponent*)> make;
        int points;
        bool horizontal;
    };
    const auto pointed = [](auto* series) {
        series->Pointer()->SetVisible(true);
        return series;
    };
    const Kind kinds[] = {
        {"fast line", [](TComponent* o) { return new TFastLineSeries(o); }, 30000, false},
        {"wide fast line",
         [](TComponent* o) {
             auto* s = new TFastLineSeries(o);
             s->LinePen()->SetWidth(2);
             return s;
         },
         30000, false},
        {"points", [](TComponent* o) { return new TPointSeries(o); }, 30000, false},
        {"line", [&](TComponent* o) { return pointed(new TLineSeries(o)); }, 1000, false},
        {"triangles alone",
         [&](TComponent* o) {
             auto* s = pointed(new TLineSeries(o));
             s->LinePen()->SetVisible(false);
             s->Pointer()->SetStyle(psTriangle);
             return s;
         },
         30000, false},
        {"horizontal line", [&](TComponent* o) { return pointed(new THorizLineSeries(o)); }, 1000, true},
        {"area", [&](TComponent* o) { return pointed(new TAreaSeries(o)); }, 1000, false},
        {"horizontal area", [](TComponent* o) { return new THorizAreaSeries(o); }, 1000, true},
        {"bars", [](TComponent* o) { return new TBarSeries(o); }, 150, false},
        {"horizontal bars", [](TComponent* o) { return new THorizBarSeries(o); }, 150, true},
        {"pie", [](TComponent* o) { return new TPieSeries(o); }, 40, false},
    };
    TCounts taken{}, takenOff{};
    for (bool is3D : {false, true}) {
        for (const Kind& kind : kinds) {
            SCOPED_TRACE(std::string(kind.name) + (is3D ? " in 3D" : " flat"));
            TComponent owner(nullptr);
            TChart* chart = new TChart(&owner);
            chart->SetBounds(0, 0, 420, 300);
            chart->SetView3D(is3D);
            TChartSeries* series = kind.make(&owner);
            chart->AddSeries(series);
            series->Marks()->SetVisible(kind.points < 1000);
            std::mt19937 rng(29);
            // In 3D every symbol is drawn: fewer points do.
            const int points = is3D ? std::min(kind.points, 3000) : kind.points;
            double walk = 5;
            const double step = points > 10000 ? 0.02 : 0.25;
            for (int i = 0; i < points; ++i) {
                walk = std::clamp(walk + (static_cast<int>(rng() % 5) - 2) * step, 0.0, 10.0);
                const double along = 10.0 * i / points;
                if (kind.horizontal)
                    series->AddXY(walk, along);
                else
                    series->AddXY(along, walk);
            }
            // The nearest point is searched on the axes of a drawn chart.
            chart->Invalidate();
            chart->Update();
            TNearestTool* nearest = nullptr;
            if (dynamic_cast<TFastLineSeries*>(series)) {
                nearest = new TNearestTool(&owner);
                nearest->SetParentChart(chart);
                nearest->SetSeries(series);
            }
            QImage pictures[2];
            for (bool on : {true, false}) {
                const TeeFastPaths::TScope fastPaths(on);
                const TCounts before = Counts();
                if (nearest)
                    nearest->ChartMouseEvent(cmeMove, mbLeft, TShiftState(), 200, 120);
                chart->Invalidate();
                chart->Update();
                pictures[on ? 0 : 1] = chart->BackBuffer().copy();
                const TCounts after = Counts();
                for (size_t p = 0; p < after.size(); ++p)
                    (on ? taken : takenOff)[p] += after[p] - before[p];
            }
            EXPECT_EQ(CountDifferent(pictures[0], pictures[1]), 0);
            chart->FreeAllSeries();
        }
    }
    const char* const names[] = {"stamped shape", "row clip", "masked polyline", "wide polyline in pieces",
                                 "kept glyphs", "symbols alone", "symbol block", "line runs", "line block",
                                 "column folding", "nearest halving", "mark grid"};
    static_assert(std::size(names) == kPaths);
    for (int p = 0; p < kPaths; ++p) {
        EXPECT_GT(taken[static_cast<size_t>(p)], 0u) << names[p];
        EXPECT_EQ(takenOff[static_cast<size_t>(p)], 0u) << names[p];
    }
}
