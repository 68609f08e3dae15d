// Qt's own texts (file dialogs, standard buttons) in the user's language.
#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

#include "app/QtTranslations.h"

TEST(QtTranslations, JapaneseLocaleTranslatesQtsOwnTexts)
{
    ASSERT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    QTranslator* translator = InstallQtTranslations(QLocale(QLocale::Japanese, QLocale::Japan));
    ASSERT_NE(translator, nullptr) << "Qt's translations (qt6-translations-l10n) are missing";
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    const QString lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
    const QString open = QCoreApplication::translate("QFileDialog", "Open");
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_EQ(cancel, QStringLiteral("キャンセル"));
    EXPECT_EQ(lookIn, QStringLiteral("アドレス:"));
    EXPECT_EQ(open, QStringLiteral("開く"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

TEST(QtTranslations, ALocaleWithoutTranslationsInstallsNothing)
{
    EXPECT_EQ(InstallQtTranslations(QLocale(QLocale::C)), nullptr);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}
