#include "ui/HardwareFabrik.h"

#include "engine/ProtokollHardware.h"
#include "engine/SchnittstellenHardware.h"
#include "hardware/ParallelPort.h"
#include "hardware/PortIO.h"
#include "hardware/Schnittstellen.h"
#include "hardware/SensorBoxTreiber.h"
#include "hardware/Zeitnahme.h"

HardwareAufbau erzeugeProtokollHardware(Uhr& uhr) {
    HardwareAufbau aufbau;
    aufbau.hardware = std::make_unique<ProtokollHardware>(uhr);
    aufbau.statusText = [] { return QString(); };
    return aufbau;
}

HardwareAufbau erzeugeHardware(Uhr& uhr, Einstellungen& e) {
    // The demo's cars need no port: nothing is opened that a fair's PC may lack.
    const QString wahl = qEnvironmentVariable("PISTORELLE_HARDWARE");
    if (wahl.compare(QLatin1String("protokoll"), Qt::CaseInsensitive) == 0 ||
        wahl.compare(QLatin1String("demo"), Qt::CaseInsensitive) == 0)
        return erzeugeProtokollHardware(uhr);

    auto hardware = std::make_unique<SchnittstellenHardware>(
        *new Schnittstellen(e, &uhr), e);
    SchnittstellenHardware* hw = hardware.get();
    Schnittstellen* s = &hw->schnittstellen();
    s->setParent(hw);

    HardwareAufbau aufbau;
    aufbau.anbinden = [hw](Rennleitung& leitung, Rennablauf& ablauf) {
        hw->oeffne();
        hw->verbinde(leitung, ablauf);
    };
    aufbau.statusText = [s] { return s->StatusText(); };
    aufbau.verfuegbare = [s] { s->Command1_Click(); };
    aufbau.neuOeffnen = [s] {
        s->parallelPort()->CopyLPTErf2Array();
        s->MSCommOeffnen();
    };
    aufbau.lpt = s->parallelPort();
    aufbau.indikatoren = [s](std::function<void(int, qint32)> ziel) {
        QObject::connect(s, &Schnittstellen::indikatorGeaendert, s, ziel);
        for (int i = 0; i < 2; ++i) ziel(i, s->indikatorFarbe(i));
    };
    aufbau.zeitnahmeStatus = [hw] { return hw->status(); };
    aufbau.beiSignal = [s](std::function<void()> ziel) {
        QObject::connect(s, &Zeitnahme::rundeErfasst, s, [ziel] { ziel(); });
        for (auto signal : {&Zeitnahme::chaosAn, &Zeitnahme::chaosAus,
                            &Zeitnahme::startAnforderung, &Zeitnahme::stopAnforderung})
            QObject::connect(s, signal, s, ziel);
    };
    aufbau.hardware = std::move(hardware);
    return aufbau;
}
