// Caution mode: freezing, restart sequence, time accounting and the triggers.

#include "Ablaufumgebung.h"

class TestChaosmodus : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void dreissigSekunden() {
        Ablaufumgebung u;
        u.rl->cbRAuswahl_Click(2);
        u.rl->setzeGrenze("5");
        const qint64 g = u.starteBisGruen();
        u.runde(1, g + 1000);
        u.runde(1, g + 20000);
        u.bis(g + 60000);
        u.mit.ereignisse.clear();
        u.ablauf->chaos().cmdChaos_Click();  // returns after its one second
        QCOMPARE(u.t(), g + 61000);
        QVERIFY(u.z().ChaosAktiv && !u.ablauf->timer5().isActive());
        QCOMPARE(u.ablauf->phase(), Laufphase::Chaos);
        QCOMPARE(u.zeit("say Achtung CHAOS!     CHAOS!     CHAOS!"), g + 60000);
        QCOMPARE(u.zeit("switch BahnAlle 0"), g + 60000);
        QCOMPARE(u.anzeige->caption(H::cmdChaos), QString("Chaos Ende"));
        QCOMPARE(u.anzeige->caption(H::Label1), QString("Chaos"));
        QVERIFY(u.anzeige->label1Chaos());
        QCOMPARE(u.anzeige->startAmpelCaption(), QString("CHAOS CHAOS CHAOS"));
        QCOMPARE(u.anzeige->lampe(1, 0), H::Lampe::Rot);
        QCOMPARE(u.anzeige->lampe(2, 4), H::Lampe::Rot);
        u.runde(2, g + 70000);  // dropped: caution

        u.bis(g + 90000);
        u.ablauf->chaos().cmdChaos_Click();
        QCOMPARE(u.t(), g + 93000);  // the three-second restart
        QCOMPARE(u.z().ChaosZeit, 30000);
        QCOMPARE(u.z().ChaosDauer[3], 30000);
        QCOMPARE(u.zeit("switch BahnAlle 1"), g + 93000);
        QCOMPARE(u.anzeige->lampe(1, 2), H::Lampe::Gruen);
        QVERIFY(!u.anzeige->label1Chaos());
        u.bis(g + 94000);
        QVERIFY(!u.anzeige->startAmpelSichtbar());
        QCOMPARE(u.ablauf->phase(), Laufphase::Rennen);

        // Totals leave the caution out; the end moves by 30 s, not 33.
        u.runde(1, g + 100000);
        u.uhr.vorruecken(120);
        QCOMPARE(u.z().GesamtZeit[1], 70000);
        QCOMPARE(u.db.wert("select RennInfo from aktrennen where Runde=2").toString(),
                 QString(" C-30000"));
        const qint64 ende = u.bisGestoppt(g + 400000) - g;
        QVERIFY2(ende >= 330000 && ende < 330120, qPrintable(QString::number(ende)));
        QCOMPARE(u.z().Runden[2], qint16(0));
    }

    void neustartZaehltEinmal() {
        Ablaufumgebung u([](EinstellungsSpeicher& s) { s.speichere("LPTChaos", "LPT1 13"); });
        const qint64 g = u.starteBisGruen();
        QVERIFY(u.ablauf->chaos().eingangsTimerAktiv());
        // The caution input line: on for 10 s, then off.
        u.hw->setzeChaosEingang(true);
        u.bis(g + 2000);
        QVERIFY(u.z().ChaosAktiv);
        // During the restart: a second end, a button press and a crossing.
        bool imNeustart = false;
        UhrTimer* eingriff = u.uhr.neuerTimer();
        eingriff->setSingleShot(true);
        QObject::connect(eingriff, &UhrTimer::timeout, [&] {
            imNeustart = u.ablauf->chaos().startetNeu();
            u.ablauf->chaos().ChaosAus();
            u.ablauf->chaos().cmdChaos_Click();
            u.rl->GetPortnummer(1);
        });
        u.bis(g + 10000);
        u.hw->setzeChaosEingang(false);
        eingriff->start(1000);
        u.bis(g + 16000);
        QVERIFY(imNeustart);
        QVERIFY(!u.z().ChaosAktiv);
        const qint32 dauer = u.z().ChaosZeit;
        QVERIFY2(dauer > 8500 && dauer <= 10500, qPrintable(QString::number(dauer)));
        QCOMPARE(u.z().ChaosDauer[1], dauer);
        QCOMPARE(u.z().BahnGestartet[1], false);
        QCOMPARE(u.anzahl("say CHAOS Ende!"), 1);
    }

    void ausloeserIgnoriert() {
        // Runs by laps have no caution: the button says so by being disabled.
        Ablaufumgebung runden;
        runden.rl->cbRAuswahl_Click(3);
        runden.starteBisGruen();
        QVERIFY(!runden.anzeige->istEnabled(Hauptanzeige::cmdChaos));
        runden.ablauf->chaos().cmdChaos_Click();
        runden.ablauf->chaos().Label1_Click();
        QVERIFY(!runden.z().ChaosAktiv);

        // Caution in the countdown: power off at once, no time credited, and its end starts
        // the lights again from the first lamp.
        Ablaufumgebung countdown;
        countdown.ablauf->Command2_Click();
        countdown.bis(2500);
        countdown.ablauf->chaos().cmdChaos_Click();
        QVERIFY(countdown.z().ChaosAktiv);
        QCOMPARE(countdown.zeit("switch BahnAlle 0"), 2500);
        QCOMPARE(countdown.anzeige->lichtAnzeige(), Hauptanzeige::Lampe::Rot);
        QCOMPARE(countdown.anzeige->startAmpelCaption(), QStringLiteral("CHAOS CHAOS CHAOS"));
        countdown.bis(6000);
        QCOMPARE(countdown.z().AmpelPhase, quint8(3));  // frozen at lamp 2
        countdown.ablauf->chaos().cmdChaos_Click();
        QVERIFY(!countdown.z().ChaosAktiv);
        QCOMPARE(countdown.z().ChaosZeit, 0);
        QCOMPARE(countdown.z().ChaosDauer[1], 0);
        QCOMPARE(countdown.anzeige->startAmpelCaption(), QStringLiteral("Rennstart"));
        const int ersteLampe = countdown.anzahl("switch Ampel1 1");
        countdown.bis(7000);
        QCOMPARE(countdown.anzahl("switch Ampel1 1"), ersteLampe + 1);

        // The clock label starts caution, but never ends it.
        const qint64 g = countdown.bisGruen();
        QVERIFY(g >= 7000 + 4000 + 300);
        countdown.bis(g + 500);
        countdown.ablauf->chaos().Label1_Click();
        QVERIFY(countdown.z().ChaosAktiv);
        QVERIFY(countdown.anzeige->startAmpelSichtbar());  // its close was pending
        countdown.bis(g + 5000);
        countdown.ablauf->chaos().Label1_Click();
        QVERIFY(countdown.z().ChaosAktiv);
    }

    void dsZaehler() {
        Ablaufumgebung u([](EinstellungsSpeicher& s) { s.speichere("DS300Aktiv", "1"); });
        const qint64 g = u.starteBisGruen();
        u.ablauf->chaos().cmdChaos_Click();
        QCOMPARE(u.zeit("message Bitte die DSx00 Buttons verwenden!"), g);
        QVERIFY(!u.z().ChaosAktiv);
        // Through the device: the counter times its laps itself, so no caution time.
        u.ablauf->chaos().ChaosAN();
        u.bis(g + 5000);
        u.ablauf->chaos().ChaosAus();
        QCOMPARE(u.z().ChaosZeit, 0);
        QCOMPARE(u.z().ChaosDauer[2], 5000);

        // So does the USB box.
        Ablaufumgebung usb([](EinstellungsSpeicher& s) { s.speichere("LapsterAktiv", "1"); });
        const qint64 gu = usb.starteBisGruen();
        usb.ablauf->chaos().cmdChaos_Click();
        usb.bis(gu + 5000);
        usb.ablauf->chaos().cmdChaos_Click();
        QCOMPARE(usb.z().ChaosZeit, 0);
        QCOMPARE(usb.z().ChaosDauer[2], 5000);
    }

    void stopWaehrendChaos() {
        Ablaufumgebung u;
        const qint64 g = u.starteBisGruen();
        u.bis(g + 3000);
        u.ablauf->chaos().cmdChaos_Click();
        u.bis(g + 8000);
        u.ablauf->Command2_Click();  // stop, answered yes
        QVERIFY(!u.z().ChaosAktiv);
        QCOMPARE(u.z().ChaosZeit, 5000);
        QVERIFY(u.ablauf->timer5().isActive());  // the after-run still evaluates
        u.ablauf->chaos().cmdChaos_Click();      // hidden now
        u.bisLeerlauf();
        QVERIFY(!u.z().ChaosAktiv && !u.ablauf->timer5().isActive());
        QCOMPARE(u.anzeige->caption(H::cmdChaos), QString("Chaos"));
        // The next run counts down and runs as usual.
        const qint64 g2 = u.starteBisGruen();
        u.runde(1, g2 + 1000);
        u.runde(1, g2 + 6000);
        u.uhr.vorruecken(120);
        QCOMPARE(u.z().Runden[1], qint16(1));
    }
};

QTEST_GUILESS_MAIN(TestChaosmodus)
#include "tst_chaosmodus.moc"
