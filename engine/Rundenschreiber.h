#pragma once
// The one writer of the lap path. Ticks (standings rows, lap rows and the run's stamp) and the
// jobs behind a run (lap records, history copy) are written in the order they are sent, each
// tick in one transaction with a full sync. A write that fails stays at the head and is tried
// again every 120 ms; nothing behind it overtakes it, and ticks waiting behind a failed one
// go into the same transaction once the database takes writes again.
//
// The writer runs on a thread of its own with a connection of its own, so that neither the
// race timer nor the timing inputs ever wait for the database (a lock held by another program,
// a slow or full disk). On the virtual clock of the tests and the replay runner it writes at
// once, on the caller's connection, so a run there is the same on every machine.

#include <QObject>
#include <QString>
#include <QVector>
#include <atomic>
#include <deque>
#include <functional>
#include <memory>

#include "engine/Rangliste.h"
#include "engine/Rundenprotokoll.h"

class Datenbank;
class QThread;
class Uhr;
class UhrTimer;

struct GemerkteRunde {
    Rundeneintrag eintrag;
    QString uhr;  // time of day of the crossing
};

class Rundenschreiber : public QObject {
    Q_OBJECT
public:
    struct Tick {
        QVector<PositionsZeile> positionen;  // lap columns and place of these lanes
        QVector<GemerkteRunde> runden;       // in lap order
        QString stempel;                     // start stamp and name of the run (laufstand)
        QString rennName;
    };
    struct Ergebnis {
        bool ok = true;
        int fehlerNr = 0;
        QString text;
    };
    // A job behind the race; it runs where the writer runs, on the writer's connection, and
    // must touch nothing else.
    using Arbeit = std::function<Ergebnis(Datenbank&)>;

    // Writes at once on db; retries on timers of uhr.
    Rundenschreiber(Datenbank& db, Uhr& uhr, QObject* parent = nullptr);
    // Writes on a thread of its own, with its own connection to the database file pfad.
    explicit Rundenschreiber(const QString& pfad, QObject* parent = nullptr);
    // Stops the thread; what has not been written by then stays unwritten (the caller has
    // saved it elsewhere or given up on it).
    ~Rundenschreiber() override;

    bool eigenerFaden() const { return m_faden != nullptr; }
    // Queues a tick or a job and returns its number (ascending from 1).
    qint64 schicke(Tick tick);
    qint64 schicke(Arbeit arbeit);
    // Number of the last job written; everything before it is written too.
    qint64 erledigtBis() const { return m_erledigtBis.load(); }
    qint64 gesendetBis() const { return m_gesendet; }
    // Tries the waiting writes now and waits up to ms for them. True when all are written.
    bool holeAuf(int ms);
    // Drops everything still waiting (it was saved elsewhere).
    void verwirf();

signals:
    // Job nr was tried: ok, every job up to nr is written; otherwise it failed with text (the
    // database's error number fehlerNr) and is tried again.
    void versucht(qint64 nr, bool ok, int fehlerNr, const QString& text);

private:
    struct Eintrag {
        qint64 nr = 0;
        std::unique_ptr<Tick> tick;  // a tick, or
        Arbeit arbeit;               // a job
    };
    class Kern;
    class Arbeiter;
    qint64 reihe(Eintrag e);
    void versucheInline();

    std::unique_ptr<Kern> m_kern;  // inline: the queue and the writing
    Datenbank* m_db = nullptr;
    bool m_arbeitet = false;
    UhrTimer* m_wiederholung = nullptr;
    QThread* m_faden = nullptr;      // own thread: runs m_arbeiter
    Arbeiter* m_arbeiter = nullptr;
    qint64 m_gesendet = 0;
    std::atomic<qint64> m_erledigtBis{0};
};
