#pragma once

// Stored properties of graphics and chart objects. An object defines each property by name with a reader,
// a writer and whether it is stored; a writer filer then saves only the stored ones and a
// reader filer gives back what was saved. Names that are read but never written are defined
// with a reader only.
// The text form is ours: one "Path.Name=value" line per stored property.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

#include "platform/Colors.h"

class TTeeFiler
{
public:
    using TValueReader = std::function<void(const QString& value)>;
    using TValueWriter = std::function<QString()>;
    using TObjectDefiner = std::function<void(TTeeFiler& filer)>;

    virtual ~TTeeFiler() = default;

    // A value property: written when stored and a writer is given, read when present.
    virtual void DefineProperty(const QString& name, const TValueReader& reader, const TValueWriter& writer,
                                bool stored) = 0;
    // A nested object whose own properties the definer defines; skipped on writing when not stored.
    virtual void DefineObject(const QString& name, const TObjectDefiner& definer, bool stored = true) = 0;
    // Called before a stored count makes objects (a negative count makes none); returns how
    // many the caller makes. A reader shares one allowance among all the counts of its text
    // (see TeeMaxStoredObjects) and raises EReadError for a count beyond what is left, before
    // anything is made.
    virtual int64_t AllowNewObjects(int64_t wanted) { return std::max<int64_t>(0, wanted); }
    // Called before a stored component is made: a reader raises EReadError for the component
    // after TeeMaxStoredComponents.
    virtual void AllowNewComponent() {}
};

// What one text may make in all through its stored counts (components, lines, axes ...): a
// few bytes of count must not cost more than a reader can give back in time. A text that
// asks for more is refused as a whole: reading raises EReadError, and whatever reads a count
// of objects or components frees what that reading made before the error goes on.
inline constexpr int64_t TeeMaxStoredObjects = 100000;
// Of those, what may be components: more series and tools than a chart can show. Each costs
// far more than a line or an axis to read, draw and write (a series is written against a new
// one of its kind), and a text at every bound at once must still be read, drawn and written
// twice within the fuzzing harness's ten seconds under the sanitizers.
inline constexpr int64_t TeeMaxStoredComponents = 500;

// Undoes what a reading made when the reading ends in an error (a refused text) while this
// guard is in scope; a reading that ends normally keeps it.
class TUndoIfRefused
{
public:
    explicit TUndoIfRefused(std::function<void()> undo)
        : FUndo(std::move(undo)), FErrors(std::uncaught_exceptions())
    {
    }
    ~TUndoIfRefused()
    {
        if (FUndo && std::uncaught_exceptions() > FErrors)
            FUndo();
    }
    TUndoIfRefused(const TUndoIfRefused&) = delete;
    TUndoIfRefused& operator=(const TUndoIfRefused&) = delete;

private:
    std::function<void()> FUndo;
    int FErrors;
};

// Collects the stored properties as text lines.
class TTeePropertyWriter : public TTeeFiler
{
public:
    void DefineProperty(const QString& name, const TValueReader& reader, const TValueWriter& writer,
                        bool stored) override;
    void DefineObject(const QString& name, const TObjectDefiner& definer, bool stored = true) override;

    const QStringList& Lines() const { return FLines; }
    QString Text() const { return FLines.join(QLatin1Char('\n')); }

private:
    QString FPath;
    QStringList FLines;
};

// Gives saved text back to the properties that are defined.
class TTeePropertyReader : public TTeeFiler
{
public:
    // Lines end with LF, CR-LF or CR; lines without '=' are ignored.
    explicit TTeePropertyReader(const QString& text);

    void DefineProperty(const QString& name, const TValueReader& reader, const TValueWriter& writer,
                        bool stored) override;
    void DefineObject(const QString& name, const TObjectDefiner& definer, bool stored = true) override;
    // At most TeeMaxStoredObjects in all, over every count of the text.
    int64_t AllowNewObjects(int64_t wanted) override;
    // At most TeeMaxStoredComponents in all.
    void AllowNewComponent() override;

    // Saved names that no definition asked for.
    QStringList Unread() const;
    // Saved names whose value the object's setter refused (the property kept its value). An
    // EReadError is not a refused value: it ends the reading.
    const QStringList& Refused() const { return FRefused; }

private:
    QString FPath;
    QHash<QString, QString> FValues;
    // The saved names in order, so that whether an object has anything saved is one search.
    QStringList FSortedNames;
    QSet<QString> FRead;
    QStringList FRefused;
    int64_t FObjectsLeft = TeeMaxStoredObjects;
    int64_t FComponentsLeft = TeeMaxStoredComponents;
};

// Value texts shared by the stored objects.
QString TeeBoolText(bool value);
bool TeeTextBool(const QString& text);
// "True" or "False" in any case; the fallback for any other text.
bool TeeTextBool(const QString& text, bool fallback);
QString TeeIntText(int64_t value);
// A number, or the fallback when the text is not one.
int64_t TeeTextInt(const QString& text, int64_t fallback = 0);
// Numbers in the shortest text that reads back to the same double, whatever the locale.
QString TeeFloatText(double value);
// A number, or the fallback when the text is not one.
double TeeTextFloat(const QString& text, double fallback = 0);
// A 32-bit number, or the fallback when the text is not one or does not fit.
int32_t TeeTextInt32(const QString& text, int32_t fallback);
// A colour is stored as its number.
QString TeeColorText(TColor color);
TColor TeeTextColor(const QString& text, TColor fallback);
// Texts with line breaks stay on one line: backslash escapes for '\\', '\n' and '\r'.
QString TeeEscapeText(const QString& text);
QString TeeUnescapeText(const QString& text);
// An enumeration value by name from its list of names; the fallback for an unknown name.
template <class E>
E TeeTextEnum(const QString& text, const QStringList& names, E fallback)
{
    const qsizetype i = names.indexOf(text);
    return i < 0 ? fallback : static_cast<E>(i);
}

// The usual shape of a stored property: written only when the value differs from what the object
// starts with, read back through the setter. Text that is not a value reads as the fallback: the
// current value, or the fixed value that a property gives (false, or its published default).
// A property with its own rule for storing passes TeeStored(rule) in place of the start value.
struct TTeeStoredRule
{
    bool Stored;
};

inline TTeeStoredRule TeeStored(bool stored)
{
    return {stored};
}

template <class T, class S>
bool TeeIsStored(const T& value, const S& start)
{
    return value != start;
}

template <class T>
bool TeeIsStored(const T&, TTeeStoredRule rule)
{
    return rule.Stored;
}

// What the typed helpers share: toText writes the value, fromText reads a text with a fallback.
template <class T, class S, class Set, class ToText, class FromText>
void TeeDefineValue(TTeeFiler& filer, const QString& name, T value, S start, Set set, T fallback, ToText toText,
                    FromText fromText)
{
    filer.DefineProperty(
        name, [set, fallback, fromText](const QString& v) { set(fromText(v, fallback)); },
        [value, toText] { return toText(value); }, TeeIsStored(value, start));
}

template <class S, class Set>
void TeeDefineBool(TTeeFiler& filer, const QString& name, bool value, S start, Set set,
                   std::optional<bool> fallback = std::nullopt)
{
    TeeDefineValue(filer, name, value, start, set, fallback.value_or(value), TeeBoolText,
                   [](const QString& v, bool f) { return TeeTextBool(v, f); });
}

template <class S, class Set>
void TeeDefineInt(TTeeFiler& filer, const QString& name, int32_t value, S start, Set set,
                  std::optional<int32_t> fallback = std::nullopt)
{
    TeeDefineValue(filer, name, value, start, set, fallback.value_or(value), TeeIntText, TeeTextInt32);
}

template <class S, class Set>
void TeeDefineFloat(TTeeFiler& filer, const QString& name, double value, S start, Set set,
                    std::optional<double> fallback = std::nullopt)
{
    TeeDefineValue(filer, name, value, start, set, fallback.value_or(value), TeeFloatText, TeeTextFloat);
}

template <class S, class Set>
void TeeDefineColor(TTeeFiler& filer, const QString& name, TColor value, S start, Set set,
                    std::optional<TColor> fallback = std::nullopt)
{
    TeeDefineValue(filer, name, value, start, set, fallback.value_or(value), TeeColorText, TeeTextColor);
}

// A text kept on one line by its escapes.
template <class S, class Set>
void TeeDefineText(TTeeFiler& filer, const QString& name, const QString& value, const S& start, Set set)
{
    TeeDefineValue(filer, name, value, start, set, QString(), TeeEscapeText,
                   [](const QString& v, const QString&) { return TeeUnescapeText(v); });
}

// An enumeration stored by its name in names; an unknown name reads as the fallback.
template <class E, class S, class Set>
void TeeDefineEnum(TTeeFiler& filer, const QString& name, E value, S start, const QStringList& names, Set set,
                   std::optional<std::type_identity_t<E>> fallback = std::nullopt)
{
    TeeDefineValue(filer, name, value, start, set, E(fallback.value_or(value)),
                   [names](E e) { return names.at(e); },
                   [names](const QString& v, E f) { return TeeTextEnum(v, names, f); });
}

// Something with stored properties.
class TTeeStoredObject
{
public:
    virtual ~TTeeStoredObject() = default;
    virtual void DefineProperties(TTeeFiler& filer) = 0;
    // Whether a stored component is written against a new object of its class (see
    // TeeDefineChildren), for classes whose constructors set values of their sub-objects.
    virtual bool StoresAgainstNewObject() const { return false; }
};

// A nested stored object under its name.
template <class T>
void TeeDefineObject(TTeeFiler& filer, const QString& name, T* object, bool stored = true)
{
    filer.DefineObject(name, [object](TTeeFiler& f) { object->DefineProperties(f); }, stored);
}

// Decides storing by what a fresh object of the same kind holds: a property is stored when its
// text differs from the fresh object's text for the same path, whatever the object's own rule
// says, so values that a kind starts with come back as they were. A property the fresh object
// lacks (an optional sub-object it has not made) keeps the object's own rule. Without start
// texts every property that has a writer is stored: that is how start texts are recorded.
class TTeeStartValuesFiler : public TTeeFiler
{
public:
    using TStartTexts = QHash<QString, QString>;

    TTeeStartValuesFiler(TTeeFiler& target, const TStartTexts* startTexts, const QString& path = QString());

    void DefineProperty(const QString& name, const TValueReader& reader, const TValueWriter& writer,
                        bool stored) override;
    void DefineObject(const QString& name, const TObjectDefiner& definer, bool stored = true) override;
    int64_t AllowNewObjects(int64_t wanted) override { return FTarget.AllowNewObjects(wanted); }
    void AllowNewComponent() override { FTarget.AllowNewComponent(); }

    // Every property with a writer that the definer defines, by its path.
    static TStartTexts Record(const TObjectDefiner& definer);

private:
    TTeeFiler& FTarget;
    const TStartTexts* FStartTexts;
    QString FPath;
};

// The stored text of an object, and an object filled from such text.
QString TeeWriteProperties(TTeeStoredObject& object);
void TeeReadProperties(TTeeStoredObject& object, const QString& text);
