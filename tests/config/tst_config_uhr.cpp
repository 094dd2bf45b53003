#include <QtTest>

#include "config/EchteUhr.h"
#include "config/VirtuelleUhr.h"

// Records which timer fired at which virtual time.
struct Protokoll {
    QStringList eintraege;
    void merke(VirtuelleUhr& uhr, const QString& name) {
        eintraege << QStringLiteral("%1@%2").arg(name).arg(uhr.virtuelleZeit());
    }
};

class TestUhr : public QObject {
    Q_OBJECT

    UhrTimer* einmal(VirtuelleUhr& uhr, Protokoll& p, const QString& name, int ms) {
        UhrTimer* t = uhr.neuerTimer();
        t->setSingleShot(true);
        connect(t, &UhrTimer::timeout, this, [&uhr, &p, name] { p.merke(uhr, name); });
        t->start(ms);
        return t;
    }

private slots:
    void timerFeuernNachZeitUndStartfolge() {
        VirtuelleUhr uhr;
        Protokoll p;
        einmal(uhr, p, "A", 300);
        einmal(uhr, p, "B", 100);
        einmal(uhr, p, "C", 200);
        einmal(uhr, p, "D", 100);
        uhr.vorruecken(250);
        QCOMPARE(p.eintraege, QStringList({"B@100", "D@100", "C@200"}));
        QCOMPARE(uhr.virtuelleZeit(), 250);
        QCOMPARE(uhr.ms(), 1000250);
        uhr.vorruecken(1000);
        QCOMPARE(p.eintraege.last(), "A@300");
        QCOMPARE(p.eintraege.size(), 4);
    }

    void neustartOrdnetHintenEin() {
        VirtuelleUhr uhr;
        Protokoll p;
        UhrTimer* a = einmal(uhr, p, "A", 100);
        einmal(uhr, p, "B", 100);
        a->start(100);  // restarted: now behind B at the same due time
        uhr.vorruecken(100);
        QCOMPARE(p.eintraege, QStringList({"B@100", "A@100"}));
    }

    void wiederholenderTimerUndSelbstStopp() {
        VirtuelleUhr uhr;
        Protokoll p;
        UhrTimer* t = uhr.neuerTimer();
        int n = 0;
        connect(t, &UhrTimer::timeout, this, [&] {
            p.merke(uhr, "T");
            if (++n == 3) t->stop();
        });
        t->start(120);
        QVERIFY(!t->isSingleShot());
        uhr.vorruecken(10000);
        QCOMPARE(p.eintraege, QStringList({"T@120", "T@240", "T@360"}));
        QVERIFY(!t->isActive());
    }

    void timerLoeschtSichUndStartetAndere() {
        VirtuelleUhr uhr;
        Protokoll p;
        UhrTimer* t = uhr.neuerTimer();
        UhrTimer* folge = nullptr;
        connect(t, &UhrTimer::timeout, this, [&] {
            p.merke(uhr, "T");
            folge = einmal(uhr, p, "F", 50);
            delete t;
        });
        t->start(100);
        uhr.vorruecken(1000);
        QCOMPARE(p.eintraege, QStringList({"T@100", "F@150"}));
        QVERIFY(folge && !folge->isActive());
    }

    void verschachteltesWarte() {
        VirtuelleUhr uhr;
        Protokoll p;
        UhrTimer* a = uhr.neuerTimer();
        a->setSingleShot(true);
        connect(a, &UhrTimer::timeout, this, [&] {
            p.merke(uhr, "A");
            QVERIFY(uhr.Warte(0.5));
            p.merke(uhr, "A-Ende");
        });
        a->start(100);
        einmal(uhr, p, "B", 200);
        einmal(uhr, p, "C", 700);
        UhrTimer* r = uhr.neuerTimer();
        connect(r, &UhrTimer::timeout, this, [&] { p.merke(uhr, "R"); });
        r->start(250);
        uhr.vorruecken(800);
        QCOMPARE(p.eintraege,
                 QStringList({"A@100", "B@200", "R@250", "R@500", "A-Ende@600", "C@700", "R@750"}));
        QCOMPARE(uhr.virtuelleZeit(), 800);
    }

    void wiederholerUeberspringtTickWaehrendEigenemWarte() {
        VirtuelleUhr uhr;
        Protokoll p;
        UhrTimer* t = uhr.neuerTimer();
        bool erstes = true;
        connect(t, &UhrTimer::timeout, this, [&] {
            p.merke(uhr, "T");
            if (erstes) {
                erstes = false;
                uhr.Warte(0.35);  // the timer must not fire inside its own timeout
            }
        });
        t->start(100);
        uhr.vorruecken(650);
        QCOMPARE(p.eintraege, QStringList({"T@100", "T@500", "T@600"}));
    }

    void naechsterTimerSpringt() {
        VirtuelleUhr uhr;
        Protokoll p;
        einmal(uhr, p, "A", 300);
        QVERIFY(!uhr.naechsterTimer(200));
        QCOMPARE(uhr.virtuelleZeit(), 0);
        QVERIFY(uhr.naechsterTimer(500));
        QCOMPARE(uhr.virtuelleZeit(), 300);
        QCOMPARE(p.eintraege, QStringList({"A@300"}));
        QVERIFY(!uhr.naechsterTimer(100000));
    }

    void warteRueckteMillisekunden() {
        VirtuelleUhr uhr(0, QDateTime(QDate(2026, 5, 1), QTime(23, 59, 59)));
        QVERIFY(uhr.Warte(1.25));
        QCOMPARE(uhr.ms(), 1250);
        QCOMPARE(uhr.jetzt(), QDateTime(QDate(2026, 5, 2), QTime(0, 0, 0, 250)));
        QVERIFY(uhr.Warte(-3));
        QCOMPARE(uhr.ms(), 1250);
    }

    void abbrechenBeendetWarten() {
        VirtuelleUhr uhr;
        Protokoll p;
        UhrTimer* t = uhr.neuerTimer();
        t->setSingleShot(true);
        connect(t, &UhrTimer::timeout, this, [&] { uhr.abbrechen(); });
        t->start(100);
        einmal(uhr, p, "B", 200);
        QVERIFY(!uhr.Warte(10));
        QCOMPARE(uhr.virtuelleZeit(), 100);
        QVERIFY(p.eintraege.isEmpty());
        QVERIFY(!uhr.Warte(1));  // later waits end at once
        QCOMPARE(uhr.virtuelleZeit(), 100);
        uhr.vorruecken(500);  // the test's own time still moves
        QCOMPARE(p.eintraege, QStringList({"B@200"}));
    }

    void zufallIstSaatgebunden() {
        VirtuelleUhr a;
        VirtuelleUhr b;
        a.setzeSaat(42);
        b.setzeSaat(42);
        QSet<int> gesehen;
        for (int i = 0; i < 500; ++i) {
            const int x = a.zufall(300, 2000);
            QCOMPARE(b.zufall(300, 2000), x);
            QVERIFY(x >= 300 && x <= 2000);
            gesehen.insert(x);
        }
        QVERIFY(gesehen.size() > 100);
        const int r = a.zufall(5, 1);
        QVERIFY(r >= 1 && r <= 5);
        QCOMPARE(a.zufall(7, 7), 7);
    }

    void echteUhrAbbrechen() {
        EchteUhr uhr;
        UhrTimer* t = uhr.neuerTimer();
        t->setSingleShot(true);
        bool gefeuert = false;
        connect(t, &UhrTimer::timeout, this, [&] {
            gefeuert = true;
            uhr.abbrechen();
        });
        t->start(0);
        QVERIFY(!uhr.Warte(60));
        QVERIFY(gefeuert);
        QVERIFY(uhr.abgebrochen());
        QVERIFY(!uhr.Warte(60));
    }
};

QTEST_GUILESS_MAIN(TestUhr)
#include "tst_config_uhr.moc"
