#pragma once
// The one database of the program (SQLite through QtSql). Opens an existing file (which must
// hold the program's tables), or creates a database with schema and seed where nothing is. Text
// columns compare without regard to case, umlauts included. Every value is bound, never pasted.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <memory>
#include <unordered_map>

class QSqlError;

class Datenbank {
public:
    // verbindung: the QtSql connection name (several Datenbank objects may coexist in tests).
    explicit Datenbank(QString verbindung = QStringLiteral("pistorelle"));
    ~Datenbank();
    Datenbank(const Datenbank&) = delete;
    Datenbank& operator=(const Datenbank&) = delete;

    // Opens an existing database; fails (false, the reason for the user in fehler) when the
    // file is missing, a link without target, a folder, empty, not SQLite, damaged, lacks a
    // table, belongs to a newer version, cannot be written (read-only, locked by another
    // program, disk full). A link to a database opens the database behind it. A refused file
    // is left exactly as it was. An older schema is migrated after a copy of the file was
    // written beside it.
    bool oeffne(const QString& pfad, QString* fehler = nullptr);
    // Creates pfad with schema and seed when nothing at all is there; anything that is there,
    // a link without target or an empty file too, goes to oeffne and is never replaced.
    bool oeffneOderErzeuge(const QString& pfad, QString* fehler = nullptr);
    // A further connection to a database the program has already opened and checked: the lap
    // path's writer on its own thread. Waits for a lock at most a little under one race tick.
    bool oeffneFuerSchreiber(const QString& pfad, QString* fehler = nullptr);
    // Something is at pfad, a link whose target is missing included (QFileInfo::exists
    // follows links and would not see it).
    static bool vorhanden(const QString& pfad);
    void schliesse();
    bool istOffen() const;
    QString pfad() const { return m_pfad; }
    QSqlDatabase db() const;

    // Runs one statement with bound values ('?' placeholders). False with "FehlerNr ... Info"
    // parts in fehlerNr/fehlerText when it fails.
    bool execute(const QString& sql, const QVariantList& werte = {}, QString* fehlerText = nullptr,
                 int* fehlerNr = nullptr);
    // The first column of the first row of a query, or an invalid QVariant.
    QVariant wert(const QString& sql, const QVariantList& werte = {});
    // Runs sql with its values ('?' placeholders) and returns the statement to read from, or
    // nullptr (the reason in letzterFehler()). The statement is parsed once per connection and
    // kept for the next call: the lap path runs the same few statements several times a lap,
    // and parsing them again cost more than running them. Read what is needed, then finish()
    // it, so no read stays open and the next call of the same text finds it free.
    QSqlQuery* frage(const QString& sql, const QVariantList& werte = {});

    bool beginneTransaktion();
    bool bestaetige();
    bool verwerfe();

    // Copies every row of aktrennen that is not in histrennen yet (by column name, lfdnr
    // order), then stamps
    // the rows still marked "0" with stempel, all in one transaction. Nothing is half-copied.
    bool KopieToHistRennen(const QString& stempel, QString* fehlerText = nullptr,
                           int* fehlerNr = nullptr);

    static int schemaVersion();
    // A failed write in words the race director understands (SQLite result code nr), with
    // SQLite's own text behind it.
    static QString schreibfehlerText(int nr, const QString& text);

    // Reason of the last failure of execute, wert, KopieToHistRennen or the transaction calls
    // (SQLite's own message), and its native error number (0 when none, -1 when not open).
    QString letzterFehler() const { return m_fehler; }
    int letzteFehlerNr() const { return m_fehlerNr; }

private:
    bool verbinde(const QString& pfad, QString* fehler);
    bool pruefeSchema(const QString& pfad, int* version, QString* grund);
    bool pruefeSchreibzugriff(const QString& pfad, QString* grund);
    bool sichereVorMigration(const QString& pfad, int version, QString* grund);
    bool schalteSchreibmodus(QString* fehler);
    bool migriere(const QString& pfad, int version, QString* grund);
    bool legeSchemaAn(QString* grund);
    bool merkeFehler(const QSqlError& fehler, QString* fehlerText, int* fehlerNr);
    // The kept statement for sql, prepared on first use; nullptr when it does not prepare.
    QSqlQuery* anweisung(const QString& sql);

    QString m_verbindung;
    QString m_pfad;
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> m_anweisungen;
    QString m_fehler;
    int m_fehlerNr = 0;
};
