#include "chart/core/EngineServices.h"

#include <algorithm>

#include "chart/core/ChartSeries.h"
#include "chart/core/CustomAxisPanel.h"
#include "chart/core/Teeconst.h"
#include "platform/StringList.h"

namespace {

// Index of the last point a test looks at: limit, or the last point.
int LastChecked(const TChartSeries* series, int limit)
{
    return std::min(limit, series->Count() - 1);
}

bool PositionsNotSequence(const TChartSeries* series, int last)
{
    if (!series->UsesXValues() || series->Count() == 0)
        return false;
    const TChartValueList* positions = series->PositionValues();
    if (positions->First() != 0 || positions->Last() != series->Count() - 1)
        return true;
    for (int i = 0; i <= last; ++i) {
        if (positions->GetValue(i) != i)
            return true;
    }
    return false;
}

bool OwnColors(const TChartSeries* series, int last)
{
    const TPointColors* colours = series->ColorList();
    if (!colours)
        return false;
    const int end = std::min(last, colours->Count() - 1);
    for (int i = 0; i <= end; ++i) {
        const TColor c = (*colours)[i];
        if (c != clDefault && c != series->SeriesColor())
            return true;
    }
    return false;
}

bool AnyLabel(const TChartSeries* series, int last)
{
    const TLabelsList& labels = series->Labels();
    if (labels.Count() == 0)
        return false;
    for (int i = 0; i <= last; ++i) {
        if (!labels.GetLabel(i).isEmpty())
            return true;
    }
    return false;
}

uint8_t Flags(const TChartSeries* series, bool noMandatory, bool colours, bool labels)
{
    uint8_t flags = 0;
    if (noMandatory)
        flags |= tfNoMandatory;
    if (colours)
        flags |= tfColor;
    if (labels)
        flags |= tfLabel;
    if (series->Marks()->Positions().ExistCustom())
        flags |= tfMarkPosition;
    return flags;
}

} // namespace

QString SeriesTitleOrName(const TChartSeries* series)
{
    if (!series->Title().isEmpty())
        return series->Title();
    if (!series->Name().isEmpty())
        return series->Name();
    if (TCustomAxisPanel* chart = series->ParentChart())
        return TeeMsg_Series + QString::number(chart->SeriesList()->IndexOf(const_cast<TChartSeries*>(series)) + 1);
    return QString();
}

void FillSeriesItems(TStrings* strings, TCustomAxisPanel* chart)
{
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        TChartSeries* s = chart->Series(i);
        if (!s->InternalUse())
            strings->AddObject(SeriesTitleOrName(s), s);
    }
}

bool HasNoMandatoryValues(const TChartSeries* series)
{
    return PositionsNotSequence(series, LastChecked(series, 10000));
}

bool HasColors(const TChartSeries* series)
{
    return OwnColors(series, LastChecked(series, 10000));
}

bool HasLabels(const TChartSeries* series)
{
    return AnyLabel(series, LastChecked(series, 100));
}

uint8_t SeriesGuessContents(const TChartSeries* series)
{
    return Flags(series, HasNoMandatoryValues(series), HasColors(series), HasLabels(series));
}

uint8_t SeriesContents(const TChartSeries* series)
{
    const int last = series->Count() - 1;
    return Flags(series, PositionsNotSequence(series, last), OwnColors(series, last), AnyLabel(series, last));
}
