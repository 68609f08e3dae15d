// Test main for the suites that need Qt: one application object and the unit start-up,
// exactly as the program's own main() does it.
#include <QApplication>
#include <gtest/gtest.h>

#include "chart/editors/AllUnits.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                   : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    InitializeAllUnits();
    const int rc = RUN_ALL_TESTS();
    FinalizeAllUnits();
    return rc;
}
