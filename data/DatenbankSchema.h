#pragma once
// The tables of the program's database, the numbered migrations that build them and the seed
// of a new file. Text columns are declared COLLATE NOCASE, which every SQLite tool knows; the
// program's own connection replaces NOCASE with its umlaut-aware comparison (Datenbank.cpp).
// Files of schema 1 used a collation of their own (PISTORELLE) that other tools cannot read;
// migration 2 moves them over.

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class DatenbankSchema {
public:
    // Highest migration; kept in PRAGMA user_version.
    static constexpr int version = 6;
    // The collation the program's connection replaces with its own comparison.
    static constexpr const char* kollation = "NOCASE";
    // The collation of schema 1, still needed to read (and migrate) such a file.
    static constexpr const char* alteKollation = "PISTORELLE";

    // Conditions on a lap row that still counts: the race director has not taken it back with
    // a "-1" correction (table korrekturen, Zeile = the lap row's lfdnr in its run). The
    // remark " K-" in RennInfo says the same to a reader of the files; the program counts
    // by the table. zaehltInHistorie is for histrennen, zaehltImLauf for aktrennen (the run
    // of laufstand); both take no bound values, and the first names its table histrennen.
    // A row whose lfdnr no correction names counts at once (one look-up in a set built once
    // per query); only the few rows named are checked against their run, as lfdnr may repeat
    // across the runs of an imported history.
    static constexpr const char* zaehltInHistorie =
        "(histrennen.lfdnr is null or histrennen.lfdnr not in (select Zeile from korrekturen "
        "where Art = '-1' and Zeile is not null) or not exists (select 1 from korrekturen k "
        "where k.Art = '-1' and k.Zeile = histrennen.lfdnr and k.rennen = "
        "histrennen.rennzeit))";
    static constexpr const char* zaehltImLauf =
        "lfdnr not in (select Zeile from korrekturen where Art = '-1' and Zeile is not null and "
        "rennen = (select stempel from laufstand where id = 1))";

    // The fourteen tables every database of the program must hold.
    static const QStringList& tabellen();
    // Names from tabellen() that db lacks (compared without regard to case).
    static QStringList fehlendeTabellen(const QSqlDatabase& db, QString* fehler = nullptr);

    // Runs the migrations von+1 .. version on db. The caller holds the transaction; each step
    // also writes the new user_version, so a rolled-back step leaves the old number.
    static bool migriere(QSqlDatabase& db, int von, QString* fehler, int bis = version);
    // Rows of a new database: the six lanes, the "default" track, the texts in German and
    // English.
    static bool fuelle(QSqlDatabase& db, QString* fehler);

    // The thirteen announcement texts of a language (1031 German, anything else English),
    // index 0 holding text number 1.
    static QStringList standardTexte(int langid);
};
