#pragma once
// What the replay runner prints: one line per event, the virtual time in ms first
// ("T say TEXT", "T sound FILE", "T switch WORD 0|1", "T message TEXT", "T ask TEXT -> yes",
// "T choose TEXT [BUTTON|BUTTON] -> BUTTON",
// "T debug LINE", "T locked COMMAND" for a click on a disabled control, "T result PLACE"
// for each place of a closed run). It speaks and answers for the engine; every line is
// flushed at once.

#include <QTextStream>

#include "engine/Ansage.h"
#include "engine/Rueckfrage.h"

struct Einstellungen;
class VirtuelleUhr;

class ReplayAusgabe : public Ansage, public Rueckfrage {
public:
    ReplayAusgabe(VirtuelleUhr& uhr, const Einstellungen& e, QTextStream& aus);

    // The answer to every following question (yes at first).
    void setzeAntwort(bool ja) { m_ja = ja; }
    // The button pressed in every following choice (none at first: cancel).
    void setzeWahl(const QString& knopf) { m_wahl = knopf; }
    void zeile(const QString& art, const QString& text);

    void SprachAusgabe(const QString& text) override;
    void SpieleTon(const QString& datei) override;
    bool frage(const QString& text) override;
    int wahl(const QString& text, const QStringList& knoepfe) override;
    void meldung(const QString& text) override;

private:
    VirtuelleUhr& m_uhr;
    const Einstellungen& m_e;
    QTextStream& m_aus;
    bool m_ja = true;
    QString m_wahl;
};
