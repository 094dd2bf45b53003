// Start, countdown, race timer and stop on the virtual clock.

#include "Ablaufumgebung.h"

class TestRennablauf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void countdown_data() {
        QTest::addColumn<int>("strom");
        QTest::newRow("Strom ab Lampe 1") << 1;
        QTest::newRow("Strom ab Gruen") << 0;
    }
    void countdown() {
        QFETCH(int, strom);
        Ablaufumgebung u;
        u.z().StromImCountdown = strom;
        u.ablauf->Command2_Click();
        QVERIFY(u.anzeige->startAmpelSichtbar() && !u.anzeige->istEnabled(H::Command5));
        u.bis(1000);
        QVERIFY(u.anzeige->istEnabled(H::Command5));
        QVERIFY(u.hw->aufrufe().contains("CountdownBeginn"));
        QCOMPARE(u.anzeige->lampe(1, 0), H::Lampe::Rot);
        QCOMPARE(u.anzeige->lampe(2, 1), H::Lampe::Aus);
        u.bis(5000);
        QCOMPARE(u.anzeige->lampe(2, 4), H::Lampe::Rot);

        const qint64 gruen = u.bisGruen();
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(u.zeit(QString("switch Ampel%1 1").arg(n)), qint64(n * 1000));
        QCOMPARE(u.zeit("switch BahnAlle 1"), strom == 1 ? 1000 : gruen);
        QCOMPARE(u.zeit("switch AmpelGruen 1"), gruen);
        QCOMPARE(u.zeit("sound aus.wav"), gruen);
        QCOMPARE(u.z().StartZeit, qint32(1000000 + gruen));
        QCOMPARE(u.anzeige->lampe(1, 3), H::Lampe::Gruen);
        QCOMPARE(u.anzeige->lichtAnzeige(), H::Lampe::Gruen);
        // The start light stays up for one more second.
        u.bis(gruen + 990);
        QVERIFY(u.anzeige->startAmpelSichtbar());
        u.bis(gruen + 1000);
        QVERIFY(!u.anzeige->startAmpelSichtbar());
    }

    void gruenNachZufall() {
        QSet<qint64> pausen;
        Ablaufumgebung u;
        for (quint32 saat = 1; saat <= 40; ++saat) {
            u.uhr.setzeSaat(saat);
            const qint64 start = u.t();
            const qint64 pause = u.starteBisGruen() - start - 5000;
            QVERIFY2(pause >= 300 && pause <= 2000 && pause % 100 == 0,
                     qPrintable(QString::number(pause)));
            pausen.insert(pause);
            u.ablauf->Command2_Click();
            u.bisLeerlauf();
        }
        QVERIFY(pausen.size() >= 8);
    }

    void stopImCountdown() {
        Ablaufumgebung u;
        u.ablauf->Command2_Click();
        u.mit.antwort = false;
        u.bis(2500);
        u.ablauf->Command2_Click();
        QCOMPARE(u.zeit("ask Soll der Lauf gestoppt werden?"), 2500);
        u.bis(3000);
        QCOMPARE(u.zeit("switch Ampel3 1"), 3000);
        QVERIFY(u.z().RennenLaeuft && !u.ablauf->gestoppt());

        // Stopped for real: the countdown goes no further, not even during the after-run.
        u.mit.antwort = true;
        u.bis(3500);
        u.ablauf->Command2_Click();
        QVERIFY(u.ablauf->gestoppt());
        u.bisLeerlauf(20000);
        QCOMPARE(u.t(), 4500);
        QCOMPARE(u.zeit("switch Ampel4 1"), -1);
        QCOMPARE(u.zeit("switch AmpelGruen 1"), -1);
        QCOMPARE(u.anzeige->caption(H::Command2), QString("&Start"));
        u.bis(5500);
        QVERIFY(!u.anzeige->startAmpelSichtbar());
        // Stopped before the first lamp: the tables button comes back all the same.
        u.ablauf->Command2_Click();
        u.bis(u.t() + 500);
        u.ablauf->Command2_Click();
        u.bisLeerlauf();
        QVERIFY(u.anzeige->istEnabled(H::Command5));
    }

    void zehnMinutenRennen() {
        Ablaufumgebung u;
        u.rl->cbRAuswahl_Click(2);
        u.rl->setzeGrenze("10");
        const qint64 gruen = u.starteBisGruen();
        u.runde(1, gruen + 3000);
        u.runde(1, gruen + 63000);
        const qint64 ende = u.bisGestoppt(gruen + 700000);
        QCOMPARE(ende, gruen + 600000);
        QCOMPARE(u.anzeige->caption(H::Label1), QString("00:00:00.000"));

        QStringList marken;
        QList<qint64> zeiten;
        for (const QString& s : u.mit.ereignisse) {
            if (s.contains("zu fahren") || s.contains(QRegularExpression("say \\d+ Sekunden$"))) {
                marken << s.section(' ', 2);
                zeiten << s.section(' ', 0, 0).toLongLong() - gruen;
            }
        }
        QCOMPARE(marken, QStringList({"5 Minuten zu fahren", "2 Minuten zu fahren", "60 Sekunden",
                                      "30 Sekunden"}));
        QCOMPARE(zeiten, QList<qint64>({300000, 480000, 540000, 570000}));

        u.bisLeerlauf();
        QCOMPARE(u.t(), ende + 1000);
        QVERIFY(u.gesagt().contains("Das Rennen ist beendet. Die Ergebnisse:"));
        QCOMPARE(u.db.wert("select count(*) from histrennen").toInt(), 1);
        QVERIFY(!u.anzeige->istVisible(H::Fortschritt) && !u.anzeige->istVisible(H::cmdChaos));
    }

    void zwanzigRunden() {
        Ablaufumgebung u;
        u.rl->cbRAuswahl_Click(3);
        u.rl->setzeGrenze("20");
        const qint64 gruen = u.starteBisGruen();
        // Lane 1 laps every 2.0 s, lane 2 every 2.05 s; the first crossing is no lap.
        QList<std::pair<qint64, int>> folge;
        for (int k = 0; k <= 20; ++k) {
            folge.append({gruen + 1000 + k * 2000, 1});
            folge.append({gruen + 1010 + k * 2050, 2});
        }
        std::sort(folge.begin(), folge.end());
        const qint64 letzte = gruen + 41000;  // lane 1's twentieth lap
        // The bar counts the leader's laps down from the limit.
        QVERIFY(u.anzeige->istVisible(H::Fortschritt));
        QCOMPARE(u.anzeige->caption(H::Fortschritt), QString("Noch 20 Runden"));
        for (const auto& [zeitpunkt, bahn] : folge) {
            if (zeitpunkt > letzte) break;
            u.runde(bahn, zeitpunkt);
            if (zeitpunkt == gruen + 39000) {  // lane 1's nineteenth
                u.bis(zeitpunkt + 200);
                QCOMPARE(u.anzeige->caption(H::Fortschritt), QString("Noch 1 Runde"));
                QCOMPARE(u.anzeige->fortschritt(), 5);
            }
        }
        u.bisGestoppt(gruen + 50000);
        QCOMPARE(u.zeit("switch AmpelGruen 0"), letzte + 120 - (letzte - gruen) % 120);
        QCOMPARE(u.z().Runden[2], qint16(19));
        // Lane 2 finishes its lap during the after-run and it counts.
        u.runde(2, gruen + 1010 + 20 * 2050);
        u.bisLeerlauf();
        QCOMPARE(u.z().Runden[1], qint16(20));
        QCOMPARE(u.z().Runden[2], qint16(20));
    }

    void grenzeOhneUeberlauf() {
        Ablaufumgebung u;
        u.rl->setzeGrenze("40000");  // 2.4 billion ms: beyond 32 bits
        const qint64 gruen = u.starteBisGruen();
        u.bis(gruen + 1200);
        qint64 rest = 0;
        u.ablauf->ZeitZaehler(rest);
        QCOMPARE(rest, 2400000000LL - 1200);
        QCOMPARE(u.anzeige->fortschritt(), 100);
        QVERIFY(!u.ablauf->gestoppt());

        Ablaufumgebung null;
        null.rl->setzeGrenze("0");
        null.starteBisGruen();
        null.uhr.vorruecken(120);
        QCOMPARE(null.anzeige->fortschritt(), 1);
        QVERIFY(null.ablauf->gestoppt());
    }

    void stopNurEinmal() {
        // The box's light reset waits; a second stop request arrives during that wait.
        struct WartendeBox : ProtokollHardware {
            using ProtokollHardware::ProtokollHardware;
            Rennablauf* ablauf = nullptr;
            VirtuelleUhr* uhr = nullptr;
            void Stopp() override {
                ProtokollHardware::Stopp();
                uhr->Warte(0.1);
                ablauf->StopRennen();
                uhr->Warte(0.2);
            }
        };
        WartendeBox* box = nullptr;
        Ablaufumgebung u(
            [](EinstellungsSpeicher& s) {
                s.speichere("LapsterAktiv", "1");
                s.speichere("LAPSTERmitAmpel", "1");
            },
            [&box](VirtuelleUhr& uhr) { return box = new WartendeBox(uhr); });
        box->ablauf = u.ablauf;
        box->uhr = &u.uhr;
        const qint64 gruen = u.starteBisGruen();
        u.bis(gruen + 5000);
        u.ablauf->Command2_Click();
        QCOMPARE(u.t(), gruen + 5300);
        u.ablauf->Command2_Click();  // during the after-run: no second question
        u.bisLeerlauf();
        QCOMPARE(u.t(), gruen + 6300);
        QCOMPARE(u.anzahl("ask "), 1);
        QCOMPARE(u.hw->aufrufe().count("Stopp"), 1);
        QCOMPARE(u.zeit("sound an.wav", 6), gruen + 5300);  // CountDown(6), once
        QCOMPARE(u.zeit("sound an.wav", 7), -1);
    }
};

QTEST_GUILESS_MAIN(TestRennablauf)
#include "tst_rennablauf.moc"
