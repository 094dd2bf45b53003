#include "tournament/TurnierDaten.h"

#include <QSqlError>
#include <QSqlQuery>

#include "config/Formate.h"
#include "config/Uhr.h"
#include "data/Datenbank.h"
#include "data/DatenbankSchema.h"
#include "engine/Rundenvermerk.h"

TurnierDaten::TurnierDaten(Datenbank& db) : m_db(db) {}

QVector<QSqlRecord> TurnierDaten::lese(const QString& sql, const QVariantList& werte) {
    QVector<QSqlRecord> zeilen;
    m_fehler.clear();
    m_fehlerNr = 0;
    QSqlQuery q(m_db.db());
    q.setForwardOnly(true);
    bool ok = q.prepare(sql);
    if (ok) {
        for (const QVariant& w : werte) q.addBindValue(w);
        ok = q.exec();
    }
    if (!ok) {
        m_fehler = q.lastError().text();
        m_fehlerNr = q.lastError().nativeErrorCode().toInt();
        return zeilen;
    }
    while (q.next()) zeilen.append(q.record());
    return zeilen;
}

bool TurnierDaten::fuehreAus(const QString& sql, const QVariantList& werte) {
    m_fehler.clear();
    m_fehlerNr = 0;
    return m_db.execute(sql, werte, &m_fehler, &m_fehlerNr);
}

template <typename F>
bool TurnierDaten::inTransaktion(F schritte) {
    if (!m_db.beginneTransaktion()) {
        m_fehler = m_db.letzterFehler();
        m_fehlerNr = m_db.letzteFehlerNr();
        return false;
    }
    if (schritte() && m_db.bestaetige()) return true;
    const QString fehler = m_fehler.isEmpty() ? m_db.letzterFehler() : m_fehler;
    const int nr = m_fehlerNr != 0 ? m_fehlerNr : m_db.letzteFehlerNr();
    m_db.verwerfe();
    m_fehler = fehler;
    m_fehlerNr = nr;
    return false;
}

// ---- tournaments

QVector<SlotRennen> TurnierDaten::turniere() {
    QVector<SlotRennen> liste;
    for (const QSqlRecord& z : lese(QStringLiteral(
             "select rowid, RennName, RennSerie, Strecke, QualiZeit, Dauer, TriggerZeit, "
             "Renndatum, RennTyp, Spuren, QualiSpur, StartOption, GruppenAusgleich from "
             "slotrennen order by rowid"))) {
        SlotRennen r;
        r.rowid = z.value(0).toLongLong();
        r.RennName = z.value(1).toString();
        r.RennSerie = z.value(2).toString();
        r.Strecke = z.value(3).toString();
        r.QualiZeit = z.value(4).toString();
        r.Dauer = z.value(5).toString();
        r.TriggerZeit = z.value(6).toString();
        r.Renndatum = z.value(7).toString();  // null shows as empty
        // The stored word is the opposite of the option caption.
        r.optionZeit = z.value(8).toString() == QLatin1String("Runden");
        r.Spuren = std::clamp(z.value(9).toInt(), 1, 6);
        r.QualiSpur = std::clamp(z.value(10).toInt(), 1, 6);
        r.StartOption = z.value(11).toString() == QLatin1String("1");
        r.gruppenAusgleichen = z.value(12).toString() == QLatin1String("1");
        liste.append(r);
    }
    return liste;
}

namespace {
QVariantList eingaben(const SlotRennen& r) {
    return {r.RennName,
            r.RennSerie,
            r.Strecke,
            r.QualiZeit,
            r.Dauer,
            r.TriggerZeit,
            r.optionZeit ? QStringLiteral("Runden") : QStringLiteral("Zeit"),
            QString::number(r.Spuren),
            QString::number(r.QualiSpur),
            r.StartOption ? QStringLiteral("1") : QStringLiteral("0"),
            r.gruppenAusgleichen ? QStringLiteral("1") : QStringLiteral("0")};
}
}  // namespace

bool TurnierDaten::fuegeEin(SlotRennen& r) {
    QSqlQuery q(m_db.db());
    bool ok = q.prepare(QStringLiteral(
        "insert into slotrennen (RennName, RennSerie, Strecke, QualiZeit, Dauer, TriggerZeit, "
        "RennTyp, Spuren, QualiSpur, StartOption, GruppenAusgleich) values (?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?)"));
    if (ok) {
        for (const QVariant& w : eingaben(r)) q.addBindValue(w);
        ok = q.exec();
    }
    if (!ok) {
        m_fehler = q.lastError().text();
        m_fehlerNr = q.lastError().nativeErrorCode().toInt();
        return false;
    }
    r.rowid = q.lastInsertId().toLongLong();
    return true;
}

bool TurnierDaten::aendere(const SlotRennen& r) {
    QVariantList werte = eingaben(r);
    werte << r.rowid;
    return fuehreAus(QStringLiteral("update slotrennen set RennName=?, RennSerie=?, Strecke=?, "
                                    "QualiZeit=?, Dauer=?, TriggerZeit=?, RennTyp=?, Spuren=?, "
                                    "QualiSpur=?, StartOption=?, GruppenAusgleich=? where "
                                    "rowid=?"),
                     werte);
}

bool TurnierDaten::loesche(const SlotRennen& r) {
    const QString k = r.schluessel();
    return inTransaktion([&] {
        return fuehreAus(QStringLiteral("delete from slotrennenfahrer where rennname=?"), {k}) &&
               fuehreAus(QStringLiteral("delete from slotrennenlauf where rennname=?"), {k}) &&
               fuehreAus(QStringLiteral("delete from slotrennen where rennname=? and rennserie=?"),
                         {r.RennName, r.RennSerie});
    });
}

bool TurnierDaten::setzeRenndatum(const SlotRennen& r, const QString& datum) {
    return fuehreAus(
        QStringLiteral("update slotrennen set Renndatum=? where rennname=? and rennserie=?"),
        {datum, r.RennName, r.RennSerie});
}

bool TurnierDaten::hatErgebnisse(const QString& schluessel) {
    const QVariant n = m_db.wert(
        QStringLiteral("select (select count(*) from slotrennenfahrer where rennname=? and "
                       "qualir is not null) + (select count(*) from slotrennenlauf where "
                       "rennname=? and runden is not null)"),
        {schluessel, schluessel});
    return n.toInt() > 0;
}

// ---- entrants

QString TurnierDaten::teilnehmerSql(Sortierung s) {
    const QString basis = QStringLiteral(
        "select RennName, Fahrer, Auto, QualiR, QualiZ as \"Quali Z\", QualiSR, Gruppe, rowid "
        "from slotrennenfahrer where RennName=? order by ");
    switch (s) {
        // Without a qualifying result an entrant is slower than anyone who drove.
        case Sortierung::Quali:
            return basis + QStringLiteral("qualiz is null, qualiz, qualisr, qualir, rowid");
        case Sortierung::Gruppe:
            return basis + QStringLiteral("gruppe, qualiz is null, qualiz, qualisr, qualir, rowid");
        case Sortierung::Eingabe:
            break;
    }
    return basis + QStringLiteral("gruppe, rowid");
}

QVector<TurnierDaten::Teilnehmer> TurnierDaten::teilnehmer(const QString& schluessel,
                                                           Sortierung s) {
    QVector<Teilnehmer> liste;
    for (const QSqlRecord& z : lese(teilnehmerSql(s), {schluessel})) {
        liste.append({z.value(7).toLongLong(), z.value(1).toString(), z.value(2).toString(),
                      z.value(3), z.value(4), z.value(5), z.value(6).toInt()});
    }
    return liste;
}

bool TurnierDaten::uebernehme(const QString& schluessel,
                              const QVector<RennLaufBelegung::Teilnehmer>& liste, bool alleNeu,
                              QStringList* doppelt) {
    QStringList ausgelassen;
    const bool ok = inTransaktion([&] {
        if (alleNeu && !fuehreAus(QStringLiteral("delete from slotrennenfahrer where rennname=?"),
                                  {schluessel}))
            return false;
        for (const auto& t : liste) {
            if (istTeilnehmer(schluessel, t.fahrer)) {
                ausgelassen << t.fahrer;
                continue;
            }
            if (!fuegeTeilnehmerEin(schluessel, t.fahrer, t.autoName)) return false;
        }
        return true;
    });
    if (doppelt) *doppelt = ok ? ausgelassen : QStringList();
    return ok;
}

bool TurnierDaten::istTeilnehmer(const QString& schluessel, const QString& fahrer) {
    return m_db.wert(QStringLiteral("select count(*) from slotrennenfahrer where rennname=? and "
                                    "fahrer=?"),
                     {schluessel, fahrer})
               .toInt() > 0;
}

bool TurnierDaten::fuegeTeilnehmerEin(const QString& schluessel, const QString& fahrer,
                                      const QString& autoName) {
    return fuehreAus(
        QStringLiteral("insert into slotrennenfahrer (RennName, Fahrer, Auto) values (?, ?, ?)"),
        {schluessel, fahrer, autoName});
}

bool TurnierDaten::speichereQuali(qint64 rowid, double runden, double zeit, double runde) {
    return fuehreAus(QStringLiteral("update slotrennenfahrer set QualiR=?, QualiZ=?, QualiSR=?, "
                                    "Gruppe=0 where rowid=?"),
                     {runden, zeit, runde, rowid});
}

bool TurnierDaten::setzeGruppen(const QVector<qint64>& rowids, const QVector<int>& gruppen) {
    return inTransaktion([&] {
        for (qsizetype i = 0; i < rowids.size() && i < gruppen.size(); ++i)
            if (!fuehreAus(QStringLiteral("update slotrennenfahrer set Gruppe=? where rowid=?"),
                           {gruppen.at(i), rowids.at(i)}))
                return false;
        return true;
    });
}

// ---- heats

bool TurnierDaten::belegeLaeufe(const QString& schluessel, const QString& rotation, Uhr* zufall,
                                QStringList* log) {
    return inTransaktion([&] {
        if (!fuehreAus(QStringLiteral("delete from slotrennenlauf where rennname=?"), {schluessel}))
            return false;
        const int gruppen =
            m_db.wert(QStringLiteral("select max(gruppe) from slotrennenfahrer where rennname=?"),
                      {schluessel})
                .toInt();
        for (int g = 1; g <= gruppen; ++g) {
            QVector<RennLaufBelegung::Teilnehmer> gruppe;
            const QVector<QSqlRecord> zeilen = lese(
                QStringLiteral("select fahrer, auto from slotrennenfahrer where rennname=? "
                               "and gruppe=? order by qualiz is null, qualiz, qualisr, qualir, "
                               "rowid"),
                {schluessel, g});
            if (!m_fehler.isEmpty()) return false;
            for (const QSqlRecord& z : zeilen)
                gruppe.append({z.value(0).toString(), z.value(1).toString()});
            const QStringList strings =
                RennLaufBelegung::LaufStrings(rotation, int(gruppe.size()), zufall, log);
            for (const auto& l :
                 RennLaufBelegung::Laeufe(g, gruppe, strings, int(rotation.size()))) {
                if (!fuehreAus(
                        QStringLiteral("insert into slotrennenlauf (Rennname, Gruppe, "
                                       "Lauf, Spur, Fahrer, Auto) values (?, ?, ?, ?, ?, ?)"),
                        {schluessel, l.gruppe, l.lauf, l.spur, l.fahrer, l.autoName}))
                    return false;
            }
        }
        return true;
    });
}

QString TurnierDaten::laeufeSql() {
    return QStringLiteral(
        "select Rennname, Gruppe, Lauf, Spur, Fahrer, Auto, Runden, Zeit from "
        "slotrennenlauf where rennname=? order by gruppe, lauf, spur");
}

QVector<QSqlRecord> TurnierDaten::laeufe(const QString& schluessel) {
    return lese(laeufeSql(), {schluessel});
}

int TurnierDaten::maxGruppe(const QString& schluessel) {
    return m_db
        .wert(QStringLiteral("select max(gruppe) from slotrennenlauf where rennname=?"),
              {schluessel})
        .toInt();
}

int TurnierDaten::maxLauf(const QString& schluessel, int gruppe) {
    return m_db
        .wert(QStringLiteral("select max(lauf) from slotrennenlauf where rennname=? and gruppe=?"),
              {schluessel, gruppe})
        .toInt();
}

bool TurnierDaten::schreibeErgebnisse(const QString& schluessel, int gruppe, int lauf,
                                      const QVector<PositionsZeile>& bahnen) {
    return inTransaktion([&] {
        for (const PositionsZeile& b : bahnen)
            if (!fuehreAus(QStringLiteral("update slotrennenlauf set runden=?, Zeit=? where "
                                          "rennname=? and gruppe=? and lauf=? and spur=? and "
                                          "fahrer<>?"),
                           {b.runden, b.gesamt, schluessel, gruppe, lauf, b.bahn, platzhalter()}))
                return false;
        return true;
    });
}

// ---- standings and report

QString TurnierDaten::wertungSql() {
    return QStringLiteral(
        "select Fahrer, Auto, Gruppe, sum(Runden) as GesamtRunden, sum(Zeit) as GesamtZeit from "
        "slotrennenlauf where rennname=? and runden>0 and fahrer<>'Dummy' "
        "group by fahrer, auto, gruppe "
        "order by sum(Runden) desc, sum(Zeit)");
}

QVector<QSqlRecord> TurnierDaten::wertung(const QString& schluessel) {
    return lese(wertungSql(), {schluessel});
}

QString TurnierDaten::GetSchnellsteRunde(const QString& schluessel, const QString& fahrer,
                                         const QString& autoName) {
    const QVector<QSqlRecord> z = lese(
        QStringLiteral("select runde, bahn, zeit from histrennen where rennart='Rennen' and "
                       "rennname=? and fahrer=? and auto=? and zeit in (select min(zeit) from "
                       "histrennen where rennart='Rennen' and rennname=? and fahrer=? and auto=? "
                       "and ") +
            QLatin1String(DatenbankSchema::zaehltInHistorie) + QStringLiteral(" and ") +
            QLatin1String(Rundenvermerk::bestzeitMoeglich) + QStringLiteral(") order by id"),
        {schluessel, fahrer, autoName, schluessel, fahrer, autoName});
    if (z.isEmpty()) return QStringLiteral("keine Angabe");
    return QStringLiteral("Runde: ") +
           Formate::Format(z.first().value(0).toDouble(), QStringLiteral("0000")) +
           QStringLiteral(" Spur: ") + z.first().value(1).toString() + QStringLiteral(" - ") +
           z.first().value(2).toString();
}

// ---- hand-over to the race engine

namespace {
QVector<int> alleAusser(const QVector<int>& besetzt) {
    QVector<int> frei;
    for (int b = 1; b <= 6; ++b)
        if (!besetzt.contains(b)) frei << b;
    return frei;
}
}  // namespace

bool TurnierDaten::ladeQuali(const QString& fahrer, const QString& autoName, int spur,
                             QVector<int>* frei) {
    if (frei) *frei = alleAusser({spur});
    return fuehreAus(QStringLiteral("update positionen set fahrer=?, auto=?"),
                     {platzhalter(), platzhalter()}) &&
           fuehreAus(QStringLiteral("update positionen set fahrer=?, auto=? where bahn=?"),
                     {fahrer, autoName, spur});
}

bool TurnierDaten::ladeLauf(const QString& schluessel, int gruppe, int lauf, QVector<int>* frei) {
    if (frei) *frei = alleAusser({});
    if (!fuehreAus(QStringLiteral("update positionen set platz=0, fahrer=?, auto=?, Runden=0, "
                                  "Gesamt=999999, schnellsterunde=999, schnellste=999999, "
                                  "aktrunde=0"),
                   {platzhalter(), platzhalter()}))
        return false;
    const QVector<QSqlRecord> zeilen =
        lese(QStringLiteral("select fahrer, auto, spur from slotrennenlauf where rennname=? and "
                            "gruppe=? and lauf=? and spur<>0 and fahrer<>? order by spur"),
             {schluessel, gruppe, lauf, platzhalter()});
    if (!m_fehler.isEmpty()) return false;
    QVector<int> besetzt;
    for (const QSqlRecord& z : zeilen) {
        if (!fuehreAus(QStringLiteral("update positionen set fahrer=?, auto=? where bahn=?"),
                       {z.value(0), z.value(1), z.value(2)}))
            return false;
        besetzt << z.value(2).toInt();
    }
    if (frei) *frei = alleAusser(besetzt);
    return true;
}

// ---- master data

QStringList TurnierDaten::fahrerNamen() {
    QStringList namen;
    for (const QSqlRecord& z : lese(QStringLiteral("select name from fahrer order by name")))
        namen << z.value(0).toString();
    return namen;
}

QStringList TurnierDaten::autoNamen() {
    QStringList namen;
    for (const QSqlRecord& z : lese(QStringLiteral("select name from autos order by name")))
        namen << z.value(0).toString();
    return namen;
}

QStringList TurnierDaten::autosVon(const QString& fahrer) {
    QStringList namen;
    for (const QSqlRecord& z :
         lese(QStringLiteral(
                  "select name from autos where nummer in (select autonr from auto2fahrer where "
                  "fahrernr in (select nummer from fahrer where name=?)) order by nummer"),
              {fahrer}))
        namen << z.value(0).toString();
    return namen.isEmpty() ? autoNamen() : namen;
}
