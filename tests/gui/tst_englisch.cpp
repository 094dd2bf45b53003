// An English club's evening: the program started with LangId 1033 walks through every window
// and dialog a race director reaches (each button and menu entry of the main window, the
// dialogs behind them, a race with its start light, caution, corrections and results) and
// fails on any text a user reads that is still German, with the window and the text.

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <optional>

#include "DeutschPruefung.h"
#include "ProgrammTest.h"
#include "Textsammler.h"
#include "darstellung/Oberflaechensprache.h"
#include "data/Datenbank.h"
#include "engine/Hauptanzeige.h"
#include "hardware/DemoZeitnahme.h"
#include "ui/DemoModus.h"
#include "ui/KorrekturMenue.h"
#include "ui/ProgrammAnsage.h"
#include "ui/SlotAnzeige.h"
#include "ui/Sprecherfenster.h"
#include "ui/StartAmpel.h"
#include "ui/diaDatenbank.h"
#include "ui/diaKorrektur.h"
#include "ui/diaRennen.h"
#include "ui/diaSprache.h"
#include "ui/frmDebug.h"
#include "ui/frmErgebnis.h"
#include "ui/frmStreckenLayout.h"

class TestEnglisch : public ProgrammTest {
    Q_OBJECT

    DeutschPruefung m_deutsch{QStringLiteral(PISTORELLE_QUELLEN "/i18n/pistorelle_en.ts")};
    Textsammler m_texte;
    QStringList m_besucht;

    QList<QWidget*> offeneFenster() const {
        QList<QWidget*> l;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) l << w;
        return l;
    }

    // Opens what the call opens: a modal dialog is read and closed from inside its own event
    // loop; windows that appear beside the main window are read and closed afterwards.
    // With PISTORELLE_BILDER set, a picture of every window the walk reads.
    void bild(const QString& name, QWidget* w) {
        const QString ordner = qEnvironmentVariable("PISTORELLE_BILDER");
        if (ordner.isEmpty()) return;
        QString datei = name;
        datei.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
        w->grab().save(ordner + QStringLiteral("/fenster-") + datei + QStringLiteral(".png"));
    }

    void besuche(const QString& name, const std::function<void()>& oeffne) {
        const QList<QWidget*> vorher = offeneFenster();
        int gefunden = 0;
        QList<QWidget*> gelesen;
        QTimer wache;
        wache.setInterval(0);
        connect(&wache, &QTimer::timeout, this, [&] {
            QWidget* m = QApplication::activeModalWidget();
            if (!m || gelesen.contains(m)) return;
            gelesen << m;
            ++gefunden;
            m_texte.fenster(name, m);
            bild(name, m);
            m->close();
        });
        wache.start();
        oeffne();
        QCoreApplication::processEvents();
        wache.stop();
        for (QWidget* w : offeneFenster())
            if (!vorher.contains(w) && !gelesen.contains(w)) {
                ++gefunden;
                m_texte.fenster(name, w);
                bild(name, w);
                w->close();
            }
        // A switch (the demo) or a button without a window in this state opens nothing.
        if (gefunden > 0) m_besucht << name;
    }

    void klicke(QAbstractButton* k) { besuche(k->objectName() + " " + k->text(), [k] { k->click(); }); }

private slots:
    void initTestCase() {
        // The file knows the program's texts: an empty or missing one would let all pass.
        QVERIFY(m_deutsch.nachrichten() > 500);
        QVERIFY(m_deutsch.kennt(QStringLiteral("Sprache")));
        // English is complete: every text of the file has its translation.
        QVERIFY2(m_deutsch.unfertig().isEmpty(), qPrintable(m_deutsch.unfertig().join('\n')));
    }

    void allesAufEnglisch() {
        neueUmgebung();
        EinstellungsSpeicher speicher;
        speicher.speichere(QStringLiteral("LangId"), QStringLiteral("1033"));
        // The live scoreboard is on, so its address shows too.
        QTcpServer frei;
        frei.listen(QHostAddress::LocalHost, 0);
        const quint16 port = frei.serverPort();
        frei.close();
        speicher.speichere(QStringLiteral("LiveStandAn"), QStringLiteral("1"));
        speicher.speichere(QStringLiteral("LiveStandPort"), QString::number(port));
        starteProgramm();
        QCOMPARE(Oberflaechensprache::aktuelle(), Oberflaechensprache::Englisch);
        // Closing a window that asks (the tournament: end it?) says yes.
        m_rueckfrage->antwort = true;
        Datenbank& db = *m_start->datenbank();
        // The club's own drivers and cars: names are data, not interface.
        const char* const namen[6][2] = {{"Amy", "Porsche 917"}, {"Ben", "Ford GT40"},
                                         {"Cleo", "Ferrari 512"}, {"Dan", "Lola T70"},
                                         {"Eve", "McLaren M8"},   {"Finn", "Chaparral 2J"}};
        const auto setzeNamen = [&] {
            for (int b = 1; b <= 6; ++b)
                db.execute(QStringLiteral("update positionen set fahrer=?, auto=? where bahn=?"),
                           {QString::fromLatin1(namen[b - 1][0]),
                            QString::fromLatin1(namen[b - 1][1]), b});
            leitung().MyInit();
        };
        setzeNamen();
        m_texte.fenster(QStringLiteral("Hauptfenster"), f());

        // Every button of the main window but the race's own, and every menu entry.
        for (QPushButton* k : f()->findChildren<QPushButton*>()) {
            if (k == findeIn<QPushButton>(f(), "Command2") ||
                k == findeIn<QPushButton>(f(), "cmdChaos") || !k->isVisible() || !k->isEnabled())
                continue;
            klicke(k);
        }
        for (QToolButton* t : f()->findChildren<QToolButton*>()) {
            if (!t->menu()) continue;
            emit t->menu()->aboutToShow();
            for (QAction* a : t->menu()->actions()) {
                if (!a->isEnabled() || a->isSeparator()) continue;
                besuche(QStringLiteral("Menü ") + a->text(), [a] { a->trigger(); });
                if (a->isCheckable() && a->isChecked()) a->trigger();  // the demo off again
            }
        }

        // The dialogs one step further in.
        besuche(QStringLiteral("diaSprache"), [&] {
            diaSprache d(m_start->einstellungen(), *m_start->ansage(), f());
            d.exec();
        });
        besuche(QStringLiteral("frmStreckenLayout"), [&] {
            frmStreckenLayout d(db, f());
            d.exec();
        });
        besuche(QStringLiteral("diaRennen"), [&] {
            diaRennen d(leitung(), f());
            d.exec();
        });
        besuche(QStringLiteral("diaFahrer"), [&] { emit f()->panel(0)->fahrerDoppelklick(); });
        besuche(QStringLiteral("diaDatenbank"), [&] {
            DatenbankWahl wahl;
            StartDialogeFenster().datenbankAuswaehlen(wahl);
        });
        besuche(QStringLiteral("frmDebug"), [&] {
            auto* d = new frmDebug(QString(), f());
            d->setAttribute(Qt::WA_DeleteOnClose);
            d->show();
        });

        // A demo race by time, as a newcomer watches it: the start light, the simulated cars'
        // laps, a lap added by the race director, caution, the end and the results.
        // PISTORELLE_BILDER=folder keeps pictures of the race and the correction dialog.
        const QString bilder = qEnvironmentVariable("PISTORELLE_BILDER");
        QVERIFY(findeIn<QPushButton>(f(), "Command2")->isEnabled());
        setzeNamen();  // the tournament the walk opened and closed left its entrants
        if (!bilder.isEmpty()) f()->resize(1280, 760);
        f()->demo()->schalte(true);
        f()->demo()->zeitnahme().schalteEin(4711);  // the same cars every time
        findeIn<QComboBox>(f(), "cbRAuswahl")->setCurrentIndex(2);
        emit findeIn<QComboBox>(f(), "cbRAuswahl")->activated(2);
        leitung().setzeGrenze(QStringLiteral("2"));
        leitung().Grenze_Validate();
        findeIn<QPushButton>(f(), "Command2")->click();
        for (int i = 0; i < 3; ++i) QVERIFY(m_uhr->naechsterTimer(2100));
        m_texte.fenster(QStringLiteral("StartAmpel"), f()->startAmpel());
        m_texte.fenster(QStringLiteral("Hauptfenster im Countdown"), f());
        while (leitung().zustand().AmpelPhase != 6) QVERIFY(m_uhr->naechsterTimer(2100));
        for (int i = 0; i < 300; ++i) m_uhr->vorruecken(100);
        QVERIFY(leitung().zustand().Runden[1] >= 3);
        m_texte.fenster(QStringLiteral("Hauptfenster im Rennen"), f());
        QCoreApplication::processEvents();  // layouts catch up with the texts of the run
        if (!bilder.isEmpty()) f()->grab().save(bilder + QStringLiteral("/demorennen.png"));
        if (Sprecherfenster* s = m_start->ansage()->fenster())
            m_texte.fenster(QStringLiteral("Sprecher"), s);
        // Lap +1 through the lane panel's menu, its question answered in the real dialog.
        int gefragt = 0;
        f()->korrekturen()->setzeFrage(
            [&](diaKorrektur& d) -> std::optional<QString> {
                ++gefragt;
                d.txtGrund()->setText(QStringLiteral("missed by the sensor"));
                d.show();
                m_texte.fenster(QStringLiteral("diaKorrektur"), &d);
                if (!bilder.isEmpty()) d.grab().save(bilder + QStringLiteral("/korrektur.png"));
                m_besucht << QStringLiteral("diaKorrektur");
                return d.txtGrund()->text();
            });
        {
            std::unique_ptr<QMenu> menue(f()->korrekturen()->menueFuer(1, f()));
            m_texte.menue(QStringLiteral("Korrekturmenü"), menue.get());
            m_uhr->vorruecken(1500);
            menue->actions().at(1)->trigger();  // under the lane's heading
            QCOMPARE(gefragt, 1);
            QVERIFY2(db.wert(QStringLiteral("select count(*) from aktrennen where Bahn=1 and "
                                            "RennInfo like '%K+%'"))
                             .toInt() == 1,
                     qPrintable(m_rueckfrage->meldungen.join('\n')));
        }
        findeIn<QPushButton>(f(), "cmdChaos")->click();
        m_uhr->vorruecken(500);
        m_texte.fenster(QStringLiteral("Hauptfenster in der Chaos-Phase"), f());
        findeIn<QPushButton>(f(), "cmdChaos")->click();
        m_uhr->vorruecken(3000);
        findeIn<QPushButton>(f(), "Command2")->click();  // stop the run: yes
        for (int i = 0; i < 20 && !f()->findChild<frmErgebnis*>(); ++i) m_uhr->vorruecken(1000);
        m_texte.fenster(QStringLiteral("Hauptfenster nach dem Lauf"), f());
        QVERIFY(f()->findChild<frmErgebnis*>());
        m_texte.fenster(QStringLiteral("Ergebnis"), f()->findChild<frmErgebnis*>());
        // The live scoreboard as a phone shows it, in headless Chromium.
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (!chromium.isEmpty()) {
            QTemporaryDir profil;
            QProcess p;
            p.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                               "--user-data-dir=" + profil.path(), "--virtual-time-budget=3000",
                               "--dump-dom", QStringLiteral("http://127.0.0.1:%1/").arg(port)});
            QSignalSpy ende(&p, &QProcess::finished);
            QVERIFY(ende.wait(60000));
            QString seite = QString::fromUtf8(p.readAllStandardOutput());
            QVERIFY2(seite.contains(QLatin1String("<html lang=\"en\">")), qPrintable(seite.left(200)));
            seite.remove(QRegularExpression(QStringLiteral("<(script|style)[^>]*>.*</\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption |
                                                QRegularExpression::InvertedGreedinessOption));
            for (const QString& t : seite.split(QRegularExpression(QStringLiteral("<[^>]*>"))))
                m_texte.text(QStringLiteral("Live-Stand"), t);
            QVERIFY(seite.contains(QLatin1String("Amy")));
        }
        for (const QString& t : m_rueckfrage->fragen + m_rueckfrage->meldungen +
                                    m_dialoge->fragen + m_dialoge->meldungen)
            m_texte.text(QStringLiteral("Frage oder Meldung"), t);

        QStringList deutsch;
        for (const Fundstelle& fs : m_texte.funde)
            if (const QString g = m_deutsch.grund(fs.text); !g.isEmpty())
                deutsch << QStringLiteral("%1: \"%2\" (%3)").arg(fs.wo, fs.text, g);
        deutsch.removeDuplicates();
        qInfo("%lld Texte aus %lld Fenstern gelesen", qint64(m_texte.funde.size()),
              qint64(m_besucht.size()) + 8);
        for (const QString& d : deutsch) qWarning("%s", qPrintable(d));
        QVERIFY2(deutsch.isEmpty(),
                 qPrintable(QStringLiteral("%1 German texts, listed above").arg(deutsch.size())));
        // A walk that saw little proves nothing.
        QVERIFY(m_texte.funde.size() > 300);
        QVERIFY(m_besucht.size() > 12);
    }
};

QTEST_MAIN(TestEnglisch)
#include "tst_englisch.moc"
