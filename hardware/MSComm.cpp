#include "MSComm.h"

#include <QElapsedTimer>
#include <QStringList>

#include "DebugLog.h"
#include "EinstellungsSpeicher.h"

namespace {

qint32 standardZeit() {
    static const QElapsedTimer lauf = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<qint32>(lauf.elapsed());
}

struct PortSettings {
    qint32 baud = 9600;
    QSerialPort::Parity paritaet = QSerialPort::NoParity;
    QSerialPort::DataBits bits = QSerialPort::Data8;
    QSerialPort::StopBits stop = QSerialPort::OneStop;
};

bool leseSettings(const QString& text, PortSettings& s) {
    const QStringList teile = text.split(QLatin1Char(','));
    if (teile.size() != 4) return false;
    bool ok = false;
    s.baud = teile[0].trimmed().toInt(&ok);
    if (!ok || s.baud <= 0) return false;
    const QString p = teile[1].trimmed().toUpper();
    if (p == QLatin1String("N"))
        s.paritaet = QSerialPort::NoParity;
    else if (p == QLatin1String("E"))
        s.paritaet = QSerialPort::EvenParity;
    else if (p == QLatin1String("O"))
        s.paritaet = QSerialPort::OddParity;
    else if (p == QLatin1String("M"))
        s.paritaet = QSerialPort::MarkParity;
    else if (p == QLatin1String("S"))
        s.paritaet = QSerialPort::SpaceParity;
    else
        return false;
    const int bits = teile[2].trimmed().toInt(&ok);
    if (!ok || bits < 5 || bits > 8) return false;
    s.bits = static_cast<QSerialPort::DataBits>(bits);
    const QString st = teile[3].trimmed();
    if (st == QLatin1String("1"))
        s.stop = QSerialPort::OneStop;
    else if (st == QLatin1String("1.5"))
        s.stop = QSerialPort::OneAndHalfStop;
    else if (st == QLatin1String("2"))
        s.stop = QSerialPort::TwoStop;
    else
        return false;
    return true;
}

QSerialPort::FlowControl flussAus(int handshaking) {
    switch (handshaking) {
        case 1:
            return QSerialPort::SoftwareControl;
        case 2:
        case 3:
            return QSerialPort::HardwareControl;
        default:
            return QSerialPort::NoFlowControl;
    }
}

}  // namespace

MSComm::MSComm(const QString& name, QObject* parent)
    : QObject(parent),
      m_port(new QSerialPort(this)),
      m_pfadQuelle([](int n) {
          return n >= 1 && n <= 10 ? EinstellungsSpeicher::standardComPfad(n) : QString();
      }),
      m_zeit(standardZeit),
      m_modemFabrik([] { return ModemLeitungen::erzeuge(); }) {
    setObjectName(name);
    connect(m_port, &QSerialPort::readyRead, this, &MSComm::datenDa);
    connect(m_port, &QSerialPort::errorOccurred, this, &MSComm::fehler);
    connect(m_port, &QSerialPort::bytesWritten, this, [this] {
        if (m_sThreshold > 0 && m_port->bytesToWrite() < m_sThreshold)
            ausloesen(comEvSend, m_zeit());
    });
}

MSComm::~MSComm() { schliessen(); }

void MSComm::setPfadQuelle(std::function<QString(int)> quelle) {
    if (quelle) m_pfadQuelle = std::move(quelle);
}

void MSComm::setZeitquelle(ZeitstempelQuelle quelle) {
    if (quelle) m_zeit = std::move(quelle);
}

void MSComm::setModemFabrik(ModemLeitungsFabrik fabrik) { m_modemFabrik = std::move(fabrik); }

bool MSComm::setCommPort(int nummer) {
    if (PortOpen()) {
        m_fehlerText = tr("Port ist bereits geöffnet");
        return false;
    }
    m_commPort = nummer;
    return true;
}

QString MSComm::pfad() const { return m_pfadQuelle(m_commPort); }

bool MSComm::setSettings(const QString& settings) {
    PortSettings s;
    if (!leseSettings(settings, s)) {
        m_fehlerText = tr("Ungültige Einstellung: %1").arg(settings);
        return false;
    }
    m_settings = settings;
    if (PortOpen()) return wendeSettingsAn();
    return true;
}

bool MSComm::wendeSettingsAn() {
    PortSettings s;
    leseSettings(m_settings, s);
    bool ok = true;
    eigenerAufruf([&] {
        ok = m_port->setBaudRate(s.baud) && m_port->setParity(s.paritaet) &&
             m_port->setDataBits(s.bits) && m_port->setStopBits(s.stop) &&
             m_port->setFlowControl(flussAus(m_handshaking));
    });
    return ok;
}

template <typename F>
void MSComm::eigenerAufruf(F&& f) {
    // Errors of our own property calls belong to the caller, not to the failure watch.
    const bool vorher = m_eigenerAufruf;
    m_eigenerAufruf = true;
    f();
    if (m_port->error() != QSerialPort::NoError) {
        m_fehlerText = m_port->errorString();
        m_port->clearError();
    }
    m_eigenerAufruf = vorher;
}

bool MSComm::PortOpen() const { return m_port->isOpen(); }

bool MSComm::setPortOpen(bool offen) {
    m_sollOffen = offen;
    if (!offen) {
        m_verloren = false;
        schliessen();
        return true;
    }
    if (PortOpen()) return true;
    const QString p = pfad();
    if (p.isEmpty()) {
        m_fehlerText = tr("COM%1 hat keinen Gerätepfad").arg(m_commPort);
        return false;
    }
    m_port->setPortName(p);
    m_offenerPfad = p;
    bool geoeffnet = false;
    eigenerAufruf([&] { geoeffnet = m_port->open(QIODevice::ReadWrite); });
    if (!geoeffnet) return false;
    m_verloren = false;
    wendeSettingsAn();
    eigenerAufruf([&] { m_port->setDataTerminalReady(m_dtr); });
    m_eingang.clear();
    m_gemeldet = false;
    if (m_modemFabrik) {
        m_modem = m_modemFabrik();
        if (m_modem) {
            connect(m_modem.get(), &ModemLeitungen::kante, this, &MSComm::ausloesen);
            m_modem->starte(m_port, m_zeit);
        }
    }
    return true;
}

void MSComm::schliessen() {
    if (m_modem) {
        m_modem->stoppe();
        m_modem.reset();
    }
    if (m_port->isOpen()) eigenerAufruf([&] { m_port->close(); });
}

void MSComm::setDTREnable(bool an) {
    m_dtr = an;
    if (PortOpen()) eigenerAufruf([&] { m_port->setDataTerminalReady(an); });
}

void MSComm::setHandshaking(int art) {
    m_handshaking = art;
    if (PortOpen()) eigenerAufruf([&] { m_port->setFlowControl(flussAus(art)); });
}

void MSComm::setInBufferCount(int n) {
    if (n != 0) return;
    m_eingang.clear();
    if (PortOpen()) eigenerAufruf([&] { m_port->clear(QSerialPort::Input); });
}

int MSComm::OutBufferCount() const { return PortOpen() ? int(m_port->bytesToWrite()) : 0; }

void MSComm::setOutBufferCount(int n) {
    if (n != 0 || !PortOpen()) return;
    eigenerAufruf([&] { m_port->clear(QSerialPort::Output); });
}

QByteArray MSComm::Input() {
    if (PortOpen() && m_port->bytesAvailable() > 0) {
        const QByteArray neu = m_port->readAll();
        const qsizetype platz = qMax<qsizetype>(0, m_inBufferSize - m_eingang.size());
        m_eingang += neu.left(platz);
    }
    const qsizetype n =
        m_inputLen == 0 ? m_eingang.size() : qMin<qsizetype>(m_inputLen, m_eingang.size());
    const QByteArray teil = m_eingang.left(n);
    m_eingang.remove(0, n);
    m_gelesen += quint64(n);
    return teil;
}

bool MSComm::Output(const QByteArray& daten) {
    if (!PortOpen()) {
        m_fehlerText = tr("Port ist nicht geöffnet");
        return false;
    }
    return m_port->write(daten) == daten.size();
}

void MSComm::datenDa() {
    // readyRead is not raised again while a handler of it waits (Warte runs the event loop):
    // what arrived meanwhile sits in the port's buffer and is taken here once the handler
    // returns, not when some later byte happens to come.
    if (m_imEmpfang || m_imLesen) return;
    // Set while this loop runs: a readyRead raised from inside it leaves its bytes to the loop.
    m_imLesen = true;
    for (int runde = 0; PortOpen() && runde < 1000; ++runde) {
        const QByteArray neu = m_port->readAll();
        if (neu.isEmpty() && runde > 0) break;
        nimmAuf(neu, m_zeit());
        empfangAusloesen();
        if (!PortOpen()) break;
        // Bytes the system holds but the port has not fetched yet (no event loop ran).
        eigenerAufruf([&] {
            if (m_port->bytesAvailable() == 0) m_port->waitForReadyRead(0);
        });
        if (m_port->bytesAvailable() == 0) break;
    }
    m_imLesen = false;
    // A stream that never paused: the rest is taken on the next pass of the event loop.
    if (PortOpen() && m_port->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &MSComm::datenDa, Qt::QueuedConnection);
}

void MSComm::nimmAuf(const QByteArray& neu, qint32 zeit) {
    const qsizetype platz = qMax<qsizetype>(0, m_inBufferSize - m_eingang.size());
    m_eingang += neu.left(platz);
    if (neu.size() > platz) {
        SchreibeDebug(QStringLiteral("%1: Eingabepuffer voll, %2 Zeichen verloren")
                          .arg(objectName())
                          .arg(neu.size() - platz));
        ausloesen(comEventRxOver, zeit);
    }
    m_empfangZeit = zeit;
}

void MSComm::empfangAusloesen() {
    if (m_imEmpfang) return;
    m_imEmpfang = true;
    while (PortOpen() && m_rThreshold > 0 && m_eingang.size() >= m_rThreshold) {
        const quint64 vorher = m_gelesen;
        ausloesen(comEvReceive, m_empfangZeit);
        if (m_gelesen == vorher) break;  // left waiting: the next arrival raises it again
    }
    m_imEmpfang = false;
}

void MSComm::ausloesen(int ereignis, qint32 zeit) {
    m_commEvent = ereignis;
    m_ereignisZeit = zeit;
    emit OnComm(ereignis, zeit);
}

void MSComm::fehler(QSerialPort::SerialPortError e) {
    if (e == QSerialPort::NoError || e == QSerialPort::TimeoutError ||
        e == QSerialPort::NotOpenError)
        return;
    if (m_eigenerAufruf || !m_port->isOpen()) return;
    // A running port failed. Left open it repeats the error thousands of times a second.
    const QString port = QStringLiteral("%1 COM%2").arg(objectName()).arg(m_commPort);
    const QString text = QStringLiteral("%1 (%2): %3, Port geschlossen")
                             .arg(port, m_offenerPfad, m_port->errorString());
    const QString gezeigt =
        tr("%1 (%2): %3, Port geschlossen").arg(port, m_offenerPfad, m_port->errorString());
    m_fehlerText = m_port->errorString();
    m_verloren = true;
    schliessen();
    if (m_gemeldet) return;
    m_gemeldet = true;
    SchreibeDebug(text);
    emit portFehler(gezeigt);
}
