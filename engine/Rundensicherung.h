#pragma once
// Keeps every counted lap until it is committed. The lap path hands its rows and standings
// here; once per tick they are written in one transaction. When writing fails (read-only or
// locked file, full disk, damaged table) the laps stay in memory, the standings rows written
// in that tick are kept to be written again, the status says why, and a retry runs every tick
// until the database takes them: the race goes on and no lap is lost or written twice.
// A history copy that could not run (laps still unsaved, or the copy itself failed) is kept
// and retried the same way.

#include <QObject>
#include <QString>
#include <QVector>
#include <functional>
#include <map>

#include "Rangliste.h"
#include "Rundenprotokoll.h"

class Datenbank;
class Uhr;
class UhrTimer;

class Rundensicherung : public QObject {
    Q_OBJECT
public:
    Rundensicherung(Uhr& uhr, Datenbank& db, Rangliste& rangliste, Rundenprotokoll& protokoll,
                    QObject* parent = nullptr);
    ~Rundensicherung() override;

    // ---- one tick of the lap path
    // Opens the tick's transaction and writes again the standings rows of failed ticks.
    void beginneTick();
    // A standings row the tick wrote (kept should the commit fail).
    void merkePosition(const PositionsZeile& z);
    // A lap row, in lap order; uhr is its time of day.
    void merkeRunde(const Rundeneintrag& r, const QString& uhr);
    // Writes the kept lap rows and the run's start stamp, commits. False when anything failed:
    // nothing of the tick stays half-written, everything is kept for the next try.
    bool beendeTick(const QString& stempel, const QString& rennName);
    // One try outside a tick (after the run, during caution): kept rows, then a waiting
    // history copy.
    bool sichereJetzt();

    // ---- history copy
    // Runs kopie now when nothing is unsaved; otherwise, or when it fails, keeps it and runs
    // it after the next successful write. True when it ran and succeeded.
    bool kopiereInHistorie(const std::function<bool(QString*)>& kopie);
    bool historieWartet() const { return static_cast<bool>(m_historie); }

    // ---- state
    int ungespeicherteRunden() const { return int(m_runden.size()); }
    // Nothing is waiting to be written.
    bool allesGespeichert() const { return m_runden.isEmpty() && !m_historie; }
    // Empty while writing works, else "Runden werden nicht gespeichert: GRUND".
    QString fehlerText() const { return m_fehlerText; }
    // The rows still unsaved, as tab-separated text lines with a header line.
    QStringList ungespeicherteZeilen() const;
    // Writes them to a new UTF-8 file in ordner at program end; its path, or empty (grund).
    QString schreibeNotfallDatei(const QString& ordner, QString* grund) const;

signals:
    // The status changed: text empty when writing works again.
    void statusGeaendert(const QString& text);

private:
    struct Runde {
        Rundeneintrag eintrag;
        QString uhr;
    };
    bool schreibe();
    void setzeFehler(const QString& grund);
    void starteWiederholung();

    Uhr& m_uhr;
    Datenbank& m_db;
    Rangliste& m_rangliste;
    Rundenprotokoll& m_protokoll;
    UhrTimer* m_wiederholung = nullptr;

    QVector<Runde> m_runden;                      // not yet committed, oldest first
    std::map<int, PositionsZeile> m_positionen;   // by lane: to write again
    std::map<int, PositionsZeile> m_tickZeilen;   // by lane: written in the open tick
    std::function<bool(QString*)> m_historie;     // a history copy still to run
    QString m_stempel;                            // stamp and name of the run being written
    QString m_rennName;
    QString m_gemerkterStempel;                   // laufstand holds this stamp
    bool m_inTransaktion = false;
    QString m_fehlerText;
};
