// Race state: interface choice and resets, race mode, ranking choice, limit and race name,
// announcement masks and texts, and the values of a lane panel.

#include "Rennumgebung.h"

namespace {
QStringList schaltungen(const ProtokollHardware& hw) {
    return hw.aufrufe().filter(QRegularExpression(QStringLiteral("^SchalteLPT ")));
}
}  // namespace

class TestRennzustand : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void schnittstellenwahl_data() {
        QTest::addColumn<QStringList>("aktiv");
        QTest::addColumn<int>("com");
        QTest::addColumn<QString>("bleibt");
        QTest::newRow("zwei Quellen") << QStringList{"BEPFEAktiv", "DS200Aktiv"} << 1 << "";
        QTest::newRow("keine") << QStringList{} << 1 << "";
        QTest::newRow("nur DS300") << QStringList{"DS300Aktiv"} << 0 << "DS300Aktiv";
    }
    void schnittstellenwahl() {
        QFETCH(QStringList, aktiv);
        QFETCH(int, com);
        QFETCH(QString, bleibt);
        Rennumgebung u([&](EinstellungsSpeicher& s) {
            for (const QString& k : aktiv) s.speichere(k, "1");
        });
        u.rl->MyInit();
        QCOMPARE(u.e.ComControlAktiv, com);
        const int summe = u.e.BEPFEAktiv + u.e.RaceControlAktiv + u.e.DS200Aktiv + u.e.DS300Aktiv +
                          u.e.LPTControlAktiv + u.e.LapsterAktiv;
        QCOMPARE(summe, bleibt.isEmpty() ? 0 : 1);
        if (!bleibt.isEmpty()) QCOMPARE(u.e.DS300Aktiv, 1);
        // Only the running program falls back; the stored settings stay as they were.
        for (const QString& k : aktiv) QCOMPARE(u.speicher.hole(k), QStringLiteral("1"));
    }

    void bahnanzahl_data() {
        QTest::addColumn<int>("gespeichert");
        QTest::addColumn<int>("bahnen");
        for (auto [g, b] : {std::pair{7, 4}, {1, 4}, {2, 2}, {6, 6}})
            QTest::addRow("%d", g) << g << b;
    }
    void bahnanzahl() {
        QFETCH(int, gespeichert);
        QFETCH(int, bahnen);
        Rennumgebung u;
        u.e.AnzBahnen = qint16(gespeichert);
        u.rl->MyInit();
        QCOMPARE(int(u.e.AnzBahnen), bahnen);
        QCOMPARE(u.rl->panelReihenfolge().size(), bahnen);
    }

    void myInitSetztZurueckUndVeroeffentlichtLeereBahnen() {
        Rennumgebung u;
        u.db.execute(
            "update positionen set Runden=5, Schnellste=12000, SchnellsteRunde=3, "
            "AktRunde=11000, Gesamt=60000 where Bahn=1");
        u.z().RennenLaeuft = true;
        u.z().StartZeit = 5;
        u.z().ChaosZeit = 700;
        u.z().FruehstartMarke[1] = true;
        u.z().ChaosDauer[2] = 500;
        u.rl->MyInit();
        QCOMPARE(u.wert("select Runden||'/'||Gesamt||'/'||Schnellste||'/'||SchnellsteRunde||'/'||"
                        "AktRunde from positionen where Bahn=1")
                     .toString(),
                 QStringLiteral("0/999999/999999/999/0"));
        QVERIFY(!u.z().RennenLaeuft);
        QCOMPARE(u.z().StartZeit, 0);
        QCOMPARE(u.z().ChaosZeit, 0);
        QVERIFY(!u.z().FruehstartMarke[1]);
        QCOMPARE(u.z().ChaosDauer[2], 0);
        QCOMPARE(u.z().FahrerNr, (std::array<qint16, 7>{0, 1, 2, 3, 4, 0, 0}));
        QCOMPARE(u.rl->GetSlotAnzeigeFromBahn(1)->fahrer(), QStringLiteral("Fahrer 1"));
    }

    void neueRunde_data() {
        QTest::addColumn<int>("ds300");
        QTest::addColumn<int>("dsGoStart");
        QTest::addColumn<int>("maske");
        QTest::addColumn<bool>("spricht");
        QTest::newRow("Ansage") << 0 << 0 << 1 << true;
        QTest::newRow("DS startet selbst") << 1 << 1 << 1 << false;
        QTest::newRow("DS ohne Startknopf") << 1 << 0 << 1 << true;
        QTest::newRow("Maske ohne Training") << 0 << 0 << 6 << false;
    }
    void neueRunde() {
        QFETCH(int, ds300);
        QFETCH(int, dsGoStart);
        QFETCH(int, maske);
        QFETCH(bool, spricht);
        Rennumgebung u;
        u.e.DS300Aktiv = ds300;
        u.e.DSGoStart = dsGoStart;
        u.e.MeldungsAnsage[2] = qint16(maske);
        u.starteLauf();
        u.runde(1, u.nachGruen(1000));
        u.runde(1, u.nachGruen(9000));
        u.runde(1, u.nachGruen(18000));
        u.z().FruehstartMarke[3] = true;
        u.rl->NeueRunde();
        QCOMPARE(u.ansage.gesprochen.contains("Achtung, gleich geht es los"), spricht);
        for (size_t s = 1; s <= 6; ++s) {
            QCOMPARE(u.z().BesteRunde[s], 99999);
            QCOMPARE(u.z().Runden[s], qint16(0));
            QVERIFY(!u.z().BahnGestartet[s]);
        }
        QVERIFY(u.z().FruehstartMarke[3]);
        QCOMPARE(int(u.z().AmpelPhase), 5);
        QCOMPARE(u.anzahl("aktrennen"), 0);
        QCOMPARE(u.wert("select sum(Runden) from positionen").toInt(), 0);
    }

    void rennModus_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("zeitRunden");
        QTest::addColumn<QString>("rennArt");
        QTest::addColumn<QStringList>("schaltung");
        const QStringList an = {"SchalteLPT BahnAlle 1", "SchalteLPT AmpelAlle 0"};
        const QStringList aus = {"SchalteLPT BahnAlle 0", "SchalteLPT AmpelAlle 0"};
        QTest::newRow("T-Zeit") << 0 << 1 << 1 << "Training" << an;
        QTest::newRow("T-Runden") << 1 << 1 << 0 << "Training" << an;
        QTest::newRow("R-Zeit") << 2 << 0 << 1 << "Rennen" << aus;
        QTest::newRow("R-Runden") << 3 << 0 << 0 << "Rennen" << aus;
        QTest::newRow("T-Power") << 4 << 1 << 1 << "Training" << aus;
    }
    void rennModus() {
        QFETCH(int, index);
        QFETCH(int, option);
        QFETCH(int, zeitRunden);
        QFETCH(QString, rennArt);
        QFETCH(QStringList, schaltung);
        Rennumgebung u;
        u.e.BahnStrom = 1;  // has no say in the choice of a mode
        u.e.PowerTrainingZeit = 7;
        u.rl->setzeGrenze("10");
        u.rl->cbRAuswahl_Click(index);
        QCOMPARE(u.z().Option1, option);
        QCOMPARE(u.z().ZeitRunden, zeitRunden);
        QCOMPARE(laufartWort(u.z().RennArt), rennArt);
        QCOMPARE(u.z().AktRennName, rennArt);
        QCOMPARE(schaltungen(u.hw), schaltung);
        QCOMPARE(u.z().Grenze, index == 4 ? QStringLiteral("7") : QStringLiteral("10"));
        QCOMPARE(u.rl->GetSlotAnzeigeFromBahn(2)->rundenListeSichtbar(), rennArt != "Rennen");
    }

    // T-Power keeps the lanes dead between runs; any other mode reads the stored choice again.
    void powerTrainingStromNurSolangeGewaehlt() {
        Rennumgebung u;
        u.rl->cbRAuswahl_Click(4);
        QCOMPARE(u.e.BahnStromTraining, 1);
        u.hw.leereAufrufe();
        u.rl->cbRAuswahl_Click(0);
        QCOMPARE(u.e.BahnStromTraining, 0);
        QCOMPARE(schaltungen(u.hw).first(), QStringLiteral("SchalteLPT BahnAlle 1"));
        u.speicher.speichere("BahnStromTraining", "1");
        u.hw.leereAufrufe();
        u.rl->cbRAuswahl_Click(1);
        QCOMPARE(schaltungen(u.hw).first(), QStringLiteral("SchalteLPT BahnAlle 0"));
    }

    void qualifikationMitGrenzeEins() {
        Rennumgebung u([](EinstellungsSpeicher& s) { s.speichere("RennName", "Cup"); });
        u.rl->cbRAuswahl_Click(1);
        u.hw.leereAufrufe();
        u.rl->setzeGrenze("1");
        QVERIFY(u.rl->Grenze_Validate());
        QCOMPARE(u.z().RennArt, Laufart::Quali);
        QCOMPARE(u.z().AktRennName, QStringLiteral("Cup"));
        QVERIFY(u.hw.aufrufe().contains("SetzeFormCaption "));
        u.rl->setzeGrenze("2");
        QVERIFY(u.rl->Grenze_Validate());
        QCOMPARE(u.z().RennArt, Laufart::Training);
        QCOMPARE(u.z().AktRennName, QStringLiteral("Training"));
        QVERIFY(u.rueckfrage.meldungen.isEmpty());
    }

    void grenzeAusserhalb_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gueltig");
        QTest::newRow("0") << "0" << false;
        QTest::newRow("301") << "301" << false;
        QTest::newRow("-5") << "-5" << false;
        QTest::newRow("keine Zahl") << "abc" << false;
        QTest::newRow("300") << "300" << true;
        QTest::newRow("12 Runden") << "12 Runden" << true;
    }
    void grenzeAusserhalb() {
        QFETCH(QString, text);
        QFETCH(bool, gueltig);
        Rennumgebung u;
        u.rl->cbRAuswahl_Click(3);
        u.rl->setzeGrenze(text);
        QCOMPARE(u.rl->Grenze_Validate(), gueltig);
        QCOMPARE(u.rueckfrage.meldungen,
                 gueltig ? QStringList{} : QStringList{"Wert muss zwischen 1 und 300 liegen"});
        QCOMPARE(u.z().Grenze, text);
    }

    void rennNameAusDemDialog() {
        Rennumgebung u;
        u.rl->cbRAuswahl_Click(0);
        u.rl->RennNameSetzen("Sommer's Cup");
        QCOMPARE(u.speicher.hole("RennName"), QStringLiteral("Sommer's Cup"));
        QCOMPARE(u.e.RennName, QStringLiteral("Sommer's Cup"));
        QCOMPARE(u.z().AktRennName, QStringLiteral("Training"));
        u.rl->cbRAuswahl_Click(2);
        u.rl->RennNameSetzen("Herbstlauf");
        QCOMPARE(u.z().AktRennName, QStringLiteral("Herbstlauf"));
    }

    void texteDerSprache() {
        Rennumgebung u;
        u.e.LangId = 1033;
        u.rl->SetzeTexte();
        QCOMPARE(u.rl->Text(3), QStringLiteral("takes the lead"));
        QCOMPARE(u.rl->Text(14), QString());
    }

    void panelsMitBildernUndReihenfolge() {
        Rennumgebung u;
        u.e.BilderPfad = "/bilder";
        u.db.execute("insert into fahrer (name, bildlink) values ('Fahrer 3', 'f3.jpg')");
        u.db.execute("insert into autos (name, bildlink) values ('auto 3', 'a3.jpg')");
        u.db.execute("update positionen set Schnellste=8000 where Bahn=3");
        u.rl->setzeGrenze("15");
        u.rl->SetzeAnzeigeWerte(2);
        SlotWerte* p3 = u.rl->GetSlotAnzeigeFromBahn(3);
        QCOMPARE(p3->fahrerBild(), QStringLiteral("/bilder/f3.jpg"));
        QCOMPARE(p3->autoBild(), QStringLiteral("/bilder/a3.jpg"));  // names match without case
        QCOMPARE(p3->rennLaenge(), 15);
        QCOMPARE(u.rl->GetSlotAnzeigeFromBahn(1)->fahrerBild(), QString());
        // Any other order puts the rows on the panels by their rank: lane 3 is fastest.
        u.rl->SetzeAnzeigeWerte(1);
        QCOMPARE(u.rl->panel(0).fahrer(), QStringLiteral("Fahrer 3"));
        QCOMPARE(u.rl->panel(1).fahrer(), QStringLiteral("Fahrer 1"));
    }

    void simulationsknopf() {
        Rennumgebung u;
        u.starteLauf();
        u.uhr.vorruecken(2500);
        u.rl->GetPortnummer(3);
        QCOMPARE(u.z().LetzterZeitstempel, u.jetzt());
        QCOMPARE(u.rl->wartendeRunden(), 1);
        // Even an ignored press lets the race timer refresh the display.
        u.z().RundeWartet = false;
        u.rl->GetPortnummer(6);
        QVERIFY(u.z().RundeWartet);
        QCOMPARE(u.rl->wartendeRunden(), 1);
    }

    void panelWerteUndStatistik() {
        SlotWerte p;
        p.SetFirstVarWerte("Anna", "", "Audi", "", Laufart::Training, 10);
        QCOMPARE(p.ReturnSchnellsteRundenZeit(), 99999.0);
        p.SetVarWerte(3, 0, 0, 999999);
        QCOMPARE(p.ReturnSchnellsteRundenZeit(), 99999.0);
        // No lap yet: the engine's markers are not shown as times.
        for (const char* tag : {"AKTZ", "GESAMTZ", "SZ", "SR", "VE"})
            QCOMPARE(p.feldText(tag), QStringLiteral("–"));
        QCOMPARE(p.feldText("AKTR"), QStringLiteral("0"));
        QCOMPARE(p.feldText("POS"), QStringLiteral("3"));
        QVERIFY(p.rundenListe().isEmpty());
        p.SetVarWerte(1, 12000, 1, 12000);
        QCOMPARE(p.ReturnSchnellsteRundenZeit(), 12000.0);
        QCOMPARE(p.ReturnSchnellsteRunde(), 1.0);
        QCOMPARE(p.feldText("SZ"), QStringLiteral("12.000"));
        QCOMPARE(p.feldText("GESAMTZ"), QStringLiteral("12.000"));
        // The only lap taken back: no best lap again.
        p.SetzeSchnellste(99999, 0);
        QCOMPARE(p.feldText("SZ"), QStringLiteral("–"));
        QCOMPARE(p.feldText("SR"), QStringLiteral("–"));
        p.SetzeSchnellste(12000, 1);
        p.SetVarWerte(1, 4123, 12, 120000);
        p.SetVarWerte(2, 4123, 12, 120000);  // a second refresh without a new lap
        QCOMPARE(p.rundenListe(), (QStringList{"012-004.123", "001-012.000"}));
        QCOMPARE(p.hochgerechneteRunden(), 60.0);  // 10 min x 12 laps in 2 min
        QCOMPARE(p.feldText("VE"), QStringLiteral("60"));
        p.SetSumWerte(10, 60000);
        p.SetVarWerte(1, 5000, 3, 15000);
        QCOMPARE(p.ReturnRunden(), 13.0);
        QCOMPARE(p.ReturnGesamtZeit(), 75000.0);
        p.SetFirstVarWerte("Anna", "", "Audi", "", Laufart::Rennen, 0);
        p.SetVarWerte(1, 5000, 1, 0);
        QVERIFY(!p.rundenListeSichtbar());
        QVERIFY(p.rundenListe().isEmpty());
        QCOMPARE(p.hochgerechneteRunden(), 0.0);  // no time yet: no projection
    }
};

QTEST_GUILESS_MAIN(TestRennzustand)
#include "tst_rennzustand.moc"
