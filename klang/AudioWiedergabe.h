#pragma once
// Plays announcements through the default audio output. Without an audio device the samples
// are "played" silently for their length, so the announcer window and the queue keep pace.

#include <QBuffer>
#include <QPointer>
#include <QTimer>

#include "klang/SprachWiedergabe.h"

class QAudioSink;

class AudioWiedergabe : public SprachWiedergabe {
    Q_OBJECT
public:
    explicit AudioWiedergabe(QObject* parent = nullptr);
    ~AudioWiedergabe() override;

    void spiele(const SprachPcm& pcm) override;
    void abbrechen() override;

private:
    void fertig();

    QPointer<QAudioSink> m_senke;
    QBuffer m_puffer;
    QTimer m_stumm;  // stands in for the device when there is none
    bool m_laeuft = false;
};
