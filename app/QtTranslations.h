#pragma once

#include <QLocale>

class QTranslator;

// Loads Qt's own translations ("qtbase") for `locale` from Qt's translations folder and
// installs them in the application, so that file dialogs, standard buttons and Qt's messages
// speak the user's language inside our Japanese window. The translator belongs to the
// application; nullptr (and nothing installed) when there is no translation for the locale.
QTranslator* InstallQtTranslations(const QLocale& locale = QLocale::system());
