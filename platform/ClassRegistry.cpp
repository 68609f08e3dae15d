#include "platform/ClassRegistry.h"

#include "platform/Component.h"
#include "platform/Exceptions.h"
#include "platform/SysUtils.h"

#include <map>
#include <memory>

namespace {

// Keyed by upper-case name; entries are heap objects so that class references stay put.
std::map<QString, std::unique_ptr<TClassInfo>>& Registry()
{
    static std::map<QString, std::unique_ptr<TClassInfo>> registry;
    return registry;
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

TPersistentClass RegisterClass(const QString& name, const QString& parentName, TClassFactory factory)
{
    auto info = std::make_unique<TClassInfo>();
    info->Name = name;
    info->ParentName = parentName;
    info->Factory = std::move(factory);
    auto& slot = Registry()[name.toUpper()];
    slot = std::move(info);
    return slot.get();
}

void UnRegisterClass(const QString& name)
{
    Registry().erase(name.toUpper());
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
    Registry().clear();
}
