#pragma once
// The after-run and the close of a run: after StopRennen crossings still count for
// NachlaufZeit ms; then the inputs go off, the main window returns to idle, the end and the
// results are announced, lap records and history are written, and either the program waits,
// or a tournament stint or the next power-training run follows after a counted pause.

#include <QObject>
#include <QString>
#include <functional>

#include "engine/Laufergebnis.h"

class Rennablauf;
class TurnierUebergabe;
class UhrTimer;

class Nachlauf : public QObject {
    Q_OBJECT
public:
    explicit Nachlauf(Rennablauf& ablauf, QObject* parent = nullptr);
    ~Nachlauf() override;

    void setzeTurnier(TurnierUebergabe* turnier) { m_turnier = turnier; }
    TurnierUebergabe* turnier() const { return m_turnier; }

    // Starts the after-run timer (NachlaufZeit ms, fires once).
    void starte();
    bool timerAktiv() const;
    void stoppe();
    // The after-run end: the close of the run and its pause.
    void NachLaufTimer_Timer();
    // The close of a run at once, without announcements, pause or next stint: the program is
    // ending. Nothing when a close is already going on (it has copied the history by then).
    void schliesseSofort();
    // The window back to idle without closing a run (a prepared run that never went green).
    void leerlauf();
    // The close or a pause is going on (a start press is ignored meanwhile).
    bool schliesst() const { return m_schliesst; }
    // The counted pause before the next stint or run is going on.
    bool pausiert() const { return m_pausiert; }

    // The spoken end of the run for the current race kind (outside tournaments).
    void SageErgebnisse();

    // "Noch 5 Sekunden", "Noch 1 Sekunde": the seconds left of a pause.
    static QString nochSekunden(int n);

    // The final order of the last closed run (empty before the first).
    const Laufergebnis& letztesErgebnis() const { return m_ergebnis; }

signals:
    // The run is closed: the race timer stops and goes back to its countdown interval.
    void rennuhrAus();

private:
    void eingaengeAus();
    // Inputs off, last crossings, idle window, lap records, history copy.
    void schliesseLauf(bool ansagen);
    void fensterLeerlauf();
    // Counts sekunden down on lblWeiter: ersteZeile, then zeile(n) for each second left.
    bool pause(int sekunden, const QString& ersteZeile,
               const std::function<QString(int)>& zeile);

    Rennablauf& m_ablauf;
    TurnierUebergabe* m_turnier = nullptr;
    UhrTimer* m_timer = nullptr;
    bool m_schliesst = false;
    bool m_pausiert = false;
    Laufergebnis m_ergebnis;
};
