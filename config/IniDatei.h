#pragma once
// An INI file kept line by line. Setting a key changes only that key's line; comments, blank
// lines, unknown keys and sections and every untouched value stay byte for byte as they were,
// so a value typed by hand in Windows-1252 survives the program's writes. Values use the
// escapes and quotes of Qt's INI format, so files written by QSettings read the same.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

class IniDatei {
public:
    // Reads the file; a missing or unreadable file is empty.
    static IniDatei lies(const QString& pfad);
    // The same from the bytes of a file.
    static IniDatei ausInhalt(const QByteArray& inhalt);

    // Every key of the section (name without regard to case) by lower-case key name with its
    // value; where a key appears twice (also in a second section of that name) the first one
    // counts.
    QHash<QString, QString> werte(const QString& abschnitt) const;
    std::optional<QString> wert(const QString& abschnitt, const QString& schluessel) const;

    // Sets the key under this spelling: the first line of the key (the one werte and wert
    // read) is replaced unless it already holds this spelling and value; later lines of the
    // same key stay. A new key goes after the last line of the section, a new section at the
    // end.
    void setze(const QString& abschnitt, const QString& schluessel, const QString& wert);

    bool geaendert() const { return m_geaendert; }
    QByteArray inhalt() const;

    // Writes the file when something changed, through a temporary file so a failed write leaves
    // the old one whole. The folder is created when missing.
    bool schreibe(const QString& pfad, QString* fehler = nullptr);

    // The text of a value as it stands after "=" (Qt's quotes and escapes; UTF-8, or
    // Windows-1252 where the bytes are not valid UTF-8), and back (UTF-8).
    static QString entschluessele(const QByteArray& roh);
    static QByteArray verschluessele(const QString& text);

private:
    struct Zeile {
        QByteArray roh;      // without the line end
        bool cr = false;     // ended by CR LF
        QString abschnitt;   // lower case name of the section the line stands in
        QString schluessel;  // lower case key, empty when the line holds no key
        int gleichheitszeichen = -1;
    };
    void zerlege(const QByteArray& inhalt);
    static void ordneEin(Zeile& z, QString& abschnitt);

    QList<Zeile> m_zeilen;
    bool m_endetMitUmbruch = true;
    bool m_cr = false;  // the file's line end, for new lines
    bool m_geaendert = false;
};
