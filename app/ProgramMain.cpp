#include "app/ProgramMain.h"

#include "app/ExceptionDisplay.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "chart/components/UnitStartup.h"
#include "platform/widgets/SystemPrinter.h"

int ProgramMain(int& argc, char** argv)
{
    TApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelvaro"));
    int rc = 0;
    InitializeUnits();
    InitializeSystemPrinter();
    {
        TMainForm mainForm;
        TAboutBox aboutBox(&mainForm);
        mainForm.SetAboutBox(&aboutBox);
        mainForm.show();
        rc = QApplication::exec();
    }
    FinalizeSystemPrinter();
    FinalizeUnits();
    return rc;
}
