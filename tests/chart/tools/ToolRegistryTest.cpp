// The tool types at start-up, the editor each tool names, and a chart written with every tool
// of this library read back.

#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "chart/components/TeeSeriesTypes.h"
#include "chart/components/TeeTools.h"
#include "chart/editors/TeeDragPoint.h"
#include "platform/ClassRegistry.h"
#include "tests/chart/tools/ToolChart.h"

namespace {

struct ToolKind {
    const char* name;
    const char* editor;
};

// In the order of the tool types.
const ToolKind kTools[] = {
    {"TCursorTool", "TCursorToolEditor"},
    {"TDragMarksTool", "TDragMarksToolEditor"},
    {"TAxisArrowTool", "TAxisArrowToolEditor"},
    {"TDrawLineTool", "TDrawLineEdit"},
    {"TNearestTool", "TNearestToolEdit"},
    {"TColorBandTool", "TColorBandToolEditor"},
    {"TColorLineTool", "TColorLineToolEditor"},
    {"TRotateTool", "TRotateToolEditor"},
    {"TChartImageTool", "TChartImageToolEditor"},
    {"TMarksTipTool", "TMarksTipToolEdit"},
    {"TAnnotationTool", "TAnnotationToolEdit"},
    {"TSeriesAnimationTool", "TSeriesAnimToolEditor"},
    {"TGridBandTool", "TGridBandToolEdit"},
    {"TDragPointTool", "TDragPointToolEdit"},
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
        // Of all the editors named, only the two series tool forms exist.
        const QString editor = QString::fromLatin1(k.editor);
        EXPECT_EQ(GetClass(editor) != nullptr, editor == "TDragPointToolEdit") << k.editor;
    }
    EXPECT_NE(GetClass("TSeriesToolEditor"), nullptr);

    const QString descriptions[] = {TRotateTool::Description(),     TChartImageTool::Description(),
                                    TMarksTipTool::Description(),   TAnnotationTool::Description(),
                                    TSeriesAnimationTool::Description(), TGridBandTool::Description(),
                                    TDragPointTool::Description()};
    EXPECT_EQ(QStringList(std::begin(descriptions), std::end(descriptions)),
              (QStringList{"Rotate", "Image", "Mark Tips", "Annotation", "Series Animation", "Grid Band",
                           "Drag Point"}));
}

TEST(ToolRegistry, AChartWithEveryToolReadsBack)
{
    ToolChart c;
    c.series->SetName("Points");
    auto add = [&](TTeeCustomTool* tool) {
        tool->SetParentChart(c.chart);
        return tool;
    };
    auto* rotate = static_cast<TRotateTool*>(add(new TRotateTool(&c.owner)));
    rotate->SetStyle(rsElevation);
    rotate->SetInverted(true);
    rotate->SetButton(mbRight);
    rotate->Pen()->SetVisible(true);
    auto* image = static_cast<TChartImageTool*>(add(new TChartImageTool(&c.owner)));
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(0x336699);
    image->Picture()->SetGraphic(picture);
    image->SetSeries(c.series);
    auto* tip = static_cast<TMarksTipTool*>(add(new TMarksTipTool(&c.owner)));
    tip->SetMouseAction(mtmClick);
    tip->SetStyle(smsXY);
    tip->SetActive(false);
    auto* note = static_cast<TAnnotationTool*>(add(new TAnnotationTool(&c.owner)));
    note->SetText(QStringLiteral("two\rlines"));
    note->SetPosition(ppRightBottom);
    note->SetTextAlignment(taCenter);
    note->SetCursor(crHandPoint);
    note->Callout()->SetXPosition(40);
    note->Callout()->Arrow()->SetVisible(true);
    note->Shape()->SetColor(clYellow);
    auto* animation = static_cast<TSeriesAnimationTool*>(add(new TSeriesAnimationTool(&c.owner)));
    animation->SetSteps(7);
    animation->SetDrawEvery(3);
    animation->SetStartAtMin(false);
    animation->SetStartValue(-2.5);
    animation->SetSeries(c.series);
    auto* band = new TGridBandTool(&c.owner);
    band->SetAxis(c.chart->BottomAxis());
    band->Band1()->SetBackColor(clLime);
    band->Band2()->SetStyle(bsClear);
    band->Band2()->SetTransparency(40);
    auto* drag = static_cast<TDragPointTool*>(add(new TDragPointTool(&c.owner)));
    drag->SetDragStyle(dsY);
    drag->SetSeries(c.series);
    const QString text = TeeWriteProperties(*c.chart);

    TComponent owner2(nullptr);
    TChart back(&owner2);
    TeeReadProperties(back, text);
    EXPECT_EQ(TeeWriteProperties(back), text);
    ASSERT_EQ(back.Tools()->Count(), 7);
    auto* rotateBack = dynamic_cast<TRotateTool*>(back.Tools()->Get(0));
    auto* imageBack = dynamic_cast<TChartImageTool*>(back.Tools()->Get(1));
    auto* noteBack = dynamic_cast<TAnnotationTool*>(back.Tools()->Get(3));
    auto* animationBack = dynamic_cast<TSeriesAnimationTool*>(back.Tools()->Get(4));
    auto* bandBack = dynamic_cast<TGridBandTool*>(back.Tools()->Get(5));
    auto* dragBack = dynamic_cast<TDragPointTool*>(back.Tools()->Get(6));
    ASSERT_TRUE(rotateBack && imageBack && noteBack && animationBack && bandBack && dragBack);
    EXPECT_EQ(rotateBack->Style(), rsElevation);
    EXPECT_TRUE(rotateBack->Pen()->Visible());
    EXPECT_EQ(rotateBack->Pen()->Mode(), pmXor);
    EXPECT_EQ(imageBack->Picture()->Graphic().pixel(2, 1), picture.pixel(2, 1));
    EXPECT_EQ(imageBack->Series(), back.Series(0));
    EXPECT_EQ(noteBack->Text(), "two\rlines");
    EXPECT_EQ(noteBack->Position(), ppRightBottom);
    EXPECT_EQ(noteBack->Callout()->XPosition(), 40);
    EXPECT_EQ(animationBack->StartValue(), -2.5);
    EXPECT_EQ(bandBack->Axis(), back.BottomAxis());
    EXPECT_EQ(bandBack->Band2()->Transparency(), 40);
    EXPECT_EQ(dragBack->DragStyle(), dsY);
    EXPECT_EQ(dragBack->Series(), back.Series(0));
    back.FreeAllSeries();
}
