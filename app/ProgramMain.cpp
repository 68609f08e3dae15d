#include "app/ProgramMain.h"

#include "app/ExceptionDisplay.h"
#include "app/QtTranslations.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "chart/editors/AllUnits.h"
#include "chart/core/TeeEngineSettings.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/QtApplicationServices.h"
#include "platform/widgets/SystemPrinter.h"

int ProgramMain(int& argc, char** argv)
{
    TApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelvaro"));
    InstallQtTranslations();
    int rc = 0;
    InitializeAllUnits();
    // The chart engine's messages to the user appear as error boxes.
    TeeMessageUserHandler = [](const QString& text) { Dialogs().ErrorMessage(nullptr, text); };
    InitializeSystemPrinter();
    InitializeApplicationServices();
    {
        TMainForm mainForm;
        TAboutBox aboutBox(&mainForm);
        mainForm.SetAboutBox(&aboutBox);
        mainForm.show();
        rc = QApplication::exec();
    }
    FinalizeApplicationServices();
    FinalizeSystemPrinter();
    FinalizeAllUnits();
    return rc;
}
