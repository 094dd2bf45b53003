#include "engine/DSStartfolge.h"

#include <QCoreApplication>

#include "engine/Ansage.h"

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/Uhr.h"
#include "engine/Hauptanzeige.h"
#include "engine/RennHardware.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"

using H = Hauptanzeige;

bool DSStartfolge::aktiv() const {
    return m_ablauf.leitung().zeitnahme().startetLaeufe;
}

void DSStartfolge::StartDSAmpel() {
    if (!aktiv() || m_ablauf.beendet()) return;
    Rennleitung& l = m_ablauf.leitung();
    // A start message while a run is on would ask the stop question: the counter only
    // reports what it does, so a repeated start message changes nothing.
    if (l.zustand().RennenLaeuft || m_ablauf.beschaeftigt() || m_ablauf.laufAn()) {
        SchreibeDebug(QStringLiteral("StartDSAmpel: Lauf aktiv, Startmeldung ignoriert"));
        return;
    }
    if (l.ansageAktiv(2)) l.ansage().SprachAusgabe(l.Text(2));
    RennHardware& hw = l.hardware();
    if (!m_ablauf.StartRennen()) {
        // Refused (its message said why): nothing of the run starts, the track stays without
        // power, and what the counter sends of that run is ignored until its next start.
        m_abgelehnt = true;
        m_abgelehntGemeldet = false;
        hw.SchalteLPT(QStringLiteral("BahnAlle"), 0);
        hw.SchalteLPT(QStringLiteral("AmpelAlle"), 0);
        SchreibeDebug(QStringLiteral("StartDSAmpel: Lauf abgelehnt"));
        return;
    }
    m_abgelehnt = false;

    Hauptanzeige& a = m_ablauf.anzeige();
    a.setAlleLampen(H::Lampe::Aus);
    a.setLichtAnzeige(H::Lampe::Aus);
    a.zeigeStartAmpel(false);
    l.ansage().SpieleTon(l.einstellungen().TonAmpelAn);
    a.setEnabled(H::Command5, true);
    a.setCaption(H::Label1, QStringLiteral("00:00:00.000"));
    m_ablauf.CountDown(l.zustand().AmpelPhase);

    hw.SchalteLPT(QStringLiteral("BahnAlle"), l.zustand().StromImCountdown == 1 ? 1 : 0);
    hw.SchalteLPT(QStringLiteral("AmpelAlle"), 0);
    hw.SchalteLPT(QStringLiteral("Ampel1"), 1);
    a.setReihe(1, H::Lampe::Rot);
    a.setReihe(2, H::Lampe::Rot);
}

bool DSStartfolge::abgelehnt() {
    if (!m_abgelehnt) return false;
    if (!m_abgelehntGemeldet) {
        m_abgelehntGemeldet = true;
        m_ablauf.leitung().rueckfrage().meldung(
            QCoreApplication::translate("DSStartfolge",
                                        "Der Zähler hat einen Lauf gestartet, den Pistorelle "
                                        "nicht angenommen hat. Seine Runden werden nicht "
                                        "gezählt."));
    }
    SchreibeDebug(QStringLiteral("DSStartfolge: Meldung eines abgelehnten Laufs ignoriert"));
    return true;
}

void DSStartfolge::Phase2() {
    if (!aktiv() || abgelehnt() || !vorbereitet()) return;
    Rennleitung& l = m_ablauf.leitung();
    l.ansage().SpieleTon(l.einstellungen().TonAmpelAn);
    m_ablauf.anzeige().setReihe(1, H::Lampe::Gruen);
}

void DSStartfolge::Phase3() {
    if (!aktiv() || m_ablauf.beendet() || abgelehnt()) return;
    // Only a run prepared by the counter's start message (not yet counting) is started here.
    if (!vorbereitet()) return;
    m_ablauf.gruenVomZaehler();
}

bool DSStartfolge::vorbereitet() {
    if (m_ablauf.vorbereitet()) return true;
    // The run was stopped before green (or never prepared): the counter's phases of it
    // start nothing.
    SchreibeDebug(QStringLiteral("DSStartfolge: kein vorbereiteter Lauf, Phase ignoriert"));
    return false;
}

void DSStartfolge::Phase(int phase) {
    // The start message itself (phase 1) arrives as the start request.
    if (phase == 2) Phase2();
    if (phase == 3) Phase3();
}
