#pragma once
// Headless Chromium driven over its DevTools port, for tests of the live scoreboard's page:
// one page whose state the test reads with JavaScript expressions. Loopback addresses only.

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

// Headless Chromium with its DevTools port, and one page in it whose state the test reads.
class Browser {
public:
    QTemporaryDir profil;
    QProcess prozess;
    QWebSocket seite;
    int naechsteId = 1;

    // fenster: the window's size as Chromium takes it ("390,844"); empty: its default.
    bool oeffne(const QString& chromium, const QString& url, const QString& fenster = QString()) {
        QStringList argumente{"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                              "--user-data-dir=" + profil.path(), "--remote-debugging-port=0",
                              "--remote-allow-origins=*"};
        if (!fenster.isEmpty()) argumente << "--window-size=" + fenster;
        prozess.start(chromium, argumente << url);
        if (!prozess.waitForStarted()) return false;
        // Chromium writes the port it took into the profile.
        QFile port(profil.filePath("DevToolsActivePort"));
        QElapsedTimer t;
        t.start();
        while (!port.exists() && t.elapsed() < 30000) QTest::qWait(50);
        if (!port.open(QIODevice::ReadOnly)) return false;
        const int devtools = port.readLine().trimmed().toInt();
        QNetworkAccessManager netz;
        QString ziel;
        while (ziel.isEmpty() && t.elapsed() < 30000) {
            QNetworkReply* r = netz.get(
                QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/json/list").arg(devtools))));
            QSignalSpy fertig(r, &QNetworkReply::finished);
            fertig.wait(5000);
            for (const QJsonValue& v : QJsonDocument::fromJson(r->readAll()).array())
                if (v[QLatin1String("type")].toString() == QLatin1String("page"))
                    ziel = v[QLatin1String("webSocketDebuggerUrl")].toString();
            r->deleteLater();
            if (ziel.isEmpty()) QTest::qWait(100);
        }
        if (ziel.isEmpty()) return false;
        QSignalSpy offen(&seite, &QWebSocket::connected);
        seite.open(QUrl(ziel));
        return offen.wait(10000);
    }
    // Sends a DevTools command to the page; its result (empty after 10 s without answer).
    QJsonObject befehl(const QString& methode, const QJsonObject& parameter) {
        const int id = naechsteId++;
        QJsonObject ergebnis;
        bool da = false;
        const auto verbindung = QObject::connect(
            &seite, &QWebSocket::textMessageReceived, [&](const QString& text) {
                const QJsonObject o = QJsonDocument::fromJson(text.toUtf8()).object();
                if (o[QLatin1String("id")].toInt() != id) return;
                ergebnis = o[QLatin1String("result")].toObject();
                da = true;
            });
        const QJsonObject b{{"id", id}, {"method", methode}, {"params", parameter}};
        seite.sendTextMessage(QString::fromUtf8(QJsonDocument(b).toJson()));
        QElapsedTimer t;
        t.start();
        while (!da && t.elapsed() < 10000) QTest::qWait(20);
        QObject::disconnect(verbindung);
        return ergebnis;
    }
    // The value of a JavaScript expression on the page ("" when it cannot be read).
    QString werte(const QString& ausdruck) {
        return befehl("Runtime.evaluate",
                      QJsonObject{{"expression", ausdruck}, {"returnByValue", true}})
            [QLatin1String("result")][QLatin1String("value")]
                .toString();
    }
    // Shows the page in a window of that size, a phone's when mobil (Chromium's own windows
    // are at least 500 pixels wide).
    bool groesse(int breite, int hoehe, bool mobil) {
        befehl("Emulation.setDeviceMetricsOverride",
               {{"width", breite},
                {"height", hoehe},
                {"screenWidth", breite},
                {"screenHeight", hoehe},
                {"deviceScaleFactor", 1},
                {"mobile", mobil}});
        return warteAuf("screen.width + 'x' + screen.height",
                        QStringLiteral("%1x%2").arg(breite).arg(hoehe), 10000) >= 0;
    }
    // A picture of the page as it is shown now, written as PNG.
    bool bild(const QString& datei) {
        const QByteArray png = QByteArray::fromBase64(
            befehl("Page.captureScreenshot", {})[QLatin1String("data")].toString().toLatin1());
        QFile f(datei);
        return !png.isEmpty() && f.open(QIODevice::WriteOnly) && f.write(png) == png.size();
    }
    // Waits until the expression yields that value; how long it took, or -1.
    qint64 warteAuf(const QString& ausdruck, const QString& erwartet, int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            if (werte(ausdruck) == erwartet) return t.elapsed();
            QTest::qWait(100);
        }
        return -1;
    }
    ~Browser() {
        prozess.kill();
        prozess.waitForFinished(10000);
    }
};
