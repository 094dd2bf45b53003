#include "engine/ProtokollHardware.h"

#include "config/DebugLog.h"
#include "config/Uhr.h"

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

bool ProtokollHardware::PruefeChaosEingang(bool chaosAktiv) {
    // Only a change of the line is worth a log line; the timer asks twice a second.
    if (m_chaosEingang == chaosAktiv) return false;
    protokolliere(QStringLiteral("PruefeChaosEingang %1").arg(m_chaosEingang ? 1 : 0));
    return true;
}

void ProtokollHardware::Vorbereiten() { protokolliere(QStringLiteral("Vorbereiten")); }

std::optional<qint32> ProtokollHardware::CountdownBeginn() {
    protokolliere(QStringLiteral("CountdownBeginn"));
    return std::nullopt;
}

void ProtokollHardware::AmpelSchritt() { protokolliere(QStringLiteral("AmpelSchritt")); }

void ProtokollHardware::Gruen() { protokolliere(QStringLiteral("Gruen")); }

void ProtokollHardware::Takt() {}

void ProtokollHardware::Stopp() { protokolliere(QStringLiteral("Stopp")); }

void ProtokollHardware::Schliessen() { protokolliere(QStringLiteral("Schliessen")); }

void ProtokollHardware::Grundstellung() { protokolliere(QStringLiteral("Grundstellung")); }
