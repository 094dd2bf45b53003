#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "config/DebugLog.h"
#include "ui/frmDebug.h"

namespace {
// The window with its message box replaced by a record of the text.
class Fenster : public frmDebug {
public:
    using frmDebug::frmDebug;
    QStringList fehler;

protected:
    void zeigeFehler(const QString& text) override { fehler << text; }
};
}  // namespace

class TestFrmDebug : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init() {
        DebugLog::instanz().setAktiv(true);
        DebugLog::instanz().leeren();
    }

    void zeigtNeuesteOben() {
        SchreibeDebug("vorher");
        Fenster f(m_dir.path() + "/");
        QCOMPARE(f.windowTitle(), QStringLiteral("Debug Infos"));
        QCOMPARE(f.List1->count(), 1);
        SchreibeDebug("eins");
        SchreibeDebug("zwei");
        QCOMPARE(f.List1->count(), 3);
        QVERIFY(f.List1->item(0)->text().endsWith(" zwei"));
        QVERIFY(f.List1->item(2)->text().endsWith(" vorher"));
    }

    void knoepfe() {
        Fenster f(m_dir.path() + "/");
        QCOMPARE(f.cmdClearLog->text(), QStringLiteral("Clear Log"));
        QCOMPARE(f.cmdSchreibeLog->text(), QStringLiteral("Schreibe pistorelle.log"));
        SchreibeDebug("eins");
        f.cmdClearLog->click();
        QCOMPARE(f.List1->count(), 0);
        QVERIFY(DebugLog::instanz().zeilen().isEmpty());

        f.cmdSchreibeLog->click();
        QFile datei(m_dir.filePath("pistorelle.log"));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), QByteArray());
        QVERIFY(f.fehler.isEmpty());

        f.setLtfPfad(m_dir.filePath("gibtsnicht/"));
        f.cmdSchreibeLog->click();
        QCOMPARE(f.fehler.size(), 1);
        QVERIFY(!f.fehler.first().isEmpty());
    }

    void schliessenSchaltetAus() {
        Fenster f;
        f.show();
        QVERIFY(f.close());
        QVERIFY(!DebugLog::instanz().aktiv());
        SchreibeDebug("danach");
        QVERIFY(DebugLog::instanz().zeilen().isEmpty());
    }
};

QTEST_MAIN(TestFrmDebug)
#include "tst_config_frmDebug.moc"
