#include "chart/components/TeeTools.h"

#include "chart/components/TeeSeriesTypes.h"
#include "platform/ClassRegistry.h"

void TeeToolsInitialize()
{
    RegisterAbstractClassOf<TTeeCustomTool>(QStringLiteral("TTeeCustomTool"), QStringLiteral("TComponent"));
    RegisterAbstractClassOf<TTeeCustomToolSeries>(QStringLiteral("TTeeCustomToolSeries"),
                                                  QStringLiteral("TTeeCustomTool"));
    RegisterAbstractClassOf<TTeeCustomToolAxis>(QStringLiteral("TTeeCustomToolAxis"), QStringLiteral("TTeeCustomTool"));
}

void TeeToolsFinalize()
{
    UnRegisterClassOf<TTeeCustomToolAxis>();
    UnRegisterClassOf<TTeeCustomToolSeries>();
    UnRegisterClassOf<TTeeCustomTool>();
}
