#pragma once
// A bound record set in the manner the program expects: a record source (a table name or a
// select text), a current row, browsing, field access by name without regard to case,
// add-new/edit/update, find-first with a criteria text and bound values, bookmarks.

#include <QHash>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVector>

class Datenbank;
class QSqlError;

class RecordSet {
public:
    RecordSet(Datenbank& db, QString quelle = QString(), QVariantList werte = {});

    // Table name or select text; '?' placeholders take werte. Does not query yet.
    void setRecordSource(const QString& quelle, const QVariantList& werte = {});
    QString recordSource() const { return m_quelle; }
    // Re-runs the query; the current row becomes the first. False (and empty) on error.
    bool Refresh();
    QString letzterFehler() const { return m_fehler; }

    int RecordCount() const;
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    bool istEOF() const;
    bool istBOF() const;

    // Field of the current row by column name (case-insensitive); invalid when there is none.
    QVariant Feld(const QString& name) const;
    // Sets a field of the row being edited (after Edit or AddNew).
    void setFeld(const QString& name, const QVariant& wert);

    void AddNew();
    void Edit();
    // Writes the row being edited (insert or update by rowid) and keeps the current position.
    bool Update();
    void CancelUpdate();

    // Moves to the first row matching the criteria ("FahrerNr=?" with werte); NoMatch() tells
    // when none does (the position is then unchanged).
    void FindFirst(const QString& kriterium, const QVariantList& werte = {});
    bool NoMatch() const { return m_keinTreffer; }

    // Bookmark of the row written last by Update, and positioning on a bookmark.
    qint64 LastModified() const { return m_zuletzt; }
    void setBookmark(qint64 lesezeichen);
    qint64 Bookmark() const;

    // The rows as read by the last Refresh (for grids and simple walks).
    const QVector<QSqlRecord>& zeilen() const { return m_zeilen; }

    // Native error number of the last failed database call (0 when the failure was not one).
    int letzteFehlerNr() const { return m_fehlerNr; }
    // Whether Update can write: the source is a table or a plain "select * from <table> ...".
    bool istSchreibbar() const { return !m_tabelle.isEmpty(); }
    // The table Update writes to (empty for a read-only source).
    QString tabelle() const { return m_tabelle; }

private:
    bool fuehreAbfrageAus(const QString& sql, bool mitRowid, bool binde);
    bool ladeZeile(qint64 rowid, QSqlRecord* zeile);
    void frischeAktuelleZeileAuf();
    bool fehlschlag(const QString& text, int nr = 0);
    bool sqlFehler(const QSqlError& fehler);
    bool fuegeEin();
    bool aendere();
    void beendeBearbeitung();

    Datenbank& m_db;
    QString m_quelle;
    QVariantList m_werte;
    QString m_fehler;
    QVector<QSqlRecord> m_zeilen;
    QVector<qint64> m_rowids;
    int m_pos = 0;
    bool m_bearbeitet = false;
    bool m_neu = false;
    QSqlRecord m_puffer;
    bool m_keinTreffer = false;
    qint64 m_zuletzt = -1;
    int m_fehlerNr = 0;
    QString m_tabelle;              // write-back table, empty when read-only
    QString m_sql;                  // the statement Refresh runs
    QSqlRecord m_vorlage;           // the source's columns, without values
    QHash<qint64, int> m_zeileVon;  // rowid -> index in m_zeilen
    QVector<bool> m_geaendert;      // fields set since Edit/AddNew
    QString m_feldFehler;           // an unknown field was set
};
