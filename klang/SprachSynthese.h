#pragma once
// Turns a text into speech samples. The announcement queue asks for one text at a time and
// waits for fertig(); the real engine works on its own thread, test doubles answer at once.

#include <QByteArray>
#include <QObject>
#include <QString>

// Mono signed 16-bit samples in host order.
struct SprachPcm {
    QByteArray daten;
    int rate = 0;
    int anzahlSamples() const { return int(daten.size() / 2); }
};

class SprachSynthese : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SprachSynthese() override = default;

    // Starts synthesising text with the named voice; answers with exactly one fertig().
    virtual void starte(const QString& text, const QString& stimme) = 0;

signals:
    void fertig(const SprachPcm& pcm);
};
