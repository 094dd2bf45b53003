#include "ZeitnahmeStatus.h"

#include "DebugLog.h"
#include "RennZustand.h"
#include "Rueckfrage.h"

namespace {
QString hilfe(Zeitnahme::Status s) {
    using S = Zeitnahme::Status;
    switch (s) {
        case S::Aktiv:
            return QStringLiteral("Die Zeitnahme zählt.");
        case S::KeineVerbindung:
            return QStringLiteral(
                "Box einschalten und anstecken, Port in den Optionen prüfen, "
                "dann \u201eVerfügbare\u201c drücken.");
        case S::VerbindungVerloren:
            return QStringLiteral(
                "Kabel prüfen und wieder anstecken: der Port wird alle 2 s "
                "neu geöffnet, gezählt wird dann weiter.");
        case S::TreiberFehlt:
            return QStringLiteral(
                "Die Treiberbibliothek installieren oder mit "
                "PISTORELLE_SENSORBOX angeben, dann neu starten.");
        case S::Simuliert:
            return QStringLiteral("Nur zum Vorführen: nichts erreicht die Bahn.");
        case S::FalscheDaten:
            return QStringLiteral("Baudrate und Art der Zeitnahme in den Optionen prüfen.");
    }
    return QString();
}
}  // namespace

ZeitnahmeStatus::ZeitnahmeStatus(const RennZustand& zustand, Rueckfrage& rueckfrage,
                                 QObject* parent)
    : QObject(parent), m_z(zustand), m_rueckfrage(rueckfrage) {}

QString ZeitnahmeStatus::text() const {
    const QString zusatz = m_info.isEmpty() ? m_grund : m_info;
    return QStringLiteral("Zeitnahme: ") + Zeitnahme::statusName(m_status) +
           (zusatz.isEmpty() ? QString() : QStringLiteral(" \u2013 ") + zusatz);
}

QString ZeitnahmeStatus::details() const {
    QStringList zeilen{QStringLiteral("Zeitnahme: ") + Zeitnahme::statusName(m_status)};
    if (!m_grund.isEmpty()) zeilen << m_grund;
    if (!m_info.isEmpty()) zeilen << QStringLiteral("Letzte Meldung: ") + m_info;
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
    const QString text = QStringLiteral("Zeitnahme: ") + Zeitnahme::statusName(status) +
                         QStringLiteral("\n") + grund;
    SchreibeDebug(QStringLiteral("Rennen läuft, ") + QString(text).replace('\n', ' '));
    m_rueckfrage.meldung(text);
}

void ZeitnahmeStatus::setzeInfo(const QString& info) {
    if (info == m_info) return;
    m_info = info;
    emit geaendert();
}
