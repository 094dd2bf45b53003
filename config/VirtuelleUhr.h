#pragma once
// Virtual time for tests and the replay runner: time stands still until vorruecken() or a
// Warte() moves it; timers that fall due fire in time order (equal times: in start order).
// A repeating timer re-arms at due + interval. As with QTimer, a timer does not fire again
// while its own timeout is still running (a Warte inside it); the ticks it missed that way are
// skipped, keeping its phase.

#include <QDateTime>
#include <QPointer>
#include <atomic>
#include <vector>

#include "config/Uhr.h"

class VirtuellerTimer;

class VirtuelleUhr : public Uhr {
    Q_OBJECT
public:
    // startMs: value of ms() at virtual time 0; startZeit: date and time at virtual time 0.
    explicit VirtuelleUhr(qint64 startMs = 1000000,
                          QDateTime startZeit = QDateTime(QDate(2026, 5, 1), QTime(14, 0)),
                          QObject* parent = nullptr);

    qint64 ms() const override { return m_startMs + m_jetztMs; }
    QDateTime jetzt() const override { return m_startZeit.addMSecs(m_jetztMs.load()); }
    UhrTimer* neuerTimer(QObject* parent = nullptr) override;
    bool Warte(double sekunden) override;

    // Virtual milliseconds since time 0.
    qint64 virtuelleZeit() const { return m_jetztMs; }
    // Lets ms milliseconds pass, firing every timer that falls due on the way.
    void vorruecken(qint64 ms);
    // Moves on to the next due timer (at most bisMs from now); false when none is due by then
    // (time then stays where it is).
    bool naechsterTimer(qint64 bisMs);

private:
    friend class VirtuellerTimer;
    // Fires due timers up to ziel; with beiAbbruchEnden it stops as soon as abbrechen() was
    // called and returns false.
    bool laufeBis(qint64 ziel, bool beiAbbruchEnden = false);
    VirtuellerTimer* naechster(qint64 bis) const;
    void feuere(VirtuellerTimer* t);
    void anmelden(VirtuellerTimer* t);
    void abmelden(VirtuellerTimer* t);

    qint64 m_startMs;
    QDateTime m_startZeit;
    // Read by sampling threads through ms(); only the owning thread moves it.
    std::atomic<qint64> m_jetztMs{0};
    quint64 m_folge = 0;  // start order, breaks ties between timers due at the same time
    std::vector<QPointer<VirtuellerTimer>> m_timer;
};
