#include "app/replay/ReplayTurnier.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "app/replay/ReplayAusgabe.h"
#include "config/DebugLog.h"
#include "data/Datenbank.h"
#include "engine/Hauptanzeige.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"
#include "tournament/Meisterschaft.h"
#include "tournament/SpurWechsel.h"
#include "tournament/Turnier.h"

namespace {
const QStringList befehle = {
    QStringLiteral("rotate"),         QStringLiteral("tournament"),
    QStringLiteral("entrant"),        QStringLiteral("entrants-take"),
    QStringLiteral("quali"),          QStringLiteral("sort"),
    QStringLiteral("groups"),         QStringLiteral("allocate"),
    QStringLiteral("heats"),          QStringLiteral("autostart"),
    QStringLiteral("repeat"),         QStringLiteral("report"),
    QStringLiteral("end-tournament"), QStringLiteral("delete-tournament"),
    QStringLiteral("query"),          QStringLiteral("entrant-direct"),
    QStringLiteral("season"),
};
}  // namespace

ReplayTurnier::ReplayTurnier(Rennablauf& ablauf, Hauptanzeige& anzeige, ReplayAusgabe& ausgabe)
    : m_ablauf(ablauf),
      m_anzeige(anzeige),
      m_ausgabe(ausgabe),
      m_turnier(std::make_unique<Turnier>(ablauf, anzeige)) {
    QObject::connect(
        m_turnier.get(), &Turnier::berichtGeschrieben, m_turnier.get(),
        [this](const QString& pfad) {
            // Inside the folder the runner was started in: the same line on every machine.
            const QString relativ = QDir::current().relativeFilePath(pfad);
            m_ausgabe.zeile(QStringLiteral("file"),
                            relativ.startsWith(QLatin1String("..")) ? pfad : relativ);
        });
}

ReplayTurnier::~ReplayTurnier() = default;

bool ReplayTurnier::kennt(const QString& befehl) { return befehle.contains(befehl); }

QString ReplayTurnier::fuehreAus(const SzenarioBefehl& b) {
    Turnier& t = *m_turnier;
    const QString& n = b.name;
    const QStringList& a = b.argumente;
    if (n == QLatin1String("rotate")) {
        // The button and the menu entry: not while a run is going on.
        if (m_anzeige.istEnabled(Hauptanzeige::Command4) && !m_ablauf.beschaeftigt())
            SpurWechsel::fuehreAus(m_ablauf.leitung());
        else
            SchreibeDebug(QStringLiteral("Szenario Zeile %1: rotate gesperrt").arg(b.zeile));
        return QString();
    }
    if (n == QLatin1String("query")) return abfrage(a.value(0));
    if (n == QLatin1String("season")) {
        if (a.size() != 1) return QStringLiteral("season: SERIE erwartet");
        return saison(a.at(0));
    }
    // Every other command is a control of the tournament dialog, which opens on first use.
    if (!t.istOffen() && n != QLatin1String("end-tournament")) t.SlotRennenStart();
    if (n == QLatin1String("tournament")) {
        if (a.value(0) == QLatin1String("new")) return neu(b);
        if (a.value(0) == QLatin1String("open") && a.size() == 3) {
            if (!t.oeffne(a.at(1), a.at(2)))
                return QStringLiteral("tournament open: kein Rennen \"%1 %2\"")
                    .arg(a.at(1), a.at(2));
            return QString();
        }
        return QStringLiteral("tournament: new SERIE NAME ... oder open SERIE NAME erwartet");
    }
    if (n == QLatin1String("entrant")) {
        if (a.size() != 2) return QStringLiteral("entrant: FAHRER AUTO erwartet");
        t.FahrerHinzufuegen(a.at(0), a.at(1));
    } else if (n == QLatin1String("entrant-direct")) {
        t.fuegeTeilnehmerHinzu(a.at(0), a.at(1));
    } else if (n == QLatin1String("entrants-take")) {
        t.uebernimmInQualifikation();
    } else if (n == QLatin1String("quali")) {
        t.fahreQualifikation();
    } else if (n == QLatin1String("sort")) {
        if (a.value(0) == QLatin1String("quali"))
            t.sortiereNachQuali();
        else if (a.value(0) == QLatin1String("group"))
            t.sortiereNachGruppe();
        else
            return QStringLiteral("sort: quali oder group erwartet");
    } else if (n == QLatin1String("groups")) {
        t.belegeGruppenVor();
    } else if (n == QLatin1String("allocate")) {
        if (!a.isEmpty() && a.at(0) != QLatin1String("random"))
            return QStringLiteral("allocate: nur \"random\" erlaubt");
        t.setzeZufall(!a.isEmpty());
        t.verteileRennlaeufe();
    } else if (n == QLatin1String("heats")) {
        t.fahreRennlauf();
    } else if (n == QLatin1String("autostart")) {
        t.setzeAutostart(a.value(0) == QLatin1String("1"));
    } else if (n == QLatin1String("repeat")) {
        t.wiederholeLauf();
    } else if (n == QLatin1String("report")) {
        t.HtmlAusgabe();
    } else if (n == QLatin1String("end-tournament")) {
        if (t.istOffen()) t.beenden();
    } else if (n == QLatin1String("delete-tournament")) {
        t.loescheTurnier();
    }
    return QString();
}

QString ReplayTurnier::neu(const SzenarioBefehl& b) {
    const QStringList& a = b.argumente;
    if (a.size() < 3) return QStringLiteral("tournament new: SERIE NAME erwartet");
    Turnier& t = *m_turnier;
    t.neuesTurnier();
    SlotRennen r = t.eingabe();
    r.RennSerie = a.at(1);
    r.RennName = a.at(2);
    for (int i = 3; i < a.size(); ++i) {
        const QString schluessel = a.at(i).section(QLatin1Char('='), 0, 0);
        const QString wert = a.at(i).section(QLatin1Char('='), 1);
        bool zahl = false;
        const int z = wert.toInt(&zahl);
        if (schluessel == QLatin1String("track")) {
            r.Strecke = wert;
        } else if (schluessel == QLatin1String("quali")) {
            r.QualiZeit = wert;
        } else if (schluessel == QLatin1String("heat")) {
            r.Dauer = wert;
        } else if (schluessel == QLatin1String("trigger")) {
            r.TriggerZeit = wert;
        } else if (schluessel == QLatin1String("unit") &&
                   (wert == QLatin1String("Zeit") || wert == QLatin1String("Runden"))) {
            r.optionZeit = wert == QLatin1String("Zeit");
        } else if (schluessel == QLatin1String("lanes") && zahl && z >= 1 && z <= 6) {
            r.Spuren = z;
        } else if (schluessel == QLatin1String("qualilane") && zahl && z >= 1 && z <= 6) {
            r.QualiSpur = z;
        } else if (schluessel == QLatin1String("groups") &&
                   (wert == QLatin1String("even") || wert == QLatin1String("classic"))) {
            r.gruppenAusgleichen = wert == QLatin1String("even");
        } else {
            t.brichBearbeitungAb();
            return QStringLiteral("tournament new: unbekannte Angabe \"%1\"").arg(a.at(i));
        }
    }
    t.setzeEingabe(r);
    t.neuesTurnier();
    // A refused save leaves the edit open: the next command must not type into it.
    if (t.bearbeitet()) t.brichBearbeitungAb();
    return QString();
}

QString ReplayTurnier::saison(const QString& serie) {
    const auto regeln = Meisterschaft::Regeln::aus(m_ablauf.leitung().einstellungen());
    for (const auto& z : Meisterschaft::tabelle(m_turnier->daten(), serie, regeln))
        m_ausgabe.zeile(QStringLiteral("season"), QStringLiteral("%1. %2 %3 Punkte (%4 Rennen)")
                                                      .arg(z.platz)
                                                      .arg(z.fahrer)
                                                      .arg(z.punkte)
                                                      .arg(z.starts));
    return QString();
}

QString ReplayTurnier::abfrage(const QString& sql) {
    QSqlQuery q(m_ablauf.leitung().datenbank().db());
    if (!q.exec(sql)) return QStringLiteral("query: ") + q.lastError().text();
    while (q.next()) {
        QStringList felder;
        const QSqlRecord r = q.record();
        for (int i = 0; i < r.count(); ++i)
            felder << (r.isNull(i) ? QStringLiteral("NULL") : r.value(i).toString());
        m_ausgabe.zeile(QStringLiteral("row"), felder.join(QLatin1Char('|')));
    }
    return QString();
}
