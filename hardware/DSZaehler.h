#pragma once
// The DS200/DS300 lap counters on their serial port: bytes from the port go through the frame
// decoder, its events leave as the timing signals. Nothing is ever sent to a counter.
//
// While DSGoStart = 1 the counter's start sequence drives the program's:
//   race start message (0x3A..0x3F) -> startAnforderung(), then ampelPhase(StartRot):
//       the engine prepares the race (StartDSAmpel), the start light shows its five lamps red;
//   status 0xA2 -> ampelPhase(StartGruen): sound TonAmpelAn, the first lamp row turns green;
//   status 0xA3 -> ampelPhase(UhrLaeuft): the race clock starts at once.
// With DSGoStart = 0 these only write their debug lines.
// Race end (0xA4) and abort (0xA7) ask for the stop, 0xA5/0xA6 switch caution, whatever
// DSGoStart says. Laps carry the counter's own lap time (ms and its tenths), which the engine
// normalises. The counter numbers each lane's laps: when a lane's number jumps by more than
// one (frames lost while the line was down), the laps in between go with the next lap as
// verpasst, for the engine to count.

#include <array>

#include "hardware/DSProtokoll.h"
#include "hardware/Zeitnahme.h"

struct Einstellungen;

class DSZaehler : public Zeitnahme {
    Q_OBJECT
public:
    enum StartPhase { StartRot = 1, StartGruen = 2, UhrLaeuft = 3 };

    // einstellungen: read at every event for DSGoStart; null counts as DSGoStart = 0.
    explicit DSZaehler(const Einstellungen* einstellungen = nullptr, QObject* parent = nullptr);

    void setEinstellungen(const Einstellungen* einstellungen) { m_einstellungen = einstellungen; }
    bool goStart() const;
    // Valid frames and bytes skipped so far (the wrong-data watch compares them).
    quint64 gueltigeRahmen() const { return m_protokoll.gueltigeRahmen(); }
    quint64 verworfeneBytes() const { return m_protokoll.verworfeneBytes(); }

public slots:
    // One read of the port (any length, cut anywhere).
    void datenEmpfangen(const QByteArray& daten);
    // Receive overrun or buffer overflow reported by the port.
    void datenVerlust();
    // The port was opened: forget partial frames and the last sequence byte.
    void portGeoeffnet();
    // The port came back after a loss: the partial frame goes, the last sequence byte stays,
    // so a repeat of a frame counted before the loss is not counted again.
    void portWiederGeoeffnet();

signals:
    // Part of the common glue wiring; a lap counter is only listened to, so it stays silent.
    void sende(const QByteArray& daten);
    void ampelPhase(int phase);

private:
    // The counter's lap number last seen per lane 1..8; -1: not known.
    void vergissRunden(int wert);

    DSProtokoll m_protokoll;
    const Einstellungen* m_einstellungen;
    std::array<int, 9> m_letzteRunde;
};
