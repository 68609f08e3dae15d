#include "platform/Lists.h"

#include "platform/Exceptions.h"
#include "platform/SysUtils.h"

#include <utility>

void QuickSortPointers(void** list, int l, int r, const TListSortCompare& compare)
{
    // The class library's partition: middle pivot by value, both scans, recurse on the left
    // part, loop on the right one.
    while (l < r) {
        int i = l;
        int j = r;
        void* pivot = list[(l + r) >> 1];
        do {
            while (compare(list[i], pivot) < 0)
                ++i;
            while (compare(list[j], pivot) > 0)
                --j;
            if (i <= j) {
                std::swap(list[i], list[j]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (l < j)
            QuickSortPointers(list, l, j, compare);
        l = i;
    }
}

TList::~TList()
{
    // Clear is virtual, but a derived list is gone by now; derived lists that free their
    // items clear in their own destructor.
    const QList<void*> old = std::exchange(items_, {});
    for (void* item : old)
        TList::Notify(item, lnDeleted);
}

void TList::IndexError(int index)
{
    throw EListError(Format(QString::fromLatin1(SListIndexError), {index}));
}

void TList::SetCount(int newCount)
{
    if (newCount < 0)
        throw EListError(Format(QString::fromLatin1(SListCountError), {newCount}));
    while (Count() > newCount)
        Delete(Count() - 1);
    items_.resize(newCount, nullptr);
}

void* TList::Items(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return items_.at(index);
}

void TList::SetItem(int index, void* item)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    void* old = items_.at(index);
    if (old == item)
        return;
    items_[index] = item;
    if (old)
        Notify(old, lnDeleted);
    if (item)
        Notify(item, lnAdded);
}

int TList::Add(void* item)
{
    items_.append(item);
    if (item)
        Notify(item, lnAdded);
    return Count() - 1;
}

void TList::Insert(int index, void* item)
{
    if (index < 0 || index > Count())
        IndexError(index);
    items_.insert(index, item);
    if (item)
        Notify(item, lnAdded);
}

void TList::Delete(int index)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    void* item = items_.takeAt(index);
    if (item)
        Notify(item, lnDeleted);
}

int TList::Remove(void* item)
{
    const int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
    return index;
}

void* TList::Extract(void* item)
{
    const int index = IndexOf(item);
    if (index < 0)
        return nullptr;
    void* found = items_.takeAt(index);
    Notify(found, lnExtracted);
    return found;
}

int TList::IndexOf(void* item) const
{
    return static_cast<int>(items_.indexOf(item));
}

void TList::Exchange(int index1, int index2)
{
    if (index1 < 0 || index1 >= Count())
        IndexError(index1);
    if (index2 < 0 || index2 >= Count())
        IndexError(index2);
    items_.swapItemsAt(index1, index2);
}

void TList::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    if (newIndex < 0 || newIndex >= Count())
        IndexError(newIndex);
    if (curIndex < 0 || curIndex >= Count())
        IndexError(curIndex);
    items_.move(curIndex, newIndex);
}

void TList::Pack()
{
    items_.removeAll(nullptr);
}

void TList::Clear()
{
    // Take the items out first so that a notified owner sees a consistent, empty list.
    const QList<void*> old = std::exchange(items_, {});
    for (void* item : old)
        if (item)
            Notify(item, lnDeleted);
}

void TList::Sort(const TListSortCompare& compare)
{
    if (Count() > 1)
        QuickSortPointers(items_.data(), 0, Count() - 1, compare);
}

void TList::Notify(void*, TListNotification)
{
}
