// The control box glue and its message parser on arbitrary text, with the program's commands
// (open, race start, green, lane power and lights by switching word) mixed into the stream.

#include "FuzzStuecke.h"
#include "hardware/ControlBox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    ControlBox box;
    QObject::connect(&box, &Zeitnahme::rundeErfasst, [](int bahn, qint32 zeit) {
        FUZZ_PRUEFE(bahn >= 1 && bahn <= 6);
        FUZZ_PRUEFE(zeit >= 1);
    });
    QObject::connect(&box, &ControlBox::zustandGeaendert, [](int ein, int relais) {
        FUZZ_PRUEFE(ein >= 0 && ein <= 9 && relais >= 0 && relais <= 9);
    });
    // Every command is one or more complete "...;" words of letters and digits.
    QObject::connect(&box, &ControlBox::sende, [](const QByteArray& befehl) {
        FUZZ_PRUEFE(befehl.endsWith(';'));
        for (char c : befehl)
            FUZZ_PRUEFE(c == ';' || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-');
    });
    BoxProtokoll p;
    inStuecken(daten, groesse, [&](const QByteArray& stueck) {
        // A piece starting with '!' is a command of the program: the switching word and the
        // on/off value from its bytes.
        if (stueck.startsWith('!') && stueck.size() >= 2) {
            const QString wort = QString::fromLatin1(stueck.mid(2));
            const int anAus = int(quint8(stueck[1])) % 3;
            switch (quint8(stueck[1]) / 3 % 4) {
                case 0:
                    box.portGeoeffnet();
                    break;
                case 1:
                    box.rennStart();
                    break;
                case 2:
                    box.gruen();
                    break;
                default:
                    break;
            }
            box.SchalteBepfe(wort, anAus);
            // The words the engine uses always give a command.
            for (const char* w : {"BahnAlle", "AmpelAlle", "Bahn3", "Ampel5"}) {
                bool gesendet = false;
                auto c = QObject::connect(&box, &ControlBox::sende,
                                          [&](const QByteArray&) { gesendet = true; });
                box.SchalteBepfe(QLatin1String(w), anAus % 2);
                QObject::disconnect(c);
                FUZZ_PRUEFE(gesendet);
            }
            return;
        }
        box.datenEmpfangen(stueck);
        p.fuettere(stueck);
        FUZZ_PRUEFE(p.rest().size() <= BoxProtokoll::maxPuffer);
        FUZZ_PRUEFE(!p.rest().contains(';'));
    });
    return 0;
}
