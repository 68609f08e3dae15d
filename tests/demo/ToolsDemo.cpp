// The chart tools in a real window, for trying them by hand. Not part of the program.
#include <QApplication>

#include "ToolsDemoWindow.h"
#include "chart/editors/AllUnits.h"
#include "platform/widgets/QtApplicationServices.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InitializeAllUnits();
    InitializeApplicationServices();
    int rc = 0;
    {
        ToolsDemoWindow window;
        window.show();
        rc = app.exec();
    }
    FinalizeApplicationServices();
    FinalizeAllUnits();
    return rc;
}
