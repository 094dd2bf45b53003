// The lap path from a crossing to the lane's row: the lap entry with its buffer, the
// evaluation on the race timer, and laps the timing device counted while the line was down.
// A part of Rennleitung kept in a file of its own.

#include <algorithm>
#include <limits>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "engine/Ansage.h"
#include "engine/GeraeteRunde.h"
#include "engine/RennHardware.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"
#include "engine/RundenPuffer.h"
#include "engine/Rundensicherung.h"
#include "engine/Rundenvermerk.h"
#include "engine/SlotAnzeigen.h"
#include "engine/SlotWerte.h"

namespace {
// Building the trace lines costs time on the lap path; skip it when nobody reads them.
bool protokolliert() { return DebugLog::instanz().aktiv(); }
}  // namespace

void Rennleitung::RundenErfassung(int B, qint32 TempZeit, int zehntel, int verpasst) {
    if (!m_z.RennenLaeuft || m_z.ChaosAktiv) return;
    if (B < 0 || B > 6) {
        SchreibeDebug(QStringLiteral("RundenErfassung: Eingang %1 ohne Bahn, ignoriert").arg(B));
        return;
    }
    const int slot = m_z.FahrerNr[size_t(B)];
    if (slot == 0) return;
    if (!istGueltigerSlot(slot)) {
        SchreibeDebug(QStringLiteral("RundenErfassung: Eingang %1 zeigt auf FahrerNr %2, ignoriert")
                          .arg(B)
                          .arg(slot));
        return;
    }
    if (std::any_of(m_z.FreieBahn.begin(), m_z.FreieBahn.end(), [](bool frei) { return frei; })) {
        // A stray pulse or a car on a lane without a driver counts for nobody.
        const PositionsZeile* zeile = m_stand.zeileVonSlot(slot, anzBahnen(), m_z.Option1);
        if (zeile && istFreieBahn(zeile->bahn)) {
            SchreibeDebug(
                QStringLiteral("RundenErfassung: Bahn %1 ist frei, nicht gezählt").arg(zeile->bahn));
            return;
        }
    }
    if (protokolliert())
        SchreibeDebug(QStringLiteral("RundenErfassung: B %1 T-Zeit %2").arg(B).arg(TempZeit));
    if (ansageAktiv(0)) m_ansage.SpieleTon(m_e.TonBeep);

    if (m_z.AmpelPhase < 6 && m_e.Fruehstart == 1) {
        if (!m_z.FruehstartMarke[size_t(slot)] && ansageAktiv(6)) {
            const PositionsZeile* zeile = m_stand.zeileVonSlot(slot, anzBahnen(), m_z.Option1);
            m_ansage.SprachAusgabe(zeile ? zeile->fahrer + QStringLiteral(" Frühstart!")
                                         : QStringLiteral("Bahn %1 Frühstart!").arg(B));
        }
        m_z.FruehstartMarke[size_t(slot)] = true;
        GetSlotAnzeigeFromBahn(B)->SetFruehstart();
        emit fruehstart(B);
        emit panelsGeaendert();
        return;
    }
    // Devices that time the laps send lap times: when they counted laps unseen, the moment the
    // crossing arrived is what tells how long those took.
    const qint32 ankunft = zeitnahme().misstRundenzeiten ? m_hw.HoleZeitstempel() : TempZeit;
    m_puffer->schreibe({slot, TempZeit, zehntel, qMax(0, verpasst), ankunft});
    m_z.RundeWartet = true;
}

void Rennleitung::GetPortnummer(int bahn) {
    m_z.RundeWartet = false;
    const qint32 zeit = m_hw.HoleZeitstempel();
    m_z.LetzterZeitstempel = zeit;
    RundenErfassung(bahn, zeit);
    m_z.RundeWartet = true;
}

void Rennleitung::meldeWartendeRunde() { m_z.RundeWartet = true; }

void Rennleitung::merkeZeitstempel(qint32 zeit) { m_z.LetzterZeitstempel = zeit; }

void Rennleitung::werteWartendeRundenAus() {
    m_z.RundeWartet = false;
    BildschirmRefresh();
}

void Rennleitung::setzeFreieBahnen(const QVector<int>& bahnen) {
    m_z.FreieBahn.fill(false);
    for (int b : bahnen)
        if (b >= 1 && b <= 6) m_z.FreieBahn[size_t(b)] = true;
}

bool Rennleitung::istFreieBahn(int bahn) const {
    return bahn >= 1 && bahn <= 6 && m_z.FreieBahn[size_t(bahn)];
}

int Rennleitung::wartendeRunden() const { return m_puffer->anzahl(); }

void Rennleitung::BildschirmRefresh() {
    // A nested call (events run inside a lap's work) leaves the rest to the running one.
    if (m_imRefresh) return;
    m_imRefresh = true;

    while (!m_puffer->leer()) {
        const RundenPuffer::Eintrag e = m_puffer->nimm();
        werteAus(e.slot, e.zeit, e.zehntel, e.verpasst, e.ankunft);
    }
    // One write for the crossings of this tick, behind the race: on disk before the next
    // tick while the disk takes it, else kept in memory until the database takes it.
    m_sicherung->beendeTick(m_stand.nimmGeaenderte(), rennStempel(), m_z.AktRennName);

    const int anz = anzBahnen();
    const QVector<PositionsZeile> zeilen = m_stand.sortiert(anz, m_z.Option1);
    QVector<int> stapel;
    for (const PositionsZeile& z : zeilen) {
        if (stapel.size() >= anz) break;
        const int index = m_anzeigen->indexVonBahn(z.bahn, anz);
        SlotWerte& panel = m_anzeigen->panel(index);
        const double vorher = panel.ReturnRunden();
        panel.SetVarWerte(z.platz, double(z.aktRunde), z.runden, double(z.gesamt));
        // Laps that came in one tick (a counter's laps counted unseen come with its next):
        // the list names each of them, from the laps as they count.
        if (panel.rundenListeSichtbar() && panel.ReturnRunden() - vorher > 1) {
            QVector<std::pair<int, qint32>> liste;
            for (const Laufrunden::Runde& r : m_laufrunden.gezaehlte(z.bahn))
                liste.append({r.runde, r.zeit});
            panel.ersetzeRundenListe(liste);
        }
        stapel.append(index);
    }
    // A static display in training keeps the lanes where they are.
    if (!(m_z.RennArt == Laufart::Training && m_e.AnzeigeSort == 1))
        m_anzeigen->stapele(stapel, anz);
    m_imRefresh = false;
    emit panelsGeaendert();
}

void Rennleitung::zeitnahmeUnterbrochen(bool unterbrochen) {
    if (!m_z.RennenLaeuft) return;
    const qint32 jetzt = m_hw.HoleZeitstempel();
    auto& liste = m_z.Unterbrechungen;
    const bool laeuft = !liste.empty() && liste.back().second == std::numeric_limits<qint32>::max();
    if (unterbrochen && !laeuft)
        liste.emplace_back(jetzt, std::numeric_limits<qint32>::max());
    else if (!unterbrochen && laeuft)
        liste.back().second = jetzt;
}

bool Rennleitung::ueberbruecktUnterbrechung(size_t s, qint32 stempel) const {
    for (const auto& [anfang, ende] : m_z.Unterbrechungen)
        if (m_z.RundenStart[s] < ende && stempel > anfang) return true;
    return false;
}

int Rennleitung::bahnVonSlot(int slot) {
    const PositionsZeile* zeile = m_stand.zeileVonSlot(slot, anzBahnen(), m_z.Option1);
    return zeile ? zeile->bahn : slot;
}

void Rennleitung::werteAus(int slot, qint32 zeit, int zehntel, int verpasst, qint32 ankunft) {
    if (!istGueltigerSlot(slot)) return;
    if (verpasst > 0 && zeitnahme().misstRundenzeiten)
        bucheVerpassteRunden(slot, verpasst, zeit, ankunft);
    RundenErfassung2(slot, zeit, zehntel);
    if (zeitnahme().misstRundenzeiten) m_z.LetzteAnkunft[size_t(slot)] = ankunft;
}

void Rennleitung::bucheVerpassteRunden(int slot, int anzahl, qint32 aktuelleRunde, qint32 ankunft) {
    const size_t s = size_t(slot);
    const int bahn = bahnVonSlot(slot);
    SchreibeDebug(QStringLiteral("Bahn %1: %2 Runden vom Zähler gezählt, nicht empfangen")
                      .arg(bahn)
                      .arg(anzahl));
    if (!m_z.BahnGestartet[s]) {
        // The lane's first crossing was among them: it starts the lane as it always does,
        // at the green light as far as the program can tell.
        RundenErfassung2(slot, 0, 0);
        m_z.LetzteAnkunft[s] = m_z.StartZeit;
        if (--anzahl == 0) return;
    }
    // The time from the lane's last crossing to this one, less this frame's own lap, shared
    // out evenly. When the arrivals say nothing useful (frames held up and delivered in a
    // burst), each is taken as long as the lap the counter did send.
    const qint64 mindest = qint64(qMax<qint32>(m_e.PrellZeit, 0)) + 1;
    qint64 rest = qint64(ankunft) - m_z.LetzteAnkunft[s] - aktuelleRunde;
    if (rest < anzahl * mindest) rest = anzahl * qMax<qint64>(aktuelleRunde, mindest);
    const qint16 vorher = m_z.Runden[s];
    for (int k = 0; k < anzahl; ++k)
        RundenErfassung2(slot, qint32(rest * (k + 1) / anzahl - rest * k / anzahl), 0, true);
    const int gezaehlt = m_z.Runden[s] - vorher;
    m_rueckfrage.zeitnahmeMeldung(
        gezaehlt == 1 ? tr("Bahn %1: eine Runde während der Unterbrechung vom Zähler gezählt "
                           "(Zeit geschätzt)")
                            .arg(bahn)
                      : tr("Bahn %1: %2 Runden während der Unterbrechung vom Zähler gezählt "
                           "(Zeiten gleichmäßig verteilt)")
                            .arg(bahn)
                            .arg(gezaehlt),
        false);
}

void Rennleitung::RundenErfassung2(int i, qint32 TempZeit, int zehntel, bool vomGeraet) {
    if (!istGueltigerSlot(i)) return;
    const size_t s = size_t(i);
    const Geraetefaehigkeiten geraet = zeitnahme();
    if (geraet.zeitenAbStart) TempZeit += m_z.StartZeit;
    // These count the lap themselves: the value is a lap time on top of the lane's total,
    // which keeps their sub-ms part (the lap itself is rounded half up).
    GeraeteRunde gemessen{TempZeit, TempZeit, m_z.GesamtRest[s]};
    if (geraet.misstRundenzeiten) {
        gemessen = VerbucheGeraeteRunde(TempZeit, zehntel, m_z.GesamtRest[s]);
        TempZeit = m_z.StartZeit + gemessen.zuGesamt + m_z.GesamtZeit[s];
    }

    if (protokolliert()) {
        SchreibeDebug(QStringLiteral("StartZeit:%1").arg(m_z.StartZeit));
        SchreibeDebug(QStringLiteral("TempZEit:%1").arg(TempZeit));
        SchreibeDebug(QStringLiteral("GesamtZEit:%1").arg(m_z.GesamtZeit[s]));
        SchreibeDebug(QStringLiteral("RundenStart:%1").arg(m_z.RundenStart[s]));
        SchreibeDebug(QStringLiteral("TempZEit-RundenStart:%1").arg(TempZeit - m_z.RundenStart[s]));
    }

    if (m_z.BahnGestartet[s]) {
        if (TempZeit - m_z.RundenStart[s] <= m_e.PrellZeit) return;
        m_z.Runden[s] = qint16(m_z.Runden[s] + 1);
        const qint32 bezug = m_z.Runden[s] == 1 ? m_z.BahnStartZeit[s] : m_z.RundenStart[s];
        m_z.LetzteRunde[s] = TempZeit - bezug + gemessen.rundenZeit - gemessen.zuGesamt;
        m_z.GesamtRest[s] = gemessen.rest;
        m_z.GesamtZeit[s] = TempZeit - m_z.BahnStartZeit[s] - m_z.ChaosZeitBis(TempZeit);
        // Where the hardware cannot know what it missed, a lap across a gap in the timing
        // may be two laps in one: said once, and never a best lap.
        const bool ueberbrueckt =
            !geraet.misstRundenzeiten && ueberbruecktUnterbrechung(s, TempZeit);
        m_z.RundenStart[s] = TempZeit;
        const bool korrigiert = m_z.OhneBestzeit[s] != 0;
        if (korrigiert) --m_z.OhneBestzeit[s];
        const bool besteMoeglich = !korrigiert && !vomGeraet && !ueberbrueckt;
        if (besteMoeglich && m_z.LetzteRunde[s] < m_z.BesteRunde[s]) {
            m_z.BesteRunde[s] = m_z.LetzteRunde[s];
            m_z.BesteRundeNr[s] = m_z.Runden[s];
        }
        if (ueberbrueckt) {
            const int bahn = bahnVonSlot(i);
            SchreibeDebug(QStringLiteral("Bahn %1: Runde %2 über eine Unterbrechung der "
                                         "Zeitnahme, keine Bestzeit")
                              .arg(bahn)
                              .arg(m_z.Runden[s]));
            if (SlotWerte* panel = GetSlotAnzeigeFromBahn(bahn))
                panel->RundenOhneBestzeit(qMax(panel->rundenOhneBestzeit(), 1));
            m_rueckfrage.zeitnahmeMeldung(
                tr("Bahn %1: während der Unterbrechung nicht gezählt").arg(bahn), false);
        }
        m_rundenVermerk = vomGeraet      ? Rundenvermerk::vomGeraet
                          : ueberbrueckt ? Rundenvermerk::unterbrochen
                                         : QString();
        m_rundeStill = vomGeraet;
        AktPositionen(i, m_z.Runden[s], m_z.LetzteRunde[s], m_z.GesamtZeit[s], m_z.BesteRunde[s],
                      m_z.BesteRundeNr[s]);
        m_rundenVermerk.clear();
        m_rundeStill = false;
        return;
    }

    // The first crossing starts the lane's clock; it is never a lap.
    m_z.BahnStartZeit[s] = m_e.StartZeitBei == 1 ? m_z.StartZeit : TempZeit;
    m_z.RundenStart[s] = geraet.misstRundenzeiten ? m_z.BahnStartZeit[s] : TempZeit;
    m_z.GesamtZeit[s] = 0;
    m_z.GesamtRest[s] = 0;
    m_z.Runden[s] = 0;
    m_z.BahnGestartet[s] = true;
    qint16 runden = 0;
    qint32 letzte = TempZeit - m_z.BahnStartZeit[s];
    qint32 gesamt = 999999;
    qint32 beste = 999999;
    qint16 besteNr = 999;
    AktPositionen(i, runden, letzte, gesamt, beste, besteNr);
}
