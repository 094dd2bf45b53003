#pragma once
// Race events to an MQTT broker, for lobby boards over several tracks and audiences of any
// size: the broker carries the viewers, the program sends each message once.
//   <root>/stand   the JSON of /api/stand, retained, after every change (one per event-loop
//                  turn, and only when it differs from the one sent before)
//   <root>/runde   one message per counted lap (not retained)
//   <root>/status  "online" / "offline", retained; "offline" is the last will
// The connection lives on a thread of its own (libmosquitto's client, driven by our loop):
// connecting, reconnecting and writing never hold up the race. A broker that is away is
// tried again, 0.5 s doubling to 8 s; meanwhile nothing is queued, and on the way back the
// current standings are sent. While the broker takes messages slower than they come, at most
// maxOffen are in flight: further laps are dropped (and counted), the standings wait and go
// out as the newest once there is room.

#include <QObject>
#include <QPointer>
#include <memory>

class Hauptanzeige;
class LiveStandDaten;
class Rennleitung;
class ZeitnahmeStatus;
struct Rundeneintrag;

class MqttSender : public QObject {
    Q_OBJECT
public:
    static constexpr int maxOffen = 64;
    static constexpr int ersteWarteMs = 500;
    static constexpr int laengsteWarteMs = 8000;

    struct Verbindung {
        QString host = QStringLiteral("localhost");
        int port = 1883;
        QString thema = QStringLiteral("pistorelle/bahn1");
        QString benutzer;
        QString passwort;
        bool tls = false;
    };
    enum class Zustand { Aus, Verbinde, Verbunden, NichtErreichbar, Verloren, Abgewiesen };

    MqttSender(Rennleitung& leitung, Hauptanzeige& anzeige, QObject* parent = nullptr);
    ~MqttSender() override;

    // The sender as the settings say (MqttAn, MqttHost, ...), started, owned by parent; null
    // when it is switched off.
    static MqttSender* ausEinstellungen(Rennleitung& leitung, Hauptanzeige& anzeige,
                                        QObject* parent, ZeitnahmeStatus* zeitnahme = nullptr);
    void setzeZeitnahme(ZeitnahmeStatus* status);

    void starte(const Verbindung& v);
    // Says "offline" and closes the connection (waits at most about a second for it).
    void beende();

    Zustand zustand() const { return m_zustand; }
    // The line the main window shows ("MQTT: verbunden mit …").
    QString text() const { return m_text; }
    int gesendeteRunden() const { return m_gesendeteRunden; }
    int verworfeneRunden() const { return m_verworfeneRunden; }

signals:
    void zustandGeaendert();

private:
    struct Faden;
    // From the connection's thread (queued): its new state, or room for the standings again.
    void vomFaden(int zustand, int code, const QString& grund, int warteMs);
    void planeStand();
    void sendeStand();
    void sendeRunde(const Rundeneintrag& r, const QString& uhrzeit);
    bool veroeffentliche(const QByteArray& unterthema, const QByteArray& daten, bool behalten,
                         int qos);

    LiveStandDaten* m_daten;
    std::shared_ptr<Faden> m_faden;
    Verbindung m_verbindung;
    Zustand m_zustand = Zustand::Aus;
    QString m_text;
    QByteArray m_zuletzt;  // the standings the broker holds (as far as we know)
    bool m_geplant = false;
    int m_gesendeteRunden = 0;
    int m_verworfeneRunden = 0;
};
