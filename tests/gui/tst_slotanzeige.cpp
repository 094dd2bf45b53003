// The lane panel widget: field widths with and without pictures, fonts by screen height, the
// lap list, the false-start mark, colours, double clicks and the saved layout.

#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "config/Einstellungen.h"
#include "engine/SlotWerte.h"
#include "ui/SlotAnzeige.h"

class TestSlotAnzeige : public QObject {
    Q_OBJECT

private slots:
    void breitenMitUndOhneBilder_data() {
        QTest::addColumn<int>("bilder");
        QTest::addColumn<int>("name");
        QTest::addColumn<int>("bild");
        QTest::newRow("ohne Bilder") << 0 << 41 << 0;
        QTest::newRow("mit Bildern") << 1 << 31 << 10;
    }
    void breitenMitUndOhneBilder() {
        QFETCH(int, bilder);
        QFETCH(int, name);
        QFETCH(int, bild);
        Einstellungen e;
        e.BilderAnzeigen = qint16(bilder);
        SlotWerte werte;
        SlotAnzeige p(werte, e, 768);
        p.resize(1000, 200);
        p.show();
        for (int ou = 0; ou < 2; ++ou) {
            QCOMPARE(int(p.feld(ou, 1).Prozent), name);
            // Left to right: position 0, the picture, then 1..4, each where the last ends.
            QCOMPARE(p.label(ou, 0)->geometry(), QRect(0, ou * 100, 40, 100));
            QCOMPARE(p.bild(ou)->geometry(), QRect(40, ou * 100, bild * 10, 100));
            QCOMPARE(p.label(ou, 1)->geometry(), QRect(40 + bild * 10, ou * 100, name * 10, 100));
            QCOMPARE(p.label(ou, 2)->x(), 40 + bild * 10 + name * 10);
            QCOMPARE(p.label(ou, 4)->geometry().right(), 999);
        }
    }

    void showBilderRechnetMitDerselbenStreckung() {
        Einstellungen e;
        SlotWerte werte;
        SlotAnzeige p(werte, e, 768);
        p.resize(1000, 200);
        p.ShowBilder(1);
        QCOMPARE(int(p.feld(0, 1).Prozent), 31);
        QCOMPARE(p.bild(0)->width(), 100);
        p.ShowBilder(1);  // again: the stretch field's own old width is not counted
        QCOMPARE(int(p.feld(1, 1).Prozent), 31);
        p.ShowBilder(0);
        QCOMPARE(int(p.feld(0, 1).Prozent), 41);
        QCOMPARE(p.bild(1)->width(), 0);
        QCOMPARE(p.label(0, 1)->width(), 410);
    }

    void schriftNachBildschirmhoehe_data() {
        QTest::addColumn<int>("hoehe");
        QTest::addColumn<int>("groesse");
        QTest::newRow("600") << 600 << 36;
        QTest::newRow("609") << 609 << 36;
        QTest::newRow("610") << 610 << 48;
        QTest::newRow("768") << 768 << 48;
    }
    void schriftNachBildschirmhoehe() {
        QFETCH(int, hoehe);
        QFETCH(int, groesse);
        Einstellungen e;
        SlotWerte werte;
        SlotAnzeige p(werte, e, hoehe);
        for (int ou = 0; ou < 2; ++ou)
            for (int pos = 0; pos < SlotAnzeige::anzahlPositionen; ++pos)
                QCOMPARE(int(p.feld(ou, pos).SchriftGroesse), groesse);
        QVERIFY(p.feld(0, 3).SchriftBold);
        QVERIFY(!p.feld(1, 3).SchriftBold);
    }

    void schriftPasstInKleinePanels() {
        Einstellungen e;
        SlotWerte werte;
        SlotAnzeige p(werte, e, 1080);
        werte.SetFirstVarWerte("A", "", "B", "", Laufart::Rennen, 10);
        werte.SetVarWerte(1, 12345, 123, 1234567);
        p.resize(800, 60);
        for (int pos = 0; pos < 5; ++pos) {
            const QLabel* l = p.label(0, pos);
            QVERIFY(QFontMetrics(l->font()).height() <= l->height());
            if (pos != 1)
                QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width(),
                         qPrintable(l->text()));
        }
    }

    void rundenlisteNurAusserhalbVonRennen() {
        Einstellungen e;
        SlotWerte werte;
        SlotAnzeige p(werte, e, 768);
        p.resize(1000, 200);
        werte.SetFirstVarWerte("Anna", "", "Audi", "", Laufart::Rennen, 10);
        werte.SetVarWerte(1, 4123, 1, 4123);
        werte.SetVarWerte(1, 4000, 2, 8123);
        QVERIFY(!p.rundenListe()->isVisibleTo(&p));
        QCOMPARE(p.rundenListe()->count(), 0);

        werte.SetFirstVarWerte("Anna", "", "Audi", "", Laufart::Training, 10);
        QVERIFY(p.rundenListe()->isVisibleTo(&p));
        werte.SetVarWerte(1, 4123, 12, 4123);
        werte.SetVarWerte(1, 4123, 12, 4123);  // same lap twice: one line
        werte.SetVarWerte(1, 3999, 13, 8122);
        QCOMPARE(p.rundenListe()->count(), 2);
        QVERIFY(p.rundenListe()->item(0)->text().startsWith("013-003"));  // newest first
        // Over column 4 of both rows, 30 twips short of their height.
        const QRect liste = p.rundenListe()->geometry();
        QCOMPARE(liste.left(), p.label(0, 4)->x());
        QCOMPARE(liste.width(), p.label(0, 4)->width());
        QCOMPARE(liste.top(), 0);
        QCOMPARE(liste.height(), 200 - 2);

        werte.ChangeRennTyp(Laufart::Rennen);
        QVERIFY(!p.rundenListe()->isVisibleTo(&p));
        QCOMPARE(p.rundenListe()->count(), 0);
    }

    // A long practice: the list keeps the newest lines only, the widget adds the new ones on
    // top instead of rebuilding, and a refresh that changes nothing changes nothing.
    void langesTrainingBehaeltDieNeuestenZeilen() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Einstellungen e;
        SlotWerte werte;
        SlotAnzeige p(werte, e, 768);
        p.resize(1000, 200);
        p.show();
        werte.SetFirstVarWerte("Anna", "", "Audi", "", Laufart::Training, 10);
        const int n = 3000;
        double gesamt = 0;
        for (int runde = 1; runde <= n; ++runde) {
            const double zeit = 4000 + runde % 1000;
            gesamt += zeit;
            werte.SetVarWerte(1 + runde % 3, zeit, runde, gesamt);
            const quint64 version = werte.version();
            werte.SetVarWerte(1 + runde % 3, zeit, runde, gesamt);  // the next tick, no lap
            QCOMPARE(werte.version(), version);
            if (runde == 5) {
                // An item the widget already holds stays the same object: nothing rebuilt.
                QListWidgetItem* alt = p.rundenListe()->item(0);
                werte.SetVarWerte(1, 4006, 6, gesamt + 4006);
                QCOMPARE(p.rundenListe()->item(1), alt);
                gesamt += 4006;
                ++runde;
            }
        }
        const int max = SlotWerte::maxRundenZeilen;
        QCOMPARE(werte.rundenListe().size(), max);
        QCOMPARE(p.rundenListe()->count(), max);
        for (int i = 0; i < max; ++i) {
            const int runde = n - i;
            QCOMPARE(p.rundenListe()->item(i)->text(), werte.rundenListe().at(i));
            QVERIFY2(p.rundenListe()->item(i)->text().startsWith(
                         QString::number(runde).rightJustified(3, '0') + '-'),
                     qPrintable(p.rundenListe()->item(i)->text()));
        }
        QCOMPARE(p.label(0, 2)->text(), QString::number(n));

        // A new race empties the list, the next lap is its only line.
        werte.SetFirstVarWerte("Bert", "", "BMW", "", Laufart::Training, 10);
        QCOMPARE(p.rundenListe()->count(), 0);
        werte.SetVarWerte(1, 5123, 1, 5123);
        QCOMPARE(p.rundenListe()->count(), 1);
        QCOMPARE(p.rundenListe()->item(0)->text(), QStringLiteral("001-005,123"));
    }

    void werteUndBeschriftungen() {
        Einstellungen e;
        SlotWerte werte;
        SlotAnzeige p(werte, e, 768);
        // Captions until values arrive.
        QCOMPARE(p.label(0, 0)->text(), QStringLiteral("Pos"));
        QCOMPARE(p.label(1, 3)->text(), QStringLiteral("SZ"));
        QCOMPARE(p.label(0, 1)->toolTip(), QStringLiteral("Doppelklick für Fahrerauswahl"));
        werte.SetFixWerte(3, 255, qint32(0x80000012), 0);
        QCOMPARE(p.label(1, 0)->text(), QStringLiteral("3"));
        werte.SetFirstVarWerte("Anna", "", "Audi", "", Laufart::Rennen, 10);
        QCOMPARE(p.label(0, 1)->text(), QStringLiteral("Anna"));
        QCOMPARE(p.label(1, 1)->text(), QStringLiteral("Audi"));
        QCOMPARE(p.label(1, 1)->alignment() & Qt::AlignLeft, Qt::AlignLeft);
        werte.SetVarWerte(2, 0, 0, 999999);
        // No lap yet: no placeholder that looks like a time.
        for (const auto& [ou, pos] : {std::pair{0, 3}, {0, 4}, {1, 2}, {1, 3}, {1, 4}})
            QCOMPARE(p.label(ou, pos)->text(), QStringLiteral("–"));
        QCOMPARE(p.label(0, 2)->text(), QStringLiteral("0"));
        QCOMPARE(p.label(0, 0)->text(), QStringLiteral("2"));

        // Captions over the number fields where the rows are tall enough; the value keeps the
        // height below its caption.
        p.resize(1000, 200);
        p.show();
        werte.SetVarWerte(1, 4123, 1, 4123);
        const QStringList titel{"", "", "Runden", "Letzte", "Gesamt",
                                "", "", "Bestrunde", "Beste", "Prognose"};
        for (int ou = 0; ou < 2; ++ou)
            for (int pos = 0; pos < 5; ++pos) {
                const QLabel* t = p.titel(ou, pos);
                const QLabel* l = p.label(ou, pos);
                QCOMPARE(t->isVisible(), !titel.at(ou * 5 + pos).isEmpty());
                if (!t->isVisible()) continue;
                QCOMPARE(t->text(), titel.at(ou * 5 + pos));
                QVERIFY(QFontMetrics(t->font()).horizontalAdvance(t->text()) <= t->width());
                QVERIFY(QFontMetrics(l->font()).height() <= l->height() - t->height());
            }
        // Six lanes on a small screen: rows too low for a caption go without.
        p.resize(1000, 70);
        QVERIFY(!p.titel(0, 2)->isVisible());
        QCOMPARE(p.label(0, 2)->contentsMargins().top(), 0);
    }

    void farbenUndFruehstart() {
        Einstellungen e;
        SlotWerte werte;
        SlotAnzeige p(werte, e, 768);
        werte.SetFixWerte(2, 0xFF0000, 0x00FFFF, 0);  // 0x00BBGGRR: blue on yellow text
        const QPalette pal = p.label(0, 2)->palette();
        QCOMPARE(pal.color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(pal.color(QPalette::WindowText), QColor(255, 255, 0));
        werte.SetFixWerte(2, 65280, qint32(0x80000012), 0);
        QCOMPARE(p.label(1, 4)->palette().color(QPalette::WindowText),
                 p.palette().color(QPalette::ButtonText));
        QCOMPARE(p.label(1, 4)->palette().color(QPalette::Window), QColor(0, 255, 0));

        werte.SetFixWerte(2, qint32(0x8000000F), qint32(0x80000012), 0);  // system colours
        QCOMPARE(p.label(0, 0)->palette().color(QPalette::Window),
                 p.palette().color(QPalette::Button));
        werte.SetFixWerte(2, 65280, qint32(0x80000012), 0);

        // A false start: lane and car field white, the car's field says so in dark text.
        werte.SetFirstVarWerte("A", "", "Audi", "", Laufart::Rennen, 5);
        werte.SetFruehstart();
        for (int pos : {0, 1}) {
            const QPalette f = p.label(1, pos)->palette();
            QCOMPARE(f.color(QPalette::Window), QColor(Qt::white));
            QVERIFY(f.color(QPalette::WindowText).lightness() < 100);
        }
        QCOMPARE(p.label(1, 1)->text(), QStringLiteral("Frühstart"));
        QCOMPARE(p.label(1, 0)->text(), QStringLiteral("2"));
        QCOMPARE(p.label(1, 2)->palette().color(QPalette::Window), QColor(0, 255, 0));
        werte.SetFirstVarWerte("A", "", "B", "", Laufart::Rennen, 5);  // a new race clears the mark
        QCOMPARE(p.label(1, 0)->palette().color(QPalette::Window), QColor(0, 255, 0));
        QCOMPARE(p.label(1, 1)->text(), QStringLiteral("B"));
    }

    void doppelklicks() {
        QTemporaryDir ordner;
        Einstellungen e;
        e.BilderAnzeigen = 1;
        e.ltfPfad = ordner.path() + "/";
        SlotWerte werte;
        SlotAnzeige p(werte, e, 768);
        p.resize(1000, 200);
        QSignalSpy fahrer(&p, &SlotAnzeige::fahrerDoppelklick);
        QSignalSpy runden(&p, &SlotAnzeige::rundenDoppelklick);
        QTest::mouseDClick(p.label(0, 1), Qt::LeftButton);
        QTest::mouseDClick(p.label(0, 2), Qt::LeftButton);
        QTest::mouseDClick(p.label(1, 2), Qt::LeftButton);  // bottom row: nothing
        QCOMPARE(fahrer.size(), 1);
        QCOMPARE(runden.size(), 1);

        QTest::mouseDClick(p.bild(0), Qt::LeftButton);
        QSettings ini(ordner.filePath("Pistorelle.INI"), QSettings::IniFormat);
        QCOMPARE(ini.value("AnzeigeOben_1/Tag").toString(), QStringLiteral("FAHRER"));
        QCOMPARE(ini.value("AnzeigeOben_1/Prozent").toString(), QStringLiteral("31"));
        QCOMPARE(ini.value("AnzeigeUnten_4/Text").toString(), QStringLiteral("VE"));
        QCOMPARE(ini.value("AnzeigeUnten_4/SchriftName").toString(), QStringLiteral("Arial"));
        QCOMPARE(ini.value("AnzeigeUnten_0/SchriftGroesse").toString(), QStringLiteral("48"));
        QVERIFY(!ini.childGroups().contains("AnzeigeOben_5"));  // pictures are not saved
        QCOMPARE(ini.childGroups().size(), 10);
        QCOMPARE(ini.allKeys().size(), 10 * 9);
    }

    void fehlendesBildBleibtLeer() {
        Einstellungen e;
        e.BilderAnzeigen = 1;
        SlotWerte werte;
        SlotAnzeige p(werte, e, 768);
        werte.SetFirstVarWerte("A", "/gibt/es/nicht.jpg", "B", "", Laufart::Training, 5);
        QVERIFY(p.bild(0)->pixmap().isNull());
    }
};

QTEST_MAIN(TestSlotAnzeige)
#include "tst_slotanzeige.moc"
