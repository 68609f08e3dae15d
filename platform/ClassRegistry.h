#pragma once

// One registry of classes by name: what streaming and the chart's type registries use to find
// a class from its name and create an instance of it.

#include "platform/Persistent.h"

#include <QString>
#include <functional>
#include <typeinfo>

class TComponent;

// Creates a new instance; the owner argument is used by component classes.
using TClassFactory = std::function<TPersistent*(TComponent* AOwner)>;

struct TClassInfo {
    QString Name;
    QString ParentName; // empty for a root class
    TClassFactory Factory;
    // The C++ class registered under Name, when the registration gave one: what makes
    // ClassName() of its instances answer Name.
    const std::type_info* Type = nullptr;

    // Whether this class is ancestorName or derives from it through registered parents.
    bool InheritsFrom(const QString& ancestorName) const;
    // A new instance; EConvertError when the class has no factory.
    TPersistent* Create(TComponent* AOwner = nullptr) const;
};

// Class references are pointers into the registry; they stay valid until the class is
// unregistered or the registry is cleared.
using TPersistentClass = const TClassInfo*;

// The class of that name, or null (names compared without case).
TPersistentClass GetClass(const QString& name);
// The name the C++ class was registered under, or an empty text.
QString RegisteredClassName(const std::type_info& type);

// Registers (or re-registers, replacing) a class under its name. With a type, instances of
// that C++ class take the name as their ClassName().
TPersistentClass RegisterClass(const QString& name, const QString& parentName, TClassFactory factory,
                               const std::type_info* type = nullptr);
// Registers T under name (the one place its name is written) with a factory that calls
// new T(owner) or new T().
template <class T>
TPersistentClass RegisterClassOf(const QString& name, const QString& parentName)
{
    return RegisterClass(
        name, parentName,
        [](TComponent* AOwner) -> TPersistent* {
            if constexpr (std::is_constructible_v<T, TComponent*>)
                return new T(AOwner);
            else
                return new T();
        },
        &typeid(T));
}
// An abstract class: named and placed among its parents, but never made by the registry.
// An existing entry of that name is kept.
template <class T>
TPersistentClass RegisterAbstractClassOf(const QString& name, const QString& parentName)
{
    if (TPersistentClass existing = GetClass(name))
        return existing;
    return RegisterClass(name, parentName, nullptr, &typeid(T));
}
void UnRegisterClass(const QString& name);
// Removes the class that T was registered as; nothing when it is not registered.
template <class T>
void UnRegisterClassOf()
{
    UnRegisterClass(RegisteredClassName(typeid(T)));
}
// The registered class of T, or null.
template <class T>
TPersistentClass ClassOf()
{
    return GetClass(RegisteredClassName(typeid(T)));
}
// The class of that name; EClassNotFound "Class %s not found" when none.
TPersistentClass FindClass(const QString& name);
// A new component of the named class owned by AOwner; EClassNotFound for an unknown name,
// EInvalidCast when the class does not make components.
TComponent* CreateComponentByName(const QString& name, TComponent* AOwner);
// Removes every registration (unit finish).
void ClearClassRegistry();
