// Sensor box emulator: the byte stream of the simulated sensor box on a serial line.
//
//   pistorelle-sensor-emulator [--port PFAD] [--skript DATEI] [--takt MS] [--sofort]
//
// Without --port it opens a pseudo-terminal and prints its path as the first line. After a
// line on stdin (or at once with --sofort) it asks for its configuration (transmit request)
// every takt ms until a configuration frame arrives, prints it as "konfig W0 .. W7", reports
// itself active and plays the script (times in ms on the box clock):
//   takt MS | pause MS | sensor N MS (on, and off 10 ms later) | aus N MS | zeit MS
//   verloren MS | sendewunsch MS | ereignis TYP N MS | code TYP

#include <QFile>
#include <QStringList>
#include <cstdio>

#include "EmulatorPort.h"
#include "SensorRahmen.h"

namespace {

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
    QString pfad, skript;
    int takt = 100;
    bool sofort = false;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        const QString wert = i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        if (a == "--port")
            pfad = wert, ++i;
        else if (a == "--skript")
            skript = wert, ++i;
        else if (a == "--takt")
            takt = wert.toInt(), ++i;
        else if (a == "--sofort")
            sofort = true;
        else {
            std::fprintf(stderr, "unbekannt: %s\n", argv[i]);
            return 2;
        }
    }
    QString text = QString::fromUtf8(standardRennen);
    if (!skript.isEmpty()) {
        QFile f(skript);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(skript), qPrintable(f.errorString()));
            return 1;
        }
        text = QString::fromUtf8(f.readAll());
    }
    EmulatorPort port;
    QString fehler;
    if (!port.oeffne(pfad, 4800, &fehler)) {
        std::fprintf(stderr, "Port: %s\n", qPrintable(fehler));
        return 1;
    }
    std::printf("%s\n", qPrintable(port.pfad()));
    std::fflush(stdout);
    warteAufStart(sofort);

    // Ask for the configuration until it comes (at most a minute's worth of requests).
    QByteArray empfangen;
    std::optional<std::array<qint16, 8>> konfig;
    for (int versuch = 0; !konfig && versuch < 60000 / qMax(takt, 1); ++versuch) {
        port.schreibe(SensorRahmen::rahmen(SimSensorBox::typSendeWunsch, 0, 0));
        empfangen.append(port.lies(takt));
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

    int nr = 0;
    bool alles = true;
    for (const QString& z : text.split('\n')) {
        ++nr;
        const QStringList w = z.section('#', 0, 0).simplified().split(' ', Qt::SkipEmptyParts);
        if (w.isEmpty()) continue;
        bool ok = true;
        const auto zahl = [&](int i, int basis = 10) {
            bool gut = false;
            const qint64 v = i < w.size() ? w[i].toLongLong(&gut, basis) : 0;
            ok = ok && gut;
            return v;
        };
        QByteArray senden;
        if (w[0] == "takt")
            takt = int(zahl(1));
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
        if (!ok) {
            std::fprintf(stderr, "Zeile %d nicht verstanden: %s\n", nr, qPrintable(z));
            alles = false;
            continue;
        }
        if (!senden.isEmpty()) {
            if (!port.schreibe(senden)) {
                std::fprintf(stderr, "Schreiben fehlgeschlagen\n");
                return 1;
            }
            schlafeMs(takt);
        }
    }
    std::printf("fertig\n");
    std::fflush(stdout);
    if (!sofort) warteAufStart(false);
    return alles ? 0 : 1;
}
