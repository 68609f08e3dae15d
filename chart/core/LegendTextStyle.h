#pragma once

// What a legend item shows of a point: its label, value, percent or X value, in some order.
enum TLegendTextStyle {
    ltsPlain, ltsLeftValue, ltsRightValue, ltsLeftPercent, ltsRightPercent, ltsXValue, ltsValue, ltsPercent,
    ltsXAndValue, ltsXAndPercent
};
