#include "chart/components/TeeTools.h"

#include "chart/components/TeeSeriesTypes.h"
#include "platform/ClassRegistry.h"

void TeeToolsInitialize()
{
    RegisterAbstractClassOf<TTeeCustomTool>(QStringLiteral("TTeeCustomTool"), QStringLiteral("TComponent"));
    RegisterAbstractClassOf<TTeeCustomToolSeries>(QStringLiteral("TTeeCustomToolSeries"),
                                                  QStringLiteral("TTeeCustomTool"));
    RegisterAbstractClassOf<TTeeCustomToolAxis>(QStringLiteral("TTeeCustomToolAxis"), QStringLiteral("TTeeCustomTool"));
    const QString seriesTool = QStringLiteral("TTeeCustomToolSeries");
    const QString axisTool = QStringLiteral("TTeeCustomToolAxis");
    RegisterTeeTools({
        RegisterClassOf<TCursorTool>(QStringLiteral("TCursorTool"), seriesTool),
        RegisterClassOf<TDragMarksTool>(QStringLiteral("TDragMarksTool"), seriesTool),
        RegisterClassOf<TAxisArrowTool>(QStringLiteral("TAxisArrowTool"), axisTool),
        RegisterClassOf<TDrawLineTool>(QStringLiteral("TDrawLineTool"), seriesTool),
        RegisterClassOf<TNearestTool>(QStringLiteral("TNearestTool"), seriesTool),
        RegisterClassOf<TColorBandTool>(QStringLiteral("TColorBandTool"), axisTool),
        RegisterClassOf<TColorLineTool>(QStringLiteral("TColorLineTool"), axisTool),
    });
}

void TeeToolsFinalize()
{
    UnRegisterTeeTools({ClassOf<TCursorTool>(), ClassOf<TDragMarksTool>(), ClassOf<TAxisArrowTool>(),
                        ClassOf<TDrawLineTool>(), ClassOf<TNearestTool>(), ClassOf<TColorBandTool>(),
                        ClassOf<TColorLineTool>()});
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
