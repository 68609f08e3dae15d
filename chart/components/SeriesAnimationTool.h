#pragma once

// Grows a series from one start value to its real values in a number of steps, repainting the
// chart after each step and letting the application handle its messages in between, so that
// the window stays alive while the animation runs inside Execute.

#include <functional>
#include <memory>

#include "chart/core/TeeCustomTool.h"

using TSeriesAnimationStep = std::function<void(TObject* Sender, int Step)>;

class TSeriesAnimationTool : public TTeeCustomToolSeries
{
public:
    explicit TSeriesAnimationTool(TComponent* AOwner) : TTeeCustomToolSeries(AOwner) {}
    ~TSeriesAnimationTool() override;

    // 0: every point grows at once; n: groups of n points grow one after another.
    int DrawEvery() const { return FDrawEvery; }
    void SetDrawEvery(int value) { SetProp(FDrawEvery, value); }
    // Start from the smallest value of the series, else from StartValue.
    bool StartAtMin() const { return FStartAtMin; }
    void SetStartAtMin(bool value) { SetProp(FStartAtMin, value); }
    double StartValue() const { return FStartValue; }
    void SetStartValue(double value) { SetProp(FStartValue, value); }
    // 0 or less shows the real values at once.
    int Steps() const { return FSteps; }
    void SetSteps(int value) { SetProp(FSteps, value); }
    TSeriesAnimationStep OnStep;

    // Runs the animation; nothing without a series or while one runs. However it ends (an
    // exception from OnStep included), every point the series held at the start and still
    // holds has its own value again, bit for bit, also when points came or went meanwhile.
    void Execute();
    bool Running() const { return !FIdle; }

    QString GetEditorClass() const override { return QStringLiteral("TSeriesAnimToolEditor"); }
    QString Description() const override;
    void DefineProperties(TTeeFiler& filer) override;

private:
    class TRun;
    // Repaints and lets messages through; false when the run must stop (the tool or its
    // series went away, points came, went or moved, or the tool took another series).
    bool Refresh(TRun& run);
    void Animate(TRun& run);

    int FDrawEvery = 0;
    bool FStartAtMin = true;
    double FStartValue = 0;
    int FSteps = 100;
    bool FIdle = true;
    // Cleared when the tool goes, so that a run whose messages freed it stops touching it.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
