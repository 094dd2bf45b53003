// The tournament dialog in the real program on the virtual clock: opened from the main window,
// an evening driven through its buttons (stray pulses on free lanes, a late entrant added by a
// double click, the heats driven by the demo cars, one repeated while it runs), the standings
// grid and the report's standings, the close question, and the lane change from the main
// window. With PISTORELLE_FOTO=<folder> it also saves the picture of the standings page for
// the README.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "TestHelfer.h"
#include "config/VirtuelleUhr.h"
#include "data/Datenbank.h"
#include "engine/Hauptanzeige.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"
#include "tournament/Turnier.h"
#include "ui/DemoModus.h"
#include "ui/ProgrammStart.h"
#include "ui/TurnierFenster.h"
#include "ui/diaSlotRennen.h"
#include "ui/frmMain.h"

class TstSlotRennen : public QObject {
    Q_OBJECT
    QTemporaryDir m_heim;

private slots:
    void initTestCase() {
        // Its own settings and database, also when started by hand for the README picture.
        QVERIFY(eigeneOrdner(m_heim));
    }

    void abend() {
        VirtuelleUhr uhr;
        SkriptDialoge dialoge;
        SkriptRueckfrage rueckfrage;
        ProgrammStart::Optionen o;
        o.uhr = &uhr;
        o.sprache = false;
        o.rueckfrage = &rueckfrage;
        o.fensterZeigen = false;
        o.bildschirmHoehe = 768;
        ProgrammStart start(dialoge, o);
        QVERIFY2(start.starte(QApplication::arguments().mid(0, 1)),
                 qPrintable(dialoge.meldungen.join('\n')));
        uhr.setzeSaat(5);
        frmMain* f = start.hauptfenster();
        Rennleitung* l = start.leitung();
        f->show();

        // Lane change from the main window: race ranking, four lanes, 1342.
        l->Option1_Click(0);
        QVERIFY(findeIn<QPushButton>(f, "Command4")->isEnabled());
        findeIn<QPushButton>(f, "Command4")->click();
        QCOMPARE(start.datenbank()->wert("select fahrer from positionen where bahn=1").toString(),
                 QString("Fahrer 2"));

        // A late entrant comes from the driver list by a double click.
        QVERIFY(start.datenbank()->execute("insert into fahrer (name) values ('Emil')"));
        const QString grenzeVorher = l->zustand().Grenze;
        QVERIFY(findeIn<QPushButton>(f, "Command7")->isEnabled());
        findeIn<QPushButton>(f, "Command7")->click();
        diaSlotRennen* d = start.turnier()->dialog();
        QVERIFY(d && d->isVisible());
        QVERIFY(!findeIn<QPushButton>(f, "Command2")->isEnabled());
        start.turnier()->setzeBerichtOeffnen(false);
        Turnier& t = start.turnier()->turnier();

        d->knopf(Turnier::Command2)->click();
        SlotRennen r = t.eingabe();
        r.RennSerie = "Clubabend";
        r.RennName = "Dezember";
        r.Strecke = "Kellerbahn";
        r.Spuren = 2;
        r.QualiSpur = 1;
        r.optionZeit = false;
        r.Dauer = "3";
        r.QualiZeit = "2";
        t.setzeEingabe(r);
        d->knopf(Turnier::Command2)->click();
        QVERIFY(t.eingabe().gruppenAusgleichen);
        const char* const paare[4][2] = {{"Anna", "Porsche 917"},
                                         {"Bernd", "Ford GT40"},
                                         {"Clara", "Ferrari 512"},
                                         {"Dieter", "Lola T70"}};
        for (const auto& p : paare) t.FahrerHinzufuegen(p[0], p[1]);
        if (qEnvironmentVariableIsSet("PISTORELLE_FOTO")) {
            QVERIFY(d->grab().save(qEnvironmentVariable("PISTORELLE_FOTO") + "/rennen.png"));
            d->seiten()->setCurrentIndex(1);
            QVERIFY(d->grab().save(qEnvironmentVariable("PISTORELLE_FOTO") + "/fahrer.png"));
        }
        d->findChild<QPushButton*>("Command20")->click();

        // Qualification: each entrant alone on lane 1 for two laps.
        const auto lauf = [&](const QVector<std::pair<int, int>>& rundenZeiten,
                              bool starten = true) {
            if (starten) findeIn<QPushButton>(f, "Command2")->click();
            for (int i = 0; i < 100 && l->zustand().AmpelPhase != 6; ++i) uhr.vorruecken(100);
            if (l->zustand().AmpelPhase != 6) return false;
            for (const auto& [bahn, zeit] : rundenZeiten) {
                uhr.vorruecken(zeit);
                l->GetPortnummer(bahn);
            }
            for (int i = 0; i < 600 && start.ablauf()->beschaeftigt(); ++i) uhr.vorruecken(100);
            return !start.ablauf()->beschaeftigt();
        };
        for (int i = 0; i < 4; ++i) {
            d->knopf(Turnier::Command7)->click();
            // Stray pulses on the free lane 2 come faster than Anna's laps.
            if (i == 0)
                QVERIFY(lauf({{1, 300}, {2, 100}, {2, 2000}, {2, 2000}, {1, 1000}, {1, 5000}}));
            else
                QVERIFY(lauf({{1, 300}, {1, 5000 + 100 * i}, {1, 5100 + 150 * i}}));
        }
        QCOMPARE(start.datenbank()
                     ->wert("select QualiR from slotrennenfahrer where fahrer='Anna'")
                     .toInt(),
                 2);
        QCOMPARE(t.caption(Turnier::Command7), QString("Quali starten"));
        QVERIFY(!findeIn<QPushButton>(f, "Command2")->isEnabled());

        d->seiten()->setCurrentIndex(1);
        auto* fahrerListe = d->findChild<QListWidget*>("cobFahrer");
        const auto emil = fahrerListe->findItems("Emil", Qt::MatchExactly);
        QCOMPARE(emil.size(), 1);
        QApplication::processEvents();
        fahrerListe->scrollToItem(emil.first());
        const QRect wo = fahrerListe->visualItemRect(emil.first());
        QVERIFY(fahrerListe->isVisible() && wo.isValid());
        // The view takes a double click on the entry it was pressed on.
        QTest::mouseClick(fahrerListe->viewport(), Qt::LeftButton, {}, wo.center());
        QTest::mouseDClick(fahrerListe->viewport(), Qt::LeftButton, {}, wo.center());
        QCOMPARE(t.belegung().size(), 5);
        QCOMPARE(t.belegung().last().fahrer, QString("Emil"));
        // Taken again: the four keep their results, Emil alone drives his qualifying run.
        d->findChild<QPushButton*>("Command20")->click();
        QCOMPARE(start.datenbank()
                     ->wert("select count(qualir) || '/' || count(*) from "
                            "slotrennenfahrer")
                     .toString(),
                 QString("4/5"));
        d->knopf(Turnier::Command7)->click();
        QCOMPARE(start.datenbank()->wert("select fahrer from positionen where bahn=1").toString(),
                 QString("Emil"));
        QVERIFY(lauf({{1, 300}, {1, 4900}, {1, 4950}}));
        QCOMPARE(t.caption(Turnier::Command7), QString("Quali starten"));

        d->knopf(Turnier::Command9)->click();
        d->knopf(Turnier::Command10)->click();
        d->knopf(Turnier::Command8)->click();
        // Five on two lanes, evened out: 2 + 2 + 1, two heats each.
        QCOMPARE(start.datenbank()
                     ->wert("select group_concat(n, '+') from (select count(*) as n "
                            "from slotrennenfahrer group by gruppe order by gruppe "
                            "desc)")
                     .toString(),
                 QString("2+2+1"));
        QVERIFY(d->knopf(Turnier::Command11)->isEnabled());

        // The heats driven by the demo cars; a stray pulse on lane 3, which nobody drives; the
        // third heat repeated while it runs.
        f->demo()->schalte(true);
        const auto bisLeerlauf = [&] {
            for (int i = 0; i < 3000 && start.ablauf()->beschaeftigt(); ++i) uhr.vorruecken(100);
            return !start.ablauf()->beschaeftigt();
        };
        d->knopf(Turnier::Command11)->click();
        findeIn<QPushButton>(f, "Command2")->click();
        for (int i = 0; i < 100 && l->zustand().AmpelPhase != 6; ++i) uhr.vorruecken(100);
        uhr.vorruecken(3000);
        l->GetPortnummer(3);
        QVERIFY(bisLeerlauf());
        int gewertet = 1;
        while (t.caption(Turnier::Command11) == QLatin1String("Naechster Rennlauf") &&
               gewertet < 10) {
            d->knopf(Turnier::Command11)->click();
            // A new group waits for START.
            if (!start.ablauf()->beschaeftigt()) findeIn<QPushButton>(f, "Command2")->click();
            if (gewertet == 2) {
                uhr.vorruecken(12000);
                d->knopf(Turnier::Command14)->click();
                QCOMPARE(rueckfrage.fragen.last(),
                         QString("Der Rennlauf läuft noch. Soll er abgebrochen und neu gestartet "
                                 "werden?"));
                QVERIFY(bisLeerlauf());
                QCOMPARE(t.lauf(0), 0);
                // The same heat again, after its countdown.
                for (int i = 0; i < 100 && !start.ablauf()->beschaeftigt(); ++i)
                    uhr.vorruecken(100);
                QVERIFY(start.ablauf()->beschaeftigt());
                QCOMPARE(t.gruppe(0), 2);
                QCOMPARE(t.lauf(0), 1);
            }
            QVERIFY(bisLeerlauf());
            ++gewertet;
        }
        QCOMPARE(gewertet, 6);
        QCOMPARE(t.caption(Turnier::Command11), QString("Rennen starten"));
        f->demo()->schalte(false);
        // Every entrant's heats scored, no free lane ever.
        QCOMPARE(start.datenbank()
                     ->wert("select sum(fahrer='Dummy' and runden is not null) || "
                            "'/' || sum(fahrer<>'Dummy' and runden > 0) from "
                            "slotrennenlauf")
                     .toString(),
                 QString("0/10"));

        d->seiten()->setCurrentIndex(4);
        auto* wertung = d->findChild<QTableView*>("DBGrid3");
        QCOMPARE(wertung->model()->rowCount(), 5);
        QStringList reihenfolge;
        for (int z = 0; z < 5; ++z) reihenfolge << wertung->model()->index(z, 0).data().toString();
        // Times in seconds with three decimals.
        const QModelIndex gesamt = wertung->model()->index(0, 4);
        auto* zeitSpalte = qobject_cast<QStyledItemDelegate*>(wertung->itemDelegateForColumn(4));
        QVERIFY(zeitSpalte);
        QCOMPARE(zeitSpalte->displayText(gesamt.data(), QLocale()),
                 QLocale().toString(gesamt.data().toDouble() / 1000.0, 'f', 3));

        if (qEnvironmentVariableIsSet("PISTORELLE_FOTO")) {
            QVERIFY(d->grab().save(qEnvironmentVariable("PISTORELLE_FOTO") + "/slotrennen.png"));
            d->seiten()->setCurrentIndex(3);
            QVERIFY(d->grab().save(qEnvironmentVariable("PISTORELLE_FOTO") + "/rennlaeufe.png"));
            d->seiten()->setCurrentIndex(4);
        }

        // The report's standings: the same five in the same order, places 01..05, no Dummy.
        const QString bericht = t.HtmlAusgabe();
        QVERIFY(QFileInfo(bericht).isAbsolute());
        QFile datei(bericht);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QString html = QString::fromLatin1(datei.readAll());
        datei.close();
        QFile::remove(bericht);
        QVERIFY(!html.contains("Dummy"));
        const QString stand = html.section("<b>Wertung</b>", 1).section("</table>", 0, 0);
        QVERIFY(stand.contains("<td><b>Platz</b></td>"));
        QStringList imBericht;
        for (int platz = 1; platz <= 5; ++platz) {
            const QString zeile =
                stand.section(QString("<td>%1</td>\r\n").arg(platz, 2, 10, QChar('0')), 1)
                    .section("</tr>", 0, 0);
            imBericht << zeile.section("<td>", 1, 1).section("</td>", 0, 0);
        }
        QCOMPARE(imBericht, reihenfolge);
        QVERIFY(!stand.contains("<td>06</td>"));

        rueckfrage.antwort = false;
        d->close();
        QVERIFY(d->isVisible());
        rueckfrage.antwort = true;
        d->close();
        QVERIFY(!d->isVisible());
        QVERIFY(findeIn<QPushButton>(f, "Command2")->isEnabled());
        // The main window as before: race ranking and its limit, not training with 5.
        QCOMPARE(l->zustand().Option1, 0);
        QCOMPARE(l->zustand().Grenze, grenzeVorher);
    }
};

QTEST_MAIN(TstSlotRennen)
#include "tst_slotrennen.moc"
