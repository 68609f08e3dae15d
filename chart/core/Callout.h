#pragma once

// A pointer with an arrow pen that ties a text box to a point, and the callout of series marks,
// which also has a length.

#include <memory>

#include "chart/core/ChartPen.h"
#include "chart/core/SeriesPointer.h"
#include "chart/core/TeeEngineSettings.h"

enum TArrowHeadStyle { ahNone, ahLine, ahSolid };


class TCallout : public TSeriesPointer
{
public:
    explicit TCallout(TChartSeries* series);
    ~TCallout() override;

    TChartPen* Arrow() const { return FArrow.get(); }
    void SetArrow(TChartPen* value) { FArrow->Assign(value); }
    TArrowHeadStyle ArrowHead() const { return FArrowHead; }
    void SetArrowHead(TArrowHeadStyle value);
    int ArrowHeadSize() const { return FArrowHeadSize; }
    void SetArrowHeadSize(int value);
    int Distance() const { return FDistance; }
    void SetDistance(int value);

    // The arrow from `from` (the point) to `to` (the box) at depth z, then, without an arrow
    // head, the pointer symbol at `from`.
    void Draw(TColor colour, TPoint from, TPoint to, int z);
    using TSeriesPointer::Draw;

    // Distance, Arrow, ArrowHead and ArrowHeadSize, then the pointer's.
    void Assign(TPersistent* Source) override;
    void DefineProperties(TTeeFiler& filer) override;

private:
    std::unique_ptr<TWhitePen> FArrow;
    TArrowHeadStyle FArrowHead = ahNone;
    int FArrowHeadSize = 8;
    int FDistance = 0;
};

class TMarksCallout : public TCallout
{
public:
    // Hidden, with a white arrow pen.
    explicit TMarksCallout(TChartSeries* series);

    int Length() const { return FLength; }
    // Repaints the series' chart when changed, as the marks' own settings do.
    void SetLength(int value);

    void Assign(TPersistent* Source) override;
    void DefineProperties(TTeeFiler& filer) override;

private:
    int FLength = 8;
};
