#include "platform/ClassRegistry.h"

#include "platform/Component.h"
#include "platform/Exceptions.h"
#include "platform/SysUtils.h"

#include <map>
#include <memory>
#include <typeindex>
#include <unordered_map>

namespace {

// Keyed by upper-case name; entries are heap objects so that class references stay put.
std::map<QString, std::unique_ptr<TClassInfo>>& Registry()
{
    static std::map<QString, std::unique_ptr<TClassInfo>> registry;
    return registry;
}

// Which registered class each C++ class is, for ClassName().
std::unordered_map<std::type_index, const TClassInfo*>& ByType()
{
    static std::unordered_map<std::type_index, const TClassInfo*> byType;
    return byType;
}

void ForgetType(const TClassInfo* info)
{
    if (info && info->Type) {
        auto& byType = ByType();
        const auto it = byType.find(std::type_index(*info->Type));
        if (it != byType.end() && it->second == info)
            byType.erase(it);
    }
}

} // namespace

bool TClassInfo::InheritsFrom(const QString& ancestorName) const
{
    if (ancestorName.isEmpty())
        return false;
    const TClassInfo* c = this;
    // The depth bound guards against a cycle among the registered parents.
    for (int depth = 0; depth < 256; ++depth) {
        if (SameText(c->Name, ancestorName) || SameText(c->ParentName, ancestorName))
            return true;
        if (c->ParentName.isEmpty())
            return false;
        c = GetClass(c->ParentName);
        if (!c)
            return false;
    }
    return false;
}

TPersistent* TClassInfo::Create(TComponent* AOwner) const
{
    if (!Factory)
        throw EConvertError(Format(QStringLiteral("Cannot create an instance of %s"), {Name}));
    return Factory(AOwner);
}

TPersistentClass RegisterClass(const QString& name, const QString& parentName, TClassFactory factory,
                               const std::type_info* type)
{
    // A class registered again keeps its entry, so that references to it stay valid.
    auto& slot = Registry()[name.toUpper()];
    if (slot)
        ForgetType(slot.get());
    else
        slot = std::make_unique<TClassInfo>();
    slot->Name = name;
    slot->ParentName = parentName;
    slot->Factory = std::move(factory);
    slot->Type = type;
    if (type)
        ByType()[std::type_index(*type)] = slot.get();
    return slot.get();
}

void UnRegisterClass(const QString& name)
{
    auto& reg = Registry();
    const auto it = reg.find(name.toUpper());
    if (it == reg.end())
        return;
    ForgetType(it->second.get());
    reg.erase(it);
}

QString RegisteredClassName(const std::type_info& type)
{
    const auto& byType = ByType();
    const auto it = byType.find(std::type_index(type));
    return it == byType.end() ? QString() : it->second->Name;
}

TPersistentClass GetClass(const QString& name)
{
    const auto& reg = Registry();
    const auto it = reg.find(name.toUpper());
    return it == reg.end() ? nullptr : it->second.get();
}

TPersistentClass FindClass(const QString& name)
{
    TPersistentClass c = GetClass(name);
    if (!c)
        throw EClassNotFound(Format(QString::fromLatin1(SClassNotFound), {name}));
    return c;
}

TComponent* CreateComponentByName(const QString& name, TComponent* AOwner)
{
    TPersistent* obj = FindClass(name)->Create(AOwner);
    if (auto* component = dynamic_cast<TComponent*>(obj))
        return component;
    FreeObject(obj);
    throw EInvalidCast(Format(QStringLiteral("%s is not a component class"), {name}));
}

void ClearClassRegistry()
{
    ByType().clear();
    Registry().clear();
}
