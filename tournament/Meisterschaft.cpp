#include "tournament/Meisterschaft.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <climits>
#include <numeric>

#include "config/Einstellungen.h"
#include "data/Datenbank.h"
#include "data/DatenbankSchema.h"
#include "engine/Rundenvermerk.h"
#include "tournament/TurnierDaten.h"

namespace {

// Names compared as the database's NOCASE compares them (case, umlauts included).
bool gleicherName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The driver of the tournament's fastest race lap that may count as a best lap (the
// earliest of equal laps); empty when no lap is recorded. The heats' laps carry the
// tournament's key as the program wrote it: compared byte by byte, the history's index by
// run finds them without reading the whole history.
QString schnellsterFahrer(Datenbank& db, const QString& schluessel) {
    return db
        .wert(QStringLiteral("select fahrer from histrennen where RennArt collate binary = "
                             "'Rennen' and RennName collate binary = ? and zeit>0 and ") +
                  QLatin1String(DatenbankSchema::zaehltInHistorie) + QStringLiteral(" and ") +
                  QLatin1String(Rundenvermerk::bestzeitMoeglich) +
                  QStringLiteral(" order by zeit, id limit 1"),
              {schluessel})
        .toString();
}

// Number of the given place among the results.
int anzahlPlatz(const Meisterschaft::Zeile& z, int platz) {
    return int(std::count_if(z.ergebnisse.cbegin(), z.ergebnisse.cend(),
                             [platz](const auto& e) { return e && e->platz == platz; }));
}

// <0 when a ranks before b, >0 when after, 0 when tied on every rule.
int vergleiche(const Meisterschaft::Zeile& a, const Meisterschaft::Zeile& b, int letzterPlatz) {
    if (a.punkte != b.punkte) return a.punkte > b.punkte ? -1 : 1;
    for (int p = 1; p <= letzterPlatz; ++p) {
        const int na = anzahlPlatz(a, p), nb = anzahlPlatz(b, p);
        if (na != nb) return na > nb ? -1 : 1;
    }
    // The better result in the latest tournament where the two differ; no start is worst.
    for (int i = int(a.ergebnisse.size()) - 1; i >= 0; --i) {
        const int pa = a.ergebnisse[i] ? a.ergebnisse[i]->platz : INT_MAX;
        const int pb = b.ergebnisse[i] ? b.ergebnisse[i]->platz : INT_MAX;
        if (pa != pb) return pa < pb ? -1 : 1;
    }
    return 0;
}

}  // namespace

QVector<int> Meisterschaft::Regeln::punkteTabelle(const QString& text) {
    static const QRegularExpression trenner(QStringLiteral("[,;]"));
    QVector<int> punkte;
    if (text.trimmed().isEmpty()) return punkte;
    for (const QString& eintrag : text.split(trenner)) {
        bool ok = false;
        const int wert = eintrag.trimmed().toInt(&ok);
        punkte << (ok ? wert : 0);
    }
    return punkte;
}

Meisterschaft::Regeln Meisterschaft::Regeln::aus(const Einstellungen& e) {
    Regeln r;
    r.punkte = punkteTabelle(e.Punkte);
    r.bonusSchnellsteRunde = e.PunkteSchnellsteRunde;
    r.streichergebnisse = std::max(0, int(e.Streichergebnisse));
    return r;
}

QStringList Meisterschaft::rennen(TurnierDaten& daten, const QString& serie) {
    QStringList schluessel;
    QSqlQuery q(daten.datenbank().db());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "select RennSerie, RennName from slotrennen where RennSerie=? order by rowid"));
    q.addBindValue(serie);
    if (!q.exec()) return schluessel;
    while (q.next()) schluessel << q.value(0).toString() + QLatin1Char(' ') + q.value(1).toString();
    return schluessel;
}

void Meisterschaft::werte(Zeile& z, int streichergebnisse) {
    QVector<int> gezaehlt;  // indexes of the results
    for (int i = 0; i < z.ergebnisse.size(); ++i)
        if (z.ergebnisse[i]) gezaehlt << i;
    z.starts = int(gezaehlt.size());
    z.siege = anzahlPlatz(z, 1);
    if (streichergebnisse > 0 && z.starts > streichergebnisse) {
        // The fewest points go first; of equal ones the earlier result.
        std::stable_sort(gezaehlt.begin(), gezaehlt.end(), [&z](int a, int b) {
            return z.ergebnisse[a]->punkte < z.ergebnisse[b]->punkte;
        });
        for (int k = 0; k < streichergebnisse; ++k) z.ergebnisse[gezaehlt[k]]->gestrichen = true;
    }
    z.punkte = 0;
    for (const auto& e : z.ergebnisse)
        if (e && !e->gestrichen) z.punkte += e->punkte;
}

void Meisterschaft::ordne(QVector<Zeile>& zeilen) {
    int letzterPlatz = 0;
    for (const Zeile& z : zeilen)
        for (const auto& e : z.ergebnisse)
            if (e) letzterPlatz = std::max(letzterPlatz, e->platz);
    std::stable_sort(zeilen.begin(), zeilen.end(), [letzterPlatz](const Zeile& a, const Zeile& b) {
        return vergleiche(a, b, letzterPlatz) < 0;
    });
    for (int i = 0; i < zeilen.size(); ++i)
        zeilen[i].platz = i > 0 && vergleiche(zeilen[i - 1], zeilen[i], letzterPlatz) == 0
                              ? zeilen[i - 1].platz
                              : i + 1;
}

QVector<Meisterschaft::Zeile> Meisterschaft::tabelle(TurnierDaten& daten, const QString& serie,
                                                     const Regeln& regeln) {
    Datenbank& db = daten.datenbank();
    const QStringList liste = rennen(daten, serie);
    QVector<Zeile> zeilen;
    auto zeileVon = [&](const QString& fahrer) -> Zeile& {
        for (Zeile& z : zeilen)
            if (gleicherName(z.fahrer, fahrer)) return z;
        Zeile neu;
        neu.fahrer = fahrer;
        neu.ergebnisse.resize(liste.size());
        zeilen << neu;
        return zeilen.last();
    };

    for (int i = 0; i < liste.size(); ++i) {
        const QString schnellster = schnellsterFahrer(db, liste[i]);
        QStringList gewertet;  // a driver with several cars scores his best row only
        for (const QSqlRecord& w : daten.wertung(liste[i])) {
            const QString fahrer = w.value(0).toString();
            if (gleicherName(fahrer, TurnierDaten::platzhalter()) ||
                std::any_of(gewertet.cbegin(), gewertet.cend(),
                            [&](const QString& f) { return gleicherName(f, fahrer); }))
                continue;
            gewertet << fahrer;
            Ergebnis e;
            e.platz = int(gewertet.size());
            e.punkte = e.platz <= regeln.punkte.size() ? regeln.punkte[e.platz - 1] : 0;
            e.schnellsteRunde = !schnellster.isEmpty() && gleicherName(schnellster, fahrer);
            if (e.schnellsteRunde) e.punkte += regeln.bonusSchnellsteRunde;
            zeileVon(fahrer).ergebnisse[i] = e;
        }
    }
    for (Zeile& z : zeilen) werte(z, regeln.streichergebnisse);
    ordne(zeilen);
    return zeilen;
}

QStringList Meisterschaft::serien(TurnierDaten& daten) {
    QStringList namen;
    QSqlQuery q(daten.datenbank().db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select distinct RennSerie from slotrennen where "
                               "trim(coalesce(RennSerie, '')) <> '' order by RennSerie")))
        return namen;
    while (q.next()) namen << q.value(0).toString();
    return namen;
}

Meisterschaft::Stand Meisterschaft::stand(TurnierDaten& daten, const QString& serie,
                                          const Regeln& regeln) {
    Stand s;
    s.serie = serie;
    // A key is the series, a blank and the name.
    for (const QString& k : rennen(daten, serie)) s.rennen << k.mid(serie.size() + 1);
    s.zeilen = tabelle(daten, serie, regeln);
    return s;
}

QByteArray Meisterschaft::json(const Stand& s) {
    QJsonArray tabelle;
    for (const Zeile& z : s.zeilen) {
        QJsonArray ergebnisse;
        for (const auto& e : z.ergebnisse) {
            if (!e) {
                ergebnisse.append(QJsonValue::Null);
                continue;
            }
            ergebnisse.append(QJsonObject{{QStringLiteral("platz"), e->platz},
                                          {QStringLiteral("punkte"), e->punkte},
                                          {QStringLiteral("schnellsteRunde"), e->schnellsteRunde},
                                          {QStringLiteral("gestrichen"), e->gestrichen}});
        }
        tabelle.append(QJsonObject{{QStringLiteral("platz"), z.platz},
                                   {QStringLiteral("fahrer"), z.fahrer},
                                   {QStringLiteral("punkte"), z.punkte},
                                   {QStringLiteral("starts"), z.starts},
                                   {QStringLiteral("siege"), z.siege},
                                   {QStringLiteral("ergebnisse"), ergebnisse}});
    }
    return QJsonDocument(
               QJsonObject{{QStringLiteral("serie"), s.serie},
                           {QStringLiteral("rennen"), QJsonArray::fromStringList(s.rennen)},
                           {QStringLiteral("tabelle"), tabelle}})
        .toJson(QJsonDocument::Compact);
}
