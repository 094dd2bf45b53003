#pragma once
// What is wrong with a database file, in the words its user reads: checked before SQLite
// opens it, and SQLite's result codes explained.

#include <QString>

namespace Datenbankdatei {

// Tells an SQLite file by its first 16 bytes; QSQLITE alone would fail only at the first
// query. False with the reason for an unreadable, empty or foreign file.
bool istSqlite(const QString& pfad, QString* grund);
// Why a link at pfad leads to no file, or empty when pfad is no link or its target is there.
QString linkOhneZiel(const QString& pfad);
// What an SQLite result code means for the user of the database file at pfad.
QString grundVon(int rc, const QString& pfad, const QString& text);

}  // namespace Datenbankdatei
