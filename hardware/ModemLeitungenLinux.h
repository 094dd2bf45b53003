#pragma once
// Linux watcher: a thread sleeps in TIOCMIWAIT until a line changes and reads the driver's
// edge counters (TIOCGICOUNT), so every edge is reported even when several fall together.
// Drivers without those calls are polled every millisecond with TIOCMGET instead.
// The thread asks for real-time scheduling (see Echtzeit.h) and works without it too.

#include <atomic>
#include <memory>

#include "hardware/ModemLeitungen.h"

class QThread;

class ModemLeitungenLinux : public ModemLeitungen {
    Q_OBJECT
public:
    explicit ModemLeitungenLinux(QObject* parent = nullptr);
    ~ModemLeitungenLinux() override;

    bool starte(QSerialPort* port, ZeitstempelQuelle stempel) override;
    void stoppe() override;
    bool laeuft() const override { return m_thread != nullptr; }
    // The running (or last) watcher thread was granted real-time scheduling.
    bool echtzeitGewaehrt() const { return m_echtzeit; }

private:
    enum class Art { Warten, ZaehlerAbfrage, PegelAbfrage };
    void lauf(int fd, Art art, ZeitstempelQuelle stempel, quint64 generation);
    void melde(int ereignis, qint32 zeit, quint64 generation);
    void debug(const QString& text);

    std::unique_ptr<QThread> m_thread;
    int m_fd = -1;  // the watcher's own copy of the port's descriptor
    std::atomic<unsigned long> m_threadId{0};  // pthread_t of the watcher, for waking it
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_fertig{false};
    std::atomic<bool> m_echtzeit{false};
    quint64 m_generation = 0;  // UI thread only: events of an old run are dropped
};
