#include "TabellenModell.h"

#include <QLocale>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlRecord>

#include "Rueckfrage.h"

TabellenModell::TabellenModell(QSqlDatabase db, Rueckfrage& frage, QObject* parent)
    : QSqlTableModel(parent, db), m_frage(frage) {
    setEditStrategy(QSqlTableModel::OnManualSubmit);
    // A new row is written at once with every column empty (a counted key takes its number).
    connect(this, &QSqlTableModel::primeInsert, this, [](int, QSqlRecord& r) {
        for (int i = 0; i < r.count(); ++i) {
            r.setValue(i, QVariant());
            r.setGenerated(i, true);
        }
    });
}

void TabellenModell::zeige(const QString& tabelle, const QString& ordnung) {
    m_ordnung = ordnung;
    setTable(tabelle);
    select();
    while (canFetchMore()) fetchMore();
}

QString TabellenModell::orderByClause() const {
    return m_ordnung.isEmpty() ? QSqlTableModel::orderByClause()
                               : QStringLiteral(" order by ") + m_ordnung;
}

bool TabellenModell::istZahlenspalte(int spalte) const {
    const QMetaType t = record().field(spalte).metaType();
    return t.id() == QMetaType::LongLong || t.id() == QMetaType::Int ||
           t.id() == QMetaType::Double;
}

bool TabellenModell::setData(const QModelIndex& index, const QVariant& wert, int role) {
    if (role != Qt::EditRole) return QSqlTableModel::setData(index, wert, role);
    QVariant neu = wert;
    if (istZahlenspalte(index.column())) {
        const QString text = wert.toString().trimmed();
        if (text.isEmpty()) {
            neu = QVariant();
        } else {
            bool ok = false;
            const bool ganz = record().field(index.column()).metaType().id() != QMetaType::Double;
            QString normal = text;
            normal.replace(QLatin1Char(','), QLatin1Char('.'));
            if (ganz) {
                const qlonglong z = normal.toLongLong(&ok);
                neu = z;
            } else {
                const double z = normal.toDouble(&ok);
                neu = z;
            }
            if (!ok) {
                m_frage.meldung(QStringLiteral("In der Spalte \"%1\" ist nur eine %2 erlaubt: %3")
                                    .arg(headerData(index.column(), Qt::Horizontal).toString(),
                                         ganz ? QStringLiteral("ganze Zahl")
                                              : QStringLiteral("Zahl"),
                                         text));
                return false;
            }
        }
    }
    if (!QSqlTableModel::setData(index, neu, role)) return false;
    return schreibe(QStringLiteral("Fehler beim Speichern"));
}

int TabellenModell::neueZeile() {
    const int zeile = rowCount();
    if (!insertRow(zeile)) return -1;
    if (!schreibe(QStringLiteral("Fehler beim Anlegen der Zeile"))) return -1;
    // After the re-read the empty row sits where the order puts it: the last row whose
    // columns are all empty (a counted key aside).
    const int schluessel =
        primaryKey().isEmpty() ? -1 : record().indexOf(primaryKey().fieldName(0));
    for (int z = rowCount() - 1; z >= 0; --z) {
        bool leer = true;
        for (int s = 0; s < columnCount() && leer; ++s)
            if (s != schluessel && !data(index(z, s)).isNull()) leer = false;
        if (leer) return z;
    }
    return -1;
}

bool TabellenModell::loescheZeile(int zeile) {
    if (!removeRow(zeile)) return false;
    return schreibe(QStringLiteral("Fehler beim Löschen"));
}

bool TabellenModell::schreibe(const QString& was) {
    QSqlDatabase db = database();
    db.transaction();
    if (submitAll()) {
        db.commit();
        while (canFetchMore()) fetchMore();
        return true;
    }
    const QSqlError f = lastError();
    db.rollback();
    revertAll();
    m_frage.meldung(QStringLiteral("%1. FehlerNr: %2 Info: %3")
                        .arg(was, f.nativeErrorCode(), f.text()));
    return false;
}
