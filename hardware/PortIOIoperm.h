#pragma once
// Direct port access on Linux/x86 through ioperm (needs root; often refused in virtual
// machines). Reads and writes the PC port registers as they are.

#include <QString>

#include "hardware/PortIO.h"

class PortIOIoperm : public PortIO {
public:
    PortIOIoperm(quint16 lpt1Basis, quint16 lpt2Basis);

    bool bereit() const { return m_bereit; }
    QString fehler() const { return m_fehler; }

    quint8 Inp32(quint16 adresse) override;
    void Out32(quint16 adresse, quint8 wert) override;
    QString name() const override { return QStringLiteral("ioperm"); }

private:
    bool erlaubt(quint16 adresse) const;

    quint16 m_basis[2];
    bool m_offen[2] = {false, false};
    bool m_bereit = false;
    QString m_fehler;
};
