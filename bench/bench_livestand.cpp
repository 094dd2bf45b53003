// Live scoreboard under load: 50 WebSocket viewers on the loopback address (in a thread of
// their own, as phones would be elsewhere) follow a race by time in the real program, and
// the time from the engine counting a lap to each viewer holding the new standings is
// measured, lap by lap.
//   ./bench_livestand [--runden 300] [--zuschauer 50]

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMutex>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QWebSocket>
#include <atomic>
#include <chrono>

#include "BenchAntworten.h"
#include "BenchHilfe.h"
#include "config/DebugLog.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "engine/Rennleitung.h"
#include "engine/SlotWerte.h"
#include "uebertragung/LiveStand.h"
#include "ui/ProgrammStart.h"
#include "ui/frmMain.h"

using namespace bench;

namespace {
qint64 jetztNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The viewers: each keeps the arrival time of its newest message.
class Zuschauer : public QObject {
public:
    QMutex sperre;
    std::vector<qint64> letzte;
    std::atomic<int> offen{0};
    std::atomic<long> nachrichten{0};

    // One after the other, as phones come in: the server takes only a few connections from
    // one address at a time, and all of these come from 127.0.0.1.
    void verbinde(int anzahl, quint16 port, int i = 0) {
        if (i == 0) letzte.assign(size_t(anzahl), 0);
        if (i >= anzahl) return;
        // A browser names the page's origin; the server wants it.
        auto* ws = new QWebSocket(QStringLiteral("http://127.0.0.1:%1").arg(port),
                                  QWebSocketProtocol::VersionLatest, this);
        connect(ws, &QWebSocket::connected, this, [this, anzahl, port, i] {
            ++offen;
            verbinde(anzahl, port, i + 1);
        });
        connect(ws, &QWebSocket::textMessageReceived, this, [this, i](const QString&) {
            const qint64 t = jetztNs();
            ++nachrichten;
            QMutexLocker l(&sperre);
            letzte[size_t(i)] = t;
        });
        ws->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port)));
    }
};
}  // namespace

int main(int argc, char** argv) {
    if (hilfeGefragt(argc, argv,
                     "Aufruf: bench_livestand [--runden N] [--zuschauer Z]\n"
                     "  N Runden (300), Z Zuschauer am Live-Stand (50)\n"))
        return 0;
    QTemporaryDir ordner(QDir::tempPath() + "/bench-livestand-XXXXXX");
    eigeneOrdner(ordner.path(), true);
    qputenv("PISTORELLE_HARDWARE", "protokoll");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pistorelle"));
    DebugLog::instanz().setAktiv(false);
    const QStringList args = app.arguments();
    const int runden = qMax(1, zahlArgument(args, QStringLiteral("--runden"), 300));
    const int anzahl = qBound(1, zahlArgument(args, QStringLiteral("--zuschauer"), 50),
                              LiveStand::maxZuschauer);

    QTemporaryDir sperre;
    VirtuelleUhr uhr;
    StilleDialoge dialoge;
    StilleRueckfrage rueckfrage;
    const ProgrammStart::Optionen o = stilleOptionen(rueckfrage, sperre.filePath(QStringLiteral("sperre")), &uhr);
    ProgrammStart start(dialoge, o);
    if (!start.starte({QStringLiteral("pistorelle")})) return 1;
    frmMain* f = start.hauptfenster();
    Rennleitung& rl = *start.leitung();
    f->resize(1280, 800);
    f->show();
    LiveStand stand(rl, *start.anzeige());
    stand.setzePlaetzeJeAdresse(anzahl);
    if (!stand.starte(QHostAddress::LocalHost, 0)) {
        std::fprintf(stderr, "%s\n", qPrintable(stand.fehler()));
        return 1;
    }

    QThread faden;
    Zuschauer zuschauer;
    zuschauer.moveToThread(&faden);
    faden.start();
    QMetaObject::invokeMethod(&zuschauer, [&] { zuschauer.verbinde(anzahl, stand.port()); });
    QElapsedTimer warte;
    warte.start();
    while (stand.zuschauer() < anzahl && warte.elapsed() < 20000) app.processEvents();
    if (stand.zuschauer() < anzahl) {
        std::fprintf(stderr, "nur %d Zuschauer verbunden\n", stand.zuschauer());
        return 1;
    }

    f->findChild<QComboBox*>(QStringLiteral("cbRAuswahl"))->setCurrentIndex(2);  // race by time
    emit f->findChild<QComboBox*>(QStringLiteral("cbRAuswahl"))->activated(2);
    rl.setzeGrenze(QStringLiteral("300"));
    rl.Grenze_Validate();
    f->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    for (int i = 0; i < 20 && rl.zustand().AmpelPhase != 6; ++i) uhr.naechsterTimer(2100);
    if (!rl.zustand().RennenLaeuft) {
        std::fprintf(stderr, "Lauf nicht gestartet\n");
        return 1;
    }

    qint64 gezaehlt = 0;  // when the engine changed the panels after the crossing
    for (int i = 0; i < 6; ++i)
        QObject::connect(&rl.panel(i), &SlotWerte::geaendert, &rl, [&gezaehlt] {
            if (gezaehlt == 0) gezaehlt = jetztNs();
        });
    std::vector<double> latenz, letzterZuschauer;
    int verpasst = 0, ungezaehlt = 0;
    const auto ruhe = [&] {
        // Until nothing is on its way: no message for 20 ms.
        long vorher = -1;
        while (vorher != zuschauer.nachrichten.load()) {
            vorher = zuschauer.nachrichten.load();
            QElapsedTimer t;
            t.start();
            while (t.elapsed() < 20) app.processEvents(QEventLoop::AllEvents, 5);
        }
    };
    for (int runde = 1; runde <= runden; ++runde) {
        uhr.vorruecken(700);
        ruhe();
        const int bahn = (runde - 1) % 4 + 1;
        // The lap counts on the engine's next tick: from then on the clock runs.
        gezaehlt = 0;
        rl.RundenErfassung(bahn, uhr.Zeitstempel());
        uhr.vorruecken(20);
        const qint64 t0 = gezaehlt;
        if (t0 == 0) {
            ++ungezaehlt;  // a lane's first crossing only starts its clock
            continue;
        }
        QElapsedTimer t;
        t.start();
        bool alle = false;
        while (!alle && t.elapsed() < 2000) {
            app.processEvents(QEventLoop::AllEvents, 1);
            QMutexLocker l(&zuschauer.sperre);
            alle = std::all_of(zuschauer.letzte.begin(), zuschauer.letzte.end(),
                               [t0](qint64 x) { return x > t0; });
        }
        QMutexLocker l(&zuschauer.sperre);
        qint64 spaetester = 0;
        for (qint64 x : zuschauer.letzte) {
            if (x > t0) {
                latenz.push_back(double(x - t0) / 1e6);
                spaetester = qMax(spaetester, x - t0);
            } else {
                ++verpasst;
            }
        }
        letzterZuschauer.push_back(double(spaetester) / 1e6);
    }
    std::printf("\nLive-Stand: %d Zuschauer (WebSocket, 127.0.0.1, eigener Thread), "
                "%d Durchfahrten, Rennen auf Zeit, 4 Bahnen\n",
                anzahl, runden);
    drucke(QStringLiteral("  Durchfahrt bis Zuschauer hat den Stand:"), auswerten(latenz));
    drucke(QStringLiteral("  Durchfahrt bis letzter Zuschauer:"), auswerten(letzterZuschauer));
    std::printf("  Durchfahrten ohne Runde: %d, Nachrichten verpasst (nach 2 s): %d\n",
                ungezaehlt, verpasst);
    QMetaObject::invokeMethod(
        &zuschauer, [&] { qDeleteAll(zuschauer.findChildren<QWebSocket*>()); },
        Qt::BlockingQueuedConnection);
    faden.quit();
    faden.wait();
    return verpasst == 0 ? 0 : 2;
}
