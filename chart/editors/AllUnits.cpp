#include "chart/editors/AllUnits.h"

#include "chart/components/UnitStartup.h"
#include "chart/editors/TeeDragPoint.h"
#include "chart/editors/TeeToolSeriesEdit.h"

void InitializeAllUnits()
{
    InitializeUnits();
    TeeToolSeriesEditInitialize();
    TeeDragPointInitialize();
}

void FinalizeAllUnits()
{
    TeeDragPointFinalize();
    TeeToolSeriesEditFinalize();
    FinalizeUnits();
}
