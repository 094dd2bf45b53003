#pragma once
// The printable report of a tournament: standings, qualification and every scored heat as an
// HTML page in Windows-1252 with CR LF line ends, for the browser and the notice board.

#include <QString>
#include <QStringList>

class TurnierDaten;
struct SlotRennen;

class TurnierBericht {
public:
    // The page's lines (without line ends).
    static QStringList zeilen(TurnierDaten& daten, const SlotRennen& rennen);
    // ltfPfad (a prefix, as for the result files; empty: the documents folder) + series "-"
    // name ".htm", with the characters a file name cannot hold replaced by "_"; always the
    // whole path.
    static QString dateiName(const QString& ltfPfad, const SlotRennen& rennen);
    // Writes the page (an existing file is replaced); the path, or empty with the reason.
    static QString schreibe(TurnierDaten& daten, const SlotRennen& rennen, const QString& ltfPfad,
                            QString* fehler = nullptr);
    // Lines in Windows-1252 with CR LF (an existing file is replaced); false with the reason.
    static bool schreibeSeite(const QString& pfad, const QStringList& zeilen, QString* fehler);
    // The page's head up to the opened body, in the report's style; titel as HTML.
    static QStringList kopf(const QString& titel);
    // Characters a file name cannot hold replaced by "_".
    static QString sichererName(const QString& name);
    // ltfPfad as a folder prefix; empty: the documents folder (else the home folder).
    static QString ausgabePraefix(const QString& ltfPfad);
    // & < > " as entities.
    static QString html(const QString& text);
};
