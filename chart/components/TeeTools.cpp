#include "chart/components/TeeTools.h"

#include "chart/components/TeeSeriesTypes.h"
#include "platform/ClassRegistry.h"

void TeeToolsInitialize()
{
    RegisterAbstractClassOf<TTeeCustomTool>(QStringLiteral("TTeeCustomTool"), QStringLiteral("TComponent"));
    RegisterAbstractClassOf<TTeeCustomToolSeries>(QStringLiteral("TTeeCustomToolSeries"),
                                                  QStringLiteral("TTeeCustomTool"));
    RegisterAbstractClassOf<TTeeCustomToolAxis>(QStringLiteral("TTeeCustomToolAxis"), QStringLiteral("TTeeCustomTool"));
    RegisterClassOf<TDrawLineTool>(QStringLiteral("TDrawLineTool"), QStringLiteral("TTeeCustomToolSeries"));
    RegisterClassOf<TNearestTool>(QStringLiteral("TNearestTool"), QStringLiteral("TTeeCustomToolSeries"));
    RegisterClassOf<TColorBandTool>(QStringLiteral("TColorBandTool"), QStringLiteral("TTeeCustomToolAxis"));
    RegisterClassOf<TColorLineTool>(QStringLiteral("TColorLineTool"), QStringLiteral("TTeeCustomToolAxis"));
}

void TeeToolsFinalize()
{
    UnRegisterClassOf<TColorLineTool>();
    UnRegisterClassOf<TColorBandTool>();
    UnRegisterClassOf<TNearestTool>();
    UnRegisterClassOf<TDrawLineTool>();
    UnRegisterClassOf<TTeeCustomToolAxis>();
    UnRegisterClassOf<TTeeCustomToolSeries>();
    UnRegisterClassOf<TTeeCustomTool>();
}
