// The after-run and the close of a run: end announcements, late crossings, lap records,
// tournament hand-over and the power-training cycle.

#include "Ablaufumgebung.h"
#include "engine/TurnierUebergabe.h"

class Turnier : public TurnierUebergabe {
public:
    explicit Turnier(Ablaufumgebung& u) : m_u(u) {}
    QStringList aufrufe;
    void NaechsterQualiLauf() override { aufrufe << QString::number(m_u.t()) + " Quali"; }
    void RennLaufAuswerten() override { aufrufe << QString::number(m_u.t()) + " Rennen"; }

private:
    Ablaufumgebung& m_u;
};

class TestNachlauf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void endeAnsagen_data() {
        QTest::addColumn<int>("modus");
        QTest::addColumn<QString>("grenze");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("Training") << 0 << "2"
                                  << QStringList{"Das Training ist beendet. Die Ergebnisse:",
                                                 "Fahrer 1 10.000 Sekunden in Runde 2",
                                                 "Fahrer 2 15.000 Sekunden in Runde 1"};
        QTest::newRow("Quali") << 0 << "1" << QStringList{"Qualifikationslauf zu Ende"};
        QTest::newRow("Rennen") << 2 << "2"
                                << QStringList{"Das Rennen ist beendet. Die Ergebnisse:",
                                               "Fahrer 1 2 Runden in 21.000 Sekunden",
                                               "Fahrer 2 1 Runden in 15.000 Sekunden"};
    }
    void endeAnsagen() {
        QFETCH(int, modus);
        QFETCH(QString, grenze);
        QFETCH(QStringList, erwartet);
        Ablaufumgebung u;
        u.rl->cbRAuswahl_Click(modus);
        u.rl->setzeGrenze(grenze);
        u.rl->Grenze_Validate();
        const qint64 g = u.starteBisGruen();
        for (const auto& [bahn, t] :
             {std::pair{1, 1000}, {2, 1500}, {1, 11000}, {2, 15000}, {1, 21000}})
            u.runde(bahn, g + t);
        u.bis(g + 30000);
        u.ablauf->Command2_Click();
        u.bisLeerlauf();
        QStringList amEnde;
        for (const QString& s : u.mit.ereignisse)
            if (s.startsWith(QString::number(g + 31000) + " say ")) amEnde << s.section(' ', 2);
        QCOMPARE(amEnde, erwartet);
    }

    void spaeteDurchfahrt_data() {
        QTest::addColumn<int>("nachEnde");
        QTest::addColumn<int>("runden");
        QTest::newRow("0,8 s") << 800 << 2;
        QTest::newRow("0,99 s, ausgewertet beim Schliessen") << 990 << 2;
        QTest::newRow("1,2 s") << 1200 << 1;
    }
    void spaeteDurchfahrt() {
        QFETCH(int, nachEnde);
        QFETCH(int, runden);
        Ablaufumgebung u;
        u.rl->setzeGrenze("1");
        const qint64 g = u.starteBisGruen();
        u.runde(1, g + 1000);
        u.runde(1, g + 30000);
        const qint64 ende = u.bisGestoppt(g + 70000);
        QCOMPARE(ende, g + 60000);
        u.runde(1, ende + nachEnde);
        u.bisLeerlauf();
        QCOMPARE(u.z().Runden[1], qint16(runden));
        QCOMPARE(u.db.wert("select count(*) from histrennen where Bahn=1").toInt(), runden);
    }

    void rekordeUndTabelle_data() {
        QTest::addColumn<int>("check");
        QTest::newRow("CheckSRunden 1") << 1;
        QTest::newRow("CheckSRunden 0") << 0;
    }
    void rekordeUndTabelle() {
        QFETCH(int, check);
        Ablaufumgebung u([check](EinstellungsSpeicher& s) {
            s.speichere("CheckSRunden", QString::number(check));
            s.speichere("showRundenTab", QString::number(check));
        });
        QSignalSpy tabelle(u.anzeige, &H::rundenTabelleAnfordern);
        const qint64 g = u.starteBisGruen();
        u.runde(1, g + 1000);
        u.runde(1, g + 9000);
        u.ablauf->Command2_Click();
        u.bisLeerlauf();
        QCOMPARE(u.db.wert("select count(*) from schnellsterunden").toInt() > 0, check == 1);
        QCOMPARE(tabelle.count(), check);
    }

    void turnier_data() {
        QTest::addColumn<QString>("phase");
        QTest::addColumn<bool>("mitTurnier");
        QTest::addColumn<QString>("aufruf");
        QTest::newRow("Quali") << "Quali" << true << "Quali";
        QTest::newRow("Rennen") << "Rennen" << true << "Rennen";
        QTest::newRow("ohne Turnier") << "Rennen" << false << "";
    }
    void turnier() {
        QFETCH(QString, phase);
        QFETCH(bool, mitTurnier);
        QFETCH(QString, aufruf);
        Ablaufumgebung u;
        Turnier t(u);
        if (mitTurnier) u.ablauf->setzeTurnier(&t);
        u.z().SlotRennenPhase = laufartAus(phase);
        // The phase the engine reports at each step, and during the pause before the next stint.
        QList<Laufphase> inDerPause;
        QObject::connect(u.anzeige, &H::geaendert, [&](H::Element e) {
            if (e == H::lblWeiter && u.anzeige->istVisible(H::lblWeiter))
                inDerPause << u.ablauf->phase();
        });
        QCOMPARE(u.ablauf->phase(), Laufphase::Leerlauf);
        u.ablauf->Command2_Click();
        QCOMPARE(u.ablauf->phase(), Laufphase::Countdown);
        u.bisGruen();
        QCOMPARE(u.ablauf->phase(), Laufphase::Rennen);
        u.ablauf->Command2_Click();
        QCOMPARE(u.ablauf->phase(), Laufphase::Nachlauf);
        const qint64 stop = u.t();
        u.bisLeerlauf();
        QCOMPARE(u.ablauf->phase(), Laufphase::Leerlauf);
        QCOMPARE(inDerPause.size(), mitTurnier ? 12 : 0);
        QCOMPARE(inDerPause.count(Laufphase::Pause), inDerPause.size());
        QCOMPARE(u.anzahl("beendet"), 0);  // no end announcement in a tournament
        if (!mitTurnier) {
            QVERIFY(u.weiter.isEmpty());
            QCOMPARE(u.t(), stop + 1000);
            return;
        }
        QCOMPARE(u.weiter.size(), 12);
        QCOMPARE(u.weiter.first(), QString::number(stop + 1000) + " Gleich geht es weiter");
        QCOMPARE(u.weiter.at(1), QString::number(stop + 2000) + " Noch 10 Sekunden");
        QCOMPARE(u.weiter.last(), QString::number(stop + 12000) + " Noch 0 Sekunden");
        QCOMPARE(t.aufrufe, QStringList{QString::number(stop + 12000) + ' ' + aufruf});
        QVERIFY(!u.anzeige->istVisible(H::lblWeiter));
    }

    void powerTraining() {
        Ablaufumgebung u([](EinstellungsSpeicher& s) {
            s.speichere("PowerTrainingZeit", "2");
            s.speichere("PowerTrainingPause", "3");
        });
        u.rl->cbRAuswahl_Click(4);
        QSignalSpy leer(u.ablauf, &Rennablauf::leerlauf);
        // In the first pause a start press is refused; in the second the mode changes.
        QObject::connect(u.anzeige, &H::geaendert, [&](H::Element e) {
            if (e != H::lblWeiter || !u.anzeige->caption(H::lblWeiter).startsWith("Noch 1 "))
                return;
            QVERIFY(!u.anzeige->istEnabled(H::Command2));
            u.ablauf->Command2_Click();
            u.ablauf->StarteErfassung();
            if (u.ablauf->laufNummer() == 2) u.rl->cbRAuswahl_Click(0);
        });
        u.ablauf->Command2_Click();
        QCOMPARE(u.bisGruen(), 2000);  // lamp 1, then green: no countdown lamps
        QCOMPARE(u.zeit("switch Ampel2 1"), -1);
        u.bis(130000);
        QCOMPARE(u.ablauf->laufNummer(), quint64(2));
        QVERIFY(u.z().RennenLaeuft);
        const QString zusatz = " - Zum Stop T-Power auf anderen Modus ändern.";
        QCOMPARE(
            u.weiter.mid(0, 5),
            QStringList({"123000 Gleich geht es weiter. Zum Stop T-Power auf anderen "
                         "Modus ändern.",
                         "124000 Noch 3 Sekunden" + zusatz, "125000 Noch 2 Sekunden" + zusatz,
                         "126000 Noch 1 Sekunde" + zusatz, "127000 Noch 0 Sekunden" + zusatz}));
        QCOMPARE(leer.count(), 0);
        u.bisLeerlauf();
        QCOMPARE(u.ablauf->laufNummer(), quint64(2));
        QCOMPARE(leer.count(), 1);
        QVERIFY(u.anzeige->istEnabled(H::Command2) && u.anzeige->istEnabled(H::Command4));
    }

    void schliessenInDerPause() {
        Ablaufumgebung u([](EinstellungsSpeicher& s) { s.speichere("PowerTrainingZeit", "2"); });
        u.rl->cbRAuswahl_Click(4);
        QObject::connect(u.anzeige, &H::geaendert, [&](H::Element e) {
            if (e == H::lblWeiter && u.anzeige->caption(H::lblWeiter).startsWith("Noch 5 "))
                u.uhr.abbrechen();
        });
        u.ablauf->Command2_Click();
        u.bis(200000);
        QVERIFY(u.ablauf->beendet());
        QCOMPARE(u.ablauf->laufNummer(), quint64(1));
        QVERIFY(!u.ablauf->beschaeftigt());
        u.ablauf->Command2_Click();
        QVERIFY(!u.z().RennenLaeuft);
    }
};

QTEST_GUILESS_MAIN(TestNachlauf)
#include "tst_nachlauf.moc"
