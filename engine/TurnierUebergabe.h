#pragma once
// How the close of a run hands a finished tournament stint to the tournament. The after-run
// holds a pointer to it; a null pointer means no tournament is running.

class TurnierUebergabe {
public:
    virtual ~TurnierUebergabe() = default;
    // A qualifying stint (SlotRennenPhase "Quali") is closed and its pause is over: go on
    // with the next entrant.
    virtual void NaechsterQualiLauf() = 0;
    // A heat (SlotRennenPhase "Rennen") is closed and its pause is over: score it and set up
    // the next one.
    virtual void RennLaufAuswerten() = 0;
};
