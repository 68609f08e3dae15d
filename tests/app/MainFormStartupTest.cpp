// The main window as it opens: components, captions, places, menus, states.
#include <QtWidgets>
#include <gtest/gtest.h>

#include "app/ResultListViewData.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "MainFormTestSeam.h"
#include "platform/DateTime.h"
#include "platform/FormatSettings.h"

namespace {

QStringList HeaderTexts(QTreeWidget* list)
{
    QStringList texts;
    for (int c = 0; c < list->columnCount(); ++c)
        texts << list->headerItem()->text(c);
    return texts;
}

QList<int> ColumnWidths(QTreeWidget* list)
{
    QList<int> widths;
    for (int c = 0; c < list->columnCount(); ++c)
        widths << list->columnWidth(c);
    return widths;
}

} // namespace

TEST(MainFormStartup, InputsAndButtons)
{
    TMainForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Pelvaro"));
    EXPECT_EQ(form.ui.PlayNumEdit->text(), QStringLiteral("1"));
    EXPECT_EQ(form.ui.SimNumEdit->text(), QStringLiteral("1"));
    EXPECT_EQ(form.ui.FlevelComboBox->currentText(), QStringLiteral("1"));
    EXPECT_TRUE(form.ui.FlevelComboBox->isEditable());
    QStringList items;
    for (int i = 0; i < form.ui.FlevelComboBox->count(); ++i)
        items << form.ui.FlevelComboBox->itemText(i);
    EXPECT_EQ(items, (QStringList{"1", "2", "3", "4", "5", "6", "?"}));

    EXPECT_EQ(form.ui.Label1->text(), QStringLiteral("Play数"));
    EXPECT_EQ(form.ui.Label2->text(), QStringLiteral("設定"));
    EXPECT_EQ(form.ui.Label6->text(), QStringLiteral("Sim回数"));
    EXPECT_TRUE(form.ui.Label3->text().isEmpty());
    EXPECT_TRUE(form.ui.Label3->alignment() & Qt::AlignRight);
    EXPECT_EQ(form.ui.FlevelButton->text(), QStringLiteral("設定確認"));
    EXPECT_EQ(form.ui.StartButton->text(), QStringLiteral("開始"));
    EXPECT_TRUE(form.ui.StartButton->isEnabled());
    EXPECT_EQ(form.ui.GroupBox2->title(), QStringLiteral("シミュレーション結果"));
    EXPECT_TRUE(form.ui.ResultLabel->text().isEmpty());
    EXPECT_EQ(form.ui.GroupBox1->title(), QStringLiteral("役出現表示"));
    EXPECT_EQ(form.ui.Label5->text(),
              QStringLiteral("・マウスで範囲指定して拡大できます。右クリックでドラッグしてスクロールできます。"));
    EXPECT_EQ(form.ui.Label5->parentWidget(), form.ui.SlumpChart2);

    EXPECT_EQ(form.ui.ProgressBar1->minimum(), 0);
    EXPECT_EQ(form.ui.ProgressBar1->maximum(), 100);
    EXPECT_EQ(form.ui.ProgressBar1->value(), 0);

    // The status bar stays empty until the clock's first tick.
    EXPECT_TRUE(form.StatusText(0).isEmpty());
    EXPECT_TRUE(form.StatusText(1).isEmpty());
    EXPECT_EQ(form.Timer1->interval(), 100);
    EXPECT_TRUE(form.Timer1->isActive());
}

TEST(MainFormStartup, PlacesAndSizes)
{
    TMainForm form;
    EXPECT_EQ(form.centralWidget()->size(), QSize(606, 676));
    EXPECT_EQ(form.ui.StatusBar1->height(), 21);
    EXPECT_EQ(form.minimumSize(), form.maximumSize()); // a fixed border
    // A few places that the layout of the form hangs on.
    EXPECT_EQ(form.ui.StartButton->geometry(), QRect(272, 32, 63, 21));
    EXPECT_EQ(form.ui.PageControl1->geometry(), QRect(4, 76, 597, 209));
    EXPECT_EQ(form.ui.SlumpChart->geometry(), QRect(4, 428, 597, 217));
    EXPECT_EQ(form.ui.GroupBox1->geometry(), QRect(4, 648, 597, 29));
    EXPECT_EQ(form.font().pixelSize(), 12);
    EXPECT_EQ(QFontInfo(form.font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(form.ui.Label5->font().pixelSize(), 11);
}

TEST(MainFormStartup, CheckBoxesStartUncheckedAndMarkersInactive)
{
    TMainForm form;
    const std::pair<QCheckBox*, const char*> boxes[] = {
        {form.ui.BIGCheckBox, "BIG"},        {form.ui.REGCheckBox, "REG"},
        {form.ui.CherryCheckBox, "チェリー"}, {form.ui.Cherry_sCheckBox, "単チェ"},
        {form.ui.RakudaCheckBox, "らくだ"},   {form.ui.TukiCheckBox, "月"},
        {form.ui.ChanceCheckBox, "チャンス目"},
    };
    for (const auto& [box, caption] : boxes) {
        EXPECT_EQ(box->text(), QString::fromUtf8(caption));
        EXPECT_FALSE(box->isChecked());
        EXPECT_EQ(box->parentWidget(), form.ui.GroupBox1);
    }
    for (auto s : {ResultCharts::BIG, ResultCharts::REG, ResultCharts::Cherry,
                   ResultCharts::Cherry_s, ResultCharts::Rakuda, ResultCharts::Tuki,
                   ResultCharts::Chance})
        EXPECT_FALSE(form.charts.Active(s));
    EXPECT_TRUE(form.charts.Active(ResultCharts::SlumpSeries));
    // The slump chart spans 0 to 24 before the first display.
    EXPECT_EQ(form.charts.BottomMinimum(), 0);
    EXPECT_EQ(form.charts.BottomMaximum(), 24);
}

TEST(MainFormStartup, MenusWithAccelerators)
{
    TMainForm form;
    EXPECT_EQ(form.ui.FileMenu->title(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(form.ui.HelpMenu->title(), QStringLiteral("ヘルプ(&H)"));
    QStringList file;
    for (QAction* a : form.ui.FileMenu->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(file, (QStringList{"開く(&O)", "保存(&S)", "-", "開始(&G)", "終了(&X)"}));
    QStringList help;
    for (QAction* a : form.ui.HelpMenu->actions())
        help << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(help, (QStringList{"バージョン情報(&A)", "取扱説明書(&C)", "JWordのインストール", "-",
                                 "ホームページ", "広告"}));
    EXPECT_EQ(form.ui.N1->objectName(), QStringLiteral("N1"));
    EXPECT_EQ(form.ui.N2->objectName(), QStringLiteral("N2"));
    // Saving stays disabled for the life of the window; everything else is enabled.
    EXPECT_FALSE(form.ui.FileSaveMenu->isEnabled());
    for (QAction* a : {form.ui.FileOpenMenu, form.ui.FileStartMenu, form.ui.FileExitMenu,
                       form.ui.HelpAboutMenu, form.ui.HelpManMenu, form.ui.JWord1, form.ui.N3, form.ui.N4})
        EXPECT_TRUE(a->isEnabled());
    EXPECT_EQ(form.OpenDialog.FileName, QStringLiteral("*.sim"));
    EXPECT_EQ(form.SaveDialog.FileName, QStringLiteral("*.sim"));
    EXPECT_EQ(form.OpenDialog.Filter, QStringLiteral("Pelvaroファイル|*.sim"));
    EXPECT_EQ(QtFileFilter(form.SaveDialog.Filter), QStringLiteral("Pelvaroファイル (*.sim)"));
}

TEST(MainFormStartup, SevenPagesWithTheirColumns)
{
    TMainForm form;
    ASSERT_EQ(form.ui.PageControl1->count(), 7);
    QStringList titles;
    for (int i = 0; i < 7; ++i)
        titles << form.ui.PageControl1->tabText(i);
    EXPECT_EQ(titles, (QStringList{"PLAY情報", "ボーナス情報", "モード移行契機", "小役出現率",
                                   "モード別滞在率", "放出抽選", "ボーナス中高確移行"}));
    EXPECT_EQ(form.ui.PageControl1->currentIndex(), 0);

    QStringList resultHeaders;
    QList<int> resultWidths;
    for (int c = 0; c < form.resultListModel->columnCount(); ++c) {
        resultHeaders << form.resultListModel->headerData(c, Qt::Horizontal).toString();
        resultWidths << form.ui.ResultListView->columnWidth(c);
    }
    EXPECT_EQ(resultHeaders, (QStringList{"PLAY数", "PLAY数2", "確定役", "モード", "メダル数", "備考"}));
    EXPECT_EQ(resultWidths, (QList<int>{60, 60, 90, 70, 70, 150}));
    EXPECT_EQ(form.ui.ResultListView->geometry(), QRect(4, 5, 581, 173));

    EXPECT_EQ(HeaderTexts(form.ui.BListView), (QStringList{"PLAY数", "PLAY数2", "確定役", "終了移行", "獲得メダル"}));
    EXPECT_EQ(ColumnWidths(form.ui.BListView), (QList<int>{60, 60, 80, 60, 70}));
    EXPECT_EQ(HeaderTexts(form.ui.ModeChangeListView), (QStringList{"PLAY数1", "PLAY数2", "確定役", "移行モード"}));
    EXPECT_EQ(HeaderTexts(form.ui.KoyakuListView), (QStringList{"絵柄", "出現回数", "出現率", "出現率(1/X)"}));
    EXPECT_EQ(HeaderTexts(form.ui.ModeStayListView), (QStringList{"モード", "滞在プレイ数", "滞在率", "滞在率(1/X)"}));
    EXPECT_EQ(HeaderTexts(form.ui.NBZMListView), (QStringList{"種別", "放出無し", "即放出", "前兆移行", "モード移行抽選"}));
    EXPECT_EQ(ColumnWidths(form.ui.NBZMListView), (QList<int>{80, 60, 60, 60, 100}));
    EXPECT_EQ(HeaderTexts(form.ui.BModeChangeListView), (QStringList{"確定役", "出現回数"}));
    for (QTreeWidget* list : {form.ui.BListView, form.ui.ModeChangeListView, form.ui.KoyakuListView,
                              form.ui.ModeStayListView, form.ui.NBZMListView, form.ui.BModeChangeListView})
        EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_EQ(form.resultListModel->rowCount(), 0);
}

TEST(MainFormStartup, TabKeyFollowsTheFormsTabOrder)
{
    RecordingSeam seam;
    TMainForm form;
    form.show();
    form.activateWindow();
    // With rows in the play list, whose cells could otherwise take the Tab key for themselves.
    form.ui.PlayNumEdit->setText("50");
    form.ui.StartButton->click();
    ASSERT_GT(form.resultListModel->rowCount(), 2);
    form.ui.ResultListView->setCurrentIndex(form.resultListModel->index(1, 2));
    form.ui.PlayNumEdit->setFocus();
    QApplication::processEvents();
    // The window's own focus child is followed, so that the test does not depend on the window
    // being the active one (other programs may run beside it).
    // The play count, the setting, the pages (their tabs, then the shown list), the reveal
    // button, the marker boxes, the run count, the start button, and round again.
    QWidget* expected[] = {form.ui.PlayNumEdit,      form.ui.FlevelComboBox,   form.ui.PageControl1->tabBar(),
                           form.ui.ResultListView,   form.ui.FlevelButton,     form.ui.BIGCheckBox,
                           form.ui.REGCheckBox,      form.ui.CherryCheckBox,   form.ui.Cherry_sCheckBox,
                           form.ui.RakudaCheckBox,   form.ui.TukiCheckBox,     form.ui.ChanceCheckBox,
                           form.ui.SimNumEdit,       form.ui.StartButton,      form.ui.PlayNumEdit};
    for (QWidget* e : expected) {
        QWidget* w = form.focusWidget();
        ASSERT_EQ(w, e) << (w ? qPrintable(w->objectName()) : "none") << " instead of "
                        << qPrintable(e->objectName());
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    }
    // Shift+Tab walks back out of the list as well.
    form.ui.ResultListView->setFocus();
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    QApplication::sendEvent(form.ui.ResultListView, &back);
    EXPECT_EQ(form.focusWidget(), form.ui.PageControl1->tabBar());
}

TEST(MainFormStartup, FlevelButtonShowsTheMachineSetting)
{
    TMainForm form;
    form.FlevelButtonClick();
    EXPECT_EQ(form.ui.FlevelComboBox->currentText(), QStringLiteral("1"));
}

TEST(MainFormStartup, ClockWritesPanelOne)
{
    TMainForm form;
    // Fixed date and time patterns, so that the text does not depend on the machine's locale.
    const TFormatSettings saved = FormatSettings;
    FormatSettings.ShortDateFormat = QStringLiteral("yyyy/mm/dd");
    FormatSettings.LongTimeFormat = QStringLiteral("hh:nn:ss");
    FormatSettings.DateSeparator = QLatin1Char('/');
    FormatSettings.TimeSeparator = QLatin1Char(':');
    // The local date and time, with the time left out at exactly midnight.
    const auto clockText = [](const QDateTime& t) {
        const QString date = t.toString(QStringLiteral("yyyy/MM/dd"));
        return t.time().hour() == 0 && t.time().minute() == 0 && t.time().second() == 0
                   ? date
                   : date + QLatin1Char(' ') + t.toString(QStringLiteral("HH:mm:ss"));
    };
    // Read between two readings of the clock that show the same second (a retry when a
    // second turns over in between).
    QString before, after;
    for (int attempt = 0; attempt < 5; ++attempt) {
        before = clockText(QDateTime::currentDateTime());
        form.Timer1Timer();
        after = clockText(QDateTime::currentDateTime());
        if (before == after)
            break;
    }
    FormatSettings = saved;
    ASSERT_EQ(before, after);
    EXPECT_EQ(form.StatusText(1), before);
    EXPECT_TRUE(form.StatusText(0).isEmpty());
}

TEST(MainFormStartup, TheClockShowsWholeInEveryLocale)
{
    struct Restore {
        TFormatSettings saved = FormatSettings;
        ~Restore() { FormatSettings = saved; }
    } restore;
    // Locales with long dates, long times, day periods, other scripts and other digits.
    for (const char* name : {"en_US", "ja_JP", "de_DE", "fr_FR", "zh_CN", "ko_KR", "ru_RU", "ar_EG", "hi_IN",
                             "fa_IR", "th_TH", "el_GR", "fi_FI", "pt_BR", "vi_VN", "my_MM"}) {
        FormatSettings = TFormatSettings::FromLocale(QLocale(QString::fromLatin1(name)));
        TMainForm form;
        form.show();
        form.Timer1Timer();
        const QLabel* clock = form.findChild<QLabel*>(QStringLiteral("StatusPanel1"));
        ASSERT_NE(clock, nullptr);
        const QFontMetrics metrics(clock->font());
        // The clock's own text now, and the afternoon of a late day in a long-named month.
        for (const QString& text : {form.StatusText(1), DateTimeToStr(EncodeDate(2088, 9, 27) + EncodeTime(23, 59, 58, 0))})
            EXPECT_LE(metrics.horizontalAdvance(text), clock->contentsRect().width()) << name << " " << qPrintable(text);
        EXPECT_LE(clock->geometry().right(), form.ui.StatusBar1->width() - 1) << name;
        EXPECT_LE(form.findChild<QLabel*>(QStringLiteral("StatusPanel0"))->geometry().right(), clock->x()) << name;
    }
    // The Japanese clock text: the form's face gives its 秒 whole.
    FormatSettings = TFormatSettings::FromLocale(QLocale(QStringLiteral("ja_JP")));
    EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 5, 1) + EncodeTime(12, 34, 56, 0)), QStringLiteral("2024/05/01 12時34分56秒"));
    // That clock needs more than the 156 pixels right of a 450-pixel first panel, which gives
    // way; with the shorter numeric patterns of a Japanese system the panel keeps its 450.
    {
        TMainForm form;
        form.show();
        EXPECT_LT(form.findChild<QLabel*>(QStringLiteral("StatusPanel0"))->width(), 450);
    }
    FormatSettings.ShortDateFormat = QStringLiteral("yyyy/mm/dd");
    FormatSettings.LongTimeFormat = QStringLiteral("h:nn:ss");
    {
        TMainForm form;
        form.show();
        EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("StatusPanel0"))->width(), 450);
    }
}
