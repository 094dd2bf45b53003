// The state of the active timing interface and the reconnection of lost ports and boxes:
// a part of Schnittstellen kept in a file of its own.

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/Uhr.h"
#include "hardware/ControlBox.h"
#include "hardware/DSZaehler.h"
#include "hardware/LapsterBox.h"
#include "hardware/MSComm.h"
#include "hardware/ParallelPort.h"
#include "hardware/PortIO.h"
#include "hardware/Schnittstellen.h"
#include "hardware/SensorBox.h"

QString Schnittstellen::schnittstelle() const {
    const int k1 = KommNummer(m_e.CommPort1);
    const int k2 = KommNummer(m_e.CommPort2);
    const QString com1 = QStringLiteral("COM%1").arg(k1);
    if (m_e.LPTControlAktiv == 1) return tr("Parallelport");
    if (m_e.LapsterAktiv == 1) return tr("USB-Rennbox");
    if (m_e.DS300Aktiv == 1) return QStringLiteral("DS300 ") + com1;
    if (m_e.DS200Aktiv == 1) return QStringLiteral("DS200 ") + com1;
    if (m_e.BEPFEAktiv == 1) return tr("Steuerbox %1").arg(com1);
    if (m_e.RaceControlAktiv == 1) return tr("Sensorbox %1").arg(com1);
    return k2 >= 1 && k2 <= 10 && k2 != k1 ? QStringLiteral("%1/COM%2").arg(com1).arg(k2) : com1;
}

void Schnittstellen::setzeStatus(Status st, const QString& grund) {
    const QString name = schnittstelle();
    if (st == m_status && grund == m_grund && name == m_schnittstelle) return;
    m_status = st;
    m_grund = grund;
    m_schnittstelle = name;
    SchreibeDebug(QStringLiteral("Zeitnahme: ") + statusWort(st) +
                  (grund.isEmpty() ? QString() : QStringLiteral(" - ") + grund));
    emit zustand(st, grund);
    emit captionGeaendert();
}

void Schnittstellen::wiederholeSpaeter() {
    if (!m_wiederholung->isActive()) m_wiederholung->start();
}

void Schnittstellen::pruefeDaten(Datenwaechter& waechter, quint64 gueltige, quint64 verworfen) {
    if (waechter.empfangen(m_uhr->Zeitstempel(), gueltige, verworfen)) bewerteStatus();
}

void Schnittstellen::oeffneFehlendeWieder() {
    bool fehlt = false;
    for (MSComm* p : {m_commDS, m_commBEPFE, m_commRC, m_comm1, m_comm2}) {
        if (!p->sollOffen() || p->PortOpen()) continue;
        const bool nachVerlust = p->verloren();
        if (p->setPortOpen(true))
            wiederGeoeffnet(p, nachVerlust);
        else
            fehlt = true;
    }
    if (m_e.LapsterAktiv == 1 && (m_lapsterStatus == Status::VerbindungVerloren ||
                                  m_lapsterStatus == Status::KeineVerbindung))
        fehlt = !m_lapster->verbindeWieder() || fehlt;
    if (!fehlt) m_wiederholung->stop();
    bewerteStatus();
}

void Schnittstellen::wiederGeoeffnet(MSComm* port, bool nachVerlust) {
    const int n = port->CommPort();
    if (n >= 1 && n <= 10) m_portOK[n] = true;
    SchreibeDebug(QStringLiteral("%1 COM%2 (%3) wieder geöffnet")
                      .arg(port->objectName())
                      .arg(n)
                      .arg(port->pfad()));
    if (port == m_commDS) {
        // Laps counted before the loss stay counted: the last sequence byte is kept.
        if (nachVerlust)
            m_ds->portWiederGeoeffnet();
        else
            m_ds->portGeoeffnet();
        m_dsDaten.zuruecksetzen();
    } else if (port == m_commBEPFE) {
        // Mid-race the box must not be reset: its clock times the running laps.
        if (nachVerlust)
            m_controlBox->portWiederGeoeffnet();
        else
            m_controlBox->portGeoeffnet();
        m_boxDaten.zuruecksetzen();
    } else if (port == m_commRC && nachVerlust) {
        m_sensorBox->portWiederGeoeffnet();
    }
    SetzeFormCaption(QString());
}

QString Schnittstellen::portGrund(MSComm* port, int nummer) const {
    const QString pfad = pfadVon(nummer);
    if (port && port->PortOpen()) return QStringLiteral("COM%1 (%2)").arg(nummer).arg(pfad);
    if (port && (port->verloren() || port->sollOffen()))
        return tr("COM%1 (%2): %3, neuer Versuch alle 2 s")
            .arg(nummer)
            .arg(pfad, port->fehlerText());
    if (nummer >= 1 && nummer <= 10 && !m_portFehler[nummer].isEmpty() && !PortOK(nummer))
        return QStringLiteral("COM%1: %2").arg(nummer).arg(m_portFehler[nummer]);
    return QStringLiteral("COM%1 (%2)").arg(nummer).arg(pfad);
}

QString Schnittstellen::lptGrund() const {
    QString grund = m_io->name();
    if (!grund.startsWith(QLatin1String("ppdev"))) return grund;
    // ppdev hands back the kernel's copy of the control register: inputs there never change.
    QStringList pins;
    const auto& paare = m_lpt->LPTErfPaar();
    for (int i = 0; i < 7; ++i) {
        const int w = paare[size_t(i)].wert;
        if (paare[size_t(i)].port == QLatin1String("AUS") || w < 1 || w > 8) continue;
        int pin = 8;
        while ((1 << (pin - 8)) != w) ++pin;
        pins << QStringLiteral("%1 (%2 %3)")
                    .arg(i < 6 ? QStringLiteral("LPTErf%1").arg(i + 1) : QStringLiteral("LPTChaos"),
                         paare[size_t(i)].port)
                    .arg(pin);
    }
    if (pins.isEmpty()) return grund;
    return tr("%1; Warnung: Eingänge an Steuerpins sind über ppdev nicht lesbar: %2")
        .arg(grund, pins.join(QStringLiteral(", ")));
}

void Schnittstellen::bewerteStatus() {
    for (MSComm* p : {m_commDS, m_commBEPFE, m_commRC, m_comm1, m_comm2})
        if (p->sollOffen() && !p->PortOpen()) wiederholeSpaeter();
    const int k1 = KommNummer(m_e.CommPort1);
    const int k2 = KommNummer(m_e.CommPort2);
    auto seriell = [&](MSComm* port, int nummer, const Datenwaechter* w, const QString& falsch) {
        if (port->PortOpen()) {
            if (w && w->falsch())
                setzeStatus(Status::FalscheDaten, falsch);
            else
                setzeStatus(Status::Aktiv, portGrund(port, nummer));
        } else if (port->verloren()) {
            setzeStatus(Status::VerbindungVerloren, portGrund(port, nummer));
        } else {
            setzeStatus(Status::KeineVerbindung, portGrund(port, nummer));
        }
    };
    if (m_e.LPTControlAktiv == 1) {
        if (!m_io)
            setzeStatus(Status::KeineVerbindung,
                        tr("Kein Zugriff auf den Parallelport: %1").arg(m_ioFehler));
        else if (m_io->name() == QLatin1String("simuliert"))
            setzeStatus(Status::Simuliert, tr("Parallelport nur im Speicher (PISTORELLE_LPT=sim)"));
        else
            setzeStatus(Status::Aktiv, lptGrund());
    } else if (m_e.LapsterAktiv == 1) {
        setzeStatus(m_lapsterStatus, m_lapsterGrund.isEmpty()
                                         ? tr("USB-Rennbox über %1").arg(m_lapster->bibliothek())
                                         : m_lapsterGrund);
    } else if (m_e.DS200Aktiv == 1 || m_e.DS300Aktiv == 1) {
        seriell(m_commDS, k1, &m_dsDaten,
                tr("Startbyte ist <> E0: keine gültigen Daten vom Zähler. Baudrate "
                   "prüfen (DS200: 4800, DS300: 56000; eingestellt: %1)")
                    .arg(m_e.DS300Aktiv == 1 ? 56000 : 4800));
    } else if (m_e.BEPFEAktiv == 1) {
        seriell(m_commBEPFE, k1, &m_boxDaten,
                tr("Keine gültige Meldung der Box. Baudrate prüfen (9600,n,8,1)"));
    } else if (m_e.RaceControlAktiv == 1) {
        if (!m_sensorBox->ladeTreiber())
            setzeStatus(Status::TreiberFehlt, m_sensorBox->treiberFehler());
        else if (m_commRC->PortOpen() || m_commRC->verloren() || m_commRC->sollOffen())
            seriell(m_commRC, k1, nullptr, QString());
        else
            setzeStatus(PortOK(k1) ? Status::Aktiv : Status::KeineVerbindung,
                        portGrund(nullptr, k1));
    } else {
        // Generic input: ports 1 and 2 are open only during a run.
        for (auto [port, nummer] : {std::pair{m_comm1, k1}, std::pair{m_comm2, k2}})
            if (port->sollOffen() && !port->PortOpen())
                return setzeStatus(
                    port->verloren() ? Status::VerbindungVerloren : Status::KeineVerbindung,
                    portGrund(port, nummer));
        QStringList gut, schlecht;
        for (auto [port, nummer] : {std::pair{m_comm1, k1}, std::pair{m_comm2, k2}}) {
            if (port->PortOpen() || PortOK(nummer))
                gut << portGrund(port, nummer);
            else if (nummer >= 1 && nummer <= 10)
                schlecht << portGrund(port, nummer);
        }
        if (!gut.isEmpty())
            setzeStatus(Status::Aktiv, gut.join(QStringLiteral(", ")));
        else
            setzeStatus(Status::KeineVerbindung, schlecht.join(QStringLiteral("; ")));
    }
}
