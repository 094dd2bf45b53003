// Cost of the lap path for a six-lane run: one crossing through the buffer, the drain, the
// standings and the committed lap row, at the start of aktrennen and at lap 100,000, with a
// history of 1,000,000 rows; then the history copy of those 100,000 laps with the result
// file. Prints the figures. Usage: bench_rundenpfad [folder for the database]

#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "Ansage.h"
#include "Datenbank.h"
#include "Einstellungen.h"
#include "EinstellungsSpeicher.h"
#include "ProtokollHardware.h"
#include "Rennleitung.h"
#include "Rueckfrage.h"
#include "Rundenprotokoll.h"
#include "VirtuelleUhr.h"

namespace {

class StilleAnsage : public Ansage {
public:
    void SprachAusgabe(const QString&) override {}
    void SpieleTon(const QString&) override {}
};

class StilleRueckfrage : public Rueckfrage {
public:
    int meldungen = 0;
    bool frage(const QString&) override { return true; }
    void meldung(const QString& text) override {
        ++meldungen;
        std::fprintf(stderr, "Meldung: %s\n", qPrintable(text));
    }
};

struct Kennzahlen {
    double median = 0, p99 = 0, max = 0;
};

Kennzahlen auswerten(std::vector<double> ms) {
    if (ms.empty()) return {};
    std::sort(ms.begin(), ms.end());
    const auto an = [&](double q) { return ms[size_t(q * double(ms.size() - 1))]; };
    return {an(0.5), an(0.99), ms.back()};
}

// CPU time of this thread: tells the path's own cost from waits for a busy machine.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Times this thread was taken off the CPU for another process (a busy machine).
long verdraengt() {
    rusage r{};
    getrusage(RUSAGE_THREAD, &r);
    return r.ru_nivcsw;
}

void drucke(const char* titel, const Kennzahlen& k) {
    std::printf("%-34s median %.3f ms  p99 %.3f ms  max %.3f ms\n", titel, k.median, k.p99, k.max);
}

bool fuelleHistorie(Datenbank& db, int zeilen) {
    if (!db.beginneTransaktion()) return false;
    QSqlQuery q(db.db());
    q.prepare(
        QStringLiteral("insert into histrennen (lfdnr, Fahrer, Auto, Strecke, Runde, Zeit, "
                       "Gesamt, MProSec, Uhr, RennInfo, Bahn, RennName, RennArt, rennzeit) "
                       "values (?, ?, 'Auto', 'default', ?, 9.5, ?, 0.3, '14:00:00', '', ?, "
                       "'Cup', 'Rennen', ?)"));
    for (int i = 0; i < zeilen; ++i) {
        q.bindValue(0, i % 100000 + 1);
        q.bindValue(1, QStringLiteral("Fahrer %1").arg(i % 40));
        q.bindValue(2, i % 300 + 1);
        q.bindValue(3, (i % 300 + 1) * 9.5);
        q.bindValue(4, i % 6 + 1);
        q.bindValue(5,
                    QStringLiteral("2025.%1.01 10:00:00").arg(i / 100000 + 1, 2, 10, QChar('0')));
        if (!q.exec()) return false;
    }
    return db.bestaetige();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir ordner(argc > 1 ? QString::fromLocal8Bit(argv[1]) + "/bench-XXXXXX"
                                  : QDir::tempPath() + "/bench-XXXXXX");
    Datenbank db;
    QString fehler;
    if (!db.oeffneOderErzeuge(ordner.filePath("Pistorelle.db"), &fehler)) {
        std::fprintf(stderr, "%s\n", qPrintable(fehler));
        return 1;
    }
    std::printf("Datenbank: %s\n", qPrintable(db.pfad()));
    // BENCH_HIST and BENCH_N shrink the history and the number of laps for a quick look.
    const int historie = qEnvironmentVariableIsSet("BENCH_HIST")
                             ? qEnvironmentVariableIntValue("BENCH_HIST")
                             : 1000000;

    QElapsedTimer uhrzeit;
    uhrzeit.start();
    if (!fuelleHistorie(db, historie)) {
        std::fprintf(stderr, "histrennen nicht gefüllt\n");
        return 1;
    }
    std::printf("histrennen mit 1.000.000 Zeilen gefüllt in %.1f s\n", uhrzeit.elapsed() / 1000.0);

    VirtuelleUhr uhr;
    EinstellungsSpeicher speicher(ordner.filePath("Pistorelle.ini"));
    Einstellungen e;
    speicher.HoleRegWerte(e);
    e.AnzBahnen = 6;
    e.ltfPfad = ordner.path() + '/';
    db.execute("update positionen set Laenge=3000");
    StilleAnsage ansage;
    StilleRueckfrage rueckfrage;
    ProtokollHardware hw(uhr);
    Rennleitung rl(uhr, db, e, speicher, ansage, rueckfrage, hw);
    rl.SetzeTexte();
    rl.cbRAuswahl_Click(3);  // race by laps: the full ranking on every lap
    rl.MyInit();
    rl.NeueRunde();
    RennZustand& z = rl.zustand();
    z.RennenLaeuft = true;
    z.AmpelPhase = 6;
    z.StartZeit = uhr.Zeitstempel();
    z.RennStartDatum = uhr.jetzt();
    for (int b = 1; b <= 6; ++b) rl.RundenErfassung(b, z.StartZeit + 500 + b * 100);
    rl.BildschirmRefresh();

    // Each lane laps in about 9 s, a little apart, so the lead changes now and then.
    const int anzahl =
        qEnvironmentVariableIsSet("BENCH_N") ? qEnvironmentVariableIntValue("BENCH_N") : 101000;
    std::vector<double> anfang, spaeter, anfangCpu, spaeterCpu, anfangFrei, spaeterFrei;
    qint64 stempel = z.StartZeit + 1000;
    QElapsedTimer messung;
    for (int runde = 1; runde <= anzahl; ++runde) {
        const int bahn = (runde - 1) % 6 + 1;
        stempel += 1500 + (runde * 7919) % 97;
        const double cpu0 = cpuMs();
        const long wechsel0 = verdraengt();
        messung.start();
        rl.RundenErfassung(bahn, qint32(stempel));
        z.RundeWartet = false;
        rl.BildschirmRefresh();
        const double ms = messung.nsecsElapsed() / 1e6;
        const double cpu = cpuMs() - cpu0;
        const bool frei = verdraengt() == wechsel0;
        if (runde <= 1000) {
            anfang.push_back(ms);
            anfangCpu.push_back(cpu);
            if (frei) anfangFrei.push_back(ms);
        }
        if (runde > 100000) {
            spaeter.push_back(ms);
            spaeterCpu.push_back(cpu);
            if (frei) spaeterFrei.push_back(ms);
        }
    }
    const int zeilen = db.wert("select count(*) from aktrennen").toInt();
    std::printf("Runden gewertet: %d (aktrennen: %d Zeilen)\n", anzahl, zeilen);
    const Kennzahlen k1 = auswerten(anfang), k2 = auswerten(spaeter);
    drucke("Runde 1..1000 je Runde:", k1);
    drucke("Runde 100001..101000 je Runde:", k2);
    drucke("  CPU-Zeit Runde 1..1000:", auswerten(anfangCpu));
    drucke("  CPU-Zeit Runde 100001..101000:", auswerten(spaeterCpu));
    std::printf("Runden ohne Verdrängung: %zu von %zu früh, %zu von %zu spät\n", anfangFrei.size(),
                anfang.size(), spaeterFrei.size(), spaeter.size());
    drucke("  davon Runde 1..1000:", auswerten(anfangFrei));
    drucke("  davon Runde 100001..101000:", auswerten(spaeterFrei));
    std::printf("Verhältnis Median spät/früh: %.2f\n", k2.median / k1.median);

    // The history copy of the first 100,000 laps as the after-run does it; the result file
    // timed on its own as well.
    db.execute("delete from aktrennen where lfdnr > 100000");
    e.LTFSchreiben = 0;
    messung.start();
    bool ok = rl.KopieToHistRennen();
    const double kopie = messung.nsecsElapsed() / 1e6;
    int nr = 0;
    QString text;
    messung.start();
    ok = Rundenprotokoll(db, e).schreibeLrf(z.AktRennName, "2026.05.01 14:00:00", &nr, &text) && ok;
    const double lrf = messung.nsecsElapsed() / 1e6;
    std::printf(
        "KopieToHistRennen, 100.000 Runden: Kopie und Stempel %.0f ms, .lrf %.0f ms, "
        "zusammen %.0f ms %s\n",
        kopie, lrf, kopie + lrf, ok ? "" : "FEHLER");
    std::printf("histrennen danach: %d Zeilen\n",
                db.wert("select count(*) from histrennen").toInt());
    return ok && rueckfrage.meldungen == 0 ? 0 : 1;
}
