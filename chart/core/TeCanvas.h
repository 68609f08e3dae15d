#pragma once

// Chief header of the drawing unit: the canvas interface and its implementation, drawing settings, projection, geometry and colour functions,
// the unit's settings and the editor controls.

#include "chart/core/Brush.h"
#include "chart/core/Canvas.h"
#include "chart/core/Canvas3D.h"
#include "chart/core/ChartBrush.h"
#include "chart/core/ChartPen.h"
#include "chart/core/DevicePen.h"
#include "chart/core/Font.h"
#include "chart/core/Pen.h"
#include "chart/core/Picture.h"
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
