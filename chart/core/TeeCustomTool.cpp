#include "chart/core/TeeCustomTool.h"

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "platform/TeeComponentFiler.h"

TTeeCustomTool::~TTeeCustomTool()
{
    TTeeCustomTool::SetParentChart(nullptr);
}

void TTeeCustomTool::SetParentChart(TCustomAxisPanel* value)
{
    if (ParentChart() && value != ParentChart())
        StopDrag();
    if (TCustomAxisPanel* old = ParentChart()) {
        old->Tools()->Remove(this);
        if (!value)
            old->Invalidate();
    }
    TCustomChartElement::SetParentChart(value);
    if (value)
        static_cast<TTypedList<TTeeCustomTool>*>(value->Tools())->Add(this);
}

void TTeeCustomTool::SetActive(bool value)
{
    if (!value)
        StopDrag();
    TCustomChartElement::SetActive(value);
}

void TTeeCustomTool::StopDrag(bool repaint)
{
    EndDrag();
    const TCustomAxisPanel* chart = ParentChart();
    const bool shown = chart && FDragFeedbackPaint == chart->PaintCount() && !chart->NeedsPaint();
    FDragFeedbackPaint = -1;
    if (repaint || shown)
        Repaint();
}

bool TTeeCustomTool::DragFeedbackWiped() const
{
    const TCustomAxisPanel* chart = ParentChart();
    return chart && FDragFeedbackPaint != -1 && FDragFeedbackPaint != chart->PaintCount();
}

void TTeeCustomTool::DefineProperties(TTeeFiler& filer)
{
    TeeDefineBool(filer, "Active", Active(), true, [this](bool v) { SetActive(v); });
}

void TTeeCustomToolSeries::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomTool::DefineProperties(filer);
    // A series without a name is named by its place among the chart's stored components.
    filer.DefineProperty(
        "Series", [this](const QString& v) { FSeriesName = v; },
        [this] { return TeeComponentReference(FSeries, ParentChart()); }, FSeries != nullptr);
}

void TTeeCustomToolSeries::Loaded()
{
    // The series is set while the tool is still loading, as a stream would set it.
    const QString name = FSeriesName;
    FSeriesName.clear();
    // A name that the stored text does not give is one of the chart's series.
    const auto chartSeries = [this](const QString& seriesName) -> TComponent* {
        for (int i = 0; ParentChart() && i < ParentChart()->SeriesCount(); ++i)
            if (ParentChart()->Series(i)->Name().compare(seriesName, Qt::CaseInsensitive) == 0)
                return ParentChart()->Series(i);
        return nullptr;
    };
    if (auto* named = dynamic_cast<TChartSeries*>(TeeReferencedComponent(name, ParentChart(), chartSeries));
        named && named->ParentChart() == ParentChart())
        SetSeries(named);
    TTeeCustomTool::Loaded();
}

void TTeeCustomToolSeries::SetSeries(TChartSeries* value)
{
    if (FSeries == value)
        return;
    StopDrag();
    if (FSeries)
        FSeries->RemoveFreeNotification(this);
    FSeries = value;
    if (FSeries)
        FSeries->FreeNotification(this);
}

void TTeeCustomToolSeries::Notification(TComponent* AComponent, TOperation Operation)
{
    TTeeCustomTool::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FSeries)
        SetSeries(nullptr);
}

TChartAxis* TTeeCustomToolSeries::GetHorizAxis() const
{
    return FSeries ? FSeries->GetHorizAxis() : ParentChart()->BottomAxis();
}

TChartAxis* TTeeCustomToolSeries::GetVertAxis() const
{
    return FSeries ? FSeries->GetVertAxis() : ParentChart()->LeftAxis();
}

void TTeeCustomToolAxis::SetAxis(TChartAxis* value)
{
    if (value == FAxis)
        return;
    StopDrag();
    FAxis = value;
    SetParentChart(value ? dynamic_cast<TCustomAxisPanel*>(value->ParentChart()) : nullptr);
    Repaint();
}

void TTeeCustomToolAxis::ForgetAxis()
{
    // The axis is half gone: the drag ends without it.
    FAxis = nullptr;
    StopDrag();
}

void TTeeCustomToolAxis::DefineProperties(TTeeFiler& filer)
{
    TTeeCustomTool::DefineProperties(filer);
    // An index that the chart does not have leaves the tool without an axis change.
    filer.DefineProperty(
        "AxisID",
        [this](const QString& v) {
            const int64_t index = TeeTextInt(v, -1);
            if (ParentChart() && index >= 0 && index < ParentChart()->Axes()->Count())
                SetAxis(ParentChart()->Axes()->Get(static_cast<int>(index)));
        },
        [this] { return TeeIntText(ParentChart() ? ParentChart()->Axes()->IndexOf(FAxis) : -1); },
        FAxis != nullptr);
}
