// Cost of the lap path with the program's real main window (offscreen): a crossing through the
// lap entry, the race timer's ticks that drain, commit and walk the standings into the six
// lane panels, and the panels painted. One run per race kind, on the virtual clock, so the
// figures are the processing cost only. Per lap: median and p99 early and late in the run and
// their ratio late/early (a lap path that grows with the run shows a ratio above 1). Then the
// history copy of the run's laps into a history of the given size.
//
// The database is written as in the program: by the writer on its own thread (--sofort: at
// once on the lap path's thread, as on the virtual clock of the tests).
//
// Usage: bench_rundenpfad [--runden N] [--fenster W] [--historie H] [--arten Training,Quali,Rennen]
//                         [--sofort]
//   N laps per run (all lanes together, default 20000), W laps at the beginning and at the end
//   compared (default 1000), H rows put into histrennen before the copy (default 200000, 0: no
//   copy).

#include <sys/resource.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <ctime>

#include "BenchAntworten.h"
#include "BenchHilfe.h"
#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "data/Datenbank.h"
#include "engine/Rennleitung.h"
#include "engine/Rundenprotokoll.h"
#include "engine/Rundensicherung.h"
#include "ui/ProgrammStart.h"
#include "ui/frmMain.h"

using namespace bench;

namespace {

// CPU time of this thread: tells the path's own cost from waits for a busy machine.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
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

QString tausender(qint64 n) { return QLocale(QLocale::German).toString(n); }

struct Lauf {
    QString art;
    int runden = 0;
    int fenster = 0;
    int historie = 0;
};

// One run of the race kind with the real program; false when it could not be started.
bool laufe(const Lauf& l, QApplication& app) {
    QFile::remove(EinstellungsSpeicher::standardPfad());
    for (const char* rest : {"", "-wal", "-shm"})
        QFile::remove(EinstellungsSpeicher::standardDatenBank() + QLatin1String(rest));
    {
        EinstellungsSpeicher sp(EinstellungsSpeicher::standardPfad());
        sp.speichere(QStringLiteral("AnzBahnen"), QStringLiteral("6"));
    }
    QTemporaryDir sperre;
    VirtuelleUhr uhr;
    StilleDialoge dialoge;
    StilleRueckfrage rueckfrage;
    const ProgrammStart::Optionen o = stilleOptionen(rueckfrage, sperre.filePath(QStringLiteral("sperre")), &uhr);
    ProgrammStart start(dialoge, o);
    if (!start.starte({QStringLiteral("pistorelle")})) return false;
    frmMain* f = start.hauptfenster();
    Rennleitung& rl = *start.leitung();
    f->resize(1280, 800);
    f->show();
    app.processEvents();

    // Training and qualifying count against the clock (T-Zeit), the race too (R-Zeit). A
    // qualifying run is one minute long: its limit is raised once it is a qualifying run.
    const int modus = l.art == QLatin1String("Rennen") ? 2 : 0;
    f->findChild<QComboBox*>(QStringLiteral("cbRAuswahl"))->setCurrentIndex(modus);
    emit f->findChild<QComboBox*>(QStringLiteral("cbRAuswahl"))->activated(modus);
    f->findChild<QComboBox*>(QStringLiteral("Grenze"))
        ->setEditText(l.art == QLatin1String("Quali") ? QStringLiteral("1")
                                                      : QStringLiteral("300"));
    rl.Grenze_Validate();
    if (l.art == QLatin1String("Quali")) rl.setzeGrenze(QStringLiteral("300"));
    if (laufartWort(rl.zustand().RennArt) != l.art) {
        std::fprintf(stderr, "Rennart %s statt %s\n",
                     qPrintable(laufartWort(rl.zustand().RennArt)),
                     qPrintable(l.art));
        return false;
    }
    f->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    for (int i = 0; i < 20 && rl.zustand().AmpelPhase != 6; ++i) uhr.naechsterTimer(2100);
    if (rl.zustand().AmpelPhase != 6 || !rl.zustand().RennenLaeuft) {
        std::fprintf(stderr, "Lauf nicht gestartet\n");
        return false;
    }

    // A crossing every 300 ms, lanes in turn (each lane laps in 1.8 s), a little apart so
    // the order changes now and then. Two or three timer ticks per crossing, all measured.
    std::vector<double> frueh, spaet, fruehCpu, spaetCpu;
    QElapsedTimer messung;
    for (int runde = 1; runde <= l.runden; ++runde) {
        const int bahn = (runde - 1) % 6 + 1;
        const double cpu0 = cpuMs();
        messung.start();
        rl.RundenErfassung(bahn, uhr.Zeitstempel());
        uhr.vorruecken(290 + (runde * 7919) % 21);
        app.processEvents();  // paints what changed
        const double ms = messung.nsecsElapsed() / 1e6;
        const double cpu = cpuMs() - cpu0;
        if (runde <= l.fenster) {
            frueh.push_back(ms);
            fruehCpu.push_back(cpu);
        }
        if (runde > l.runden - l.fenster) {
            spaet.push_back(ms);
            spaetCpu.push_back(cpu);
        }
    }
    if (!rl.zustand().RennenLaeuft) std::fprintf(stderr, "Lauf vorzeitig beendet\n");
    const int rueckstand = rl.sicherung().ungespeicherteRunden();
    QElapsedTimer aufholen;
    aufholen.start();
    if (!rl.sicherung().sichereJetzt(60000)) std::fprintf(stderr, "Runden nicht gespeichert\n");
    const qint64 aufgeholt = aufholen.elapsed();
    Datenbank& db = *start.datenbank();
    const int zeilen = db.wert(QStringLiteral("select count(*) from aktrennen")).toInt();
    std::printf("\n%s, 6 Bahnen, %s Durchfahrten, Hauptfenster 1280x800 offscreen "
                "(aktrennen: %s Zeilen)\n",
                qPrintable(l.art), qPrintable(tausender(l.runden)), qPrintable(tausender(zeilen)));
    const Kennzahlen k1 = auswerten(frueh), k2 = auswerten(spaet);
    const Kennzahlen c1 = auswerten(fruehCpu), c2 = auswerten(spaetCpu);
    drucke(QStringLiteral("  Runde 1..%1 je Runde:").arg(l.fenster), k1);
    drucke(QStringLiteral("  Runde %1..%2 je Runde:").arg(l.runden - l.fenster + 1).arg(l.runden),
           k2);
    drucke(QStringLiteral("  CPU-Zeit Runde 1..%1:").arg(l.fenster), c1);
    drucke(QStringLiteral("  CPU-Zeit Runde %1..%2:").arg(l.runden - l.fenster + 1).arg(l.runden),
           c2);
    std::printf("  Verhältnis spät/früh: Median %.2f, p99 %.2f (CPU-Zeit: Median %.2f)\n",
                k2.median / k1.median, k2.p99 / k1.p99, c2.median / c1.median);
    std::printf("  Am Ende noch nicht gespeichert: %d Runden, gespeichert nach %lld ms\n",
                rueckstand, aufgeholt);

    if (l.historie > 0) {
        QElapsedTimer uhrzeit;
        uhrzeit.start();
        if (!fuelleHistorie(db, l.historie)) {
            std::fprintf(stderr, "histrennen nicht gefüllt\n");
            return false;
        }
        std::printf("  histrennen mit %s Zeilen gefüllt in %.1f s\n",
                    qPrintable(tausender(l.historie)), uhrzeit.elapsed() / 1000.0);
        Einstellungen& e = start.einstellungen();
        e.LTFSchreiben = 0;
        messung.start();
        bool ok = rl.KopieToHistRennen();
        ok = rl.sicherung().sichereJetzt(60000) && !rl.sicherung().historieWartet();
        const double kopie = messung.nsecsElapsed() / 1e6;
        int nr = 0;
        QString text;
        messung.start();
        ok = Rundenprotokoll(db, e).schreibeLrf(rl.zustand().AktRennName, "2026.05.01 14:00:00",
                                                &nr, &text) &&
             ok;
        const double lrf = messung.nsecsElapsed() / 1e6;
        std::printf("  KopieToHistRennen, %s Runden in eine Historie von %s Zeilen: "
                    "Kopie und Stempel %.0f ms, .lrf %.0f ms %s\n",
                    qPrintable(tausender(zeilen)), qPrintable(tausender(l.historie)), kopie, lrf,
                    ok ? "" : "FEHLER");
        std::printf("  histrennen danach: %s Zeilen\n",
                    qPrintable(tausender(
                        db.wert(QStringLiteral("select count(*) from histrennen")).toInt())));
        if (!ok) return false;
    }
    return rueckfrage.meldungen == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (hilfeGefragt(argc, argv,
                     "Aufruf: bench_rundenpfad [--runden N] [--fenster W] [--historie H] "
                     "[--arten Training,Quali,Rennen] [--sofort]\n"))
        return 0;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--sofort") qputenv("PISTORELLE_SCHREIBER", "sofort");
    }
    if (!qEnvironmentVariableIsSet("PISTORELLE_SCHREIBER")) qputenv("PISTORELLE_SCHREIBER", "faden");
    QTemporaryDir ordner(QDir::tempPath() + "/bench-rundenpfad-XXXXXX");
    eigeneOrdner(ordner.path(), true);
    qputenv("PISTORELLE_HARDWARE", "protokoll");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pistorelle"));
    DebugLog::instanz().setAktiv(false);
    const QStringList args = app.arguments();
    Lauf l;
    l.runden = qMax(1, zahlArgument(args, QStringLiteral("--runden"), 20000));
    l.fenster = qBound(1, zahlArgument(args, QStringLiteral("--fenster"), 1000), l.runden);
    const int historie = qMax(0, zahlArgument(args, QStringLiteral("--historie"), 200000));
    const QStringList arten =
        textArgument(args, QStringLiteral("--arten"), QStringLiteral("Training,Quali,Rennen"))
            .split(QLatin1Char(','), Qt::SkipEmptyParts);
    bool ok = true;
    for (int i = 0; i < arten.size(); ++i) {
        l.art = arten.at(i);
        l.historie = i == arten.size() - 1 ? historie : 0;  // the copy once, after the last run
        ok = laufe(l, app) && ok;
    }
    return ok ? 0 : 1;
}
