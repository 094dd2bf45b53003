#include "tournament/SpurWechsel.h"

#include <QMap>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "data/Datenbank.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"

namespace {

// The columns of a lane row that move with the driver; the two speeds are cleared.
struct Bahnzeile {
    QVariant platz, fahrer, autoName, runden, gesamt, schnellsteRunde, schnellste, wann, aktRunde,
        zurVorRunde;
};

const QString schreibeZeile = QStringLiteral(
    "update positionen set %1fahrer=?, auto=?, runden=?, gesamt=?, schnellsterunde=?, "
    "schnellste=?, wann=?, aktrunde=?, zurvorrunde=?, Aktgeschw=0, schnellstegeschw=0 "
    "where Bahn=?");

bool lies(Datenbank& db, int anzahl, QMap<int, Bahnzeile>& zeilen, QString* fehler) {
    QSqlQuery q(db.db());
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral(
            "select Bahn, Platz, Fahrer, Auto, Runden, Gesamt, SchnellsteRunde, Schnellste, Wann, "
            "AktRunde, ZurVorRunde from positionen where Bahn between 1 and ?")) ||
        (q.addBindValue(anzahl), !q.exec())) {
        *fehler = q.lastError().text();
        return false;
    }
    while (q.next()) {
        zeilen.insert(q.value(0).toInt(),
                      Bahnzeile{q.value(1), q.value(2), q.value(3), q.value(4), q.value(5),
                                q.value(6), q.value(7), q.value(8), q.value(9), q.value(10)});
    }
    return true;
}

bool schreibe(Datenbank& db, const Bahnzeile& z, int bahn, bool mitPlatz, QString* fehler) {
    QVariantList werte;
    if (mitPlatz) werte << z.platz;
    werte << z.fahrer << z.autoName << z.runden << z.gesamt << z.schnellsteRunde << z.schnellste
          << z.wann << z.aktRunde << z.zurVorRunde << bahn;
    return db.execute(schreibeZeile.arg(mitPlatz ? QStringLiteral("platz=?, ") : QString()), werte,
                      fehler);
}

bool verschiebe(Datenbank& db, int option, int anzahl, const QString& matrix, QString* fehler) {
    QMap<int, Bahnzeile> zeilen;
    if (!lies(db, anzahl, zeilen, fehler)) return false;
    if (option == 1) {
        // Every entry one lane up; the entry of the last lane leaves the table.
        for (int i = anzahl; i >= 2; --i) {
            if (!zeilen.contains(i - 1)) continue;
            if (!schreibe(db, zeilen.value(i - 1), i, false, fehler)) return false;
        }
        return db.execute(
            QStringLiteral("update positionen set fahrer='Gelb', auto='Porsche', runden=0, "
                           "gesamt=0, schnellsterunde=0, schnellste=0, wann='', aktrunde=0, "
                           "zurvorrunde=0, schnellstegeschw=0, aktgeschw=0 where Bahn=1"),
            {}, fehler);
    }
    // The rows were read before the first write, so each entry moves from where it stood.
    for (int p = anzahl - 1; p >= 1; --p) {
        const int von = matrix.at(p - 1).digitValue();
        const int nach = matrix.at(p).digitValue();
        if (!zeilen.contains(von)) continue;
        if (!schreibe(db, zeilen.value(von), nach, true, fehler)) return false;
    }
    if (anzahl >= 2 && zeilen.contains(2)) return schreibe(db, zeilen.value(2), 1, true, fehler);
    return true;
}

}  // namespace

QString SpurWechsel::LaufMatrix(const EinstellungsSpeicher& speicher, int anzahl) {
    const int n = anzahl >= 1 && anzahl <= 8 ? anzahl : 4;
    const QString schluessel = QStringLiteral("LaufMatrix%1").arg(n);
    const QString matrix = speicher.LaufMatrix(n);
    const QString gespeichert = speicher.hole(schluessel, matrix);
    if (gespeichert != matrix)
        SchreibeDebug(QStringLiteral("%1 \"%2\" ist keine gültige Reihenfolge, nehme %3")
                          .arg(schluessel, gespeichert, matrix));
    return matrix;
}

bool SpurWechsel::fuehreAus(Rennleitung& leitung) {
    const RennZustand& z = leitung.zustand();
    if (z.RennModus == 4) return false;
    Datenbank& db = leitung.datenbank();
    const int anzahl = leitung.einstellungen().AnzBahnen;
    bool geaendert = true;
    if (z.Option1 == 0 || z.Option1 == 1) {
        const QString matrix = LaufMatrix(leitung.speicher(), anzahl);
        QString fehler;
        const bool transaktion = db.beginneTransaktion();
        bool ok =
            transaktion &&
            verschiebe(db, z.Option1, std::min<int>(anzahl, int(matrix.size())), matrix, &fehler);
        if (ok) ok = db.bestaetige();
        if (!ok) {
            if (fehler.isEmpty()) fehler = db.letzterFehler();
            if (transaktion) db.verwerfe();
            SchreibeDebug(QStringLiteral("SpurWechsel: ") + fehler);
            leitung.rueckfrage().meldung(tr("Spurwechsel nicht möglich: %1").arg(fehler));
            geaendert = false;
        }
    }
    leitung.MyInit();
    return geaendert;
}
