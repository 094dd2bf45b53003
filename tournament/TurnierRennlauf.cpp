// The heats of a tournament: schedule, one heat after another on the race engine, their
// scoring, the pause and the repeat. A part of Turnier kept in a file of its own.

#include <algorithm>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/Formate.h"
#include "config/Uhr.h"
#include "engine/Ansage.h"
#include "engine/Hauptanzeige.h"
#include "engine/Nachlauf.h"
#include "engine/RennHardware.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"
#include "tournament/SpurWechsel.h"
#include "tournament/Turnier.h"

using H = Hauptanzeige;

// ---- heats

void Turnier::setzeZufall(bool an) {
    if (!m_elemente[cZufall].enabled) return;
    m_zufall = an;
    emit zustandGeaendert();
}

void Turnier::verteileRennlaeufe() {
    if (!m_elemente[Command8].enabled || m_aktuell < 0) return;
    RennLaeufeBelegen();
    WertungSortieren();
    GruppeUndLaufBestimmen();
    const bool belegt = m_daten.maxGruppe(schluessel()) > 0;
    setzeEnabled(Command11, belegt);
    if (!belegt)
        m_leitung.rueckfrage().meldung(
            tr("Keine Rennläufe belegt: bitte zuerst die Gruppen vorbelegen."));
    emit zustandGeaendert();
}

void Turnier::RennLaeufeBelegen() {
    const QString rotation = SpurWechsel::LaufMatrix(m_leitung.speicher(), aktuell().Spuren);
    QStringList log;
    const bool ok =
        m_daten.belegeLaeufe(schluessel(), rotation, m_zufall ? &m_leitung.uhr() : nullptr, &log);
    for (const QString& zeile : log) SchreibeDebug(zeile);
    if (!ok) melde(tr("Rennläufe belegen"));
    emit tabellenGeaendert();
}

void Turnier::GruppeUndLaufBestimmen() {
    m_gruppe[1] = std::max(1, m_daten.maxGruppe(schluessel()));
    m_lauf[1] = std::max(1, m_daten.maxLauf(schluessel(), 1));
    emit zustandGeaendert();
}

QString Turnier::gruppeText() const {
    if (!m_gestartet) return tr("Gruppen: %1").arg(m_gruppe[1]);
    return tr("Gruppe %1 von %2").arg(m_gruppe[0]).arg(m_gruppe[1]);
}

QString Turnier::laufText() const {
    if (!m_gestartet) return tr("Läufe in Gruppe 1: %1").arg(m_lauf[1]);
    return tr("Lauf %1 von %2").arg(m_lauf[0]).arg(m_lauf[1]);
}

void Turnier::setzePausen(const std::array<QString, 3>& texte) {
    m_pausen = texte;
    emit zustandGeaendert();
}

void Turnier::fahreRennlauf() {
    if (!m_elemente[Command11].enabled || !kannStarten("Rennlauf")) return;
    if (m_elemente[Command11].quelle == kRennenStarten)
        RennStart();
    else
        NaechsterRennLauf();
}

void Turnier::RennStart() {
    Einstellungen& e = m_leitung.einstellungen();
    e.PauseVorStint = qint16(m_pausen[0].toInt());
    e.PauseNachStint = qint16(m_pausen[1].toInt());
    e.PauseZwischenStint = qint16(m_pausen[2].toInt());
    m_anzeige.setCaption(H::lblWeiter, tr("Rennstart! Alle fertig? Dann Start drücken."));
    m_anzeige.setVisible(H::lblWeiter, true);
    for (Element el : {Command8, cZufall, SeiteStammdaten, SeiteTeilnehmer, Navigator, Command7})
        setzeEnabled(el, false);
    const QString datum = Formate::DatumKurz(m_leitung.uhr().jetzt());
    if (m_modus == Modus::Keiner) m_eingabe.Renndatum = datum;
    if (m_aktuell >= 0) m_turniere[m_aktuell].Renndatum = datum;
    if (!m_daten.setzeRenndatum(aktuell(), datum)) melde(tr("Renndatum"));
    m_phasenTurnier = aktuell().rowid;
    RennenStarten();
}

void Turnier::RennenStarten() {
    Rennleitung& l = m_leitung;
    m_lauf[0] = m_gruppe[0] = 1;
    GruppeUndLaufBestimmen();
    m_gestartet = true;
    m_gewertet = {};
    m_verwerfen = false;
    l.beginneTurnierPhase(Laufart::Rennen);
    l.setzeGrenze(aktuell().Dauer);
    // Heats count Dauer in the tournament's unit, as the qualification does.
    l.setzeZeitRunden(aktuell().optionZeit ? 1 : 0);
    l.Option1_Click(0);
    l.einstellungen().StartZeitBei = 1;
    l.zaehleLaufAls(Laufart::Rennen, schluessel());
    m_ablauf.gibStromImCountdown(true);
    l.einstellungen().PrellZeit = qint16(aktuell().TriggerZeit.toInt());
    l.setzeRZeitAnsage(0);
    setze(Command11, QT_TR_NOOP("Naechster Rennlauf"), true);
    m_command11Gruen = true;
    l.hardware().SetzeFormCaption(tr(kAktiv));
    ladeLauf(1, 1);
    emit zustandGeaendert();
    emit hauptfensterZeigen();
}

void Turnier::ladeLauf(int gruppe, int lauf) {
    ++m_ladung;
    QVector<int> frei;
    if (!m_daten.ladeLauf(schluessel(), gruppe, lauf, &frei)) melde(tr("Rennlauf laden"));
    m_leitung.setzeFreieBahnen(frei);
    m_geladen = {gruppe, lauf};
    m_leitung.MyInit();
    m_anzeige.setEnabled(H::Command2, true);
}

void Turnier::setzeZaehlerVor(LaufNr lauf) {
    m_gruppe[0] = lauf.gruppe;
    m_lauf[1] = std::max(1, m_daten.maxLauf(schluessel(), lauf.gruppe));
    m_lauf[0] = lauf.lauf - 1;
}

void Turnier::RennLaufAuswerten() {
    m_anzeige.setEnabled(H::Command2, false);
    const LaufNr lauf = m_geladen;
    if (m_verwerfen) {
        // Nothing of an abandoned heat is scored: the same heat is loaded again and starts
        // after its countdown.
        m_verwerfen = false;
        setzeZaehlerVor(lauf);
        m_countdown = 0;
        m_pauseOffen = true;
        m_timer1->start();
        emit zustandGeaendert();
        emit dialogZeigen();
        return;
    }
    if (lauf.gruppe <= 0) {
        SchreibeDebug(QStringLiteral("Turnier: Lauf ohne geladenen Rennlauf, nicht gewertet"));
        emit zustandGeaendert();
        return;
    }
    // The heat's laps and times as the engine counted them, whatever the database is doing.
    if (!m_daten.schreibeErgebnisse(schluessel(), lauf.gruppe, lauf.lauf, m_leitung.rangliste()))
        melde(tr("Rennlauf auswerten"));
    m_gewertet = lauf;
    emit tabellenGeaendert();
    WertungSortieren();
    if (lauf.gruppe >= m_gruppe[1] && lauf.lauf >= m_daten.maxLauf(schluessel(), lauf.gruppe)) {
        setze(Command11, kRennenStarten, false);
    } else {
        m_countdown = m_leitung.einstellungen().PauseZwischenStint;
        m_pauseOffen = true;
        if (m_autostart) m_timer1->start();
    }
    emit zustandGeaendert();
    emit dialogZeigen();
}

void Turnier::setzeAutostart(bool an) {
    m_autostart = an;
    // Ticked in the pause after a heat: the countdown to the next heat starts now.
    if (an && m_pauseOffen && !m_timer1->isActive()) m_timer1->start();
    if (!an) m_timer1->stop();
    emit zustandGeaendert();
}

void Turnier::setzeAutostartCaption(const char* quelle, const QString& text) {
    m_elemente[chkAutoStart].quelle = quelle;
    m_elemente[chkAutoStart].text = text;
    emit zustandGeaendert();
}

void Turnier::Timer1_Timer() {
    if (m_countdown != 0) {
        --m_countdown;
        setzeAutostartCaption(nullptr, (m_countdown == 1 ? tr("%1 Sekunde") : tr("%1 Sekunden"))
                                           .arg(m_countdown));
        return;
    }
    // A run started by hand meanwhile is left alone.
    if (m_ablauf.beschaeftigt()) {
        m_timer1->stop();
        setzeAutostartCaption(QT_TR_NOOP("Autostart"));
        return;
    }
    NaechsterRennLauf();
}

void Turnier::NaechsterRennLauf() {
    if (m_imNaechsten || !m_gestartet) return;
    m_timer1->stop();
    m_pauseOffen = false;
    setzeAutostartCaption(QT_TR_NOOP("Autostart"));
    m_ablauf.gibStromImCountdown(m_autostart);

    const int gruppeVorher = m_gruppe[0];
    const int laufVorher = m_lauf[0];
    const int laeufeVorher = m_lauf[1];
    ++m_lauf[0];
    bool neueGruppe = false;
    if (m_lauf[1] < m_lauf[0]) {
        neueGruppe = true;
        ++m_gruppe[0];
        if (m_gruppe[1] >= m_gruppe[0]) {
            m_lauf[1] = m_daten.maxLauf(schluessel(), m_gruppe[0]);
            m_lauf[0] = 1;
        }
    }
    if (m_gruppe[0] > m_gruppe[1]) {
        // Past the last heat: nothing left to load.
        m_gruppe[0] = gruppeVorher;
        m_lauf[0] = laufVorher;
        m_lauf[1] = laeufeVorher;
        setze(Command11, kRennenStarten, false);
        emit zustandGeaendert();
        return;
    }
    ladeLauf(m_gruppe[0], m_lauf[0]);
    emit zustandGeaendert();
    emit hauptfensterZeigen();

    if (neueGruppe) {
        m_anzeige.setCaption(H::lblWeiter, tr("Neue Gruppe! Weiter mit START."));
        m_anzeige.setVisible(H::lblWeiter, true);
        return;
    }
    m_imNaechsten = true;
    const quint64 sitzung = m_sitzung;
    const quint64 ladung = m_ladung;
    Rennleitung& l = m_leitung;
    m_anzeige.setCaption(H::lblWeiter, tr("Startaufstellung"));
    m_anzeige.setVisible(H::lblWeiter, true);
    bool weiter = true;
    for (int n = l.einstellungen().PauseVorStint; n >= 0 && weiter; --n) {
        // The user may start by hand or end the evening during the wait.
        weiter = l.uhr().Warte(1) && sitzung == m_sitzung && ladung == m_ladung &&
                 m_anzeige.istVisible(H::lblWeiter) && !m_ablauf.beschaeftigt();
        if (!weiter) break;
        if (n < 6) l.ansage().SprachAusgabe(QString::number(n));
        if (n == 5 && l.einstellungen().BahnStrom == 1)
            l.hardware().SchalteLPT(QStringLiteral("BahnAlle"), 0);
        m_anzeige.setCaption(H::lblWeiter, Nachlauf::nochSekunden(n));
    }
    m_imNaechsten = false;
    if (weiter && ladung == m_ladung && m_anzeige.istVisible(H::lblWeiter))
        m_ablauf.StarteErfassung();
}

void Turnier::wiederholeLauf() {
    if (!m_elemente[Command14].enabled) return;
    Rueckfrage& r = m_leitung.rueckfrage();
    if (m_gestartet && m_geladen.gruppe > 0 && m_ablauf.beschaeftigt()) {
        // The heat on the track: its laps belong to it alone.
        if (m_verwerfen ||
            !r.frage(tr("Der Rennlauf läuft noch. Soll er abgebrochen und neu gestartet werden?")))
            return;
        m_verwerfen = true;
        // In its after-run it is stopped already.
        if (m_leitung.zustand().RennenLaeuft) m_ablauf.StopRennen();
        return;
    }
    if (!m_gestartet || m_gewertet.gruppe <= 0) {
        r.meldung(tr("Keine Wiederholung möglich."));
        return;
    }
    if (!r.frage(tr("Soll der Rennlauf wiederholt werden?"))) return;
    if (!(m_geladen == m_gewertet)) {
        // A later heat was loaded but is not driven now: the main window's Start waits for
        // the repeated heat, a countdown to the later one stops.
        ++m_ladung;
        m_geladen = {};
        m_anzeige.setEnabled(H::Command2, false);
        m_anzeige.setVisible(H::lblWeiter, false);
        m_countdown = m_leitung.einstellungen().PauseZwischenStint;
        m_pauseOffen = true;
        if (m_autostart && !m_timer1->isActive()) m_timer1->start();
    }
    setzeZaehlerVor(m_gewertet);
    // After the last heat the race button was switched off: the repeat needs it again.
    setze(Command11, QT_TR_NOOP("Naechster Rennlauf"), true);
    emit zustandGeaendert();
}
