#include "chart/core/TeeEngineSettings.h"

#include "chart/core/ChartAxis.h"
#include "chart/core/ChartAxisTitle.h"
#include "chart/core/SeriesMarks.h"
#include "chart/core/TeeFunction.h"
#include "chart/core/TeeSeriesSource.h"
#include "platform/ClassRegistry.h"
#include <QDebug>

QChar TeeColumnSeparator = QChar(6);
QChar TeeLineSeparator = QChar(13);
bool TeeCheckMarkArrowColor = false;
bool TeeRandomAtRunTime = false;
int32_t clTeeGallery1 = 1;
int32_t clTeeGallery2 = 4;
int32_t TeeDefaultCapacity = 1000;
TTeeMessageUserHandler TeeMessageUserHandler = nullptr;

namespace {
int startCount = 0;
constexpr int messageBufferChars = 1024;
} // namespace

void ShowMessageUser(const QString& text)
{
    // The text goes through a fixed buffer that keeps room for its terminator.
    const QString shown = text.left(messageBufferChars - 1);
    if (TeeMessageUserHandler)
        TeeMessageUserHandler(shown);
    else
        qWarning().noquote() << shown;
}

void TeEngineInitialize()
{
    if (startCount++ != 0)
        return;
    // Classes that streams name but that are only ever created by their owners.
    RegisterAbstractClassOf<TChartAxisTitle>(QStringLiteral("TChartAxisTitle"), QStringLiteral("TPersistent"));
    RegisterAbstractClassOf<TChartAxis>(QStringLiteral("TChartAxis"), QStringLiteral("TCollectionItem"));
    RegisterAbstractClassOf<TChartDepthAxis>(QStringLiteral("TChartDepthAxis"), QStringLiteral("TChartAxis"));
    RegisterAbstractClassOf<TSeriesMarks>(QStringLiteral("TSeriesMarks"), QStringLiteral("TPersistent"));
    // Functions can be created by name: a series copied from another gets a function of the
    // same class.
    RegisterClassOf<TTeeFunction>(QStringLiteral("TTeeFunction"), QStringLiteral("TComponent"));
    RegisterClassOf<TTeeMovingFunction>(QStringLiteral("TTeeMovingFunction"), QStringLiteral("TTeeFunction"));
}

void TeEngineFinalize()
{
    if (startCount == 0 || --startCount != 0)
        return;
    TeeSourcesFinalize();
    UnRegisterClassOf<TTeeMovingFunction>();
    UnRegisterClassOf<TTeeFunction>();
    UnRegisterClassOf<TSeriesMarks>();
    UnRegisterClassOf<TChartDepthAxis>();
    UnRegisterClassOf<TChartAxis>();
    UnRegisterClassOf<TChartAxisTitle>();
}
