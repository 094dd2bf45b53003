#include "hardware/MSComm.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStringList>
#include <QThread>

#include "config/DebugLog.h"
#include "config/EinstellungsSpeicher.h"

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
      m_faden(std::make_unique<QThread>()),
      m_port(std::make_unique<QSerialPort>()),
      m_pfadQuelle([](int n) {
          return n >= 1 && n <= 10 ? EinstellungsSpeicher::standardComPfad(n) : QString();
      }),
      m_zeit(standardZeit),
      m_modemFabrik([] { return ModemLeitungen::erzeuge(); }) {
    setObjectName(name);
    m_faden->setObjectName(name + QStringLiteral(" Empfang"));
    // Direct: these run on the port's thread, where the port emits them.
    connect(m_port.get(), &QSerialPort::readyRead, m_port.get(), [this] { liesImFaden(); },
            Qt::DirectConnection);
    connect(m_port.get(), &QSerialPort::errorOccurred, m_port.get(),
            [this](QSerialPort::SerialPortError e) { fehler(e); }, Qt::DirectConnection);
    connect(
        m_port.get(), &QSerialPort::bytesWritten, m_port.get(),
        [this] {
            const int schwelle = m_sThreshold;
            if (schwelle <= 0 || m_port->bytesToWrite() >= schwelle) return;
            const qint32 zeit = m_zeit();
            QMetaObject::invokeMethod(
                this,
                [this, zeit, oeffnung = m_oeffnung.load()] {
                    if (m_offen && oeffnung == m_oeffnung) ausloesen(comEvSend, zeit);
                },
                Qt::QueuedConnection);
        },
        Qt::DirectConnection);
}

MSComm::~MSComm() { schliessen(); }

void MSComm::setPfadQuelle(std::function<QString(int)> quelle) {
    if (quelle) m_pfadQuelle = std::move(quelle);
}

void MSComm::setZeitquelle(ZeitstempelQuelle quelle) {
    // The port thread calls it: swapped there, between two of its reads.
    if (quelle) imPortFaden([&] { m_zeit = std::move(quelle); });
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
void MSComm::imPortFaden(F&& f) const {
    // The port is only touched on the thread it lives in; the caller waits (the port thread
    // never waits for the UI thread, so this cannot lock up).
    if (m_faden->isRunning() && QThread::currentThread() != m_faden.get())
        QMetaObject::invokeMethod(m_port.get(), std::forward<F>(f), Qt::BlockingQueuedConnection);
    else
        f();
}

template <typename F>
void MSComm::eigenerAufruf(F&& f) {
    // Errors of our own property calls belong to the caller, not to the failure watch.
    QString text;
    imPortFaden([&] {
        const bool vorher = m_eigenerAufruf;
        m_eigenerAufruf = true;
        f();
        if (m_port->error() != QSerialPort::NoError) {
            text = m_port->errorString();
            m_port->clearError();
        }
        m_eigenerAufruf = vorher;
    });
    if (!text.isEmpty()) m_fehlerText = text;
}

bool MSComm::PortOpen() const { return m_offen; }

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
    {
        QMutexLocker l(&m_sperre);
        m_eingang.clear();
        m_anfang = 0;
        m_empfangen = m_gelesen = 0;
        m_ankunft.clear();
        m_verworfen = 0;
        m_angestossen = false;
    }
    ++m_oeffnung;
    m_port->moveToThread(m_faden.get());
    m_faden->start();
    bool geoeffnet = false;
    eigenerAufruf([&] { geoeffnet = m_port->open(QIODevice::ReadWrite); });
    if (!geoeffnet) {
        schliessen();
        return false;
    }
    m_offen = true;
    m_verloren = false;
    m_gemeldet = false;
    m_nachholen = false;
    wendeSettingsAn();
    eigenerAufruf([&] { m_port->setDataTerminalReady(m_dtr); });
    if (m_modemFabrik) {
        m_modem = m_modemFabrik();
        if (m_modem) {
            connect(m_modem.get(), &ModemLeitungen::kante, this, &MSComm::ausloesen);
            m_modem->starte(m_port.get(), m_zeit);
        }
    }
    return true;
}

void MSComm::schliessen() {
    // The watcher first: it uses the port's handle.
    if (m_modem) {
        m_modem->stoppe();
        m_modem.reset();
    }
    m_offen = false;
    if (!m_faden->isRunning()) return;
    QThread* hierher = thread();
    eigenerAufruf([&] {
        if (m_port->isOpen()) m_port->close();
        m_port->moveToThread(hierher);
    });
    m_faden->quit();
    m_faden->wait();
}

void MSComm::setDTREnable(bool an) {
    m_dtr = an;
    if (PortOpen()) eigenerAufruf([&] { m_port->setDataTerminalReady(an); });
}

void MSComm::setHandshaking(int art) {
    m_handshaking = art;
    if (PortOpen()) eigenerAufruf([&] { m_port->setFlowControl(flussAus(art)); });
}

int MSComm::InBufferCount() const {
    QMutexLocker l(&m_sperre);
    return int(m_empfangen - m_gelesen);
}

void MSComm::setInBufferCount(int n) {
    if (n != 0) return;
    // The port first: nothing that came before the call arrives after it.
    if (PortOpen()) eigenerAufruf([&] { m_port->clear(QSerialPort::Input); });
    QMutexLocker l(&m_sperre);
    nimmWeg(qsizetype(m_empfangen - m_gelesen));
}

qsizetype MSComm::eingangsGrenze() const {
    QMutexLocker l(&m_sperre);
    return m_grenze;
}

void MSComm::setEingangsGrenze(qsizetype n) {
    QMutexLocker l(&m_sperre);
    m_grenze = qMax<qsizetype>(1, n);
}

int MSComm::OutBufferCount() const {
    if (!PortOpen()) return 0;
    int n = 0;
    imPortFaden([&] { n = int(m_port->bytesToWrite()); });
    return n;
}

void MSComm::setOutBufferCount(int n) {
    if (n != 0 || !PortOpen()) return;
    eigenerAufruf([&] { m_port->clear(QSerialPort::Output); });
}

QByteArray MSComm::Input() {
    QMutexLocker l(&m_sperre);
    const qsizetype offen = m_eingang.size() - m_anfang;
    const qsizetype n = m_inputLen == 0 ? offen : qMin<qsizetype>(m_inputLen, offen);
    const QByteArray teil = m_eingang.mid(m_anfang, n);
    nimmWeg(n);
    return teil;
}

void MSComm::nimmWeg(qsizetype n) {
    m_anfang += n;
    m_gelesen += quint64(n);
    if (m_anfang == m_eingang.size()) {
        m_eingang.resize(0);
        m_anfang = 0;
    } else if (m_anfang > 4096 && m_anfang > m_eingang.size() / 2) {
        // Taken from the front in small pieces: moved down now and then, not at every take.
        m_eingang.remove(0, m_anfang);
        m_anfang = 0;
    }
    while (!m_ankunft.empty() && m_ankunft.front().first <= m_gelesen) m_ankunft.pop_front();
}

qint32 MSComm::ankunftBei(quint64 stelle) const {
    for (const auto& [ende, zeit] : m_ankunft)
        if (ende > stelle) return zeit;
    return m_ankunft.empty() ? 0 : m_ankunft.back().second;
}

bool MSComm::Output(const QByteArray& daten) {
    if (!PortOpen()) {
        m_fehlerText = tr("Port ist nicht geöffnet");
        return false;
    }
    bool ok = false;
    imPortFaden([&] { ok = m_port->write(daten) == daten.size(); });
    return ok;
}

void MSComm::liesImFaden() {
    const QByteArray neu = m_port->readAll();
    if (neu.isEmpty()) return;
    const qint32 zeit = m_zeit();
    bool anstossen = false;
    {
        QMutexLocker l(&m_sperre);
        const qsizetype platz =
            qBound<qsizetype>(0, m_grenze - (m_eingang.size() - m_anfang), neu.size());
        if (platz > 0) {
            m_eingang.append(neu.constData(), platz);
            m_empfangen += quint64(platz);
            if (!m_ankunft.empty() && m_ankunft.back().second == zeit)
                m_ankunft.back().first = m_empfangen;
            else
                m_ankunft.emplace_back(m_empfangen, zeit);
        }
        if (platz < neu.size()) {
            if (m_verworfen == 0) m_verworfenZeit = zeit;
            m_verworfen += neu.size() - platz;
        }
        anstossen = !m_angestossen;
        m_angestossen = true;
    }
    // One call for all that comes until the UI thread has looked.
    if (anstossen) QMetaObject::invokeMethod(this, &MSComm::datenDa, Qt::QueuedConnection);
}

void MSComm::datenDa() {
    // A handler of ours waits (it runs the event loop): the loop it interrupted takes what came
    // once the handler returns.
    if (m_imEmpfang) {
        m_nachholen = true;
        return;
    }
    qint64 verworfen = 0;
    qint32 verworfenZeit = 0;
    {
        QMutexLocker l(&m_sperre);
        m_angestossen = false;
        std::swap(verworfen, m_verworfen);
        verworfenZeit = m_verworfenZeit;
    }
    if (verworfen > 0) {
        const QString text =
            QStringLiteral("Eingabepuffer voll, %1 Zeichen verloren").arg(verworfen);
        SchreibeDebug(objectName() + QStringLiteral(": ") + text);
        ausloesen(comEventRxOver, verworfenZeit);
        emit meldung(
            tr("%1: Eingabepuffer voll, %2 Zeichen verloren").arg(objectName()).arg(verworfen));
    }
    empfangAusloesen();
    if (m_nachholen) {
        m_nachholen = false;
        QMetaObject::invokeMethod(this, &MSComm::datenDa, Qt::QueuedConnection);
    }
}

void MSComm::empfangAusloesen() {
    if (m_imEmpfang) return;
    m_imEmpfang = true;
    // Also what comes while a handler runs: its caller sees it handled when the handler returns.
    while (m_offen && m_rThreshold > 0) {
        // Stamp: arrival of the byte that made the threshold.
        qint32 zeit = 0;
        quint64 vorher = 0, empfangenVorher = 0;
        {
            QMutexLocker l(&m_sperre);
            vorher = m_gelesen;
            empfangenVorher = m_empfangen;
            const quint64 stelle = m_gelesen + quint64(m_rThreshold) - 1;
            if (stelle >= m_empfangen) break;
            zeit = ankunftBei(stelle);
        }
        ausloesen(comEvReceive, zeit);
        QMutexLocker l(&m_sperre);
        // Left waiting: raised again when more arrives (also while the handler ran).
        if (m_gelesen == vorher && m_empfangen == empfangenVorher) break;
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
    // A running port failed. Left open it repeats the error thousands of times a second: closed
    // here at once, on its own thread (the line watcher holds a handle of its own).
    const QString grund = ausfallGrund(e);
    m_port->clearError();
    m_eigenerAufruf = true;
    m_port->close();
    m_eigenerAufruf = false;
    QMetaObject::invokeMethod(
        this, [this, grund, oeffnung = m_oeffnung.load()] { ausgefallen(grund, oeffnung); },
        Qt::QueuedConnection);
}

QString MSComm::ausfallGrund(QSerialPort::SerialPortError e) const {
    // QSerialPort words a failed read or write with whatever errno the thread saw last ("Socket
    // operation on non-socket"): the reason is told from what failed and whether the device
    // is still there.
    const bool da = QFileInfo::exists(m_offenerPfad);
    switch (e) {
        case QSerialPort::ResourceError:
        case QSerialPort::ReadError:
        case QSerialPort::WriteError:
            if (!da) return tr("Gerät getrennt, %1 gibt es nicht mehr").arg(m_offenerPfad);
            return e == QSerialPort::WriteError ? tr("Schreiben auf das Gerät fehlgeschlagen")
                                                : tr("Gerät antwortet nicht mehr (Lesefehler)");
        default:
            return m_port->errorString();
    }
}

void MSComm::ausgefallen(const QString& grund, quint64 oeffnung) {
    if (!m_offen || oeffnung != m_oeffnung) return;  // closed or opened again meanwhile
    const QString port = QStringLiteral("%1 COM%2").arg(objectName()).arg(m_commPort);
    const QString text =
        QStringLiteral("%1 (%2): %3, Port geschlossen").arg(port, m_offenerPfad, grund);
    const QString gezeigt = tr("%1 (%2): %3, Port geschlossen").arg(port, m_offenerPfad, grund);
    m_fehlerText = grund;
    m_verloren = true;
    schliessen();
    if (m_gemeldet) return;
    m_gemeldet = true;
    SchreibeDebug(text);
    emit portFehler(gezeigt);
}
