#pragma once

// Whether a size is a percentage of its container or a number of pixels.
enum TTeeUnits { muPercent, muPixels };
