#pragma once
// What the race engine asks of the timing hardware: outputs, port handling, the boxes'
// start/stop calls and the time stamp. The hardware layer implements it through an adapter;
// until a backend is present, ProtokollHardware logs the calls.

#include <QString>

class RennHardware {
public:
    virtual ~RennHardware() = default;

    // Time stamp on the active interface's clock (HoleZeitstempel).
    virtual qint32 HoleZeitstempel() = 0;
    // Switching words "Bahn1".."Bahn6", "BahnAlle", "Ampel1".."Ampel5", "AmpelGruen",
    // "AmpelAlle" with 1 = on, 0 = off.
    virtual void SchalteLPT(const QString& wort, int an) = 0;
    // Rebuilds the window caption for the active interface with an extra text.
    virtual void SetzeFormCaption(const QString& zusatz) = 0;

    // ---- what the start and stop sequence asks of the interfaces

    // Generic serial input: opens port 1 (CommPort1) or 2 (CommPort2) at the first countdown
    // tick, only when that port was found usable; closes it again when the run is closed.
    virtual void OeffneComPort(int nummer) = 0;
    virtual void SchliesseComPort(int nummer) = 0;
    // Sensor box: initialises and opens the box at the first countdown tick and returns its
    // time stamp (the run's provisional StartZeit); closes its port when the run is closed.
    virtual qint32 StarteSensorBox() = 0;
    virtual void SchliesseSensorBox() = 0;
    // Control box: sends one command text as it is ("reset;", "reset;b01;").
    virtual void SendeBepfe(const QString& befehl) = 0;
    // Parallel-port timing: resets the sample ring and starts sampling and evaluation at the
    // first countdown tick; stops both when the run is closed.
    virtual void StarteLPTErfassung() = 0;
    virtual void StoppeLPTErfassung() = 0;
    // Caution input read straight from the port (every tick of ChaosTimer). chaosAktiv tells
    // whether caution mode is on; true asks to switch it over (input active while off, or
    // inactive while on). The interface writes its own trace line for a switch.
    virtual bool PruefeChaosEingang(bool chaosAktiv) = 0;

    // USB race box, called exactly where the sequence needs them (the light routines wait on
    // the clock and keep events running).
    virtual void LapsterBoxOpen(bool zuruecksetzen) = 0;  // message when the box does not answer
    virtual void LapsterBoxInit() = 0;                    // loads the firmware when open
    virtual void LapsterBoxReset() = 0;                   // clears the lap memories
    virtual void LapsterBoxReadTimer() = 0;               // polls laps (every race-timer tick)
    virtual void LapsterBoxClose() = 0;
    virtual void AmpelReset() = 0;     // box lights back to their rest state
    virtual void AmpelVorstart() = 0;  // box lights to pre-start
    virtual void AmpelWeiter() = 0;    // box lights one step on

    // ---- state of the timing source
    // Why a run cannot start on this interface (sensor box without its driver); empty: it can.
    virtual QString StartHindernis() { return QString(); }
    // A question before a run whose timing cannot count now (the USB race box does not
    // answer); empty: nothing to ask. No starts nothing.
    virtual QString StartRueckfrage() { return QString(); }
    // The DS counter that starts and stops the runs itself cannot be reached now: the
    // program's own Stop has to end the run.
    virtual bool StartZaehlerVerloren() { return false; }
};
