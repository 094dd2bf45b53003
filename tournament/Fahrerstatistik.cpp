#include "tournament/Fahrerstatistik.h"

#include <QMap>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <algorithm>
#include <cmath>

#include "data/Datenbank.h"
#include "data/DatenbankSchema.h"
#include "engine/Rundenvermerk.h"
#include "tournament/TurnierDaten.h"

namespace {

// A lap that counts: driven (time above zero) and not taken back.
const QString gezaehlt =
    QStringLiteral("Zeit > 0 and ") + QLatin1String(DatenbankSchema::zaehltInHistorie);

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
    std::sort(liste.begin(), liste.end(),
              [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
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

Fahrerstatistik::Ergebnis Fahrerstatistik::berechne(const Auswahl& a) {
    Ergebnis e;
    e.plaetze = plaetze(a);
    struct Summen {
        int n = 0;
        double summe = 0, quadrate = 0, beste = 0;
    };
    QMap<QDate, Summen> tage;
    // One row per run, track and car, read in the order of the index (no sorting); the runs
    // are added up to evenings here, and car and track are chosen here too, so every row of
    // the index is read once and compared with no more than the remark rules.
    const QString sql =
        QStringLiteral(
            "select rennzeit, Strecke, Auto, count(*), sum(Zeit), sum(Zeit * Zeit), "
            "min(case when %1 then Zeit end) from histrennen where Fahrer collate "
            "binary = ? and %2 group by rennzeit collate binary, Strecke collate "
            "binary, Auto collate binary")
            .arg(QLatin1String(Rundenvermerk::bestzeitMoeglich), gezaehlt);
    for (const QString& schreibweise : schreibweisen(a.fahrer)) {
        QSqlQuery q = fuehreAus(m_db, sql, {schreibweise});
        while (q.next()) {
            const QString strecke = q.value(1).toString(), autoName = q.value(2).toString();
            fuegeEinmalEin(e.strecken, strecke);
            fuegeEinmalEin(e.autos, autoName);
            if ((!a.strecke.isEmpty() && !gleich(a.strecke, strecke)) ||
                (!a.autoName.isEmpty() && !gleich(a.autoName, autoName)))
                continue;
            const int n = q.value(3).toInt();
            const double beste = q.value(6).isNull() ? 0 : q.value(6).toDouble();
            const QDate tag = tagVon(q.value(0).toString());
            e.runden += n;
            if (tag.isValid()) {
                Summen& t = tage[tag];
                t.n += n;
                t.summe += q.value(4).toDouble();
                t.quadrate += q.value(5).toDouble();
                if (beste > 0 && (t.beste == 0 || beste < t.beste)) t.beste = beste;
            }
            if (beste <= 0) continue;
            auto da =
                std::find_if(e.bestrunden.begin(), e.bestrunden.end(), [&](const Bestrunde& x) {
                    return gleich(x.strecke, strecke) && gleich(x.autoName, autoName);
                });
            if (da == e.bestrunden.end())
                e.bestrunden << Bestrunde{strecke, autoName, beste, tag};
            else if (beste < da->zeit || (beste == da->zeit && tag < da->tag))
                da->zeit = beste, da->tag = tag;
        }
    }
    for (auto it = tage.cbegin(); it != tage.cend(); ++it) {
        const Summen& t = it.value();
        Abend abend;
        abend.tag = it.key();
        abend.runden = t.n;
        abend.beste = t.beste;
        abend.schnitt = t.summe / t.n;
        if (t.n > 1)
            abend.streuung =
                std::sqrt(std::max(0.0, (t.quadrate - t.summe * t.summe / t.n) / (t.n - 1)));
        e.abende << abend;
    }
    std::sort(e.bestrunden.begin(), e.bestrunden.end(), [](const Bestrunde& x, const Bestrunde& y) {
        const int s = x.strecke.localeAwareCompare(y.strecke);
        return s != 0 ? s < 0 : x.autoName.localeAwareCompare(y.autoName) < 0;
    });
    sortiere(e.autos);
    sortiere(e.strecken);
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
                 q.value(5).toInt(),    q.value(6).toString()};
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
