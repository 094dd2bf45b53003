#pragma once
// Groups and heat schedules of a tournament, without the database: which group each entrant
// drives in, and for each group the heat strings (character p of heat k is the lane of the
// p-th entrant in qualification order, "0" = sits out that heat) and the rows they give.

#include <QString>
#include <QStringList>
#include <QVector>

class Uhr;

class RennLaufBelegung {
public:
    struct Teilnehmer {
        QString fahrer;
        QString autoName;
    };
    struct Lauf {
        int gruppe = 0;
        int lauf = 0;
        int spur = 0;
        QString fahrer;
        QString autoName;
    };

    // Group of each of anzahl entrants in grid order on spuren lanes, the fastest qualifiers
    // (first rows) in the highest group. Classic: from the last row up, spuren rows per group,
    // the rest in the highest. ausgleichen: as few groups, whose sizes differ by one at most,
    // the larger ones on top (5 on 4 lanes: 3 + 2; 10 on 4: 4 + 3 + 3).
    static QVector<int> Gruppen(int anzahl, int spuren, bool ausgleichen = false);

    // The heat strings of a group of n entrants for the rotation string (its length is the lane
    // count L): max(L, n) heats, each a rotation of the first by one to the left. With zufall
    // the first string is shuffled first (the clock's generator). Each step goes to log.
    static QStringList LaufStrings(const QString& rotation, int n, Uhr* zufall = nullptr,
                                   QStringList* log = nullptr);

    // The rows of one group: one per entrant and heat it drives, and "Dummy" rows for the lanes
    // no entrant occupies when the group is smaller than the lane count.
    static QVector<Lauf> Laeufe(int gruppe, const QVector<Teilnehmer>& teilnehmer,
                                const QStringList& laufStrings, int spuren);

    // A random order of the characters of t (every order equally likely).
    static QString Mische(const QString& t, Uhr& zufall);
};
