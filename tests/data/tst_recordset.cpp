// Record sets: browsing, editing, adding, finding and bookmarks over tables and select texts.

#include <QSqlField>
#include <QTemporaryDir>
#include <QtTest>

#include "Datenbank.h"
#include "RecordSet.h"

class TestRecordSet : public QObject {
    Q_OBJECT
    QTemporaryDir m_ordner;
    QString m_pfad;
    Datenbank m_db{QStringLiteral("rs")};

    void setzeRunden(int bahn, int runden) {
        QVERIFY(m_db.execute("update positionen set Runden=? where Bahn=?", {runden, bahn}));
    }

private slots:
    void init() {
        static int lauf = 0;
        m_pfad = m_ordner.filePath(QStringLiteral("%1.db").arg(++lauf));
        QString fehler;
        QVERIFY2(m_db.oeffneOderErzeuge(m_pfad, &fehler), qPrintable(fehler));
    }

    void blaettern() {
        RecordSet rs(m_db, "positionen");
        QVERIFY(rs.Refresh());
        QCOMPARE(rs.RecordCount(), 6);
        QCOMPARE(rs.Feld("BAHN").toInt(), 1);
        QCOMPARE(rs.Feld("fahrer"), rs.Feld("Fahrer"));
        QVERIFY(!rs.Feld("gibtsnicht").isValid());
        for (int i = 0; i < 5; ++i) rs.MoveNext();
        QCOMPARE(rs.Feld("Bahn").toInt(), 6);
        rs.MoveNext();
        rs.MoveNext();
        QVERIFY(rs.istEOF() && !rs.istBOF());
        QVERIFY(!rs.Feld("Bahn").isValid());
        rs.MovePrevious();
        QCOMPARE(rs.Feld("Bahn").toInt(), 6);
        rs.MoveFirst();
        rs.MovePrevious();
        QVERIFY(rs.istBOF() && !rs.istEOF());
        rs.MoveNext();
        QCOMPARE(rs.Feld("Bahn").toInt(), 1);

        rs.setRecordSource("select * from aktrennen");
        QVERIFY(rs.Refresh());
        QVERIFY(rs.istEOF() && rs.istBOF());
        QCOMPARE(rs.RecordCount(), 0);
    }

    void schreibbareQuellen_data() {
        QTest::addColumn<QString>("quelle");
        QTest::addColumn<bool>("schreibbar");
        QTest::addColumn<int>("zeilen");
        QTest::newRow("Tabelle") << "Positionen" << true << 6;
        QTest::newRow("select *") << "select * from positionen;" << true << 6;
        QTest::newRow("where order")
            << "SELECT *\n FROM Positionen WHERE bahn<=4 ORDER BY bahn" << true << 4;
        QTest::newRow("Spalten") << "select Fahrer, Bahn from positionen" << false << 6;
        QTest::newRow("distinct") << "select distinct * from positionen" << false << 6;
        QTest::newRow("group by") << "select * from positionen where bahn<3 group by Platz" << false
                                  << 1;
        QTest::newRow("union") << "select * from positionen union select * from positionen" << false
                               << 6;
        QTest::newRow("join") << "select * from positionen join strecken on Strecke=name" << false
                              << 6;
    }
    void schreibbareQuellen() {
        QFETCH(QString, quelle);
        QFETCH(bool, schreibbar);
        QFETCH(int, zeilen);
        RecordSet rs(m_db, quelle);
        QVERIFY2(rs.Refresh(), qPrintable(rs.letzterFehler()));
        QCOMPARE(rs.istSchreibbar(), schreibbar);
        QCOMPARE(rs.RecordCount(), zeilen);
        QVERIFY(!rs.Feld("Fahrer").toString().isEmpty());
        rs.Edit();
        rs.setFeld("Fahrer", "Neu");
        QCOMPARE(rs.Update(), schreibbar);
        if (!schreibbar) QVERIFY(rs.letzterFehler().contains("nur lesbar"));
        QCOMPARE(m_db.wert("select count(*) from positionen where Fahrer='neu'").toInt(),
                 schreibbar ? 1 : 0);
    }

    void ungueltigeQuellen_data() {
        QTest::addColumn<QString>("quelle");
        QTest::newRow("leer") << "";
        QTest::newRow("unbekannt") << "gibtsnicht";
        QTest::newRow("zwei Anweisungen") << "positionen; delete from fahrer";
        QTest::newRow("delete") << "delete from fahrer";
        QTest::newRow("angehaengt") << "select * from positionen where 1; delete from fahrer";
    }
    void ungueltigeQuellen() {
        QFETCH(QString, quelle);
        QVERIFY(m_db.execute("insert into fahrer (name) values ('Anna')"));
        RecordSet rs(m_db, quelle);
        QVERIFY(!rs.Refresh());
        QVERIFY(!rs.letzterFehler().isEmpty());
        QCOMPARE(rs.RecordCount(), 0);
        QCOMPARE(m_db.wert("select count(*) from fahrer").toInt(), 1);
    }

    void bearbeitenSchreibtNurGeaenderteFelder() {
        RecordSet rs(m_db, "select * from Positionen where bahn<=? order by bahn desc", {4});
        QVERIFY(rs.Refresh());
        QCOMPARE(rs.Feld("Bahn").toInt(), 4);
        rs.Edit();
        // Written meanwhile by a direct statement; the edit must not undo it.
        QVERIFY(m_db.execute("update positionen set Fahrer='Direkt' where Bahn=4"));
        rs.setFeld("runden", 7);
        QCOMPARE(rs.Feld("Runden").toInt(), 7);
        QVERIFY(rs.Update());
        QCOMPARE(rs.LastModified(), 4);
        QCOMPARE(rs.Feld("Bahn").toInt(), 4);
        QCOMPARE(rs.Feld("Runden").toInt(), 7);
        QCOMPARE(m_db.wert("select Fahrer || Runden from positionen where Bahn=4").toString(),
                 QStringLiteral("Direkt7"));

        // Another connection sees the change at once: nothing is left uncommitted.
        Datenbank zweite(QStringLiteral("zweite"));
        QVERIFY(zweite.oeffne(m_pfad));
        QCOMPARE(zweite.wert("select Runden from positionen where Bahn=4").toInt(), 7);

        // Moving away drops an edit; unknown fields and a missing Edit fail the update.
        rs.Edit();
        rs.setFeld("Runden", 99);
        rs.MoveNext();
        QVERIFY(!rs.Update());
        rs.Edit();
        rs.setFeld("Rundn", 1);
        QVERIFY(!rs.Update());
        QVERIFY(rs.letzterFehler().contains("Rundn"));
        rs.CancelUpdate();
        QCOMPARE(m_db.wert("select sum(Runden) from positionen").toInt(), 7);

        // The key itself may change; the bookmark follows it.
        rs.MoveFirst();
        rs.Edit();
        rs.setFeld("Bahn", 14);
        QVERIFY(rs.Update());
        QCOMPARE(rs.LastModified(), 14);
        QCOMPARE(rs.Feld("Bahn").toInt(), 14);
    }

    void neueZeilenOhneNeuesLesen() {
        RecordSet rs(m_db, "aktrennen");
        QVERIFY(rs.Refresh());
        for (int runde = 1; runde <= 2; ++runde) {
            rs.AddNew();
            rs.setFeld("Fahrer", "Anna");
            rs.setFeld("Runde", runde);
            rs.setFeld("Zeit", 12.5);
            QVERIFY2(rs.Update(), qPrintable(rs.letzterFehler()));
            QCOMPARE(rs.LastModified(), runde);
        }
        // A row added behind the record set's back stays unseen until Refresh: an insert never
        // re-reads the table.
        QVERIFY(m_db.execute("insert into aktrennen (Fahrer) values ('Fremd')"));
        rs.AddNew();
        QVERIFY(rs.Update());
        QCOMPARE(rs.RecordCount(), 3);
        QVERIFY(rs.istEOF());
        rs.setBookmark(2);
        QCOMPARE(rs.Feld("lfdnr").toInt(), 2);
        QCOMPARE(rs.Feld("Zeit"), QVariant(12.5));
        QVERIFY(rs.Feld("Gesamt").isNull());
        QVERIFY(rs.Refresh());
        QCOMPARE(rs.RecordCount(), 4);

        // The row read back carries the table's defaults.
        RecordSet hist(m_db, "histrennen");
        QVERIFY(hist.Refresh());
        hist.AddNew();
        QVERIFY(hist.Update());
        hist.setBookmark(hist.LastModified());
        QCOMPARE(hist.Feld("rennzeit").toString(), QStringLiteral("0"));
    }

    void suchen() {
        setzeRunden(1, 5);
        setzeRunden(2, 3);
        setzeRunden(3, 5);
        setzeRunden(5, 9);
        RecordSet rs(m_db, "select * from Positionen where bahn<=4 order by runden DESC,bahn desc");
        QVERIFY(rs.Refresh());
        rs.MoveLast();
        rs.FindFirst("FahrerNr=?", {2});
        QVERIFY(!rs.NoMatch());
        QCOMPARE(rs.Feld("Bahn").toInt(), 2);
        // First in the record set's order, not in rowid order.
        rs.FindFirst("Runden>=?", {5});
        QCOMPARE(rs.Feld("Bahn").toInt(), 3);
        rs.FindFirst("Fahrer=?", {"FAHRER 4"});
        QCOMPARE(rs.Feld("Bahn").toInt(), 4);

        // No match (also a row outside the source) leaves the position alone.
        rs.FindFirst("Runden=?", {9});
        QVERIFY(rs.NoMatch());
        QCOMPARE(rs.Feld("Bahn").toInt(), 4);
        rs.FindFirst("gibtsnicht=1");
        QVERIFY(rs.NoMatch());
        QVERIFY(!rs.letzterFehler().isEmpty());

        // The found row shows what the table holds now.
        QVERIFY(m_db.execute("update positionen set Fahrer='Gewechselt' where Bahn=1"));
        rs.FindFirst("Bahn=1");
        QCOMPARE(rs.Feld("Fahrer").toString(), QStringLiteral("Gewechselt"));

        // A read-only source is searched by its own columns.
        RecordSet namen(m_db, "select Fahrer, Runden from positionen order by Fahrer");
        QVERIFY(namen.Refresh());
        namen.FindFirst("Runden=?", {5});
        QCOMPARE(namen.Feld("Fahrer").toString(), QStringLiteral("Fahrer 3"));
        QCOMPARE(namen.Bookmark(), 1);
    }

    void sonderzeichenUndLesezeichen() {
        RecordSet rs(m_db, "fahrer");
        QVERIFY(rs.Refresh());
        const QStringList namen = {"O'Brien", "x'; drop table fahrer; --", "Zoë"};
        QList<qint64> marken;
        for (const QString& name : namen) {
            rs.AddNew();
            rs.setFeld("name", name);
            QVERIFY(rs.Update());
            marken << rs.LastModified();
        }
        for (const QString& name : namen) {
            rs.FindFirst("name=?", {name});
            QVERIFY(!rs.NoMatch());
            QCOMPARE(rs.Feld("name").toString(), name);
        }
        QVERIFY(rs.Refresh());
        QCOMPARE(rs.RecordCount(), 3);

        rs.setBookmark(marken.at(1));
        QCOMPARE(rs.Bookmark(), marken.at(1));
        QCOMPARE(rs.Feld("name").toString(), namen.at(1));
        rs.setBookmark(12345);
        QVERIFY(!rs.letzterFehler().isEmpty());
        QCOMPARE(rs.Feld("name").toString(), namen.at(1));
        rs.MoveLast();
        rs.MoveNext();
        QCOMPARE(rs.Bookmark(), -1);
    }
};

QTEST_GUILESS_MAIN(TestRecordSet)
#include "tst_recordset.moc"
