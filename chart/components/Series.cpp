#include "chart/components/Series.h"

#include "platform/ClassRegistry.h"

namespace {

// An abstract class is entered without a factory, unless it is there already.
void RegisterAbstract(const QString& name, const QString& parent)
{
    if (!GetClass(name))
        RegisterClass(name, parent, nullptr);
}

} // namespace

void SeriesInitialize()
{
    RegisterAbstract(QStringLiteral("TChartSeries"), QString());
    RegisterAbstract(QStringLiteral("TCustomLineSeries"), QStringLiteral("TChartSeries"));
    RegisterClassOf<TFastLineSeries>(QStringLiteral("TFastLineSeries"), QStringLiteral("TCustomLineSeries"));
    RegisterAbstract(QStringLiteral("TCustomSeries"), QStringLiteral("TCustomLineSeries"));
    RegisterClassOf<TLineSeries>(QStringLiteral("TLineSeries"), QStringLiteral("TCustomSeries"));
    RegisterClassOf<THorizLineSeries>(QStringLiteral("THorizLineSeries"), QStringLiteral("TLineSeries"));
    RegisterClassOf<TPointSeries>(QStringLiteral("TPointSeries"), QStringLiteral("TCustomSeries"));
    RegisterClassOf<TAreaSeries>(QStringLiteral("TAreaSeries"), QStringLiteral("TCustomSeries"));
    RegisterClassOf<THorizAreaSeries>(QStringLiteral("THorizAreaSeries"), QStringLiteral("TAreaSeries"));
    RegisterAbstract(QStringLiteral("TCustomBarSeries"), QStringLiteral("TChartSeries"));
    RegisterClassOf<TBarSeries>(QStringLiteral("TBarSeries"), QStringLiteral("TCustomBarSeries"));
    RegisterAbstract(QStringLiteral("TCircledSeries"), QStringLiteral("TChartSeries"));
    RegisterClassOf<TPieSeries>(QStringLiteral("TPieSeries"), QStringLiteral("TCircledSeries"));
    RegisterClassOf<THorizBarSeries>(QStringLiteral("THorizBarSeries"), QStringLiteral("TCustomBarSeries"));
}
