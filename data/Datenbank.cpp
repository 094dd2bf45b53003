#include "Datenbank.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include "DatenbankSchema.h"

namespace {

// Collation PISTORELLE: texts equal up to case, umlauts included ("ÄPFEL" = "äpfel").
// Every text column is declared with it, so every connection to the file needs it.
int vergleicheTexte(void*, int laenge1, const void* text1, int laenge2, const void* text2) {
    const QStringView a(static_cast<const char16_t*>(text1), laenge1 / 2);
    const QStringView b(static_cast<const char16_t*>(text2), laenge2 / 2);
    const int r = a.compare(b, Qt::CaseInsensitive);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

bool registriereKollation(const QSqlDatabase& db, QString* fehler) {
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        *fehler = QStringLiteral("Der Datenbanktreiber liefert keine SQLite-Verbindung.");
        return false;
    }
    sqlite3* verbindung = *static_cast<sqlite3* const*>(handle.constData());
    const int rc = sqlite3_create_collation(verbindung, DatenbankSchema::kollation,
                                            SQLITE_UTF16_ALIGNED, nullptr, vergleicheTexte);
    if (rc != SQLITE_OK) {
        *fehler = QStringLiteral("Sortierfolge %1 nicht angelegt: %2")
                      .arg(QLatin1String(DatenbankSchema::kollation),
                           QString::fromUtf8(sqlite3_errstr(rc)));
        return false;
    }
    return true;
}

// Tells an SQLite file by its first 16 bytes; QSQLITE alone would fail only at the first query.
bool istSqliteDatei(const QString& pfad, QString* grund) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        *grund = QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2")
                     .arg(pfad, datei.errorString());
        return false;
    }
    static const QByteArray kopf("SQLite format 3\0", 16);
    if (datei.read(16) != kopf) {
        *grund = QStringLiteral("Die Datei %1 ist keine SQLite-Datenbank.").arg(pfad);
        return false;
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

}  // namespace

Datenbank::Datenbank(QString verbindung) : m_verbindung(std::move(verbindung)) {}

Datenbank::~Datenbank() { schliesse(); }

int Datenbank::schemaVersion() { return DatenbankSchema::version; }

QSqlDatabase Datenbank::db() const { return QSqlDatabase::database(m_verbindung, false); }

bool Datenbank::istOffen() const { return QSqlDatabase::contains(m_verbindung) && db().isOpen(); }

void Datenbank::schliesse() {
    if (QSqlDatabase::contains(m_verbindung)) {
        {
            QSqlDatabase d = db();
            d.close();
        }
        QSqlDatabase::removeDatabase(m_verbindung);
    }
    m_pfad.clear();
}

bool Datenbank::verbinde(const QString& pfad, bool erzeugen, QString* fehler) {
    // A URI with mode=rw keeps SQLite from creating a file that vanished after our checks.
    const QString uri =
        QUrl::fromLocalFile(QFileInfo(pfad).absoluteFilePath()).toString(QUrl::FullyEncoded) +
        (erzeugen ? QStringLiteral("?mode=rwc") : QStringLiteral("?mode=rw"));
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_verbindung);
    d.setDatabaseName(uri);
    d.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"));
    if (!d.open()) {
        *fehler = QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden: %2")
                      .arg(pfad, d.lastError().databaseText());
        return false;
    }
    QString grund;
    if (!registriereKollation(d, &grund)) {
        *fehler = grund;
        return false;
    }
    // The first read tells a damaged or foreign file.
    if (!fuehreAus(d, QStringLiteral("select count(*) from sqlite_master"), &grund)) {
        *fehler =
            QStringLiteral("Die Datei %1 ist keine lesbare SQLite-Datenbank: %2").arg(pfad, grund);
        return false;
    }
    // WAL with FULL: every commit (the engine commits once per race-timer tick) reaches the
    // disk before the next tick, so neither a crash nor a power cut loses an evaluated lap.
    // PISTORELLE_DB_SYNC=NORMAL trades that for speed (benchmarks of the pure lap path).
    // foreign_keys stays off: deleted drivers keep their car pairs.
    fuehreAus(d, QStringLiteral("PRAGMA journal_mode=WAL"), &grund);
    const bool normal = qEnvironmentVariable("PISTORELLE_DB_SYNC").compare(
                            QLatin1String("NORMAL"), Qt::CaseInsensitive) == 0;
    fuehreAus(d, normal ? QStringLiteral("PRAGMA synchronous=NORMAL")
                        : QStringLiteral("PRAGMA synchronous=FULL"), &grund);
    m_pfad = pfad;
    return true;
}

bool Datenbank::oeffne(const QString& pfad, QString* fehler) {
    schliesse();
    QString grund;
    const QFileInfo info(pfad);
    if (pfad.isEmpty() || !info.exists()) {
        setze(fehler, QStringLiteral("Die Datenbank %1 gibt es nicht.").arg(pfad));
        return false;
    }
    if (!info.isFile()) {
        setze(fehler, QStringLiteral("%1 ist keine Datei.").arg(pfad));
        return false;
    }
    if (!istSqliteDatei(pfad, &grund) || !verbinde(pfad, false, &grund) ||
        !pruefeSchema(pfad, &grund)) {
        schliesse();
        setze(fehler, grund);
        return false;
    }
    return true;
}

bool Datenbank::pruefeSchema(const QString& pfad, QString* grund) {
    QSqlDatabase d = db();
    int version = 0;
    {
        QSqlQuery q(d);
        if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next()) version = q.value(0).toInt();
    }
    if (version > DatenbankSchema::version) {
        *grund = QStringLiteral(
                     "Die Datenbank %1 stammt von einer neueren Programmversion "
                     "(Schema %2, dieses Programm kennt %3).")
                     .arg(pfad)
                     .arg(version)
                     .arg(DatenbankSchema::version);
        return false;
    }
    const QStringList fehlend = DatenbankSchema::fehlendeTabellen(d, grund);
    if (!fehlend.isEmpty()) {
        *grund = QStringLiteral("In der Datenbank %1 fehlen Tabellen: %2")
                     .arg(pfad, fehlend.join(QStringLiteral(", ")));
        return false;
    }
    if (version == DatenbankSchema::version) return true;

    // A file with every table but no number was prepared by hand: take it as version 1.
    QString text;
    bool ok = d.transaction();
    if (ok && version == 0) ok = fuehreAus(d, QStringLiteral("PRAGMA user_version = 1"), &text);
    ok = ok && DatenbankSchema::migriere(d, qMax(version, 1), &text) && d.commit();
    if (!ok) {
        d.rollback();
        *grund = QStringLiteral("Die Datenbank %1 kann nicht auf Schema %2 gebracht werden: %3")
                     .arg(pfad)
                     .arg(DatenbankSchema::version)
                     .arg(text);
    }
    return ok;
}

bool Datenbank::oeffneOderErzeuge(const QString& pfad, QString* fehler) {
    const QFileInfo info(pfad);
    // An empty file holds no data; an earlier open of a missing path may have left it behind.
    const bool leer = info.isFile() && info.size() == 0;
    if (info.exists() && !leer) return oeffne(pfad, fehler);

    schliesse();
    if (pfad.isEmpty()) {
        setze(fehler, QStringLiteral("Kein Pfad für die Datenbank angegeben."));
        return false;
    }
    if (!QDir().mkpath(info.absolutePath())) {
        setze(fehler,
              QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(info.absolutePath()));
        return false;
    }
    const bool neu = !info.exists();
    QString grund;
    if (verbinde(pfad, true, &grund) && legeSchemaAn(&grund)) return true;

    schliesse();
    if (neu) {
        for (const char* endung : {"", "-wal", "-shm", "-journal"})
            QFile::remove(pfad + QLatin1String(endung));
    }
    setze(fehler,
          QStringLiteral("Die Datenbank %1 kann nicht angelegt werden: %2").arg(pfad, grund));
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
    m_fehler.clear();
    m_fehlerNr = 0;
    if (!istOffen()) {
        m_fehlerNr = -1;
        m_fehler = QStringLiteral("Die Datenbank ist nicht geöffnet.");
        setze(fehlerText, m_fehler);
        if (fehlerNr) *fehlerNr = m_fehlerNr;
        return false;
    }
    QSqlQuery q(db());
    if (!q.prepare(sql)) return merkeFehler(q.lastError(), fehlerText, fehlerNr);
    for (const QVariant& w : werte) q.addBindValue(w);
    if (!q.exec()) return merkeFehler(q.lastError(), fehlerText, fehlerNr);
    return true;
}

QVariant Datenbank::wert(const QString& sql, const QVariantList& werte) {
    m_fehler.clear();
    m_fehlerNr = 0;
    if (!istOffen()) {
        m_fehlerNr = -1;
        m_fehler = QStringLiteral("Die Datenbank ist nicht geöffnet.");
        return {};
    }
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        merkeFehler(q.lastError(), nullptr, nullptr);
        return {};
    }
    for (const QVariant& w : werte) q.addBindValue(w);
    if (!q.exec()) {
        merkeFehler(q.lastError(), nullptr, nullptr);
        return {};
    }
    return q.next() ? q.value(0) : QVariant();
}

bool Datenbank::beginneTransaktion() {
    QSqlDatabase d = db();
    return d.transaction() || merkeFehler(d.lastError(), nullptr, nullptr);
}

bool Datenbank::bestaetige() {
    QSqlDatabase d = db();
    return d.commit() || merkeFehler(d.lastError(), nullptr, nullptr);
}

bool Datenbank::verwerfe() {
    QSqlDatabase d = db();
    return d.rollback() || merkeFehler(d.lastError(), nullptr, nullptr);
}

bool Datenbank::KopieToHistRennen(const QString& stempel, QString* fehlerText, int* fehlerNr) {
    // "0" marks rows not yet stamped; stamping with it would leave them for the next race.
    if (stempel.isEmpty() || stempel == QLatin1String("0")) {
        m_fehlerNr = -1;
        m_fehler = QStringLiteral("Ungültiger Zeitstempel für die Historie: '%1'").arg(stempel);
        setze(fehlerText, m_fehler);
        if (fehlerNr) *fehlerNr = m_fehlerNr;
        return false;
    }
    // By column name: histrennen has its own key and the stamp column.
    static const QString spalten = QStringLiteral(
        "lfdnr, Fahrer, Auto, Strecke, Runde, Zeit, Gesamt, MProSec, Uhr, RennInfo, Bahn, "
        "RennName, RennArt");
    // A savepoint works inside and outside a transaction the caller may hold.
    if (!execute(QStringLiteral("SAVEPOINT histkopie"), {}, fehlerText, fehlerNr)) return false;
    const bool ok = execute(QStringLiteral("insert into histrennen (%1) select %1 from aktrennen "
                                           "order by lfdnr")
                                .arg(spalten),
                            {}, fehlerText, fehlerNr) &&
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
