#include "chart/core/ChartLists.h"

#include "chart/core/ChartAxis.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeCustomTool.h"

TChartTools::~TChartTools()
{
    Clear();
}

TTeeCustomTool* TChartTools::Add(TTeeCustomTool* tool)
{
    tool->SetParentChart(FOwner);
    return tool;
}

void TChartTools::Clear()
{
    while (Count() > 0) {
        TTeeCustomTool* tool = Items(0);
        const int before = Count();
        tool->Free();
        // A tool that did not take itself out is dropped here, so the loop always ends.
        if (Count() == before && Count() > 0 && Items(0) == tool)
            TList::Delete(0);
    }
    TTypedList<TTeeCustomTool>::Clear();
}

TChartAxes::~TChartAxes()
{
    Clear();
}

void TChartAxes::Clear()
{
    while (Count() > 0) {
        TChartAxis* axis = Items(0);
        const int before = Count();
        // A custom axis belongs to its collection, which frees it; a standard one is ours.
        if (axis->Collection())
            axis->Collection()->Delete(axis->Index());
        else
            delete axis;
        if (Count() == before && Count() > 0 && Items(0) == axis)
            TList::Delete(0);
    }
    TTypedList<TChartAxis>::Clear();
}

TChartAxis* TChartAxes::LeftAxis() const
{
    return FChart->LeftAxis();
}

TChartAxis* TChartAxes::TopAxis() const
{
    return FChart->TopAxis();
}

TChartAxis* TChartAxes::RightAxis() const
{
    return FChart->RightAxis();
}

TChartAxis* TChartAxes::BottomAxis() const
{
    return FChart->BottomAxis();
}

TChartAxis* TChartAxes::DepthAxis() const
{
    return FChart->DepthAxis();
}

bool TChartAxes::Behind() const
{
    return FChart->AxisBehind();
}

void TChartAxes::SetBehind(bool value)
{
    FChart->SetAxisBehind(value);
}

bool TChartAxes::Visible() const
{
    return FChart->AxisVisible();
}

void TChartAxes::SetVisible(bool value)
{
    FChart->SetAxisVisible(value);
}

void TChartAxes::SetFastCalc(bool value)
{
    FFastCalc = value;
    for (int i = 0; i < Count(); ++i)
        Items(i)->SetCalcPosValue();
}

TChartCustomAxes::TChartCustomAxes(TCustomAxisPanel* chart)
    : TCollection(TCollection::ItemClassOf<TChartAxis>()), FChart(chart)
{
}

TPersistent* TChartCustomAxes::GetOwner()
{
    return FChart;
}

TChartAxis* TChartCustomAxes::Get(int index) const
{
    return static_cast<TChartAxis*>(Items(index));
}

void TChartCustomAxes::Put(int index, TChartAxis* axis)
{
    Get(index)->Assign(axis);
}
