#include "platform/Component.h"

#include <iterator>
#include <utility>

#include "platform/Exceptions.h"
#include "platform/SysUtils.h"

bool IsValidIdent(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (int i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
        const bool digit = c >= u'0' && c <= u'9';
        if (!(letter || (i > 0 && digit)))
            return false;
    }
    return true;
}

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    // A component freed by Free has done this already, while still whole; a plain delete
    // gets the same service here.
    if (!state_.Contains(csDestroying))
        Destroying();
    SendFreeNotifications();
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::BeforeDestruction()
{
    Destroying();
    SendFreeNotifications();
    // Leave the owner now, so that it and the other components it owns are told while this
    // component is still of its real class.
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::SendFreeNotifications()
{
    // Each receiver removes its link back (Notification with opRemove), so take from the end
    // until the list is empty.
    while (!freeNotifies_.isEmpty()) {
        TComponent* other = freeNotifies_.takeLast();
        other->freeNotifies_.removeAll(this);
        other->Notification(this, opRemove);
    }
    state_.Exclude(csFreeNotification);
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= components_.size())
        throw EListError(Format(QString::fromLatin1(SListIndexError), {index}));
    return components_.at(index);
}

int TComponent::ComponentIndex() const
{
    return owner_ ? static_cast<int>(owner_->components_.indexOf(const_cast<TComponent*>(this))) : -1;
}

TComponent* TComponent::FindComponent(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    const auto found = names_.equal_range(name.toCaseFolded());
    if (found.first == found.second)
        return nullptr;
    // Names are kept apart, so there is one; should two share it, the earlier one is found.
    TComponent* first = *found.first;
    for (auto it = std::next(found.first); it != found.second; ++it)
        if (components_.indexOf(*it) < components_.indexOf(first))
            first = *it;
    return first;
}

void TComponent::IndexName(TComponent* AComponent)
{
    if (!AComponent->name_.isEmpty())
        names_.insert(AComponent->name_.toCaseFolded(), AComponent);
}

void TComponent::UnindexName(TComponent* AComponent)
{
    if (!AComponent->name_.isEmpty())
        names_.remove(AComponent->name_.toCaseFolded(), AComponent);
}

void TComponent::SetName(const QString& newName)
{
    if (name_ == newName)
        return;
    if (!newName.isEmpty() && !IsValidIdent(newName))
        throw EComponentError(Format(QString::fromLatin1(SInvalidName), {newName}));
    if (owner_)
        owner_->ValidateRename(this, name_, newName);
    else
        ValidateRename(nullptr, name_, newName);
    if (owner_)
        owner_->UnindexName(this);
    name_ = newName;
    if (owner_)
        owner_->IndexName(this);
}

void TComponent::ValidateRename(TComponent* AComponent, const QString& curName, const QString& newName)
{
    if (AComponent && !SameText(curName, newName) && !newName.isEmpty()) {
        TComponent* same = FindComponent(newName);
        if (same && same != AComponent)
            throw EComponentError(Format(QString::fromLatin1(SDuplicateName), {newName}));
    }
}

void TComponent::InsertSilently(TComponent* AComponent)
{
    components_.append(AComponent);
    AComponent->owner_ = this;
    IndexName(AComponent);
}

void TComponent::RemoveSilently(TComponent* AComponent)
{
    // Components mostly leave from one end: an owner frees the last first, a chart frees its
    // series from the first.
    if (!components_.isEmpty() && components_.first() == AComponent)
        components_.removeFirst();
    else if (const qsizetype i = components_.lastIndexOf(AComponent); i >= 0)
        components_.remove(i);
    UnindexName(AComponent);
    AComponent->DropFamilyLinks();
    AComponent->owner_ = nullptr;
}

void TComponent::DropFamilyLinks()
{
    for (TComponent* other : std::as_const(familyLinks_))
        other->familyLinks_.removeAll(this);
    familyLinks_.clear();
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (!AComponent || AComponent->owner_ == this)
        return;
    ValidateRename(AComponent, QString(), AComponent->name_);
    if (AComponent->owner_)
        AComponent->owner_->RemoveComponent(AComponent);
    InsertSilently(AComponent);
    if (state_.Contains(csDesigning))
        AComponent->SetDesigning(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    if (!AComponent || AComponent->owner_ != this)
        return;
    Notification(AComponent, opRemove);
    RemoveSilently(AComponent);
}

void TComponent::DestroyComponents()
{
    // Owned components go last first, each taken out of the list before it is freed,
    // so none is told about its siblings' end through this owner.
    while (!components_.isEmpty()) {
        TComponent* c = components_.last();
        RemoveSilently(c);
        c->Free();
    }
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    if (!owner_ || AComponent->owner_ != owner_) {
        if (!freeNotifies_.contains(AComponent)) {
            freeNotifies_.append(AComponent);
            AComponent->FreeNotification(this);
        }
    } else if (!familyLinks_.contains(AComponent)) {
        familyLinks_.append(AComponent);
        AComponent->familyLinks_.append(this);
    }
    state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    if (!AComponent)
        return;
    if (freeNotifies_.removeAll(AComponent) > 0)
        AComponent->RemoveFreeNotification(this);
    if (familyLinks_.removeAll(AComponent) > 0)
        AComponent->familyLinks_.removeAll(this);
    if (freeNotifies_.isEmpty() && familyLinks_.isEmpty())
        state_.Exclude(csFreeNotification);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent)
        RemoveFreeNotification(AComponent);
    if (!AComponent || AComponent->owner_ != this)
        return;
    // Those told may drop their links or vanish while they are told; walk down and re-check
    // the bound.
    const QList<TComponent*>& hearers = AComponent->familyLinks_;
    for (qsizetype i = hearers.size() - 1; i >= 0; --i) {
        if (i >= hearers.size()) {
            i = hearers.size();
            continue;
        }
        hearers.at(i)->Notification(AComponent, Operation);
    }
}

void TComponent::Destroying()
{
    if (state_.Contains(csDestroying))
        return;
    state_.Include(csDestroying);
    for (TComponent* c : components_)
        c->Destroying();
}

void TComponent::Loaded()
{
    state_.Exclude(csLoading);
}

void TComponent::BeginLoading()
{
    state_.Include(csLoading);
    state_.Include(csReading);
    for (TComponent* c : components_)
        c->BeginLoading();
}

void TComponent::EndLoading()
{
    const QList<TComponent*> owned = components_;
    for (TComponent* c : owned)
        c->EndLoading();
    state_.Exclude(csReading);
    if (state_.Contains(csLoading))
        Loaded();
}

void TComponent::SetDesigning(bool value)
{
    if (value)
        state_.Include(csDesigning);
    else
        state_.Exclude(csDesigning);
    for (TComponent* c : components_)
        c->SetDesigning(value);
}

void TComponent::ExchangeComponents(int index1, int index2)
{
    if (index1 < 0 || index1 >= ComponentCount())
        throw EListError(Format(QString::fromLatin1(SListIndexError), {index1}));
    if (index2 < 0 || index2 >= ComponentCount())
        throw EListError(Format(QString::fromLatin1(SListIndexError), {index2}));
    components_.swapItemsAt(index1, index2);
}
