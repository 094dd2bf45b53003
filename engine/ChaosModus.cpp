#include "engine/ChaosModus.h"

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/Uhr.h"
#include "engine/Ansage.h"
#include "engine/Hauptanzeige.h"
#include "engine/RennHardware.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"

using H = Hauptanzeige;

ChaosModus::ChaosModus(Rennablauf& ablauf, QObject* parent) : QObject(parent), m_ablauf(ablauf) {
    m_timer = ablauf.leitung().uhr().neuerTimer(this);
    m_timer->setInterval(500);
    connect(m_timer, &UhrTimer::timeout, this, &ChaosModus::ChaosTimer_Timer);
}

ChaosModus::~ChaosModus() = default;

bool ChaosModus::zeitbalkenSichtbar() const {
    // The bar also shows the laps to go of a race by laps: only the time's bar counts.
    return m_ablauf.anzeige().istVisible(H::Fortschritt) && moeglich();
}

bool ChaosModus::moeglich() const { return m_ablauf.leitung().zustand().ZeitRunden == 1; }

void ChaosModus::ChaosAN() {
    Rennleitung& l = m_ablauf.leitung();
    const RennZustand& z = l.zustand();
    Chaoszustand& chaos = l.zustand(Chaosrecht{});
    if (!zeitbalkenSichtbar() || z.ChaosAktiv) return;
    // Not once the run is stopping.
    if (!z.RennenLaeuft || m_ablauf.gestoppt() || m_ablauf.beendet()) return;
    // In the countdown the power may already be on (StromImCountdown): caution stops the
    // lights there too; a counter that starts the run itself keeps its own sequence.
    const bool countdown = z.AmpelPhase != 6;
    if (countdown && l.zeitnahme().startetLaeufe) return;

    // Crossings of the last moments are evaluated and stored before the race freezes: a crash
    // during the caution must not take them along.
    if (z.RundeWartet || l.wartendeRunden() > 0) l.werteWartendeRundenAus();
    chaos.ChaosAktiv = true;
    m_imCountdown = countdown;
    H& a = m_ablauf.anzeige();
    a.zeigeStartAmpel(true);
    a.setAlleLampen(H::Lampe::Rot);
    a.setLichtAnzeige(H::Lampe::Rot);
    RennHardware& hw = l.hardware();
    m_chaosStart = hw.HoleZeitstempel();
    emit rennuhrHalt();
    SchreibeDebug(countdown ? QStringLiteral("ChaosAN im Countdown, Phase %1").arg(z.AmpelPhase)
                            : QStringLiteral("ChaosAN"));
    hw.SchalteLPT(QStringLiteral("BahnAlle"), 0);
    hw.SchalteLPT(QStringLiteral("AmpelAlle"), 1);
    hw.SchalteLPT(QStringLiteral("AmpelGruen"), 0);
    a.setCaption(H::Label1, QStringLiteral(QT_TRANSLATE_NOOP("Hauptanzeige", "Chaos")));
    a.setLabel1Chaos(true);
    if (l.ansageAktiv(6))
        l.ansage().SprachAusgabe(QStringLiteral("Achtung CHAOS!     CHAOS!     CHAOS!"));

    const quint64 nr = m_ablauf.laufNummer();
    if (!l.uhr().Warte(1)) return;
    // Caution may have ended (or the run stopped) during the second.
    if (z.ChaosAktiv && !m_neustart && nr == m_ablauf.laufNummer() && !m_ablauf.gestoppt())
        a.setCaption(H::cmdChaos, QStringLiteral(QT_TRANSLATE_NOOP("Hauptanzeige", "Chaos Ende")));
}

void ChaosModus::zaehleDauer() {
    Rennleitung& l = m_ablauf.leitung();
    Chaoszustand& chaos = l.zustand(Chaosrecht{});
    const qint32 dauer = l.hardware().HoleZeitstempel() - m_chaosStart;
    H& a = m_ablauf.anzeige();
    SchreibeDebug(QStringLiteral("ChaosAus nach %1 ms").arg(dauer));
    // Before green no clock runs: nothing to credit.
    if (!m_imCountdown) {
        // Counters that time the laps themselves have already left the caution out.
        if (!l.zeitnahme().misstRundenzeiten) {
            chaos.ChaosZeit += dauer;
            chaos.ChaosPerioden.emplace_back(m_chaosStart, dauer);
        }
        for (int slot = 1; slot <= 6; ++slot) chaos.ChaosDauer[slot] = dauer;
    }
    a.setCaption(H::Label1, QString());
    a.setLabel1Chaos(false);
    a.setCaption(H::cmdChaos, QStringLiteral(QT_TRANSLATE_NOOP("Hauptanzeige", "Chaos")));
}

void ChaosModus::ChaosAus() {
    Rennleitung& l = m_ablauf.leitung();
    const RennZustand& z = l.zustand();
    Chaoszustand& chaos = l.zustand(Chaosrecht{});
    // During the restart sequence caution is still on; a second end would count it twice.
    if (!zeitbalkenSichtbar() || !z.ChaosAktiv || m_neustart) return;
    m_neustart = true;
    zaehleDauer();
    if (l.ansageAktiv(6)) l.ansage().SprachAusgabe(QStringLiteral("CHAOS Ende!"));
    if (m_imCountdown) {
        // The start sequence begins again from the first lamp, with a new random green.
        m_neustart = false;
        m_imCountdown = false;
        chaos.ChaosAktiv = false;
        H& a = m_ablauf.anzeige();
        a.setAlleLampen(H::Lampe::Aus);
        a.setLichtAnzeige(H::Lampe::Aus);
        a.zeigeStartAmpel(false);
        m_ablauf.starteCountdownNeu();
        return;
    }

    // Three seconds of lights before the power comes back; they are not caution time.
    const Einstellungen& e = l.einstellungen();
    H& a = m_ablauf.anzeige();
    const quint64 nr = m_ablauf.laufNummer();
    auto weiter = [&] {
        const bool ok = l.uhr().Warte(1) && !m_ablauf.beendet() && nr == m_ablauf.laufNummer() &&
                        !m_ablauf.gestoppt() && z.ChaosAktiv;
        if (!ok) m_neustart = false;
        return ok;
    };
    l.ansage().SpieleTon(e.TonAmpelAn);
    a.setReihe(2, H::Lampe::Aus);
    if (!weiter()) return;
    l.ansage().SpieleTon(e.TonAmpelAn);
    a.setReihe(1, H::Lampe::Aus);
    if (!weiter()) return;
    l.ansage().SpieleTon(e.TonAmpelAn);
    if (!weiter()) return;
    l.ansage().SpieleTon(e.TonAmpelAus);

    m_neustart = false;
    emit rennuhrWeiter();
    chaos.ChaosAktiv = false;
    RennHardware& hw = l.hardware();
    hw.SchalteLPT(QStringLiteral("BahnAlle"), 1);
    hw.SchalteLPT(QStringLiteral("AmpelAlle"), 0);
    hw.SchalteLPT(QStringLiteral("AmpelGruen"), 1);
    a.setAlleLampen(H::Lampe::Gruen);
    a.setLichtAnzeige(H::Lampe::Gruen);
    a.schliesseStartAmpel();
}

void ChaosModus::beendeOhneNeustart() {
    const RennZustand& z = m_ablauf.leitung().zustand();
    Chaoszustand& chaos = m_ablauf.leitung().zustand(Chaosrecht{});
    if (!z.ChaosAktiv) return;
    if (!m_neustart) zaehleDauer();  // the restart sequence has counted it already
    m_neustart = false;
    m_imCountdown = false;
    chaos.ChaosAktiv = false;
    H& a = m_ablauf.anzeige();
    a.setEnabled(H::cmdChaos, moeglich());
    a.setAlleLampen(H::Lampe::Aus);
    a.setLichtAnzeige(H::Lampe::Rot);
    a.schliesseStartAmpel();
    // The after-run still evaluates its crossings on the race timer.
    if (z.RennenLaeuft && !m_ablauf.beendet()) emit rennuhrWeiter();
}

void ChaosModus::ausloesen(const QString& caption) {
    Rennleitung& l = m_ablauf.leitung();
    if (l.zeitnahme().chaosNurAmGeraet) {
        l.rueckfrage().meldung(tr("Bitte die DSx00 Buttons verwenden!"));
        return;
    }
    const RennZustand& z = l.zustand();
    if (caption == QLatin1String("Chaos Ende") && z.ChaosAktiv) {
        m_ablauf.anzeige().zeigeStartAmpel(true);
        ChaosAus();
    } else if (!z.ChaosAktiv) {
        ChaosAN();
    }
}

void ChaosModus::cmdChaos_Click() {
    const H& a = m_ablauf.anzeige();
    if (!a.istVisible(H::cmdChaos) || !a.istEnabled(H::cmdChaos)) return;
    ausloesen(a.caption(H::cmdChaos));
}

void ChaosModus::Label1_Click() {
    const H& a = m_ablauf.anzeige();
    if (!a.istVisible(H::Label1)) return;
    ausloesen(a.caption(H::Label1));
}

void ChaosModus::ChaosTimer_Timer() {
    SchreibeDebug(QStringLiteral("CheckChaos"));
    Rennleitung& l = m_ablauf.leitung();
    const bool an = l.zustand().ChaosAktiv;
    if (!l.hardware().PruefeChaosEingang(an)) return;
    if (an) {
        m_ablauf.anzeige().setEnabled(H::cmdChaos, moeglich());
        ChaosAus();
    } else {
        ChaosAN();
    }
}

void ChaosModus::starteEingangsTimer() { m_timer->start(); }

void ChaosModus::stoppeEingangsTimer() { m_timer->stop(); }

bool ChaosModus::eingangsTimerAktiv() const { return m_timer->isActive(); }

void ChaosModus::ChaosEingangAn() {
    const RennZustand& z = m_ablauf.leitung().zustand();
    if (z.ChaosAktiv) return;
    // While the input holds caution on, the button cannot end it.
    m_ablauf.anzeige().setEnabled(H::cmdChaos, false);
    ChaosAN();
    if (!z.ChaosAktiv && !m_neustart) m_ablauf.anzeige().setEnabled(H::cmdChaos, moeglich());
}

void ChaosModus::ChaosEingangAus() {
    m_ablauf.anzeige().setEnabled(H::cmdChaos, moeglich());
    ChaosAus();
}
