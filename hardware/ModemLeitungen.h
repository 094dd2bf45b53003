#pragma once
// Watches the modem status lines (CD, DSR, CTS, RI) of an open serial port. Every edge is
// stamped where it is seen and handed to the UI thread as the event code the lap inputs know:
// 3 = CTS changed, 4 = DSR changed, 5 = CD changed, 6 = ring pulse.

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class QSerialPort;

// Stamp source: must be safe to call from any thread.
using ZeitstempelQuelle = std::function<qint32()>;

namespace ModemEreignis {
constexpr int CTS = 3;
constexpr int DSR = 4;
constexpr int CD = 5;
constexpr int RI = 6;
}  // namespace ModemEreignis

// Line levels as a bit set (independent of the platform's own bits).
namespace ModemPegel {
constexpr unsigned CTS = 1;
constexpr unsigned DSR = 2;
constexpr unsigned CD = 4;
constexpr unsigned RI = 8;
}  // namespace ModemPegel

// Edge counters per line since the port was opened (as the driver counts them).
struct ModemZaehler {
    qint64 cts = 0, dsr = 0, cd = 0, ri = 0;
};

// Events between two level readings, in the order CD, DSR, CTS, RI. A ring pulse counts once,
// at its trailing edge (line falls), as the UART reports it.
std::vector<int> KantenAusPegeln(unsigned alt, unsigned neu);
// Events between two counter readings: one per counted edge, same order. Counters that went
// backwards (driver reset) give nothing.
std::vector<int> KantenAusZaehlern(const ModemZaehler& alt, const ModemZaehler& neu);

class ModemLeitungen : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~ModemLeitungen() override = default;

    // Begins watching the open port; false (with a debug line) when its lines cannot be read.
    virtual bool starte(QSerialPort* port, ZeitstempelQuelle stempel) = 0;
    // Ends watching; no kante() is emitted after it returns.
    virtual void stoppe() = 0;
    virtual bool laeuft() const = 0;

    // The watcher that fits this platform.
    static std::unique_ptr<ModemLeitungen> erzeuge(QObject* parent = nullptr);

signals:
    // Emitted on the thread this object lives in (the UI thread), stamp taken at the edge.
    void kante(int commEvent, qint32 zeit);
};

// Tests and demos plug their own watcher into the serial component through this.
using ModemLeitungsFabrik = std::function<std::unique_ptr<ModemLeitungen>()>;
