#pragma once
// The generic serial lap input: a sensor per lane on a modem status line of MSComm1 (lanes
// 1..4) or MSComm2 (lanes 5..8); every change of the line is a crossing. The sensor box's port
// is served elsewhere; while it is the timing source (RaceControlAktiv = 1), or while PSPort
// is not 0, these handlers record nothing.

#include "hardware/Zeitnahme.h"

struct Einstellungen;

class SerielleRunden : public Zeitnahme {
    Q_OBJECT
public:
    explicit SerielleRunden(const Einstellungen& einstellungen, QObject* parent = nullptr);

    // Lane of an event code on port 1 (MSComm1) or 2 (MSComm2); 0 for other codes.
    static int Bahn(int commEvent, int port);

public slots:
    // zeit: the stamp taken at the edge.
    void OnComm1(int commEvent, qint32 zeit);
    void OnComm2(int commEvent, qint32 zeit);

signals:
    // The stamp of every event of these ports (the engine's LetzterZeitstempel).
    void zeitstempelGenommen(qint32 zeit);
    // An event was handled: the race timer should refresh the display.
    void rundeWartet();

private:
    void OnComm(int port, int commEvent, qint32 zeit);

    const Einstellungen& m_e;
};
