#include "chart/editors/TeeDragPoint.h"

#include "ui_TeeDragPoint.h"

#include "chart/components/TeeSeriesTypes.h"
#include "chart/editors/RadioGroup.h"
#include "platform/ClassRegistry.h"

TDragPointToolEdit::TDragPointToolEdit(QWidget* parent) : TSeriesToolEditor(parent)
{
    Ui::TDragPointToolEdit ui;
    ui.setupUi(this);
    RGStyle = ui.RGStyle;
    connect(RGStyle, &TRadioGroup::Click, this, [this] { RGStyleClick(); });
    // The set-up above gave the form its designed size again: inside a parent it fills it.
    FormCreate();
}

TDragPointTool* TDragPointToolEdit::Tool() const
{
    return dynamic_cast<TDragPointTool*>(Tag());
}

void TDragPointToolEdit::FormShow()
{
    TSeriesToolEditor::FormShow();
    if (TDragPointTool* tool = Tool())
        RGStyle->SetItemIndex(tool->DragStyle() == dsX ? 0 : tool->DragStyle() == dsY ? 1 : 2);
}

void TDragPointToolEdit::RGStyleClick()
{
    if (TDragPointTool* tool = Tool()) {
        const int index = RGStyle->ItemIndex();
        tool->SetDragStyle(index == 0 ? dsX : index == 1 ? dsY : dsBoth);
    }
}

namespace {
int startups = 0;
}

void TeeDragPointInitialize()
{
    if (startups++ > 0)
        return;
    // A form is not made through the registry: it is known by name only.
    RegisterClass(QStringLiteral("TDragPointToolEdit"), QStringLiteral("TSeriesToolEditor"), nullptr);
    RegisterTeeTools({RegisterClassOf<TDragPointTool>(QStringLiteral("TDragPointTool"),
                                                      QStringLiteral("TTeeCustomToolSeries"))});
}

void TeeDragPointFinalize()
{
    if (startups == 0 || --startups > 0)
        return;
    UnRegisterTeeTools({ClassOf<TDragPointTool>()});
    UnRegisterClassOf<TDragPointTool>();
    UnRegisterClass(QStringLiteral("TDragPointToolEdit"));
}
