#pragma once
// A parallel port in memory, for tests and demos without the hardware. Out32 and Inp32 see
// the same registers; setze() is the outside world changing an input line.

#include <QMutex>
#include <map>

#include "hardware/PortIO.h"

class PortIOSimuliert : public PortIO {
public:
    // The status registers of both ports start with every line low (BUSY reads as bit 7 set).
    PortIOSimuliert(quint16 lpt1Basis = 888, quint16 lpt2Basis = 632);

    quint8 Inp32(quint16 adresse) override;
    void Out32(quint16 adresse, quint8 wert) override;
    QString name() const override { return QStringLiteral("simuliert"); }

    void setze(quint16 adresse, quint8 wert);
    // Number of Out32 calls so far (tests check that nothing was written).
    int schreibZugriffe() const;

private:
    mutable QMutex m_sperre;
    std::map<quint16, quint8> m_register;
    int m_schreibZugriffe = 0;
};
