#pragma once
// What the start-up asks the user. The program answers with real dialogs; tests answer with a
// script, so that no start-up test ever waits on a modal window.

#include <QString>

// The database choice: in, the current path and DatenBankAuswahl; out, what the user chose.
struct DatenbankWahl {
    QString pfad;
    bool wiederAnzeigen = false;  // "Diesen Dialog beim Neustart anzeigen"
    bool fuerNeustart = false;    // "Auswahl für Neustart übernehmen"
};

class StartDialoge {
public:
    virtual ~StartDialoge() = default;
    // A message with the exclamation icon; returns when the user has read it.
    virtual void meldung(const QString& text) = 0;
    // A question with "Ja" and "Abbrechen"; true for Ja.
    virtual bool frage(const QString& text) = 0;
    // "Datenbank auswählen"; true for OK (wahl then holds the answer), false for Abbrechen.
    virtual bool datenbankAuswaehlen(DatenbankWahl& wahl) = 0;
};
