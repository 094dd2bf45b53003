#include "uebertragung/LiveStand.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <QWebSocket>

#include "config/EinstellungsSpeicher.h"
#include "config/Uhr.h"
#include "darstellung/Oberflaechensprache.h"
#include "engine/Rennleitung.h"
#include "uebertragung/LiveStandDaten.h"

const QString LiveStand::anSchluessel = QStringLiteral("LiveStandAn");
const QString LiveStand::portSchluessel = QStringLiteral("LiveStandPort");

namespace {
bool englisch() { return Oberflaechensprache::aktuelle() == Oberflaechensprache::Englisch; }


// The page may run its own script and style only (by their hashes), talk only to this server
// and be framed by nobody. The lobby board and the overlay also load the MQTT client from
// this server and may talk to a broker's WebSocket listener anywhere (mitBroker).
QByteArray inhaltsRegeln(const QByteArray& html, const QByteArray& host, bool mitBroker = false) {
    static const QRegularExpression block(QStringLiteral("<(script|style)>(.*?)</\\1>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    QByteArray skripte, stile;
    for (const QRegularExpressionMatch& m : block.globalMatch(QString::fromUtf8(html))) {
        const QByteArray hash =
            " 'sha256-" +
            QCryptographicHash::hash(m.captured(2).toUtf8(), QCryptographicHash::Sha256)
                .toBase64() +
            '\'';
        (m.captured(1) == QLatin1String("script") ? skripte : stile) += hash;
    }
    // Older browsers do not count ws:// as 'self': the socket's address is named as well.
    static const QRegularExpression name(
        QStringLiteral("^([A-Za-z0-9.-]+|\\[[0-9A-Fa-f:.]+\\])(:[0-9]{1,5})?$"));
    QByteArray verbinden = "'self'";
    if (name.match(QString::fromLatin1(host)).hasMatch()) verbinden += " ws://" + host;
    if (mitBroker) {
        verbinden += " ws: wss:";
        skripte.prepend(" 'self'");
    }
    return "default-src 'none'; script-src" + (skripte.isEmpty() ? " 'none'" : skripte) +
           "; style-src" + (stile.isEmpty() ? " 'none'" : stile) + "; connect-src " + verbinden +
           "; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
}

}  // namespace

LiveStand::LiveStand(Rennleitung& leitung, Hauptanzeige& anzeige, QObject* parent)
    : QObject(parent), m_leitung(leitung), m_daten(new LiveStandDaten(leitung, anzeige, this)) {
    connect(m_daten, &LiveStandDaten::geaendert, this, &LiveStand::planeSenden);
    m_aufsicht = leitung.uhr().neuerTimer(this);
    m_aufsicht->setInterval(5000);
    connect(m_aufsicht, &UhrTimer::timeout, this, &LiveStand::pruefeZuschauer);
}

LiveStand::~LiveStand() { beende(); }

LiveStand* LiveStand::ausEinstellungen(Rennleitung& leitung, Hauptanzeige& anzeige,
                                       QObject* parent, ZeitnahmeStatus* zeitnahme,
                                       Serienquelle serie) {
    EinstellungsSpeicher& s = leitung.speicher();
    if (s.hole(anSchluessel, QStringLiteral("0")) != QLatin1String("1")) return nullptr;
    bool ok = false;
    const uint port = s.hole(portSchluessel).toUInt(&ok);
    auto* stand = new LiveStand(leitung, anzeige, parent);
    stand->setzeZeitnahme(zeitnahme);
    stand->setzeSerie(std::move(serie));
    stand->starte(QHostAddress::Any, ok && port > 0 && port < 65536 ? quint16(port) : standardPort);
    return stand;
}

void LiveStand::setzeZeitnahme(ZeitnahmeStatus* status) { m_daten->setzeZeitnahme(status); }

bool LiveStand::starte(const QHostAddress& adresse, quint16 port) {
    beende();
    m_server = std::make_unique<LiveStandServer>(
        m_leitung.uhr(), [this](const LiveStandServer::Anfrage& a) { return seite(a); });
    connect(m_server.get(), &LiveStandServer::neuerZuschauer, this, &LiveStand::neuerZuschauer);
    m_port = m_server->starte(adresse, port);
    if (m_port == 0) {
        m_fehler = tr("Die Zuschauer-Anzeige kann Port %1 nicht öffnen.").arg(port);
        m_server.reset();
        return false;
    }
    m_fehler.clear();
    return true;
}

std::optional<LiveStandServer::Antwort> LiveStand::seite(const LiveStandServer::Anfrage& a) const {
    if (a.pfad == "/api/stand") return LiveStandServer::Antwort{200, "application/json", standJson(), {}};
    if (a.pfad == "/api/serie") {
        // Only while a tournament of a series is open.
        const std::optional<QByteArray> serie = m_serie ? m_serie() : std::nullopt;
        if (!serie) return LiveStandServer::Antwort{404, "application/json", "null", {}};
        return LiveStandServer::Antwort{200, "application/json", *serie, {}};
    }
    // The MQTT client of the lobby board and the overlay.
    if (a.pfad == "/mqttws.js") {
        QFile datei(QStringLiteral(":/livestand/mqttws.js"));
        if (!datei.open(QIODevice::ReadOnly)) return LiveStandServer::Antwort{500, {}, {}, {}};
        return LiveStandServer::Antwort{200, "text/javascript; charset=utf-8", datei.readAll(), {}};
    }
    const bool lobby = a.pfad == "/lobby";
    const bool overlay = a.pfad == "/overlay";
    const bool serie = a.pfad == "/serie";
    if (a.pfad != "/" && !lobby && !overlay && !serie) return std::nullopt;
    // A full house gets a page that says so and tries again by itself (the lobby board talks
    // to the broker, not to us, and the series table asks now and then: never turned away).
    const bool voll = !lobby && !serie && zuschauer() >= maxZuschauer;
    QFile datei(voll      ? QStringLiteral(":/livestand/voll.html")
                : lobby   ? QStringLiteral(":/livestand/lobby.html")
                : overlay ? QStringLiteral(":/livestand/overlay.html")
                : serie   ? QStringLiteral(":/livestand/serie.html")
                          : QStringLiteral(":/livestand/index.html"));
    if (!datei.open(QIODevice::ReadOnly)) return LiveStandServer::Antwort{500, {}, {}, {}};
    // The page speaks the interface's language.
    QByteArray html = datei.readAll();
    if (englisch()) html.replace("<html lang=\"de\">", "<html lang=\"en\">");
    LiveStandServer::Antwort antwort{voll ? 503 : 200, "text/html; charset=utf-8", html, {}};
    antwort.felder.emplaceBack("Content-Security-Policy",
                               inhaltsRegeln(html, a.feld("host"), !voll && (lobby || overlay)));
    antwort.felder.emplaceBack("X-Frame-Options", "DENY");
    if (voll) antwort.felder.emplaceBack("Retry-After", "30");
    return antwort;
}

void LiveStand::beende() {
    for (QWebSocket* ws : std::as_const(m_zuschauer)) {
        ws->disconnect(this);
        ws->abort();
        ws->deleteLater();
    }
    for (QWebSocket* ws : m_abgewiesen.keys()) {
        ws->disconnect(this);
        ws->abort();
        ws->deleteLater();
    }
    const bool hatte = !m_zuschauer.isEmpty();
    m_zuschauer.clear();
    m_gehoert.clear();
    m_abgewiesen.clear();
    m_aufsicht->stop();
    m_server.reset();
    m_port = 0;
    if (hatte) emit zuschauerGeaendert(0);
}

bool LiveStand::laeuft() const { return m_server && m_port != 0; }

QString LiveStand::adresse() const {
    QString host = QStringLiteral("127.0.0.1");
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback() &&
            !a.isLinkLocal()) {
            host = a.toString();
            break;
        }
    }
    return QStringLiteral("http://%1:%2/").arg(host).arg(m_port);
}

void LiveStand::neuerZuschauer(QWebSocket* ws) {
    ws->setParent(this);
    const QHostAddress von = LiveStandServer::adresseVon(ws->peerAddress());
    int vonDort = 0;
    for (const auto& [adresse, zuletzt] : std::as_const(m_gehoert)) vonDort += adresse == von;
    if (zuschauer() >= maxZuschauer) return weiseAb(ws, QStringLiteral("zu viele Zuschauer"));
    if (vonDort >= m_plaetzeJeAdresse)
        return weiseAb(ws, QStringLiteral("zu viele Fenster auf diesem Gerät"));
    // Viewers only listen; anything bigger than a ping is cut off by the socket.
    ws->setMaxAllowedIncomingMessageSize(1024);
    ws->setMaxAllowedIncomingFrameSize(1024);
    connect(ws, &QWebSocket::disconnected, this, [this, ws] { entferne(ws); });
    const auto gehoert = [this, ws] {
        if (auto it = m_gehoert.find(ws); it != m_gehoert.end()) it->second = m_leitung.uhr().ms();
    };
    connect(ws, &QWebSocket::pong, this, gehoert);
    connect(ws, &QWebSocket::textMessageReceived, this, gehoert);
    connect(ws, &QWebSocket::binaryMessageReceived, this, gehoert);
    m_zuschauer.append(ws);
    m_gehoert.insert(ws, {von, m_leitung.uhr().ms()});
    if (!m_aufsicht->isActive()) m_aufsicht->start();
    ws->sendTextMessage(QString::fromUtf8(standJson()));
    emit zuschauerGeaendert(zuschauer());
}

void LiveStand::weiseAb(QWebSocket* ws, const QString& grund) {
    // The page shows the reason and waits before it tries again. The socket is freed once
    // it is closed (closing ends the connection at once), at the latest by the watch.
    connect(ws, &QWebSocket::disconnected, this, [this, ws] {
        m_abgewiesen.remove(ws);
        ws->deleteLater();
    });
    m_abgewiesen.insert(ws, m_leitung.uhr().ms() + 5000);
    if (!m_aufsicht->isActive()) m_aufsicht->start();
    ws->sendTextMessage(QString::fromUtf8(
        QJsonDocument(QJsonObject{{QStringLiteral("fehler"), grund}}).toJson(QJsonDocument::Compact)));
    ws->close(QWebSocketProtocol::CloseCodePolicyViolated, grund);
}

void LiveStand::entferne(QWebSocket* ws) {
    if (m_zuschauer.removeAll(ws) == 0) return;
    m_gehoert.remove(ws);
    ws->disconnect(this);
    ws->deleteLater();
    emit zuschauerGeaendert(zuschauer());
}

void LiveStand::pruefeZuschauer() {
    const qint64 jetzt = m_leitung.uhr().ms();
    for (QWebSocket* ws : m_abgewiesen.keys()) {
        if (m_abgewiesen.value(ws) > jetzt) continue;
        m_abgewiesen.remove(ws);
        ws->disconnect(this);
        ws->abort();
        ws->deleteLater();
    }
    // A phone that went away without closing (out of the room, battery empty) frees its place.
    for (QWebSocket* ws : QVector<QWebSocket*>(m_zuschauer)) {
        const qint64 still = jetzt - m_gehoert.value(ws).second;
        if (still > stilleMs) {
            ws->abort();
            entferne(ws);
        } else if (still >= pingMs) {
            ws->ping();
        }
    }
    if (m_zuschauer.isEmpty() && m_abgewiesen.isEmpty()) m_aufsicht->stop();
}

void LiveStand::planeSenden() {
    // Several changes of one lap (values, order, clock) go out as one message, right after
    // the engine has finished with the lap.
    if (m_geplant || m_zuschauer.isEmpty()) return;
    m_geplant = true;
    QMetaObject::invokeMethod(this, &LiveStand::sende, Qt::QueuedConnection);
}

void LiveStand::sende() {
    m_geplant = false;
    if (m_zuschauer.isEmpty()) return;
    const QString text = QString::fromUtf8(standJson());
    const QVector<QWebSocket*> alle = m_zuschauer;
    for (QWebSocket* ws : alle) {
        if (ws->bytesToWrite() > maxRueckstand) {
            ws->abort();
            entferne(ws);
            continue;
        }
        ws->sendTextMessage(text);
    }
    emit gesendet();
}

QByteArray LiveStand::standJson() const { return m_daten->json(); }
