#include "app/Befehlszeile.h"

#include <QFileInfo>

#include "config/Installation.h"

namespace {

// Qt's options that take a value ("-name VALUE" or "--name VALUE"), and those of them that
// also take it as "-name=VALUE".
const QStringList qtMitWert = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("display"),
    QStringLiteral("geometry"),        QStringLiteral("name"),
    QStringLiteral("session"),         QStringLiteral("style"),
    QStringLiteral("stylesheet"),
};
const QStringList qtMitGleich = {QStringLiteral("style"), QStringLiteral("stylesheet")};
// Qt's options without a value.
const QStringList qtSchalter = {
    QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
    QStringLiteral("dograb"),  QStringLiteral("sync"),
};

QString hilfe(const QString& programm) {
    return QStringLiteral(
               "Aufruf: %1 [debug]\n"
               "Zeitnahme und Rennleitung für Slotcar-Bahnen mit zwei bis sechs Spuren.\n"
               "\n"
               "  debug         mit dem Fenster „Debug Infos“ starten\n"
               "  -h, --help    diese Hilfe zeigen und beenden\n"
               "  --version     die Version zeigen und beenden\n"
               "\n"
               "Qt-Optionen wie -platform NAME oder -style NAME gibt das Programm an Qt weiter.\n"
               "Einstellungen: ~/.config/Pistorelle/Pistorelle.ini\n"
               "Datenbank, Töne und Bilder: ~/.local/share/Pistorelle/\n"
               "Mehr dazu: man pistorelle\n")
        .arg(programm);
}

Befehlszeile::Auswertung fehler(const QString& programm, const QString& text) {
    return {Befehlszeile::Aktion::Fehler,
            QStringLiteral("%1: %2 (%1 --help zeigt, was geht)\n").arg(programm, text)};
}

}  // namespace

Befehlszeile::Auswertung Befehlszeile::werte(const QStringList& argumente) {
    const QString programm = argumente.isEmpty() ? QStringLiteral("pistorelle")
                                                 : QFileInfo(argumente.first()).fileName();
    Auswertung ergebnis;
    bool debug = false;
    for (int i = 1; i < argumente.size(); ++i) {
        const QString& a = argumente.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            if (ergebnis.aktion == Aktion::Starten) ergebnis = {Aktion::Hilfe, hilfe(programm)};
            continue;
        }
        if (a == QLatin1String("--version")) {
            if (ergebnis.aktion == Aktion::Starten)
                ergebnis = {Aktion::Version, QStringLiteral("Pistorelle " PISTORELLE_VERSION "\n")};
            continue;
        }
        if (a == QLatin1String("debug")) {
            if (debug) return fehler(programm, QStringLiteral("„debug“ steht zweimal da"));
            debug = true;
            continue;
        }
        // Qt's options: one dash or two.
        QString name = a.startsWith(QLatin1String("--")) ? a.mid(2)
                       : a.startsWith(QLatin1Char('-'))  ? a.mid(1)
                                                         : QString();
        const qsizetype gleich = name.indexOf(QLatin1Char('='));
        if (gleich > 0 && qtMitGleich.contains(name.left(gleich))) continue;
        if (qtSchalter.contains(name)) continue;
        if (qtMitWert.contains(name)) {
            if (i + 1 >= argumente.size())
                return fehler(programm, QStringLiteral("„%1“ braucht einen Wert").arg(a));
            ++i;
            continue;
        }
        return fehler(programm, QStringLiteral("unbekanntes Argument „%1“").arg(a));
    }
    return ergebnis;
}
