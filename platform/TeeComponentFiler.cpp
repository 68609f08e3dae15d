#include "platform/TeeComponentFiler.h"

#include "platform/ClassRegistry.h"
#include "platform/Component.h"
#include "platform/Exceptions.h"
#include "platform/FreeWatch.h"
#include "platform/TeeFiler.h"

#include <QHash>
#include <QList>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The children of one parent while they are written or read, so that a property of one of
// them can name another by its place.
struct ChildrenFrame {
    const TComponent* parent;
    // By place; null where reading made nothing.
    QList<TComponent*> places;
    // Made on the first question, as most children have names.
    QHash<const TComponent*, int> placeOf;
    // While reading: the place of the first child stored under each name (case-folded), made
    // or not, whatever name it could take.
    QHash<QString, qsizetype> placeOfName;
};

QList<ChildrenFrame*>& Frames()
{
    static QList<ChildrenFrame*> frames;
    return frames;
}

ChildrenFrame* FrameOf(const TComponent* parent)
{
    for (qsizetype i = Frames().size() - 1; i >= 0; --i)
        if (Frames().at(i)->parent == parent)
            return Frames().at(i);
    return nullptr;
}

class FramePush
{
public:
    explicit FramePush(ChildrenFrame& frame) { Frames().append(&frame); }
    ~FramePush() { Frames().removeLast(); }
    FramePush(const FramePush&) = delete;
    FramePush& operator=(const FramePush&) = delete;
};

const QLatin1Char placeMark('#');

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

void TeeDefineChildren(TTeeFiler& filer, const QString& name, TComponent* parent, bool storedWhenEmpty)
{
    const bool reading = dynamic_cast<TTeePropertyReader*>(&filer) != nullptr;
    ChildrenFrame frame{parent, {}, {}, {}};
    if (!reading)
        parent->GetChildren([&frame](TComponent* c) { frame.places.append(c); }, parent);
    const QList<TComponent*> children = frame.places;
    const FramePush pushed(frame);
    // A component that reading made may be freed before reading ends (a function read after
    // another replaces it): its place is emptied, so that it is not touched again.
    std::vector<std::unique_ptr<TFreeWatch>> watches;
    // A refused text leaves none of the components it made: they go last first.
    const TUndoIfRefused undo([&frame, reading] {
        for (qsizetype i = frame.places.size() - 1; reading && i >= 0; --i)
            if (TComponent* child = frame.places.at(i))
                child->Free();
    });
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
                        "Class", [&className](const QString& v) { className = v.trimmed(); },
                        [written] { return written->ClassName(); }, true);
                    item.DefineProperty(
                        "Name", [&childName](const QString& v) { childName = v.trimmed(); },
                        [written] { return written->Name(); }, true);
                    TComponent* child = written;
                    if (reading) {
                        if (!childName.isEmpty() && !frame.placeOfName.contains(childName.toCaseFolded()))
                            frame.placeOfName.insert(childName.toCaseFolded(), frame.places.size());
                        if (!className.isEmpty()) {
                            item.AllowNewComponent();
                            item.AllowNewObjects(1);
                        }
                        child = className.isEmpty() ? nullptr : MakeChild(className, parent);
                        frame.places.append(child);
                        if (!child)
                            return;
                        const qsizetype place = frame.places.size() - 1;
                        watches.push_back(std::make_unique<TFreeWatch>(
                            child, [&places = frame.places, place] { places[place] = nullptr; }));
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
        storedWhenEmpty || !children.isEmpty());
    if (!reading)
        return;
    for (qsizetype i = 0; i < frame.places.size(); ++i)
        if (TComponent* child = frame.places.at(i))
            child->EndLoading();
}

QString TeeComponentReference(const TComponent* component, const TComponent* parent)
{
    if (!component)
        return QString();
    if (!component->Name().isEmpty())
        return component->Name();
    ChildrenFrame* frame = FrameOf(parent);
    if (!frame)
        return QString();
    if (frame->placeOf.isEmpty()) {
        for (qsizetype i = 0; i < frame->places.size(); ++i)
            frame->placeOf.insert(frame->places.at(i), static_cast<int>(i));
    }
    const auto it = frame->placeOf.constFind(component);
    return it == frame->placeOf.constEnd() ? QString() : placeMark + QString::number(it.value());
}

TComponent* TeeReferencedComponent(const QString& reference, const TComponent* parent,
                                   const std::function<TComponent*(const QString& name)>& elsewhere)
{
    const QString trimmed = reference.trimmed();
    if (trimmed.isEmpty())
        return nullptr;
    const ChildrenFrame* frame = FrameOf(parent);
    qsizetype place = -1;
    if (trimmed.startsWith(placeMark)) {
        bool ok = false;
        place = QStringView(trimmed).mid(1).toLongLong(&ok);
        if (!ok)
            return nullptr;
    } else {
        place = frame ? frame->placeOfName.value(trimmed.toCaseFolded(), -1) : -1;
        if (place < 0)
            return elsewhere ? elsewhere(trimmed) : nullptr;
    }
    return frame && place >= 0 && place < frame->places.size() ? frame->places.at(place) : nullptr;
}
