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

#include "app/ExceptionDisplay.h"
#include "app/FormFonts.h"
#include "app/ProgramIcon.h"
#include "app/ResultListViewData.h"
#include "app/Unit2.h"
#include "platform/DateTime.h"
#include "platform/SysUtils.h"

namespace {

const QString simFilter = QStringLiteral("Pelvaroファイル|*.sim");
const QString simFileName = QStringLiteral("*.sim");

// Column widths of the list views, in the order of their columns.
struct ListColumns {
    QTreeWidget* TMainForm::*list;
    std::initializer_list<int> widths;
};

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent),
      OpenDialog(TFileDialog::Kind::Open, simFileName, simFilter),
      SaveDialog(TFileDialog::Kind::Save, simFileName, simFilter)
{
    RegisterFontSubstitutes();
    Ui::TMainForm ui;
    ui.setupUi(this);
    MainMenu = ui.MainMenu;
    FileMenu = ui.FileMenu;
    FileStartMenu = ui.FileStartMenu;
    FileExitMenu = ui.FileExitMenu;
    HelpMenu = ui.HelpMenu;
    HelpAboutMenu = ui.HelpAboutMenu;
    PlayNumEdit = ui.PlayNumEdit;
    FlevelComboBox = ui.FlevelComboBox;
    Label1 = ui.Label1;
    Label2 = ui.Label2;
    ProgressBar1 = ui.ProgressBar1;
    PageControl1 = ui.PageControl1;
    TabSheet1 = ui.TabSheet1;
    TabSheet2 = ui.TabSheet2;
    TabSheet3 = ui.TabSheet3;
    TabSheet4 = ui.TabSheet4;
    TabSheet5 = ui.TabSheet5;
    TabSheet6 = ui.TabSheet6;
    ResultListView = ui.ResultListView;
    BListView = ui.BListView;
    ModeStayListView = ui.ModeStayListView;
    ModeChangeListView = ui.ModeChangeListView;
    KoyakuListView = ui.KoyakuListView;
    NBZMListView = ui.NBZMListView;
    SlumpChart = ui.SlumpChart;
    HelpManMenu = ui.HelpManMenu;
    FlevelButton = ui.FlevelButton;
    Label3 = ui.Label3;
    FileOpenMenu = ui.FileOpenMenu;
    FileSaveMenu = ui.FileSaveMenu;
    StatusBar1 = ui.StatusBar1;
    GroupBox1 = ui.GroupBox1;
    BIGCheckBox = ui.BIGCheckBox;
    REGCheckBox = ui.REGCheckBox;
    CherryCheckBox = ui.CherryCheckBox;
    Cherry_sCheckBox = ui.Cherry_sCheckBox;
    RakudaCheckBox = ui.RakudaCheckBox;
    GroupBox2 = ui.GroupBox2;
    ResultLabel = ui.ResultLabel;
    JWord1 = ui.JWord1;
    TukiCheckBox = ui.TukiCheckBox;
    KoyakuChart = ui.KoyakuChart;
    ModeStayChart = ui.ModeStayChart;
    SlumpChart2 = ui.SlumpChart2;
    Label5 = ui.Label5;
    SimNumEdit = ui.SimNumEdit;
    Label6 = ui.Label6;
    StartButton = ui.StartButton;
    N3 = ui.N3;
    N4 = ui.N4;
    ChanceCheckBox = ui.ChanceCheckBox;
    TabSheet7 = ui.TabSheet7;
    BModeChangeListView = ui.BModeChangeListView;
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
    setFont(DefaultFormFont());
    Label5->setFont(FormFont(QStringLiteral("ＭＳ Ｐゴシック"), 11));
    setWindowIcon(ProgramIcon());
    // A single fixed border with the system menu and the minimise box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    // The separators of the two menus carry the names of the form description.
    for (QAction* a : FileMenu->actions())
        if (a->isSeparator())
            N1 = a;
    for (QAction* a : HelpMenu->actions())
        if (a->isSeparator())
            N2 = a;
    N1->setObjectName(QStringLiteral("N1"));
    N2->setObjectName(QStringLiteral("N2"));

    FlevelComboBox->setCurrentIndex(0);
    PageControl1->setCurrentIndex(0);

    SetUpListViews();
    SetUpStatusBar();
    charts.Attach(SlumpChart, SlumpChart2, KoyakuChart, ModeStayChart);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    Timer1->start();

    // The client area is 606 × 697: the pages and charts above, the status bar below.
    centralWidget()->setFixedSize(606, 676);
    StatusBar1->setFixedHeight(21);
    adjustSize();
    setFixedSize(size());
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void TMainForm::SetUpListViews()
{
    resultListModel = new ::ResultListViewData(resultRowLists, this);
    ResultListView->setModel(resultListModel);
    // Fixed row heights keep a list of a million rows as cheap as a list of ten.
    QHeaderView* rowsHeader = ResultListView->verticalHeader();
    rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowsHeader->setDefaultSectionSize(ResultListView->fontMetrics().height() + 4);
    ResultListView->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ResultListView->horizontalHeader()->setHighlightSections(false);
    ResultListView->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    const int resultWidths[] = {60, 60, 90, 70, 70, 150};
    for (int c = 0; c < 6; ++c)
        ResultListView->setColumnWidth(c, resultWidths[c]);

    const ListColumns columns[] = {
        {&TMainForm::BListView, {60, 60, 80, 60, 70}},
        {&TMainForm::ModeChangeListView, {70, 70, 90, 80}},
        {&TMainForm::KoyakuListView, {70, 70, 70, 80}},
        {&TMainForm::ModeStayListView, {70, 80, 70, 80}},
        {&TMainForm::NBZMListView, {80, 60, 60, 60, 100}},
        {&TMainForm::BModeChangeListView, {70, 70}},
    };
    for (const ListColumns& entry : columns) {
        QTreeWidget* list = this->*entry.list;
        int c = 0;
        for (int width : entry.widths)
            list->setColumnWidth(c++, width);
        list->header()->setStretchLastSection(false);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
    }
    // The bonus list moves down by pixels as bonuses end.
    BListView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void TMainForm::SetUpStatusBar()
{
    for (int i = 0; i < 2; ++i) {
        statusPanels[i] = new QLabel(StatusBar1);
        statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    }
    statusPanels[0]->setFixedWidth(450);
    // The last panel reaches to the right edge, its text centred.
    statusPanels[1]->setAlignment(Qt::AlignCenter);
    StatusBar1->addWidget(statusPanels[0]);
    StatusBar1->addWidget(statusPanels[1], 1);
}

void TMainForm::ConnectHandlers()
{
    // Every handler reached from the window runs guarded: an escaping exception is shown in
    // the exception display and the window carries on.
    auto guarded = [this](void (TMainForm::*handler)()) {
        return [this, handler] { RunGuarded(this, [&] { (this->*handler)(); }); };
    };
    connect(FileStartMenu, &QAction::triggered, this, guarded(&TMainForm::FileStartMenuClick));
    connect(FileExitMenu, &QAction::triggered, this, guarded(&TMainForm::FileExitMenuClick));
    connect(HelpAboutMenu, &QAction::triggered, this, guarded(&TMainForm::HelpAboutMenuClick));
    connect(StartButton, &QPushButton::clicked, this, guarded(&TMainForm::StartButtonClic));
    connect(HelpManMenu, &QAction::triggered, this, guarded(&TMainForm::HelpManMenuClick));
    connect(FlevelButton, &QPushButton::clicked, this, guarded(&TMainForm::FlevelButtonClick));
    connect(FileSaveMenu, &QAction::triggered, this, guarded(&TMainForm::FileSaveMenuClick));
    connect(FileOpenMenu, &QAction::triggered, this, guarded(&TMainForm::FileOpenMenuClick));
    connect(Timer1, &QTimer::timeout, this, guarded(&TMainForm::Timer1Timer));
    connect(BIGCheckBox, &QCheckBox::clicked, this, guarded(&TMainForm::BIGCheckBoxClick));
    connect(REGCheckBox, &QCheckBox::clicked, this, guarded(&TMainForm::REGCheckBoxClick));
    connect(CherryCheckBox, &QCheckBox::clicked, this, guarded(&TMainForm::CherryCheckBoxClick));
    connect(Cherry_sCheckBox, &QCheckBox::clicked, this,
            guarded(&TMainForm::Cherry_sCheckBoxClick));
    connect(RakudaCheckBox, &QCheckBox::clicked, this, guarded(&TMainForm::RakudaCheckBoxClick));
    connect(JWord1, &QAction::triggered, this, guarded(&TMainForm::JWord1Click));
    connect(TukiCheckBox, &QCheckBox::clicked, this, guarded(&TMainForm::TukiCheckBoxClick));
    connect(N3, &QAction::triggered, this, guarded(&TMainForm::N3Click));
    connect(N4, &QAction::triggered, this, guarded(&TMainForm::N4Click));
    connect(ChanceCheckBox, &QCheckBox::clicked, this, guarded(&TMainForm::ChanceCheckBoxClick));
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
    ProgressBar1->setValue(std::clamp(position, ProgressBar1->minimum(), ProgressBar1->maximum()));
}

void TMainForm::ProcessMessages()
{
    QCoreApplication::processEvents();
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

QString TMainForm::HomePageUrl()
{
    return QStringLiteral("http://www.example.com/torvik/");
}

QString TMainForm::AdvertPageUrl()
{
    return QStringLiteral("http://www.example.com/torvik/ad.html");
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
    FlevelComboBox->setEditText(IntToStr(slot.GetSetting()));
}

void TMainForm::Timer1Timer()
{
    SetStatusText(1, DateTimeToStr(Now()));
}

// ---- Role marker check boxes ----

void TMainForm::BIGCheckBoxClick()
{
    charts.SetActive(ResultCharts::BIG, BIGCheckBox->checkState() == Qt::Checked);
}

void TMainForm::REGCheckBoxClick()
{
    charts.SetActive(ResultCharts::REG, REGCheckBox->checkState() == Qt::Checked);
}

void TMainForm::CherryCheckBoxClick()
{
    charts.SetActive(ResultCharts::Cherry, CherryCheckBox->checkState() == Qt::Checked);
}

void TMainForm::Cherry_sCheckBoxClick()
{
    charts.SetActive(ResultCharts::Cherry_s, Cherry_sCheckBox->checkState() == Qt::Checked);
}

void TMainForm::RakudaCheckBoxClick()
{
    charts.SetActive(ResultCharts::Rakuda, RakudaCheckBox->checkState() == Qt::Checked);
}

void TMainForm::TukiCheckBoxClick()
{
    charts.SetActive(ResultCharts::Tuki, TukiCheckBox->checkState() == Qt::Checked);
}

void TMainForm::ChanceCheckBoxClick()
{
    charts.SetActive(ResultCharts::Chance, ChanceCheckBox->checkState() == Qt::Checked);
}
