#include "hardware/Datenwaechter.h"

bool Datenwaechter::empfangen(qint32 zeit, quint64 gueltige, quint64 verworfen) {
    const bool neuVerworfen = verworfen != m_verworfen;
    m_verworfen = verworfen;
    if (gueltige != m_gueltige) {
        m_gueltige = gueltige;
        m_wartet = false;
        const bool war = m_falsch;
        m_falsch = false;
        return war;
    }
    // Only part of a message so far: it may still turn out valid.
    if (!neuVerworfen) return false;
    if (!m_wartet) {
        m_wartet = true;
        m_seit = zeit;
        return false;
    }
    if (m_falsch || zeit - m_seit < frist) return false;
    m_falsch = true;
    return true;
}

void Datenwaechter::zuruecksetzen() {
    m_wartet = false;
    m_falsch = false;
}
