#pragma once
// The counted laps of the run, per lane, kept in memory: what the race director's corrections
// work on, so a correction never waits for the database nor reads back what the writer may
// not have stored yet. Each lap has a number that is never handed out twice (its key), so a
// correction asked about one lap finds that very lap again, whatever came in meanwhile.

#include <QStringList>
#include <QVector>
#include <array>

class Laufrunden {
public:
    struct Runde {
        qint64 schluessel = 0;
        int runde = 0;         // lap number as it counts now
        qint32 zeit = 0;       // ms
        qint32 gesamt = 0;     // ms
        bool plus = false;     // added by the race director (K+)
        bool weg = false;      // taken back (K-): counts nowhere
        bool ohneBestzeit = false;  // counted by the device unseen or across a gap (Z, U)
    };

    // A new run: no laps, no corrections.
    void leere();
    // A lap the lap path counted (in lap order per lane).
    void merke(int bahn, int runde, qint32 zeit, qint32 gesamt, bool plus,
               bool ohneBestzeit = false);

    // The lane's laps that still count, oldest first.
    QVector<Runde> gezaehlte(int bahn) const;
    // The last lap of the lane that counts; schluessel 0 when there is none.
    Runde letzte(int bahn) const;
    // The lap with this key while it still counts; schluessel 0 when not.
    Runde finde(int bahn, qint64 schluessel) const;
    // Laps of the lane counted after the lap with this key.
    int danach(int bahn, qint64 schluessel) const;

    // What taking back a lap changes: the lap itself and, when laps follow it, the next one,
    // whose time then runs from the crossing before the lap taken back.
    struct Ruecknahme {
        Runde weg;
        bool letzte = true;  // no lap counted after it
        Runde folgende;      // with its new time and number (letzte false)
    };
    // Takes the lap with this key back; false when it does not count (any more).
    bool nimmZurueck(int bahn, qint64 schluessel, Ruecknahme* was);

    // Best lap of the lane from its laps (ms, lap number; number 0: none). An added lap is
    // never the best, nor the lap after it, which is timed from the moment it was added; nor
    // is a lap the device counted unseen or one across a gap in the timing.
    std::pair<qint32, int> beste(int bahn) const;

    // The corrections of the run, one line each for the results.
    void notiere(const QString& zeile) { m_korrekturen << zeile; }
    const QStringList& korrekturen() const { return m_korrekturen; }

private:
    std::array<QVector<Runde>, 7> m_runden;  // index = lane, 0 unused
    qint64 m_letzterSchluessel = 0;
    QStringList m_korrekturen;
};
