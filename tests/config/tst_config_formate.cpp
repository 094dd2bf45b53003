#include <QtTest>

#include "config/Formate.h"

class TestFormate : public QObject {
    Q_OBJECT

private slots:
    void muster_data() {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("muster");
        QTest::addColumn<QString>("deutsch");
        QTest::addColumn<QString>("englisch");

        auto zeile = [](const char* name, double w, const char* m, const char* de, const char* en) {
            QTest::newRow(name) << w << QString::fromLatin1(m) << QString::fromLatin1(de)
                                << QString::fromLatin1(en);
        };
        // Halves away from zero, on the decimal value the user sees, not on its binary image.
        zeile("halbe Millisekunde", 0.0005, "#######0.000", "0,001", "0.001");
        zeile("1.0005", 1.0005, "#######0.000", "1,001", "1.001");
        zeile("4.1235", 4.1235, "#######000.000", "004,124", "004.124");
        zeile("83.5 s", 83.5, "#######0.000", "83,500", "83.500");
        zeile("viele Stellen", 1234.5, "#######0.000", "1234,500", "1234.500");
        zeile("negativ halb", -2.0005, "#######0.000", "-2,001", "-2.001");
        zeile("keine negative Null", -0.0004, "#######0.000", "0,000", "0.000");
        zeile("Geschwindigkeit", 12.3456, "#######000.000", "012,346", "012.346");
        zeile("ohne Vorkomma", 0.5, "#####.000", ",500", ".500");
        zeile("mit Vorkomma", 83.4566, "#####.000", "83,457", "83.457");
        zeile("###0 null", 0, "###0", "0", "0");
        zeile("###0 halb", 2.5, "###0", "3", "3");
        zeile("###0 minus halb", -7.5, "###0", "-8", "-8");
        zeile("0000", 5, "0000", "0005", "0005");
        zeile("0000 breiter", 12345, "0000", "12345", "12345");
        zeile("000", 12, "000", "012", "012");
        zeile("00", 3, "00", "03", "03");
        zeile("00 gerundet", 9.5, "00", "10", "10");
        zeile("Tausender gross", 1234567, "#,###0,000", "1.234.567", "1,234,567");
        zeile("Tausender Rundenzeit", 83456, "#,###0,000", "83.456", "83,456");
        zeile("Tausender klein", 5, "#,###0,000", "0.005", "0,005");
        zeile("Tausender null", 0, "#,###0,000", "0.000", "0,000");
        zeile("Tausender gerundet", 999.5, "#,###0,000", "1.000", "1,000");
        zeile("Tausender negativ", -1234567, "#,###0,000", "-1.234.567", "-1,234,567");
        zeile("Uebertrag", 9999.9996, "#######0.000", "10000,000", "10000.000");
    }

    void muster() {
        QFETCH(double, wert);
        QFETCH(QString, muster);
        QFETCH(QString, deutsch);
        QFETCH(QString, englisch);
        QCOMPARE(Formate::Format(wert, muster, QLocale(QLocale::German, QLocale::Germany)),
                 deutsch);
        QCOMPARE(Formate::Format(wert, muster, QLocale(QLocale::English, QLocale::UnitedStates)),
                 englisch);
    }

    void standardLocale() {
        QLocale vorher;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Formate::Format(83.5, QStringLiteral("#######0.000")), QStringLiteral("83,500"));
        QLocale::setDefault(vorher);
        QCOMPARE(Formate::Format(1.5, QStringLiteral("0.0"), QLocale::c()), QStringLiteral("1.5"));
    }

    void runde() {
        QCOMPARE(Formate::Runde(2.675, 2), 2.68);
        QCOMPARE(Formate::Runde(-2.5, 0), -3.0);
        QCOMPARE(Formate::Runde(0.0005, 3), 0.001);
        QCOMPARE(Formate::Runde(1.2344, 3), 1.234);
    }

    void formatiereZeit_data() {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("null") << qint64(0) << "00:00:00.000";
        QTest::newRow("20 Minuten") << qint64(1234567) << "00:20:34.567";
        QTest::newRow("fast Minute") << qint64(59999) << "00:00:59.999";
        QTest::newRow("Stunden") << qint64(3600000 * 5 + 7) << "05:00:00.007";
        QTest::newRow("ueber 99 h") << qint64(360000000) << "100:00:00.000";
    }

    void formatiereZeit() {
        QFETCH(qint64, ms);
        QFETCH(QString, text);
        QCOMPARE(Formate::FormatiereZeit(ms), text);
    }

    void datum() {
        const QDateTime t(QDate(2026, 3, 7), QTime(9, 5, 4));
        QCOMPARE(Formate::Zeitstempel(t), QStringLiteral("2026.03.07 09:05:04"));
        QCOMPARE(Formate::DatumKurz(t), QStringLiteral("07.03.2026 09:05"));
        const QDateTime abend(QDate(2026, 12, 31), QTime(23, 59, 59));
        QCOMPARE(Formate::Zeitstempel(abend), QStringLiteral("2026.12.31 23:59:59"));
    }
};

QTEST_GUILESS_MAIN(TestFormate)
#include "tst_config_formate.moc"
