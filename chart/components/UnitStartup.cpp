#include "chart/components/UnitStartup.h"

#include "chart/components/Series.h"
#include "chart/components/TeeSeriesTypes.h"
#include "chart/components/TeeTools.h"

#include "chart/core/ChartAxis.h"
#include "chart/core/TeCanvasSettings.h"
#include "chart/core/TeeEngineSettings.h"
#include "chart/core/TeeProcsSettings.h"
#include "chart/core/Teeconst.h"
#include "chart/core/Teeproco.h"
#include "platform/Platform.h"

// Dependency order: the platform, the message units (which the drawing unit's default font
// reads), the drawing unit, the panel unit's utilities, then the axes (whose pixel bound
// follows the drawing unit), the chart unit's registries, the series and the tools.
void InitializeUnits()
{
    PlatformInitialize();
    TeeconstInitialize();
    TeeprocoInitialize();
    TeCanvasInitialize();
    TeeProcsInitialize();
    TeEngineInitialize();
    ChartAxisInitialize();
    ChartUnitInitialize();
    SeriesInitialize();
    TeeToolsInitialize();
}

void FinalizeUnits()
{
    TeeToolsFinalize();
    SeriesFinalize();
    ChartUnitFinalize();
    ChartAxisFinalize();
    TeEngineFinalize();
    TeeProcsFinalize();
    TeCanvasFinalize();
    TeeprocoFinalize();
    TeeconstFinalize();
    PlatformFinalize();
}
