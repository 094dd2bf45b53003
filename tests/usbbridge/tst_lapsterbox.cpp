// The race box driver against the simulated box, loaded by name as the program loads the
// bridge; every wait runs on the virtual clock.

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "config/VirtuelleUhr.h"
#include "hardware/LapsterBox.h"
#include "portalix_sim.h"

namespace {

const QString simPfad = QStringLiteral(PORTALIX_SIM_PFAD);
constexpr int ampel = 0xE064;
constexpr int cpuReset = 0xE600;

QList<int> pulse(int n) {
    QList<int> w;
    for (int i = 0; i < n; ++i) w << 0 << 1 << 0;
    return w;
}

// Every write so far as (address, bytes).
QList<QPair<int, QByteArray>> schreiblog() {
    QList<QPair<int, QByteArray>> log;
    for (int i = 0; i < portalix_sim_schreibanzahl(); ++i) {
        int adresse = 0;
        QByteArray d(8192, '\0');
        d.truncate(portalix_sim_schreibvorgang(i, &adresse, (unsigned char*)d.data(), 8192));
        log.append({adresse, d});
    }
    return log;
}

// The one-byte values written to an address.
QList<int> werte(int adresse) {
    QList<int> w;
    for (const auto& [a, d] : schreiblog())
        if (a == adresse && d.size() == 1) w << static_cast<unsigned char>(d[0]);
    return w;
}

const QList<int> vorstart = QList<int>{0, 2, 0} + pulse(5);
const QList<int> ampelAus = QList<int>{0, 2, 0} + pulse(1);

// The calls the race sequence makes with the box driving the lights, on its own race timer:
// preparation, lamps 1..5, a random pause, green, 120 ms ticks, stop.
class Rennablauf : public QObject {
public:
    Rennablauf(LapsterBox* box, Uhr* uhr) : m_box(box), m_timer(uhr->neuerTimer(this)), m_uhr(uhr) {
        QObject::connect(m_timer, &UhrTimer::timeout, this, [this] { tick(); });
    }

    void starten() {
        m_box->LapsterBoxOpen(false);
        m_box->LapsterBoxInit();
        m_box->AmpelVorstart();
        m_box->LapsterBoxReset();
        m_phase = 5;
        m_timer->start(1000);
    }

    void stoppen() {
        m_box->AmpelReset();
        m_box->LapsterBoxClose();
    }

    int phase() const { return m_phase; }

private:
    void tick() {
        m_box->LapsterBoxReadTimer();
        if (m_phase == 6) {
            m_box->LapsterBoxReadTimer();
            return;
        }
        if (m_phase == 0) {
            m_box->LapsterBoxReset();
            m_box->AmpelWeiter();
            m_timer->setInterval(120);
            m_phase = 6;
            return;
        }
        m_box->AmpelWeiter();
        if (--m_phase == 0) m_timer->setInterval(m_uhr->zufall(3, 20) * 100);
    }

    LapsterBox* m_box;
    UhrTimer* m_timer;
    Uhr* m_uhr;
    int m_phase = -1;
};

}  // namespace

class TstLapsterBox : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> ordner;
    std::unique_ptr<VirtuelleUhr> uhr;
    std::unique_ptr<LapsterBox> box;

    QString firmware(int groesse) {
        QByteArray bild(groesse, '\0');
        for (int i = 0; i < groesse; ++i) bild[i] = char((i * 7 + 3) & 0xFF);
        const QString pfad = ordner->filePath(QStringLiteral("lapster.bin"));
        QFile f(pfad);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bild);
        return pfad;
    }

    // Each lap as "lane time", with "+N" when the box counted N laps before it unseen.
    static QStringList runden(const QSignalSpy& spy) {
        QStringList r;
        for (const auto& a : spy)
            r << QStringLiteral("%1 %2").arg(a[0].toInt()).arg(a[1].toInt()) +
                     (a[3].toInt() > 0 ? QStringLiteral(" +%1").arg(a[3].toInt()) : QString());
        return r;
    }

private slots:
    void init() {
        portalix_sim_zuruecksetzen();
        ordner = std::make_unique<QTemporaryDir>();
        uhr = std::make_unique<VirtuelleUhr>();
        uhr->setzeSaat(7);
        box = std::make_unique<LapsterBox>(uhr.get());
        box->setBibliothek(simPfad);
        box->setFirmwareDatei(ordner->filePath(QStringLiteral("lapster.bin")));
        qunsetenv("PISTORELLE_PORTALIX");
    }

    void cleanup() {
        box.reset();
        uhr.reset();
    }

    void bindetBeimErstenGebrauchUndSchliesstAmEnde() {
        box = std::make_unique<LapsterBox>(uhr.get());
        QCOMPARE(box->bibliothek(), QStringLiteral("portalix"));
        qputenv("PISTORELLE_PORTALIX", simPfad.toLocal8Bit());
        QCOMPARE(portalix_sim_oeffnungen(), 0);
        box->LapsterBoxOpen(false);
        box->LapsterBoxOpen(false);  // already open: no second handle
        QVERIFY(box->LapsterBoxOffen());
        QCOMPARE(portalix_sim_oeffnungen(), 1);
        box.reset();
        QCOMPARE(portalix_sim_offen(), 0);
    }

    void keinKontakt_data() {
        QTest::addColumn<bool>("ohneBibliothek");
        QTest::newRow("Box fehlt") << false;
        QTest::newRow("Bibliothek fehlt") << true;
    }

    void keinKontakt() {
        QFETCH(bool, ohneBibliothek);
        if (ohneBibliothek)
            box->setBibliothek(ordner->filePath(QStringLiteral("gibtesnicht")));
        else
            portalix_sim_setze_vorhanden(0);
        firmware(100);
        QSignalSpy meldung(box.get(), &Zeitnahme::meldung);
        QSignalSpy runde(box.get(), &Zeitnahme::rundeErfasst);
        box->LapsterBoxOpen(false);
        QCOMPARE(meldung.count(), 1);
        QCOMPARE(meldung[0][0].toString(), QStringLiteral("Kein Kontakt zur Box"));
        QVERIFY(!box->LapsterBoxOffen());
        portalix_sim_setze_zaehler(1, 3);
        box->LapsterBoxInit();
        box->LapsterBoxReadTimer();
        QCOMPARE(portalix_sim_schreibanzahl(), 0);
        QCOMPARE(portalix_sim_leseanzahl(), 0);
        QCOMPARE(runde.count(), 0);
        QCOMPARE(meldung.count(), 1);
    }

    void rundenAusZaehlern_data() {
        // Per read of lane 1: counter, minutes, seconds, tenths, ms, failing reads (optional).
        QTest::addColumn<QList<QList<int>>>("schritte");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("steigt nicht")
            << QList<QList<int>>{{3, 0, 5, 0, 0}, {3, 0, 6, 0, 0}} << QStringList{"1 5000 +2"};
        QTest::newRow("3 auf 5") << QList<QList<int>>{{3, 0, 5, 1, 2}, {5, 0, 4, 9, 9}}
                                 << QStringList{"1 5102 +2", "1 4909 +1"};
        QTest::newRow("1,2,3,4") << QList<QList<int>>{{1, 1, 2, 3, 4}} << QStringList{"1 62304"};
        QTest::newRow("252 ms") << QList<QList<int>>{{1, 0, 0, 2, 52},
                                                     {1, 0, 0, 2, 52},
                                                     {2, 0, 5, 0, 0}}
                                << QStringList{"1 5000"};
        QTest::newRow("Überlauf 255 auf 1")
            << QList<QList<int>>{{100, 0, 5, 0, 0},
                                 {200, 0, 6, 0, 0},
                                 {255, 0, 7, 0, 0},
                                 {1, 0, 8, 0, 0}}
            << QStringList{"1 5000 +99", "1 6000 +99", "1 7000 +54", "1 8000 +1"};
        QTest::newRow("rückwärts")
            << QList<QList<int>>{{5, 0, 5, 0, 0}, {3, 0, 6, 0, 0}, {4, 0, 7, 0, 0}, {6, 0, 8, 0, 0}}
            << QStringList{"1 5000 +4", "1 8000"};
        QTest::newRow("Sprung über 127") << QList<QList<int>>{{128, 0, 5, 0, 0}} << QStringList{};
        // Past 128 a failed read (0) looks like a step forward.
        QTest::newRow("Box antwortet nicht")
            << QList<QList<int>>{{100, 0, 5, 0, 0}, {200, 0, 6, 0, 0}, {200, 0, 6, 0, 0, 99}}
            << QStringList{"1 5000 +99", "1 6000 +99"};
        QTest::newRow("nur der Zähler fällt aus")
            << QList<QList<int>>{{100, 0, 5, 0, 0},
                                 {200, 0, 6, 0, 0},
                                 {200, 0, 6, 0, 0, 1},
                                 {201, 0, 7, 0, 0}}
            << QStringList{"1 5000 +99", "1 6000 +99", "1 7000"};
    }

    void rundenAusZaehlern() {
        QFETCH(QList<QList<int>>, schritte);
        QFETCH(QStringList, erwartet);
        box->LapsterBoxOpen(true);
        QSignalSpy spy(box.get(), &Zeitnahme::rundeErfasst);
        for (const QList<int>& s : schritte) {
            portalix_sim_setze_zeit(1, s[1], s[2], s[3], s[4]);
            portalix_sim_setze_zaehler(1, s[0]);
            portalix_sim_lesefehler(s.value(5));
            box->LapsterBoxReadTimer();
            portalix_sim_lesefehler(0);
        }
        QCOMPARE(runden(spy), erwartet);
    }

    void spurenUndLesekosten() {
        box->LapsterBoxOpen(true);
        QSignalSpy spy(box.get(), &Zeitnahme::rundeErfasst);
        portalix_sim_log_leeren();
        for (int i = 0; i < 10; ++i) box->LapsterBoxReadTimer();
        // An idle tick reads the four counters and nothing else.
        QCOMPARE(portalix_sim_leseanzahl(), 40);
        portalix_sim_runde(2, 4321);
        portalix_sim_runde(4, 61000);
        box->LapsterBoxReadTimer();
        QCOMPARE(runden(spy), (QStringList{"2 4321", "4 61000"}));
        QCOMPARE(portalix_sim_schreibanzahl(), 0);
    }

    void schliessenWaehrendDerAuswertung() {
        box->LapsterBoxOpen(true);
        portalix_sim_runde(1, 5000);
        portalix_sim_runde(2, 6000);
        QSignalSpy spy(box.get(), &Zeitnahme::rundeErfasst);
        connect(box.get(), &Zeitnahme::rundeErfasst, this, [this](int spur) {
            if (spur == 1) box->LapsterBoxClose();
        });
        box->LapsterBoxReadTimer();
        QCOMPARE(runden(spy), QStringList{"1 5000"});
        QCOMPARE(portalix_sim_leseanzahl(), 6);  // confirmation and four time cells of lane 1 only
        box->LapsterBoxOpen(false);
        box->LapsterBoxReadTimer();
        QCOMPARE(runden(spy), (QStringList{"1 5000", "2 6000"}));
    }

    void firmwareInBloecken_data() {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<QList<int>>("bloecke");  // address, length, ...
        QTest::newRow("1") << 1 << QList<int>{0, 1};
        QTest::newRow("4096") << 4096 << QList<int>{0, 4096};
        QTest::newRow("4097") << 4097 << QList<int>{0, 4096, 4096, 1};
        QTest::newRow("10000") << 10000 << QList<int>{0, 4096, 4096, 4096, 8192, 1808};
    }

    void firmwareInBloecken() {
        QFETCH(int, groesse);
        QFETCH(QList<int>, bloecke);
        firmware(groesse);
        QSignalSpy meldung(box.get(), &Zeitnahme::meldung);
        box->LapsterBoxOpen(false);
        box->LapsterBoxInit();
        QCOMPARE(meldung.count(), 0);
        const auto log = schreiblog();
        QCOMPARE(log.size(), bloecke.size() / 2 + 2);
        QCOMPARE(log.first(), qMakePair(cpuReset, QByteArray(1, '\1')));
        QCOMPARE(log.last(), qMakePair(cpuReset, QByteArray(1, '\0')));
        for (int i = 0; i < bloecke.size() / 2; ++i) {
            QCOMPARE(log[i + 1].first, bloecke[2 * i]);
            QCOMPARE(log[i + 1].second.size(), bloecke[2 * i + 1]);
        }
        for (int i = 0; i < groesse; ++i) QCOMPARE(portalix_sim_lese(i), (i * 7 + 3) & 0xFF);
        QCOMPARE(portalix_sim_im_reset(), 0);
    }

    void firmwareFehlt_data() {
        QTest::addColumn<QString>("art");
        QTest::newRow("fehlt") << "fehlt";
        QTest::newRow("Ordner") << "Ordner";
        QTest::newRow("leer") << "leer";
    }

    void firmwareFehlt() {
        QFETCH(QString, art);
        const QString pfad = ordner->filePath(QStringLiteral("lapster.bin"));
        if (art == "Ordner") QDir(ordner->path()).mkdir(QStringLiteral("lapster.bin"));
        if (art == "leer") firmware(0);
        QSignalSpy meldung(box.get(), &Zeitnahme::meldung);
        box->LapsterBoxOpen(false);
        QVERIFY(!box->LoadFirmWare());
        QCOMPARE(meldung.count(), 1);
        QVERIFY(meldung[0][0].toString().contains(QStringLiteral("lapster.bin")));
        QCOMPARE(portalix_sim_schreibanzahl(), 0);  // the controller is not stopped for nothing
        QCOMPARE(QFileInfo::exists(pfad), art != "fehlt");
        QVERIFY(box->LapsterBoxOffen());
    }

    void ampelfolgeUnterbrochen_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<QList<int>>("werte");
        // A newer sequence wins: the pre-start does not go on after a stop's light reset.
        QTest::newRow("Stopp im Vorstart") << 0 << (QList<int>{0, 2, 0} + ampelAus);
        // The driver is deleted during a wait (window closed): nothing more is written.
        QTest::newRow("Treiber gelöscht") << 1 << QList<int>{0, 2, 0};
        QTest::newRow("Programmende") << 2 << QList<int>{0, 2};
    }

    void ampelfolgeUnterbrochen() {
        QFETCH(int, art);
        QFETCH(QList<int>, werte);
        box->LapsterBoxOpen(false);
        std::unique_ptr<UhrTimer> t(uhr->neuerTimer());
        t->setSingleShot(true);
        connect(t.get(), &UhrTimer::timeout, this, [this, art] {
            if (art == 0) box->AmpelReset();
            if (art == 1) {
                box.reset();
                usbopen();  // the next user of the box sees any late write
            }
        });
        t->start(art == 0 ? 300 : 250);
        if (art == 2) uhr->abbrechen();
        LapsterBox* b = box.get();
        b->AmpelVorstart();
        QCOMPARE(::werte(ampel), werte);
    }

    void ganzesRennen() {
        firmware(5000);
        Rennablauf rennen(box.get(), uhr.get());
        QSignalSpy spy(box.get(), &Zeitnahme::rundeErfasst);
        rennen.starten();
        QCOMPARE(uhr->virtuelleZeit(), 710);  // 0.21 s and five pulses 0.1 s apart
        const auto vorbereitung = schreiblog();
        // firmware (reset, 2 blocks, run), pre-start lights, lap memories cleared
        QCOMPARE(vorbereitung.size(), 4 + vorstart.size() + 20);
        QCOMPARE(vorbereitung[0], qMakePair(cpuReset, QByteArray(1, '\1')));
        QCOMPARE(vorbereitung[1].second.size(), 4096);
        QCOMPARE(vorbereitung[2].first, 4096);
        QCOMPARE(vorbereitung[3], qMakePair(cpuReset, QByteArray(1, '\0')));
        QCOMPARE(vorbereitung.last(), qMakePair(0xE046, QByteArray(2, '\0')));

        uhr->vorruecken(2500);  // lamps 1..3 are on; a car jumps the start on lane 2
        portalix_sim_runde(2, 800);
        uhr->vorruecken(600);
        QCOMPARE(runden(spy), QStringList{"2 800"});
        while (rennen.phase() != 6) uhr->vorruecken(10);
        // Green cleared the lap memories: the first real lap on lane 2 counts again.
        QCOMPARE(portalix_sim_lese(0xE043), 0);
        portalix_sim_runde(2, 4100);
        uhr->vorruecken(120);
        portalix_sim_runde(1, 4300);
        portalix_sim_runde(3, 252);  // no lap
        uhr->vorruecken(240);
        portalix_sim_runde(1, 4200);
        uhr->vorruecken(120);
        QCOMPARE(runden(spy), (QStringList{"2 800", "2 4100", "1 4300", "1 4200"}));

        rennen.stoppen();
        QVERIFY(!box->LapsterBoxOffen());
        const int leseVorher = portalix_sim_leseanzahl();
        portalix_sim_runde(1, 4000);
        uhr->vorruecken(1000);  // the race timer keeps running in the after-run
        QCOMPARE(portalix_sim_leseanzahl(), leseVorher);
        QCOMPARE(spy.count(), 4);
        QCOMPARE(werte(ampel), vorstart + pulse(6) + ampelAus);
        QCOMPARE(portalix_sim_offen(), 0);
    }
};

QTEST_GUILESS_MAIN(TstLapsterBox)
#include "tst_lapsterbox.moc"
