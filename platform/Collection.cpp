#include "platform/Collection.h"

#include "platform/Exceptions.h"
#include "platform/SysUtils.h"

// ---- TCollectionItem ----

TCollectionItem::TCollectionItem(TCollection* Collection)
{
    SetCollection(Collection);
}

TCollectionItem::~TCollectionItem()
{
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* value)
{
    if (collection_ == value)
        return;
    if (collection_)
        collection_->RemoveItem(this);
    if (value)
        value->InsertItem(this);
}

int TCollectionItem::Index() const
{
    return collection_ ? static_cast<int>(collection_->items_.indexOf(const_cast<TCollectionItem*>(this))) : -1;
}

void TCollectionItem::SetIndex(int value)
{
    const int current = Index();
    if (current < 0 || current == value)
        return;
    if (value < 0 || value >= collection_->Count())
        throw EListError(Format(QString::fromLatin1(SListIndexError), {value}));
    collection_->items_.move(current, value);
    Changed(true);
}

TPersistent* TCollectionItem::GetOwner()
{
    return collection_;
}

void TCollectionItem::Changed(bool AllItems)
{
    if (collection_ && collection_->updateCount_ == 0)
        collection_->Update(AllItems ? nullptr : this);
}

// ---- TCollection ----

TCollection::TCollection(TCollectionItemClass itemClass) : itemClass_(std::move(itemClass))
{
}

TCollection::~TCollection()
{
    // No Update calls from a collection that is going away.
    updateCount_ = 1;
    while (!items_.isEmpty())
        items_.last()->Free();
}

TCollectionItem* TCollection::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(Format(QString::fromLatin1(SListIndexError), {index}));
    return items_.at(index);
}

TCollectionItem* TCollection::Add()
{
    if (!itemClass_)
        throw EConvertError(QStringLiteral("Cannot create an item of %1").arg(ClassName()));
    TCollectionItem* item = itemClass_(this);
    // An item class that does not join the collection by itself is added here.
    if (item && item->collection_ != this)
        item->SetCollection(this);
    return item;
}

TCollectionItem* TCollection::Insert(int index)
{
    if (index < 0 || index > Count())
        throw EListError(Format(QString::fromLatin1(SListIndexError), {index}));
    TCollectionItem* item = Add();
    item->SetIndex(index);
    return item;
}

void TCollection::Delete(int index)
{
    TCollectionItem* item = Items(index);
    Notify(item, cnDeleting);
    item->Free();
}

void TCollection::Clear()
{
    if (items_.isEmpty())
        return;
    BeginUpdate();
    try {
        while (!items_.isEmpty())
            items_.last()->Free();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int id) const
{
    for (TCollectionItem* item : items_)
        if (item->id_ == id)
            return item;
    return nullptr;
}

void TCollection::BeginUpdate()
{
    ++updateCount_;
}

void TCollection::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    --updateCount_;
    Changed();
}

void TCollection::Assign(TPersistent* Source)
{
    if (auto* other = dynamic_cast<TCollection*>(Source)) {
        if (other == this)
            return;
        BeginUpdate();
        try {
            Clear();
            for (TCollectionItem* item : other->items_)
                Add()->Assign(item);
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}

void TCollection::Update(TCollectionItem*)
{
}

void TCollection::Notify(TCollectionItem*, TCollectionNotification)
{
}

void TCollection::Changed()
{
    if (updateCount_ == 0)
        Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item)
{
    items_.append(Item);
    Item->collection_ = this;
    Item->id_ = nextId_++;
    Notify(Item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item)
{
    Notify(Item, cnExtracting);
    // Items mostly leave from one end (Clear and the destructor free from the back, their
    // owners often from the front): look at the ends first.
    if (!items_.isEmpty() && items_.first() == Item) {
        ++itemsLookedAt_;
        items_.removeFirst();
    } else if (const qsizetype at = items_.lastIndexOf(Item); at >= 0) {
        itemsLookedAt_ += items_.size() - at;
        items_.removeAt(at);
    }
    Item->collection_ = nullptr;
    Changed();
}
