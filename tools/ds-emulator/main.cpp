// DS200/DS300 lap counter emulator: plays a scripted race as counter frames on a serial line.
// Its command line and script are described in `hilfe` (printed by --help).

#include <QStringList>
#include <QTextStream>
#include <cstdio>

#include "DSRahmen.h"
#include "EmulatorAufruf.h"

namespace {

const char* const hilfe =
    R"(Aufruf: pistorelle-ds-emulator [--port PFAD] [--baud 4800|56000] [--skript DATEI]
                              [--takt MS] [--wiederholung N] [--sofort] [--help]

Spielt ein Rennen als Rahmen eines DS200/DS300-Rundenzählers auf einer seriellen Leitung.
Ohne --port öffnet er ein Pseudo-Terminal und schreibt dessen Pfad als erste Zeile. Das
Rennen beginnt nach einer Zeile auf stdin (sofort mit --sofort). Jeder Rahmen geht
--wiederholung mal (2) im Abstand von --takt ms (200).
Skriptzeilen ('#' beginnt einen Kommentar):
  takt MS | wiederholung N | umgekehrt | pause MS
  start 3A..3F | status A1..A7 | runde BAHN RUNDEN SEKUNDEN | kaputt | roh HEX...
"kaputt" sendet den nächsten Rahmen einmal mit falscher Prüfsumme vor seinen Kopien.
Ohne --skript läuft ein eingebautes Rennen mit vier Bahnen.
)";

const char* const standardRennen = R"(# four lanes, five laps, one caution period
start 3A
status A1
pause 500
status A2
pause 500
status A3
runde 1 1 0
runde 2 1 0
runde 3 1 0
runde 4 1 0
runde 1 2 8.1234
runde 2 2 8.3456
runde 3 2 9.0012
runde 4 2 8.7777
status A5
pause 1000
status A6
runde 1 3 8.0501
runde 2 3 8.2
runde 3 3 8.9
runde 4 3 8.6
runde 1 4 7.9999
runde 2 4 8.1
runde 3 4 8.8
runde 4 4 8.5
status A4
)";

struct Spieler {
    EmulatorPort& port;
    int takt = 200;
    int wiederholung = 2;
    bool normal = true;
    bool kaputt = false;
    unsigned char folge = 1;

    bool sende(QByteArray rahmen) {
        if (kaputt) {
            QByteArray falsch = rahmen;
            falsch[18] = char(falsch[18] ^ 0x01);
            kaputt = false;
            if (!port.schreibe(falsch)) return false;
            schlafeMs(takt);
        }
        for (int i = 0; i < wiederholung; ++i) {
            if (!port.schreibe(rahmen)) return false;
            schlafeMs(takt);
        }
        folge = static_cast<unsigned char>(folge + 1);
        return true;
    }

    // False with a message on stderr for a line it cannot read or when the line is gone.
    bool zeile(const QString& text, int nr) {
        const QStringList w = text.section('#', 0, 0).simplified().split(' ', Qt::SkipEmptyParts);
        if (w.isEmpty()) return true;
        bool ok = true;
        const auto hex = [&](int i) {
            return i < w.size() ? w[i].toUInt(&ok, 16) : (ok = false, 0u);
        };
        const auto zahl = [&](int i) { return i < w.size() ? w[i].toInt(&ok) : (ok = false, 0); };
        const QString& befehl = w[0];
        bool gesendet = true;
        if (befehl == "takt")
            takt = zahl(1);
        else if (befehl == "wiederholung")
            wiederholung = zahl(1);
        else if (befehl == "umgekehrt")
            normal = false;
        else if (befehl == "pause")
            schlafeMs(zahl(1));
        else if (befehl == "kaputt")
            kaputt = true;
        else if (befehl == "start")
            gesendet = sende(DSRahmen::start(folge, static_cast<unsigned char>(hex(1))));
        else if (befehl == "status")
            gesendet = sende(DSRahmen::status(folge, static_cast<unsigned char>(hex(1))));
        else if (befehl == "runde") {
            const int bahn = zahl(1);
            const int runden = zahl(2);
            const double s = w.size() > 3 ? w[3].toDouble(&ok) : (ok = false, 0.0);
            if (ok && (bahn < 1 || bahn > 8)) ok = false;
            if (ok)
                gesendet =
                    sende(DSRahmen::runde(folge, bahn, runden, qint64(s * 10000 + 0.5), normal));
        } else if (befehl == "roh") {
            QByteArray roh;
            for (int i = 1; i < w.size() && ok; ++i) roh.append(char(hex(i)));
            gesendet = ok && port.schreibe(roh);
        } else
            ok = false;
        if (!ok) std::fprintf(stderr, "Zeile %d nicht verstanden: %s\n", nr, qPrintable(text));
        if (!gesendet)
            std::fprintf(stderr, "Schreiben auf %s fehlgeschlagen\n", qPrintable(port.pfad()));
        return ok && gesendet;
    }
};

}  // namespace

int main(int argc, char** argv) {
    EmulatorAufruf aufruf(200, 4800, hilfe);
    int wiederholung = 2;
    if (const auto ende =
            aufruf.starte(argc, argv, standardRennen,
                          {{"--baud", &aufruf.baud}, {"--wiederholung", &wiederholung}}))
        return *ende;
    EmulatorPort& port = aufruf.port;
    warteAufStart(aufruf.sofort);
    Spieler spieler{port};
    spieler.takt = aufruf.takt;
    spieler.wiederholung = wiederholung;
    int nr = 0;
    bool alles = true;
    for (const QString& z : aufruf.text.split('\n')) {
        if (!spieler.zeile(z, ++nr)) alles = false;
    }
    std::printf("fertig\n");
    std::fflush(stdout);
    // Keep the line up until stdin closes, so the reader gets the last bytes in peace.
    if (!aufruf.sofort) warteAufStart(false);
    return alles ? 0 : 1;
}
