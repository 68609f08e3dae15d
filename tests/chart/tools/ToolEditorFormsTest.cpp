// The series tool editor and the drag point editor: their layout, the series list and the
// drag style, written back to the tool.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>

#include "chart/components/CursorTool.h"
#include "chart/editors/ComboFlat.h"
#include "chart/editors/RadioGroup.h"
#include "chart/editors/TeeDragPoint.h"
#include "tests/chart/tools/ToolChart.h"

TEST(ToolEditorForms, LayoutOfBothForms)
{
    TDragPointToolEdit form;
    EXPECT_EQ(form.size(), QSize(233, 172));
    EXPECT_EQ(form.Label1->pos(), QPoint(42, 12));
    EXPECT_EQ(form.Label1->text(), "&Series:");
    EXPECT_TRUE(form.Label1->alignment().testFlag(Qt::AlignRight));
    EXPECT_EQ(form.Label1->buddy(), form.CBSeries);
    EXPECT_EQ(form.CBSeries->geometry().topLeft(), QPoint(78, 8));
    EXPECT_EQ(form.CBSeries->width(), 145);
    EXPECT_EQ(form.CBSeries->property("HelpContext").toInt(), 1121);
    EXPECT_EQ(form.RGStyle->geometry(), QRect(48, 43, 145, 80));
    EXPECT_EQ(form.RGStyle->title(), "Drag Style:");
    EXPECT_EQ(form.RGStyle->Items(), (QStringList{"&X", "&Y", "&Both"}));
    EXPECT_EQ(form.RGStyle->ItemIndex(), 2);
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

    // Inside another window the form fills it and follows its size.
    QWidget parent;
    parent.resize(400, 300);
    parent.show();
    TSeriesToolEditor inner(&parent);
    TDragPointToolEdit innerDrag(&parent);
    EXPECT_EQ(inner.geometry(), QRect(0, 0, 400, 300));
    EXPECT_EQ(innerDrag.geometry(), QRect(0, 0, 400, 300));
    parent.resize(500, 320);
    EXPECT_EQ(inner.geometry(), QRect(0, 0, 500, 320));
    EXPECT_EQ(innerDrag.geometry(), QRect(0, 0, 500, 320));

    // The three drag styles show whole inside their frame.
    form.show();
    for (int i = 0; i < 3; ++i) {
        const QAbstractButton* b = form.RGStyle->Button(i);
        EXPECT_GE(b->height(), b->sizeHint().height()) << i;
        EXPECT_TRUE(form.RGStyle->contentsRect().contains(b->geometry())) << i;
    }
}

TEST(ToolEditorForms, AFreedToolIsForgotten)
{
    ToolChart c;
    auto* tool = new TDragPointTool(&c.owner);
    tool->SetParentChart(c.chart);
    {
        // A form closed before its tool is freed is not told.
        TDragPointToolEdit closed;
        closed.SetTag(tool);
    }
    TDragPointToolEdit form;
    form.SetTag(tool);
    form.show();
    tool->Free();
    ASSERT_EQ(form.Tag(), nullptr);
    // Choices made afterwards reach no tool.
    form.CBSeries->setCurrentIndex(1);
    emit form.CBSeries->activated(1);
    form.RGStyle->Button(0)->click();
    form.hide();
    form.show();
}

TEST(ToolEditorForms, SeriesListAndDragStyle)
{
    ToolChart c;
    c.series->SetTitle("Prices");
    auto* tool = new TDragPointTool(&c.owner);
    tool->SetParentChart(c.chart);
    tool->SetDragStyle(dsY);

    TDragPointToolEdit form;
    form.SetTag(tool);
    form.show();
    EXPECT_EQ(form.CBSeries->count(), 2);
    EXPECT_EQ(form.CBSeries->itemText(1), "Prices");
    EXPECT_EQ(form.CBSeries->currentText(), "(none)");
    EXPECT_TRUE(form.CBSeries->isEnabled());
    EXPECT_EQ(form.RGStyle->ItemIndex(), 1);

    form.CBSeries->setCurrentIndex(1);
    emit form.CBSeries->activated(1);
    EXPECT_EQ(tool->Series(), c.series);
    form.CBSeries->setCurrentIndex(0);
    form.CBSeriesChange();
    EXPECT_EQ(tool->Series(), nullptr);

    form.RGStyle->Button(0)->click();
    EXPECT_EQ(tool->DragStyle(), dsX);
    form.RGStyle->Button(2)->click();
    EXPECT_EQ(tool->DragStyle(), dsBoth);

    // Shown again for a tool with a series: that series is chosen.
    tool->SetSeries(c.series);
    form.hide();
    form.show();
    EXPECT_EQ(form.CBSeries->currentText(), "Prices");
    EXPECT_EQ(form.CBSeries->count(), 2);

    // A chart without series: the list is disabled but still shows "(none)".
    c.series->Free();
    c.series = nullptr;
    TSeriesToolEditor empty;
    empty.SetTag(tool);
    empty.show();
    EXPECT_FALSE(empty.CBSeries->isEnabled());
    EXPECT_EQ(empty.CBSeries->currentText(), "(none)");
    EXPECT_EQ(empty.CBSeries->count(), 1);
}

TEST(ToolEditorForms, AFreedSeriesLeavesTheList)
{
    ToolChart c;
    c.series->SetTitle("Prices");
    auto* costs = new TPointSeries(&c.owner);
    costs->SetTitle("Costs");
    c.chart->AddSeries(costs);
    auto* tool = new TCursorTool(&c.owner);
    tool->SetParentChart(c.chart);
    tool->SetSeries(c.series);
    TSeriesToolEditor form;
    form.SetTag(tool);
    form.show();
    ASSERT_EQ(form.CBSeries->count(), 3);

    // The chosen series goes: the tool has none, and neither has the list.
    c.series->Free();
    ASSERT_EQ(form.CBSeries->count(), 2);
    EXPECT_EQ(form.CBSeries->itemText(1), "Costs");
    EXPECT_EQ(form.CBSeries->currentText(), "(none)");
    EXPECT_EQ(tool->Series(), nullptr);
    form.CBSeries->setCurrentIndex(1);
    emit form.CBSeries->activated(1);
    EXPECT_EQ(tool->Series(), costs);
    c.Paint();

    // The last series goes: only "(none)" is left, and nothing to choose.
    costs->Free();
    EXPECT_EQ(form.CBSeries->count(), 1);
    EXPECT_EQ(form.CBSeries->currentText(), "(none)");
    EXPECT_FALSE(form.CBSeries->isEnabled());
    c.Paint();
}
