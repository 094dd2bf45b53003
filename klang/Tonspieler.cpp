#include "klang/Tonspieler.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QtEndian>

namespace {
// Sound files of the lights and the lap beep are short; anything far larger is not one.
constexpr qint64 groessteDatei = 16 * 1024 * 1024;
}  // namespace

Tonspieler::Tonspieler(QObject* parent) : QObject(parent) {}

Tonspieler::~Tonspieler() { stoppe(); }

bool Tonspieler::leseWave(const QByteArray& d, QAudioFormat& format, QByteArray& samples) {
    if (d.size() < 12 || !d.startsWith("RIFF") || d.mid(8, 4) != "WAVE") return false;
    const char* p = d.constData();
    qsizetype pos = 12;
    bool fmtGefunden = false;
    while (pos + 8 <= d.size()) {
        const QByteArray kennung = d.mid(pos, 4);
        const quint32 laenge = qFromLittleEndian<quint32>(p + pos + 4);
        const qsizetype inhalt = pos + 8;
        const qsizetype rest = d.size() - inhalt;
        if (kennung == "fmt ") {
            if (laenge < 16 || rest < 16) return false;
            const quint16 art = qFromLittleEndian<quint16>(p + inhalt);
            const quint16 kanaele = qFromLittleEndian<quint16>(p + inhalt + 2);
            const quint32 rate = qFromLittleEndian<quint32>(p + inhalt + 4);
            const quint16 bits = qFromLittleEndian<quint16>(p + inhalt + 14);
            if (kanaele < 1 || kanaele > 8 || rate < 1000 || rate > 384000) return false;
            format.setChannelCount(kanaele);
            format.setSampleRate(int(rate));
            if (art == 1 && bits == 8)
                format.setSampleFormat(QAudioFormat::UInt8);
            else if (art == 1 && bits == 16)
                format.setSampleFormat(QAudioFormat::Int16);
            else if (art == 1 && bits == 32)
                format.setSampleFormat(QAudioFormat::Int32);
            else if (art == 3 && bits == 32)
                format.setSampleFormat(QAudioFormat::Float);
            else
                return false;  // compressed or unusual: not ours to decode
            fmtGefunden = true;
        } else if (kennung == "data") {
            if (!fmtGefunden) return false;
            // A length beyond the file (files cut short) plays what is there.
            samples = d.mid(inhalt, qMin<qsizetype>(laenge, rest));
            return !samples.isEmpty();
        }
        pos = inhalt + laenge + (laenge & 1);
    }
    return false;
}

bool Tonspieler::spiele(const QString& datei) {
    const QFileInfo info(datei);
    if (datei.isEmpty() || !info.isFile() || info.size() > groessteDatei) return false;
    const QString pfad = info.absoluteFilePath();
    if (pfad != m_geladen.pfad || info.size() != m_geladen.groesse ||
        info.lastModified() != m_geladen.geaendert) {
        QFile f(pfad);
        if (!f.open(QIODevice::ReadOnly)) return false;
        Geladen neu{pfad, info.size(), info.lastModified(), {}, {}};
        if (!leseWave(f.readAll(), neu.format, neu.samples)) return false;
        m_geladen = neu;
    }

    stoppe();  // a new sound replaces the one playing
    m_zuletzt = pfad;
    const QAudioDevice geraet = QMediaDevices::defaultAudioOutput();
    if (geraet.isNull() || !geraet.isFormatSupported(m_geladen.format)) return true;
    m_puffer.setData(m_geladen.samples);
    m_puffer.open(QIODevice::ReadOnly);
    m_senke = new QAudioSink(geraet, m_geladen.format, this);
    connect(m_senke, &QAudioSink::stateChanged, this, [this](QAudio::State zustand) {
        if (zustand == QAudio::IdleState) stoppe();
    });
    m_senke->start(&m_puffer);
    return true;
}

void Tonspieler::stoppe() {
    if (m_senke) {
        QAudioSink* senke = m_senke;
        m_senke = nullptr;
        senke->disconnect(this);
        senke->stop();
        senke->deleteLater();
    }
    m_puffer.close();
}
