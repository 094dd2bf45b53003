#pragma once
// A scripted speech engine and audio output, for the tests of the announcement queue and of
// everything that speaks through it.

#include <QStringList>

#include "klang/SprachSynthese.h"
#include "klang/SprachWiedergabe.h"

// Answers only when told, as the real engine answers later from its own thread.
class SkriptSynthese : public SprachSynthese {
public:
    QStringList gestartet, stimmen;
    bool sofort = false;
    void starte(const QString& text, const QString& stimme) override {
        gestartet << text;
        stimmen << stimme;
        if (sofort) antworte();
    }
    void antworte() {
        SprachPcm pcm;
        pcm.rate = 22050;
        pcm.daten = QByteArray(2000, '\x01');
        emit fertig(pcm);
    }
};

class SkriptWiedergabe : public SprachWiedergabe {
public:
    int gespielt = 0;
    bool laeuft = false;
    bool sofort = false;
    void spiele(const SprachPcm&) override {
        ++gespielt;
        laeuft = true;
        if (sofort) ende();
    }
    void abbrechen() override {
        if (laeuft) ende();
    }
    void ende() {
        laeuft = false;
        emit beendet();
    }
};
