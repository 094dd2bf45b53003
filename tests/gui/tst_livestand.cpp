// The live scoreboard on the loopback address through a race by laps: the page and the JSON,
// a viewer's WebSocket that receives the standings after every counted lap, the 51st viewer
// turned away, and requests and frames that must change nothing.

#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>
#include <QPushButton>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWebSocket>
#include <QtTest>

#include "DebugLog.h"
#include "EinstellungsSpeicher.h"
#include "LiveStand.h"
#include "LiveStandFeld.h"
#include "ProgrammStart.h"
#include "Rennleitung.h"
#include "ProgrammTest.h"
#include "TestHelfer.h"
#include "VirtuelleUhr.h"
#include "Hauptanzeige.h"
#include "frmMain.h"
#include "SlotAnzeige.h"
#include "SlotWerte.h"
#include "frmSimulation.h"

namespace {
struct Antwort {
    int status = 0;
    QByteArray art, inhalt;
};
}  // namespace

class TestLiveStand : public ProgrammTest {
    Q_OBJECT

    std::unique_ptr<LiveStand> m_stand;
    QNetworkAccessManager m_netz;

    QString basis() const { return QStringLiteral("127.0.0.1:%1").arg(m_stand->port()); }

    Antwort hole(const QString& pfad, const QByteArray& methode = "GET") {
        QNetworkRequest r(QUrl(QStringLiteral("http://") + basis() + pfad));
        QNetworkReply* reply = m_netz.sendCustomRequest(r, methode);
        QSignalSpy fertig(reply, &QNetworkReply::finished);
        fertig.wait(10000);
        Antwort a;
        a.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        a.art = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
        a.inhalt = reply->readAll();
        reply->deleteLater();
        return a;
    }
    // Raw bytes to the server; what comes back before it closes or goes quiet.
    QByteArray roh(const QByteArray& bytes) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, m_stand->port());
        if (!s.waitForConnected(5000)) return "keine Verbindung";
        s.write(bytes);
        QByteArray zurueck;
        while (s.state() == QAbstractSocket::ConnectedState && s.waitForReadyRead(1000))
            zurueck += s.readAll();
        return zurueck + s.readAll();
    }
    QWebSocket* zuschauer(QStringList& nachrichten) {
        auto* ws = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this);
        connect(ws, &QWebSocket::textMessageReceived, this,
                [&nachrichten](const QString& t) { nachrichten << t; });
        ws->open(QUrl(QStringLiteral("ws://") + basis() + QStringLiteral("/ws")));
        return ws;
    }
    static QJsonObject json(const QString& t) { return QJsonDocument::fromJson(t.toUtf8()).object(); }

private slots:
    void init() {
        neueUmgebung();
        starteProgramm(false);
        // Off by default: no server, no address on the main window.
        QVERIFY(!f()->findChild<LiveStandFeld*>());
        m_stand = std::make_unique<LiveStand>(leitung(), *m_start->anzeige());
        QVERIFY2(m_stand->starte(QHostAddress::LocalHost, 0), qPrintable(m_stand->fehler()));
    }

    void cleanup() {
        m_stand.reset();
        m_start.reset();
    }

    void zuschauerFolgenDemRennen() {
        const Antwort seite = hole("/");
        QCOMPARE(seite.status, 200);
        QVERIFY(seite.art.startsWith("text/html"));
        QVERIFY(seite.inhalt.contains("new WebSocket"));
        QVERIFY(!seite.inhalt.contains("http://") && !seite.inhalt.contains("https://"));

        // The main window shows what to type, and the code for the phones' cameras.
        LiveStandFeld* feld = LiveStandFeld::zeige(*f(), *m_stand);
        QVERIFY(feld->isVisible());
        QVERIFY(feld->adresse()->text().contains(QStringLiteral(":%1/").arg(m_stand->port())));
        QVERIFY(!feld->code()->pixmap().isNull());

        QStringList nachrichten;
        QWebSocket* ws = zuschauer(nachrichten);
        QTRY_COMPARE(nachrichten.size(), 1);  // the standings at once
        QCOMPARE(m_stand->zuschauer(), 1);

        f()->cbRAuswahl->setCurrentIndex(3);
        emit f()->cbRAuswahl->activated(3);
        leitung().setzeGrenze("5");
        leitung().Grenze_Validate();
        leitung().RennNameSetzen("Vereinsabend");
        f()->Command2->click();
        while (leitung().zustand().AmpelPhase != 6) QVERIFY(m_uhr->naechsterTimer(2100));
        f()->zeigeSimulation();
        frmSimulation* sim = f()->simulation();
        // Lane 2 laps first and leads; lane 1 follows 0.6 s behind. The first pass over the
        // line starts the clock and counts no lap.
        for (int runde = 0; runde <= 2; ++runde) {
            QTest::mouseClick(sim->knopf(1), Qt::LeftButton);
            m_uhr->vorruecken(600);
            QTRY_COMPARE(json(nachrichten.last())["bahnen"].toArray().at(0)["runden"].toDouble(),
                         double(runde));
            QTest::mouseClick(sim->knopf(0), Qt::LeftButton);
            m_uhr->vorruecken(900);
            QTRY_COMPARE(json(nachrichten.last())["bahnen"].toArray().at(1)["runden"].toDouble(),
                         double(runde));
        }
        const QJsonObject s = json(nachrichten.last());
        QCOMPARE(s["rennen"].toString(), QStringLiteral("Vereinsabend"));
        QCOMPARE(s["art"].toString(), QStringLiteral("Rennen"));
        QCOMPARE(s["restRunden"].toInt(), 3);
        const QJsonArray b = s["bahnen"].toArray();
        QCOMPARE(b.size(), 4);
        QCOMPARE(b[0]["bahn"].toInt(), 2);
        QCOMPARE(b[0]["platz"].toInt(), 1);
        QCOMPARE(b[0]["abstand"].toString(), QString());
        QCOMPARE(b[1]["bahn"].toInt(), 1);
        QCOMPARE(b[1]["abstand"].toString(), QStringLiteral("+0,600"));
        QCOMPARE(b[1]["fahrer"].toString(), f()->panel(0)->werte().fahrer());
        QVERIFY(b[0]["besteRunde"].toDouble() > 0);
        QVERIFY(b[3]["besteRunde"].isNull());  // no lap yet
        QCOMPARE(b[0]["farbe"].toString().size(), 7);

        // The JSON for scripts says the same.
        const Antwort api = hole("/api/stand");
        QCOMPARE(api.status, 200);
        QCOMPARE(api.art, QByteArray("application/json"));
        QCOMPARE(QJsonDocument::fromJson(api.inhalt).object()["bahnen"], s["bahnen"]);
        // Lane 2 laps lane 1: the gap is in laps.
        QTest::mouseClick(sim->knopf(1), Qt::LeftButton);
        m_uhr->vorruecken(600);
        QTRY_COMPARE(json(nachrichten.last())["bahnen"].toArray().at(1)["abstand"].toString(),
                     QStringLiteral("+1 Rd."));

        // Lanes nobody drives (a tournament's free lanes) are no part of the standings.
        leitung().setzeFreieBahnen({3, 4});
        QCOMPARE(QJsonDocument::fromJson(m_stand->standJson()).object()["bahnen"].toArray().size(),
                 2);
        leitung().setzeFreieBahnen({});

        QVERIFY(feld->adresse()->text().contains("1 Zuschauer"));
        if (qEnvironmentVariableIsSet("LIVESTAND_FENSTER"))
            f()->grab().save(qEnvironmentVariable("LIVESTAND_FENSTER"));
        // Gone viewers are forgotten.
        ws->close();
        QTRY_COMPARE(m_stand->zuschauer(), 0);
    }

    void seiteImBrowser() {
        // The page as headless Chromium renders it after laps (fetch and WebSocket included).
        const QString chromium = QStandardPaths::findExecutable("chromium");
        if (chromium.isEmpty()) QSKIP("chromium fehlt");
        f()->cbRAuswahl->setCurrentIndex(3);
        emit f()->cbRAuswahl->activated(3);
        leitung().setzeGrenze("10");
        leitung().Grenze_Validate();
        leitung().RennNameSetzen("Vereinsabend");
        f()->Command2->click();
        while (leitung().zustand().AmpelPhase != 6) QVERIFY(m_uhr->naechsterTimer(2100));
        f()->zeigeSimulation();
        frmSimulation* sim = f()->simulation();
        for (int runde = 0; runde <= 3; ++runde)
            for (int knopf : {2, 0, 1, 3}) {
                QTest::mouseClick(sim->knopf(knopf), Qt::LeftButton);
                m_uhr->vorruecken(400);
            }
        const auto browser = [&](const QStringList& extra) {
            QTemporaryDir profil;
            QProcess p;
            p.setProcessChannelMode(QProcess::SeparateChannels);
            p.start(chromium, QStringList{"--headless", "--no-sandbox", "--disable-gpu",
                                          "--no-first-run", "--user-data-dir=" + profil.path(),
                                          "--virtual-time-budget=4000"}
                                  << extra << QStringLiteral("http://") + basis() + "/");
            QSignalSpy ende(&p, &QProcess::finished);
            ende.wait(60000);  // the server answers meanwhile
            return p.readAllStandardOutput();
        };
        const QByteArray dom = browser({"--dump-dom"});
        QVERIFY2(dom.contains("Vereinsabend"), dom.left(400).constData());
        QVERIFY(dom.contains("noch 7 Runden"));
        // Lane 3 crossed first each time and leads; lane 4 is last.
        const int b3 = dom.indexOf("data-bahn=\"3\""), b1 = dom.indexOf("data-bahn=\"1\"");
        const int b2 = dom.indexOf("data-bahn=\"2\""), b4 = dom.indexOf("data-bahn=\"4\"");
        QVERIFY(b3 > 0 && b3 < b1 && b1 < b2 && b2 < b4);
        QVERIFY(dom.contains("Fahrer 3"));
        QVERIFY(dom.contains("Führung"));
        QVERIFY(dom.contains("+0,400"));
        if (qEnvironmentVariableIsSet("LIVESTAND_BILD"))
            browser({"--screenshot=" + qEnvironmentVariable("LIVESTAND_BILD"),
                     "--window-size=412,760", "--hide-scrollbars"});
    }

    void nurLesenUndBegrenzt() {
        const QByteArray vorher = m_stand->standJson();
        // Requests that are not reads of the two addresses change nothing.
        QCOMPARE(hole("/nichts").status, 404);
        QCOMPARE(hole("/api/stand/../../etc/passwd").status, 404);
        QVERIFY(hole("/api/stand", "POST").status >= 400);
        QVERIFY(hole("/", "DELETE").status >= 400);
        const QByteArray unsinn = roh("GARBAGE \x01\x02\x03 HTTP/9.9\r\n\r\n");
        QVERIFY2(unsinn.isEmpty() || unsinn.startsWith("HTTP/1.1 400"), unsinn.constData());
        roh(QByteArray(64 * 1024, 'A'));
        roh("GET / HTTP/1.1\r\nHost: x\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
            "Sec-WebSocket-Version: 13\r\n\r\n");  // no key: no viewer
        QCOMPARE(m_stand->zuschauer(), 0);

        // 50 viewers; the 51st is told and sent away, and the page says so too.
        QVector<QStringList> post(LiveStand::maxZuschauer + 1);
        QVector<QWebSocket*> alle;
        for (int i = 0; i < LiveStand::maxZuschauer; ++i) alle << zuschauer(post[i]);
        QTRY_COMPARE_WITH_TIMEOUT(m_stand->zuschauer(), LiveStand::maxZuschauer, 20000);
        QWebSocket* zuViel = zuschauer(post.last());
        QSignalSpy weg(zuViel, &QWebSocket::disconnected);
        QTRY_VERIFY(!weg.isEmpty());
        QVERIFY(post.last().value(0).contains("zu viele Zuschauer"));
        const Antwort seite = hole("/");
        QCOMPARE(seite.status, 503);
        QVERIFY(seite.inhalt.contains("zu viele Zuschauer"));

        // What a viewer sends is ignored; an oversized message costs it the connection.
        alle[0]->sendTextMessage(QStringLiteral("{\"rennen\":\"gehackt\"}"));
        alle[1]->sendTextMessage(QString(4096, QLatin1Char('x')));
        QTRY_COMPARE(m_stand->zuschauer(), LiveStand::maxZuschauer - 1);
        QCOMPARE(m_stand->standJson(), vorher);
        QCOMPARE(hole("/api/stand").inhalt, vorher);
        // A viewer that stops reading is dropped; the others keep getting the standings.
        for (QWebSocket* w : alle) w->abort();
        QTRY_COMPARE(m_stand->zuschauer(), 0);
        QTcpSocket faul;
        faul.setReadBufferSize(1024);  // reads nothing more once that is full
        faul.connectToHost(QHostAddress::LocalHost, m_stand->port());
        QVERIFY(faul.waitForConnected(5000));
        faul.write("GET /ws HTTP/1.1\r\nHost: x\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                   "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
        QTRY_COMPARE(m_stand->zuschauer(), 1);
        QStringList fleissig;
        zuschauer(fleissig);
        QTRY_COMPARE(m_stand->zuschauer(), 2);
        Hauptanzeige& anzeige = *m_start->anzeige();
        anzeige.setVisible(Hauptanzeige::lblWeiter, true);
        const QString viel(8000, QLatin1Char('#'));
        for (int i = 0; i < 5000 && m_stand->zuschauer() == 2; ++i) {
            anzeige.setCaption(Hauptanzeige::lblWeiter, viel + QString::number(i));
            QCoreApplication::processEvents();
        }
        QCOMPARE(m_stand->zuschauer(), 1);
        const int bisher = fleissig.size();
        anzeige.setCaption(Hauptanzeige::lblWeiter, QStringLiteral("Pause"));
        QTRY_VERIFY(fleissig.size() > bisher);
        QTRY_COMPARE(json(fleissig.last())["hinweis"].toString(), QStringLiteral("Pause"));
        anzeige.setCaption(Hauptanzeige::lblWeiter, QString());

        // A free place takes a new viewer again.
        QStringList neu;
        zuschauer(neu);
        QTRY_COMPARE(neu.size(), 1);
        QCOMPARE(json(neu.first())["bahnen"].toArray().size(), 4);
    }
};

QTEST_MAIN(TestLiveStand)
#include "tst_livestand.moc"
