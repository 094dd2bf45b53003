// The entrants of a tournament and their qualification: a part of Turnier kept in a file of
// its own.

#include <algorithm>
#include <utility>

#include "config/Einstellungen.h"
#include "engine/Hauptanzeige.h"
#include "engine/RennHardware.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"
#include "tournament/Turnier.h"

using H = Hauptanzeige;

// ---- entrants

bool Turnier::pruefeTeilnehmer(const QString& fahrer) {
    if (fahrer.compare(TurnierDaten::platzhalter(), Qt::CaseInsensitive) == 0) {
        m_leitung.rueckfrage().meldung(
            tr("\"%1\" steht für eine freie Spur und kann kein Teilnehmer sein.").arg(fahrer));
        return false;
    }
    return true;
}

void Turnier::FahrerHinzufuegen(const QString& fahrer, const QString& autoName) {
    if (fahrer.isEmpty() || autoName.isEmpty() || !pruefeTeilnehmer(fahrer)) return;
    for (const auto& t : m_belegung) {
        if (t.fahrer.compare(fahrer, Qt::CaseInsensitive) == 0) {
            m_leitung.rueckfrage().meldung(tr("%1 steht schon in der Liste.").arg(fahrer));
            return;
        }
    }
    m_belegung.append({fahrer, autoName});
    emit zustandGeaendert();
}

void Turnier::BelegungLoeschen(int index) {
    if (index < 0 || index >= m_belegung.size()) return;
    m_belegung.remove(index);
    emit zustandGeaendert();
}

void Turnier::uebernimmInQualifikation() {
    if (!m_elemente[SeiteTeilnehmer].enabled) return;
    if (m_aktuell < 0) return keinRennen();
    if (!kannStarten("In Qualifikation übernehmen")) return;
    Rueckfrage& r = m_leitung.rueckfrage();
    const auto da = m_daten.teilnehmer(schluessel(), TurnierDaten::Sortierung::Eingabe);
    bool alleNeu = true;
    if (!da.isEmpty()) {
        // Entrants and their results are never replaced unasked.
        const auto mitErgebnis =
            std::count_if(da.begin(), da.end(), [](const auto& t) { return !t.qualiR.isNull(); });
        const int w =
            r.wahl(tr("%1 hat schon %2 Teilnehmer, %3 davon mit "
                      "Qualifikationsergebnis.\nNeue Teilnehmer hinzufügen: alle bleiben mit "
                      "ihren Ergebnissen, wer aus der Liste noch fehlt, kommt dazu.\n"
                      "Alle neu: die Liste ersetzt alle Teilnehmer, ihre Ergebnisse "
                      "werden gelöscht.")
                       .arg(aktuell().RennName)
                       .arg(da.size())
                       .arg(mitErgebnis),
                   {tr("Neue Teilnehmer hinzufügen"), tr("Alle neu")});
        if (w < 0) return;
        alleNeu = w == 1;
    }
    QStringList doppelt;
    if (!m_daten.uebernehme(schluessel(), m_belegung, alleNeu, &doppelt))
        return melde(tr("Übernehmen"));
    if (!doppelt.isEmpty())
        r.meldung(tr("Schon Teilnehmer, nicht noch einmal übernommen: %1")
                      .arg(doppelt.join(QStringLiteral(", "))));
    // The qualification's list held entrants that are gone now.
    if (alleNeu && !m_qualiListe.isEmpty()) endeQuali();
    FahrerSortieren(TurnierDaten::Sortierung::Eingabe);
}

void Turnier::fuegeTeilnehmerHinzu(const QString& fahrer, const QString& autoName) {
    if (fahrer.isEmpty() || autoName.isEmpty()) return;
    if (m_aktuell < 0) return keinRennen();
    if (!pruefeTeilnehmer(fahrer)) return;
    if (m_daten.istTeilnehmer(schluessel(), fahrer)) {
        m_leitung.rueckfrage().meldung(
            tr("%1 ist schon Teilnehmer von %2.").arg(fahrer, aktuell().RennName));
        return;
    }
    if (!m_daten.fuegeTeilnehmerEin(schluessel(), fahrer, autoName)) return melde(tr("Hinzufügen"));
    emit tabellenGeaendert();
}

void Turnier::keinRennen() {
    // A tournament being set up has no key yet: its entrants would belong to nobody.
    m_leitung.rueckfrage().meldung(
        tr("Noch kein Rennen gewählt: zuerst auf der Seite „Rennen“ ein Rennen speichern oder "
           "wählen."));
}

QVector<TurnierDaten::Teilnehmer> Turnier::teilnehmer() {
    return m_daten.teilnehmer(schluessel(), m_sortierung);
}

void Turnier::FahrerSortieren(TurnierDaten::Sortierung art) {
    m_sortierung = art;
    emit tabellenGeaendert();
}

void Turnier::sortiereNachQuali() { FahrerSortieren(TurnierDaten::Sortierung::Quali); }

void Turnier::sortiereNachGruppe() {
    if (!m_elemente[Command10].enabled) return;
    FahrerSortieren(TurnierDaten::Sortierung::Gruppe);
    setzeEnabled(Command8, !m_gestartet);
    emit zustandGeaendert();
}

void Turnier::belegeGruppenVor() {
    if (!m_elemente[Command9].enabled || m_aktuell < 0) return;
    QVector<qint64> rowids;
    for (const auto& t : teilnehmer()) rowids << t.rowid;
    if (!m_daten.setzeGruppen(rowids,
                              RennLaufBelegung::Gruppen(int(rowids.size()), aktuell().Spuren,
                                                        aktuell().gruppenAusgleichen)))
        return melde(tr("Gruppen"));
    emit tabellenGeaendert();
}

// ---- qualification

void Turnier::fahreQualifikation() {
    if (!m_elemente[Command7].enabled || m_aktuell < 0 || !kannStarten("Quali")) return;
    if (m_elemente[Command7].quelle == kQualiStarten) {
        m_qualiListe.clear();
        QVector<qint64> ohneErgebnis;
        for (const auto& t : teilnehmer()) {
            m_qualiListe << t.rowid;
            if (t.qualiR.isNull()) ohneErgebnis << t.rowid;
        }
        // A late entrant drives alone; the others keep their results unless asked otherwise.
        if (!ohneErgebnis.isEmpty() && ohneErgebnis.size() < m_qualiListe.size() &&
            m_leitung.rueckfrage().frage(
                tr("Schon qualifiziert: %1 von %2 Teilnehmern. Nur die %3 ohne Ergebnis fahren "
                   "lassen?")
                    .arg(m_qualiListe.size() - ohneErgebnis.size())
                    .arg(m_qualiListe.size())
                    .arg(ohneErgebnis.size())))
            m_qualiListe = ohneErgebnis;
        m_qualiPos = 0;
        if (m_qualiListe.isEmpty()) return;
        m_phasenTurnier = aktuell().rowid;
        setzeEnabled(Command9, true);
        setzeEnabled(Command10, true);
    }
    if (m_qualiPos >= m_qualiListe.size()) return;
    QualiStarten();
}

void Turnier::QualiStarten() {
    Rennleitung& l = m_leitung;
    Einstellungen& e = l.einstellungen();
    const qint64 rowid = m_qualiListe.value(m_qualiPos, -1);
    TurnierDaten::Teilnehmer fahrer;
    for (const auto& t : m_daten.teilnehmer(schluessel(), m_sortierung))
        if (t.rowid == rowid) fahrer = t;
    if (fahrer.rowid < 0) return;

    l.Option1_Click(1);
    e.StartZeitBei = 0;
    l.beginneTurnierPhase(Laufart::Quali);
    l.setzeGrenze(aktuell().QualiZeit);
    l.setzeZeitRunden(aktuell().optionZeit ? 1 : 0);
    l.zaehleLaufAls(Laufart::Quali, schluessel());
    e.PrellZeit = qint16(aktuell().TriggerZeit.toInt());
    l.setzeRZeitAnsage(1);
    setze(Command7, QT_TR_NOOP("Naechster"), true);
    l.hardware().SetzeFormCaption(tr(kAktiv));
    QVector<int> frei;
    if (!m_daten.ladeQuali(fahrer.fahrer, fahrer.autoName, aktuell().QualiSpur, &frei))
        melde(tr("Qualifikation"));
    l.setzeFreieBahnen(frei);
    m_qualiLauf = {rowid, aktuell().QualiSpur};
    l.MyInit();
    m_anzeige.setEnabled(H::Command2, true);
    emit zustandGeaendert();
    emit hauptfensterZeigen();
}

void Turnier::NaechsterQualiLauf() {
    // The result of the run goes to the entrant and from the lane it was loaded for.
    const QualiLauf lauf = std::exchange(m_qualiLauf, QualiLauf{});
    // The next run is loaded by "Naechster": Start would drive this entrant again.
    m_anzeige.setEnabled(H::Command2, false);
    if (lauf.rowid >= 0) {
        const SlotWerte* p = m_leitung.GetSlotAnzeigeFromBahn(lauf.spur);
        if (!m_daten.speichereQuali(lauf.rowid, p->ReturnRunden(), p->ReturnSchnellsteRundenZeit(),
                                    p->ReturnSchnellsteRunde()))
            melde(tr("Qualifikation"));
        ++m_qualiPos;
    }
    if (m_qualiPos >= m_qualiListe.size()) {
        endeQuali();
        FahrerSortieren(TurnierDaten::Sortierung::Gruppe);
    }
    emit tabellenGeaendert();
    emit zustandGeaendert();
    emit dialogZeigen();
}

void Turnier::endeQuali() {
    m_qualiListe.clear();
    m_qualiPos = 0;
    m_qualiLauf = {};
    setze(Command7, kQualiStarten, true);
    if (m_leitung.zustand().SlotRennenPhase == Laufart::Quali)
        m_leitung.beendeTurnierPhase();
    m_leitung.setzeFreieBahnen({});
    m_anzeige.setEnabled(H::Command2, false);
    if (!m_gestartet) m_phasenTurnier = -1;
}
