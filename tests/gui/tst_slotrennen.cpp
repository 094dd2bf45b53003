// The tournament dialog in the real program on the virtual clock: opened from the main window,
// a small evening of two entrants driven through its buttons, the standings grid, the close
// question, and the lane change from the main window. With PISTORELLE_FOTO=<folder> it also
// saves the picture of the standings page for the README.

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "Datenbank.h"
#include "Hauptanzeige.h"
#include "ProgrammStart.h"
#include "Rennablauf.h"
#include "Rennleitung.h"
#include "TestHelfer.h"
#include "Turnier.h"
#include "TurnierFenster.h"
#include "VirtuelleUhr.h"
#include "diaSlotRennen.h"
#include "frmMain.h"

class TstSlotRennen : public QObject {
    Q_OBJECT
    QTemporaryDir m_heim;

private slots:
    void initTestCase() {
        // Its own settings and database, also when started by hand for the README picture.
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
            const QString ordner = m_heim.filePath(QString::fromLatin1(name));
            QVERIFY(QDir().mkpath(ordner));
            // A runtime folder others may read is not taken: the lock would go to a shared one.
            QVERIFY(QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner));
            qputenv(name, ordner.toUtf8());
        }
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
        QVERIFY(start.starte(QApplication::arguments().mid(0, 1)));
        uhr.setzeSaat(5);
        frmMain* f = start.hauptfenster();
        Rennleitung* l = start.leitung();
        f->show();

        // Lane change from the main window: race ranking, four lanes, 1342.
        l->Option1_Click(0);
        QVERIFY(f->Command4->isEnabled());
        f->Command4->click();
        QCOMPARE(start.datenbank()->wert("select fahrer from positionen where bahn=1").toString(),
                 QString("Fahrer 2"));

        QVERIFY(f->Command7->isEnabled());
        f->Command7->click();
        diaSlotRennen* d = start.turnier()->dialog();
        QVERIFY(d && d->isVisible());
        QVERIFY(!f->Command2->isEnabled());
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
        t.Command20_Click();

        // Qualification: each entrant alone on lane 1 for two laps.
        const auto lauf = [&](const QVector<std::pair<int, int>>& rundenZeiten,
                              bool starten = true) {
            if (starten) f->Command2->click();
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
            QVERIFY(lauf({{1, 300}, {1, 5000 + 100 * i}, {1, 5100 + 150 * i}}));
        }
        QCOMPARE(t.caption(Turnier::Command7), QString("Quali starten"));
        d->knopf(Turnier::Command9)->click();
        d->knopf(Turnier::Command10)->click();
        d->knopf(Turnier::Command8)->click();
        QVERIFY(d->knopf(Turnier::Command11)->isEnabled());
        d->knopf(Turnier::Command11)->click();
        // Two groups of two, two heats each; the new group waits for START.
        for (int h = 0; h < 4; ++h) {
            // Later heats start by the countdown; a new group and the first heat by START.
            if (h > 0) d->knopf(Turnier::Command11)->click();
            const bool vonSelbst = h == 1 || h == 3;
            QCOMPARE(start.ablauf()->beschaeftigt(), vonSelbst);
            QVERIFY(lauf({{1, 200},
                          {2, 250},
                          {1, 4800 + 90 * h},
                          {2, 300 + 70 * h},
                          {1, 4700},
                          {2, 350 + 110 * h},
                          {1, 4800 - 20 * h},
                          {2, 200 + 50 * h}},
                         !vonSelbst));
        }
        QCOMPARE(t.caption(Turnier::Command11), QString("Rennen starten"));
        d->seiten()->setCurrentIndex(4);
        auto* wertung = d->findChild<QTableView*>("DBGrid3");
        QCOMPARE(wertung->model()->rowCount(), 4);
        QCOMPARE(wertung->model()->index(0, 3).data().toInt(), 6);

        if (qEnvironmentVariableIsSet("PISTORELLE_FOTO")) {
            QVERIFY(d->grab().save(qEnvironmentVariable("PISTORELLE_FOTO") + "/slotrennen.png"));
            d->seiten()->setCurrentIndex(3);
            QVERIFY(d->grab().save(qEnvironmentVariable("PISTORELLE_FOTO") + "/rennlaeufe.png"));
            d->seiten()->setCurrentIndex(4);
        }

        const QString bericht = t.HtmlAusgabe();
        QVERIFY(QFile::exists(bericht));
        QFile::remove(bericht);

        rueckfrage.antwort = false;
        d->close();
        QVERIFY(d->isVisible());
        rueckfrage.antwort = true;
        d->close();
        QVERIFY(!d->isVisible());
        QVERIFY(f->Command2->isEnabled());
    }
};

QTEST_MAIN(TstSlotRennen)
#include "tst_slotrennen.moc"
