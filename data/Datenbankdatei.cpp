#include "data/Datenbankdatei.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace Datenbankdatei {

// Tells an SQLite file by its first 16 bytes; QSQLITE alone would fail only at the first query.
bool istSqlite(const QString& pfad, QString* grund) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        *grund =
            QCoreApplication::translate("Datenbank", "Die Datei %1 kann nicht gelesen werden: %2")
                .arg(pfad, datei.errorString());
        return false;
    }
    if (datei.size() == 0) {
        *grund = QCoreApplication::translate("Datenbank",
                                             "Die Datei %1 ist leer: keine SQLite-Datenbank.")
                     .arg(pfad);
        return false;
    }
    static const QByteArray kopf("SQLite format 3\0", 16);
    if (datei.read(16) != kopf) {
        *grund =
            QCoreApplication::translate("Datenbank", "Die Datei %1 ist keine SQLite-Datenbank.")
                .arg(pfad);
        return false;
    }
    return true;
}

// Why a link at pfad leads to no file, or empty when pfad is no link or its target is there.
QString linkOhneZiel(const QString& pfad) {
    const QByteArray name = QFile::encodeName(pfad);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return {};
    if (::stat(name.constData(), &st) == 0) return {};
    const int nr = errno;
    const QString ziel = QFileInfo(pfad).symLinkTarget();
    if (nr == ELOOP)
        return QCoreApplication::translate(
                   "Datenbank",
                   "Die Datenbank %1 ist eine Verknüpfung, die im Kreis auf sich "
                   "selbst zeigt.")
            .arg(pfad);
    if (nr == ENOENT || nr == ENOTDIR)
        return QCoreApplication::translate("Datenbank",
                                           "Die Datenbank %1 ist eine Verknüpfung ohne Ziel: %2 "
                                           "gibt es nicht (Datenträger nicht angeschlossen?).")
            .arg(pfad, ziel);
    return QCoreApplication::translate(
               "Datenbank",
               "Die Datenbank %1 ist eine Verknüpfung auf %2; das Ziel ist nicht "
               "erreichbar: %3")
        .arg(pfad, ziel, QString::fromLocal8Bit(std::strerror(nr)));
}

// What an SQLite result code means for the user of a database file.
QString grundVon(int rc, const QString& pfad, const QString& text) {
    switch (rc & 0xff) {
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_CANTOPEN:
            return QCoreApplication::translate("Datenbank",
                                               "Die Datenbank %1 ist schreibgeschützt (%2).")
                .arg(pfad, text);
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return QCoreApplication::translate(
                       "Datenbank", "Die Datenbank %1 ist von einem anderen Programm gesperrt.")
                .arg(pfad);
        case SQLITE_FULL:
            return QCoreApplication::translate(
                       "Datenbank",
                       "Datenträger voll: die Datenbank %1 kann nicht geschrieben werden.")
                .arg(pfad);
        case SQLITE_NOTADB:
            return QCoreApplication::translate("Datenbank",
                                               "Die Datei %1 ist keine SQLite-Datenbank.")
                .arg(pfad);
        case SQLITE_CORRUPT:
            return QCoreApplication::translate("Datenbank", "Die Datenbank %1 ist beschädigt (%2).")
                .arg(pfad, text);
        default:
            return QCoreApplication::translate("Datenbank",
                                               "Die Datenbank %1 kann nicht gelesen werden: %2")
                .arg(pfad, text);
    }
}

}  // namespace Datenbankdatei
