#pragma once

// Whether a margin or position is in percent of a size or in pixels.
enum TTeeUnits { muPercent, muPixels };
