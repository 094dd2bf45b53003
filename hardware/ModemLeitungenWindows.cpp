#include "hardware/ModemLeitungenWindows.h"

#include <QPointer>
#include <QSerialPort>

#include "config/DebugLog.h"

static_assert(ModemKanten::CTS == ModemPegel::CTS && ModemKanten::DSR == ModemPegel::DSR &&
              ModemKanten::CD == ModemPegel::CD && ModemKanten::RI == ModemPegel::RI);

ModemLeitungenWindows::ModemLeitungenWindows(QObject* parent) : ModemLeitungen(parent) {}

ModemLeitungenWindows::~ModemLeitungenWindows() { stoppe(); }

bool ModemLeitungenWindows::starte(QSerialPort* port, ZeitstempelQuelle stempel) {
    stoppe();
    if (!port || !port->isOpen()) return false;
#ifdef Q_OS_WIN
    void* handle = port->handle();
#else
    void* handle = nullptr;
#endif
    const quint64 generation = ++*m_generation;
    QPointer<ModemLeitungenWindows> ich(this);
    auto zaehler = m_generation;
    std::string fehler;
    const bool ok = m_kanten.starte(
        handle, [stempel] { return stempel(); },
        [ich, zaehler, generation](unsigned alt, unsigned neu, std::int32_t zeit) {
            // Watcher thread: the edges become events on the UI thread.
            for (int ereignis : KantenAusPegeln(alt, neu))
                QMetaObject::invokeMethod(
                    ich.data(),
                    [ich, zaehler, generation, ereignis, zeit] {
                        if (ich && *zaehler == generation) emit ich->kante(ereignis, zeit);
                    },
                    Qt::QueuedConnection);
        },
        &fehler);
    if (!ok)
        SchreibeDebug(QStringLiteral("Modemleitungen von %1 nicht lesbar: %2")
                          .arg(port->portName(), QString::fromStdString(fehler)));
    return ok;
}

void ModemLeitungenWindows::stoppe() {
    m_kanten.stoppe();
    ++*m_generation;  // events still queued are dropped
}
