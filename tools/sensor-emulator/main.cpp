// Sensor box emulator: the byte stream of the simulated sensor box on a serial line.
// Its command line and script are described in `hilfe` (printed by --help).

#include <QStringList>
#include <cstdio>

#include "EmulatorAufruf.h"
#include "SensorRahmen.h"

namespace {

const char* const hilfe =
    R"(Aufruf: pistorelle-sensor-emulator [--port PFAD] [--skript DATEI] [--takt MS] [--sofort]
                                  [--help]

Spielt die simulierte Sensorbox auf einer seriellen Leitung mit 4800 Baud. Ohne --port
öffnet er ein Pseudo-Terminal und schreibt dessen Pfad als erste Zeile. Nach einer Zeile auf
stdin (sofort mit --sofort) bittet er alle --takt ms um seine Konfiguration, bis sie kommt,
zeigt sie als "konfig W0 .. W7", meldet sich aktiv und spielt das Skript (Zeiten in ms auf
der Uhr der Box):
  takt MS | pause MS | sensor N MS (an, 10 ms später aus) | aus N MS | zeit MS
  verloren MS | sendewunsch MS | ereignis TYP N MS | code TYP
Ohne --skript läuft ein eingebautes Rennen mit vier Sensoren.
)";

const char* const standardRennen = R"(# four sensors, three laps each
zeit 500
sensor 0 2000
sensor 1 2300
sensor 2 2600
sensor 3 2900
sensor 0 9100
sensor 1 9500
sensor 2 9800
sensor 3 10100
code 83
sensor 0 16000
sensor 1 16600
sensor 2 16900
sensor 3 17300
)";

}  // namespace

int main(int argc, char** argv) {
    EmulatorAufruf aufruf(100, 4800, hilfe);
    if (const auto ende = aufruf.starte(argc, argv, standardRennen)) return *ende;
    EmulatorPort& port = aufruf.port;
    warteAufStart(aufruf.sofort);

    // Ask for the configuration until it comes (at most a minute's worth of requests).
    QByteArray empfangen;
    std::optional<std::array<qint16, 8>> konfig;
    for (int versuch = 0; !konfig && versuch < 60000 / qMax(aufruf.takt, 1); ++versuch) {
        port.schreibe(SensorRahmen::rahmen(SimSensorBox::typSendeWunsch, 0, 0));
        empfangen.append(port.lies(aufruf.takt));
        konfig = SensorRahmen::leseKonfig(empfangen);
    }
    if (!konfig) {
        std::fprintf(stderr, "keine Konfiguration erhalten\n");
        return 1;
    }
    std::printf("konfig");
    for (qint16 w : *konfig) std::printf(" %d", int(w));
    std::printf("\n");
    std::fflush(stdout);
    port.schreibe(SensorRahmen::rahmen(SimSensorBox::typAktiv, 0, 0));

    bool alles = true;
    const auto befehl = [&](const QStringList& w, const QString&, bool& ok) {
        const auto zahl = [&](int i, int basis = 10) { return skriptZahl(w, i, ok, basis); };
        QByteArray senden;
        if (w[0] == "takt")
            aufruf.takt = int(zahl(1));
        else if (w[0] == "pause")
            schlafeMs(int(zahl(1)));
        else if (w[0] == "zeit")
            senden = SensorRahmen::rahmen(SimSensorBox::typTakt, 0, SensorRahmen::ticks(zahl(1)));
        else if (w[0] == "sensor") {
            const int n = int(zahl(1));
            const qint64 ms = zahl(2);
            senden =
                SensorRahmen::rahmen(SimSensorBox::typSensorAn, n, SensorRahmen::ticks(ms)) +
                SensorRahmen::rahmen(SimSensorBox::typSensorAus, n, SensorRahmen::ticks(ms + 10));
        } else if (w[0] == "aus")
            senden = SensorRahmen::rahmen(SimSensorBox::typSensorAus, int(zahl(1)),
                                          SensorRahmen::ticks(zahl(2)));
        else if (w[0] == "verloren")
            senden =
                SensorRahmen::rahmen(SimSensorBox::typVerloren, 0, SensorRahmen::ticks(zahl(1)));
        else if (w[0] == "sendewunsch")
            senden =
                SensorRahmen::rahmen(SimSensorBox::typSendeWunsch, 0, SensorRahmen::ticks(zahl(1)));
        else if (w[0] == "ereignis")
            senden = SensorRahmen::rahmen(static_cast<unsigned char>(zahl(1, 16)), int(zahl(2)),
                                          SensorRahmen::ticks(zahl(3)));
        else if (w[0] == "code")
            senden = SensorRahmen::rahmen(static_cast<unsigned char>(zahl(1, 16)), 0, 0);
        else
            ok = false;
        return senden;
    };
    if (!aufruf.spiele(befehl, schlafeMs, alles)) return 1;
    std::printf("fertig\n");
    std::fflush(stdout);
    if (!aufruf.sofort) warteAufStart(false);
    return alles ? 0 : 1;
}
