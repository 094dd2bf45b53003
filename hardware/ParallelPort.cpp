#include "hardware/ParallelPort.h"

#include <QStringList>
#include <QThread>
#include <chrono>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/Uhr.h"
#include "hardware/Echtzeit.h"
#include "hardware/PortIO.h"

namespace {

// Str() of the old dialect: one leading blank for a positive number.
QString mitBlank(qint64 n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

qint16 weiter(qint16 i) { return i >= ParallelPort::ringGroesse - 1 ? 0 : qint16(i + 1); }

}  // namespace

ParallelPort::ParallelPort(const Einstellungen& einstellungen, PortIO* io, Uhr* uhr,
                           QObject* parent)
    : Zeitnahme(parent),
      m_e(einstellungen),
      m_io(io),
      m_uhr(uhr),
      m_zeit([uhr] { return uhr->Zeitstempel(); }),
      m_lptTimer(uhr->neuerTimer(this)),
      m_chaosTimer(uhr->neuerTimer(this)) {
    m_lptTimer->setInterval(lptTimerMs);
    m_chaosTimer->setInterval(chaosTimerMs);
    connect(m_lptTimer, &UhrTimer::timeout, this, [this] {
        uebernehmeProben();
        ErmittleLPTEvent();
    });
    connect(m_chaosTimer, &UhrTimer::timeout, this, [this] {
        SchreibeDebug(QStringLiteral("CheckChaos"));
        PruefeChaosEingang();
    });
    CopyLPTErf2Array();
}

ParallelPort::~ParallelPort() { stoppeErfassung(); }

void ParallelPort::setPortIO(PortIO* io) {
    const bool lief = erfassungLaeuft();
    if (lief) stoppeErfassung();
    m_io = io;
    if (lief) starteErfassung();
}

void ParallelPort::setZeitquelle(ZeitstempelQuelle quelle) {
    if (quelle) m_zeit = std::move(quelle);
}

void ParallelPort::setChaosAbfrage(std::function<bool()> abfrage) {
    m_chaosAbfrage = std::move(abfrage);
}

bool ParallelPort::chaosAktiv() const { return m_chaosAbfrage ? m_chaosAbfrage() : m_chaosEigen; }

void ParallelPort::chaosAN() {
    m_chaosEigen = true;
    emit chaosAn();
}

void ParallelPort::chaosAUS() {
    m_chaosEigen = false;
    emit chaosAus();
}

quint16 ParallelPort::basis(const QString& portName) const {
    return LesePortAdresse(portName.trimmed().toUpper() == QLatin1String("LPT1") ? m_e.LPT1PortAdr
                                                                                 : m_e.LPT2PortAdr);
}

bool ParallelPort::invertiert(int wert) {
    return wert == 1 || wert == 2 || wert == 8 || wert == 32768;
}

void ParallelPort::SchalteLPTPin(const QString& pin, int anAus) {
    if (pin.trimmed().toUpper() == QLatin1String("AUS") || !m_io) return;
    const QStringList teile = pin.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool ok = false;
    const int n = teile.size() == 2 ? teile[1].toInt(&ok) : -1;
    if (!ok || n < 0 || n > 11) {
        // 12..16 are status lines: written as control bits they would hit IRQ and direction.
        SchreibeDebug(QStringLiteral("SchalteLPTPin: kein Ausgang: ") + pin);
        return;
    }
    int an = anAus != 0 ? 1 : 0;
    if (n == 8 || n == 9 || n == 11) an = an ? 0 : 1;  // inverted lines: 1 always means high
    const quint8 datenMaske = n <= 7 ? quint8(1u << n) : 0;
    const quint8 steuerMaske = n > 7 ? quint8(1u << (n - 8)) : 0;
    const quint16 b = basis(teile[0]);
    quint8 d = m_io->Inp32(b);
    if ((d & datenMaske) != an * datenMaske) d ^= datenMaske;
    quint8 c = m_io->Inp32(quint16(b + 2));
    if ((c & steuerMaske) != an * steuerMaske) c ^= steuerMaske;
    m_io->Out32(b, d);
    m_io->Out32(quint16(b + 2), c);
}

void ParallelPort::PortReset() {
    if (!m_io) return;
    for (const QString& name : {QStringLiteral("LPT1"), QStringLiteral("LPT2")}) {
        const quint16 b = basis(name);
        m_io->Out32(b, 0);
        m_io->Out32(quint16(b + 2), 0xC4);
        m_io->Out32(quint16(b + 2), 0xCB);
    }
}

void ParallelPort::CopyLPTErf2Array() {
    for (int i = 0; i < 7; ++i) {
        const QString& einstellung = i < 6 ? m_e.LPTErf[i + 1] : m_e.LPTChaos;
        const QString name =
            i < 6 ? QStringLiteral("LPTErf%1").arg(i + 1) : QStringLiteral("LPTChaos");
        LPTErfPaarT paar;
        const QStringList teile = einstellung.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (einstellung.trimmed().toUpper() == QLatin1String("AUS") || teile.isEmpty()) {
            m_paare[i] = paar;
            continue;
        }
        paar.port = teile[0].toUpper();
        bool ok = false;
        const int n = teile.size() > 1 ? teile[1].toInt(&ok) : -1;
        if (ok && n >= 8 && n <= 11)
            paar.wert = 1 << (n - 8);
        else if (ok && n >= 12 && n <= 16)
            paar.wert = 1 << (n - 1);
        else
            // A data line (0..7) is no input: taken as a mask it would test unrelated bits.
            SchreibeDebug(name + QStringLiteral(": kein Eingang: ") + einstellung);
        m_paare[i] = paar;
    }
}

void ParallelPort::ErfasseLPTWerte(int Modus, qint32 zeit) {
    if (Modus == 2) {
        PruefeChaosLPT(LPT1Wert, LPT2Wert);
        return;
    }
    if (weiter(m_zaehler) == m_zaehlerDone && !m_wertetAus) {
        // Full before LPTTimer came round (the UI thread was held up): evaluate now rather
        // than lose a crossing.
        ErmittleLPTEvent();
    }
    const qint16 naechster = weiter(m_zaehler);
    if (naechster == m_zaehlerDone) {
        // Still full (caution holds the evaluation): the oldest unevaluated sample goes, not
        // the whole ring.
        SchreibeDebug(QStringLiteral("LPTWerte: Ring voll, ältester Wert verworfen"));
        m_zaehlerDone = weiter(m_zaehlerDone);
    }
    m_ring[m_zaehler] = LPTWert{LPT1Wert, LPT2Wert, zeit};
    m_zaehler = naechster;
}

void ParallelPort::ErmittleLPTEvent() {
    // Nothing left to evaluate. (Compared with the read counter, not the stop mark: samples
    // left over by caution mode must be evaluated even when no new one arrives.)
    if (m_zaehlerDone == m_zaehler || m_wertetAus) return;
    m_wertetAus = true;
    m_stopMarke = m_zaehler;
    while (m_zaehlerDone != m_stopMarke) {
        const LPTWert e = m_ring[m_zaehlerDone];
        SchreibeDebug(QStringLiteral("ErmittleLPTEvent LPT1Wert: %1 LPT2Wert: %2 GAT: %3")
                          .arg(e.LPT1Wert)
                          .arg(e.LPT2Wert)
                          .arg(e.zeit));
        SchreibeDebug(QStringLiteral("LPTWerteZaehler: %1 LPTWerteZaehlerdone: %2")
                          .arg(m_zaehler)
                          .arg(m_zaehlerDone));
        PruefeChaosLPT(e.LPT1Wert, e.LPT2Wert);
        // Lines are followed during caution too: a car standing on the line then is no lap
        // once the caution ends.
        std::array<bool, 6> hoch{};
        for (int k = 1; k <= 6; ++k) {
            const LPTErfPaarT& p = m_paare[k - 1];
            const qint32 w = p.port == QLatin1String("LPT2") ? e.LPT2Wert : e.LPT1Wert;
            const bool inv = invertiert(p.wert);
            hoch[size_t(k - 1)] = p.wert != 0 && (inv ? (p.wert & ~w) != 0 : (p.wert & w) != 0);
        }
        const std::array<bool, 6> vorher = m_bahnHoch;
        m_bahnHoch = hoch;
        if (chaosAktiv()) {
            m_zaehlerDone = weiter(m_zaehlerDone);
            m_wertetAus = false;
            emit rundeWartet();
            return;
        }
        for (int k = 1; k <= 6; ++k) {
            if (!hoch[size_t(k - 1)] || vorher[size_t(k - 1)]) continue;
            const LPTErfPaarT& p = m_paare[k - 1];
            const qint32 w = p.port == QLatin1String("LPT2") ? e.LPT2Wert : e.LPT1Wert;
            const bool inv = invertiert(p.wert);
            QString text;
            if (!inv)
                text = QStringLiteral("Slot %1 ausgelöst LPTWertIntern: %2").arg(k).arg(w);
            else if (k == 1)
                text = QStringLiteral("Slot 1 Invers ausgelöst LPTWertIntern: %1").arg(w);
            else
                text = QStringLiteral("Slot %1 invers ausgelöst LPTWertIntern: %2").arg(k).arg(w);
            SchreibeDebug(text);
            emit rundeErfasst(k, e.zeit);
        }
        m_zaehlerDone = weiter(m_zaehlerDone);
    }
    m_wertetAus = false;
    emit rundeWartet();
}

void ParallelPort::PruefeChaosLPT(qint32 W1, qint32 W2) {
    const LPTErfPaarT& p = m_paare[6];
    const qint32 w = p.port == QLatin1String("LPT2") ? W2 : W1;
    const int m = p.wert;
    const bool inv = invertiert(m);
    const bool hoch = inv ? (m & ~w) != 0 : (m & w) != 0;
    const bool tief = inv ? (m & w) != 0 : (m & ~w) != 0;
    const QString rest = QStringLiteral("%1 Maske: %2").arg(w).arg(m);
    if (chaosAktiv()) {
        if (!tief) return;
        if (inv) {
            SchreibeDebug(QStringLiteral("Chaos Invers ausgelöst LPTWertIntern: ") + rest);
        } else {
            SchreibeDebug(QStringLiteral("Chaos ausgelöst LPTWertIntern: ") + rest);
            emit chaosKnopfFreigabe(true);
        }
        chaosAUS();
    } else {
        if (!hoch) return;
        if (inv) {
            SchreibeDebug(QStringLiteral("Chaos Invers ausgelöst LPTWertIntern: ") + rest);
        } else {
            SchreibeDebug(QStringLiteral("Chaos ausgelöst LPTWertIntern: ") + rest);
            emit chaosKnopfFreigabe(false);
        }
        chaosAN();
    }
}

quint8 ParallelPort::LeseLPTStatus(quint16 port) {
    quint8 s = m_io ? m_io->Inp32(quint16(port + 1)) : 0;
    s ^= 0x80;  // BUSY is inverted by the port
    s |= 0x07;
    return s;
}

bool ParallelPort::IstStatusBitGesetzt(int bit, quint16 port) {
    if (bit < 0 || bit > 7) return false;
    return BitText(LeseLPTStatus(port)).at(7 - bit) == QLatin1Char('1');
}

QString ParallelPort::BitText(quint8 wert) {
    return QStringLiteral("%1").arg(wert, 8, 2, QLatin1Char('0'));
}

void ParallelPort::PruefeChaosEingang() {
    const LPTErfPaarT& p = m_paare[6];
    const quint16 port = basis(p.port == QLatin1String("LPT2") ? p.port : QStringLiteral("LPT1"));
    int bit = -1;
    quint8 lines = 0;
    switch (p.wert) {
        case 2048:
            bit = 3;
            break;
        case 4096:
            bit = 4;
            break;
        case 8192:
            bit = 5;
            break;
        case 16384:
            bit = 6;
            break;
        case 32768:
            bit = 7;
            break;
        case 1:
            bit = 0;
            break;
        case 2:
            bit = 1;
            break;
        case 4:
            bit = 2;
            break;
        case 8:
            bit = 3;
            break;
        default:
            return;  // no caution input
    }
    if (m_prueftChaos) return;
    m_prueftChaos = true;
    bool hoch;
    if (p.wert >= 2048) {
        lines = LeseLPTStatus(port);
        hoch = IstStatusBitGesetzt(bit, port);
    } else {
        // A control line: C0, C1 and C3 are inverted by the port, C2 is not.
        lines = quint8((m_io ? m_io->Inp32(quint16(port + 2)) : 0) ^ 0x0B);
        hoch = (lines >> bit) & 1;
    }
    if (chaosAktiv() && !hoch) {
        SchreibeDebug(QStringLiteral("Chaos ende Pinwert: ") + mitBlank(bit) +
                      QStringLiteral(" Status: ") + BitText(lines));
        emit chaosKnopfFreigabe(true);
        chaosAUS();
    } else if (!chaosAktiv() && hoch) {
        SchreibeDebug(QStringLiteral("Chaos ausgelöst Pinwert: ") + mitBlank(bit) +
                      QStringLiteral(" Status: ") + BitText(lines));
        chaosAN();
    }
    m_prueftChaos = false;
}

bool ParallelPort::lies(quint16 b1, quint16 b2, Probe& letzte, quint16& w1, quint16& w2) {
    w1 = quint16(m_io->Inp32(quint16(b1 + 2)) | (m_io->Inp32(quint16(b1 + 1)) << 8));
    w2 = b2 ? quint16(m_io->Inp32(quint16(b2 + 2)) | (m_io->Inp32(quint16(b2 + 1)) << 8)) : 0;
    if (letzte.gueltig && letzte.w1 == w1 && letzte.w2 == w2) return false;
    letzte = Probe{true, w1, w2};
    return true;
}

bool ParallelPort::tasteAb() {
    if (!m_io) return false;
    quint16 w1 = 0, w2 = 0;
    if (!lies(basis(QStringLiteral("LPT1")), basis(QStringLiteral("LPT2")), m_letzteProbe, w1, w2))
        return false;
    LPT1Wert = w1;
    LPT2Wert = w2;
    ErfasseLPTWerte(1, m_zeit());
    return true;
}

void ParallelPort::uebernehmeProben() {
    Abtastprobe p;
    while (m_proben.lies(p)) {
        LPT1Wert = p.w1;
        LPT2Wert = p.w2;
        ErfasseLPTWerte(1, p.zeit);
    }
    if (const quint32 verworfen = m_proben.holeVerworfen())
        SchreibeDebug(QStringLiteral("LPT-Abtastung: %1 Proben verworfen, Puffer voll").arg(verworfen));
}

void ParallelPort::abtastLauf(quint16 b1, quint16 b2) {
    using namespace std::chrono;
    const ZeitstempelQuelle zeit = m_zeit;
    const auto periode = microseconds(m_periodeUs);
    QString grund;
    const bool echtzeit = Echtzeit::fordereAn(&grund);
    m_echtzeit = echtzeit;
    const QString text = Echtzeit::meldung(QStringLiteral("LPT-Abtastung"), echtzeit, grund);
    QMetaObject::invokeMethod(this, [text] { SchreibeDebug(text); }, Qt::QueuedConnection);
    // From here on the loop takes no lock and allocates nothing.
    Probe letzte;
    auto naechste = steady_clock::now();
    auto vorige = naechste;
    while (!m_stop) {
        quint16 w1 = 0, w2 = 0;
        const auto gelesen = steady_clock::now();
        const qint64 luecke = duration_cast<microseconds>(gelesen - vorige).count();
        vorige = gelesen;
        if (luecke > m_groessteLuecke) m_groessteLuecke = luecke;
        if (luecke > 2000) ++m_luecken;
        if (lies(b1, b2, letzte, w1, w2)) m_proben.schreibe({w1, w2, zeit()});
        naechste += periode;
        const auto jetzt = steady_clock::now();
        if (naechste < jetzt - milliseconds(50)) naechste = jetzt;  // do not race to catch up
        std::this_thread::sleep_until(naechste);
    }
}

void ParallelPort::starteErfassung() {
    stoppeErfassung();
    m_zaehler = m_stopMarke = m_zaehlerDone = 0;
    m_letzteProbe = Probe{};
    m_bahnHoch = {};
    m_groessteLuecke = 0;
    m_luecken = 0;
    m_lptTimer->start(lptTimerMs);
    if (!m_io) return;
    m_stop = false;
    const quint16 b1 = basis(QStringLiteral("LPT1"));
    const quint16 b2 = basis(QStringLiteral("LPT2"));
    m_proben.leere();
    m_thread.reset(QThread::create([this, b1, b2] { abtastLauf(b1, b2); }));
    m_thread->start();
}

void ParallelPort::stoppeErfassung() {
    m_lptTimer->stop();
    if (!m_thread) return;
    m_stop = true;
    m_thread->wait();
    m_thread.reset();
    m_proben.leere();  // samples not yet taken over are dropped
}

void ParallelPort::starteChaosTimer() { m_chaosTimer->start(chaosTimerMs); }

void ParallelPort::stoppeChaosTimer() { m_chaosTimer->stop(); }

void ParallelPort::setzeZaehler(int schreiben, int lesen) {
    m_zaehler = qint16(schreiben % ringGroesse);
    m_zaehlerDone = m_stopMarke = qint16(lesen % ringGroesse);
}
