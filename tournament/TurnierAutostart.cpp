// The tournament's autostart (the countdown to the next heat on the check box) and the repeat
// of a heat. A part of Turnier kept in a file of its own.

#include "Rennablauf.h"
#include "Rennleitung.h"
#include "Rueckfrage.h"
#include "Turnier.h"
#include "Uhr.h"

void Turnier::setzeAutostart(bool an) {
    m_autostart = an;
    // Ticked in the pause after a heat: the countdown to the next heat starts now.
    if (an && m_pauseOffen && !m_timer1->isActive()) m_timer1->start();
    if (!an) m_timer1->stop();
    emit zustandGeaendert();
}

void Turnier::setzeAutostartCaption(const char* quelle, const QString& text) {
    m_elemente[chkAutoStart].quelle = quelle;
    m_elemente[chkAutoStart].text = text;
    emit zustandGeaendert();
}

void Turnier::Timer1_Timer() {
    if (m_countdown != 0) {
        --m_countdown;
        setzeAutostartCaption(nullptr, (m_countdown == 1 ? tr("%1 Sekunde") : tr("%1 Sekunden"))
                                           .arg(m_countdown));
        return;
    }
    // A run started by hand meanwhile is left alone.
    if (m_ablauf.beschaeftigt()) {
        m_timer1->stop();
        setzeAutostartCaption(QT_TR_NOOP("Autostart"));
        return;
    }
    NaechsterRennLauf();
}

void Turnier::Command14_Click() {
    if (!m_elemente[Command14].enabled) return;
    Rueckfrage& r = m_leitung.rueckfrage();
    if (!r.frage(tr("Soll der Rennlauf wiederholt werden?"))) return;
    if (m_lauf[0] <= 0) {
        r.meldung(tr("Keine Wiederholung möglich."));
        return;
    }
    --m_lauf[0];
    // After the last heat the race button was switched off: the repeat needs it again.
    if (m_gestartet) setze(Command11, QT_TR_NOOP("Naechster Rennlauf"), true);
    emit zustandGeaendert();
}
