// The race against a database that another program holds locked: the real program on the wall
// clock (main window offscreen), a DS300 counter on a pseudo-terminal sending one lap frame
// (three times, as the counter does) every 100 ms from a second thread, and in the middle of
// the race a third connection that holds BEGIN EXCLUSIVE for a while, as the sqlite3 shell
// does. Printed: the longest stall of the UI thread (how late a 1 ms timer fires), laps lost
// (counted by the engine against sent), laps written twice, and the time from the unlock until
// the writer has stored everything.
//
// Usage: bench_sperre [--runden N] [--sperre S] [--abstand MS]
//   N laps in all (default 300), the lock held S seconds (default 8) from the 5th second on,
//   one frame every MS milliseconds (default 100).

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <sqlite3.h>
#include <thread>

#include "BenchAntworten.h"
#include "BenchHilfe.h"
#include "DSRahmen.h"
#include "TestPty.h"
#include "config/DebugLog.h"
#include "config/EinstellungsSpeicher.h"
#include "data/Datenbank.h"
#include "engine/Rennleitung.h"
#include "engine/Rundensicherung.h"
#include "ui/ProgrammStart.h"
#include "ui/frmMain.h"

using namespace bench;
using Uhrzeit = std::chrono::steady_clock;

namespace {

bool warteBis(const std::function<bool()>& bedingung, int ms) {
    QElapsedTimer t;
    t.start();
    while (!bedingung()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (hilfeGefragt(argc, argv, "Aufruf: bench_sperre [--runden N] [--sperre S] [--abstand MS]\n"))
        return 0;
    QTemporaryDir ordner(QDir::tempPath() + "/bench-sperre-XXXXXX");
    eigeneOrdner(ordner.path(), true);
    qunsetenv("PISTORELLE_HARDWARE");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pistorelle"));
    DebugLog::instanz().setAktiv(false);
    const QStringList args = app.arguments();
    const int anzahl = qMax(60, zahlArgument(args, QStringLiteral("--runden"), 300));
    const int sperrSekunden = qMax(1, zahlArgument(args, QStringLiteral("--sperre"), 8));
    const int abstand = qMax(10, zahlArgument(args, QStringLiteral("--abstand"), 100));

    PtyPaar pty;
    if (!pty.ok()) return 1;
    {
        EinstellungsSpeicher sp(EinstellungsSpeicher::standardPfad());
        sp.speichere(QStringLiteral("AnzBahnen"), QStringLiteral("4"));
        sp.speichere(QStringLiteral("DS300Aktiv"), QStringLiteral("1"));
        sp.speichere(QStringLiteral("DSGoStart"), QStringLiteral("0"));
        sp.speichere(QStringLiteral("CommPort1"), QStringLiteral("1"));
        sp.speichere(QStringLiteral("ComPfad1"), pty.pfad);
        sp.speichere(QStringLiteral("ComPfad2"), ordner.filePath(QStringLiteral("fehlt")));
        sp.speichere(QStringLiteral("PrellZeit"), QStringLiteral("100"));
        sp.speichere(QStringLiteral("TonBeep"), QString());
    }
    StilleDialoge dialoge;
    StilleRueckfrage rueckfrage;
    ProgrammStart start(dialoge, stilleOptionen(rueckfrage, ordner.filePath("sperre")));
    if (!start.starte({QStringLiteral("pistorelle")})) return 1;
    frmMain* f = start.hauptfenster();
    Rennleitung& rl = *start.leitung();
    const QString dbPfad = start.datenbank()->pfad();
    f->resize(1024, 768);
    f->show();
    app.processEvents();
    f->findChild<QComboBox*>(QStringLiteral("cbRAuswahl"))->setCurrentIndex(2);  // R-Zeit
    emit f->findChild<QComboBox*>(QStringLiteral("cbRAuswahl"))->activated(2);
    f->findChild<QComboBox*>(QStringLiteral("Grenze"))->setEditText(QStringLiteral("300"));
    rl.Grenze_Validate();
    f->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    if (!warteBis([&] { return rl.zustand().AmpelPhase == 6; }, 30000)) return 1;

    // The UI thread's pulse: a 1 ms timer; the longest gap between two of its shots.
    QElapsedTimer puls;
    puls.start();
    qint64 letzter = 0, laengsteLuecke = 0;
    QTimer herz;
    herz.setTimerType(Qt::PreciseTimer);
    herz.setInterval(1);
    QObject::connect(&herz, &QTimer::timeout, [&] {
        const qint64 jetzt = puls.nsecsElapsed();
        if (letzter) laengsteLuecke = qMax(laengsteLuecke, jetzt - letzter);
        letzter = jetzt;
    });
    herz.start();

    std::atomic<bool> fertig{false}, gesperrt{false}, entsperrt{false};
    std::atomic<qint64> entsperrtBei{0};
    std::array<int, 7> gesendet{};
    std::thread zaehler([&] {
        unsigned char folge = 0;
        auto naechste = Uhrzeit::now();
        for (int k = 0; k < anzahl + 4; ++k) {
            const int bahn = k % 4 + 1;
            const int runden = k / 4 + 1;
            const qint64 zehntel = runden == 1 ? 0 : qint64(4 * abstand) * 10 + k % 7;
            folge = folge == 255 ? 1 : folge + 1;
            const QByteArray r = DSRahmen::runde(folge, bahn, runden, zehntel);
            gesendet[size_t(bahn)] = runden - 1;
            naechste += std::chrono::milliseconds(abstand);
            std::this_thread::sleep_until(naechste);
            const QByteArray drei = r + r + r;
            qsizetype weg = 0;
            while (weg < drei.size()) {
                const ssize_t n =
                    ::write(pty.master, drei.constData() + weg, size_t(drei.size() - weg));
                if (n > 0)
                    weg += n;
                else
                    std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        }
        fertig = true;
    });
    // The other program: waits 5 s, holds the lock, lets go.
    std::thread fremd([&] {
        std::this_thread::sleep_for(std::chrono::seconds(5));
        sqlite3* h = nullptr;
        if (sqlite3_open(dbPfad.toUtf8().constData(), &h) != SQLITE_OK) return;
        sqlite3_busy_timeout(h, 5000);
        if (sqlite3_exec(h, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK) {
            gesperrt = true;
            std::this_thread::sleep_for(std::chrono::seconds(sperrSekunden));
            sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr);
        }
        sqlite3_close(h);
        entsperrtBei = puls.elapsed();
        entsperrt = true;
    });
    Rundensicherung& sicherung = rl.sicherung();
    bool fehlerGesehen = false;
    QObject::connect(&sicherung, &Rundensicherung::statusGeaendert,
                     [&](const QString& t) { fehlerGesehen = fehlerGesehen || !t.isEmpty(); });
    warteBis([&] { return entsperrt.load(); }, 60000 + sperrSekunden * 1000);
    warteBis([&] { return sicherung.allesGespeichert(); }, 30000);
    const qint64 aufgeholt = puls.elapsed() - entsperrtBei.load();
    warteBis([&] { return fertig.load(); }, anzahl * abstand + 60000);
    warteBis([&] { return sicherung.allesGespeichert() && rl.wartendeRunden() == 0; }, 10000);
    QTimer::singleShot(500, &app, [] {});
    warteBis([] { return false; }, 500);  // the last tick
    zaehler.join();
    fremd.join();
    herz.stop();

    int gezaehlt = 0, erwartet = 0;
    for (int b = 1; b <= 4; ++b) {
        gezaehlt += rl.zustand().Runden[size_t(b)];
        erwartet += gesendet[size_t(b)];
    }
    Datenbank& db = *start.datenbank();
    const int zeilen = db.wert(QStringLiteral("select count(*) from aktrennen")).toInt();
    const int verschieden =
        db.wert(QStringLiteral("select count(distinct Bahn || '-' || Runde) from aktrennen"))
            .toInt();
    std::printf("DS300 an einem Pseudo-Terminal, 4 Bahnen, %d Runden, ein Rahmen (3x) alle %d ms; "
                "Datenbank %s für %d s von einer zweiten Verbindung gesperrt (BEGIN EXCLUSIVE)\n",
                anzahl, abstand, gesperrt ? "ab Sekunde 5" : "NICHT", sperrSekunden);
    std::printf("Längste Pause des UI-Threads (1-ms-Timer):    %8.1f ms\n",
                double(laengsteLuecke) / 1e6);
    std::printf("Runden gesendet %d, gezählt %d, verloren %d\n", erwartet, gezaehlt,
                erwartet - gezaehlt);
    std::printf("aktrennen: %d Zeilen, doppelt %d\n", zeilen, zeilen - verschieden);
    std::printf("Schreibfehler angezeigt: %s; vom Entsperren bis alles gespeichert: %lld ms\n",
                fehlerGesehen ? "ja" : "nein", aufgeholt);
    const bool ok = gesperrt && erwartet == gezaehlt && zeilen == verschieden && zeilen == gezaehlt;
    return ok ? 0 : 1;
}
