#include "app/Unit2.h"

#include "ui_Unit2.h"

#include "app/ExceptionDisplay.h"
#include "app/FormFonts.h"
#include "app/ProgramIcon.h"
#include "app/WebLinks.h"
#include "platform/widgets/Dialogs.h"

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    RegisterFontSubstitutes();
    Ui::TAboutBox ui;
    ui.setupUi(this);
    Panel1 = ui.Panel1;
    ProgramIcon = ui.ProgramIcon;
    ProductName = ui.ProductName;
    Version = ui.Version;
    Copyright = ui.Copyright;
    OKButton = ui.OKButton;
    Label1 = ui.Label1;
    Label2 = ui.Label2;
    QFont face = DefaultFormFont();
    setFont(face);
    // The link labels keep their underline over the form's face.
    face.setUnderline(true);
    Label1->setFont(face);
    Label2->setFont(face);
    ProgramIcon->setPixmap(ProgramPixmap());
    setWindowIcon(::ProgramIcon());
    // A dialog border: fixed size, no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(298, 213);
    connect(Label1, &LinkLabel::clicked, this, [this] { RunGuarded(this, [this] { Label1Click(); }); });
    connect(Label2, &LinkLabel::clicked, this, [this] { RunGuarded(this, [this] { Label2Click(); }); });
}

void TAboutBox::Label1Click()
{
    Dialogs().OpenUrl(HomePageUrl());
}

void TAboutBox::Label2Click()
{
    Dialogs().OpenUrl(MailUrl());
}
