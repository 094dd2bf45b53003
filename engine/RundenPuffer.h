#pragma once
// Crossings taken by the lap entry and waiting for the next race-timer tick. Never drops a
// crossing and hands them out oldest first, however many arrive within one tick.

#include <QtGlobal>
#include <vector>

class RundenPuffer {
public:
    struct Eintrag {
        int slot = 0;
        qint32 zeit = 0;
        int zehntel = 0;  // tenths of a ms on top of zeit (counters finer than 1 ms)
        // Laps the device counted before this crossing that never reached the program.
        int verpasst = 0;
        qint32 ankunft = 0;  // program clock when the crossing arrived (devices that time laps)
    };

    void schreibe(const Eintrag& eintrag);
    bool leer() const { return m_kopf == m_eintraege.size(); }
    int anzahl() const { return int(m_eintraege.size() - m_kopf); }
    // Takes the oldest waiting crossing out of the buffer; the buffer must not be empty.
    Eintrag nimm();
    void leeren();

private:
    std::vector<Eintrag> m_eintraege;
    size_t m_kopf = 0;  // first entry not yet taken
};
