#include "engine/Rundenkorrektur.h"

#include <QVariant>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/Formate.h"
#include "config/Uhr.h"
#include "data/Datenbank.h"
#include "data/DatenbankSchema.h"
#include "engine/Rangliste.h"
#include "engine/Rennleitung.h"
#include "engine/Rundenschreiber.h"
#include "engine/Rundensicherung.h"
#include "engine/SlotWerte.h"

namespace {
// Rows of the running lap table and of the run's copy in the history that still count.
const QString imLauf = QLatin1String(DatenbankSchema::zaehltImLauf);
const QString inHistorie = QLatin1String(DatenbankSchema::zaehltInHistorie);
const QString stempel = QStringLiteral("(select stempel from laufstand where id = 1)");

struct Eintrag {
    int bahn = 0;
    QString fahrer, art, zeitpunkt, grund;
    int runde = 0;
    bool minus = false;
    bool letzte = true;        // "-1": no lap was counted after the one taken back
    double folgendeZeit = 0;   // s, the next lap's new time
    double folgendeGeschw = 0;
    bool folgendeWarBeste = false;
};

// On the writer's connection, behind the laps concerned: one transaction. A "-1" names the
// row it takes back, so from its insert on that row no longer counts.
Rundenschreiber::Ergebnis schreibe(Datenbank& db, const Eintrag& k) {
    Rundenschreiber::Ergebnis e;
    bool ok = db.beginneTransaktion();
    QVariant weg, folgende;
    if (ok && k.minus) {
        weg = db.wert(
            QStringLiteral("select max(lfdnr) from aktrennen where Bahn=? and Runde=? and ") +
                imLauf,
            {k.bahn, k.runde});
        folgende = k.letzte ? QVariant()
                            : db.wert(QStringLiteral("select min(lfdnr) from aktrennen where "
                                                     "Bahn=? and lfdnr>? and ") +
                                          imLauf,
                                      {k.bahn, weg});
        if (weg.isNull())
            SchreibeDebug(QStringLiteral("Korrektur: Runde %1 auf Bahn %2 nicht in aktrennen")
                              .arg(k.runde)
                              .arg(k.bahn));
    }
    if (ok)
        ok = db.execute(
            QStringLiteral("insert into korrekturen (rennen, Bahn, Fahrer, Art, Runde, "
                           "Zeitpunkt, Grund, Zeile) values (") +
                stempel + QStringLiteral(", ?, ?, ?, ?, ?, ?, ?)"),
            {k.bahn, k.fahrer, k.art, k.runde, k.zeitpunkt, k.grund,
             k.minus ? weg : QVariant()});
    // The run may be in the history already: its rows there carry the same lfdnr.
    for (const char* tabelle : {"aktrennen", "histrennen"}) {
        if (!ok || !k.minus || weg.isNull()) break;
        const QString t = QString::fromLatin1(tabelle);
        const bool historie = t == QLatin1String("histrennen");
        const QString dieserLauf =
            historie ? QStringLiteral(" and rennzeit = ") + stempel : QString();
        ok = db.execute(QStringLiteral("update %1 set RennInfo = coalesce(RennInfo, '') || "
                                       "' K-' where lfdnr=? and Bahn=?")
                                .arg(t) +
                            dieserLauf,
                        {weg, k.bahn});
        // Its best-lap remark holds only if the whole lap was a best lap.
        if (ok && !folgende.isNull())
            ok = db.execute(
                QStringLiteral("update %1 set Zeit=?, MProSec=?, RennInfo = case when ? "
                               "then RennInfo else replace(RennInfo, 'SR ', '') end where "
                               "lfdnr=? and Bahn=?")
                        .arg(t) +
                    dieserLauf,
                {k.folgendeZeit, k.folgendeGeschw, k.folgendeWarBeste, folgende, k.bahn});
        if (ok && !k.letzte)
            ok = db.execute(QStringLiteral("update %1 set Runde = Runde - 1 where Bahn=? "
                                           "and lfdnr>? and ")
                                    .arg(t) +
                                (historie ? inHistorie : imLauf) + dieserLauf,
                            {k.bahn, weg});
    }
    if (ok) ok = db.bestaetige();
    if (!ok) {
        e.ok = false;
        e.fehlerNr = db.letzteFehlerNr();
        e.text = Datenbank::schreibfehlerText(e.fehlerNr, db.letzterFehler());
        db.verwerfe();
    }
    return e;
}
}  // namespace

Rundenkorrektur::Rundenkorrektur(Rennleitung& leitung, QObject* parent)
    : QObject(parent), m_leitung(leitung) {}

int Rundenkorrektur::slotVonBahn(int bahn) const {
    if (bahn < 1 || bahn > m_leitung.einstellungen().AnzBahnen || bahn > 6) return 0;
    const PositionsZeile* zeile = m_leitung.stand().zeile(bahn);
    const int slot = zeile ? zeile->fahrerNr : 0;
    return slot >= 1 && slot <= 6 ? slot : 0;
}

QString Rundenkorrektur::fahrer(int bahn) const {
    const PositionsZeile* zeile = m_leitung.stand().zeile(bahn);
    return zeile ? zeile->fahrer : QString();
}

Laufrunden::Runde Rundenkorrektur::letzteRunde(int bahn) const {
    return m_leitung.laufrunden().letzte(bahn);
}

QString Rundenkorrektur::hindernis(int bahn, Art art) {
    const RennZustand& z = m_leitung.zustand();
    const int slot = slotVonBahn(bahn);
    if (slot == 0) return tr("Auf Bahn %1 fährt niemand mit.").arg(bahn);
    if (art == Art::PlusEins) {
        if (!z.RennenLaeuft)
            return tr("Eine Runde kann nur während eines Laufs gezählt werden.");
        if (z.AmpelPhase != 6) return tr("Vor dem Start zählt keine Runde.");
        if (z.ChaosAktiv) return tr("Während CHAOS zählt keine Runde.");
        if (!z.BahnGestartet[size_t(slot)])
            return tr("Bahn %1 ist noch nicht über die Startlinie gefahren.").arg(bahn);
        return QString();
    }
    if (letzteRunde(bahn).schluessel == 0)
        return tr("Bahn %1 hat keine Runde, die gelöscht werden kann.").arg(bahn);
    return QString();
}

QString Rundenkorrektur::seitDerFrage(int bahn, qint64 schluessel) const {
    const Laufrunden& l = m_leitung.laufrunden();
    const Laufrunden::Runde r = l.finde(bahn, schluessel);
    if (r.schluessel == 0)
        return tr("Diese Runde zählt nicht mehr (schon gelöscht oder ein neuer Lauf). Es wird "
                  "nichts gelöscht.");
    const int neu = l.danach(bahn, schluessel);
    if (neu == 0) return QString();
    //: %1: laps counted on the lane since the question opened, %2: the lap's number
    const QString seit = neu == 1 ? tr("Seit dem Öffnen ist 1 weitere Runde gefahren.")
                                  : tr("Seit dem Öffnen sind %1 weitere Runden gefahren.")
                                        .arg(neu);
    return seit + QLatin1Char(' ') +
           tr("Gelöscht wird trotzdem genau Runde %1; ihre Zeit kommt zur nächsten Runde dazu, "
              "die dann Runde %1 ist.")
               .arg(r.runde);
}

QString Rundenkorrektur::korrigiere(int bahn, Art art, const QString& grund, qint64 schluessel) {
    const QString nein = hindernis(bahn, art);
    if (!nein.isEmpty()) return nein;
    const int slot = slotVonBahn(bahn);
    int runde = 0;
    Laufrunden::Ruecknahme weg;
    if (art == Art::PlusEins) {
        const QString fehler = plusEins(bahn, slot);
        if (!fehler.isEmpty()) return fehler;
        runde = m_leitung.zustand().Runden[size_t(slot)];
        rechneNeu(bahn, slot, false);
    } else {
        Laufrunden& l = m_leitung.laufrunden();
        const Laufrunden::Runde r = schluessel ? l.finde(bahn, schluessel) : l.letzte(bahn);
        if (r.schluessel == 0 || !l.nimmZurueck(bahn, r.schluessel, &weg))
            return tr("Diese Runde auf Bahn %1 zählt nicht mehr; es wurde nichts gelöscht.")
                .arg(bahn);
        runde = r.runde;
        // The next crossing measures its lap from the one before the false one.
        if (weg.letzte) m_leitung.zustand(Korrekturrecht{}).RundenStart[size_t(slot)] -= r.zeit;
        rechneNeu(bahn, slot, weg.letzte);
    }
    speichere(bahn, art, runde, grund, art == Art::MinusEins ? &weg : nullptr);
    SchreibeDebug(QStringLiteral("Korrektur Bahn %1 %2 Runde %3 %4")
                      .arg(bahn)
                      .arg(artText(art))
                      .arg(runde)
                      .arg(grund));
    emit korrigiert(bahn, artText(art), runde);
    return QString();
}

QString Rundenkorrektur::plusEins(int bahn, int slot) {
    const RennZustand& z = m_leitung.zustand();
    Rundenzaehlung& zaehlung = m_leitung.zustand(Korrekturrecht{});
    // The crossing goes the way of every other: through the input that leads to the lane.
    int eingang = 0;
    for (int b = 1; b <= 6 && eingang == 0; ++b)
        if (z.FahrerNr[size_t(b)] == slot) eingang = b;
    if (eingang == 0) return tr("Bahn %1 hat keinen Eingang.").arg(bahn);
    // Crossings already waiting are counted first: the mark belongs to the added lap.
    m_leitung.BildschirmRefresh();
    const qint16 vorher = z.Runden[size_t(slot)];
    // Neither this lap nor the next (timed from now) may be a best lap or a lap record.
    const qint8 ohneVorher = z.OhneBestzeit[size_t(slot)];
    zaehlung.OhneBestzeit[size_t(slot)] = 2;
    zaehlung.HandRunde[size_t(slot)] = true;
    SlotWerte* panel = m_leitung.GetSlotAnzeigeFromBahn(bahn);
    const int panelVorher = panel ? panel->rundenOhneBestzeit() : 0;
    if (panel) panel->RundenOhneBestzeit(2);
    m_leitung.RundenErfassung(eingang, m_leitung.uhr().Zeitstempel());
    m_leitung.BildschirmRefresh();
    if (z.Runden[size_t(slot)] != vorher + 1) {
        // Not counted: what an earlier added lap asked for still holds.
        zaehlung.OhneBestzeit[size_t(slot)] = ohneVorher;
        zaehlung.HandRunde[size_t(slot)] = false;
        if (panel) panel->RundenOhneBestzeit(panelVorher);
        return tr("Die Runde wurde nicht gezählt: die letzte Runde auf Bahn %1 ist eben erst "
                  "gefahren.")
            .arg(bahn);
    }
    return QString();
}

void Rundenkorrektur::rechneNeu(int bahn, int slot, bool letzteWeg) {
    Rundenzaehlung& zaehlung = m_leitung.zustand(Korrekturrecht{});
    const size_t s = size_t(slot);
    const Laufrunden& l = m_leitung.laufrunden();
    const QVector<Laufrunden::Runde> runden = l.gezaehlte(bahn);
    const qint32 letzte = runden.isEmpty() ? 0 : runden.last().zeit;
    const qint32 gesamt = runden.isEmpty() ? 0 : runden.last().gesamt;
    const auto [beste, besteNr] = l.beste(bahn);
    zaehlung.Runden[s] = qint16(runden.size());
    zaehlung.LetzteRunde[s] = letzte;
    zaehlung.GesamtZeit[s] = gesamt;
    zaehlung.GesamtRest[s] = 0;
    zaehlung.BesteRunde[s] = beste;
    zaehlung.BesteRundeNr[s] = qint16(besteNr);
    SlotWerte* panel = m_leitung.GetSlotAnzeigeFromBahn(bahn);
    if (letzteWeg) {
        // The next lap runs from the lane's last lap that counts: when that one was added by
        // hand, the next is no best lap either.
        const int ohne = !runden.isEmpty() && runden.last().plus ? 1 : 0;
        zaehlung.OhneBestzeit[s] = qint8(ohne);
        if (panel) panel->RundenOhneBestzeit(ohne);
    }

    if (PositionsZeile* zeile = m_leitung.standZeile(bahn)) {
        PositionsZeile& p = *zeile;
        p.runden = qint16(runden.size());
        p.gesamt = runden.isEmpty() ? 999999 : gesamt;
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
    if (panel) {
        panel->SetzeSchnellste(besteNr > 0 ? beste : 99999, besteNr);
        // The lap list as the laps count now (numbers and times of the laps after a lap taken
        // back have changed).
        QVector<std::pair<int, qint32>> liste;
        for (const Laufrunden::Runde& r : runden) liste.append({r.runde, r.zeit});
        panel->ersetzeRundenListe(liste);
    }
}

void Rundenkorrektur::speichere(int bahn, Art art, int runde, const QString& grund,
                                const Laufrunden::Ruecknahme* weg) {
    Eintrag k;
    k.bahn = bahn;
    k.fahrer = fahrer(bahn);
    k.art = artText(art);
    k.runde = runde;
    k.zeitpunkt = m_leitung.uhr().jetzt().toString(QStringLiteral("yyyy.MM.dd HH:mm:ss"));
    k.grund = grund;
    if (weg) {
        k.minus = true;
        k.letzte = weg->letzte;
        k.folgendeWarBeste = weg->folgendeWarBeste;
        const qint32 zeit = weg->folgende.zeit;
        k.folgendeZeit = Formate::Runde(zeit / 1000.0, 3);
        const PositionsZeile* zeile = m_leitung.stand().zeile(bahn);
        k.folgendeGeschw =
            zeile && zeit > 0 ? Formate::Runde(zeile->laenge / double(zeit), 3) : 0.0;
    }
    m_leitung.sicherung().schreibeDanach([k](Datenbank& db) { return schreibe(db, k); }, {});

    QString zeile = tr("Bahn %1 (%2): %3 Runde %4")
                        .arg(QString::number(bahn), k.fahrer, k.art, QString::number(runde));
    if (!grund.isEmpty()) zeile += QStringLiteral(" – ") + grund;
    m_leitung.laufrunden().notiere(zeile);
}
