#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/Colors.h"

class QDialog;
class QWidget;

// The program's modal and external seams: message boxes, file dialogs, modal forms and
// launches of other programs. Everything that would block or leave the process goes through
// the installed DialogSeam, so that tests can answer for the user.
class DialogSeam {
public:
    virtual ~DialogSeam() = default;

    // A message with the error icon and one OK button.
    virtual void ErrorMessage(QWidget* parent, const QString& text);
    // The application's display of an exception that escaped a command: a critical box.
    virtual void ExceptionMessage(QWidget* parent, const QString& text);
    // File dialogs. fileName holds the dialog's current name on entry and the chosen name
    // when the user confirms; it is left unchanged on cancel. filter uses the "name|*.ext"
    // form of the file dialogs ("Pelvaroファイル|*.sim").
    virtual bool OpenFileDialog(QWidget* parent, const QString& filter, QString& fileName);
    virtual bool SaveFileDialog(QWidget* parent, const QString& filter, QString& fileName);
    // A colour dialog preset to color with the given custom colours ("ColorA=BBGGRR" ...).
    // Returns true when accepted, with color and customColors updated.
    virtual bool ColorDialog(QWidget* parent, TColor& color, QStringList& customColors);
    // Shows a dialog modally and returns its result.
    virtual int ExecModal(QDialog* dialog);
    // Opens a document or web address with the desktop's handler; failures leave no trace.
    virtual void OpenUrl(const QString& url);
    // Starts a program with arguments, detached; failures leave no trace.
    virtual void StartProgram(const QString& program, const QStringList& arguments);
};

// The seam in use. Never null: the default one shows real dialogs.
DialogSeam& Dialogs();
// Installs a replacement (not owned); nullptr restores the default.
void SetDialogSeam(DialogSeam* seam);

// Translates a "name|pattern|name|pattern" filter into the Qt form "name (pattern);;...".
QString QtFileFilter(const QString& filter);

// "ColorA=BBGGRR" style entries to and from colours (slots A to P).
QStringList CustomColorEntries(const QList<TColor>& colors);
QList<TColor> CustomColorValues(const QStringList& entries);

// A file dialog component: a file name that persists between showings and a filter.
class TFileDialog {
public:
    enum class Kind { Open, Save };
    TFileDialog(Kind kind, QString fileName, QString filter);

    // Shows the dialog; on confirmation FileName becomes the chosen path.
    bool Execute(QWidget* parent);

    QString FileName;
    QString Filter;

private:
    Kind kind;
};
