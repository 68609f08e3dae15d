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

class TTeeCustomTool : public TCustomChartElement
{
public:
    explicit TTeeCustomTool(TComponent* AOwner) : TCustomChartElement(AOwner) {}
    ~TTeeCustomTool() override;

    // Leaves the old chart's tools (repainting that chart when going to none) and joins the
    // end of the new one's.
    void SetParentChart(TCustomAxisPanel* value) override;
    virtual void ChartEvent(TChartToolEvent) {}
    virtual void ChartMouseEvent(TChartMouseEvent, TMouseButton, TShiftState, int /*x*/, int /*y*/) {}
    // The tool type's display name.
    static QString Description() { return QString(); }
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

protected:
    // A freed series is forgotten.
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TChartSeries* FSeries = nullptr;
};

class TTeeCustomToolAxis : public TTeeCustomTool, public TTeeStoredObject
{
public:
    explicit TTeeCustomToolAxis(TComponent* AOwner) : TTeeCustomTool(AOwner) {}

    TChartAxis* Axis() const { return FAxis; }
    // The tool moves to the axis' chart (none for no axis) and repaints.
    virtual void SetAxis(TChartAxis* value);
    QString GetEditorClass() const override { return QStringLiteral("TAxisToolEditor"); }
    // "AxisID": the axis' place in its chart's list of all axes.
    void DefineProperties(TTeeFiler& filer) override;

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
