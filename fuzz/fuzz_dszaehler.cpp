// The DS counter glue and its frame decoder on arbitrary byte streams.

#include "FuzzStuecke.h"
#include "config/Einstellungen.h"
#include "hardware/DSZaehler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    Einstellungen e;
    e.DSGoStart = groesse > 0 && (daten[0] & 1);
    DSZaehler z(&e);
    int runden = 0;
    QObject::connect(&z, &Zeitnahme::rundeErfasst, [&](int bahn, qint32 zeit) {
        FUZZ_PRUEFE(bahn >= 1 && bahn <= 6);
        // BCD nibbles above 9 count with their value: at most 165 min 165 s ...
        FUZZ_PRUEFE(zeit >= 0 && zeit <= 10066666);
        ++runden;
    });
    QObject::connect(&z, &DSZaehler::ampelPhase,
                     [&](int phase) { FUZZ_PRUEFE(e.DSGoStart == 1 && phase >= 1 && phase <= 3); });
    size_t gelesen = 0;
    inStuecken(daten, groesse, [&](const QByteArray& stueck) {
        gelesen += size_t(stueck.size());
        z.datenEmpfangen(stueck);
    });
    // No more laps than whole frames in the stream.
    FUZZ_PRUEFE(size_t(runden) <= gelesen / DSProtokoll::rahmenLaenge);

    // The pure decoder: never holds a full frame back, never more than one frame's worth.
    DSProtokoll p;
    inStuecken(daten, groesse, [&](const QByteArray& stueck) {
        p.fuettere(stueck);
        FUZZ_PRUEFE(p.gepuffert() < DSProtokoll::rahmenLaenge);
    });
    return 0;
}
