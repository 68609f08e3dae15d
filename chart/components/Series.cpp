#include "chart/components/Series.h"

#include "chart/components/TeeSeriesTypes.h"
#include "chart/core/Teeconst.h"
#include "platform/ClassRegistry.h"

namespace {
// Starts not yet finished: only the first start registers and only the last finish unregisters.
int startups = 0;
} // namespace

void SeriesInitialize()
{
    if (startups++ > 0)
        return;
    RegisterAbstractClassOf<TChartSeries>(QStringLiteral("TChartSeries"), QString());
    RegisterAbstractClassOf<TCustomLineSeries>(QStringLiteral("TCustomLineSeries"), QStringLiteral("TChartSeries"));
    RegisterClassOf<TFastLineSeries>(QStringLiteral("TFastLineSeries"), QStringLiteral("TCustomLineSeries"));
    RegisterAbstractClassOf<TCustomSeries>(QStringLiteral("TCustomSeries"), QStringLiteral("TCustomLineSeries"));
    RegisterClassOf<TLineSeries>(QStringLiteral("TLineSeries"), QStringLiteral("TCustomSeries"));
    RegisterClassOf<THorizLineSeries>(QStringLiteral("THorizLineSeries"), QStringLiteral("TLineSeries"));
    RegisterClassOf<TPointSeries>(QStringLiteral("TPointSeries"), QStringLiteral("TCustomSeries"));
    RegisterClassOf<TAreaSeries>(QStringLiteral("TAreaSeries"), QStringLiteral("TCustomSeries"));
    RegisterClassOf<THorizAreaSeries>(QStringLiteral("THorizAreaSeries"), QStringLiteral("TAreaSeries"));
    RegisterAbstractClassOf<TCustomBarSeries>(QStringLiteral("TCustomBarSeries"), QStringLiteral("TChartSeries"));
    RegisterClassOf<TBarSeries>(QStringLiteral("TBarSeries"), QStringLiteral("TCustomBarSeries"));
    RegisterAbstractClassOf<TCircledSeries>(QStringLiteral("TCircledSeries"), QStringLiteral("TChartSeries"));
    RegisterClassOf<TPieSeries>(QStringLiteral("TPieSeries"), QStringLiteral("TCircledSeries"));
    RegisterClassOf<THorizBarSeries>(QStringLiteral("THorizBarSeries"), QStringLiteral("TCustomBarSeries"));
}

void SeriesFinalize()
{
    if (startups == 0 || --startups > 0)
        return;
    UnRegisterClassOf<THorizBarSeries>();
    UnRegisterClassOf<TPieSeries>();
    UnRegisterClassOf<TCircledSeries>();
    UnRegisterClassOf<TBarSeries>();
    UnRegisterClassOf<TCustomBarSeries>();
    UnRegisterClassOf<THorizAreaSeries>();
    UnRegisterClassOf<TAreaSeries>();
    UnRegisterClassOf<TPointSeries>();
    UnRegisterClassOf<THorizLineSeries>();
    UnRegisterClassOf<TLineSeries>();
    UnRegisterClassOf<TCustomSeries>();
    UnRegisterClassOf<TFastLineSeries>();
    UnRegisterClassOf<TCustomLineSeries>();
    UnRegisterClassOf<TChartSeries>();
}

void RegisterTeeStandardSeries()
{
    // The gallery keeps pointers to the message texts, not copies, so it shows them in the
    // language they hold when it is opened.
    const QString* page = &TeeMsg_GalleryStandard;
    RegisterTeeSeries(ClassOf<TLineSeries>(), &TeeMsg_GalleryLine, page, 2);
    RegisterTeeSeries(ClassOf<TBarSeries>(), &TeeMsg_GalleryBar, page, 2);
    RegisterTeeSeries(ClassOf<THorizBarSeries>(), &TeeMsg_GalleryHorizBar, page, 2);
    RegisterTeeSeries(ClassOf<TAreaSeries>(), &TeeMsg_GalleryArea, page, 2);
    RegisterTeeSeries(ClassOf<TPointSeries>(), &TeeMsg_GalleryPoint, page, 2);
    RegisterTeeSeries(ClassOf<TPieSeries>(), &TeeMsg_GalleryPie, page, 1);
    RegisterTeeSeries(ClassOf<TFastLineSeries>(), &TeeMsg_GalleryFastLine, page, 2);
    RegisterTeeSeries(ClassOf<THorizLineSeries>(), &TeeMsg_GalleryHorizLine, page, 1);
    RegisterTeeSeries(ClassOf<THorizAreaSeries>(), &TeeMsg_GalleryHorizArea, page, 1);
}
