#pragma once

// The one Qt application of a benchmark program: offscreen unless the caller chose a
// platform, with the units started once, before the first measured case.
#include <QtGlobal>

#include "chart/components/UnitStartup.h"

template <class App>
App& BenchApplication()
{
    static int argc = 1;
    static char name[] = "pelvaro_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static App* app = [] {
        auto* a = new App(argc, argv);
        InitializeUnits();
        return a;
    }();
    return *app;
}
