#pragma once
// The live scoreboard's HTTP side. It reads every request head itself, so that nobody on the
// club's network can make the program hold more than a few kilobytes per connection: a head
// longer than kopfGrenze is refused with 431 as soon as that much has come, a body is never
// read (413 when announced bigger than inhaltGrenze, 411 for a chunked one), a connection that
// has not sent its head within fristMs is closed, and one address keeps at most
// verbindungenJeAdresse connections open. Answers carry no server name and no CORS header.
// GET and HEAD of the owner's pages are answered from the `seite` callback; a WebSocket
// upgrade on /ws from a page of this server (Origin = Host) is handed to QWebSocketServer with
// its head still unread, and the new socket comes out through neuerZuschauer().

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class QTcpServer;
class QTcpSocket;
class QWebSocket;
class QWebSocketServer;
class Uhr;
class UhrTimer;

class LiveStandServer : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype kopfGrenze = 16 * 1024;
    static constexpr qint64 inhaltGrenze = 16 * 1024;
    // Time to send a whole request head (from the connection or the previous answer).
    static constexpr int fristMs = 10000;
    // Time a refused or finished connection gets to take its answer.
    static constexpr int abschiedMs = 2000;
    static constexpr int verbindungenJeAdresse = 16;
    static constexpr int maxVerbindungen = 256;
    // Answers not yet taken by the client: no further request of it is read meanwhile.
    static constexpr qint64 maxSendepuffer = 64 * 1024;

    // A parsed request head; fehler is the HTTP status to refuse it with (0: none).
    struct Anfrage {
        QByteArray methode, pfad, version;
        QHash<QByteArray, QByteArray> felder;  // names in lower case
        int fehler = 0;
        QByteArray feld(const char* name) const { return felder.value(QByteArray(name)); }
    };
    static Anfrage zerlege(const QByteArray& kopf);

    struct Antwort {
        int status = 200;
        QByteArray art;
        QByteArray inhalt;
        QList<std::pair<QByteArray, QByteArray>> felder;
    };
    // The answer to GET or HEAD of a path other than /ws; nullopt: 404.
    using Seite = std::function<std::optional<Antwort>(const Anfrage&)>;

    LiveStandServer(Uhr& uhr, Seite seite, QObject* parent = nullptr);
    ~LiveStandServer() override;

    // Listens on that address and port (0: any free port); 0 and fehler() when it cannot.
    quint16 starte(const QHostAddress& adresse, quint16 port);
    QString fehler() const { return m_fehler; }
    // Plain connections open now (viewers handed over are no longer counted).
    int verbindungen() const { return int(m_verbindungen.size()); }
    // The address a peer is counted under (IPv4 also when it came in over IPv6).
    static QHostAddress adresseVon(const QHostAddress& peer);

signals:
    void neuerZuschauer(QWebSocket* ws);

private:
    struct Verbindung {
        QHostAddress adresse;
        qint64 frist = 0;
        bool schliesst = false;
        qint64 verworfen = 0;
    };
    void nimmAn();
    void lies(QTcpSocket* s);
    // True when the request was answered and the next one may be read.
    bool beantworte(QTcpSocket* s, const QByteArray& kopf);
    void sende(QTcpSocket* s, const Antwort& a, bool nurKopf, bool schliessen);
    void verweigere(QTcpSocket* s, int status);
    void gibWeiter(QTcpSocket* s);
    void vergiss(QTcpSocket* s, bool loeschen = true);
    void pruefeFristen();
    bool gleicheHerkunft(const Anfrage& a) const;

    Uhr& m_uhr;
    Seite m_seite;
    QTcpServer* m_tcp = nullptr;
    QWebSocketServer* m_ws = nullptr;
    UhrTimer* m_aufsicht = nullptr;
    QHash<QTcpSocket*, Verbindung> m_verbindungen;
    QHash<QHostAddress, int> m_jeAdresse;
    QString m_fehler;
};
