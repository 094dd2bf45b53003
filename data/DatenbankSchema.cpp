#include "data/DatenbankSchema.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// The lap columns of aktrennen; histrennen repeats them, as its rows are copied by name.
const QString rundenSpalten = QStringLiteral(R"(
        Fahrer TEXT COLLATE PISTORELLE,
        Auto TEXT COLLATE PISTORELLE,
        Strecke TEXT COLLATE PISTORELLE,
        Runde INTEGER,
        Zeit REAL,
        Gesamt REAL,
        MProSec REAL,
        Uhr TEXT COLLATE PISTORELLE,
        RennInfo TEXT COLLATE PISTORELLE,
        Bahn INTEGER,
        RennName TEXT COLLATE PISTORELLE,
        RennArt TEXT COLLATE PISTORELLE)");

// Version 1 as it was first delivered (migration 2 changes the collation). Times of positionen
// are whole milliseconds, times of the lap tables seconds; lengths are millimetres.
const QString schemaVersion1[] = {
    R"(create table positionen (
        Bahn INTEGER PRIMARY KEY,
        FahrerNr INTEGER,
        Platz INTEGER,
        Fahrer TEXT COLLATE PISTORELLE,
        Auto TEXT COLLATE PISTORELLE,
        Strecke TEXT COLLATE PISTORELLE,
        Laenge REAL,
        Runden INTEGER,
        Gesamt INTEGER,
        SchnellsteRunde INTEGER,
        Schnellste INTEGER,
        Wann TEXT COLLATE PISTORELLE,
        AktRunde INTEGER,
        ZurVorRunde INTEGER,
        SchnellsteGeschw REAL,
        AktGeschw REAL))",

    // AUTOINCREMENT: a lap number is never handed out twice, not even after a delete.
    QStringLiteral(R"(create table aktrennen (
        lfdnr INTEGER PRIMARY KEY AUTOINCREMENT,)") +
        rundenSpalten + u')',

    // Own key, so that the copied lfdnr of many races can repeat.
    QStringLiteral(R"(create table histrennen (
        id INTEGER PRIMARY KEY AUTOINCREMENT,
        lfdnr INTEGER,)") +
        rundenSpalten + QStringLiteral(R"(,
        rennzeit TEXT COLLATE PISTORELLE NOT NULL DEFAULT '0'))"),

    // Bahn is text: the record is looked up with the lane quoted.
    R"(create table schnellsterunden (
        Fahrer TEXT COLLATE PISTORELLE,
        Auto TEXT COLLATE PISTORELLE,
        Strecke TEXT COLLATE PISTORELLE,
        Bahn TEXT COLLATE PISTORELLE,
        LBahn REAL,
        Runde INTEGER,
        Geschw TEXT COLLATE PISTORELLE,
        Zeit INTEGER,
        Wann TEXT COLLATE PISTORELLE))",

    R"(create table fahrer (
        nummer INTEGER PRIMARY KEY AUTOINCREMENT,
        name TEXT COLLATE PISTORELLE,
        vorname TEXT COLLATE PISTORELLE,
        nachname TEXT COLLATE PISTORELLE,
        mitglied TEXT COLLATE PISTORELLE,
        bildlink TEXT COLLATE PISTORELLE,
        erstellt TEXT COLLATE PISTORELLE))",

    R"(create table autos (
        nummer INTEGER PRIMARY KEY AUTOINCREMENT,
        name TEXT COLLATE PISTORELLE,
        LangName TEXT COLLATE PISTORELLE,
        Bemerkung TEXT COLLATE PISTORELLE,
        bildlink TEXT COLLATE PISTORELLE,
        erstellt TEXT COLLATE PISTORELLE))",

    // Pairs outlive their driver and car on purpose: no foreign keys.
    R"(create table auto2fahrer (
        fahrernr INTEGER,
        autonr INTEGER))",

    R"(create table strecken (
        name TEXT COLLATE PISTORELLE,
        laengeinnen REAL,
        laengeaussen REAL))",

    R"(create table schienen (
        hersteller TEXT COLLATE PISTORELLE,
        name TEXT COLLATE PISTORELLE,
        linnen REAL,
        laussen REAL))",

    R"(create table streckenlayout (
        strname TEXT COLLATE PISTORELLE,
        nummer INTEGER,
        Hersteller TEXT COLLATE PISTORELLE,
        Schienenname TEXT COLLATE PISTORELLE,
        Anzahl INTEGER,
        LRG TEXT COLLATE PISTORELLE))",

    R"(create table texte (
        nummer INTEGER,
        langid INTEGER,
        textinhalt TEXT COLLATE PISTORELLE))",

    // The limits are kept as typed in the dialog: NUMERIC stores "5" as 5 and "abc" as text.
    R"(create table slotrennen (
        RennName TEXT COLLATE PISTORELLE,
        RennSerie TEXT COLLATE PISTORELLE,
        Strecke TEXT COLLATE PISTORELLE,
        QualiZeit NUMERIC COLLATE PISTORELLE,
        Dauer NUMERIC COLLATE PISTORELLE,
        TriggerZeit NUMERIC COLLATE PISTORELLE,
        Renndatum TEXT COLLATE PISTORELLE,
        RennTyp TEXT COLLATE PISTORELLE,
        Spuren TEXT COLLATE PISTORELLE,
        QualiSpur TEXT COLLATE PISTORELLE,
        StartOption TEXT COLLATE PISTORELLE))",

    R"(create table slotrennenfahrer (
        RennName TEXT COLLATE PISTORELLE,
        Fahrer TEXT COLLATE PISTORELLE,
        Auto TEXT COLLATE PISTORELLE,
        QualiR REAL,
        QualiZ REAL,
        QualiSR REAL,
        Gruppe INTEGER))",

    // Runden and Zeit stay NULL until the heat is scored.
    R"(create table slotrennenlauf (
        Rennname TEXT COLLATE PISTORELLE,
        Gruppe INTEGER,
        Lauf INTEGER,
        Spur INTEGER,
        Fahrer TEXT COLLATE PISTORELLE,
        Auto TEXT COLLATE PISTORELLE,
        Runden INTEGER,
        Zeit REAL))",

    "create index histrennen_rennzeit on histrennen (rennzeit)",
    "create index histrennen_rennen on histrennen (RennName, RennArt)",
    "create index aktrennen_fahrer on aktrennen (Fahrer)",
    "create index schnellsterunden_suche on schnellsterunden (Fahrer, Auto, Strecke, Bahn, LBahn)",
    // A pair once only; the dialogs insert with "insert or ignore".
    "create unique index auto2fahrer_paar on auto2fahrer (fahrernr, autonr)",
    "create unique index strecken_name on strecken (name)",
    "create unique index schienen_name on schienen (hersteller, name)",
    "create index streckenlayout_strecke on streckenlayout (strname, nummer)",
    // One text per number and language: the text table is read by position.
    "create unique index texte_sprache on texte (langid, nummer)",
    "create index slotrennen_name on slotrennen (RennName, RennSerie)",
    "create index slotrennenfahrer_rennen on slotrennenfahrer (RennName)",
    "create index slotrennenlauf_rennen on slotrennenlauf (Rennname, Gruppe, Lauf, Spur)",
};

void setze(QString* ziel, const QString& text) {
    if (ziel) *ziel = text;
}

bool fuehreAus(QSqlDatabase& db, const QString& sql, const QVariantList& werte, QString* fehler) {
    QSqlQuery q(db);
    bool ok = q.prepare(sql);
    if (ok) {
        for (const QVariant& w : werte) q.addBindValue(w);
        ok = q.exec();
    }
    if (!ok) {
        const QSqlError e = q.lastError();
        setze(fehler, QCoreApplication::translate("DatenbankSchema", "FehlerNr: %1 Info: %2 (%3)")
                          .arg(e.nativeErrorCode(), e.databaseText(), sql.simplified()));
    }
    return ok;
}

bool setzeVersion(QSqlDatabase& db, int v, QString* fehler) {
    // PRAGMA takes no bound values; v is our own number.
    return fuehreAus(db, QStringLiteral("PRAGMA user_version = %1").arg(v), {}, fehler);
}

bool migriereAuf1(QSqlDatabase& db, QString* fehler) {
    for (const QString& sql : schemaVersion1) {
        if (!fuehreAus(db, sql, {}, fehler)) return false;
    }
    return true;
}

// Version 2: text columns COLLATE NOCASE instead of the program's own collation, so that every
// SQLite tool can read the file; no index on a text column that may hold non-ASCII letters
// (the program's NOCASE and SQLite's own order those differently); an index on the copied lap
// numbers, which tell the laps that never reached the history; the start stamp of the run.
bool migriereAuf2(QSqlDatabase& db, QString* fehler) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select name, sql from sqlite_master where type='table' and "
                               "name not like 'sqlite_%' order by name"))) {
        setze(fehler, q.lastError().databaseText());
        return false;
    }
    QList<std::pair<QString, QString>> tabellen;
    while (q.next()) tabellen.append({q.value(0).toString(), q.value(1).toString()});
    q.finish();

    static const QRegularExpression alt(
        QStringLiteral("COLLATE\\s+%1\\b").arg(QLatin1String(DatenbankSchema::alteKollation)),
        QRegularExpression::CaseInsensitiveOption);
    for (const auto& eintrag : tabellen) {
        const QString& name = eintrag.first;
        const QString& sql = eintrag.second;
        if (!sql.contains(alt)) continue;
        QString neu = sql;
        neu.replace(alt, QStringLiteral("COLLATE NOCASE"));
        // The same definition under a temporary name: "create table NAME (" -> "..._neu (".
        const QRegularExpression kopf(QStringLiteral("^\\s*create\\s+table\\s+\"?%1\"?")
                                          .arg(QRegularExpression::escape(name)),
                                      QRegularExpression::CaseInsensitiveOption);
        const QString temp = name + QStringLiteral("_neu");
        neu.replace(kopf, QStringLiteral("create table ") + temp);
        // AUTOINCREMENT: the highest number ever handed out survives the rebuild.
        const QVariant folge = [&]() -> QVariant {
            QSqlQuery s(db);
            if (s.prepare(QStringLiteral("select seq from sqlite_sequence where name=?"))) {
                s.addBindValue(name);
                if (s.exec() && s.next()) return s.value(0);
            }
            return {};
        }();
        if (!fuehreAus(db, neu, {}, fehler) ||
            !fuehreAus(db, QStringLiteral("insert into %1 select * from %2").arg(temp, name), {},
                       fehler) ||
            !fuehreAus(db, QStringLiteral("drop table %1").arg(name), {}, fehler) ||
            !fuehreAus(db, QStringLiteral("alter table %1 rename to %2").arg(temp, name), {},
                       fehler))
            return false;
        if (folge.isValid() &&
            !fuehreAus(db,
                       QStringLiteral("update sqlite_sequence set seq=max(seq, ?) where name=?"),
                       {folge, name}, fehler))
            return false;
    }
    // Dropping a table took its indexes along; these hold numbers or ASCII stamps only.
    static const char* const indizes[] = {
        "drop index if exists histrennen_rennen",
        "drop index if exists aktrennen_fahrer",
        "drop index if exists schnellsterunden_suche",
        "drop index if exists strecken_name",
        "drop index if exists schienen_name",
        "drop index if exists streckenlayout_strecke",
        "drop index if exists slotrennen_name",
        "drop index if exists slotrennenfahrer_rennen",
        "drop index if exists slotrennenlauf_rennen",
        "create index if not exists histrennen_rennzeit on histrennen (rennzeit)",
        "create index if not exists histrennen_lfdnr on histrennen (lfdnr)",
        "create unique index if not exists auto2fahrer_paar on auto2fahrer (fahrernr, autonr)",
        "create unique index if not exists texte_sprache on texte (langid, nummer)",
        "create index if not exists streckenlayout_nummer on streckenlayout (nummer)",
        // One row: when the run whose laps are in aktrennen was started.
        "create table if not exists laufstand (id INTEGER PRIMARY KEY CHECK (id = 1), "
        "stempel TEXT COLLATE NOCASE, rennname TEXT COLLATE NOCASE)",
    };
    for (const char* sql : indizes) {
        if (!fuehreAus(db, QString::fromLatin1(sql), {}, fehler)) return false;
    }
    return true;
}

// Version 3: the race director's lap corrections, one row each: the run (its start stamp),
// lane and driver, "+1" for a lap the sensor missed or "-1" for a false crossing, the lap
// number, when and why.
bool migriereAuf3(QSqlDatabase& db, QString* fehler) {
    return fuehreAus(db,
                     QStringLiteral("create table if not exists korrekturen ("
                                    "lfdnr INTEGER PRIMARY KEY AUTOINCREMENT, "
                                    "rennen TEXT COLLATE NOCASE, Bahn INTEGER, "
                                    "Fahrer TEXT COLLATE NOCASE, Art TEXT COLLATE NOCASE, "
                                    "Runde INTEGER, Zeitpunkt TEXT COLLATE NOCASE, "
                                    "Grund TEXT COLLATE NOCASE)"),
                     {}, fehler) &&
           fuehreAus(db,
                     QStringLiteral("create index if not exists korrekturen_rennen on "
                                    "korrekturen (rennen)"),
                     {}, fehler);
}

// Version 4: a tournament remembers whether its groups are evened out ("1") or filled lane by
// lane from the slowest up as before (NULL, "0").
bool migriereAuf4(QSqlDatabase& db, QString* fehler) {
    // A file without a schema number may have the column already.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select count(*) from pragma_table_info('slotrennen') where "
                               "name='GruppenAusgleich' collate nocase")) ||
        !q.next()) {
        setze(fehler, q.lastError().databaseText());
        return false;
    }
    if (q.value(0).toInt() > 0) return true;
    return fuehreAus(
        db,
        QStringLiteral("alter table slotrennen add column GruppenAusgleich TEXT COLLATE NOCASE"),
        {}, fehler);
}

// Version 5: an index for a driver's statistics. It holds the names byte by byte (collate
// binary), which orders them alike in every SQLite tool, and covers every column the
// statistics read, in the order they group them (run, track, car): a driver's figures are
// one pass over his part of the index, without sorting and without touching the lap rows.
// The second index serves a series' standings: the fastest race lap of each tournament is
// the first entry under the tournament's name (as the program writes it) and "Rennen".
bool migriereAuf5(QSqlDatabase& db, QString* fehler) {
    return fuehreAus(db,
                     QStringLiteral("create index if not exists histrennen_fahrer on histrennen ("
                                    "Fahrer collate binary, rennzeit collate binary, "
                                    "Strecke collate binary, Auto collate binary, Zeit, "
                                    "RennInfo collate binary)"),
                     {}, fehler) &&
           fuehreAus(db,
                     QStringLiteral("create index if not exists histrennen_lauf on histrennen ("
                                    "RennName collate binary, RennArt collate binary, Zeit)"),
                     {}, fehler);
}

// Version 6: a "-1" correction names the lap row it took back (Zeile, the row's lfdnr), so
// whether a lap counts is read from the corrections, not from the remark " K-". Corrections
// written before get their row: the n-th "-1" on a lane's lap number in a run is the n-th
// row of that run, lane and lap marked " K-" (a taken-back row keeps its number; only the
// laps after it move up). Marked rows no correction names (files written before the table
// existed) get a correction of their own, so they stay taken back. The statistics' index
// takes lfdnr along, so a driver's figures still never touch the lap rows.
bool migriereAuf6(QSqlDatabase& db, QString* fehler) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select count(*) from pragma_table_info('korrekturen') where "
                               "name='Zeile' collate nocase")) ||
        !q.next()) {
        setze(fehler, q.lastError().databaseText());
        return false;
    }
    const bool hatSpalte = q.value(0).toInt() > 0;
    q.finish();
    // Rows marked " K-", of the history and of a run not yet copied to it, numbered per run,
    // lane and lap.
    const QString markiert = QStringLiteral(
        "markiert as (select lfdnr, rennen, Bahn, Runde, Fahrer, row_number() over (partition "
        "by rennen, Bahn, Runde order by lfdnr) as n from (select lfdnr, rennzeit as rennen, "
        "Bahn, Runde, Fahrer from histrennen where RennInfo like '%K-%' union all select "
        "lfdnr, (select stempel from laufstand where id = 1), Bahn, Runde, Fahrer from "
        "aktrennen a where RennInfo like '%K-%' and not exists (select 1 from histrennen h "
        "where h.lfdnr = a.lfdnr and h.rennzeit = (select stempel from laufstand where id = "
        "1))))");
    return (hatSpalte ||
            fuehreAus(db, QStringLiteral("alter table korrekturen add column Zeile INTEGER"),
                      {}, fehler)) &&
           fuehreAus(db,
                     QStringLiteral("with ") + markiert +
                         QStringLiteral(
                             ", minus as (select lfdnr as nr, rennen, Bahn, Runde, "
                             "row_number() over (partition by rennen, Bahn, Runde order by "
                             "lfdnr) as n from korrekturen where Art = '-1' and Zeile is null) "
                             "update korrekturen set Zeile = (select m.lfdnr from minus k join "
                             "markiert m on m.rennen = k.rennen and m.Bahn = k.Bahn and m.Runde "
                             "= k.Runde and m.n = k.n where k.nr = korrekturen.lfdnr) where Art "
                             "= '-1' and Zeile is null"),
                     {}, fehler) &&
           fuehreAus(db,
                     QStringLiteral("with ") + markiert +
                         QStringLiteral(
                             " insert into korrekturen (rennen, Bahn, Fahrer, Art, Runde, "
                             "Grund, Zeile) select rennen, Bahn, Fahrer, '-1', Runde, ' K-', "
                             "lfdnr from markiert m where not exists (select 1 from "
                             "korrekturen k where k.Art = '-1' and k.Zeile = m.lfdnr and "
                             "k.rennen = m.rennen) order by lfdnr"),
                     {}, fehler) &&
           fuehreAus(db,
                     QStringLiteral("create index if not exists korrekturen_zeile on "
                                    "korrekturen (Zeile)"),
                     {}, fehler) &&
           fuehreAus(db, QStringLiteral("drop index if exists histrennen_fahrer"), {}, fehler) &&
           fuehreAus(db,
                     QStringLiteral("create index histrennen_fahrer on histrennen ("
                                    "Fahrer collate binary, rennzeit collate binary, "
                                    "Strecke collate binary, Auto collate binary, Zeit, "
                                    "RennInfo collate binary, lfdnr)"),
                     {}, fehler);
}

using Migration = bool (*)(QSqlDatabase&, QString*);
// Index i builds version i + 1 from version i.
const Migration migrationen[] = {migriereAuf1, migriereAuf2, migriereAuf3,
                                 migriereAuf4, migriereAuf5, migriereAuf6};
static_assert(std::size(migrationen) == DatenbankSchema::version);

}  // namespace

const QStringList& DatenbankSchema::tabellen() {
    static const QStringList namen = {
        QStringLiteral("positionen"),
        QStringLiteral("aktrennen"),
        QStringLiteral("histrennen"),
        QStringLiteral("schnellsterunden"),
        QStringLiteral("fahrer"),
        QStringLiteral("autos"),
        QStringLiteral("auto2fahrer"),
        QStringLiteral("strecken"),
        QStringLiteral("schienen"),
        QStringLiteral("streckenlayout"),
        QStringLiteral("texte"),
        QStringLiteral("slotrennen"),
        QStringLiteral("slotrennenfahrer"),
        QStringLiteral("slotrennenlauf"),
    };
    return namen;
}

QStringList DatenbankSchema::fehlendeTabellen(const QSqlDatabase& db, QString* fehler) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select name from sqlite_master where type='table'"))) {
        setze(fehler, q.lastError().databaseText());
        return tabellen();
    }
    QStringList vorhanden;
    while (q.next()) vorhanden << q.value(0).toString();
    QStringList fehlend;
    for (const QString& name : tabellen()) {
        if (!vorhanden.contains(name, Qt::CaseInsensitive)) fehlend << name;
    }
    return fehlend;
}

bool DatenbankSchema::migriere(QSqlDatabase& db, int von, QString* fehler, int bis) {
    for (int v = von; v < qMin(bis, version); ++v) {
        if (!migrationen[v](db, fehler) || !setzeVersion(db, v + 1, fehler)) return false;
    }
    return true;
}

QStringList DatenbankSchema::standardTexte(int langid) {
    // Each text follows the driver's name, a number or another text after a blank, so none
    // starts with one. 9 is the counterpart of 6 and 13 for the qualifying.
    if (langid == 1031) {
        return {
            QStringLiteral("Willkommen bei Pistorelle"),       // 1 program start
            QStringLiteral("Achtung, gleich geht es los"),     // 2 start lights
            QStringLiteral("übernimmt die Führung"),           // 3 after a driver's name
            QStringLiteral("fährt neue Bestzeit mit"),         // 4 ... + time + text 8
            QStringLiteral("wird schneller"),                  // 5 faster than the lap before
            QStringLiteral("Das Rennen ist beendet."),         // 6 end of a race
            QStringLiteral("Die Ergebnisse:"),                 // 7 before the results
            QStringLiteral("Sekunden"),                        // 8 after a time in seconds
            QStringLiteral("Die Qualifikation ist beendet."),  // 9 end of a qualifying run
            QStringLiteral("in Runde"),                        // 10 + lap number
            QStringLiteral("Runden in"),                       // 11 laps + ... + total time
            QStringLiteral("Minuten zu fahren"),               // 12 remaining minutes
            QStringLiteral("Das Training ist beendet."),       // 13 end of a practice
        };
    }
    return {
        QStringLiteral("Welcome to Pistorelle"),
        QStringLiteral("Attention, get ready for the start"),
        QStringLiteral("takes the lead"),
        QStringLiteral("sets a new best lap of"),
        QStringLiteral("is getting faster"),
        QStringLiteral("The race is over."),
        QStringLiteral("The results:"),
        QStringLiteral("seconds"),
        QStringLiteral("Qualifying is over."),
        QStringLiteral("in lap"),
        QStringLiteral("laps in"),
        QStringLiteral("minutes to go"),
        QStringLiteral("Practice is over."),
    };
}

bool DatenbankSchema::fuelle(QSqlDatabase& db, QString* fehler) {
    const QString position = QStringLiteral(
        "insert into positionen (Bahn, FahrerNr, Platz, Fahrer, Auto, Strecke, Laenge, Runden, "
        "Gesamt, SchnellsteRunde, Schnellste, Wann, AktRunde, ZurVorRunde, SchnellsteGeschw, "
        "AktGeschw) values (?, ?, 0, ?, ?, 'default', 0, 0, 0, 0, 999999, '', 0, 0, 0, 0)");
    for (int bahn = 1; bahn <= 6; ++bahn) {
        // A new database starts with names in the interface language; they are data from
        // then on and stay as they are when the language changes.
        const QVariantList werte = {
            bahn, bahn, QCoreApplication::translate("DatenbankSchema", "Fahrer %1").arg(bahn),
            QCoreApplication::translate("DatenbankSchema", "Auto %1").arg(bahn)};
        if (!fuehreAus(db, position, werte, fehler)) return false;
    }
    // The default track name of the settings; lengths are set with the layout calculator.
    if (!fuehreAus(db,
                   QStringLiteral("insert into strecken (name, laengeinnen, laengeaussen) "
                                  "values ('default', 0, 0)"),
                   {}, fehler)) {
        return false;
    }
    const QString text =
        QStringLiteral("insert into texte (nummer, langid, textinhalt) values (?, ?, ?)");
    for (int langid : {1031, 1033}) {
        const QStringList texte = standardTexte(langid);
        for (int i = 0; i < texte.size(); ++i) {
            if (!fuehreAus(db, text, {i + 1, langid, texte.at(i)}, fehler)) return false;
        }
    }
    return true;
}
