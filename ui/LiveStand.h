#pragma once
// The live scoreboard: a small web server in the program for phones and TVs in the room.
// GET / is a page from the program's resources that follows the race over a WebSocket;
// GET /api/stand gives the same standings as JSON. Nothing a client sends changes anything:
// every other request gets 404 (or 400 from the parser), text a viewer sends is ignored.
// At most maxZuschauer viewers at once; a viewer that stops reading is dropped, so a slow
// phone never holds up the lap path. The standings are the SlotWerte and Hauptanzeige the
// windows mirror; the push follows their change signals.

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QVector>
#include <memory>

class QHttpServer;
class QWebSocket;
class Hauptanzeige;
class Rennleitung;
class EinstellungsSpeicher;
class frmMain;

class LiveStand : public QObject {
    Q_OBJECT
public:
    static constexpr int maxZuschauer = 50;
    // A viewer with more than this many bytes unsent is dropped.
    static constexpr qint64 maxRueckstand = 256 * 1024;
    // Settings keys: "1" switches the server on; its port (8080 when missing).
    static const QString anSchluessel;
    static const QString portSchluessel;
    static constexpr quint16 standardPort = 8080;

    LiveStand(Rennleitung& leitung, Hauptanzeige& anzeige, QObject* parent = nullptr);
    ~LiveStand() override;

    // Starts the server as the settings say and shows its address on the main window; called
    // again, it replaces the server it started before. Returns the server (owned by the window) or null when it is switched off.
    static LiveStand* richteEin(frmMain& f, Rennleitung& leitung, Hauptanzeige& anzeige);

    // Listens on that address and port (0: any free port); false and fehler() when it cannot.
    bool starte(const QHostAddress& adresse, quint16 port);
    void beende();
    bool laeuft() const;
    quint16 port() const { return m_port; }
    QString fehler() const { return m_fehler; }
    int zuschauer() const { return int(m_zuschauer.size()); }
    // What a phone on the club's network types: the first non-loopback IPv4 address.
    QString adresse() const;

    // The standings as sent to the viewers and by /api/stand.
    QByteArray standJson() const;

signals:
    void zuschauerGeaendert(int anzahl);
    // The state just pushed (for the benchmark: a lap counted, all viewers written to).
    void gesendet();

private:
    void neueVerbindungen();
    void planeSenden();
    void sende();
    void entferne(QWebSocket* ws);

    Rennleitung& m_leitung;
    Hauptanzeige& m_anzeige;
    std::unique_ptr<QHttpServer> m_server;
    quint16 m_port = 0;
    QString m_fehler;
    QVector<QWebSocket*> m_zuschauer;
    bool m_geplant = false;
};
