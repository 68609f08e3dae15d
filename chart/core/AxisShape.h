#pragma once

// The framed text boxes of an axis: its title, its custom labels and the common label format
// are the chart's framed shapes.

#include "chart/core/TeeCustomShape.h"

using TAxisShape = TTeeCustomShape;
using TAxisFormatShape = TTeeShape;
