#include "Fahrerstatistik.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <algorithm>
#include <cmath>

#include "Datenbank.h"
#include "Rundenvermerk.h"
#include "TurnierDaten.h"

namespace {

// A lap that counts: driven (time above zero) and not taken back.
const QString gezaehlt =
    QStringLiteral("Zeit > 0 and coalesce(RennInfo, '') not like '%K-%'");

// The day of a run's stamp ("2026.03.26 20:15:00"); invalid for a row not stamped yet ("0").
QDate tagVon(const QString& stempel) {
    return QDate::fromString(stempel.left(10), QStringLiteral("yyyy.MM.dd"));
}

QSqlQuery fuehreAus(Datenbank& db, const QString& sql, const QVariantList& werte) {
    QSqlQuery q(db.db());
    q.setForwardOnly(true);
    if (q.prepare(sql)) {
        for (const QVariant& w : werte) q.addBindValue(w);
        q.exec();
    }
    return q;
}

void fuegeEinmalEin(QStringList& liste, const QString& name) {
    if (name.isEmpty()) return;
    for (const QString& da : std::as_const(liste))
        if (Fahrerstatistik::gleich(da, name)) return;
    liste << name;
}

void sortiere(QStringList& liste) {
    std::sort(liste.begin(), liste.end(), [](const QString& a, const QString& b) {
        return a.localeAwareCompare(b) < 0;
    });
}

}  // namespace

Fahrerstatistik::Fahrerstatistik(Datenbank& db) : m_db(db) {}

// The history's index on the names compares them byte by byte (collate binary): its order is
// the same for every SQLite tool. So the spellings of a name are looked up there one after
// the other (each step a seek in the index), and the program's own comparison decides which
// of them mean the driver.
QStringList Fahrerstatistik::namenImVerlauf(const char* spalte) {
    const QString s = QString::fromLatin1(spalte);
    QStringList namen;
    QSqlQuery q = fuehreAus(m_db,
                            QStringLiteral("select %1 from histrennen where %1 is not null order "
                                           "by %1 collate binary limit 1")
                                .arg(s),
                            {});
    while (q.next()) {
        const QString name = q.value(0).toString();
        namen << name;
        q = fuehreAus(m_db,
                      QStringLiteral("select %1 from histrennen where %1 > ? collate binary "
                                     "order by %1 collate binary limit 1")
                          .arg(s),
                      {name});
    }
    return namen;
}

QStringList Fahrerstatistik::schreibweisen(const QString& fahrer) {
    QStringList gleiche;
    for (const QString& name : namenImVerlauf("Fahrer"))
        if (gleich(name, fahrer)) gleiche << name;
    return gleiche;
}

QStringList Fahrerstatistik::fahrer() {
    QStringList namen;
    for (const QString& name : namenImVerlauf("Fahrer")) fuegeEinmalEin(namen, name);
    for (const char* sql : {"select name from fahrer", "select Fahrer from slotrennenfahrer"}) {
        QSqlQuery q = fuehreAus(m_db, QString::fromLatin1(sql), {});
        while (q.next()) fuegeEinmalEin(namen, q.value(0).toString());
    }
    namen.removeIf([](const QString& n) { return gleich(n, TurnierDaten::platzhalter()); });
    sortiere(namen);
    return namen;
}

QStringList Fahrerstatistik::spalteFuer(const QString& fahrer, const char* spalte) {
    const QStringList gleiche = schreibweisen(fahrer);
    QStringList werte;
    if (gleiche.isEmpty()) return werte;
    QStringList fragen;
    QVariantList namen;
    for (const QString& g : gleiche) fragen << QStringLiteral("?"), namen << g;
    QSqlQuery q = fuehreAus(m_db,
                            QStringLiteral("select distinct %1 collate binary from histrennen "
                                           "where Fahrer collate binary in (%2) and %3 "
                                           "order by 1")
                                .arg(QLatin1String(spalte), fragen.join(QLatin1Char(',')),
                                     gezaehlt),
                            namen);
    while (q.next()) fuegeEinmalEin(werte, q.value(0).toString());
    sortiere(werte);
    return werte;
}

QStringList Fahrerstatistik::autos(const QString& fahrer) { return spalteFuer(fahrer, "Auto"); }

QStringList Fahrerstatistik::strecken(const QString& fahrer) {
    return spalteFuer(fahrer, "Strecke");
}

Fahrerstatistik::Ergebnis Fahrerstatistik::berechne(const Auswahl& a) {
    Ergebnis e;
    e.plaetze = plaetze(a);
    const QStringList gleiche = schreibweisen(a.fahrer);
    if (gleiche.isEmpty()) return e;

    QStringList fragen;
    QVariantList werte;
    for (const QString& g : gleiche) fragen << QStringLiteral("?"), werte << g;
    QString wo = QStringLiteral("Fahrer collate binary in (%1) and %2")
                     .arg(fragen.join(QLatin1Char(',')), gezaehlt);
    if (!a.strecke.isEmpty()) {
        wo += QStringLiteral(" and Strecke = ?");
        werte << a.strecke;
    }
    if (!a.autoName.isEmpty()) {
        wo += QStringLiteral(" and Auto = ?");
        werte << a.autoName;
    }
    const QString bestzeit = QLatin1String(Rundenvermerk::bestzeitMoeglich);

    // Per evening: sums, so the spread needs no second pass over the laps.
    QSqlQuery q = fuehreAus(
        m_db,
        QStringLiteral("select substr(rennzeit, 1, 10), count(*), min(case when %1 then Zeit "
                       "end), sum(Zeit), sum(Zeit * Zeit) from histrennen where %2 group by 1 "
                       "order by 1")
            .arg(bestzeit, wo),
        werte);
    while (q.next()) {
        const int n = q.value(1).toInt();
        e.runden += n;
        const QDate tag = tagVon(q.value(0).toString());
        if (!tag.isValid()) continue;
        Abend abend;
        abend.tag = tag;
        abend.runden = n;
        abend.beste = q.value(2).toDouble();
        const double summe = q.value(3).toDouble(), quadrate = q.value(4).toDouble();
        abend.schnitt = summe / n;
        if (n > 1)
            abend.streuung = std::sqrt(std::max(0.0, (quadrate - summe * summe / n) / (n - 1)));
        e.abende << abend;
    }

    // Best per track and car; the bare rennzeit comes from the row of the minimum. Grouped
    // byte by byte, then spellings that the program takes as one are merged.
    q = fuehreAus(m_db,
                  QStringLiteral("select Strecke, Auto, min(Zeit), rennzeit from histrennen "
                                 "where %1 and %2 group by Strecke collate binary, Auto collate "
                                 "binary")
                      .arg(wo, bestzeit),
                  werte);
    while (q.next()) {
        Bestrunde b{q.value(0).toString(), q.value(1).toString(), q.value(2).toDouble(),
                    tagVon(q.value(3).toString())};
        auto da = std::find_if(e.bestrunden.begin(), e.bestrunden.end(), [&b](const Bestrunde& x) {
            return gleich(x.strecke, b.strecke) && gleich(x.autoName, b.autoName);
        });
        if (da == e.bestrunden.end())
            e.bestrunden << b;
        else if (b.zeit < da->zeit || (b.zeit == da->zeit && b.tag < da->tag))
            *da = Bestrunde{da->strecke, da->autoName, b.zeit, b.tag};
    }
    std::sort(e.bestrunden.begin(), e.bestrunden.end(), [](const Bestrunde& x, const Bestrunde& y) {
        const int s = x.strecke.localeAwareCompare(y.strecke);
        return s != 0 ? s < 0 : x.autoName.localeAwareCompare(y.autoName) < 0;
    });
    return e;
}

// The final place as the tournament's standings give it: most laps, then the shorter time;
// a driver with several cars takes his best row; the free lanes' placeholder never places.
QVector<Fahrerstatistik::Platz> Fahrerstatistik::plaetze(const Auswahl& a) {
    QVector<Platz> liste;
    TurnierDaten daten(m_db);
    for (const SlotRennen& r : daten.turniere()) {
        if (!a.strecke.isEmpty() && !gleich(a.strecke, r.Strecke)) continue;
        QStringList gewertet;
        Platz p;
        for (const QSqlRecord& w : daten.wertung(r.schluessel())) {
            const QString name = w.value(0).toString();
            if (gleich(name, TurnierDaten::platzhalter())) continue;
            if (std::any_of(gewertet.cbegin(), gewertet.cend(),
                            [&name](const QString& f) { return gleich(f, name); }))
                continue;
            gewertet << name;
            if (p.platz == 0 && gleich(name, a.fahrer)) {
                p.platz = int(gewertet.size());
                p.autoName = w.value(1).toString();
            }
        }
        if (p.platz == 0) continue;
        p.serie = r.RennSerie;
        p.turnier = r.RennName;
        p.strecke = r.Strecke;
        p.datum = r.Renndatum;
        p.teilnehmer = int(gewertet.size());
        liste << p;
    }
    return liste;
}

QVector<Fahrerstatistik::Rekord> Fahrerstatistik::rekorde(bool nurRekorde) {
    QVector<Rekord> liste;
    QSqlQuery q = fuehreAus(m_db,
                            QStringLiteral("select Strecke, Bahn, Auto, Fahrer, Zeit, Runde, "
                                           "Geschw, Wann from schnellsterunden where Zeit > 0 "
                                           "order by Zeit"),
                            {});
    while (q.next()) {
        Rekord r{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                 q.value(3).toString(), q.value(7).toString(), q.value(4).toDouble() / 1000.0,
                 q.value(5).toInt(), q.value(6).toString()};
        // Fastest first: a later row of the same track, lane and car is no record.
        if (nurRekorde && std::any_of(liste.cbegin(), liste.cend(), [&r](const Rekord& x) {
                return gleich(x.strecke, r.strecke) && gleich(x.bahn, r.bahn) &&
                       gleich(x.autoName, r.autoName);
            }))
            continue;
        liste << r;
    }
    return liste;
}
