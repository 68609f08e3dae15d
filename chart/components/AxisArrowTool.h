#pragma once

// Arrows at one or both ends of an axis; clicking one scrolls the axis by a share of its range.

#include <functional>

#include "chart/core/TeeCustomTool.h"
#include "platform/Types.h"

enum TAxisArrowToolPosition { aaStart, aaEnd, aaBoth };

class TAxisArrowTool;
// start is true for the arrow at the axis' start.
using TAxisArrowClickEvent = std::function<void(TAxisArrowTool* Sender, bool start)>;

class TAxisArrowTool : public TTeeCustomToolAxis
{
public:
    explicit TAxisArrowTool(TComponent* AOwner);

    int Length() const { return FLength; }
    // A length below 0 (arrows turned round) or beyond the largest pixel position the axes
    // give (TeeMaxPixelPos) is refused: the length stays as it was.
    void SetLength(int value);
    TAxisArrowToolPosition Position() const { return FPosition; }
    void SetPosition(TAxisArrowToolPosition value) { SetProp(FPosition, value); }
    bool ScrollInverted() const { return FScrollInverted; }
    void SetScrollInverted(bool value) { SetBooleanProperty(FScrollInverted, value); }
    int ScrollPercent() const { return FScrollPercent; }
    void SetScrollPercent(int value) { SetIntegerProperty(FScrollPercent, value); }

    // 0 on the start arrow, 1 on the end arrow, -1 elsewhere; tested where the arrows show,
    // which on an axis at the back of a 3D chart is at the chart's depth.
    int ClickedArrow(int x, int y) const;

    void ChartEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState shift, int x, int y) override;
    QString Description() const override;
    QString GetEditorClass() const override { return QStringLiteral("TAxisArrowToolEditor"); }
    void DefineProperties(TTeeFiler& filer) override;

    TAxisArrowClickEvent OnClick;

private:
    // The depth the arrows are drawn at.
    int ArrowDepth() const;
    // The panel point at a position along the axis line.
    TPoint AlongAxis(int64_t along) const;
    // Scrolls unless the new limits of an axis that moves would not be finite.
    void ScrollBy(double offset);

    int FLength = 16;
    TAxisArrowToolPosition FPosition = aaBoth;
    bool FScrollInverted = false;
    int FScrollPercent = 10;
};
