// The standings window on a second screen through a race by laps on the virtual clock: opened
// by its button, it fills the other screen without the keyboard, has no control, follows the
// main window's panel order, values, clock and bar lap by lap, and comes back on the screen
// chosen by its right-click menu after a restart, opened from the Funktionen menu.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "ProgrammTest.h"
#include "TestHelfer.h"
#include "config/DebugLog.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "engine/Rennleitung.h"
#include "ui/ProgrammStart.h"
#include "ui/SlotAnzeige.h"
#include "ui/frmAnzeige.h"
#include "ui/frmMain.h"
#include "ui/frmSimulation.h"

class TestAnzeige : public ProgrammTest {
    Q_OBJECT


    frmAnzeige* anzeige() { return f()->findChild<frmAnzeige*>(); }


    // Every value field of the standings window reads as the main window's.
    void vergleicheMitHauptfenster() {
        frmAnzeige* a = anzeige();
        QCOMPARE(a->bahnenVonOben(), f()->bahnenVonOben());
        QCOMPARE(a->uhr()->text(), findeIn<QLabel>(f(), "Label1")->text());
        QCOMPARE(a->fortschritt()->value(), findeIn<QProgressBar>(f(), "Fortschritt")->value());
        QCOMPARE(a->fortschritt()->text(), findeIn<QProgressBar>(f(), "Fortschritt")->text());
        QCOMPARE(a->rennen()->text(), findeIn<QLabel>(f(), "lblRennen")->text());
        for (int i = 0; i < 6; ++i) {
            if (!f()->panel(i)->isVisible()) continue;
            for (int ou = 0; ou < 2; ++ou)
                for (int k = 0; k < 5; ++k)
                    QCOMPARE(a->panel(i)->label(ou, k)->text(),
                             f()->panel(i)->label(ou, k)->text());
        }
    }

private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName("Pistorelle");
        QCOMPARE(QGuiApplication::screens().size(), 2);
    }

    void init() {
        neueUmgebung();
        starteProgramm();
    }

    void cleanup() { m_start.reset(); }

    void rennenAufDemZweitenSchirm() {
        auto* knopf = f()->findChild<QPushButton*>("cmdAnzeige");
        QVERIFY(knopf && knopf->isVisible());
        QVERIFY(!anzeige());
        QTest::mouseClick(knopf, Qt::LeftButton);
        frmAnzeige* a = anzeige();
        QVERIFY(a && a->isVisible());
        QCOMPARE(a->screen(), QGuiApplication::screens().at(1));
        QCOMPARE(a->geometry(), QGuiApplication::screens().at(1)->geometry());
        QVERIFY(a->windowState() & Qt::WindowFullScreen);
        QVERIFY(QApplication::activeWindow() != a);
        // Nothing to press, choose or type on the TV.
        QVERIFY(a->findChildren<QAbstractButton*>().isEmpty());
        QVERIFY(a->findChildren<QComboBox*>().isEmpty());
        QVERIFY(a->findChildren<QLineEdit*>().isEmpty());

        // A race by laps; lane 2 leads, so its panel goes on top in both windows.
        findeIn<QComboBox>(f(), "cbRAuswahl")->setCurrentIndex(3);
        emit findeIn<QComboBox>(f(), "cbRAuswahl")->activated(3);
        leitung().setzeGrenze("3");
        leitung().Grenze_Validate();
        leitung().RennNameSetzen("Vereinsabend");
        findeIn<QPushButton>(f(), "Command2")->click();
        while (leitung().zustand().AmpelPhase != 6) QVERIFY(m_uhr->naechsterTimer(2100));
        vergleicheMitHauptfenster();
        QTest::mouseClick(findeIn<QPushButton>(f(), "Command5"), Qt::LeftButton);
        frmSimulation* sim = f()->simulation();
        QVERIFY(sim);
        for (int runde = 0; runde < 2; ++runde) {
            QTest::mouseClick(sim->knopf(1), Qt::LeftButton);
            m_uhr->vorruecken(600);
            vergleicheMitHauptfenster();
            QTest::mouseClick(sim->knopf(0), Qt::LeftButton);
            m_uhr->vorruecken(900);
            vergleicheMitHauptfenster();
        }
        if (qEnvironmentVariableIsSet("ANZEIGE_BILD"))
            a->grab().save(qEnvironmentVariable("ANZEIGE_BILD"));
        QCOMPARE(a->bahnenVonOben().value(0), 2);
        QVERIFY(a->rennen()->text().contains("Vereinsabend"));
        // The leader's laps to go, in both windows.
        QVERIFY(a->fortschritt()->isVisible() && a->fortschritt()->isTextVisible());
        QCOMPARE(a->fortschritt()->text(), QStringLiteral("Noch 2 Runden"));
        QVERIFY(!a->uhr()->text().isEmpty());
        QVERIFY(a->panel(0)->height() > f()->panel(0)->height());  // the TV's panels are larger

        // The TV goes to the first screen and stays chosen over a restart.
        QMenu* menue = a->schirmMenue();
        QCOMPARE(menue->actions().at(1)->isChecked(), true);
        menue->actions().at(0)->trigger();
        QCOMPARE(a->screen(), QGuiApplication::screens().at(0));
        QCOMPARE(a->geometry(), QGuiApplication::screens().at(0)->geometry());
        m_rueckfrage->antwort = true;
        findeIn<QPushButton>(f(), "Command2")->click();
        m_uhr->vorruecken(3000);
        starteProgramm();
        QMenu* funktionen = findeIn<QToolButton>(f(), "Funktionen")->menu();
        QAction* eintrag = nullptr;
        for (QAction* x : funktionen->actions())
            if (x->text() == QLatin1String("Anzeige")) eintrag = x;
        QVERIFY(eintrag);
        eintrag->trigger();
        QVERIFY(anzeige() && anzeige()->isVisible());
        QCOMPARE(anzeige()->screen(), QGuiApplication::screens().at(0));
        vergleicheMitHauptfenster();
    }
};

int main(int argc, char** argv) {
    // Two screens side by side, the main window on the first.
    QTemporaryDir ordner;
    if (!zweiSchirme(ordner, 1920, 1080)) return 3;
    QApplication app(argc, argv);
    TestAnzeige t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_anzeige.moc"
