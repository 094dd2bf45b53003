#pragma once
// The timing interface's state as the main window shows it all the time: the interface and
// its port ("DS300 COM1"), the state word ("aktiv", "Verbindung verloren"...), why, and the
// interface's latest message (sensor box events, port faults, counter errors). A change to a
// state that cannot count laps during a run goes to the debug log and, once per change, to a
// timing notice that does not stop the race and takes the place of the one before; the way
// back to "aktiv" is such a notice too ("wieder verbunden").

#include <QObject>
#include <QString>

#include "hardware/Zeitnahme.h"

class Rueckfrage;
struct RennZustand;

class ZeitnahmeStatus : public QObject {
    Q_OBJECT
public:
    ZeitnahmeStatus(const RennZustand& zustand, Rueckfrage& rueckfrage, QObject* parent = nullptr);

    Zeitnahme::Status status() const { return m_status; }
    QString grund() const { return m_grund; }
    QString info() const { return m_info; }
    // The interface and its port as the race director names it ("DS300 COM1", "USB-Rennbox").
    QString schnittstelle() const { return m_schnittstelle; }
    bool kannZaehlen() const { return Zeitnahme::kannZaehlen(m_status); }
    // What the status field reads: interface, port and state ("DS300 COM1: aktiv").
    QString text() const;
    // Reason, latest message and what to do, for the field's tooltip.
    QString details() const;

    void setze(Zeitnahme::Status status, const QString& grund);
    void setzeSchnittstelle(const QString& schnittstelle);
    void setzeInfo(const QString& info);
    // Something the caption shows changed (control box inputs and relays).
    void captionAendern() { emit captionGeaendert(); }

signals:
    void geaendert();
    void captionGeaendert();

private:
    const RennZustand& m_z;
    Rueckfrage& m_rueckfrage;
    Zeitnahme::Status m_status = Zeitnahme::Status::KeineVerbindung;
    QString m_grund;
    QString m_info;
    QString m_schnittstelle;
    bool m_schlechtGemeldet = false;  // a notice said the timing does not count
};
