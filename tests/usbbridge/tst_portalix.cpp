// The bridge library: the transfer record byte by byte, the guarded operations over a scripted
// device, the id list, and the real library when no box is attached.

#include <QByteArray>
#include <QtTest>

#include "PortalixKern.h"
#include "UsbKennung.h"
#include "portalix.h"
#include "portalix_record.h"

using namespace portalix;

namespace {

QByteArray alsBytes(const std::vector<std::uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

// A device that does what the test tells it and remembers what it was sent.
struct Attrappe : UsbGeraet {
    bool oeffnenGelingt = true;
    bool uebertragungGelingt = true;
    int offeneHandles = 0;
    int schliessungen = 0;
    std::vector<std::uint8_t> antwort;  // bytes put into the data area of a read
    std::size_t antwortLaenge = 0;      // 0: as many as asked for
    std::vector<std::vector<std::uint8_t>> gesendet;
    int* handlesAmEnde = nullptr;  // receives offeneHandles when the device is destroyed

    ~Attrappe() override {
        if (handlesAmEnde) *handlesAmEnde = offeneHandles;
    }

    bool oeffnen() override {
        if (!oeffnenGelingt) return false;
        ++offeneHandles;
        return true;
    }
    bool uebertrage(std::vector<std::uint8_t>& satz) override {
        gesendet.push_back(satz);
        if (!uebertragungGelingt) return false;
        if (satz[feldTyp] & 0x80) {
            const std::size_t n = antwortLaenge ? antwortLaenge : satz.size() - kopfLaenge;
            satz.resize(kopfLaenge + n, 0);
            for (std::size_t i = 0; i < n && i < antwort.size(); ++i)
                satz[kopfLaenge + i] = antwort[i];
            // Claims as many data bytes as it sent back.
            for (int b = 0; b < 4; ++b) satz[feldDatenLaenge + b] = (n >> (8 * b)) & 0xFF;
        }
        return true;
    }
    void schliessen() override {
        --offeneHandles;
        ++schliessungen;
    }
};

}  // namespace

class TstPortalix : public QObject {
    Q_OBJECT

private slots:
    void satzFuerLesen() {
        const QByteArray satz = alsBytes(baueSatz(true, 0xE040, 0, nullptr));
        const QByteArray erwartet = QByteArray::fromHex(
            "c0a0 40e0 0000 0200 00000000 00 00 "
            "00000000 00000000 00000000 00000000 26000000 02000000 0000");
        QCOMPARE(satz.size(), 40);
        QCOMPARE(satz.toHex(), erwartet.toHex());
    }

    void satzFuerSchreiben() {
        const std::uint8_t eins = 0x01;
        const QByteArray satz = alsBytes(baueSatz(false, 0xE600, 1, &eins));
        const QByteArray erwartet = QByteArray::fromHex(
            "40a0 00e6 0000 0100 01000000 00 00 "
            "00000000 00000000 00000000 00000000 26000000 01000000 01");
        QCOMPARE(satz.size(), 39);
        QCOMPARE(satz.toHex(), erwartet.toHex());
    }

    void oeffnenScheitertAmGefundenenGeraet() {
        auto* g = new Attrappe;
        g->oeffnenGelingt = false;
        PortalixKern kern{std::unique_ptr<UsbGeraet>(g)};
        QCOMPARE(kern.usbopen(), 1);
        QVERIFY(!kern.offen());
        unsigned char b = 1;
        QCOMPARE(kern.writeram(0xE600, 1, &b), 1);
        QVERIFY(g->gesendet.empty());
    }

    void zweitesOeffnenSchliesstDasErste() {
        int handlesAmEnde = -1;
        {
            auto* g = new Attrappe;
            g->handlesAmEnde = &handlesAmEnde;
            PortalixKern kern{std::unique_ptr<UsbGeraet>(g)};
            QCOMPARE(kern.usbopen(), 0);
            QCOMPARE(kern.usbopen(), 0);
            QCOMPARE(g->offeneHandles, 1);
            QCOMPARE(kern.usbclose(), 0);
            QCOMPARE(kern.usbclose(), 0);
            QCOMPARE(g->schliessungen, 2);
            QCOMPARE(kern.usbopen(), 0);
        }
        // Unloading the library closes what is still open.
        QCOMPARE(handlesAmEnde, 0);
    }

    void lesenGibtDasZweiteByteUndNieMehrAlsZwei() {
        auto* g = new Attrappe;
        g->antwort = std::vector<std::uint8_t>(64, 0xAB);  // more than asked for
        g->antwort[1] = 0x07;
        g->antwortLaenge = 64;
        PortalixKern kern{std::unique_ptr<UsbGeraet>(g)};
        kern.usbopen();
        QCOMPARE(kern.readram(0xE040), 0x07);
        QCOMPARE(kern.empfang()[0], 0xAB);
        SatzKopf k;
        QVERIFY(leseKopf(g->gesendet[0], &k));
        QVERIFY(k.typ == typLesen && k.wert == 0xE040 && k.laenge == 2);
        // A failed read must not hand back the bytes of the previous address.
        g->uebertragungGelingt = false;
        QCOMPARE(kern.readram(0x0102), 0);
    }

    void schreibGrenzen_data() {
        QTest::addColumn<int>("adresse");
        QTest::addColumn<int>("laenge");
        QTest::addColumn<bool>("mitDaten");
        QTest::addColumn<int>("ergebnis");
        QTest::addColumn<int>("uebertragungen");
        QTest::newRow("4096 Bytes") << 0 << 4096 << true << 0 << 1;
        QTest::newRow("4097 Bytes") << 0 << 4097 << true << 1 << 0;
        QTest::newRow("über 0xFFFF") << 0xFFFF << 2 << true << 1 << 0;
        QTest::newRow("negative Länge") << 0 << -1 << true << 1 << 0;
        QTest::newRow("nichts") << 0x10 << 0 << true << 0 << 0;
        QTest::newRow("ohne Puffer") << 0x10 << 1 << false << 1 << 0;
    }

    void schreibGrenzen() {
        QFETCH(int, adresse);
        QFETCH(int, laenge);
        QFETCH(bool, mitDaten);
        QFETCH(int, ergebnis);
        QFETCH(int, uebertragungen);
        auto* g = new Attrappe;
        PortalixKern kern{std::unique_ptr<UsbGeraet>(g)};
        kern.usbopen();
        std::vector<unsigned char> daten(8192, 0x5A);
        QCOMPARE(kern.writeram(adresse, laenge, mitDaten ? daten.data() : nullptr), ergebnis);
        QCOMPARE(int(g->gesendet.size()), uebertragungen);
        if (uebertragungen == 1) {
            QCOMPARE(g->gesendet[0].size(), kopfLaenge + std::size_t(laenge));
            QCOMPARE(g->gesendet[0].back(), 0x5A);
        }
    }

    void kennungen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("eine") << "04b4:8613"
                              << "04b4:8613";
        QTest::newRow("zwei, groß") << "04B4:8613, 1234:ABCD"
                                    << "04b4:8613 1234:abcd";
        QTest::newRow("leerer Eintrag") << "04b4:8613,,ffff:0001"
                                        << "04b4:8613 ffff:0001";
        QTest::newRow("kein Hex") << "xyz:0001"
                                  << "";
        QTest::newRow("zu lang, ohne Produkt") << "12345:0001,04b4:"
                                               << "";
    }

    void kennungen() {
        QFETCH(QString, text);
        QFETCH(QString, erwartet);
        QStringList gelesen;
        for (const UsbKennung& k : leseKennungen(text.toUtf8().constData()))
            gelesen << QStringLiteral("%1:%2")
                           .arg(k.hersteller, 4, 16, QLatin1Char('0'))
                           .arg(k.produkt, 4, 16, QLatin1Char('0'));
        QCOMPARE(gelesen.join(QLatin1Char(' ')), erwartet);
    }

    void bibliothekOhneBox() {
        qputenv("PORTALIX_USB_IDS", "ffff:fffe");
        QCOMPARE(usbopen(), 1);
        unsigned char b = 1;
        QCOMPARE(writeram(0xE600, 1, &b), 1);
        QCOMPARE(readram(0xE040), 0);
        QCOMPARE(usbclose(), 0);
        QCOMPARE(usbopen(), 1);
        QCOMPARE(usbclose(), 0);
        qunsetenv("PORTALIX_USB_IDS");
    }
};

QTEST_GUILESS_MAIN(TstPortalix)
#include "tst_portalix.moc"
