#include "chart/core/ChartValueList.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>

#include "chart/core/ChartSeries.h"
#include "chart/core/TeeEngineSettings.h"
#include "chart/core/TeeSort.h"
#include "platform/SysUtils.h"

namespace {

const QStringList orderNames{"loNone", "loAscending", "loDescending"};

} // namespace

TChartValueList::TChartValueList(TChartSeries* owner, const QString& name) : FName(name), FOwner(owner)
{
    FOwner->ValueLists()->Add(this);
    ClearValues();
}

TChartValueList::~TChartValueList() = default;

void TChartValueList::Grow(int needed)
{
    // At least TeeDefaultCapacity more values, and at least double, so that appending a
    // million values copies the array a few times only.
    const int64_t length = FCapacity;
    const int64_t step = std::max(1, TeeDefaultCapacity);
    const int64_t wanted = std::max({int64_t(needed), length + step, length * 2});
    Reallocate(static_cast<int>(std::min<int64_t>(wanted, std::numeric_limits<int>::max())));
}

void TChartValueList::Reallocate(int capacity)
{
    auto values = std::make_unique_for_overwrite<double[]>(static_cast<size_t>(capacity));
    // The count may already include the value being added, which is not in the old array.
    const int held = std::min({FCount, FCapacity, capacity});
    if (held > 0)
        std::memcpy(values.get(), FValues.get(), sizeof(double) * static_cast<size_t>(held));
    FValues = std::move(values);
    FCapacity = capacity;
}

void TChartValueList::Reserve(int count)
{
    count = std::max(count, FCount);
    // Room more than four times what is needed, and more than a few thousand values, is far
    // beyond it.
    const bool spare = FCapacity > 4 * int64_t(std::max(count, 4096));
    if (count > FCapacity || spare)
        Reallocate(count);
}

void TChartValueList::SetValue(int index, double value)
{
    FValues[static_cast<size_t>(index)] = value;
    Edited();
    FOwner->NotifyValue(veModify, index);
}

int TChartValueList::AddChartValue(double value)
{
    const int oldCount = FCount;
    int index = oldCount;
    if (FOrder == loAscending && oldCount > 0 && value < FValues[static_cast<size_t>(oldCount - 1)]) {
        int i = oldCount - 1;
        while (i >= 0 && value < FValues[static_cast<size_t>(i)])
            --i;
        index = i + 1;
    } else if (FOrder == loDescending && oldCount > 0 && value > FValues[static_cast<size_t>(oldCount - 1)]) {
        int i = oldCount - 1;
        while (i >= 0 && value > FValues[static_cast<size_t>(i)])
            --i;
        index = i + 1;
    }
    if (index == oldCount)
        return Append(value);
    InsertChartValue(index, value);
    return index;
}

void TChartValueList::InsertChartValue(int index, double value)
{
    if (++FCount > FCapacity)
        Grow(FCount);
    double* data = FValues.get();
    if (index < FCount - 1)
        std::memmove(data + index + 1, data + index, sizeof(double) * static_cast<size_t>(FCount - 1 - index));
    data[index] = value;
    Edited();
}

void TChartValueList::ClearValues()
{
    FCount = 0;
    Edited();
}

void TChartValueList::Delete(int index)
{
    Delete(index, 1);
}

void TChartValueList::Delete(int start, int quantity)
{
    if (start < 0 || start >= FCount || quantity <= 0)
        return;
    quantity = std::min(quantity, FCount - start);
    double* data = FValues.get();
    std::memmove(data + start, data + start + quantity, sizeof(double) * static_cast<size_t>(FCount - start - quantity));
    FCount -= quantity;
    Edited();
}

int TChartValueList::Locate(double value) const
{
    for (int i = 0; i < FCount; ++i) {
        if (FValues[static_cast<size_t>(i)] == value)
            return i;
    }
    return -1;
}

double TChartValueList::MaxValue()
{
    if (FModified)
        RecalcStats();
    return FMaximum;
}

double TChartValueList::MinValue()
{
    if (FModified)
        RecalcStats();
    return FMinimum;
}

double TChartValueList::Total()
{
    if (FModified)
        RecalcStats();
    return FTotal;
}

double TChartValueList::TotalABS()
{
    if (FModified)
        RecalcStats();
    return FTotalABS;
}

void TChartValueList::SetTotalABS(double value)
{
    if (FModified)
        RecalcStats();
    FTotalABS = value;
}

void TChartValueList::RecalcStats()
{
    if (FCount <= 0) {
        FMaximum = FMinimum = FTotal = FTotalABS = 0;
    } else {
        const double* data = FValues.get();
        double lo = data[0];
        double hi = data[0];
        double total = data[0];
        double totalAbs = std::fabs(data[0]);
        for (int i = 1; i < FCount; ++i) {
            const double x = data[i];
            if (x < lo)
                lo = x;
            else if (x > hi)
                hi = x;
            total += x;
            totalAbs += std::fabs(x);
        }
        FMinimum = lo;
        FMaximum = hi;
        FTotal = total;
        FTotalABS = totalAbs;
    }
    FModified = false;
}

void TChartValueList::Exchange(int a, int b)
{
    std::swap(FValues[static_cast<size_t>(a)], FValues[static_cast<size_t>(b)]);
    Edited();
    FOwner->NotifyValue(veModify, a);
}

void TChartValueList::FillSequence()
{
    for (int i = 0; i < FCount; ++i)
        FValues[static_cast<size_t>(i)] = i;
    Edited();
    FOwner->NotifyValue(veModify, 0);
}

void TChartValueList::Scroll()
{
    if (FCount > 1) {
        std::rotate(FValues.get(), FValues.get() + 1, FValues.get() + FCount);
        ++FEdits;
    }
}

void TChartValueList::Sort()
{
    if (FOrder == loNone)
        return;
    TChartSeries* owner = FOwner;
    TeeSort(
        0, FCount - 1, [this](int a, int b) { return CompareValueIndex(a, b); },
        [owner](int a, int b) { owner->SwapValueIndex(a, b); });
}

int TChartValueList::CompareValueIndex(int a, int b) const
{
    const double va = FValues[static_cast<size_t>(a)];
    const double vb = FValues[static_cast<size_t>(b)];
    const int result = va < vb ? -1 : (va > vb ? 1 : 0);
    return FOrder == loDescending ? -result : result;
}

QString TChartValueList::ToString(int index) const
{
    return FloatToStr(GetValue(index));
}

void TChartValueList::SetDateTime(bool value)
{
    FOwner->SetBooleanProperty(FDateTime, value);
}

void TChartValueList::InitDateTime(bool value)
{
    FDateTime = value;
    FDefaultDateTime = value;
}

void TChartValueList::SetValueSource(const QString& value)
{
    if (SetProp(FValueSource, value))
        FOwner->CheckDataSource();
}

void TChartValueList::Assign(TPersistent* source)
{
    if (auto* other = dynamic_cast<TChartValueList*>(source)) {
        FOrder = other->FOrder;
        FDateTime = other->FDateTime;
        FValueSource = other->FValueSource;
    }
}

void TChartValueList::DefineProperties(TTeeFiler& filer)
{
    // A bad text reads as false here, whatever the value held.
    TeeDefineBool(filer, "DateTime", FDateTime, FDefaultDateTime, [this](bool v) { SetDateTime(v); }, false);
    TeeDefineText(filer, "Name", FName, QString(), [this](const QString& v) { SetName(v); });
    TeeDefineEnum(filer, "Order", FOrder, loNone, orderNames, [this](TChartListOrder v) { SetOrder(v); });
    TeeDefineText(filer, "ValueSource", FValueSource, QString(), [this](const QString& v) { SetValueSource(v); });
    // Values are never scaled: a stored multiplier other than 1 is reported to the user and
    // ignored.
    filer.DefineProperty(
        "Multiplier",
        [](const QString& v) {
            if (TeeTextFloat(v, 1) != 1)
                ShowMessageUser(QStringLiteral("Error: Multiplier property is obsolete.") + TeeLineSeparator +
                                QStringLiteral("Modify the library settings (enable Multiplier) and recompile."));
        },
        {}, false);
}

TChartValueLists::~TChartValueLists()
{
    Clear();
}

void TChartValueLists::Clear()
{
    for (int i = 0; i < Count(); ++i)
        delete Items(i);
    TTypedList<TChartValueList>::Clear();
}
