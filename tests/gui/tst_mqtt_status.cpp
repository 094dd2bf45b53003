// What the race director sees of the MQTT sender: the line on the main window and the debug
// log, against a real Mosquitto broker that wants a password. The page "Übertragung" sets it
// up; a wrong password is named as such; a broker that goes away is reported and tried again
// by itself, and when it is back the line says so and the standings are on the broker again.

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>

#include "MqttBroker.h"
#include "ProgrammTest.h"
#include "uebertragung/MqttSender.h"
#include "ui/MqttFeld.h"
#include "ui/MqttSeite.h"

class TestMqttStatus : public ProgrammTest {
    Q_OBJECT

    QString zeile() {
        auto* feld = f()->findChild<MqttFeld*>();
        return feld && feld->isVisible() ? feld->text() : QString();
    }
    bool rot() {
        auto* feld = f()->findChild<MqttFeld*>();
        return feld && feld->styleSheet().contains(QLatin1String("#b00000"));
    }
    bool imLog(const QString& teil) {
        for (const QString& z : DebugLog::instanz().zeilen())
            if (z.contains(teil)) return true;
        return false;
    }
    // The options page filled in and confirmed, as OK does it.
    void richteEin(quint16 port, const QString& passwort) {
        MqttSeite seite(leitung().einstellungen(), leitung().speicher());
        seite.findChild<QCheckBox*>("MqttAn")->setChecked(true);
        seite.findChild<QLineEdit*>("MqttHost")->setText("127.0.0.1");
        seite.findChild<QSpinBox*>("MqttPort")->setValue(port);
        seite.findChild<QLineEdit*>("MqttThema")->setText("pistorelle/bahn3");
        seite.findChild<QLineEdit*>("MqttBenutzer")->setText("bahn3");
        seite.findChild<QLineEdit*>("MqttPasswort")->setText(passwort);
        seite.speichere();
        MqttFeld::richteEin(*f(), leitung(), *m_start->anzeige());
    }

private slots:
    void init() { neueUmgebung(); }
    void cleanup() { m_start.reset(); }

    void anmeldungAusfallUndRueckkehr() {
        MqttBroker broker;
        QVERIFY2(broker.richteEin("bahn3", "richtig"), qPrintable(broker.fehler));
        QVERIFY2(broker.starte(), qPrintable(broker.fehler));
        starteProgramm();
        DebugLog::instanz().setAktiv(true);
        // Off by default: no line.
        QVERIFY(!f()->findChild<MqttSender*>());
        QVERIFY(zeile().isEmpty());

        const QString wo = QStringLiteral("127.0.0.1:%1").arg(broker.tcpPort);
        richteEin(broker.tcpPort, "falsch");
        // Mosquitto answers a wrong password with "not authorised" (CONNACK 5).
        const QString abgelehnt = QStringLiteral("MQTT: Broker %1 lehnt die Anmeldung ab: nicht "
                                                 "berechtigt (Benutzername und Passwort prüfen)")
                                      .arg(wo);
        QTRY_COMPARE_WITH_TIMEOUT(zeile(), abgelehnt, 10000);
        QVERIFY(rot());
        QVERIFY(imLog(abgelehnt));
        // The settings went into the file for the next start.
        EinstellungsSpeicher gelesen(EinstellungsSpeicher::standardPfad());
        QCOMPARE(gelesen.hole("MqttPasswort"), QStringLiteral("falsch"));
        QCOMPARE(gelesen.hole("MqttAn"), QStringLiteral("1"));

        richteEin(broker.tcpPort, "richtig");
        QCOMPARE(f()->findChildren<MqttSender*>().size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(
            zeile(), QStringLiteral("MQTT: verbunden mit %1, Thema pistorelle/bahn3").arg(wo), 10000);
        QVERIFY(!rot());
        MqttAbonnent leser(broker.tcpPort, {"pistorelle/bahn3/#"}, "bahn3", "richtig");
        QTRY_VERIFY_WITH_TIMEOUT(!leser.auf("pistorelle/bahn3/stand").isEmpty(), 10000);
        QCOMPARE(leser.auf("pistorelle/bahn3/status").last().daten, QByteArray("online"));

        // The broker goes away: the line turns red and says why and when it tries again.
        broker.stoppe();
        QTRY_VERIFY_WITH_TIMEOUT(zeile().startsWith(QStringLiteral("MQTT: Broker %1 nicht erreichbar (").arg(wo)),
                                 10000);
        QVERIFY(rot());
        QVERIFY(zeile().contains(QStringLiteral("neuer Versuch in")));
        QVERIFY(imLog(QStringLiteral("MQTT: Verbindung zum Broker %1 verloren").arg(wo)));

        // Back: connected again by itself, with the standings retained on the new broker.
        QVERIFY2(broker.starte(), qPrintable(broker.fehler));
        QTRY_COMPARE_WITH_TIMEOUT(
            zeile(), QStringLiteral("MQTT: verbunden mit %1, Thema pistorelle/bahn3").arg(wo), 20000);
        MqttAbonnent neu(broker.tcpPort, {"pistorelle/bahn3/stand"}, "bahn3", "richtig");
        QTRY_VERIFY_WITH_TIMEOUT(!neu.auf("pistorelle/bahn3/stand").isEmpty(), 10000);
        QVERIFY(neu.auf("pistorelle/bahn3/stand").first().behalten);

        // Switched off: the sender says goodbye and its line goes.
        leitung().einstellungen().MqttAn = 0;
        MqttFeld::richteEin(*f(), leitung(), *m_start->anzeige());
        QVERIFY(!f()->findChild<MqttSender*>());
        QTRY_VERIFY_WITH_TIMEOUT(zeile().isEmpty(), 5000);
        MqttAbonnent zuletzt(broker.tcpPort, {"pistorelle/bahn3/status"}, "bahn3", "richtig");
        QTRY_VERIFY_WITH_TIMEOUT(!zuletzt.auf("pistorelle/bahn3/status").isEmpty(), 10000);
        QCOMPARE(zuletzt.auf("pistorelle/bahn3/status").last().daten, QByteArray("offline"));
    }
};

QTEST_MAIN(TestMqttStatus)
#include "tst_mqtt_status.moc"
