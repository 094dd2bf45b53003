// The live scoreboard survives the program: the real program serves the page to headless
// Chromium, is killed with SIGKILL and started again on the same port, and the open page
// shows the connection loss, then by itself the standings of the new program.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebSocket>

#include "Browserseite.h"
#include "EchtesProgramm.h"
#include "config/EinstellungsSpeicher.h"

namespace {

quint16 freierPort() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

bool antwortet(quint16 port, int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port);
        if (s.waitForConnected(500)) return true;
        QTest::qWait(100);
    }
    return false;
}

// The race mode the page shows beside the kind of race.
const QString modus = QStringLiteral("document.getElementById('art').textContent.split(' · ')[1]");
const QString unterbrochen =
    QStringLiteral("String(getComputedStyle(document.getElementById('verbindung')).display)");

}  // namespace

class TestLiveStandNeustart : public QObject {
    Q_OBJECT

private slots:
    void seiteKommtNachNeustartZurueck() {
        const QString chromium = QStandardPaths::findExecutable("chromium");
        if (chromium.isEmpty()) QSKIP("chromium fehlt");
        const quint16 port = freierPort();
        QVERIFY(port > 0);
        EchtesProgramm p;
        {
            EinstellungsSpeicher sp(p.einstellungen());
            sp.speichere("DatenBankAuswahl", "0");
            sp.speichere("LiveStandAn", "1");
            sp.speichere("LiveStandPort", QString::number(port));
            sp.speichere("TonBeep", "");
            sp.speichere("SprecherFenster", "0");
        }
        // First a practice by time: the page shows it.
        p.hardware = QStringLiteral("protokoll");
        EinstellungsSpeicher(p.einstellungen()).speichere("LetzterModus", "0");
        p.starte();
        QVERIFY2(antwortet(port, 30000), "the program does not serve the page");
        Browser b;
        QVERIFY(b.oeffne(chromium, QStringLiteral("http://127.0.0.1:%1/").arg(port)));
        QVERIFY2(b.warteAuf(modus, QStringLiteral("T-Zeit"), 20000) >= 0, qPrintable(b.werte(modus)));
        QCOMPARE(b.werte(unterbrochen), QStringLiteral("none"));

        // Killed: the page says the connection is gone and keeps trying.
        p.toete();
        QVERIFY(b.warteAuf(unterbrochen, QStringLiteral("block"), 10000) >= 0);
        QTest::qWait(3000);  // a few failed attempts, so the page waits longer between them
        QCOMPARE(b.werte(modus), QStringLiteral("T-Zeit"));

        // Started again, now set for a race by time: the page follows the new program by itself.
        EinstellungsSpeicher(p.einstellungen()).speichere("LetzterModus", "2");
        p.starte();
        QVERIFY2(antwortet(port, 30000), "the program does not serve the page again");
        const qint64 zurueck = b.warteAuf(modus, QStringLiteral("R-Zeit"), 20000);
        QVERIFY2(zurueck >= 0, qPrintable(b.werte(modus)));
        QCOMPARE(b.werte(unterbrochen), QStringLiteral("none"));
        qInfo("Seite %lld ms nach dem Neustart wieder verbunden", zurueck);
    }
};

QTEST_MAIN(TestLiveStandNeustart)
#include "tst_livestand_neustart.moc"
