// Lane change, heat allocation, the tournament's questions and counters, and the report, on
// the real engine, database and virtual clock.

#include <QtTest>

#include "engine_sequence/Ablaufumgebung.h"
#include "tournament/RennLaufBelegung.h"
#include "tournament/SpurWechsel.h"
#include "tournament/Turnier.h"
#include "tournament/TurnierBericht.h"

namespace {

QStringList bahnen(Ablaufumgebung& u, int n) {
    QStringList l;
    for (int b = 1; b <= n; ++b)
        l << u.db.wert("select fahrer from positionen where bahn=?", {b}).toString();
    return l;
}

void setzeFahrer(Ablaufumgebung& u, const QStringList& namen) {
    for (int b = 1; b <= namen.size(); ++b)
        u.db.execute("update positionen set fahrer=?, aktgeschw=3, schnellstegeschw=4 where bahn=?",
                     {namen.at(b - 1), b});
}

// A tournament saved through the dialog's buttons.
void neuesTurnier(Turnier& t, const QString& serie, const QString& name, int spuren) {
    t.SlotRennenStart();
    t.neuesTurnier();
    SlotRennen r = t.eingabe();
    r.RennSerie = serie;
    r.RennName = name;
    r.Spuren = spuren;
    t.setzeEingabe(r);
    t.neuesTurnier();
}

}  // namespace

class TstTurnier : public QObject {
    Q_OBJECT
private slots:
    void spurWechsel() {
        Ablaufumgebung u;
        u.rl->Option1_Click(0);
        setzeFahrer(u, {"A", "O'Neil", "C", "D"});
        QVERIFY(SpurWechsel::fuehreAus(*u.rl));
        // 1342: lane 1 -> 3 -> 4 -> 2 -> 1.
        QCOMPARE(bahnen(u, 4), QStringList({"O'Neil", "D", "A", "C"}));
        QCOMPARE(u.db.wert("select sum(aktgeschw)+sum(schnellstegeschw) from positionen where "
                           "bahn<=4")
                     .toInt(),
                 0);

        // A stored order that does not end with lane 2 is not used.
        u.speicher.speichere("LaufMatrix4", "1243");
        setzeFahrer(u, {"A", "B", "C", "D"});
        SpurWechsel::fuehreAus(*u.rl);
        QCOMPARE(bahnen(u, 4), QStringList({"B", "D", "A", "C"}));

        // Two lanes swap.
        u.e.AnzBahnen = 2;
        setzeFahrer(u, {"A", "B"});
        SpurWechsel::fuehreAus(*u.rl);
        QCOMPARE(bahnen(u, 2), QStringList({"B", "A"}));

        // Training: one lane up, lane 1 gets the placeholder, the last entry leaves.
        u.e.AnzBahnen = 3;
        u.rl->Option1_Click(1);
        setzeFahrer(u, {"A", "B", "C"});
        SpurWechsel::fuehreAus(*u.rl);
        QCOMPARE(bahnen(u, 3), QStringList({"Gelb", "A", "B"}));

        // Power training: nothing moves.
        u.rl->cbRAuswahl_Click(4);
        setzeFahrer(u, {"A", "B", "C"});
        QVERIFY(!SpurWechsel::fuehreAus(*u.rl));
        QCOMPARE(bahnen(u, 3), QStringList({"A", "B", "C"}));
    }

    void spurWechselImGanzenOderGarNicht() {
        Ablaufumgebung u;
        u.rl->Option1_Click(0);
        setzeFahrer(u, {"A", "B", "C", "D"});
        // The last write (to lane 1) fails: the moves before it are undone.
        u.db.execute(
            "create trigger sperre before update of fahrer on positionen "
            "when new.bahn=1 begin select raise(abort, 'gesperrt'); end");
        QVERIFY(!SpurWechsel::fuehreAus(*u.rl));
        QCOMPARE(bahnen(u, 4), QStringList({"A", "B", "C", "D"}));
        QCOMPARE(u.anzahl("message Spurwechsel nicht möglich"), 1);
    }

    void laufStrings() {
        QCOMPARE(RennLaufBelegung::LaufStrings("1342", 4),
                 QStringList({"1342", "3421", "4213", "2134"}));
        QCOMPARE(RennLaufBelegung::Gruppen(10, 4), QVector<int>({3, 3, 2, 2, 2, 2, 1, 1, 1, 1}));

        // A group of three on four lanes: four heats, lane 2 of heat 1 is a placeholder.
        const QVector<RennLaufBelegung::Teilnehmer> drei = {{"A", "a"}, {"B", "b"}, {"C", "c"}};
        const auto laeufe =
            RennLaufBelegung::Laeufe(1, drei, RennLaufBelegung::LaufStrings("1342", 3), 4);
        QCOMPARE(laeufe.size(), 16);
        QCOMPARE(laeufe.at(0).spur, 1);
        QCOMPARE(laeufe.at(1).spur, 3);
        QCOMPARE(laeufe.at(2).spur, 4);
        QCOMPARE(laeufe.at(3).fahrer, QString("Dummy"));
        QCOMPARE(laeufe.at(3).spur, 2);

        // Five on four lanes: five heats of four rows, the fifth entrant sits out heat 1.
        QVector<RennLaufBelegung::Teilnehmer> fuenf = drei;
        fuenf << RennLaufBelegung::Teilnehmer{"D", "d"} << RennLaufBelegung::Teilnehmer{"E", "e"};
        const QStringList s = RennLaufBelegung::LaufStrings("1342", 5);
        QCOMPARE(s.first(), QString("13420"));
        const auto l5 = RennLaufBelegung::Laeufe(1, fuenf, s, 4);
        QCOMPARE(l5.size(), 20);
        for (int i = 0; i < 4; ++i) QVERIFY(l5.at(i).fahrer != "E");
        for (int k = 1; k <= 5; ++k) {
            QSet<int> spuren;
            for (const auto& l : l5)
                if (l.lauf == k) spuren.insert(l.spur);
            QCOMPARE(spuren, QSet<int>({1, 2, 3, 4}));
        }

        // The random order is a permutation, and every one of the 24 can come up.
        VirtuelleUhr uhr;
        uhr.setzeSaat(3);
        QSet<QString> reihenfolgen;
        for (int i = 0; i < 500; ++i) {
            QString z = RennLaufBelegung::LaufStrings("1342", 4, &uhr).first();
            reihenfolgen.insert(z);
            std::sort(z.begin(), z.end());
            QCOMPARE(z, QString("1234"));
        }
        QCOMPARE(reihenfolgen.size(), 24);
    }

    // Groups and heats in the tables, the qualification order, counters and questions.
    void turnierAbend() {
        Ablaufumgebung u;
        // The main window stands at R-Runden, 7 laps, when the tournament is opened.
        u.rl->cbRAuswahl_Click(3);
        u.rl->setzeGrenze("7");
        Turnier t(*u.ablauf, *u.anzeige);
        neuesTurnier(t, "Winter", "Lauf 3", 4);
        QCOMPARE(t.turniere().size(), 1);
        QVERIFY(!u.anzeige->istEnabled(H::Command2));
        QVERIFY(!u.anzeige->istEnabled(H::cbRAuswahl));
        // The same series and name once more is refused.
        neuesTurnier(t, "winter", "lauf 3", 4);
        QCOMPARE(t.turniere().size(), 1);
        QCOMPARE(u.anzahl("message Ein Rennen \"winter lauf 3\" gibt es schon."), 1);
        QVERIFY(t.bearbeitet());
        t.brichBearbeitungAb();
        QCOMPARE(t.eingabe().RennSerie, QString("Winter"));

        for (int i = 1; i <= 10; ++i) t.FahrerHinzufuegen(QString("F%1").arg(i), "Auto");
        t.uebernimmInQualifikation();
        // Fastest lap first, then the earlier lap, then fewer laps.
        for (int i = 1; i <= 10; ++i)
            u.db.execute("update slotrennenfahrer set qualiz=?, qualisr=?, qualir=3 where fahrer=?",
                         {i <= 3 ? 5100 - (i == 3 ? 200 : 0) : 6000 + i, i == 1 ? 7 : 3,
                          QString("F%1").arg(i)});
        t.sortiereNachQuali();
        const auto quali = t.teilnehmer();
        QCOMPARE(quali.at(0).fahrer, QString("F3"));
        QCOMPARE(quali.at(1).fahrer, QString("F2"));
        QCOMPARE(quali.at(2).fahrer, QString("F1"));

        t.fahreQualifikation();  // enables the group buttons; the run itself is not driven here
        u.z().SlotRennenPhase.reset();
        t.belegeGruppenVor();
        t.sortiereNachGruppe();
        t.verteileRennlaeufe();
        const QString k = "Winter Lauf 3";
        QCOMPARE(u.db.wert("select count(*) from slotrennenfahrer where rennname=? and gruppe=3 "
                           "and fahrer in ('F3','F2')",
                           {k})
                     .toInt(),
                 2);
        // Groups of 4 and 4 have four heats of four, group 3 (two entrants) four with placeholders.
        QCOMPARE(u.db.wert("select count(*) from slotrennenlauf where rennname=?", {k}).toInt(),
                 48);
        QCOMPARE(u.db.wert("select count(*) from slotrennenlauf where rennname=? and "
                           "fahrer='Dummy'",
                           {k})
                     .toInt(),
                 8);
        QCOMPARE(t.gruppeText(), QString("Gruppen: 3"));
        QVERIFY(t.istEnabled(Turnier::Command11));

        // Repeat before any heat.
        t.wiederholeLauf();
        QCOMPARE(u.anzahl("message Keine Wiederholung möglich."), 1);

        t.fahreRennlauf();
        QCOMPARE(t.caption(Turnier::Command11), QString("Naechster Rennlauf"));
        QCOMPARE(u.z().SlotRennenPhase, Laufart::Rennen);
        QCOMPARE(u.z().AktRennName, k);
        QCOMPARE(t.laufText(), QString("Lauf 1 von 4"));
        QVERIFY(u.anzeige->istEnabled(H::Command2));
        QVERIFY(!t.istEnabled(Turnier::Command8));

        // Closing: no keeps everything locked, yes gives the main window back.
        u.mit.antwort = false;
        QVERIFY(!t.beenden());
        QVERIFY(!u.anzeige->istEnabled(H::Grenze));
        u.mit.antwort = true;
        QVERIFY(t.beenden());
        QVERIFY(u.anzeige->istEnabled(H::Grenze));
        QVERIFY(!u.z().SlotRennenPhase);
        QCOMPARE(u.anzahl("ask Soll das Turnier beendet werden?"), 2);
        // Mode, ranking, unit and limit as before, not a race mode with training and 5.
        QCOMPARE(u.z().RennModus, 3);
        QCOMPARE(u.z().Option1, 0);
        QCOMPARE(u.z().ZeitRunden, 0);
        QCOMPARE(u.z().Grenze, QString("7"));
        QCOMPARE(u.z().RennArt, Laufart::Rennen);

        // Deleting asks twice once there are results.
        t.SlotRennenStart();
        u.db.execute("update slotrennenlauf set runden=3, zeit=15000 where lauf=1");
        u.mit.antwort = true;
        t.loescheTurnier();
        QCOMPARE(u.anzahl("ask Soll Lauf 3 gelöscht werden?"), 1);
        QCOMPARE(u.anzahl("ask Das Rennen hat schon Ergebnisse. Trotzdem löschen?"), 1);
        QCOMPARE(u.db.wert("select count(*) from slotrennenlauf").toInt(), 0);
        QCOMPARE(t.turniere().size(), 0);
    }

    void neueGruppeStartetNichtVonSelbst() {
        Ablaufumgebung u([](EinstellungsSpeicher& s) { s.speichere("PauseZwischenStint", "2"); });
        Turnier t(*u.ablauf, *u.anzeige);
        neuesTurnier(t, "S", "N", 1);
        // One lane: two groups of one heat each, the faster entrant in group 2.
        t.FahrerHinzufuegen("G2", "x");
        t.FahrerHinzufuegen("G1", "x");
        t.uebernimmInQualifikation();
        u.db.execute("update slotrennenfahrer set qualiz=5000+length(fahrer)*0, qualir=3");
        u.db.execute("update slotrennenfahrer set qualiz=4000 where fahrer='G2'");
        t.sortiereNachQuali();
        t.fahreQualifikation();
        u.z().SlotRennenPhase.reset();
        t.belegeGruppenVor();
        t.sortiereNachGruppe();
        t.verteileRennlaeufe();
        t.setzeAutostart(true);
        t.setzePausen({"3", "1", "2"});
        t.fahreRennlauf();  // heat 1 of group 1
        QCOMPARE(bahnen(u, 1), QStringList({"G1"}));
        t.RennLaufAuswerten();
        u.bis(u.t() + 10000);
        // Autostart loaded group 2 but waits for START.
        QCOMPARE(t.gruppeText(), QString("Gruppe 2 von 2"));
        QCOMPARE(bahnen(u, 1), QStringList({"G2"}));
        QCOMPARE(u.anzeige->caption(H::lblWeiter), QString("Neue Gruppe! Weiter mit START."));
        QVERIFY(!u.ablauf->beschaeftigt());
        t.RennLaufAuswerten();
        QCOMPARE(t.caption(Turnier::Command11), QString("Rennen starten"));
        QVERIFY(!t.istEnabled(Turnier::Command11));
    }

    void bericht() {
        Ablaufumgebung u;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        TurnierDaten d(u.db);
        SlotRennen r;
        r.RennSerie = "Win/ter";
        r.RennName = "<b>";
        const QString k = r.schluessel();
        QCOMPARE(TurnierBericht::dateiName("/x/", r), QString("/x/Win_ter-_b_.htm"));
        d.uebernehme(k, {{"<b>", "Audi"}, {"Bö", "BMW"}});
        // Two groups of four heats, nothing run yet.
        for (int g = 1; g <= 2; ++g)
            for (int l = 1; l <= 4; ++l)
                d.datenbank().execute(
                    "insert into slotrennenlauf (rennname, gruppe, lauf, spur, "
                    "fahrer, auto) values (?, ?, ?, 1, 'Bö', 'BMW')",
                    {k, g, l});
        auto zeilen = TurnierBericht::zeilen(d, r);
        const QString text = zeilen.join('\n');
        // Wertung holds its header only.
        QVERIFY(text.contains("<td><b>Schnellste Runde</b></td>\n</tr>\n</table><br><br>"));
        QVERIFY(text.contains("<td>&lt;b&gt;</td>"));
        QVERIFY(!text.contains("<td><b></td>"));
        const auto zaehle = [&](const QString& s) { return int(text.count(s)); };
        const QString leer = "<tr>\n" + QString("<td> </td>\n").repeated(8) + "</tr>";
        const QString strich = "<tr>\n" + QString("<td>-</td>\n").repeated(8) + "</tr>";
        // After the header, 4 rises in group 1, blank-dash-blank, 3 rises in group 2, two at the
        // end.
        QCOMPARE(zaehle(leer), 1 + 4 + 2 + 3 + 2);
        QCOMPARE(zaehle(strich), 1);

        d.datenbank().execute(
            "update slotrennenlauf set runden=20, zeit=250000 where gruppe=1 and "
            "lauf=1");
        // Equal laps: the shorter time is ahead.
        d.datenbank().execute("insert into slotrennenlauf (rennname, gruppe, lauf, spur, fahrer, "
                              "auto, runden, zeit) values (?, 1, 1, 2, '<b>', 'Audi', 20, 260000)",
                              {k});
        const QString mit = TurnierBericht::zeilen(d, r).join('\n');
        QVERIFY(mit.contains("<td>250.000</td>\n<td>12.500</td>"));
        QVERIFY(mit.contains("<td>01</td>\n<td>Bö</td>"));
        QVERIFY(mit.contains("<td>02</td>\n<td>&lt;b&gt;</td>"));
        QVERIFY(mit.contains("keine Angabe"));

        const QString pfad = TurnierBericht::schreibe(d, r, u.ordner.path() + "/");
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        QVERIFY(b.contains("<td>B\xf6</td>\r\n"));
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_GUILESS_MAIN(TstTurnier)
#include "tst_turnier.moc"
