#pragma once

// Chief header of the drawing unit: the canvas interface and its implementation, the graphics
// objects and the device pen, the chart's drawing settings, projection, geometry and colour
// functions, and the unit's settings.

#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DevicePen.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/SystemColors.h"

#include "chart/core/Canvas3D.h"
#include "chart/core/ChartBrush.h"
#include "chart/core/ChartPen.h"
#include "chart/core/Projection3D.h"
#include "chart/core/TeCanvasSettings.h"
#include "chart/core/TeeBlend.h"
#include "chart/core/TeeCanvas.h"
#include "chart/core/TeeCanvas3D.h"
#include "chart/core/TeeColorFunctions.h"
#include "chart/core/TeeFont.h"
#include "chart/core/TeeFontGradient.h"
#include "chart/core/TeeGeometry.h"
#include "chart/core/TeeGradient.h"
#include "chart/core/TeeShadow.h"
#include "chart/core/View3DOptions.h"
