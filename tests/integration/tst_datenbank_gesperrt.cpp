// The real program races a DS300 counter over a pseudo-terminal while another program holds
// the database locked (BEGIN EXCLUSIVE, as the sqlite3 shell does): the live standings keep
// counting, a new run the counter starts while laps still wait is refused completely, and
// once the lock is gone every lap of the first run reaches the lap table and the history
// exactly once, and none of the refused run. The live standings show the counter's timing
// state, also when its cable is pulled.

#include <QJsonObject>
#include <sqlite3.h>

#include "DSRahmen.h"
#include "TestPty.h"
#include "ZaehlerProgramm.h"

namespace {

using namespace ZaehlerProgramm;

// Laps per lane as /api/stand shows them.
QMap<int, int> stand(quint16 port) { return runden(apiStand(port)); }

// The timing state as the live standings show it: "zustand (schnittstelle): grund".
QString zeitnahme(quint16 port) {
    const QJsonObject z = apiStand(port)[QLatin1String("zeitnahme")].toObject();
    return z[QLatin1String("zustand")].toString() + " (" +
           z[QLatin1String("schnittstelle")].toString() + "): " + z[QLatin1String("grund")].toString();
}

}  // namespace

class TestDatenbankGesperrt : public QObject {
    Q_OBJECT

    unsigned char m_folge = 0;
    unsigned char folge() { return m_folge = m_folge == 255 ? 1 : m_folge + 1; }
    static QByteArray dreimal(const QByteArray& f) { return f + f + f; }

private slots:
    void rennenGegenGesperrteDatenbank() {
        PtyPaar pty;
        QVERIFY(pty.ok());
        fcntl(pty.master, F_SETFD, FD_CLOEXEC);
        const quint16 port = freierPort();
        EchtesProgramm p;
        richteEin(p, pty.pfad, port, {{"NachlaufZeit", "500"}});
        p.starte();
        QVERIFY2(p.haeltOffen(pty.pfad), "the program does not open the counter's port");
        // The state of the main window's timing field is on the live standings too.
        QTRY_VERIFY_WITH_TIMEOUT(zeitnahme(port).startsWith("aktiv (DS300 COM1): "), 10000);
        QVERIFY2(zeitnahme(port).contains(pty.pfad), qPrintable(zeitnahme(port)));
        const auto warte = [&](int ms) {
            QElapsedTimer t;
            t.start();
            while (t.elapsed() < ms) {
                QTest::qWait(5);
                char puffer[256];
                while (::read(pty.master, puffer, sizeof puffer) > 0) {
                }
            }
        };
        const auto starte = [&] {
            pty.schreibe(dreimal(DSRahmen::start(folge(), 0x3A)));
            warte(300);
            pty.schreibe(dreimal(DSRahmen::status(folge(), 0xA2)));
            warte(300);
            pty.schreibe(dreimal(DSRahmen::status(folge(), 0xA3)));
            warte(500);
        };
        int gezaehlt[5] = {0, 0, 0, 0, 0};  // the counter's count per lane
        const auto runden = [&](int jeBahn) {
            for (int i = 0; i < jeBahn; ++i)
                for (int bahn = 1; bahn <= 4; ++bahn) {
                    const int n = ++gezaehlt[bahn];
                    pty.schreibe(dreimal(
                        DSRahmen::runde(folge(), bahn, n, n == 1 ? 0 : 50000 + bahn * 100, true)));
                    warte(40);
                }
        };
        starte();
        runden(4);  // the first crossing and three laps per lane
        QTRY_COMPARE_WITH_TIMEOUT(stand(port).value(4), 3, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(zahl(p.datenbank(), "select count(*) from aktrennen"), 12, 10000);

        sqlite3* fremd = nullptr;
        QCOMPARE(sqlite3_open(qPrintable(p.datenbank()), &fremd), SQLITE_OK);
        sqlite3_busy_timeout(fremd, 5000);
        QCOMPARE(sqlite3_exec(fremd, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        runden(5);
        // The live standings count on while nothing reaches the file.
        QTRY_COMPARE_WITH_TIMEOUT(stand(port).value(1), 8, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(stand(port).value(4), 8, 10000);
        // The counter ends the run and starts the next at once: refused, nothing of it counts.
        pty.schreibe(dreimal(DSRahmen::status(folge(), 0xA4)));
        warte(2000);
        starte();
        for (int bahn = 1; bahn <= 4; ++bahn) gezaehlt[bahn] = 0;
        runden(3);
        warte(500);
        QCOMPARE(stand(port).value(1), 8);
        QCOMPARE(p.prozess.state(), QProcess::Running);

        QCOMPARE(sqlite3_exec(fremd, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(fremd);
        QTRY_COMPARE_WITH_TIMEOUT(
            zahl(p.datenbank(), "select count(*) from histrennen where rennzeit <> '0'"), 32,
            15000);
        QCOMPARE(zahl(p.datenbank(), "select count(*) from aktrennen"), 32);
        QCOMPARE(zahl(p.datenbank(), "select count(distinct Bahn || '-' || Runde) from aktrennen"),
                 32);
        QCOMPARE(zahl(p.datenbank(), "select max(Runde) from histrennen where Bahn = 3"), 8);

        // The counter's cable pulled: the standings say so, with the port, for as long as it lasts.
        pty.schliesse();
        QTRY_VERIFY_WITH_TIMEOUT(zeitnahme(port).startsWith("Verbindung verloren (DS300 COM1): COM1 ("),
                                 10000);
        QVERIFY2(zeitnahme(port).contains(pty.pfad), qPrintable(zeitnahme(port)));
    }
};

QTEST_MAIN(TestDatenbankGesperrt)
#include "tst_datenbank_gesperrt.moc"
