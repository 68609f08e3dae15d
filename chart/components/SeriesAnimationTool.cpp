#include "chart/components/SeriesAnimationTool.h"

#include <algorithm>
#include <vector>

#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/Teeconst.h"
#include "platform/graphics/ApplicationServices.h"

// One run: the series animated, its real values, and whether the series or the tool went
// away while the application handled its messages.
class TSeriesAnimationTool::TRun : public TComponent
{
public:
    TRun(TSeriesAnimationTool* tool, TChartSeries* series)
        : TComponent(nullptr), Alive(tool->FAlive), Series(series), Values(series->MandatoryValues()),
          Count(Values->Count()), Backup(Values->Data(), Values->Data() + Count)
    {
        Series->FreeNotification(this);
    }
    ~TRun() override
    {
        if (Series)
            Series->RemoveFreeNotification(this);
    }

    // The tool still animates this series, with the same number of points.
    bool Going(const TSeriesAnimationTool* tool) const
    {
        return *Alive && Series && tool->Series() == Series && Values->Count() == Count;
    }

    std::shared_ptr<bool> Alive;
    TChartSeries* Series;
    TChartValueList* Values;
    const int Count;
    const std::vector<double> Backup;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == Series)
            Series = nullptr;
    }
};

TSeriesAnimationTool::~TSeriesAnimationTool()
{
    *FAlive = false;
}

QString TSeriesAnimationTool::Description()
{
    return TeeMsg_SeriesAnimTool;
}

void TSeriesAnimationTool::Execute()
{
    if (!Series() || !FIdle)
        return;
    TRun run(this, Series());
    run.Series->BeginUpdate();
    FIdle = false;
    // However the run ends, a series that is still there gets its own values back, even when
    // the tool itself went meanwhile.
    auto finish = [&] {
        if (*run.Alive)
            FIdle = true;
        if (!run.Series)
            return;
        if (run.Values->Count() == run.Count)
            for (int i = 0; i < run.Count; ++i)
                run.Values->SetValue(i, run.Backup[static_cast<size_t>(i)]);
        run.Series->EndUpdate();
        if (TCustomAxisPanel* chart = run.Series->ParentChart())
            chart->Invalidate();
    };
    try {
        Animate(run);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

bool TSeriesAnimationTool::Refresh(TRun& run)
{
    if (!run.Going(this))
        return false;
    if (TCustomAxisPanel* chart = run.Series->ParentChart())
        chart->Invalidate();
    Application().ProcessMessages();
    return run.Going(this);
}

void TSeriesAnimationTool::Animate(TRun& run)
{
    // Without steps there is nothing to grow: the real values show at once.
    if (FSteps <= 0) {
        Refresh(run);
        return;
    }
    TChartValueList* values = run.Values;
    const int count = run.Count;
    const double start = FStartAtMin ? values->MinValue() : FStartValue;
    for (int i = 0; i < count; ++i)
        values->SetValue(i, start);
    if (!Refresh(run))
        return;

    const int groupSize = FDrawEvery > 0 ? FDrawEvery : std::max(count, 1);
    const int steps = FSteps;
    for (int first = 0; first < count; first += groupSize) {
        const int last = std::min(count - 1, first + groupSize - 1);
        for (int d = 0; d <= steps; ++d) {
            for (int i = first; i <= last; ++i)
                values->SetValue(i, start + (run.Backup[static_cast<size_t>(i)] - start) * d * (1.0 / steps));
            if (OnStep)
                OnStep(this, d);
            if (!Refresh(run))
                return;
        }
    }
}

void TSeriesAnimationTool::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomToolSeries::DefineProperties(filer);
    TeeDefineInt(filer, "DrawEvery", FDrawEvery, 0, [this](int32_t v) { SetDrawEvery(v); });
    TeeDefineBool(filer, "StartAtMin", FStartAtMin, true, [this](bool v) { SetStartAtMin(v); });
    TeeDefineFloat(filer, "StartValue", FStartValue, 0.0, [this](double v) { SetStartValue(v); });
    TeeDefineInt(filer, "Steps", FSteps, 100, [this](int32_t v) { SetSteps(v); });
}
