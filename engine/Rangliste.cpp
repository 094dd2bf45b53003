#include "engine/Rangliste.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include "config/Formate.h"
#include "data/Datenbank.h"

namespace {

const QString spalten = QStringLiteral(
    "Bahn, FahrerNr, Platz, Fahrer, Auto, Strecke, Laenge, Runden, Gesamt, SchnellsteRunde, "
    "Schnellste, Wann, AktRunde, ZurVorRunde, SchnellsteGeschw, AktGeschw");

PositionsZeile zeileAus(const QSqlQuery& q) {
    PositionsZeile z;
    z.bahn = q.value(0).toInt();
    z.fahrerNr = q.value(1).toInt();
    z.platz = q.value(2).toInt();
    z.fahrer = q.value(3).toString();
    z.autoName = q.value(4).toString();
    z.strecke = q.value(5).toString();
    z.laenge = q.value(6).toDouble();
    z.runden = q.value(7).toInt();
    z.gesamt = q.value(8).toLongLong();
    z.schnellsteRunde = q.value(9).toInt();
    z.schnellste = q.value(10).toLongLong();
    z.wann = q.value(11).toString();
    z.aktRunde = q.value(12).toLongLong();
    z.zurVorRunde = q.value(13).toInt();
    z.schnellsteGeschw = q.value(14).toDouble();
    z.aktGeschw = q.value(15).toDouble();
    return z;
}

// Runs a kept select with bound values; nullptr with the error when it fails. The caller
// reads what it needs and finishes the statement.
QSqlQuery* frage(Datenbank& db, const QString& sql, const QVariantList& werte, QString* fehler) {
    QSqlQuery* q = db.frage(sql, werte);
    if (!q && fehler) *fehler = db.letzterFehler();
    return q;
}

}  // namespace

QString Rangliste::ordnung(int option1) {
    switch (option1) {
        case 0:
            return QStringLiteral(" order by runden DESC,gesamt,bahn");
        case 2:
            return QStringLiteral(" order by schnellstegeschw desc,bahn");
        default:
            return QStringLiteral(" order by schnellste,bahn");
    }
}

QVector<PositionsZeile> Rangliste::lese(int anzBahnen, const QString& ordnung, QString* fehler) {
    QVector<PositionsZeile> zeilen;
    QSqlQuery* q = frage(
        m_db, QStringLiteral("select %1 from positionen where bahn<=?").arg(spalten) + ordnung,
        {anzBahnen}, fehler);
    if (!q) return zeilen;
    while (q->next()) zeilen.append(zeileAus(*q));
    q->finish();
    return zeilen;
}

QVector<QSqlRecord> Rangliste::leseSaetze(int anzBahnen, const QString& ordnung, QString* fehler) {
    QVector<QSqlRecord> saetze;
    QSqlQuery* q = frage(m_db, QStringLiteral("select * from Positionen where bahn<=?") + ordnung,
                         {anzBahnen}, fehler);
    if (!q) return saetze;
    while (q->next()) saetze.append(q->record());
    q->finish();
    return saetze;
}

std::optional<PositionsZeile> Rangliste::zeileVonSlot(int slot, int anzBahnen,
                                                      const QString& ordnung, QString* fehler) {
    QSqlQuery* q = frage(
        m_db,
        QStringLiteral("select %1 from positionen where bahn<=? and FahrerNr=?").arg(spalten) +
            ordnung + QStringLiteral(" limit 1"),
        {anzBahnen, slot}, fehler);
    if (!q) return std::nullopt;
    std::optional<PositionsZeile> z;
    if (q->next()) z = zeileAus(*q);
    q->finish();
    return z;
}

bool Rangliste::schreibeRunde(const PositionsZeile& z, QString* fehler) {
    return m_db.execute(QStringLiteral("update positionen set Runden=?, Gesamt=?, ZurVorRunde=?, "
                                       "Wann=?, AktRunde=?, Schnellste=?, SchnellsteRunde=?, "
                                       "AktGeschw=?, SchnellsteGeschw=? where Bahn=?"),
                        {z.runden, z.gesamt, z.zurVorRunde, z.wann, z.aktRunde, z.schnellste,
                         z.schnellsteRunde, z.aktGeschw, z.schnellsteGeschw, z.bahn},
                        fehler);
}

bool Rangliste::schreibeZeile(const PositionsZeile& z, QString* fehler) {
    return m_db.execute(QStringLiteral("update positionen set Runden=?, Gesamt=?, ZurVorRunde=?, "
                                       "Wann=?, AktRunde=?, Schnellste=?, SchnellsteRunde=?, "
                                       "AktGeschw=?, SchnellsteGeschw=?, Platz=? where Bahn=?"),
                        {z.runden, z.gesamt, z.zurVorRunde, z.wann, z.aktRunde, z.schnellste,
                         z.schnellsteRunde, z.aktGeschw, z.schnellsteGeschw, z.platz, z.bahn},
                        fehler);
}

bool Rangliste::setzePlatz(int bahn, int platz, QString* fehler) {
    return m_db.execute(QStringLiteral("update positionen set Platz=? where Bahn=?"), {platz, bahn},
                        fehler);
}

bool Rangliste::nummeriere(const QVector<PositionsZeile>& zeilen, QString* fehler) {
    bool ok = true;
    for (int k = 0; k < zeilen.size(); ++k) {
        if (zeilen[k].platz != k + 1) ok = setzePlatz(zeilen[k].bahn, k + 1, fehler) && ok;
    }
    return ok;
}

bool Rangliste::uebertrageSchnellsteRunden(const QVector<PositionsZeile>& zeilen, QString* schritt,
                                           QString* fehler) {
    for (const PositionsZeile& z : zeilen) {
        // A lane that drove no lap in this run has no record to offer.
        if (z.runden <= 0 || z.schnellste <= 0 || z.schnellste >= 999999) continue;
        //: step in which writing the lap records failed; schnellsterunden is a table name
        *schritt = tr("Suche in schnellsterunden");
        QSqlQuery* q =
            frage(m_db,
                  QStringLiteral("select rowid, Zeit from schnellsterunden where Fahrer=? and "
                                 "Auto=? and strecke=? and bahn=? and LBahn=? limit 1"),
                  {z.fahrer, z.autoName, z.strecke, QString::number(z.bahn), z.laenge}, fehler);
        if (!q) return false;
        const QString geschw =
            Formate::Format(z.schnellsteGeschw, QStringLiteral("#######000.000"));
        const bool vorhanden = q->next();
        const qint64 rowid = vorhanden ? q->value(0).toLongLong() : 0;
        const QVariant gespeichert = vorhanden ? q->value(1) : QVariant();
        q->finish();
        if (!vorhanden) {
            *schritt = tr("Neuer Eintrag");
            if (!m_db.execute(QStringLiteral("insert into schnellsterunden (Fahrer, Auto, Strecke, "
                                             "Bahn, LBahn, Runde, Geschw, Zeit, Wann) values "
                                             "(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                              {z.fahrer, z.autoName, z.strecke, QString::number(z.bahn), z.laenge,
                               z.schnellsteRunde, geschw, z.schnellste, z.wann},
                              fehler))
                return false;
            continue;
        }
        // Keep a record unless this run beat it.
        if (!gespeichert.isNull() && gespeichert.toLongLong() > 0 &&
            z.schnellste >= gespeichert.toLongLong())
            continue;
        *schritt = tr("Aendern");
        if (!m_db.execute(QStringLiteral("update schnellsterunden set Runde=?, Geschw=?, Zeit=?, "
                                         "Wann=? where rowid=?"),
                          {z.schnellsteRunde, geschw, z.schnellste, z.wann, rowid}, fehler))
            return false;
    }
    schritt->clear();
    return true;
}
