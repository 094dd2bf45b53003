#pragma once
// The switchable trace of the program. SchreibeDebug is the one entry; lines are kept newest
// first (at most maxZeilen) and announced to the debug window through zeileNeu().

#include <QObject>
#include <QPointer>
#include <QStringList>

#include "config/Uhr.h"

class DebugLog : public QObject {
    Q_OBJECT
public:
    static constexpr int maxZeilen = 10000;
    static DebugLog& instanz();

    bool aktiv() const { return m_aktiv; }
    void setAktiv(bool an) { m_aktiv = an; }
    // The clock that gives the time of day of each line (the wall clock when none is set).
    void setUhr(Uhr* uhr) { m_uhr = uhr; }

    // Another thread's line is handed to the log's own thread (queued) and appears there.
    void schreibe(const QString& text);
    const QStringList& zeilen() const { return m_zeilen; }  // newest first
    void leeren();
    // Writes every line, newest first, to ltfPfad + "pistorelle.log", replacing the file.
    // False with the platform's error text in fehler when the file cannot be written.
    bool speichere(const QString& ltfPfad, QString* fehler = nullptr) const;

    // True when the whole command line (arguments after the program) is exactly "debug".
    // argumente: as QCoreApplication::arguments(), the program first.
    static bool istDebugSchalter(const QStringList& argumente);
    // Control characters as "<01>" (two hex digits).
    static QString lesbar(const QString& text);

signals:
    void zeileNeu(const QString& zeile);
    void geleert();

private:
    DebugLog() = default;
    void fuegeEin(const QString& zeile);
    bool m_aktiv = false;
    QPointer<Uhr> m_uhr;  // a clock that goes away leaves the wall clock
    QStringList m_zeilen;
};

// Does nothing unless the log is on. Never runs pending events (safe inside the lap path).
void SchreibeDebug(const QString& text);
