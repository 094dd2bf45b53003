// The table editor, the track layout calculator and the lap tables window with its export;
// last, the table editor reached from the running program's main window.

#include <QChart>
#include <QLineSeries>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSqlRecord>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "TestHelfer.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "darstellung/RundenExport.h"
#include "darstellung/TabellenModell.h"
#include "data/Datenbank.h"
#include "engine/Rennleitung.h"
#include "ui/ProgrammStart.h"
#include "ui/frmHallOfFame.h"
#include "ui/frmMain.h"
#include "ui/frmOptions.h"
#include "ui/frmRundentabelle.h"
#include "ui/frmStatistik.h"
#include "ui/frmStreckenLayout.h"

namespace {
QStringList eintraege(const QListWidget* l) {
    QStringList t;
    for (int i = 0; i < l->count(); ++i) t << l->item(i)->text();
    return t;
}
QStringList eintraege(const QComboBox* c) {
    QStringList t;
    for (int i = 0; i < c->count(); ++i) t << c->itemText(i);
    return t;
}
}  // namespace

class TestTabellen : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_ordner = std::make_unique<QTemporaryDir>();
        m_db = std::make_unique<Datenbank>(QStringLiteral("tabellen"));
        QVERIFY(m_db->oeffneOderErzeuge(m_ordner->filePath("t.db")));
    }
    void cleanup() { m_db.reset(); }

    void streckenlayout() {
        QVERIFY(m_db->execute("insert into schienen values ('Bahnbau','Kurve 1',10,20),"
                              "('Bahnbau','Gerade',30,30),('Andere','Bogen',5,9)"));
        QVERIFY(m_db->execute("insert into strecken (name) values ('Jörg''s Bahn')"));
        frmStreckenLayout w(*m_db);
        QCOMPARE(w.windowTitle(), QStringLiteral("Streckenlayout"));
        w.cobStrecke()->setCurrentText("Jörg's Bahn");
        QCOMPARE(w.cobStrecke()->currentText(), QStringLiteral("Jörg's Bahn"));
        w.cobHersteller()->setCurrentText("Bahnbau");
        QCOMPARE(eintraege(w.lstSchienen()), QStringList({"Gerade", "Kurve 1"}));

        // A straight offers only "Gerade", a bend only left and right.
        w.lstSchienen()->setCurrentRow(0);
        QVERIFY(w.optGerade()->isChecked() && !w.optLinks()->isEnabled());
        w.lstSchienen()->setCurrentRow(1);
        QVERIFY(!w.optGerade()->isEnabled() && w.optLinks()->isChecked());

        // Left and right bend of 10/20: 30 on both lanes.
        w.Hinzufuegen_Click();
        w.optRechts()->setChecked(true);
        w.Hinzufuegen_Click();
        QCOMPARE(w.lblInnen()->text(), QStringLiteral("30"));
        QCOMPARE(w.lblAussen()->text(), QStringLiteral("30"));
        QCOMPARE(eintraege(w.lstLayout()),
                 QStringList({"Bahnbau Kurve 1 1 L", "Bahnbau Kurve 1 1 R"}));

        // Nothing selected: the new row goes first. A straight counts on both lanes.
        w.lstLayout()->clearSelection();
        w.lstSchienen()->setCurrentRow(0);
        w.txtAnzahl()->setValue(2);
        w.Hinzufuegen_Click();
        QCOMPARE(eintraege(w.lstLayout()).first(), QStringLiteral("Bahnbau Gerade 2 G"));
        QCOMPARE(w.lblInnen()->text(), QStringLiteral("90"));
        QCOMPARE(m_db->wert("select group_concat(nummer) from (select nummer from streckenlayout "
                            "order by nummer)").toString(),
                 QStringLiteral("1,3,5"));

        // Up on the first row and down on the last change nothing; up on the last moves it.
        const QStringList vorher = eintraege(w.lstLayout());
        w.lstLayout()->setCurrentRow(0);
        w.Up_Click();
        QCOMPARE(eintraege(w.lstLayout()), vorher);
        w.lstLayout()->setCurrentRow(2);
        w.Down_Click();
        QCOMPARE(eintraege(w.lstLayout()), vorher);
        w.Up_Click();
        QCOMPARE(eintraege(w.lstLayout()),
                 QStringList({"Bahnbau Gerade 2 G", "Bahnbau Kurve 1 1 R", "Bahnbau Kurve 1 1 L"}));
        QCOMPARE(w.lstLayout()->currentRow(), 1);
        w.Loeschen_Click();
        QCOMPARE(w.lblInnen()->text(), QStringLiteral("70"));
        QCOMPARE(w.lblAussen()->text(), QStringLiteral("80"));

        w.InStreckeUebernehmen_Click();
        QCOMPARE(m_db->wert("select laengeinnen from strecken where name=?", {"Jörg's Bahn"})
                     .toDouble(),
                 70.0);
        QCOMPARE(m_db->wert("select laengeaussen from strecken where name=?", {"Jörg's Bahn"})
                     .toDouble(),
                 80.0);
    }

    void rundentabelleUndExport() {
        // 25 past races of two laps each, one current race.
        for (int r = 1; r <= 25; ++r)
            for (int runde = 1; runde <= 2; ++runde)
                QVERIFY(m_db->execute(
                    "insert into histrennen (lfdnr,Fahrer,Auto,Runde,Zeit,Gesamt,rennzeit) "
                    "values (?,?,?,?,?,?,?)",
                    {runde, r == 25 ? "Anna" : "Bernd", "Porsche", runde, 5.25, 5.25 * runde,
                     QStringLiteral("2026.03.%1 10:00:00").arg(r, 2, 10, QLatin1Char('0'))}));
        const char* const laeufe[][3] = {
            {"Jörg O'Brien", "Käfer; \"Ovali\"", "5.5"}, {"Ännchen", "Mäx", "4.75"},
            {"Jörg O'Brien", "Käfer; \"Ovali\"", "5.25"}, {"Ännchen", "Mäx", "4.5"}};
        int lauf = 0;
        for (const auto& l : laeufe) {
            ++lauf;
            QVERIFY(m_db->execute("insert into aktrennen (Fahrer,Auto,Strecke,Runde,Zeit,Gesamt,"
                                  "Uhr,Bahn,RennName) values (?,?,'Heim',?,?,?,'10:00:00',?,"
                                  "'Clubabend')",
                                  {QString::fromUtf8(l[0]), QString::fromUtf8(l[1]),
                                   (lauf + 1) / 2, QString::fromLatin1(l[2]).toDouble(),
                                   lauf * 5.0, 2 - lauf % 2}));
        }
        QVERIFY(m_db->execute("insert or replace into laufstand (id, stempel, rennname) values "
                              "(1, '2026.03.26 20:15:00', 'Clubabend')"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        frmRundentabelle w(*m_db, 20, 600);
        QCOMPARE(w.windowTitle(), QStringLiteral("Rundentabelle"));
        QCOMPARE(w.grid()->font().pointSize(), 6);  // a screen under 610 pixels
        QCOMPARE(w.cobRennen()->count(), 21);
        QCOMPARE(w.cobRennen()->itemText(0), QStringLiteral("2026.03.26 20:15:00 – Clubabend"));
        QCOMPARE(w.cobRennen()->itemText(1), QStringLiteral("2026.03.25 10:00:00"));
        QCOMPARE(w.cobRennen()->itemText(20), QStringLiteral("2026.03.06 10:00:00"));
        QCOMPARE(eintraege(w.cobFahrer()), QStringList({"Alle", "Jörg O'Brien", "Ännchen"}));
        QCOMPARE(w.grid()->model()->rowCount(), 4);
        // Times keep their three decimals.
        QCOMPARE(w.grid()->model()->index(1, 6).data().toString(), QStringLiteral("4,750"));
        QCOMPARE(w.daten().spalten, RundenDaten::standardSpalten());
        QCOMPARE(w.daten().titel, QStringLiteral("Clubabend – 26.03.2026 20:15 – Heim"));
        // Each driver's line in his lane's colour (a dark line under it).
        const auto farbeVon = [&w](const QString& fahrer) {
            for (QAbstractSeries* r : w.diagramm()->series())
                if (r->name() == fahrer) return static_cast<QLineSeries*>(r)->pen().color();
            return QColor();
        };
        std::array<QColor, 7> farben;
        for (int b = 1; b <= 6; ++b) farben[size_t(b)] = QColor::fromHsv(b * 50, 255, 200);
        w.setzeBahnFarben(farben);
        QCOMPARE(farbeVon("Jörg O'Brien"), farben[1]);
        QCOMPARE(farbeVon("Ännchen"), farben[2]);

        // A past race: only its drivers; one driver: only his laps.
        w.cobRennen()->setCurrentIndex(1);
        w.RennenGewaehlt();
        QCOMPARE(eintraege(w.cobFahrer()), QStringList({"Alle", "Anna"}));
        QCOMPARE(w.grid()->model()->rowCount(), 2);
        w.cobRennen()->setCurrentIndex(0);
        w.RennenGewaehlt();
        w.cobFahrer()->setCurrentIndex(1);
        w.FahrerGewaehlt();
        QCOMPARE(w.grid()->model()->rowCount(), 2);
        QVERIFY(farbeVon("Jörg O'Brien").isValid() && !farbeVon("Ännchen").isValid());
        w.cobFahrer()->setCurrentIndex(0);
        w.FahrerGewaehlt();

        // The export offers "<race>-<date>" in the folder used last (at first the home folder)
        // and says where it wrote. CSV in a German locale: ";" between fields, decimal comma,
        // quoted where needed.
        QString filter, angeboten, ordner;
        QStringList meldungen;
        QString pfad = m_ordner->filePath("lauf");
        w.setzeSpeicherWahl([&](const QString&, const QString& vorschlag, const QString&,
                                QString* gewaehlt) {
            angeboten = vorschlag;
            *gewaehlt = filter;
            return pfad;
        });
        w.setzeMeldung([&](const QString& text) { meldungen << text; });
        w.setzeOrdner([&] { return ordner; }, [&](const QString& o) { ordner = o; });
        filter = "CSV-Datei (*.csv)";
        w.Export_Click();
        QCOMPARE(angeboten, QDir::home().filePath("Clubabend-2026-03-26.csv"));
        QCOMPARE(ordner, m_ordner->path());
        QCOMPARE(meldungen, QStringList("Die Rundentabelle steht jetzt in " + pfad + ".csv."));
        QFile csv(pfad + ".csv");
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray roh = csv.readAll();
        QVERIFY(roh.startsWith("\xEF\xBB\xBF"));
        const QStringList zeilen = QString::fromUtf8(roh.mid(3)).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), 5);
        QCOMPARE(zeilen[0], QStringLiteral("Fahrer;Auto;Strecke;Runde;Uhr;MProSec;Zeit;Gesamt;RennInfo"));
        QCOMPARE(zeilen[1],
                 QStringLiteral("Jörg O'Brien;\"Käfer; \"\"Ovali\"\"\";Heim;1;10:00:00;;5,500;5,000;"));

        // PDF (chosen in the filter, the ".csv" offered notwithstanding), in the folder used
        // last: titled with race, date and track; standings first (most laps, then the
        // shorter total), then every lap.
        filter = "PDF-Datei (*.pdf)";
        pfad = m_ordner->filePath("lauf.csv");
        w.Export_Click();
        QCOMPARE(angeboten, m_ordner->filePath("Clubabend-2026-03-26.csv"));
        pfad.chop(4);
        QCOMPARE(meldungen.last(), "Die Rundentabelle steht jetzt in " + pfad + ".pdf.");
        QLocale::setDefault(QLocale::c());
        QProcess text;
        text.start("pdftotext", {"-layout", pfad + ".pdf", "-"});
        QVERIFY(text.waitForFinished());
        const QString inhalt = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(inhalt.contains("Clubabend – 26.03.2026 20:15 – Heim"), qPrintable(inhalt));
        QVERIFY2(inhalt.contains("Jörg O'Brien"), qPrintable(inhalt));
        QVERIFY(inhalt.contains("Ännchen"));
        QVERIFY(inhalt.contains("Käfer; \"Ovali\""));
        // Both drove two laps; 15 s before 20 s.
        QVERIFY(inhalt.indexOf("Jörg O'Brien") < inhalt.indexOf("Ännchen"));
        QVERIFY(inhalt.contains("4,500"));

        // After corrections: a lap taken back counts nowhere, an added lap is never the best.
        RundenDaten d;
        d.spalten = RundenDaten::standardSpalten();
        auto runde = [&](const char* fahrer, int nr, double zeit, double gesamt, const char* info) {
            d.zeilen.append({fahrer, "A", "Heim", nr, "10:00:00", 0.0, zeit, gesamt, info});
        };
        runde("Anna", 1, 5.0, 5.0, "SR ");
        runde("Bert", 1, 5.2, 5.2, "SR ");
        runde("Bert", 2, 1.5, 6.7, "SR  P1 K-");
        runde("Anna", 2, 2.0, 7.0, " K+");
        const QVector<RundenDaten::Stand> stand = d.rangliste();
        QCOMPARE(stand.size(), 2);
        QCOMPARE(stand[0].fahrer, QStringLiteral("Anna"));
        QCOMPARE(stand[0].runden, 2);
        QCOMPARE(stand[0].beste, 5.0);
        QCOMPARE(stand[1].runden, 1);
        QCOMPARE(stand[1].beste, 5.2);
        QCOMPARE(stand[1].gesamt, 5.2);

        // Every page of a long table starts with its header.
        for (int nr = 3; nr <= 150; ++nr) runde("Anna", nr, 5.0, 5.0 * nr, "");
        QVERIFY(RundenExport::schreibePdf(d, m_ordner->filePath("lang.pdf"), QLocale::c()));
        for (int seite = 2; seite <= 3; ++seite) {
            QProcess p;
            p.start("pdftotext", {"-f", QString::number(seite), "-l", QString::number(seite),
                                  "-layout", m_ordner->filePath("lang.pdf"), "-"});
            QVERIFY(p.waitForFinished(-1));
            const QString s = QString::fromUtf8(p.readAllStandardOutput());
            QVERIFY2(s.trimmed().startsWith("Fahrer") && s.contains("MProSec"), qPrintable(s));
        }
    }

    void tabellenEditor() {
        SkriptRueckfrage frage;
        int texte = 0;
        TabellenAktionen aktionen;
        aktionen.SetzeTexte = [&] { ++texte; };
        frmOptions w(*m_db, frage, aktionen);
        QCOMPARE(frmOptions::schluessel(),
                 QStringList({"rennen", "fahrer", "SRunden", "autos", "strecken",
                              "streckenlayout", "schienen", "texte"}));
        QCOMPARE(w.modell()->tableName(), QStringLiteral("positionen"));
        w.waehle("texte");
        QCOMPARE(w.modell()->tableName(), QStringLiteral("texte"));
        QCOMPARE(w.modell()->data(w.modell()->index(1, 0)).toInt(), 1);  // nummer, then langid
        QCOMPARE(w.modell()->data(w.modell()->index(1, 1)).toInt(), 1033);

        // A number column takes only numbers; the refused text leaves the row as it was.
        w.waehle("schienen");
        w.NeueZeile_Click();
        QCOMPARE(m_db->wert("select count(*) from schienen").toInt(), 1);
        const int zeile = w.grid()->currentIndex().row();
        TabellenModell* m = w.modell();
        QVERIFY(m->setData(m->index(zeile, 1), "Kurve 2"));
        QVERIFY(!m->setData(m->index(zeile, 2), "zehn"));
        QCOMPARE(frage.meldungen.size(), 1);
        QVERIFY(frage.meldungen[0].contains("zehn"));
        QVERIFY(m_db->wert("select linnen from schienen").isNull());
        QVERIFY(m->setData(m->index(zeile, 2), "105,5"));
        QCOMPARE(m_db->wert("select linnen from schienen").toDouble(), 105.5);

        // A write the database refuses: reported, nothing half-written.
        QVERIFY(m_db->execute("create trigger sperre before update on schienen "
                              "begin select raise(abort, 'gesperrt'); end"));
        QVERIFY(!m->setData(m->index(zeile, 1), "Kurve 3"));
        QVERIFY(frage.meldungen.last().startsWith("Fehler beim Speichern. FehlerNr:"));
        QVERIFY(frage.meldungen.last().contains("gesperrt"));
        QCOMPARE(m->data(m->index(zeile, 1)).toString(), QStringLiteral("Kurve 2"));
        QCOMPARE(m_db->wert("select name from schienen").toString(), QStringLiteral("Kurve 2"));

        // Deleting asks first.
        w.grid()->setCurrentIndex(m->index(zeile, 0));
        frage.antwort = false;
        w.Loeschen_Click();
        QCOMPARE(m_db->wert("select count(*) from schienen").toInt(), 1);
        frage.antwort = true;
        w.Loeschen_Click();
        QCOMPARE(frage.fragen.last(), QStringLiteral("Soll die Zeile 1 gelöscht werden?"));
        QCOMPARE(m_db->wert("select count(*) from schienen").toInt(), 0);

        // Two rows alike in every value (the table has no key) stay two: an edit and a
        // deletion touch only the row chosen.
        QVERIFY(m_db->execute("drop trigger sperre"));
        const auto hersteller = [this] {
            return m_db->wert("select group_concat(coalesce(hersteller, '-'), ' ') from "
                              "(select hersteller from schienen order by hersteller)")
                .toString();
        };
        w.NeueZeile_Click();
        w.NeueZeile_Click();
        QCOMPARE(hersteller(), QStringLiteral("- -"));
        QVERIFY(m->setData(m->index(w.grid()->currentIndex().row(), 0), "Ninco"));
        QCOMPARE(hersteller(), QStringLiteral("- Ninco"));
        for (int z = 0; z < m->rowCount(); ++z)
            if (m->data(m->index(z, 0)).isNull()) QVERIFY(m->setData(m->index(z, 0), "Ninco"));
        QCOMPARE(hersteller(), QStringLiteral("Ninco Ninco"));
        w.grid()->setCurrentIndex(m->index(1, 0));
        w.Loeschen_Click();
        QCOMPARE(hersteller(), QStringLiteral("Ninco"));
        QCOMPARE(m->rowCount(), 1);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tabellen"));

        w.OK_Click();
        QCOMPARE(texte, 1);
        QVERIFY(frmOptions::infoText().contains("SQLite"));
    }

    // In the running program: a text edited in the "texte" tab is used after OK, no restart.
    void textAusDemEditorOhneNeustart() {
        QFile::remove(EinstellungsSpeicher::standardPfad());
        QFile::remove(EinstellungsSpeicher::standardDatenBank());
        VirtuelleUhr uhr;
        SkriptDialoge dialoge;
        SkriptRueckfrage rueckfrage;
        ProgrammStart::Optionen o;
        o.uhr = &uhr;
        o.sprache = false;
        o.rueckfrage = &rueckfrage;
        o.sperrDatei = m_ordner->filePath("sperre");
        o.fensterZeigen = false;
        ProgrammStart start(dialoge, o);
        QVERIFY(start.starte({"pistorelle"}));
        frmMain* f = start.hauptfenster();
        f->show();
        // Every window of the bar and the menu is there, under a readable caption.
        for (QPushButton* k :
             {findeIn<QPushButton>(f, "Command3"), findeIn<QPushButton>(f, "Command5"),
              findeIn<QPushButton>(f, "Command6")})
            QVERIFY(k->isEnabled());
        QStringList menue;
        for (QAction* a : findeIn<QToolButton>(f, "Funktionen")->menu()->actions())
            menue << a->text();
        QVERIFY(menue.contains("Fahrer und Autos"));
        QVERIFY(!menue.contains("Dummy"));
        // The statistics and the Hall of Fame open from the menu, once each.
        emit findeIn<QToolButton>(f, "Funktionen")->menu()->aboutToShow();
        for (QAction* a : findeIn<QToolButton>(f, "Funktionen")->menu()->actions())
            if (a->text() == "Statistik" || a->text() == "Hall of Fame") {
                QVERIFY(a->isEnabled());
                a->trigger();
                a->trigger();
            }
        QCOMPARE(f->findChildren<frmStatistik*>().size(), 1);
        QCOMPARE(f->findChildren<frmHallOfFame*>().size(), 1);
        QVERIFY(f->findChild<frmStatistik*>()->isVisible());
        f->findChild<frmStatistik*>()->close();
        f->findChild<frmHallOfFame*>()->close();
        const QString alt = start.leitung()->Text(2);
        bool gesehen = false;
        QTimer::singleShot(0, [&] {
            auto* editor = qobject_cast<frmOptions*>(QApplication::activeModalWidget());
            QVERIFY(editor);
            gesehen = true;
            editor->waehle("texte");
            TabellenModell* m = editor->modell();
            for (int z = 0; z < m->rowCount(); ++z)
                if (m->data(m->index(z, 0)).toInt() == 2 && m->data(m->index(z, 1)).toInt() == 1031)
                    QVERIFY(m->setData(m->index(z, 2), "Achtung, O'Briens Start"));
            QCOMPARE(start.leitung()->Text(2), alt);  // not before OK
            editor->OK_Click();
        });
        findeIn<QPushButton>(f, "Command5")->click();
        QVERIFY(gesehen);
        QCOMPARE(start.leitung()->Text(2), QStringLiteral("Achtung, O'Briens Start"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_ordner;
    std::unique_ptr<Datenbank> m_db;
};

QTEST_MAIN(TestTabellen)
#include "tst_tabellen.moc"
