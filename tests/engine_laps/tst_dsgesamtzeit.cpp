// DS lap times through the real frame decoder and the lap path: the counter measures in tenths
// of a millisecond, the lane total must stay the exact sum of its laps however long the race,
// and every lap shown or stored in ms is rounded half up.

#include <QRandomGenerator>

#include "DSRahmen.h"
#include "Rennumgebung.h"
#include "hardware/DSZaehler.h"

class TstDSGesamtzeit : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void tausendRundenExakt_data() {
        QTest::addColumn<QString>("zaehler");
        QTest::newRow("DS200") << "DS200";
        QTest::newRow("DS300") << "DS300";
    }
    void tausendRundenExakt() {
        QFETCH(QString, zaehler);
        Rennumgebung u;
        u.e.DS200Aktiv = zaehler == QLatin1String("DS200");
        u.e.DS300Aktiv = zaehler == QLatin1String("DS300");
        u.e.PrellZeit = 1000;
        u.starteLauf();
        DSZaehler ds(&u.e);
        connect(&ds, &Zeitnahme::rundeErfasst, u.rl.get(),
                [&u](int b, qint32 zeit, int zehntel) { u.rl->RundenErfassung(b, zeit, zehntel); });

        // Lanes 1 and 2; lap times with every tenth, the halves (x.5 ms) among them.
        QRandomGenerator zufall(17);
        unsigned char folge = 1;
        std::array<qint64, 3> summe{};  // exact totals in tenths of a ms
        std::array<QStringList, 3> zeiten;
        const int anzahl = 1000;
        for (int runde = 1; runde <= anzahl + 1; ++runde) {
            for (int bahn = 1; bahn <= 2; ++bahn) {
                qint64 zehntel = 0;
                if (runde > 1) {
                    zehntel = runde % 10 == 1 ? 80005 : 70000 + zufall.bounded(40000);
                    summe[size_t(bahn)] += zehntel;
                    zeiten[size_t(bahn)] << QString::number((zehntel + 5) / 10 / 1000.0, 'f', 3);
                }
                // The counter repeats each frame; the repeat must not count.
                const QByteArray r = DSRahmen::runde(folge++, bahn, runde, zehntel);
                ds.datenEmpfangen(r + r);
            }
            u.tick();
        }
        for (int bahn = 1; bahn <= 2; ++bahn) {
            const size_t s = size_t(bahn);
            QCOMPARE(int(u.z().Runden[s]), anzahl);
            const double genau = summe[s] / 10.0;
            QVERIFY2(qAbs(u.z().GesamtZeit[s] - genau) <= 0.5,
                     qPrintable(QStringLiteral("Bahn %1: %2 ms statt %3 ms")
                                    .arg(bahn)
                                    .arg(u.z().GesamtZeit[s])
                                    .arg(genau, 0, 'f', 1)));
            QSqlQuery q(u.db.db());
            q.prepare(QStringLiteral("select Zeit, Gesamt from aktrennen where Bahn=? "
                                     "order by lfdnr"));
            q.addBindValue(bahn);
            QVERIFY(q.exec());
            QStringList gespeichert;
            double letzteGesamt = 0;
            while (q.next()) {
                gespeichert << QString::number(q.value(0).toDouble(), 'f', 3);
                letzteGesamt = q.value(1).toDouble();
            }
            // Lap rows: each lap rounded half up (8000.5 ms -> 8.001 s).
            QCOMPARE(gespeichert, zeiten[s]);
            QVERIFY(qAbs(letzteGesamt * 1000.0 - genau) <= 0.5);
        }
        QVERIFY(zeiten[1].contains(QStringLiteral("8.001")));
        // The lane panel shows the rounded last lap.
        QCOMPARE(u.rl->slotWerte(1).feldText(QStringLiteral("AKTZ")),
                 QStringLiteral("8,001"));
    }
};

QTEST_GUILESS_MAIN(TstDSGesamtzeit)
#include "tst_dsgesamtzeit.moc"
