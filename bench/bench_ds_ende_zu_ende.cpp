// End to end with the real program: a DS200 counter on a pseudo-terminal sends its lap frames
// (each three times, as the counter does) from a second thread; the program reads them with
// its own port, decoder, lap path and main window (offscreen) on the wall clock. Per lap:
// the time from the frame's write to the end of the race-timer tick that committed its row,
// and to the paint of the lane panel showing it. Median, p99 and max beside the tick period.
// At the end, each lane's total against the sum of the lap values the counter sent (tenths
// of a millisecond): they must agree within half a millisecond.
//
// Usage: bench_ds_ende_zu_ende [--runden N] [--abstand MS]
//   N laps (all lanes together, default 600), one frame every MS milliseconds on average
//   (default 100). The spacing varies by up to 30 % around MS: at a fixed spacing against the
//   120 ms tick the waits would take only six values, and the median would depend on where
//   the first frame happened to fall.

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <thread>

#include "BenchAntworten.h"
#include "BenchHilfe.h"
#include "DSRahmen.h"
#include "TestPty.h"
#include "config/DebugLog.h"
#include "config/EinstellungsSpeicher.h"
#include "data/Datenbank.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"
#include "engine/SlotWerte.h"
#include "ui/ProgrammStart.h"
#include "ui/SlotAnzeige.h"
#include "ui/frmMain.h"

using namespace bench;
using Uhrzeit = std::chrono::steady_clock;

namespace {

double msZwischen(Uhrzeit::time_point a, Uhrzeit::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// Runs the event loop until the condition holds or the time is up.
bool warteBis(const std::function<bool()>& bedingung, int ms) {
    QElapsedTimer t;
    t.start();
    while (!bedingung()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Watches the lap field of a panel: the first paint that shows a lane's new lap count.
class MalBeobachter : public QObject {
public:
    std::function<void(int bahn, int runden)> gemalt;
    SlotAnzeige* panel = nullptr;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && gemalt) {
            const SlotWerte& w = panel->werte();
            if (w.ReturnRunden() > 0) gemalt(w.ReturnBahn(), int(w.ReturnRunden()));
        }
        return QObject::eventFilter(o, e);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (hilfeGefragt(argc, argv,
                     "Aufruf: bench_ds_ende_zu_ende [--runden N] [--abstand MS]\n"
                     "  N Runden aller Bahnen (600), im Mittel alle MS ms ein Rahmen (100, "
                     "±30 %)\n"))
        return 0;
    QTemporaryDir ordner(QDir::tempPath() + "/bench-ds-XXXXXX");
    eigeneOrdner(ordner.path(), true);
    qunsetenv("PISTORELLE_HARDWARE");  // the real interfaces
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pistorelle"));
    DebugLog::instanz().setAktiv(false);
    const QStringList args = app.arguments();
    const int anzahl = qMax(12, zahlArgument(args, QStringLiteral("--runden"), 600));
    const int abstand = qMax(10, zahlArgument(args, QStringLiteral("--abstand"), 100));

    PtyPaar pty;
    if (!pty.ok()) {
        std::fprintf(stderr, "kein Pseudo-Terminal\n");
        return 1;
    }
    {
        EinstellungsSpeicher sp(EinstellungsSpeicher::standardPfad());
        sp.speichere(QStringLiteral("AnzBahnen"), QStringLiteral("6"));
        sp.speichere(QStringLiteral("DS200Aktiv"), QStringLiteral("1"));
        sp.speichere(QStringLiteral("DSGoStart"), QStringLiteral("0"));
        sp.speichere(QStringLiteral("CommPort1"), QStringLiteral("1"));
        sp.speichere(QStringLiteral("ComPfad1"), pty.pfad);
        sp.speichere(QStringLiteral("ComPfad2"), ordner.filePath(QStringLiteral("fehlt")));
        sp.speichere(QStringLiteral("PrellZeit"), QStringLiteral("100"));
        sp.speichere(QStringLiteral("TonBeep"), QString());
    }
    StilleDialoge dialoge;
    StilleRueckfrage rueckfrage;
    const ProgrammStart::Optionen o = stilleOptionen(rueckfrage, ordner.filePath(QStringLiteral("sperre")));
    ProgrammStart start(dialoge, o);
    if (!start.starte({QStringLiteral("pistorelle")})) return 1;
    frmMain* f = start.hauptfenster();
    Rennleitung& rl = *start.leitung();
    f->resize(1280, 800);
    f->show();
    app.processEvents();

    f->findChild<QComboBox*>(QStringLiteral("cbRAuswahl"))->setCurrentIndex(2);  // R-Zeit
    emit f->findChild<QComboBox*>(QStringLiteral("cbRAuswahl"))->activated(2);
    f->findChild<QComboBox*>(QStringLiteral("Grenze"))->setEditText(QStringLiteral("300"));
    rl.Grenze_Validate();
    f->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    if (!warteBis([&] { return rl.zustand().AmpelPhase == 6; }, 30000)) {
        std::fprintf(stderr, "keine Grünphase\n");
        return 1;
    }

    // Lap k of the run: lane (k-1)%6+1; its counter lap count and the write time.
    std::mutex sperre;
    std::map<std::pair<int, int>, Uhrzeit::time_point> gesendet;  // (lane, laps) -> write
    std::map<std::pair<int, int>, double> gespeichert, gemalt;
    std::atomic<bool> fertig{false};

    auto merke = [&](std::map<std::pair<int, int>, double>& ziel, int bahn, int runden) {
        const auto jetzt = Uhrzeit::now();
        const std::pair<int, int> k{bahn, runden};
        if (ziel.count(k)) return;
        std::lock_guard<std::mutex> l(sperre);
        const auto it = gesendet.find(k);
        if (it != gesendet.end()) ziel[k] = msZwischen(it->second, jetzt);
    };
    // The tick that committed a lap ends with this signal.
    std::array<int, 7> gezaehlt{};
    QObject::connect(&rl, &Rennleitung::panelsGeaendert, &app, [&] {
        for (int b = 1; b <= 6; ++b) {
            const int r = rl.zustand().Runden[size_t(b)];
            for (int k = gezaehlt[size_t(b)] + 1; k <= r; ++k) merke(gespeichert, b, k);
            gezaehlt[size_t(b)] = r;
        }
    });
    std::vector<std::unique_ptr<MalBeobachter>> beobachter;
    for (int i = 0; i < 6; ++i) {
        SlotAnzeige* p = f->panel(i);
        if (!p) continue;
        auto b = std::make_unique<MalBeobachter>();
        b->panel = p;
        b->gemalt = [&](int bahn, int runden) { merke(gemalt, bahn, runden); };
        p->label(0, 2)->installEventFilter(b.get());
        beobachter.push_back(std::move(b));
    }

    // The counter: every lane's first message starts it (count 1), then laps of 6 x abstand.
    // What it sent per lane, in tenths of a millisecond: the lane's total must be its sum.
    std::array<qint64, 7> summeZehntel{};
    std::array<int, 7> gesendeteRunden{};
    std::thread zaehler([&] {
        unsigned char folge = 0;
        auto naechste = Uhrzeit::now();
        for (int k = 0; k < anzahl + 6; ++k) {
            const int bahn = k % 6 + 1;
            const int runden = k / 6 + 1;  // the counter's count; the engine's laps are one less
            const qint64 zehntel = runden == 1 ? 0 : qint64(6 * abstand) * 10 + k % 7;
            folge = folge == 255 ? 1 : folge + 1;
            const QByteArray r = DSRahmen::runde(folge, bahn, runden, zehntel);
            summeZehntel[size_t(bahn)] += zehntel;
            gesendeteRunden[size_t(bahn)] = runden - 1;
            const int streuung = abstand * 3 / 10;
            naechste += std::chrono::milliseconds(abstand - streuung +
                                                  int((qint64(k) * 7919) % (2 * streuung + 1)));
            std::this_thread::sleep_until(naechste);
            {
                std::lock_guard<std::mutex> l(sperre);
                gesendet[{bahn, runden - 1}] = Uhrzeit::now();
            }
            const QByteArray drei = r + r + r;
            qsizetype weg = 0;
            while (weg < drei.size()) {
                const ssize_t n = ::write(pty.master, drei.constData() + weg, size_t(drei.size() - weg));
                if (n > 0)
                    weg += n;
                else
                    std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        }
        fertig = true;
    });
    warteBis([&] { return fertig.load(); }, anzahl * abstand + 60000);
    warteBis([&] { return gemalt.size() >= size_t(anzahl); }, 3000);
    zaehler.join();

    std::vector<double> zeilen, panels;
    for (const auto& [k, ms] : gespeichert) zeilen.push_back(ms);
    for (const auto& [k, ms] : gemalt) panels.push_back(ms);
    const int rows =
        start.datenbank()->wert(QStringLiteral("select count(*) from aktrennen")).toInt();
    std::printf(
        "DS200 an einem Pseudo-Terminal, 6 Bahnen, %d Runden, ein Rahmen (3x) alle %d ms (±30 %%); "
        "Hauptfenster 1280x800 offscreen\n",
        anzahl, abstand);
    std::printf("Taktperiode Timer5: 120 ms; aktrennen: %d Zeilen\n", rows);
    drucke(QStringLiteral("Rahmen -> Zeile gespeichert:"), auswerten(zeilen));
    drucke(QStringLiteral("Rahmen -> Panel gemalt:"), auswerten(panels));
    double abweichung = 0;
    int wenigste = anzahl;
    bool vollstaendig = true;
    for (int b = 1; b <= 6; ++b) {
        const double summe = summeZehntel[size_t(b)] / 10.0;
        abweichung = qMax(abweichung, qAbs(rl.zustand().GesamtZeit[size_t(b)] - summe));
        wenigste = qMin(wenigste, gesendeteRunden[size_t(b)]);
        vollstaendig = vollstaendig && rl.zustand().Runden[size_t(b)] == gesendeteRunden[size_t(b)];
    }
    std::printf(
        "Gesamtzeit je Bahn gegen die Summe der Zählerwerte (Zehntel ms), nach mindestens "
        "%d Runden je Bahn: größte Abweichung %.1f ms%s\n",
        wenigste, abweichung, vollstaendig ? "" : " (nicht alle Runden gezählt)");
    return rows >= anzahl && vollstaendig && abweichung <= 0.5 ? 0 : 1;
}
