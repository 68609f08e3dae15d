#pragma once

// Common base of what a chart panel holds besides its axes (series and tools): the chart it
// belongs to, the Active switch, a pen and a brush, and the setters that store a changed
// value and repaint the chart.

#include <QString>
#include <memory>

#include "chart/core/ChartBrush.h"
#include "chart/core/ChartPen.h"
#include "platform/Colors.h"
#include "platform/Component.h"

class TCustomAxisPanel;

class TCustomChartElement : public TComponent
{
public:
    explicit TCustomChartElement(TComponent* AOwner);
    // Leaves the chart (SetParentChart(nil)) before the pen and brush go.
    ~TCustomChartElement() override;

    bool Active() const { return FActive; }
    virtual void SetActive(bool value);
    TChartBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TChartBrush* value);
    TChartPen* Pen() const { return FPen.get(); }
    virtual void SetPen(TChartPen* value);
    TCustomAxisPanel* ParentChart() const { return FParentChart; }
    // Stores the chart and nothing else; series and tools also join the chart's lists.
    virtual void SetParentChart(TCustomAxisPanel* value);

    // Invalidates the chart, when there is one: the one way an element asks for a redraw.
    void Repaint();
    // The pen and brush change handler.
    virtual void CanvasChanged(TObject* sender);
    // Name of the element's editor class; none here.
    virtual QString GetEditorClass() const { return QString(); }

    // SetProp under typed names: store a different value and repaint; equal values change
    // nothing. Public, for the parts of a series (marks, value lists) that repaint with it.
    void SetBooleanProperty(bool& field, bool value);
    void SetColorProperty(TColor& field, TColor value);
    void SetIntegerProperty(int& field, int value);
    void SetDoubleProperty(double& field, double value);
    void SetStringProperty(QString& field, const QString& value);

    // From another element: Active (without repaint), brush, pen and Tag.
    void Assign(TPersistent* source) override;

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    // Only an axis panel becomes the parent; other components are ignored.
    void SetParentComponent(TComponent* value) override;

protected:
    // What SetProp does after storing a changed value.
    void PropertyChanged() override { Repaint(); }
    // Bypasses SetParentChart, for a series that has already left its chart.
    void ClearParentChart() { FParentChart = nullptr; }

private:
    bool FActive = true;
    std::unique_ptr<TChartBrush> FBrush;
    TCustomAxisPanel* FParentChart = nullptr;
    std::unique_ptr<TChartPen> FPen;
};
