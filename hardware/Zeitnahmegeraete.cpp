#include "hardware/Zeitnahmegeraete.h"

#include <QCoreApplication>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "hardware/ControlBox.h"
#include "hardware/LapsterBox.h"
#include "hardware/MSComm.h"
#include "hardware/ParallelPort.h"
#include "hardware/Schnittstellen.h"
#include "hardware/SensorBox.h"

using Art = Zeitnahmewahl::Art;

namespace {

class Geraet : public Zeitnahmegeraet {
public:
    Geraet(Art art, Schnittstellen& s, Einstellungen& e) : m_art(art), m_s(s), m_e(e) {}
    Geraetefaehigkeiten faehigkeiten() const override {
        return Zeitnahmewahl::faehigkeiten(m_art, m_e);
    }

protected:
    const Art m_art;
    Schnittstellen& m_s;
    Einstellungen& m_e;
};

// Generic serial lap input: ports 1 and 2 (CommPort1, CommPort2) open from the first lamp
// on, each only when it passed its probe.
class SeriellerEingang : public Geraet {
public:
    using Geraet::Geraet;
    std::optional<qint32> countdownBeginn() override {
        SchreibeDebug(QStringLiteral("Timer5: Phase 5 CommPort1 ") + m_e.CommPort1);
        oeffne(m_s.MSComm1());
        SchreibeDebug(QStringLiteral("Timer5: Phase 5 CommPort2 ") + m_e.CommPort2);
        oeffne(m_s.MSComm2());
        return std::nullopt;
    }
    void schliessen() override {
        for (MSComm* port : {m_s.MSComm1(), m_s.MSComm2()}) {
            port->setPortOpen(false);
            m_s.bewerteStatus();
        }
    }

private:
    void oeffne(MSComm* port) {
        if (!m_s.PortOK(port->CommPort()) || port->PortOpen()) return;
        if (!port->setPortOpen(true))
            SchreibeDebug(port->objectName() + QStringLiteral(": ") + port->fehlerText());
        m_s.bewerteStatus();
    }
};

// Parallel-port timing: sampling and evaluation run from the first lamp to the run's close.
class Parallelport : public Geraet {
public:
    using Geraet::Geraet;
    std::optional<qint32> countdownBeginn() override {
        SchreibeDebug(QStringLiteral("Timer5: Phase 5 lptControl "));
        m_s.parallelPort()->starteErfassung();
        return std::nullopt;
    }
    void schliessen() override { m_s.parallelPort()->stoppeErfassung(); }
};

// Sensor box: initialised and opened at the first lamp; its clock is the run's clock.
class Sensorbox : public Geraet {
public:
    using Geraet::Geraet;
    std::optional<qint32> countdownBeginn() override {
        SchreibeDebug(QStringLiteral("Timer5: Phase 5 RaceControl "));
        return m_s.sensorBox()->rennStart();
    }
    void schliessen() override {
        m_s.MSCommRC()->setPortOpen(false);
        m_s.bewerteStatus();
    }
    QString startHindernis() override {
        SensorBox* box = m_s.sensorBox();
        if (box->ladeTreiber()) return QString();
        return QCoreApplication::translate(
                   "SensorBox",
                   "Der Treiber der Sensorbox fehlt (Bibliothek %1). Ohne ihn zählt keine Runde, "
                   "das Rennen startet nicht.\n%2")
            .arg(box->treiberBibliothek(), box->treiberFehler());
    }
};

// Control box: reset at the first lamp, counting from green, and at program start.
class Controlbox : public Geraet {
public:
    using Geraet::Geraet;
    std::optional<qint32> countdownBeginn() override {
        SchreibeDebug(QStringLiteral("Timer5: Phase 5 Bepfe "));
        sende("reset;");
        SchreibeDebug(QStringLiteral("Timer5: Phase 5 nach Bepfe "));
        return std::nullopt;
    }
    void gruen() override { sende("reset;b01;"); }
    void grundstellung() override { sende("reset;b01;"); }

private:
    void sende(const char* befehl) { m_s.MSCommBEPFE()->Output(QByteArray(befehl)); }
};

// DS200/DS300: the counter times the laps and, with DSGoStart, runs the start itself; its
// frames arrive as events, nothing is asked of it in the phases.
class DSZaehlerGeraet : public Geraet {
public:
    using Geraet::Geraet;
};

// USB race box: opened with its firmware and its counters cleared at the start, polled on
// every tick, closed at the stop; its own start light follows the lamps (LAPSTERmitAmpel).
class UsbRennbox : public Geraet {
public:
    using Geraet::Geraet;
    void vorbereiten() override {
        LapsterBox* box = m_s.lapsterBox();
        SchreibeDebug(QStringLiteral("StartRennen: LapsterBoxOpen (false)"));
        box->LapsterBoxOpen(false);
        SchreibeDebug(QStringLiteral("StartRennen: LapsterBoxInit"));
        box->LapsterBoxInit();
        SchreibeDebug(QStringLiteral("StartRennen: LapsterBoxInit OK"));
        if (mitAmpel()) box->AmpelVorstart();
        SchreibeDebug(QStringLiteral("StartRennen: AmpelVorstart OK"));
        box->LapsterBoxReset();
        SchreibeDebug(QStringLiteral("StartRennen: LapsterBoxReset OK"));
    }
    void ampelSchritt() override {
        if (mitAmpel()) m_s.lapsterBox()->AmpelWeiter();
    }
    void gruen() override {
        SchreibeDebug(QStringLiteral("Timer5: LapsterBoxReset"));
        m_s.lapsterBox()->LapsterBoxReset();
        SchreibeDebug(QStringLiteral("Timer5: nach LapsterBoxReset"));
    }
    void takt() override { m_s.lapsterBox()->LapsterBoxReadTimer(); }
    void stopp() override {
        if (mitAmpel()) m_s.lapsterBox()->AmpelReset();
        m_s.lapsterBox()->LapsterBoxClose();
    }
    QString startRueckfrage() override {
        if (Zeitnahme::kannZaehlen(m_s.status())) return QString();
        // Plugged in a moment ago: asked now, not only at the next service.
        m_s.oeffneFehlendeWieder();
        if (Zeitnahme::kannZaehlen(m_s.status())) return QString();
        return QCoreApplication::translate("LapsterBox",
                                           "Die USB-Rennbox zählt keine Runden (%1: %2).\n"
                                           "Ohne Zeitnahme starten?")
            .arg(Zeitnahme::statusName(m_s.status()), m_s.statusGrund());
    }

private:
    bool mitAmpel() const { return faehigkeiten().eigeneAmpel; }
};

}  // namespace

Zeitnahmegeraete geraeteFuer(Schnittstellen& s, Einstellungen& e) {
    Zeitnahmegeraete g;
    auto setze = [&](Art art, std::unique_ptr<Zeitnahmegeraet> geraet) {
        g[size_t(art)] = std::move(geraet);
    };
    setze(Art::SeriellerEingang, std::make_unique<SeriellerEingang>(Art::SeriellerEingang, s, e));
    setze(Art::Parallelport, std::make_unique<Parallelport>(Art::Parallelport, s, e));
    setze(Art::Sensorbox, std::make_unique<Sensorbox>(Art::Sensorbox, s, e));
    setze(Art::Controlbox, std::make_unique<Controlbox>(Art::Controlbox, s, e));
    setze(Art::DS200, std::make_unique<DSZaehlerGeraet>(Art::DS200, s, e));
    setze(Art::DS300, std::make_unique<DSZaehlerGeraet>(Art::DS300, s, e));
    setze(Art::UsbRennbox, std::make_unique<UsbRennbox>(Art::UsbRennbox, s, e));
    return g;
}
