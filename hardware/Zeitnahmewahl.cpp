#include "hardware/Zeitnahmewahl.h"

#include "config/Einstellungen.h"

namespace Zeitnahmewahl {

namespace {
// The switch of each special interface in the settings, in the order of Art.
struct Schalter {
    Art art;
    int Einstellungen::*wert;
};
constexpr Schalter kSchalter[] = {
    {Art::Parallelport, &Einstellungen::LPTControlAktiv},
    {Art::Sensorbox, &Einstellungen::RaceControlAktiv},
    {Art::Controlbox, &Einstellungen::BEPFEAktiv},
    {Art::DS200, &Einstellungen::DS200Aktiv},
    {Art::DS300, &Einstellungen::DS300Aktiv},
    {Art::UsbRennbox, &Einstellungen::LapsterAktiv},
};
}  // namespace

Art art(const Einstellungen& e) {
    int summe = 0;
    for (const Schalter& s : kSchalter) summe += e.*s.wert;
    if (summe != 1) return Art::SeriellerEingang;
    for (const Schalter& s : kSchalter)
        if (e.*s.wert == 1) return s.art;
    return Art::SeriellerEingang;
}

Art waehle(Einstellungen& e) {
    const Art a = art(e);
    if (a == Art::SeriellerEingang) {
        // None or several special interfaces: the generic serial input, for this program run.
        e.ComControlAktiv = 1;
        for (const Schalter& s : kSchalter) e.*s.wert = 0;
    } else {
        e.ComControlAktiv = 0;
    }
    return a;
}

Geraetefaehigkeiten faehigkeiten(Art art, const Einstellungen& e) {
    Geraetefaehigkeiten f;
    switch (art) {
        case Art::SeriellerEingang:
            break;
        case Art::Parallelport:
            f.liestChaosEingang = true;
            break;
        case Art::Sensorbox:
            f.fahrerNachEingang = true;
            break;
        case Art::Controlbox:
            f.zeitenAbStart = true;
            break;
        case Art::DS200:
        case Art::DS300:
            f.misstRundenzeiten = true;
            f.chaosNurAmGeraet = true;
            f.startetLaeufe = e.DSGoStart == 1;
            break;
        case Art::UsbRennbox:
            f.misstRundenzeiten = true;
            f.brauchtFirmware = true;
            f.eigeneAmpel = e.LAPSTERmitAmpel == 1;
            break;
    }
    return f;
}

QString name(Art art) {
    switch (art) {
        case Art::SeriellerEingang:
            return QStringLiteral("Seriell");
        case Art::Parallelport:
            return QStringLiteral("LPT");
        case Art::Sensorbox:
            return QStringLiteral("Sensorbox");
        case Art::Controlbox:
            return QStringLiteral("Controlbox");
        case Art::DS200:
            return QStringLiteral("DS200");
        case Art::DS300:
            return QStringLiteral("DS300");
        case Art::UsbRennbox:
            return QStringLiteral("USB-Rennbox");
    }
    return QString();
}

}  // namespace Zeitnahmewahl
