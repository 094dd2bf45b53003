#pragma once
// The tables of the program's database, the numbered migrations that build them and the seed
// of a new file. Every text column is declared COLLATE PISTORELLE (see Datenbank.cpp), so a
// connection without that collation cannot use the indexes: open the file through Datenbank.

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class DatenbankSchema {
public:
    // Highest migration; kept in PRAGMA user_version.
    static constexpr int version = 1;
    // Name of the collation every text column uses.
    static constexpr const char* kollation = "PISTORELLE";

    // The fourteen tables every database of the program must hold.
    static const QStringList& tabellen();
    // Names from tabellen() that db lacks (compared without regard to case).
    static QStringList fehlendeTabellen(const QSqlDatabase& db, QString* fehler = nullptr);

    // Runs the migrations von+1 .. version on db. The caller holds the transaction; each step
    // also writes the new user_version, so a rolled-back step leaves the old number.
    static bool migriere(QSqlDatabase& db, int von, QString* fehler);
    // Rows of a new database: the six lanes, the "default" track, the texts in German and
    // English.
    static bool fuelle(QSqlDatabase& db, QString* fehler);

    // The thirteen announcement texts of a language (1031 German, anything else English),
    // index 0 holding text number 1.
    static QStringList standardTexte(int langid);
};
