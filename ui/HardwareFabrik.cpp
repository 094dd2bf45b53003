#include "HardwareFabrik.h"

#include "ProtokollHardware.h"
#include "Zeitnahme.h"

HardwareAufbau erzeugeHardware(Uhr& uhr, Einstellungen&) {
    // No interface backend is wired in yet: the calls go to the protocol, which writes them to
    // the debug log; laps come from the simulation window.
    HardwareAufbau aufbau;
    aufbau.hardware = std::make_unique<ProtokollHardware>(uhr);
    aufbau.statusText = [] { return QString(); };
    return aufbau;
}
