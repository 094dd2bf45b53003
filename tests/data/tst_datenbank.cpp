// Opening, creating and checking the database; collation; bound values; history copy.

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

#include <sqlite3.h>

#include <QDir>
#include <QProcess>
#include <QSqlDriver>

#include "data/Datenbank.h"
#include "data/DatenbankSchema.h"

namespace {
QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Read-only even for root (the immutable flag), or by its mode for anyone else.
bool schreibschutz(const QString& pfad, bool an) {
    if (geteuid() != 0)
        return QFile::setPermissions(pfad, an ? QFile::ReadOwner
                                              : QFile::ReadOwner | QFile::WriteOwner);
    return QProcess::execute("chattr", {an ? "+i" : "-i", pfad}) == 0;
}

// The sqlite3 command-line shell on a file: exit code and what it printed.
std::pair<int, QString> sqlite3Shell(const QString& pfad, const QString& sql) {
    QProcess p;
    p.start("sqlite3", {pfad, sql});
    p.waitForFinished();
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput())};
}

QStringList spaltenVon(Datenbank& db, const QString& tabelle) {
    QStringList namen;
    QSqlQuery q(db.db());
    q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(tabelle));
    while (q.next()) namen << q.value(1).toString();
    return namen;
}

void fuegeRundeEin(Datenbank& db, const QString& fahrer, int runde, double zeit) {
    QVERIFY(db.execute(QStringLiteral("insert into aktrennen (Fahrer, Auto, Strecke, Runde, Zeit, "
                                      "Gesamt, MProSec, Uhr, RennInfo, Bahn, RennName, RennArt) "
                                      "values (?, 'Audi', 'default', ?, ?, ?, 1.5, '14:03:07', "
                                      "'SR ', 2, 'Cup', 'Rennen')"),
                       {fahrer, runde, zeit, zeit * runde}));
}
}  // namespace

class TestDatenbank : public QObject {
    Q_OBJECT
    QTemporaryDir m_ordner;
    QString m_pfad;
    Datenbank m_db{QStringLiteral("test")};

    // The collation of schema 1 on a connection of our own, to write such a file.
    static bool alteKollation(QSqlDatabase& db) {
        sqlite3* h = *static_cast<sqlite3* const*>(db.driver()->handle().constData());
        return sqlite3_create_collation(h, "PISTORELLE", SQLITE_UTF8, nullptr,
                                        [](void*, int n1, const void* a, int n2, const void* b) {
                                            return QString::fromUtf8((const char*)a, n1)
                                                .compare(QString::fromUtf8((const char*)b, n2),
                                                         Qt::CaseInsensitive);
                                        }) == SQLITE_OK;
    }

private slots:
    void init() {
        m_db.schliesse();
        static int lauf = 0;
        // Folders that do not exist yet, with characters a file URI must escape.
        m_pfad = m_ordner.filePath(QStringLiteral("%1/Jürgen #1 100%/Pistorelle.db").arg(++lauf));
        QString fehler;
        QVERIFY2(m_db.oeffneOderErzeuge(m_pfad, &fehler), qPrintable(fehler));
    }

    void neueDatenbankHatSchemaUndGrunddaten() {
        QVERIFY(QFile::exists(m_pfad));
        QCOMPARE(m_db.wert("select count(*) from sqlite_master where type='table' and "
                           "name not like 'sqlite%'"),
                 QVariant(16));  // the fourteen, laufstand and korrekturen
        QCOMPARE(m_db.wert("PRAGMA user_version").toInt(), Datenbank::schemaVersion());
        QCOMPARE(m_db.wert("select count(*) from positionen").toInt(), 6);
        QCOMPARE(m_db.wert("select Fahrer || '/' || Auto || '/' || Strecke || '/' || FahrerNr || "
                           "'/' || Schnellste || '/' || Platz || '/' || Wann from positionen "
                           "where Bahn=5")
                     .toString(),
                 QStringLiteral("Fahrer 5/Auto 5/default/5/999999/0/"));
        for (int langid : {1031, 1033}) {
            QCOMPARE(m_db.wert("select count(distinct nummer) from texte where langid=? and "
                               "nummer between 1 and 13 and textinhalt <> ''",
                               {langid})
                         .toInt(),
                     13);
        }
        QCOMPARE(m_db.wert("select textinhalt from texte where langid=1031 and nummer=3"),
                 QVariant(QStringLiteral("übernimmt die Führung")));
        QCOMPARE(m_db.wert("select count(*) from strecken where name='default'").toInt(), 1);

        // Opening it again neither fails nor seeds a second time.
        QString fehler;
        QVERIFY2(m_db.oeffneOderErzeuge(m_pfad, &fehler), qPrintable(fehler));
        QCOMPARE(m_db.wert("select count(*) from texte").toInt(), 26);
    }

    void spalten_data() {
        QTest::addColumn<QString>("tabelle");
        QTest::addColumn<QString>("spalten");
        const QString lap =
            "Fahrer Auto Strecke Runde Zeit Gesamt MProSec Uhr RennInfo Bahn "
            "RennName RennArt";
        QTest::newRow("positionen")
            << "positionen"
            << "Bahn FahrerNr Platz Fahrer Auto Strecke Laenge Runden Gesamt SchnellsteRunde "
               "Schnellste Wann AktRunde ZurVorRunde SchnellsteGeschw AktGeschw";
        QTest::newRow("aktrennen") << "aktrennen"
                                   << "lfdnr " + lap;
        QTest::newRow("histrennen") << "histrennen"
                                    << "id lfdnr " + lap + " rennzeit";
        QTest::newRow("schnellsterunden")
            << "schnellsterunden"
            << "Fahrer Auto Strecke Bahn LBahn Runde Geschw Zeit Wann";
        QTest::newRow("fahrer") << "fahrer"
                                << "nummer name vorname nachname mitglied bildlink erstellt";
        QTest::newRow("autos") << "autos"
                               << "nummer name LangName Bemerkung bildlink erstellt";
        QTest::newRow("auto2fahrer") << "auto2fahrer"
                                     << "fahrernr autonr";
        QTest::newRow("strecken") << "strecken"
                                  << "name laengeinnen laengeaussen";
        QTest::newRow("schienen") << "schienen"
                                  << "hersteller name linnen laussen";
        QTest::newRow("streckenlayout") << "streckenlayout"
                                        << "strname nummer Hersteller Schienenname Anzahl LRG";
        QTest::newRow("texte") << "texte"
                               << "nummer langid textinhalt";
        QTest::newRow("slotrennen") << "slotrennen"
                                    << "RennName RennSerie Strecke QualiZeit Dauer TriggerZeit "
                                       "Renndatum RennTyp Spuren QualiSpur StartOption "
                                       "GruppenAusgleich";
        QTest::newRow("slotrennenfahrer") << "slotrennenfahrer"
                                          << "RennName Fahrer Auto QualiR QualiZ QualiSR Gruppe";
        QTest::newRow("slotrennenlauf") << "slotrennenlauf"
                                        << "Rennname Gruppe Lauf Spur Fahrer Auto Runden Zeit";
    }
    void spalten() {
        QFETCH(QString, tabelle);
        QFETCH(QString, spalten);
        QCOMPARE(spaltenVon(m_db, tabelle).join(' '), spalten);
    }

    void zeitenSindZahlen() {
        fuegeRundeEin(m_db, "A", 1, 10.25);
        fuegeRundeEin(m_db, "A", 2, 9.5);
        // Text order would put "10.25" first.
        QCOMPARE(m_db.wert("select Runde from aktrennen order by Zeit").toInt(), 2);
        QCOMPARE(m_db.wert("select typeof(Zeit) || typeof(Gesamt) from aktrennen").toString(),
                 QStringLiteral("realreal"));
    }

    void textVergleichOhneGrossKlein_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("werte");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("=") << "select count(*) from fahrer where name=?" << QVariantList{"aNNa"}
                           << "3";
        QTest::newRow("= Umlaut") << "select count(*) from fahrer where name=?"
                                  << QVariantList{"äPFEL"} << "2";
        QTest::newRow("distinct") << "select count(*) from (select distinct name from fahrer)"
                                  << QVariantList{} << "3";
        QTest::newRow("group by") << "select group_concat(n) from (select count(*) as n from "
                                     "fahrer group by name order by 1)"
                                  << QVariantList{} << "1,2,3";
        QTest::newRow("order by") << "select group_concat(name, '|') from (select name from "
                                     "autos order by name)"
                                  << QVariantList{} << "Apfel|banane|Zitrone";
        QTest::newRow("index") << "select count(*) from aktrennen where Fahrer=?"
                               << QVariantList{"ÄPFEL"} << "1";
    }
    void textVergleichOhneGrossKlein() {
        QFETCH(QString, sql);
        QFETCH(QVariantList, werte);
        QFETCH(QString, erwartet);
        for (const char* name : {"Anna", "ANNA", "anna", "ÄPFEL", "äpfel", "Bernd"})
            QVERIFY(m_db.execute("insert into fahrer (name) values (?)", {QString(name)}));
        for (const char* name : {"banane", "Zitrone", "Apfel"})
            QVERIFY(m_db.execute("insert into autos (name) values (?)", {QString(name)}));
        fuegeRundeEin(m_db, "äpfel", 1, 9.0);
        // The collation must come back with every open.
        QString fehler;
        QVERIFY2(m_db.oeffne(m_pfad, &fehler), qPrintable(fehler));
        QCOMPARE(m_db.wert(sql, werte).toString(), erwartet);
    }

    void paareNurEinmal() {
        // The dialogs insert pairs with "insert or ignore".
        for (int i = 0; i < 2; ++i)
            QVERIFY(
                m_db.execute("insert or ignore into auto2fahrer (fahrernr, autonr) values "
                             "(?, ?)",
                             {3, 7}));
        QCOMPARE(m_db.wert("select count(*) from auto2fahrer").toInt(), 1);
    }

    void fehlerVonAnweisungen() {
        QString text;
        int nr = 0;
        QVERIFY(!m_db.execute("selct 1", {}, &text, &nr));
        QCOMPARE(nr, 1);  // SQLITE_ERROR
        QVERIFY(!text.isEmpty());
        // A second statement is never run behind the first.
        QVERIFY(!m_db.execute("delete from texte; drop table fahrer"));
        QCOMPARE(m_db.wert("select count(*) from texte").toInt(), 26);
        QVERIFY(!m_db.wert("select count(*) from fahrer").isNull());
        m_db.schliesse();
        QVERIFY(!m_db.execute("delete from texte", {}, &text, &nr));
        QCOMPARE(nr, -1);
    }

    // Statements are kept prepared between calls: each call gets its own values, no read is
    // left running behind a call, and a kept statement never outlives its file.
    void gemerkteAnweisungen() {
        const QString naechster = "select Fahrer from positionen where Bahn>? order by Bahn";
        const QString erster = m_db.wert(naechster, {0}).toString();
        const QString zweiter = m_db.wert(naechster, {1}).toString();
        QVERIFY(!erster.isEmpty());
        QVERIFY(zweiter != erster);
        QCOMPARE(m_db.wert(naechster, {0}).toString(), erster);
        // The first row of many was read: the statement must not stay open (VACUUM refuses
        // to run beside one).
        QVERIFY2(m_db.execute("VACUUM"), qPrintable(m_db.letzterFehler()));

        // Failed once, it is not kept failing.
        QVERIFY(!m_db.wert("select count(*) from spaeter").isValid());
        QVERIFY(m_db.execute("create table spaeter (x)"));
        QCOMPARE(m_db.wert("select count(*) from spaeter").toInt(), 0);

        // Another file: the same text reads that file.
        const QString anderer = m_ordner.filePath("anderer.db");
        QString fehler;
        QVERIFY2(m_db.oeffneOderErzeuge(anderer, &fehler), qPrintable(fehler));
        QVERIFY(m_db.execute("update positionen set Fahrer='Zora' where Bahn=1"));
        QCOMPARE(m_db.wert(naechster, {0}).toString(), QStringLiteral("Zora"));
        QVERIFY2(m_db.oeffne(m_pfad, &fehler), qPrintable(fehler));
        QCOMPARE(m_db.wert(naechster, {0}).toString(), erster);
    }

    void historieKopieUndStempel() {
        fuegeRundeEin(m_db, "Anna", 1, 9.5);
        fuegeRundeEin(m_db, "Bernd", 1, 8.25);
        QVERIFY(m_db.KopieToHistRennen("2025.03.01 10:00:00"));
        // Copying again without a new race copies nothing twice.
        QVERIFY(m_db.KopieToHistRennen("2025.03.01 11:00:00"));
        QVERIFY(m_db.execute("delete from aktrennen"));
        fuegeRundeEin(m_db, "Carla", 1, 7.0);
        QVERIFY(m_db.KopieToHistRennen("2025.02.28 09:00:00"));

        QCOMPARE(m_db.wert("select group_concat(rennzeit || '#' || n, '|') from (select rennzeit, "
                           "count(*) as n from histrennen group by rennzeit order by rennzeit "
                           "desc)")
                     .toString(),
                 QStringLiteral("2025.03.01 10:00:00#2|2025.02.28 09:00:00#1"));
        // lfdnr is not reused after the delete, and the copy keeps lfdnr order and every value.
        QCOMPARE(m_db.wert("select group_concat(lfdnr) from (select lfdnr from histrennen order "
                           "by id)")
                     .toString(),
                 QStringLiteral("1,2,3"));
        QCOMPARE(m_db.wert("select Fahrer || Auto || Strecke || Runde || Zeit || Gesamt || "
                           "MProSec || Uhr || RennInfo || Bahn || RennName || RennArt from "
                           "histrennen where lfdnr=3")
                     .toString(),
                 QStringLiteral("CarlaAudidefault17.07.01.514:03:07SR 2CupRennen"));
    }

    void historieAbgebrochenLaesstNichtsZurueck() {
        fuegeRundeEin(m_db, "Anna", 1, 9.5);
        QVERIFY(
            m_db.execute("create trigger stempel_sperre before update of rennzeit on "
                         "histrennen begin select raise(abort, 'Stempel gesperrt'); end"));
        QString text;
        int nr = 0;
        QVERIFY(!m_db.KopieToHistRennen("2025.03.01 10:00:00", &text, &nr));
        QCOMPARE(nr, 1811);  // SQLITE_CONSTRAINT_TRIGGER
        QVERIFY2(text.contains("Stempel gesperrt"), qPrintable(text));
        QCOMPARE(m_db.wert("select count(*) from histrennen").toInt(), 0);

        // Nothing is left open: the next copy works, and one inside a rolled-back
        // transaction of the caller vanishes with it. "0" marks unstamped rows, never a stamp.
        QVERIFY(m_db.execute("drop trigger stempel_sperre"));
        QVERIFY(!m_db.KopieToHistRennen("0"));
        QVERIFY(m_db.beginneTransaktion());
        QVERIFY(m_db.KopieToHistRennen("2025.03.01 10:00:00"));
        QVERIFY(m_db.verwerfe());
        QCOMPARE(m_db.wert("select count(*) from histrennen").toInt(), 0);
        QVERIFY(m_db.KopieToHistRennen("2025.03.01 10:00:00"));
        QCOMPARE(m_db.wert("select count(*) from histrennen where rennzeit<>'0'").toInt(), 1);
    }

    // Every file the program cannot work with is refused with its own reason, and is left
    // exactly as it was, a link still the same link; also by the open that creates a missing
    // database (a database on a stick that is not plugged in must not be replaced).
    void oeffneLehntAb_data() {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("grund");
        QTest::newRow("fehlt") << "fehlt" << "gibt es nicht";
        QTest::newRow("Ordner") << "ordner" << "ist ein Ordner";
        QTest::newRow("Textdatei") << "text" << "keine SQLite-Datenbank";
        QTest::newRow("leer") << "leer" << "ist leer: keine SQLite-Datenbank";
        QTest::newRow("Verknüpfung ohne Ziel") << "verwaist"
                                               << "Verknüpfung ohne Ziel";
        QTest::newRow("Verknüpfung im Kreis") << "kreis"
                                              << "im Kreis auf sich selbst";
        QTest::newRow("fremde SQLite") << "fremd" << "Tabellen positionen, aktrennen fehlen";
        QTest::newRow("Tabelle fehlt") << "teilweise" << "Tabelle slotrennenlauf fehlt";
        QTest::newRow("neueres Schema") << "neuer" << "neuere Version";
        QTest::newRow("abgeschnitten") << "abgeschnitten" << "beschädigt";
        QTest::newRow("beschädigt") << "kaputt" << "beschädigt";
        QTest::newRow("Zellen") << "zellen" << "beschädigt (*** in database main ***";
        QTest::newRow("gesperrt") << "gesperrt" << "von einem anderen Programm gesperrt";
        QTest::newRow("schreibgeschützt") << "nurlesen" << "schreibgeschützt";
    }
    void oeffneLehntAb() {
        QFETCH(QString, art);
        QFETCH(QString, grund);
        QString pfad = m_ordner.filePath(art + ".db");
        const auto mitRunden = [&] {
            // Enough rows for many pages, then closed so that everything is in the main file.
            pfad = m_pfad;
            QVERIFY(m_db.beginneTransaktion());
            for (int i = 0; i < 3000; ++i) fuegeRundeEin(m_db, QString("Fahrer %1").arg(i), 1, 9);
            QVERIFY(m_db.bestaetige());
            QVERIFY(m_db.KopieToHistRennen("2025.03.01 10:00:00"));
            m_db.schliesse();
        };
        QSqlDatabase sperre;
        if (art == "ordner") {
            pfad = m_ordner.path();
        } else if (art == "text" || art == "leer") {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (art == "text") f.write("Fahrer;Auto\nAnna;Audi\n");
        } else if (art == "verwaist") {
            QVERIFY(QFile::link(m_ordner.filePath("stick/verein.db"), pfad));
        } else if (art == "kreis") {
            QVERIFY(QFile::link(pfad, pfad));
        } else if (art == "fremd") {
            Datenbank fremd(QStringLiteral("fremd"));
            QVERIFY(fremd.oeffneOderErzeuge(pfad));
            for (const QString& t : {"positionen", "aktrennen"})
                QVERIFY(fremd.execute("drop table " + t));
        } else if (art == "teilweise" || art == "neuer") {
            pfad = m_pfad;
            // The next schema after this program's already counts as newer.
            QVERIFY(m_db.execute(art == "neuer" ? QString("PRAGMA user_version = %1")
                                                      .arg(DatenbankSchema::version + 1)
                                                : "drop table slotrennenlauf"));
            m_db.schliesse();
        } else if (art == "abgeschnitten" || art == "kaputt" || art == "zellen") {
            mitRunden();
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::ReadWrite));
            if (art == "abgeschnitten") {
                QVERIFY(f.resize(f.size() / 2));
            } else if (art == "kaputt") {
                // Garbage over pages in the middle of the lap tables.
                f.seek(f.size() / 3);
                f.write(QByteArray(3 * 4096, '\x5a'));
            } else {
                // Pages that still read, with cell pointers beyond their end: only the
                // check of every page finds them.
                for (qint64 seite = 3; seite < 7; ++seite) {
                    f.seek((f.size() / 4096 / 3 + seite) * 4096 + 8);
                    f.write(QByteArray(16, '\x5a'));
                }
            }
        } else if (art == "gesperrt") {
            pfad = m_pfad;
            m_db.schliesse();
            sperre = QSqlDatabase::addDatabase("QSQLITE", "sperre");
            sperre.setDatabaseName(pfad);
            QVERIFY(sperre.open());
            QVERIFY(QSqlQuery(sperre).exec("BEGIN EXCLUSIVE"));
        } else if (art == "nurlesen") {
            pfad = m_pfad;
            m_db.schliesse();
            if (!schreibschutz(pfad, true)) QSKIP("cannot make a file read-only here");
        }
        // The flag must go whatever the outcome, or the temporary folder stays behind.
        const auto aufheben = qScopeGuard([&] {
            if (art == "nurlesen") schreibschutz(pfad, false);
        });
        const QByteArray vorher = inhalt(pfad);
        const QString ziel = QFileInfo(pfad).symLinkTarget();

        QString fehler;
        QVERIFY(!m_db.oeffne(pfad, &fehler));
        QVERIFY2(fehler.contains(grund), qPrintable(fehler));
        QVERIFY(!m_db.istOffen());
        QCOMPARE(inhalt(pfad), vorher);
        if (art == "fehlt") QVERIFY(!QFile::exists(pfad));
        if (art != "fehlt" && art != "gesperrt") {
            QVERIFY(!m_db.oeffneOderErzeuge(pfad, &fehler));
        QVERIFY2(fehler.contains(grund), qPrintable(fehler));
            QCOMPARE(inhalt(pfad), vorher);
            QCOMPARE(QFileInfo(pfad).symLinkTarget(), ziel);
            QVERIFY(!QFileInfo::exists(m_ordner.filePath("stick")));
        }
        if (art == "gesperrt") {
            QSqlQuery(sperre).exec("ROLLBACK");
            sperre.close();
            sperre = QSqlDatabase();
            QSqlDatabase::removeDatabase("sperre");
            QVERIFY2(m_db.oeffne(pfad, &fehler), qPrintable(fehler));
        }
    }

    // A file of schema 1 (own collation, text indexes) is copied beside itself and moved over
    // in one go; afterwards the sqlite3 shell runs any query on it, and the program still
    // compares umlauts without regard to case and never hands out a lap number twice.
    void schema1WirdFuerAlleLesbar() {
        m_db.schliesse();
        const QString pfad = m_ordner.filePath("alt/verein.db");
        QVERIFY(QDir().mkpath(QFileInfo(pfad).path()));
        {
            QSqlDatabase alt = QSqlDatabase::addDatabase("QSQLITE", "schema1");
            alt.setDatabaseName(pfad);
            QVERIFY(alt.open());
            QVERIFY(alteKollation(alt));
            QString fehler;
            QVERIFY(alt.transaction());
            QVERIFY2(DatenbankSchema::migriere(alt, 0, &fehler, 1), qPrintable(fehler));
            QVERIFY2(DatenbankSchema::fuelle(alt, &fehler), qPrintable(fehler));
            QVERIFY(alt.commit());
            QSqlQuery q(alt);
            for (const char* name : {"Jürgen", "ÖZTÜRK", "Anna"})
                QVERIFY(q.exec(QString("insert into fahrer (name) values ('%1')").arg(name)));
            for (int i = 1; i <= 5; ++i)
                QVERIFY(q.exec(QString("insert into aktrennen (Fahrer, Runde) values ('Jürgen', %1)")
                                   .arg(i)));
            QVERIFY(q.exec("delete from aktrennen where Runde > 3"));
            // The statistics' index of the history must read alike in every SQLite tool.
            for (const char* name : {"öztürk", "ÖZTÜRK", "Zoe", "Ärger"})
                QVERIFY(q.exec(QString("insert into histrennen (Fahrer, Strecke, Auto, Zeit) "
                                       "values ('%1', 'Öhringen', 'äpfel', 2.5)")
                                   .arg(name)));
            q.finish();
            alt.close();
        }
        QSqlDatabase::removeDatabase("schema1");
        // Other tools cannot sort or compare its texts before.
        QVERIFY(sqlite3Shell(pfad, "select name from fahrer order by name").first != 0);

        QString fehler;
        QVERIFY2(m_db.oeffne(pfad, &fehler), qPrintable(fehler));
        QCOMPARE(m_db.wert("PRAGMA user_version").toInt(), Datenbank::schemaVersion());
        QCOMPARE(m_db.wert("select count(*) from fahrer where name = 'jürgen'").toInt(), 1);
        QCOMPARE(m_db.wert("select count(*) from fahrer where name = 'öztürk'").toInt(), 1);
        QCOMPARE(m_db.wert("select count(*) from texte").toInt(), 26);
        QVERIFY(m_db.execute("insert into aktrennen (Fahrer, Runde) values ('Anna', 1)"));
        QCOMPARE(m_db.wert("select max(lfdnr) from aktrennen").toInt(), 6);
        // The correction table came with the later migrations.
        QVERIFY(m_db.execute("insert into korrekturen (Bahn, Art, Grund) values (1, '-1', '')"));
        QCOMPARE(m_db.wert("select count(*) from sqlite_master where sql like '%PISTORELLE%'")
                     .toInt(),
                 0);
        m_db.schliesse();

        const auto [code, text] = sqlite3Shell(
            pfad,
            "select group_concat(name, ',') from (select name from fahrer order by name);"
            "select count(*) from (select distinct Fahrer from aktrennen group by Fahrer);"
            "PRAGMA integrity_check;");
        QCOMPARE(code, 0);
        QCOMPARE(text, QStringLiteral("Anna,Jürgen,ÖZTÜRK\n2\nok\n"));
        // The file as it was, beside it.
        QCOMPARE(sqlite3Shell(pfad + ".schema1.bak", "PRAGMA user_version").second,
                 QStringLiteral("1\n"));
    }

    // Corrections written before they named their row find it: the n-th "-1" on a lane's lap
    // of a run is the n-th row of that run, lane and lap marked " K-"; a marked row that no
    // correction names (a file from before the table) gets one. The same lap number of another
    // run stays counted, and so does everything of the run not taken back.
    void korrekturenFindenIhreZeile() {
        m_db.schliesse();
        const QString pfad = m_ordner.filePath("v5/verein.db");
        QVERIFY(QDir().mkpath(QFileInfo(pfad).path()));
        {
            QSqlDatabase alt = QSqlDatabase::addDatabase("QSQLITE", "schema5");
            alt.setDatabaseName(pfad);
            QVERIFY(alt.open());
            QVERIFY(alteKollation(alt));
            QString fehler;
            QVERIFY(alt.transaction());
            QVERIFY2(DatenbankSchema::migriere(alt, 0, &fehler, 5), qPrintable(fehler));
            QVERIFY2(DatenbankSchema::fuelle(alt, &fehler), qPrintable(fehler));
            QSqlQuery q(alt);
            const char* const a = "2026.01.10 20:00:00";
            const char* const b = "2026.01.17 20:00:00";
            // lfdnr, run, lane, lap, remark
            const std::tuple<int, const char*, int, int, const char*> zeilen[] = {
                {1, a, 2, 1, ""},    {2, a, 2, 2, ""},    {3, a, 2, 3, " K-"},
                {4, a, 2, 3, " K-"}, {5, a, 2, 3, ""},    {6, a, 2, 4, ""},
                {7, a, 1, 3, " K-"}, {1, b, 2, 3, ""},
            };
            for (const auto& [lfdnr, lauf, bahn, runde, info] : zeilen)
                QVERIFY(q.exec(QString("insert into histrennen (lfdnr, rennzeit, Bahn, Runde, "
                                       "Zeit, RennInfo) values (%1, '%2', %3, %4, 5.0, '%5')")
                                   .arg(lfdnr)
                                   .arg(lauf)
                                   .arg(bahn)
                                   .arg(runde)
                                   .arg(info)));
            // The run on the track now: its lap 2 on lane 3 taken back.
            for (const char* sql :
                 {"insert into laufstand (id, stempel, rennname) values (1, '2026.01.24 "
                  "20:00:00', 'Training')",
                  "insert into aktrennen (lfdnr, Bahn, Runde, Zeit, RennInfo) values (8, 3, 1, "
                  "5.0, ''), (9, 3, 2, 5.0, ' K-')",
                  "insert into korrekturen (rennen, Bahn, Art, Runde) values ('2026.01.10 "
                  "20:00:00', 2, '-1', 3), ('2026.01.10 20:00:00', 2, '-1', 3), ('2026.01.10 "
                  "20:00:00', 2, '+1', 5), ('2026.01.24 20:00:00', 3, '-1', 2)"})
                QVERIFY2(q.exec(sql), sql);
            QVERIFY(alt.commit());
            q.finish();
            alt.close();
        }
        QSqlDatabase::removeDatabase("schema5");

        QString fehler;
        QVERIFY2(m_db.oeffne(pfad, &fehler), qPrintable(fehler));
        QCOMPARE(m_db.wert("PRAGMA user_version").toInt(), Datenbank::schemaVersion());
        QCOMPARE(m_db.wert("select group_concat(Art || ':' || coalesce(Zeile, '-'), ' ') from "
                           "(select * from korrekturen order by lfdnr)")
                     .toString(),
                 QStringLiteral("-1:3 -1:4 +1:- -1:9 -1:7"));
        QCOMPARE(m_db.wert(QStringLiteral("select group_concat(lfdnr, ' ') from (select * from "
                                          "histrennen where ") +
                           DatenbankSchema::zaehltInHistorie + QStringLiteral(" order by id)"))
                     .toString(),
                 QStringLiteral("1 2 5 6 1"));
        QCOMPARE(m_db.wert(QStringLiteral("select group_concat(lfdnr, ' ') from aktrennen where ") +
                           DatenbankSchema::zaehltImLauf)
                     .toString(),
                 QStringLiteral("8"));
        // Opened again, nothing is added twice.
        m_db.schliesse();
        QVERIFY2(m_db.oeffne(pfad, &fehler), qPrintable(fehler));
        QCOMPARE(m_db.wert("select count(*) from korrekturen").toInt(), 5);
        m_db.schliesse();
    }

    void oeffneNimmtVorbereiteteDatei() {
        // A file with every table but no schema number, and a link to a database.
        QVERIFY(m_db.execute("PRAGMA user_version = 0"));
        QString fehler;
        QVERIFY2(m_db.oeffne(m_pfad, &fehler), qPrintable(fehler));
        QCOMPARE(m_db.wert("PRAGMA user_version").toInt(), Datenbank::schemaVersion());

        const QString link = m_ordner.filePath("verknuepft.db");
        QVERIFY(QFile::link(m_pfad, link));
        QVERIFY2(m_db.oeffneOderErzeuge(link, &fehler), qPrintable(fehler));
        QCOMPARE(m_db.wert("select count(*) from positionen").toInt(), 6);
        QCOMPARE(QFileInfo(link).symLinkTarget(), m_pfad);
    }
};

QTEST_GUILESS_MAIN(TestDatenbank)
#include "tst_datenbank.moc"
