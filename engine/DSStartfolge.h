#pragma once
// The start of a run by a DS200/DS300 lap counter's own start button (DSGoStart = 1): the
// counter's start message prepares the run and shows the red lamps, its phase 2 turns the
// first lamp row green, its phase 3 starts the race clock at once. Without DSGoStart the
// counter's start messages change nothing here. A run the program refuses (the last one's
// laps not yet saved) does not start at all, whatever the counter goes on sending of it.

class Rennablauf;

class DSStartfolge {
public:
    explicit DSStartfolge(Rennablauf& ablauf) : m_ablauf(ablauf) {}

    // Race start message of the counter (codes 0x3A..0x3F).
    void StartDSAmpel();
    // Status 0xA2: sound and the first lamp row green.
    void Phase2();
    // Status 0xA3: the race clock runs from now (countdown phase 0, 50 ms to green).
    void Phase3();
    // The counter's phase number as the DS glue reports it (1 red, 2 green, 3 clock).
    void Phase(int phase);

private:
    bool aktiv() const;
    // The counter started a run the program refused: its phases are ignored, with one notice.
    bool abgelehnt();
    // A run prepared by the counter waits for its green; false (logged) when none does.
    bool vorbereitet();
    Rennablauf& m_ablauf;
    bool m_abgelehnt = false;
    bool m_abgelehntGemeldet = false;
};
