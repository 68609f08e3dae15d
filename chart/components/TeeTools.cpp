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
    const QString tool = QStringLiteral("TTeeCustomTool");
    const QString seriesTool = QStringLiteral("TTeeCustomToolSeries");
    const QString axisTool = QStringLiteral("TTeeCustomToolAxis");
    // The tool types list the tools in this order.
    RegisterTeeTools({
        RegisterClassOf<TCursorTool>(QStringLiteral("TCursorTool"), seriesTool),
        RegisterClassOf<TDragMarksTool>(QStringLiteral("TDragMarksTool"), seriesTool),
        RegisterClassOf<TAxisArrowTool>(QStringLiteral("TAxisArrowTool"), axisTool),
        RegisterClassOf<TDrawLineTool>(QStringLiteral("TDrawLineTool"), seriesTool),
        RegisterClassOf<TNearestTool>(QStringLiteral("TNearestTool"), seriesTool),
        RegisterClassOf<TColorBandTool>(QStringLiteral("TColorBandTool"), axisTool),
        RegisterClassOf<TColorLineTool>(QStringLiteral("TColorLineTool"), axisTool),
        RegisterClassOf<TRotateTool>(QStringLiteral("TRotateTool"), tool),
        RegisterClassOf<TChartImageTool>(QStringLiteral("TChartImageTool"), seriesTool),
        RegisterClassOf<TMarksTipTool>(QStringLiteral("TMarksTipTool"), seriesTool),
        RegisterClassOf<TAnnotationTool>(QStringLiteral("TAnnotationTool"), tool),
        RegisterClassOf<TSeriesAnimationTool>(QStringLiteral("TSeriesAnimationTool"), seriesTool),
        RegisterClassOf<TGridBandTool>(QStringLiteral("TGridBandTool"), axisTool),
    });
}

void TeeToolsFinalize()
{
    if (startups == 0 || --startups > 0)
        return;
    UnRegisterTeeTools({ClassOf<TCursorTool>(), ClassOf<TDragMarksTool>(), ClassOf<TAxisArrowTool>(),
                        ClassOf<TDrawLineTool>(), ClassOf<TNearestTool>(), ClassOf<TColorBandTool>(),
                        ClassOf<TColorLineTool>(), ClassOf<TRotateTool>(), ClassOf<TChartImageTool>(), ClassOf<TMarksTipTool>(),
                        ClassOf<TAnnotationTool>(), ClassOf<TSeriesAnimationTool>(), ClassOf<TGridBandTool>()});
    UnRegisterClassOf<TGridBandTool>();
    UnRegisterClassOf<TSeriesAnimationTool>();
    UnRegisterClassOf<TAnnotationTool>();
    UnRegisterClassOf<TMarksTipTool>();
    UnRegisterClassOf<TChartImageTool>();
    UnRegisterClassOf<TRotateTool>();
    UnRegisterClassOf<TColorLineTool>();
    UnRegisterClassOf<TColorBandTool>();
    UnRegisterClassOf<TNearestTool>();
    UnRegisterClassOf<TDrawLineTool>();
    UnRegisterClassOf<TAxisArrowTool>();
    UnRegisterClassOf<TDragMarksTool>();
    UnRegisterClassOf<TCursorTool>();
    UnRegisterClassOf<TTeeCustomToolAxis>();
    UnRegisterClassOf<TTeeCustomToolSeries>();
    UnRegisterClassOf<TTeeCustomTool>();
}
