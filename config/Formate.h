#pragma once
// The number, time and date formats of the program, in the user's locale (QLocale default
// unless one is passed), halves rounded away from zero.

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace Formate {
// Pattern formats: "#######0.000", "#######000.000", "#####.000", "###0", "0000", "000", "00",
// "#,###0,000". '0' is a forced digit, '#' an optional one, ',' asks for group separators,
// '.' marks the decimal separator of the locale.
QString Format(double wert, const QString& muster, const QLocale& locale = QLocale());
// Milliseconds as "hh:mm:ss.mmm" (two-digit hours, minutes, seconds; three-digit ms).
QString FormatiereZeit(qint64 ms);
// "yyyy.mm.dd hh:mm:ss" (race stamp) and "dd.mm.yyyy hh:mm".
QString Zeitstempel(const QDateTime& zeit);
QString DatumKurz(const QDateTime& zeit);
// Rounds halves away from zero to the given number of decimals.
double Runde(double wert, int stellen);
}  // namespace Formate
