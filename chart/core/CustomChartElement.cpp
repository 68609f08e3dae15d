#include "chart/core/CustomChartElement.h"

#include "chart/core/CustomAxisPanel.h"

TCustomChartElement::TCustomChartElement(TComponent* AOwner) : TComponent(AOwner)
{
    FBrush = std::make_unique<TChartBrush>([this](TObject* sender) { CanvasChanged(sender); });
    FPen = std::make_unique<TChartPen>([this](TObject* sender) { CanvasChanged(sender); });
}

// Series and tools leave their chart in their own destructors, while they are still whole;
// here only the link is dropped.
TCustomChartElement::~TCustomChartElement()
{
    FPen.reset();
    FBrush.reset();
    TCustomChartElement::SetParentChart(nullptr);
}

void TCustomChartElement::SetActive(bool value)
{
    SetBooleanProperty(FActive, value);
}

void TCustomChartElement::SetBrush(TChartBrush* value)
{
    FBrush->Assign(value);
}

void TCustomChartElement::SetPen(TChartPen* value)
{
    FPen->Assign(value);
}

void TCustomChartElement::SetParentChart(TCustomAxisPanel* value)
{
    FParentChart = value;
}

void TCustomChartElement::Repaint()
{
    if (FParentChart)
        FParentChart->Invalidate();
}

void TCustomChartElement::CanvasChanged(TObject*)
{
    Repaint();
}

void TCustomChartElement::SetBooleanProperty(bool& field, bool value)
{
    SetProp(field, value);
}

void TCustomChartElement::SetColorProperty(TColor& field, TColor value)
{
    SetProp(field, value);
}

void TCustomChartElement::SetIntegerProperty(int& field, int value)
{
    SetProp(field, value);
}

void TCustomChartElement::SetDoubleProperty(double& field, double value)
{
    SetProp(field, value);
}

void TCustomChartElement::SetStringProperty(QString& field, const QString& value)
{
    SetProp(field, value);
}

void TCustomChartElement::Assign(TPersistent* source)
{
    auto* other = dynamic_cast<TCustomChartElement*>(source);
    if (!other) {
        TComponent::Assign(source);
        return;
    }
    FActive = other->FActive;
    SetBrush(other->Brush());
    SetPen(other->Pen());
    SetTag(other->Tag());
}

TComponent* TCustomChartElement::GetParentComponent() const
{
    return FParentChart;
}

void TCustomChartElement::SetParentComponent(TComponent* value)
{
    if (auto* chart = dynamic_cast<TCustomAxisPanel*>(value))
        SetParentChart(chart);
}
