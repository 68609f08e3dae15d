#include "chart/components/SeriesAnimationTool.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/Teeconst.h"
#include "platform/graphics/ApplicationServices.h"

// One run: the series animated, its real values, and whether the series or the tool went
// away while the application handled its messages.
//
// Points may come and go during a run (from OnStep, or from the messages handled between
// steps). To find the points of the start wherever they went, the run lends the series one
// more value list holding, for each point, its place at the start plus one; the series moves,
// inserts and deletes it together with its own lists, and a point added meanwhile takes NaN.
// Marked as lent, it is none of the series' values: a chart written during a run stores only
// the series' own lists.
class TSeriesAnimationTool::TRun : public TComponent
{
public:
    TRun(TSeriesAnimationTool* tool, TChartSeries* series)
        : TComponent(nullptr), Alive(tool->FAlive), Series(series), Values(series->MandatoryValues()),
          Count(Values->Count()), Backup(Values->Data(), Values->Data() + Count),
          Places(new TChartValueList(series, QString()))
    {
        Places->Lent = true;
        for (int i = 0; i < Count; ++i)
            Places->InsertChartValue(i, i + 1.0);
        Places->PendingValue = std::numeric_limits<double>::quiet_NaN();
        PlacesEdits = Places->Edits();
        Series->FreeNotification(this);
    }
    ~TRun() override
    {
        if (Series) {
            GiveBackPlaces();
            Series->RemoveFreeNotification(this);
        }
    }
    TRun(const TRun&) = delete;
    TRun& operator=(const TRun&) = delete;

    // The tool still animates this series, whose points are still those of the start.
    bool Going(const TSeriesAnimationTool* tool) const
    {
        return *Alive && Series && Places && tool->Series() == Series && Places->Count() == Count &&
               Places->Edits() == PlacesEdits;
    }

    // Every point of the start that the series still holds gets its real value back, and the
    // series its own value lists alone (before it tells series linked to it about its values).
    void Restore()
    {
        if (!Series || !Places || Series->ValueLists()->IndexOf(Places) < 0)
            return;
        TChartValueList* values = Series->MandatoryValues();
        const int n = std::min(Places->Count(), values->Count());
        std::vector<bool> restored(static_cast<size_t>(Count), false);
        for (int i = 0; i < n; ++i) {
            const double place = Places->GetValue(i);
            if (!(place >= 1 && place <= Count) || place != std::trunc(place))
                continue;
            const auto start = static_cast<size_t>(place) - 1;
            if (restored[start])
                continue;
            restored[start] = true;
            values->SetValue(i, Backup[start]);
        }
        GiveBackPlaces();
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
        // The series frees its value lists, the borrowed one too.
        if (Operation == opRemove && AComponent == Series) {
            Series = nullptr;
            Places = nullptr;
        }
    }

private:
    void GiveBackPlaces()
    {
        if (Places && Series->ValueLists()->Remove(Places) >= 0)
            delete Places;
        Places = nullptr;
    }

    TChartValueList* Places;
    uint64_t PlacesEdits = 0;
};

TSeriesAnimationTool::~TSeriesAnimationTool()
{
    *FAlive = false;
}

QString TSeriesAnimationTool::Description() const
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
        run.Restore();
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
            if (OnStep) {
                // The handler may free the tool, and its own copy with it: it runs from a copy,
                // and nothing of the tool is touched once it went.
                const TSeriesAnimationStep handler = OnStep;
                handler(this, d);
                if (!*run.Alive)
                    return;
            }
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
