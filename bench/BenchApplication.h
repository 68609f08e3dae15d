#pragma once

// The one Qt application of a benchmark program: offscreen unless the caller chose a
// platform, with the units started once, before the first measured case. With
// PELVARO_FAST_PATHS=off in the environment every case runs with the fast paths off, which
// times what they save.
#include <QString>
#include <QtGlobal>

#include "chart/components/UnitStartup.h"
#include "platform/graphics/FastPaths.h"

inline void FastPathsFromEnvironment()
{
    if (qEnvironmentVariable("PELVARO_FAST_PATHS") == QLatin1String("off"))
        TeeFastPaths::SetOn(false);
}

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
        FastPathsFromEnvironment();
        return a;
    }();
    return *app;
}
