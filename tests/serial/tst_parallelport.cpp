// The parallel port on the simulated port: output lines, input pairs, the sample ring and its
// evaluation into laps and caution, the direct caution check, and the sampling thread.

#include <QSignalSpy>
#include <QTest>
#include <atomic>

#include "TestPty.h"
#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/VirtuelleUhr.h"
#include "hardware/ParallelPort.h"
#include "hardware/PortIOSimuliert.h"

namespace {

constexpr quint16 L1 = 888;
constexpr quint16 L2 = 632;

// Records every write in order.
class ProtokollPort : public PortIOSimuliert {
public:
    using PortIOSimuliert::PortIOSimuliert;
    void Out32(quint16 adresse, quint8 wert) override {
        schreibungen.append({adresse, wert});
        PortIOSimuliert::Out32(adresse, wert);
    }
    QList<QPair<quint16, quint8>> schreibungen;
};

}  // namespace

class TstParallelPort : public QObject {
    Q_OBJECT

    Einstellungen e;
    ProtokollPort* io = nullptr;
    VirtuelleUhr* uhr = nullptr;
    ParallelPort* lpt = nullptr;

    // A sample as the ports would give it (status in the high byte, control in the low byte).
    void probe(quint16 w1, quint16 w2, qint32 zeit) {
        lpt->LPT1Wert = w1;
        lpt->LPT2Wert = w2;
        lpt->ErfasseLPTWerte(1, zeit);
    }

private slots:
    void init() {
        e = Einstellungen();
        io = new ProtokollPort(L1, L2);
        uhr = new VirtuelleUhr();
        lpt = new ParallelPort(e, io, uhr);
        DebugLog::instanz().setAktiv(true);
        DebugLog::instanz().leeren();
    }
    void cleanup() {
        delete lpt;
        delete uhr;
        delete io;
    }

    void schaltePin_data() {
        QTest::addColumn<QString>("pin");
        QTest::addColumn<int>("anAus");
        QTest::addColumn<quint8>("datenVorher");
        QTest::addColumn<quint8>("steuerVorher");
        QTest::addColumn<quint8>("daten");
        QTest::addColumn<quint8>("steuer");
        QTest::addColumn<quint16>("basis");
        QTest::newRow("LPT1 9 on: C1 written 0")
            << "LPT1 9" << 1 << quint8(0x55) << quint8(0x0F) << quint8(0x55) << quint8(0x0D) << L1;
        QTest::newRow("LPT2 3 off: D3 cleared")
            << "LPT2 3" << 0 << quint8(0xFF) << quint8(0x0A) << quint8(0xF7) << quint8(0x0A) << L2;
        QTest::newRow("LPT1 8 off: C0 written 1")
            << "LPT1 8" << 0 << quint8(0) << quint8(0) << quint8(0) << quint8(0x01) << L1;
        QTest::newRow("LPT1 11 on: C3 written 0")
            << "LPT1 11" << 1 << quint8(0) << quint8(0x08) << quint8(0) << quint8(0) << L1;
        QTest::newRow("LPT1 10 on: C2 written 1")
            << "LPT1 10" << 1 << quint8(0) << quint8(0) << quint8(0) << quint8(0x04) << L1;
        QTest::newRow("lpt1 0 on, already on")
            << "lpt1 0" << 1 << quint8(0x01) << quint8(0) << quint8(0x01) << quint8(0) << L1;
    }
    void schaltePin() {
        QFETCH(QString, pin);
        QFETCH(int, anAus);
        QFETCH(quint8, datenVorher);
        QFETCH(quint8, steuerVorher);
        QFETCH(quint8, daten);
        QFETCH(quint8, steuer);
        QFETCH(quint16, basis);
        io->setze(basis, datenVorher);
        io->setze(basis + 2, steuerVorher);
        lpt->SchalteLPTPin(pin, anAus);
        // Both registers are written, data first, the untouched one with the value read.
        QCOMPARE(io->schreibungen.size(), 2);
        QCOMPARE(io->schreibungen[0], (QPair<quint16, quint8>(basis, daten)));
        QCOMPARE(io->schreibungen[1], (QPair<quint16, quint8>(basis + 2, steuer)));
    }

    // No assignment, or a status line taken for an output, writes nothing.
    void schaltePinOhneWirkung() {
        for (const char* pin : {"AUS", "aus", "LPT1 12", "LPT1 16", "LPT1", "LPT1 x"})
            lpt->SchalteLPTPin(QString::fromLatin1(pin), 1);
        QCOMPARE(io->schreibungen.size(), 0);
    }

    void portReset() {
        lpt->PortReset();
        const QList<QPair<quint16, quint8>> soll{{L1, 0}, {L1 + 2, 0xC4}, {L1 + 2, 0xCB},
                                                 {L2, 0}, {L2 + 2, 0xC4}, {L2 + 2, 0xCB}};
        QCOMPARE(io->schreibungen, soll);
    }

    void eingangsPaare_data() {
        QTest::addColumn<QString>("einstellung");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("wert");
        QTest::newRow("AUS") << "AUS"
                             << "AUS" << 0;
        QTest::newRow("aus") << "aus"
                             << "AUS" << 0;
        QTest::newRow("C0") << "LPT1 8"
                            << "LPT1" << 1;
        QTest::newRow("C3") << "LPT1 11"
                            << "LPT1" << 8;
        QTest::newRow("S3") << "LPT2 12"
                            << "LPT2" << 2048;
        QTest::newRow("S7") << "LPT1 16"
                            << "LPT1" << 32768;
        QTest::newRow("data line is no input") << "LPT1 3"
                                               << "LPT1" << 0;
        QTest::newRow("beyond 16") << "LPT1 17"
                                   << "LPT1" << 0;
    }
    void eingangsPaare() {
        QFETCH(QString, einstellung);
        QFETCH(QString, port);
        QFETCH(int, wert);
        e.LPTErf[4] = einstellung;
        e.LPTChaos = einstellung;
        lpt->CopyLPTErf2Array();
        QCOMPARE(lpt->LPTErfPaar()[3].port, port);
        QCOMPARE(lpt->LPTErfPaar()[3].wert, wert);
        QCOMPARE(lpt->LPTChaosPinwert(), wert);
    }

    // Which lanes one sample triggers: normal lines high, inverted lines (C0, C1, C3, S7)
    // by a cleared bit; "AUS" never; two lanes on one line together; LPT2 from its own word.
    void auswertungBahnen() {
        e.LPTErf[1] = QStringLiteral("LPT1 12");  // 2048
        e.LPTErf[2] = QStringLiteral("LPT1 12");  // same line
        e.LPTErf[3] = QStringLiteral("LPT1 16");  // BUSY, inverted
        e.LPTErf[4] = QStringLiteral("LPT2 13");  // 4096 on LPT2
        e.LPTErf[5] = QStringLiteral("LPT1 8");   // C0, inverted
        e.LPTErf[6] = QStringLiteral("AUS");
        lpt->CopyLPTErf2Array();
        QSignalSpy runden(lpt, &Zeitnahme::rundeErfasst);
        QSignalSpy wartet(lpt, &ParallelPort::rundeWartet);

        probe(0x8001, 0x0000, 1000);  // all idle: bit 15 and C0 bit set, nothing high
        probe(0x0801, 0x1000, 2000);  // S3 high, BUSY high (bit 15 clear), LPT2 S4 high
        probe(0x8000, 0x0000, 3000);  // C0 high (bit clear)
        lpt->ErmittleLPTEvent();

        QList<QList<QVariant>> soll{{1, 2000, 0, 0}, {2, 2000, 0, 0}, {3, 2000, 0, 0},
                                    {4, 2000, 0, 0}, {5, 3000, 0, 0}};
        QCOMPARE(runden.count(), soll.size());
        for (int i = 0; i < soll.size(); ++i) QCOMPARE(runden.at(i), soll[i]);
        QCOMPARE(wartet.count(), 1);
        QCOMPARE(lpt->LPTWerteZaehlerdone(), 3);
        QCOMPARE(zeilenMit(QStringLiteral("Slot 3 invers ausgelöst LPTWertIntern: 2049")), 1);
        QCOMPARE(
            zeilenMit(QStringLiteral("ErmittleLPTEvent LPT1Wert: 2049 LPT2Wert: 4096 GAT: 2000")),
            1);

        // Nothing new: nothing at all.
        lpt->ErmittleLPTEvent();
        QCOMPARE(wartet.count(), 1);
    }

    // After entry 100 comes 0, for writing and for reading.
    void ringUmlauf() {
        e.LPTErf[1] = QStringLiteral("LPT1 12");
        lpt->CopyLPTErf2Array();
        lpt->setzeZaehler(100, 100);
        QSignalSpy runden(lpt, &Zeitnahme::rundeErfasst);
        probe(0x0800, 0, 10);
        QCOMPARE(lpt->LPTWerteZaehler(), 0);
        QCOMPARE(lpt->eintrag(100).zeit, 10);
        probe(0, 0, 15);
        probe(0x0800, 0, 20);
        lpt->ErmittleLPTEvent();
        QCOMPARE(runden.count(), 2);
        QCOMPARE(lpt->LPTWerteZaehlerdone(), 2);
    }

    // A ring that fills before LPTTimer comes round is evaluated at once: nothing is lost.
    void ringVoll() {
        e.LPTErf[1] = QStringLiteral("LPT1 12");
        lpt->CopyLPTErf2Array();
        QSignalSpy runden(lpt, &Zeitnahme::rundeErfasst);
        QSignalSpy wartet(lpt, &ParallelPort::rundeWartet);
        for (int i = 0; i < 305; ++i) probe(i % 2 ? 0 : 0x0800, 0, i);  // a pulse every 2 ms
        QCOMPARE(wartet.count(), 3);  // evaluated three times on the way
        lpt->ErmittleLPTEvent();
        QCOMPARE(runden.count(), 153);
        QCOMPARE(runden.first().at(1).toInt(), 0);
        QCOMPARE(runden.last().at(1).toInt(), 304);
        QCOMPARE(zeilenMit(QStringLiteral("Ring voll")), 0);
    }

    // Caution on a status line through the samples: each tick consumes one sample and counts
    // no lap; samples left over are evaluated on the next tick without a new one arriving.
    void chaosUeberProben() {
        e.LPTErf[1] = QStringLiteral("LPT1 12");
        e.LPTChaos = QStringLiteral("LPT1 13");  // 4096
        lpt->CopyLPTErf2Array();
        bool chaos = false;
        lpt->setChaosAbfrage([&chaos] { return chaos; });
        connect(lpt, &Zeitnahme::chaosAn, this, [&chaos] { chaos = true; });
        connect(lpt, &Zeitnahme::chaosAus, this, [&chaos] { chaos = false; });
        QSignalSpy runden(lpt, &Zeitnahme::rundeErfasst);
        QSignalSpy knopf(lpt, &ParallelPort::chaosKnopfFreigabe);

        probe(0x1800, 0, 100);  // caution line and lane 1 high
        probe(0x0800, 0, 200);  // caution line low again, lane 1 still high: no new lap
        probe(0x0000, 0, 300);
        probe(0x0800, 0, 400);
        probe(0x0000, 0, 500);
        probe(0x0800, 0, 600);
        lpt->ErmittleLPTEvent();
        QVERIFY(chaos);
        QCOMPARE(runden.count(), 0);
        QCOMPARE(lpt->LPTWerteZaehlerdone(), 1);
        QCOMPARE(knopf.count(), 1);
        QCOMPARE(knopf.first().at(0).toBool(), false);

        lpt->ErmittleLPTEvent();  // no new sample, the waiting one ends the caution
        QVERIFY(!chaos);
        QCOMPARE(knopf.last().at(0).toBool(), true);
        QCOMPARE(runden.count(), 2);
        QCOMPARE(runden.first(), (QList<QVariant>{1, 400, 0, 0}));
        QCOMPARE(runden.last(), (QList<QVariant>{1, 600, 0, 0}));
        QCOMPARE(lpt->LPTWerteZaehlerdone(), 6);
    }

    // A caution handler that lets the timers run (the restart sequence waits) re-enters the
    // evaluation: the inner call must not evaluate the same samples again.
    void wiedereintritt() {
        e.LPTErf[1] = QStringLiteral("LPT1 12");
        e.LPTChaos = QStringLiteral("LPT1 13");
        lpt->CopyLPTErf2Array();
        bool chaos = true;
        lpt->setChaosAbfrage([&chaos] { return chaos; });
        connect(lpt, &Zeitnahme::chaosAus, this, [&] {
            lpt->ErmittleLPTEvent();
            chaos = false;
        });
        QSignalSpy runden(lpt, &Zeitnahme::rundeErfasst);
        probe(0x0800, 0, 1);  // caution line low: ends caution, lane 1 high
        probe(0x0000, 0, 2);
        probe(0x0800, 0, 3);
        lpt->ErmittleLPTEvent();
        QCOMPARE(runden.count(), 2);
    }

    void chaosEingang_data() {
        QTest::addColumn<QString>("pin");
        QTest::addColumn<quint16>("adresse");
        QTest::addColumn<quint8>("ruhe");
        QTest::addColumn<quint8>("hoch");
        QTest::newRow("S3 (12)") << "LPT1 12" << quint16(L1 + 1) << quint8(0x80) << quint8(0x88);
        QTest::newRow("S7 BUSY (16)")
            << "LPT1 16" << quint16(L1 + 1) << quint8(0x80) << quint8(0x00);
        QTest::newRow("LPT2 S5 (14)")
            << "LPT2 14" << quint16(L2 + 1) << quint8(0x80) << quint8(0xA0);
        // Control lines: C0 and C1 are inverted by the port, C2 is not.
        QTest::newRow("C0 (8)") << "LPT1 8" << quint16(L1 + 2) << quint8(0x01) << quint8(0x00);
        QTest::newRow("C1 (9)") << "LPT1 9" << quint16(L1 + 2) << quint8(0x02) << quint8(0x00);
        QTest::newRow("C2 (10)") << "LPT1 10" << quint16(L1 + 2) << quint8(0x00) << quint8(0x04);
    }
    void chaosEingang() {
        QFETCH(QString, pin);
        QFETCH(quint16, adresse);
        QFETCH(quint8, ruhe);
        QFETCH(quint8, hoch);
        e.LPTChaos = pin;
        lpt->CopyLPTErf2Array();
        QSignalSpy an(lpt, &Zeitnahme::chaosAn);
        QSignalSpy aus(lpt, &Zeitnahme::chaosAus);
        io->setze(adresse, ruhe);
        lpt->PruefeChaosEingang();
        QCOMPARE(an.count(), 0);
        io->setze(adresse, hoch);
        lpt->PruefeChaosEingang();
        lpt->PruefeChaosEingang();
        QCOMPARE(an.count(), 1);
        io->setze(adresse, ruhe);
        lpt->PruefeChaosEingang();
        QCOMPARE(aus.count(), 1);
    }

    void chaosEingangTexte() {
        e.LPTChaos = QStringLiteral("LPT1 13");
        lpt->CopyLPTErf2Array();
        io->setze(L1 + 1, 0x90);
        lpt->PruefeChaosEingang();
        QCOMPARE(zeilenMit(QStringLiteral("Chaos ausgelöst Pinwert:  4 Status: 00010111")), 1);
        io->setze(L1 + 1, 0x80);
        lpt->PruefeChaosEingang();
        QCOMPARE(zeilenMit(QStringLiteral("Chaos ende Pinwert:  4 Status: 00000111")), 1);
    }

    // The whole path on the virtual clock: a line change sampled at t, LPTTimer a little
    // later, the lap carries t.
    void rundeMitProbenzeit() {
        e.LPTErf[2] = QStringLiteral("LPT1 14");
        lpt->CopyLPTErf2Array();
        QSignalSpy runden(lpt, &Zeitnahme::rundeErfasst);
        lpt->LPTTimer()->start();
        QVERIFY(lpt->tasteAb());   // first sample (idle) is stored
        QVERIFY(!lpt->tasteAb());  // unchanged: not stored
        uhr->vorruecken(30);
        const qint32 t = uhr->Zeitstempel();
        io->setze(L1 + 1, 0xA0);  // S5 high
        QVERIFY(lpt->tasteAb());
        uhr->vorruecken(20);
        io->setze(L1 + 1, 0x80);
        QVERIFY(lpt->tasteAb());
        QCOMPARE(runden.count(), 0);
        uhr->vorruecken(100);
        QCOMPARE(runden.count(), 1);
        QCOMPARE(runden.first(), (QList<QVariant>{2, t, 0, 0}));
    }

    // Five lanes crossing 1 ms apart with 5 ms pulses, sampled every millisecond: each
    // crossing is one lap at its own rising edge, however the other lines change meanwhile.
    void fuenfBahnenVersetzt() {
        e.LPTErf[1] = QStringLiteral("LPT1 12");  // S3
        e.LPTErf[2] = QStringLiteral("LPT1 13");  // S4
        e.LPTErf[3] = QStringLiteral("LPT1 14");  // S5
        e.LPTErf[4] = QStringLiteral("LPT1 15");  // S6
        e.LPTErf[5] = QStringLiteral("LPT1 10");  // C2, not inverted
        lpt->CopyLPTErf2Array();
        QSignalSpy runden(lpt, &Zeitnahme::rundeErfasst);
        lpt->LPTTimer()->start();
        const qint32 t0 = uhr->Zeitstempel() + 10;
        QList<QList<QVariant>> soll;
        for (int runde = 0; runde < 3; ++runde)
            for (int k = 1; k <= 5; ++k) soll.append({k, t0 + runde * 300 + (k - 1), 0, 0});
        for (int ms = 0; ms < 900; ++ms) {
            const qint32 t = uhr->Zeitstempel();
            quint8 status = 0x80, steuer = 0;  // BUSY bit set: its line is low
            for (int k = 1; k <= 5; ++k) {
                const qint32 ab = (t - t0) % 300 - (k - 1);
                if (t < t0 || ab < 0 || ab >= 5) continue;
                if (k < 5) status |= quint8(0x08 << (k - 1));
                else steuer |= 0x04;
            }
            io->setze(L1 + 1, status);
            io->setze(L1 + 2, steuer);
            lpt->tasteAb();
            uhr->vorruecken(1);
        }
        uhr->vorruecken(200);
        QCOMPARE(runden.count(), soll.size());
        for (int i = 0; i < soll.size(); ++i) QCOMPARE(runden.at(i), soll[i]);
    }

    // The sampling thread stores changes with the stamp it took; LPTTimer takes them over.
    void abtastThread() {
        e.LPTErf[1] = QStringLiteral("LPT1 12");
        lpt->CopyLPTErf2Array();
        std::atomic<qint32> stempel{4242};
        lpt->setZeitquelle([&stempel] { return stempel.load(); });
        QSignalSpy runden(lpt, &Zeitnahme::rundeErfasst);
        const auto bisZaehler = [&](int n) {
            QElapsedTimer t;
            t.start();
            while (lpt->LPTWerteZaehler() != n && t.elapsed() < 10000) {
                QTest::qWait(5);
                uhr->vorruecken(ParallelPort::lptTimerMs);
            }
            return lpt->LPTWerteZaehler() == n;
        };
        io->setze(L1 + 1, 0x88);
        lpt->starteErfassung();
        QVERIFY(lpt->erfassungLaeuft());
        QVERIFY(lpt->LPTTimer()->isActive());
        QVERIFY(bisZaehler(1));
        stempel = 5000;
        io->setze(L1 + 1, 0x80);
        QVERIFY(bisZaehler(2));
        lpt->stoppeErfassung();
        QVERIFY(!lpt->erfassungLaeuft());
        QCOMPARE(lpt->eintrag(0).LPT1Wert, 0x8800);
        QCOMPARE(lpt->eintrag(0).zeit, 4242);
        QCOMPARE(lpt->eintrag(1).zeit, 5000);
        QCOMPARE(runden.count(), 1);
        QCOMPARE(runden.first(), (QList<QVariant>{1, 4242, 0, 0}));
    }

    // A reader a whole ring behind: the newest samples are dropped and counted, the older
    // ones come out in order.
    void abtastpufferVoll() {
        auto puffer = std::make_unique<Abtastpuffer>();
        for (quint32 i = 0; i < Abtastpuffer::groesse + 3; ++i)
            puffer->schreibe({quint16(i), 0, qint32(i)});
        QCOMPARE(puffer->holeVerworfen(), 3u);
        Abtastprobe p;
        for (quint32 i = 0; i < Abtastpuffer::groesse; ++i) {
            QVERIFY(puffer->lies(p));
            QCOMPARE(p.zeit, qint32(i));
        }
        QVERIFY(!puffer->lies(p));
        QVERIFY(puffer->schreibe({1, 2, 3}) && puffer->lies(p) && p.zeit == 3);
    }
};

QTEST_GUILESS_MAIN(TstParallelPort)
#include "tst_parallelport.moc"
