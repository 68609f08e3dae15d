// The date-time and number formats of the platform layer, on any pattern, text and value.
#include <QString>
#include <cstring>

#include "FuzzTargets.h"
#include "platform/DateTime.h"
#include "platform/Exceptions.h"
#include "platform/FormatSettings.h"
#include "platform/SysUtils.h"
#include "platform/TeeFiler.h"

namespace {

// The value in the first 8 bytes (missing bytes are zero) and the text after `skip` bytes.
double ValueOf(const uint8_t* data, size_t size)
{
    uint8_t bytes[8] = {};
    std::memcpy(bytes, data, size < 8 ? size : 8);
    double value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

QString TextAfter(const uint8_t* data, size_t size, size_t skip)
{
    if (size <= skip)
        return QString();
    return QString::fromUtf8(reinterpret_cast<const char*>(data + skip), static_cast<qsizetype>(size - skip));
}

// Settings of a locale with a comma as decimal separator, for one input.
class CommaSettings {
public:
    explicit CommaSettings(bool on) : saved_(FormatSettings)
    {
        if (on) {
            FormatSettings.DecimalSeparator = QLatin1Char(',');
            FormatSettings.ThousandSeparator = QLatin1Char('.');
        }
    }
    ~CommaSettings() { FormatSettings = saved_; }

private:
    TFormatSettings saved_;
};

} // namespace

int FuzzDateTimeFormatInput(const uint8_t* data, size_t size)
{
    const double value = ValueOf(data, size);
    const QString pattern = TextAfter(data, size, 8);
    try {
        FormatDateTime(pattern, value);
    } catch (const Exception&) {
        // A refused value is an answer too.
    }
    return 0;
}

int FuzzNumberFormatInput(const uint8_t* data, size_t size)
{
    const double value = ValueOf(data, size);
    const CommaSettings settings(size > 8 && (data[8] & 1) != 0);
    const QString text = TextAfter(data, size, 9);
    FormatFloat(text, value);
    FloatToStr(value);
    double parsed = 0;
    TryStrToFloat(text, parsed);
    int64_t whole = 0;
    TryStrToInt64(text, whole);
    StrToIntDef(text, 0);
    TeeTextFloat(text);
    TeeTextInt(text);
    int64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    try {
        Format(text, {static_cast<int>(bits), value, text, bits});
    } catch (const Exception&) {
        // Bad specifiers raise the conversion error: that is the answer.
    }
    return 0;
}
