#pragma once
// Windows watcher: ModemKantenWindows waits for the edges in a thread of its own and stamps
// them there, as the Linux watcher does with TIOCMIWAIT; the events are posted to the UI
// thread. Off Windows it cannot start.

#include <atomic>
#include <memory>

#include "hardware/ModemKantenWindows.h"
#include "hardware/ModemLeitungen.h"

class ModemLeitungenWindows : public ModemLeitungen {
    Q_OBJECT
public:
    explicit ModemLeitungenWindows(QObject* parent = nullptr);
    ~ModemLeitungenWindows() override;

    bool starte(QSerialPort* port, ZeitstempelQuelle stempel) override;
    void stoppe() override;
    bool laeuft() const override { return m_kanten.laeuft(); }

private:
    ModemKantenWindows m_kanten;
    std::shared_ptr<std::atomic<quint64>> m_generation = std::make_shared<std::atomic<quint64>>(0);
};
