// The small dialogs: the driver-and-car choice of a panel, the database choice and the
// confirmation box.

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "data/Datenbank.h"
#include "ui/DiaWeiter.h"
#include "ui/diaDatenbank.h"
#include "ui/diaFahrer.h"

class TestDialoge : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_ordner = std::make_unique<QTemporaryDir>();
        m_db = std::make_unique<Datenbank>(QStringLiteral("dialoge"));
        QVERIFY(m_db->oeffneOderErzeuge(m_ordner->filePath("t.db")));
        QVERIFY(m_db->execute("update positionen set platz=bahn"));
        QVERIFY(m_db->execute("insert into fahrer (name, bildlink) values ('Anna', 'anna.jpg')"));
        QVERIFY(m_db->execute("insert into fahrer (name) values ('Bernd')"));
        QVERIFY(m_db->execute("insert into autos (name, bildlink) values ('Porsche', 'p.jpg')"));
        QVERIFY(m_db->execute("insert into autos (name) values ('Ferrari')"));
        QVERIFY(
            m_db->execute("insert into auto2fahrer (fahrernr, autonr) select f.nummer, "
                          "a.nummer from fahrer f, autos a where f.name='Anna' and "
                          "a.name='Porsche'"));
    }
    void cleanup() { m_db.reset(); }

    void fahrerUndAutoFuerEinePosition() {
        diaFahrer d(*m_db, "/bilder", "Fahrer 2", "Auto 2", 2);
        QCOMPARE(d.windowTitle(), QStringLiteral("Fahrer und Fahrzeug zuordnen"));
        QCOMPARE(d.fahrerListe()->count(), 2);
        QCOMPARE(d.autoListe()->count(), 2);

        waehle(d.fahrerListe(), "Anna");
        QCOMPARE(d.fahrerBild(), QStringLiteral("/bilder/anna.jpg"));
        QCOMPARE(d.autoListe()->count(), 1);  // Anna's cars only
        d.Alle_Click();
        QCOMPARE(d.autoListe()->count(), 2);
        waehle(d.autoListe(), "Ferrari");
        QVERIFY(d.autoBild().isEmpty());
        d.FahrerAuswahl();
        QVERIFY(d.ok());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.fahrer(), QStringLiteral("Anna"));
        QCOMPARE(d.autoName(), QStringLiteral("Ferrari"));
        QCOMPARE(m_db->wert("select fahrer from positionen where platz=2").toString(),
                 QStringLiteral("Anna"));
        QCOMPARE(m_db->wert("select auto from positionen where platz=2").toString(),
                 QStringLiteral("Ferrari"));
        QCOMPARE(m_db->wert("select count(*) from positionen where fahrer='Anna'").toInt(), 1);
    }

    void freierTextUndVorgabe() {
        // Typed names win over the lists and may hold any character.
        diaFahrer d(*m_db, "/bilder", "Anna", "Porsche", 3);
        QCOMPARE(d.fahrerListe()->currentItem()->text(), QStringLiteral("Anna"));
        QCOMPARE(d.autoListe()->currentItem()->text(), QStringLiteral("Porsche"));
        QCOMPARE(d.autoBild(), QStringLiteral("/bilder/p.jpg"));
        d.freierFahrer()->setText("O'Neil; drop table fahrer");
        d.FahrerAuswahl();
        QCOMPARE(m_db->wert("select fahrer from positionen where platz=3").toString(),
                 QStringLiteral("O'Neil; drop table fahrer"));
        QCOMPARE(m_db->wert("select auto from positionen where platz=3").toString(),
                 QStringLiteral("Porsche"));
        QVERIFY(d.fahrerBild().isEmpty());  // a typed name has no picture
        QCOMPARE(m_db->wert("select count(*) from fahrer").toInt(), 2);

        // Nothing chosen keeps what the panel showed.
        diaFahrer leer(*m_db, "/bilder", "Fahrer 4", "Auto 4", 4);
        QVERIFY(!leer.fahrerListe()->currentItem());
        leer.FahrerAuswahl();
        QCOMPARE(m_db->wert("select fahrer from positionen where platz=4").toString(),
                 QStringLiteral("Fahrer 4"));
    }

    void abbruchSchreibtNichts() {
        diaFahrer d(*m_db, "/bilder", "Fahrer 1", "Auto 1", 1);
        waehle(d.fahrerListe(), "Bernd");
        for (QPushButton* k : d.findChildren<QPushButton*>())
            if (k->text() == QLatin1String("Abbruch")) k->click();
        QVERIFY(!d.ok());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(m_db->wert("select fahrer from positionen where platz=1").toString(),
                 QStringLiteral("Fahrer 1"));
    }

    void datenbankDialog() {
        diaDatenbank d({"/daten/Pistorelle.db", true, false});
        QCOMPARE(d.windowTitle(), QStringLiteral("Datenbank auswählen"));
        QCOMPARE(d.pfadFeld()->text(), QStringLiteral("/daten/Pistorelle.db"));
        QVERIFY(d.wiederAnzeigen()->isChecked());
        QVERIFY(!d.fuerNeustart()->isChecked());
        d.setzeDatei(QString());  // the file chooser cancelled: the path stays
        QCOMPARE(d.pfadFeld()->text(), QStringLiteral("/daten/Pistorelle.db"));
        d.setzeDatei("/verein/club.db");
        d.wiederAnzeigen()->setChecked(false);
        d.fuerNeustart()->setChecked(true);
        const DatenbankWahl w = d.wahl();
        QCOMPARE(w.pfad, QStringLiteral("/verein/club.db"));
        QVERIFY(!w.wiederAnzeigen);
        QVERIFY(w.fuerNeustart);
    }

    void weiterDialog_data() {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("OK") << "OK" << int(QDialog::Accepted);
        QTest::newRow("Abbrechen") << "Abbrechen" << int(QDialog::Rejected);
    }
    void weiterDialog() {
        QFETCH(QString, knopf);
        QFETCH(int, ergebnis);
        DiaWeiter d("Soll der Lauf gestoppt werden?");
        QCOMPARE(d.text(), QStringLiteral("Soll der Lauf gestoppt werden?"));
        auto* knoepfe = d.findChild<QDialogButtonBox*>();
        QCOMPARE(knoepfe->buttons().size(), 2);
        for (QAbstractButton* k : knoepfe->buttons())
            if (k->text() == knopf) k->click();
        QCOMPARE(d.result(), ergebnis);
    }

private:
    static void waehle(QListWidget* liste, const QString& text) {
        const auto treffer = liste->findItems(text, Qt::MatchExactly);
        QVERIFY(!treffer.isEmpty());
        liste->setCurrentItem(treffer.first());
        emit liste->itemClicked(treffer.first());
    }

    std::unique_ptr<QTemporaryDir> m_ordner;
    std::unique_ptr<Datenbank> m_db;
};

QTEST_MAIN(TestDialoge)
#include "tst_dialoge.moc"
