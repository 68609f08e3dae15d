#pragma once

// One registry of classes by name: what streaming and the chart's type registries use to find
// a class from its name and create an instance of it.

#include "platform/Persistent.h"

#include <QString>
#include <functional>

class TComponent;

// Creates a new instance; the owner argument is used by component classes.
using TClassFactory = std::function<TPersistent*(TComponent* AOwner)>;

struct TClassInfo {
    QString Name;
    QString ParentName; // empty for a root class
    TClassFactory Factory;

    // Whether this class is ancestorName or derives from it through registered parents.
    bool InheritsFrom(const QString& ancestorName) const;
    // A new instance; EConvertError when the class has no factory.
    TPersistent* Create(TComponent* AOwner = nullptr) const;
};

// Class references are pointers into the registry; they stay valid until the class is
// unregistered or the registry is cleared.
using TPersistentClass = const TClassInfo*;

// Registers (or re-registers, replacing) a class under its name.
TPersistentClass RegisterClass(const QString& name, const QString& parentName, TClassFactory factory);
// Registers T by its own class name with a factory that calls new T(owner) or new T().
template <class T>
TPersistentClass RegisterClassOf(const QString& name, const QString& parentName)
{
    return RegisterClass(name, parentName, [](TComponent* AOwner) -> TPersistent* {
        if constexpr (std::is_constructible_v<T, TComponent*>)
            return new T(AOwner);
        else
            return new T();
    });
}
void UnRegisterClass(const QString& name);
// The class of that name, or null (names compared without case).
TPersistentClass GetClass(const QString& name);
// The class of that name; EClassNotFound "Class %s not found" when none.
TPersistentClass FindClass(const QString& name);
// A new component of the named class owned by AOwner; EClassNotFound for an unknown name,
// EInvalidCast when the class does not make components.
TComponent* CreateComponentByName(const QString& name, TComponent* AOwner);
// Removes every registration (unit finish).
void ClearClassRegistry();
