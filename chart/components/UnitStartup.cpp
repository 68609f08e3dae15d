#include "chart/components/UnitStartup.h"

#include "chart/core/TeCanvasSettings.h"
#include "chart/core/TeeEngineSettings.h"
#include "chart/core/TeeProcsSettings.h"
#include "chart/core/Teeconst.h"
#include "chart/core/Teeproco.h"
#include "platform/Platform.h"

// Dependency order: the platform, the message units (which the drawing unit's default font
// reads), the drawing unit, then the panel unit's utilities.
void InitializeUnits()
{
    PlatformInitialize();
    TeeconstInitialize();
    TeeprocoInitialize();
    TeCanvasInitialize();
    TeeProcsInitialize();
    TeEngineInitialize();
}

void FinalizeUnits()
{
    TeEngineFinalize();
    TeeProcsFinalize();
    TeCanvasFinalize();
    TeeprocoFinalize();
    TeeconstFinalize();
    PlatformFinalize();
}
