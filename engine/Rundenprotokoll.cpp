#include "engine/Rundenprotokoll.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/Formate.h"
#include "data/Datenbank.h"
#include "engine/Ergebnisdateien.h"

QString Rundenprotokoll::uhrzeit(const QDateTime& zeit) {
    return zeit.time().toString(QStringLiteral("HH:mm:ss"));
}

bool Rundenprotokoll::fuegeEin(Datenbank& db, const Rundeneintrag& r, const QString& uhr,
                               QString* fehler) {
    const double zeit = Formate::Runde(r.zeit, 3);
    const double gesamt = Formate::Runde(r.gesamt, 3);
    return db.execute(
        QStringLiteral("insert into aktrennen (Fahrer, Auto, Strecke, Runde, Zeit, Gesamt, "
                       "MProSec, Uhr, RennInfo, Bahn, RennName, RennArt) values "
                       "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {r.fahrer, r.autoName, r.strecke, r.runde, zeit, gesamt, Formate::Runde(r.geschw, 3), uhr,
         r.rennInfo, r.bahn, r.rennName, r.rennArt},
        fehler);
}

void Rundenprotokoll::schreibeLre(const Rundeneintrag& r, const QString& uhr,
                                  const QString& stempel) {
    if (m_e.LTFEinzelSchreiben != 1) return;
    ErgebnisDateiZeile z;
    z.fahrer = r.fahrer;
    z.autoName = r.autoName;
    z.strecke = r.strecke;
    z.runde = r.runde;
    z.uhr = uhr;
    z.zeit = Formate::Format(r.zeit, QStringLiteral("#######000.000"));
    z.stempel = stempel;
    z.gesamt = r.gesamt;
    z.rennInfo = r.rennInfo;
    z.bahn = r.bahn;
    z.rennName = r.rennName;
    z.rennArt = r.rennArt;
    QString grund;
    if (!Ergebnisdateien::schreibeLre(m_e.ltfPfad, z, &grund))
        SchreibeDebug(QStringLiteral("AktRennenNeu: ") +
                      Ergebnisdateien::lreName(m_e.ltfPfad, r.bahn, r.runde) +
                      QStringLiteral(" nicht geschrieben: ") + grund);
}

bool Rundenprotokoll::schreibeLrf(const QString& rennName, const QString& stempel, int* fehlerNr,
                                  QString* fehlerText) {
    LrfDatei datei;
    if (!datei.oeffne(Ergebnisdateien::lrfName(m_e.ltfPfad, rennName))) {
        *fehlerNr = datei.fehlerNr();
        *fehlerText = datei.fehlerText();
        datei.schliesse();
        return false;
    }
    QSqlQuery q(m_db.db());
    q.setForwardOnly(true);
    if (!q.exec(
            QStringLiteral("select Fahrer, Auto, Strecke, Runde, Uhr, Zeit, Gesamt, "
                           "RennInfo, Bahn, RennName, RennArt from aktrennen order by lfdnr"))) {
        const QSqlError e = q.lastError();
        *fehlerNr = e.nativeErrorCode().toInt();
        *fehlerText = e.databaseText().isEmpty() ? e.text() : e.databaseText();
        datei.schliesse();
        return false;
    }
    ErgebnisDateiZeile z;
    z.stempel = stempel;
    while (q.next()) {
        z.fahrer = q.value(0).toString();
        z.autoName = q.value(1).toString();
        z.strecke = q.value(2).toString();
        z.runde = q.value(3).toInt();
        z.uhr = q.value(4).toString();
        z.zeit = QString::number(q.value(5).toDouble(), 'g', 15);
        z.gesamt = q.value(6).toDouble();
        z.rennInfo = q.value(7).toString();
        z.bahn = q.value(8).toInt();
        z.rennName = q.value(9).toString();
        z.rennArt = q.value(10).toString();
        if (!datei.schreibe(z)) break;
    }
    if (!datei.schliesse() || datei.fehlerNr() != 0) {
        *fehlerNr = datei.fehlerNr();
        *fehlerText = datei.fehlerText();
        return false;
    }
    return true;
}
