#pragma once
// The active timing device as the race sequence sees it: what it can do, and what it does at
// each phase of a run. Every interface (serial lap input, parallel port, sensor box, control
// box, DS counters, USB race box) has one driver of this kind; Schnittstellen hands every
// phase to the driver the settings chose (Zeitnahmewahl).

#include <QString>
#include <optional>

// What a timing device can do; the race engine asks this instead of naming the device.
struct Geraetefaehigkeiten {
    // Laps arrive as the lap times the device measured (the engine adds them to the lane's
    // total); a caution is already left out of them.
    bool misstRundenzeiten = false;
    // Laps arrive as times since the run's start on the device's clock (the engine adds
    // the run's StartZeit).
    bool zeitenAbStart = false;
    // The device starts and ends the runs with its own buttons; the program's Start and its
    // caution button are not used.
    bool startetLaeufe = false;
    // Caution is switched with the device's own buttons only.
    bool chaosNurAmGeraet = false;
    // The device's sampling reads the caution input itself: no caution poll of its own.
    bool liestChaosEingang = false;
    // The lanes' driver numbers are the device's input assignments, not the standings'.
    bool fahrerNachEingang = false;
    // A firmware is loaded into the device before each run.
    bool brauchtFirmware = false;
    // The device drives a start light of its own.
    bool eigeneAmpel = false;
};

class Zeitnahmegeraet {
public:
    virtual ~Zeitnahmegeraet() = default;

    virtual Geraetefaehigkeiten faehigkeiten() const = 0;

    // ---- the phases of a run, in their order (each may wait on the clock)
    // Start pressed, before the run's state is cleared: the device opened and made ready.
    virtual void vorbereiten() {}
    // First lamp of the countdown (not again after a caution restart): the inputs opened.
    // A value is the run's provisional StartZeit, on the device's own clock.
    virtual std::optional<qint32> countdownBeginn() { return std::nullopt; }
    // One step of the device's start light, at each lamp and at green.
    virtual void ampelSchritt() {}
    // Green, before the track lights switch: the device counts from now.
    virtual void gruen() {}
    // Every tick of the race timer: the device's laps polled.
    virtual void takt() {}
    // The run stopped: the device's light to rest, the device closed for the run.
    virtual void stopp() {}
    // The run is closed after its after-run: the inputs closed.
    virtual void schliessen() {}
    // Program start: the device in its known rest state.
    virtual void grundstellung() {}

    // ---- before a run
    // Why a run cannot start on this device; empty: it can.
    virtual QString startHindernis() { return QString(); }
    // A question before a run the device cannot count now; empty: nothing to ask.
    virtual QString startRueckfrage() { return QString(); }
};
