#include "platform/Persistent.h"

#include "platform/Exceptions.h"
#include "platform/SysUtils.h"

#include "platform/ClassRegistry.h"

#include <cstdlib>
#include <cxxabi.h>
#include <typeinfo>

namespace {

// The class name without namespaces or template arguments.
QString PlainClassName(const std::type_info& type)
{
    const char* mangled = type.name();
    int status = 0;
    char* plain = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    QString name = QString::fromLatin1(status == 0 && plain ? plain : mangled);
    std::free(plain);
    // Template and namespace decorations are not part of the class library's names.
    const int angle = name.indexOf(QLatin1Char('<'));
    if (angle >= 0)
        name.truncate(angle);
    const int scope = name.lastIndexOf(QLatin1String("::"));
    if (scope >= 0)
        name.remove(0, scope + 2);
    return name;
}

} // namespace

QString TObject::ClassName() const
{
    // A registered class is known by its registered name; the language's own name serves
    // only the classes nothing creates by name (it appears in error messages).
    const std::type_info& type = typeid(*this);
    const QString registered = RegisteredClassName(type);
    return registered.isEmpty() ? PlainClassName(type) : registered;
}

void TObject::Free()
{
    BeforeDestruction();
    delete this;
}

void TPersistent::Assign(TPersistent* Source)
{
    if (Source) {
        Source->AssignTo(this);
        return;
    }
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest)
{
    Dest->AssignError(this);
}

void TPersistent::AssignError(TPersistent* Source)
{
    const QString sourceName = Source ? Source->ClassName() : QStringLiteral("nil");
    throw EConvertError(Format(QString::fromLatin1(SAssignError), {sourceName, ClassName()}));
}
