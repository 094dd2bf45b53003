// Master data of drivers and cars, and the options dialog with its round trip through the
// settings store.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "TestHelfer.h"
#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "data/Datenbank.h"
#include "ui/FarbSeite.h"
#include "ui/LPTControl.h"
#include "ui/diaAuto2Fahrer.h"
#include "ui/frmOptionsNeu.h"

namespace {
QStringList eintraege(const QListWidget* l) {
    QStringList t;
    for (int i = 0; i < l->count(); ++i) t << l->item(i)->text();
    return t;
}
}  // namespace

class TestStammdaten : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_ordner = std::make_unique<QTemporaryDir>();
        m_db = std::make_unique<Datenbank>(QStringLiteral("stammdaten"));
        QVERIFY(m_db->oeffneOderErzeuge(m_ordner->filePath("t.db")));
    }
    void cleanup() { m_db.reset(); }

    // A club racer enters two drivers and two cars, corrects one, assigns, deletes.
    void fahrerUndAutosPflegen() {
        diaAuto2Fahrer d(*m_db, m_ordner->path());
        QStringList gefragt;
        d.setzeDateiWahl([&](const QString& titel, const QString&, const QString&,
                             const QString&) {
            gefragt << titel;
            return gefragt.size() == 1 ? m_ordner->filePath("o'brien.png") : QString();
        });
        QCOMPARE(d.windowTitle(), QStringLiteral("Auto Fahrer zuordnen"));

        // New driver: the first press opens the fields, the second saves.
        d.cmdFahrerNeu()->click();
        QCOMPARE(d.cmdFahrerNeu()->text(), QStringLiteral("Speichern"));
        QVERIFY(!d.cmdFahrerAendern()->isEnabled() && !d.cmdFahrerLoeschen()->isEnabled());
        QVERIFY(!d.txtFahrer(3)->text().isEmpty());  // today's date
        d.txtFahrer(1)->setText("Jörg O'Brien");
        d.txtFahrer(5)->setText("Jörg");
        d.waehleFahrerBild();  // picked
        QCOMPARE(d.txtFahrer(4)->text(), QStringLiteral("o'brien.png"));
        d.waehleFahrerBild();  // cancelled: unchanged
        QCOMPARE(d.txtFahrer(4)->text(), QStringLiteral("o'brien.png"));
        QCOMPARE(gefragt, QStringList({"Wähle Bild", "Wähle Bild"}));
        d.cmdFahrerNeu()->click();
        QCOMPARE(d.cmdFahrerNeu()->text(), QStringLiteral("Neu"));
        QVERIFY(d.txtFahrer(1)->isReadOnly());
        d.cmdFahrerNeu()->click();
        d.txtFahrer(1)->setText("Anna");
        d.cmdFahrerNeu()->click();
        QCOMPARE(eintraege(d.lstFahrer()), QStringList({"Anna", "Jörg O'Brien"}));
        QCOMPARE(m_db->wert("select count(*) from fahrer").toInt(), 2);
        QCOMPARE(m_db->wert("select bildlink from fahrer where name=?", {"Jörg O'Brien"}).toString(),
                 QStringLiteral("o'brien.png"));

        // Saving with a number changes exactly that row.
        const int anna = m_db->wert("select nummer from fahrer where name='Anna'").toInt();
        QVERIFY(d.waehleFahrer(anna));
        d.cmdFahrerAendern()->click();
        d.txtFahrer(2)->setText("Mitglied 7");
        d.cmdFahrerAendern()->click();
        QCOMPARE(m_db->wert("select count(*) from fahrer").toInt(), 2);
        QCOMPARE(m_db->wert("select mitglied from fahrer where nummer=?", {anna}).toString(),
                 QStringLiteral("Mitglied 7"));
        QVERIFY(m_db->wert("select mitglied from fahrer where nummer<>?", {anna}).toString().isEmpty());

        // Cars; the long name edited under "Ändern" is stored.
        for (const char* name : {"Porsche 917", "Ferrari 312"}) {
            d.cmdAutoNeu()->click();
            d.txtAuto(1)->setText(QString::fromUtf8(name));
            d.txtAuto(5)->setText("lang");
            d.cmdAutoNeu()->click();
        }
        const int porsche = m_db->wert("select nummer from autos where name like 'Porsche%'").toInt();
        QVERIFY(d.waehleAuto(porsche));
        d.cmdAutoAendern()->click();
        d.txtAuto(5)->setText("anders");
        d.txtAuto(2)->setText("Bemerkung");
        d.cmdAutoAendern()->click();
        QCOMPARE(m_db->wert("select LangName from autos where nummer=?", {porsche}).toString(),
                 QStringLiteral("anders"));
        QCOMPARE(m_db->wert("select Bemerkung from autos where nummer=?", {porsche}).toString(),
                 QStringLiteral("Bemerkung"));

        // Assigning twice keeps one pair.
        d.waehleFahrer(anna);
        d.cmdZuweisen_Click();
        d.cmdZuweisen_Click();
        QCOMPARE(m_db->wert("select count(*) from auto2fahrer").toInt(), 1);
        QCOMPARE(eintraege(d.lstFahrerAutos()), QStringList({"Porsche 917"}));

        // Deleting the car asks inline; its pair stays but is never listed.
        d.cmdAutoLoeschen()->click();
        QVERIFY(d.frameLoeschen()->isVisibleTo(&d));
        QVERIFY(d.lblLoeschen()->text().startsWith("Soll das Auto gelöscht werden?"));
        d.LoeschenBestaetigen();
        QCOMPARE(m_db->wert("select count(*) from autos").toInt(), 1);
        QCOMPARE(m_db->wert("select count(*) from auto2fahrer").toInt(), 1);
        d.waehleFahrer(anna);
        QVERIFY(eintraege(d.lstFahrerAutos()).isEmpty());

        // Deleting a driver keeps his pairs too.
        d.waehleAuto(m_db->wert("select nummer from autos").toInt());
        d.cmdZuweisen_Click();
        d.cmdFahrerLoeschen()->click();
        QVERIFY(d.lblLoeschen()->text().startsWith("Soll der Fahrer gelöscht werden?"));
        d.LoeschenBestaetigen();
        QCOMPARE(eintraege(d.lstFahrer()), QStringList({"Jörg O'Brien"}));
        QCOMPARE(m_db->wert("select count(*) from auto2fahrer").toInt(), 2);
    }

    // Every page: values that are not the defaults survive open -> OK -> restart -> open, and
    // OK runs its steps in the fixed order.
    void optionenRundreise() {
        EinstellungsSpeicher speicher(m_ordner->filePath("p.ini"));
        Einstellungen e;
        speicher.HoleRegWerte(e);
        SkriptRueckfrage frage;
        QStringList ablauf;
        OptionenAnwendung anwendung;
        anwendung.MSCommOeffnen = [&] { ablauf << "MSCommOeffnen"; };
        anwendung.MyInit = [&] { ablauf << "MyInit"; };
        anwendung.BildschirmRefresh = [&] { ablauf << "BildschirmRefresh"; };
        anwendung.SchalteLPT = [&](const QString& w, int an) {
            ablauf << QStringLiteral("%1=%2").arg(w).arg(an);
        };
        {
            frmOptionsNeu d(e, speicher, frage, anwendung, m_uhr);
            d.findChild<QRadioButton*>("Quelle3")->setChecked(true);  // DS200
            d.findChild<QCheckBox*>("DSGoStart")->setChecked(true);
            d.findChild<QSpinBox*>("RaceControlPort2")->setValue(4);
            d.findChild<QLineEdit*>("CommPort2")->setText("7");
            d.findChild<QLineEdit*>("LPT2PortAdr")->setText("3bc");
            d.pinControl(6)->cmdPort()->click();  // Ampel Rot 1: not assigned -> LPT1 -> LPT2
            d.pinControl(6)->cmdPort()->click();
            d.pinControl(6)->PinSB1(3)->click();
            d.findChild<QCheckBox*>("MeldungsAnsage4_1")->setChecked(false);
            d.findChild<QSpinBox*>("MeldungAbRunde5")->setValue(3);
            d.findChild<QSpinBox*>("PauseVorStint")->setValue(33);
            d.findChild<QCheckBox*>("showRundenTab")->setChecked(true);
            d.findChild<QCheckBox*>("MenueOben")->setChecked(false);
            d.findChild<QCheckBox*>("BilderAnzeigen")->setChecked(true);
            d.findChild<QLineEdit*>("AnzBahnen")->setText("6");
            d.findChild<QLineEdit*>("ltfPfad")->setText("/tmp/lauf/");
            d.findChild<QLineEdit*>("DatenBank")->setText("/tmp/andere.db");
            frage.antwort = true;
            d.farben()->waehleSchema(FarbSeite::Dunkel);
            QCOMPARE(frage.fragen.last(), QStringLiteral("Sollen die dunklen Farben verwendet werden?"));
            frage.antwort = false;
            d.farben()->waehleSchema(FarbSeite::Hell);  // refused: nothing changes
            d.farben()->setzeFarbWahl([](const QColor&) { return QColor(1, 2, 3); });
            d.farben()->SlotFarbe_Click(6);
            d.OK_Click();
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        QCOMPARE(ablauf, QStringList({"MSCommOeffnen", "MyInit", "BildschirmRefresh",
                                      "BahnAlle=1", "AmpelAlle=0", "AmpelGruen=1"}));

        Einstellungen neu;  // a restart
        speicher.HoleRegWerte(neu);
        QCOMPARE(neu.DS200Aktiv, 1);
        QCOMPARE(neu.ComControlAktiv, 0);
        QCOMPARE(neu.DSGoStart, 1);
        QCOMPARE(neu.RaceControlPort[2], qint16(4));
        QCOMPARE(neu.CommPort2, QStringLiteral("7"));
        QCOMPARE(neu.LPT1PortAdr, QStringLiteral("888"));  // untouched, still decimal
        QCOMPARE(neu.LPT2PortAdr, QStringLiteral("956"));  // typed hex 3BC
        QCOMPARE(neu.LPTAmpel[1], QStringLiteral("LPT2 3"));
        QCOMPARE(neu.LPTAmpel[2], QStringLiteral("LPT1 4"));
        QCOMPARE(neu.LPTErf[1], QStringLiteral("AUS"));
        QCOMPARE(neu.MeldungsAnsage[4], qint16(5));
        QCOMPARE(neu.MeldungAbRunde[5], qint16(3));
        QCOMPARE(neu.PauseVorStint, qint16(33));
        QCOMPARE(neu.showRundenTab, 1);
        QCOMPARE(neu.MenueOben, 0);
        QCOMPARE(neu.BilderAnzeigen, qint16(1));
        QCOMPARE(neu.AnzBahnen, qint16(6));
        QCOMPARE(neu.ltfPfad, QStringLiteral("/tmp/lauf/"));
        QCOMPARE(speicher.hole("DatenBank"), QStringLiteral("/tmp/andere.db"));
        QCOMPARE(neu.Farbe[1], qint32(0x4080FF));
        QCOMPARE(neu.FontFarbe[1], qint32(0x80000012));  // a system colour stays one
        QCOMPARE(neu.Farbe[6], qint32(0x030201));

        // Open again and OK without touching anything: the store is the same text for text.
        QSettings vorher(speicher.pfad(), QSettings::IniFormat);
        QMap<QString, QVariant> alt;
        for (const QString& k : vorher.allKeys()) alt[k] = vorher.value(k);
        {
            frmOptionsNeu d(neu, speicher, frage, {}, m_uhr);
            QCOMPARE(d.findChild<QLineEdit*>("LPT2PortAdr")->text(), QStringLiteral("3BC"));
            QVERIFY(d.findChild<QRadioButton*>("Quelle3")->isChecked());
            QVERIFY(!d.pinControl(12)->isEnabled());  // inputs only with "LPT Port"
            d.OK_Click();
        }
        QSettings nachher(speicher.pfad(), QSettings::IniFormat);
        for (const QString& k : nachher.allKeys()) QCOMPARE(nachher.value(k), alt.value(k));
        QCOMPARE(nachher.allKeys().size(), alt.size());
    }

    void optionenPruefungen() {
        EinstellungsSpeicher speicher(m_ordner->filePath("p.ini"));
        Einstellungen e;
        speicher.HoleRegWerte(e);
        SkriptRueckfrage frage;
        int angewendet = 0;
        OptionenAnwendung anwendung;
        anwendung.MyInit = [&] { ++angewendet; };
        frmOptionsNeu d(e, speicher, frage, anwendung, m_uhr);

        // Pin 2 of LPT1 for two signals: the warning; moved away: gone.
        QVERIFY(d.lblDoppelt()->isHidden());
        d.pinControl(4)->cmdPort()->click();  // Strom Bahn 5 on LPT1 ...
        d.pinControl(4)->PinSB1(2)->click();  // ... onto Strom Bahn 3's pin
        QVERIFY(!d.lblDoppelt()->isHidden());
        d.pinControl(4)->PinSB1(9)->click();
        QVERIFY(d.lblDoppelt()->isHidden());

        // A lane count outside 2..6 refuses OK with the message.
        d.findChild<QLineEdit*>("AnzBahnen")->setText("7");
        d.OK_Click();
        QCOMPARE(frage.meldungen, QStringList({"Anzahl Slots muss zwischen 2 und 6 liegen!"}));
        QCOMPARE(angewendet, 0);
        QCOMPARE(e.AnzBahnen, qint16(4));

        // The sound chooser: cancelling leaves the field.
        auto* ton = d.findChild<QLineEdit*>("TonBeep");
        const QString vorher = ton->text();
        QString antwort;
        d.setzeDateiWahl([&](const QString& t, const QString&, const QString&, const QString&) {
            return t == QStringLiteral("Wähle Sound") ? antwort : QString();
        });
        d.waehleTon(2);
        QCOMPARE(ton->text(), vorher);
        antwort = "/klang/piep.wav";
        d.waehleTon(2);
        QCOMPARE(ton->text(), QStringLiteral("/klang/piep.wav"));

        // The own scheme: stored only on yes, loaded back only on yes.
        FarbSeite* f = d.farben();
        f->setzeFarbWahl([](const QColor&) { return QColor(0x11, 0x22, 0x33); });
        f->SlotFarbe_Click(2);
        frage.antwort = false;
        f->MeineFarbeSpeichern_Click();
        QVERIFY(speicher.hole("MeineFarbe2").isEmpty());
        frage.antwort = true;
        f->MeineFarbeSpeichern_Click();
        QCOMPARE(frage.fragen.last(), QStringLiteral("Sollen die eigenen Farben gespeichert werden?"));
        QCOMPARE(speicher.hole("MeineFarbe2"), QString::number(0x332211));
        f->waehleSchema(FarbSeite::Hell);
        QCOMPARE(f->farbe(2), qint32(0xFFFF80));
        f->MeineFarbe_Click();
        QCOMPARE(f->farbe(2), qint32(0x332211));
        QCOMPARE(f->fontFarbe(1), qint32(0x000000));  // the default, stored with the scheme

        // No race kind ticked stores 0.
        for (int k = 0; k < 3; ++k)
            d.findChild<QCheckBox*>(QStringLiteral("MeldungsAnsage7_%1").arg(k))->setChecked(false);
        d.findChild<QLineEdit*>("AnzBahnen")->setText("3");
        d.OK_Click();
        QCOMPARE(angewendet, 1);
        QCOMPARE(e.MeldungsAnsage[7], qint16(0));
        QCOMPARE(e.LPTBahn[5], QStringLiteral("LPT1 9"));
        QCOMPARE(e.TonBeep, QStringLiteral("/klang/piep.wav"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_ordner;
    std::unique_ptr<Datenbank> m_db;
    VirtuelleUhr m_uhr;
};

QTEST_MAIN(TestStammdaten)
#include "tst_stammdaten.moc"
