#include "RecordSet.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

#include "Datenbank.h"

namespace {

const QRegularExpression& bezeichner() {
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re;
}

// "select * from <table>" with nothing but where/order/limit after it can be written back.
const QRegularExpression& einfacheAbfrage() {
    static const QRegularExpression re(
        QStringLiteral(R"(^select\s+\*\s+from\s+([A-Za-z_][A-Za-z0-9_]*)((?:\s+(?:where|order|)"
                       R"(limit)\b.*)?)$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return re;
}

// Anything that mixes rows of several tables or groups them: rowid means nothing then.
const QRegularExpression& zusammengesetzt() {
    static const QRegularExpression re(
        QStringLiteral(R"(\b(?:group\s+by|having|union|intersect|except|join)\b)"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

const QRegularExpression& abfrage() {
    static const QRegularExpression re(QStringLiteral(R"(^(?:select|with)\b)"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

QString zitiert(const QString& name) {
    QString n = name;
    return QLatin1Char('"') + n.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

QString fehlerText(const QSqlError& e) {
    return e.databaseText().isEmpty() ? e.driverText() : e.databaseText();
}

// Identity of a row of a read-only source: its values with their types.
QString schluessel(const QSqlRecord& zeile) {
    QString s;
    for (int i = 0; i < zeile.count(); ++i) {
        const QVariant v = zeile.value(i);
        s += QString::number(v.typeId()) + QLatin1Char(':');
        if (v.isNull())
            s += QLatin1String("\x01");
        else if (v.typeId() == QMetaType::QByteArray)
            s += QString::fromLatin1(v.toByteArray().toBase64());
        else
            s += v.toString();
        s += QLatin1Char('\x1f');
    }
    return s;
}

}  // namespace

RecordSet::RecordSet(Datenbank& db, QString quelle, QVariantList werte)
    : m_db(db), m_quelle(std::move(quelle)), m_werte(std::move(werte)) {}

void RecordSet::setRecordSource(const QString& quelle, const QVariantList& werte) {
    beendeBearbeitung();
    m_quelle = quelle;
    m_werte = werte;
    // Rows of the old source must not be written into the new one.
    m_zeilen.clear();
    m_rowids.clear();
    m_zeileVon.clear();
    m_vorlage.clear();
    m_tabelle.clear();
    m_sql.clear();
    m_pos = 0;
    m_keinTreffer = false;
}

bool RecordSet::fehlschlag(const QString& text, int nr) {
    m_fehler = text;
    m_fehlerNr = nr;
    return false;
}

bool RecordSet::sqlFehler(const QSqlError& fehler) {
    return fehlschlag(fehlerText(fehler), fehler.nativeErrorCode().toInt());
}

void RecordSet::beendeBearbeitung() {
    m_bearbeitet = false;
    m_neu = false;
    m_puffer.clear();
    m_geaendert.clear();
    m_feldFehler.clear();
}

bool RecordSet::Refresh() {
    setRecordSource(m_quelle, m_werte);
    m_fehler.clear();
    m_fehlerNr = 0;
    if (!m_db.istOffen())
        return fehlschlag(
            QCoreApplication::translate("RecordSet", "Die Datenbank ist nicht geöffnet."), -1);

    QString quelle = m_quelle.trimmed();
    while (quelle.endsWith(QLatin1Char(';'))) quelle = quelle.chopped(1).trimmed();
    if (quelle.isEmpty())
        return fehlschlag(QCoreApplication::translate("RecordSet", "Keine Datenquelle gesetzt."));

    if (bezeichner().match(quelle).hasMatch()) {
        m_sql = QStringLiteral("select rowid as __rowid, * from %1 order by rowid")
                    .arg(zitiert(quelle));
        if (!fuehreAbfrageAus(m_sql, true, false)) return false;
        m_tabelle = quelle;
        return true;
    }
    if (!abfrage().match(quelle).hasMatch()) {
        return fehlschlag(
            QCoreApplication::translate("RecordSet", "Ungültige Datenquelle: %1").arg(quelle));
    }
    const QRegularExpressionMatch einfach = einfacheAbfrage().match(quelle);
    if (einfach.hasMatch() && !zusammengesetzt().match(einfach.captured(2)).hasMatch()) {
        const QString sql = QStringLiteral("select rowid as __rowid, * from %1%2")
                                .arg(zitiert(einfach.captured(1)), einfach.captured(2));
        if (fuehreAbfrageAus(sql, true, true)) {
            m_sql = sql;
            m_tabelle = einfach.captured(1);
            return true;
        }
        // A view has no rowid: read it as it is.
        m_fehler.clear();
        m_fehlerNr = 0;
    }
    m_sql = quelle;
    return fuehreAbfrageAus(quelle, false, true);
}

bool RecordSet::fuehreAbfrageAus(const QString& sql, bool mitRowid, bool binde) {
    QSqlQuery q(m_db.db());
    q.setForwardOnly(true);
    bool ok = q.prepare(sql);
    if (ok) {
        if (binde) {
            for (const QVariant& w : m_werte) q.addBindValue(w);
        }
        ok = q.exec();
    }
    if (ok) {
        QSqlRecord vorlage = q.record();
        const int versatz = mitRowid ? 1 : 0;
        if (mitRowid) vorlage.remove(0);
        vorlage.clearValues();
        const int n = vorlage.count();
        while (q.next()) {
            QSqlRecord zeile = vorlage;
            for (int i = 0; i < n; ++i) zeile.setValue(i, q.value(i + versatz));
            if (mitRowid) {
                const qint64 rowid = q.value(0).toLongLong();
                m_zeileVon.insert(rowid, int(m_zeilen.size()));
                m_rowids.append(rowid);
            }
            m_zeilen.append(zeile);
        }
        ok = !q.lastError().isValid();
        m_vorlage = vorlage;
    }
    if (!ok) {
        m_zeilen.clear();
        m_rowids.clear();
        m_zeileVon.clear();
        m_vorlage.clear();
        return sqlFehler(q.lastError());
    }
    m_pos = 0;
    return true;
}

bool RecordSet::ladeZeile(qint64 rowid, QSqlRecord* zeile) {
    QSqlQuery q(m_db.db());
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("select * from %1 where rowid=?").arg(zitiert(m_tabelle))))
        return false;
    q.addBindValue(rowid);
    if (!q.exec() || !q.next()) return false;
    QSqlRecord neu = m_vorlage;
    for (int i = 0; i < neu.count(); ++i) neu.setValue(i, q.value(i));
    *zeile = neu;
    return true;
}

void RecordSet::frischeAktuelleZeileAuf() {
    if (m_tabelle.isEmpty() || istEOF() || istBOF()) return;
    QSqlRecord zeile;
    if (ladeZeile(m_rowids.at(m_pos), &zeile)) m_zeilen[m_pos] = zeile;
}

int RecordSet::RecordCount() const { return int(m_zeilen.size()); }

void RecordSet::MoveFirst() {
    beendeBearbeitung();
    m_pos = 0;
}

void RecordSet::MoveNext() {
    beendeBearbeitung();
    if (m_pos < RecordCount()) ++m_pos;
}

void RecordSet::MovePrevious() {
    beendeBearbeitung();
    if (m_pos >= 0) --m_pos;
}

void RecordSet::MoveLast() {
    beendeBearbeitung();
    m_pos = RecordCount() - 1;
}

bool RecordSet::istEOF() const { return m_zeilen.isEmpty() || m_pos >= RecordCount(); }

bool RecordSet::istBOF() const { return m_zeilen.isEmpty() || m_pos < 0; }

QVariant RecordSet::Feld(const QString& name) const {
    if (m_bearbeitet) {
        const int i = m_puffer.indexOf(name);
        return i >= 0 ? m_puffer.value(i) : QVariant();
    }
    if (istEOF() || istBOF()) return {};
    const QSqlRecord& zeile = m_zeilen.at(m_pos);
    const int i = zeile.indexOf(name);
    return i >= 0 ? zeile.value(i) : QVariant();
}

void RecordSet::setFeld(const QString& name, const QVariant& wert) {
    if (!m_bearbeitet) {
        fehlschlag(QCoreApplication::translate(
            "RecordSet", "Kein Datensatz in Bearbeitung (Edit oder AddNew fehlt)."));
        return;
    }
    const int i = m_puffer.indexOf(name);
    if (i < 0) {
        m_feldFehler = QCoreApplication::translate("RecordSet", "Das Feld %1 gibt es in %2 nicht.")
                           .arg(name, m_quelle);
        return;
    }
    m_puffer.setValue(i, wert);
    m_geaendert[i] = true;
}

void RecordSet::AddNew() {
    beendeBearbeitung();
    m_puffer = m_vorlage;
    m_geaendert.fill(false, m_vorlage.count());
    m_neu = true;
    m_bearbeitet = true;
}

void RecordSet::Edit() {
    beendeBearbeitung();
    if (istEOF() || istBOF()) {
        fehlschlag(QCoreApplication::translate("RecordSet", "Kein aktueller Datensatz."));
        return;
    }
    // Edit the row as it is now, not as it was read.
    frischeAktuelleZeileAuf();
    m_puffer = m_zeilen.at(m_pos);
    m_geaendert.fill(false, m_puffer.count());
    m_bearbeitet = true;
}

void RecordSet::CancelUpdate() { beendeBearbeitung(); }

bool RecordSet::Update() {
    if (!m_bearbeitet)
        return fehlschlag(
            QCoreApplication::translate("RecordSet", "Update ohne Edit oder AddNew."));
    if (m_tabelle.isEmpty()) {
        return fehlschlag(
            QCoreApplication::translate("RecordSet", "Die Datenquelle ist nur lesbar: %1")
                .arg(m_quelle));
    }
    if (!m_feldFehler.isEmpty()) return fehlschlag(m_feldFehler);
    return m_neu ? fuegeEin() : aendere();
}

bool RecordSet::fuegeEin() {
    QStringList spalten;
    QStringList platzhalter;
    QVariantList werte;
    for (int i = 0; i < m_puffer.count(); ++i) {
        if (!m_geaendert.at(i)) continue;
        spalten << zitiert(m_puffer.fieldName(i));
        platzhalter << QStringLiteral("?");
        werte << m_puffer.value(i);
    }
    const QString sql =
        spalten.isEmpty() ? QStringLiteral("insert into %1 default values").arg(zitiert(m_tabelle))
                          : QStringLiteral("insert into %1 (%2) values (%3)")
                                .arg(zitiert(m_tabelle), spalten.join(QLatin1Char(',')),
                                     platzhalter.join(QLatin1Char(',')));
    qint64 rowid = -1;
    {
        QSqlQuery q(m_db.db());
        bool ok = q.prepare(sql);
        if (ok) {
            for (const QVariant& w : werte) q.addBindValue(w);
            ok = q.exec();
        }
        if (!ok) return sqlFehler(q.lastError());
        rowid = q.lastInsertId().toLongLong();
    }
    // Only the new row is read back (defaults, key, stored types); the rest stays cached, so
    // an insert costs the same in a table of a million rows.
    QSqlRecord zeile;
    if (!ladeZeile(rowid, &zeile)) zeile = m_puffer;
    const bool amEnde = m_pos >= RecordCount();
    m_zeileVon.insert(rowid, RecordCount());
    m_rowids.append(rowid);
    m_zeilen.append(zeile);
    if (amEnde) m_pos = RecordCount();
    m_zuletzt = rowid;
    beendeBearbeitung();
    return true;
}

bool RecordSet::aendere() {
    if (istEOF() || istBOF())
        return fehlschlag(QCoreApplication::translate("RecordSet", "Kein aktueller Datensatz."));
    const qint64 alt = m_rowids.at(m_pos);
    QStringList zuweisungen;
    QVariantList werte;
    for (int i = 0; i < m_puffer.count(); ++i) {
        if (!m_geaendert.at(i)) continue;
        zuweisungen << zitiert(m_puffer.fieldName(i)) + QStringLiteral("=?");
        werte << m_puffer.value(i);
    }
    qint64 rowid = alt;
    if (!zuweisungen.isEmpty()) {
        QSqlQuery q(m_db.db());
        // returning: a changed integer key changes the rowid too.
        bool ok = q.prepare(QStringLiteral("update %1 set %2 where rowid=? returning rowid")
                                .arg(zitiert(m_tabelle), zuweisungen.join(QLatin1Char(','))));
        if (ok) {
            for (const QVariant& w : werte) q.addBindValue(w);
            q.addBindValue(alt);
            ok = q.exec();
        }
        if (!ok) return sqlFehler(q.lastError());
        if (!q.next()) {
            return fehlschlag(QCoreApplication::translate(
                "RecordSet", "Der Datensatz ist nicht mehr vorhanden."));
        }
        rowid = q.value(0).toLongLong();
        // Finishing the statement ends its implicit transaction.
        q.finish();
    }
    if (rowid != alt) {
        m_zeileVon.remove(alt);
        m_zeileVon.insert(rowid, m_pos);
        m_rowids[m_pos] = rowid;
    }
    QSqlRecord zeile;
    m_zeilen[m_pos] = ladeZeile(rowid, &zeile) ? zeile : m_puffer;
    m_zuletzt = rowid;
    beendeBearbeitung();
    return true;
}

void RecordSet::FindFirst(const QString& kriterium, const QVariantList& werte) {
    beendeBearbeitung();
    m_keinTreffer = true;
    if (m_zeilen.isEmpty()) return;
    const QString bedingung = kriterium.trimmed().isEmpty() ? QStringLiteral("1") : kriterium;

    QSqlQuery q(m_db.db());
    q.setForwardOnly(true);
    // The criteria are checked by the database (collation, types); the first hit is the first
    // in the order of the record set, not of the query.
    const QString sql =
        m_tabelle.isEmpty()
            ? QStringLiteral("select * from (%1) where (%2)").arg(m_sql, bedingung)
            : QStringLiteral("select rowid from %1 where (%2)").arg(zitiert(m_tabelle), bedingung);
    bool ok = q.prepare(sql);
    if (ok) {
        if (m_tabelle.isEmpty()) {
            for (const QVariant& w : m_werte) q.addBindValue(w);
        }
        for (const QVariant& w : werte) q.addBindValue(w);
        ok = q.exec();
    }
    if (!ok) {
        sqlFehler(q.lastError());
        return;
    }

    int gefunden = -1;
    if (!m_tabelle.isEmpty()) {
        QSet<qint64> treffer;
        while (q.next()) treffer.insert(q.value(0).toLongLong());
        for (int i = 0; i < RecordCount() && gefunden < 0; ++i) {
            if (treffer.contains(m_rowids.at(i))) gefunden = i;
        }
    } else {
        QSet<QString> treffer;
        while (q.next()) {
            QSqlRecord zeile = m_vorlage;
            for (int i = 0; i < zeile.count(); ++i) zeile.setValue(i, q.value(i));
            treffer.insert(schluessel(zeile));
        }
        for (int i = 0; i < RecordCount() && gefunden < 0; ++i) {
            if (treffer.contains(schluessel(m_zeilen.at(i)))) gefunden = i;
        }
    }
    if (gefunden < 0) return;
    m_pos = gefunden;
    m_keinTreffer = false;
    frischeAktuelleZeileAuf();
}

void RecordSet::setBookmark(qint64 lesezeichen) {
    beendeBearbeitung();
    int i = -1;
    if (m_tabelle.isEmpty()) {
        if (lesezeichen >= 0 && lesezeichen < RecordCount()) i = int(lesezeichen);
    } else {
        i = m_zeileVon.value(lesezeichen, -1);
    }
    if (i < 0) {
        fehlschlag(QCoreApplication::translate("RecordSet", "Ungültiges Lesezeichen: %1")
                       .arg(lesezeichen));
        return;
    }
    m_pos = i;
}

qint64 RecordSet::Bookmark() const {
    if (istEOF() || istBOF()) return -1;
    return m_tabelle.isEmpty() ? m_pos : m_rowids.at(m_pos);
}
