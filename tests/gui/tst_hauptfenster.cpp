// The main window over the real engine on the virtual clock: panel stacking by standing,
// the static training display, the lap list in races, the accelerators, caution from the
// clock label, the start light, the simulation window and the caption.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "TestHelfer.h"
#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "engine/Hauptanzeige.h"
#include "engine/Rennleitung.h"
#include "engine/SlotWerte.h"
#include "engine/ZeitnahmeStatus.h"
#include "klang/Tonspieler.h"
#include "ui/Lampenform.h"
#include "ui/ProgrammStart.h"
#include "ui/SlotAnzeige.h"
#include "ui/StartAmpel.h"
#include "ui/ZeitnahmeFeld.h"
#include "ui/diaRennen.h"
#include "ui/frmMain.h"
#include "ui/frmSimulation.h"

namespace {
enum Modus { TZeit = 0, TRunden = 1, RZeit = 2, RRunden = 3, TPower = 4 };
}

namespace {
// The light lies over the widget (both in the main window's coordinates).
bool deckt(QWidget* licht, QWidget* w) {
    QWidget* haupt = w->window();
    const QRect a(licht->mapTo(haupt, QPoint(0, 0)), licht->size());
    const QRect b(w->mapTo(haupt, QPoint(0, 0)), w->size());
    return licht->isVisible() && a.intersects(b);
}
}  // namespace

class TestHauptfenster : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName("Pistorelle");
        QCoreApplication::setApplicationVersion("0.1.0");
    }

    void init() {
        DebugLog::instanz().setAktiv(false);
        // Fresh settings and database for every test.
        QFile::remove(EinstellungsSpeicher::standardPfad());
        for (const char* rest : {"", "-wal", "-shm"})
            QFile::remove(EinstellungsSpeicher::standardDatenBank() + QLatin1String(rest));
        m_ordner = std::make_unique<QTemporaryDir>();
        m_uhr = std::make_unique<VirtuelleUhr>();
        m_dialoge = std::make_unique<SkriptDialoge>();
        m_rueckfrage = std::make_unique<SkriptRueckfrage>();
        ProgrammStart::Optionen o;
        o.uhr = m_uhr.get();
        o.sprache = false;
        o.rueckfrage = m_rueckfrage.get();
        o.sperrDatei = m_ordner->filePath("sperre");
        o.bildschirmHoehe = 768;
        o.fensterZeigen = false;
        m_start = std::make_unique<ProgrammStart>(*m_dialoge, o);
        QVERIFY(m_start->starte({"pistorelle"}));
        f()->resize(1000, 800);
        f()->show();
    }

    void cleanup() {
        m_start.reset();
        DebugLog::instanz().setAktiv(false);
    }

    void panelsNachStandGestapelt() {
        starteLauf(RRunden, "20");
        QCOMPARE(f()->bahnenVonOben(), (QVector<int>{1, 2, 3, 4}));
        for (int b : {1, 2, 3, 4}) kreuze(b);
        warte(1500);
        for (int b : {3, 1, 4}) kreuze(b);
        warte(1500);
        kreuze(3);
        warte(200);
        kreuze(1);
        warte(1500);
        kreuze(3);
        warte(200);
        // Standings 3, 1, 4, 2: the leader on top, the panels one below the other.
        QCOMPARE(f()->bahnenVonOben(), (QVector<int>{3, 1, 4, 2}));
        int y = f()->panel(2)->y();
        for (int bahn : {3, 1, 4, 2}) {
            const SlotAnzeige* p = f()->panel(bahn - 1);
            QCOMPARE(p->y(), y);
            QCOMPARE(p->width(), f()->width());
            y += p->height();
        }
        QCOMPARE(f()->panel(2)->werte().ReturnPosition(), 1);
        QCOMPARE(f()->panel(2)->label(0, 2)->text(), QStringLiteral("3"));
        // A race by laps shows the leader's laps to go on the bar.
        QVERIFY(findeIn<QProgressBar>(f(), "Fortschritt")->isVisible());
        QCOMPARE(findeIn<QProgressBar>(f(), "Fortschritt")->text(),
                 QStringLiteral("Noch 17 Runden"));
        QCOMPARE(findeIn<QProgressBar>(f(), "Fortschritt")->value(), 85);
        QVERIFY(!f()->panel(4)->isVisible());  // four lanes: panels 5 and 6 stay hidden

        // A resize puts them back in lane order until the next refresh.
        f()->resize(1000, 700);
        QCOMPARE(f()->bahnenVonOben(), (QVector<int>{1, 2, 3, 4}));
        kreuze(4);
        warte(200);
        QCOMPARE(f()->bahnenVonOben(), (QVector<int>{3, 1, 4, 2}));
    }

    // A laptop screen of 1024 x 768: every control of the bar whole and apart from the others,
    // the status field's text in full, the clock at least twice the buttons' text; and
    // nothing moves when a run starts, goes into caution and ends.
    void leisteBei1024() {
        ZeitnahmeStatus status(leitung().zustand(), *m_rueckfrage);
        status.setze(Zeitnahme::Status::KeineVerbindung, "COM1 (/dev/ttyS0): No such file");
        status.setzeInfo("COM1 (/dev/ttyUSB0)");
        f()->setzeZeitnahmeFeld(new ZeitnahmeFeld(status));
        f()->resize(1024, 768 - 30);
        QCoreApplication::processEvents();
        const auto sichtbar = [this] {
            QVector<QWidget*> w;
            for (QWidget* k :
                 findeIn(f(), "Menue")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (k->isVisible()) w << k;
            return w;
        };
        const auto lage = [&] {
            QMap<QWidget*, QRect> r;
            for (QWidget* w : sichtbar()) r[w] = w->geometry();
            return r;
        };
        const auto pruefe = [&] {
            const QVector<QWidget*> alle = sichtbar();
            for (QWidget* w : alle) {
                const QString name = w->objectName() + " " + w->metaObject()->className();
                QVERIFY2(findeIn(f(), "Menue")->rect().contains(w->geometry()), qPrintable(name));
                if (qobject_cast<QPushButton*>(w))
                    QVERIFY2(w->width() >= w->sizeHint().width(), qPrintable(name));
                for (QWidget* v : alle)
                    QVERIFY2(v == w || !v->geometry().intersects(w->geometry()),
                             qPrintable(name + " / " + v->objectName()));
            }
            const QLabel* feld = findeIn<ZeitnahmeFeld>(f(), "lblZeitnahme");
            // The interface and its port above the state, each line in full.
            QString erwartet = status.text();
            if (const qsizetype i = erwartet.indexOf(": "); i > 0) erwartet.replace(i, 2, "\n");
            QCOMPARE(feld->text(), erwartet);
            for (const QString& zeile : feld->text().split('\n'))
                QVERIFY2(feld->fontMetrics().horizontalAdvance(zeile) <= feld->contentsRect().width(),
                         qPrintable(zeile));
            const int knopf = QFontInfo(findeIn<QPushButton>(f(), "Command2")->font()).pixelSize();
            QVERIFY2(QFontInfo(findeIn<QLabel>(f(), "Label1")->font()).pixelSize() >= 2 * knopf,
                     qPrintable(QString::number(
                         QFontInfo(findeIn<QLabel>(f(), "Label1")->font()).pixelSize())));
            QVERIFY(
                findeIn<QLabel>(f(), "Label1")->fontMetrics().horizontalAdvance("00:00:00.000") <=
                findeIn<QLabel>(f(), "Label1")->width());
        };
        pruefe();
        const QMap<QWidget*, QRect> leerlauf = lage();
        const QRect leiste = findeIn(f(), "Menue")->geometry();
        const auto gleich = [&](const char* wann) {
            QVERIFY2(findeIn(f(), "Menue")->geometry() == leiste,
                     qPrintable(QStringLiteral("%1: %2 statt %3")
                                    .arg(wann)
                                    .arg(findeIn(f(), "Menue")->height())
                                    .arg(leiste.height())));
            for (auto [w, r] : lage().asKeyValueRange())
                if (leerlauf.contains(w))
                    QVERIFY2(leerlauf.value(w) == r, qPrintable(wann + (" " + w->objectName())));
        };
        starteLauf(RZeit, "5");
        pruefe();
        gleich("im Lauf");
        QTest::mouseClick(findeIn<QPushButton>(f(), "cmdChaos"), Qt::LeftButton);
        QCOMPARE(findeIn<QPushButton>(f(), "cmdChaos")->text(), QStringLiteral("Chaos Ende"));
        pruefe();
        gleich("Chaos");
        QTest::mouseClick(findeIn<QPushButton>(f(), "cmdChaos"), Qt::LeftButton);
        m_rueckfrage->antwort = true;
        QTest::mouseClick(findeIn<QPushButton>(f(), "Command2"), Qt::LeftButton);
        warte(3000);
        QVERIFY(!leitung().zustand().RennenLaeuft);
        pruefe();
        gleich("nach dem Lauf");
    }

    void trainingStatischMitAnzeigeSort_data() {
        QTest::addColumn<int>("anzeigeSort");
        QTest::addColumn<QVector<int>>("reihenfolge");
        QTest::newRow("nach Stand") << 0 << QVector<int>{4, 2, 3, 1};
        QTest::newRow("statisch") << 1 << QVector<int>{1, 2, 3, 4};
    }
    void trainingStatischMitAnzeigeSort() {
        QFETCH(int, anzeigeSort);
        QFETCH(QVector<int>, reihenfolge);
        m_start->einstellungen().AnzeigeSort = qint16(anzeigeSort);
        starteLauf(TRunden, "20");
        QCOMPARE(leitung().zustand().RennArt, Laufart::Training);
        for (int b : {1, 2, 3, 4}) kreuze(b);
        warte(1100);
        kreuze(4);
        warte(400);
        kreuze(2);
        warte(500);
        kreuze(3);
        warte(200);
        QCOMPARE(f()->bahnenVonOben(), reihenfolge);
        // The values follow either way.
        QCOMPARE(f()->panel(3)->label(0, 0)->text(), QStringLiteral("1"));
        QCOMPARE(f()->panel(3)->label(0, 2)->text(), QStringLiteral("1"));
        QCOMPARE(f()->panel(0)->label(0, 2)->text(), QStringLiteral("0"));
    }

    void rundenlisteImRennenVerborgen_data() {
        QTest::addColumn<int>("modus");
        QTest::addColumn<bool>("liste");
        QTest::newRow("R-Zeit") << int(RZeit) << false;
        QTest::newRow("R-Runden") << int(RRunden) << false;
        QTest::newRow("T-Zeit") << int(TZeit) << true;
    }
    void rundenlisteImRennenVerborgen() {
        QFETCH(int, modus);
        QFETCH(bool, liste);
        starteLauf(modus, "20");
        for (int runde = 0; runde < 3; ++runde) {
            for (int b : {1, 2, 3, 4}) kreuze(b);
            warte(1500);
        }
        for (int i = 0; i < 4; ++i) {
            const SlotAnzeige* p = f()->panel(i);
            QCOMPARE(p->rundenListe()->isVisible(), liste);
            QCOMPARE(p->rundenListe()->count(), liste ? 2 : 0);
            QCOMPARE(p->label(0, 2)->text(), QStringLiteral("2"));
        }
    }

    void altSStartetUndFragtVorDemStopp() {
        f()->activateWindow();
        QCoreApplication::processEvents();
        QVERIFY(!leitung().zustand().RennenLaeuft);
        QTest::keyClick(f(), Qt::Key_S, Qt::AltModifier);
        QVERIFY(leitung().zustand().RennenLaeuft);
        QCOMPARE(findeIn<QPushButton>(f(), "Command2")->text(), QStringLiteral("&Stop"));
        QVERIFY(m_rueckfrage->fragen.isEmpty());
        warte(3000);
        // The same key now asks before it stops; "no" keeps the countdown running.
        m_rueckfrage->antwort = false;
        QTest::keyClick(f(), Qt::Key_S, Qt::AltModifier);
        QCOMPARE(m_rueckfrage->fragen, QStringList{"Soll der Lauf gestoppt werden?"});
        QVERIFY(leitung().zustand().RennenLaeuft);
        QVERIFY(f()->startAmpel()->isVisible());
    }

    void label1StartetChaosNurImZeitlauf_data() {
        QTest::addColumn<int>("modus");
        QTest::addColumn<bool>("chaos");
        QTest::newRow("R-Zeit") << int(RZeit) << true;
        QTest::newRow("T-Zeit") << int(TZeit) << true;
        QTest::newRow("R-Runden") << int(RRunden) << false;
        QTest::newRow("T-Runden") << int(TRunden) << false;
    }
    void label1StartetChaosNurImZeitlauf() {
        QFETCH(int, modus);
        QFETCH(bool, chaos);
        starteLauf(modus, "5");
        warte(1500);  // the start light has closed
        QVERIFY(!f()->startAmpel()->isVisible());
        QVERIFY(findeIn<QLabel>(f(), "Label1")->isVisible());
        QTest::mouseClick(findeIn<QLabel>(f(), "Label1"), Qt::LeftButton);
        QCOMPARE(leitung().zustand().ChaosAktiv, chaos);
        QCOMPARE(findeIn<QLabel>(f(), "Label1")->text() == QLatin1String("Chaos"), chaos);
        QCOMPARE(
            findeIn<QLabel>(f(), "Label1")->palette().color(QPalette::Window) == QColor(Qt::red),
            chaos);
        QCOMPARE(f()->startAmpel()->isVisible(), chaos);
        if (!chaos) return;
        QCOMPARE(findeIn<QPushButton>(f(), "cmdChaos")->text(), QStringLiteral("Chaos Ende"));
        QVERIFY(!f()->startAmpel()->vollbild());
        QCOMPARE(f()->startAmpel()->windowTitle(), QStringLiteral("CHAOS CHAOS CHAOS"));
        for (int i = 0; i < 5; ++i) QCOMPARE(f()->startAmpel()->lampe(1, i), qint32(255));
        // A second click on the clock never ends caution.
        QTest::mouseClick(findeIn<QLabel>(f(), "Label1"), Qt::LeftButton);
        QVERIFY(leitung().zustand().ChaosAktiv);
        // On one screen the light leaves the buttons free and says how caution ends: the
        // button by mouse, or Space wherever the keyboard is in the window.
        QVERIFY(!deckt(f()->startAmpel(), findeIn<QPushButton>(f(), "cmdChaos")));
        QVERIFY(!deckt(f()->startAmpel(), findeIn<QPushButton>(f(), "Command2")));
        QCOMPARE(f()->startAmpel()->hinweis(),
                 QStringLiteral("CHAOS – weiter mit „Chaos Ende“ oder der Leertaste"));
        findeIn<QPushButton>(f(), "Command2")->setFocus();
        QTest::keyClick(findeIn<QPushButton>(f(), "Command2"), Qt::Key_Space);
        QVERIFY(m_rueckfrage->fragen.isEmpty());  // not the Stop button's question
        warte(1100);
        QVERIFY(!leitung().zustand().ChaosAktiv || leitung().zustand().AmpelPhase != 6);
        QCOMPARE(findeIn<QPushButton>(f(), "cmdChaos")->text(), QStringLiteral("Chaos"));
    }

    void startampelFolgtDemCountdown_data() {
        QTest::addColumn<bool>("debug");
        QTest::newRow("Vollbild") << false;
        QTest::newRow("debug: zentriert") << true;
    }
    void startampelFolgtDemCountdown() {
        QFETCH(bool, debug);
        DebugLog::instanz().setAktiv(debug);
        starteLauf(RZeit, "5", false);
        StartAmpel* ampel = f()->startAmpel();
        QVERIFY(ampel->isVisible());
        QCOMPARE(ampel->windowTitle(), QStringLiteral("Rennstart"));
        // One screen: inside the main window over the panels, the button bar free.
        QVERIFY(ampel->eingebettet());
        QVERIFY(!ampel->vollbild());
        QVERIFY(!deckt(ampel, findeIn<QPushButton>(f(), "Command2")));
        // Lamp layout: d = H / 4 where the row fits across, lamp 2 centred, rows above and
        // below the middle, every lamp inside the window.
        const int H = ampel->height();
        const QRect mitte = ampel->lampenRechteck(0, 2);
        if (ampel->width() >= 5 * (H / 4) + 4 * 4) QCOMPARE(mitte.width(), H / 4);
        QVERIFY(ampel->lampenRechteck(1, 0).left() >= 0);
        QVERIFY(ampel->lampenRechteck(1, 4).right() < ampel->width());
        QCOMPARE(ampel->lampenRechteck(1, 3).left() - ampel->lampenRechteck(1, 2).right(), 5);
        QVERIFY(qAbs(mitte.left() + mitte.width() / 2 - ampel->width() / 2) <= 1);
        QVERIFY(ampel->lampenRechteck(0, 1).right() < mitte.left());
        QVERIFY(ampel->lampenRechteck(0, 0).bottom() < H / 2);
        QVERIFY(ampel->lampenRechteck(1, 0).top() > H / 2);

        m_uhr->naechsterTimer(2000);  // phase 5: lamp 0 red
        QCOMPARE(ampel->lampe(0, 0), qint32(255));
        QCOMPARE(ampel->lampe(1, 1), StartAmpel::lampeAus);
        for (int i = 0; i < 4; ++i) m_uhr->naechsterTimer(2000);
        for (int i = 0; i < 5; ++i) QCOMPARE(ampel->lampe(1, i), qint32(255));
        while (leitung().zustand().AmpelPhase != 6) QVERIFY(m_uhr->naechsterTimer(2100));
        for (int i = 0; i < 5; ++i) QCOMPARE(ampel->lampe(0, i), qint32(65280));
        QCOMPARE(findeIn<Lampenform>(f(), "Lichtanzeige")->farbe(), qint32(0x00C000));
        // Open for one more second after green.
        m_uhr->vorruecken(999);
        QVERIFY(ampel->isVisible());
        m_uhr->vorruecken(1);
        QVERIFY(!ampel->isVisible());
    }

    void simulationZaehltRundenBisZumEnde() {
        starteLauf(RRunden, "2");
        QVERIFY(findeIn<QPushButton>(f(), "Command5")->isEnabled());
        QCOMPARE(findeIn<QPushButton>(f(), "Command5")->text(), QStringLiteral("S&imulation"));
        QTest::mouseClick(findeIn<QPushButton>(f(), "Command5"), Qt::LeftButton);
        frmSimulation* sim = f()->simulation();
        QVERIFY(sim && sim->isVisible());
        QVERIFY(sim->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(sim->anzahlKnoepfe(), 4);
        QVERIFY(
            sim->knopf(1)->styleSheet().contains(QColor(255, 0, 0).name()));  // Farbe2 = 255: red

        for (int runde = 0; runde < 3; ++runde) {
            QTest::mouseClick(sim->knopf(2), Qt::LeftButton);
            warte(1500);
        }
        // Two laps of lane 3 end the race; the after-run closes it and the window.
        warte(2000);
        QVERIFY(!leitung().zustand().RennenLaeuft);
        QVERIFY(!sim->isVisible());
        QCOMPARE(findeIn<QPushButton>(f(), "Command2")->text(), QStringLiteral("&Start"));
        QCOMPARE(findeIn<QPushButton>(f(), "Command5")->text(), QStringLiteral("T&abellen"));
        QCOMPARE(f()->panel(2)->werte().ReturnRunden(), 2.0);
        QCOMPARE(f()->panel(2)->werte().ReturnPosition(), 1);
    }

    void ansagenUndToeneEinesRennens() {
        m_start.reset();
        SkriptSynthese synthese;
        SkriptWiedergabe wiedergabe;
        synthese.sofort = true;
        wiedergabe.sofort = true;
        ProgrammStart::Optionen o;
        o.uhr = m_uhr.get();
        o.synthese = &synthese;
        o.wiedergabe = &wiedergabe;
        o.rueckfrage = m_rueckfrage.get();
        o.sperrDatei = m_ordner->filePath("sperre");
        o.fensterZeigen = false;
        o.bildschirmHoehe = 768;
        m_start = std::make_unique<ProgrammStart>(*m_dialoge, o);
        QVERIFY(m_start->starte({"pistorelle"}));
        QVERIFY(leitung().zustand().AgentVorhanden);
        QCOMPARE(synthese.gestartet, QStringList{"Willkommen bei Pistorelle"});

        starteLauf(RRunden, "2");
        QCOMPARE(synthese.gestartet.value(1), QStringLiteral("Achtung, gleich geht es los"));
        QVERIFY(m_start->ton()->zuletzt().endsWith("/Sounds/ding.wav"));  // lights out
        for (int i = 0; i < 3; ++i) {
            kreuze(2);
            warte(1500);
        }
        warte(2000);
        QVERIFY(!leitung().zustand().RennenLaeuft);
        QVERIFY(synthese.gestartet.contains("Das Rennen ist beendet. Die Ergebnisse:"));
        QVERIFY(synthese.gestartet.last().startsWith("Fahrer 2 2 Runden in "));
        QVERIFY(m_start->ton()->zuletzt().endsWith("/Sounds/ringout.wav"));  // StopRennen
        QVERIFY(!wiedergabe.laeuft);
    }

    void fensterNurAusserhalbDesLaufs() {
        QVERIFY(findeIn<QPushButton>(f(), "Command3")
                    ->isEnabled());  // the options exist from the start
        QVERIFY(!findeIn<QPushButton>(f(), "cmdChaos")->isVisible());
        int geoeffnet = 0;
        f()->setzeFenster(frmMain::Fenster::Optionen, [&geoeffnet] { ++geoeffnet; });
        QVERIFY(findeIn<QPushButton>(f(), "Command3")->isEnabled());
        QTest::mouseClick(findeIn<QPushButton>(f(), "Command3"), Qt::LeftButton);
        QCOMPARE(geoeffnet, 1);
        // Disabled again while a run is on.
        starteLauf(RZeit, "5", false);
        QVERIFY(!findeIn<QPushButton>(f(), "Command3")->isEnabled());
        QVERIFY(findeIn<QPushButton>(f(), "cmdChaos")->isVisible());
    }

    void captionUndModusliste() {
        QCOMPARE(f()->windowTitle(), QStringLiteral("Pistorelle 0.1(0): ") + m_start->datenBank() +
                                         QStringLiteral("  Training :  10 "));
        QCOMPARE(findeIn<QComboBox>(f(), "cbRAuswahl")->count(), 5);
        QCOMPARE(findeIn<QComboBox>(f(), "cbRAuswahl")->currentText(), QStringLiteral("T-Zeit"));
        findeIn<QComboBox>(f(), "cbRAuswahl")->setCurrentIndex(RRunden);
        emit findeIn<QComboBox>(f(), "cbRAuswahl")->activated(RRunden);
        QVERIFY(findeIn<QRadioButton>(f(), "Option1_0")->isChecked());
        QVERIFY(!findeIn<QCheckBox>(f(), "ZeitRunden")->isChecked());
        QCOMPARE(findeIn<QLabel>(f(), "lblRennen")->text(), QStringLiteral("Rennen :  Rennen"));
        QVERIFY(!findeIn<QLabel>(f(), "lblQualiHinweis")->isVisible());
        // Practice with the limit 1 is a qualifying run under the race name, and the bar says
        // why beside the limit; a tournament's qualifying needs no such word.
        findeIn<QComboBox>(f(), "cbRAuswahl")->setCurrentIndex(TRunden);
        emit findeIn<QComboBox>(f(), "cbRAuswahl")->activated(TRunden);
        findeIn<QComboBox>(f(), "Grenze")->setEditText("1");
        leitung().Grenze_Validate();
        QCOMPARE(findeIn<QLabel>(f(), "lblRennen")->text(), QStringLiteral("Quali :  Rennen"));
        QVERIFY(findeIn<QLabel>(f(), "lblQualiHinweis")->isVisible());
        QCOMPARE(findeIn<QLabel>(f(), "lblQualiHinweis")->text(),
                 QStringLiteral("Grenze 1 = Qualifikation"));
        QVERIFY(
            findeIn<QLabel>(f(), "lblQualiHinweis")->toolTip().contains("eine Runde je Fahrer"));
        findeIn<QComboBox>(f(), "Grenze")->setEditText("2");
        leitung().Grenze_Validate();
        QVERIFY(!findeIn<QLabel>(f(), "lblQualiHinweis")->isVisible());
        QCOMPARE(findeIn<QLabel>(f(), "lblRennen")->text(), QStringLiteral("Training :  Training"));
        findeIn<QComboBox>(f(), "cbRAuswahl")->setCurrentIndex(RRunden);
        emit findeIn<QComboBox>(f(), "cbRAuswahl")->activated(RRunden);
        findeIn<QComboBox>(f(), "Grenze")->setEditText("250");
        leitung().Grenze_Validate();
        QVERIFY(f()->windowTitle().endsWith(QStringLiteral("Rennen :  250 ")));
        QVERIFY(m_rueckfrage->meldungen.isEmpty());
        findeIn<QComboBox>(f(), "Grenze")->setEditText("301");
        leitung().Grenze_Validate();
        QCOMPARE(m_rueckfrage->meldungen, QStringList{"Wert muss zwischen 1 und 300 liegen"});
    }

    void menueObenOderUnten_data() {
        QTest::addColumn<int>("menueOben");
        QTest::newRow("unten") << 1;
        QTest::newRow("oben") << 0;
        QTest::newRow("anderer Wert: oben") << 2;
    }
    void menueObenOderUnten() {
        QFETCH(int, menueOben);
        m_start->einstellungen().MenueOben = menueOben;
        f()->resize(1000, 700);
        f()->AnzeigenAnordnen();
        const QRect leiste = findeIn(f(), "Menue")->geometry();
        const QRect balken = findeIn<QProgressBar>(f(), "Fortschritt")->geometry();
        QCOMPARE(leiste.width(), 1000);
        const QRect erstes = f()->panel(0)->geometry();
        const QRect letztes = f()->panel(3)->geometry();
        if (menueOben == 1) {
            QCOMPARE(leiste.bottom(), 699);
            QCOMPARE(balken.bottom() + 1, leiste.top());  // on the panels' side
            QCOMPARE(erstes.top(), 0);
            QVERIFY(letztes.bottom() < balken.top());
        } else {
            QCOMPARE(leiste.top(), 0);
            QCOMPARE(balken.top(), leiste.bottom() + 1);
            QCOMPARE(erstes.top(), balken.bottom() + 1);
        }
        // Four equal panels share what is left.
        QCOMPARE(erstes.height(), (700 - leiste.height() - balken.height()) / 4);
        QCOMPARE(letztes.top(), erstes.top() + 3 * erstes.height());
    }

    void rennnameDialog() {
        diaRennen dialog(leitung());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Rennparameter"));
        QCOMPARE(dialog.rennName()->text(), QStringLiteral("Rennen"));
        dialog.rennName()->setText("Sommer's Cup");
        dialog.OK_Click();
        QCOMPARE(m_start->einstellungen().RennName, QStringLiteral("Sommer's Cup"));
        QCOMPARE(m_start->speicher().hole("RennName"), QStringLiteral("Sommer's Cup"));
        QCOMPARE(leitung().zustand().AktRennName, QStringLiteral("Training"));  // practice
    }

    void tastenWerdenNurProtokolliert() {
        DebugLog::instanz().setAktiv(true);
        QApplication::setActiveWindow(f());
        findeIn<QComboBox>(f(), "Grenze")->setFocus();
        QTest::keyClick(findeIn<QComboBox>(f(), "Grenze"), Qt::Key_A);
        QVERIFY(DebugLog::instanz().zeilen().first().endsWith("KeyPress 97 a"));
        for (const QString& z : DebugLog::instanz().zeilen()) QVERIFY(!z.contains("KeyDown"));
        findeIn<QComboBox>(f(), "cbRAuswahl")->setCurrentIndex(TPower);
        emit findeIn<QComboBox>(f(), "cbRAuswahl")->activated(TPower);
        findeIn<QComboBox>(f(), "Grenze")->setFocus();
        QTest::keyClick(findeIn<QComboBox>(f(), "Grenze"), Qt::Key_B);
        const QStringList z = DebugLog::instanz().zeilen();
        QVERIFY(z.at(0).endsWith("KeyPress 98 b"));
        QVERIFY(z.at(1).endsWith("KeyDown 66 b"));
        QVERIFY(!leitung().zustand().RennenLaeuft);
    }

private:
    frmMain* f() { return m_start->hauptfenster(); }
    Rennleitung& leitung() { return *m_start->leitung(); }

    void warte(int ms) { m_uhr->vorruecken(ms); }
    void kreuze(int bahn) { leitung().GetPortnummer(bahn); }

    // Chooses the mode and limit, presses start and, unless told not to, runs to green.
    void starteLauf(int modus, const QString& grenze, bool bisGruen = true) {
        findeIn<QComboBox>(f(), "cbRAuswahl")->setCurrentIndex(modus);
        emit findeIn<QComboBox>(f(), "cbRAuswahl")->activated(modus);
        findeIn<QComboBox>(f(), "Grenze")->setEditText(grenze);
        leitung().Grenze_Validate();
        QTest::mouseClick(findeIn<QPushButton>(f(), "Command2"), Qt::LeftButton);
        QVERIFY(leitung().zustand().RennenLaeuft);
        if (!bisGruen) return;
        for (int i = 0; i < 20 && leitung().zustand().AmpelPhase != 6; ++i)
            m_uhr->naechsterTimer(2100);
        QCOMPARE(int(leitung().zustand().AmpelPhase), 6);
    }

    std::unique_ptr<QTemporaryDir> m_ordner;
    std::unique_ptr<VirtuelleUhr> m_uhr;
    std::unique_ptr<SkriptDialoge> m_dialoge;
    std::unique_ptr<SkriptRueckfrage> m_rueckfrage;
    std::unique_ptr<ProgrammStart> m_start;
};

QTEST_MAIN(TestHauptfenster)
#include "tst_hauptfenster.moc"
