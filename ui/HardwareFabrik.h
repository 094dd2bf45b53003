#pragma once
// The one place where the program chooses its timing hardware.

#include <QPointer>
#include <functional>
#include <memory>

#include "engine/RennHardware.h"

class ParallelPort;
class Uhr;
struct Einstellungen;
class Zeitnahme;
class Rennleitung;
class Rennablauf;
class ZeitnahmeStatus;

struct HardwareAufbau {
    std::unique_ptr<RennHardware> hardware;
    // The timing events of the active interface, connected by the start-up in the plain way
    // (null while no interface delivers any, or when `anbinden` does the wiring itself).
    QPointer<Zeitnahme> zeitnahme;
    // Opens the interface and connects its events to the engine (replaces `zeitnahme`).
    std::function<void(Rennleitung&, Rennablauf&)> anbinden;
    // The interface part of the window caption (" COM 1 OK", " DSx00 aktiv an COM 1 4800"...).
    std::function<QString()> statusText;
    // The main window's button "Verfügbare": probes COM ports 1 and 2 again.
    std::function<void()> verfuegbare;
    // After the options' OK: the ports of the (new) settings opened again (MSCommOeffnen).
    std::function<void()> neuOeffnen;
    // The parallel port for the pin tests of the options (null: no live test).
    ParallelPort* lpt = nullptr;
    // The two interface indicators of the main window (index 0/1, colour 0x00BBGGRR).
    std::function<void(std::function<void(int, qint32)>)> indikatoren;
    // The timing state for the main window's status field (after `anbinden`).
    std::function<ZeitnahmeStatus*()> zeitnahmeStatus;
    // Calls the function at every event of the timing (a lap, a start, caution): the timing
    // speaks (null: no interface that could).
    std::function<void(std::function<void()>)> beiSignal;
};

// The real timing interfaces of the settings. The environment variable
// PISTORELLE_HARDWARE=protokoll chooses the logging stand-in instead (tests), as does
// PISTORELLE_HARDWARE=demo, where the main window's simulated cars drive the laps.
HardwareAufbau erzeugeHardware(Uhr& uhr, Einstellungen& e);
// The logging stand-in: every call goes to the debug log, laps come from the simulation.
HardwareAufbau erzeugeProtokollHardware(Uhr& uhr);
