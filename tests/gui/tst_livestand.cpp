// The live scoreboard on the loopback address through a race by laps: the page and the JSON,
// a viewer's WebSocket that receives the standings after every counted lap, the page in
// headless Chromium upright on a phone and wide on a laptop, the 51st viewer and the fifth
// window of one address turned away, requests and frames that must change nothing, and
// attacks that must not make the program hold memory or connections.

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

#include "Browserseite.h"
#include "ProgrammTest.h"
#include "TestHelfer.h"
#include "config/DebugLog.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "data/Datenbank.h"
#include "engine/Hauptanzeige.h"
#include "engine/Rennleitung.h"
#include "engine/SlotWerte.h"
#include "engine/ZeitnahmeStatus.h"
#include "uebertragung/LiveStand.h"
#include "ui/LiveStandFeld.h"
#include "ui/ProgrammStart.h"
#include "ui/SlotAnzeige.h"
#include "ui/frmMain.h"
#include "ui/frmSimulation.h"

namespace {
struct Antwort {
    int status = 0;
    QByteArray art, inhalt;
    qint64 laenge = -1;
};

qint64 rssKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& z : f.readAll().split('\n'))
        if (z.startsWith("VmRSS:")) return z.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// Where the page's rows lie in a window %1 pixels wide: "" when every driver's name has room
// (at least a quarter of the width, or all of it) and laps and times lie inside the window,
// else what does not. (A phone zooms out when the page is too wide: the width is given.)
const char* const kLage = R"((() => {
  const b = %1, fehler = [];
  if (document.documentElement.scrollWidth > b) fehler.push("breiter als das Fenster");
  for (const li of document.querySelectorAll("li[data-bahn]")) {
    const name = li.querySelector(".fahrer"), r = name.getBoundingClientRect();
    if (r.width < b / 4 && name.scrollWidth > name.clientWidth)
      fehler.push("Name Bahn " + li.dataset.bahn + " " + Math.round(r.width) + " px");
    for (const k of [".runden", ".letzte", ".beste", ".abstand"]) {
      const q = li.querySelector(k).getBoundingClientRect();
      if (q.width === 0 || q.left < 0 || q.right > b) fehler.push(k + " Bahn " + li.dataset.bahn);
    }
  }
  return fehler.join(", ");
})())";
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
        a.laenge = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        reply->deleteLater();
        return a;
    }
    // Raw bytes to the server; what comes back before it closes, or has answered and then
    // stays quiet (the server runs in this thread: the wait lets it work).
    QByteArray roh(const QByteArray& bytes) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, m_stand->port());
        s.write(bytes);
        QByteArray zurueck;
        QElapsedTimer gesamt, still;
        gesamt.start();
        still.start();
        while (s.state() != QAbstractSocket::UnconnectedState && gesamt.elapsed() < 10000 &&
               (zurueck.isEmpty() || still.elapsed() < 300)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (s.bytesAvailable() > 0) {
                zurueck += s.readAll();
                still.restart();
            }
        }
        return zurueck + s.readAll();
    }
    // The WebSocket request a page of this server makes (with another origin: another site's).
    QByteArray handschlag(const QByteArray& herkunft = QByteArray()) const {
        const QByteArray host = basis().toLatin1();
        return "GET /ws HTTP/1.1\r\nHost: " + host + "\r\nOrigin: " +
               (herkunft.isEmpty() ? "http://" + host : herkunft) +
               "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
               "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n";
    }
    // Connections that send their head and then menge bytes as fast as the server takes them,
    // never holding more than 256 KiB unsent; what each got back before it was closed.
    QVector<QByteArray> flut(const QVector<QByteArray>& koepfe, qint64 menge) {
        std::vector<std::unique_ptr<QTcpSocket>> s;
        QVector<qint64> rest;
        QVector<QByteArray> zurueck(koepfe.size());
        for (const QByteArray& kopf : koepfe) {
            s.push_back(std::make_unique<QTcpSocket>());
            s.back()->connectToHost(QHostAddress::LocalHost, m_stand->port());
            s.back()->write(kopf);
            rest << menge;
        }
        const QByteArray stueck(64 * 1024, 'a');
        QElapsedTimer t;
        t.start();
        for (bool offen = true; offen && t.elapsed() < 120000;) {
            offen = false;
            for (size_t i = 0; i < s.size(); ++i) {
                zurueck[qsizetype(i)] += s[i]->readAll();
                if (s[i]->state() == QAbstractSocket::UnconnectedState) continue;
                offen = true;
                if (rest[qsizetype(i)] > 0 && s[i]->bytesToWrite() < 256 * 1024) {
                    s[i]->write(stueck);
                    rest[qsizetype(i)] -= stueck.size();
                }
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        for (size_t i = 0; i < s.size(); ++i) zurueck[qsizetype(i)] += s[i]->readAll();
        return zurueck;
    }
    QWebSocket* zuschauer(QStringList& nachrichten) {
        // A browser sends the page's origin; the server wants it.
        auto* ws = new QWebSocket(QStringLiteral("http://") + basis(),
                                  QWebSocketProtocol::VersionLatest, this);
        connect(ws, &QWebSocket::textMessageReceived, this,
                [&nachrichten](const QString& t) { nachrichten << t; });
        ws->open(QUrl(QStringLiteral("ws://") + basis() + QStringLiteral("/ws")));
        return ws;
    }
    static QByteArray kopf(const QByteArray& antwort) {
        return antwort.left(antwort.indexOf("\r\n\r\n") + 2);
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

        findeIn<QComboBox>(f(), "cbRAuswahl")->setCurrentIndex(3);
        emit findeIn<QComboBox>(f(), "cbRAuswahl")->activated(3);
        leitung().setzeGrenze("5");
        leitung().Grenze_Validate();
        leitung().RennNameSetzen("Vereinsabend");
        findeIn<QPushButton>(f(), "Command2")->click();
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
        // No timing interface behind the test: the laps come from the simulation.
        QCOMPARE(s["zeitnahme"]["zustand"].toString(), QStringLiteral("simuliert"));

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
        // The page as headless Chromium shows it after laps (fetch and WebSocket included),
        // upright on a phone and wide on a laptop, with a long name on lane 3.
        const QString chromium = QStandardPaths::findExecutable("chromium");
        if (chromium.isEmpty()) QSKIP("chromium fehlt");
        const QString lang = QStringLiteral("Maximilian Schmidt-Hohenberg");
        QCOMPARE(lang.size(), 28);
        m_start->datenbank()->execute(QStringLiteral("update positionen set fahrer=? where bahn=3"),
                                      {lang});
        leitung().MyInit();
        findeIn<QComboBox>(f(), "cbRAuswahl")->setCurrentIndex(3);
        emit findeIn<QComboBox>(f(), "cbRAuswahl")->activated(3);
        leitung().setzeGrenze("10");
        leitung().Grenze_Validate();
        leitung().RennNameSetzen("Vereinsabend");
        findeIn<QPushButton>(f(), "Command2")->click();
        while (leitung().zustand().AmpelPhase != 6) QVERIFY(m_uhr->naechsterTimer(2100));
        f()->zeigeSimulation();
        frmSimulation* sim = f()->simulation();
        for (int runde = 0; runde <= 3; ++runde)
            for (int knopf : {2, 0, 1, 3}) {
                QTest::mouseClick(sim->knopf(knopf), Qt::LeftButton);
                m_uhr->vorruecken(400);
            }
        // The timing interface lost its cable: the JSON and the page say so.
        ZeitnahmeStatus zeitnahme(leitung().zustand(), *m_rueckfrage);
        zeitnahme.setze(Zeitnahme::Status::VerbindungVerloren,
                        QStringLiteral("COM1 (/dev/ttyUSB0): Eingabe-/Ausgabefehler"));
        zeitnahme.setzeSchnittstelle(QStringLiteral("COM1/COM2"));
        m_stand->setzeZeitnahme(&zeitnahme);
        const QJsonObject zn = QJsonDocument::fromJson(hole("/api/stand").inhalt)["zeitnahme"].toObject();
        QCOMPARE(zn["zustand"].toString(), QStringLiteral("Verbindung verloren"));
        QCOMPARE(zn["grund"].toString(), zeitnahme.grund());
        QCOMPARE(zn["schnittstelle"].toString(), QStringLiteral("COM1/COM2"));

        const QString url = QStringLiteral("http://") + basis() + "/";
        const QString bild = qEnvironmentVariable("LIVESTAND_BILD");
        for (const QSize fenster : {QSize(390, 844), QSize(1280, 720), QSize(1024, 768)}) {
            Browser b;
            QVERIFY(b.oeffne(chromium, url));
            QVERIFY(b.groesse(fenster.width(), fenster.height(), fenster.width() < 500));
            QVERIFY2(b.warteAuf("String(document.querySelectorAll('li[data-bahn]').length)", "4",
                                20000) >= 0,
                     qPrintable(b.werte("document.body.innerText")));
            const QString dom = b.werte("document.body.innerText");
            QVERIFY2(dom.contains("Vereinsabend"), qPrintable(dom.left(400)));
            QVERIFY(dom.contains("noch 7 Runden"));
            QVERIFY(dom.contains(lang));
            QVERIFY(dom.contains("Führung"));
            QVERIFY(dom.contains("+0,400"));
            QVERIFY2(dom.contains("Zeitnahme: Verbindung verloren (COM1/COM2) – COM1 "
                                  "(/dev/ttyUSB0)"),
                     qPrintable(dom.left(600)));
            // Lane 3 crossed first each time and leads; lane 4 is last.
            QCOMPARE(b.werte("[...document.querySelectorAll('li[data-bahn]')]"
                             ".map(li => li.dataset.bahn).join()"),
                     QStringLiteral("3,1,2,4"));
            const QString format = QStringLiteral("%1x%2").arg(fenster.width()).arg(fenster.height());
            const QString lage = QString::fromLatin1(kLage).arg(fenster.width());
            QVERIFY2(b.werte(lage).isEmpty(), qPrintable(format + ": " + b.werte(lage)));
            if (!bild.isEmpty())
                QVERIFY(b.bild(QString(bild).replace(".png", "-" + format + ".png")));
        }
        m_stand->setzeZeitnahme(nullptr);

        // A page turned away says why for as long as it waits, and waits longer each time.
        m_stand->setzePlaetzeJeAdresse(0);
        Browser b;
        QVERIFY(b.oeffne(chromium, url));
        QVERIFY(b.groesse(390, 844, true));
        const QString pause = QStringLiteral(
            "(() => { const t = document.getElementById('verbindung').textContent;"
            " const m = t.match(/Neuer Versuch in (\\d+) s/);"
            " return t.startsWith('Leider zu viele Fenster auf diesem Gerät.') && m ? m[1] : t; })()");
        QVERIFY2(b.warteAuf(pause, "2", 20000) >= 0, qPrintable(b.werte(pause)));
        QVERIFY2(b.warteAuf(pause, "4", 20000) >= 0, qPrintable(b.werte(pause)));
        if (!bild.isEmpty()) QVERIFY(b.bild(QString(bild).replace(".png", "-abgewiesen.png")));
        QCOMPARE(m_stand->zuschauer(), 0);
    }

    void nurLesenUndBegrenzt() {
        const QByteArray vorher = m_stand->standJson();
        // Requests that are not reads of the two addresses change nothing.
        QCOMPARE(hole("/nichts").status, 404);
        QCOMPARE(hole("/api/stand/../../etc/passwd").status, 404);
        QVERIFY(hole("/api/stand", "POST").status >= 400);
        QVERIFY(hole("/", "DELETE").status >= 400);
        const QByteArray unsinn = roh("GARBAGE \x01\x02\x03 HTTP/9.9\r\n\r\n");
        QVERIFY2(unsinn.startsWith("HTTP/1.1 400"), unsinn.constData());
        // A head that does not end is refused at the limit, not read on.
        QVERIFY(roh(QByteArray(64 * 1024, 'A')).startsWith("HTTP/1.1 431"));
        roh("GET / HTTP/1.1\r\nHost: x\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
            "Sec-WebSocket-Version: 13\r\n\r\n");  // no key: no viewer
        QCOMPARE(m_stand->zuschauer(), 0);
        // HEAD: the head of GET without its body.
        for (const char* pfad : {"/", "/api/stand"}) {
            const Antwort get = hole(pfad), kopf = hole(pfad, "HEAD");
            QCOMPARE(kopf.status, 200);
            QCOMPARE(kopf.art, get.art);
            QCOMPARE(kopf.laenge, get.inhalt.size());
            QVERIFY(kopf.inhalt.isEmpty());
        }
        // No server name or version and no CORS for everybody; the page runs its own script only.
        const QByteArray seitenKopf =
            kopf(roh("GET / HTTP/1.1\r\nHost: " + basis().toLatin1() + "\r\nConnection: close\r\n\r\n"));
        QVERIFY2(seitenKopf.startsWith("HTTP/1.1 200"), seitenKopf.constData());
        QVERIFY(seitenKopf.contains("\r\nX-Content-Type-Options: nosniff\r"));
        QVERIFY(seitenKopf.contains("\r\nContent-Security-Policy: default-src 'none'; script-src 'sha256-"));
        const QByteArray handschlagKopf = kopf(roh(handschlag()));
        QVERIFY2(handschlagKopf.startsWith("HTTP/1.1 101"), handschlagKopf.constData());
        for (const QByteArray& k : {seitenKopf, handschlagKopf}) {
            QVERIFY2(!k.contains("Access-Control-Allow-Origin: *"), k.constData());
            QVERIFY2(!QRegularExpression(QStringLiteral("\nServer:[^\r]*\\d")).match(QString::fromLatin1(k)).hasMatch(),
                     k.constData());
        }
        // A page of another site that a viewer has open gets no socket.
        QVERIFY(roh(handschlag("http://example.org")).startsWith("HTTP/1.1 403"));
        QTRY_COMPARE(m_stand->zuschauer(), 0);

        // One address takes a few places; its next window is told why.
        QVector<QStringList> post(LiveStand::maxZuschauer + 1);
        QVector<QWebSocket*> alle;
        for (int i = 0; i < LiveStand::plaetzeJeAdresse; ++i) alle << zuschauer(post[i]);
        QTRY_COMPARE(m_stand->zuschauer(), LiveStand::plaetzeJeAdresse);
        QStringList mehr;
        QSignalSpy abgewiesen(zuschauer(mehr), &QWebSocket::disconnected);
        QTRY_VERIFY(!abgewiesen.isEmpty());
        QCOMPARE(mehr, QStringList{"{\"fehler\":\"zu viele Fenster auf diesem Gerät\"}"});
        QCOMPARE(m_stand->zuschauer(), LiveStand::plaetzeJeAdresse);

        // 50 viewers (a room full of phones, played from one address); the 51st is told and
        // sent away, and the page says so too.
        m_stand->setzePlaetzeJeAdresse(LiveStand::maxZuschauer + 1);
        for (int i = LiveStand::plaetzeJeAdresse; i < LiveStand::maxZuschauer; ++i) {
            alle << zuschauer(post[i]);
            QTRY_COMPARE(m_stand->zuschauer(), i + 1);
        }
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
        faul.write(handschlag());
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

    void angriffeKostenKeinenSpeicher() {
        const qint64 anfang = rssKb();
        // Five bodies of 200 MB at once to an unknown address, and a header line of 200 MB:
        // refused when the head says so or the limit is reached, nothing of the rest is kept.
        const qint64 mb200 = 200LL * 1024 * 1024;
        QVector<QByteArray> koepfe(5, "POST /irgendwo HTTP/1.1\r\nHost: x\r\nContent-Length: " +
                                          QByteArray::number(mb200) + "\r\n\r\n");
        koepfe << "GET / HTTP/1.1\r\nHost: x\r\nX-Lang: ";
        const QVector<QByteArray> zurueck = flut(koepfe, mb200);
        for (int i = 0; i < 5; ++i)
            QVERIFY2(zurueck[i].startsWith("HTTP/1.1 413"), zurueck[i].left(80).constData());
        QVERIFY2(zurueck[5].startsWith("HTTP/1.1 431"), zurueck[5].left(80).constData());
        const qint64 nachFlut = rssKb();

        // Windows turned away are freed: 10,000 of them (four places are taken by this
        // address) leave the memory where the first thousand left it.
        QVector<QStringList> post(LiveStand::plaetzeJeAdresse);
        for (QStringList& p : post) zuschauer(p);
        QTRY_COMPARE(m_stand->zuschauer(), LiveStand::plaetzeJeAdresse);
        const auto abweisen = [&](int anzahl) {
            int gesagt = 0;
            // In batches below the connections one address may open at once.
            for (int n = 0; n < anzahl; n += 10) {
                std::vector<std::unique_ptr<QTcpSocket>> schub;
                for (int i = 0; i < 10; ++i) {
                    schub.push_back(std::make_unique<QTcpSocket>());
                    schub.back()->connectToHost(QHostAddress::LocalHost, m_stand->port());
                    schub.back()->write(handschlag());
                }
                QElapsedTimer t;
                t.start();
                while (t.elapsed() < 20000 &&
                       std::any_of(schub.begin(), schub.end(), [](const auto& s) {
                           return s->state() != QAbstractSocket::UnconnectedState;
                       }))
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                for (auto& s : schub)
                    gesagt += s->readAll().contains("zu viele Fenster auf diesem Ger") ? 1 : 0;
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            return gesagt;
        };
        QCOMPARE(abweisen(1000), 1000);
        const qint64 vorher = rssKb();
        QCOMPARE(abweisen(9000), 9000);
        const qint64 nachher = rssKb();
        QCOMPARE(m_stand->zuschauer(), LiveStand::plaetzeJeAdresse);
        qInfo("RSS: %lld kB am Anfang, %lld kB nach den Fluten, %lld kB nach 1000 und %lld kB "
              "nach 10000 Abweisungen",
              anfang, nachFlut, vorher, nachher);
        QVERIFY2(nachFlut - anfang < 32 * 1024, qPrintable(QString::number(nachFlut - anfang)));
        QVERIFY2(nachher - vorher < 2 * 1024, qPrintable(QString::number(nachher - vorher)));

        // Connections that send nothing: one address holds a few of them, and those only until
        // their time is up.
        m_netz.clearConnectionCache();
        std::vector<std::unique_ptr<QTcpSocket>> still;
        for (int i = 0; i < 2 * LiveStandServer::verbindungenJeAdresse; ++i) {
            still.push_back(std::make_unique<QTcpSocket>());
            still.back()->connectToHost(QHostAddress::LocalHost, m_stand->port());
            QVERIFY(still.back()->waitForConnected(5000));
        }
        QTRY_COMPARE(m_stand->verbindungen(), LiveStandServer::verbindungenJeAdresse);
        const auto offen = [&] {
            return std::count_if(still.begin(), still.end(), [](const auto& s) {
                return s->state() == QAbstractSocket::ConnectedState;
            });
        };
        QTRY_COMPARE(offen(), LiveStandServer::verbindungenJeAdresse);
        m_uhr->vorruecken(LiveStandServer::fristMs + 1000);
        QCOMPARE(m_stand->verbindungen(), 0);
        QTRY_COMPARE(offen(), 0);
        // The viewers are still there.
        QCOMPARE(m_stand->zuschauer(), LiveStand::plaetzeJeAdresse);
    }
};

QTEST_MAIN(TestLiveStand)
#include "tst_livestand.moc"
