#pragma once
// Qt's own texts (file choosers, the buttons of message boxes) in the user's language, from
// Qt's translation files; where Qt has none for that language, in German like the rest of
// the program.

#include <QLocale>

class QCoreApplication;

namespace QtUebersetzung {
// Installs the translator on the application; false when no translation file was found.
bool installiere(QCoreApplication& app, const QLocale& locale = QLocale::system());
}  // namespace QtUebersetzung
