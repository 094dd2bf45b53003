// The control box glue and its message parser on arbitrary text.

#include "ControlBox.h"
#include "FuzzStuecke.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    ControlBox box;
    QObject::connect(&box, &Zeitnahme::rundeErfasst, [](int bahn, qint32 zeit) {
        FUZZ_PRUEFE(bahn >= 1 && bahn <= 6);
        FUZZ_PRUEFE(zeit >= 1);
    });
    QObject::connect(&box, &ControlBox::zustandGeaendert, [](int ein, int relais) {
        FUZZ_PRUEFE(ein >= 0 && ein <= 9 && relais >= 0 && relais <= 9);
    });
    BoxProtokoll p;
    inStuecken(daten, groesse, [&](const QByteArray& stueck) {
        box.datenEmpfangen(stueck);
        p.fuettere(stueck);
        FUZZ_PRUEFE(p.rest().size() <= BoxProtokoll::maxPuffer);
        FUZZ_PRUEFE(!p.rest().contains(';'));
    });
    return 0;
}
