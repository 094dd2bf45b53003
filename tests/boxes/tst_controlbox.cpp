// The control box: messages through the parser, the glue's signals and indicator, the commands.

#include <QSignalSpy>
#include <QtTest>

#include "BoxMeldungen.h"
#include "hardware/BoxProtokoll.h"
#include "hardware/ControlBox.h"

using Art = BoxEreignis::Art;

class TestControlBox : public QObject {
    Q_OBJECT

private slots:
    void einzelneMeldungen_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("art");  // -1: no event
        QTest::addColumn<int>("bahn");
        QTest::addColumn<int>("wert");
        QTest::newRow("runde 1F4") << QByteArray("S3:1F4;") << int(Art::Runde) << 3 << 500;
        QTest::newRow("runde klein hex") << QByteArray("S6:ff;") << int(Art::Runde) << 6 << 255;
        QTest::newRow("runde 0") << QByteArray("S3:0;") << -1 << 0 << 0;
        QTest::newRow("runde ohne zeit") << QByteArray("S3:;") << -1 << 0 << 0;
        QTest::newRow("zeilenende davor") << QByteArray("\r\nS2:A;") << int(Art::Runde) << 2 << 10;
        QTest::newRow("bahn 0") << QByteArray("S0:100;") << int(Art::Verworfen) << 0 << 0;
        QTest::newRow("bahn 7") << QByteArray("S7:100;") << int(Art::Verworfen) << 0 << 0;
        QTest::newRow("bahn 9") << QByteArray("S9:100;") << int(Art::Verworfen) << 0 << 0;
        QTest::newRow("zeit kein hex") << QByteArray("S1:1G;") << int(Art::Verworfen) << 0 << 0;
        QTest::newRow("zeit zu gross")
            << QByteArray("S1:80000000;") << int(Art::Verworfen) << 0 << 0;
        QTest::newRow("ok") << QByteArray("OK;") << int(Art::Ok) << 0 << 0;
        QTest::newRow("herz") << QByteArray("H:1C1;") << int(Art::Herzschlag) << 0 << 0;
        QTest::newRow("chaos an") << QByteArray("C1;") << int(Art::Chaos) << 0 << 1;
        QTest::newRow("chaos aus") << QByteArray("C0;") << int(Art::Chaos) << 0 << 0;
        QTest::newRow("chaos unklar") << QByteArray("C7;") << -1 << 0 << 0;
        QTest::newRow("eingaenge") << QByteArray("IN=3;") << int(Art::Eingaenge) << 0 << 3;
        QTest::newRow("relais") << QByteArray("BR=5;") << int(Art::Relais) << 0 << 5;
        QTest::newRow("relais ohne ziffer") << QByteArray("BR=;") << -1 << 0 << 0;
    }
    void einzelneMeldungen() {
        QFETCH(QByteArray, text);
        QFETCH(int, art);
        BoxProtokoll p;
        const auto e = p.fuettere(text);
        if (art < 0) {
            QVERIFY(e.empty());
            return;
        }
        QCOMPARE(e.size(), size_t(1));
        QCOMPARE(int(e[0].art), art);
        if (e[0].art == Art::Runde) {
            QTEST(e[0].bahn, "bahn");
            QTEST(int(e[0].zeit), "wert");
        } else if (e[0].art != Art::Verworfen) {
            QTEST(e[0].wert, "wert");
        }
    }

    void meldungenUeberLesungenHinweg() {
        BoxProtokoll p;
        QVERIFY(p.fuettere("S1:").empty());
        QVERIFY(p.fuettere("3E").empty());
        QCOMPARE(p.rest(), QByteArray("S1:3E"));
        auto e = p.fuettere("8;OK;H:");
        QCOMPARE(e.size(), size_t(2));
        QCOMPARE(e[0].zeit, 0x3E8);
        QCOMPARE(e[1].art, Art::Ok);
        e = p.fuettere("12;");
        QCOMPARE(e.size(), size_t(1));
        QCOMPARE(e[0].art, Art::Herzschlag);
        // More than twenty messages in one read are all taken.
        QByteArray viele;
        for (int i = 0; i < 30; ++i) viele += BoxMeldungen::runde(1 + i % 6, 1000 + i);
        QCOMPARE(p.fuettere(viele).size(), size_t(30));
        // A line without end does not grow without bound.
        p.fuettere(QByteArray(BoxProtokoll::maxPuffer + 1, 'x'));
        QVERIFY(p.rest().isEmpty());
        QCOMPARE(p.fuettere("C1;").size(), size_t(1));
    }

    void befehle() {
        QCOMPARE(BoxProtokoll::befehlOeffnen(), QByteArray("reset;gi;"));
        QCOMPARE(BoxProtokoll::befehlRennStart(), QByteArray("reset;"));
        QCOMPARE(BoxProtokoll::befehlGruen(), QByteArray("reset;b01;"));
        QCOMPARE(BoxProtokoll::befehlSchalten("Bahn3", 1), QByteArray("b31;"));
        QCOMPARE(BoxProtokoll::befehlSchalten("Bahn6", 0), QByteArray("b60;"));
        QCOMPARE(BoxProtokoll::befehlSchalten("BahnAlle", 1), QByteArray("b01;"));
        QCOMPARE(BoxProtokoll::befehlSchalten("Ampel2", 0), QByteArray("a20;"));
        QCOMPARE(BoxProtokoll::befehlSchalten("AmpelAlle", 1), QByteArray("a01;"));
        QVERIFY(BoxProtokoll::befehlSchalten("AmpelGruen", 1).isEmpty());
        QVERIFY(BoxProtokoll::befehlSchalten("Bahn7", 1).isEmpty());
        QVERIFY(BoxProtokoll::befehlSchalten("Ampel6", 1).isEmpty());
        QVERIFY(BoxProtokoll::befehlSchalten("bahn1", 1).isEmpty());
    }

    void chaosNebenHerzschlagUndRunde() {
        ControlBox box;
        QSignalSpy an(&box, &Zeitnahme::chaosAn);
        QSignalSpy aus(&box, &Zeitnahme::chaosAus);
        QSignalSpy runde(&box, &Zeitnahme::rundeErfasst);
        // Caution in the same read as a heartbeat and a lap still counts; the C in the
        // heartbeat's and the lap's hex digits never does.
        box.datenEmpfangen("H:1C1;C1;S2:C0;");
        QCOMPARE(an.count(), 1);
        QCOMPARE(runde.count(), 1);
        QCOMPARE(runde[0][0].toInt(), 2);
        QCOMPARE(runde[0][1].toInt(), 0xC0);
        box.datenEmpfangen("S1:1C0;C0;");
        QCOMPARE(aus.count(), 1);
        QCOMPARE(an.count(), 1);
    }

    void anzeigeUndZustand() {
        ControlBox box;
        QSignalSpy sende(&box, &ControlBox::sende);
        QSignalSpy zustand(&box, &ControlBox::zustandGeaendert);
        box.portGeoeffnet();
        QCOMPARE(sende.count(), 1);
        QCOMPARE(sende[0][0].toByteArray(), QByteArray("reset;gi;"));
        QCOMPARE(box.anzeigeFarbe(), ControlBox::farbeRot);
        // Before the first "OK;" the indicator stays as it is.
        box.datenEmpfangen("H:10;S1:10;");
        QCOMPARE(box.anzeigeFarbe(), ControlBox::farbeRot);
        box.datenEmpfangen("OK;H:11;");
        QVERIFY(box.bereit());
        QCOMPARE(box.anzeigeFarbe(), ControlBox::farbeBlau);
        box.datenEmpfangen("H:12;");
        QCOMPARE(box.anzeigeFarbe(), ControlBox::farbeGelb);
        box.datenEmpfangen("H:13;");
        QCOMPARE(box.anzeigeFarbe(), ControlBox::farbeBlau);
        box.datenEmpfangen("H:14;S4:20;");
        QCOMPARE(box.anzeigeFarbe(), ControlBox::farbeGruen);
        box.datenEmpfangen("H:15;");  // green is not blue: turns blue
        QCOMPARE(box.anzeigeFarbe(), ControlBox::farbeBlau);
        box.datenEmpfangen("BR=5;IN=2;");
        QCOMPARE(box.relais(), 5);
        QCOMPARE(box.eingaenge(), 2);
        QCOMPARE(zustand.count(), 2);
        QCOMPARE(zustand[1][0].toInt(), 2);
        QCOMPARE(zustand[1][1].toInt(), 5);
        // Reopening keeps the ready flag but drops a half message.
        box.datenEmpfangen("S1:");
        box.portGeoeffnet();
        QVERIFY(box.bereit());
        QSignalSpy runde(&box, &Zeitnahme::rundeErfasst);
        box.datenEmpfangen("FF;");
        QCOMPARE(runde.count(), 0);
        box.rennStart();
        box.gruen();
        box.SchalteBepfe("Ampel3", 1);
        box.SchalteBepfe("AmpelGruen", 1);
        QCOMPARE(sende.count(), 5);
        QCOMPARE(sende[2][0].toByteArray(), QByteArray("reset;"));
        QCOMPARE(sende[3][0].toByteArray(), QByteArray("reset;b01;"));
        QCOMPARE(sende[4][0].toByteArray(), QByteArray("a31;"));
    }
};

QTEST_GUILESS_MAIN(TestControlBox)
#include "tst_controlbox.moc"
