#pragma once
// The start and stop sequence of a run: the start button, the start-light countdown with its
// random last interval, the race timer Timer5 (lap evaluation, clock, remaining-time marks,
// end by time or by laps) and StopRennen, which hands over to the after-run (Nachlauf).
// Owns the caution mode (ChaosModus) and the after-run (Nachlauf); they report back by
// signals, and only this sequence starts and stops the race timer.

#include <QObject>
#include <QString>
#include <memory>

#include "engine/Laufphase.h"

class Rennleitung;
class Hauptanzeige;
class ChaosModus;
class Nachlauf;
class TurnierUebergabe;
class UhrTimer;

class Rennablauf : public QObject {
    Q_OBJECT
public:
    Rennablauf(Rennleitung& leitung, Hauptanzeige& anzeige, QObject* parent = nullptr);
    ~Rennablauf() override;

    Rennleitung& leitung() { return m_leitung; }
    Hauptanzeige& anzeige() { return m_anzeige; }
    ChaosModus& chaos() { return *m_chaos; }
    Nachlauf& nachlauf() { return *m_nachlauf; }
    // The race timer, to look at; only the sequence itself starts and stops it.
    const UhrTimer& timer5() const { return *m_timer5; }

    // The tournament that takes finished stints (null: none).
    void setzeTurnier(TurnierUebergabe* turnier);

    // The start/stop button: idle it starts a run, during a run it asks before stopping.
    // Ignored while Command2 is disabled or the close of a run is going on.
    void Command2_Click();
    // The start entry of the button and of the tournament.
    void StarteErfassung();
    // Start, or during a run the stop question; also the next stint and the DS start. True
    // when a new run was prepared; false when it was refused or the call did something else.
    bool StartRennen();
    // One tick of the race timer.
    void Timer5_Timer();
    // Ends the run once: lights, power, the after-run timer.
    void StopRennen();
    // Shows countdown phase i on the start light (5..1 red lamps, 0 green; others: sound).
    void CountDown(int i);
    // Clock for runs by time: remaining time into the clock, the bar and rest (ms, >= 0).
    void ZeitZaehler(qint64& rest);
    // Clock for runs by laps: time since green.
    void RundenZaehler();
    // The bar in a race by laps: the leader's laps to go, as a share of the limit and in words.
    void zeigeRestRunden(int gefahren);
    static QString FormatiereZeit(qint64 ms);

    // Before the program closes: during a run it asks "Soll das Rennen beendet werden?"; yes
    // stops the run and closes it at once (history copy included), no keeps it running and
    // returns false. Laps the database still cannot take go into a rescue file in ordner,
    // which a message names.
    bool beendeVorProgrammende(const QString& ordner);
    // Program closing: stops the timers, ends every running wait; nothing starts afterwards.
    void beenden();
    bool beendet() const { return m_beendet; }

    // A run, its after-run or a pause is going on.
    bool beschaeftigt() const;
    // From Start to the window's return to idle after the run (the button reads "Stop").
    bool laufAn() const { return m_laufAn; }
    Laufphase phase() const;
    // The start button shows the run on (Stop, in its run colour) or off (Start).
    void zeigeLauf(bool an);
    // A run the DS counter's start message prepared, waiting for the counter's green.
    bool vorbereitet() const;
    // Counts the runs started; lets waiting code see that its run has ended meanwhile.
    quint64 laufNummer() const { return m_laufNummer; }
    // StopRennen has run for the current run.
    bool gestoppt() const { return m_gestoppt; }
    // The remaining-time mark may be announced (armed at the start and at each ":45.0").
    bool ansageFrei() const { return m_ansageFrei; }

    // The counter that starts runs itself turned green on a prepared run: the run counts from
    // the next tick on.
    void gruenVomZaehler();

    // Caution in the countdown has ended: lamp 1 again at the next tick (interfaces stay as
    // prepared), then the lamps and a new random green.
    void starteCountdownNeu();

    // Called by the after-run when a close or pause is over (emits leerlauf when idle).
    void meldeEnde();
    // The after-run closed the run: it counts no more.
    void laufGeschlossen();
    // Whether the lanes have power during the countdown of the coming runs (otherwise from
    // green on); a tournament's heats without autostart start without.
    void gibStromImCountdown(bool an);

signals:
    // Nothing is going on any more: no run, no after-run, no pause.
    void leerlauf();

private:
    void phase5();
    void phase4bis1();
    void phase0();
    void phase6();
    void setzeUhrText(const QString& text);
    void restzeitAnsage(const QString& uhrText);
    bool dsStartetSelbst() const;
    bool chaosPinBelegt() const;
    void schalte(const QString& wort, int an);
    // Ends a prepared run that never went green: power and lights off, the window idle.
    void verwirfVorbereitung();
    // A wait inside the hardware let the run end, stop or the program close meanwhile.
    bool unterbrochen(quint64 nr) const;
    void loescheEinzelrundenDateien();

    Rennleitung& m_leitung;
    Hauptanzeige& m_anzeige;
    UhrTimer* m_timer5 = nullptr;
    std::unique_ptr<ChaosModus> m_chaos;
    std::unique_ptr<Nachlauf> m_nachlauf;

    bool m_ansageFrei = false;
    bool m_gestoppt = false;
    bool m_imTick = false;
    bool m_beendet = false;
    bool m_startLaeuft = false;
    bool m_laufAn = false;
    bool m_stopFrageOffen = false;  // "Soll der Lauf gestoppt werden?" waits for its answer
    bool m_countdownNeu = false;  // phase 5 of a restarted countdown
    quint64 m_laufNummer = 0;
};
