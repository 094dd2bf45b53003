#pragma once
// The final order of a finished run as the results window and the replay show it: place,
// driver, car, laps, total time, best lap and the gap to the leader, in the ranking rule of
// the run (race: laps, then total time; training: best lap; speed: highest speed).

#include <QDateTime>
#include "engine/Rangliste.h"
#include <QString>
#include <QStringList>
#include <QVector>

struct ErgebnisZeile {
    int platz = 0;
    int bahn = 0;
    QString fahrer;
    QString autoName;
    int runden = 0;
    qint64 gesamt = 0;  // ms, caution time taken out
    qint64 beste = 0;   // ms; 0 when the lane has no lap
    double geschw = 0;  // best speed
    QString abstand;    // gap to the leader as shown ("" for the leader and lanes without laps)
};

struct Laufergebnis {
    QString rennArt;  // "Training", "Quali" or "Rennen"
    QString rennName;
    int option1 = 0;  // ranking rule
    QDateTime datum;
    QVector<ErgebnisZeile> zeilen;
    QStringList korrekturen;  // the race director's lap corrections in this run

    bool leer() const { return zeilen.isEmpty(); }
    // Rows of the standings source, already in the ranking order of option1.
    static Laufergebnis aus(const QVector<PositionsZeile>& rangfolge, int option1,
                            const QString& rennArt, const QString& rennName,
                            const QDateTime& datum);
    // Times as the window shows them: "12.345" seconds, minutes first from one minute on.
    static QString zeitText(qint64 ms);
    // One line per row, for the replay and the log.
    QStringList alsText() const;
};
