#pragma once
// The printable standings of a series: the points of every driver per tournament, in the
// tournament report's style (HTML in Windows-1252 with CR LF line ends), for the browser, the
// notice board and, rendered from the same lines, a PDF.

#include <QString>
#include <QStringList>

#include "tournament/Meisterschaft.h"

class MeisterschaftBericht {
public:
    // The page's lines (without line ends).
    static QStringList zeilen(const Meisterschaft::Stand& stand,
                              const Meisterschaft::Regeln& regeln);
    // The output folder (as for the tournament report) + "Meisterschaft-" series + endung
    // (".htm", ".pdf"), with the characters a file name cannot hold replaced by "_".
    static QString dateiName(const QString& ltfPfad, const QString& serie, const QString& endung);
    // Writes the page (an existing file is replaced); the path, or empty with the reason.
    static QString schreibe(const Meisterschaft::Stand& stand, const Meisterschaft::Regeln& regeln,
                            const QString& ltfPfad, QString* fehler = nullptr);
    // A result as the table shows it: the points, "*" with the fastest lap's bonus, in
    // brackets when dropped; empty without a result.
    static QString ergebnisText(const std::optional<Meisterschaft::Ergebnis>& e);
};
