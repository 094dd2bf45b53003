#include "QtUebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "DebugLog.h"

namespace QtUebersetzung {
bool installiere(QCoreApplication& app, const QLocale& locale) {
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* uebersetzer = new QTranslator(&app);
    // Qt's English file is empty: English, like a language without a file, gets German.
    auto laden = [&](const QLocale& l) {
        return uebersetzer->load(l, QStringLiteral("qtbase"), QStringLiteral("_"), ordner) &&
               !uebersetzer->isEmpty();
    };
    const bool geladen = laden(locale) || laden(QLocale(QLocale::German, QLocale::Germany));
    if (!geladen) {
        SchreibeDebug(QStringLiteral("Keine Qt-Übersetzung in ") + ordner);
        delete uebersetzer;
        return false;
    }
    return app.installTranslator(uebersetzer);
}
}  // namespace QtUebersetzung
