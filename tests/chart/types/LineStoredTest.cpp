// Stored properties of the line family: a new series of each kind stores none of its own
// properties, every property a kind publishes comes back through a round trip, values that a
// kind starts with other than the published defaults round-trip both ways, and a kind leaves
// out what it does not publish.

#include <gtest/gtest.h>

#include <memory>

#include "chart/components/Series.h"
#include "chart/core/SeriesMarks.h"

namespace {

// The names of the line family's own stored properties; objects as their path prefix.
const QStringList ownNames{"AreaBrush=",      "AreaColor=",  "ClickableLine=", "ColorEachLine=", "Dark3D=",
                           "DrawArea=",       "DrawLine=",   "InvertedStairs=", "LineBrush=",    "LineHeight=",
                           "MultiArea=",      "Stacked=",    "Stairs=",        "Transparency=",  "UseYOrigin=",
                           "YOrigin=",        "Pointer.",    "LinePen.",       "OutLine.",       "AreaLinesPen.",
                           "AreaChartBrush.", "Gradient.",   "Brush."};

QStringList OwnLines(const QString& text)
{
    QStringList out;
    for (const QString& line : text.split('\n'))
        for (const QString& name : ownNames)
            if (line.startsWith(name))
                out << line;
    return out;
}

template <class S>
std::unique_ptr<S> RoundTrip(S& source, QString* text = nullptr)
{
    const QString written = TeeWriteProperties(source);
    if (text)
        *text = written;
    auto copy = std::make_unique<S>(nullptr);
    TeeReadProperties(*copy, written);
    return copy;
}

} // namespace

TEST(LineStored, NewSeriesOfEachKindStoresNoneOfItsOwnProperties)
{
    TLineSeries line(nullptr);
    THorizLineSeries horizLine(nullptr);
    TPointSeries point(nullptr);
    TAreaSeries area(nullptr);
    THorizAreaSeries horizArea(nullptr);
    EXPECT_EQ(OwnLines(TeeWriteProperties(line)), QStringList());
    EXPECT_EQ(OwnLines(TeeWriteProperties(horizLine)), QStringList());
    EXPECT_EQ(OwnLines(TeeWriteProperties(point)), QStringList());
    EXPECT_EQ(OwnLines(TeeWriteProperties(area)), QStringList());
    // The horizontal area's gradient starts right to left: that is not stored either.
    EXPECT_EQ(OwnLines(TeeWriteProperties(horizArea)), QStringList());
}

TEST(LineStored, LineKindRoundTripsEveryPublishedProperty)
{
    TLineSeries line(nullptr);
    line.Brush()->SetColor(clRed);
    line.SetClickableLine(false);
    line.SetDark3D(false);
    line.SetInvertedStairs(true);
    line.SetLineBrush(bsCross);
    line.SetLineHeight(7);
    line.LinePen()->SetWidth(3);
    line.LinePen()->SetColor(clBlue);
    line.OutLine()->SetVisible(true);
    line.OutLine()->SetWidth(4);
    line.Pointer()->SetVisible(true);
    line.Pointer()->SetStyle(psStar);
    line.SetStairs(true);
    line.SetStacked(cssStack);
    line.SetColorEachLine(false);
    line.SetDrawLine(false);
    QString text;
    const auto copy = RoundTrip(line, &text);
    const QStringList lines = text.split('\n');
    for (const char* expected : {"ClickableLine=False", "Dark3D=False", "InvertedStairs=True", "LineBrush=bsCross",
                                 "LineHeight=7", "Stairs=True", "Stacked=cssStack", "ColorEachLine=False",
                                 "DrawLine=False", "Pointer.Visible=True", "OutLine.Visible=True"})
        EXPECT_TRUE(lines.contains(expected)) << expected << "\n" << text.toStdString();

    EXPECT_EQ(copy->Brush()->Color(), clRed);
    EXPECT_FALSE(copy->ClickableLine());
    EXPECT_FALSE(copy->Dark3D());
    EXPECT_TRUE(copy->InvertedStairs());
    EXPECT_EQ(copy->LineBrush(), bsCross);
    EXPECT_EQ(copy->LineHeight(), 7);
    EXPECT_EQ(copy->LinePen()->Width(), 3);
    EXPECT_EQ(copy->LinePen()->Color(), clBlue);
    EXPECT_TRUE(copy->OutLine()->Visible());
    EXPECT_EQ(copy->OutLine()->Width(), 4);
    EXPECT_TRUE(copy->Pointer()->Visible());
    EXPECT_EQ(copy->Pointer()->Style(), psStar);
    EXPECT_TRUE(copy->Stairs());
    EXPECT_EQ(copy->Stacked(), cssStack);
    EXPECT_FALSE(copy->ColorEachLine());
    EXPECT_FALSE(copy->DrawLine());
    // Nothing written is left unread, and the copy writes the same text.
    EXPECT_EQ(TeeWriteProperties(*copy), text);
}

TEST(LineStored, HorizontalLineRoundTripsAndKeepsItsValueOrder)
{
    THorizLineSeries line(nullptr);
    line.Pointer()->SetVisible(true);
    line.SetStairs(true);
    const auto copy = RoundTrip(line);
    EXPECT_TRUE(copy->Pointer()->Visible());
    EXPECT_TRUE(copy->Stairs());
    EXPECT_EQ(copy->YValues()->Order(), loAscending);
    EXPECT_EQ(copy->XValues()->Order(), loNone);
}

TEST(LineStored, PointKindStoresItsStartValuesAgainstItsOwnStart)
{
    // A point series starts with a shown symbol and no clickable line: the other way round
    // is what is stored, and both ways come back.
    TPointSeries point(nullptr);
    point.SetClickableLine(true);
    point.Pointer()->SetVisible(false);
    point.SetDrawLine(true);
    QString text;
    auto copy = RoundTrip(point, &text);
    EXPECT_EQ(OwnLines(text), (QStringList{"ClickableLine=True", "DrawLine=True", "Pointer.Visible=False"}));
    EXPECT_TRUE(copy->ClickableLine());
    EXPECT_FALSE(copy->Pointer()->Visible());
    EXPECT_TRUE(copy->DrawLine());

    // A line series starts with a hidden symbol: a shown one is stored.
    TLineSeries line(nullptr);
    line.Pointer()->SetVisible(true);
    EXPECT_EQ(OwnLines(TeeWriteProperties(line)), QStringList{"Pointer.Visible=True"});
}

TEST(LineStored, EachKindLeavesOutWhatItDoesNotPublish)
{
    TLineSeries line(nullptr);
    line.SetAreaColor(clGreen);
    line.SetTransparency(30);
    line.Gradient()->SetVisible(true);
    line.AreaLinesPen()->SetVisible(false);
    EXPECT_EQ(OwnLines(TeeWriteProperties(line)), QStringList());

    TPointSeries point(nullptr);
    point.SetStairs(true);
    point.SetDark3D(false);
    point.SetLineHeight(3);
    point.SetStacked(cssStack);
    point.LinePen()->SetWidth(5);
    point.Pointer()->SetStyle(psDiamond);
    EXPECT_EQ(OwnLines(TeeWriteProperties(point)), QStringList{"Pointer.Style=psDiamond"});

    TAreaSeries area(nullptr);
    area.SetLineHeight(4);
    area.SetLineBrush(bsClear);
    area.OutLine()->SetVisible(true);
    EXPECT_EQ(OwnLines(TeeWriteProperties(area)), QStringList());
}

TEST(LineStored, AreaKindRoundTripsEveryPublishedProperty)
{
    TAreaSeries area(nullptr);
    area.SetAreaBrush(bsDiagCross);
    area.AreaChartBrush()->SetColor(clYellow);
    area.SetAreaColor(clGreen);
    area.AreaLinesPen()->SetVisible(false);
    area.Gradient()->SetVisible(true);
    area.Gradient()->SetDirection(gdLeftRight);
    area.SetMultiArea(maStacked100);
    area.SetTransparency(40);
    area.SetUseYOrigin(true);
    area.SetYOrigin(2.5);
    area.SetDrawArea(false);
    area.SetStairs(true);
    area.SetInvertedStairs(true);
    area.LinePen()->SetWidth(2);
    area.Pointer()->SetVisible(true);
    area.SetDark3D(false);
    area.SetClickableLine(false);
    area.SetColorEachLine(false);
    QString text;
    const auto copy = RoundTrip(area, &text);
    const QStringList lines = text.split('\n');
    for (const char* expected : {"AreaBrush=bsDiagCross", "AreaColor=32768", "MultiArea=maStacked100",
                                 "Transparency=40", "UseYOrigin=True", "YOrigin=2.5", "DrawArea=False",
                                 "AreaLinesPen.Visible=False", "Gradient.Visible=True"})
        EXPECT_TRUE(lines.contains(expected)) << expected << "\n" << text.toStdString();
    // Stacking goes by its area name only.
    EXPECT_FALSE(lines.contains("Stacked=cssStack100")) << text.toStdString();

    EXPECT_EQ(copy->AreaBrush(), bsDiagCross);
    EXPECT_EQ(copy->AreaChartBrush()->Color(), clYellow);
    EXPECT_EQ(copy->AreaColor(), clGreen);
    EXPECT_FALSE(copy->AreaLinesPen()->Visible());
    EXPECT_TRUE(copy->Gradient()->Visible());
    EXPECT_EQ(copy->Gradient()->Direction(), gdLeftRight);
    EXPECT_EQ(copy->MultiArea(), maStacked100);
    EXPECT_EQ(copy->Stacked(), cssStack100);
    EXPECT_EQ(copy->Transparency(), 40);
    EXPECT_TRUE(copy->UseYOrigin());
    EXPECT_EQ(copy->YOrigin(), 2.5);
    EXPECT_FALSE(copy->DrawArea());
    EXPECT_TRUE(copy->Stairs());
    EXPECT_TRUE(copy->InvertedStairs());
    EXPECT_EQ(copy->LinePen()->Width(), 2);
    EXPECT_TRUE(copy->Pointer()->Visible());
    EXPECT_FALSE(copy->Dark3D());
    EXPECT_FALSE(copy->ClickableLine());
    EXPECT_FALSE(copy->ColorEachLine());
    EXPECT_EQ(TeeWriteProperties(*copy), text);
}

TEST(LineStored, AreaKeepsOverlapUnderItsOwnName)
{
    // Overlap has no area name: it is kept under its own.
    TAreaSeries area(nullptr);
    area.SetStacked(cssOverlap);
    QString text;
    const auto copy = RoundTrip(area, &text);
    EXPECT_EQ(OwnLines(text), QStringList{"Stacked=cssOverlap"});
    EXPECT_EQ(copy->Stacked(), cssOverlap);
}

TEST(LineStored, AreaReadsClampTransparencyAndIgnoreUnknownNames)
{
    TAreaSeries area(nullptr);
    TeeReadProperties(area, "Transparency=250\nMultiArea=maSideways\nAreaBrush=bsNothing\nYOrigin=abc");
    EXPECT_EQ(area.Transparency(), 100);
    EXPECT_EQ(area.MultiArea(), maNone);
    EXPECT_EQ(area.AreaBrush(), bsSolid);
    EXPECT_EQ(area.YOrigin(), 0);
    TeeReadProperties(area, "Transparency=-5");
    EXPECT_EQ(area.Transparency(), 0);
}

TEST(LineStored, MultiAreaIsTheAreaNameOfStacked)
{
    TAreaSeries area(nullptr);
    area.SetStacked(cssStack);
    EXPECT_EQ(area.MultiArea(), maStacked);
    area.SetStacked(cssStack100);
    EXPECT_EQ(area.MultiArea(), maStacked100);
    area.SetStacked(cssOverlap);
    EXPECT_EQ(area.MultiArea(), maNone);
    // Unchanged as an area stacking: overlap stays.
    area.SetMultiArea(maNone);
    EXPECT_EQ(area.Stacked(), cssOverlap);
    area.SetMultiArea(maStacked);
    EXPECT_EQ(area.Stacked(), cssStack);
    area.SetMultiArea(maStacked100);
    EXPECT_EQ(area.Stacked(), cssStack100);
    area.SetMultiArea(maNone);
    EXPECT_EQ(area.Stacked(), cssNone);
}

TEST(LineStored, HorizontalAreaGradientStartsRightToLeftAndStoresOtherDirections)
{
    THorizAreaSeries area(nullptr);
    EXPECT_EQ(area.Gradient()->Direction(), gdRightLeft);
    area.Gradient()->SetDirection(gdTopBottom);
    QString text;
    const auto copy = RoundTrip(area, &text);
    EXPECT_EQ(OwnLines(text), QStringList{"Gradient.Direction=gdTopBottom"});
    EXPECT_EQ(copy->Gradient()->Direction(), gdTopBottom);
    area.FillSampleValues();
    EXPECT_EQ(area.Count(), 10);
}

TEST(LineStored, AssignCopiesTheAreaGradient)
{
    TAreaSeries source(nullptr);
    source.Gradient()->SetVisible(true);
    source.Gradient()->SetStartColor(clRed);
    TLineSeries line(nullptr);
    line.Assign(&source);
    EXPECT_TRUE(line.Gradient()->Visible());
    EXPECT_EQ(line.Gradient()->StartColor(), clRed);
}

TEST(LineStored, AShownMarksCalloutComesBack)
{
    // The marks callout starts hidden, so a shown one is what needs storing.
    TLineSeries line(nullptr);
    EXPECT_FALSE(TeeWriteProperties(*line.Marks()).contains("Callout.Visible"));
    line.Marks()->Callout()->SetVisible(true);
    const QString text = TeeWriteProperties(*line.Marks());
    EXPECT_TRUE(text.split('\n').contains("Callout.Visible=True")) << text.toStdString();
    TLineSeries copy(nullptr);
    TeeReadProperties(*copy.Marks(), text);
    EXPECT_TRUE(copy.Marks()->Callout()->Visible());
}
