#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

// The texts that a run reads from the window, and their limits.

// The whole number of a field's text (leading blanks, a sign, decimal digits or hex digits
// after "$" or "0x"); raises the platform's conversion error for anything else.
int32_t TextToInteger(const QString& text);

// The setting box's "?": every run draws its own setting.
bool IsRandomSettingText(const QString& text);
// "?" or a whole number from 1 to 6.
bool IsValidSettingText(const QString& text);

// Memory that one normal game of a run costs with everything shown: its rows in the
// records (bonus games included), the play-by-play list and the chart points.
constexpr size_t BytesPerPlay = 160;

// The largest play count whose records and display fit in half the machine's memory.
int32_t MaxPlayCount();
// Same for a given amount of memory, so the rule can be checked on its own.
int32_t MaxPlayCountFor(uint64_t physicalBytes);
