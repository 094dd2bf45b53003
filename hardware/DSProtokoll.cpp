#include "hardware/DSProtokoll.h"

#include <QCoreApplication>

const QString DSProtokoll::textChecksum = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "DSProtokoll",
    "Fehler bei der Übertragung! Checksum nicht korrekt. Verbindung zur Box unterbrochen."));
const QString DSProtokoll::textStartbyte = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "DSProtokoll",
    "Fehler bei der Übertragung! Startbyte ist <> E0. Verbindung zur Box unterbrochen."));
const QString DSProtokoll::textEndebyte = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "DSProtokoll",
    "Fehler bei der Übertragung! Endebyte ist <> EB. Verbindung zur Box unterbrochen."));

unsigned char DSProtokoll::pruefsumme(const unsigned char* rahmen) {
    unsigned summe = rahmen[19];
    for (int i = 1; i <= 17; ++i) summe += rahmen[i];
    return static_cast<unsigned char>(summe & 0xFF);
}

qint32 DSProtokoll::rundenZeitZehntel(const unsigned char* r) {
    return 600000 * bcd(r[14]) + 10000 * bcd(r[15]) + 100 * bcd(r[16]) + bcd(r[17]);
}

void DSProtokoll::verwirf() { m_puffer.clear(); }

void DSProtokoll::zuruecksetzen() {
    m_puffer.clear();
    m_folge.reset();
    m_synchron = false;
    m_gemeldet = false;
}

void DSProtokoll::neueVerbindung() {
    const std::optional<unsigned char> folge = m_folge;
    zuruecksetzen();
    m_folge = folge;
}

void DSProtokoll::fehler(const QString& text, std::vector<DSEreignis>& aus) {
    if (m_gemeldet) return;
    m_gemeldet = true;
    DSEreignis e;
    e.art = DSEreignis::Art::Fehler;
    e.text = text;
    aus.push_back(e);
}

std::vector<DSEreignis> DSProtokoll::fuettere(const QByteArray& daten) {
    std::vector<DSEreignis> aus;
    m_puffer.append(daten);
    const auto* b = reinterpret_cast<const unsigned char*>(m_puffer.constData());
    const qsizetype n = m_puffer.size();
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype start = pos;
        while (start < n && b[start] != startByte) ++start;
        if (start > pos) {
            m_verworfen += quint64(start - pos);
            if (m_synchron) fehler(textStartbyte, aus);
        }
        if (start >= n || n - start < rahmenLaenge) {
            pos = start;  // keep the beginning of a frame until the rest arrives
            break;
        }
        const unsigned char* r = b + start;
        if (r[20] != endeByte) {
            if (m_synchron) fehler(textEndebyte, aus);
            pos = start + 1;  // a 0xE0 inside garbage or a frame that lost bytes
            ++m_verworfen;
            continue;
        }
        if (pruefsumme(r) != r[18]) {
            fehler(textChecksum, aus);
            pos = start + 1;
            ++m_verworfen;
            continue;
        }
        m_synchron = true;
        m_gemeldet = false;
        ++m_rahmen;
        pos = start + rahmenLaenge;
        if (m_folge && *m_folge == r[1]) continue;  // the counter's repeat of the frame just read
        m_folge = r[1];
        werteAus(r, aus);
    }
    m_puffer.remove(0, pos);
    return aus;
}

static QString statusText(unsigned char code) {
    switch (code) {
        case DSProtokoll::statusPhase1:
            return QStringLiteral("Rennstart Phase 1");
        case DSProtokoll::statusPhase2:
            return QStringLiteral("Rennstart Phase 2");
        case DSProtokoll::statusPhase3:
            return QStringLiteral("Rennstart Phase 3");
        case DSProtokoll::statusRennende:
            return QStringLiteral("Rennende");
        case DSProtokoll::statusChaosAn:
            return QStringLiteral("Chaos AN");
        case DSProtokoll::statusChaosAus:
            return QStringLiteral("Chaos AUS");
        case DSProtokoll::statusAbbruch:
            return QStringLiteral("Rennen abgebrochen");
        default:
            return QString();
    }
}

static QString startText(unsigned char code) {
    switch (code) {
        case 0x3A:
            return QStringLiteral("Rennstart nach Zeit");
        case 0x3B:
            return QStringLiteral("Rennstart nach Runden (Gesamt)");
        case 0x3C:
            return QStringLiteral("Rennstart nach Runden (Einzeln)");
        case 0x3D:
            return QStringLiteral("Rennstart nach F1 Modus");
        case 0x3E:
            return QStringLiteral("Rennstart nach Rally Modus");
        default:
            return QStringLiteral("Rennstart nach Dragster Modus");
    }
}

void DSProtokoll::werteAus(const unsigned char* r, std::vector<DSEreignis>& aus) {
    DSEreignis e;
    const unsigned char code = r[7];
    if (code == codeStatus) {
        e.text = statusText(r[8]);
        if (e.text.isEmpty()) return;
        e.art = DSEreignis::Art::Status;
        e.code = r[8];
        aus.push_back(e);
    } else if (code == codeRunde) {
        const int bit = r[10];
        int n = 0;
        for (int i = 0; i < 8; ++i)
            if (bit == (1 << i)) n = i + 1;
        if (n == 0) {
            e.text = QStringLiteral("DS: Runde ohne gültiges Spurbit (0x%1) verworfen")
                         .arg(bit, 2, 16, QLatin1Char('0'));
            aus.push_back(e);
            return;
        }
        const int bahn = r[3] == 2 ? n : 9 - n;
        e.runden = 100 * bcd(r[11]) + bcd(r[12]);
        const qint32 zehntel = e.runden > 1 ? rundenZeitZehntel(r) : 0;
        e.zeit = zehntel / 10;
        e.zehntel = zehntel % 10;
        e.bahn = bahn;
        if (bahn > 6) {
            e.text = QStringLiteral("DS: Runde auf Bahn %1 verworfen, es gibt nur die Bahnen 1..6")
                         .arg(bahn);
            aus.push_back(e);
            return;
        }
        e.art = DSEreignis::Art::Runde;
        aus.push_back(e);
    } else if (code >= codeStartErster && code <= codeStartLetzter) {
        e.art = DSEreignis::Art::Rennstart;
        e.code = code;
        e.text = startText(code);
        aus.push_back(e);
    }
}
