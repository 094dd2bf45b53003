// DS200/DS300 frames byte by byte through the decoder, and the counter glue's signals.

#include <QSignalSpy>
#include <QtTest>

#include "DSRahmen.h"
#include "config/Einstellungen.h"
#include "hardware/DSProtokoll.h"
#include "hardware/DSZaehler.h"

using Art = DSEreignis::Art;

class TestDSProtokoll : public QObject {
    Q_OBJECT

private:
    static std::vector<DSEreignis> nur(const std::vector<DSEreignis>& alle, Art art) {
        std::vector<DSEreignis> aus;
        for (const auto& e : alle)
            if (e.art == art) aus.push_back(e);
        return aus;
    }

private slots:
    void rundeWirdDekodiert_data() {
        QTest::addColumn<int>("bahn");
        QTest::addColumn<bool>("normal");
        QTest::addColumn<int>("runden");
        QTest::addColumn<qint64>("zehntelMs");
        QTest::addColumn<int>("erwBahn");
        QTest::addColumn<int>("erwZeit");
        QTest::addColumn<int>("erwZehntel");
        // Lane bit 0x20: lane 6 in normal numbering, lane 3 reversed.
        QTest::newRow("bit 0x20 normal") << 6 << true << 5 << qint64(81234) << 6 << 8123 << 4;
        QTest::newRow("bit 0x20 umgekehrt") << 3 << false << 5 << qint64(81234) << 3 << 8123 << 4;
        QTest::newRow("bahn 1 umgekehrt") << 1 << false << 2 << qint64(10000) << 1 << 1000 << 0;
        QTest::newRow("erste runde zeit 0") << 2 << true << 1 << qint64(99999) << 2 << 0 << 0;
        QTest::newRow("runde 0 zeit 0") << 2 << true << 0 << qint64(5000) << 2 << 0 << 0;
        // 1 min 23 s 45 hundredths 67 ten-thousandths: 83456.7 ms, the tenths kept apart.
        QTest::newRow("bcd zeit") << 4 << true << 2 << qint64(834567) << 4 << 83456 << 7;
        QTest::newRow("runden über 100") << 1 << true << 1234 << qint64(95999) << 1 << 9599 << 9;
    }
    void rundeWirdDekodiert() {
        QFETCH(int, bahn);
        QFETCH(bool, normal);
        QFETCH(int, runden);
        QFETCH(qint64, zehntelMs);
        DSProtokoll p;
        const auto e = p.fuettere(DSRahmen::runde(7, bahn, runden, zehntelMs, normal));
        QCOMPARE(e.size(), size_t(1));
        QCOMPARE(e[0].art, Art::Runde);
        QTEST(e[0].bahn, "erwBahn");
        QTEST(int(e[0].zeit), "erwZeit");
        QTEST(e[0].zehntel, "erwZehntel");
        QCOMPARE(e[0].runden, runden);
    }

    void bcdBytesWieVomZaehler() {
        // The example bytes 0x01 0x23 0x45 0x67 with lap count 0x00 0x02.
        QByteArray r = DSRahmen::runde(3, 1, 2, 0);
        r[14] = 0x01, r[15] = 0x23, r[16] = 0x45, r[17] = 0x67;
        r[18] = char(DSRahmen::pruefsumme(r));
        DSProtokoll p;
        const auto e = p.fuettere(r);
        QCOMPARE(e.size(), size_t(1));
        QCOMPARE(e[0].zeit, 83456);
    }

    void bahnenSiebenUndAchtFallenWeg() {
        DSProtokoll p;
        auto e = p.fuettere(DSRahmen::runde(1, 7, 3, 50000) + DSRahmen::runde(2, 8, 3, 50000) +
                            DSRahmen::runde(3, 2, 3, 50000, false));  // bit 7 reversed = lane 2
        QCOMPARE(nur(e, Art::Runde).size(), size_t(1));
        QCOMPARE(nur(e, Art::Runde)[0].bahn, 2);
        const auto weg = nur(e, Art::Verworfen);
        QCOMPARE(weg.size(), size_t(2));
        QCOMPARE(weg[0].bahn, 7);
        QCOMPARE(weg[1].bahn, 8);
        // Not a single bit: no lap either.
        QByteArray r = DSRahmen::rahmen(4, 0x1B, 0, 0x03, 3, 1000);
        e = p.fuettere(r);
        QCOMPARE(e.size(), size_t(1));
        QCOMPARE(e[0].art, Art::Verworfen);
    }

    void statusUndStartCodes() {
        DSProtokoll p;
        QByteArray alles;
        unsigned char folge = 10;
        for (int c = 0xA0; c <= 0xA8; ++c) alles += DSRahmen::status(folge++, c);
        for (int c = 0x39; c <= 0x40; ++c) alles += DSRahmen::start(folge++, c);
        const auto e = p.fuettere(alles);
        const auto status = nur(e, Art::Status);
        const auto start = nur(e, Art::Rennstart);
        QCOMPARE(e.size(), size_t(13));  // A0, A8, 0x39 and 0x40 say nothing
        QCOMPARE(status.size(), size_t(7));
        QCOMPARE(start.size(), size_t(6));
        QCOMPARE(status[0].text, QStringLiteral("Rennstart Phase 1"));
        QCOMPARE(status[3].text, QStringLiteral("Rennende"));
        QCOMPARE(status[4].text, QStringLiteral("Chaos AN"));
        QCOMPARE(status[5].text, QStringLiteral("Chaos AUS"));
        QCOMPARE(status[6].text, QStringLiteral("Rennen abgebrochen"));
        QCOMPARE(start[1].text, QStringLiteral("Rennstart nach Runden (Gesamt)"));
        QCOMPARE(start[5].text, QStringLiteral("Rennstart nach Dragster Modus"));
        QCOMPARE(start[5].code, 0x3F);
    }

    void wiederholungZaehltEinmal() {
        DSProtokoll p;
        const QByteArray r = DSRahmen::runde(5, 1, 3, 80000);
        QCOMPARE(p.fuettere(r + r).size(), size_t(1));
        QCOMPARE(p.fuettere(r).size(), size_t(0));
        // The next frame carries a new sequence byte and counts again, even with equal content.
        QCOMPARE(p.fuettere(DSRahmen::runde(6, 1, 3, 80000)).size(), size_t(1));
        // A first frame with sequence byte 0 is not mistaken for a repeat.
        DSProtokoll frisch;
        QCOMPARE(frisch.fuettere(DSRahmen::runde(0, 1, 3, 80000)).size(), size_t(1));
    }

    void rahmenInStueckenUndMehrereProLesung() {
        DSProtokoll p;
        const QByteArray a = DSRahmen::runde(1, 1, 2, 90000);
        const QByteArray b = DSRahmen::runde(2, 2, 2, 91000);
        const QByteArray c = DSRahmen::runde(3, 3, 2, 92000);
        // Byte by byte: nothing until the last byte of the frame.
        for (int i = 0; i < a.size() - 1; ++i) QVERIFY(p.fuettere(a.mid(i, 1)).empty());
        QCOMPARE(p.fuettere(a.right(1)).size(), size_t(1));
        // Split across two reads, then three frames (one of them a repeat) in one read.
        QVERIFY(p.fuettere(b.left(13)).empty());
        QCOMPARE(p.fuettere(b.mid(13)).size(), size_t(1));
        const QByteArray d = DSRahmen::runde(4, 4, 2, 93000);
        const auto e = p.fuettere(c + c + d);
        QCOMPARE(e.size(), size_t(2));
        QCOMPARE(e[0].bahn, 3);
        QCOMPARE(e[1].bahn, 4);
        QCOMPARE(p.gepuffert(), 0);
    }

    void kaputterRahmenDannSeineWiederholung_data() {
        QTest::addColumn<int>("stelle");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("checksumme") << 12 << DSProtokoll::textChecksum;
        QTest::newRow("folgebyte") << 1 << DSProtokoll::textChecksum;
        QTest::newRow("endebyte") << 20 << DSProtokoll::textEndebyte;
        QTest::newRow("startbyte") << 0 << DSProtokoll::textStartbyte;
    }
    void kaputterRahmenDannSeineWiederholung() {
        QFETCH(int, stelle);
        DSProtokoll p;
        QCOMPARE(p.fuettere(DSRahmen::status(1, 0xA1)).size(), size_t(1));
        const QByteArray gut = DSRahmen::runde(2, 5, 4, 77770);
        QByteArray kaputt = gut;
        kaputt[stelle] = char(kaputt[stelle] ^ 0x10);
        // The broken copy must not store its sequence byte: the valid repeat still counts.
        const auto e = p.fuettere(kaputt + gut + gut);
        const auto fehler = nur(e, Art::Fehler);
        QCOMPARE(fehler.size(), size_t(1));
        QTEST(fehler[0].text, "meldung");
        const auto runden = nur(e, Art::Runde);
        QCOMPARE(runden.size(), size_t(1));
        QCOMPARE(runden[0].bahn, 5);
        QCOMPARE(runden[0].zeit, 7777);
        // After a valid frame a new fault is reported again.
        kaputt = DSRahmen::runde(3, 1, 4, 1000);
        kaputt[18] = char(kaputt[18] + 1);
        QCOMPARE(nur(p.fuettere(kaputt), Art::Fehler).size(), size_t(1));
    }

    void muellVorDemRahmen() {
        DSProtokoll p;
        // The tail of a frame before the first full one (port opened mid-stream): no message.
        QByteArray muell = DSRahmen::runde(9, 1, 2, 1000).mid(5);
        muell += QByteArray("\xE0\x01\x02", 3);  // false start byte with too few bytes after it
        auto e = p.fuettere(muell + DSRahmen::runde(10, 2, 2, 2000));
        QCOMPARE(e.size(), size_t(1));
        QCOMPARE(e[0].art, Art::Runde);
        QCOMPARE(e[0].bahn, 2);
        // Once in step, garbage between frames is a transmission fault, reported once.
        e = p.fuettere(QByteArray(50, 'x') + DSRahmen::runde(11, 3, 2, 3000));
        QCOMPARE(nur(e, Art::Fehler).size(), size_t(1));
        QCOMPARE(nur(e, Art::Fehler)[0].text, DSProtokoll::textStartbyte);
        QCOMPARE(nur(e, Art::Runde).size(), size_t(1));
    }

    void verlorenesByteWirdUebersprungen() {
        DSProtokoll p;
        QCOMPARE(p.fuettere(DSRahmen::status(1, 0xA1)).size(), size_t(1));
        QByteArray kurz = DSRahmen::runde(2, 1, 3, 5000);
        kurz.remove(9, 1);
        const auto e = p.fuettere(kurz + DSRahmen::runde(2, 1, 3, 5000));
        QCOMPARE(nur(e, Art::Runde).size(), size_t(1));
        QCOMPARE(nur(e, Art::Fehler).size(), size_t(1));
    }

    void verwerfenVergisstTeilrahmen() {
        DSProtokoll p;
        const QByteArray r = DSRahmen::runde(1, 1, 3, 5000);
        p.fuettere(r.left(10));
        p.verwirf();
        QCOMPARE(p.gepuffert(), 0);
        QVERIFY(p.fuettere(r.mid(10)).empty());
        QCOMPARE(p.fuettere(r).size(), size_t(1));
    }

    // ---- glue ----

    void zaehlerSignale_data() {
        QTest::addColumn<int>("goStart");
        QTest::newRow("DSGoStart 1") << 1;
        QTest::newRow("DSGoStart 0") << 0;
    }
    void zaehlerSignale() {
        QFETCH(int, goStart);
        Einstellungen e;
        e.DSGoStart = goStart;
        DSZaehler z(&e);
        QSignalSpy start(&z, &Zeitnahme::startAnforderung);
        QSignalSpy stop(&z, &Zeitnahme::stopAnforderung);
        QSignalSpy an(&z, &Zeitnahme::chaosAn);
        QSignalSpy aus(&z, &Zeitnahme::chaosAus);
        QSignalSpy runde(&z, &Zeitnahme::rundeErfasst);
        QSignalSpy phase(&z, &DSZaehler::ampelPhase);
        QSignalSpy meldung(&z, &Zeitnahme::meldung);
        unsigned char f = 1;
        z.datenEmpfangen(DSRahmen::start(f++, 0x3A) + DSRahmen::status(f++, 0xA1) +
                         DSRahmen::status(f++, 0xA2));
        z.datenEmpfangen(DSRahmen::status(f++, 0xA3) + DSRahmen::runde(f++, 6, 2, 123456) +
                         DSRahmen::status(f++, 0xA5) + DSRahmen::status(f++, 0xA6));
        QByteArray kaputt = DSRahmen::runde(f++, 2, 3, 1);
        kaputt[18] = char(kaputt[18] ^ 1);
        // A transmission fault does not stop the laps after it.
        z.datenEmpfangen(kaputt + DSRahmen::runde(f++, 1, 2, 100000) + DSRahmen::status(f++, 0xA4) +
                         DSRahmen::status(f++, 0xA7));
        QCOMPARE(start.count(), goStart);
        QCOMPARE(phase.count(), goStart ? 3 : 0);
        if (goStart) {
            QCOMPARE(phase[0][0].toInt(), int(DSZaehler::StartRot));
            QCOMPARE(phase[1][0].toInt(), int(DSZaehler::StartGruen));
            QCOMPARE(phase[2][0].toInt(), int(DSZaehler::UhrLaeuft));
        }
        QCOMPARE(runde.count(), 2);
        QCOMPARE(runde[0][0].toInt(), 6);
        QCOMPARE(runde[0][1].toInt(), 12345);
        QCOMPARE(runde[0][2].toInt(), 6);  // the tenths travel with the lap
        QCOMPARE(runde[1][0].toInt(), 1);
        QCOMPARE(an.count(), 1);
        QCOMPARE(aus.count(), 1);
        QCOMPARE(stop.count(), 2);
        QCOMPARE(meldung.count(), 1);
        QCOMPARE(meldung[0][0].toString(), DSProtokoll::textChecksum);
        z.datenVerlust();
        QCOMPARE(meldung.count(), 2);
        QCOMPARE(meldung[1][0].toString(), QStringLiteral("Datenverlust"));
    }
};

QTEST_GUILESS_MAIN(TestDSProtokoll)
#include "tst_dsprotokoll.moc"
