#pragma once
// The speech engine of the program: espeak-ng, offline German and English voices. Synthesis
// runs on a worker thread so that a long sentence never holds up the race timer.

#include <QString>
#include <QThread>
#include <QVector>

#include "klang/SprachSynthese.h"

class EspeakSynthese : public SprachSynthese {
    Q_OBJECT
public:
    // A voice variant: the "character" that speaks in either language.
    struct Figur {
        QString name;   // as the engine names it ("male3")
        QString datei;  // what is stored as MyAgent ("m3")
    };

    explicit EspeakSynthese(QObject* parent = nullptr);
    ~EspeakSynthese() override;

    void starte(const QString& text, const QString& stimme) override;

    // True when the engine could be set up (data files present); the first call sets it up.
    static bool verfuegbar();
    // Synthesises on the calling thread; empty samples when the engine or the voice is missing.
    static SprachPcm synthetisiere(const QString& text, const QString& stimme);
    static QVector<Figur> figuren();
    // Voice name for a language id (1033 English, anything else German) and a character file.
    static QString stimmeFuer(int langId, const QString& figur);

private:
    QThread m_faden;
    QObject* m_arbeiter = nullptr;
};
