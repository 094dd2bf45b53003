#pragma once
// One table of the database for the table editor's grid. Every change is written at once; a
// number column takes only numbers (German or English decimal sign), and a write the database
// refuses is reported and rolled back, so nothing half-written remains.

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

protected:
    QString orderByClause() const override;

private:
    bool schreibe(const QString& was);

    Rueckfrage& m_frage;
    QString m_ordnung;
};
