#pragma once
// Where the run sequence stands; Rennablauf::phase() tells it, the windows read it instead of
// the start button's caption.

enum class Laufphase {
    Leerlauf,   // no run, no after-run, no pause: Start starts a run
    Countdown,  // the start light counts down (or a counter that starts itself prepared a run)
    Rennen,     // green: laps count
    Chaos,      // caution: the run is frozen
    Nachlauf,   // stopped: the last crossings still count, then the run is closed
    Pause,      // the counted pause before a tournament's next stint or power training's next run
};
