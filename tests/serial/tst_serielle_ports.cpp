// The serial component over real pseudo-terminals, the edge logic of the modem-line watcher
// and the generic serial lap input.

#include <QPointer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <functional>

#include "TestPty.h"
#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "hardware/MSComm.h"
#include "hardware/SerielleRunden.h"

namespace {

// A port whose COM 3 is the pty's slave side.
void aufPty(MSComm& port, const PtyPaar& pty) {
    const QString pfad = pty.pfad;
    port.setPfadQuelle(
        [pfad](int n) { return n == 3 ? pfad : QStringLiteral("/nonexistent/tty"); });
    port.setCommPort(3);
}

QByteArray alleBytes() {
    QByteArray b;
    for (int i = 0; i < 256; ++i) b.append(char(i));
    return b;
}

}  // namespace

class TstSeriellePorts : public QObject {
    Q_OBJECT
private slots:
    void init() {
        DebugLog::instanz().setAktiv(true);
        DebugLog::instanz().leeren();
    }

    // Both directions at the baud rates the interfaces use, every byte value unchanged.
    void datenPfad_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<int>("baud");
        QTest::newRow("4800") << "4800,n,8,1" << 4800;
        QTest::newRow("9600") << "9600,N,8,1" << 9600;
        QTest::newRow("56000") << "56000,n,8,1" << 56000;
    }
    void datenPfad() {
        QFETCH(QString, settings);
        QFETCH(int, baud);
        PtyPaar pty;
        QVERIFY(pty.ok());
        MSComm port(QStringLiteral("t"));
        aufPty(port, pty);
        port.setModemFabrik(nullptr);
        port.setZeitquelle([] { return qint32(777); });
        QVERIFY(port.setSettings(settings));
        port.setRThreshold(1);
        port.setInputLen(0);
        QByteArray empfangen;
        QList<qint32> zeiten;
        connect(&port, &MSComm::OnComm, this, [&](int ereignis, qint32 zeit) {
            QCOMPARE(ereignis, MSComm::comEvReceive);
            QCOMPARE(port.CommEvent(), MSComm::comEvReceive);
            zeiten << zeit;
            empfangen += port.Input();
        });
        QVERIFY2(port.setPortOpen(true), qPrintable(port.fehlerText()));
        QCOMPARE(port.port()->baudRate(), baud);
        for (const char* falsch : {"9600,X,8,1", "9600,N,9,1", "9600,N,8", "schnell,N,8,1"})
            QVERIFY(!port.setSettings(QString::fromLatin1(falsch)));
        QCOMPARE(port.Settings(), settings);

        pty.schreibe(alleBytes());
        QTRY_COMPARE_WITH_TIMEOUT(empfangen.size(), 256, 10000);
        QCOMPARE(empfangen, alleBytes());
        QVERIFY(!zeiten.isEmpty());
        QCOMPARE(zeiten.first(), 777);

        QVERIFY(port.Output(alleBytes()));
        QTRY_COMPARE_WITH_TIMEOUT(pty.lies().size(), 256, 10000);
        QCOMPARE(pty.gelesen, alleBytes());
    }

    // RThreshold 63 / InputLen 63 as the DS counters use them: one event per 63 bytes, the
    // rest waits for more.
    void schwelleUndEingabelaenge() {
        PtyPaar pty;
        QVERIFY(pty.ok());
        MSComm port(QStringLiteral("t"));
        aufPty(port, pty);
        port.setModemFabrik(nullptr);
        port.setRThreshold(63);
        port.setInputLen(63);
        QList<int> laengen;
        connect(&port, &MSComm::OnComm, this, [&](int ereignis) {
            if (ereignis == MSComm::comEvReceive) laengen << int(port.Input().size());
        });
        QVERIFY(port.setPortOpen(true));

        pty.schreibe(QByteArray(150, 'x'));
        // The count includes what the port thread took in before the UI thread saw it.
        QTRY_COMPARE_WITH_TIMEOUT(laengen.size(), 2, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(port.InBufferCount(), 24, 10000);
        QCOMPARE(laengen, (QList<int>{63, 63}));

        pty.schreibe(QByteArray(39, 'y'));
        QTRY_COMPARE_WITH_TIMEOUT(laengen.size(), 3, 10000);
        QCOMPARE(port.InBufferCount(), 0);

        // InputLen 0 takes everything; a short InputLen leaves the rest.
        pty.schreibe(QByteArray(10, 'z'));
        QTRY_COMPARE_WITH_TIMEOUT(port.InBufferCount(), 10, 10000);
        port.setInputLen(4);
        QCOMPARE(port.Input(), QByteArray("zzzz"));
        port.setInputLen(0);
        QCOMPARE(port.Input(), QByteArray("zzzzzz"));
    }

    // A handler that leaves the data gets no second event until more arrives; RThreshold 0
    // raises no receive event; InBufferSize cuts nothing, the bound drops the excess with a
    // notice the status shows.
    void ohneLesenUndUeberlauf() {
        PtyPaar pty;
        QVERIFY(pty.ok());
        MSComm port(QStringLiteral("t"));
        aufPty(port, pty);
        port.setModemFabrik(nullptr);
        port.setRThreshold(0);
        port.setInBufferSize(16);
        port.setEingangsGrenze(64);
        QSignalSpy spy(&port, &MSComm::OnComm);
        QSignalSpy meldungen(&port, &MSComm::meldung);
        QVERIFY(port.setPortOpen(true));
        pty.schreibe(QByteArray(40, 'a'));
        QTRY_COMPARE_WITH_TIMEOUT(port.InBufferCount(), 40, 10000);
        pty.schreibe(QByteArray(40, 'b'));
        const auto verloren = [&meldungen] {
            int n = 0;
            for (const auto& args : meldungen) {
                const QString text = args.at(0).toString();
                if (!text.startsWith(QStringLiteral("t: Eingabepuffer voll, "))) return -1;
                n += text.section(QLatin1Char(' '), 3, 3).toInt();
            }
            return n;
        };
        QTRY_COMPARE_WITH_TIMEOUT(verloren(), 16, 10000);
        QCOMPARE(spy.count(), meldungen.count());
        for (const auto& args : spy) QCOMPARE(args.at(0).toInt(), MSComm::comEventRxOver);
        QCOMPARE(port.InBufferCount(), 64);
        QCOMPARE(port.Input(), QByteArray(40, 'a') + QByteArray(24, 'b'));
        pty.schreibe("c");
        QTRY_COMPARE_WITH_TIMEOUT(port.InBufferCount(), 1, 10000);
        port.setInBufferCount(0);
        QCOMPARE(port.InBufferCount(), 0);
    }

    // The UI thread is blocked (a database waiting for its lock) while the counter sends far
    // more than the old 1,024-byte buffer and the pseudo-terminal itself (about 20 KiB) hold.
    // The port thread takes every byte as it comes and stamps it then; once the UI thread is
    // back every byte arrives once, in order, with the stamp of its arrival.
    void blockierterUIThread() {
        PtyPaar pty;
        QVERIFY(pty.ok());
        MSComm port(QStringLiteral("t"));
        aufPty(port, pty);
        port.setModemFabrik(nullptr);
        std::atomic<qint32> uhr{0};  // every reading later than all before it
        port.setZeitquelle([&uhr] { return ++uhr; });
        port.setRThreshold(1);
        port.setInputLen(63);
        QByteArray empfangen;
        QList<qint32> stempel;
        connect(&port, &MSComm::OnComm, this, [&](int ereignis, qint32 zeit) {
            QCOMPARE(ereignis, MSComm::comEvReceive);
            stempel << zeit;
            empfangen += port.Input();
        });
        QVERIFY(port.setPortOpen(true));
        QRandomGenerator zufall(4711);
        QByteArray gesendet(48 * 1024, Qt::Uninitialized);
        for (char& c : gesendet) c = char(zufall.bounded(256));

        // From here until all is in, no event is processed on this thread.
        const auto bis = [](const std::function<bool()>& bedingung) {
            for (QDeadlineTimer frist(20000); !bedingung(); QThread::msleep(1))
                if (frist.hasExpired()) return false;
            return true;
        };
        qint32 nachErstem = 0;
        for (qsizetype weg = 0; weg < gesendet.size(); weg += 1024) {
            QVERIFY(pty.schreibeOhneEreignisse(gesendet.mid(weg, 1024)));
            if (weg == 0) {
                QVERIFY(bis([&] { return port.InBufferCount() == 1024; }));
                nachErstem = ++uhr;
            }
            QThread::msleep(2);
        }
        QVERIFY(bis([&] { return port.InBufferCount() == gesendet.size(); }));
        const qint32 zurueck = ++uhr;

        QTRY_COMPARE_WITH_TIMEOUT(empfangen.size(), gesendet.size(), 20000);
        QCOMPARE(empfangen, gesendet);
        QVERIFY(std::is_sorted(stempel.begin(), stempel.end()));
        QVERIFY(stempel.first() < nachErstem);
        QVERIFY(stempel.last() > nachErstem);
        QVERIFY(stempel.last() < zurueck);
    }

    // The peer vanishes: the port is closed at the first error and reported once.
    void verschwundenerPartner() {
        PtyPaar pty;
        QVERIFY(pty.ok());
        MSComm port(QStringLiteral("MSComm1"));
        aufPty(port, pty);
        port.setModemFabrik(nullptr);
        port.setRThreshold(1);
        QSignalSpy fehler(&port, &MSComm::portFehler);
        QVERIFY(port.setPortOpen(true));
        pty.schliesse();
        QTRY_COMPARE_WITH_TIMEOUT(fehler.count(), 1, 10000);
        QVERIFY(!port.PortOpen());
        for (int i = 0; i < 1000; ++i) QCoreApplication::processEvents();
        QCOMPARE(fehler.count(), 1);
        QCOMPARE(zeilenMit(QStringLiteral("Port geschlossen")), 1);
        QVERIFY(fehler.first().at(0).toString().startsWith(
            QStringLiteral("MSComm1 COM3 (%1)").arg(pty.pfad)));
    }

    void oeffnenScheitert() {
        MSComm port(QStringLiteral("t"));
        QSignalSpy fehler(&port, &MSComm::portFehler);
        port.setPfadQuelle([](int) { return QStringLiteral("/nonexistent/ttyX"); });
        QVERIFY(!port.setPortOpen(true));
        QVERIFY(!port.fehlerText().isEmpty());
        QVERIFY(!port.PortOpen());
        QVERIFY(!port.Output("x"));
        // A number without a path (above 10 by default).
        MSComm ohne(QStringLiteral("t"));
        QVERIFY(ohne.setCommPort(11));
        QCOMPARE(ohne.pfad(), QString());
        QVERIFY(!ohne.setPortOpen(true));
        QCOMPARE(fehler.count(), 0);
    }

    // Edges from the watcher become OnComm events with the stamp of the edge; the watcher
    // stops with the port.
    void modemKanten() {
        PtyPaar pty;
        QVERIFY(pty.ok());
        MSComm port(QStringLiteral("t"));
        aufPty(port, pty);
        QPointer<FakeModem> fake;
        port.setModemFabrik([&fake] {
            auto f = std::make_unique<FakeModem>();
            fake = f.get();
            return f;
        });
        port.setZeitquelle([] { return qint32(99999); });
        QSignalSpy spy(&port, &MSComm::OnComm);
        QVERIFY(port.setPortOpen(true));
        QVERIFY(fake && fake->laeuft());
        fake->kanteAusloesen(MSComm::comEvCD, 1234);
        fake->kanteAusloesen(MSComm::comEvRing, 1240);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0), (QList<QVariant>{MSComm::comEvCD, 1234}));
        QCOMPARE(spy.at(1), (QList<QVariant>{MSComm::comEvRing, 1240}));
        QCOMPARE(port.CommEvent(), MSComm::comEvRing);
        QCOMPARE(port.EreignisZeit(), 1240);
        port.setPortOpen(false);
        QVERIFY(!fake);  // watcher gone with the port
    }

    void kantenAusPegeln_data() {
        QTest::addColumn<unsigned>("alt");
        QTest::addColumn<unsigned>("neu");
        QTest::addColumn<QList<int>>("ereignisse");
        using namespace ModemPegel;
        QTest::newRow("CD rises") << 0u << CD << QList<int>{5};
        QTest::newRow("CD falls") << CD << 0u << QList<int>{5};
        QTest::newRow("DSR and CTS") << 0u << (DSR | CTS) << QList<int>{4, 3};
        QTest::newRow("RI rises: no pulse yet") << 0u << RI << QList<int>{};
        QTest::newRow("RI falls: one pulse") << RI << 0u << QList<int>{6};
        QTest::newRow("all change") << (CD | RI) << (DSR | CTS) << QList<int>{5, 4, 3, 6};
        QTest::newRow("nothing") << (CD | DSR) << (CD | DSR) << QList<int>{};
    }
    void kantenAusPegeln() {
        QFETCH(unsigned, alt);
        QFETCH(unsigned, neu);
        QFETCH(QList<int>, ereignisse);
        const std::vector<int> e = KantenAusPegeln(alt, neu);
        QCOMPARE(QList<int>(e.begin(), e.end()), ereignisse);
    }

    // Counters catch edges that fell together or between two readings.
    void kantenAusZaehlern() {
        const ModemZaehler a{1, 2, 3, 4};
        ModemZaehler b = a;
        b.cts += 2;
        b.cd += 1;
        b.ri += 1;
        std::vector<int> e = KantenAusZaehlern(a, b);
        QCOMPARE(QList<int>(e.begin(), e.end()), (QList<int>{5, 3, 3, 6}));
        e = KantenAusZaehlern(b, a);  // driver reset
        QVERIFY(e.empty());
    }

    void bahnTabelle_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("ereignis");
        QTest::addColumn<int>("bahn");
        QTest::newRow("1 CD") << 1 << 5 << 1;
        QTest::newRow("1 DSR") << 1 << 4 << 2;
        QTest::newRow("1 CTS") << 1 << 3 << 3;
        QTest::newRow("1 RI") << 1 << 6 << 4;
        QTest::newRow("2 CD") << 2 << 5 << 5;
        QTest::newRow("2 DSR") << 2 << 4 << 6;
        QTest::newRow("1 receive") << 1 << 2 << 0;
        QTest::newRow("1 overflow") << 1 << 1008 << 0;
    }
    void bahnTabelle() {
        QFETCH(int, port);
        QFETCH(int, ereignis);
        QFETCH(int, bahn);
        Einstellungen e;
        e.PSPort = 0;
        SerielleRunden s(e);
        QSignalSpy runden(&s, &Zeitnahme::rundeErfasst);
        QSignalSpy wartet(&s, &SerielleRunden::rundeWartet);
        if (port == 1)
            s.OnComm1(ereignis, 5000);
        else
            s.OnComm2(ereignis, 5000);
        QCOMPARE(runden.count(), bahn ? 1 : 0);
        if (bahn) QCOMPARE(runden.first(), (QList<QVariant>{bahn, 5000, 0, 0}));
        QCOMPARE(wartet.count(), 1);
    }

    // Lanes 7 and 8 have no input: dropped with a debug line.
    void bahnenSiebenUndAcht() {
        Einstellungen e;
        e.PSPort = 0;
        SerielleRunden s(e);
        QSignalSpy runden(&s, &Zeitnahme::rundeErfasst);
        s.OnComm2(MSComm::comEvCTS, 1);
        s.OnComm2(MSComm::comEvRing, 2);
        QCOMPARE(runden.count(), 0);
        QCOMPARE(zeilenMit(QStringLiteral("(Bahn 7) hat keinen Eingang")), 1);
        QCOMPARE(zeilenMit(QStringLiteral("(Bahn 8) hat keinen Eingang")), 1);
    }

    void sperren_data() {
        QTest::addColumn<int>("raceControl");
        QTest::addColumn<int>("psPort");
        QTest::newRow("sensor box") << 1 << 0;
        QTest::newRow("PSPort") << 0 << 1;
    }
    void sperren() {
        QFETCH(int, raceControl);
        QFETCH(int, psPort);
        Einstellungen e;
        e.RaceControlAktiv = raceControl;
        e.PSPort = quint8(psPort);
        SerielleRunden s(e);
        QSignalSpy runden(&s, &Zeitnahme::rundeErfasst);
        QSignalSpy stempel(&s, &SerielleRunden::zeitstempelGenommen);
        s.OnComm1(MSComm::comEvCD, 42);
        QCOMPARE(runden.count(), 0);
        QCOMPARE(stempel.count(), 1);  // the stamp is taken first, whatever follows
    }
};

QTEST_GUILESS_MAIN(TstSeriellePorts)
#include "tst_serielle_ports.moc"
