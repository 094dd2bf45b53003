// The sensor box: driver call order and results with a recording driver, the simulated box's
// byte stream, and a driver library bound by name.

#include <QSignalSpy>
#include <QtTest>
#include <deque>

#include "SensorRahmen.h"
#include "config/Einstellungen.h"
#include "hardware/SensorBox.h"

namespace {

struct Aufzeichnung : SensorBoxTreiber {
    QStringList aufrufe;
    std::deque<qint32> rx;  // next results of RX_data (0 when empty)
    std::deque<SensorBoxEreignis> ereignisse;
    std::deque<qint32> tx;
    qint32 takt = 0;
    std::array<qint16, 8> konfig{};

    void InitBoxes() override { aufrufe << "InitBoxes"; }
    void OpenBox(qint32 box, const qint16* k) override {
        aufrufe << QStringLiteral("OpenBox %1").arg(box);
        std::copy(k, k + 8, konfig.begin());
    }
    qint32 RX_data(qint32 box, qint32 zeichen) override {
        aufrufe << QStringLiteral("RX_data %1 %2").arg(box).arg(zeichen);
        if (rx.empty()) return 0;
        const qint32 r = rx.front();
        rx.pop_front();
        return r;
    }
    qint32 Get_Event(SensorBoxEreignis* e) override {
        aufrufe << "Get_Event";
        if (ereignisse.empty()) return 0;
        *e = ereignisse.front();
        ereignisse.pop_front();
        return 1;
    }
    qint32 Get_TXDat(qint32) override {
        aufrufe << "Get_TXDat";
        if (tx.empty()) return 0xFFFF;  // -1 in the low 16 bits
        const qint32 b = tx.front();
        tx.pop_front();
        return b;
    }
    qint32 Get_TStamp(qint32) override {
        aufrufe << "Get_TStamp";
        return takt;
    }
};

}  // namespace

class TestSensorBox : public QObject {
    Q_OBJECT

private slots:
    void initUndOeffnen() {
        auto* t = new Aufzeichnung;
        t->takt = 48000;
        Einstellungen e;
        e.RaceControlLevel = 70;
        SensorBox box(std::unique_ptr<SensorBoxTreiber>(t), &e);
        QSignalSpy port(&box, &SensorBox::portSchalten);
        QCOMPARE(box.rennStart(), 10000);  // raw ticks 48000 become ms
        // One reading: it gives the start time and anchors the box's clock to the race clock.
        QCOMPARE(t->aufrufe, QStringList({"InitBoxes", "OpenBox 0", "Get_TStamp"}));
        QCOMPARE(port.count(), 3);
        QCOMPARE(port[0][0].toBool(), true);
        QCOMPARE(port[1][0].toBool(), false);
        QCOMPARE(port[2][0].toBool(), true);  // stays open for the race
        QCOMPARE(t->konfig, (std::array<qint16, 8>{0, 0, 70, 25, 7, 0, 0, -1}));
        QCOMPARE(box.BoxOeffnen(), 48000);
    }

    void ergebniscodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");  // empty: nothing shown
        QTest::newRow("0") << 0 << QString();
        QTest::newRow("8003") << 0x8003 << "MSG: SENSOR OFFLINE";
        QTest::newRow("8004") << 0x8004 << "MSG: BOX ACTIVATES";
        QTest::newRow("8005") << 0x8005 << "MSG: BOX LOST";
        QTest::newRow("8006") << 0x8006 << "MSG: TX REQUEST";
        QTest::newRow("1") << 1 << "MSG: UNKNOWN RET 1";
        QTest::newRow("8010") << 0x8010 << "MSG: UNKNOWN RET 8010";
        QTest::newRow("hohe bits weg") << 0x18004 << "MSG: BOX ACTIVATES";
        QTest::newRow("buchstabe a") << 0x800A << QString();
        QTest::newRow("buchstabe f") << 0xF003 << QString();
    }
    void ergebniscodes() {
        QFETCH(int, code);
        QFETCH(QString, text);
        auto* t = new Aufzeichnung;
        t->rx = {code};
        SensorBox box{std::unique_ptr<SensorBoxTreiber>(t)};
        QSignalSpy status(&box, &Zeitnahme::statusText);
        box.datenEmpfangen(QByteArray(1, char(0xC3)));
        QCOMPARE(t->aufrufe, QStringList({"RX_data 0 195"}));
        QCOMPARE(status.count(), text.isEmpty() ? 0 : 1);
        if (!text.isEmpty()) QCOMPARE(status[0][0].toString(), text);
    }

    void ereignisse() {
        auto* t = new Aufzeichnung;
        t->rx = {2, 2, 2, 2, 2, 2, 2};
        t->ereignisse = {{0x0201, 4800}, {0x0301, 4810}, {0x0200, 12345678},
                         {0x0400, 0},    {0x0500, 0},    {0x0700, 0}};
        SensorBox box{std::unique_ptr<SensorBoxTreiber>(t)};
        QSignalSpy status(&box, &Zeitnahme::statusText);
        QSignalSpy runde(&box, &Zeitnahme::rundeErfasst);
        QSignalSpy farbe(&box, &SensorBox::anzeigeGeaendert);
        box.datenEmpfangen(QByteArray(7, 'x'));  // the seventh result 2 finds no event
        QCOMPARE(runde.count(), 2);
        QCOMPARE(runde[0][0].toInt(), 2);
        QCOMPARE(runde[0][1].toInt(), 1000);
        QCOMPARE(runde[1][0].toInt(), 1);
        QCOMPARE(runde[1][1].toInt(), 2572016);  // 12345678 / 4.8 = 2572016.25, cut
        const QStringList erwartet = {
            "EVENT: BOX 0 SENSOR 2 ON00:00:01.000",  "EVENT: BOX 0 SENSOR 2 OFF00:00:01.002",
            "EVENT: BOX 0 SENSOR 1 ON 00:42:52.016", "EVENT: SENSOR BOX ACTIVATES",
            "EVENT: SENSOR BOX ERROR, COM LOST",     "Unknown Event 700"};
        QCOMPARE(status.count(), erwartet.size());
        for (int i = 0; i < erwartet.size(); ++i) QCOMPARE(status[i][0].toString(), erwartet[i]);
        QCOMPARE(farbe.count(), 2);
        QCOMPARE(farbe[0][0].toInt(), SensorBox::farbeGruen);
        QCOMPARE(farbe[1][0].toInt(), SensorBox::farbeGelb);
    }

    void konfigurationWirdEinmalGesendet() {
        auto* t = new Aufzeichnung;
        t->rx = {2, 2};
        t->ereignisse = {{0x0600, 0}, {0x0600, 0}};
        t->tx = {0x5A, 0x101, 0x02};  // only the low byte goes out
        SensorBox box{std::unique_ptr<SensorBoxTreiber>(t)};
        QStringList ablauf;
        connect(&box, &SensorBox::dtrSetzen,
                [&](bool an) { ablauf << (an ? "DTR an" : "DTR aus"); });
        connect(&box, &SensorBox::sende, [&](const QByteArray& d) { ablauf << d.toHex(); });
        connect(&box, &Zeitnahme::statusText, [&](const QString& s) { ablauf << s; });
        box.BoxInit();
        box.datenEmpfangen("ab");
        QCOMPARE(ablauf, QStringList({"EVENT: TX DATA REQUEST", "DTR aus", "5a0102", "DTR an",
                                      "MSG: BOXCONFIGURATION SENT", "EVENT: TX DATA REQUEST"}));
        QVERIFY(box.BoxKonfigGesendet());
        QCOMPARE(t->aufrufe.count("Get_TXDat"), 4);
        // A new BoxInit sends it again on the next request.
        box.BoxInit();
        QVERIFY(!box.BoxKonfigGesendet());
    }

    void zeitUmrechnung() {
        QCOMPARE(SensorBox::tickRunden(4800), 1000);
        QCOMPARE(SensorBox::tickRunden(12), 2);  // 2.5 -> 2 (ties to even)
        QCOMPARE(SensorBox::tickRunden(36), 8);  // 7.5 -> 8
        QCOMPARE(SensorBox::tickRunden(13), 3);  // 2.708
        QCOMPARE(SensorBox::tickAbschneiden(13), 2);
        QCOMPARE(SensorBox::tickAbschneiden(-1), -1);
        QCOMPARE(SensorBox::tickRunden(-12), -2);
        QCOMPARE(SensorBox::tickRunden(qint64(INT32_MAX)), 447392426);
        auto* t = new Aufzeichnung;
        t->takt = 4801;
        SensorBox box{std::unique_ptr<SensorBoxTreiber>(t)};
        QCOMPARE(box.zeitstempel(), 1000);
    }

    void simulierteBox() {
        SimulierterSensorBoxTreiber sim;
        Einstellungen e;
        auto* t = new SimulierterSensorBoxTreiber;
        SensorBox echt(std::unique_ptr<SensorBoxTreiber>(t), &e);
        QSignalSpy runde(&echt, &Zeitnahme::rundeErfasst);
        QSignalSpy sende(&echt, &SensorBox::sende);
        QCOMPARE(echt.rennStart(), 0);
        QVERIFY(t->offen());
        QByteArray strom = "\x01\x02";  // noise before the first frame
        strom += SensorRahmen::rahmen(SimSensorBox::typSendeWunsch, 0, 100);
        QByteArray kaputt = SensorRahmen::rahmen(SimSensorBox::typSensorAn, 3, 999);
        kaputt[7] = char(kaputt[7] ^ 0x40);
        strom += kaputt;
        strom += SensorRahmen::rahmen(SimSensorBox::typSensorAn, 2, SensorRahmen::ticks(2500));
        strom += SensorRahmen::rahmen(SimSensorBox::typTakt, 0, SensorRahmen::ticks(3000));
        echt.datenEmpfangen(strom);
        QCOMPARE(runde.count(), 1);
        QCOMPARE(runde[0][0].toInt(), 3);
        QCOMPARE(runde[0][1].toInt(), 2500);
        QCOMPARE(echt.zeitstempel(), 3000);
        QCOMPARE(sende.count(), 1);
        const auto konfig = SensorRahmen::leseKonfig(sende[0][0].toByteArray());
        QVERIFY(konfig.has_value());
        QCOMPARE(*konfig, echt.BoxKonfig());
        // Unfetched events do not pile up without end.
        for (int i = 0; i < 200; ++i)
            for (char c : SensorRahmen::rahmen(SimSensorBox::typSensorAus, 0, i)) sim.RX_data(0, c);
        int n = 0;
        SensorBoxEreignis ev;
        while (sim.Get_Event(&ev)) ++n;
        QVERIFY(n > 0 && n <= 64);
        QCOMPARE(ev.zeit, 199);
    }

    void bibliothekNachName() {
        QString fehler;
        QVERIFY(!SensorBoxBibliothek::lade(QStringLiteral("/nirgends/libkeinebox"), &fehler));
        QVERIFY(!fehler.isEmpty());
        auto t = SensorBoxBibliothek::lade(QStringLiteral(PISTORELLE_TESTTREIBER), &fehler);
        QVERIFY2(t, qPrintable(fehler));
        SensorBox box(std::move(t));
        QSignalSpy runde(&box, &Zeitnahme::rundeErfasst);
        QCOMPARE(box.rennStart(), 2000);  // the test library's tick counter starts at 9600
        box.datenEmpfangen(
            QByteArray("\x02\x00\x01", 3));  // the test library reports sensor 1 on byte 2
        QCOMPARE(runde.count(), 1);
        QCOMPARE(runde[0][0].toInt(), 2);
        QCOMPARE(runde[0][1].toInt(), 2000);
        // A driver that cannot be bound is reported once, and nothing is called.
        qputenv("PISTORELLE_SENSORBOX", "/nirgends/libkeinebox");
        SensorBox ohne;
        QSignalSpy status(&ohne, &Zeitnahme::statusText);
        ohne.BoxInit();
        ohne.datenEmpfangen("abc");
        QCOMPARE(ohne.zeitstempel(), 0);
        QCOMPARE(status.count(), 1);
        QVERIFY(!ohne.hatTreiber());
        qunsetenv("PISTORELLE_SENSORBOX");
    }
};

QTEST_GUILESS_MAIN(TestSensorBox)
#include "tst_sensorbox.moc"
