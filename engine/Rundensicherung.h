#pragma once
// Keeps every counted lap until the database has it. Once per tick the lap path hands over
// the tick's lap rows and changed standings rows; the writer (Rundenschreiber) stores them
// behind the race. When writing fails (read-only or locked file, full disk, damaged table)
// the laps stay here, the status says why, and the writer tries again until the database
// takes them: the race goes on and no lap is lost or written twice. The history copy of a
// run waits behind its laps the same way.

#include <QObject>
#include <QString>
#include <QVector>
#include <deque>
#include <functional>
#include <map>

#include "engine/Rundenschreiber.h"

class Datenbank;
class Uhr;

class Rundensicherung : public QObject {
    Q_OBJECT
public:
    // Writes at once on db (the virtual clock: tests, the replay runner).
    Rundensicherung(Uhr& uhr, Datenbank& db, QObject* parent = nullptr);
    ~Rundensicherung() override;

    // From now on the writes run on a thread of their own with a connection of their own to
    // the database file pfad (the program on the wall clock). Only while nothing waits.
    void schreibeImHintergrund(const QString& pfad);
    bool imHintergrund() const { return m_schreiber->eigenerFaden(); }

    // ---- one tick of the lap path
    // A lap row, in lap order; uhr is its time of day.
    void merkeRunde(const Rundeneintrag& r, const QString& uhr);
    // Hands the tick's lap rows and the standings rows that changed to the writer. True when
    // they are written already.
    bool beendeTick(const QVector<PositionsZeile>& positionen, const QString& stempel,
                    const QString& rennName);
    // Tries the waiting writes now and waits up to ms for them (outside the lap path: a new
    // run, a correction, the program's end). True when nothing is left unsaved.
    bool sichereJetzt(int ms = 300);

    // ---- jobs behind the race
    // Runs arbeit on the writer's connection after everything sent before it; danach gets
    // each try's result on this thread (a failed job is tried again). True when it ran and
    // succeeded at once.
    bool schreibeDanach(const Rundenschreiber::Arbeit& arbeit,
                        std::function<void(const Rundenschreiber::Ergebnis&)> danach);
    // The same for the history copy of a run, which historieWartet() reports.
    bool kopiereInHistorie(const Rundenschreiber::Arbeit& kopie,
                           std::function<void(const Rundenschreiber::Ergebnis&)> danach);
    bool historieWartet() const { return m_historieNr > m_schreiber->erledigtBis(); }

    // ---- state
    int ungespeicherteRunden() const { return int(m_runden.size()); }
    // Nothing is waiting to be written.
    bool allesGespeichert() const {
        return m_schreiber->erledigtBis() >= m_schreiber->gesendetBis();
    }
    // Empty while writing works, else "Runden werden nicht gespeichert: GRUND".
    QString fehlerText() const { return m_fehlerText; }
    // The rows still unsaved, as tab-separated text lines with a header line.
    QStringList ungespeicherteZeilen() const;
    // Writes them to a new UTF-8 file in the first of ordner that takes it completely (written,
    // synced, read back at its full size); its path, or empty (grund says why for each folder).
    QString schreibeNotfallDatei(const QStringList& ordner, QString* grund) const;
    // The unsaved laps are in a file now: the writer drops them.
    void gibAuf();

signals:
    // The status changed: text empty when writing works again.
    void statusGeaendert(const QString& text);

private:
    struct Offen {
        qint64 nr = 0;  // the writer's job holding the lap
        GemerkteRunde runde;
    };
    void versucht(qint64 nr, bool ok, int fehlerNr, const QString& text);
    void verbindeSchreiber();
    void setzeFehler(const QString& grund);

    Uhr& m_uhr;
    std::unique_ptr<Rundenschreiber> m_schreiber;
    QVector<GemerkteRunde> m_tick;  // lap rows of the open tick
    std::deque<Offen> m_runden;     // handed over, not yet written, oldest first
    std::map<qint64, std::function<void(const Rundenschreiber::Ergebnis&)>> m_danach;
    qint64 m_historieNr = 0;
    QString m_fehlerText;
};
