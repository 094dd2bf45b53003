#pragma once
// Plays the samples of one announcement and tells when it is over, so the next can follow.

#include <QObject>

#include "klang/SprachSynthese.h"

class SprachWiedergabe : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SprachWiedergabe() override = default;

    // Plays pcm; answers with exactly one beendet() (also when nothing could be played).
    virtual void spiele(const SprachPcm& pcm) = 0;
    // Ends the current playback at once (beendet() follows).
    virtual void abbrechen() = 0;

signals:
    void beendet();
};
