// Figures of the input paths, printed (no pass/fail): the sampling thread's period and CPU
// cost on the simulated port, and the delay from bytes written on a pseudo-terminal to the
// receive event of the serial component.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <vector>

#include "BenchHilfe.h"
#include "TestPty.h"
#include "config/EchteUhr.h"
#include "config/Einstellungen.h"
#include "hardware/MSComm.h"
#include "hardware/ParallelPort.h"
#include "hardware/PortIOSimuliert.h"

namespace {

// Notes the moment of every read of LPT1's control register (one per sample).
class ZeitPort : public PortIOSimuliert {
public:
    quint8 Inp32(quint16 adresse) override {
        if (adresse == 888 + 2) {
            std::lock_guard<std::mutex> l(sperre);
            zeiten.push_back(std::chrono::steady_clock::now());
        }
        return PortIOSimuliert::Inp32(adresse);
    }
    std::mutex sperre;
    std::vector<std::chrono::steady_clock::time_point> zeiten;
};

double cpuSekunden() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

void abtastung() {
    Einstellungen e;
    ZeitPort io;
    EchteUhr uhr;
    ParallelPort lpt(e, &io, &uhr);
    const double cpu0 = cpuSekunden();
    lpt.starteErfassung();
    QElapsedTimer wand;
    wand.start();
    QEventLoop schleife;
    QTimer::singleShot(3000, &schleife, &QEventLoop::quit);
    schleife.exec();
    lpt.stoppeErfassung();
    const double cpu = cpuSekunden() - cpu0;
    std::vector<double> abstand;
    for (size_t i = 1; i < io.zeiten.size(); ++i)
        abstand.push_back(
            std::chrono::duration<double, std::micro>(io.zeiten[i] - io.zeiten[i - 1]).count());
    std::sort(abstand.begin(), abstand.end());
    const auto q = [&abstand](double p) { return abstand[size_t(p * (abstand.size() - 1))]; };
    std::printf(
        "LPT-Abtastung: %zu Proben in %.2f s = %.0f Hz; Abstand Median %.0f us, "
        "99%% %.0f us, max %.0f us; CPU %.1f %%\n",
        io.zeiten.size(), wand.elapsed() / 1000.0, io.zeiten.size() / (wand.elapsed() / 1000.0),
        q(0.5), q(0.99), abstand.back(), 100.0 * cpu / (wand.elapsed() / 1000.0));
}

void ptyLaufzeit(const QString& settings) {
    PtyPaar pty;
    MSComm port(QStringLiteral("bench"));
    const QString pfad = pty.pfad;
    port.setPfadQuelle([pfad](int) { return pfad; });
    port.setModemFabrik(nullptr);
    port.setSettings(settings);
    port.setRThreshold(1);
    port.setPortOpen(true);
    std::vector<double> ms;
    QElapsedTimer t;
    QEventLoop schleife;
    QObject::connect(&port, &MSComm::OnComm, &schleife, [&] {
        port.Input();
        ms.push_back(t.nsecsElapsed() / 1e6);
        schleife.quit();
    });
    for (int i = 0; i < 200; ++i) {
        t.start();
        pty.schreibe("S");
        schleife.exec();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("MSComm %s: Byte bis OnComm Median %.3f ms, max %.3f ms (%zu Messungen)\n",
                qPrintable(settings), ms[ms.size() / 2], ms.back(), ms.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (bench::hilfeGefragt(argc, argv,
                            "Aufruf: bench_serielle\n  Abtastperiode am simulierten Parallelport "
                            "und Laufzeit vom Pseudo-Terminal zum Empfangsereignis\n"))
        return 0;
    QCoreApplication app(argc, argv);
    abtastung();
    for (const char* s : {"4800,n,8,1", "9600,N,8,1", "56000,n,8,1"})
        ptyLaufzeit(QString::fromLatin1(s));
    return 0;
}
