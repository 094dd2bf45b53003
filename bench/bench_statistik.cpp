// A driver's statistics over a long history: fills a temporary database with 1,000,000 laps
// over 300 race evenings (twelve drivers, three tracks, eight cars, a few laps taken back or
// added, 30 tournaments), then times what the statistics window does for one driver, median
// of several runs, with the history's driver index and once without it; and the table of a
// series of ten tournaments.
//   ./bench_statistik [--runden 1000000] [--abende 300] [--wiederholungen 9] [--db FILE]
// With --db the history is kept in FILE and, when FILE exists, used as it is.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <random>

#include "BenchHilfe.h"
#include "config/Einstellungen.h"
#include "data/Datenbank.h"
#include "tournament/Fahrerstatistik.h"
#include "tournament/Meisterschaft.h"
#include "tournament/TurnierDaten.h"

using namespace bench;

namespace {

const QStringList fahrer = {"Bert",  "Anna", "Müller", "Zoe",   "Jens", "Öztürk",
                            "Chris", "Dana", "Egon",   "Frida", "Gabi", "Hans"};
const QStringList strecken = {"Heimbahn", "Clubbahn", "Messe"};
const QStringList autos = {"Porsche 917", "Ford GT40", "Ferrari 512", "Lola T70",
                           "McLaren M8",  "Chaparral", "Audi R8",     "BMW M1"};

bool fuelle(Datenbank& db, int runden, int abende) {
    std::mt19937 zufall(4711);
    std::uniform_real_distribution<double> rauschen(-0.4, 0.6);
    std::uniform_int_distribution<int> wuerfel(0, 999);
    if (!db.beginneTransaktion()) return false;
    QSqlQuery q(db.db());
    q.prepare(QStringLiteral(
        "insert into histrennen (lfdnr, Fahrer, Auto, Strecke, Runde, Zeit, Gesamt, RennInfo, "
        "Bahn, RennName, RennArt, rennzeit) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const int laeufeJeAbend = 8, bahnen = 4;
    // Every run of every evening gets its share; the first ones one lap more.
    const int anteile = abende * laeufeJeAbend * bahnen;
    const int rundenJeLauf = runden / anteile, mehr = runden % anteile;
    int anteil = 0;
    const QDate erster(2024, 1, 5);
    int geschrieben = 0, lfdnr = 0;
    for (int abend = 0; abend < abende && geschrieben < runden; ++abend) {
        const QDate tag = erster.addDays(abend * 3);
        const QString strecke = strecken[abend % strecken.size()];
        // Every tenth evening is one of the 30 tournaments below: its laps carry its key.
        const int turnier = abend / 10;
        const QString rennName =
            abend % 10 == 0 && turnier < 30
                ? QStringLiteral("Serie %1 Lauf %2").arg(turnier / 10 + 1).arg(turnier % 10 + 1)
                : QStringLiteral("Clubabend");
        for (int lauf = 0; lauf < laeufeJeAbend && geschrieben < runden; ++lauf) {
            const QString stempel =
                QDateTime(tag, QTime(19, 0).addSecs(lauf * 600)).toString("yyyy.MM.dd HH:mm:ss");
            for (int bahn = 1; bahn <= bahnen; ++bahn) {
                const int f = (abend + lauf * bahnen + bahn) % fahrer.size();
                // Names as typed on the evening: now and then in capitals.
                QString name = fahrer[f];
                if (wuerfel(zufall) < 50) name = name.toUpper();
                const QString autoName = autos[(f + lauf) % autos.size()];
                const double grund = 5.0 + 0.2 * f - 0.6 * abend / double(abende);
                double gesamt = 0;
                const int laenge = rundenJeLauf + (anteil++ < mehr ? 1 : 0);
                for (int r = 1; r <= laenge; ++r) {
                    const double zeit = grund + rauschen(zufall);
                    gesamt += zeit;
                    const int w = wuerfel(zufall);
                    const QString info = w < 3    ? QStringLiteral(" K-")
                                         : w < 5  ? QStringLiteral(" K+")
                                         : w < 20 ? QStringLiteral(" SR")
                                                  : QString();
                    for (const QVariant& v :
                         {QVariant(++lfdnr), QVariant(name), QVariant(autoName), QVariant(strecke),
                          QVariant(r), QVariant(zeit), QVariant(gesamt), QVariant(info),
                          QVariant(bahn), QVariant(rennName), QVariant(QStringLiteral("Rennen")),
                          QVariant(stempel)})
                        q.addBindValue(v);
                    if (!q.exec()) return false;
                    ++geschrieben;
                }
            }
        }
    }
    // The race director took back the laps marked " K-", as the program records it.
    if (!db.execute(QStringLiteral("insert into korrekturen (rennen, Bahn, Fahrer, Art, Runde, "
                                   "Zeile) select rennzeit, Bahn, Fahrer, '-1', Runde, lfdnr "
                                   "from histrennen where RennInfo = ' K-'")))
        return false;
    // Tournaments: three series of ten, eight entrants each, two heats.
    TurnierDaten turniere(db);
    for (int t = 0; t < 30; ++t) {
        SlotRennen r;
        r.RennSerie = QStringLiteral("Serie %1").arg(t / 10 + 1);
        r.RennName = QStringLiteral("Lauf %1").arg(t % 10 + 1);
        r.Strecke = strecken[t % strecken.size()];
        r.Renndatum = erster.addDays(t * 30).toString("dd.MM.yyyy");
        if (!turniere.fuegeEin(r)) return false;
        for (int e = 0; e < 8; ++e)
            for (int lauf = 1; lauf <= 2; ++lauf)
                if (!db.execute(QStringLiteral("insert into slotrennenlauf (Rennname, Gruppe, "
                                               "Lauf, Spur, Fahrer, Auto, Runden, Zeit) values "
                                               "(?, 1, ?, ?, ?, ?, ?, ?)"),
                                {r.schluessel(), lauf, e % 4 + 1, fahrer[(e + t) % fahrer.size()],
                                 autos[e], 20 + wuerfel(zufall) % 10, 120.0}))
                    return false;
    }
    return db.bestaetige();
}

double millisekunden(const std::function<void()>& f) {
    QElapsedTimer uhr;
    uhr.start();
    f();
    return double(uhr.nsecsElapsed()) / 1e6;
}

Kennzahlen miss(int n, const std::function<void()>& f) {
    std::vector<double> werte;
    f();  // the first run reads the pages from the disk
    for (int i = 0; i < n; ++i) werte.push_back(millisekunden(f));
    return auswerten(werte);
}

}  // namespace

int main(int argc, char** argv) {
    if (hilfeGefragt(argc, argv,
                     "bench_statistik [--runden 1000000] [--abende 300] [--wiederholungen 9] "
                     "[--db FILE]\n"
                     "Fills a temporary history and prints the time for one driver's "
                     "statistics.\n"))
        return 0;
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runden = zahlArgument(args, "--runden", 1000000);
    const int abende = zahlArgument(args, "--abende", 300);
    const int n = zahlArgument(args, "--wiederholungen", 9);

    QTemporaryDir ordner;
    const QString datei = textArgument(args, "--db", ordner.filePath("bench.db"));
    const bool neu = !Datenbank::vorhanden(datei);
    Datenbank db(QStringLiteral("bench"));
    QString fehler;
    if (!db.oeffneOderErzeuge(datei, &fehler)) {
        std::fprintf(stderr, "%s\n", qPrintable(fehler));
        return 1;
    }
    const double fuellen = !neu ? 0 : millisekunden([&] {
        if (!fuelle(db, runden, abende))
            std::fprintf(stderr, "%s\n", qPrintable(db.letzterFehler()));
    });
    std::printf("History: %d laps, %d evenings, %d tournaments, filled in %.1f s\n",
                db.wert("select count(*) from histrennen").toInt(),
                db.wert("select count(distinct substr(rennzeit, 1, 10)) from histrennen").toInt(),
                db.wert("select count(*) from slotrennen").toInt(), fuellen / 1000);

    Fahrerstatistik s(db);
    const Fahrerstatistik::Auswahl bert{QStringLiteral("bert"), {}, {}};
    const auto e = s.berechne(bert);
    std::printf("Driver \"bert\": %d laps, %d evenings, %d best laps, %d tournament places\n",
                e.runden, int(e.abende.size()), int(e.bestrunden.size()), int(e.plaetze.size()));

    QSqlQuery plan(db.db());
    plan.exec(
        QStringLiteral("explain query plan select count(*) from histrennen where Fahrer "
                       "collate binary in ('Bert', 'BERT') and Zeit > 0"));
    while (plan.next()) std::printf("Plan: %s\n", qPrintable(plan.value(3).toString()));

    drucke("statistics of one driver (berechne)", miss(n, [&] { s.berechne(bert); }));
    drucke("the same, one car and one track", miss(n, [&] {
               s.berechne({"Bert", "Porsche 917", "Heimbahn"});
           }));
    drucke("opening the window (driver list and figures)", miss(n, [&] {
               s.fahrer();
               s.berechne(bert);
           }));
    drucke("Hall of Fame rows", miss(n, [&] { s.rekorde(true); }));
    TurnierDaten turniere(db);
    const auto regeln = Meisterschaft::Regeln::aus(Einstellungen{});
    const auto serie = Meisterschaft::stand(turniere, QStringLiteral("Serie 1"), regeln);
    std::printf("Series \"Serie 1\": %d tournaments, %d drivers\n", int(serie.rennen.size()),
                int(serie.zeilen.size()));
    drucke("series table (Meisterschaft)",
           miss(n, [&] { Meisterschaft::stand(turniere, QStringLiteral("Serie 1"), regeln); }));

    // Without the index the spellings and the sums each read the whole history. Dropped
    // inside a transaction that is rolled back, so a kept file keeps it.
    db.beginneTransaktion();
    db.execute(QStringLiteral("drop index histrennen_fahrer"));
    drucke("statistics of one driver without the index",
           miss(std::min(n, 3), [&] { s.berechne(bert); }));
    db.verwerfe();
    return 0;
}
