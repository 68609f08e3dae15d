#include "platform/TeeFiler.h"

#include <QLocale>
#include <QSet>
#include <algorithm>
#include <cstdint>

#include "platform/Exceptions.h"
#include "platform/SysUtils.h"

namespace {

QString Joined(const QString& path, const QString& name)
{
    return path.isEmpty() ? name : path + QLatin1Char('.') + name;
}

} // namespace

void TTeePropertyWriter::DefineProperty(const QString& name, const TValueReader&, const TValueWriter& writer,
                                        bool stored)
{
    if (stored && writer)
        FLines.append(Joined(FPath, name) + QLatin1Char('=') + writer());
}

void TTeePropertyWriter::DefineObject(const QString& name, const TObjectDefiner& definer, bool stored)
{
    if (!stored || !definer)
        return;
    const QString saved = FPath;
    FPath = Joined(FPath, name);
    definer(*this);
    FPath = saved;
}

TTeePropertyReader::TTeePropertyReader(const QString& text)
{
    // A line ends at LF, CR-LF or a lone CR: no written value holds a CR (a CR in a text is
    // escaped), so every CR is part of a line end.
    const QStringView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != QLatin1Char('\n') && all[end] != QLatin1Char('\r'))
            ++end;
        const QStringView line = all.mid(start, end - start);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            FValues.insert(line.left(eq).toString(), line.mid(eq + 1).toString());
        start = end + 1;
    }
    FSortedNames = FValues.keys();
    FSortedNames.sort();
}

void TTeePropertyReader::DefineProperty(const QString& name, const TValueReader& reader, const TValueWriter&, bool)
{
    const QString key = Joined(FPath, name);
    const auto it = FValues.constFind(key);
    if (it == FValues.constEnd() || !reader)
        return;
    FRead.insert(key);
    // A value that the setter refuses leaves the property as it was; the name is kept so that
    // a caller can tell.
    try {
        reader(it.value());
    } catch (const EReadError&) {
        throw;
    } catch (const Exception&) {
        FRefused.append(key);
    }
}

void TTeePropertyReader::DefineObject(const QString& name, const TObjectDefiner& definer, bool)
{
    if (!definer)
        return;
    // Names that start with the object's path follow one another in order, from the first
    // name that is not less than the path.
    const QString prefix = Joined(FPath, name) + QLatin1Char('.');
    const auto first = std::lower_bound(FSortedNames.cbegin(), FSortedNames.cend(), prefix);
    // An object with nothing saved is not touched, so optional sub-objects are not created.
    if (first == FSortedNames.cend() || !first->startsWith(prefix))
        return;
    const QString saved = FPath;
    FPath = Joined(FPath, name);
    definer(*this);
    FPath = saved;
}

int64_t TTeePropertyReader::AllowNewObjects(int64_t wanted)
{
    const int64_t allowed = std::max<int64_t>(0, wanted);
    if (allowed > FObjectsLeft)
        throw EReadError(Format(QString::fromLatin1(SStoredObjectsError), {TeeMaxStoredObjects}));
    FObjectsLeft -= allowed;
    return allowed;
}

void TTeePropertyReader::AllowNewComponent()
{
    if (FComponentsLeft <= 0)
        throw EReadError(Format(QString::fromLatin1(SStoredComponentsError), {TeeMaxStoredComponents}));
    --FComponentsLeft;
}

QStringList TTeePropertyReader::Unread() const
{
    QStringList names;
    for (auto it = FValues.constBegin(); it != FValues.constEnd(); ++it) {
        if (!FRead.contains(it.key()))
            names.append(it.key());
    }
    names.sort();
    return names;
}

QString TeeBoolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool TeeTextBool(const QString& text)
{
    return text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

bool TeeTextBool(const QString& text, bool fallback)
{
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return fallback;
}

QString TeeIntText(int64_t value)
{
    return QString::number(value);
}

int64_t TeeTextInt(const QString& text, int64_t fallback)
{
    bool ok = false;
    const int64_t v = text.trimmed().toLongLong(&ok);
    return ok ? v : fallback;
}

QString TeeFloatText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

double TeeTextFloat(const QString& text, double fallback)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok ? v : fallback;
}

int32_t TeeTextInt32(const QString& text, int32_t fallback)
{
    const int64_t v = TeeTextInt(text, fallback);
    return v < INT32_MIN || v > INT32_MAX ? fallback : static_cast<int32_t>(v);
}

QString TeeColorText(TColor color)
{
    return TeeIntText(color);
}

TColor TeeTextColor(const QString& text, TColor fallback)
{
    return static_cast<TColor>(TeeTextInt(text, fallback));
}

QString TeeEscapeText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        if (ch == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (ch == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (ch == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else
            out += ch;
    }
    return out;
}

QString TeeUnescapeText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch != QLatin1Char('\\') || i + 1 == text.size()) {
            out += ch;
            continue;
        }
        const QChar next = text[++i];
        if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else
            out += next;
    }
    return out;
}

TTeeStartValuesFiler::TTeeStartValuesFiler(TTeeFiler& target, const TStartTexts* startTexts, const QString& path)
    : FTarget(target), FStartTexts(startTexts), FPath(path)
{
}

void TTeeStartValuesFiler::DefineProperty(const QString& name, const TValueReader& reader, const TValueWriter& writer,
                                          bool stored)
{
    bool store = stored;
    if (writer) {
        if (!FStartTexts) {
            store = true;
        } else {
            const auto it = FStartTexts->constFind(Joined(FPath, name));
            if (it != FStartTexts->constEnd())
                store = writer() != it.value();
        }
    }
    FTarget.DefineProperty(name, reader, writer, store);
}

void TTeeStartValuesFiler::DefineObject(const QString& name, const TObjectDefiner& definer, bool stored)
{
    if (!definer) {
        FTarget.DefineObject(name, definer, stored);
        return;
    }
    const QString path = Joined(FPath, name);
    FTarget.DefineObject(
        name,
        [this, &definer, &path](TTeeFiler& inner) {
            TTeeStartValuesFiler nested(inner, FStartTexts, path);
            definer(nested);
        },
        stored);
}

TTeeStartValuesFiler::TStartTexts TTeeStartValuesFiler::Record(const TObjectDefiner& definer)
{
    TTeePropertyWriter writer;
    TTeeStartValuesFiler all(writer, nullptr);
    definer(all);
    TStartTexts texts;
    for (const QString& line : writer.Lines()) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            texts.insert(line.left(eq), line.mid(eq + 1));
    }
    return texts;
}

QString TeeWriteProperties(TTeeStoredObject& object)
{
    TTeePropertyWriter writer;
    object.DefineProperties(writer);
    return writer.Text();
}

void TeeReadProperties(TTeeStoredObject& object, const QString& text)
{
    TTeePropertyReader reader(text);
    object.DefineProperties(reader);
}
