// Two tracks of a slot-car centre, each its own real program with a DS300 counter on a
// pseudo-terminal, publish to one real Mosquitto broker. A subscriber sees every lap of both
// exactly once and, joining later, the retained standings and status of each; the lobby board
// in headless Chromium shows both tracks side by side through the broker's WebSocket
// listener, and the streaming overlay follows one of them. The broker is stopped in the
// middle of the race: the race goes on, and once the broker is back the program publishes the
// standings as they are then, without being asked.

#include <QJsonArray>

#include "Browserseite.h"
#include "DSRahmen.h"
#include "MqttBroker.h"
#include "TestPty.h"
#include "ZaehlerProgramm.h"

using namespace ZaehlerProgramm;

namespace {

// One track: its program, its counter's line and what the counter counted per lane.
struct Bahn {
    EchtesProgramm p;
    PtyPaar pty;
    quint16 live = 0;
    QString thema;
    unsigned char folge = 0;
    int gezaehlt[5] = {0, 0, 0, 0, 0};

    unsigned char naechste() { return folge = folge == 255 ? 1 : folge + 1; }
    void runde(int bahn) {
        const int n = ++gezaehlt[bahn];
        pty.schreibe(DSRahmen::runde(naechste(), bahn, n, n == 1 ? 0 : 50000 + bahn * 1000, true));
    }
    // The first crossing of a lane starts its first lap.
    QMap<int, int> soll() const {
        return {{1, gezaehlt[1] - 1}, {2, gezaehlt[2] - 1}, {3, gezaehlt[3] - 1}, {4, gezaehlt[4] - 1}};
    }
    // The laps per lane the program counted, read from its live standings.
    QMap<int, int> gezaehlteRunden() {
        pty.lies();
        return runden(apiStand(live));
    }
};

QJsonObject json(const QByteArray& d) { return QJsonDocument::fromJson(d).object(); }

// The newest message on the topic ("" when none came).
QByteArray letzte(MqttAbonnent& a, const QString& thema) {
    const auto liste = a.auf(thema);
    return liste.isEmpty() ? QByteArray() : liste.last().daten;
}

}  // namespace

class TestMqttLobby : public QObject {
    Q_OBJECT

private slots:
    void zweiBahnenImFoyer() {
        MqttBroker broker;
        QVERIFY2(broker.richteEin(), qPrintable(broker.fehler));
        QVERIFY2(broker.starte(), qPrintable(broker.fehler));
        MqttAbonnent alle(broker.tcpPort, {"pistorelle/#"});
        QVERIFY(alle.ok());
        QTRY_COMPARE_WITH_TIMEOUT(alle.verbunden(), 1, 10000);

        Bahn bahnen[2];
        for (int i = 0; i < 2; ++i) {
            Bahn& b = bahnen[i];
            QVERIFY(b.pty.ok());
            fcntl(b.pty.master, F_SETFD, FD_CLOEXEC);
            b.live = freierPort();
            b.thema = QStringLiteral("pistorelle/bahn%1").arg(i + 1);
            richteEin(b.p, b.pty.pfad, b.live,
                      {{"NachlaufZeit", "500"},
                       {"MqttAn", "1"},
                       {"MqttPort", QString::number(broker.tcpPort)},
                       {"MqttThema", b.thema + "/"}});
            b.p.starte();
            QVERIFY2(b.p.haeltOffen(b.pty.pfad), "the program does not open the counter's port");
        }
        for (Bahn& b : bahnen) {
            QTRY_COMPARE_WITH_TIMEOUT(zustand(apiStand(b.live)), QStringLiteral("aktiv"), 10000);
            QTRY_COMPARE_WITH_TIMEOUT(letzte(alle, b.thema + "/status"), QByteArray("online"), 10000);
            // The counter starts the race and turns it green.
            b.pty.schreibe(DSRahmen::start(b.naechste(), 0x3A));
            b.pty.schreibe(DSRahmen::status(b.naechste(), 0xA2));
            b.pty.schreibe(DSRahmen::status(b.naechste(), 0xA3));
            // Green: the ten minutes of practice run down.
            QTRY_VERIFY_WITH_TIMEOUT(json(letzte(alle, b.thema + "/stand"))["laeuft"].toBool() &&
                                         json(letzte(alle, b.thema + "/stand"))["uhr"].toString().startsWith("00:09:"),
                                     10000);
        }

        // Three laps on every lane of both tracks, the tracks' laps interleaved.
        for (int r = 0; r < 4; ++r)
            for (int bahn = 1; bahn <= 4; ++bahn)
                for (Bahn& b : bahnen) b.runde(bahn);
        for (Bahn& b : bahnen) {
            QTRY_COMPARE_WITH_TIMEOUT(b.gezaehlteRunden(), b.soll(), 10000);
            // Every lap once, with what a board needs; then the standings that hold all of them.
            QTRY_COMPARE_WITH_TIMEOUT(alle.auf(b.thema + "/runde").size(), 12, 10000);
            QSet<QPair<int, int>> gesehen;
            for (const auto& n : alle.auf(b.thema + "/runde")) {
                const QJsonObject o = json(n.daten);
                QVERIFY(!n.behalten);
                QVERIFY(gesehen.insert({o["bahn"].toInt(), o["runde"].toInt()}) != gesehen.end());
                QCOMPARE(o["fahrer"].toString(), QStringLiteral("Fahrer %1").arg(o["bahn"].toInt()));
                QCOMPARE(o["auto"].toString(), QStringLiteral("Auto %1").arg(o["bahn"].toInt()));
                QVERIFY(o["runde"].toInt() >= 1 && o["runde"].toInt() <= 3);
                QCOMPARE(o["zeit"].toInt(), 5000 + 100 * o["bahn"].toInt());
                QVERIFY(o["gesamtZeit"].toInt() >= o["zeit"].toInt());
                QVERIFY(QTime::fromString(o["uhrzeit"].toString(), "HH:mm:ss").isValid());
                QVERIFY(o.contains("vermerk"));
            }
            QCOMPARE(gesehen.size(), 12);
            QTRY_COMPARE_WITH_TIMEOUT(runden(json(letzte(alle, b.thema + "/stand"))), b.soll(), 10000);
        }

        // A board that joins now gets each track's standings and status at once (retained),
        // the standings in the very form of /api/stand.
        {
            MqttAbonnent spaet(broker.tcpPort, {"pistorelle/+/stand", "pistorelle/+/status"});
            for (Bahn& b : bahnen) {
                QTRY_VERIFY_WITH_TIMEOUT(!spaet.auf(b.thema + "/stand").isEmpty() &&
                                             !spaet.auf(b.thema + "/status").isEmpty(),
                                         10000);
                const auto stand = spaet.auf(b.thema + "/stand");
                QVERIFY(stand.first().behalten);
                // The clock runs on, the lanes stand still.
                QCOMPARE(json(stand.first().daten)["bahnen"], apiStand(b.live)["bahnen"]);
                QCOMPARE(json(stand.first().daten)["rennen"], apiStand(b.live)["rennen"]);
                QVERIFY(spaet.auf(b.thema + "/status").first().behalten);
                QCOMPARE(spaet.auf(b.thema + "/status").first().daten, QByteArray("online"));
            }
        }

        // The lobby board over the WebSocket listener: both tracks, side by side, with their
        // kind of run and every lane.
        const QString chromium = QStandardPaths::findExecutable("chromium");
        QVERIFY2(!chromium.isEmpty(), "chromium is not installed (build.sh installs it)");
        {
            Browser lobby;
            const QString url = QStringLiteral("http://127.0.0.1:%1/lobby?broker=ws://127.0.0.1:%2")
                                    .arg(bahnen[0].live)
                                    .arg(broker.wsPort) +
                                "&thema=pistorelle/%2B/stand";
            QVERIFY(lobby.oeffne(chromium, url, "1280,720"));
            QVERIFY(lobby.groesse(1280, 720, false));
            const QString spuren =
                "[...document.querySelectorAll('#bahnen section')].map(s => s.dataset.thema + ':' + "
                "s.querySelector('.rennen').textContent.split(' · ')[0] + ':' + "
                "s.querySelectorAll('li').length + ':' + s.querySelector('.status').textContent)"
                ".join(',')";
            QVERIFY2(lobby.warteAuf(spuren,
                                    "pistorelle/bahn1:Training:4:online,pistorelle/bahn2:Training:4:online",
                                    20000) >= 0,
                     qPrintable(lobby.werte(spuren)));
            // Side by side at 1280 pixels: the second track's box starts right of the first.
            QVERIFY(lobby.werte("(() => { const s = document.querySelectorAll('#bahnen section');"
                                " return String(s[1].getBoundingClientRect().left > "
                                "s[0].getBoundingClientRect().right - 1 && "
                                "s[1].getBoundingClientRect().top === s[0].getBoundingClientRect().top); })()") ==
                    "true");
            // The overlay, following track 1 through the broker: two places as asked, on a
            // transparent page.
            Browser overlay;
            QVERIFY(overlay.oeffne(chromium,
                                   QStringLiteral("http://127.0.0.1:%1/overlay?plaetze=2&broker=ws://"
                                                  "127.0.0.1:%2&thema=pistorelle/bahn1")
                                       .arg(bahnen[0].live)
                                       .arg(broker.wsPort),
                                   "1280,720"));
            const QString plaetze =
                "[...document.querySelectorAll('#plaetze tr')].map(z => z.cells[2].textContent + "
                "':' + z.cells[3].textContent).join(',')";
            QVERIFY2(overlay.warteAuf(plaetze, "Fahrer 1:3,Fahrer 2:3", 20000) >= 0,
                     qPrintable(overlay.werte(plaetze)));
            QCOMPARE(overlay.werte("getComputedStyle(document.body).backgroundColor"),
                     QStringLiteral("rgba(0, 0, 0, 0)"));
            if (const QString bild = qEnvironmentVariable("MQTT_BILD"); !bild.isEmpty()) {
                lobby.bild(bild + "-lobby.png");
                Browser gross;
                QVERIFY(gross.oeffne(chromium,
                                       QStringLiteral("http://127.0.0.1:%1/overlay?plaetze=3&schrift=28")
                                           .arg(bahnen[0].live),
                                       "1920,1080"));
                gross.befehl("Emulation.setDefaultBackgroundColorOverride",
                             {{"color", QJsonObject{{"r", 0}, {"g", 0}, {"b", 0}, {"a", 0}}}});
                gross.warteAuf("String(document.querySelectorAll('#plaetze tr').length)", "3", 10000);
                gross.bild(bild + "-overlay.png");
            }
        }

        // The broker goes away in the middle of the race: the race goes on.
        broker.stoppe();
        for (int bahn = 1; bahn <= 4; ++bahn)
            for (Bahn& b : bahnen) b.runde(bahn);
        for (Bahn& b : bahnen) QTRY_COMPARE_WITH_TIMEOUT(b.gezaehlteRunden(), b.soll(), 10000);
        for (Bahn& b : bahnen) QVERIFY(apiStand(b.live)["laeuft"].toBool());

        // Back on the same ports (a fresh broker that remembers nothing): both programs come
        // back by themselves with "online" and the standings as they are now.
        QVERIFY2(broker.starte(), qPrintable(broker.fehler));
        MqttAbonnent danach(broker.tcpPort, {"pistorelle/+/stand", "pistorelle/+/status"});
        for (Bahn& b : bahnen) {
            QTRY_COMPARE_WITH_TIMEOUT(runden(json(letzte(danach, b.thema + "/stand"))), b.soll(),
                                      20000);
            QTRY_COMPARE_WITH_TIMEOUT(letzte(danach, b.thema + "/status"), QByteArray("online"),
                                      10000);
        }
        // And laps go out again, each once (to the first subscriber, back by itself as well).
        QTRY_COMPARE_WITH_TIMEOUT(alle.verbunden(), 2, 10000);
        alle.leere();
        for (Bahn& b : bahnen) b.runde(2);
        for (Bahn& b : bahnen) {
            QTRY_COMPARE_WITH_TIMEOUT(alle.auf(b.thema + "/runde").size(), 1, 10000);
            QCOMPARE(json(alle.auf(b.thema + "/runde").first().daten)["runde"].toInt(), 5);
        }

        // A program that goes away without a word leaves its last will: "offline".
        bahnen[1].p.toete();
        QTRY_COMPARE_WITH_TIMEOUT(letzte(danach, bahnen[1].thema + "/status"), QByteArray("offline"),
                                  10000);
    }
};

QTEST_MAIN(TestMqttLobby)
#include "tst_mqtt_lobby.moc"
