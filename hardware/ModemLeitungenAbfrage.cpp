#include "hardware/ModemLeitungenAbfrage.h"

#include <QTimer>

#include "config/DebugLog.h"

ModemLeitungenAbfrage::ModemLeitungenAbfrage(QObject* parent)
    : ModemLeitungen(parent), m_timer(new QTimer(this)) {
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(1);
    connect(m_timer, &QTimer::timeout, this, &ModemLeitungenAbfrage::frage);
}

ModemLeitungenAbfrage::~ModemLeitungenAbfrage() { stoppe(); }

unsigned ModemLeitungenAbfrage::pegel(QSerialPort::PinoutSignals s) {
    unsigned p = 0;
    if (s & QSerialPort::ClearToSendSignal) p |= ModemPegel::CTS;
    if (s & QSerialPort::DataSetReadySignal) p |= ModemPegel::DSR;
    if (s & QSerialPort::DataCarrierDetectSignal) p |= ModemPegel::CD;
    if (s & QSerialPort::RingIndicatorSignal) p |= ModemPegel::RI;
    return p;
}

bool ModemLeitungenAbfrage::starte(QSerialPort* port, ZeitstempelQuelle stempel) {
    stoppe();
    if (!port || !port->isOpen()) return false;
    port->clearError();
    const QSerialPort::PinoutSignals s = port->pinoutSignals();
    if (port->error() != QSerialPort::NoError) {
        SchreibeDebug(QStringLiteral("Modemleitungen von %1 nicht lesbar: %2")
                          .arg(port->portName(), port->errorString()));
        port->clearError();
        return false;
    }
    m_port = port;
    m_stempel = std::move(stempel);
    m_letzte = pegel(s);
    m_timer->start();
    return true;
}

void ModemLeitungenAbfrage::stoppe() {
    m_timer->stop();
    m_port.clear();
}

bool ModemLeitungenAbfrage::laeuft() const { return m_timer->isActive(); }

void ModemLeitungenAbfrage::frage() {
    if (!m_port || !m_port->isOpen()) {
        stoppe();
        return;
    }
    const unsigned neu = pegel(m_port->pinoutSignals());
    if (neu == m_letzte) return;
    const qint32 zeit = m_stempel();
    const unsigned alt = m_letzte;
    m_letzte = neu;
    for (int ereignis : KantenAusPegeln(alt, neu)) {
        if (!laeuft()) return;  // a handler stopped us
        emit kante(ereignis, zeit);
    }
}
