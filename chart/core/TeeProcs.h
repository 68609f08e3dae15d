#pragma once

// Chief header of the panel unit: the chart panel and its zoom settings, and the utilities: date-time steps, hit tests, sorting, the colour
// palette, text fields, bitmaps and cursors. The control helpers of the editors are in
// chart/editors/TeeControls.h, above the engine.

#include "chart/core/AntiAlias.h"
#include "chart/core/CustomTeePanel.h"
#include "chart/core/ColorPalette.h"
#include "chart/core/DateTimeSteps.h"
#include "chart/core/HitTests.h"
#include "chart/core/TeeBitmaps.h"
#include "chart/core/TeeLibrary.h"
#include "chart/core/TeeProcsSettings.h"
#include "chart/core/TeeSort.h"
#include "chart/core/TextFields.h"
