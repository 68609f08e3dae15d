#pragma once

#include <QDialog>
#include <QString>

class LinkLabel;
class QFrame;
class QLabel;
class QPushButton;

// The about box: program name, version, the maker and links to the maker's page and mail.
// Created once at start-up and shown again on every request.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // Components of the form (resources/Unit2.ui), in the order of its fields.
    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QPushButton* OKButton = nullptr;
    LinkLabel* Label1 = nullptr;
    LinkLabel* Label2 = nullptr;

    explicit TAboutBox(QWidget* parent = nullptr);

    // "Torvikのページ": the home page.
    void Label1Click();
    // The maker's name: the mail link.
    void Label2Click();
};
