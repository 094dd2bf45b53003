#pragma once
// The one sound player of the program: plays a wave file asynchronously, a new sound replaces
// the one still playing, a file that does not exist is ignored. Reads the wave file itself
// and plays it through the default audio output (nothing is heard without one).

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>

class QAudioSink;

class Tonspieler : public QObject {
    Q_OBJECT
public:
    explicit Tonspieler(QObject* parent = nullptr);
    ~Tonspieler() override;

    // False when the file is missing or not a PCM wave file (nothing changes then).
    bool spiele(const QString& datei);
    QString zuletzt() const { return m_zuletzt; }

    // The samples and format of a PCM wave file; false when it is not one.
    static bool leseWave(const QByteArray& datei, QAudioFormat& format, QByteArray& samples);

private:
    void stoppe();

    QPointer<QAudioSink> m_senke;
    QBuffer m_puffer;
    QString m_zuletzt;
    // The last file read, kept while it stays the same on disk: the lap beep plays on every lap.
    struct Geladen {
        QString pfad;
        qint64 groesse = -1;
        QDateTime geaendert;
        QAudioFormat format;
        QByteArray samples;
    };
    Geladen m_geladen;
};
