// The lap path: entry filters, false starts, the buffer, debounce, first crossing and lap,
// the timing sources' time values, standings, announcements and lap rows.

#include "Rennumgebung.h"

class TestRundenpfad : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void ohneWirkung_data() {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<int>("eingang");
        QTest::newRow("kein Lauf") << "kein Lauf" << 1;
        QTest::newRow("Chaos") << "Chaos" << 1;
        QTest::newRow("Eingang 5 bei vier Bahnen") << "" << 5;
        QTest::newRow("Eingang 0") << "" << 0;
    }
    void ohneWirkung() {
        QFETCH(QString, fall);
        QFETCH(int, eingang);
        Rennumgebung u;
        u.starteLauf();
        if (fall == "kein Lauf") u.z().RennenLaeuft = false;
        if (fall == "Chaos") u.z().ChaosAktiv = true;
        u.rl->RundenErfassung(eingang, u.nachGruen(2000));
        QVERIFY(u.ansage.toene.isEmpty());
        QVERIFY(!u.z().RundeWartet);
        QCOMPARE(u.rl->wartendeRunden(), 0);
    }

    // Numbers no array has room for are refused and traced, never used as an index.
    void ungueltigeNummern_data() {
        QTest::addColumn<int>("eingang");
        QTest::addColumn<int>("fahrerNr");
        QTest::newRow("Eingang 7") << 7 << 2;
        QTest::newRow("Eingang -1") << -1 << 2;
        QTest::newRow("FahrerNr 9") << 2 << 9;
        QTest::newRow("FahrerNr -3") << 2 << -3;
    }
    void ungueltigeNummern() {
        QFETCH(int, eingang);
        QFETCH(int, fahrerNr);
        Rennumgebung u;
        u.db.execute("update positionen set FahrerNr=? where Bahn=2", {fahrerNr});
        u.starteLauf();
        u.rl->RundenErfassung(eingang, u.nachGruen(2000));
        u.rl->RundenErfassung(eingang, u.nachGruen(12000));
        u.tick();
        QCOMPARE(u.rl->wartendeRunden(), 0);
        QCOMPARE(u.anzahl("aktrennen"), 0);
        QVERIFY(u.imLog("ignoriert"));
    }

    void ersteRundeAbGruenOderErsterDurchfahrt_data() {
        QTest::addColumn<int>("startZeitBei");
        QTest::addColumn<int>("ersteRunde");
        QTest::newRow("ab Grün") << 1 << 12500;
        QTest::newRow("ab erster Durchfahrt") << 0 << 10000;
    }
    void ersteRundeAbGruenOderErsterDurchfahrt() {
        QFETCH(int, startZeitBei);
        QFETCH(int, ersteRunde);
        Rennumgebung u;
        u.e.StartZeitBei = startZeitBei;
        u.starteLauf();
        u.runde(1, u.nachGruen(2500));
        QCOMPARE(u.anzahl("aktrennen"), 0);  // the first crossing is never a lap
        u.runde(1, u.nachGruen(12500));
        QCOMPARE(u.z().LetzteRunde[1], ersteRunde);
        QCOMPARE(u.z().GesamtZeit[1], ersteRunde);
        QCOMPARE(u.spalte("Zeit"), QStringList{QString::number(ersteRunde / 1000.0)});
        QCOMPARE(u.ansage.toene.size(), 2);  // a beep for every crossing
    }

    void prellZeit_data() {
        QTest::addColumn<int>("abstand");
        QTest::addColumn<int>("runden");
        QTest::newRow("800 ms") << 800 << 1;
        QTest::newRow("genau PrellZeit") << 1000 << 1;
        QTest::newRow("eine ms mehr") << 1001 << 2;
    }
    void prellZeit() {
        QFETCH(int, abstand);
        QFETCH(int, runden);
        Rennumgebung u;
        u.starteLauf();
        u.runde(1, u.nachGruen(500));
        u.runde(1, u.nachGruen(9000));
        u.runde(1, u.nachGruen(9000 + abstand));
        QCOMPARE(u.anzahl("aktrennen"), runden);
    }

    void gleicheRundeIstKeineNeueBestzeit() {
        Rennumgebung u;
        u.starteLauf();
        u.runde(1, u.nachGruen(1000));
        for (int t : {10000, 19000, 28000}) u.runde(1, u.nachGruen(t));
        QCOMPARE(u.z().BesteRunde[1], 9000);
        QCOMPARE(u.z().BesteRundeNr[1], qint16(2));
        QCOMPARE(u.spalte("RennInfo"), (QStringList{"SR ", "SR ", ""}));
        QCOMPARE(u.wert("select ZurVorRunde from positionen where Bahn=1").toInt(), 1);
    }

    // Crossings of one tick are evaluated in the order they arrived.
    void pufferInAnkunftsreihenfolge() {
        Rennumgebung u;
        u.starteLauf();
        for (int b : {1, 2, 3}) u.rl->RundenErfassung(b, u.nachGruen(1000));
        u.tick();
        for (int b : {3, 1, 2, 3, 1, 2, 3}) u.rl->RundenErfassung(b, u.nachGruen(9000 + 10 * b));
        QCOMPARE(u.rl->wartendeRunden(), 7);
        u.tick();
        QCOMPARE(u.spalte("Bahn"), (QStringList{"3", "1", "2"}));
        QCOMPARE(u.rl->wartendeRunden(), 0);
    }

    void buendelVonZwoelfDurchfahrten_data() {
        QTest::addColumn<int>("zweiterAbstand");
        QTest::addColumn<int>("runden");
        QTest::newRow("Kontaktprellen") << 40 << 6;
        QTest::newRow("zwei Runden je Bahn") << 1500 << 12;
    }
    void buendelVonZwoelfDurchfahrten() {
        QFETCH(int, zweiterAbstand);
        QFETCH(int, runden);
        Rennumgebung u;
        u.e.AnzBahnen = 6;
        u.starteLauf();
        for (int b = 1; b <= 6; ++b) u.rl->RundenErfassung(b, u.nachGruen(1000 + b));
        u.tick();
        for (int b = 1; b <= 6; ++b) {
            u.rl->RundenErfassung(b, u.nachGruen(8000 + b));
            u.rl->RundenErfassung(b, u.nachGruen(8000 + b + zweiterAbstand));
        }
        u.tick();
        QCOMPARE(u.anzahl("aktrennen"), runden);
        for (int b = 1; b <= 6; ++b) QCOMPARE(int(u.z().Runden[size_t(b)]), runden / 6);
    }

    void zeitwerteDerQuellen_data() {
        QTest::addColumn<QString>("quelle");
        QTest::addColumn<QList<int>>("werte");
        QTest::addColumn<QList<int>>("runden");
        QTest::addColumn<int>("gesamt");
        // Lap counters send lap times; the first value only starts the lane.
        QTest::newRow("DS200") << "DS200" << QList<int>{3000, 5000, 4500} << QList<int>{5000, 4500}
                               << 9500;
        QTest::newRow("DS300") << "DS300" << QList<int>{3000, 5000, 4500} << QList<int>{5000, 4500}
                               << 9500;
        QTest::newRow("USB-Box") << "Lapster" << QList<int>{3000, 5000, 4500}
                                 << QList<int>{5000, 4500} << 9500;
        // The control box sends its own time since green.
        QTest::newRow("Steuerbox")
            << "BEPFE" << QList<int>{15000, 27000, 36500} << QList<int>{27000, 9500} << 36500;
    }
    void zeitwerteDerQuellen() {
        QFETCH(QString, quelle);
        QFETCH(QList<int>, werte);
        QFETCH(QList<int>, runden);
        QFETCH(int, gesamt);
        Rennumgebung u;
        u.e.DS200Aktiv = quelle == "DS200";
        u.e.DS300Aktiv = quelle == "DS300";
        u.e.LapsterAktiv = quelle == "Lapster";
        u.e.BEPFEAktiv = quelle == "BEPFE";
        u.starteLauf();
        QCOMPARE(u.e.ComControlAktiv, 0);
        QList<int> gezaehlt;
        for (int w : werte) {
            u.runde(1, w);
            if (u.z().Runden[1] > gezaehlt.size()) gezaehlt << u.z().LetzteRunde[1];
        }
        QCOMPARE(gezaehlt, runden);
        QCOMPARE(u.z().GesamtZeit[1], gesamt);
    }

    // Laps a counter counted unseen (its cable was out) arrive with the next one: the panel's
    // lap list names each of them, not only the last.
    void unbemerktGezaehlteRundenInDerListe() {
        Rennumgebung u;
        u.e.DS300Aktiv = 1;
        u.starteLauf();
        u.runde(1, 3000);  // starts the lane
        u.runde(1, 5000);
        u.rl->RundenErfassung(1, 4500, 0, 2);
        u.tick();
        const SlotWerte* p = u.rl->GetSlotAnzeigeFromBahn(1);
        QCOMPARE(p->ReturnRunden(), 4.0);
        QCOMPARE(p->rundenListe().size(), 4);
        QVERIFY2(p->rundenListe().first().startsWith("004-") && p->rundenListe().last().startsWith("001-"),
                 qPrintable(p->rundenListe().join(' ')));
    }

    void steuerboxZeitAufGruenBezogen() {
        Rennumgebung u;
        u.e.BEPFEAktiv = 1;
        u.e.StartZeitBei = 0;
        u.starteLauf();
        QCOMPARE(u.z().StartZeit, 1000000);
        u.runde(1, 15000);
        QCOMPARE(u.z().BahnStartZeit[1], 1015000);
        QCOMPARE(u.z().RundenStart[1], 1015000);
    }

    void fruehstartEinmalAngesagt() {
        Rennumgebung u;
        u.starteLauf();
        u.z().AmpelPhase = 3;
        QSignalSpy spy(u.rl.get(), &Rennleitung::fruehstart);
        u.rl->RundenErfassung(2, u.jetzt());
        u.rl->RundenErfassung(2, u.jetzt() + 1500);
        QCOMPARE(u.ansage.gesprochen, QStringList{"Fahrer 2 Frühstart!"});
        QCOMPARE(spy.size(), 2);
        QVERIFY(u.rl->GetSlotAnzeigeFromBahn(2)->fruehstart());
        QCOMPARE(u.rl->wartendeRunden(), 0);

        // Green: the lane's first counted lap carries the mark instead of "SR ".
        u.z().AmpelPhase = 6;
        u.runde(2, u.nachGruen(1000));
        u.runde(2, u.nachGruen(10000));
        u.runde(2, u.nachGruen(20500));
        QCOMPARE(u.spalte("RennInfo"), (QStringList{"FS", ""}));
        QVERIFY(u.z().FruehstartMarke[2]);

        // Only MyInit clears the mark, so the next run announces again.
        u.starteLauf();
        u.z().AmpelPhase = 2;
        u.rl->RundenErfassung(2, u.jetzt());
        QCOMPARE(u.ansage.gesprochen, QStringList{"Fahrer 2 Frühstart!"});
    }

    void fruehstartOhneZeileNenntDieBahn() {
        Rennumgebung u;
        u.e.RaceControlAktiv = 1;
        u.e.RaceControlPort[1] = 6;  // lane 6 is not in use
        u.starteLauf();
        u.z().AmpelPhase = 1;
        u.rl->RundenErfassung(1, u.jetzt());
        QCOMPARE(u.ansage.gesprochen, QStringList{"Bahn 1 Frühstart!"});
    }

    void ohneFruehstartPruefungZaehltNachGruen() {
        Rennumgebung u;
        u.e.Fruehstart = 0;
        u.starteLauf();
        u.z().AmpelPhase = 4;
        u.rl->RundenErfassung(1, u.jetzt());
        QCOMPARE(u.rl->wartendeRunden(), 1);
        QVERIFY(u.ansage.gesprochen.isEmpty());
        u.z().AmpelPhase = 6;
        u.tick();
        QVERIFY(u.z().BahnGestartet[1]);
    }

    // A slot whose row is missing must not edit another lane's row.
    void slotOhneZeileAendertNichts() {
        Rennumgebung u;
        u.e.RaceControlAktiv = 1;
        u.e.RaceControlPort[1] = 6;  // lane 6 is not in use
        u.starteLauf();
        const QVariant vorher = u.wert(
            "select group_concat(Runden||'/'||AktRunde||'/'||Schnellste"
            "||'/'||Platz, ';') from positionen");
        u.runde(1, u.nachGruen(1000));
        u.runde(1, u.nachGruen(10000));
        QCOMPARE(u.z().Runden[6], qint16(1));
        QCOMPARE(u.anzahl("aktrennen"), 0);
        QVERIFY(u.ansage.gesprochen.isEmpty());
        QCOMPARE(u.wert("select group_concat(Runden||'/'||AktRunde||'/'||Schnellste||'/'||Platz, "
                        "';') from positionen"),
                 vorher);
        QVERIFY(u.imLog("AktPositionen: keine Zeile in positionen mit FahrerNr=6"));
    }

    void fuehrungswechselEinmalAngesagt() {
        Rennumgebung u;
        u.rl->cbRAuswahl_Click(3);  // R-Runden
        u.starteLauf();
        u.runde(1, u.nachGruen(1000));
        u.runde(2, u.nachGruen(1100));
        u.runde(1, u.nachGruen(10000));
        u.runde(2, u.nachGruen(10500));
        u.runde(2, u.nachGruen(19000));
        u.runde(2, u.nachGruen(28000));
        u.runde(1, u.nachGruen(28500));
        const QStringList fuehrung = u.ansage.gesprochen.filter("übernimmt die Führung");
        QCOMPARE(fuehrung, QStringList{"Fahrer 2 übernimmt die Führung"});
        QCOMPARE(u.spalte("RennInfo").filter("P1"), QStringList{"SR  P1"});
        QCOMPARE(u.wert("select group_concat(Bahn) from (select Bahn from positionen where "
                        "Bahn<=4 order by Platz)")
                     .toString(),
                 QStringLiteral("2,1,3,4"));
    }

    void ansagenUndVergleichMitVorrunde() {
        Rennumgebung u;
        u.e.MeldungAbRunde[5] = 1;
        u.starteLauf();
        u.runde(1, u.nachGruen(1000));
        u.runde(1, u.nachGruen(10000));  // 10.0 s
        QCOMPARE(u.ansage.gesprochen.last(), "Fahrer 1 fährt neue Bestzeit mit 10,000 Sekunden");
        u.ansage.gesprochen.clear();
        u.runde(1, u.nachGruen(20500));  // 10.5 s: slower
        QCOMPARE(u.wert("select ZurVorRunde from positionen where Bahn=1").toInt(), 2);
        u.runde(1, u.nachGruen(30700));  // 10.2 s: faster than the lap before, not best
        QCOMPARE(u.ansage.gesprochen, QStringList{"Fahrer 1 wird schneller"});
        QCOMPARE(u.wert("select ZurVorRunde from positionen where Bahn=1").toInt(), 0);
        u.ansage.gesprochen.clear();
        u.runde(1, u.nachGruen(40900));  // same again: nothing to say
        QVERIFY(u.ansage.gesprochen.isEmpty());
        QCOMPARE(u.wert("select ZurVorRunde from positionen where Bahn=1").toInt(), 1);
        u.rl->setzeRZeitAnsage(1);
        u.runde(1, u.nachGruen(50000));
        QCOMPARE(u.ansage.gesprochen, QStringList{"9,100"});
    }

    void rundenzeileUndGeschwindigkeit() {
        Rennumgebung u;
        u.db.execute("update positionen set Laenge=3000, Strecke='Keller' where Bahn=1");
        u.e.PrellZeit = -1;  // lets a lap of 0 ms through
        u.starteLauf();
        u.z().ChaosDauer[1] = 30000;  // waits for the first lap row, not the first crossing
        u.runde(1, u.nachGruen(2000));
        u.runde(1, u.nachGruen(12000));
        u.runde(1, u.nachGruen(12000));
        QCOMPARE(u.wert("select Fahrer||'|'||Auto||'|'||Strecke||'|'||Runde||'|'||Zeit||'|'||"
                        "Gesamt||'|'||MProSec||'|'||RennInfo||'|'||Bahn||'|'||RennName||'|'||"
                        "RennArt from aktrennen order by lfdnr limit 1")
                     .toString(),
                 QStringLiteral("Fahrer 1|Auto 1|Keller|1|12.0|12.0|0.25|SR  C-30000|1|Training|"
                                "Training"));
        QCOMPARE(u.spalte("MProSec"), (QStringList{"0.25", "0"}));
        QCOMPARE(u.spalte("RennInfo"), (QStringList{"SR  C-30000", "SR "}));
        QCOMPARE(u.wert("select AktGeschw from positionen where Bahn=1").toDouble(), 0.0);
        QCOMPARE(u.wert("select SchnellsteGeschw from positionen where Bahn=1").toDouble(), 0.0);
    }

    void panelsNachStandGestapelt() {
        Rennumgebung u;
        u.rl->cbRAuswahl_Click(3);
        u.starteLauf();
        QCOMPARE(u.rl->panelReihenfolge(), (QVector<int>{1, 2, 3, 4}));
        for (int b = 1; b <= 4; ++b) u.rl->RundenErfassung(b, u.nachGruen(1000 + b));
        u.tick();
        const QList<QPair<int, int>> runden = {
            {3, 9000}, {1, 9500}, {4, 9700}, {3, 18000}, {1, 18900}};
        for (const auto& [b, t] : runden) u.runde(b, u.nachGruen(t));
        QCOMPARE(u.rl->panelReihenfolge(), (QVector<int>{3, 1, 4, 2}));
        SlotWerte* erster = u.rl->GetSlotAnzeigeFromPosition(1);
        QCOMPARE(erster->ReturnBahn(), 3);
        QCOMPARE(erster->ReturnRunden(), 2.0);
        QCOMPARE(erster->ReturnGesamtZeit(), 18000.0);
        QCOMPARE(u.wert("select group_concat(Bahn) from (select Bahn from positionen where "
                        "Bahn<=4 order by Platz)")
                     .toString(),
                 QStringLiteral("3,1,4,2"));
    }

    void trainingMitFesterAnzeigeBehaeltBahnfolge() {
        Rennumgebung u;
        u.e.AnzeigeSort = 1;
        u.starteLauf();
        u.runde(4, u.nachGruen(1000));
        u.runde(4, u.nachGruen(9000));
        QCOMPARE(u.rl->panelReihenfolge(), (QVector<int>{1, 2, 3, 4}));
        QCOMPARE(u.rl->GetSlotAnzeigeFromBahn(4)->ReturnPosition(), 1);
    }

    // Another connection sees every evaluated lap as soon as the tick is over.
    void rundeVorDemNaechstenTickGespeichert() {
        Rennumgebung u;
        u.starteLauf();
        u.runde(1, u.nachGruen(1000));
        u.rl->RundenErfassung(1, u.nachGruen(9000));
        u.rl->RundenErfassung(2, u.nachGruen(9100));
        u.tick();
        Datenbank zweite(QStringLiteral("zweite"));
        QVERIFY(zweite.oeffne(u.db.pfad()));
        QCOMPARE(zweite.wert("select count(*) from aktrennen").toInt(), 1);
        QCOMPARE(zweite.wert("select Runden from positionen where Bahn=1").toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRundenpfad)
#include "tst_rundenpfad.moc"
