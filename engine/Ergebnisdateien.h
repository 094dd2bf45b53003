#pragma once
// The text files for outside displays: one single-lap file (".lre") per counted lap and the
// race result file (".lrf") per race name. Twelve TAB-separated fields a line, Windows-1252,
// CR LF, "." as decimal point whatever the locale.

#include <QFile>
#include <QString>

// One line of a result file (not the results window's ErgebnisZeile).
struct ErgebnisDateiZeile {
    QString fahrer;  // as stored; normalised when the line is built
    QString autoName;
    QString strecke;
    int runde = 0;
    QString uhr;        // time of day of the lap
    QString zeit;       // lap time text
    QString stempel;    // race stamp "yyyy.mm.dd hh:mm:ss"
    double gesamt = 0;  // total time, seconds
    QString rennInfo;
    int bahn = 0;
    QString rennName;
    QString rennArt;
};

class Ergebnisdateien {
public:
    // "Äpfel Straße" -> "Aepfelstrasse": lower case, no blanks, umlauts spelled out, first
    // letter upper case.
    static QString normalisiereName(const QString& name);
    // "yyyy.mm.dd hh:mm:ss" -> "dd.mm.yyyy hh:mm:ss".
    static QString rennZeit(const QString& stempel);
    // One line with its CR LF; a TAB, CR, LF or other control character inside a value
    // becomes a blank.
    static QString zeile(const ErgebnisDateiZeile& z);
    static QString kopfzeile();
    // Windows-1252; characters the code page lacks are spelled with the nearest Latin letters
    // ("Ł" -> "L"), or '?' when there are none.
    static QByteArray windows1252(const QString& text);

    static QString lreName(const QString& ltfPfad, int bahn, int runde);
    // The race name loses path separators, ':' and "..", so the file stays in the folder.
    static QString lrfName(const QString& ltfPfad, const QString& rennName);
    // A race name as a file name: no folder part, no control characters, not hidden; an empty
    // rest gives "Rennen".
    static QString dateiName(const QString& rennName);

    // Writes the single-lap file, replacing one of the same name.
    static bool schreibeLre(const QString& ltfPfad, const ErgebnisDateiZeile& z,
                            QString* fehler = nullptr);
};

// The race result file of one race name: created with its header line when it does not exist
// yet, then appended to.
class LrfDatei {
public:
    bool oeffne(const QString& datei);
    bool schreibe(const ErgebnisDateiZeile& z);
    bool schliesse();
    int fehlerNr() const { return m_fehlerNr; }
    QString fehlerText() const { return m_fehlerText; }

private:
    bool fehler();
    QFile m_datei;
    int m_fehlerNr = 0;
    QString m_fehlerText;
};
