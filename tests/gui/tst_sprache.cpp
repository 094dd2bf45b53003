// The program's announcer: the switches SoundAn and MeldungsAnsage1, the announcer window and
// the dialog that chooses character, language and on/off (the queue, the voice and the sounds
// themselves are tst_klang's).

#include <QCheckBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "TestHelfer.h"
#include "config/EinstellungsSpeicher.h"
#include "klang/SprachWarteschlange.h"
#include "klang/Tonspieler.h"
#include "ui/ProgrammAnsage.h"
#include "ui/Sprecherfenster.h"
#include "ui/diaSprache.h"

class TestSprache : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_ordner = std::make_unique<QTemporaryDir>();
        m_speicher = std::make_unique<EinstellungsSpeicher>(m_ordner->filePath("p.ini"));
        m_e = Einstellungen();
    }

    void soundAnSchaltetDieSprache_data() {
        QTest::addColumn<int>("soundAn");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("gesprochen");
        QTest::newRow("an") << 1 << "Bahn 3 Frühstart!" << true;
        QTest::newRow("aus") << 0 << "Bahn 3 Frühstart!" << false;
        QTest::newRow("zwei ist nicht an") << 2 << "Bahn 3 Frühstart!" << false;
        QTest::newRow("leerer Text") << 1 << "  " << false;
    }
    void soundAnSchaltetDieSprache() {
        QFETCH(int, soundAn);
        QFETCH(QString, text);
        QFETCH(bool, gesprochen);
        SkriptSynthese synthese;
        SkriptWiedergabe wiedergabe;
        SprachWarteschlange schlange(synthese, wiedergabe);
        Tonspieler ton;
        m_e.SoundAn = quint8(soundAn);
        ProgrammAnsage ansage(m_e, *m_speicher, &schlange, ton);
        ansage.SprachAusgabe(text);
        QCOMPARE(synthese.gestartet.size(), gesprochen ? 1 : 0);
    }

    void ohneSprachmaschineWirdNurGespeichert() {
        Tonspieler ton;
        ProgrammAnsage ansage(m_e, *m_speicher, nullptr, ton);
        QVERIFY(!ansage.agentVorhanden());
        QVERIFY(!ansage.fenster());
        ansage.SprachAusgabe("nichts");  // must not crash
        ansage.SetzeAgent("m3", 1033);
        QCOMPARE(m_speicher->hole("MyAgent"), QStringLiteral("m3"));
        QCOMPARE(m_speicher->hole("LangId"), QStringLiteral("1033"));
        QCOMPARE(m_e.LangId, 1033);
        QCOMPARE(m_e.MyAgent, QStringLiteral("m3"));
    }

    void spracheAnZeigtFigurUndSagtText1() {
        SkriptSynthese synthese;
        SkriptWiedergabe wiedergabe;
        SprachWarteschlange schlange(synthese, wiedergabe);
        Tonspieler ton;
        ProgrammAnsage ansage(m_e, *m_speicher, &schlange, ton);
        ansage.setzeTextQuelle([](int n) { return QStringLiteral("Text %1").arg(n); });

        m_e.SoundAn = 1;
        ansage.SetzeAgent(QString(), 1031);
        QVERIFY(ansage.fenster()->isVisible());
        QCOMPARE(synthese.gestartet, QStringList{"Text 1"});
        QCOMPARE(synthese.stimmen, QStringList{"de"});
        // Top right, fully on the screen.
        const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect lage = ansage.fenster()->frameGeometry();
        QVERIFY2(schirm.contains(lage), qPrintable(QString("%1,%2 %3x%4")
                                                       .arg(lage.x())
                                                       .arg(lage.y())
                                                       .arg(lage.width())
                                                       .arg(lage.height())));
        QVERIFY(lage.right() > schirm.right() - 40);
        QVERIFY(lage.top() < schirm.top() + 40);

        // The start-up sentence follows its own switch; later sentences do not.
        m_e.MeldungsAnsage[1] = 0;
        synthese.antworte();
        wiedergabe.ende();
        ansage.SetzeAgent("f2", 1033);
        QCOMPARE(synthese.gestartet.size(), 1);
        ansage.SprachAusgabe("später");
        QCOMPARE(synthese.stimmen.last(), QStringLiteral("en+f2"));

        // Off: hidden, nothing more said, the setting saved.
        m_e.SoundAn = 0;
        ansage.SpracheAn();
        QVERIFY(!ansage.fenster()->isVisible());
        QVERIFY(!schlange.beschaeftigt());
        QCOMPARE(m_speicher->hole("SoundAn"), QStringLiteral("0"));
    }

    void dialogWaehltFigurSpracheUndAnAus() {
        SkriptSynthese synthese;
        SkriptWiedergabe wiedergabe;
        SprachWarteschlange schlange(synthese, wiedergabe);
        Tonspieler ton;
        ProgrammAnsage ansage(m_e, *m_speicher, &schlange, ton);
        m_e.LangId = 1033;
        diaSprache dialog(m_e, ansage);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Figur / Sprache auswählen"));
        QVERIFY(dialog.englisch()->isChecked());
        QVERIFY(dialog.anAus()->isChecked());
        QVERIFY(dialog.figurListe()->count() > 0);  // the engine's voices

        dialog.deutsch()->click();
        dialog.anAus()->setChecked(false);
        dialog.figurListe()->setCurrentRow(0);
        const QString figur = dialog.figurListe()->item(0)->text();
        dialog.Auswaehlen_Click();
        QCOMPARE(m_e.SoundAn, quint8(0));
        QCOMPARE(m_e.LangId, 1031);
        QCOMPARE(m_e.MyAgent, figur);
        QCOMPARE(m_speicher->hole("SoundAn"), QStringLiteral("0"));
        QVERIFY(!ansage.fenster()->isVisible());
    }

private:
    std::unique_ptr<QTemporaryDir> m_ordner;
    std::unique_ptr<EinstellungsSpeicher> m_speicher;
    Einstellungen m_e;
};

QTEST_MAIN(TestSprache)
#include "tst_sprache.moc"
