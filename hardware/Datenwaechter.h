#pragma once
// Tells a line that carries bytes but no valid message (wrong baud rate, wrong device) from
// one that works: bytes the decoder had to throw away for `frist` ms without one valid message
// among them make the verdict "wrong data"; the next valid message lifts it. A message that
// arrives in pieces, or after a long pause, is no fault: only bytes the decoder skipped count,
// never bytes it holds as the beginning of a message. No I/O: the caller hands in the arrival
// time and the decoder's counts.

#include <QtGlobal>

class Datenwaechter {
public:
    static constexpr qint32 frist = 2000;

    // Bytes arrived at `zeit`; gueltige: valid messages decoded so far (repeats included),
    // verworfen: bytes the decoder skipped so far. True when the verdict changed.
    bool empfangen(qint32 zeit, quint64 gueltige, quint64 verworfen);
    bool falsch() const { return m_falsch; }
    // A new connection: the counts go on, the watch starts afresh.
    void zuruecksetzen();

private:
    quint64 m_gueltige = 0;
    quint64 m_verworfen = 0;
    bool m_wartet = false;  // bytes skipped since the last valid message
    qint32 m_seit = 0;
    bool m_falsch = false;
};
