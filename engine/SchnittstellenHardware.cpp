#include "engine/SchnittstellenHardware.h"

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "engine/ChaosModus.h"
#include "engine/DSStartfolge.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"
#include "engine/ZeitnahmeStatus.h"
#include "hardware/ControlBox.h"
#include "hardware/DSZaehler.h"
#include "hardware/ParallelPort.h"
#include "hardware/Schnittstellen.h"
#include "hardware/SensorBox.h"
#include "hardware/Zeitnahmewahl.h"

SchnittstellenHardware::SchnittstellenHardware(Schnittstellen& schnittstellen,
                                               Einstellungen& einstellungen, QObject* parent)
    : QObject(parent), m_s(schnittstellen), m_e(einstellungen) {}

SchnittstellenHardware::~SchnittstellenHardware() = default;

void SchnittstellenHardware::oeffne() {
    Zeitnahmewahl::waehle(m_e);
    m_s.parallelPort()->CopyLPTErf2Array();
    m_s.MSCommOeffnen();
    if (m_e.LPTAnsteuerung == 1) m_s.LPTStart();
}

void SchnittstellenHardware::verbinde(Rennleitung& leitung, Rennablauf& ablauf) {
    m_dsStart = std::make_unique<DSStartfolge>(ablauf);
    const RennZustand* z = &leitung.zustand();
    Rennleitung* l = &leitung;
    Rennablauf* a = &ablauf;
    DSStartfolge* ds = m_dsStart.get();

    // Laps of every interface arrive through the one forwarding object.
    connect(&m_s, &Zeitnahme::rundeErfasst, this,
            [l](int eingang, qint32 zeit, int zehntel, int verpasst) {
                l->RundenErfassung(eingang, zeit, zehntel, verpasst);
            });
    connect(&m_s, &Schnittstellen::rundeWartet, this, [l] { l->meldeWartendeRunde(); });
    connect(&m_s, &Schnittstellen::zeitstempelGenommen, this,
            [l](qint32 zeit) { l->merkeZeitstempel(zeit); });
    // The interfaces' own notices join the timing notice shown, never a pile of boxes.
    connect(&m_s, &Zeitnahme::meldung, this,
            [l](const QString& text) { l->rueckfrage().zeitnahmeMeldung(text, false); });
    m_s.setChaosAbfrage([z] { return z->ChaosAktiv; });

    // Caution from a box message switches like the button; the parallel-port input also
    // holds the button while it is active.
    for (Zeitnahme* box : std::initializer_list<Zeitnahme*>{m_s.controlBox(), m_s.dsZaehler(),
                                                           m_s.sensorBox()}) {
        connect(box, &Zeitnahme::chaosAn, this, [a] { a->chaos().ChaosAN(); });
        connect(box, &Zeitnahme::chaosAus, this, [a] { a->chaos().ChaosAus(); });
    }
    connect(m_s.parallelPort(), &Zeitnahme::chaosAn, this, [a] { a->chaos().ChaosEingangAn(); });
    connect(m_s.parallelPort(), &Zeitnahme::chaosAus, this,
            [a] { a->chaos().ChaosEingangAus(); });

    // The DS counter runs the start itself when DSGoStart is set; its end and abort stop.
    connect(m_s.dsZaehler(), &Zeitnahme::startAnforderung, this, [ds] { ds->StartDSAmpel(); });
    connect(&m_s, &Schnittstellen::ampelPhase, this, [ds](int phase) { ds->Phase(phase); });
    connect(m_s.dsZaehler(), &Zeitnahme::stopAnforderung, this, [a] { a->StopRennen(); });

    // The state the main window shows, with the interface's latest message.
    m_status = std::make_unique<ZeitnahmeStatus>(*z, l->rueckfrage());
    ZeitnahmeStatus* st = m_status.get();
    st->setzeSchnittstelle(m_s.schnittstelle());
    st->setze(m_s.status(), m_s.statusGrund());
    connect(&m_s, &Zeitnahme::zustand, st,
            [this, st, l](Zeitnahme::Status s, const QString& grund) {
                st->setzeSchnittstelle(m_s.schnittstelle());
                st->setze(s, grund);
                // The in-memory parallel port counts nothing real, but it loses nothing either.
                l->zeitnahmeUnterbrochen(!Zeitnahme::kannZaehlen(s) &&
                                         s != Zeitnahme::Status::Simuliert);
            });
    connect(&m_s, &Zeitnahme::statusText, st, &ZeitnahmeStatus::setzeInfo);
    connect(&m_s, &Zeitnahme::meldung, st, &ZeitnahmeStatus::setzeInfo);
    connect(&m_s, &Schnittstellen::captionGeaendert, st, &ZeitnahmeStatus::captionAendern);
}

QString SchnittstellenHardware::StartHindernis() { return m_s.aktiv().startHindernis(); }

QString SchnittstellenHardware::StartRueckfrage() { return m_s.aktiv().startRueckfrage(); }

bool SchnittstellenHardware::ZeitnahmeVerloren() { return !Zeitnahme::kannZaehlen(m_s.status()); }

qint32 SchnittstellenHardware::HoleZeitstempel() { return m_s.HoleZeitstempel(); }

void SchnittstellenHardware::SchalteLPT(const QString& wort, int an) { m_s.SchalteLPT(wort, an); }

void SchnittstellenHardware::SetzeFormCaption(const QString& zusatz) {
    m_s.SetzeFormCaption(zusatz);
}

bool SchnittstellenHardware::PruefeChaosEingang(bool) {
    // The port reads the input and reports a switch through its chaosAn/chaosAus events,
    // which verbinde() connects to the caution input; nothing is left to switch here.
    m_s.parallelPort()->PruefeChaosEingang();
    return false;
}

void SchnittstellenHardware::Vorbereiten() { m_s.aktiv().vorbereiten(); }
std::optional<qint32> SchnittstellenHardware::CountdownBeginn() {
    return m_s.aktiv().countdownBeginn();
}
void SchnittstellenHardware::AmpelSchritt() { m_s.aktiv().ampelSchritt(); }
void SchnittstellenHardware::Gruen() { m_s.aktiv().gruen(); }
void SchnittstellenHardware::Takt() { m_s.aktiv().takt(); }
void SchnittstellenHardware::Stopp() { m_s.aktiv().stopp(); }
void SchnittstellenHardware::Schliessen() { m_s.aktiv().schliessen(); }
void SchnittstellenHardware::Grundstellung() { m_s.aktiv().grundstellung(); }
