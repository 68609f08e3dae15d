#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

// The texts that a run reads from the window, and their limits.

// The whole number of a field's text (leading blanks, a sign, decimal digits or hex digits
// after "$" or "0x"); raises the platform's conversion error for anything else.
int32_t TextToInteger(const QString& text);

// A count box's whole number, written as TextToInteger takes one but of any length: a number
// beyond 64 bits comes back as the nearest 64-bit one, so that a count too large is told
// from text that is no number. False for text that is no whole number.
bool ReadCount(const QString& text, int64_t& value);
// The window's refusal of a count box's text, led by the box's name ("Play数", "Sim回数");
// empty when the text is a whole number from 1 to max.
QString CountRefusal(const QString& box, const QString& text, int32_t max);

// The setting box's "?": every run draws its own setting.
bool IsRandomSettingText(const QString& text);
// "?" or a whole number from 1 to 6.
bool IsValidSettingText(const QString& text);

// Memory that one normal game of a run costs with everything shown: its rows in the
// records (bonus games included), the play-by-play list and the chart points.
constexpr size_t BytesPerPlay = 160;

// The largest play count whose records and display fit in half the machine's memory and in
// half the address space that the process may still map (its RLIMIT_AS less what it maps
// already), so that a run too large for either is refused before it starts.
int32_t MaxPlayCount();
// Same for given amounts, so the rule can be checked on its own; UnlimitedAddressSpace when
// the process has no address-space limit.
constexpr uint64_t UnlimitedAddressSpace = ~0ULL;
int32_t MaxPlayCountFor(uint64_t physicalBytes, uint64_t freeAddressSpace = UnlimitedAddressSpace);
// What the process may still map under its address-space limit; UnlimitedAddressSpace
// without a limit.
uint64_t FreeAddressSpace();
