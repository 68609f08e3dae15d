#pragma once

// Chief header of the chart tools: every tool class, and the tools unit's start-up, which
// makes the tool classes known to streaming and enters them in the tool types.

#include "chart/components/AnnotationTool.h"
#include "chart/components/AxisArrowTool.h"
#include "chart/components/ChartImageTool.h"
#include "chart/components/ColorBandTool.h"
#include "chart/components/ColorLineTool.h"
#include "chart/components/CursorTool.h"
#include "chart/components/DragMarksTool.h"
#include "chart/components/DrawLineTool.h"
#include "chart/components/GridBandTool.h"
#include "chart/components/MarksTipTool.h"
#include "chart/components/NearestTool.h"
#include "chart/components/RotateTool.h"
#include "chart/components/SeriesAnimationTool.h"
#include "chart/core/TeeCustomTool.h"

// Only the first start-up and the last finish act.
void TeeToolsInitialize();
void TeeToolsFinalize();
