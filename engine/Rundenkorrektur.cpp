#include "Rundenkorrektur.h"

#include <QSqlQuery>
#include <QVariant>
#include <cmath>

#include "Datenbank.h"
#include "DebugLog.h"
#include "Einstellungen.h"
#include "Rangliste.h"
#include "Rennleitung.h"
#include "Rundensicherung.h"
#include "Rundenvermerk.h"
#include "SlotWerte.h"
#include "Uhr.h"

namespace {
// Rows of a lap that still counts.
const char* const gezaehlt = "coalesce(RennInfo, '') not like '%K-%'";

qint32 alsMs(const QVariant& sekunden) { return qint32(std::llround(sekunden.toDouble() * 1000)); }
}  // namespace

Rundenkorrektur::Rundenkorrektur(Rennleitung& leitung, QObject* parent)
    : QObject(parent), m_leitung(leitung) {}

int Rundenkorrektur::slotVonBahn(int bahn) {
    if (bahn < 1 || bahn > m_leitung.einstellungen().AnzBahnen || bahn > 6) return 0;
    const PositionsZeile* zeile = m_leitung.stand().zeile(bahn);
    const int slot = zeile ? zeile->fahrerNr : 0;
    return slot >= 1 && slot <= 6 ? slot : 0;
}

QString Rundenkorrektur::hindernis(int bahn, Art art) {
    const RennZustand& z = m_leitung.zustand();
    const int slot = slotVonBahn(bahn);
    if (slot == 0) return tr("Auf Bahn %1 fährt niemand mit.").arg(bahn);
    // A correction is written at once: laps still waiting for the database come first.
    if (!m_leitung.sicherung().sichereJetzt())
        return tr("Die letzten Runden sind noch nicht gespeichert. Bitte gleich noch einmal "
                  "versuchen.");
    if (art == Art::PlusEins) {
        if (!z.RennenLaeuft)
            return tr("Eine Runde kann nur während eines Laufs gezählt werden.");
        if (z.AmpelPhase != 6) return tr("Vor dem Start zählt keine Runde.");
        if (z.ChaosAktiv) return tr("Während CHAOS zählt keine Runde.");
        if (!z.BahnGestartet[size_t(slot)])
            return tr("Bahn %1 ist noch nicht über die Startlinie gefahren.").arg(bahn);
        return QString();
    }
    const int runden =
        m_leitung.datenbank()
            .wert(QStringLiteral("select count(*) from aktrennen where Bahn=? and ") +
                      QLatin1String(gezaehlt),
                  {bahn})
            .toInt();
    if (runden == 0)
        return tr("Bahn %1 hat keine Runde, die gelöscht werden kann.").arg(bahn);
    return QString();
}

QString Rundenkorrektur::korrigiere(int bahn, Art art, const QString& grund) {
    const QString nein = hindernis(bahn, art);
    if (!nein.isEmpty()) return nein;
    const int slot = slotVonBahn(bahn);
    int runde = 0;
    QString fehler = art == Art::PlusEins ? plusEins(bahn, slot) : minusEins(bahn, slot, &runde);
    if (!fehler.isEmpty()) return fehler;
    if (art == Art::PlusEins) runde = m_leitung.zustand().Runden[size_t(slot)];
    rechneNeu(bahn, slot);
    if (!speichere(bahn, art, runde, grund, &fehler))
        return tr("Die Korrektur ist gezählt, aber nicht gespeichert: %1").arg(fehler);
    SchreibeDebug(QStringLiteral("Korrektur Bahn %1 %2 Runde %3 %4")
                      .arg(bahn)
                      .arg(artText(art))
                      .arg(runde)
                      .arg(grund));
    emit korrigiert(bahn, artText(art), runde);
    return QString();
}

QString Rundenkorrektur::plusEins(int bahn, int slot) {
    RennZustand& z = m_leitung.zustand();
    // The crossing goes the way of every other: through the input that leads to the lane.
    int eingang = 0;
    for (int b = 1; b <= 6 && eingang == 0; ++b)
        if (z.FahrerNr[size_t(b)] == slot) eingang = b;
    if (eingang == 0) return tr("Bahn %1 hat keinen Eingang.").arg(bahn);
    const qint16 vorher = z.Runden[size_t(slot)];
    // Neither this lap nor the next (timed from now) may be a best lap or a lap record.
    const qint8 ohneVorher = z.OhneBestzeit[size_t(slot)];
    z.OhneBestzeit[size_t(slot)] = 2;
    SlotWerte* panel = m_leitung.GetSlotAnzeigeFromBahn(bahn);
    const int panelVorher = panel ? panel->rundenOhneBestzeit() : 0;
    if (panel) panel->RundenOhneBestzeit(2);
    m_leitung.RundenErfassung(eingang, m_leitung.uhr().Zeitstempel());
    m_leitung.BildschirmRefresh();
    if (z.Runden[size_t(slot)] != vorher + 1) {
        // Not counted: what an earlier added lap asked for still holds.
        z.OhneBestzeit[size_t(slot)] = ohneVorher;
        if (panel) panel->RundenOhneBestzeit(panelVorher);
        return tr("Die Runde wurde nicht gezählt: die letzte Runde auf Bahn %1 ist eben erst "
                  "gefahren.")
            .arg(bahn);
    }
    Datenbank& db = m_leitung.datenbank();
    const QVariant lfdnr =
        db.wert(QStringLiteral("select max(lfdnr) from aktrennen where Bahn=?"), {bahn});
    QString fehler;
    if (!db.execute(
            QStringLiteral("update aktrennen set RennInfo = coalesce(RennInfo, '') || ' K+' "
                           "where lfdnr=?"),
            {lfdnr}, &fehler))
        SchreibeDebug(QStringLiteral("Korrektur: Vermerk K+ nicht geschrieben: ") + fehler);
    return QString();
}

QString Rundenkorrektur::minusEins(int bahn, int slot, int* runde) {
    RennZustand& z = m_leitung.zustand();
    Datenbank& db = m_leitung.datenbank();
    QSqlQuery q(db.db());
    q.prepare(QStringLiteral("select lfdnr, Runde, Zeit from aktrennen where Bahn=? and ") +
              QLatin1String(gezaehlt) + QStringLiteral(" order by lfdnr desc limit 1"));
    q.addBindValue(bahn);
    if (!q.exec() || !q.next()) return tr("Die letzte Runde ist nicht zu finden.");
    const QVariant lfdnr = q.value(0);
    *runde = q.value(1).toInt();
    const qint32 zeit = alsMs(q.value(2));
    q.finish();

    // The lap row stays, marked; a run already in the history is marked there too.
    QString fehler;
    if (!db.beginneTransaktion()) return db.letzterFehler();
    const QString vermerk = QStringLiteral(
        " set RennInfo = coalesce(RennInfo, '') || ' K-' "
        "where lfdnr=? and Bahn=? and Runde=?");
    const QVariantList welche{lfdnr, bahn, *runde};
    if (!db.execute(QStringLiteral("update aktrennen") + vermerk, welche, &fehler) ||
        !db.execute(QStringLiteral("update histrennen") + vermerk, welche, &fehler) ||
        !db.bestaetige()) {
        db.verwerfe();
        return tr("Die Runde kann nicht gelöscht werden: %1").arg(fehler);
    }
    // The next crossing measures its lap from the one before the false one.
    z.RundenStart[size_t(slot)] -= zeit;
    return QString();
}

void Rundenkorrektur::rechneNeu(int bahn, int slot) {
    RennZustand& z = m_leitung.zustand();
    const size_t s = size_t(slot);
    Datenbank& db = m_leitung.datenbank();
    QSqlQuery q(db.db());
    q.prepare(QStringLiteral("select Runde, Zeit, Gesamt, coalesce(RennInfo, '') from aktrennen "
                             "where Bahn=? and ") +
              QLatin1String(gezaehlt) + QStringLiteral(" order by lfdnr"));
    q.addBindValue(bahn);
    qint16 runden = 0;
    qint32 letzte = 0, gesamt = 0, beste = 99999;
    qint16 besteNr = 0;
    if (q.exec()) {
        bool nachPlus = false;
        while (q.next()) {
            ++runden;
            letzte = alsMs(q.value(1));
            gesamt = alsMs(q.value(2));
            // An added lap is counted but is never the best one, nor is the lap after it:
            // that one is timed from the moment the lap was added. Laps the device counted
            // unseen and laps across a gap in the timing are never the best one either.
            const QString vermerk = q.value(3).toString();
            const bool plus = vermerk.contains(QLatin1String("K+"));
            if (!Rundenvermerk::keineBestzeit(vermerk) && !nachPlus && letzte < beste) {
                beste = letzte;
                besteNr = qint16(q.value(0).toInt());
            }
            nachPlus = plus;
        }
    }
    z.Runden[s] = runden;
    z.LetzteRunde[s] = letzte;
    z.GesamtZeit[s] = gesamt;
    z.GesamtRest[s] = 0;
    z.BesteRunde[s] = beste;
    z.BesteRundeNr[s] = besteNr;

    if (PositionsZeile* zeile = m_leitung.standZeile(bahn)) {
        PositionsZeile& p = *zeile;
        p.runden = runden;
        p.gesamt = runden > 0 ? gesamt : 999999;
        p.aktRunde = letzte;
        const bool hatBeste = besteNr > 0;
        p.schnellste = hatBeste ? beste : 999999;
        p.schnellsteRunde = hatBeste ? besteNr : 999;
        p.aktGeschw = letzte > 0 ? p.laenge / double(letzte) : 0.0;
        p.schnellsteGeschw = p.laenge / double(p.schnellste);
        p.wann = m_leitung.uhr().jetzt().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
        m_leitung.standGeaendert(bahn);
    }
    // The panel takes the new values first, then the best lap, which it would otherwise
    // keep from the lap just taken back.
    m_leitung.BildschirmRefresh();
    if (SlotWerte* panel = m_leitung.GetSlotAnzeigeFromBahn(bahn))
        panel->SetzeSchnellste(besteNr > 0 ? beste : 99999, besteNr);
}

bool Rundenkorrektur::speichere(int bahn, Art art, int runde, const QString& grund,
                                QString* fehler) {
    Datenbank& db = m_leitung.datenbank();
    const QString stempel =
        db.wert(QStringLiteral("select stempel from laufstand where id=1")).toString();
    const PositionsZeile* zeile = m_leitung.stand().zeile(bahn);
    const QString fahrer = zeile ? zeile->fahrer : QString();
    return db.execute(
        QStringLiteral("insert into korrekturen (rennen, Bahn, Fahrer, Art, Runde, "
                       "Zeitpunkt, Grund) values (?, ?, ?, ?, ?, ?, ?)"),
        {stempel, bahn, fahrer, artText(art), runde,
         m_leitung.uhr().jetzt().toString(QStringLiteral("yyyy.MM.dd HH:mm:ss")), grund},
        fehler);
}

QStringList Rundenkorrektur::desLaufs(Datenbank& db) {
    QStringList zeilen;
    QSqlQuery q(db.db());
    q.prepare(
        QStringLiteral("select Bahn, Fahrer, Art, Runde, coalesce(Grund, '') from "
                       "korrekturen where rennen = (select stempel from laufstand where "
                       "id=1) order by lfdnr"));
    if (!q.exec()) return zeilen;
    while (q.next()) {
        QString zeile = tr("Bahn %1 (%2): %3 Runde %4")
                            .arg(QString::number(q.value(0).toInt()), q.value(1).toString(),
                                 q.value(2).toString(), QString::number(q.value(3).toInt()));
        if (!q.value(4).toString().isEmpty())
            zeile += QStringLiteral(" – ") + q.value(4).toString();
        zeilen << zeile;
    }
    return zeilen;
}
