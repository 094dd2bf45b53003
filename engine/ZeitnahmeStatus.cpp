#include "ZeitnahmeStatus.h"

#include <QCoreApplication>

#include "DebugLog.h"
#include "RennZustand.h"
#include "Rueckfrage.h"

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
    const QString zusatz = m_info.isEmpty() ? m_grund : m_info;
    const QString name = Zeitnahme::statusName(m_status);
    return zusatz.isEmpty() ? tr("Zeitnahme: %1").arg(name)
                            : tr("Zeitnahme: %1 – %2").arg(name, zusatz);
}

QString ZeitnahmeStatus::details() const {
    QStringList zeilen{tr("Zeitnahme: %1").arg(Zeitnahme::statusName(m_status))};
    if (!m_grund.isEmpty()) zeilen << m_grund;
    if (!m_info.isEmpty()) zeilen << tr("Letzte Meldung: %1").arg(m_info);
    zeilen << hilfe(m_status);
    return zeilen.join(QLatin1Char('\n'));
}

void ZeitnahmeStatus::setze(Zeitnahme::Status status, const QString& grund) {
    if (status == m_status && grund == m_grund) return;
    const bool neuerZustand = status != m_status;
    m_status = status;
    m_grund = grund;
    // A message of the last connection no longer describes the new one.
    if (neuerZustand) m_info.clear();
    emit geaendert();
    emit captionGeaendert();
    if (!neuerZustand || kannZaehlen() || !m_z.RennenLaeuft) return;
    SchreibeDebug(QStringLiteral("Rennen läuft, Zeitnahme: ") + Zeitnahme::statusWort(status) +
                  QLatin1Char(' ') + QString(grund).replace('\n', ' '));
    m_rueckfrage.meldung(tr("Zeitnahme: %1").arg(Zeitnahme::statusName(status)) +
                         QLatin1Char('\n') + grund);
}

void ZeitnahmeStatus::setzeInfo(const QString& info) {
    if (info == m_info) return;
    m_info = info;
    emit geaendert();
}
