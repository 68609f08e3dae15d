#include "chart/components/MarksTipTool.h"

#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeEngineSettings.h"
#include "chart/core/Teeconst.h"
#include "platform/graphics/ApplicationServices.h"

QString TMarksTipTool::Description() const
{
    return TeeMsg_MarksTipTool;
}

int TMarksTipTool::MouseDelay()
{
    return Application().HintPause();
}

void TMarksTipTool::SetMouseDelay(int value)
{
    Application().SetHintPause(value);
}

TCustomAxisPanel* TMarksTipTool::Chart() const
{
    return Series() ? Series()->ParentChart() : ParentChart();
}

void TMarksTipTool::ClearHint()
{
    if (TCustomAxisPanel* chart = Chart())
        chart->SetHint(QString());
}

void TMarksTipTool::SetMouseAction(TMarkToolMouseAction value)
{
    SetProp(FMouseAction, value);
    ClearHint();
}

void TMarksTipTool::SetActive(bool value)
{
    TTeeCustomToolSeries::SetActive(value);
    if (!Active())
        ClearHint();
}

int TMarksTipTool::FindPoint(int x, int y, TChartSeries*& series) const
{
    series = nullptr;
    const auto hit = [&](TChartSeries* s) {
        const int index = s->Clicked(x, y);
        if (index != -1)
            series = s;
        return index;
    };
    if (Series())
        return hit(Series());
    TCustomAxisPanel* chart = Chart();
    for (int i = chart->SeriesCount() - 1; i >= 0; --i) {
        // A hidden series shows no tips.
        if (!chart->Series(i)->Active())
            continue;
        if (const int index = hit(chart->Series(i)); index != -1)
            return index;
    }
    return -1;
}

bool TMarksTipTool::IsOnlyTipTool(TCustomAxisPanel* chart) const
{
    for (int i = 0; i < chart->Tools()->Count(); ++i) {
        TTeeCustomTool* tool = chart->Tools()->Get(i);
        if (tool != this && dynamic_cast<TMarksTipTool*>(tool))
            return false;
    }
    return true;
}

namespace {

// Puts the marks' style and the chart's repaint switch back however the text was taken.
class TMarkTextState
{
public:
    TMarkTextState(TSeriesMarks* marks, TCustomAxisPanel* chart)
        : FMarks(marks), FChart(chart), FStyle(marks->Style()), FRepaint(chart->RepaintEnabled())
    {
    }
    ~TMarkTextState()
    {
        FMarks->SetStyle(FStyle);
        FChart->SetRepaintEnabled(FRepaint);
    }
    TMarkTextState(const TMarkTextState&) = delete;
    TMarkTextState& operator=(const TMarkTextState&) = delete;

private:
    TSeriesMarks* FMarks;
    TCustomAxisPanel* FChart;
    TSeriesMarksStyle FStyle;
    bool FRepaint;
};

} // namespace

void TMarksTipTool::ChartMouseEvent(TChartMouseEvent event, TMouseButton button, TShiftState shift, int x, int y)
{
    TTeeCustomToolSeries::ChartMouseEvent(event, button, shift, x, y);
    const bool wanted = (event == cmeMove && FMouseAction == mtmMove) || (event == cmeDown && FMouseAction == mtmClick);
    TCustomAxisPanel* chart = Chart();
    if (!wanted || !chart)
        return;
    TChartSeries* series = nullptr;
    const int index = FindPoint(x, y, series);
    if (index == -1) {
        // With several tip tools on a chart, one tool's miss must not hide another's tip.
        if (IsOnlyTipTool(chart)) {
            chart->SetHint(QString());
            Application().CancelHint();
        }
        return;
    }
    QString text;
    {
        TMarkTextState state(series->Marks(), chart);
        chart->SetRepaintEnabled(false);
        series->Marks()->SetStyle(FStyle);
        text = series->GetMarkText(index);
    }
    // A hint is plain text: the legend's columns (the legend style) are kept apart by a space.
    text.replace(TeeColumnSeparator, QLatin1Char(' '));
    if (OnGetText)
        OnGetText(this, text);
    if (text != chart->Hint()) {
        chart->SetShowHint(true);
        chart->SetHint(text);
        Application().ActivateHint(chart, TPoint(x, y), text);
    }
}

void TMarksTipTool::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomToolSeries::DefineProperties(filer);
    static const QStringList actions = {"mtmMove", "mtmClick"};
    TeeDefineEnum(filer, "MouseAction", FMouseAction, mtmMove, actions,
                  [this](TMarkToolMouseAction v) { SetMouseAction(v); });
    TeeDefineInt(filer, "MouseDelay", MouseDelay(), 500, [](int32_t v) { SetMouseDelay(v); });
    TeeDefineEnum(filer, "Style", FStyle, smsLabel, SeriesMarksStyleNames(),
                  [this](TSeriesMarksStyle v) { SetStyle(v); });
}
