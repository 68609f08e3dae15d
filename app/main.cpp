#include <QApplication>
#include <QMainWindow>

#include "chart/components/UnitStartup.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelvaro"));
    InitializeUnits();
    int rc = 0;
    {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("Pelvaro"));
        window.resize(800, 600);
        window.show();
        rc = QApplication::exec();
    }
    FinalizeUnits();
    return rc;
}
