#include "FuzzTargets.h"

#include <QApplication>
#include <QByteArray>
#include <vector>

#include "chart/editors/AllUnits.h"

namespace {

QApplication* application = nullptr;

std::vector<std::function<void()>>& Releases()
{
    static std::vector<std::function<void()>> releases;
    return releases;
}

} // namespace

void FuzzStartUp(int* argc, char*** argv)
{
    if (application)
        return;
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives for the whole process: inputs come and go, the application stays.
    application = new QApplication(*argc, *argv);
    // Every unit, as the program starts them: the drag-point tool is registered by its editor's.
    InitializeAllUnits();
}

void FuzzAtShutDown(std::function<void()> release)
{
    Releases().push_back(std::move(release));
}

void FuzzShutDown()
{
    for (auto it = Releases().rbegin(); it != Releases().rend(); ++it)
        (*it)();
    Releases().clear();
    FinalizeAllUnits();
    delete application;
    application = nullptr;
}
