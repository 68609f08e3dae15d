#include "chart/core/SeriesMarks.h"

#include <algorithm>

#include "chart/core/ChartSeries.h"

void TSeriesMarkPosition::Assign(const TSeriesMarkPosition& other)
{
    ArrowStart = other.ArrowStart;
    ArrowEnd = other.ArrowEnd;
    LeftTop = other.LeftTop;
    Height = other.Height;
    Width = other.Width;
}

TSeriesMarkPosition* TSeriesMarksPositions::Get(int index) const
{
    return index >= 0 && index < Count() ? FItems[static_cast<size_t>(index)].get() : nullptr;
}

void TSeriesMarksPositions::Put(int index, const TSeriesMarkPosition& position)
{
    if (index < 0)
        return;
    if (index >= Count())
        FItems.resize(static_cast<size_t>(index) + 1);
    auto& entry = FItems[static_cast<size_t>(index)];
    if (!entry)
        entry = std::make_unique<TSeriesMarkPosition>();
    entry->UserPlaced = true;
    entry->Assign(position);
}

void TSeriesMarksPositions::Append(const TSeriesMarkPosition* position)
{
    FItems.push_back(position ? std::make_unique<TSeriesMarkPosition>(*position) : nullptr);
}

void TSeriesMarksPositions::Automatic(int index)
{
    if (TSeriesMarkPosition* p = Get(index))
        p->UserPlaced = false;
}

bool TSeriesMarksPositions::ExistCustom() const
{
    return std::any_of(FItems.begin(), FItems.end(), [](const auto& p) { return p && p->UserPlaced; });
}

void TSeriesMarksPositions::Delete(int start, int quantity)
{
    if (start < 0 || start >= Count() || quantity <= 0)
        return;
    quantity = std::min(quantity, Count() - start);
    FItems.erase(FItems.begin() + start, FItems.begin() + start + quantity);
}

void TSeriesMarksPositions::Exchange(int a, int b)
{
    const int needed = std::max(a, b) + 1;
    if (needed > Count())
        FItems.resize(static_cast<size_t>(needed));
    std::swap(FItems[static_cast<size_t>(a)], FItems[static_cast<size_t>(b)]);
}

TMarksItem* TMarksItems::Get(int index)
{
    if (index >= Count())
        FItems.resize(static_cast<size_t>(index) + 1);
    auto& entry = FItems[static_cast<size_t>(index)];
    if (!entry)
        entry = std::make_unique<TMarksItem>();
    return entry.get();
}

TMarksItem* TMarksItems::Existing(int index) const
{
    return index >= 0 && index < Count() ? FItems[static_cast<size_t>(index)].get() : nullptr;
}

void TMarksItems::Delete(int index)
{
    if (index >= 0 && index < Count())
        FItems.erase(FItems.begin() + index);
}

void TSeriesMarks::SetStyle(TSeriesMarksStyle value)
{
    if (FStyle != value) {
        FStyle = value;
        FSeries->Repaint();
    }
}

void TSeriesMarks::SetVisible(bool value)
{
    FSeries->SetBooleanProperty(FVisible, value);
}

void TSeriesMarks::SetDrawEvery(int value)
{
    FSeries->SetIntegerProperty(FDrawEvery, value);
}

void TSeriesMarks::Clear()
{
    FPositions.Clear();
    if (!FItems.Loading)
        FItems.Clear();
}

void TSeriesMarks::ResetPositions()
{
    for (int i = 0; i < FPositions.Count(); ++i)
        FPositions.Automatic(i);
    FSeries->Repaint();
}
