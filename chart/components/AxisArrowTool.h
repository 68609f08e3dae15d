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
    void SetLength(int value) { SetIntegerProperty(FLength, value); }
    TAxisArrowToolPosition Position() const { return FPosition; }
    void SetPosition(TAxisArrowToolPosition value);
    bool ScrollInverted() const { return FScrollInverted; }
    void SetScrollInverted(bool value) { SetBooleanProperty(FScrollInverted, value); }
    int ScrollPercent() const { return FScrollPercent; }
    void SetScrollPercent(int value) { SetIntegerProperty(FScrollPercent, value); }

    // 0 on the start arrow, 1 on the end arrow, -1 elsewhere.
    int ClickedArrow(int x, int y) const;

    void ChartEvent(TChartToolEvent event) override;
    void ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState shift, int x, int y) override;
    static QString Description();
    QString GetEditorClass() const override { return QStringLiteral("TAxisArrowToolEditor"); }
    void DefineProperties(TTeeFiler& filer) override;

    TAxisArrowClickEvent OnClick;

private:
    void ScrollBy(double offset);

    int FLength = 16;
    TAxisArrowToolPosition FPosition = aaBoth;
    bool FScrollInverted = false;
    int FScrollPercent = 10;
};
