// Laps from the generic serial input and from the parallel port, through the program's own
// path: interfaces object, adapter, engine and lap tables, on the virtual clock. Modem-line
// edges and port samples carry the stamp taken where they were seen; that stamp, not the
// moment of evaluation, makes the lap time.

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <QPointer>

#include "EndeZuEndeUmgebung.h"
#include "hardware/MSComm.h"
#include "hardware/ParallelPort.h"

namespace {

// A pseudo-terminal whose device side the program opens as a COM port.
struct Pty {
    int master = -1;
    QString pfad;
    Pty() {
        int slave = -1;
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0) return;
        // Raw from the start, as a serial line: see TestPty.h.
        termios roh{};
        tcgetattr(slave, &roh);
        cfmakeraw(&roh);
        tcsetattr(slave, TCSANOW, &roh);
        ::close(slave);
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
        pfad = QString::fromLocal8Bit(name);
    }
    ~Pty() {
        if (master >= 0) ::close(master);
    }
};

constexpr quint16 lpt1 = 888;
constexpr quint8 ruhe = 0x80;  // status register with every line low (BUSY is inverted)
constexpr quint8 bahn1 = 0x08;  // S3: "LPT1 12"
constexpr quint8 bahn2 = 0x10;  // S4: "LPT1 13"
constexpr quint8 chaos = 0x40;  // S6: "LPT1 15"

}  // namespace

class TstEndeZuEndeSeriell : public QObject {
    Q_OBJECT

    // Sets the status lines and waits until the sampling thread has handed that sample over.
    static bool setzeStatus(EndeZuEndeUmgebung& u, quint8 status) {
        u.io->setze(lpt1 + 1, status);
        ParallelPort* lpt = u.s->parallelPort();
        auto letzte = [lpt] {
            lpt->uebernehmeProben();
            const int i = (lpt->LPTWerteZaehler() + ParallelPort::ringGroesse - 1) %
                          ParallelPort::ringGroesse;
            return lpt->eintrag(i).LPT1Wert >> 8;
        };
        return QTest::qWaitFor([&] { return letzte() == status; }, 20000);
    }
    static int daten(EndeZuEndeUmgebung& u) { return u.io->Inp32(lpt1); }
    static int steuer(EndeZuEndeUmgebung& u) { return u.io->Inp32(lpt1 + 2); }

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void modemLeitungenMitIhrenStempeln() {
        Pty pty1, pty2;
        QVERIFY(!pty1.pfad.isEmpty() && !pty2.pfad.isEmpty());
        QList<QPointer<FakeModem>> leitungen;
        EndeZuEndeUmgebung u(
            [&](Einstellungen& e) {
                e.ComPfad[1] = pty1.pfad;
                e.ComPfad[2] = pty2.pfad;
                e.CommPort1 = "1";
                e.CommPort2 = "2";
            },
            [&](Schnittstellen& s) {
                s.setModemFabrik([&leitungen] {
                    auto l = std::make_unique<FakeModem>();
                    leitungen << l.get();
                    return l;
                });
            });
        QCOMPARE(u.e.ComControlAktiv, 1);
        QVERIFY(u.s->PortOK(1) && u.s->PortOK(2));
        MSComm* comm1 = u.s->MSComm1();
        MSComm* comm2 = u.s->MSComm2();

        // The lap ports open with countdown phase 5, not before.
        u.rl->cbRAuswahl_Click(2);
        u.rl->setzeGrenze("1");
        u.ablauf->Command2_Click();
        const qint64 start = u.t();
        u.bis(start + 999);
        QVERIFY(!comm1->PortOpen() && !comm2->PortOpen());
        u.bis(start + 1000);
        QVERIFY(comm1->PortOpen() && comm2->PortOpen());
        QCOMPARE(comm1->pfad(), pty1.pfad);
        QCOMPARE(leitungen.size(), 2);
        QPointer<FakeModem> leitung1 = leitungen[0];
        QVERIFY(leitung1 && leitung1->laeuft());

        while (u.z().AmpelPhase != 6 && u.t() < start + 10000) u.uhr.vorruecken(10);
        const qint64 gruen = u.t();
        const qint32 s0 = u.z().StartZeit;
        QCOMPARE(s0, u.stempel());

        // Each edge is handed over well after it was seen; CD is lane 1, DSR lane 2.
        auto kante = [&](qint64 bei, int ereignis, qint32 abGruen) {
            u.bis(gruen + bei);
            leitung1->kanteAusloesen(ereignis, s0 + abGruen);
            u.bis(gruen + bei + 250);
        };
        kante(2000, MSComm::comEvCD, 1873);
        kante(3000, MSComm::comEvDSR, 2222);
        kante(6000, MSComm::comEvCD, 5432);
        QCOMPARE(u.z().LetzterZeitstempel, s0 + 5432);
        kante(9000, MSComm::comEvDSR, 8100);
        kante(12000, MSComm::comEvCD, 9876);
        QStringList erwartet{"1/1 5.432 5.432", "2/1 8.100 8.100", "1/2 4.444 9.876"};
        QCOMPARE(u.runden("aktrennen"), erwartet);

        // Stopped: the ports stay open through the after-run, whose crossings still count.
        while (!u.ablauf->gestoppt() && u.t() < gruen + 70000) u.uhr.vorruecken(10);
        QVERIFY(u.ablauf->gestoppt());
        QVERIFY(comm1->PortOpen() && comm2->PortOpen());
        const qint32 stop = u.stempel();
        leitung1->kanteAusloesen(MSComm::comEvDSR, stop - 17);
        u.bis(u.t() + 130);
        erwartet << QStringLiteral("2/2 %1 %2")
                        .arg((stop - 17 - (s0 + 8100)) / 1000.0, 0, 'f', 3)
                        .arg((stop - 17 - s0) / 1000.0, 0, 'f', 3);
        QCOMPARE(u.runden("aktrennen"), erwartet);

        u.bisLeerlauf(gruen + 120000);
        QVERIFY(!u.z().RennenLaeuft);
        QVERIFY(!comm1->PortOpen() && !comm2->PortOpen());
        QVERIFY(!leitung1 || !leitung1->laeuft());  // the watcher ends with its port
        QCOMPARE(u.runden("histrennen"), erwartet);
    }

    void parallelPort() {
        EndeZuEndeUmgebung u([](Einstellungen& e) {
            e.LPTControlAktiv = 1;
            e.LPTAnsteuerung = 1;
            e.LPTErf[1] = "LPT1 12";
            e.LPTErf[2] = "LPT1 13";
            e.LPTChaos = "LPT1 15";
            e.LPTAmpel = {QString(), "LPT1 4", "LPT1 5", "LPT1 6", "LPT1 7", "LPT1 8"};
            e.LPTAmpelGruen = "LPT1 10";
        });
        QCOMPARE(u.e.ComControlAktiv, 0);
        u.io->setze(lpt1 + 1, ruhe);
        ParallelPort* lpt = u.s->parallelPort();

        // Countdown: one more red lamp per step; lamp 5 sits on an inverted control line
        // (bit 0 clear = line high), green on C2.
        u.rl->cbRAuswahl_Click(2);
        u.rl->setzeGrenze("1");
        u.ablauf->Command2_Click();
        const qint64 start = u.t();
        const int rot[5] = {0x10, 0x30, 0x70, 0xF0, 0xF0};
        for (int k = 1; k <= 5; ++k) {
            u.bis(start + 1000 * k + 50);
            QCOMPARE(daten(u) & 0xF0, rot[k - 1]);
            QCOMPARE(steuer(u) & 0x01, k == 5 ? 0 : 1);
            QCOMPARE(steuer(u) & 0x04, 0);
        }
        QVERIFY(lpt->erfassungLaeuft());
        while (u.z().AmpelPhase != 6 && u.t() < start + 10000) u.uhr.vorruecken(10);
        const qint64 gruen = u.t();
        QCOMPARE(u.z().StartZeit, u.stempel());
        QCOMPARE(daten(u), 0x0F);  // lamps off, all lanes powered
        QCOMPARE(steuer(u) & 0x05, 0x05);

        // A crossing is a line high then low, sampled at gruen + bei and evaluated by the
        // 100 ms timer some time later.
        auto durchfahrt = [&](qint64 bei, quint8 bahn) {
            u.bis(gruen + bei);
            QVERIFY(setzeStatus(u, ruhe | bahn));
            QVERIFY(setzeStatus(u, ruhe));
            u.bis(gruen + bei + 250);
        };
        durchfahrt(1234, bahn1);
        durchfahrt(2000, bahn2);
        durchfahrt(6789, bahn1);
        durchfahrt(9050, bahn2);
        QCOMPARE(u.runden("aktrennen"), QStringList({"1/1 6.789 6.789", "2/1 9.050 9.050"}));

        // The caution line switches caution on and holds the button; low again ends it.
        u.bis(gruen + 15000);
        QVERIFY(setzeStatus(u, ruhe | chaos));
        u.bis(gruen + 15200);
        QVERIFY(u.z().ChaosAktiv);
        QVERIFY(!u.anzeige->istEnabled(Hauptanzeige::cmdChaos));
        QCOMPARE(daten(u), 0xF0);  // power off, red lamps on
        QCOMPARE(steuer(u) & 0x05, 0x00);
        u.bis(gruen + 20000);
        QVERIFY(setzeStatus(u, ruhe));
        u.bis(gruen + 25000);
        QVERIFY(!u.z().ChaosAktiv);
        QVERIFY(u.anzeige->istEnabled(Hauptanzeige::cmdChaos));
        QCOMPARE(daten(u), 0x0F);
        QCOMPARE(steuer(u) & 0x05, 0x05);
        const qint32 chaosZeit = u.z().ChaosZeit;
        QVERIFY(chaosZeit > 4000);

        durchfahrt(30000, bahn1);
        QCOMPARE(u.runden("aktrennen").value(2),
                 QStringLiteral("1/2 23.211 %1").arg((30000 - chaosZeit) / 1000.0, 0, 'f', 3));

        u.bisLeerlauf(gruen + 180000);
        QVERIFY(!u.z().RennenLaeuft);
        QVERIFY(!lpt->erfassungLaeuft());
        QCOMPARE(steuer(u) & 0x04, 0);  // green off
        QCOMPARE(u.runden("histrennen"), u.runden("aktrennen"));
        QCOMPARE(u.runden("histrennen").size(), 3);
    }
};

QTEST_GUILESS_MAIN(TstEndeZuEndeSeriell)
#include "tst_ende_zu_ende_seriell.moc"
