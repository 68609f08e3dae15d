#pragma once

// The marks of one series: the framed texts drawn next to its points, with an optional callout
// line from the point to the box. Holds the look of all marks, per-point overrides of it, and
// the geometry of every mark drawn so that marks can be hit, dragged and kept apart.

#include <memory>

#include "chart/core/Callout.h"
#include "chart/core/MarkOverlapIndex.h"
#include "chart/core/MarksItem.h"
#include "chart/core/SeriesMarkPosition.h"
#include "chart/core/TeeCustomShape.h"

class TChartSeries;
class TTeeShadow;

enum TSeriesMarksStyle {
    smsValue, smsPercent, smsLabel, smsLabelPercent, smsLabelValue, smsLegend, smsPercentTotal,
    smsLabelPercentTotal, smsXValue, smsXY
};
// The styles' stored names, in order.
const QStringList& SeriesMarksStyleNames();

class TSeriesMarks : public TTeeCustomShape
{
public:
    // No panel yet; hidden; a hidden callout of the series.
    explicit TSeriesMarks(TChartSeries* series);
    ~TSeriesMarks() override;

    // Grey shadow of size 1, as values and as defaults.
    static void InitShadow(TTeeShadow* shadow);

    TChartSeries* Series() const { return FSeries; }
    TSeriesMarksPositions& Positions() { return FPositions; }
    const TSeriesMarksPositions& Positions() const { return FPositions; }
    TMarksItems& Items() { return FItems; }
    const TMarksItems& Items() const { return FItems; }
    // The callout and the per-point items follow the marks to the panel.
    void SetParent(TCustomTeePanel* value) override;

    int Angle() const { return FAngle; }
    void SetAngle(int value);
    TMarksCallout* Callout() const { return FCallout.get(); }
    void SetCallout(TMarksCallout* value) { FCallout->Assign(value); }
    TChartPen* Arrow() const { return FCallout->Arrow(); }
    void SetArrow(TChartPen* value) { FCallout->SetArrow(value); }
    int ArrowLength() const { return FCallout->Length(); }
    void SetArrowLength(int value) { FCallout->SetLength(value); }
    TColor BackColor() const { return Color(); }
    void SetBackColor(TColor value) { SetColor(value); }
    bool Clip() const { return FClip; }
    void SetClip(bool value);
    int DrawEvery() const { return FDrawEvery; }
    void SetDrawEvery(int value);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool value);
    TSeriesMarksStyle Style() const { return FStyle; }
    // Repaints the series when changed.
    void SetStyle(TSeriesMarksStyle value);
    // The depth at which marks are drawn; the series sets it before it draws them.
    int ZPosition() const { return FZPosition; }
    void SetZPosition(int value) { FZPosition = value; }

    // The per-point item, created when missing.
    TMarksItem* GetItem(int index) { return FItems.Get(index); }
    // The point's own look when it has one, else the marks themselves.
    TTeeCustomShape* MarkItem(int index);

    // Drops the positions, and the items unless they are being read.
    void Clear();
    // Every position returns to computed placement; the series repaints.
    void ResetPositions();

    // Records where the mark is drawn, or, for a user-placed mark, takes its stored geometry
    // (keeping the caller's arrow start when that is fixed).
    void UsePosition(int index, TSeriesMarkPosition& position);
    // Lifts box and arrow end by the callout length plus distance, the arrow start by distance.
    void ApplyArrowLength(TSeriesMarkPosition& position) const;
    // In a 3D paint on a flat canvas, point keeps its offset from the arrow end while the arrow
    // end is projected at the mark depth.
    void ConvertTo2D(const TSeriesMarkPosition& position, TPoint& point) const;
    // Callout, box and text of one mark.
    void InternalDraw(int index, TColor colour, const QString& text, TSeriesMarkPosition& position);
    // The lines of text centred in rect, turned by Angle.
    void DrawText(const TRect& rect, const QString& text);
    // The widest line of the point's mark text.
    int TextWidth(int index);
    // Moves the new mark up or down by its overlap with each earlier mark from first on.
    void AntiOverlap(int first, int index, TSeriesMarkPosition& position);
    // While a series draws its marks one after another, the earlier ones stay indexed from one
    // mark to the next; outside such a pass each AntiOverlap looks at the positions afresh.
    class TPlacing
    {
    public:
        explicit TPlacing(TSeriesMarks* marks) : FMarks(marks) { FMarks->ForgetPlaced(true); }
        ~TPlacing() { FMarks->ForgetPlaced(false); }
        TPlacing(const TPlacing&) = delete;
        TPlacing& operator=(const TPlacing&) = delete;

    private:
        TSeriesMarks* FMarks;
    };
    // The index of the drawn mark under (x, y), or -1.
    int Clicked(int x, int y) const;

    // From other marks: Angle, Callout, Clip, DrawEvery, Style, MultiLine and the items; then
    // the shape's look.
    void Assign(TPersistent* Source) override;
    void DefineProperties(TTeeFiler& filer) override;

    // The "Items" block: a 32-bit little-endian count, then each item's stored properties
    // between a list-begin and a list-end marker.
    QByteArray WriteItems();
    // A count of 0 leaves the items untouched.
    void ReadItems(const QByteArray& data);

protected:
    // Marks start hidden, so a shown one is what gets stored.
    bool IsVisibleStored() const override { return Visible(); }
    // Marks start on the colour of information backgrounds.
    bool IsColorStored() const override { return Color() != clInfoBk; }
    // Silver to white (TSeriesMarksGradient).
    TTeeGradientClass GetGradientClass() const override;

private:
    TCanvas3D* PanelCanvas() const;
    // The mark box grown by its frame and shadow, in 2D.
    TRect OverlapBox(int index, const TSeriesMarkPosition& position);
    void ForgetPlaced(bool placing);

    int FAngle = 0;
    std::unique_ptr<TMarksCallout> FCallout;
    bool FClip = false;
    int FDrawEvery = 1;
    TMarksItems FItems;
    TSeriesMarksStyle FStyle = smsLabel;
    bool FMultiLine = false;
    TChartSeries* FSeries;
    TSeriesMarksPositions FPositions;
    int FZPosition = 0;
    // The boxes of the positions from FPlacedFirst up to FPlacedEnd, as they were at the mark
    // depth FPlacedDepth; kept between marks only while FPlacing.
    TMarkOverlapIndex FPlaced;
    bool FPlacing = false;
    int FPlacedFirst = 0;
    int FPlacedEnd = 0;
    int FPlacedDepth = 0;
};

// The text lines of a mark or label, split at the line separator; each remainder after a
// break is cut to its first 255 characters.
QStringList TeeSplitMarkLines(const QString& text);
