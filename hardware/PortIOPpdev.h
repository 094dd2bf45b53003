#pragma once
// Linux ppdev: the port at the first base is /dev/parport0, the one at the second base
// /dev/parport1. Data and control are written through the driver; status and data are read
// from the port. The driver answers a control read with the value last written, so inputs on
// control lines (pins 8..11) cannot be read this way.

#include <QString>
#include <array>

#include "hardware/PortIO.h"

class PortIOPpdev : public PortIO {
public:
    PortIOPpdev(quint16 lpt1Basis, quint16 lpt2Basis);
    ~PortIOPpdev() override;

    // True when at least the first port could be opened and claimed.
    bool bereit() const { return m_ports[0].fd >= 0; }
    QString fehler() const { return m_fehler; }

    quint8 Inp32(quint16 adresse) override;
    void Out32(quint16 adresse, quint8 wert) override;
    QString name() const override;

private:
    struct Port {
        quint16 basis = 0;
        QString pfad;
        int fd = -1;
    };
    // The port whose three registers hold the address, or null.
    const Port* finde(quint16 adresse, int& offset) const;

    std::array<Port, 2> m_ports;
    QString m_fehler;
};
