#pragma once
// A replay scenario: one command per line, '#' starts a comment, tokens are separated by
// blanks, and a token in double quotes may hold blanks (two double quotes inside stand for
// one). Lines are read one at a time, when the run reaches them.

#include <QString>
#include <QStringList>

struct SzenarioBefehl {
    int zeile = 0;  // 1-based line number
    QString name;   // empty for a blank or comment line
    QStringList argumente;
    // The argument as a number (already checked when the line was read).
    qint64 zahl(int i) const { return argumente.value(i).toLongLong(); }
};

class Szenario {
public:
    explicit Szenario(const QString& text);

    int anzahlZeilen() const { return int(m_zeilen.size()); }
    QString zeile(int nummer) const { return m_zeilen.value(nummer - 1); }

    // Splits a line into tokens; false with a reason for an unclosed quote.
    static bool zerlege(const QString& zeile, QStringList& tokens, QString* fehler = nullptr);
    // Reads one line: false with a reason for an unknown command, a wrong number of
    // arguments or a bad number or word.
    static bool lese(const QString& zeile, int nummer, SzenarioBefehl& befehl,
                     QString* fehler = nullptr);
    // The commands this runner knows.
    static QStringList befehle();

private:
    QStringList m_zeilen;
};
