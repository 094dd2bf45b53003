#pragma once
// A driver's statistics as a file: CSV (blocks of a header row and their rows, separated by
// an empty line: the driver with his choice and laps in total, the best laps, the evenings,
// the tournament places) and an A4 PDF with the same tables. Like the lap tables' export the
// files are German whatever the interface language; days are written as yyyy-MM-dd.

#include <QLocale>
#include <QString>

#include "tournament/Fahrerstatistik.h"

namespace StatistikExport {
QString csv(const Fahrerstatistik::Auswahl& a, const Fahrerstatistik::Ergebnis& e,
            const QLocale& sprache);
QString html(const Fahrerstatistik::Auswahl& a, const Fahrerstatistik::Ergebnis& e,
             const QLocale& sprache);
bool schreibeCsv(const Fahrerstatistik::Auswahl& a, const Fahrerstatistik::Ergebnis& e,
                 const QString& pfad, const QLocale& sprache, QString* fehler = nullptr);
bool schreibePdf(const Fahrerstatistik::Auswahl& a, const Fahrerstatistik::Ergebnis& e,
                 const QString& pfad, const QLocale& sprache, QString* fehler = nullptr);
}  // namespace StatistikExport
