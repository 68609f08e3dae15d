#include "chart/components/UnitStartup.h"

void InitializeUnits()
{
}

void FinalizeUnits()
{
}
