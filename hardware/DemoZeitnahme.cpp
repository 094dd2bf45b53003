#include "hardware/DemoZeitnahme.h"

#include <algorithm>

#include "config/Einstellungen.h"
#include "config/Uhr.h"

namespace {
// How often the cars look at the track while no crossing is due.
constexpr int blickIntervall = 100;

// A car on a lane nobody drives stays in the pits.
bool frei(const DemoZeitnahme::Strecke& s, const DemoZeitnahme::Auto& a) {
    return a.bahn >= 1 && a.bahn < int(s.frei.size()) && s.frei[size_t(a.bahn)];
}
}  // namespace

DemoZeitnahme::DemoZeitnahme(Uhr& uhr, const Einstellungen& einstellungen, QObject* parent)
    : Zeitnahme(parent), m_uhr(uhr), m_e(einstellungen) {
    m_timer = m_uhr.neuerTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &UhrTimer::timeout, this, &DemoZeitnahme::takt);
}

int DemoZeitnahme::zahl(int von, int bis) {
    // Straight from the generator's output, which the standard fixes, so a seed gives the
    // same race with every standard library.
    if (bis <= von) return von;
    return von + int(m_zufall() % quint32(bis - von + 1));
}

void DemoZeitnahme::schalteEin(quint32 saat) {
    m_zufall.seed(saat);
    const int anzahl = std::clamp(int(m_e.AnzBahnen), 1, 6);
    // Mean lap times spread evenly over 4.5 to 6.5 s, dealt to the lanes in random order.
    QVector<int> reihe;
    for (int k = 0; k < anzahl; ++k) reihe << k;
    for (int k = anzahl - 1; k > 0; --k) std::swap(reihe[k], reihe[zahl(0, k)]);
    m_autos.clear();
    for (int k = 0; k < anzahl; ++k) {
        Auto a;
        a.bahn = k + 1;
        const int stufe = anzahl > 1 ? 2000 * reihe.at(k) / (anzahl - 1) : zahl(0, 2000);
        a.mittel = std::clamp(4500 + stufe + zahl(-100, 100), 4500, 6500);
        a.streuung = zahl(80, 250);
        m_autos << a;
    }
    m_aktiv = true;
    m_imLauf = false;
    m_gruen = false;
    m_stromAusSeit = -1;
    emit zustand(Status::Simuliert, tr("Demo: simulierte Autos"));
    m_timer->start(0);
}

void DemoZeitnahme::schalteAus() {
    m_aktiv = false;
    m_timer->stop();
    m_autos.clear();
}

qint32 DemoZeitnahme::rundenZeit(const Auto& a) {
    // Now and then a crash costs two to four seconds.
    if (zahl(1, 12) == 1) return a.mittel + zahl(2000, 4000);
    return a.mittel + zahl(-a.streuung, a.streuung);
}

void DemoZeitnahme::planeLauf(qint64 jetzt) {
    for (Auto& a : m_autos) {
        a.naechste = -1;
        a.fruehstart = -1;
        // Now and then a driver cannot wait for green.
        if (m_e.Fruehstart == 1 && zahl(1, 6) == 1) a.fruehstart = jetzt + zahl(500, 3500);
    }
}

void DemoZeitnahme::takt() {
    if (!m_aktiv) return;
    const qint64 jetzt = m_uhr.ms();
    const Strecke s = m_strecke ? m_strecke() : Strecke{};

    if (!s.laeuft) {
        // The run is over: the cars stop where they are.
        m_imLauf = false;
        m_gruen = false;
        m_stromAusSeit = -1;
        for (Auto& a : m_autos) a.naechste = a.fruehstart = -1;
    } else {
        if (!m_imLauf) {
            m_imLauf = true;
            planeLauf(jetzt);
        }
        if (!s.gruen) {
            // Countdown (again, after caution in it): nobody drives but the early ones.
            m_gruen = false;
            for (Auto& a : m_autos) {
                a.naechste = -1;
                if (a.fruehstart >= 0 && a.fruehstart <= jetzt) {
                    const qint64 zeit = a.fruehstart;
                    a.fruehstart = -1;
                    if (s.strom && !frei(s, a))
                        emit rundeErfasst(a.bahn, static_cast<qint32>(zeit));
                }
            }
        } else {
            if (!m_gruen) {
                m_gruen = true;
                m_stromAusSeit = -1;
                // The cars wait just behind the line: their first crossing starts them.
                for (Auto& a : m_autos) {
                    a.fruehstart = -1;
                    a.naechste = jetzt + zahl(250, 700);
                }
            }
            if (!s.strom) {
                if (m_stromAusSeit < 0) m_stromAusSeit = jetzt;
            } else {
                // Without power the cars stood still: every crossing comes that much later.
                if (m_stromAusSeit >= 0) {
                    for (Auto& a : m_autos) a.naechste += jetzt - m_stromAusSeit;
                    m_stromAusSeit = -1;
                }
                for (;;) {
                    Auto* faellig = nullptr;
                    for (Auto& a : m_autos)
                        if (a.naechste >= 0 && a.naechste <= jetzt &&
                            (!faellig || a.naechste < faellig->naechste))
                            faellig = &a;
                    if (!faellig) break;
                    const qint64 zeit = faellig->naechste;
                    faellig->naechste = zeit + rundenZeit(*faellig);
                    if (frei(s, *faellig)) continue;
                    emit rundeErfasst(faellig->bahn, static_cast<qint32>(zeit));
                    if (!m_aktiv) return;
                }
            }
        }
    }

    // Wake at the next crossing, or look at the track again shortly.
    qint64 warte = blickIntervall;
    if (m_imLauf) {
        for (const Auto& a : m_autos) {
            const qint64 ziel = m_gruen ? (m_stromAusSeit < 0 ? a.naechste : -1) : a.fruehstart;
            if (ziel >= 0) warte = std::min(warte, ziel - jetzt);
        }
    }
    m_timer->start(int(std::max<qint64>(warte, 1)));
}
