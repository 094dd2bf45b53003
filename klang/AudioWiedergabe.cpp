#include "klang/AudioWiedergabe.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

AudioWiedergabe::AudioWiedergabe(QObject* parent) : SprachWiedergabe(parent) {
    m_stumm.setSingleShot(true);
    connect(&m_stumm, &QTimer::timeout, this, &AudioWiedergabe::fertig);
}

AudioWiedergabe::~AudioWiedergabe() {
    if (m_senke) {
        m_senke->disconnect(this);
        m_senke->stop();
        delete m_senke;
    }
}

void AudioWiedergabe::spiele(const SprachPcm& pcm) {
    abbrechen();
    m_laeuft = true;
    const int dauerMs = pcm.rate > 0 ? int(qint64(pcm.anzahlSamples()) * 1000 / pcm.rate) : 0;
    const QAudioDevice geraet = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(pcm.rate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (pcm.daten.isEmpty() || geraet.isNull() || !geraet.isFormatSupported(format)) {
        m_stumm.start(dauerMs);
        return;
    }
    m_senke = new QAudioSink(geraet, format, this);
    connect(m_senke, &QAudioSink::stateChanged, this, [this](QAudio::State zustand) {
        if (!m_senke) return;
        if (zustand == QAudio::IdleState ||
            (zustand == QAudio::StoppedState && m_senke->error() != QAudio::NoError))
            fertig();
    });
    m_puffer.close();
    m_puffer.setData(pcm.daten);
    m_puffer.open(QIODevice::ReadOnly);
    m_senke->start(&m_puffer);
    if (m_senke->error() != QAudio::NoError) {
        // The device refused: keep the queue moving at speaking pace.
        m_stumm.start(dauerMs);
        m_senke->disconnect(this);
        m_senke->deleteLater();
    }
}

void AudioWiedergabe::abbrechen() {
    if (!m_laeuft) return;
    fertig();
}

void AudioWiedergabe::fertig() {
    if (!m_laeuft) return;
    m_laeuft = false;
    m_stumm.stop();
    if (m_senke) {
        m_senke->disconnect(this);
        m_senke->stop();
        m_senke->deleteLater();
        m_senke = nullptr;
    }
    emit beendet();
}
