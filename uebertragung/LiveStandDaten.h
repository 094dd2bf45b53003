#pragma once
// The standings as JSON: what /api/stand answers, what the live page's viewers are pushed and
// what goes to the MQTT broker. Built from the SlotWerte and Hauptanzeige the windows mirror,
// with the timing state of the main window's status field. geaendert() fires on every change
// of anything the JSON holds (a counted lap, order, clock, name, mode, notice, timing state);
// each user gathers the changes of one lap into one message itself.

#include <QObject>
#include <QPointer>

class Hauptanzeige;
class Rennleitung;
class ZeitnahmeStatus;

class LiveStandDaten : public QObject {
    Q_OBJECT
public:
    LiveStandDaten(Rennleitung& leitung, Hauptanzeige& anzeige, QObject* parent = nullptr);

    // The state of the timing interface; without one the laps come from the program's own
    // simulation.
    void setzeZeitnahme(ZeitnahmeStatus* status);
    QByteArray json() const;

signals:
    void geaendert();

private:
    Rennleitung& m_leitung;
    Hauptanzeige& m_anzeige;
    QPointer<ZeitnahmeStatus> m_zeitnahme;
};
