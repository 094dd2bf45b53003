// The sensor box glue over the simulated driver on arbitrary byte streams.

#include "FuzzStuecke.h"
#include "SensorBox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    auto* treiber = new SimulierterSensorBoxTreiber;
    SensorBox box{std::unique_ptr<SensorBoxTreiber>(treiber)};
    int konfigs = 0;
    int verloren = 0;  // a box lost or started again asks for its configuration again
    QObject::connect(&box, &Zeitnahme::rundeErfasst,
                     [](int eingang, qint32) { FUZZ_PRUEFE(eingang >= 1 && eingang <= 4); });
    QObject::connect(&box, &SensorBox::sende, [&](const QByteArray& d) {
        FUZZ_PRUEFE(d.size() == SimSensorBox::konfigLaenge);
        ++konfigs;
    });
    QObject::connect(&box, &Zeitnahme::statusText, [&](const QString& t) {
        if (t == QLatin1String("EVENT: SENSOR BOX ERROR, COM LOST") ||
            t == QLatin1String("MSG: BOX LOST") ||
            t.startsWith(QLatin1String("Uhr der Sensorbox neu gestartet")))
            ++verloren;
    });
    box.rennStart();
    inStuecken(daten, groesse, [&](const QByteArray& stueck) {
        box.datenEmpfangen(stueck);
        box.zeitstempel();
    });
    FUZZ_PRUEFE(konfigs <= 1 + verloren);  // once per BoxInit, again only after a loss
    return 0;
}
