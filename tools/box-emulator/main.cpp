// Control box emulator: answers the program's commands and sends laps, heartbeats and caution.
// Its command line and script are described in `hilfe` (printed by --help).

#include <QStringList>
#include <cstdio>

#include "BoxMeldungen.h"
#include "EmulatorAufruf.h"

namespace {

const char* const hilfe =
    R"(Aufruf: pistorelle-box-emulator [--port PFAD] [--skript DATEI] [--takt MS] [--sofort]
                               [--help]

Spielt eine Steuerbox (BEPFE/Titus) auf einer seriellen Leitung mit 9600 Baud. Ohne --port
öffnet er ein Pseudo-Terminal und schreibt dessen Pfad als erste Zeile. Jeder empfangene
Befehl wird mit "OK;" beantwortet ("gi" auch mit dem Eingangszustand) und auf stdout als
"befehl TEXT" gezeigt. Das Skript beginnt nach einer Zeile auf stdin (sofort mit --sofort):
  takt MS | pause MS | runde BAHN MS | herz MS | chaos 0|1 | eingaenge D | relais D | roh TEXT
Ohne --skript läuft ein eingebautes Rennen mit zwei Bahnen.
)";

const char* const standardRennen = R"(# two lanes, caution in between
herz 1000
runde 1 4100
runde 2 4350
herz 2000
runde 1 8200
chaos 1
pause 1000
chaos 0
runde 2 12900
relais 5
herz 3000
)";

struct Box {
    EmulatorPort& port;
    QByteArray befehle;
    int eingaenge = 0;

    void beantworte(const QByteArray& daten) {
        befehle.append(daten);
        for (qsizetype e; (e = befehle.indexOf(';')) >= 0;) {
            const QByteArray befehl = befehle.left(e);
            befehle.remove(0, e + 1);
            std::printf("befehl %s\n", befehl.constData());
            std::fflush(stdout);
            port.schreibe(BoxMeldungen::ok());
            if (befehl == "gi") port.schreibe(BoxMeldungen::eingaenge(eingaenge));
        }
    }

    // Answers commands until a line arrives on stdin (true) or stdin ends (false).
    bool warteAufStdin() {
        for (;;) {
            pollfd p{0, POLLIN, 0};
            if (::poll(&p, 1, 0) > 0) {
                char z[64];
                return std::fgets(z, sizeof z, stdin) != nullptr;
            }
            warte(20);
        }
    }

    // Lets ms pass while answering commands.
    void warte(int ms) {
        do {
            const int schritt = ms > 20 ? 20 : ms;
            const QByteArray d = port.lies(schritt);
            if (!d.isEmpty()) beantworte(d);
            ms -= schritt;
        } while (ms > 0);
    }
};

}  // namespace

int main(int argc, char** argv) {
    EmulatorAufruf aufruf(100, 9600, hilfe);
    if (const auto ende = aufruf.starte(argc, argv, standardRennen)) return *ende;
    EmulatorPort& port = aufruf.port;
    Box box{port};
    // Commands are answered from the start; the script waits for its line on stdin.
    if (!aufruf.sofort) box.warteAufStdin();
    bool alles = true;
    const auto befehl = [&](const QStringList& w, const QString& z, bool& ok) {
        ok = w.size() >= 2;
        const auto zahl = [&](int i) { return skriptZahl(w, i, ok); };
        QByteArray senden;
        if (w[0] == "takt")
            aufruf.takt = int(zahl(1));
        else if (w[0] == "pause")
            box.warte(int(zahl(1)));
        else if (w[0] == "runde")
            senden = BoxMeldungen::runde(int(zahl(1)), zahl(2));
        else if (w[0] == "herz")
            senden = BoxMeldungen::herzschlag(zahl(1));
        else if (w[0] == "chaos")
            senden = BoxMeldungen::chaos(zahl(1) != 0);
        else if (w[0] == "eingaenge")
            box.eingaenge = int(zahl(1)), senden = BoxMeldungen::eingaenge(box.eingaenge);
        else if (w[0] == "relais")
            senden = BoxMeldungen::relais(int(zahl(1)));
        else if (w[0] == "roh")
            senden = z.section(' ', 1).toLatin1();
        else
            ok = false;
        return senden;
    };
    const auto warte = [&](int ms) { box.warte(ms); };
    if (!aufruf.spiele(befehl, warte, alles)) return 1;
    std::printf("fertig\n");
    std::fflush(stdout);
    // Go on answering commands until stdin closes.
    if (!aufruf.sofort)
        while (box.warteAufStdin())
            ;
    return alles ? 0 : 1;
}
