#include "platform/TeeComponentFiler.h"

#include "platform/ClassRegistry.h"
#include "platform/Component.h"
#include "platform/Exceptions.h"
#include "platform/TeeFiler.h"

#include <QList>
#include <algorithm>

namespace {

// The component's properties; against a new object of its class when it asks for that, so
// that what its constructor sets (a pen colour) counts as its start value.
void DefineOwnProperties(TTeeFiler& filer, TComponent* child, bool writing)
{
    auto* stored = dynamic_cast<TTeeStoredObject*>(child);
    if (!stored)
        return;
    if (writing && stored->StoresAgainstNewObject()) {
        const TPersistentClass cls = GetClass(child->ClassName());
        TPersistent* made = cls && cls->Factory ? cls->Create(nullptr) : nullptr;
        auto* fresh = dynamic_cast<TTeeStoredObject*>(made);
        if (fresh) {
            const TTeeStartValuesFiler::TStartTexts texts =
                TTeeStartValuesFiler::Record([fresh](TTeeFiler& f) { fresh->DefineProperties(f); });
            FreeObject(made);
            TTeeStartValuesFiler changed(filer, &texts);
            stored->DefineProperties(changed);
            return;
        }
        FreeObject(made);
    }
    stored->DefineProperties(filer);
}

// A new component of the class, joined to parent, or null.
TComponent* MakeChild(const QString& className, TComponent* parent)
{
    TComponent* owner = parent->Owner() ? parent->Owner() : parent;
    TComponent* child = nullptr;
    try {
        child = CreateComponentByName(className, owner);
    } catch (const Exception&) {
        return nullptr;
    }
    child->BeginLoading();
    child->SetParentComponent(parent);
    if (child->GetParentComponent() != parent) {
        child->Free();
        return nullptr;
    }
    return child;
}

} // namespace

void TeeDefineChildren(TTeeFiler& filer, const QString& name, TComponent* parent)
{
    const bool reading = dynamic_cast<TTeePropertyReader*>(&filer) != nullptr;
    QList<TComponent*> children;
    if (!reading)
        parent->GetChildren([&children](TComponent* c) { children.append(c); }, parent);
    QList<TComponent*> read;
    filer.DefineObject(
        name,
        [&](TTeeFiler& f) {
            int64_t count = children.size();
            f.DefineProperty(
                "Count", [&count](const QString& v) { count = std::max<int64_t>(0, TeeTextInt(v, 0)); },
                [&children] { return TeeIntText(children.size()); }, true);
            // Reading stops at the first place with nothing stored, so a damaged count costs nothing.
            bool present = true;
            for (int64_t i = 0; i < count && present; ++i) {
                TComponent* written = reading ? nullptr : children.at(static_cast<qsizetype>(i));
                present = false;
                f.DefineObject(TeeIntText(i), [&](TTeeFiler& item) {
                    present = true;
                    QString className;
                    QString childName;
                    item.DefineProperty(
                        "Class", [&className](const QString& v) { className = v; },
                        [written] { return written->ClassName(); }, true);
                    item.DefineProperty(
                        "Name", [&childName](const QString& v) { childName = v; },
                        [written] { return written->Name(); }, true);
                    TComponent* child = written;
                    if (reading) {
                        child = className.isEmpty() ? nullptr : MakeChild(className, parent);
                        if (!child)
                            return;
                        read.append(child);
                        if (!childName.isEmpty()) {
                            try {
                                child->SetName(childName);
                            } catch (const Exception&) {
                            }
                        }
                    }
                    DefineOwnProperties(item, child, !reading);
                });
            }
        },
        true);
    for (TComponent* child : read)
        child->EndLoading();
}
