// No counted lap is ever thrown away: a database that stops taking writes in the middle of a
// run, caution with crossings still pending, a history copy that has to wait, laps left over
// from an earlier run, and a program closed during a run.

#include <QSqlQuery>
#include <sqlite3.h>

#include "Ablaufumgebung.h"
#include "config/Formate.h"
#include "data/Laufrettung.h"
#include "engine/Rundensicherung.h"

namespace {
int zahl(Datenbank& db, const QString& sql) { return db.wert(sql).toInt(); }
// The connection refuses every write while on, as a read-only or locked file does.
void schreibschutz(Datenbank& db, bool an) {
    QSqlQuery q(db.db());
    QVERIFY(q.exec(an ? "PRAGMA query_only = 1" : "PRAGMA query_only = 0"));
}
}  // namespace

class TestRundensicherung : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // A whole race through a phase in which nothing can be written, with a caution and the
    // race end inside it: the status says so at the tick that failed, counting goes on, and
    // once writing works again every lap is stored exactly once, the history included.
    void schreibfehlerWaehrendDesRennens() {
        Ablaufumgebung u([](EinstellungsSpeicher& s) { s.speichere("PrellZeit", "100"); });
        u.rl->cbRAuswahl_Click(2);  // R-Zeit
        u.rl->setzeGrenze("1");
        u.rl->Grenze_Validate();
        QStringList status;
        QObject::connect(&u.rl->sicherung(), &Rundensicherung::statusGeaendert,
                         [&](const QString& t) { status << QString::number(u.t()) + ' ' + t; });
        const qint64 g = u.starteBisGruen();
        for (int i = 1; i <= 4; ++i) u.runde(1 + i % 2, g + i * 5000);
        u.bis(g + 21000);
        QCOMPARE(zahl(u.db, "select count(*) from aktrennen"), 2);  // first crossings are no laps

        schreibschutz(u.db, true);
        u.runde(1, g + 25000);
        u.bis(g + 25000 + 120);
        QCOMPARE(status.size(), 1);
        QVERIFY(status.first().contains("Runden werden nicht gespeichert: "));
        QVERIFY(status.first().section(' ', 0, 0).toLongLong() <= g + 25000 + 120);
        QVERIFY(u.rl->sicherung().fehlerText().startsWith("Runden werden nicht gespeichert"));
        // The race goes on in memory: the lap is counted and shown.
        QCOMPARE(u.z().Runden[1], qint16(2));
        u.runde(2, g + 26000);
        // Caution stores what is pending before it freezes: here it cannot, the laps stay.
        u.ablauf->chaos().ChaosAN();
        u.bis(g + 36000);
        u.ablauf->chaos().cmdChaos_Click();
        u.bis(g + 40000);
        u.runde(1, g + 45000);
        u.bis(g + 46000);
        QCOMPARE(zahl(u.db, "select count(*) from aktrennen"), 2);
        QCOMPARE(u.rl->sicherung().ungespeicherteRunden(), 3);

        // The run ends by time while still nothing can be written; the history copy waits.
        u.bisGestoppt(g + 100000);
        u.bisLeerlauf(u.t() + 60000);
        QVERIFY(!u.ablauf->beschaeftigt());
        QVERIFY(u.rl->sicherung().historieWartet());
        QCOMPARE(zahl(u.db, "select count(*) from histrennen"), 0);
        // A new run would clear the lap table: refused with the reason.
        u.ablauf->Command2_Click();
        QVERIFY(!u.ablauf->beschaeftigt());
        QVERIFY(u.mit.ereignisse.last().contains("Der letzte Lauf ist noch nicht gespeichert"));

        schreibschutz(u.db, false);
        u.bis(u.t() + 150);
        QVERIFY(u.rl->sicherung().allesGespeichert());
        QVERIFY(status.last().endsWith(' '));  // empty text: writing works again
        QCOMPARE(zahl(u.db, "select count(*) from aktrennen"), 5);
        QCOMPARE(zahl(u.db, "select count(distinct Bahn || '-' || Runde) from aktrennen"), 5);
        QCOMPARE(zahl(u.db, "select count(*) from histrennen where rennzeit <> '0'"), 5);
        QCOMPARE(zahl(u.db, "select max(Runde) from aktrennen where Bahn = 1"), 3);
        // The standings rows written during the failure were written again.
        QCOMPARE(zahl(u.db, "select Runden from positionen where Bahn = 1"), 3);
        QCOMPARE(zahl(u.db, "select Runden from positionen where Bahn = 2"), 2);
        QVERIFY(!u.ablauf->beschaeftigt());

        // The next run stores its own start stamp, which a crash recovery would give its laps.
        const qint64 g2 = u.starteBisGruen();
        u.runde(1, g2 + 1000);
        u.runde(1, g2 + 6000);
        u.bis(g2 + 6200);
        QCOMPARE(Laufrettung(u.db).finde()->stempel, Formate::Zeitstempel(u.z().RennStartDatum));
    }

    // The writer on its own thread, as in the program, while another program holds the
    // database locked: the race counts and ranks on from memory, the status names the lock,
    // and after the unlock every lap reaches the lap table and the history exactly once.
    void sperreDurchAnderesProgrammImHintergrund() {
        Ablaufumgebung u([](EinstellungsSpeicher& s) { s.speichere("PrellZeit", "100"); });
        u.rl->sicherung().schreibeImHintergrund(u.db.pfad());
        QVERIFY(u.rl->sicherung().imHintergrund());
        u.rl->cbRAuswahl_Click(2);  // R-Zeit, 1 minute
        u.rl->setzeGrenze("1");
        u.rl->Grenze_Validate();
        QStringList status;
        QObject::connect(&u.rl->sicherung(), &Rundensicherung::statusGeaendert,
                         [&](const QString& t) { status << t; });
        const qint64 g = u.starteBisGruen();
        for (int i = 0; i < 6; ++i) u.runde(1 + i % 2, g + 1000 + i * 2500);
        u.bis(g + 16000);
        QVERIFY(u.rl->sicherung().sichereJetzt(10000));
        QCOMPARE(zahl(u.db, "select count(*) from aktrennen"), 4);

        // Another program takes the file, as the sqlite3 shell does with BEGIN EXCLUSIVE.
        sqlite3* fremd = nullptr;
        QCOMPARE(sqlite3_open(qPrintable(u.db.pfad()), &fremd), SQLITE_OK);
        QCOMPARE(sqlite3_exec(fremd, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        for (int i = 0; i < 8; ++i) u.runde(i % 4 == 3 ? 2 : 1, g + 17500 + i * 2500);
        u.bis(g + 37000);
        // Lane 1 pulls away: laps and places from memory while nothing reaches the file.
        QCOMPARE(u.z().Runden[1], qint16(8));
        QCOMPARE(u.z().Runden[2], qint16(4));
        const QVector<PositionsZeile> stand = u.rl->rangliste();
        QCOMPARE(stand.first().bahn, 1);
        QCOMPARE(stand.first().runden, 8);
        QCOMPARE(stand.first().platz, 1);
        QCOMPARE(stand.at(1).platz, 2);
        QTRY_VERIFY_WITH_TIMEOUT(!u.rl->sicherung().fehlerText().isEmpty(), 10000);
        QVERIFY2(u.rl->sicherung().fehlerText().contains("gesperrt"),
                 qPrintable(u.rl->sicherung().fehlerText()));
        QCOMPARE(u.rl->sicherung().ungespeicherteRunden(), 8);

        // The run ends during the lock: results from memory, the history copy waits.
        u.bisGestoppt(g + 100000);
        u.bisLeerlauf(u.t() + 60000);
        QVERIFY(u.rl->sicherung().historieWartet());
        QCOMPARE(sqlite3_exec(fremd, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(fremd);
        QTRY_VERIFY_WITH_TIMEOUT(u.rl->sicherung().allesGespeichert(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(u.rl->sicherung().fehlerText().isEmpty(), 10000);
        QCOMPARE(status.last(), QString());
        QCOMPARE(zahl(u.db, "select count(*) from aktrennen"), 12);
        QCOMPARE(zahl(u.db, "select count(distinct Bahn || '-' || Runde) from aktrennen"), 12);
        QCOMPARE(zahl(u.db, "select count(*) from histrennen where rennzeit <> '0'"), 12);
        QCOMPARE(zahl(u.db, "select Runden from positionen where Bahn = 1"), 8);
        QCOMPARE(zahl(u.db, "select Platz from positionen where Bahn = 2"), 2);
    }

    // A crossing taken just before caution is evaluated and committed before the freeze.
    void chaosSpeichertWartendeRunden() {
        Ablaufumgebung u;
        u.rl->cbRAuswahl_Click(2);
        u.rl->setzeGrenze("5");
        u.rl->Grenze_Validate();
        const qint64 g = u.starteBisGruen();
        u.runde(1, g + 1000);
        u.runde(1, g + 9000);
        u.runde(1, g + 17000);
        QCOMPARE(u.rl->wartendeRunden(), 1);  // until the next tick
        const double vorher = u.z().GesamtZeit[1];
        u.ablauf->chaos().ChaosAN();
        QCOMPARE(u.rl->wartendeRunden(), 0);
        QCOMPARE(zahl(u.db, "select count(*) from aktrennen"), 2);
        // Evaluated without any caution time taken off.
        QCOMPARE(u.z().GesamtZeit[1] - vorher, 8000.0);
    }

    // Laps an earlier run left in the lap table without a history copy are copied when the
    // next run starts, never deleted; laps already in the history are not copied twice.
    void neuerLaufRettetAlteRunden() {
        Ablaufumgebung u;
        u.rl->cbRAuswahl_Click(0);
        u.rl->setzeGrenze("1");
        u.rl->Grenze_Validate();
        const qint64 g = u.starteBisGruen();
        u.runde(1, g + 1000);
        u.runde(1, g + 6000);
        u.runde(1, g + 11000);
        u.bis(g + 11200);
        QCOMPARE(zahl(u.db, "select count(*) from aktrennen"), 2);
        // As if the program had died here: the run is gone, its laps are in aktrennen only.
        Laufrettung rettung(u.db);
        const auto befund = rettung.finde();
        QVERIFY(befund);
        QCOMPARE(befund->runden, 2);
        QCOMPARE(befund->stempel, Formate::Zeitstempel(u.z().RennStartDatum));
        // "0" marks unstamped history rows: a stored "0" is no stamp, the file's time is used.
        u.db.execute("update laufstand set stempel = '0'");
        QVERIFY(rettung.finde()->stempel != QLatin1String("0"));

        // Copied: nothing is left to rescue, and nothing is copied twice later on.
        QVERIFY(u.db.KopieToHistRennen("2026.01.01 10:00:00"));
        QVERIFY(!rettung.finde());
        u.runde(1, g + 16000);
        u.bis(g + 16200);
        QCOMPARE(rettung.finde()->runden, 1);
        u.z().RennenLaeuft = false;
        u.rl->NeueRunde();
        QCOMPARE(zahl(u.db, "select count(*) from aktrennen"), 0);
        QCOMPARE(zahl(u.db, "select count(*) from histrennen"), 3);
        QCOMPARE(zahl(u.db, "select count(distinct lfdnr) from histrennen"), 3);
        // The program did not die: no lap is marked "abgebrochen".
        QCOMPARE(zahl(u.db, "select count(*) from histrennen where RennInfo like '%abgebr%'"), 0);
    }

    // Closing the program during a run asks first; no keeps the race running, yes stops it
    // and copies its laps into the history before the program ends.
    void schliessenWaehrendDesLaufs() {
        Ablaufumgebung u;
        u.rl->cbRAuswahl_Click(2);
        u.rl->setzeGrenze("5");
        u.rl->Grenze_Validate();
        const qint64 g = u.starteBisGruen();
        for (int i = 0; i < 5; ++i) u.runde(1 + i % 2, g + 1000 + i * 4000);
        u.bis(g + 20000);
        u.mit.antwort = false;
        QVERIFY(!u.ablauf->beendeVorProgrammende(u.ordner.path()));
        QVERIFY(u.mit.ereignisse.last().endsWith("ask Soll das Rennen beendet werden?"));
        QVERIFY(u.z().RennenLaeuft);
        QVERIFY(!u.ablauf->gestoppt());

        u.mit.antwort = true;
        QVERIFY(u.ablauf->beendeVorProgrammende(u.ordner.path()));
        QVERIFY(!u.z().RennenLaeuft);
        QCOMPARE(zahl(u.db, "select count(*) from histrennen where rennzeit <> '0'"), 3);
        QCOMPARE(u.anzahl("say Das Rennen ist beendet"), 0);  // no announcements on the way out
    }

    // Laps the database never took are written to a rescue file at program end: in the data
    // folder, or where that takes nothing (here a file stands in its way), in the home folder.
    void notfallDateiAmProgrammende() {
        Ablaufumgebung u;
        u.rl->cbRAuswahl_Click(0);
        u.rl->setzeGrenze("5");
        u.rl->Grenze_Validate();
        const qint64 g = u.starteBisGruen();
        schreibschutz(u.db, true);
        u.runde(3, g + 1000);
        u.runde(3, g + 7000);
        u.bis(g + 7200);
        QFile imWeg(u.ordner.filePath("daten"));
        QVERIFY(imWeg.open(QIODevice::WriteOnly));
        imWeg.close();
        QVERIFY(u.ablauf->beendeVorProgrammende(imWeg.fileName()));
        const QString meldung = u.mit.ereignisse.last();
        QVERIFY(meldung.contains("1 Runde konnte nicht in der Datenbank gespeichert werden"));
        const QString pfad = meldung.section("Sie steht in der Datei ", 1).chopped(1);
        QFile datei(pfad);
        QVERIFY2(datei.open(QIODevice::ReadOnly), qPrintable(pfad));
        QCOMPARE(QFileInfo(pfad).absolutePath(), QDir::homePath());
        const QStringList zeilen = QString::fromUtf8(datei.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), 2);
        QVERIFY(zeilen.at(1).startsWith("Fahrer 3\tAuto 3\t"));
        datei.remove();
        schreibschutz(u.db, false);
    }
};

QTEST_GUILESS_MAIN(TestRundensicherung)
#include "tst_rundensicherung.moc"
