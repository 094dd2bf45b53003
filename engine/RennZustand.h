#pragma once
// The race globals and the per-lane state every race operation shares. Lane arrays are
// indexed by slot 0..6 (0 never counts a lap). Booleans are plain bool here; the values the
// program shows or stores keep their documented meaning.

#include <QDateTime>
#include <QString>
#include <array>
#include <utility>
#include <optional>
#include <vector>

#include "engine/Laufart.h"

// The run state is grouped by concern, and each group has one writer: the start light and race
// clock the run sequence (Rennablauf), the caution ChaosModus, the lap counts per lane the lap
// path (Rennleitung) and its corrections (Rundenkorrektur), everything else Rennleitung, which
// also puts every group to its start values when it prepares a run (MyInit, NeueRunde). All
// others read the const Rennleitung::zustand(); code outside the engine changes the state
// through the owners' operations. A writer shows its key to Rennleitung::zustand(key); only the
// owner can make its key, so the compiler holds everyone else to reading.
class Startrecht {
    friend class Rennablauf;
    Startrecht() = default;
};
class Chaosrecht {
    friend class ChaosModus;
    Chaosrecht() = default;
};
class Korrekturrecht {
    friend class Rundenkorrektur;
    Korrekturrecht() = default;
};
// The whole state: only for test rigs that set up a state directly.
class Zustandsrecht {
    friend struct Pruefzugang;
    Zustandsrecht() = default;
};

// Start light and race clock.
struct Startzustand {
    bool RennenLaeuft = false;
    quint8 AmpelPhase = 5;      // 5..0 countdown, 6 running
    qint32 StartZeit = 0;       // stamp of the green light
    QDateTime RennStartDatum;
    int StromImCountdown = 1;   // the lanes have power during the countdown
};

// Caution.
struct Chaoszustand {
    bool ChaosAktiv = false;
    qint32 ChaosZeit = 0;       // total caution time of this run
    // The counted caution periods of this run (start stamp, duration), oldest first.
    std::vector<std::pair<qint32, qint32>> ChaosPerioden;
    // Per slot: the last caution's duration, until the slot's next lap row carries it (" C-";
    // the lap path clears it then).
    std::array<qint32, 7> ChaosDauer{};

    // Caution time a crossing stamped at stempel is credited with: only the periods that
    // began before it. A crossing that waited in the buffer through a caution keeps its own.
    qint32 ChaosZeitBis(qint32 stempel) const {
        qint32 summe = 0;
        for (const auto& [start, dauer] : ChaosPerioden)
            if (start < stempel) summe += dauer;
        return summe;
    }
};

// Lap counts per slot: what the lap path counted and a correction recounts.
struct Rundenzaehlung {
    std::array<qint32, 7> RundenStart{};
    std::array<qint32, 7> LetzteRunde{};
    std::array<qint32, 7> GesamtZeit{};
    // Tenths of a ms by which a device-measured total differs from GesamtZeit (-5..4).
    std::array<qint32, 7> GesamtRest{};
    std::array<qint16, 7> Runden{};
    std::array<qint32, 7> BesteRunde{};
    std::array<qint16, 7> BesteRundeNr{};
    // Laps still to come that are never a best lap: an added lap and the one after it, whose
    // time runs from the moment the lap was added.
    std::array<qint8, 7> OhneBestzeit{};
    // The next lap of the slot is one the race director adds: its row is marked " K+".
    std::array<bool, 7> HandRunde{};
};

// The run settings and the lap path's own state: written by Rennleitung.
struct RennZustand : Startzustand, Chaoszustand, Rundenzaehlung {
    // Race kind and name.
    Laufart RennArt = Laufart::Rennen;
    QString AktRennName = QStringLiteral("Rennen");
    // Race mode list index (cbRAuswahl), ranking choice (Option1), end condition and limit.
    int RennModus = 0;          // 0 "T-Zeit", 1 "T-Runden", 2 "R-Zeit", 3 "R-Runden", 4 "T-Power"
    int Option1 = 1;            // 0 race, 1 training by fastest lap, 2 training by speed
    int ZeitRunden = 1;         // 1 by time (Grenze in minutes), 0 by laps
    QString Grenze = QStringLiteral("10");
    int RZeitAnsage = 0;        // lap-time announcement box on the main window
    // The kind of the tournament stint being run (Quali or Rennen); none outside tournaments.
    std::optional<Laufart> SlotRennenPhase;
    bool AgentVorhanden = false;

    // The lap path.
    bool RundeWartet = false;
    qint32 LetzterZeitstempel = 0;
    // Per slot.
    std::array<qint16, 7> FahrerNr{};          // input map: lane -> slot (0 = not taking part)
    std::array<bool, 7> BahnGestartet{};
    std::array<qint32, 7> BahnStartZeit{};
    std::array<bool, 7> FruehstartMarke{};
    // Per lane (index = lane): nobody drives there this run, as on a tournament's free lanes.
    std::array<bool, 7> FreieBahn{};
    // Program clock when the lane's last crossing arrived (devices that time the laps).
    std::array<qint32, 7> LetzteAnkunft{};
    // Periods of this run in which the timing could not count (start, end on the race
    // clock; the end is the largest value while it lasts), oldest first.
    std::vector<std::pair<qint32, qint32>> Unterbrechungen;
};
