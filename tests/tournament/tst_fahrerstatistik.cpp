// A driver's statistics and the lap records, computed from a small known history and two
// tournaments in a fresh database.

#include <QtTest>
#include <cmath>

#include "data/Datenbank.h"
#include "tournament/Fahrerstatistik.h"
#include "tournament/TurnierDaten.h"

namespace {

struct Runde {
    const char* fahrer;
    const char* strecke;
    const char* autoName;
    double zeit;
    const char* info;
    const char* stempel;
};

const char* const abend1 = "2026.01.10 20:00:00";
const char* const abend1b = "2026.01.10 21:30:00";
const char* const abend2 = "2026.01.17 19:45:00";

// Bert under two spellings; laps that do not count (taken back, no time), one that counts but
// may be no best lap (added by the race director), and other drivers' laps around his.
const Runde verlauf[] = {
    {"Bert", "Heim", "Porsche", 5.0, "", abend1},  {"Bert", "Heim", "Porsche", 5.2, " SR", abend1},
    {"Anna", "Heim", "Porsche", 4.0, "", abend1},  {"Bert", "Heim", "Porsche", 3.0, " K-", abend1},
    {"Bert", "Heim", "Porsche", 0.0, "", abend1},  {"Bertram", "Heim", "Porsche", 4.1, "", abend1},
    {"Bert", "Heim", "Porsche", 5.4, "", abend1b}, {"BERT", "heim", "porsche", 5.6, "", abend1b},
    {"Bert", "Heim", "Ford", 6.0, "", abend2},     {"bert", "Heim", "Ford", 6.4, "", abend2},
    {"Bert", "Heim", "Ford", 4.0, " K+", abend2},  {"Bert", "Club", "Porsche", 4.9, "", abend2},
    {"Anna", "Club", "Porsche", 4.5, "", abend2},
};

double streuung(std::initializer_list<double> werte) {
    double summe = 0;
    for (double w : werte) summe += w;
    const double mittel = summe / double(werte.size());
    double q = 0;
    for (double w : werte) q += (w - mittel) * (w - mittel);
    return std::sqrt(q / double(werte.size() - 1));
}

}  // namespace

class TstFahrerstatistik : public QObject {
    Q_OBJECT

    QTemporaryDir m_ordner;
    Datenbank m_db{QStringLiteral("statistik")};

    void lauf(const QString& schluessel, int lauf, const char* fahrer, const char* autoName,
              int runden, double zeit) {
        QVERIFY(m_db.execute(QStringLiteral("insert into slotrennenlauf (Rennname, Gruppe, Lauf, "
                                            "Spur, Fahrer, Auto, Runden, Zeit) values "
                                            "(?, 1, ?, 1, ?, ?, ?, ?)"),
                             {schluessel, lauf, QString::fromUtf8(fahrer),
                              QString::fromUtf8(autoName), runden, zeit}));
    }

    QString turnier(const char* name, const char* strecke) {
        TurnierDaten daten(m_db);
        SlotRennen r;
        r.RennSerie = QStringLiteral("Winter");
        r.RennName = QString::fromUtf8(name);
        r.Strecke = QString::fromUtf8(strecke);
        r.Renndatum = QStringLiteral("10.01.2026");
        if (!daten.fuegeEin(r)) return {};
        return r.schluessel();
    }

private slots:
    void initTestCase() {
        QString fehler;
        QVERIFY2(m_db.oeffneOderErzeuge(m_ordner.filePath("t.db"), &fehler), qPrintable(fehler));
        for (const Runde& r : verlauf)
            QVERIFY(m_db.execute(
                QStringLiteral("insert into histrennen (lfdnr, Fahrer, Strecke, Auto, Zeit, "
                               "RennInfo, rennzeit) values ((select count(*) + 1 from "
                               "histrennen), ?, ?, ?, ?, ?, ?)"),
                {QString::fromUtf8(r.fahrer), QString::fromUtf8(r.strecke),
                 QString::fromUtf8(r.autoName), r.zeit, QString::fromUtf8(r.info),
                 QString::fromUtf8(r.stempel)}));
        // The lap marked " K-" was taken back by the race director.
        QVERIFY(m_db.execute("insert into korrekturen (rennen, Art, Zeile) select rennzeit, "
                             "'-1', lfdnr from histrennen where RennInfo = ' K-'"));
        // Lauf 1: "bert" and "Bert" with two cars are one driver, placed by his better row;
        // the free lane's placeholder is nobody. Lauf 2: equal laps, the shorter time wins.
        // Lauf 3 on the club track without him.
        const QString t1 = turnier("Lauf 1", "Heim");
        lauf(t1, 1, "Anna", "Ford", 30, 150);
        lauf(t1, 1, "bert", "Porsche", 28, 150);
        lauf(t1, 2, "Bert", "Ford", 29, 150);
        lauf(t1, 2, "Dummy", "", 40, 150);
        const QString t2 = turnier("Lauf 2", "Club");
        lauf(t2, 1, "Bert", "Porsche", 31, 100);
        lauf(t2, 1, "Anna", "Ford", 31, 101);
        const QString t3 = turnier("Lauf 3", "Club");
        lauf(t3, 1, "Anna", "Ford", 20, 100);
    }

    void statistikEinesFahrers() {
        Fahrerstatistik s(m_db);
        QCOMPARE(s.schreibweisen("bErT").size(), 3);
        const QStringList namen = s.fahrer();
        QVERIFY(namen.contains("Anna") && namen.contains("Bertram"));
        QCOMPARE(
            namen.filter(QRegularExpression("^bert$", QRegularExpression::CaseInsensitiveOption))
                .size(),
            1);
        QVERIFY(!namen.contains("Dummy"));

        const Fahrerstatistik::Ergebnis e = s.berechne({QStringLiteral("bert"), {}, {}});
        QCOMPARE(e.autos.size(), 2);
        QCOMPARE(e.strecken.size(), 2);
        QCOMPARE(e.runden, 8);
        // Best laps: the added 4.0 is no best lap; "heim"/"porsche" is the same pair.
        QCOMPARE(e.bestrunden.size(), 3);
        QCOMPARE(e.bestrunden[0].strecke, QStringLiteral("Club"));
        QCOMPARE(e.bestrunden[0].zeit, 4.9);
        QCOMPARE(e.bestrunden[0].tag, QDate(2026, 1, 17));
        QCOMPARE(e.bestrunden[1].autoName, QStringLiteral("Ford"));
        QCOMPARE(e.bestrunden[1].zeit, 6.0);
        QCOMPARE(e.bestrunden[2].autoName.toLower(), QStringLiteral("porsche"));
        QCOMPARE(e.bestrunden[2].zeit, 5.0);
        QCOMPARE(e.bestrunden[2].tag, QDate(2026, 1, 10));

        // Two runs on one day make one evening.
        QCOMPARE(e.abende.size(), 2);
        const Fahrerstatistik::Abend& a1 = e.abende[0];
        QCOMPARE(a1.tag, QDate(2026, 1, 10));
        QCOMPARE(a1.runden, 4);
        QCOMPARE(a1.beste, 5.0);
        QVERIFY(qFuzzyCompare(a1.schnitt, 5.3));
        QVERIFY(qFuzzyCompare(a1.streuung, streuung({5.0, 5.2, 5.4, 5.6})));
        const Fahrerstatistik::Abend& a2 = e.abende[1];
        QCOMPARE(a2.runden, 4);
        QCOMPARE(a2.beste, 4.9);
        QVERIFY(qFuzzyCompare(a2.schnitt, (6.0 + 6.4 + 4.0 + 4.9) / 4));
        QVERIFY(qFuzzyCompare(a2.streuung, streuung({6.0, 6.4, 4.0, 4.9})));

        QCOMPARE(e.plaetze.size(), 2);
        QCOMPARE(e.plaetze[0].turnier, QStringLiteral("Lauf 1"));
        QCOMPARE(e.plaetze[0].platz, 2);
        QCOMPARE(e.plaetze[0].teilnehmer, 2);
        QCOMPARE(e.plaetze[0].autoName, QStringLiteral("Ford"));
        QCOMPARE(e.plaetze[1].platz, 1);

        // Car and track chosen: their laps and tournaments only.
        const auto porsche = s.berechne({QStringLiteral("Bert"), QStringLiteral("PORSCHE"), {}});
        QCOMPARE(porsche.runden, 5);
        QCOMPARE(porsche.bestrunden.size(), 2);
        QCOMPARE(porsche.autos.size(), 2);  // the choices stay
        const auto club = s.berechne({QStringLiteral("Bert"), {}, QStringLiteral("club")});
        QCOMPARE(club.runden, 1);
        QCOMPARE(club.abende.size(), 1);
        QCOMPARE(club.plaetze.size(), 1);
        QCOMPARE(club.plaetze[0].turnier, QStringLiteral("Lauf 2"));

        // Somebody without laps or places.
        const auto niemand = s.berechne({QStringLiteral("Zoe"), {}, {}});
        QCOMPARE(niemand.runden, 0);
        QVERIFY(niemand.abende.isEmpty() && niemand.plaetze.isEmpty());
    }

    void rekorde() {
        for (const auto& [fahrer, autoName, bahn, zeit] :
             {std::tuple{"Bert", "Porsche", "1", 5000}, std::tuple{"Anna", "porsche", "1", 4800},
              std::tuple{"Bert", "Porsche", "2", 5100}, std::tuple{"Bert", "Porsche", "3", 0}})
            QVERIFY(m_db.execute(QStringLiteral("insert into schnellsterunden (Fahrer, Auto, "
                                                "Strecke, Bahn, Zeit, Wann) values (?, ?, 'Heim', "
                                                "?, ?, '10.01.2026 20:00:00')"),
                                 {fahrer, autoName, bahn, zeit}));
        Fahrerstatistik s(m_db);
        const auto alle = s.rekorde(false);
        QCOMPARE(alle.size(), 3);
        const auto rekorde = s.rekorde(true);
        QCOMPARE(rekorde.size(), 2);
        QCOMPARE(rekorde[0].fahrer, QStringLiteral("Anna"));
        QCOMPARE(rekorde[0].zeit, 4.8);
        QCOMPARE(rekorde[1].bahn, QStringLiteral("2"));
    }
};

QTEST_GUILESS_MAIN(TstFahrerstatistik)
#include "tst_fahrerstatistik.moc"
