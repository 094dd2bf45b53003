// The replay runner in-process: what a whole scenario leaves in the database, the idle wait,
// the trace and settings changed by the script, and the program's start-up before the script.

#include <QtTest>

#include "app/replay/ReplayLauf.h"
#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "data/Datenbank.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"

namespace {
QString ordner() { return QStringLiteral(REPLAY_ORDNER); }

QString lies(const QString& datei) {
    QFile f(ordner() + datei);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

struct Lauf {
    QString aus, fehler;
    QTextStream ausStrom{&aus}, fehlerStrom{&fehler};
    ReplayLauf lauf;
    explicit Lauf(ReplayOptionen o = {}) : lauf(o, ausStrom, fehlerStrom) {
        if (lauf.oeffne() != ReplayLauf::Erfolg) qFatal("oeffne: %s", qPrintable(fehler));
    }
    int zahl(const QString& sql) { return lauf.datenbank().wert(sql).toInt(); }
};
}  // namespace

class TestReplay : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void ganzesSzenario() {
        ReplayOptionen o;
        o.einstellungen = ordner() + "replay.ini";
        Lauf l(o);
        QCOMPARE(l.lauf.fuehreAus(lies("komplett.scn")), int(ReplayLauf::Erfolg));
        QVERIFY(l.fehler.isEmpty());
        // The race (four laps each, Bert's last in the after-run) and the power-training run.
        QCOMPARE(l.zahl("select count(*) from histrennen where Fahrer='Anna'"), 4);
        QCOMPARE(l.zahl("select count(*) from histrennen where Fahrer='Bert'"), 4);
        QCOMPARE(l.zahl("select count(*) from histrennen where Bahn=3"), 2);
        QCOMPARE(l.zahl("select count(*) from aktrennen"), 2);
        QCOMPARE(l.zahl("select Zeit from schnellsterunden where Fahrer='Anna'"), 9000);
        QCOMPARE(l.zahl("select Zeit from schnellsterunden where Fahrer='Bert'"), 9400);
        QCOMPARE(l.lauf.uhr().virtuelleZeit(), 211000);
        QVERIFY(!l.lauf.leitung().zustand().RennenLaeuft);
    }

    void leerlaufFrist() {
        Lauf l;
        const int code = l.lauf.fuehreAus("mode T-Power\nstart\nwait-idle 200000\nlap 1\n");
        QCOMPARE(code, int(ReplayLauf::Szenariofehler));
        QVERIFY2(l.fehler.startsWith("Szenario Zeile 3: "), qPrintable(l.fehler));
        QCOMPARE(l.lauf.uhr().virtuelleZeit(), 200000);
        QVERIFY(l.lauf.ablauf().beendet());
    }

    void spurMitDebug() {
        ReplayOptionen o;
        o.debug = true;
        Lauf l(o);
        QCOMPARE(l.lauf.fuehreAus("start\nwait 1000\n"), 0);
        QVERIFY(
            l.aus.contains(QRegularExpression("\n1000 debug \\S+ Timer5: Phase 5 Zeitnahme Seriell\n")));
        QVERIFY(l.aus.contains("1000 switch Ampel1 1\n"));
    }

    void ablaufImProtokoll() {
        // Caution, stop, the after-run and the history copy leave their trace.
        ReplayOptionen o;
        o.debug = true;
        Lauf l(o);
        QCOMPARE(l.lauf.fuehreAus("mode R-Zeit\nstart\nwait 7000\ncaution\nwait 2000\n"
                                  "caution\nwait 4000\nstop\nwait-idle\n"),
                 0);
        for (const char* spur :
             {" ChaosAN\n", " ChaosAus nach 3000 ms\n", " StopRennen\n",
              " NachLaufTimer: Nachlauf zu Ende\n", " KopieToHistRennen: Lauf in der Historie\n"})
            QVERIFY2(l.aus.contains(QLatin1String(spur)), spur);
    }

    void setzenAendertNurDenSchluessel() {
        Lauf l;
        QCOMPARE(l.lauf.fuehreAus("mode T-Power\nset NachlaufZeit 500\n"), 0);
        // T-Power holds lane power for training in memory; setting another key keeps it.
        QCOMPARE(l.lauf.einstellungen().BahnStromTraining, 1);
        QCOMPARE(l.lauf.einstellungen().NachlaufZeit, qint16(500));
    }

    void gesperrteBedienung() {
        Lauf l;
        // During a run the ranking options and the limit are disabled; clicks do nothing.
        QCOMPARE(l.lauf.fuehreAus("start\nwait 100\nranking 0\nlimit 99\n"), 0);
        QCOMPARE(l.lauf.leitung().zustand().Option1, 1);
        QCOMPARE(l.lauf.leitung().zustand().Grenze, QString("10"));
    }

    // Over a database and settings the program left behind, the runner starts as the program
    // does: the laps of a run that never reached the history are taken over and the notice
    // comes before the script's first line; the last session's mode and limit are chosen again.
    void startWieDasProgramm() {
        QTemporaryDir dir;
        ReplayOptionen o;
        o.datenbank = dir.filePath("Pistorelle.db");
        o.einstellungen = dir.filePath("Pistorelle.ini");
        {
            EinstellungsSpeicher ini(o.einstellungen);
            ini.speichere("LetzterModus", "2");
            ini.speichere("LetzteGrenze", "3");
        }
        {
            Datenbank db(QStringLiteral("verlassen"));
            QVERIFY(db.oeffneOderErzeuge(o.datenbank));
            for (int runde = 1; runde <= 3; ++runde)
                for (int bahn = 1; bahn <= 2; ++bahn)
                    QVERIFY(db.execute(
                        "insert into aktrennen (Fahrer, Runde, Zeit, Uhr, RennInfo, Bahn, "
                        "RennName, RennArt) values (?, ?, 5.5, ?, '', ?, 'Vereinsmeisterschaft', "
                        "'Rennen')",
                        {QString("Fahrer %1").arg(bahn), runde,
                         QString("20:15:%1").arg(runde * 10 + bahn), bahn}));
            QVERIFY(
                db.execute("insert or replace into laufstand (id, stempel, rennname) values "
                           "(1, '2026.12.04 20:14:00', 'Vereinsmeisterschaft')"));
        }
        Lauf l(o);
        QCOMPARE(l.lauf.fuehreAus("wait 1000\n"), 0);
        QVERIFY2(l.aus.startsWith("0 message Der Lauf „Vereinsmeisterschaft“ (Rennen) vom "
                                  "2026.12.04 20:14:00 wurde nicht beendet. 6 Runden von 2 "
                                  "Bahnen"),
                 qPrintable(l.aus));
        QCOMPARE(l.aus.count(" message "), 1);
        QCOMPARE(l.zahl("select count(*) from histrennen where rennzeit = '2026.12.04 20:14:00' "
                        "and RennName = 'Vereinsmeisterschaft'"),
                 6);
        QCOMPARE(l.zahl("select count(*) from histrennen where RennInfo = 'abgebrochen'"), 2);
        // A run started now would be a race by time over three minutes.
        const RennZustand& z = l.lauf.leitung().zustand();
        QCOMPARE(z.RennModus, 2);
        QCOMPARE(z.Grenze, QString("3"));
        QCOMPARE(z.RennArt, Laufart::Rennen);
    }
};

QTEST_GUILESS_MAIN(TestReplay)
#include "tst_replay.moc"
