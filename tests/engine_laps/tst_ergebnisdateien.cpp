// Single-lap files, the race result file, the history copy and the lap records.

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "Rennumgebung.h"
#include "engine/Ergebnisdateien.h"

namespace {
QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}
QByteArray cp1252(const char* utf8) {
    return Ergebnisdateien::windows1252(QString::fromUtf8(utf8));
}

// A run on lane 2 with the driver "Äpfel Straße" and the car "Böse".
void fahreAepfel(Rennumgebung& u, const QList<int>& durchfahrten) {
    u.db.execute("update positionen set Fahrer='Äpfel Straße', Auto='Böse' where Bahn=2");
    u.starteLauf();
    for (int t : durchfahrten) u.runde(2, u.nachGruen(t));
}
}  // namespace

class TestErgebnisdateien : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void namen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("datei");
        QTest::newRow("Umlaute und ß") << "Äpfel Straße"
                                       << "Aepfelstrasse";
        QTest::newRow("groß") << "JÜRGEN ÖZ"
                              << "Juergenoez";
        QTest::newRow("leer") << ""
                              << "";
    }
    void namen() {
        QFETCH(QString, name);
        QFETCH(QString, datei);
        QCOMPARE(Ergebnisdateien::normalisiereName(name), datei);
    }

    void windows1252() {
        QCOMPARE(Ergebnisdateien::windows1252(QString::fromUtf8("aÄß€‚Ÿ\u00A0")),
                 QByteArray("a\xC4\xDF\x80\x82\x9F\xA0"));
        // Letters the code page lacks keep their base letter; others become '?'.
        QCOMPARE(Ergebnisdateien::windows1252(QString::fromUtf8("Łódź Őrs ﬁ Ωx\u0081 中")),
                 QByteArray("L\xF3"
                            "dz Ors fi ?x? ?"));
    }

    // Control characters in names and a race name reaching out of the output folder.
    void sonderzeichenInDateien() {
        Rennumgebung u;
        u.e.LTFEinzelSchreiben = 1;
        u.e.LTFSchreiben = 1;
        u.db.execute("update positionen set Fahrer=?, Auto=? where Bahn=2",
                     {QString::fromUtf8("Łukasz\tNowak"), QStringLiteral("Böse\r\nKiste")});
        u.starteLauf();
        u.z().AktRennName = QStringLiteral("../x");
        u.runde(2, u.nachGruen(1000));
        u.runde(2, u.nachGruen(9000));
        QVERIFY(u.rl->KopieToHistRennen());
        QVERIFY(u.rueckfrage.meldungen.isEmpty());

        QVERIFY(!QFile::exists(u.ordner.filePath("../x.lrf")));
        const QList<QByteArray> zeilen = lies(u.ordner.filePath("x.lrf")).split('\n');
        QCOMPARE(zeilen.size(), 3);  // header and one lap: nothing split the row
        const QList<QByteArray> felder = zeilen[1].split('\t');
        QCOMPARE(felder.size(), 12);
        QCOMPARE(felder[0], QByteArray("Lukasz nowak"));
        QCOMPARE(felder[1], cp1252("Böse  Kiste"));
        QCOMPARE(felder[10], QByteArray("../x"));  // the name itself stays as it was
        const QByteArray einzeln = lies(u.ordner.filePath("2_1.lre"));
        QCOMPARE(einzeln.count('\t'), 11);
        QCOMPARE(einzeln.count('\n'), 1);
        QVERIFY(einzeln.startsWith(cp1252("Lukasz nowak\tBöse  Kiste\t")));

        for (const char* name : {"a/../../b", "..\\..\\c:d", "....", "/"}) {
            const QString datei = Ergebnisdateien::lrfName(u.ordner.path() + "/", name);
            QCOMPARE(QFileInfo(datei).absolutePath(), QDir(u.ordner.path()).absolutePath());
            QVERIFY2(!QFileInfo(datei).fileName().startsWith('.'), qPrintable(datei));
        }
    }

    void einzelrundenDateien_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("deutsch") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("englisch") << QLocale(QLocale::English, QLocale::UnitedStates);
    }
    void einzelrundenDateien() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        Rennumgebung u;
        u.e.LTFEinzelSchreiben = 1;
        QList<int> t = {1000, 83500};  // first lap 83.5 s from green, then 10 s each
        for (int r = 2; r <= 8; ++r) t << 83500 + (r - 1) * 10000;
        fahreAepfel(u, t);
        QCOMPARE(lies(u.ordner.filePath("2_1.lre")),
                 cp1252("Aepfelstrasse\tBöse\tdefault\t1\t14:00:00\t083.500\t01.05.2026 14:00:00\t"
                        "83.500\t-SR  P1\t2\tTraining\tTraining\r\n"));
        QVERIFY(lies(u.ordner.filePath("2_7.lre"))
                    .startsWith(cp1252("Aepfelstrasse\tBöse\tdefault\t7\t")));
        QCOMPARE(lies(u.ordner.filePath("2_8.lre")).count("\r\n"), 1);
        QVERIFY(!QFile::exists(u.ordner.filePath("2_9.lre")));
    }

    void ergebnisdateiWirdAngehaengt_data() { einzelrundenDateien_data(); }
    void ergebnisdateiWirdAngehaengt() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        Rennumgebung u;
        u.e.LTFSchreiben = 1;
        fahreAepfel(u, {1000, 83500, 93750});
        QVERIFY(u.rl->KopieToHistRennen());
        u.uhr.vorruecken(3600000);
        fahreAepfel(u, {1000, 9000});
        QVERIFY(u.rl->KopieToHistRennen());
        QVERIFY(u.rueckfrage.meldungen.isEmpty());

        const QList<QByteArray> zeilen = lies(u.ordner.filePath("Training.lrf")).split('\n');
        QCOMPARE(zeilen.size(), 5);  // header, 2 + 1 laps, nothing after the last CR LF
        QCOMPARE(zeilen[0], QByteArray("Fahrer\tAuto\tStrecke\tRunde\tUhr\tZeit\tRennZeit\tGesamt\t"
                                       "RennInfo\tBahn\tRennName\tRennArt\r"));
        QCOMPARE(zeilen[1] + '\n',
                 cp1252("Aepfelstrasse\tBöse\tdefault\t1\t14:00:00\t83.5\t01.05.2026 14:00:00\t"
                        "83.500\t-SR  P1\t2\tTraining\tTraining\r\n"));
        QVERIFY(zeilen[2].startsWith(cp1252("Aepfelstrasse\tBöse\tdefault\t2\t14:00:00\t10.25\t")));
        QVERIFY(zeilen[3].contains("\t01.05.2026 15:00:00\t9.000\t"));
    }

    void historieMitStempel() {
        Rennumgebung u;
        fahreAepfel(u, {1000, 9000, 18000});
        QVERIFY(u.rl->KopieToHistRennen());
        u.uhr.vorruecken(90 * 60000);
        fahreAepfel(u, {1000, 9000});
        QVERIFY(u.rl->KopieToHistRennen());
        QCOMPARE(u.wert("select group_concat(rennzeit || '=' || n) from (select rennzeit, "
                        "count(*) as n from histrennen group by rennzeit order by rennzeit)")
                     .toString(),
                 QStringLiteral("2026.05.01 14:00:00=2,2026.05.01 15:30:00=1"));
        QCOMPARE(u.anzahl("aktrennen"), 1);  // stays readable until the next start
    }

    void historieFehlerKopiertNichtsHalb() {
        Rennumgebung u;
        fahreAepfel(u, {1000, 9000, 18000, 27000});
        u.db.execute(
            "create trigger stopp before insert on histrennen when new.Runde = 2 "
            "begin select raise(abort, 'kaputt'); end");
        QVERIFY(!u.rl->KopieToHistRennen());
        QCOMPARE(u.rueckfrage.meldungen.size(), 1);
        QVERIFY(u.rueckfrage.meldungen[0].startsWith(
            "Fehler beim kopieren in die Historie Tabelle. FehlerNr: "));
        QVERIFY(u.rueckfrage.meldungen[0].endsWith(" Info: kaputt"));
        QCOMPARE(u.anzahl("histrennen"), 0);
        QCOMPARE(u.anzahl("aktrennen"), 3);
    }

    void ohneErgebnisordner() {
        Rennumgebung u;
        u.e.ltfPfad = u.ordner.filePath("fehlt/");
        u.e.LTFEinzelSchreiben = 1;
        u.e.LTFSchreiben = 1;
        fahreAepfel(u, {1000, 9000});
        QCOMPARE(u.anzahl("aktrennen"), 1);
        QVERIFY(u.rueckfrage.meldungen.isEmpty());  // single-lap files fail quietly
        QVERIFY(!u.rl->KopieToHistRennen());
        QCOMPARE(u.anzahl("histrennen"), 1);
        QCOMPARE(u.rueckfrage.meldungen.size(), 1);
        QVERIFY(u.rueckfrage.meldungen[0].startsWith(
            "Fehler beim Schreiben der LRF Datei. FehlerNr: "));
        QVERIFY(u.rueckfrage.meldungen[0].contains(" Info: "));
    }

    void ordnerOhneTrennzeichen() {
        // An existing folder without the trailing separator: the files go into it; a value
        // that is no folder stays a name prefix.
        Rennumgebung u;
        QVERIFY(QDir(u.ordner.path()).mkdir("Ergebnisse"));
        for (const QString& ltf : {u.ordner.filePath("Ergebnisse"), u.ordner.filePath("Abend_")}) {
            u.e.ltfPfad = ltf;
            u.e.LTFEinzelSchreiben = 1;
            u.e.LTFSchreiben = 1;
            fahreAepfel(u, {1000, 9000});
            QVERIFY(u.rl->KopieToHistRennen());
        }
        QVERIFY(u.rueckfrage.meldungen.isEmpty());
        QVERIFY(QFile::exists(u.ordner.filePath("Ergebnisse/Training.lrf")));
        QVERIFY(QFile::exists(u.ordner.filePath("Ergebnisse/2_1.lre")));
        QVERIFY(!QFile::exists(u.ordner.filePath("ErgebnisseTraining.lrf")));
        QVERIFY(QFile::exists(u.ordner.filePath("Abend_Training.lrf")));
        QVERIFY(QFile::exists(u.ordner.filePath("Abend_2_1.lre")));
    }

    void rundenrekorde() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Rennumgebung u;
        u.db.execute("update positionen set Laenge=3000");
        const auto lauf = [&](int runde1, int runde2) {
            u.starteLauf();
            u.runde(1, u.nachGruen(500));
            u.runde(2, u.nachGruen(600));
            u.runde(1, u.nachGruen(runde1));  // first laps run from green
            u.runde(2, u.nachGruen(runde2));
            u.rl->CheckSchnellsteRunde();
        };
        lauf(9000, 10000);
        const QString abfrage =
            "select group_concat(Fahrer||'/'||Bahn||'/'||LBahn||'/'||Runde"
            "||'/'||Geschw||'/'||Zeit, ';') from (select * from "
            "schnellsterunden order by Bahn)";
        // Lanes 3 and 4 drove no lap: they get no record.
        QCOMPARE(
            u.wert(abfrage).toString(),
            QStringLiteral("Fahrer 1/1/3000.0/1/000.333/9000;Fahrer 2/2/3000.0/1/000.300/10000"));
        lauf(9500, 9800);  // lane 1 slower: its record stays
        QCOMPARE(
            u.wert(abfrage).toString(),
            QStringLiteral("Fahrer 1/1/3000.0/1/000.333/9000;Fahrer 2/2/3000.0/1/000.306/9800"));
        QVERIFY(u.rueckfrage.meldungen.isEmpty());
    }

    void rundenrekordFehler() {
        Rennumgebung u;
        u.starteLauf();
        u.runde(1, u.nachGruen(500));
        u.runde(1, u.nachGruen(9500));
        u.db.execute("drop table schnellsterunden");
        u.rl->CheckSchnellsteRunde();
        QCOMPARE(u.rueckfrage.meldungen.size(), 1);
        QVERIFY(u.rueckfrage.meldungen[0].startsWith(
            "Fehler in SUB CheckSchnellsteRunde bei Suche in schnellsterunden . "));
    }
};

QTEST_GUILESS_MAIN(TestErgebnisdateien)
#include "tst_ergebnisdateien.moc"
