// The parallel-port sampling under a busy machine: a second thread plays the track on the
// simulated port (five lanes crossing 1 ms apart, pulse widths 0.5, 1, 2 and 5 ms), the
// program's own sampling thread and evaluation count the laps. Per pulse width: laps counted
// against crossings sent, events beyond the crossings (must be 0), and the stamp error (stamp
// minus the true rising edge, ms). Runs with and without real-time scheduling of the sampling
// thread, each with and without CPU-hog threads (one per core) running beside it. The track
// thread itself runs with SCHED_FIFO above the sampler when it may, and reports how late its
// edges came: figures with a late track are the track's fault, not the program's.
//
// Usage: bench_parallelport [--gruppen G] [--abstand MS] [--periode US]
//   G groups of five crossings per pulse width (200), MS ms from group to group (50),
//   US µs between two samples (the program's own period unless given)

#include <pthread.h>
#include <sched.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "BenchHilfe.h"
#include "config/DebugLog.h"
#include "config/EchteUhr.h"
#include "config/Einstellungen.h"
#include "hardware/ParallelPort.h"
#include "hardware/PortIOSimuliert.h"

using namespace bench;
using Uhrzeit = std::chrono::steady_clock;

namespace {

constexpr quint16 L1 = 888;
const Uhrzeit::time_point basis = Uhrzeit::now();

double msSeitBasis(Uhrzeit::time_point t) {
    return std::chrono::duration<double, std::milli>(t - basis).count();
}

// The program's stamp: whole ms on a monotonic clock.
qint32 stempel() { return qint32(std::floor(msSeitBasis(Uhrzeit::now()))); }

void warteGenau(Uhrzeit::time_point ziel) {
    // Sleep most of the way, then spin: the track's edges must come on time.
    const auto grob = ziel - std::chrono::microseconds(300);
    if (Uhrzeit::now() < grob) std::this_thread::sleep_until(grob);
    while (Uhrzeit::now() < ziel) {
    }
}

struct Ergebnis {
    int gesendet = 0, gezaehlt = 0, zuviel = 0;
    qint64 groessteLueckeUs = 0;
    int luecken = 0;
    int ringVoll = 0;  // samples dropped because the evaluation fell behind
    std::vector<double> fehler;     // stamp - true edge, ms
    std::vector<double> verspaetet;  // the track's edges behind their plan, ms
};

// The track plays the hardware: it must switch its lines on time, above the sampler.
bool streckeEchtzeit() {
    sched_param p{};
    p.sched_priority = 20;
    return pthread_setschedparam(pthread_self(), SCHED_FIFO, &p) == 0;
}
std::atomic<bool> streckeMitEchtzeit{false};

// One pulse width: G groups, each five lanes 1 ms apart, groups `abstand` ms apart.
int g_periodeUs = ParallelPort::standardPeriodeUs;

Ergebnis messe(double breiteMs, int gruppen, int abstand, bool hog) {
    DebugLog::instanz().leeren();
    Einstellungen e;
    e.LPTErf[1] = QStringLiteral("LPT1 12");
    e.LPTErf[2] = QStringLiteral("LPT1 13");
    e.LPTErf[3] = QStringLiteral("LPT1 14");
    e.LPTErf[4] = QStringLiteral("LPT1 15");
    e.LPTErf[5] = QStringLiteral("LPT1 10");
    PortIOSimuliert io;
    EchteUhr uhr;
    ParallelPort lpt(e, &io, &uhr);
    lpt.setZeitquelle(stempel);
    lpt.setAbtastPeriodeUs(g_periodeUs);
    std::array<std::vector<qint32>, 6> stempelJeBahn;
    QObject::connect(&lpt, &Zeitnahme::rundeErfasst, &lpt, [&](int bahn, qint32 zeit) {
        if (bahn >= 1 && bahn <= 5) stempelJeBahn[size_t(bahn)].push_back(zeit);
    });

    std::atomic<bool> hogStop{false};
    std::vector<std::thread> hogs;
    if (hog)
        for (unsigned i = 0; i < qMax(1u, std::thread::hardware_concurrency()); ++i)
            hogs.emplace_back([&hogStop] {
                volatile unsigned long x = 0;
                while (!hogStop) ++x;
            });

    lpt.starteErfassung();
    std::array<std::vector<double>, 6> kanten;
    std::atomic<bool> fertig{false};
    std::vector<double> verspaetet;
    std::thread strecke([&] {
        streckeMitEchtzeit = streckeEchtzeit();
        // Edges: (time, lane, rising).
        struct Kante {
            double ms;
            int bahn;
            bool an;
        };
        std::vector<Kante> plan;
        const double start = msSeitBasis(Uhrzeit::now()) + 50;
        for (int g = 0; g < gruppen; ++g)
            for (int k = 1; k <= 5; ++k) {
                const double t = start + g * double(abstand) + (k - 1);
                plan.push_back({t, k, true});
                plan.push_back({t + breiteMs, k, false});
            }
        std::sort(plan.begin(), plan.end(), [](const Kante& a, const Kante& b) { return a.ms < b.ms; });
        quint8 status = 0x80, steuer = 0;
        for (const Kante& k : plan) {
            warteGenau(basis + std::chrono::microseconds(qint64(k.ms * 1000)));
            if (k.bahn < 5) {
                const quint8 bit = quint8(0x08 << (k.bahn - 1));
                status = k.an ? quint8(status | bit) : quint8(status & ~bit);
                io.setze(L1 + 1, status);
            } else {
                steuer = k.an ? quint8(steuer | 0x04) : quint8(steuer & ~0x04);
                io.setze(L1 + 2, steuer);
            }
            const double jetzt = msSeitBasis(Uhrzeit::now());
            verspaetet.push_back(jetzt - k.ms);
            if (k.an) kanten[size_t(k.bahn)].push_back(jetzt);
        }
        fertig = true;
    });
    while (!fertig) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    strecke.join();
    const auto ende = Uhrzeit::now() + std::chrono::milliseconds(300);
    while (Uhrzeit::now() < ende) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    lpt.stoppeErfassung();
    const qint64 groessteLuecke = lpt.groessteAbtastLueckeUs();
    const int luecken = lpt.abtastLuecken();
    hogStop = true;
    for (std::thread& t : hogs) t.join();

    // Each stamp belongs to the crossing of its lane nearest to it (within 10 ms).
    Ergebnis r;
    r.verspaetet = verspaetet;
    r.groessteLueckeUs = groessteLuecke;
    r.luecken = luecken;
    for (const QString& z : DebugLog::instanz().zeilen())
        r.ringVoll += z.contains(QStringLiteral("Ring voll")) ? 1 : 0;
    for (int b = 1; b <= 5; ++b) {
        const auto& k = kanten[size_t(b)];
        r.gesendet += int(k.size());
        std::vector<bool> belegt(k.size(), false);
        for (qint32 s : stempelJeBahn[size_t(b)]) {
            int beste = -1;
            for (size_t i = 0; i < k.size(); ++i)
                if (!belegt[i] && qAbs(s - k[i]) <= 10 &&
                    (beste < 0 || qAbs(s - k[i]) < qAbs(s - k[size_t(beste)])))
                    beste = int(i);
            if (beste < 0) {
                ++r.zuviel;
                continue;
            }
            belegt[size_t(beste)] = true;
            ++r.gezaehlt;
            r.fehler.push_back(s - k[size_t(beste)]);
        }
    }
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    if (hilfeGefragt(argc, argv,
                     "Aufruf: bench_parallelport [--gruppen G] [--abstand MS] [--periode US]\n"
                     "  G Gruppen zu fünf Durchfahrten je Pulsbreite (200), MS ms von Gruppe zu "
                     "Gruppe (50),\n  US µs zwischen zwei Abtastungen (die des Programms)\n"))
        return 0;
    QCoreApplication app(argc, argv);
    const int gruppen = qMax(10, zahlArgument(app.arguments(), QStringLiteral("--gruppen"), 200));
    const int abstand = qMax(15, zahlArgument(app.arguments(), QStringLiteral("--abstand"), 50));
    g_periodeUs = qMax(100, zahlArgument(app.arguments(), QStringLiteral("--periode"),
                                         ParallelPort::standardPeriodeUs));
    DebugLog::instanz().setAktiv(true);  // counts the samples the ring had to drop
    std::printf("Parallelport simuliert, Abtastung alle %d µs, 5 Bahnen 1 ms versetzt, %d Gruppen "
                "je Pulsbreite im Abstand von %d ms, %u Kerne\n",
                g_periodeUs, gruppen, abstand, std::thread::hardware_concurrency());
    for (bool echtzeit : {true, false}) {
        if (echtzeit)
            qunsetenv("PISTORELLE_OHNE_ECHTZEIT");
        else
            qputenv("PISTORELLE_OHNE_ECHTZEIT", "1");
        for (bool hog : {false, true}) {
            // Whether the sampling thread got real time shows in its first run.
            Einstellungen e;
            PortIOSimuliert io;
            EchteUhr uhr;
            ParallelPort probe(e, &io, &uhr);
            probe.starteErfassung();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            probe.stoppeErfassung();
            std::printf("\nEchtzeit %s (Abtastthread: %s), %s\n",
                        echtzeit ? "angefordert" : "abgeschaltet",
                        probe.echtzeitGewaehrt() ? "SCHED_FIFO" : "normale Priorität",
                        hog ? "mit CPU-Last (ein Rechenthread je Kern)" : "ohne CPU-Last");
            for (double breite : {0.5, 1.0, 2.0, 5.0}) {
                const Ergebnis r = messe(breite, gruppen, abstand, hog);
                std::vector<double> betrag;
                for (double f : r.fehler) betrag.push_back(qAbs(f));
                const Kennzahlen k = auswerten(r.fehler), a = auswerten(betrag);
                const Kennzahlen v = auswerten(r.verspaetet);
                std::printf("  Puls %.1f ms: gezählt %4d / gesendet %4d (%6.2f %%), zu viel %d; "
                            "Stempelfehler median %+.2f ms, |Fehler| p99 %.2f ms, max %.2f ms; "
                            "Abtastlücken > 2 ms: %d, größte %.1f ms; Ring voll %d; "
                            "Strecke verspätet p99 %.3f ms, max %.3f ms\n",
                            breite, r.gezaehlt, r.gesendet, 100.0 * r.gezaehlt / r.gesendet,
                            r.zuviel, k.median, a.p99, a.max, r.luecken,
                            r.groessteLueckeUs / 1000.0, r.ringVoll, v.p99, v.max);
            }
        }
    }
    std::printf("\nStrecke (zweiter Thread) mit %s\n",
                streckeMitEchtzeit ? "SCHED_FIFO 20" : "normaler Priorität");
    return 0;
}
