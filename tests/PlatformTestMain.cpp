// Test main for the platform suite: one application object and the platform's own start-up,
// without the chart units above it.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/Platform.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                   : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    PlatformInitialize();
    const int rc = RUN_ALL_TESTS();
    PlatformFinalize();
    return rc;
}
