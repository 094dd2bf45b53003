#include <QtTest>

#include "config/DebugLog.h"
#include "config/VirtuelleUhr.h"

class TestDebugLog : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<VirtuelleUhr> m_uhr;

    static QByteArray inhalt(const QString& pfad) {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_uhr = std::make_unique<VirtuelleUhr>(0, QDateTime(QDate(2026, 5, 1), QTime(14, 0, 5)));
        DebugLog::instanz().setUhr(m_uhr.get());
        DebugLog::instanz().setAktiv(true);
        DebugLog::instanz().leeren();
    }

    void ausGibtKeineSpur() {
        DebugLog& log = DebugLog::instanz();
        log.setAktiv(false);
        QSignalSpy neu(&log, &DebugLog::zeileNeu);
        SchreibeDebug("Timer5: Phase 0");
        QVERIFY(log.zeilen().isEmpty());
        QCOMPARE(neu.count(), 0);
    }

    void neuesteZuerstMitUhrzeit() {
        DebugLog& log = DebugLog::instanz();
        QSignalSpy neu(&log, &DebugLog::zeileNeu);
        SchreibeDebug("erste");
        SchreibeDebug("zweite");  // same second: still above the first
        m_uhr->vorruecken(61000);
        SchreibeDebug("RundenErfassung: B 1 T-Zeit 4711");
        QCOMPARE(log.zeilen(), QStringList({"14:01:06 RundenErfassung: B 1 T-Zeit 4711",
                                            "14:00:05 zweite", "14:00:05 erste"}));
        QCOMPARE(neu.count(), 3);
        QCOMPARE(neu.last().first().toString(), log.zeilen().first());

        QVERIFY(log.speichere(m_dir.path() + "/"));
        QCOMPARE(inhalt(m_dir.filePath("pistorelle.log")),
                 QByteArray("14:01:06 RundenErfassung: B 1 T-Zeit 4711\n14:00:05 zweite\n"
                            "14:00:05 erste\n"));
    }

    void hoechstensZehntausendZeilen() {
        DebugLog& log = DebugLog::instanz();
        for (int i = 0; i < DebugLog::maxZeilen + 5; ++i) SchreibeDebug(QString::number(i));
        QCOMPARE(log.zeilen().size(), DebugLog::maxZeilen);
        QVERIFY(log.zeilen().first().endsWith(" 10004"));
        QVERIFY(log.zeilen().last().endsWith(" 5"));  // the five oldest are gone
    }

    void speichernNachLeerenGibtLeereDatei() {
        DebugLog& log = DebugLog::instanz();
        SchreibeDebug("alt");
        QVERIFY(log.speichere(m_dir.path() + "/"));
        QSignalSpy geleert(&log, &DebugLog::geleert);
        log.leeren();
        QCOMPARE(geleert.count(), 1);
        QVERIFY(log.speichere(m_dir.path() + "/"));
        QCOMPARE(inhalt(m_dir.filePath("pistorelle.log")), QByteArray());
    }

    void speichernInFehlendenOrdner() {
        SchreibeDebug("x");
        QString fehler;
        // The folder is taken as a prefix, unchanged: "<dir>/fehlt/" does not exist.
        QVERIFY(!DebugLog::instanz().speichere(m_dir.filePath("fehlt/"), &fehler));
        QVERIFY(!fehler.isEmpty());
        QVERIFY(!QFile::exists(m_dir.filePath("fehlt/pistorelle.log")));
        QVERIFY(!DebugLog::instanz().speichere(m_dir.filePath("fehlt/")));  // no text wanted
    }

    void steuerzeichenUndOrdnerOhneTrennzeichen() {
        // Raw box bytes: each control character as two hex digits in angle brackets.
        SchreibeDebug(
            QString::fromLatin1("DS: \x01"
                                "A\r\n\x1b\x7f"
                                "b"));
        QCOMPARE(DebugLog::instanz().zeilen().first(),
                 QStringLiteral("14:00:05 DS: <01>A<0D><0A><1B><7F>b"));
        // An existing folder named without its separator takes the file inside.
        QVERIFY(QDir(m_dir.path()).mkdir("log"));
        QVERIFY(DebugLog::instanz().speichere(m_dir.filePath("log")));
        QVERIFY(QFile::exists(m_dir.filePath("log/pistorelle.log")));
        QVERIFY(DebugLog::instanz().speichere(m_dir.filePath("abend_")));
        QVERIFY(QFile::exists(m_dir.filePath("abend_pistorelle.log")));
    }

    void zeileAusAnderemThread() {
        QThread* t = QThread::create([] { SchreibeDebug("vom Modem-Thread"); });
        t->start();
        t->wait();
        delete t;
        QVERIFY(DebugLog::instanz().zeilen().isEmpty());  // not before the UI thread takes it
        QCoreApplication::sendPostedEvents();
        QCOMPARE(DebugLog::instanz().zeilen().size(), 1);
        QVERIFY(DebugLog::instanz().zeilen().first().endsWith(" vom Modem-Thread"));
    }

    void debugSchalter_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("an");
        QTest::newRow("debug") << QStringList{"pistorelle", "debug"} << true;
        QTest::newRow("Debug") << QStringList{"pistorelle", "Debug"} << false;
        QTest::newRow("debug x") << QStringList{"pistorelle", "debug", "x"} << false;
        QTest::newRow("leer") << QStringList{"pistorelle"} << false;
        QTest::newRow("nur Programm debug") << QStringList{"debug"} << false;
        QTest::newRow("-debug") << QStringList{"pistorelle", "-debug"} << false;
    }

    void debugSchalter() {
        QFETCH(QStringList, argumente);
        QFETCH(bool, an);
        QCOMPARE(DebugLog::istDebugSchalter(argumente), an);
    }
};

QTEST_GUILESS_MAIN(TestDebugLog)
#include "tst_config_debuglog.moc"
