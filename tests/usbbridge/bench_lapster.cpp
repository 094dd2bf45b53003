// What one race timer tick costs the driver against the simulated box (the transfer itself
// of a real box comes on top: about one USB frame per read).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchHilfe.h"
#include "config/VirtuelleUhr.h"
#include "hardware/LapsterBox.h"
#include "portalix_sim.h"

int main(int argc, char** argv) {
    if (bench::hilfeGefragt(argc, argv,
                            "Aufruf: bench_lapster\n  Kosten eines Takts der Rennuhr gegen die "
                            "simulierte Box, ohne und mit Runden\n"))
        return 0;
    QCoreApplication app(argc, argv);
    VirtuelleUhr uhr;
    LapsterBox box(&uhr);
    box.setBibliothek(QStringLiteral(PORTALIX_SIM_PFAD));
    long runden = 0;
    QObject::connect(&box, &Zeitnahme::rundeErfasst, [&runden] { ++runden; });
    box.LapsterBoxOpen(true);

    constexpr int ticks = 200000;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < ticks; ++i) box.LapsterBoxReadTimer();
    const double leer = double(t.nsecsElapsed()) / ticks;

    t.restart();
    for (int i = 0; i < ticks; ++i) {
        portalix_sim_runde(1 + i % 4, 4000 + i % 1000);
        box.LapsterBoxReadTimer();
    }
    const double mitRunde = double(t.nsecsElapsed()) / ticks;

    QTemporaryDir ordner;
    QFile f(ordner.filePath(QStringLiteral("lapster.bin")));
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray(16384, '\x5a'));
    f.close();
    box.setFirmwareDatei(f.fileName());
    constexpr int ladungen = 2000;
    t.restart();
    for (int i = 0; i < ladungen; ++i) box.LoadFirmWare();
    const double laden = double(t.nsecsElapsed()) / ladungen;

    std::printf("Tick ohne Runde:        %8.0f ns (4 Lesezugriffe)\n", leer);
    std::printf("Tick mit einer Runde:   %8.0f ns (9 Lesezugriffe), %ld Runden\n", mitRunde,
                runden);
    std::printf("Firmware 16 KiB laden:  %8.0f ns (6 Schreibzugriffe)\n", laden);
    box.LapsterBoxClose();
    return 0;
}
