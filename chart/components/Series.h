#pragma once

// The standard series types: line, point and area, fast line, bar and pie.

#include "chart/components/BarSeries.h"
#include "chart/components/CircledSeries.h"
#include "chart/components/CustomLineSeries.h"
#include "chart/components/CustomSeries.h"
#include "chart/components/FastLineSeries.h"
#include "chart/components/PieSeries.h"

// Enters the series classes into the class registry, so that series find their kin by class
// (stacking, side-by-side bars, shared pie settings) and streams can create them by name.
void SeriesInitialize();
// Forgets the series classes again, in reverse. Only the first start-up and the last finish act.
void SeriesFinalize();
// Enters the nine standard series into the series gallery, on its standard page. The fast pen
// needs no platform function here, so there is nothing else to start.
void RegisterTeeStandardSeries();
