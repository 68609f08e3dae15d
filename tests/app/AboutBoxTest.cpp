// The about box and the help menu's launches.
#include <QtWidgets>
#include <gtest/gtest.h>

#include "app/LinkLabel.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "MainFormTestSeam.h"

TEST(AboutBox, ComponentsAndTexts)
{
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(box.size(), QSize(298, 213));
    EXPECT_EQ(box.Panel1->geometry(), QRect(8, 8, 281, 161));
    EXPECT_EQ(box.ProgramIcon->geometry(), QRect(40, 8, 32, 32));
    // The program icon at its own size: a transparent margin, a black frame, a navy field with a
    // yellow bar, and the white reel window with its silver dividers and red sevens.
    const QImage icon = box.ProgramIcon->pixmap().toImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(icon.pixel(1, 1), qRgb(0x00, 0x00, 0x00));
    EXPECT_EQ(icon.pixel(2, 2), qRgb(0x00, 0x00, 0x80));
    EXPECT_EQ(icon.pixel(4, 4), qRgb(0xFF, 0xFF, 0x00));
    EXPECT_EQ(icon.pixel(5, 9), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(icon.pixel(12, 9), qRgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(icon.pixel(6, 12), qRgb(0xFF, 0x00, 0x00));
    EXPECT_EQ(box.ProductName->text(), QStringLiteral("Pelvaro"));
    EXPECT_EQ(box.Version->text(), QStringLiteral("Version1.0.3.0"));
    EXPECT_EQ(box.Label1->text(), QStringLiteral("Torvikのページ"));
    EXPECT_EQ(box.Label1->pos(), QPoint(196, 144));
    EXPECT_TRUE(box.Label1->font().underline());
    EXPECT_EQ(box.Label1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(box.Label2->pos(), QPoint(148, 80));
    EXPECT_EQ(box.Label2->text(), QStringLiteral("Torvik"));
    EXPECT_EQ(box.OKButton->text(), QStringLiteral("OK"));
    EXPECT_EQ(box.OKButton->geometry(), QRect(111, 180, 75, 25));
    EXPECT_TRUE(box.OKButton->isDefault());
}

TEST(AboutBox, OkClosesWithOkAndLinksOpenThePages)
{
    RecordingSeam seam;
    TAboutBox box;
    box.show();
    box.OKButton->click();
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_FALSE(box.isVisible());

    // A click on a link label: press and release over it.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(box.Label1, &press);
    QApplication::sendEvent(box.Label1, &release);
    box.Label2Click();
    ASSERT_EQ(seam.urls.size(), 2);
    // The about box's link and the help menu's home page are the one page.
    EXPECT_EQ(seam.urls[0], QStringLiteral("http://www.example.com/torvik/"));
    EXPECT_EQ(seam.urls[1], QStringLiteral("mailto:torvik@example.com"));
}

TEST(MainFormMenus, AboutBoxIsShownModallyEachTime)
{
    RecordingSeam seam;
    TMainForm form;
    TAboutBox box(&form);
    form.SetAboutBox(&box);
    form.ui.HelpAboutMenu->trigger();
    form.ui.HelpAboutMenu->trigger();
    EXPECT_EQ(seam.modalDialogs, (QList<QDialog*>{&box, &box}));
}

TEST(MainFormMenus, HelpPagesAndInstallerGoToTheShell)
{
    RecordingSeam seam;
    TMainForm form;
    form.ui.HelpManMenu->trigger();
    form.ui.N3->trigger();
    form.ui.N4->trigger();
    form.ui.JWord1->trigger();
    ASSERT_EQ(seam.urls.size(), 3);
    EXPECT_TRUE(seam.urls[0].startsWith("file://"));
    EXPECT_TRUE(seam.urls[0].endsWith(QStringLiteral("/pelv.hlp")));
    EXPECT_EQ(QUrl(seam.urls[0]).toLocalFile(),
              QCoreApplication::applicationDirPath() + QStringLiteral("/pelv.hlp"));
    EXPECT_EQ(seam.urls[1], QStringLiteral("http://www.example.com/torvik/"));
    EXPECT_EQ(seam.urls[2], QStringLiteral("http://www.example.com/torvik/ad.html"));
    ASSERT_EQ(seam.programs.size(), 1);
    EXPECT_EQ(seam.programs[0], QCoreApplication::applicationDirPath()
                                    + QStringLiteral("/jwv_for_QB714260.exe QB714260 1"));
    EXPECT_TRUE(seam.errors.isEmpty());
}

TEST(MainFormMenus, ExitClosesTheWindow)
{
    RecordingSeam seam;
    TMainForm form;
    form.show();
    ASSERT_TRUE(form.isVisible());
    form.ui.FileExitMenu->trigger();
    EXPECT_FALSE(form.isVisible());
}
