#include "darstellung/Oberflaechensprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "config/DebugLog.h"
#include "config/EinstellungsSpeicher.h"

namespace {
QTranslator* g_programm = nullptr;
QTranslator* g_qt = nullptr;
qint32 g_aktuell = Oberflaechensprache::Deutsch;

void entferne(QTranslator*& t) {
    if (!t) return;
    QCoreApplication::removeTranslator(t);
    delete t;
    t = nullptr;
}

// Loads a translator or returns null; an empty file counts as missing.
QTranslator* lade(const QString& name, const QString& ordner) {
    auto* t = new QTranslator;
    if (t->load(name, ordner) && !t->isEmpty() && QCoreApplication::installTranslator(t))
        return t;
    SchreibeDebug(QStringLiteral("Übersetzung fehlt: ") + ordner + QLatin1Char('/') + name);
    delete t;
    return nullptr;
}
}  // namespace

namespace Oberflaechensprache {
qint32 fuer(qint32 langId, qint32 eigeneWahl) {
    if (eigeneWahl == Deutsch || eigeneWahl == Englisch) return eigeneWahl;
    return langId == Englisch ? Englisch : Deutsch;
}

qint32 ausEinstellungen(EinstellungsSpeicher& speicher, qint32 langId) {
    bool ok = false;
    const qint32 wahl = speicher.hole(QLatin1String(schluessel), QStringLiteral("0")).toInt(&ok);
    return fuer(langId, ok ? wahl : 0);
}

bool installiere(qint32 sprache) {
    entferne(g_programm);
    entferne(g_qt);
    g_aktuell = sprache == Englisch ? Englisch : Deutsch;
    if (g_aktuell == Englisch) {
        // The program's texts are German in the code; Qt's own are English there.
        g_programm = lade(QStringLiteral("pistorelle_en"), QStringLiteral(":/i18n"));
        return g_programm != nullptr;
    }
    g_qt = lade(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return g_qt != nullptr;
}

qint32 aktuelle() { return g_aktuell; }
}  // namespace Oberflaechensprache
