#include "app/ExceptionDisplay.h"

#include "platform/widgets/Dialogs.h"
#include "platform/Exceptions.h"

QString ExceptionText(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QString();
    }
}

void ShowException(QWidget* parent, std::exception_ptr error)
{
    Dialogs().ExceptionMessage(parent, ExceptionText(error));
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowException(nullptr, std::current_exception());
        return true;
    }
}
