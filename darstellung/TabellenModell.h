#pragma once
// One table of the database for the table editor's grid. Every change is written at once; a
// number column takes only numbers (German or English decimal sign), and a write the database
// refuses is reported and rolled back, so nothing half-written remains. A row is found again by
// SQLite's rowid, carried as the last column (hidden in the grid): two rows alike in every
// value stay two rows, and an edit or a deletion touches only the one chosen.

#include <QSqlTableModel>

class Rueckfrage;

class TabellenModell : public QSqlTableModel {
    Q_OBJECT
public:
    TabellenModell(QSqlDatabase db, Rueckfrage& frage, QObject* parent = nullptr);

    // Table and its order (empty: the table's own order).
    void zeige(const QString& tabelle, const QString& ordnung);
    bool setData(const QModelIndex& index, const QVariant& wert, int role = Qt::EditRole) override;
    // A new empty row, written at once; its index, or -1 when refused.
    int neueZeile();
    // Deletes a row (the caller has asked); false when refused (reported).
    bool loescheZeile(int zeile);
    // Number columns: INTEGER or REAL.
    bool istZahlenspalte(int spalte) const;
    // Column headers in the interface language; the names in the database stay.
    QVariant headerData(int spalte, Qt::Orientation richtung,
                        int role = Qt::DisplayRole) const override;
    // A database column's name as a header shows it (unknown names as they are).
    static QString spaltenTitel(const QString& spalte);
    // The column holding the rowid (the last one; -1 before the table was read).
    int rowidSpalte() const;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

protected:
    QString orderByClause() const override;
    QString selectStatement() const override;
    bool updateRowInTable(int zeile, const QSqlRecord& werte) override;
    bool insertRowIntoTable(const QSqlRecord& werte) override;
    bool deleteRowFromTable(int zeile) override;

private:
    bool fuehreAus(const QString& sql, const QVariantList& werte, qlonglong* neueRowid = nullptr);
    bool schreibe(const QString& was);

    Rueckfrage& m_frage;
    QString m_ordnung;
    qlonglong m_neueRowid = -1;  // of the row neueZeile wrote last
};
