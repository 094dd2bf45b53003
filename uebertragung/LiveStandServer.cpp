#include "uebertragung/LiveStandServer.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <QWebSocket>
#include <QWebSocketServer>

#include <algorithm>

#include "config/Uhr.h"

namespace {

// What a refused connection may still send while it takes its answer; then it is cut off.
constexpr qint64 maxVerworfen = 1024 * 1024;
constexpr int maxFelder = 100;

QByteArray grund(int status) {
    switch (status) {
        case 200: return "OK";
        case 400: return "Bad Request";
        case 403: return "Forbidden";
        case 404: return "Not Found";
        case 405: return "Method Not Allowed";
        case 411: return "Length Required";
        case 413: return "Content Too Large";
        case 431: return "Request Header Fields Too Large";
        case 500: return "Internal Server Error";
        case 503: return "Service Unavailable";
        case 505: return "HTTP Version Not Supported";
    }
    return "Error";
}

bool istToken(const QByteArray& t) {
    if (t.isEmpty()) return false;
    for (char c : t)
        if (c <= ' ' || c >= 127 || QByteArrayView("\"(),/:;<=>?@[\\]{}").contains(c))
            return false;
    return true;
}

// Host and port of "host[:port]" or of an origin URL; an empty host when it is none.
std::pair<QString, int> hostUndPort(const QString& url) {
    const QUrl u(url, QUrl::StrictMode);
    if (!u.isValid() || u.host().isEmpty() || !u.path().isEmpty() || u.hasQuery() ||
        !u.userInfo().isEmpty())
        return {};
    const QString schema = u.scheme().toLower();
    if (schema != QLatin1String("http") && schema != QLatin1String("https")) return {};
    return {u.host().toLower(), u.port(schema == QLatin1String("https") ? 443 : 80)};
}

}  // namespace

LiveStandServer::LiveStandServer(Uhr& uhr, Seite seite, QObject* parent)
    : QObject(parent), m_uhr(uhr), m_seite(std::move(seite)) {
    m_ws = new QWebSocketServer(QStringLiteral("Pistorelle"), QWebSocketServer::NonSecureMode,
                                this);
    connect(m_ws, &QWebSocketServer::newConnection, this, [this] {
        while (m_ws->hasPendingConnections())
            if (QWebSocket* ws = m_ws->nextPendingConnection()) emit neuerZuschauer(ws);
    });
    m_aufsicht = uhr.neuerTimer(this);
    m_aufsicht->setInterval(1000);
    connect(m_aufsicht, &UhrTimer::timeout, this, &LiveStandServer::pruefeFristen);
}

LiveStandServer::~LiveStandServer() {
    // The sockets belong to the listening server and go with it.
    for (QTcpSocket* s : m_verbindungen.keys()) s->disconnect(this);
}

quint16 LiveStandServer::starte(const QHostAddress& adresse, quint16 port) {
    m_tcp = new QTcpServer(this);
    connect(m_tcp, &QTcpServer::newConnection, this, &LiveStandServer::nimmAn);
    if (!m_tcp->listen(adresse, port)) {
        m_fehler = m_tcp->errorString();
        delete m_tcp;
        m_tcp = nullptr;
        return 0;
    }
    return m_tcp->serverPort();
}

QHostAddress LiveStandServer::adresseVon(const QHostAddress& peer) {
    bool v4 = false;
    const quint32 a = peer.toIPv4Address(&v4);
    return v4 ? QHostAddress(a) : peer;
}

void LiveStandServer::nimmAn() {
    while (m_tcp && m_tcp->hasPendingConnections()) {
        QTcpSocket* s = m_tcp->nextPendingConnection();
        if (!s) continue;
        const QHostAddress adresse = adresseVon(s->peerAddress());
        if (m_verbindungen.size() >= maxVerbindungen ||
            m_jeAdresse.value(adresse) >= verbindungenJeAdresse) {
            // Nothing is read from it and nothing kept.
            s->abort();
            s->deleteLater();
            continue;
        }
        // The socket stops reading from the network when this much is waiting, so a head that
        // never ends costs no more than this.
        s->setReadBufferSize(kopfGrenze);
        m_verbindungen.insert(s, Verbindung{adresse, m_uhr.ms() + fristMs});
        ++m_jeAdresse[adresse];
        connect(s, &QTcpSocket::readyRead, this, [this, s] { lies(s); });
        connect(s, &QTcpSocket::bytesWritten, this, [this, s] {
            const auto it = m_verbindungen.constFind(s);
            if (it == m_verbindungen.cend() || s->bytesToWrite() > 0) return;
            if (it->schliesst)
                s->disconnectFromHost();
            else
                lies(s);  // requests held back while the answers waited
        });
        connect(s, &QTcpSocket::disconnected, this, [this, s] { vergiss(s); });
        if (!m_aufsicht->isActive()) m_aufsicht->start();
        if (s->bytesAvailable() > 0) lies(s);
    }
}

void LiveStandServer::lies(QTcpSocket* s) {
    auto it = m_verbindungen.find(s);
    if (it == m_verbindungen.end()) return;
    if (it->schliesst) {
        // Read and dropped, so that the client gets its answer before the connection ends.
        const qint64 n = s->bytesAvailable();
        s->skip(n);
        it->verworfen += n;
        if (it->verworfen > maxVerworfen) {
            s->abort();
            vergiss(s);
        }
        return;
    }
    while (s->state() == QAbstractSocket::ConnectedState && s->bytesToWrite() <= maxSendepuffer) {
        const QByteArray da = s->peek(kopfGrenze);
        const qsizetype ende = da.indexOf("\r\n\r\n");
        if (ende < 0) {
            if (da.size() >= kopfGrenze) verweigere(s, 431);
            return;
        }
        if (!beantworte(s, da.left(ende + 4))) return;
        const auto weiter = m_verbindungen.find(s);
        if (weiter == m_verbindungen.end()) return;
        weiter->frist = m_uhr.ms() + fristMs;
    }
}

LiveStandServer::Anfrage LiveStandServer::zerlege(const QByteArray& kopf) {
    Anfrage a;
    // Every line ends in CR LF, the head in an empty line.
    QList<QByteArray> zeilen = kopf.left(kopf.size() - 2).split('\n');
    zeilen.removeLast();
    for (QByteArray& z : zeilen) {
        if (!z.endsWith('\r')) {
            a.fehler = 400;
            return a;
        }
        z.chop(1);
    }
    const QList<QByteArray> start = zeilen.value(0).split(' ');
    if (start.size() != 3 || !istToken(start[0]) || !start[1].startsWith('/') ||
        !start[2].startsWith("HTTP/")) {
        a.fehler = 400;
        return a;
    }
    a.methode = start[0];
    a.version = start[2];
    if (a.version != "HTTP/1.1" && a.version != "HTTP/1.0") {
        a.fehler = 505;
        return a;
    }
    for (char c : start[1])
        if (c <= ' ' || c >= 127) {
            a.fehler = 400;
            return a;
        }
    const qsizetype frage = start[1].indexOf('?');
    a.pfad = frage < 0 ? start[1] : start[1].left(frage);
    if (zeilen.size() - 1 > maxFelder) {
        a.fehler = 431;
        return a;
    }
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        const QByteArray& z = zeilen[i];
        const qsizetype doppelpunkt = z.indexOf(':');
        const QByteArray name = z.left(doppelpunkt).toLower();
        // A folded line (starting with a blank) or a name with blanks is refused.
        if (doppelpunkt <= 0 || !istToken(name)) {
            a.fehler = 400;
            return a;
        }
        const QByteArray wert = z.mid(doppelpunkt + 1).trimmed();
        auto it = a.felder.find(name);
        if (it == a.felder.end())
            a.felder.insert(name, wert);
        else if (name == "content-length" || name == "host") {
            if (*it != wert) a.fehler = 400;
        } else
            *it += ", " + wert;
    }
    if (a.version == "HTTP/1.1" && !a.felder.contains("host")) a.fehler = 400;
    return a;
}

bool LiveStandServer::gleicheHerkunft(const Anfrage& a) const {
    const QByteArray origin = a.feld("origin");
    if (origin.isEmpty()) return false;
    const auto von = hostUndPort(QString::fromLatin1(origin));
    const auto an = hostUndPort(QStringLiteral("http://") + QString::fromLatin1(a.feld("host")));
    return !von.first.isEmpty() && von == an;
}

bool LiveStandServer::beantworte(QTcpSocket* s, const QByteArray& kopf) {
    const Anfrage a = zerlege(kopf);
    if (a.fehler) {
        verweigere(s, a.fehler);
        return false;
    }
    // Bodies are never read: only their size is looked at.
    if (a.felder.contains("transfer-encoding")) {
        verweigere(s, 411);
        return false;
    }
    qint64 inhalt = 0;
    if (a.felder.contains("content-length")) {
        bool ok = false;
        const QByteArray laenge = a.feld("content-length");
        inhalt = laenge.toLongLong(&ok);
        if (!ok || inhalt < 0 || laenge.startsWith('+')) {
            // A number beyond 64 bits is still a number, only far too big.
            const bool ziffern = !laenge.isEmpty() &&
                                 std::all_of(laenge.begin(), laenge.end(),
                                             [](char c) { return c >= '0' && c <= '9'; });
            verweigere(s, ziffern ? 413 : 400);
            return false;
        }
    }
    if (inhalt > inhaltGrenze) {
        verweigere(s, 413);
        return false;
    }
    const bool lesen = a.methode == "GET" || a.methode == "HEAD";
    if (a.pfad == "/ws" && a.methode == "GET" && inhalt == 0 &&
        a.feld("upgrade").compare("websocket", Qt::CaseInsensitive) == 0) {
        // Only the page of this server may follow the race over the socket: a page of another
        // site that a viewer has open gets no connection (and no CORS header).
        if (!gleicheHerkunft(a)) {
            verweigere(s, 403);
            return false;
        }
        gibWeiter(s);
        return false;
    }
    s->skip(kopf.size());
    const QByteArray verbindung = a.feld("connection").toLower();
    const bool schliessen = inhalt > 0 || verbindung.contains("close") ||
                            (a.version == "HTTP/1.0" && !verbindung.contains("keep-alive"));
    const bool bekannt = a.pfad == "/" || a.pfad == "/api/stand" || a.pfad == "/ws" ||
                         a.pfad == "/lobby" || a.pfad == "/overlay" || a.pfad == "/mqttws.js";
    if (!lesen && bekannt) {
        Antwort nein{405, "text/plain; charset=utf-8", grund(405), {{"Allow", "GET, HEAD"}}};
        sende(s, nein, false, true);
        return false;
    }
    if (a.pfad == "/ws") {
        verweigere(s, 400);  // a plain request to the viewers' socket
        return false;
    }
    const std::optional<Antwort> antwort = lesen ? m_seite(a) : std::nullopt;
    if (!antwort) {
        sende(s, Antwort{404, "text/plain; charset=utf-8", grund(404), {}}, a.methode == "HEAD",
              schliessen);
        return !schliessen;
    }
    sende(s, *antwort, a.methode == "HEAD", schliessen);
    return !schliessen;
}

void LiveStandServer::sende(QTcpSocket* s, const Antwort& a, bool nurKopf, bool schliessen) {
    QByteArray k = "HTTP/1.1 " + QByteArray::number(a.status) + ' ' + grund(a.status) + "\r\n";
    if (!a.art.isEmpty()) k += "Content-Type: " + a.art + "\r\n";
    k += "Content-Length: " + QByteArray::number(a.inhalt.size()) + "\r\n";
    // Standings change all the time; no phone may show an old copy.
    k += "Cache-Control: no-store\r\nX-Content-Type-Options: nosniff\r\n"
         "Referrer-Policy: no-referrer\r\n";
    for (const auto& [name, wert] : a.felder) k += name + ": " + wert + "\r\n";
    if (schliessen) k += "Connection: close\r\n";
    k += "\r\n";
    s->write(nurKopf ? k : k + a.inhalt);
    if (!schliessen) return;
    auto it = m_verbindungen.find(s);
    if (it == m_verbindungen.end()) return;
    it->schliesst = true;
    it->frist = m_uhr.ms() + abschiedMs;
    lies(s);  // what is already waiting is dropped
}

void LiveStandServer::verweigere(QTcpSocket* s, int status) {
    sende(s, Antwort{status, "text/plain; charset=utf-8", grund(status), {}}, false, true);
}

void LiveStandServer::gibWeiter(QTcpSocket* s) {
    // The head stays in the socket: QWebSocketServer reads the handshake itself.
    vergiss(s, false);
    m_ws->handleConnection(s);
}

void LiveStandServer::vergiss(QTcpSocket* s, bool loeschen) {
    const auto it = m_verbindungen.find(s);
    if (it == m_verbindungen.end()) return;
    const QHostAddress adresse = it->adresse;
    m_verbindungen.erase(it);
    if (--m_jeAdresse[adresse] <= 0) m_jeAdresse.remove(adresse);
    if (m_verbindungen.isEmpty()) m_aufsicht->stop();
    s->disconnect(this);
    // A socket handed to the WebSocket server is deleted by it once it disconnects.
    if (loeschen) s->deleteLater();
}

void LiveStandServer::pruefeFristen() {
    const qint64 jetzt = m_uhr.ms();
    QList<QTcpSocket*> abgelaufen;
    for (auto it = m_verbindungen.cbegin(); it != m_verbindungen.cend(); ++it)
        if (it->frist <= jetzt) abgelaufen << it.key();
    for (QTcpSocket* s : abgelaufen) {
        s->abort();
        vergiss(s);
    }
}
