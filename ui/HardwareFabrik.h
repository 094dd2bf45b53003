#pragma once
// The one place where the program chooses its timing hardware.

#include <QPointer>
#include <functional>
#include <memory>

#include "RennHardware.h"

class Uhr;
struct Einstellungen;
class Zeitnahme;

struct HardwareAufbau {
    std::unique_ptr<RennHardware> hardware;
    // The timing events of the active interface (null while no interface delivers any).
    QPointer<Zeitnahme> zeitnahme;
    // The interface part of the window caption (" COM 1 OK", " DSx00 aktiv an COM 1 4800"...).
    std::function<QString()> statusText;
};

HardwareAufbau erzeugeHardware(Uhr& uhr, Einstellungen& e);
