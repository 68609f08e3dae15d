#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <utility>

class QWidget;

// The text that the exception display shows for an exception: the message of one of the
// platform's exceptions, the description of a standard one, the empty text for anything else.
QString ExceptionText(std::exception_ptr error);

// Shows an exception in the application's exception display (a critical message box).
void ShowException(QWidget* parent, std::exception_ptr error);

// Runs a command; an exception that escapes it is shown and goes no further, so that one
// failed command never ends the program.
template <class Command>
void RunGuarded(QWidget* parent, Command&& command)
{
    try {
        std::forward<Command>(command)();
    } catch (...) {
        ShowException(parent, std::current_exception());
    }
}

// The application object: an exception that escapes an event handler reaches the exception
// display instead of ending the program.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
