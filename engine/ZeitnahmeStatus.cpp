#include "engine/ZeitnahmeStatus.h"

#include <QCoreApplication>

#include "config/DebugLog.h"
#include "engine/RennZustand.h"
#include "engine/Rueckfrage.h"

namespace {
QString hilfe(Zeitnahme::Status s) {
    using S = Zeitnahme::Status;
    switch (s) {
        case S::Aktiv:
            return QCoreApplication::translate("ZeitnahmeStatus", "Die Zeitnahme zählt.");
        case S::KeineVerbindung:
            return QCoreApplication::translate(
                "ZeitnahmeStatus",
                "Box einschalten und anstecken, Port in den Optionen prüfen, "
                "dann „Verfügbare“ drücken.");
        case S::VerbindungVerloren:
            return QCoreApplication::translate(
                "ZeitnahmeStatus",
                "Kabel prüfen und wieder anstecken: der Port wird alle 2 s "
                "neu geöffnet, gezählt wird dann weiter.");
        case S::TreiberFehlt:
            return QCoreApplication::translate("ZeitnahmeStatus",
                                               "Die Treiberbibliothek installieren oder mit "
                                               "PISTORELLE_SENSORBOX angeben, dann neu starten.");
        case S::Simuliert:
            return QCoreApplication::translate("ZeitnahmeStatus",
                                               "Nur zum Vorführen: nichts erreicht die Bahn.");
        case S::FalscheDaten:
            return QCoreApplication::translate(
                "ZeitnahmeStatus", "Baudrate und Art der Zeitnahme in den Optionen prüfen.");
    }
    return QString();
}
}  // namespace

ZeitnahmeStatus::ZeitnahmeStatus(const RennZustand& zustand, Rueckfrage& rueckfrage,
                                 QObject* parent)
    : QObject(parent), m_z(zustand), m_rueckfrage(rueckfrage) {}

QString ZeitnahmeStatus::text() const {
    const QString name = Zeitnahme::statusName(m_status);
    return m_schnittstelle.isEmpty() ? tr("Zeitnahme: %1").arg(name)
                                     : tr("%1: %2").arg(m_schnittstelle, name);
}

QString ZeitnahmeStatus::details() const {
    const QString name = Zeitnahme::statusName(m_status);
    QStringList zeilen{m_schnittstelle.isEmpty()
                           ? tr("Zeitnahme: %1").arg(name)
                           : tr("Zeitnahme %1: %2").arg(m_schnittstelle, name)};
    if (!m_grund.isEmpty()) zeilen << m_grund;
    if (!m_info.isEmpty()) zeilen << tr("Letzte Meldung: %1").arg(m_info);
    zeilen << hilfe(m_status);
    return zeilen.join(QLatin1Char('\n'));
}

void ZeitnahmeStatus::setze(Zeitnahme::Status status, const QString& grund) {
    if (status == m_status && grund == m_grund) return;
    const bool neuerZustand = status != m_status;
    const Zeitnahme::Status vorher = m_status;
    m_status = status;
    m_grund = grund;
    // A message of the last connection no longer describes the new one.
    if (neuerZustand) m_info.clear();
    emit geaendert();
    emit captionGeaendert();
    if (!neuerZustand) return;
    if (kannZaehlen()) {
        // Back: the notice of the loss gives way to this one.
        if (!m_schlechtGemeldet) return;
        m_schlechtGemeldet = false;
        SchreibeDebug(QStringLiteral("Zeitnahme: wieder verbunden ") +
                      QString(grund).replace('\n', ' '));
        // Valid data again on a line that never went away is no reconnection.
        const QString text = vorher == Zeitnahme::Status::FalscheDaten
                                 ? tr("Zeitnahme: %1").arg(Zeitnahme::statusName(status))
                                 : tr("Zeitnahme: wieder verbunden");
        m_rueckfrage.zeitnahmeMeldung(text + QLatin1Char('\n') + grund, true);
        return;
    }
    if (!m_z.RennenLaeuft) return;
    m_schlechtGemeldet = true;
    SchreibeDebug(QStringLiteral("Rennen läuft, Zeitnahme: ") + Zeitnahme::statusWort(status) +
                  QLatin1Char(' ') + QString(grund).replace('\n', ' '));
    m_rueckfrage.zeitnahmeMeldung(
        tr("Zeitnahme: %1").arg(Zeitnahme::statusName(status)) + QLatin1Char('\n') + grund, true);
}

void ZeitnahmeStatus::setzeSchnittstelle(const QString& schnittstelle) {
    if (schnittstelle == m_schnittstelle) return;
    m_schnittstelle = schnittstelle;
    emit geaendert();
}

void ZeitnahmeStatus::setzeInfo(const QString& info) {
    if (info == m_info) return;
    m_info = info;
    emit geaendert();
}
