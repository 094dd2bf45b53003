#pragma once
// The standings of the running race, kept in memory: one row per lane, as the table positionen
// holds them. The lap path, the panels, the results and speech read them from here only; the
// table is written behind the race and never read back to show it. Rows are loaded from the
// table when drivers, cars or lanes may have changed outside the lap path (a new run, the
// drivers dialog, a tournament heat).

#include <QSet>
#include <QVector>
#include <array>

#include "engine/Rangliste.h"

class Datenbank;

class Rennstand {
public:
    // Reads the six rows of positionen. nurNamen keeps the lap values in memory and takes
    // driver, car, track and lane mapping only (while laps still wait for the database).
    bool lade(Datenbank& db, bool nurNamen, QString* fehler = nullptr);

    // Rows of lanes 1..anzBahnen in the order of a ranking choice (0 race: laps, then total;
    // 1 fastest lap; 2 highest speed; ties by lane).
    QVector<PositionsZeile> sortiert(int anzBahnen, int option1) const;
    // The first row in that order whose FahrerNr is slot; nullptr when there is none.
    PositionsZeile* zeileVonSlot(int slot, int anzBahnen, int option1);
    PositionsZeile* zeile(int bahn);
    const PositionsZeile* zeile(int bahn) const;

    // Place 1, 2, ... in the order of the rows given (read beforehand, as the table did);
    // rows whose place changes are marked.
    void nummeriere(const QVector<PositionsZeile>& reihenfolge);
    // A row whose values changed: it goes to the database with the next write.
    void markiere(int bahn) { m_geaendert.insert(bahn); }
    void markiereAlle();
    // The marked rows, once; the marks are cleared.
    QVector<PositionsZeile> nimmGeaenderte();

private:
    std::array<PositionsZeile, 7> m_zeilen{};  // index = lane, 0 unused
    std::array<bool, 7> m_vorhanden{};
    QSet<int> m_geaendert;
};
