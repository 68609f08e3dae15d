#pragma once

// Chief header of the drag point tool and its editor form, which adds the drag style to the
// series tool editor.

#include "chart/components/DragPointTool.h"
#include "chart/editors/TeeToolSeriesEdit.h"

class TRadioGroup;

class TDragPointToolEdit : public TSeriesToolEditor
{
    Q_OBJECT
public:
    // Components added to the series tool editor (TeeDragPoint.ui).
    TRadioGroup* RGStyle = nullptr;

    explicit TDragPointToolEdit(QWidget* parent = nullptr);

    // The series, then the tool's drag style.
    void FormShow() override;
    // The tool takes the chosen drag style.
    void RGStyleClick();

private:
    TDragPointTool* Tool() const;
};

// Start-up and finish of the drag point unit: the form becomes known to the class registry and
// the tool joins the tool types; the finish takes the tool out again.
void TeeDragPointInitialize();
void TeeDragPointFinalize();
