#pragma once

// Bases of the chart tools: elements that react to the chart's drawing and mouse events
// without being series, possibly bound to one series or one axis; and the hook an editor
// attaches to a chart.

#include "chart/core/CustomChartElement.h"
#include "platform/TeeFiler.h"
#include "platform/Types.h"
#include "platform/graphics/ControlTypes.h"

class TChartAxis;
class TChartSeries;

enum TChartToolEvent { cteAfterDraw, cteBeforeDrawSeries, cteBeforeDraw };
enum TChartMouseEvent { cmeDown, cmeMove, cmeUp };

// A tool's hit test answers with what the mouse is over, and with that kind's empty value when
// it is over nothing: -1 for the index of a point, a mark or an arrow, null for an object, the
// none member for a part (ccNone), false for a yes-or-no test.
//
// Every tool stores its published properties: each class adds its own in DefineProperties
// after its base's, with its constructor's values as start values. A chart writes its tools
// after its series, against new tools of the same class.
class TTeeCustomTool : public TCustomChartElement, public TTeeStoredObject
{
public:
    explicit TTeeCustomTool(TComponent* AOwner) : TCustomChartElement(AOwner) {}
    ~TTeeCustomTool() override;

    // "Active", stored when false.
    void DefineProperties(TTeeFiler& filer) override;
    bool StoresAgainstNewObject() const override { return true; }

    // Leaves the old chart's tools (repainting that chart when going to none) and joins the
    // end of the new one's. Leaving a chart stops a drag on it.
    void SetParentChart(TCustomAxisPanel* value) override;
    // Switching the tool off stops its drag: it sees no more mouse, not even the release.
    void SetActive(bool value) override;
    virtual void ChartEvent(TChartToolEvent) {}
    // A tool whose figure is exclusive-or feedback that it moves by drawing it again hears of
    // the end of a frame after all other drawing, the program's included: nothing may lie over
    // what a move erases.
    virtual bool FeedbackOverFrame() const { return false; }
    virtual void ChartMouseEvent(TChartMouseEvent, TMouseButton, TShiftState, int /*x*/, int /*y*/) {}
    // The tool type's display name, also through a pointer to any tool base.
    virtual QString Description() const { return QString(); }

protected:
    // The drag under way, if any, ends: the tool forgets it and puts back what else the drag
    // changed on its chart (its automatic repaint); StopDrag wipes the feedback. It reports
    // nothing; a release reports the end itself. A tool whose drag changes its chart calls it
    // when freed, since the base can no longer reach it then. Nothing here.
    virtual void EndDrag() {}
    // How every drag ends: EndDrag, then, when feedback of the drag (TChartFeedback) is still
    // in the chart's back buffer (the chart has not painted since, and no paint is due), a
    // repaint wipes it; with repaint the chart repaints in any case. Besides the release, it
    // runs when the tool is switched off, leaves its chart, loses its series or axis (it then
    // never sees the release) or is freed.
    void StopDrag(bool repaint = false);
    // Whether the chart has painted since the tool last drew drag feedback: the figure is no
    // longer on screen, so drawing it again to erase it would draw it back.
    bool DragFeedbackWiped() const;

private:
    friend class TChartFeedback;
    // The chart's paint count when the tool last drew drag feedback outside a paint; -1 for
    // none.
    int64_t FDragFeedbackPaint = -1;
};

class TTeeCustomToolSeries : public TTeeCustomTool
{
public:
    explicit TTeeCustomToolSeries(TComponent* AOwner) : TTeeCustomTool(AOwner) {}

    TChartSeries* Series() const { return FSeries; }
    // Follows the series with a free-notification; no repaint.
    virtual void SetSeries(TChartSeries* value);
    // The series' axes, else the chart's bottom and left axes (the tool then needs a chart).
    TChartAxis* GetHorizAxis() const;
    TChartAxis* GetVertAxis() const;
    QString GetEditorClass() const override { return QStringLiteral("TSeriesToolEditor"); }
    // "Series", by the series' name; a name the chart does not have leaves no series.
    void DefineProperties(TTeeFiler& filer) override;

protected:
    // A freed series is forgotten.
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The stored series is looked up once every component of the chart has been read.
    void Loaded() override;

private:
    TChartSeries* FSeries = nullptr;
    QString FSeriesName;
};

class TTeeCustomToolAxis : public TTeeCustomTool
{
public:
    explicit TTeeCustomToolAxis(TComponent* AOwner) : TTeeCustomTool(AOwner) {}

    TChartAxis* Axis() const { return FAxis; }
    // The tool moves to the axis' chart (none for no axis) and repaints.
    virtual void SetAxis(TChartAxis* value);
    QString GetEditorClass() const override { return QStringLiteral("TAxisToolEditor"); }
    // "AxisID": the axis' place in its chart's list of all axes.
    void DefineProperties(TTeeFiler& filer) override;

    // The axis is being freed: the tool stays on its chart without one.
    void ForgetAxis();

private:
    TChartAxis* FAxis = nullptr;
};

// An editor attached to a chart, told to refresh; nothing in the base.
class TTeeCustomDesigner : public TObject
{
public:
    virtual void Refresh() {}
    virtual void Repaint() {}
};
