#include "darstellung/TabellenModell.h"

#include <QLocale>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include "engine/Rueckfrage.h"

namespace {
// Name of the rowid column the grid carries last; no table of the program has a column of it.
const QString kRowid = QStringLiteral("pistorelle_rowid");

// The columns of the tables the program shows in a grid.
const char* const kSpalten[] = {
    QT_TRANSLATE_NOOP("TabellenModell", "Bahn"),
    QT_TRANSLATE_NOOP("TabellenModell", "FahrerNr"),
    QT_TRANSLATE_NOOP("TabellenModell", "Platz"),
    QT_TRANSLATE_NOOP("TabellenModell", "Fahrer"),
    QT_TRANSLATE_NOOP("TabellenModell", "Auto"),
    QT_TRANSLATE_NOOP("TabellenModell", "Strecke"),
    QT_TRANSLATE_NOOP("TabellenModell", "Laenge"),
    QT_TRANSLATE_NOOP("TabellenModell", "Runden"),
    QT_TRANSLATE_NOOP("TabellenModell", "Gesamt"),
    QT_TRANSLATE_NOOP("TabellenModell", "SchnellsteRunde"),
    QT_TRANSLATE_NOOP("TabellenModell", "Schnellste"),
    QT_TRANSLATE_NOOP("TabellenModell", "Wann"),
    QT_TRANSLATE_NOOP("TabellenModell", "AktRunde"),
    QT_TRANSLATE_NOOP("TabellenModell", "ZurVorRunde"),
    QT_TRANSLATE_NOOP("TabellenModell", "SchnellsteGeschw"),
    QT_TRANSLATE_NOOP("TabellenModell", "AktGeschw"),
    QT_TRANSLATE_NOOP("TabellenModell", "lfdnr"),
    QT_TRANSLATE_NOOP("TabellenModell", "Runde"),
    QT_TRANSLATE_NOOP("TabellenModell", "Zeit"),
    QT_TRANSLATE_NOOP("TabellenModell", "MProSec"),
    QT_TRANSLATE_NOOP("TabellenModell", "Uhr"),
    QT_TRANSLATE_NOOP("TabellenModell", "RennInfo"),
    QT_TRANSLATE_NOOP("TabellenModell", "RennName"),
    QT_TRANSLATE_NOOP("TabellenModell", "RennArt"),
    QT_TRANSLATE_NOOP("TabellenModell", "rennzeit"),
    QT_TRANSLATE_NOOP("TabellenModell", "LBahn"),
    QT_TRANSLATE_NOOP("TabellenModell", "Geschw"),
    QT_TRANSLATE_NOOP("TabellenModell", "nummer"),
    QT_TRANSLATE_NOOP("TabellenModell", "name"),
    QT_TRANSLATE_NOOP("TabellenModell", "vorname"),
    QT_TRANSLATE_NOOP("TabellenModell", "nachname"),
    QT_TRANSLATE_NOOP("TabellenModell", "mitglied"),
    QT_TRANSLATE_NOOP("TabellenModell", "bildlink"),
    QT_TRANSLATE_NOOP("TabellenModell", "erstellt"),
    QT_TRANSLATE_NOOP("TabellenModell", "LangName"),
    QT_TRANSLATE_NOOP("TabellenModell", "Bemerkung"),
    QT_TRANSLATE_NOOP("TabellenModell", "laengeinnen"),
    QT_TRANSLATE_NOOP("TabellenModell", "laengeaussen"),
    QT_TRANSLATE_NOOP("TabellenModell", "hersteller"),
    QT_TRANSLATE_NOOP("TabellenModell", "linnen"),
    QT_TRANSLATE_NOOP("TabellenModell", "laussen"),
    QT_TRANSLATE_NOOP("TabellenModell", "strname"),
    QT_TRANSLATE_NOOP("TabellenModell", "Schienenname"),
    QT_TRANSLATE_NOOP("TabellenModell", "Anzahl"),
    QT_TRANSLATE_NOOP("TabellenModell", "LRG"),
    QT_TRANSLATE_NOOP("TabellenModell", "langid"),
    QT_TRANSLATE_NOOP("TabellenModell", "textinhalt"),
};
}  // namespace

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

QString TabellenModell::selectStatement() const {
    if (tableName().isEmpty()) return QString();
    const QString tabelle =
        database().driver()->escapeIdentifier(tableName(), QSqlDriver::TableName);
    QString sql = QStringLiteral("select *, rowid as %1 from %2").arg(kRowid, tabelle);
    if (!filter().isEmpty()) sql += QStringLiteral(" where ") + filter();
    return sql + orderByClause();
}

int TabellenModell::rowidSpalte() const { return record().indexOf(kRowid); }

Qt::ItemFlags TabellenModell::flags(const QModelIndex& index) const {
    const Qt::ItemFlags f = QSqlTableModel::flags(index);
    return index.column() == rowidSpalte() ? f & ~Qt::ItemIsEditable : f;
}

bool TabellenModell::fuehreAus(const QString& sql, const QVariantList& werte,
                               qlonglong* neueRowid) {
    QSqlQuery q(database());
    if (!q.prepare(sql)) {
        setLastError(q.lastError());
        return false;
    }
    for (const QVariant& w : werte) q.addBindValue(w);
    if (!q.exec()) {
        setLastError(q.lastError());
        return false;
    }
    if (neueRowid) *neueRowid = q.lastInsertId().toLongLong();
    return true;
}

bool TabellenModell::updateRowInTable(int zeile, const QSqlRecord& werte) {
    QSqlDriver* treiber = database().driver();
    QStringList spalten;
    QVariantList neu;
    for (int s = 0; s < werte.count(); ++s) {
        if (!werte.isGenerated(s) || werte.fieldName(s) == kRowid) continue;
        spalten << treiber->escapeIdentifier(werte.fieldName(s), QSqlDriver::FieldName) +
                       QStringLiteral("=?");
        neu << werte.value(s);
    }
    if (spalten.isEmpty()) return true;
    neu << data(index(zeile, rowidSpalte()));
    return fuehreAus(QStringLiteral("update %1 set %2 where rowid=?")
                         .arg(treiber->escapeIdentifier(tableName(), QSqlDriver::TableName),
                              spalten.join(QLatin1Char(','))),
                     neu);
}

bool TabellenModell::insertRowIntoTable(const QSqlRecord& werte) {
    QSqlDriver* treiber = database().driver();
    QStringList spalten, platz;
    QVariantList neu;
    for (int s = 0; s < werte.count(); ++s) {
        if (!werte.isGenerated(s) || werte.fieldName(s) == kRowid) continue;
        spalten << treiber->escapeIdentifier(werte.fieldName(s), QSqlDriver::FieldName);
        platz << QStringLiteral("?");
        neu << werte.value(s);
    }
    const QString tabelle = treiber->escapeIdentifier(tableName(), QSqlDriver::TableName);
    return fuehreAus(spalten.isEmpty()
                         ? QStringLiteral("insert into %1 default values").arg(tabelle)
                         : QStringLiteral("insert into %1 (%2) values (%3)")
                               .arg(tabelle, spalten.join(QLatin1Char(',')),
                                    platz.join(QLatin1Char(','))),
                     neu, &m_neueRowid);
}

bool TabellenModell::deleteRowFromTable(int zeile) {
    return fuehreAus(
        QStringLiteral("delete from %1 where rowid=?")
            .arg(database().driver()->escapeIdentifier(tableName(), QSqlDriver::TableName)),
        {data(index(zeile, rowidSpalte()))});
}

QString TabellenModell::spaltenTitel(const QString& spalte) {
    // SQLite keeps a column's name as the query spells it: the case may differ.
    for (const char* name : kSpalten) {
        if (spalte.compare(QLatin1String(name), Qt::CaseInsensitive) != 0) continue;
        const QString titel = tr(name);
        return titel == QLatin1String(name) ? spalte : titel;
    }
    return spalte;
}

QVariant TabellenModell::headerData(int spalte, Qt::Orientation richtung, int role) const {
    const QVariant titel = QSqlTableModel::headerData(spalte, richtung, role);
    if (richtung != Qt::Horizontal || role != Qt::DisplayRole) return titel;
    return spaltenTitel(titel.toString());
}

bool TabellenModell::istZahlenspalte(int spalte) const {
    if (spalte == rowidSpalte()) return false;
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
                const QString spalte = headerData(index.column(), Qt::Horizontal).toString();
                m_frage.meldung(
                    (ganz ? tr("In der Spalte \"%1\" ist nur eine ganze Zahl erlaubt: %2")
                          : tr("In der Spalte \"%1\" ist nur eine Zahl erlaubt: %2"))
                        .arg(spalte, text));
                return false;
            }
        }
    }
    if (!QSqlTableModel::setData(index, neu, role)) return false;
    return schreibe(tr("Fehler beim Speichern"));
}

int TabellenModell::neueZeile() {
    const int zeile = rowCount();
    m_neueRowid = -1;
    if (!insertRow(zeile)) return -1;
    if (!schreibe(tr("Fehler beim Anlegen der Zeile"))) return -1;
    // After the re-read the new row sits where the order puts it.
    for (int z = rowCount() - 1; z >= 0; --z)
        if (data(index(z, rowidSpalte())).toLongLong() == m_neueRowid) return z;
    return -1;
}

bool TabellenModell::loescheZeile(int zeile) {
    if (!removeRow(zeile)) return false;
    return schreibe(tr("Fehler beim Löschen"));
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
    //: %1 is what failed ("Fehler beim Speichern" and the like), %2 and %3 the database's error.
    m_frage.meldung(tr("%1. FehlerNr: %2 Info: %3")
                        .arg(was, f.nativeErrorCode(), f.text()));
    return false;
}
