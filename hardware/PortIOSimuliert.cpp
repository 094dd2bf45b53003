#include "hardware/PortIOSimuliert.h"

PortIOSimuliert::PortIOSimuliert(quint16 lpt1Basis, quint16 lpt2Basis) {
    m_register[quint16(lpt1Basis + 1)] = 0x80;
    m_register[quint16(lpt2Basis + 1)] = 0x80;
}

quint8 PortIOSimuliert::Inp32(quint16 adresse) {
    QMutexLocker l(&m_sperre);
    const auto it = m_register.find(adresse);
    return it == m_register.end() ? 0 : it->second;
}

void PortIOSimuliert::Out32(quint16 adresse, quint8 wert) {
    QMutexLocker l(&m_sperre);
    m_register[adresse] = wert;
    ++m_schreibZugriffe;
}

void PortIOSimuliert::setze(quint16 adresse, quint8 wert) {
    QMutexLocker l(&m_sperre);
    m_register[adresse] = wert;
}

int PortIOSimuliert::schreibZugriffe() const {
    QMutexLocker l(&m_sperre);
    return m_schreibZugriffe;
}
