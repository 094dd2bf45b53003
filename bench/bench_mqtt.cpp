// The audience through the broker: the real program counts laps of a DS300 on a
// pseudo-terminal and publishes them to a real Mosquitto broker, first with one subscriber,
// then with --abonnenten (1,000) of them. Prints the time from a lap's frame written to the
// pty to each subscriber holding its message (median, p99, max) and the program's CPU in
// both phases: the broker carries the audience, the program's own cost must not grow with it.
//   bench_mqtt [--runden 300] [--abonnenten 1000] [--abstand 100]

#include <mosquitto.h>
#include <poll.h>
#include <sys/resource.h>
#include <time.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <map>

#include "BenchHilfe.h"
#include "DSRahmen.h"
#include "MqttBroker.h"
#include "TestPty.h"
#include "ZaehlerProgramm.h"

namespace {

qint64 jetztNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// CPU seconds the process has used (user and system), from /proc.
double cpuSekunden(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QByteArray s = f.readAll();
    const QList<QByteArray> teile = s.mid(s.lastIndexOf(')') + 2).split(' ');
    // Fields 14 and 15 of stat (utime, stime); after the name's ")" the third field is 0.
    return (teile.value(11).toDouble() + teile.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

// Many subscribers on one thread: every client's socket in one poll().
class Publikum {
public:
    struct Empfang {
        int bahn, runde;
        qint64 ns;
    };

    Publikum(quint16 port, int anzahl) {
        for (int i = 0; i < anzahl; ++i) {
            mosquitto* m = mosquitto_new(nullptr, true, this);
            mosquitto_message_callback_set(m, [](mosquitto*, void* obj, const mosquitto_message* n) {
                const qint64 t = jetztNs();
                const QJsonObject o = QJsonDocument::fromJson(
                    QByteArray::fromRawData(static_cast<const char*>(n->payload), n->payloadlen)).object();
                static_cast<Publikum*>(obj)->empfangen.push_back(
                    {o["bahn"].toInt(), o["runde"].toInt(), t});
            });
            mosquitto_connect_callback_set(m, [](mosquitto* m, void*, int rc) {
                if (rc == 0) mosquitto_subscribe(m, nullptr, "pistorelle/+/runde", 0);
            });
            if (mosquitto_connect(m, "127.0.0.1", port, 60) != MOSQ_ERR_SUCCESS) {
                std::fprintf(stderr, "subscriber %d cannot connect\n", i);
                mosquitto_destroy(m);
                continue;
            }
            clients.push_back(m);
        }
    }
    ~Publikum() {
        for (mosquitto* m : clients) mosquitto_destroy(m);
    }
    // One round of the loop for every client: read what came, write what waits, pings.
    void runde(int ms) {
        std::vector<pollfd> fds;
        for (mosquitto* m : clients)
            fds.push_back({mosquitto_socket(m), short(POLLIN | (mosquitto_want_write(m) ? POLLOUT : 0)), 0});
        ::poll(fds.data(), fds.size(), ms);
        for (size_t i = 0; i < clients.size(); ++i) {
            if (fds[i].revents & POLLIN) mosquitto_loop_read(clients[i], 1);
            if (fds[i].revents & POLLOUT || mosquitto_want_write(clients[i]))
                mosquitto_loop_write(clients[i], 1);
            mosquitto_loop_misc(clients[i]);
        }
    }
    std::vector<mosquitto*> clients;
    std::vector<Empfang> empfangen;
};

}  // namespace

int main(int argc, char** argv) {
    if (bench::hilfeGefragt(argc, argv,
                            "bench_mqtt [--runden 300] [--abonnenten 1000] [--abstand 100]\n"
                            "  the real program publishes laps of a DS300 on a pty to a real\n"
                            "  Mosquitto; latency frame -> subscriber and the program's CPU,\n"
                            "  with one subscriber and with --abonnenten of them\n"))
        return 0;
    // A thousand sockets here and in the broker (which inherits the limit).
    rlimit r{};
    getrlimit(RLIMIT_NOFILE, &r);
    r.rlim_cur = r.rlim_max;
    setrlimit(RLIMIT_NOFILE, &r);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runden = bench::zahlArgument(args, "--runden", 300);
    const int abonnenten = bench::zahlArgument(args, "--abonnenten", 1000);
    const int abstand = bench::zahlArgument(args, "--abstand", 100);
    mosquitto_lib_init();

    MqttBroker broker;
    if (!broker.richteEin() || !broker.starte()) {
        std::fprintf(stderr, "%s\n", qPrintable(broker.fehler));
        return 1;
    }
    EchtesProgramm p;
    PtyPaar pty;
    const quint16 live = ZaehlerProgramm::freierPort();
    ZaehlerProgramm::richteEin(p, pty.pfad, live,
                               {{"MqttAn", "1"},
                                {"MqttPort", QString::number(broker.tcpPort)},
                                {"MqttThema", "pistorelle/bahn1"},
                                {"NachlaufZeit", "500"}});
    p.starte();
    if (!p.haeltOffen(pty.pfad)) {
        std::fprintf(stderr, "the program does not open the counter's port\n");
        return 1;
    }
    unsigned char folge = 0;
    const auto naechste = [&] { return folge = folge == 255 ? 1 : folge + 1; };
    const auto warteBis = [&](const std::function<bool()>& bedingung, int ms) {
        QElapsedTimer t;
        t.start();
        while (!bedingung() && t.elapsed() < ms) QTest::qWait(20);
        return bedingung();
    };
    if (!warteBis([&] { return ZaehlerProgramm::zustand(ZaehlerProgramm::apiStand(live)) == "aktiv"; },
                  20000)) {
        std::fprintf(stderr, "the counter is not active\n");
        return 1;
    }
    pty.schreibe(DSRahmen::start(naechste(), 0x3A));
    pty.schreibe(DSRahmen::status(naechste(), 0xA2));
    pty.schreibe(DSRahmen::status(naechste(), 0xA3));
    // Practice runs ten minutes: a run longer than that would end in the middle.
    if (!warteBis([&] {
            return ZaehlerProgramm::apiStand(live)["uhr"].toString().startsWith("00:09:");
        }, 20000)) {
        std::fprintf(stderr, "the race does not start\n");
        return 1;
    }

    int gezaehlt[5] = {0, 0, 0, 0, 0};
    std::map<std::pair<int, int>, qint64> geschrieben;  // (lane, lap) -> frame written
    const auto phase = [&](Publikum& publikum, const char* titel) {
        publikum.empfangen.clear();
        const double cpuVorher = cpuSekunden(p.prozess.processId());
        QElapsedTimer uhr;
        uhr.start();
        qint64 naechsteRunde = 0;
        for (int i = 0; i < runden;) {
            const qint64 jetzt = uhr.nsecsElapsed() / 1000000;
            if (jetzt >= naechsteRunde) {
                const int bahn = 1 + i % 4;
                const int n = ++gezaehlt[bahn];
                pty.schreibe(DSRahmen::runde(naechste(), bahn, n, n == 1 ? 0 : 4000 * 10, true));
                // The first crossing of a lane starts its first lap and sends nothing.
                if (n > 1) geschrieben[{bahn, n - 1}] = jetztNs();
                naechsteRunde += abstand;
                ++i;
            }
            pty.lies();
            publikum.runde(5);
            QCoreApplication::processEvents();
        }
        // The last laps' messages.
        for (QElapsedTimer t; !t.isValid() || t.elapsed() < 2000;) {
            if (!t.isValid()) t.start();
            publikum.runde(20);
        }
        const double wand = uhr.nsecsElapsed() / 1e9;
        const double cpu = cpuSekunden(p.prozess.processId()) - cpuVorher;
        std::vector<double> ms;
        for (const auto& e : publikum.empfangen) {
            const auto it = geschrieben.find({e.bahn, e.runde});
            if (it != geschrieben.end()) ms.push_back((e.ns - it->second) / 1e6);
        }
        // Every lap of this phase at every subscriber, once.
        const size_t soll = geschrieben.size() * publikum.clients.size();
        const size_t fehlend = soll > ms.size() ? soll - ms.size() : 0;
        std::printf("%s: %zu subscribers, %d laps every %d ms\n", titel, publikum.clients.size(),
                    runden, abstand);
        bench::drucke("  frame -> subscriber", bench::auswerten(ms));
        std::printf("  deliveries %zu, missing %zu\n", ms.size(), fehlend);
        std::printf("  program CPU %.2f s in %.1f s wall = %.1f %%\n", cpu, wand, 100.0 * cpu / wand);
        geschrieben.clear();
    };
    {
        Publikum einer(broker.tcpPort, 1);
        for (int i = 0; i < 50; ++i) einer.runde(10);
        phase(einer, "one subscriber");
    }
    {
        Publikum viele(broker.tcpPort, abonnenten);
        // Until every subscription stands.
        for (int i = 0; i < 200; ++i) viele.runde(10);
        phase(viele, "audience");
    }
    p.toete();
    return 0;
}
