#pragma once

// Root classes of the class library: TObject (class name, two-step destruction) and
// TPersistent (assignment between objects).

#include <QString>
#include <functional>
#include <type_traits>

class TObject;

// The common event signature: the object that raised it.
using TNotifyEvent = std::function<void(TObject* Sender)>;

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The name the object's dynamic class was registered under in the class registry
    // ("TLineSeries"); for a class never registered, its plain C++ name.
    QString ClassName() const;

    // Destroys the object: BeforeDestruction runs while the object is still whole
    // (so that others notified of its end still see its real class), then delete.
    // Free on a null pointer is allowed through FreeAndNil / FreeObject.
    void Free();

protected:
    virtual void BeforeDestruction() {}
};

// Frees obj when it is not null.
inline void FreeObject(TObject* obj)
{
    if (obj)
        obj->Free();
}

// Frees the object and clears the pointer first, so that nothing reached during
// destruction sees a dangling value.
template <class T>
void FreeAndNil(T*& obj)
{
    T* old = obj;
    obj = nullptr;
    FreeObject(old);
}

class TPersistent : public TObject {
public:
    // Copies Source into this object. The base asks Source to assign itself to this object
    // (AssignTo); when nothing can, EConvertError "Cannot assign a <source> to a <this>"
    // ("nil" for a null source).
    virtual void Assign(TPersistent* Source);

    // The owner in the sense of the streaming system (none for a plain persistent).
    virtual TPersistent* GetOwner() { return nullptr; }

protected:
    // The one way a property setter writes its field: compares, stores and, when the value
    // changed, calls PropertyChanged. True when it changed, for setters that do more.
    template <class T>
    bool SetProp(T& field, const std::type_identity_t<T>& value)
    {
        if (field == value)
            return false;
        field = value;
        PropertyChanged();
        return true;
    }
    // What a changed property does: nothing for a plain persistent; graphics objects and
    // drawing settings tell their owner, the 3D options repaint their panel.
    virtual void PropertyChanged() {}

    // Copies this object into Dest; the base fails with the assignment error.
    virtual void AssignTo(TPersistent* Dest);
    // Raises the assignment error for Source into this object.
    [[noreturn]] void AssignError(TPersistent* Source);
};
