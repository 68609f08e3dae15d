#include "chart/core/LabelsList.h"

#include "chart/core/ChartSeries.h"

QString TLabelsList::GetLabel(int index) const
{
    return index >= 0 && index < Count() ? FItems[index] : QString();
}

void TLabelsList::SetLabel(int index, const QString& text)
{
    if (index < 0)
        return;
    if (!text.isEmpty()) {
        if (index >= Count())
            FItems.resize(index + 1);
        FItems[index] = text;
    } else if (index < Count()) {
        FItems[index].clear();
    }
    FSeries->Repaint();
}

void TLabelsList::InsertLabel(int index, const QString& text)
{
    if (index < 0 || (text.isEmpty() && FItems.isEmpty()))
        return;
    if (index > Count())
        FItems.resize(index);
    FItems.insert(index, text);
}

void TLabelsList::DeleteLabel(int index)
{
    if (index >= 0 && index < Count())
        FItems.remove(index);
}

void TLabelsList::DeleteRange(int start, int quantity)
{
    if (start < 0 || start >= Count() || quantity <= 0)
        return;
    FItems.remove(start, std::min(quantity, Count() - start));
}

void TLabelsList::Exchange(int a, int b)
{
    const int needed = std::max(a, b) + 1;
    if (needed > Count())
        FItems.resize(needed);
    FItems.swapItemsAt(a, b);
}

void TLabelsList::Assign(const TLabelsList& other)
{
    FItems = other.FItems;
}

int TLabelsList::IndexOfLabel(const QString& text, bool caseSensitive) const
{
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < Count(); ++i) {
        if (FItems[i].compare(text, cs) == 0)
            return i;
    }
    return -1;
}
