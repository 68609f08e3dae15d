#include "chart/core/MarksItem.h"

#include "chart/core/SeriesMarks.h"

TMarksItem::TMarksItem(TCustomTeePanel* AOwner) : TTeeCustomShape(AOwner)
{
    SetColor(clInfoBk);
}

TMarksItem* TMarksItems::Get(int index)
{
    if (index < 0)
        return nullptr;
    if (index >= Count())
        FItems.resize(static_cast<size_t>(index) + 1);
    auto& entry = FItems[static_cast<size_t>(index)];
    if (!entry) {
        entry = std::make_unique<TMarksItem>(FMarks->Parent());
        TSeriesMarks::InitShadow(entry->Shadow());
    }
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

void TMarksItems::Clear()
{
    FItems.clear();
    FMarks->Repaint();
}

void TMarksItems::SetParent(TCustomTeePanel* panel)
{
    for (auto& item : FItems)
        if (item)
            item->SetParent(panel);
}

TSeriesMarksGradient::TSeriesMarksGradient(TNotifyEvent changeHandler) : TTeeGradient(std::move(changeHandler))
{
    SetStartDirection(gdRightLeft);
    SetStartColors(clSilver, clWhite);
}
