#pragma once
// The live scoreboard: a small web server in the program for phones and TVs in the room.
// GET / is a page from the program's resources that follows the race over a WebSocket;
// GET /api/stand gives the same standings as JSON (HEAD of both too). Nothing a client sends
// changes anything: every other request is refused (LiveStandServer), text a viewer sends is
// ignored. At most maxZuschauer viewers at once and plaetzeJeAdresse from one address; a
// viewer that stops reading or answers no ping is dropped, so a slow or vanished phone never
// holds up the lap path or a place. The standings are the SlotWerte and Hauptanzeige the
// windows mirror, with the timing state of the main window's status field; the push follows
// their change signals.

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>

#include "uebertragung/LiveStandServer.h"

class QWebSocket;
class Hauptanzeige;
class LiveStandDaten;
class Rennleitung;
class EinstellungsSpeicher;
class UhrTimer;
class ZeitnahmeStatus;

class LiveStand : public QObject {
    Q_OBJECT
public:
    static constexpr int maxZuschauer = 50;
    // Places one address (a phone, a TV) may take.
    static constexpr int plaetzeJeAdresse = 4;
    // A viewer with more than this many bytes unsent is dropped.
    static constexpr qint64 maxRueckstand = 256 * 1024;
    // A viewer quiet this long is pinged; one that has answered nothing for stilleMs is gone.
    static constexpr int pingMs = 15000;
    static constexpr int stilleMs = 45000;
    // Settings keys: "1" switches the server on; its port (8080 when missing).
    static const QString anSchluessel;
    static const QString portSchluessel;
    static constexpr quint16 standardPort = 8080;

    LiveStand(Rennleitung& leitung, Hauptanzeige& anzeige, QObject* parent = nullptr);
    ~LiveStand() override;

    // The series standings of the open tournament as JSON, nullopt when none of a series is open.
    using Serienquelle = std::function<std::optional<QByteArray>()>;
    // The server as the settings say (anSchluessel, portSchluessel), started, owned by parent;
    // null when it is switched off.
    static LiveStand* ausEinstellungen(Rennleitung& leitung, Hauptanzeige& anzeige,
                                       QObject* parent, ZeitnahmeStatus* zeitnahme = nullptr,
                                       Serienquelle serie = {});
    // GET /serie shows it, /api/serie gives it (404 without).
    void setzeSerie(Serienquelle serie) { m_serie = std::move(serie); }
    // The state of the timing interface that the main window's status field shows; without
    // one the laps come from the program's own simulation.
    void setzeZeitnahme(ZeitnahmeStatus* status);
    // The benchmark and the tests play a room full of phones from one address.
    void setzePlaetzeJeAdresse(int anzahl) { m_plaetzeJeAdresse = anzahl; }

    // Listens on that address and port (0: any free port); false and fehler() when it cannot.
    bool starte(const QHostAddress& adresse, quint16 port);
    void beende();
    bool laeuft() const;
    quint16 port() const { return m_port; }
    QString fehler() const { return m_fehler; }
    int zuschauer() const { return int(m_zuschauer.size()); }
    // Plain HTTP connections open now.
    int verbindungen() const { return m_server ? m_server->verbindungen() : 0; }
    // What a phone on the club's network types: the first non-loopback IPv4 address.
    QString adresse() const;

    // The standings as sent to the viewers and by /api/stand.
    QByteArray standJson() const;

signals:
    void zuschauerGeaendert(int anzahl);
    // The state just pushed (for the benchmark: a lap counted, all viewers written to).
    void gesendet();

private:
    std::optional<LiveStandServer::Antwort> seite(const LiveStandServer::Anfrage& a) const;
    void neuerZuschauer(QWebSocket* ws);
    void weiseAb(QWebSocket* ws, const QString& grund);
    void planeSenden();
    void sende();
    void entferne(QWebSocket* ws);
    void pruefeZuschauer();

    Rennleitung& m_leitung;
    LiveStandDaten* m_daten;
    std::unique_ptr<LiveStandServer> m_server;
    quint16 m_port = 0;
    QString m_fehler;
    QVector<QWebSocket*> m_zuschauer;
    // Per viewer: its address and when it last sent anything (a pong at least).
    QHash<QWebSocket*, std::pair<QHostAddress, qint64>> m_gehoert;
    // Viewers told to go, with the time by which their connection is cut off.
    QHash<QWebSocket*, qint64> m_abgewiesen;
    UhrTimer* m_aufsicht = nullptr;
    int m_plaetzeJeAdresse = plaetzeJeAdresse;
    Serienquelle m_serie;
    bool m_geplant = false;
};
