#pragma once

// Free functions of the chart engine: naming and listing series, and the content tests that
// decide what a series' "Data" stream holds.

#include <QString>
#include <cstdint>

class TChartSeries;
class TCustomAxisPanel;
class TStrings;

// The title; else the component name; else, in a chart, "Series" and the position from 1.
QString SeriesTitleOrName(const TChartSeries* series);
// Every series of the chart that is not internal: its title or name, with the series as object.
void FillSeriesItems(TStrings* strings, TCustomAxisPanel* chart);

// What the "Data" stream of a series holds.
enum TeeFormatFlag : uint8_t { tfNoMandatory = 1, tfColor = 2, tfLabel = 4, tfMarkPosition = 8 };

// The X values (position values) are not simply 0, 1, 2, ...; looks at up to 10001 points.
bool HasNoMandatoryValues(const TChartSeries* series);
// A point has its own colour, neither clDefault nor the series colour; up to 10001 points.
bool HasColors(const TChartSeries* series);
// A point has a label; up to 101 points.
bool HasLabels(const TChartSeries* series);
// The four flags from the three tests and the marks' user positions.
uint8_t SeriesGuessContents(const TChartSeries* series);
// The same flags from every point, for streams that must not lose anything.
uint8_t SeriesContents(const TChartSeries* series);
