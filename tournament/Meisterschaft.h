#pragma once
// The standings of a series (Meisterschaft): every tournament with the series name counts in
// the order it was created. A final place earns the points of the points table, the driver of
// a tournament's fastest race lap the bonus; a driver with more results than the dropped
// results drops that many of his worst. Drivers are matched by name as the database compares
// names; the free lanes' placeholder and entrants without a driven heat never score.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

struct Einstellungen;
class TurnierDaten;

class Meisterschaft {
public:
    struct Regeln {
        QVector<int> punkte;  // index 0: the winner
        int bonusSchnellsteRunde = 0;
        int streichergebnisse = 0;
        static Regeln aus(const Einstellungen& e);
        // "10,8,6": entries separated by commas or semicolons; an entry that is no whole
        // number scores 0.
        static QVector<int> punkteTabelle(const QString& text);
    };

    struct Ergebnis {
        int platz = 0;   // final place in that tournament
        int punkte = 0;  // place points and bonus
        bool schnellsteRunde = false;
        bool gestrichen = false;
    };

    struct Zeile {
        int platz = 0;  // drivers tied on every rule share a place
        QString fahrer;
        int punkte = 0;  // without the dropped results
        int starts = 0;
        int siege = 0;
        // One entry per tournament of rennen(); none where the driver did not score a place.
        QVector<std::optional<Ergebnis>> ergebnisse;
    };

    // A series' table with the names of its tournaments (in the order of the results).
    struct Stand {
        QString serie;
        QStringList rennen;
        QVector<Zeile> zeilen;
    };

    // Every series name that has a tournament, in alphabetical order (blank names left out).
    static QStringList serien(TurnierDaten& daten);
    static Stand stand(TurnierDaten& daten, const QString& serie, const Regeln& regeln);
    // {"serie", "rennen": [names], "tabelle": [{"platz", "fahrer", "punkte", "starts", "siege",
    //  "ergebnisse": [null | {"platz", "punkte", "schnellsteRunde", "gestrichen"}]}]}
    static QByteArray json(const Stand& s);

    // The keys of the series' tournaments (series, blank, name) in their order.
    static QStringList rennen(TurnierDaten& daten, const QString& serie);
    static QVector<Zeile> tabelle(TurnierDaten& daten, const QString& serie, const Regeln& regeln);
    // Sorts by points and the tie rules and numbers the places.
    static void ordne(QVector<Zeile>& zeilen);
    // Marks the worst results as dropped and sums the rest.
    static void werte(Zeile& z, int streichergebnisse);
};
