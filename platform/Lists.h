#pragma once

// Pointer lists of the class library. Every index is checked: EListError
// "List index out of bounds (%d)".

#include "platform/Persistent.h"

#include <QList>
#include <functional>
#include <type_traits>

// Negative, zero or positive, as a before b, equal, or after.
using TListSortCompare = std::function<int(void* Item1, void* Item2)>;

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

class TList : public TObject {
public:
    TList() = default;
    ~TList() override;

    int Count() const { return static_cast<int>(items_.size()); }
    // Shrinking drops the last items; growing appends nulls. EListError for a negative count.
    void SetCount(int newCount);
    void* Items(int index) const;
    void* operator[](int index) const { return Items(index); }
    void SetItem(int index, void* item);
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }

    int Add(void* item);               // index of the new item
    void Insert(int index, void* item); // index may equal Count
    void Delete(int index);
    int Remove(void* item);             // first occurrence; its former index or -1
    void* Extract(void* item);          // removes the first occurrence without freeing; item or null
    int IndexOf(void* item) const;
    void Exchange(int index1, int index2);
    void Move(int curIndex, int newIndex);
    void Pack();                        // removes every null item
    virtual void Clear();
    // Sorts by compare with the class library's quicksort (not stable).
    void Sort(const TListSortCompare& compare);

    // The items as a Qt list, read-only (for range loops).
    const QList<void*>& List() const { return items_; }

protected:
    // Told about every item added, extracted or deleted (after the list changed).
    virtual void Notify(void* item, TListNotification action);
    [[noreturn]] static void IndexError(int index);

private:
    QList<void*> items_;
};

// Sorts list[l..r] by compare with the class library's quicksort; shared by the lists.
void QuickSortPointers(void** list, int l, int r, const TListSortCompare& compare);

// A TList of T pointers that does not own them.
template <class T>
class TTypedList : public TList {
public:
    T* Items(int index) const { return static_cast<T*>(TList::Items(index)); }
    T* operator[](int index) const { return Items(index); }
    T* First() const { return Items(0); }
    T* Last() const { return Items(Count() - 1); }
    int Add(T* item) { return TList::Add(item); }
    void Insert(int index, T* item) { TList::Insert(index, item); }
    int Remove(T* item) { return TList::Remove(item); }
    T* Extract(T* item) { return static_cast<T*>(TList::Extract(item)); }
    int IndexOf(T* item) const { return TList::IndexOf(item); }
};

// A typed list that frees its items when they are deleted, cleared or the list is freed,
// unless OwnsObjects is false. Extract hands an item back without freeing it.
template <class T>
class TObjectList : public TTypedList<T> {
    static_assert(std::is_base_of_v<TObject, T>, "TObjectList holds TObject descendants");

public:
    explicit TObjectList(bool ownsObjects = true) : ownsObjects_(ownsObjects) {}
    ~TObjectList() override { TList::Clear(); }

    bool OwnsObjects() const { return ownsObjects_; }
    void SetOwnsObjects(bool value) { ownsObjects_ = value; }

protected:
    void Notify(void* item, TListNotification action) override
    {
        if (ownsObjects_ && action == lnDeleted && item)
            static_cast<T*>(item)->Free();
    }

private:
    bool ownsObjects_;
};
