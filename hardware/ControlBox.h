#pragma once
// The BEPFE/Titus control box on its serial port ("9600,n,8,1"): laps with the box's own time
// since its reset at green, caution on/off, input and relay state; and the commands that reset
// the box and switch lane power and start lights.
//
// The box indicator (the second interface indicator of the main window, painted red when the
// port opens) follows the box once it has answered "OK;": a heartbeat toggles it between blue
// and yellow, a lap paints it green. anzeigeGeaendert() reports each new colour.

#include "hardware/BoxProtokoll.h"
#include "hardware/Zeitnahme.h"

class ControlBox : public Zeitnahme {
    Q_OBJECT
public:
    static constexpr qint32 farbeRot = 255;
    static constexpr qint32 farbeBlau = 0xFF0000;
    static constexpr qint32 farbeGelb = 65535;
    static constexpr qint32 farbeGruen = 65280;

    using Zeitnahme::Zeitnahme;

    bool bereit() const { return m_bereit; }
    int eingaenge() const { return m_eingaenge; }
    int relais() const { return m_relais; }
    qint32 anzeigeFarbe() const { return m_farbe; }
    // Valid messages read so far (the wrong-data watch compares it).
    quint64 gueltigeMeldungen() const { return m_gueltige; }
    quint64 verworfeneZeichen() const { return m_protokoll.verworfeneZeichen(); }

public slots:
    void datenEmpfangen(const QByteArray& daten);
    // The port was opened: indicator red, partial message dropped, "reset;gi;" sent.
    void portGeoeffnet();
    // The port came back after a loss: the partial message is dropped, the box is not reset
    // (its clock times the running race); "gi;" asks for its inputs again.
    void portWiederGeoeffnet();
    // Race start (first countdown tick): "reset;".
    void rennStart();
    // Green light: "reset;b01;" (the box restarts its clock and powers every lane).
    void gruen();
    // Lane power and lights by switching word (SchalteBepfe).
    void SchalteBepfe(const QString& wert, int anAus);

signals:
    void sende(const QByteArray& daten);
    void anzeigeGeaendert(qint32 farbe);
    // Input or relay state changed: the window caption shows both.
    void zustandGeaendert(int eingaenge, int relais);

private:
    void setzeFarbe(qint32 farbe);

    BoxProtokoll m_protokoll;
    bool m_bereit = false;  // stays on once the box has answered
    int m_eingaenge = 0;
    int m_relais = 0;
    qint32 m_farbe = farbeRot;
    quint64 m_gueltige = 0;
};
