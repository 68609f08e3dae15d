#pragma once

// Shows a point's mark text as a hint when the mouse moves over (or clicks) a point of a
// series, without the marks being drawn. The hint goes through the application's hint window.

#include <functional>

#include "chart/core/SeriesMarks.h"
#include "chart/core/TeeCustomTool.h"

enum TMarkToolMouseAction { mtmMove, mtmClick };

class TMarksTipTool;
using TMarksTipGetText = std::function<void(TMarksTipTool* Sender, QString& Text)>;

class TMarksTipTool : public TTeeCustomToolSeries
{
public:
    explicit TMarksTipTool(TComponent* AOwner) : TTeeCustomToolSeries(AOwner) {}

    TMarkToolMouseAction MouseAction() const { return FMouseAction; }
    // Also clears the chart's hint.
    void SetMouseAction(TMarkToolMouseAction value);
    // The application's hint pause: changing it changes the delay of every hint.
    static int MouseDelay();
    static void SetMouseDelay(int value);
    TSeriesMarksStyle Style() const { return FStyle; }
    void SetStyle(TSeriesMarksStyle value) { SetProp(FStyle, value); }
    TMarksTipGetText OnGetText;

    // The series' chart when a series is set, else the tool's.
    TCustomAxisPanel* Chart() const;
    // Switching off also clears the chart's hint.
    void SetActive(bool value) override;
    void ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState shift, int x, int y) override;
    QString GetEditorClass() const override { return QStringLiteral("TMarksTipToolEdit"); }
    QString Description() const override;
    void DefineProperties(TTeeFiler& filer) override;
    // Stored against the published defaults: the mouse delay is the application's, so a new
    // tool would hold the same delay and it would never be written.
    bool StoresAgainstNewObject() const override { return false; }

private:
    // The index of the point under the mouse and its series; -1 and no series when none.
    int FindPoint(int x, int y, TChartSeries*& series) const;
    bool IsOnlyTipTool(TCustomAxisPanel* chart) const;
    void ClearHint();

    TMarkToolMouseAction FMouseAction = mtmMove;
    TSeriesMarksStyle FStyle = smsLabel;
};
