#pragma once

// Unit-wide settings of the chart engine, the user message box and the engine's start-up.

#include <QChar>
#include <QString>
#include <cstdint>

// Between the columns of a legend text.
extern QChar TeeColumnSeparator;
// A line break inside labels and marks.
extern QChar TeeLineSeparator;
// Callout arrows in the point's colour are drawn black or white instead.
extern bool TeeCheckMarkArrowColor;
// Series without data get sample values at run time too, not only while designing.
extern bool TeeRandomAtRunTime;
// Palette indexes of the colours of gallery series.
extern int32_t clTeeGallery1;
extern int32_t clTeeGallery2;
// Values a value list grows by at least.
extern int32_t TeeDefaultCapacity;
// The axes' settings (MinAxisIncrement, MinAxisRange, TeeAxisClickGap, TeeMaxPixelPos) are
// in ChartAxis.h.

// A message to the user with the error icon and one OK button, through the handler that the
// program installs (the engine has no windows of its own); texts longer than 1023 characters
// are cut. Without a handler the text goes to the debug output.
void ShowMessageUser(const QString& text);
using TTeeMessageUserHandler = void (*)(const QString& text);
extern TTeeMessageUserHandler TeeMessageUserHandler;

// Start-up and finish of the engine unit (only the first start and the last finish act).
void TeEngineInitialize();
void TeEngineFinalize();
