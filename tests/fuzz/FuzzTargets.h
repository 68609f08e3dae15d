#pragma once

// Entry points shared by the libFuzzer harnesses and the corpus replay. Each takes one input
// of any bytes and must return without crashing, hanging, leaking or undefined behaviour.

#include <cstddef>
#include <cstdint>
#include <functional>

// A simulation file read from memory, then shown by a main window built once per process
// (lists, counts, summary, chart series), and the four charts drawn.
int FuzzSimFileInput(const uint8_t* data, size_t size);
// Stored-property text read into a chart and one series of each standard type ("Data" and
// the marks' "Items" included), resolved as at the end of loading, drawn and written again.
// Lines "@0" to "@6" switch from the chart's text to a series' text.
int FuzzStoredTextInput(const uint8_t* data, size_t size);
// A chart with tools read from stored-property text as a form loads it, painted and written;
// the written text read into a new chart must be written back the same.
int FuzzStoredToolsInput(const uint8_t* data, size_t size);
// A date-time pattern (the input after its first 8 bytes, as UTF-8) applied to the value in
// those bytes.
int FuzzDateTimeFormatInput(const uint8_t* data, size_t size);
// Number patterns, number texts and Format specifiers from the input after its first 9 bytes:
// 8 bytes of value and a byte of switches (bit 0: a comma as decimal separator).
int FuzzNumberFormatInput(const uint8_t* data, size_t size);

// The Qt application (offscreen) and the units, once per process.
void FuzzStartUp(int* argc, char*** argv);
// Something a target keeps for the whole process, freed by FuzzShutDown before the units and
// the application end (last registered, first freed).
void FuzzAtShutDown(std::function<void()> release);
// The end of a replay: what the targets kept, the units, the application.
void FuzzShutDown();

struct FuzzTarget {
    const char* name;
    int (*run)(const uint8_t* data, size_t size);
};

// The targets by the names of their corpus folders.
inline constexpr FuzzTarget FuzzTargets[] = {
    {"sim_file", FuzzSimFileInput},
    {"stored_text", FuzzStoredTextInput},
    {"stored_tools", FuzzStoredToolsInput},
    {"datetime_format", FuzzDateTimeFormatInput},
    {"number_format", FuzzNumberFormatInput},
};
