#include "chart/components/TeeTools.h"

#include "chart/components/TeeSeriesTypes.h"
#include "platform/ClassRegistry.h"

namespace {
int startups = 0;
}

void TeeToolsInitialize()
{
    if (startups++ > 0)
        return;
    RegisterAbstractClassOf<TTeeCustomTool>(QStringLiteral("TTeeCustomTool"), QStringLiteral("TComponent"));
    RegisterAbstractClassOf<TTeeCustomToolSeries>(QStringLiteral("TTeeCustomToolSeries"),
                                                  QStringLiteral("TTeeCustomTool"));
    RegisterAbstractClassOf<TTeeCustomToolAxis>(QStringLiteral("TTeeCustomToolAxis"), QStringLiteral("TTeeCustomTool"));
    // The tool types list the tools in this order.
    RegisterTeeTools({
        RegisterClassOf<TRotateTool>(QStringLiteral("TRotateTool"), QStringLiteral("TTeeCustomTool")),
        RegisterClassOf<TChartImageTool>(QStringLiteral("TChartImageTool"), QStringLiteral("TTeeCustomToolSeries")),
        RegisterClassOf<TMarksTipTool>(QStringLiteral("TMarksTipTool"), QStringLiteral("TTeeCustomToolSeries")),
        RegisterClassOf<TAnnotationTool>(QStringLiteral("TAnnotationTool"), QStringLiteral("TTeeCustomTool")),
        RegisterClassOf<TSeriesAnimationTool>(QStringLiteral("TSeriesAnimationTool"),
                                              QStringLiteral("TTeeCustomToolSeries")),
        RegisterClassOf<TGridBandTool>(QStringLiteral("TGridBandTool"), QStringLiteral("TTeeCustomToolAxis")),
    });
}

void TeeToolsFinalize()
{
    if (startups == 0 || --startups > 0)
        return;
    UnRegisterTeeTools({ClassOf<TRotateTool>(), ClassOf<TChartImageTool>(), ClassOf<TMarksTipTool>(),
                        ClassOf<TAnnotationTool>(), ClassOf<TSeriesAnimationTool>(), ClassOf<TGridBandTool>()});
    UnRegisterClassOf<TGridBandTool>();
    UnRegisterClassOf<TSeriesAnimationTool>();
    UnRegisterClassOf<TAnnotationTool>();
    UnRegisterClassOf<TMarksTipTool>();
    UnRegisterClassOf<TChartImageTool>();
    UnRegisterClassOf<TRotateTool>();
    UnRegisterClassOf<TTeeCustomToolAxis>();
    UnRegisterClassOf<TTeeCustomToolSeries>();
    UnRegisterClassOf<TTeeCustomTool>();
}
