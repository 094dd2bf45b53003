#pragma once
// A lap measured by the timing device itself (DS counters, USB race box), possibly finer than
// a millisecond, booked onto the lane's total kept in whole ms. The total must stay the exact
// sum of the device's laps: the part below 1 ms is carried from lap to lap, so the ms total
// never drifts more than half a millisecond from it. The lap time itself is rounded half up.

#include <QtGlobal>

struct GeraeteRunde {
    qint32 zuGesamt = 0;    // ms added to the lane's total
    qint32 rundenZeit = 0;  // the lap in ms, rounded half up
    qint32 rest = 0;        // carry after this lap, tenths of a ms (-5..4)
};

// ms + zehntel/10: the device's lap; rest: the lane's carry before this lap.
inline GeraeteRunde VerbucheGeraeteRunde(qint32 ms, int zehntel, qint32 rest) {
    const qint64 runde = qint64(ms) * 10 + zehntel;
    const qint64 genau = runde + rest;
    // Floor division: the carry may be negative.
    qint64 zuGesamt = (genau + 5) / 10;
    if ((genau + 5) % 10 < 0) --zuGesamt;
    qint64 rundenZeit = (runde + 5) / 10;
    if ((runde + 5) % 10 < 0) --rundenZeit;
    return {qint32(zuGesamt), qint32(rundenZeit), qint32(genau - zuGesamt * 10)};
}
