#pragma once
// What the race engine asks of the timing hardware: outputs, the time stamp, and the phases
// of a run for the active timing device (Zeitnahmegeraet), whatever device it is. What the
// device can do the engine reads from the settings' choice (Zeitnahmewahl::faehigkeiten).
// The hardware layer implements it through an adapter; ProtokollHardware logs the calls.

#include <QString>
#include <optional>

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
    // Caution input read straight from the port (every tick of ChaosTimer). chaosAktiv tells
    // whether caution mode is on; true asks to switch it over (input active while off, or
    // inactive while on). The interface writes its own trace line for a switch.
    virtual bool PruefeChaosEingang(bool chaosAktiv) = 0;

    // ---- the phases of a run, handed to the active timing device (see Zeitnahmegeraet);
    // each may wait on the clock and keep events running.
    virtual void Vorbereiten() = 0;
    virtual std::optional<qint32> CountdownBeginn() = 0;
    virtual void AmpelSchritt() = 0;
    virtual void Gruen() = 0;
    virtual void Takt() = 0;
    virtual void Stopp() = 0;
    virtual void Schliessen() = 0;
    virtual void Grundstellung() = 0;

    // ---- state of the timing source
    // Why a run cannot start on this interface (sensor box without its driver); empty: it can.
    virtual QString StartHindernis() { return QString(); }
    // A question before a run whose timing cannot count now (the USB race box does not
    // answer); empty: nothing to ask. No starts nothing.
    virtual QString StartRueckfrage() { return QString(); }
    // The active timing cannot be reached now (a counter that starts the runs itself then
    // cannot stop them either: the program's own Stop has to end the run).
    virtual bool ZeitnahmeVerloren() { return false; }
};
