#pragma once
// Tells a line that carries bytes but no valid message (wrong baud rate, wrong device) from
// one that works: bytes arriving for `frist` ms without one valid message make the verdict
// "wrong data"; the next valid message lifts it. No I/O: the caller hands in the arrival time
// and the decoder's count of valid messages.

#include <QtGlobal>

class Datenwaechter {
public:
    static constexpr qint32 frist = 2000;

    // Bytes arrived at `zeit`; gueltige: valid messages decoded so far. True when the verdict
    // changed.
    bool empfangen(qint32 zeit, quint64 gueltige);
    bool falsch() const { return m_falsch; }
    // A new connection: the count goes on, the watch starts afresh.
    void zuruecksetzen();

private:
    quint64 m_gueltige = 0;
    bool m_wartet = false;  // bytes seen since the last valid message
    qint32 m_seit = 0;
    bool m_falsch = false;
};
