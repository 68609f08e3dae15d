#include "chart/core/TextFields.h"

#include <algorithm>

#include "platform/Component.h"
#include "platform/FormatSettings.h"
#include "platform/SysUtils.h"

QString TeeFieldsSeparator = QStringLiteral(";");

namespace {

// Sets the separator for one call and restores it afterwards, also on failure.
class SeparatorScope
{
public:
    explicit SeparatorScope(const QString& separator) : FOld(TeeFieldsSeparator) { TeeFieldsSeparator = separator; }
    ~SeparatorScope() { TeeFieldsSeparator = FOld; }
    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;

private:
    QString FOld;
};

// Swaps two characters in one pass, so that neither replacement undoes the other.
QString SwapSeparators(const QString& text, QChar fromComma, QChar toComma, QChar fromPoint, QChar toPoint)
{
    QString result = text;
    for (QChar& ch : result) {
        if (ch == fromComma)
            ch = toComma;
        else if (ch == fromPoint)
            ch = toPoint;
    }
    return result;
}

} // namespace

int TeeNumFields(const QString& text)
{
    if (text.isEmpty())
        return 0;
    if (TeeFieldsSeparator.isEmpty())
        return 1;
    return 1 + static_cast<int>(text.count(TeeFieldsSeparator));
}

int TeeNumFields(const QString& text, const QString& separator)
{
    SeparatorScope scope(separator);
    return TeeNumFields(text);
}

QString TeeExtractField(const QString& text, int index)
{
    if (index < 1 || text.isEmpty())
        return QString();
    if (TeeFieldsSeparator.isEmpty())
        return text;
    const QStringList fields = text.split(TeeFieldsSeparator);
    return fields.at(std::min<qsizetype>(index, fields.size()) - 1);
}

QString TeeExtractField(const QString& text, int index, const QString& separator)
{
    SeparatorScope scope(separator);
    return TeeExtractField(text, index);
}

QString ReplaceChar(const QString& text, QChar oldChar, QChar newChar)
{
    QString result = text;
    if (newChar.isNull())
        result.remove(oldChar);
    else
        result.replace(oldChar, newChar);
    return result;
}

QString FixedToLocalFormat(const QString& format)
{
    return SwapSeparators(format, QLatin1Char(','), FormatSettings.ThousandSeparator, QLatin1Char('.'),
                          FormatSettings.DecimalSeparator);
}

QString LocalToFixedFormat(const QString& format)
{
    return SwapSeparators(format, FormatSettings.ThousandSeparator, QLatin1Char(','), FormatSettings.DecimalSeparator,
                          QLatin1Char('.'));
}

QString TeeStr(int64_t n)
{
    return IntToStr(n);
}

QString TeeGetUniqueName(const TComponent* owner, const QString& prefix)
{
    for (int64_t n = 1;; ++n) {
        const QString name = prefix + TeeStr(n);
        if (!owner || !owner->FindComponent(name))
            return name;
    }
}

void TextFieldsInitialize()
{
    TeeFieldsSeparator = QStringLiteral(";");
}

void TextFieldsFinalize()
{
    TeeFieldsSeparator.clear();
}
