// The pin assignment control: its logic on the simulated port and the virtual clock, and the
// widget over it under the offscreen platform.

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "config/Einstellungen.h"
#include "config/VirtuelleUhr.h"
#include "hardware/LPTPinBelegung.h"
#include "hardware/ParallelPort.h"
#include "hardware/PortIOSimuliert.h"
#include "ui/LPTControl.h"

namespace {
constexpr quint16 L1 = 888;
constexpr quint16 L2 = 632;
}  // namespace

class TstLPTBelegung : public QObject {
    Q_OBJECT

    Einstellungen e;
    PortIOSimuliert* io = nullptr;
    VirtuelleUhr* uhr = nullptr;
    ParallelPort* lpt = nullptr;
    LPTPinBelegung* b = nullptr;

    QList<int> sichtbare() const {
        QList<int> l;
        for (int i = 0; i < LPTPinBelegung::anzahlPins; ++i)
            if (b->option(i).sichtbar) l << i;
        return l;
    }

private slots:
    void init() {
        e = Einstellungen();
        io = new PortIOSimuliert(L1, L2);
        uhr = new VirtuelleUhr();
        lpt = new ParallelPort(e, io, uhr);
        b = new LPTPinBelegung(lpt, uhr);
    }
    void cleanup() {
        delete b;
        delete lpt;
        delete uhr;
        delete io;
    }

    // "AUS" shows "deaktiv" with every option off; the port button steps LPT1, LPT2,
    // deaktiv, LPT1 and never offers pin 11.
    void portKnopf() {
        QSignalSpy pruefen(b, &LPTPinBelegung::pruefeBelegung);
        b->SetzeParameter(QStringLiteral("Bahn 1"), QStringLiteral("aus"), QStringLiteral("in"),
                          255);
        QCOMPARE(b->cmdPortCaption(), QStringLiteral("deaktiv"));
        for (int i = 0; i < LPTPinBelegung::anzahlPins; ++i) {
            QVERIFY(!b->option(i).aktiv);
            QVERIFY(!b->option(i).gewaehlt);
        }
        QCOMPARE(b->pinKennung(), QStringLiteral("AUS"));

        b->cmdPort_Click();
        QCOMPARE(b->cmdPortCaption(), QStringLiteral("LPT1"));
        for (int i = 0; i < LPTPinBelegung::anzahlPins; ++i) QCOMPARE(b->option(i).aktiv, i != 11);
        b->cmdPort_Click();
        QCOMPARE(b->cmdPortCaption(), QStringLiteral("LPT2"));
        b->cmdPort_Click();
        QCOMPARE(b->cmdPortCaption(), QStringLiteral("deaktiv"));
        QVERIFY(!b->option(3).aktiv);
        b->cmdPort_Click();
        QCOMPARE(b->cmdPortCaption(), QStringLiteral("LPT1"));
        QCOMPARE(pruefen.count(), 4);

        // A stored pin 11 is dropped at the next port click.
        b->SetzeParameter(QStringLiteral("Ampel"), QStringLiteral("LPT2 11"), QStringLiteral("out"),
                          0);
        QVERIFY(b->option(11).gewaehlt);
        b->cmdPort_Click();
        QVERIFY(!b->option(11).gewaehlt);
        QString ls;
        int lp = 7;
        b->GetParameter(ls, lp);
        QCOMPARE(ls, QStringLiteral("deaktiv"));
        QCOMPARE(lp, 7);  // none selected: unchanged

        // A pin text edited by hand in lower case still steps through the ports.
        b->SetzeParameter(QStringLiteral("Bahn 3"), QStringLiteral("lpt1 4"), QStringLiteral("out"),
                          0);
        QCOMPARE(b->pinKennung(), QStringLiteral("LPT1 4"));
        b->cmdPort_Click();
        QCOMPARE(b->cmdPortCaption(), QStringLiteral("LPT2"));
    }

    void optionenNachRichtung() {
        b->SetzeParameter(QStringLiteral("Bahn 2"), QStringLiteral("LPT2 5"), QStringLiteral("out"),
                          65280);
        QCOMPARE(sichtbare(), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        QCOMPARE(b->cmdTypCaption(), QStringLiteral("Bahn 2"));
        QCOMPARE(b->hintergrund(), 65280);
        QString ls;
        int lp = -1;
        b->GetParameter(ls, lp);
        QCOMPARE(ls, QStringLiteral("LPT2"));
        QCOMPARE(lp, 5);
        QCOMPARE(b->pinKennung(), QStringLiteral("LPT2 5"));

        b->SetzeParameter(QStringLiteral("Erf 1"), QStringLiteral("LPT1 14"), QStringLiteral("in"),
                          0);
        QCOMPARE(sichtbare(), (QList<int>{12, 13, 14, 15, 16}));
        QVERIFY(b->option(14).gewaehlt);
        QVERIFY(!b->option(5).gewaehlt);
    }

    void pinKlick() {
        QSignalSpy pruefen(b, &LPTPinBelegung::pruefeBelegung);
        b->SetzeParameter(QStringLiteral("Bahn 1"), QStringLiteral("LPT1 2"), QStringLiteral("out"),
                          0);
        b->PinSB1_Click(9);
        QVERIFY(b->option(9).gewaehlt);
        QVERIFY(!b->option(2).gewaehlt);
        QCOMPARE(pruefen.count(), 1);
        b->cmdPort_Click();
        b->cmdPort_Click();  // deaktiv
        b->PinSB1_Click(4);  // disabled: ignored
        QVERIFY(!b->option(4).gewaehlt);
    }

    // Output test: a fresh control's first click switches the line off, the next one on
    // (green), then off again.
    void ausgangsTest() {
        b->SetzeParameter(QStringLiteral("Ampel 1"), QStringLiteral("LPT1 9"),
                          QStringLiteral("out"), 0);
        io->setze(L1 + 2, 0x00);  // C1 bit clear: line high
        b->cmdTyp_Click();
        QCOMPARE(b->cmdTypTag(), QStringLiteral("an"));
        QCOMPARE(b->cmdTypFarbe(), LPTPinBelegung::farbeButtonFace);
        QCOMPARE(io->Inp32(L1 + 2), quint8(0x02));  // line low
        b->cmdTyp_Click();
        QCOMPARE(b->cmdTypTag(), QStringLiteral("aus"));
        QCOMPARE(b->cmdTypFarbe(), LPTPinBelegung::farbeGruen);
        QCOMPARE(io->Inp32(L1 + 2), quint8(0x00));  // line high
        b->cmdTyp_Click();
        QCOMPARE(io->Inp32(L1 + 2), quint8(0x02));

        // Port "deaktiv": the label button does nothing.
        b->SetzeParameter(QStringLiteral("Ampel 1"), QStringLiteral("AUS"), QStringLiteral("out"),
                          0);
        const int vorher = io->schreibZugriffe();
        b->cmdTyp_Click();
        QCOMPARE(io->schreibZugriffe(), vorher);
    }

    // Input test: the monitor runs between the second click and the third; the option jumps
    // to the first high line in the order C0, C1, C2, S3..S7.
    void eingangsMonitor() {
        QSignalSpy hinweis(b, &LPTPinBelegung::testHinweis);
        b->SetzeParameter(QStringLiteral("Erf 1"), QStringLiteral("LPT2 12"), QStringLiteral("in"),
                          0);
        io->setze(L2 + 2, 0x03);  // C0, C1 low (inverted), C2 low
        io->setze(L2 + 1, 0x80);  // all status lines low
        b->cmdTyp_Click();
        QVERIFY(!b->monitorLaeuft());
        QCOMPARE(hinweis.last().at(0).toBool(), false);
        b->cmdTyp_Click();
        QVERIFY(b->monitorLaeuft());
        QCOMPARE(hinweis.last().at(0).toBool(), true);

        uhr->vorruecken(100);
        QVERIFY(b->option(12).gewaehlt);  // nothing high: unchanged
        io->setze(L2 + 1, 0x00 | 0x40);   // BUSY high and S6 high: S6 comes first
        uhr->vorruecken(100);
        QVERIFY(b->option(15).gewaehlt);
        io->setze(L2 + 1, 0x00);  // only BUSY
        uhr->vorruecken(100);
        QVERIFY(b->option(16).gewaehlt);
        io->setze(L2 + 2, 0x07);  // C2 high beats every status line
        uhr->vorruecken(100);
        QVERIFY(b->option(10).gewaehlt);
        io->setze(L2 + 2, 0x06);  // C0 high (bit clear) comes first of all
        uhr->vorruecken(100);
        QVERIFY(b->option(8).gewaehlt);
        // Data on LPT1 is not watched while the control shows LPT2.
        io->setze(L1 + 1, 0x88);
        io->setze(L2 + 2, 0x03);
        io->setze(L2 + 1, 0x80);
        b->PinSB1_Click(13);
        uhr->vorruecken(100);
        QVERIFY(b->option(13).gewaehlt);

        b->cmdTyp_Click();
        QVERIFY(!b->monitorLaeuft());
        QCOMPARE(hinweis.last().at(0).toBool(), false);
    }

    void widget() {
        LPTControl c(lpt, uhr);
        c.SetzeParameter(QStringLiteral("Bahn 3"), QStringLiteral("LPT1 3"), QStringLiteral("out"),
                         255);
        c.show();
        QCOMPARE(c.cmdPort()->text(), QStringLiteral("LPT1"));
        QCOMPARE(c.cmdTyp()->text(), QStringLiteral("Bahn 3"));
        QVERIFY(c.PinSB1(3)->isChecked());
        QVERIFY(c.PinSB1(11)->isVisible());
        QVERIFY(!c.PinSB1(12)->isVisible());

        QTest::mouseClick(c.PinSB1(5), Qt::LeftButton);
        QVERIFY(c.PinSB1(5)->isChecked());
        QVERIFY(!c.PinSB1(3)->isChecked());
        QTest::mouseClick(c.PinSB1(5), Qt::LeftButton);  // a second click keeps it
        QVERIFY(c.PinSB1(5)->isChecked());

        QTest::mouseClick(c.cmdPort(), Qt::LeftButton);
        QCOMPARE(c.cmdPort()->text(), QStringLiteral("LPT2"));
        QVERIFY(!c.PinSB1(11)->isEnabled());
        QTest::mouseClick(c.cmdPort(), Qt::LeftButton);
        QCOMPARE(c.cmdPort()->text(), QStringLiteral("deaktiv"));
        QVERIFY(!c.PinSB1(5)->isEnabled());

        QString ls;
        int lp = -1;
        c.GetParameter(ls, lp);
        QCOMPARE(ls, QStringLiteral("deaktiv"));
        QCOMPARE(lp, 5);
    }
};

QTEST_MAIN(TstLPTBelegung)
#include "tst_lptbelegung.moc"
