#pragma once
// Simulated cars for trying the program without a track: each lane drives laps of its own
// mean time with some spread and now and then a slow lap (a crash). The crossings leave
// through the ordinary timing signals, stamped by the program's clock, so the race engine
// counts them like those of a real interface. What the track does (countdown, green,
// caution, end) is read through a query the start-up hands in.

#include <QVector>
#include <array>
#include <cstdint>
#include <functional>
#include <random>

#include "hardware/Zeitnahme.h"

class Uhr;
class UhrTimer;
struct Einstellungen;

class DemoZeitnahme : public Zeitnahme {
    Q_OBJECT
public:
    // What the cars see of the track.
    struct Strecke {
        bool laeuft = false;  // a run is on (countdown, racing or after-run)
        bool gruen = false;   // the light is green
        bool strom = true;    // the lanes have power (off during caution)
        std::array<bool, 7> frei{};  // index = lane: nobody drives there (no car runs)
    };
    // One simulated car.
    struct Auto {
        int bahn = 0;
        qint32 mittel = 0;       // mean lap time, ms
        qint32 streuung = 0;     // largest deviation of an ordinary lap, ms
        qint64 naechste = -1;    // clock time of the next crossing, -1: none planned
        qint64 fruehstart = -1;  // clock time of a crossing before green, -1: none
    };

    DemoZeitnahme(Uhr& uhr, const Einstellungen& einstellungen, QObject* parent = nullptr);

    void setzeStrecke(std::function<Strecke()> abfrage) { m_strecke = std::move(abfrage); }
    // Switches the cars on (with the seed of their random numbers) or off.
    void schalteEin(quint32 saat);
    void schalteAus();
    bool aktiv() const { return m_aktiv; }
    const QVector<Auto>& autos() const { return m_autos; }

private:
    void takt();
    void planeLauf(qint64 jetzt);
    qint32 rundenZeit(const Auto& a);
    int zahl(int von, int bis);  // whole number in [von, bis] from the cars' own generator

    Uhr& m_uhr;
    const Einstellungen& m_e;
    std::function<Strecke()> m_strecke;
    UhrTimer* m_timer = nullptr;
    std::mt19937 m_zufall;
    QVector<Auto> m_autos;
    bool m_aktiv = false;
    bool m_imLauf = false;
    bool m_gruen = false;
    qint64 m_stromAusSeit = -1;
};
