// The USB race box read path over a bridge library whose readram hands out the fuzzer's bytes
// one read after the other: lap counters, confirmations and the four time cells, on tick after
// tick until the bytes run out.

#include "FakePortalix.h"
#include "FuzzStuecke.h"
#include "config/VirtuelleUhr.h"
#include "hardware/LapsterBox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static VirtuelleUhr uhr;
    fuzzRamSetzen(daten, groesse);
    LapsterBox box(&uhr);
    box.setBibliothek(QStringLiteral(FAKE_PORTALIX_PFAD));
    int runden = 0;
    QObject::connect(&box, &Zeitnahme::rundeErfasst, [&](int spur, qint32 zeit) {
        FUZZ_PRUEFE(spur >= 1 && spur <= LapsterBox::anzahlSpuren);
        FUZZ_PRUEFE(zeit > 0 && zeit != LapsterBox::keineRunde);
        FUZZ_PRUEFE(zeit <= 60000 * 255 + 1000 * 255 + 100 * 255 + 255);
        ++runden;
    });
    box.LapsterBoxOpen(false);
    FUZZ_PRUEFE(box.LapsterBoxOffen());
    int ticks = 0;
    while (fuzzRamRest() > 0) {
        // A box that reads as gone is opened again by the 2 s service, as in the program.
        if (box.verloren() && !box.verbindeWieder()) break;
        const int vorher = runden;
        const size_t rest = fuzzRamRest();
        box.LapsterBoxReadTimer();
        // A box taken for lost reads nothing until the 2 s service opens it again.
        if (fuzzRamRest() == rest) break;
        FUZZ_PRUEFE(runden - vorher <= LapsterBox::anzahlSpuren);
        ++ticks;
    }
    // Each lap takes its two counter reads and four time reads; past the end reads give 0.
    FUZZ_PRUEFE(size_t(runden) * 6 <= groesse + 24);
    box.LapsterBoxClose();
    return 0;
}
