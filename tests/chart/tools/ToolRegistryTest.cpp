// The tool types at start-up, the editor each tool names and its description, and a chart
// written with every tool of this library read back.

#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "chart/components/TeeSeriesTypes.h"
#include "chart/components/TeeTools.h"
#include "chart/editors/TeeDragPoint.h"
#include "chart/components/CustomSeries.h"
#include "platform/ClassRegistry.h"
#include "tests/chart/tools/ToolChart.h"

namespace {

struct ToolKind {
    const char* name;
    const char* editor;
    const char* description;
};

// In the order of the tool types.
const ToolKind kTools[] = {
    {"TCursorTool", "TCursorToolEditor", "Cursor"},
    {"TDragMarksTool", "TDragMarksToolEditor", "Drag Marks"},
    {"TAxisArrowTool", "TAxisArrowToolEditor", "Axis Arrows"},
    {"TDrawLineTool", "TDrawLineEdit", "Draw Line"},
    {"TNearestTool", "TNearestToolEdit", "Nearest Point"},
    {"TColorBandTool", "TColorBandToolEditor", "Color Band"},
    {"TColorLineTool", "TColorLineToolEditor", "Color Line"},
    {"TRotateTool", "TRotateToolEditor", "Rotate"},
    {"TChartImageTool", "TChartImageToolEditor", "Image"},
    {"TMarksTipTool", "TMarksTipToolEdit", "Mark Tips"},
    {"TAnnotationTool", "TAnnotationToolEdit", "Annotation"},
    {"TSeriesAnimationTool", "TSeriesAnimToolEditor", "Series Animation"},
    {"TGridBandTool", "TGridBandToolEdit", "Grid Band"},
    {"TDragPointTool", "TDragPointToolEdit", "Drag Point"},
};

} // namespace

TEST(ToolRegistry, ToolTypesInOrderAndTheEditorsTheyName)
{
    QStringList expected;
    for (const ToolKind& k : kTools)
        expected << k.name;
    QStringList registered;
    for (int i = 0; i < TeeToolTypes->Count(); ++i)
        registered << TeeToolTypes->Get(i)->Name;
    EXPECT_EQ(registered, expected);
    // Entering a class again, wherever it stands, adds nothing.
    for (const ToolKind& k : kTools)
        RegisterTeeTools({GetClass(k.name)});
    registered.clear();
    for (int i = 0; i < TeeToolTypes->Count(); ++i)
        registered << TeeToolTypes->Get(i)->Name;
    EXPECT_EQ(registered.join(' ').toStdString(), expected.join(' ').toStdString());

    TComponent owner(nullptr);
    for (const ToolKind& k : kTools) {
        const TPersistentClass cls = GetClass(k.name);
        if (!cls)
            continue;
        std::unique_ptr<TPersistent> made(cls->Create(&owner));
        auto* tool = dynamic_cast<TTeeCustomTool*>(made.get());
        ASSERT_NE(tool, nullptr) << k.name;
        EXPECT_EQ(tool->ClassName(), k.name);
        EXPECT_EQ(tool->GetEditorClass(), k.editor);
        // Through the base, as the tool types and the editors see a tool.
        EXPECT_EQ(tool->Description(), k.description);
        // Of all the editors named, only the two series tool forms exist.
        const QString editor = QString::fromLatin1(k.editor);
        EXPECT_EQ(GetClass(editor) != nullptr, editor == "TDragPointToolEdit") << k.editor;
    }
    EXPECT_NE(GetClass("TSeriesToolEditor"), nullptr);
    EXPECT_EQ(TTeeCustomTool(&owner).Description(), "");
}

namespace {

// One setting of one tool as text: enums by number, series by name, the standard axes by side.
QString Shown(const char* v) { return QString::fromUtf8(v); }
QString Shown(const QString& v) { return v; }
QString Shown(bool v) { return v ? "true" : "false"; }
template <class T>
QString Shown(T v)
    requires std::is_arithmetic_v<T> || std::is_enum_v<T>
{
    if constexpr (std::is_floating_point_v<T>)
        return QString::number(v, 'g', 17);
    else
        return QString::number(static_cast<int64_t>(v));
}
QString Shown(const TChartSeries* s) { return s ? s->Name() : "(none)"; }
QString Shown(TChart& c, TChartAxis* a)
{
    TChartAxis* sides[] = {c.LeftAxis(), c.TopAxis(), c.RightAxis(), c.BottomAxis(), c.DepthAxis()};
    const char* names[] = {"Left", "Top", "Right", "Bottom", "Depth"};
    for (int i = 0; i < 5; ++i)
        if (a == sides[i])
            return names[i];
    return a ? "other" : "(none)";
}
template <class T>
QString Shown(TChart&, T v)
{
    return Shown(v);
}

template <class T>
T* First(TChart& c)
{
    for (int i = 0; i < c.Tools()->Count(); ++i)
        if (auto* t = dynamic_cast<T*>(c.Tools()->Get(i)))
            return t;
    return nullptr;
}

struct Setting {
    QString what;
    std::function<QString(TChart&)> actual;
    QString expected;
};

// The getter comes last so that it may hold commas.
#define SETTING(Tool, expected, ...)                                                       \
    Setting{#Tool "." #__VA_ARGS__,                                                         \
            [](TChart& c) {                                                                 \
                const Tool* t = First<Tool>(c);                                             \
                return t ? Shown(c, t->__VA_ARGS__) : QString("no tool");                  \
            },                                                                              \
            Shown(expected)}

} // namespace

TEST(ToolRegistry, AChartWithEveryToolReadsBack)
{
    ToolChart c;
    c.series->SetName("Points");
    auto* line = new TLineSeries(&c.owner);
    line->SetName("Line");
    c.chart->AddSeries(line);
    for (int i = 0; i < 4; ++i)
        line->AddXY(i, 100 - i * 20);
    // Each tool on the chart, with settings that differ from a new tool's; several link the
    // second series or an axis other than the bottom one.
    auto add = [&](auto* tool, const char* name) {
        tool->SetName(name);
        tool->SetParentChart(c.chart);
        return tool;
    };
    auto* cursor = add(new TCursorTool(&c.owner), "Cursor");
    cursor->SetSeries(line);
    cursor->SetFollowMouse(true);
    cursor->SetSnap(true);
    cursor->SetStyle(cssVertical);
    cursor->Pen()->SetWidth(3);
    cursor->Pen()->SetColor(clRed);
    auto* marks = add(new TDragMarksTool(&c.owner), "Marks");
    marks->SetSeries(c.series);
    marks->SetActive(false);
    auto* arrows = add(new TAxisArrowTool(&c.owner), "Arrows");
    arrows->SetAxis(c.chart->RightAxis());
    arrows->SetLength(30);
    arrows->SetPosition(aaEnd);
    arrows->SetScrollInverted(true);
    arrows->SetScrollPercent(25);
    arrows->Brush()->SetColor(clLime);
    arrows->Pen()->SetStyle(psDot);
    arrows->Pen()->SetVisible(false);
    auto* draw = add(new TDrawLineTool(&c.owner), "Draw");
    draw->SetSeries(line);
    draw->SetButton(mbRight);
    draw->SetEnableDraw(false);
    draw->SetEnableSelect(false);
    draw->Pen()->SetColor(clBlue);
    new TDrawLine(draw->Lines(), 1.5, 20, 8, 75.25);
    auto* parallel = new TDrawLine(draw->Lines(), 0, 0, 3, -4);
    parallel->SetStyle(dlVertParallel);
    auto* nearest = add(new TNearestTool(&c.owner), "Nearest");
    nearest->SetSeries(c.series);
    nearest->SetDrawLine(false);
    nearest->SetFullRepaint(false);
    nearest->SetSize(7);
    nearest->SetStyle(hsDiamond);
    nearest->Brush()->SetStyle(bsSolid);
    nearest->Pen()->SetColor(clYellow);
    auto* colorBand = add(new TColorBandTool(&c.owner), "ColorBand");
    colorBand->SetAxis(c.chart->LeftAxis());
    colorBand->SetColor(clAqua);
    colorBand->SetDrawBehind(false);
    colorBand->SetStartValue(12.5);
    colorBand->SetEndValue(-3);
    colorBand->SetTransparency(30);
    colorBand->Gradient()->SetVisible(true);
    colorBand->Gradient()->SetStartColor(clNavy);
    colorBand->Gradient()->SetEndColor(clOlive);
    colorBand->Brush()->SetStyle(bsCross);
    colorBand->Pen()->SetVisible(false);
    auto* colorLine = add(new TColorLineTool(&c.owner), "ColorLine");
    colorLine->SetAxis(c.chart->TopAxis());
    colorLine->SetAllowDrag(false);
    colorLine->SetDragRepaint(true);
    colorLine->SetDraw3D(false);
    colorLine->SetDrawBehind(true);
    colorLine->SetNoLimitDrag(true);
    colorLine->SetValue(142.5);
    colorLine->SetStyle(clCenter);
    colorLine->Pen()->SetWidth(2);
    auto* rotate = add(new TRotateTool(&c.owner), "Rotate");
    rotate->SetButton(mbMiddle);
    rotate->SetInverted(true);
    rotate->SetStyle(rsRotation);
    rotate->Pen()->SetVisible(true);
    rotate->Pen()->SetColor(clFuchsia);
    auto* image = add(new TChartImageTool(&c.owner), "Image");
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(0x336699);
    picture.setPixel(2, 1, 0xFF8040);
    image->Picture()->SetGraphic(picture);
    image->SetSeries(line);
    image->SetActive(false);
    auto* tip = add(new TMarksTipTool(&c.owner), "Tip");
    tip->SetSeries(c.series);
    tip->SetMouseAction(mtmClick);
    tip->SetStyle(smsXY);
    tip->SetMouseDelay(120);
    auto* note = add(new TAnnotationTool(&c.owner), "Note");
    note->SetText(QStringLiteral("二行\r= a\\b"));
    note->SetPosition(ppRightBottom);
    note->SetTextAlignment(taRightJustify);
    note->SetCursor(crHandPoint);
    note->Callout()->SetVisible(true);
    note->Callout()->SetXPosition(40);
    note->Callout()->SetYPosition(-30);
    note->Callout()->SetZPosition(2);
    note->Callout()->SetDistance(5);
    note->Callout()->SetArrowHead(ahSolid);
    note->Callout()->Arrow()->SetVisible(true);
    note->Callout()->SetArrowHeadSize(12);
    note->Callout()->SetStyle(psTriangle);
    note->Shape()->SetColor(clYellow);
    note->Shape()->SetTransparency(20);
    note->Shape()->Font()->SetColor(clGreen);
    note->Shape()->SetCustomPosition(true);
    note->Shape()->SetLeft(33);
    note->Shape()->SetTop(44);
    note->Shape()->SetBevel(bvRaised);
    note->Shape()->SetShapeStyle(fosRoundRectangle);
    note->Shape()->Shadow()->SetSize(0);
    note->Shape()->Gradient()->SetVisible(true);
    note->Shape()->Frame()->SetColor(clMaroon);
    auto* animation = add(new TSeriesAnimationTool(&c.owner), "Animation");
    animation->SetSeries(line);
    animation->SetDrawEvery(3);
    animation->SetStartAtMin(false);
    animation->SetStartValue(-2.5);
    animation->SetSteps(7);
    auto* grid = add(new TGridBandTool(&c.owner), "Grid");
    grid->SetAxis(c.chart->LeftAxis());
    grid->Band1()->SetBackColor(clLime);
    grid->Band1()->SetColor(clSilver);
    grid->Band1()->SetStyle(bsDiagCross);
    grid->Band2()->SetStyle(bsClear);
    grid->Band2()->SetTransparency(40);
    grid->Band1()->SetTransparency(15);
    auto* drag = add(new TDragPointTool(&c.owner), "Drag");
    drag->SetDragStyle(dsY);
    drag->SetSeries(c.series);
    drag->SetActive(false);

    const QString text = TeeWriteProperties(*c.chart);
    // The mouse delay is the application's: put it back so that only reading can set it.
    TMarksTipTool::SetMouseDelay(500);
    TComponent owner2(nullptr);
    TChart back(&owner2);
    TeeReadProperties(back, text);
    const int readDelay = TMarksTipTool::MouseDelay();
    // And it writes what it read.
    const QString rewritten = TeeWriteProperties(back);
    TMarksTipTool::SetMouseDelay(500);
    EXPECT_EQ(readDelay, 120);

    QStringList classes;
    for (int i = 0; i < back.Tools()->Count(); ++i)
        classes << back.Tools()->Get(i)->ClassName() + " " + back.Tools()->Get(i)->Name();
    ASSERT_EQ(classes, (QStringList{"TCursorTool Cursor", "TDragMarksTool Marks", "TAxisArrowTool Arrows",
                                    "TDrawLineTool Draw", "TNearestTool Nearest", "TColorBandTool ColorBand",
                                    "TColorLineTool ColorLine", "TRotateTool Rotate", "TChartImageTool Image",
                                    "TMarksTipTool Tip", "TAnnotationTool Note",
                                    "TSeriesAnimationTool Animation", "TGridBandTool Grid",
                                    "TDragPointTool Drag"}));
    ASSERT_EQ(First<TDrawLineTool>(back)->Lines()->Count(), 2);

    const Setting settings[] = {
        SETTING(TCursorTool, "Line", Series()),
        SETTING(TCursorTool, true, FollowMouse()),
        SETTING(TCursorTool, true, Snap()),
        SETTING(TCursorTool, cssVertical, Style()),
        SETTING(TCursorTool, 3, Pen()->Width()),
        SETTING(TCursorTool, clRed, Pen()->Color()),
        SETTING(TCursorTool, true, Active()),
        SETTING(TDragMarksTool, "Points", Series()),
        SETTING(TDragMarksTool, false, Active()),
        SETTING(TAxisArrowTool, "Right", Axis()),
        SETTING(TAxisArrowTool, 30, Length()),
        SETTING(TAxisArrowTool, aaEnd, Position()),
        SETTING(TAxisArrowTool, true, ScrollInverted()),
        SETTING(TAxisArrowTool, 25, ScrollPercent()),
        SETTING(TAxisArrowTool, clLime, Brush()->Color()),
        SETTING(TAxisArrowTool, psDot, Pen()->Style()),
        SETTING(TAxisArrowTool, false, Pen()->Visible()),
        SETTING(TDrawLineTool, "Line", Series()),
        SETTING(TDrawLineTool, mbRight, Button()),
        SETTING(TDrawLineTool, false, EnableDraw()),
        SETTING(TDrawLineTool, false, EnableSelect()),
        SETTING(TDrawLineTool, clBlue, Pen()->Color()),
        SETTING(TDrawLineTool, dlLine, Lines()->Get(0)->Style()),
        SETTING(TDrawLineTool, 1.5, Lines()->Get(0)->X0()),
        SETTING(TDrawLineTool, 20.0, Lines()->Get(0)->Y0()),
        SETTING(TDrawLineTool, 8.0, Lines()->Get(0)->X1()),
        SETTING(TDrawLineTool, 75.25, Lines()->Get(0)->Y1()),
        SETTING(TDrawLineTool, dlVertParallel, Lines()->Get(1)->Style()),
        SETTING(TDrawLineTool, 0.0, Lines()->Get(1)->X0()),
        SETTING(TDrawLineTool, 0.0, Lines()->Get(1)->Y0()),
        SETTING(TDrawLineTool, 3.0, Lines()->Get(1)->X1()),
        SETTING(TDrawLineTool, -4.0, Lines()->Get(1)->Y1()),
        SETTING(TNearestTool, "Points", Series()),
        SETTING(TNearestTool, false, DrawLine()),
        SETTING(TNearestTool, false, FullRepaint()),
        SETTING(TNearestTool, 7, Size()),
        SETTING(TNearestTool, hsDiamond, Style()),
        SETTING(TNearestTool, bsSolid, Brush()->Style()),
        SETTING(TNearestTool, clYellow, Pen()->Color()),
        SETTING(TNearestTool, psDot, Pen()->Style()),
        SETTING(TColorBandTool, "Left", Axis()),
        SETTING(TColorBandTool, clAqua, Color()),
        SETTING(TColorBandTool, false, DrawBehind()),
        SETTING(TColorBandTool, 12.5, StartValue()),
        SETTING(TColorBandTool, -3.0, EndValue()),
        SETTING(TColorBandTool, 30, Transparency()),
        SETTING(TColorBandTool, true, Gradient()->Visible()),
        SETTING(TColorBandTool, clNavy, Gradient()->StartColor()),
        SETTING(TColorBandTool, clOlive, Gradient()->EndColor()),
        SETTING(TColorBandTool, bsCross, Brush()->Style()),
        SETTING(TColorBandTool, false, Pen()->Visible()),
        SETTING(TColorLineTool, "Top", Axis()),
        SETTING(TColorLineTool, false, AllowDrag()),
        SETTING(TColorLineTool, true, DragRepaint()),
        SETTING(TColorLineTool, false, Draw3D()),
        SETTING(TColorLineTool, true, DrawBehind()),
        SETTING(TColorLineTool, true, NoLimitDrag()),
        SETTING(TColorLineTool, 142.5, Value()),
        SETTING(TColorLineTool, clCenter, Style()),
        SETTING(TColorLineTool, 2, Pen()->Width()),
        SETTING(TRotateTool, mbMiddle, Button()),
        SETTING(TRotateTool, true, Inverted()),
        SETTING(TRotateTool, rsRotation, Style()),
        SETTING(TRotateTool, true, Pen()->Visible()),
        SETTING(TRotateTool, clFuchsia, Pen()->Color()),
        SETTING(TRotateTool, pmXor, Pen()->Mode()),
        SETTING(TChartImageTool, "Line", Series()),
        SETTING(TChartImageTool, false, Active()),
        SETTING(TChartImageTool, 3, Picture()->Graphic().width()),
        SETTING(TChartImageTool, 0x336699u, Picture()->Graphic().pixel(0, 0) & 0xFFFFFFu),
        SETTING(TChartImageTool, 0xFF8040u, Picture()->Graphic().pixel(2, 1) & 0xFFFFFFu),
        SETTING(TMarksTipTool, "Points", Series()),
        SETTING(TMarksTipTool, mtmClick, MouseAction()),
        SETTING(TMarksTipTool, smsXY, Style()),
        SETTING(TAnnotationTool, "二行\r= a\\b", Text()),
        SETTING(TAnnotationTool, ppRightBottom, Position()),
        SETTING(TAnnotationTool, taRightJustify, TextAlignment()),
        SETTING(TAnnotationTool, crHandPoint, Cursor()),
        SETTING(TAnnotationTool, true, Callout()->Visible()),
        SETTING(TAnnotationTool, 40, Callout()->XPosition()),
        SETTING(TAnnotationTool, -30, Callout()->YPosition()),
        SETTING(TAnnotationTool, 2, Callout()->ZPosition()),
        SETTING(TAnnotationTool, 5, Callout()->Distance()),
        SETTING(TAnnotationTool, ahSolid, Callout()->ArrowHead()),
        SETTING(TAnnotationTool, true, Callout()->Arrow()->Visible()),
        SETTING(TAnnotationTool, 12, Callout()->ArrowHeadSize()),
        SETTING(TAnnotationTool, psTriangle, Callout()->Style()),
        SETTING(TAnnotationTool, clYellow, Shape()->Color()),
        SETTING(TAnnotationTool, 20, Shape()->Transparency()),
        SETTING(TAnnotationTool, clGreen, Shape()->Font()->Color()),
        SETTING(TAnnotationTool, true, Shape()->CustomPosition()),
        SETTING(TAnnotationTool, 33, Shape()->Left()),
        SETTING(TAnnotationTool, 44, Shape()->Top()),
        SETTING(TAnnotationTool, bvRaised, Shape()->Bevel()),
        SETTING(TAnnotationTool, fosRoundRectangle, Shape()->ShapeStyle()),
        SETTING(TAnnotationTool, 0, Shape()->Shadow()->Size()),
        SETTING(TAnnotationTool, true, Shape()->Gradient()->Visible()),
        SETTING(TAnnotationTool, clMaroon, Shape()->Frame()->Color()),
        SETTING(TSeriesAnimationTool, "Line", Series()),
        SETTING(TSeriesAnimationTool, 3, DrawEvery()),
        SETTING(TSeriesAnimationTool, false, StartAtMin()),
        SETTING(TSeriesAnimationTool, -2.5, StartValue()),
        SETTING(TSeriesAnimationTool, 7, Steps()),
        SETTING(TGridBandTool, "Left", Axis()),
        SETTING(TGridBandTool, clLime, Band1()->BackColor()),
        SETTING(TGridBandTool, clSilver, Band1()->Color()),
        SETTING(TGridBandTool, bsDiagCross, Band1()->Style()),
        SETTING(TGridBandTool, bsClear, Band2()->Style()),
        SETTING(TGridBandTool, clNone, Band2()->BackColor()),
        SETTING(TGridBandTool, 40, Band2()->Transparency()),
        SETTING(TGridBandTool, 15, Band1()->Transparency()),
        SETTING(TDragPointTool, "Points", Series()),
        SETTING(TDragPointTool, dsY, DragStyle()),
        SETTING(TDragPointTool, false, Active()),
    };
    for (const Setting& s : settings) {
        EXPECT_EQ(s.actual(*c.chart), s.expected) << "written " << s.what.toStdString();
        EXPECT_EQ(s.actual(back), s.expected) << "read " << s.what.toStdString();
    }
    // A text box's transparency outside 0..100 is damage and leaves it.
    TTeeShapePosition* box = First<TAnnotationTool>(back)->Shape();
    TeeReadProperties(*box, "Transparency=101");
    TeeReadProperties(*box, "Transparency=-1");
    EXPECT_EQ(box->Transparency(), 20);
    // The grid band read paints the left axis' grid, and no other axis'.
    EXPECT_TRUE(back.LeftAxis()->OnDrawGrids);
    EXPECT_FALSE(back.BottomAxis()->OnDrawGrids);
    EXPECT_EQ(rewritten.toStdString(), text.toStdString());
    back.FreeAllSeries();
}
