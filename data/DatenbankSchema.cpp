#include "DatenbankSchema.h"

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

// Version 1. Times of positionen are whole milliseconds, times of the lap tables seconds;
// lengths are millimetres. Texts compare without regard to case (collation PISTORELLE).
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
        setze(fehler, QStringLiteral("FehlerNr: %1 Info: %2 (%3)")
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

using Migration = bool (*)(QSqlDatabase&, QString*);
// Index i builds version i + 1 from version i.
const Migration migrationen[] = {migriereAuf1};
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

bool DatenbankSchema::migriere(QSqlDatabase& db, int von, QString* fehler) {
    for (int v = von; v < version; ++v) {
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
        const QVariantList werte = {bahn, bahn, QStringLiteral("Fahrer %1").arg(bahn),
                                    QStringLiteral("Auto %1").arg(bahn)};
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
