#include "hardware/SensorBox.h"

#include <algorithm>
#include <limits>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"

SensorBox::SensorBox(std::unique_ptr<SensorBoxTreiber> treiber, const Einstellungen* einstellungen,
                     QObject* parent)
    : Zeitnahme(parent), m_treiber(std::move(treiber)), m_einstellungen(einstellungen) {}

SensorBox::~SensorBox() = default;

bool SensorBox::treiberBereit() {
    if (m_treiber) return true;
    if (m_ladeVersucht) return false;
    m_ladeVersucht = true;  // tried once; a missing driver is reported, not retried per byte
    QString fehler;
    m_treiberBibliothek = SensorBoxTreiber::bibliotheksName();
    m_treiber = SensorBoxTreiber::erzeuge(&fehler);
    if (!m_treiber) {
        SchreibeDebug(QStringLiteral("Sensorbox-Treiber nicht geladen: ") + fehler);
        m_treiberFehler = tr("Sensorbox-Treiber nicht geladen: %1").arg(fehler);
        emit statusText(m_treiberFehler);
    }
    return m_treiber != nullptr;
}

namespace {
// A box that reports nonsense times must not overflow the race clock's arithmetic.
qint32 begrenzt(qint64 ms) {
    return qint32(std::clamp<qint64>(ms, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}
}  // namespace

std::array<qint16, 8> SensorBox::BoxKonfig() const {
    const qint16 level = m_einstellungen ? m_einstellungen->RaceControlLevel : qint16(65);
    return {0, 0, level, 25, 7, 0, 0, -1};
}

void SensorBox::BoxInit() {
    emit portSchalten(true);
    m_boxNummer = 0;
    m_konfigGesendet = false;
    if (treiberBereit()) m_treiber->InitBoxes();
    emit portSchalten(false);
}

qint32 SensorBox::BoxOeffnen() {
    emit portSchalten(true);
    if (!treiberBereit()) return 0;
    const std::array<qint16, 8> konfig = BoxKonfig();
    m_treiber->OpenBox(m_boxNummer, konfig.data());
    return m_treiber->Get_TStamp(m_boxNummer);
}

qint32 SensorBox::rennStart() {
    BoxInit();
    const qint32 takt = BoxOeffnen();
    return treiberBereit() ? folgeUhr(takt) : 0;
}

qint32 SensorBox::zeitstempel() {
    if (!treiberBereit()) return 0;
    return folgeUhr(m_treiber->Get_TStamp(m_boxNummer));
}

qint32 SensorBox::folgeUhr(qint32 takt) {
    // A restart shows as a tick count more than this (1 s) below the last reading; a little
    // less may be a reading out of step with the box's frames.
    constexpr qint32 spielraum = 4800;
    const qint32 uhr = programmUhr();
    const qint32 weiter = begrenzt(qint64(m_letzteMs) + (qint64(uhr) - m_uhrBeiLetzter));
    if (m_ueberbrueckt && m_taktBekannt && takt == m_letzterTakt) return weiter;
    if (m_ueberbrueckt && m_taktBekannt && takt > m_letzterTakt &&
        qint64(tickRunden(takt)) + m_versatz < weiter) {
        // Back after a loss with a clock that kept running, but behind the program's: the
        // race clock stays where it stood.
        m_versatz = begrenzt(qint64(weiter) - tickRunden(takt));
        SchreibeDebug(QStringLiteral("Sensorbox: Uhr nach der Unterbrechung angeglichen "
                                     "(Versatz %1 ms)")
                          .arg(m_versatz));
    } else if (m_taktBekannt &&
               (m_ueberbrueckt ? takt < m_letzterTakt : qint64(takt) + spielraum < m_letzterTakt)) {
        m_versatz = begrenzt(qint64(weiter) - tickRunden(takt));
        SchreibeDebug(QStringLiteral("Sensorbox: Uhr der Box neu gestartet, an die Rennuhr "
                                     "angeschlossen (Versatz %1 ms)")
                          .arg(m_versatz));
        emit statusText(tr("Uhr der Sensorbox neu gestartet, an die Rennuhr angeschlossen"));
        // A box that started again on a port that stayed open (switched off and on) is a new
        // box to the driver: it wants its configuration. After a loss the reopening saw to it.
        if (!m_ueberbrueckt) m_konfigGesendet = false;
    }
    m_ueberbrueckt = false;
    m_taktBekannt = true;
    m_letzterTakt = takt;
    m_letzteMs = begrenzt(qint64(tickRunden(takt)) + m_versatz);
    m_uhrBeiLetzter = uhr;
    return m_letzteMs;
}

void SensorBox::portVerloren() {
    if (!treiberBereit() || m_ueberbrueckt) return;
    zeitstempel();
    m_ueberbrueckt = true;
}

void SensorBox::portWiederGeoeffnet() {
    m_konfigGesendet = false;
    SchreibeDebug(QStringLiteral("Sensorbox: Port wieder offen, Konfiguration wird neu gesendet"));
}

qint32 SensorBox::tickRunden(qint64 ticks) {
    // ticks / 4.8 = ticks * 5 / 24, exactly in integers.
    const qint64 z = ticks * 5;
    qint64 q = z / 24;
    qint64 r = z % 24;
    if (r < 0) {
        r += 24;
        --q;
    }
    if (r > 12 || (r == 12 && (q & 1))) ++q;
    return qint32(q);
}

qint32 SensorBox::tickAbschneiden(qint64 ticks) {
    const qint64 z = ticks * 5;
    qint64 q = z / 24;
    if (z % 24 < 0) --q;
    return qint32(q);
}

QString SensorBox::zeitText(qint64 ms) {
    const QLatin1Char null('0');
    return QStringLiteral("%1:%2:%3.%4")
        .arg(ms / 3600000, 2, 10, null)
        .arg(ms / 60000 % 60, 2, 10, null)
        .arg(ms / 1000 % 60, 2, 10, null)
        .arg(ms % 1000, 3, 10, null);
}

QString SensorBox::ZeigeSensorEvent(int art, int sensor, qint32 zeit) {
    static const char* const an[4] = {" SENSOR 1 ON ", " SENSOR 2 ON", " SENSOR 3 ON",
                                      " SENSOR 4 ON"};
    static const char* const aus[4] = {" SENSOR 1 OFF", " SENSOR 2 OFF", " SENSOR 3 OFF",
                                       " SENSOR 4 OFF"};
    if (sensor < 0 || sensor > 3) return QString();
    // A negative tick count would make a nonsense clock text; show it from zero.
    const qint64 ms = qMax<qint64>(0, tickAbschneiden(zeit));
    const QString text = QStringLiteral("EVENT: BOX ") + QString::number(m_boxNummer) +
                         QLatin1String(art == 0x200 ? an[sensor] : aus[sensor]) + zeitText(ms);
    emit statusText(text);
    return text;
}

void SensorBox::datenEmpfangen(const QByteArray& daten) {
    if (!treiberBereit()) return;
    for (char c : daten) BoxEmpfang(static_cast<unsigned char>(c));
}

void SensorBox::BoxEmpfang(unsigned char zeichen) {
    quint16 r = quint16(m_treiber->RX_data(m_boxNummer, zeichen) & 0xFFFF);
    // The driver's results are read as hex text; one with a letter in it counts as 0.
    bool buchstabe = false;
    for (int n = 0; n < 16; n += 4) buchstabe = buchstabe || ((r >> n) & 0xF) >= 0xA;
    if (buchstabe) r = 0;
    switch (r) {
        case 0:
            return;
        case 2: {
            SensorBoxEreignis e;
            if (m_treiber->Get_Event(&e) != 0) behandleEreignis(e);
            return;
        }
        case 0x8003:
            emit statusText(QStringLiteral("MSG: SENSOR OFFLINE"));
            return;
        case 0x8004:
            emit statusText(QStringLiteral("MSG: BOX ACTIVATES"));
            return;
        case 0x8005:
            emit statusText(QStringLiteral("MSG: BOX LOST"));
            m_konfigGesendet = false;
            return;
        case 0x8006:
            emit statusText(QStringLiteral("MSG: TX REQUEST"));
            return;
        default:
            emit statusText(QStringLiteral("MSG: UNKNOWN RET ") + QString::number(r, 16).toUpper());
    }
}

void SensorBox::behandleEreignis(const SensorBoxEreignis& e) {
    const int art = e.wort & 0xFF00;
    const int sensor = e.wort & 3;
    switch (art) {
        case 0x200:
            ZeigeSensorEvent(art, sensor, e.zeit);
            zeitstempel();
            emit rundeErfasst(sensor + 1, begrenzt(qint64(tickAbschneiden(e.zeit)) + m_versatz));
            break;
        case 0x300:
            ZeigeSensorEvent(art, sensor, e.zeit);
            break;
        case 0x400:
            emit statusText(QStringLiteral("EVENT: SENSOR BOX ACTIVATES"));
            emit anzeigeGeaendert(farbeGruen);
            break;
        case 0x500:
            emit statusText(QStringLiteral("EVENT: SENSOR BOX ERROR, COM LOST"));
            emit anzeigeGeaendert(farbeGelb);
            // The box that comes back asks for its configuration again.
            m_konfigGesendet = false;
            break;
        case 0x600: {
            emit statusText(QStringLiteral("EVENT: TX DATA REQUEST"));
            if (m_konfigGesendet) break;
            emit dtrSetzen(false);
            emit anzeigeGeaendert(farbeGelb);
            QByteArray bytes;
            for (int i = 0; i < maxSendeBytes; ++i) {
                const qint16 b = qint16(m_treiber->Get_TXDat(m_boxNummer) & 0xFFFF);
                if (b == -1) break;
                bytes.append(char(b & 0xFF));
            }
            emit sende(bytes);
            emit dtrSetzen(true);
            emit anzeigeGeaendert(farbeGruen);
            emit statusText(QStringLiteral("MSG: BOXCONFIGURATION SENT"));
            m_konfigGesendet = true;
            break;
        }
        default:
            emit statusText(QStringLiteral("Unknown Event ") + QString::number(art, 16).toUpper());
    }
}
