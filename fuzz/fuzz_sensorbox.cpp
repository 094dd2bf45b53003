// The sensor box glue over the simulated driver on arbitrary byte streams.

#include "FuzzStuecke.h"
#include "hardware/SensorBox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    auto* treiber = new SimulierterSensorBoxTreiber;
    SensorBox box{std::unique_ptr<SensorBoxTreiber>(treiber)};
    int konfigs = 0;
    int neueBoxen = 0;  // the box was lost or its clock started again: it asks anew
    QObject::connect(&box, &Zeitnahme::rundeErfasst,
                     [](int eingang, qint32) { FUZZ_PRUEFE(eingang >= 1 && eingang <= 4); });
    QObject::connect(&box, &SensorBox::sende, [&](const QByteArray& d) {
        FUZZ_PRUEFE(d.size() == SimSensorBox::konfigLaenge);
        ++konfigs;
    });
    QObject::connect(&box, &Zeitnahme::statusText, [&](const QString& t) {
        if (t.contains(QLatin1String("LOST")) || t.contains(QLatin1String("neu gestartet")))
            ++neueBoxen;
    });
    box.rennStart();
    inStuecken(daten, groesse, [&](const QByteArray& stueck) {
        box.datenEmpfangen(stueck);
        box.zeitstempel();
    });
    FUZZ_PRUEFE(konfigs <= 1 + neueBoxen);  // once per BoxInit and per box that came anew
    return 0;
}
