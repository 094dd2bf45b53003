#pragma once
// The lane change between two free runs: the rows of positionen move to other lanes, so that
// over a series of runs every driver has driven every lane. Tournaments place their drivers
// per heat themselves and do not use it.

#include <QCoreApplication>
#include <QString>

class EinstellungsSpeicher;
class Rennleitung;

class SpurWechsel {
    Q_DECLARE_TR_FUNCTIONS(SpurWechsel)

public:
    // The rotation string for the given lane count (LaufMatrix1..8). A stored text that is no
    // rotation of the lanes 1..n from "1" to "2" is not used: the default, with a debug line.
    static QString LaufMatrix(const EinstellungsSpeicher& speicher, int anzahl);

    // Moves the rows by the current ranking choice: race by the rotation string, training by
    // one lane up (lane 1 gets a placeholder), speed not at all; then MyInit. Does nothing in
    // power training. All moves are one transaction: on an error the table stays as it was and
    // the message is shown. False when nothing was changed for either reason.
    static bool fuehreAus(Rennleitung& leitung);
};
