#include "ProtokollHardware.h"

#include "DebugLog.h"
#include "Uhr.h"

ProtokollHardware::ProtokollHardware(Uhr& uhr, QObject* parent) : QObject(parent), m_uhr(uhr) {}

void ProtokollHardware::protokolliere(const QString& zeile) {
    // The box is polled on every race-timer tick: keep the list from growing without end.
    if (m_aufrufe.size() >= maxAufrufe) m_aufrufe.removeFirst();
    m_aufrufe.append(zeile);
    SchreibeDebug(QStringLiteral("Hardware: ") + zeile);
}

qint32 ProtokollHardware::HoleZeitstempel() { return m_uhr.Zeitstempel(); }

void ProtokollHardware::SchalteLPT(const QString& wort, int an) {
    protokolliere(QStringLiteral("SchalteLPT %1 %2").arg(wort).arg(an));
    emit geschaltet(wort, an);
}

void ProtokollHardware::SetzeFormCaption(const QString& zusatz) {
    m_caption = zusatz;
    protokolliere(QStringLiteral("SetzeFormCaption ") + zusatz);
}

void ProtokollHardware::OeffneComPort(int nummer) {
    protokolliere(QStringLiteral("OeffneComPort %1").arg(nummer));
}

void ProtokollHardware::SchliesseComPort(int nummer) {
    protokolliere(QStringLiteral("SchliesseComPort %1").arg(nummer));
}

qint32 ProtokollHardware::StarteSensorBox() {
    protokolliere(QStringLiteral("StarteSensorBox"));
    return HoleZeitstempel();
}

void ProtokollHardware::SchliesseSensorBox() {
    protokolliere(QStringLiteral("SchliesseSensorBox"));
}

void ProtokollHardware::SendeBepfe(const QString& befehl) {
    protokolliere(QStringLiteral("SendeBepfe ") + befehl);
}

void ProtokollHardware::StarteLPTErfassung() {
    protokolliere(QStringLiteral("StarteLPTErfassung"));
}

void ProtokollHardware::StoppeLPTErfassung() {
    protokolliere(QStringLiteral("StoppeLPTErfassung"));
}

bool ProtokollHardware::PruefeChaosEingang(bool chaosAktiv) {
    // Only a change of the line is worth a log line; the timer asks twice a second.
    if (m_chaosEingang == chaosAktiv) return false;
    protokolliere(QStringLiteral("PruefeChaosEingang %1").arg(m_chaosEingang ? 1 : 0));
    return true;
}

void ProtokollHardware::LapsterBoxOpen(bool zuruecksetzen) {
    protokolliere(QStringLiteral("LapsterBoxOpen %1").arg(zuruecksetzen ? 1 : 0));
}

void ProtokollHardware::LapsterBoxInit() { protokolliere(QStringLiteral("LapsterBoxInit")); }

void ProtokollHardware::LapsterBoxReset() { protokolliere(QStringLiteral("LapsterBoxReset")); }

void ProtokollHardware::LapsterBoxReadTimer() {
    protokolliere(QStringLiteral("LapsterBoxReadTimer"));
}

void ProtokollHardware::LapsterBoxClose() { protokolliere(QStringLiteral("LapsterBoxClose")); }

void ProtokollHardware::AmpelReset() { protokolliere(QStringLiteral("AmpelReset")); }

void ProtokollHardware::AmpelVorstart() { protokolliere(QStringLiteral("AmpelVorstart")); }

void ProtokollHardware::AmpelWeiter() { protokolliere(QStringLiteral("AmpelWeiter")); }
