#include "app/replay/ReplayAusgabe.h"

#include "config/Einstellungen.h"
#include "config/VirtuelleUhr.h"

ReplayAusgabe::ReplayAusgabe(VirtuelleUhr& uhr, const Einstellungen& e, QTextStream& aus)
    : m_uhr(uhr), m_e(e), m_aus(aus) {}

void ReplayAusgabe::zeile(const QString& art, const QString& text) {
    m_aus << m_uhr.virtuelleZeit() << ' ' << art << ' ' << text << Qt::endl;
}

void ReplayAusgabe::SprachAusgabe(const QString& text) {
    // Speech off, or an empty language text: nothing is said.
    if (m_e.SoundAn != 1 || text.isEmpty()) return;
    zeile(QStringLiteral("say"), text);
}

void ReplayAusgabe::SpieleTon(const QString& datei) {
    if (datei.isEmpty()) return;
    zeile(QStringLiteral("sound"), datei);
}

bool ReplayAusgabe::frage(const QString& text) {
    zeile(QStringLiteral("ask"),
          text + (m_ja ? QStringLiteral(" -> yes") : QStringLiteral(" -> no")));
    return m_ja;
}

int ReplayAusgabe::wahl(const QString& text, const QStringList& knoepfe) {
    const int i = int(knoepfe.indexOf(m_wahl));
    // One line per event: the question's paragraphs run on.
    zeile(QStringLiteral("choose"), QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')) +
                                        QStringLiteral(" [") + knoepfe.join(QLatin1Char('|')) +
                                        QStringLiteral("] -> ") +
                                        (i >= 0 ? m_wahl : QStringLiteral("Abbrechen")));
    return i;
}

void ReplayAusgabe::meldung(const QString& text) { zeile(QStringLiteral("message"), text); }
