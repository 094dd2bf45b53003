#pragma once
// Caution mode: freezes a run timed by the clock (power off, red lights, race timer stopped,
// crossings dropped) and restarts it with a three-step light sequence. The caution time is
// taken out of every total and added to the remaining time.

#include <QObject>

class Rennablauf;
class UhrTimer;

class ChaosModus : public QObject {
    Q_OBJECT
public:
    explicit ChaosModus(Rennablauf& ablauf, QObject* parent = nullptr);
    ~ChaosModus() override;

    // Caution on / off; triggers outside a running timed run and repeats are ignored.
    void ChaosAN();
    void ChaosAus();
    // The caution button and the clock label (which can only start caution).
    void cmdChaos_Click();
    void Label1_Click();
    // The caution-input timer (500 ms): reads the caution pin straight from the port.
    void ChaosTimer_Timer();
    void starteEingangsTimer();
    void stoppeEingangsTimer();
    bool eingangsTimerAktiv() const;
    // Caution switched by the parallel-port samples: the button is locked while the input
    // holds caution on.
    void ChaosEingangAn();
    void ChaosEingangAus();

    // The run stops or closes while caution is on: caution ends at once, without the restart
    // sequence, its time counted as usual.
    void beendeOhneNeustart();

    qint32 chaosStart() const { return m_chaosStart; }
    // The restart sequence is running.
    bool startetNeu() const { return m_neustart; }
    // Caution came during the countdown (its end restarts the start sequence).
    bool imCountdown() const { return m_imCountdown; }
    // The run's mode can use caution: only runs ended by time.
    bool moeglich() const;
    // Tooltip of the caution button while the mode cannot use it.
    static QString gesperrtHinweis() { return tr("Chaos nur in Läufen auf Zeit"); }

signals:
    // Caution froze the run: the race timer stops until rennuhrWeiter.
    void rennuhrHalt();
    // Caution is over (or ended by the stop): the race timer runs again.
    void rennuhrWeiter();

private:
    void ausloesen(const QString& caption);
    bool zeitbalkenSichtbar() const;
    void zaehleDauer();

    Rennablauf& m_ablauf;
    UhrTimer* m_timer = nullptr;
    qint32 m_chaosStart = 0;
    bool m_neustart = false;
    bool m_imCountdown = false;
};
