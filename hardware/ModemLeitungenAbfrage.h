#pragma once
// Portable watcher: reads the line levels through QSerialPort every millisecond on the UI
// thread. Serves where the platform has no edge counters of its own; pulses shorter than the
// polling period can be missed.

#include <QPointer>
#include <QSerialPort>

#include "hardware/ModemLeitungen.h"

class QTimer;

class ModemLeitungenAbfrage : public ModemLeitungen {
    Q_OBJECT
public:
    explicit ModemLeitungenAbfrage(QObject* parent = nullptr);
    ~ModemLeitungenAbfrage() override;

    bool starte(QSerialPort* port, ZeitstempelQuelle stempel) override;
    void stoppe() override;
    bool laeuft() const override;

private:
    void frage();
    static unsigned pegel(QSerialPort::PinoutSignals s);

    QTimer* m_timer;
    QPointer<QSerialPort> m_port;
    ZeitstempelQuelle m_stempel;
    unsigned m_letzte = 0;
};
