#pragma once

// A dialog seam that answers for the user and records what the window asked, so that the
// main-window tests never block on a modal dialog or launch another program.
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "platform/widgets/Dialogs.h"

class RecordingSeam : public DialogSeam {
public:
    RecordingSeam() { SetDialogSeam(this); }
    ~RecordingSeam() override { SetDialogSeam(nullptr); }

    void ErrorMessage(QWidget*, const QString& text) override { errors << text; }
    void ExceptionMessage(QWidget*, const QString& text) override { exceptions << text; }
    bool OpenFileDialog(QWidget*, const QString& filter, QString& fileName) override
    {
        return Answer(openAnswers, filter, fileName, openCount);
    }
    bool SaveFileDialog(QWidget*, const QString& filter, QString& fileName) override
    {
        return Answer(saveAnswers, filter, fileName, saveCount);
    }
    int ExecModal(QDialog* dialog) override
    {
        modalDialogs << dialog;
        return QDialog::Accepted;
    }
    void OpenUrl(const QString& url) override { urls << url; }
    void StartProgram(const QString& program, const QStringList& arguments) override
    {
        programs << program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
    }

    // Each file dialog takes the next answer: a chosen path, or nullopt for a cancel.
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    int openCount = 0;
    int saveCount = 0;
    QString lastFilter;
    QStringList errors;
    QStringList exceptions;
    QList<QDialog*> modalDialogs;
    QStringList urls;
    QStringList programs;

private:
    bool Answer(std::deque<std::optional<QString>>& answers, const QString& filter,
                QString& fileName, int& count)
    {
        ++count;
        lastFilter = filter;
        if (answers.empty())
            return false;
        const std::optional<QString> answer = answers.front();
        answers.pop_front();
        if (!answer)
            return false;
        fileName = *answer;
        return true;
    }
};
