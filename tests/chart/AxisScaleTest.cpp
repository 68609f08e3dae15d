// The axis scale: increments, value <-> pixel mappings, bounds and their errors, margins,
// scrolling and positions. Expected values are worked out by hand from the axis rules.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/chart/AxisTestHost.h"
#include "chart/core/DateTimeSteps.h"
#include "chart/core/Teeconst.h"
#include "tests/HangGuard.h"

namespace {

// An axis over the host's chart rectangle with a fixed range.
struct AxisFixture {
    AxisTestHost host;
    TChartAxis* axis;

    explicit AxisFixture(bool horizontal, TRect rect = {0, 0, 500, 300}) : axis(new TChartAxis(&host))
    {
        host.chartRect = rect;
        axis->SetHorizontal(horizontal);
    }
    void Range(double lo, double hi)
    {
        axis->SetMinMax(lo, hi);
        Layout();
    }
    void Layout()
    {
        axis->AdjustMaxMin();
        axis->InternalCalcPositions();
    }
};

template <class F>
QString AxisErrorText(F&& f)
{
    try {
        f();
    } catch (const AxisException& e) {
        return e.Message();
    }
    return QStringLiteral("(no error)");
}

TEST(AxisIncrement, NextNiceStepRunsThroughOneTwoFive)
{
    EXPECT_EQ(NextNiceStep(1), 2);
    EXPECT_EQ(NextNiceStep(2), 5);
    EXPECT_EQ(NextNiceStep(4.99), 5);
    EXPECT_EQ(NextNiceStep(5), 10);
    EXPECT_EQ(NextNiceStep(100.0 / 12), 10);
    EXPECT_EQ(NextNiceStep(10), 20);
    EXPECT_EQ(NextNiceStep(250), 500);
    EXPECT_DOUBLE_EQ(NextNiceStep(0.3), 0.5);
    EXPECT_DOUBLE_EQ(NextNiceStep(0.05), 0.1);
}

TEST(AxisIncrement, NextNiceStepOfZeroOrInfinityEnds)
{
    EXPECT_EQ(NextNiceStep(0), MinAxisIncrement);
    EXPECT_EQ(NextNiceStep(-3), MinAxisIncrement);
    EXPECT_TRUE(std::isinf(NextNiceStep(std::numeric_limits<double>::infinity())));
}

TEST(AxisIncrement, StepsOfDenormalRangesStillClimb)
{
    // Below the normal doubles a nice step may not be representable: the next step is still
    // larger than the last, so a walk of steps ends.
    for (const double x : {4.9406564584124654e-324, 9.8813129168249309e-324, 1.9762625833649862e-323, 1.3e-317,
                           2.2250738585072009e-308})
        EXPECT_GT(NextNiceStep(x), x) << x;
}

TEST(AxisIncrement, RangesBelowTheSmallestIncrementGiveTheSmallestIncrement)
{
    // Ranges from series values only (set bounds are widened to 1e-10): whatever the number of
    // labels, the step grows past the range and the smallest increment, 1e-12, is the answer.
    AxisFixture f(false);
    HangGuard guard("label increments of denormal ranges");
    const std::pair<double, double> ranges[] = {{0, 9.8813129168249309e-324},
                                                {0, 1.3e-317},
                                                {1.3e-317, 2.6e-317},
                                                {-2.2250738585072009e-308, 0},
                                                {1e-300, 1.0000000000000002e-300}};
    for (const auto& [lo, hi] : ranges) {
        f.host.seriesMin = lo;
        f.host.seriesMax = hi;
        f.Layout();
        ASSERT_GT(f.axis->WorkRange, 0);
        for (int maxLabels = 1; maxLabels <= 60; ++maxLabels)
            ASSERT_EQ(f.axis->CalcLabelsIncrement(maxLabels), 1e-12) << hi << " " << maxLabels;
    }
}

TEST(AxisIncrement, WorkedRangeGivesTen)
{
    AxisFixture f(true);
    f.Range(0, 100);
    ASSERT_EQ(f.axis->SizePixels, 500);
    // maxLabels = nearest(500 / (40 + 4)) = 11; 100/12 gives 12 labels, 10 gives 10.
    EXPECT_EQ(f.axis->CalcXYIncrement(40), 10);
    EXPECT_EQ(f.axis->CalcLabelsIncrement(11), 10);
    // No label size at all: one label, so the step grows until it covers the range.
    EXPECT_EQ(f.axis->CalcXYIncrement(0), 100);
    // 0..1000 with 3 labels: 250 gives 4, 500 gives 2.
    f.Range(0, 1000);
    EXPECT_EQ(f.axis->CalcLabelsIncrement(3), 500);
    EXPECT_EQ(f.axis->CalcLabelsIncrement(0), MinAxisIncrement);
}

TEST(AxisIncrement, DesiredIncrementIsKeptWhenLabelsFit)
{
    AxisFixture f(true);
    f.Range(0, 100);
    f.axis->SetDesiredIncrement(30);
    EXPECT_EQ(f.axis->CalcLabelsIncrement(11), 30);
    // 7 would give 14 labels: the next nice step above 7 is 10.
    f.axis->SetDesiredIncrement(7);
    EXPECT_EQ(f.axis->CalcLabelsIncrement(11), 10);
}

TEST(AxisIncrement, IndexSeriesNeverStepsBelowOnePoint)
{
    AxisFixture f(true);
    f.Range(0, 5);
    // 5/12 would give 12 labels; the nice step 0.5 gives 10.
    EXPECT_DOUBLE_EQ(f.axis->CalcLabelsIncrement(11), 0.5);
    f.host.indexSeriesPoints = 11;
    EXPECT_EQ(f.axis->CalcLabelsIncrement(11), 1);
    f.host.indexSeriesPoints = 12; // more points than labels: no raise
    EXPECT_DOUBLE_EQ(f.axis->CalcLabelsIncrement(11), 0.5);
}

TEST(AxisIncrement, InfiniteRangeReturnsTheRange)
{
    AxisFixture f(true);
    f.Range(-1e308, 1e308);
    EXPECT_TRUE(std::isinf(f.axis->CalcLabelsIncrement(10)));
}

TEST(AxisIncrement, DateTimeStepsClimbToTwoDaysForTenDays)
{
    AxisFixture f(true);
    f.Range(40000, 40010);
    f.axis->IsDateTimeAxis = true;
    EXPECT_EQ(f.axis->CalcLabelsIncrement(5), DateTimeStep[dtTwoDays]);
    EXPECT_EQ(f.axis->CalcLabelsIncrement(0), DateTimeStep[dtOneMicroSecond]);
}

TEST(AxisMapping, LinearHalvesGoToEven)
{
    AxisFixture f(true);
    f.Range(0, 200); // 2.5 pixels per unit
    EXPECT_EQ(f.axis->CalcPosValue(1), 2);
    EXPECT_EQ(f.axis->CalcPosValue(3), 8);
    EXPECT_EQ(f.axis->CalcPosValue(100), 250);
    f.axis->SetInverted(true);
    EXPECT_EQ(f.axis->CalcPosValue(3), 492); // 500 - 7.5
    EXPECT_EQ(f.axis->CalcPosValue(0), 500);
}

TEST(AxisMapping, VerticalCheckedAndFastRoundDifferently)
{
    // 301 pixels for 602 units: half a pixel per unit.
    AxisFixture f(false, {0, 0, 500, 301});
    f.Range(0, 602);
    ASSERT_EQ(f.axis->EndPixel, 301);
    EXPECT_EQ(f.axis->CalcPosValue(3), 300); // 301 - 1.5 = 299.5 -> 300
    f.host.fastCalc = true;
    f.axis->SetCalcPosValue();
    EXPECT_EQ(f.axis->CalcPosValue(3), 299); // 301 - nearest(1.5)
    f.axis->SetInverted(true);
    EXPECT_EQ(f.axis->CalcPosValue(3), 2);
}

TEST(AxisMapping, ZeroRangeMapsToTheCentre)
{
    AxisFixture f(true, {0, 0, 301, 300});
    f.host.seriesMin = f.host.seriesMax = 7;
    f.Layout();
    ASSERT_TRUE(f.axis->RangeIsZero);
    EXPECT_EQ(f.axis->CenterPixel, 150);
    EXPECT_EQ(f.axis->CalcPosValue(7), 150);
    EXPECT_EQ(f.axis->CalcPosValue(-1e9), 150);
    EXPECT_EQ(f.axis->CalcSizeValue(5), 0);
}

TEST(AxisMapping, InverseOnNormalAndInvertedAxes)
{
    AxisFixture h(true);
    h.Range(0, 200);
    EXPECT_DOUBLE_EQ(h.axis->CalcPosPoint(100), 40);
    h.axis->SetInverted(true);
    EXPECT_DOUBLE_EQ(h.axis->CalcPosPoint(100), 160);

    AxisFixture v(false, {0, 0, 500, 500});
    v.Range(0, 200);
    EXPECT_DOUBLE_EQ(v.axis->CalcPosPoint(100), 160);
    v.axis->SetInverted(true);
    EXPECT_DOUBLE_EQ(v.axis->CalcPosPoint(100), 40);

    AxisFixture empty(true, {10, 0, 10, 300});
    empty.Range(0, 200);
    EXPECT_EQ(empty.axis->CalcPosPoint(10), 0);
}

TEST(AxisMapping, HugeValuesMapToTheClampNeverOverflow)
{
    AxisFixture f(true);
    f.Range(0, 1);
    EXPECT_EQ(f.axis->CalcPosValue(1e9), 67108863);
    EXPECT_EQ(f.axis->CalcPosValue(-1e9), -67108863);
    EXPECT_EQ(f.axis->CalcPosValue(1e300), 67108863);
    EXPECT_EQ(f.axis->CalcPosValue(std::nan("")), 0);

    f.host.fastCalc = true;
    f.axis->SetCalcPosValue();
    EXPECT_EQ(f.axis->CalcPosValue(1e6), 500000000); // unclamped
    EXPECT_EQ(f.axis->CalcPosValue(1e9), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(f.axis->CalcPosValue(-1e300), std::numeric_limits<int32_t>::min());
    f.axis->SetInverted(true);
    EXPECT_EQ(f.axis->CalcPosValue(1e300), std::numeric_limits<int32_t>::min());
}

TEST(AxisMapping, LogarithmicPositionsUseNaturalLogs)
{
    AxisFixture h(true, {0, 0, 300, 300});
    h.Range(1, 1000);
    h.axis->SetLogarithmic(true);
    h.Layout();
    EXPECT_EQ(h.axis->CalcPosValue(10), 100);
    EXPECT_EQ(h.axis->CalcPosValue(100), 200);
    EXPECT_EQ(h.axis->CalcPosValue(0), 0);
    EXPECT_EQ(h.axis->CalcPosValue(-5), 0);
    EXPECT_NEAR(h.axis->CalcPosPoint(100), 10, 1e-9);
    EXPECT_EQ(h.axis->CalcPosPoint(0), 1);
    EXPECT_EQ(h.axis->CalcPosPoint(300), 1000);
    h.axis->SetInverted(true);
    EXPECT_EQ(h.axis->CalcPosValue(10), 200);
    EXPECT_EQ(h.axis->CalcPosValue(0), 300);

    AxisFixture v(false, {0, 0, 300, 300});
    v.Range(1, 1000);
    v.axis->SetLogarithmic(true);
    v.Layout();
    EXPECT_EQ(v.axis->CalcPosValue(10), 200);
    EXPECT_EQ(v.axis->CalcPosValue(0), 300);
    EXPECT_EQ(v.axis->CalcPosPoint(0), 1000);
    v.axis->SetInverted(true);
    EXPECT_EQ(v.axis->CalcPosValue(-1), 0);
    EXPECT_EQ(v.axis->CalcPosPoint(0), 1);
}

TEST(AxisMapping, LogarithmicWithZeroMinimumAndZeroLogRange)
{
    AxisFixture f(true, {0, 0, 300, 300});
    f.Range(0, 1000);
    f.axis->SetLogarithmic(true); // 0 is accepted
    f.Layout();
    EXPECT_EQ(f.axis->LogMinimum, 0);
    EXPECT_EQ(f.axis->CalcPosValue(1), 0); // ln 1 = the log minimum
    EXPECT_EQ(f.axis->CalcSizeValue(0), 0);

    f.Range(0, 1); // ln 1 = 0 and the minimum counts as 0: no log range
    f.axis->InternalCalcRange();
    EXPECT_EQ(f.axis->LogRange, 0);
    EXPECT_EQ(f.axis->CalcPosValue(0.25), 150);
}

TEST(AxisMapping, DepthMappingHasNoStartOffset)
{
    AxisFixture f(false);
    f.host.depth3D = 60;
    f.axis->SetDepthAxis(true);
    f.Range(0, 10);
    EXPECT_EQ(f.axis->StartPixel, 0);
    EXPECT_EQ(f.axis->EndPixel, 60);
    EXPECT_EQ(f.axis->CalcPosValue(2.5), 15);
    f.axis->SetInverted(true);
    EXPECT_EQ(f.axis->CalcPosValue(2.5), 45);
}

TEST(AxisMapping, SizeOfAValue)
{
    AxisFixture f(true);
    f.Range(0, 200);
    EXPECT_EQ(f.axis->CalcSizeValue(3), 8);
    EXPECT_EQ(f.axis->CalcSizeValue(1), 2);
    EXPECT_EQ(f.axis->CalcSizeValue(-1), 0);
}

TEST(AxisBounds, SetMinMaxSwapsWidensAndStopsAutomatic)
{
    AxisFixture f(true);
    f.axis->SetMinMax(5, 5);
    EXPECT_EQ(f.axis->Minimum(), 5);
    EXPECT_EQ(f.axis->Maximum(), 5 + 1e-10);
    EXPECT_FALSE(f.axis->Automatic());
    EXPECT_FALSE(f.axis->AutomaticMinimum());
    EXPECT_FALSE(f.axis->AutomaticMaximum());
    f.axis->SetMinMax(7, 3);
    EXPECT_EQ(f.axis->Minimum(), 3);
    EXPECT_EQ(f.axis->Maximum(), 7);
}

TEST(AxisBounds, ErrorsKeepTheOldValueWithTheirTexts)
{
    AxisFixture f(true);
    f.axis->SetMinMax(0, 5);
    EXPECT_EQ(AxisErrorText([&] { f.axis->SetMinimum(10); }), "Axis Minimum Value must be <= Maximum");
    EXPECT_EQ(f.axis->Minimum(), 0);
    EXPECT_EQ(AxisErrorText([&] { f.axis->SetMaximum(-1); }), "Axis Maximum Value must be >= Minimum");
    EXPECT_EQ(f.axis->Maximum(), 5);
    EXPECT_EQ(AxisErrorText([&] { f.axis->SetDesiredIncrement(-1); }), "Axis increment must be >= 0");
    EXPECT_EQ(AxisErrorText([&] { f.axis->SetLabelsSeparation(-1); }), "Labels Separation % must be greater than 0");
    EXPECT_EQ(f.axis->LabelsSeparation(), 10);
    EXPECT_EQ(AxisErrorText([&] { f.axis->SetLabelsSeparation(0); }), "(no error)");

    f.host.loading = true; // a stream may give the bounds in any order
    EXPECT_EQ(AxisErrorText([&] { f.axis->SetMinimum(10); }), "(no error)");
    EXPECT_EQ(f.axis->Minimum(), 10);
}

TEST(AxisBounds, LogarithmicRefusesDatesAndNegativeBounds)
{
    AxisFixture f(true);
    f.host.seriesMin = -1;
    f.host.seriesMax = 10;
    EXPECT_EQ(AxisErrorText([&] { f.axis->SetLogarithmic(true); }),
              "Logarithmic Axis Min and Max values should be >= 0");
    EXPECT_FALSE(f.axis->Logarithmic());
    f.host.seriesMin = 0;
    f.host.dateTime = true;
    EXPECT_EQ(AxisErrorText([&] { f.axis->SetLogarithmic(true); }), "DateTime Axis cannot be Logarithmic");
    f.host.dateTime = false;
    f.axis->SetLogarithmic(true);
    EXPECT_TRUE(f.axis->Logarithmic());
}

TEST(AxisBounds, AutomaticFlagsFollowEachOther)
{
    AxisFixture f(true);
    f.axis->SetAutomaticMaximum(false);
    EXPECT_FALSE(f.axis->Automatic());
    f.axis->SetAutomaticMaximum(true);
    EXPECT_TRUE(f.axis->Automatic());
    f.axis->SetAutomatic(false);
    EXPECT_FALSE(f.axis->AutomaticMinimum());
    EXPECT_FALSE(f.axis->AutomaticMaximum());
    f.axis->SetAutomaticMinimum(true);
    EXPECT_FALSE(f.axis->Automatic()); // the maximum is still fixed
    f.host.loading = true;
    f.axis->SetAutomatic(true);
    EXPECT_FALSE(f.axis->AutomaticMaximum());
}

TEST(AxisBounds, AutomaticBoundsComeFromTheSeries)
{
    AxisFixture f(true);
    f.host.seriesMin = -3;
    f.host.seriesMax = 12;
    f.axis->SetMaximum(50);
    f.axis->SetAutomaticMaximum(false);
    f.Layout();
    EXPECT_EQ(f.axis->Minimum(), -3);
    EXPECT_EQ(f.axis->Maximum(), 50);
    EXPECT_EQ(f.axis->WorkRange, 53);
}

TEST(AxisBounds, LabelsAngleKeepsTheSignOfTheDividend)
{
    AxisFixture f(true);
    f.axis->SetLabelsAngle(450);
    EXPECT_EQ(f.axis->LabelsAngle(), 90);
    f.axis->SetLabelsAngle(-90);
    EXPECT_EQ(f.axis->LabelsAngle(), -90);
    f.axis->SetLabelsAngle(-450);
    EXPECT_EQ(f.axis->LabelsAngle(), -90);
}

TEST(AxisBounds, SettersRepaintOnlyOnChange)
{
    AxisFixture f(true);
    const int before = f.host.invalidated;
    f.axis->SetTickLength(4);
    EXPECT_EQ(f.host.invalidated, before);
    f.axis->SetTickLength(5);
    EXPECT_EQ(f.host.invalidated, before + 1);
    f.axis->Grid()->SetZ(30);
    EXPECT_EQ(f.host.invalidated, before + 2);
}

TEST(AxisMargins, PixelMarginsWidenTheWorkingRange)
{
    AxisFixture h(true);
    h.Range(0, 100);
    h.axis->AdjustMaxMinRect(TRect(50, 0, 50, 0));
    EXPECT_DOUBLE_EQ(h.axis->WorkMinimum, -12.5);
    EXPECT_DOUBLE_EQ(h.axis->WorkMaximum, 112.5);
    EXPECT_EQ(h.axis->StartPixel, 0);
    EXPECT_EQ(h.axis->EndPixel, 500);
    EXPECT_EQ(h.axis->CalcPosValue(0), 50);
    EXPECT_EQ(h.axis->CalcPosValue(100), 450);

    AxisFixture v(false);
    v.Range(0, 90);
    v.axis->AdjustMaxMinRect(TRect(0, 30, 0, 0));
    EXPECT_DOUBLE_EQ(v.axis->WorkMinimum, 0);
    EXPECT_DOUBLE_EQ(v.axis->WorkMaximum, 100);
    EXPECT_EQ(v.axis->CalcPosValue(90), 30);
}

TEST(AxisScroll, CheckedScrollMovesOnlyTowardData)
{
    AxisFixture f(true);
    f.axis->SetMinMax(0, 100);
    f.host.seriesMin = 0;
    f.host.seriesMax = 100;
    f.axis->Scroll(10, true); // nothing beyond the maximum
    EXPECT_EQ(f.axis->Maximum(), 100);
    f.axis->Scroll(0, true);
    EXPECT_EQ(f.axis->Maximum(), 100);
    f.host.seriesMax = 120;
    f.axis->Scroll(10, true);
    EXPECT_EQ(f.axis->Minimum(), 10);
    EXPECT_EQ(f.axis->Maximum(), 110);
    f.axis->Scroll(-5, true); // series minimum 0 is below 10
    EXPECT_EQ(f.axis->Minimum(), 5);
    f.axis->SetAutomatic(true);
    f.axis->Scroll(-100, false);
    EXPECT_EQ(f.axis->Minimum(), -95);
    EXPECT_FALSE(f.axis->Automatic());
}

TEST(AxisPositions, StartEndAndPositionOffsets)
{
    AxisFixture h(true, {20, 10, 520, 310});
    h.axis->SetStartPosition(10);
    h.axis->SetEndPosition(90);
    h.Range(0, 1);
    EXPECT_EQ(h.axis->StartPixel, 70);
    EXPECT_EQ(h.axis->EndPixel, 470);
    EXPECT_EQ(h.axis->CenterPixel, 270);

    const TRect r(20, 10, 520, 310);
    EXPECT_EQ(h.axis->GetRectangleEdge(r), 310);
    EXPECT_EQ(h.axis->ApplyPosition(310, r), 310);
    h.axis->SetPositionPercent(10);
    EXPECT_EQ(h.axis->ApplyPosition(310, r), 280); // bottom axis moves up by 10% of 300
    h.axis->SetOtherSide(true);
    EXPECT_EQ(h.axis->GetRectangleEdge(r), 10);
    EXPECT_EQ(h.axis->ApplyPosition(10, r), 40);
    h.axis->SetPositionUnits(muPixels);
    h.axis->SetPositionPercent(7);
    EXPECT_EQ(h.axis->ApplyPosition(10, r), 17);

    AxisFixture v(false);
    v.axis->SetPositionPercent(10);
    EXPECT_EQ(v.axis->GetRectangleEdge(r), 20);
    EXPECT_EQ(v.axis->ApplyPosition(20, r), 70); // left axis moves right by 10% of 500
}

TEST(AxisPositions, DepthPositionOfTheAxis)
{
    AxisFixture f(true);
    f.host.depth3D = 60;
    f.axis->SetZPosition(50);
    EXPECT_EQ(f.axis->CalcZPos(), 30);
    f.axis->SetDepthAxis(true);
    EXPECT_EQ(f.axis->CalcZPos(), 150); // half the chart height
}

TEST(AxisCollection, OnlyAxesAfterTheFiveStandardOnesAreCustom)
{
    AxisTestHost host;
    for (int i = 0; i < 5; ++i)
        new TChartAxis(&host);
    EXPECT_EQ(host.customAxes.Count(), 0);
    auto* custom = new TChartAxis(&host);
    EXPECT_EQ(host.customAxes.Count(), 1);
    EXPECT_TRUE(custom->IsCustom());
    EXPECT_FALSE(host.axes[4]->IsCustom());
    auto* added = static_cast<TChartAxis*>(host.customAxes.Add());
    EXPECT_EQ(host.AxisCount(), 7);
    EXPECT_EQ(added->Collection(), &host.customAxes);
    delete custom;
    EXPECT_EQ(host.AxisCount(), 6);
    EXPECT_EQ(host.customAxes.Count(), 1);
}

TEST(AxisDefaults, NewAxisAndAssign)
{
    AxisFixture f(true);
    TChartAxis& a = *f.axis;
    EXPECT_TRUE(a.Automatic());
    EXPECT_EQ(a.AxisValuesFormat(), "#,##0.###");
    EXPECT_TRUE(a.ExactDateTime());
    EXPECT_TRUE(a.LabelsOnAxis());
    EXPECT_EQ(a.LabelsSeparation(), 10);
    EXPECT_EQ(a.LogarithmicBase(), 10);
    EXPECT_EQ(a.EndPosition(), 100);
    EXPECT_EQ(a.MinorTickCount(), 3);
    EXPECT_EQ(a.MinorTickLength(), 2);
    EXPECT_EQ(a.TickLength(), 4);
    EXPECT_TRUE(a.RoundFirstLabel());
    EXPECT_TRUE(a.TickOnLabelsOnly());
    EXPECT_TRUE(a.Visible());
    EXPECT_EQ(a.Axis()->Width(), 2);
    EXPECT_EQ(a.Grid()->Style(), psDot);
    EXPECT_EQ(a.Grid()->Color(), clGray);
    EXPECT_FALSE(a.MinorGrid()->Visible());
    EXPECT_EQ(a.Ticks()->Color(), clGray);

    TChartAxis other(&f.host);
    other.SetMinMax(-4, 9);
    other.SetLogarithmicBase(2);
    other.SetInverted(true);
    other.SetLabelsAngle(90);
    other.Grid()->SetCentered(true);
    a.Assign(&other);
    EXPECT_EQ(a.Minimum(), -4);
    EXPECT_EQ(a.Maximum(), 9);
    EXPECT_FALSE(a.Automatic());
    EXPECT_EQ(a.LogarithmicBase(), 2);
    EXPECT_TRUE(a.Inverted());
    EXPECT_EQ(a.LabelsAngle(), 90);
    EXPECT_TRUE(a.GridCentered());
    EXPECT_FALSE(a.Horizontal()); // copied too
}

} // namespace
