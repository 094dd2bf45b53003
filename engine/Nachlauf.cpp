#include "engine/Nachlauf.h"

#include <algorithm>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/Formate.h"
#include "config/Uhr.h"
#include "engine/Ansage.h"
#include "engine/ChaosModus.h"
#include "engine/Hauptanzeige.h"
#include "engine/RennHardware.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"
#include "engine/TurnierUebergabe.h"

using H = Hauptanzeige;

Nachlauf::Nachlauf(Rennablauf& ablauf, QObject* parent) : QObject(parent), m_ablauf(ablauf) {
    m_timer = ablauf.leitung().uhr().neuerTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &UhrTimer::timeout, this, &Nachlauf::NachLaufTimer_Timer);
}

Nachlauf::~Nachlauf() = default;

void Nachlauf::starte() {
    m_timer->start(std::max<int>(0, m_ablauf.leitung().einstellungen().NachlaufZeit));
}

bool Nachlauf::timerAktiv() const { return m_timer->isActive(); }

void Nachlauf::stoppe() { m_timer->stop(); }

void Nachlauf::eingaengeAus() {
    Rennleitung& l = m_ablauf.leitung();
    m_ablauf.chaos().stoppeEingangsTimer();
    l.hardware().Schliessen();
}

void Nachlauf::fensterLeerlauf() {
    const RennZustand& z = m_ablauf.leitung().zustand();
    H& a = m_ablauf.anzeige();
    a.setVisible(H::Fortschritt, false);
    a.setVisible(H::Label1, false);
    a.setVisible(H::RZeitAnsage, false);
    a.setVisible(H::Command4, true);
    a.setCaption(H::Command5, QStringLiteral(QT_TRANSLATE_NOOP("Hauptanzeige", "T&abellen")));
    a.setEnabled(H::cbRAuswahl, true);
    a.setEnabled(H::ZeitRunden, true);
    if (!z.SlotRennenPhase) {
        // Command5 too: a run stopped within its first second never enabled it again.
        for (H::Element el :
             {H::Grenze, H::Command3, H::Command4, H::Command5, H::Command6, H::Command7})
            a.setEnabled(el, true);
    }
    m_ablauf.zeigeLauf(false);
    a.setAlleLampen(H::Lampe::Aus);
    // A run stopped before green would leave the start light covering the screen.
    a.schliesseStartAmpel();
    a.schliesseSimulation();
}

void Nachlauf::leerlauf() {
    fensterLeerlauf();
    H& a = m_ablauf.anzeige();
    for (H::Element el : {H::Option1_0, H::Option1_1, H::Option1_2}) a.setEnabled(el, true);
}

void Nachlauf::schliesseLauf(bool ansagen) {
    Rennleitung& l = m_ablauf.leitung();
    const RennZustand& z = l.zustand();
    const Einstellungen& e = l.einstellungen();
    H& a = m_ablauf.anzeige();

    eingaengeAus();
    // A run stopped during caution closes with caution over.
    if (z.ChaosAktiv) m_ablauf.chaos().beendeOhneNeustart();
    // Crossings taken in the last moments of the after-run still count.
    if (z.RundeWartet || l.wartendeRunden() > 0) l.werteWartendeRundenAus();
    m_ablauf.laufGeschlossen();
    m_timer->stop();

    fensterLeerlauf();
    if (ansagen && !z.SlotRennenPhase && l.ansageAktiv(7)) SageErgebnisse();

    emit rennuhrAus();
    for (H::Element el : {H::Option1_0, H::Option1_1, H::Option1_2}) a.setEnabled(el, true);

    if (e.CheckSRunden == 1) l.CheckSchnellsteRunde();
    const bool kopiert = l.KopieToHistRennen();
    SchreibeDebug(kopiert ? QStringLiteral("KopieToHistRennen: Lauf in der Historie")
                          : QStringLiteral("KopieToHistRennen: fehlgeschlagen"));
    if (!ansagen) return;
    if (e.showRundenTab == 1) a.fordereRundenTabelleAn();
    m_ergebnis = Laufergebnis::aus(l.rangliste(), z.Option1, laufartWort(z.RennArt), z.AktRennName,
                                   z.RennStartDatum);
    m_ergebnis.korrekturen = l.laufrunden().korrekturen();
    a.fordereErgebnisAn();
}

void Nachlauf::schliesseSofort() {
    if (m_schliesst) return;
    m_schliesst = true;
    schliesseLauf(false);
    m_schliesst = false;
}

void Nachlauf::NachLaufTimer_Timer() {
    if (m_schliesst || m_ablauf.beendet()) return;
    m_schliesst = true;
    SchreibeDebug(QStringLiteral("NachLaufTimer: Nachlauf zu Ende"));
    Rennleitung& l = m_ablauf.leitung();
    const RennZustand& z = l.zustand();
    const Einstellungen& e = l.einstellungen();
    H& a = m_ablauf.anzeige();
    schliesseLauf(true);

    const bool quali = z.SlotRennenPhase == Laufart::Quali;
    const bool rennen = z.SlotRennenPhase == Laufart::Rennen;
    if (m_turnier && (quali || rennen)) {
        if (!pause(e.PauseNachStint, tr("Gleich geht es weiter"), &Nachlauf::nochSekunden)) {
            m_schliesst = false;
            return;
        }
        if (e.BahnStrom == 1) l.hardware().SchalteLPT(QStringLiteral("BahnAlle"), 1);
        // The tournament starts its next run itself: the close is over by then.
        m_schliesst = false;
        if (quali)
            m_turnier->NaechsterQualiLauf();
        else
            m_turnier->RennLaufAuswerten();
        m_ablauf.meldeEnde();
        return;
    }

    if (z.RennModus == 4) {
        a.setEnabled(H::Command2, false);
        a.setEnabled(H::Command4, false);
        const bool ok = pause(
            e.PowerTrainingPause,
            tr("Gleich geht es weiter. Zum Stop T-Power auf anderen Modus ändern."), [](int n) {
                return (n == 1 ? tr("Noch %1 Sekunde - Zum Stop T-Power auf anderen Modus "
                                    "ändern.")
                               : tr("Noch %1 Sekunden - Zum Stop T-Power auf anderen Modus "
                                    "ändern."))
                    .arg(n);
            });
        a.setEnabled(H::Command2, true);
        a.setEnabled(H::Command4, true);
        m_schliesst = false;
        // Another race mode chosen during the pause ends the cycle.
        if (ok && !m_ablauf.beendet() && z.RennModus == 4) m_ablauf.StartRennen();
        m_ablauf.meldeEnde();
        return;
    }

    m_schliesst = false;
    m_ablauf.meldeEnde();
}

QString Nachlauf::nochSekunden(int n) {
    return (n == 1 ? tr("Noch %1 Sekunde") : tr("Noch %1 Sekunden")).arg(n);
}

bool Nachlauf::pause(int sekunden, const QString& ersteZeile,
                     const std::function<QString(int)>& zeile) {
    H& a = m_ablauf.anzeige();
    Uhr& uhr = m_ablauf.leitung().uhr();
    m_pausiert = true;
    a.setCaption(H::lblWeiter, ersteZeile);
    a.setVisible(H::lblWeiter, true);
    for (int n = sekunden; n >= 0; --n) {
        if (!uhr.Warte(1) || m_ablauf.beendet()) {
            m_pausiert = false;
            return false;
        }
        a.setCaption(H::lblWeiter, zeile(n));
    }
    a.setVisible(H::lblWeiter, false);
    m_pausiert = false;
    return true;
}

void Nachlauf::SageErgebnisse() {
    Rennleitung& l = m_ablauf.leitung();
    Ansage& ansage = l.ansage();
    const Laufart art = l.zustand().RennArt;
    const QString muster = QStringLiteral("#######0.000");

    if (art == Laufart::Quali) {
        ansage.SprachAusgabeMit(QStringLiteral("Qualifikationslauf zu Ende"), Sprechart::Ergebnis,
                                {});
        return;
    }
    const bool training = art == Laufart::Training;

    ansage.SprachAusgabeMit(l.Text(training ? 13 : 6) + QLatin1Char(' ') + l.Text(7),
                            Sprechart::Ergebnis, {});
    // Rows in standing order: from first to last place.
    for (const PositionsZeile& r : l.rangliste()) {
        if (r.runden <= 0) continue;
        const QString& fahrer = r.fahrer;
        QString text;
        if (training) {
            const double beste = double(r.schnellste) / 1000.0;
            text = fahrer + QLatin1Char(' ') + Formate::Format(beste, muster) + QLatin1Char(' ') +
                   l.Text(8) + QLatin1Char(' ') + l.Text(10) + QLatin1Char(' ') +
                   QString::number(r.schnellsteRunde);
        } else {
            const double gesamt = double(r.gesamt) / 1000.0;
            text = fahrer + QLatin1Char(' ') + QString::number(r.runden) + QLatin1Char(' ') +
                   l.Text(11) + QLatin1Char(' ') + Formate::Format(gesamt, muster) +
                   QLatin1Char(' ') + l.Text(8);
        }
        ansage.SprachAusgabeMit(text, Sprechart::Ergebnis, {});
    }
}
