// The annotation's box: corners of the control, a place of its own, lines and alignment, the
// callout, clicks and its cursor. Text is measured by the recording canvas: 6 pixels a
// character, 12 a line.

#include <gtest/gtest.h>

#include "chart/components/AnnotationTool.h"
#include "chart/core/TeeEngineSettings.h"
#include "tests/chart/support/RecordingCanvas.h"
#include "tests/chart/tools/ToolChart.h"

namespace {

class AnnotationChart : public ToolChart
{
public:
    AnnotationChart()
    {
        tool = new TAnnotationTool(&owner);
        tool->SetParentChart(chart);
        canvas = new TRecordingCanvas;
        chart->SetInternalCanvas(canvas);
    }
    void Draw()
    {
        Paint();
        canvas->Clear();
        Paint();
    }
    // The text calls of the annotation (the chart writes no other text here).
    std::vector<const TCanvasCall*> Texts() const { return canvas->Find("TextOut"); }

    TAnnotationTool* tool;
    TRecordingCanvas* canvas;
};

QString Lines(std::initializer_list<const char*> lines)
{
    QStringList list;
    for (const char* l : lines)
        list << QString::fromLatin1(l);
    return list.join(TeeLineSeparator);
}

} // namespace

TEST(AnnotationTool, BoxesInTheCornersOfTheControlAndAtItsOwnPlace)
{
    struct Case {
        TAnnotationPosition position;
        QString text;
        TRect box;
    };
    // "Hello" is 30 x 12; two lines of at most 4 characters are 24 x 24; no text is one blank.
    const Case cases[] = {
        {ppLeftTop, "Hello", TRect(6, 8, 42, 24)},
        {ppLeftBottom, "Hello", TRect(6, 378, 42, 394)},
        {ppRightTop, "Hello", TRect(558, 8, 594, 24)},
        {ppRightBottom, "Hello", TRect(558, 378, 594, 394)},
        {ppRightBottom, Lines({"ab", "cdef"}), TRect(564, 366, 594, 394)},
        {ppLeftTop, "", TRect(6, 8, 18, 24)},
    };
    for (const Case& c : cases) {
        AnnotationChart a;
        a.tool->SetText(c.text);
        a.tool->SetPosition(c.position);
        a.Draw();
        EXPECT_EQ(a.tool->Shape()->ShapeRect, c.box) << c.position << " " << c.text.toStdString();
    }

    AnnotationChart a;
    a.tool->SetText("Hello");
    a.tool->Shape()->SetLeft(100);
    a.tool->Shape()->SetTop(50);
    a.Draw();
    EXPECT_EQ(a.tool->Shape()->ShapeRect, TRect(100, 50, 136, 66));
    ASSERT_EQ(a.Texts().size(), 1u);
    EXPECT_EQ(a.Texts()[0]->Points[0], TPoint(104, 52));
    // Choosing a corner ends the place of its own.
    a.tool->SetPosition(ppRightTop);
    EXPECT_FALSE(a.tool->Shape()->CustomPosition());
    a.Draw();
    EXPECT_EQ(a.tool->Shape()->ShapeRect, TRect(558, 8, 594, 24));
}

TEST(AnnotationTool, LinesInTheThreeAlignments)
{
    struct Case {
        TAlignment alignment;
        int x;
    };
    // The box of "ab" / "cdef" at the top left is (6, 8, 36, 36).
    const Case cases[] = {{taLeftJustify, 10}, {taCenter, 23}, {taRightJustify, 34}};
    for (const Case& c : cases) {
        AnnotationChart a;
        a.tool->SetText(Lines({"ab", "cdef"}));
        a.tool->SetTextAlignment(c.alignment);
        a.Draw();
        const auto texts = a.Texts();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0]->Text, "ab");
        EXPECT_EQ(texts[0]->Points[0], TPoint(c.x, 10)) << c.alignment;
        EXPECT_EQ(texts[1]->Text, "cdef");
        EXPECT_EQ(texts[1]->Points[0], TPoint(c.x, 22)) << c.alignment;
    }
}

TEST(AnnotationTool, CalloutStartsAtTheNearerEdge)
{
    struct Case {
        TPoint target;
        TPoint start;
    };
    const TRect box(10, 20, 50, 40);
    const Case cases[] = {
        {{25, 100}, {30, 40}}, // below, within the span: middle of the bottom edge
        {{25, 0}, {30, 20}},   // above: middle of the top edge
        {{100, 25}, {50, 30}}, // right: middle of the right edge
        {{0, 0}, {10, 20}},    // beyond a corner: the corner
        {{60, 50}, {50, 40}},
        {{25, 25}, {30, 30}},  // inside: the middle
    };
    for (const Case& c : cases)
        EXPECT_EQ(TAnnotationCallout::CloserPoint(box, c.target), c.start) << c.target.X << "," << c.target.Y;

    // Drawn: a line from the place pointed at to the box (6, 8, 42, 24) of "Hello".
    AnnotationChart a;
    a.tool->SetText("Hello");
    a.tool->Callout()->Arrow()->SetVisible(true);
    a.tool->Callout()->SetXPosition(20);
    a.tool->Callout()->SetYPosition(200);
    a.Draw();
    const auto lines = a.canvas->Find("Line");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back()->Points, (std::vector<TPoint>{{20, 200}, {24, 24}}));

    // A hidden callout with a hidden arrow draws no line.
    AnnotationChart hidden;
    hidden.Draw();
    EXPECT_TRUE(hidden.canvas->Find("Line").empty());
}

TEST(AnnotationTool, ClicksAndCursorOverTheBox)
{
    AnnotationChart a;
    a.tool->SetText("Hello");
    a.Draw();
    int clicks = 0;
    a.tool->OnClick = [&](TAnnotationTool* sender, TMouseButton button, TShiftState, int x, int y) {
        EXPECT_EQ(sender, a.tool);
        EXPECT_EQ(button, mbRight);
        EXPECT_EQ(TPoint(x, y), TPoint(6, 8));
        ++clicks;
    };
    a.chart->MouseDown(mbRight, ssRight, 42, 24); // right and bottom edges are outside
    a.chart->MouseUp(mbRight, 0, 42, 24);
    EXPECT_EQ(clicks, 0);
    a.chart->MouseDown(mbRight, ssRight, 6, 8);
    a.chart->MouseUp(mbRight, 0, 6, 8);
    EXPECT_EQ(clicks, 1);

    a.tool->SetCursor(crHandPoint);
    a.chart->MouseMove(0, 20, 20);
    EXPECT_EQ(a.chart->Cursor(), crHandPoint);
    a.chart->MouseMove(0, 300, 200);
    EXPECT_EQ(a.chart->Cursor(), crDefault);
}
