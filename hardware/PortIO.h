#pragma once
// Byte access to the I/O ports of the parallel ports: Inp32 reads a register, Out32 writes
// one. The addresses are the PC's (base = data, base + 1 = status, base + 2 = control), also
// where a backend reaches the port another way. Reading must be safe from the sampling thread
// while the UI thread writes.

#include <QString>
#include <memory>

class PortIO {
public:
    virtual ~PortIO() = default;
    virtual quint8 Inp32(quint16 adresse) = 0;
    virtual void Out32(quint16 adresse, quint8 wert) = 0;
    // Backend name for the debug log ("ppdev /dev/parport0", "simuliert"...).
    virtual QString name() const = 0;

    // The backend that works on this machine for the two port bases; writes which one to the
    // debug log. PISTORELLE_LPT=sim (or "simuliert") asks for the simulated port; "ppdev",
    // "ioperm" and "inpout32" force that backend. Null when none works, with the reasons of
    // every backend tried in fehler: the simulated port never stands in unasked.
    static std::unique_ptr<PortIO> waehle(quint16 lpt1Basis, quint16 lpt2Basis,
                                          QString* fehler = nullptr);
};

// "888", "&H378", "0x378" -> 888; anything else 0.
quint16 LesePortAdresse(const QString& text);
