// Reading scenario lines: tokens, quotes, comments, commands and their arguments.

#include <QtTest>

#include "app/replay/Szenario.h"

class TestSzenario : public QObject {
    Q_OBJECT
private slots:
    void zerlegen_data() {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QStringList>("tokens");
        QTest::newRow("Blanks und Tabs") << "  lap\t 3  " << QStringList{"lap", "3"};
        QTest::newRow("Kommentar") << "wait 100 # Pause" << QStringList{"wait", "100"};
        QTest::newRow("nur Kommentar") << "# nichts" << QStringList{};
        QTest::newRow("Anführungszeichen")
            << "sql \"update positionen set Fahrer='A b' where Bahn=1\""
            << QStringList{"sql", "update positionen set Fahrer='A b' where Bahn=1"};
        QTest::newRow("# in Anführungszeichen")
            << "set RennName \"Lauf #2\"" << QStringList{"set", "RennName", "Lauf #2"};
        QTest::newRow("verdoppeltes Zeichen") << "set RennName \"der \"\"Große\"\"\""
                                              << QStringList{"set", "RennName", "der \"Große\""};
        QTest::newRow("leerer Text") << "set TonBeep \"\"" << QStringList{"set", "TonBeep", ""};
        QTest::newRow("Kommentar direkt am Wort") << "start#jetzt" << QStringList{"start"};
    }
    void zerlegen() {
        QFETCH(QString, zeile);
        QFETCH(QStringList, tokens);
        QStringList ist;
        QVERIFY(Szenario::zerlege(zeile, ist));
        QCOMPARE(ist, tokens);
    }

    void lesen_data() {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<bool>("gut");
        QTest::addColumn<QString>("name");
        QTest::newRow("wait") << "wait 120" << true << "wait";
        QTest::newRow("wait-idle ohne Frist") << "wait-idle" << true << "wait-idle";
        QTest::newRow("wait-idle mit Frist") << "wait-idle 5000" << true << "wait-idle";
        QTest::newRow("leer") << "   " << true << "";
        QTest::newRow("ranking 2") << "ranking 2" << true << "ranking";
        QTest::newRow("mode mit Namen") << "mode T-Power" << true << "mode";
        QTest::newRow("unbekannt") << "jump 3" << false << "";
        QTest::newRow("Großschreibung") << "START" << false << "";
        QTest::newRow("Komma-Zahl") << "wait 1.5" << false << "";
        QTest::newRow("negativ") << "wait -5" << false << "";
        QTest::newRow("lap ohne Zahl") << "lap" << false << "";
        QTest::newRow("lap Wort") << "lap eins" << false << "";
        QTest::newRow("ranking 3") << "ranking 3" << false << "";
        QTest::newRow("timed 2") << "timed 2" << false << "";
        QTest::newRow("answer vielleicht") << "answer maybe" << false << "";
        QTest::newRow("zu viele Angaben") << "start now" << false << "";
        QTest::newRow("set ohne Wert") << "set PrellZeit" << false << "";
        QTest::newRow("offenes Zeichen") << "sql \"select 1" << false << "";
    }
    void lesen() {
        QFETCH(QString, zeile);
        QFETCH(bool, gut);
        QFETCH(QString, name);
        SzenarioBefehl b;
        QString grund;
        QCOMPARE(Szenario::lese(zeile, 7, b, &grund), gut);
        QCOMPARE(grund.isEmpty(), gut);
        if (gut) QCOMPARE(b.name, name);
    }

    void zeilen() {
        const Szenario s("start\r\nwait 10\n\n# Ende\n");
        QCOMPARE(s.anzahlZeilen(), 4);
        QCOMPARE(s.zeile(2), QString("wait 10"));
        SzenarioBefehl b;
        QVERIFY(Szenario::lese(s.zeile(2), 2, b));
        QCOMPARE(b.zeile, 2);
        QCOMPARE(b.zahl(0), 10);
    }
};

QTEST_GUILESS_MAIN(TestSzenario)
#include "tst_szenario.moc"
