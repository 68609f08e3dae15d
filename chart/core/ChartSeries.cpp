// Points of a series: adding, deleting, clearing, colours, labels, order and notifications.

#include "chart/core/ChartSeries.h"

#include <algorithm>

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartException.h"
#include "chart/core/ColorPalette.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/TeeFunction.h"
#include "chart/core/TeeSort.h"
#include "chart/core/Teeconst.h"
#include "platform/SysUtils.h"

TChartSeries::TChartSeries(TComponent* AOwner) : TCustomChartSeries(AOwner), FLabels(this)
{
    FXValues = new TChartValueList(this, TeeMsg_ValuesX);
    FXValues->SetOrder(loAscending);
    FPositionValues = FXValues;
    FYValues = new TChartValueList(this, TeeMsg_ValuesY);
    FMandatoryValues = FYValues;
    FMarks = std::make_unique<TSeriesMarks>(this);
    FValueFormat = TeeMsg_DefValueFormat;
    FPercentFormat = TeeMsg_DefPercentFormat;
}

TChartSeries::~TChartSeries()
{
    Teardown();
}

void TChartSeries::BeforeDestruction()
{
    Teardown();
    TCustomChartSeries::BeforeDestruction();
}

void TChartSeries::SetHorizontal()
{
    FMandatoryValues = FXValues;
    FPositionValues = FYValues;
    FMandatoryIsY = false;
}

void TChartSeries::SetXValues(TChartValueList* value)
{
    FXValues->Assign(value);
    Repaint();
}

void TChartSeries::SetYValues(TChartValueList* value)
{
    FYValues->Assign(value);
    Repaint();
}

void TChartSeries::StoreValue(TChartValueList* list, int index, double value)
{
    list->FValues[static_cast<size_t>(index)] = value;
    list->Edited();
    Repaint();
}

void TChartSeries::SetXValue(int index, double value)
{
    StoreValue(FXValues, index, value);
}

void TChartSeries::SetYValue(int index, double value)
{
    StoreValue(FYValues, index, value);
}

// Colours.

TColor TChartSeries::GetValueColor(int index) const
{
    if (FColors && index >= 0 && index < FColors->Count()) {
        const TColor c = (*FColors)[index];
        if (c != clDefault)
            return c;
    }
    return FColorEachPoint ? GetDefaultColor(index) : FSeriesColor;
}

bool TChartSeries::SameColourForAll(TColor& colour) const
{
    if (FColorEachPoint)
        return false;
    if (!FColors || FColors->Count() == 0) {
        colour = FSeriesColor;
        return true;
    }
    // One colour held for all the entries, and an entry for every point.
    if (!FColors->Uniform() || FColors->Count() < Count())
        return false;
    const TColor c = (*FColors)[0];
    colour = c != clDefault ? c : FSeriesColor;
    return true;
}

void TChartSeries::GrowColors()
{
    if (!FColors)
        FColors = std::make_unique<TPointColors>();
    if (FColors->Count() < Count())
        FColors->Resize(Count(), clDefault);
}

void TChartSeries::SetValueColor(int index, TColor colour)
{
    if (index < 0 || (!FColors && colour == clDefault))
        return;
    GrowColors();
    if (index >= FColors->Count())
        FColors->Resize(index + 1, clDefault);
    FColors->Set(index, colour);
    Repaint();
}

void TChartSeries::SetSeriesColor(TColor value)
{
    SetColorProperty(FSeriesColor, value);
    if (ParentChart())
        ParentChart()->BroadcastSeriesEvent(this, seChangeColor);
    RepaintDesigner();
}

void TChartSeries::ColorRange(TChartValueList* list, double from, double to, TColor colour)
{
    for (int i = 0; i < list->Count(); ++i) {
        const double v = list->GetValue(i);
        if (v >= from && v <= to && !IsNull(i)) {
            GrowColors();
            FColors->Set(i, colour);
        }
    }
    Repaint();
}

// Adding.

void TChartSeries::InsertColorAndLabel(int index, TColor colour, const QString& label)
{
    if (FColors) {
        // Entries beyond the list's end read as clDefault; fill them so that the insert lands.
        if (FColors->Count() < index)
            FColors->Resize(index, clDefault);
        FColors->Insert(index, colour);
    } else if (colour != clDefault) {
        FColors = std::make_unique<TPointColors>(Count() - 1, clDefault);
        FColors->Reserve(FXValues->Capacity());
        FColors->Insert(index, colour);
    }
    if (!label.isEmpty() || FLabels.Count() > 0)
        FLabels.InsertLabel(index, label);
}

int TChartSeries::AddXY(double x, double y, const QString& label, TColor colour)
{
    FXValues->PendingValue = x;
    FYValues->PendingValue = y;
    if (OnBeforeAdd && !OnBeforeAdd(this))
        return -1;
    const int index = FXValues->AddChartValue(x);
    // Points mostly come in X order: the other lists then append.
    if (index == FYValues->Count())
        FYValues->Append(y);
    else
        FYValues->InsertChartValue(index, y);
    for (int i = 2; i < FValueLists.Count(); ++i) {
        TChartValueList* list = FValueLists.Get(i);
        list->InsertChartValue(index, list->PendingValue);
    }
    // The common case, a point in a colour list that reaches it and no labels, inline.
    if (FColors && FColors->Count() >= index && label.isEmpty() && FLabels.Count() == 0)
        FColors->Insert(index, colour);
    else
        InsertColorAndLabel(index, colour, label);
    if (FUpdateCount == 0)
        NotifyNewValue(this, index);
    return index;
}

void TChartSeries::ReservePoints(int count)
{
    for (int i = 0; i < FValueLists.Count(); ++i)
        FValueLists.Get(i)->Reserve(count);
    if (FColors)
        FColors->Reserve(count);
}

int TChartSeries::Add(double value, const QString& label, TColor colour)
{
    const int n = Count();
    return FMandatoryIsY ? AddXY(n, value, label, colour) : AddXY(value, n, label, colour);
}

int TChartSeries::AddX(double x, const QString& label, TColor colour)
{
    return AddXY(x, Count(), label, colour);
}

int TChartSeries::AddY(double y, const QString& label, TColor colour)
{
    return AddXY(Count(), y, label, colour);
}

int TChartSeries::AddNull(const QString& label)
{
    return Add(0, label, clNone);
}

int TChartSeries::AddNullValue(double value)
{
    return Add(value, QString(), clNone);
}

int TChartSeries::AddNullXY(double x, double y, const QString& label)
{
    return AddXY(x, y, label, clNone);
}

int TChartSeries::AddArray(const double* values, int high)
{
    BeginUpdate();
    for (int i = 0; i <= high; ++i)
        Add(values[i], QString(), clDefault);
    EndUpdate();
    return high + 1;
}

// Deleting and clearing.

void TChartSeries::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw ChartException(Format(TeeMsg_SeriesDelete, {index, Count() - 1}));
    for (int i = 0; i < FValueLists.Count(); ++i)
        FValueLists.Get(i)->Delete(index);
    if (FColors && index < FColors->Count())
        FColors->Erase(index, 1);
    FLabels.DeleteLabel(index);
    FMarks->Positions().Delete(index);
    FMarks->Items().Delete(index);
    NotifyValue(veDelete, index);
    if (Active())
        Repaint();
}

void TChartSeries::Delete(int start, int quantity, bool removeGap)
{
    if (start < 0 || start >= Count() || quantity <= 0)
        return;
    quantity = std::min(quantity, Count() - start);
    for (int i = 0; i < FValueLists.Count(); ++i)
        FValueLists.Get(i)->Delete(start, quantity);
    if (FColors && start < FColors->Count()) {
        FColors->Erase(start, quantity);
        if (FColors->Empty())
            FColors.reset();
    }
    FLabels.DeleteRange(start, quantity);
    FMarks->Positions().Delete(start, quantity);
    NotifyValue(veDelete, -1);
    if (Active())
        Repaint();
    if (removeGap)
        RenumberPositions();
}

void TChartSeries::ClearLists()
{
    for (int i = 0; i < FValueLists.Count(); ++i)
        FValueLists.Get(i)->ClearValues();
    FColors.reset();
    FLabels.Clear();
    FMarks->Clear();
}

void TChartSeries::Clear()
{
    ClearLists();
    if (OnClearValues)
        OnClearValues(this);
    NotifyValue(veClear, 0);
    if (Active() && ParentChart() && !ParentChart()->IsDestroying())
        Repaint();
}

// Updates and notifications.

void TChartSeries::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0)
        RefreshSeries();
}

void TChartSeries::RefreshSeries()
{
    NotifyValue(veRefresh, 0);
    if (ParentChart())
        ParentChart()->BroadcastSeriesEvent(this, seDataChanged);
}

void TChartSeries::NotifyNewValue(TChartSeries* sender, int valueIndex)
{
    if (OnAfterAdd)
        OnAfterAdd(sender, valueIndex);
    NotifyValue(veAdd, valueIndex);
    if (Active())
        Repaint();
}

void TChartSeries::NotifyValue(TValueEvent event, int valueIndex)
{
    if (FUpdateCount > 0)
        return;
    for (int i = 0; i < FLinkedSeries.Count(); ++i) {
        TChartSeries* linked = FLinkedSeries.Get(i);
        const TSeriesRecalcOptions options = linked->RecalcOptions();
        switch (event) {
        case veClear:
            if (options.Contains(rOnClear))
                linked->Clear();
            break;
        case veAdd:
            if (options.Contains(rOnInsert) && !linked->FunctionType())
                linked->AddedValue(this, valueIndex);
            break;
        case veDelete:
            if (options.Contains(rOnDelete) && !linked->FunctionType())
                linked->DeletedValue(this, valueIndex);
            break;
        case veModify:
            if (options.Contains(rOnModify))
                linked->AddValues(this);
            break;
        case veRefresh:
            linked->AddValues(this);
            break;
        }
    }
}

void TChartSeries::AddLinkedSeries(TChartSeries* series)
{
    if (FLinkedSeries.IndexOf(series) < 0)
        FLinkedSeries.Add(series);
}

void TChartSeries::RemoveLinkedSeries(TChartSeries* series)
{
    FLinkedSeries.Remove(series);
}

// Order.

void TChartSeries::SwapValueIndex(int a, int b)
{
    for (int i = 0; i < FValueLists.Count(); ++i) {
        TChartValueList* list = FValueLists.Get(i);
        std::swap(list->FValues[static_cast<size_t>(a)], list->FValues[static_cast<size_t>(b)]);
        list->Edited();
    }
    if (FColors) {
        GrowColors();
        FColors->Swap(a, b);
    }
    if (FLabels.Count() > 0)
        FLabels.Exchange(a, b);
}

void TChartSeries::RenumberPositions()
{
    for (int i = 0; i < Count(); ++i)
        FPositionValues->FValues[static_cast<size_t>(i)] = i;
    FPositionValues->Edited();
}

void TChartSeries::CheckOrder()
{
    if (FMandatoryValues->Order() == loNone)
        return;
    FMandatoryValues->Sort();
    if (FPositionValues->ValueSource().isEmpty())
        RenumberPositions();
    Repaint();
}

void TChartSeries::SortByLabels(TChartListOrder order)
{
    if (order == loNone)
        return;
    // Labels compare as plain code-unit strings, case-sensitive.
    TeeSort(
        0, Count() - 1,
        [this, order](int a, int b) {
            const int c = QString::compare(FLabels.GetLabel(a), FLabels.GetLabel(b), Qt::CaseSensitive);
            const int sign = c < 0 ? -1 : (c > 0 ? 1 : 0);
            return order == loDescending ? -sign : sign;
        },
        [this](int a, int b) { SwapValueIndex(a, b); });
    RenumberPositions();
    Repaint();
}

void TChartSeries::ReplaceList(TChartValueList* oldList, TChartValueList* newList)
{
    FValueLists.Remove(newList);
    const int index = FValueLists.IndexOf(oldList);
    if (index < 0)
        return;
    newList->SetName(oldList->Name());
    FValueLists.SetItem(index, newList);
    if (oldList == FXValues)
        FXValues = newList;
    if (oldList == FYValues)
        FYValues = newList;
    if (oldList == FMandatoryValues)
        FMandatoryValues = newList;
    if (oldList == FPositionValues)
        FPositionValues = newList;
    delete oldList;
}

int TChartSeries::OwnValueListCount() const
{
    int count = FValueLists.Count();
    while (count > 0 && FValueLists.Get(count - 1)->Lent)
        --count;
    return count;
}

TChartValueList* TChartSeries::GetYValueList(const QString& name) const
{
    for (int i = 2; i < OwnValueListCount(); ++i) {
        if (SameText(FValueLists.Get(i)->Name(), name))
            return FValueLists.Get(i);
    }
    return FYValues;
}

// Axes.

void TChartSeries::SetHorizAxis(THorizAxis value)
{
    if (!SetProp(FHorizAxis, value))
        return;
    if (value != aCustomHorizAxis && !IsLoading())
        FCustomHorizAxis = nullptr;
    RecalcGetAxis();
}

void TChartSeries::SetVertAxis(TVertAxis value)
{
    if (!SetProp(FVertAxis, value))
        return;
    if (value != aCustomVertAxis && !IsLoading())
        FCustomVertAxis = nullptr;
    RecalcGetAxis();
}

void TChartSeries::SetCustomHorizAxis(TChartAxis* value)
{
    FCustomHorizAxis = value;
    FHorizAxis = value ? aCustomHorizAxis : aBottomAxis;
    RecalcGetAxis();
    Repaint();
}

void TChartSeries::SetCustomVertAxis(TChartAxis* value)
{
    FCustomVertAxis = value;
    FVertAxis = value ? aCustomVertAxis : aLeftAxis;
    RecalcGetAxis();
    Repaint();
}

void TChartSeries::RecalcGetAxis()
{
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) {
        FUsedHorizAxis = nullptr;
        FUsedVertAxis = nullptr;
        return;
    }
    FUsedHorizAxis = chart->BottomAxis();
    if (FHorizAxis == aTopAxis)
        FUsedHorizAxis = chart->TopAxis();
    else if (FHorizAxis == aCustomHorizAxis && FCustomHorizAxis)
        FUsedHorizAxis = FCustomHorizAxis;
    FUsedVertAxis = chart->LeftAxis();
    if (FVertAxis == aRightAxis)
        FUsedVertAxis = chart->RightAxis();
    else if (FVertAxis == aCustomVertAxis && FCustomVertAxis)
        FUsedVertAxis = FCustomVertAxis;
}

QString TChartSeries::XValueToText(double value) const
{
    return FUsedHorizAxis->LabelValue(value);
}

QString TChartSeries::YValueToText(double value) const
{
    return FUsedVertAxis->LabelValue(value);
}

double TChartSeries::XScreenToValue(int pixel) const
{
    return FUsedHorizAxis->CalcPosPoint(pixel);
}

double TChartSeries::YScreenToValue(int pixel) const
{
    return FUsedVertAxis->CalcPosPoint(pixel);
}

int TChartSeries::CalcXPosValue(double value) const
{
    return FUsedHorizAxis->CalcXPosValue(value);
}

int TChartSeries::CalcYPosValue(double value) const
{
    return FUsedVertAxis->CalcYPosValue(value);
}

int TChartSeries::CalcXSizeValue(double value) const
{
    return FUsedHorizAxis->CalcSizeValue(value);
}

int TChartSeries::CalcYSizeValue(double value) const
{
    return FUsedVertAxis->CalcSizeValue(value);
}

int TChartSeries::CalcPosValue(double value) const
{
    return FMandatoryIsY ? CalcYPosValue(value) : CalcXPosValue(value);
}

int TChartSeries::GetCursorValueIndex()
{
    return Clicked(ParentChart()->GetCursorPos());
}

void TChartSeries::GetCursorValues(double& x, double& y)
{
    const TPoint p = ParentChart()->GetCursorPos();
    x = XScreenToValue(p.X);
    y = YScreenToValue(p.Y);
}

bool TChartSeries::CheckMouse(int x, int y)
{
    if (FCursor == 0 && !OnMouseEnter && !OnMouseLeave)
        return false;
    if (Clicked(x, y) == -1) {
        if (FMouseInside) {
            FMouseInside = false;
            if (OnMouseLeave)
                OnMouseLeave(this);
        }
        return false;
    }
    if (FCursor != 0 && ParentChart())
        ParentChart()->SetCursor(static_cast<TCursor>(FCursor));
    if (!FMouseInside) {
        FMouseInside = true;
        if (OnMouseEnter)
            OnMouseEnter(this);
    }
    return true;
}

bool TChartSeries::AssociatedToAxis(const TChartAxis* axis) const
{
    if (!UseAxis() || !axis)
        return false;
    if (axis->Horizontal())
        return FHorizAxis == aBothHorizAxis || axis == FUsedHorizAxis;
    return FVertAxis == aBothVertAxis || axis == FUsedVertAxis;
}

bool TChartSeries::AssociatedToHorizAxis(THorizAxis which) const
{
    if (!UseAxis())
        return false;
    if (FHorizAxis == aBothHorizAxis)
        return which == aTopAxis || which == aBottomAxis;
    const THorizAxis used = (FHorizAxis == aCustomHorizAxis && !FCustomHorizAxis) ? aBottomAxis : FHorizAxis;
    return used == which;
}

bool TChartSeries::AssociatedToVertAxis(TVertAxis which) const
{
    if (!UseAxis())
        return false;
    if (FVertAxis == aBothVertAxis)
        return which == aLeftAxis || which == aRightAxis;
    const TVertAxis used = (FVertAxis == aCustomVertAxis && !FCustomVertAxis) ? aLeftAxis : FVertAxis;
    return used == which;
}
