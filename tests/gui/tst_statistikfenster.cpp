// The statistics window and the Hall of Fame on a demo history of twelve evenings: opened,
// a driver and a car chosen, tables and chart filled, the export written; the records
// sorted and filtered. PISTORELLE_BILDER=FOLDER keeps pictures of both windows.

#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "data/Datenbank.h"
#include "ui/frmHallOfFame.h"
#include "ui/frmStatistik.h"

class TestStatistikfenster : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;
    Datenbank m_db{QStringLiteral("statistikfenster")};

    // Twelve weekly evenings; Bert gets faster over the season, Anna stays as she is. Two
    // cars on the home track, one evening on the club track; every tenth lap a little slower.
    void fuelleVerlauf() {
        QVERIFY(m_db.beginneTransaktion());
        int lfdnr = 0;
        for (int abend = 0; abend < 12; ++abend) {
            const QString stempel = QDateTime(QDate(2026, 1, 9).addDays(7 * abend), QTime(20, 0))
                                        .toString("yyyy.MM.dd HH:mm:ss");
            const QString strecke =
                abend == 5 ? QStringLiteral("Clubbahn") : QStringLiteral("Heimbahn");
            for (const auto& [fahrer, autoName, grund, besser] :
                 {std::tuple{"Bert", abend % 2 ? "Porsche 917" : "Ford GT40", 5.6, 0.04},
                  std::tuple{"anna", "Lola T70", 5.3, 0.0}}) {
                for (int r = 1; r <= 40; ++r) {
                    const double zeit = grund - besser * abend + 0.07 * std::sin(abend * 2.3) +
                                        0.15 * std::sin(r * 1.7) + (r % 10 == 0 ? 0.8 : 0.0);
                    QVERIFY(m_db.execute(
                        "insert into histrennen (lfdnr, Fahrer, Auto, Strecke, Runde, Zeit, "
                        "RennInfo, rennzeit) values (?, ?, ?, ?, ?, ?, ?, ?)",
                        {++lfdnr, QString(fahrer), QString(autoName), strecke, r, zeit,
                         r == 7 ? QStringLiteral(" K-") : QString(), stempel}));
                    // The race director took lap 7 back.
                    if (r == 7)
                        QVERIFY(m_db.execute("insert into korrekturen (rennen, Art, Zeile) "
                                             "values (?, '-1', ?)",
                                             {stempel, lfdnr}));
                }
            }
        }
        QVERIFY(
            m_db.execute("insert into slotrennen (RennName, RennSerie, Strecke, Renndatum) "
                         "values ('Lauf 1', 'Winter', 'Heimbahn', '06.02.2026')"));
        for (const auto& [fahrer, runden] : {std::pair{"Anna", 31}, std::pair{"Bert", 30}})
            QVERIFY(
                m_db.execute("insert into slotrennenlauf (Rennname, Gruppe, Lauf, Spur, "
                             "Fahrer, Auto, Runden, Zeit) values ('Winter Lauf 1', 1, 1, 1, "
                             "?, 'Lola T70', ?, 180)",
                             {QString(fahrer), runden}));
        const char* const rekorde[][5] = {{"Heimbahn", "1", "Porsche 917", "Bert", "5080"},
                                          {"Heimbahn", "1", "Porsche 917", "Anna", "5120"},
                                          {"Heimbahn", "2", "Lola T70", "Anna", "5010"},
                                          {"Heimbahn", "3", "Ford GT40", "Bert", "5230"},
                                          {"Clubbahn", "1", "Lola T70", "Anna", "6420"},
                                          {"Clubbahn", "2", "Porsche 917", "Bert", "6350"}};
        for (const auto& r : rekorde)
            QVERIFY(
                m_db.execute("insert into schnellsterunden (Strecke, Bahn, Auto, Fahrer, "
                             "Zeit, Runde, Geschw, Wann) values (?, ?, ?, ?, ?, 12, "
                             "'004.300', '06.02.2026 21:10:00')",
                             {r[0], r[1], r[2], r[3], QString(r[4]).toInt()}));
        QVERIFY(m_db.bestaetige());
    }

    static void bild(QWidget& w, const char* name) {
        const QString ordner = qEnvironmentVariable("PISTORELLE_BILDER");
        if (ordner.isEmpty()) return;
        w.resize(1000, 560);
        w.show();
        QCoreApplication::processEvents();
        QVERIFY(w.grab().save(ordner + "/" + name));
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(m_db.oeffneOderErzeuge(m_ordner.filePath("t.db")));
        fuelleVerlauf();
    }

    void statistik() {
        frmStatistik w(m_db);
        QCOMPARE(w.cobFahrer()->count(), 2);
        QVERIFY(w.waehleFahrer("BERT"));
        QCOMPARE(w.bestrunden()->model()->rowCount(), 3);  // two cars at home, one at the club
        QCOMPARE(w.abende()->model()->rowCount(), 12);
        QCOMPARE(w.abende()->model()->index(0, 1).data().toString(), QStringLiteral("39"));
        QCOMPARE(w.turniere()->model()->rowCount(), 1);
        QCOMPARE(w.turniere()->model()->index(0, 5).data().toString(), QStringLiteral("2"));
        QCOMPARE(w.ergebnis().runden, 12 * 39);
        // The chart: best and mean lap, one point per evening.
        const auto serien = w.diagramm()->series();
        QCOMPARE(serien.size(), 2);
        QCOMPARE(static_cast<QLineSeries*>(serien[1])->count(), 12);
        w.seiten()->setCurrentIndex(2);
        bild(w, "statistik.png");

        // One car: its evenings only; the choices stay.
        QCOMPARE(w.cobAuto()->count(), 3);  // "Alle" and his two cars
        w.cobAuto()->setCurrentIndex(w.cobAuto()->findText("Porsche 917"));
        w.AuswahlGeaendert();
        QCOMPARE(w.abende()->model()->rowCount(), 6);
        QCOMPARE(w.cobAuto()->count(), 3);

        // Export: CSV blocks with their header rows, then the PDF.
        QString filter = "CSV-Datei (*.csv)", angeboten;
        QStringList meldungen;
        const QString pfad = m_ordner.filePath("bert");
        w.setzeSpeicherWahl(
            [&](const QString&, const QString& vorschlag, const QString&, QString* gewaehlt) {
                angeboten = vorschlag;
                *gewaehlt = filter;
                return pfad;
            });
        w.setzeMeldung([&](const QString& text) { meldungen << text; });
        w.Export_Click();
        QVERIFY(angeboten.endsWith(".csv") && angeboten.contains("Statistik-Bert-"));
        QCOMPARE(meldungen, QStringList("Die Statistik steht jetzt in " + pfad + ".csv."));
        QFile csv(pfad + ".csv");
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList zeilen = QString::fromUtf8(csv.readAll().mid(3)).split("\r\n");
        QCOMPARE(zeilen[0], QStringLiteral("Fahrer;Auto;Strecke;Runden gesamt"));
        QCOMPARE(zeilen[1], QStringLiteral("Bert;Porsche 917;Alle;234"));
        QCOMPARE(zeilen[3], QStringLiteral("Strecke;Auto;Bestrunde;Datum"));
        QVERIFY(zeilen.contains("Abend;Runden;Bestrunde;Schnitt;Streuung"));
        QVERIFY(zeilen.contains("Serie;Turnier;Strecke;Datum;Auto;Platz;Teilnehmer"));
        QVERIFY(zeilen.contains("Winter;Lauf 1;Heimbahn;06.02.2026;Lola T70;2;2"));
        filter = "PDF-Datei (*.pdf)";
        w.Export_Click();
        QFile pdf(pfad + ".pdf");
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    }

    void hallOfFame() {
        frmHallOfFame w(m_db);
        QTableView* t = w.grid();
        // The fastest per track, lane and car: Anna's slower Porsche lap is no record.
        QCOMPARE(t->model()->rowCount(), 5);
        QCOMPARE(t->model()->index(0, 3).data().toString(), QStringLiteral("Anna"));
        QCOMPARE(t->model()->index(0, 4).data().toString(), QStringLiteral("5,010"));
        bild(w, "halloffame.png");
        w.nurRekorde()->setChecked(false);
        QCOMPARE(t->model()->rowCount(), 6);
        // Sorted by the lane, then the other way round by the time.
        t->sortByColumn(4, Qt::DescendingOrder);
        QCOMPARE(t->model()->index(0, 4).data().toString(), QStringLiteral("6,420"));
        w.cobStrecke()->setCurrentIndex(w.cobStrecke()->findText("Heimbahn"));
        w.lade();
        QCOMPARE(t->model()->rowCount(), 4);
        QCOMPARE(t->model()->index(0, 4).data().toString(), QStringLiteral("5,230"));
        w.filter()->setText("porsche");
        QCOMPARE(t->model()->rowCount(), 2);
        w.filter()->setText("anna");
        QCOMPARE(t->model()->rowCount(), 2);
    }
};

QTEST_MAIN(TestStatistikfenster)
#include "tst_statistikfenster.moc"
