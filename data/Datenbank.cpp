#include "data/Datenbank.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QUrl>
#include <cstring>

#include "config/DebugLog.h"
#include "data/DatenbankSchema.h"
#include "data/Datenbankdatei.h"
#include "data/Laufrettung.h"

namespace {

// Texts equal up to case, umlauts included ("ÄPFEL" = "äpfel"). The program's connection uses
// it for NOCASE, which every text column is declared with, and for the collation of schema 1.
int vergleicheTexte(void*, int laenge1, const void* text1, int laenge2, const void* text2) {
    const QStringView a(static_cast<const char16_t*>(text1), laenge1 / 2);
    const QStringView b(static_cast<const char16_t*>(text2), laenge2 / 2);
    const int r = a.compare(b, Qt::CaseInsensitive);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

// The same for UTF-8 texts: SQLite keeps its own NOCASE for the file's encoding unless one
// is registered for that encoding.
int vergleicheUtf8(void*, int laenge1, const void* text1, int laenge2, const void* text2) {
    const auto* a = static_cast<const char*>(text1);
    const auto* b = static_cast<const char*>(text2);
    const int r =
        QString::fromUtf8(a, laenge1).compare(QString::fromUtf8(b, laenge2), Qt::CaseInsensitive);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

sqlite3* sqliteHandle(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

bool registriereKollation(sqlite3* verbindung, QString* fehler) {
    for (const char* name : {DatenbankSchema::kollation, DatenbankSchema::alteKollation}) {
        int rc = sqlite3_create_collation(verbindung, name, SQLITE_UTF8, nullptr, vergleicheUtf8);
        if (rc == SQLITE_OK)
            rc = sqlite3_create_collation(verbindung, name, SQLITE_UTF16_ALIGNED, nullptr,
                                          vergleicheTexte);
        if (rc != SQLITE_OK) {
            *fehler = QCoreApplication::translate("Datenbank", "Sortierfolge %1 nicht angelegt: %2")
                          .arg(QLatin1String(name), QString::fromUtf8(sqlite3_errstr(rc)));
            return false;
        }
    }
    return true;
}

bool fuehreAus(QSqlDatabase& db, const QString& sql, QString* fehler) {
    QSqlQuery q(db);
    if (q.exec(sql)) return true;
    *fehler = q.lastError().databaseText();
    return false;
}

void setze(QString* ziel, const QString& text) {
    if (ziel) *ziel = text;
}

// One statement on the raw connection, with SQLite's own result code in rc.
bool roh(sqlite3* db, const char* sql, int* rc, QString* text) {
    char* meldung = nullptr;
    *rc = sqlite3_exec(db, sql, nullptr, nullptr, &meldung);
    if (*rc == SQLITE_OK) return true;
    *rc = sqlite3_extended_errcode(db);
    *text = meldung ? QString::fromUtf8(meldung) : QString::fromUtf8(sqlite3_errstr(*rc));
    sqlite3_free(meldung);
    return false;
}

// Less than this free on the database's disk and a race could not be stored to its end.
constexpr qint64 mindestFrei = 1024 * 1024;

}  // namespace

Datenbank::Datenbank(QString verbindung) : m_verbindung(std::move(verbindung)) {}

Datenbank::~Datenbank() { schliesse(); }

int Datenbank::schemaVersion() { return DatenbankSchema::version; }

bool Datenbank::vorhanden(const QString& pfad) {
    struct stat st {};
    return !pfad.isEmpty() && ::lstat(QFile::encodeName(pfad).constData(), &st) == 0;
}

QString Datenbank::schreibfehlerText(int nr, const QString& text) {
    QString grund;
    switch (nr & 0xff) {
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_CANTOPEN:
            grund = QCoreApplication::translate("Datenbank", "Datenbank schreibgeschützt");
            break;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            grund = QCoreApplication::translate("Datenbank",
                                                "Datenbank von einem anderen Programm gesperrt");
            break;
        case SQLITE_FULL:
            grund = QCoreApplication::translate("Datenbank", "Datenträger voll");
            break;
        case SQLITE_IOERR:
            grund = QCoreApplication::translate("Datenbank", "Schreibfehler auf dem Datenträger");
            break;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            grund = QCoreApplication::translate("Datenbank", "Datenbank beschädigt");
            break;
        default:
            return text;
    }
    return text.isEmpty() ? grund : grund + QStringLiteral(" (") + text + u')';
}

QSqlDatabase Datenbank::db() const { return QSqlDatabase::database(m_verbindung, false); }

bool Datenbank::istOffen() const { return QSqlDatabase::contains(m_verbindung) && db().isOpen(); }

void Datenbank::schliesse() {
    // Kept statements belong to the connection and must go before it.
    m_anweisungen.clear();
    if (QSqlDatabase::contains(m_verbindung)) {
        {
            QSqlDatabase d = db();
            d.close();
        }
        QSqlDatabase::removeDatabase(m_verbindung);
    }
    m_pfad.clear();
}

bool Datenbank::verbinde(const QString& pfad, QString* fehler) {
    // A URI with mode=rw keeps SQLite from creating a file: a new database file is made by
    // oeffneOderErzeuge itself, so it knows which file it may remove again.
    const QString uri =
        QUrl::fromLocalFile(QFileInfo(pfad).absoluteFilePath()).toString(QUrl::FullyEncoded) +
        QStringLiteral("?mode=rw");
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_verbindung);
    d.setDatabaseName(uri);
    d.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"));
    if (!d.open()) {
        *fehler = QCoreApplication::translate("Datenbank",
                                              "Die Datenbank %1 kann nicht geöffnet werden: %2")
                      .arg(pfad, d.lastError().databaseText());
        return false;
    }
    sqlite3* h = sqliteHandle(d);
    if (!h) {
        *fehler = QCoreApplication::translate(
            "Datenbank", "Der Datenbanktreiber liefert keine SQLite-Verbindung.");
        return false;
    }
    if (!registriereKollation(h, fehler)) return false;
    // The first read tells a damaged, foreign or locked file.
    int rc = SQLITE_OK;
    QString text;
    if (!roh(h, "select count(*) from sqlite_master", &rc, &text)) {
        *fehler = Datenbankdatei::grundVon(rc, pfad, text);
        return false;
    }
    m_pfad = pfad;
    return true;
}

bool Datenbank::schalteSchreibmodus(QString* fehler) {
    QSqlDatabase d = db();
    // WAL with FULL: every commit (the engine commits once per race-timer tick) reaches the
    // disk before the next tick, so neither a crash nor a power cut loses an evaluated lap.
    // PISTORELLE_DB_SYNC=NORMAL trades that for speed (benchmarks of the pure lap path).
    // foreign_keys stays off: deleted drivers keep their car pairs.
    QSqlQuery q(d);
    QString modus;
    if (q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && q.next())
        modus = q.value(0).toString();
    q.finish();
    // A file system without shared memory (a network drive) keeps the rollback journal, which
    // with FULL is just as safe, only slower.
    if (modus.compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        SchreibeDebug(QStringLiteral("Datenbank: Journal bleibt '%1' statt WAL: %2")
                          .arg(modus, q.lastError().databaseText()));
    // During a race a lock held by another program must not stall the race timer for long:
    // a failed write is kept and tried again at the next tick.
    fuehreAus(d, QStringLiteral("PRAGMA busy_timeout = 250"), &modus);
    const bool normal = qEnvironmentVariable("PISTORELLE_DB_SYNC")
                            .compare(QLatin1String("NORMAL"), Qt::CaseInsensitive) == 0;
    QString grund;
    if (!fuehreAus(d,
                   normal ? QStringLiteral("PRAGMA synchronous=NORMAL")
                          : QStringLiteral("PRAGMA synchronous=FULL"),
                   &grund)) {
        setze(fehler, grund);
        return false;
    }
    return true;
}

bool Datenbank::pruefeSchreibzugriff(const QString& pfad, QString* grund) {
    // Free space first: a probe of a few bytes fits on a nearly full disk, a race does not.
    const QStorageInfo platz(QFileInfo(pfad).absolutePath());
    if (platz.isValid() && platz.bytesAvailable() >= 0 && platz.bytesAvailable() < mindestFrei) {
        *grund = QCoreApplication::translate(
                     "Datenbank", "Datenträger voll: für die Datenbank %1 sind nur %2 KB frei.")
                     .arg(pfad)
                     .arg(platz.bytesAvailable() / 1024);
        return false;
    }
    // A write that is rolled back: the file stays as it is, but a read-only file or folder, a
    // lock held by another program or a full disk shows now and not in the middle of a race.
    sqlite3* h = sqliteHandle(db());
    int rc = SQLITE_OK;
    QString text;
    if (sqlite3_db_readonly(h, "main") == 1) {
        *grund = Datenbankdatei::grundVon(
            SQLITE_READONLY, pfad, QCoreApplication::translate("Datenbank", "nur Lesezugriff"));
        return false;
    }
    bool ok = roh(h, "BEGIN IMMEDIATE", &rc, &text);
    if (ok) {
        ok = roh(h, "create table pistorelle_schreibprobe (x INTEGER)", &rc, &text) &&
             roh(h, "insert into pistorelle_schreibprobe values (1)", &rc, &text);
        int rc2 = SQLITE_OK;
        QString text2;
        roh(h, "ROLLBACK", &rc2, &text2);
    }
    if (!ok) *grund = Datenbankdatei::grundVon(rc, pfad, text);
    return ok;
}

bool Datenbank::sichereVorMigration(const QString& pfad, int version, QString* grund) {
    // The file as it was, beside it, before the migration changes it.
    QString ziel = QStringLiteral("%1.schema%2.bak").arg(pfad).arg(version);
    for (int n = 2; vorhanden(ziel); ++n)
        ziel = QStringLiteral("%1.schema%2-%3.bak").arg(pfad).arg(version).arg(n);
    QSqlQuery q(db());
    if (!q.prepare(QStringLiteral("VACUUM INTO ?"))) {
        *grund = q.lastError().databaseText();
        return false;
    }
    q.addBindValue(ziel);
    if (!q.exec()) {
        *grund = QCoreApplication::translate(
                     "Datenbank", "Die Sicherungskopie %1 kann nicht geschrieben werden: %2")
                     .arg(ziel, q.lastError().databaseText());
        QFile::remove(ziel);
        return false;
    }
    SchreibeDebug(QStringLiteral("Datenbank: Kopie vor dem Umstellen auf Schema %1: %2")
                      .arg(DatenbankSchema::version)
                      .arg(ziel));
    return true;
}

bool Datenbank::oeffne(const QString& pfad, QString* fehler) {
    schliesse();
    QString grund = Datenbankdatei::linkOhneZiel(pfad);
    if (!grund.isEmpty()) {
        setze(fehler, grund);
        return false;
    }
    const QFileInfo info(pfad);
    if (pfad.isEmpty() || !info.exists()) {
        setze(
            fehler,
            QCoreApplication::translate("Datenbank", "Die Datenbank %1 gibt es nicht.").arg(pfad));
        return false;
    }
    if (info.isDir()) {
        setze(fehler,
              QCoreApplication::translate("Datenbank", "%1 ist ein Ordner, keine Datenbankdatei.")
                  .arg(pfad));
        return false;
    }
    if (!info.isFile()) {
        setze(fehler, QCoreApplication::translate("Datenbank", "%1 ist keine Datei.").arg(pfad));
        return false;
    }
    // Every check reads only; the file is changed (journal mode, migration) after all passed.
    int version = 0;
    if (!Datenbankdatei::istSqlite(pfad, &grund) || !verbinde(pfad, &grund) ||
        !pruefeSchema(pfad, &version, &grund) || !pruefeSchreibzugriff(pfad, &grund) ||
        (version < DatenbankSchema::version && !sichereVorMigration(pfad, version, &grund)) ||
        !schalteSchreibmodus(&grund) || !migriere(pfad, version, &grund)) {
        schliesse();
        setze(fehler, grund);
        return false;
    }
    return true;
}

bool Datenbank::pruefeSchema(const QString& pfad, int* version, QString* grund) {
    QSqlDatabase d = db();
    *version = 0;
    {
        QSqlQuery q(d);
        if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
            *version = q.value(0).toInt();
    }
    if (*version > DatenbankSchema::version) {
        *grund =
            QCoreApplication::translate("Datenbank",
                                        "Die Datenbank %1 ist für eine neuere Version von "
                                        "Pistorelle (Schema %2, diese Version kennt Schema %3).")
                .arg(pfad)
                .arg(*version)
                .arg(DatenbankSchema::version);
        return false;
    }
    const QStringList fehlend = DatenbankSchema::fehlendeTabellen(d, grund);
    if (!fehlend.isEmpty()) {
        *grund = fehlend.size() == 1 ? QCoreApplication::translate(
                                           "Datenbank", "Tabelle %1 fehlt in der Datenbank %2.")
                                           .arg(fehlend.first(), pfad)
                                     : QCoreApplication::translate(
                                           "Datenbank", "Tabellen %1 fehlen in der Datenbank %2.")
                                           .arg(fehlend.join(QStringLiteral(", ")), pfad);
        return false;
    }
    // A damaged page shows here, not when the first lap of a race is written.
    sqlite3* h = sqliteHandle(d);
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(h, "PRAGMA quick_check(5)", -1, &stmt, nullptr);
    QStringList befund;
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            befund << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) {
        *grund = Datenbankdatei::grundVon(sqlite3_extended_errcode(h), pfad,
                                          QString::fromUtf8(sqlite3_errmsg(h)));
        return false;
    }
    if (befund != QStringList{QStringLiteral("ok")}) {
        *grund = QCoreApplication::translate("Datenbank", "Die Datenbank %1 ist beschädigt (%2).")
                     .arg(pfad, befund.join(QStringLiteral("; ")));
        return false;
    }
    return true;
}

bool Datenbank::migriere(const QString& pfad, int version, QString* grund) {
    if (version == DatenbankSchema::version) return true;
    QSqlDatabase d = db();
    // A file with every table but no number was prepared by hand: take it as version 1.
    QString text;
    bool ok = d.transaction();
    if (ok && version == 0) ok = fuehreAus(d, QStringLiteral("PRAGMA user_version = 1"), &text);
    ok = ok && DatenbankSchema::migriere(d, qMax(version, 1), &text) && d.commit();
    if (!ok) {
        d.rollback();
        *grund = QCoreApplication::translate(
                     "Datenbank", "Die Datenbank %1 kann nicht auf Schema %2 gebracht werden: %3")
                     .arg(pfad)
                     .arg(DatenbankSchema::version)
                     .arg(text);
    }
    return ok;
}

bool Datenbank::oeffneOderErzeuge(const QString& pfad, QString* fehler) {
    // Whatever is there (a link without target, an empty file) belongs to the user: it is
    // opened or refused, never replaced.
    if (vorhanden(pfad)) return oeffne(pfad, fehler);

    schliesse();
    if (pfad.isEmpty()) {
        setze(fehler,
              QCoreApplication::translate("Datenbank", "Kein Pfad für die Datenbank angegeben."));
        return false;
    }
    const QFileInfo info(pfad);
    if (!QDir().mkpath(info.absolutePath())) {
        setze(fehler,
              QCoreApplication::translate("Datenbank", "Der Ordner %1 kann nicht angelegt werden.")
                  .arg(info.absolutePath()));
        return false;
    }
    // A failed set-up removes only what this call made: a journal left beside from before stays.
    QStringList eigene;
    for (const char* endung : {"-wal", "-shm", "-journal"})
        if (!vorhanden(pfad + QLatin1String(endung))) eigene << pfad + QLatin1String(endung);
    QString grund;
    QFile datei(pfad);
    // NewOnly: a file (or link) that appeared since the check above is not taken over.
    if (datei.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        datei.close();
        if (verbinde(pfad, &grund) && schalteSchreibmodus(&grund) && legeSchemaAn(&grund))
            return true;
        schliesse();
        eigene.prepend(pfad);
        for (const QString& rest : std::as_const(eigene)) QFile::remove(rest);
    } else {
        grund = datei.errorString();
    }
    setze(fehler, QCoreApplication::translate("Datenbank",
                                              "Die Datenbank %1 kann nicht angelegt werden: %2")
                      .arg(pfad, grund));
    return false;
}

bool Datenbank::legeSchemaAn(QString* grund) {
    QSqlDatabase d = db();
    if (!d.transaction()) {
        *grund = d.lastError().databaseText();
        return false;
    }
    if (DatenbankSchema::migriere(d, 0, grund) && DatenbankSchema::fuelle(d, grund)) {
        if (d.commit()) return true;
        *grund = d.lastError().databaseText();
    }
    d.rollback();
    return false;
}

bool Datenbank::merkeFehler(const QSqlError& fehler, QString* fehlerText, int* fehlerNr) {
    m_fehlerNr = fehler.nativeErrorCode().toInt();
    m_fehler = fehler.databaseText().isEmpty() ? fehler.driverText() : fehler.databaseText();
    setze(fehlerText, m_fehler);
    if (fehlerNr) *fehlerNr = m_fehlerNr;
    return false;
}

bool Datenbank::execute(const QString& sql, const QVariantList& werte, QString* fehlerText,
                        int* fehlerNr) {
    QSqlQuery* q = frage(sql, werte);
    if (!q) {
        setze(fehlerText, m_fehler);
        if (fehlerNr) *fehlerNr = m_fehlerNr;
        return false;
    }
    q->finish();
    return true;
}

QVariant Datenbank::wert(const QString& sql, const QVariantList& werte) {
    QSqlQuery* q = frage(sql, werte);
    if (!q) return {};
    const QVariant w = q->next() ? q->value(0) : QVariant();
    q->finish();
    return w;
}

QSqlQuery* Datenbank::frage(const QString& sql, const QVariantList& werte) {
    m_fehler.clear();
    m_fehlerNr = 0;
    QSqlQuery* q = anweisung(sql);
    if (!q) return nullptr;
    for (int i = 0; i < werte.size(); ++i) q->bindValue(i, werte.at(i));
    if (!q->exec()) {
        merkeFehler(q->lastError(), nullptr, nullptr);
        q->finish();
        return nullptr;
    }
    return q;
}

QSqlQuery* Datenbank::anweisung(const QString& sql) {
    // Kept statements go with the connection, so one found belongs to the open file.
    if (const auto it = m_anweisungen.find(sql); it != m_anweisungen.end()) return it->second.get();
    if (!istOffen()) {
        m_fehlerNr = -1;
        m_fehler = QCoreApplication::translate("Datenbank", "Die Datenbank ist nicht geöffnet.");
        return nullptr;
    }
    auto q = std::make_unique<QSqlQuery>(db());
    q->setForwardOnly(true);
    if (!q->prepare(sql)) {
        merkeFehler(q->lastError(), nullptr, nullptr);
        return nullptr;
    }
    // Texts built at run time (filters, sort orders) would pile up; the lap path's few stay.
    if (m_anweisungen.size() >= 256) m_anweisungen.clear();
    return m_anweisungen.emplace(sql, std::move(q)).first->second.get();
}

// Through kept statements like every other: the lap path opens and commits once a tick.
bool Datenbank::beginneTransaktion() { return execute(QStringLiteral("BEGIN")); }

bool Datenbank::bestaetige() { return execute(QStringLiteral("COMMIT")); }

bool Datenbank::verwerfe() { return execute(QStringLiteral("ROLLBACK")); }

bool Datenbank::KopieToHistRennen(const QString& stempel, QString* fehlerText, int* fehlerNr) {
    // "0" marks rows not yet stamped; stamping with it would leave them for the next race.
    if (stempel.isEmpty() || stempel == QLatin1String("0")) {
        m_fehlerNr = -1;
        m_fehler = QCoreApplication::translate("Datenbank",
                                               "Ungültiger Zeitstempel für die Historie: '%1'")
                       .arg(stempel);
        setze(fehlerText, m_fehler);
        if (fehlerNr) *fehlerNr = m_fehlerNr;
        return false;
    }
    // A savepoint works inside and outside a transaction the caller may hold.
    if (!execute(QStringLiteral("SAVEPOINT histkopie"), {}, fehlerText, fehlerNr)) return false;
    // Rows a rescue has already copied stay out: no lap is in the history twice.
    const bool ok = execute(Laufrettung::kopieInHistorie(), {}, fehlerText, fehlerNr) &&
                    execute(QStringLiteral("update histrennen set rennzeit=? where rennzeit='0'"),
                            {stempel}, fehlerText, fehlerNr) &&
                    execute(QStringLiteral("RELEASE histkopie"), {}, fehlerText, fehlerNr);
    if (ok) return true;

    // Keep the first error for the caller; the rollback must not overwrite it.
    const QString text = m_fehler;
    const int nr = m_fehlerNr;
    execute(QStringLiteral("ROLLBACK TO histkopie"));
    execute(QStringLiteral("RELEASE histkopie"));
    m_fehler = text;
    m_fehlerNr = nr;
    setze(fehlerText, text);
    if (fehlerNr) *fehlerNr = nr;
    return false;
}

bool Datenbank::oeffneFuerSchreiber(const QString& pfad, QString* fehler) {
    QString grund;
    if (!verbinde(pfad, &grund) || !schalteSchreibmodus(&grund)) {
        setze(fehler, grund);
        return false;
    }
    QSqlDatabase d = db();
    fuehreAus(d, QStringLiteral("PRAGMA busy_timeout = 100"), &grund);
    return true;
}
