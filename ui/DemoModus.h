#pragma once
// The demo race of the main window: simulated cars drive the laps, for trying the program
// before any hardware is wired and for displays at fairs. Their crossings reach the engine
// the way a timing interface's do. The caption says "Demo"; the runs keep the race's own name
// (or the tournament's) in the history.

#include <QObject>
#include <QString>

class DemoZeitnahme;
class Rennleitung;

class DemoModus : public QObject {
    Q_OBJECT
public:
    explicit DemoModus(Rennleitung& leitung, QObject* parent = nullptr);
    ~DemoModus() override;

    bool aktiv() const;
    // Not while a run is on: the cars would join in the middle of it.
    bool schaltbar() const;
    void schalte(bool an);
    // PISTORELLE_HARDWARE=demo asks for the demo from the start.
    static bool perUmgebung();
    DemoZeitnahme& zeitnahme() { return *m_zeitnahme; }

signals:
    void umgeschaltet(bool an);

private:
    Rennleitung& m_leitung;
    DemoZeitnahme* m_zeitnahme = nullptr;
};
