#pragma once

// Collections of the class library: a list that creates, owns and numbers its items, and tells
// itself when an item is added, removed or changed.

#include "platform/Persistent.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <type_traits>

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
public:
    // Joins Collection (when given) as its last item.
    explicit TCollectionItem(TCollection* Collection);
    // Leaves its collection.
    ~TCollectionItem() override;

    TCollection* Collection() const { return collection_; }
    // Moves the item to another collection (or out of any, with null).
    void SetCollection(TCollection* value);
    // A number unique within the collection, never reused.
    int ID() const { return id_; }
    // Position in the collection, -1 without one.
    int Index() const;
    // Moves the item within its collection; EListError for a position out of range.
    virtual void SetIndex(int value);
    // The name editors show; the class name by default.
    virtual QString DisplayName() const { return ClassName(); }

    TPersistent* GetOwner() override;

protected:
    // Tells the collection (unless it is updating) that this item, or with AllItems every
    // item, changed.
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
    int id_ = 0;
};

// Creates a new item in the collection (the class library's item class).
using TCollectionItemClass = std::function<TCollectionItem*(TCollection*)>;

class TCollection : public TPersistent {
public:
    explicit TCollection(TCollectionItemClass itemClass);
    // Frees every item (without Update calls).
    ~TCollection() override;

    // The item class for items of type T (constructed as new T(collection)).
    template <class T>
    static TCollectionItemClass ItemClassOf()
    {
        static_assert(std::is_base_of_v<TCollectionItem, T>);
        return [](TCollection* c) -> TCollectionItem* { return new T(c); };
    }

    int Count() const { return static_cast<int>(items_.size()); }
    // EListError "List index out of bounds (%d)" for a bad index.
    TCollectionItem* Items(int index) const;
    TCollectionItem* operator[](int index) const { return Items(index); }

    // A new item of the item class, last.
    TCollectionItem* Add();
    // A new item of the item class, moved to index.
    TCollectionItem* Insert(int index);
    // Frees the item at index (cnDeleting first).
    void Delete(int index);
    // Frees every item, last first, with one Update at the end.
    void Clear();
    TCollectionItem* FindItemID(int id) const;

    // Update calls are held back until the outermost EndUpdate, which makes one.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }
    // How many places were looked at, over the collection's life, to find the items that left
    // it: the work of taking items out, which a test can compare at n and 4n items.
    int64_t ItemsLookedAt() const { return itemsLookedAt_; }

    // From another collection: cleared, then one new item per source item, each assigned
    // from its source.
    void Assign(TPersistent* Source) override;

protected:
    // An item (or, with null, the whole collection) changed.
    virtual void Update(TCollectionItem* Item);
    virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
    // Update(null) unless updating.
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);

    QList<TCollectionItem*> items_;
    TCollectionItemClass itemClass_;
    int nextId_ = 0;
    int updateCount_ = 0;
    int64_t itemsLookedAt_ = 0;
};

// A collection that answers GetOwner with the object that holds it.
class TOwnedCollection : public TCollection {
public:
    TOwnedCollection(TPersistent* AOwner, TCollectionItemClass itemClass)
        : TCollection(std::move(itemClass)), owner_(AOwner) {}
    TPersistent* GetOwner() override { return owner_; }

private:
    TPersistent* owner_;
};
