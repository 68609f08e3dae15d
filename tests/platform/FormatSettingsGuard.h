#pragma once

#include "platform/FormatSettings.h"

// Fixed English settings for the duration of a test, whatever the machine's locale;
// the previous settings come back afterwards.
class FormatSettingsGuard {
public:
    FormatSettingsGuard() : saved_(FormatSettings) { FormatSettings = TFormatSettings::English(); }
    ~FormatSettingsGuard() { FormatSettings = saved_; }
    FormatSettingsGuard(const FormatSettingsGuard&) = delete;
    FormatSettingsGuard& operator=(const FormatSettingsGuard&) = delete;

private:
    TFormatSettings saved_;
};
