#include "chart/core/SeriesMarkPosition.h"

#include <algorithm>

void TSeriesMarkPosition::Assign(const TSeriesMarkPosition& other)
{
    ArrowStart = other.ArrowStart;
    ArrowEnd = other.ArrowEnd;
    BoxLeftTop = other.BoxLeftTop;
    BoxHeight = other.BoxHeight;
    BoxWidth = other.BoxWidth;
}

TSeriesMarkPosition* TSeriesMarksPositions::Get(int index) const
{
    return index >= 0 && index < Count() ? FItems[static_cast<size_t>(index)].get() : nullptr;
}

TSeriesMarkPosition* TSeriesMarksPositions::Ensure(int index)
{
    if (index < 0)
        return nullptr;
    if (index >= Count())
        FItems.resize(static_cast<size_t>(index) + 1);
    auto& entry = FItems[static_cast<size_t>(index)];
    if (!entry)
        entry = std::make_unique<TSeriesMarkPosition>();
    return entry.get();
}

void TSeriesMarksPositions::Put(int index, const TSeriesMarkPosition& position)
{
    if (TSeriesMarkPosition* entry = Ensure(index)) {
        entry->UserPlaced = true;
        entry->Assign(position);
    }
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
    if (a < 0 || b < 0)
        return;
    const int needed = std::max(a, b) + 1;
    if (needed > Count())
        FItems.resize(static_cast<size_t>(needed));
    std::swap(FItems[static_cast<size_t>(a)], FItems[static_cast<size_t>(b)]);
}
