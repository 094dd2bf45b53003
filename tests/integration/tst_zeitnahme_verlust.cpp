// The real program races a DS300 counter whose line behaves as lines do: frames in pieces and
// repeated, pauses of seconds, the cable pulled and plugged in again (the port's path is a link
// that is pointed at a new pseudo-terminal) while the counter goes on counting. The live
// standings tell the timing state right at every moment, never "falsche Daten" on a healthy
// line, and the race ends with every lap the counter counted, those it counted unseen marked.

#include <QFile>

#include "DSRahmen.h"
#include "TestPty.h"
#include "ZaehlerProgramm.h"

using namespace ZaehlerProgramm;

class TestZeitnahmeVerlust : public QObject {
    Q_OBJECT

    quint16 m_port = 0;
    QStringList m_gesehen;  // every timing state the standings showed, in order, once per change
    QMap<int, int> m_runden;

    // Reads the standings once: the laps per lane and the timing state.
    QString schaue() {
        const QJsonObject o = apiStand(m_port);
        m_runden = runden(o);
        const QString jetzt = zustand(o);
        if (!jetzt.isEmpty() && (m_gesehen.isEmpty() || m_gesehen.last() != jetzt))
            m_gesehen << jetzt;
        return jetzt;
    }

private slots:
    void verlustUndRueckkehr() {
        EchtesProgramm p;
        auto pty = std::make_unique<PtyPaar>();
        QVERIFY(pty->ok());
        fcntl(pty->master, F_SETFD, FD_CLOEXEC);
        // The port as the settings name it: a link, as udev gives a USB adapter.
        const QString link = p.ordner.filePath("ds300");
        QVERIFY(QFile::link(pty->pfad, link));
        m_port = freierPort();
        richteEin(p, link, m_port, {{"NachlaufZeit", "500"}});
        p.starte();
        QVERIFY2(p.haeltOffen(pty->pfad), "the program does not open the counter's port");
        QTRY_COMPARE_WITH_TIMEOUT(schaue(), QStringLiteral("aktiv"), 10000);

        unsigned char folge = 0;
        const auto naechste = [&] { return folge = folge == 255 ? 1 : folge + 1; };
        // The standings are read while the test waits.
        const auto warte = [&](int ms) {
            QElapsedTimer t;
            t.start();
            while (t.elapsed() < ms) {
                QTest::qWait(20);
                if (pty) pty->lies();
                schaue();
            }
        };
        // A frame three times, each copy in pieces of 1 to 7 bytes with short gaps.
        const auto sende = [&](const QByteArray& rahmen) {
            const QByteArray strom = rahmen + rahmen + rahmen;
            for (qsizetype i = 0, stueck = 1; i < strom.size(); i += stueck, stueck = 1 + i % 7) {
                pty->schreibe(strom.mid(i, stueck));
                QTest::qWait(2);
            }
        };
        int gezaehlt[5] = {0, 0, 0, 0, 0};  // crossings the counter counted per lane
        const auto runde = [&](int bahn) {
            const int n = ++gezaehlt[bahn];
            sende(DSRahmen::runde(naechste(), bahn, n, n == 1 ? 0 : 50000 + bahn * 1000, true));
            warte(40);
        };

        sende(DSRahmen::start(naechste(), 0x3A));
        warte(300);
        sende(DSRahmen::status(naechste(), 0xA2));
        warte(300);
        sende(DSRahmen::status(naechste(), 0xA3));
        warte(500);
        for (int i = 0; i < 2; ++i)
            for (int bahn = 1; bahn <= 4; ++bahn) runde(bahn);
        // Nobody passes for 2.5 s: a quiet line is no wrong data.
        warte(2500);
        for (int bahn = 1; bahn <= 4; ++bahn) runde(bahn);
        warte(2500);
        for (int bahn = 1; bahn <= 4; ++bahn) runde(bahn);
        QTRY_COMPARE_WITH_TIMEOUT((schaue(), m_runden), (QMap<int, int>{{1, 3}, {2, 3}, {3, 3}, {4, 3}}),
                                  10000);
        QCOMPARE(m_gesehen, QStringList{"aktiv"});

        // The cable pulled: the counter goes on counting lanes 1 and 2 unseen.
        QVERIFY(QFile::remove(link));
        pty.reset();
        QTRY_COMPARE_WITH_TIMEOUT(schaue(), QStringLiteral("Verbindung verloren"), 10000);
        gezaehlt[1] += 2;
        gezaehlt[2] += 1;
        warte(1000);
        QCOMPARE(schaue(), QStringLiteral("Verbindung verloren"));

        // Plugged in again: the program finds the port by itself and counts on.
        pty = std::make_unique<PtyPaar>();
        QVERIFY(pty->ok());
        fcntl(pty->master, F_SETFD, FD_CLOEXEC);
        QVERIFY(QFile::link(pty->pfad, link));
        QTRY_COMPARE_WITH_TIMEOUT(schaue(), QStringLiteral("aktiv"), 10000);
        QVERIFY(p.haeltOffen(pty->pfad, 5000));
        for (int bahn = 1; bahn <= 4; ++bahn) runde(bahn);
        // Lane 1 jumped from 4 to 7 crossings, lane 2 from 4 to 6: the missing laps count.
        const QMap<int, int> soll{{1, 6}, {2, 5}, {3, 4}, {4, 4}};
        QTRY_COMPARE_WITH_TIMEOUT((schaue(), m_runden), soll, 10000);

        sende(DSRahmen::status(naechste(), 0xA4));
        QTRY_COMPARE_WITH_TIMEOUT(
            zahl(p.datenbank(), "select count(*) from histrennen where rennzeit <> '0'"), 19,
            15000);
        QCOMPARE(zahl(p.datenbank(), "select count(*) from histrennen where RennInfo like '% Z%'"),
                 3);
        QCOMPARE(zahl(p.datenbank(),
                      "select count(*) from histrennen where RennInfo like '% Z%' and Bahn = 1"),
                 2);
        QCOMPARE(m_gesehen, (QStringList{"aktiv", "Verbindung verloren", "aktiv"}));
    }
};

QTEST_MAIN(TestZeitnahmeVerlust)
#include "tst_zeitnahme_verlust.moc"
