// The interface facade: choice of the interface, opening of the ports, the probe, the caption,
// the switching words, the time stamp, and the boxes wired to their ports.

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include "TestPty.h"
#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/VirtuelleUhr.h"
#include "hardware/ControlBox.h"
#include "hardware/MSComm.h"
#include "hardware/PortIOSimuliert.h"
#include "hardware/Schnittstellen.h"
#include "hardware/SensorBoxTreiber.h"
#include "hardware/Zeitnahmewahl.h"

namespace {

constexpr quint16 L1 = 888;

class UhrTreiber : public SensorBoxTreiber {
public:
    void InitBoxes() override {}
    void OpenBox(qint32, const qint16*) override {}
    qint32 RX_data(qint32, qint32) override { return 0; }
    qint32 Get_Event(SensorBoxEreignis*) override { return 0; }
    qint32 Get_TXDat(qint32) override { return -1; }
    qint32 Get_TStamp(qint32) override { return ticks; }
    qint32 ticks = 0;
};

}  // namespace

class TstSchnittstellen : public QObject {
    Q_OBJECT

    Einstellungen e;
    VirtuelleUhr* uhr = nullptr;
    PortIOSimuliert* io = nullptr;  // owned by s
    UhrTreiber* treiber = nullptr;  // owned by s
    Schnittstellen* s = nullptr;
    PtyPaar* pty1 = nullptr;
    PtyPaar* pty2 = nullptr;
    QList<QPointer<FakeModem>> modems;

    void neu() {
        delete s;
        auto sim = std::make_unique<PortIOSimuliert>();
        io = sim.get();
        auto t = std::make_unique<UhrTreiber>();
        treiber = t.get();
        s = new Schnittstellen(e, uhr, nullptr, std::move(sim), std::move(t));
        s->setModemFabrik([this] {
            auto f = std::make_unique<FakeModem>();
            modems << f.get();
            return f;
        });
        Schnittstellen::CaptionAngaben a;
        a.datenBank = [] { return QStringLiteral("rennen.db"); };
        a.rennArt = [] { return QStringLiteral("Training"); };
        a.grenze = [] { return QStringLiteral("10"); };
        s->setCaptionAngaben(a);
    }

private slots:
    void init() {
        e = Einstellungen();
        pty1 = new PtyPaar;
        pty2 = new PtyPaar;
        QVERIFY(pty1->ok() && pty2->ok());
        e.ComPfad[1] = pty1->pfad;
        e.ComPfad[2] = pty2->pfad;
        for (int n = 3; n <= 10; ++n) e.ComPfad[n] = QStringLiteral("/nonexistent/tty%1").arg(n);
        e.PSPort = 0;
        uhr = new VirtuelleUhr();
        modems.clear();
        neu();
        DebugLog::instanz().setAktiv(true);
        DebugLog::instanz().leeren();
    }
    void cleanup() {
        delete s;
        s = nullptr;
        delete uhr;
        delete pty1;
        delete pty2;
    }

    void auswahl_data() {
        QTest::addColumn<QList<int>>("schalter");  // LPT, RaceControl, BEPFE, DS200, DS300, Lapster
        QTest::addColumn<int>("com");
        QTest::addColumn<QList<int>>("danach");
        QTest::newRow("none") << QList<int>{0, 0, 0, 0, 0, 0} << 1 << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("DS300 only")
            << QList<int>{0, 0, 0, 0, 1, 0} << 0 << QList<int>{0, 0, 0, 0, 1, 0};
        QTest::newRow("BEPFE and DS200")
            << QList<int>{0, 0, 1, 1, 0, 0} << 1 << QList<int>{0, 0, 0, 0, 0, 0};
        QTest::newRow("all") << QList<int>{1, 1, 1, 1, 1, 1} << 1 << QList<int>{0, 0, 0, 0, 0, 0};
    }
    void auswahl() {
        QFETCH(QList<int>, schalter);
        QFETCH(int, com);
        QFETCH(QList<int>, danach);
        int* felder[] = {&e.LPTControlAktiv, &e.RaceControlAktiv, &e.BEPFEAktiv,
                         &e.DS200Aktiv,      &e.DS300Aktiv,       &e.LapsterAktiv};
        e.ComControlAktiv = 1 - com;
        for (int i = 0; i < 6; ++i) *felder[i] = schalter[i];
        Zeitnahmewahl::waehle(e);
        QCOMPARE(e.ComControlAktiv, com);
        for (int i = 0; i < 6; ++i) QCOMPARE(*felder[i], danach[i]);
    }

    // Probe of ports 1..10, the lap ports set up but closed, indicators red, the caption.
    void oeffnenGenerisch() {
        QSignalSpy caption(s, &Schnittstellen::formCaption);
        s->MSCommOeffnen();
        QVERIFY(s->PortOK(1));
        QVERIFY(s->PortOK(2));
        QVERIFY(!s->PortOK(3));
        QCOMPARE(zeilenMit(QStringLiteral("Port 1 OK")), 1);
        // The unusable ones in a single line.
        QCOMPARE(zeilenMit(QStringLiteral("Fehler")), 0);
        QCOMPARE(zeilenMit(QStringLiteral("Ports nicht nutzbar: 3, 4, 5, 6, 7, 8, 9, 10")), 1);
        QCOMPARE(zeilenMit(QStringLiteral("CommPort1: 1")), 1);
        QCOMPARE(s->MSComm1()->Settings(), QStringLiteral("9600,N,8,1"));
        QCOMPARE(s->MSComm2()->CommPort(), 2);
        QCOMPARE(s->MSComm1()->RThreshold(), 1);
        QVERIFY(!s->MSComm1()->PortOpen());
        QCOMPARE(s->indikatorFarbe(0), 255);
        QCOMPARE(s->indikatorFarbe(1), 255);
        QCOMPARE(caption.count(), 1);
        QCOMPARE(caption.first().at(0).toString(),
                 QStringLiteral("Pistorelle 0.1(0): rennen.db  COM 1 OK COM 2 OK Training :  10 "));
    }

    void statusTexte_data() {
        QTest::addColumn<QString>("schalter");
        QTest::addColumn<QString>("commPort1");
        QTest::addColumn<QString>("text");
        QTest::newRow("generic") << ""
                                 << "1"
                                 << " COM 1 OK COM 2 OK";
        QTest::newRow("generic, port 1 above 10") << ""
                                                  << "11"
                                                  << " COM 2 OK";
        QTest::newRow("generic, port 1 missing") << ""
                                                 << "3"
                                                 << " COM 2 OK";
        QTest::newRow("sensor box") << "RaceControlAktiv"
                                    << "1"
                                    << " Racecontrol aktiv an COM 1";
        QTest::newRow("control box") << "BEPFEAktiv"
                                     << "2"
                                     << " Bepfe/Titus aktiv an COM 2 Eingänge: 0 Relais: 0";
        QTest::newRow("DS200") << "DS200Aktiv"
                               << "1"
                               << " DSx00 aktiv an COM 1 4800";
        QTest::newRow("DS300") << "DS300Aktiv"
                               << "1"
                               << " DSx00 aktiv an COM 1 56000";
        QTest::newRow("parallel") << "LPTControlAktiv"
                                  << "1"
                                  << "LPT Erfassung aktiv";
    }
    void statusTexte() {
        QFETCH(QString, schalter);
        QFETCH(QString, commPort1);
        QFETCH(QString, text);
        e.CommPort1 = commPort1;
        if (schalter == QLatin1String("RaceControlAktiv")) e.RaceControlAktiv = 1;
        if (schalter == QLatin1String("BEPFEAktiv")) e.BEPFEAktiv = 1;
        if (schalter == QLatin1String("DS200Aktiv")) e.DS200Aktiv = 1;
        if (schalter == QLatin1String("DS300Aktiv")) e.DS300Aktiv = 1;
        if (schalter == QLatin1String("LPTControlAktiv")) e.LPTControlAktiv = 1;
        Zeitnahmewahl::waehle(e);
        s->MSCommOeffnen();
        QCOMPARE(s->StatusText(), text);
        QVERIFY(!s->PortOK(11));
    }

    // A newly opened interface leaves no port of the last one open, the DS port included.
    void oeffnenSchliesstAlles() {
        e.DS200Aktiv = 1;
        Zeitnahmewahl::waehle(e);
        s->MSCommOeffnen();
        QVERIFY(s->MSCommDSx00()->PortOpen());
        QCOMPARE(s->MSCommDSx00()->Settings(), QStringLiteral("4800,n,8,1"));
        QCOMPARE(s->MSCommDSx00()->RThreshold(), 1);
        e.DS200Aktiv = 0;
        e.BEPFEAktiv = 1;
        Zeitnahmewahl::waehle(e);
        s->MSCommOeffnen();
        QVERIFY(!s->MSCommDSx00()->PortOpen());
        QVERIFY(s->MSCommBEPFE()->PortOpen());
    }

    // The probe uses a port of its own: MSComm2 keeps its set-up and stays open; a port in
    // use by the program counts as usable.
    void portTestEigenesObjekt() {
        s->MSCommOeffnen();
        s->OeffneRundenPorts();
        QVERIFY(s->MSComm1()->PortOpen());
        QVERIFY(s->MSComm2()->PortOpen());
        QVERIFY(!s->PortTest(5));
        QCOMPARE(s->MSComm2()->CommPort(), 2);
        QVERIFY(s->MSComm2()->PortOpen());
        s->Command1_Click();
        QVERIFY(s->PortOK(1));
        QVERIFY(s->PortOK(2));
        QVERIFY(s->MSComm1()->PortOpen());
        s->SchliesseRundenPorts();
        QVERIFY(!s->MSComm1()->PortOpen());
    }

    // Lap through the generic serial input: an edge of CD on MSComm1 and of DSR on MSComm2.
    void rundeGenerisch() {
        s->MSCommOeffnen();
        s->OeffneRundenPorts();
        QCOMPARE(modems.size(), 2);
        QSignalSpy runden(s, &Zeitnahme::rundeErfasst);
        QSignalSpy wartet(s, &Schnittstellen::rundeWartet);
        modems[0]->kanteAusloesen(MSComm::comEvCD, 1000123);
        modems[1]->kanteAusloesen(MSComm::comEvDSR, 1000456);  // one pulse: two edges,
        modems[1]->kanteAusloesen(MSComm::comEvDSR, 1000460);  // two reports
        QCOMPARE(runden.count(), 3);
        QCOMPARE(runden.at(0), (QList<QVariant>{1, 1000123, 0, 0}));
        QCOMPARE(runden.at(1), (QList<QVariant>{6, 1000456, 0, 0}));
        QCOMPARE(runden.at(2), (QList<QVariant>{6, 1000460, 0, 0}));
        QCOMPARE(wartet.count(), 3);
    }

    // A lap port whose peer vanishes: reported once, the port no longer counts as usable.
    void portAusfall() {
        s->MSCommOeffnen();
        s->OeffneRundenPorts();
        QSignalSpy status(s, &Zeitnahme::statusText);
        QSignalSpy caption(s, &Schnittstellen::formCaption);
        pty1->schliesse();
        QTRY_COMPARE_WITH_TIMEOUT(status.count(), 1, 10000);
        for (int i = 0; i < 1000; ++i) QCoreApplication::processEvents();
        QCOMPARE(status.count(), 1);
        QVERIFY(!s->PortOK(1));
        QVERIFY(!caption.last().at(0).toString().contains(QStringLiteral("COM 1 OK")));
    }

    // The control box on its port: reset on opening, laps, heartbeat colours, relay state.
    void controlBoxAmPort() {
        e.BEPFEAktiv = 1;
        Zeitnahmewahl::waehle(e);
        QSignalSpy runden(s, &Zeitnahme::rundeErfasst);
        QSignalSpy caption(s, &Schnittstellen::formCaption);
        QSignalSpy indikator(s, &Schnittstellen::indikatorGeaendert);
        s->MSCommOeffnen();
        QTRY_VERIFY_WITH_TIMEOUT(pty1->lies().contains("reset;gi;"), 10000);
        pty1->schreibe("OK;S3x1F4;");
        QTRY_COMPARE_WITH_TIMEOUT(runden.count(), 1, 10000);
        QCOMPARE(runden.first(), (QList<QVariant>{3, 500, 0, 0}));
        pty1->schreibe("H:1A;");
        QTRY_COMPARE_WITH_TIMEOUT(s->indikatorFarbe(1), ControlBox::farbeBlau, 10000);
        pty1->schreibe("BR=5;");
        QTRY_VERIFY_WITH_TIMEOUT(
            caption.last().at(0).toString().contains(QStringLiteral("Relais: 5")), 10000);
        // The run's phases reach the box: reset at the first lamp, counting from green.
        Zeitnahmegeraet& box = s->aktiv();
        QVERIFY(box.faehigkeiten().zeitenAbStart && !box.faehigkeiten().misstRundenzeiten);
        QVERIFY(!box.countdownBeginn());
        QTRY_VERIFY_WITH_TIMEOUT(pty1->lies().endsWith(";reset;"), 10000);
        box.gruen();
        QTRY_VERIFY_WITH_TIMEOUT(pty1->lies().endsWith(";reset;reset;b01;"), 10000);
    }

    // The generic serial input takes its lap ports at the first lamp and gives them back at
    // the run's close; the driver follows the settings without a new open.
    void phasenDesSeriellenEingangs() {
        s->MSCommOeffnen();
        QVERIFY(!s->MSComm1()->PortOpen() && !s->MSComm2()->PortOpen());
        s->aktiv().countdownBeginn();
        QVERIFY(s->MSComm1()->PortOpen() && s->MSComm2()->PortOpen());
        s->aktiv().schliessen();
        QVERIFY(!s->MSComm1()->PortOpen() && !s->MSComm2()->PortOpen());
        e.DS300Aktiv = 1;
        e.DSGoStart = 1;
        QVERIFY(s->aktiv().faehigkeiten().startetLaeufe);
        s->aktiv().countdownBeginn();  // the counter's frames need no phase: nothing opens
        QVERIFY(!s->MSComm1()->PortOpen());
    }

    void schalteWorte_data() {
        QTest::addColumn<int>("invers");
        QTest::addColumn<QString>("wort");
        QTest::addColumn<int>("anAus");
        QTest::addColumn<quint8>("daten");
        // Lanes on D0..D5, red lights on D6, D7, C2 (pin 10), C3 (pin 11), green on C0 (pin 8).
        QTest::newRow("Bahn3 on") << 0 << "Bahn3" << 1 << quint8(0x04);
        QTest::newRow("BahnAlle on") << 0 << "BahnAlle" << 1 << quint8(0x3F);
        QTest::newRow("BahnAlle on, inverted") << 1 << "BahnAlle" << 1 << quint8(0x00);
        QTest::newRow("BahnAlle off, inverted") << 1 << "BahnAlle" << 0 << quint8(0x3F);
        QTest::newRow("AmpelAlle on, inverted lanes") << 1 << "AmpelAlle" << 1 << quint8(0xC0);
        QTest::newRow("Ampel2 on") << 0 << "Ampel2" << 1 << quint8(0x40);
        QTest::newRow("unknown word") << 0 << "bahn1" << 1 << quint8(0x00);
        QTest::newRow("Bahn7") << 0 << "Bahn7" << 1 << quint8(0x00);
    }
    void schalteWorte() {
        QFETCH(int, invers);
        QFETCH(QString, wort);
        QFETCH(int, anAus);
        QFETCH(quint8, daten);
        e.LPTAnsteuerung = 1;
        e.BahnStromInvers = invers;
        for (int k = 1; k <= 6; ++k) e.LPTBahn[k] = QStringLiteral("LPT1 %1").arg(k - 1);
        e.LPTAmpel = {QString(),
                      QStringLiteral("AUS"),
                      QStringLiteral("LPT1 6"),
                      QStringLiteral("LPT1 7"),
                      QStringLiteral("LPT1 10"),
                      QStringLiteral("LPT1 11")};
        e.LPTAmpelGruen = QStringLiteral("LPT1 8");
        io->setze(L1, 0);
        io->setze(L1 + 2, 0x0B);  // every control line low
        s->SchalteLPT(wort, anAus);
        QCOMPARE(io->Inp32(L1), daten);
        if (wort == QLatin1String("AmpelAlle"))  // C2 high (bit set), C3 and C0 high (cleared)
            QCOMPARE(io->Inp32(L1 + 2), quint8(0x04 | 0x02));
    }

    // With the control box: lane words to the box; light words to the box only when it drives
    // the lights, else to the parallel port; "AmpelGruen" has no box command.
    void kontrollBoxWorte() {
        e.BEPFEAktiv = 1;
        e.BEPFEmitAmpel = 0;
        e.LPTAnsteuerung = 1;
        QSignalSpy gesendet(s->controlBox(), &ControlBox::sende);
        s->SchalteLPT(QStringLiteral("Bahn3"), 1);
        QCOMPARE(gesendet.count(), 1);
        QCOMPARE(gesendet.first().at(0).toByteArray(), QByteArray("b31;"));
        QCOMPARE(io->schreibZugriffe(), 0);
        s->SchalteLPT(QStringLiteral("Ampel3"), 1);  // LPTAmpel3 = "LPT1 5"
        QCOMPARE(gesendet.count(), 1);
        QCOMPARE(io->Inp32(L1) & 0x20, 0x20);

        e.BEPFEmitAmpel = 1;
        const int vorher = io->schreibZugriffe();
        s->SchalteLPT(QStringLiteral("Ampel2"), 0);
        QCOMPARE(gesendet.last().at(0).toByteArray(), QByteArray("a20;"));
        s->SchalteLPT(QStringLiteral("AmpelGruen"), 1);
        QCOMPARE(gesendet.count(), 2);
        QCOMPARE(io->schreibZugriffe(), vorher);
    }

    // Start-up of the parallel port outputs: reset, lanes on, red off, green on.
    void lptStart() {
        e.LPTAnsteuerung = 1;
        e.LPTAmpelGruen = QStringLiteral("LPT1 9");
        s->LPTStart();
        QCOMPARE(io->Inp32(L1), quint8(0x0F));              // lanes 1..4 on D0..D3, red D4..D7 off
        QCOMPARE(io->Inp32(L1 + 2), quint8(0xCB & ~0x02));  // C1 high
    }

    void zeitstempel() {
        uhr->vorruecken(250);
        QCOMPARE(s->HoleZeitstempel(), uhr->Zeitstempel());
        e.RaceControlAktiv = 1;
        treiber->ticks = 36;  // 7.5 ms
        QCOMPARE(s->HoleZeitstempel(), 8);
        treiber->ticks = 12;  // 2.5 ms: ties to even
        QCOMPARE(s->HoleZeitstempel(), 2);
    }
};

QTEST_GUILESS_MAIN(TstSchnittstellen)
#include "tst_schnittstellen.moc"
