#pragma once
// The one clock of the program: millisecond counter, date and time, timers, waits and the
// random generator. The real clock follows the wall; the virtual clock (VirtuelleUhr) moves
// only when told, so a whole race runs in milliseconds in tests and in the replay runner.

#include <QDateTime>
#include <QObject>
#include <cstdint>
#include <random>

class UhrTimer;

class Uhr : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Uhr() override = default;

    // Monotonic milliseconds since the clock started (64 bit for arithmetic).
    virtual qint64 ms() const = 0;
    // The time stamp the lap path works with: the counter as a signed 32-bit value.
    qint32 Zeitstempel() const { return static_cast<qint32>(ms()); }
    // Current local date and time.
    virtual QDateTime jetzt() const = 0;

    // A new timer running on this clock; owned by parent (or by the clock when parent is null).
    virtual UhrTimer* neuerTimer(QObject* parent = nullptr) = 0;

    // Waits the given seconds while events (and, on the virtual clock, due timers) keep running.
    // Waits may nest. Returns false when the wait was cut short by abbrechen().
    virtual bool Warte(double sekunden) = 0;
    // Ends every running wait at once and makes later waits return immediately (program closing).
    void abbrechen();
    bool abgebrochen() const { return m_abgebrochen; }

    // Random whole number in [von, bis], from the clock's one seedable generator.
    int zufall(int von, int bis);
    void setzeSaat(quint32 saat) { m_zufall.seed(saat); }

signals:
    // Emitted by abbrechen(); running waits end on it.
    void abbruch();

protected:
    bool m_abgebrochen = false;

private:
    std::mt19937 m_zufall{std::random_device{}()};
};

// A timer in the manner of QTimer, but driven by an Uhr.
class UhrTimer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~UhrTimer() override = default;

    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    virtual void setSingleShot(bool einmal) = 0;
    virtual bool isSingleShot() const = 0;
    virtual void start() = 0;            // (re)starts with the current interval
    void start(int ms) { setInterval(ms); start(); }
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

signals:
    void timeout();
};
