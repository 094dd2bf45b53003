#pragma once
// A driver's figures from the race history (histrennen) and the tournaments: his best lap per
// track and car with the day it was driven, per race evening (a calendar day) the laps, the
// best lap, the mean lap and its standard deviation, the laps in total, and his final place
// in every tournament he scored in. A lap counts when its time is above zero and the race
// director did not take it back (" K-"); a best lap is one that may be a best lap
// (Rundenvermerk::bestzeitMoeglich). Names of drivers, cars and tracks are matched as the
// database compares them (case, umlauts). Also the lap records (schnellsterunden) for the
// Hall of Fame.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

class Datenbank;

class Fahrerstatistik {
public:
    // Empty car or track: all of them.
    struct Auswahl {
        QString fahrer;
        QString autoName;
        QString strecke;
    };
    struct Bestrunde {
        QString strecke, autoName;
        double zeit = 0;  // seconds
        QDate tag;
    };
    struct Abend {
        QDate tag;
        int runden = 0;
        double beste = 0;     // seconds; 0 when no lap of the evening may be a best lap
        double schnitt = 0;   // mean of the counted laps, seconds
        double streuung = 0;  // sample standard deviation, seconds; 0 for a single lap
    };
    struct Platz {
        QString serie, turnier, strecke, datum;
        QString autoName;  // the car of his best standings row
        int platz = 0;
        int teilnehmer = 0;
    };
    struct Ergebnis {
        int runden = 0;
        QVector<Bestrunde> bestrunden;  // by track, then car
        QVector<Abend> abende;          // oldest first
        QVector<Platz> plaetze;         // in the order the tournaments were created
        // Every car and track of the driver's counted laps, whatever car and track were chosen.
        QStringList autos, strecken;
    };
    // One row of schnellsterunden.
    struct Rekord {
        QString strecke, bahn, autoName, fahrer, wann;
        double zeit = 0;  // seconds
        int runde = 0;
        QString geschw;
    };

    explicit Fahrerstatistik(Datenbank& db);

    Ergebnis berechne(const Auswahl& a);
    // The drivers of the history, the tournaments and the master data, each name once (its
    // first spelling), sorted.
    QStringList fahrer();
    // Every spelling of the name the history holds ("bert", "BERT" for "Bert").
    QStringList schreibweisen(const QString& fahrer);
    // The lap records; nurRekorde keeps the fastest row per track, lane and car.
    QVector<Rekord> rekorde(bool nurRekorde);

    static bool gleich(const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    }

private:
    QStringList namenImVerlauf(const char* spalte);
    QVector<Platz> plaetze(const Auswahl& a);

    Datenbank& m_db;
};
