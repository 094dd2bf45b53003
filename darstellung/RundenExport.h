#pragma once
// The laps of a race as the lap tables window shows them, and their export: CSV (UTF-8,
// header row, one row per lap, ";" where the decimal sign is a comma) and PDF (A4, titled with
// race, date and track, standings and every lap; the table header on every page).

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

struct RundenDaten {
    QString titel;  // race, date and track (and the driver when only one is shown)
    QStringList spalten;
    QVector<QVector<QVariant>> zeilen;

    // The grid's columns in their order.
    static QStringList standardSpalten();
    int spalte(const QString& name) const;

    struct Stand {
        QString fahrer, autoName;
        int runden = 0;
        double beste = 0;   // seconds, 0: none
        double gesamt = 0;  // seconds of the last lap's total
    };
    // Per driver: laps, best lap and total; most laps first, then the shorter total.
    QVector<Stand> rangliste() const;
};

namespace RundenExport {
// False with the reason in fehler when the file cannot be written.
bool schreibeCsv(const RundenDaten& d, const QString& pfad, const QLocale& sprache,
                 QString* fehler = nullptr);
bool schreibePdf(const RundenDaten& d, const QString& pfad, const QLocale& sprache,
                 QString* fehler = nullptr);
// The HTML the PDF is printed from.
QString html(const RundenDaten& d, const QLocale& sprache);

// The pieces other exports share: the field separator for the locale (";" where the decimal
// sign is a comma), one CSV row of fields, the file written with its UTF-8 mark, and an HTML
// text printed to an A4 PDF.
QChar csvTrenner(const QLocale& sprache);
QString csvZeile(const QStringList& felder, QChar trenner);
bool schreibeText(const QString& text, const QString& pfad, QString* fehler = nullptr);
bool druckePdf(const QString& html, const QString& titel, const QString& pfad,
               QString* fehler = nullptr);
}  // namespace RundenExport
