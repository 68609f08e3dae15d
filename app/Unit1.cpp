// The main window: construction, the form's set-up and the small menu commands.
#include "app/Unit1.h"

#include "ui_Unit1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <vector>

#include "app/ExceptionDisplay.h"
#include "app/FormFonts.h"
#include "app/ProgramIcon.h"
#include "app/ResultListViewData.h"
#include "app/Unit2.h"
#include "app/WebLinks.h"
#include "platform/DateTime.h"
#include "platform/SysUtils.h"

namespace {

const QString simFilter = QStringLiteral("Pelvaroファイル|*.sim");
const QString simFileName = QStringLiteral("*.sim");
// The client area is 606 × 697: the pages and charts above, the status bar below.
constexpr int ClientWidth = 606;
constexpr int ClientHeight = 697;
constexpr int StatusBarHeight = 21;

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent),
      OpenDialog(TFileDialog::Kind::Open, simFileName, simFilter),
      SaveDialog(TFileDialog::Kind::Save, simFileName, simFilter)
{
    RegisterFontSubstitutes();
    // The form's face first: the style sheet of the form description fixes each child's
    // font when it is applied, so a face set afterwards would never reach them.
    setFont(DefaultFormFont());
    ui.setupUi(this);
    SetUpForm();
    ConnectHandlers();
}

TMainForm::~TMainForm()
{
    qDeleteAll(pendingBonusRows);
    qDeleteAll(pendingModeChangeRows);
}

void TMainForm::SetUpForm()
{
    ui.Label5->setFont(FormFont(QStringLiteral("ＭＳ Ｐゴシック"), 11));
    setWindowIcon(ProgramIcon());
    // A single fixed border with the system menu and the minimise box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    ui.FlevelComboBox->setCurrentIndex(0);
    ui.PageControl1->setCurrentIndex(0);

    SetUpListViews();
    SetUpStatusBar();
    charts.Attach(ui.SlumpChart, ui.SlumpChart2, ui.KoyakuChart, ui.ModeStayChart);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    Timer1->start();

    centralWidget()->setFixedSize(ClientWidth, ClientHeight - StatusBarHeight);
    ui.StatusBar1->setFixedHeight(StatusBarHeight);
    adjustSize();
    setFixedSize(size());
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void TMainForm::SetUpListViews()
{
    resultListModel = new ::ResultListViewData(resultRowLists, this);
    ui.ResultListView->setModel(resultListModel);
    ui.ResultListView->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui.ResultListView->horizontalHeader()->setHighlightSections(false);
    const int resultWidths[] = {60, 60, 90, 70, 70, 150};
    for (int c = 0; c < 6; ++c)
        ui.ResultListView->setColumnWidth(c, resultWidths[c]);

    // Column widths of the other lists, in the order of their columns.
    const std::pair<QTreeWidget*, std::vector<int>> columns[] = {
        {ui.BListView, {60, 60, 80, 60, 70}},
        {ui.ModeChangeListView, {70, 70, 90, 80}},
        {ui.KoyakuListView, {70, 70, 70, 80}},
        {ui.ModeStayListView, {70, 80, 70, 80}},
        {ui.NBZMListView, {80, 60, 60, 60, 100}},
        {ui.BModeChangeListView, {70, 70}},
    };
    for (const auto& [list, widths] : columns) {
        int c = 0;
        for (int width : widths)
            list->setColumnWidth(c++, width);
        list->header()->setStretchLastSection(false);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
    }
    // The bonus list moves down by pixels as bonuses end.
    ui.BListView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void TMainForm::SetUpStatusBar()
{
    for (int i = 0; i < 2; ++i) {
        statusPanels[i] = new QLabel(ui.StatusBar1);
        statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    }
    // The window keeps its size, so the bar needs no grip; the clock gets that room too.
    ui.StatusBar1->setSizeGripEnabled(false);
    // The first panel is 450 wide unless the locale's clock text needs some of that: the clock
    // always shows whole.
    const int clockWidth = ClockTextWidth(statusPanels[1]->fontMetrics());
    statusPanels[0]->setFixedWidth(std::min(450, ClientWidth - clockWidth - StatusBarSlack));
    statusPanels[1]->setMinimumWidth(clockWidth);
    // The last panel reaches to the right edge, its text centred.
    statusPanels[1]->setAlignment(Qt::AlignCenter);
    ui.StatusBar1->addWidget(statusPanels[0]);
    ui.StatusBar1->addWidget(statusPanels[1], 1);
}

int TMainForm::ClockTextWidth(const QFontMetrics& metrics)
{
    // Every month and weekday (long names may show), two-digit days and hours, morning and
    // afternoon: the widest of these is the widest the clock shows.
    int widest = 0;
    for (int month = 1; month <= 12; ++month)
        for (int day = 22; day <= 28; ++day)
            for (int hour : {10, 22})
                widest = std::max(widest, metrics.horizontalAdvance(DateTimeToStr(
                                              EncodeDate(2088, month, day) + EncodeTime(hour, 58, 58, 0))));
    return widest;
}

void TMainForm::ConnectHandlers()
{
    // Every handler reached from the window runs guarded: an escaping exception is shown in
    // the exception display and the window carries on.
    auto guarded = [this](void (TMainForm::*handler)()) {
        return [this, handler] { RunGuarded(this, [&] { (this->*handler)(); }); };
    };
    connect(ui.FileStartMenu, &QAction::triggered, this, guarded(&TMainForm::FileStartMenuClick));
    connect(ui.FileExitMenu, &QAction::triggered, this, guarded(&TMainForm::FileExitMenuClick));
    connect(ui.HelpAboutMenu, &QAction::triggered, this, guarded(&TMainForm::HelpAboutMenuClick));
    connect(ui.StartButton, &QPushButton::clicked, this, guarded(&TMainForm::StartButtonClic));
    connect(ui.HelpManMenu, &QAction::triggered, this, guarded(&TMainForm::HelpManMenuClick));
    connect(ui.FlevelButton, &QPushButton::clicked, this, guarded(&TMainForm::FlevelButtonClick));
    connect(ui.FileSaveMenu, &QAction::triggered, this, guarded(&TMainForm::FileSaveMenuClick));
    connect(ui.FileOpenMenu, &QAction::triggered, this, guarded(&TMainForm::FileOpenMenuClick));
    connect(Timer1, &QTimer::timeout, this, guarded(&TMainForm::Timer1Timer));
    connect(ui.BIGCheckBox, &QCheckBox::clicked, this, guarded(&TMainForm::BIGCheckBoxClick));
    connect(ui.REGCheckBox, &QCheckBox::clicked, this, guarded(&TMainForm::REGCheckBoxClick));
    connect(ui.CherryCheckBox, &QCheckBox::clicked, this, guarded(&TMainForm::CherryCheckBoxClick));
    connect(ui.Cherry_sCheckBox, &QCheckBox::clicked, this,
            guarded(&TMainForm::Cherry_sCheckBoxClick));
    connect(ui.RakudaCheckBox, &QCheckBox::clicked, this, guarded(&TMainForm::RakudaCheckBoxClick));
    connect(ui.JWord1, &QAction::triggered, this, guarded(&TMainForm::JWord1Click));
    connect(ui.TukiCheckBox, &QCheckBox::clicked, this, guarded(&TMainForm::TukiCheckBoxClick));
    connect(ui.N3, &QAction::triggered, this, guarded(&TMainForm::N3Click));
    connect(ui.N4, &QAction::triggered, this, guarded(&TMainForm::N4Click));
    connect(ui.ChanceCheckBox, &QCheckBox::clicked, this, guarded(&TMainForm::ChanceCheckBoxClick));
}

QString TMainForm::StatusText(int panel) const
{
    return panel >= 0 && panel < 2 ? statusPanels[panel]->text() : QString();
}

void TMainForm::SetStatusText(int panel, const QString& text)
{
    if (panel >= 0 && panel < 2)
        statusPanels[panel]->setText(text);
}

void TMainForm::SetProgress(int position)
{
    // The bar ignores a value outside its range; a position past the end means full.
    ui.ProgressBar1->setValue(std::clamp(position, ui.ProgressBar1->minimum(), ui.ProgressBar1->maximum()));
}

void TMainForm::ProcessMessages()
{
    QCoreApplication::processEvents();
    messagePacer.Restart();
}

void TMainForm::ProcessMessagesWhenDue()
{
    if (messagePacer.Due() && !closing)
        ProcessMessages();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // A command in progress sees this and stops at its next message point.
    closing = true;
    QMainWindow::closeEvent(event);
}

QStringList TMainForm::ResultListViewData(int row) const
{
    return resultListModel->Item(row);
}

// ---- Small commands ----

void TMainForm::FileExitMenuClick()
{
    close();
}

void TMainForm::HelpAboutMenuClick()
{
    if (!aboutBox)
        aboutBox = new TAboutBox(this);
    Dialogs().ExecModal(aboutBox);
}

QString TMainForm::ProgramFolder()
{
    QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

void TMainForm::HelpManMenuClick()
{
    Dialogs().OpenUrl(QUrl::fromLocalFile(ProgramFolder() + QStringLiteral("pelv.hlp")).toString());
}

void TMainForm::JWord1Click()
{
    Dialogs().StartProgram(ProgramFolder() + QStringLiteral("jwv_for_QB714260.exe"),
                           {QStringLiteral("QB714260"), QStringLiteral("1")});
}

void TMainForm::N3Click()
{
    Dialogs().OpenUrl(HomePageUrl());
}

void TMainForm::N4Click()
{
    Dialogs().OpenUrl(AdvertPageUrl());
}

void TMainForm::FlevelButtonClick()
{
    ui.FlevelComboBox->setEditText(IntToStr(slot.GetSetting()));
}

void TMainForm::Timer1Timer()
{
    SetStatusText(1, DateTimeToStr(Now()));
}

// ---- Role marker check boxes ----

void TMainForm::BIGCheckBoxClick()
{
    charts.SetActive(ResultCharts::BIG, ui.BIGCheckBox->checkState() == Qt::Checked);
}

void TMainForm::REGCheckBoxClick()
{
    charts.SetActive(ResultCharts::REG, ui.REGCheckBox->checkState() == Qt::Checked);
}

void TMainForm::CherryCheckBoxClick()
{
    charts.SetActive(ResultCharts::Cherry, ui.CherryCheckBox->checkState() == Qt::Checked);
}

void TMainForm::Cherry_sCheckBoxClick()
{
    charts.SetActive(ResultCharts::Cherry_s, ui.Cherry_sCheckBox->checkState() == Qt::Checked);
}

void TMainForm::RakudaCheckBoxClick()
{
    charts.SetActive(ResultCharts::Rakuda, ui.RakudaCheckBox->checkState() == Qt::Checked);
}

void TMainForm::TukiCheckBoxClick()
{
    charts.SetActive(ResultCharts::Tuki, ui.TukiCheckBox->checkState() == Qt::Checked);
}

void TMainForm::ChanceCheckBoxClick()
{
    charts.SetActive(ResultCharts::Chance, ui.ChanceCheckBox->checkState() == Qt::Checked);
}
