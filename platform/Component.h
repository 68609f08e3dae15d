#pragma once

// TComponent: an owner frees what it owns, components have names unique within their owner,
// and components can ask to be told when another one is freed.

#include "platform/Persistent.h"

#include <QList>
#include <QMultiHash>
#include <QString>
#include <cstdint>
#include <functional>

class TComponent;

// Called once per component a stream holds inside its parent.
using TGetChildProc = std::function<void(TComponent* Child)>;

enum TOperation { opInsert, opRemove };

enum TComponentStateFlag : uint32_t {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDestroying = 1u << 3,
    csDesigning = 1u << 4,
    csAncestor = 1u << 5,
    csUpdating = 1u << 6,
    csFixups = 1u << 7,
    csFreeNotification = 1u << 8,
};

// The set of state flags (`csLoading in ComponentState` becomes State.Contains(csLoading)).
struct TComponentState {
    uint32_t Bits = 0;
    constexpr bool Contains(TComponentStateFlag f) const { return (Bits & f) != 0; }
    constexpr void Include(TComponentStateFlag f) { Bits |= f; }
    constexpr void Exclude(TComponentStateFlag f) { Bits &= ~static_cast<uint32_t>(f); }
    constexpr bool Empty() const { return Bits == 0; }
};

// Free() is the way to destroy a component: the component's end is announced (its family and
// every component linked by FreeNotification are told, with opRemove) while it is still of its
// real class, then it is deleted and what it owns is freed. A plain delete does the same, but
// the receivers then see only a TComponent.
class TComponent : public TPersistent {
public:
    // The owner, when given, takes the new component into its Components and tells its
    // family (opInsert). That happens while the new component is still being built: receivers
    // may keep its address but must not expect its final class yet.
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // Owned component by index; EListError when out of range.
    TComponent* Components(int index) const;
    // Position in the owner's Components, -1 without owner.
    int ComponentIndex() const;
    // The owned component with that name (case-insensitive), or null.
    TComponent* FindComponent(const QString& name) const;

    const QString& Name() const { return name_; }
    // EComponentError for a name that is not an identifier or that another component of the
    // same owner already has (compared without case). An empty name is allowed.
    virtual void SetName(const QString& newName);

    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t value) { tag_ = value; }

    TComponentState ComponentState() const { return state_; }
    bool IsLoading() const { return state_.Contains(csLoading); }
    bool IsDestroying() const { return state_.Contains(csDestroying); }
    bool IsDesigning() const { return state_.Contains(csDesigning); }

    // Takes AComponent from its current owner into this one, or releases it (no longer freed
    // by this owner). Both notify this owner and, through it, the owned components that asked
    // to hear of AComponent.
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    // Swaps two owned components' places in Components (no notification).
    void ExchangeComponents(int index1, int index2);
    // Frees every owned component, last first.
    void DestroyComponents();

    // Asks to be told (Notification with opRemove) when AComponent is freed; the link goes
    // both ways. Between components of the same owner the owner keeps the request: each of
    // the two hears when the other leaves the owner, and the request ends when one leaves.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Marks this component and all it owns as being destroyed.
    void Destroying();

    // Loading from a stream: BeginLoading sets csLoading and csReading on this component and
    // those it owns; EndLoading clears csReading and calls Loaded on each (owned ones first).
    void BeginLoading();
    void EndLoading();

    // Design-time state, passed on to owned components.
    void SetDesigning(bool value);

    // Parent linkage for streaming: none in the base.
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent*) {}
    // For streaming: passes each component stored inside this one to Proc, in order. Root is
    // the component the stream is written for. None in the base.
    virtual void GetChildren(const TGetChildProc& /*Proc*/, TComponent* /*Root*/) {}

    TPersistent* GetOwner() override { return owner_; }

protected:
    // Called on the owner when AComponent was inserted into or removed from it, on the owned
    // components that asked to hear of AComponent, and when a component this one asked about
    // is freed. The base forgets a removed component's links and passes the call to the owned
    // components that asked to hear of AComponent. Only those are told, so that a component
    // entering or leaving costs what was asked about it, not the size of its family.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // Called once loading has finished; the base clears csLoading.
    virtual void Loaded();
    // Whether newName may replace curName on AComponent (owned by this); raises otherwise.
    virtual void ValidateRename(TComponent* AComponent, const QString& curName, const QString& newName);

    void BeforeDestruction() override;

private:
    void SendFreeNotifications();
    void InsertSilently(TComponent* AComponent);
    void RemoveSilently(TComponent* AComponent);
    void IndexName(TComponent* AComponent);
    void UnindexName(TComponent* AComponent);
    void DropFamilyLinks();

    TComponent* owner_ = nullptr;
    QList<TComponent*> components_;
    // The named owned components by case-folded name, so that finding one by name (and
    // refusing a duplicate) does not look at all of them: a stored text may make thousands.
    QMultiHash<QString, TComponent*> names_;
    QList<TComponent*> freeNotifies_;
    // The components of the same owner that this one asked about or that asked about it.
    QList<TComponent*> familyLinks_;
    QString name_;
    intptr_t tag_ = 0;
    TComponentState state_;
};

// Whether text is a name the component system accepts: a letter or '_' followed by letters,
// digits or '_' (ASCII).
bool IsValidIdent(const QString& text);
