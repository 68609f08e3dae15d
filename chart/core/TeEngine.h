#pragma once

// Chief header of the chart engine: value lists, the chart element and series bases, marks'
// data, functions, series sources, tool bases, typed lists, the axis panel and the engine's
// settings and services.

#include "chart/core/ChartException.h"
#include "chart/core/ChartLists.h"
#include "chart/core/ChartSeries.h"
#include "chart/core/ChartValueList.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/CustomChartElement.h"
#include "chart/core/CustomChartSeries.h"
#include "chart/core/EngineServices.h"
#include "chart/core/LabelsList.h"
#include "chart/core/SeriesMarks.h"
#include "chart/core/TeeCustomTool.h"
#include "chart/core/TeeEngineSettings.h"
#include "chart/core/TeeFunction.h"
#include "chart/core/TeeSeriesSource.h"
