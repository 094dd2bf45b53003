#include "LiveStand.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtMath>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QWebSocket>

#include "EinstellungsSpeicher.h"
#include "Farbwert.h"
#include "Hauptanzeige.h"
#include "LiveStandFeld.h"
#include "Oberflaechensprache.h"
#include "Rennleitung.h"
#include "SlotWerte.h"
#include "frmMain.h"

using H = Hauptanzeige;

const QString LiveStand::anSchluessel = QStringLiteral("LiveStandAn");
const QString LiveStand::portSchluessel = QStringLiteral("LiveStandPort");

namespace {
const char* const kZuViele =
    "<!DOCTYPE html><html lang=\"de\"><head><meta charset=\"utf-8\">"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
    "<title>Pistorelle</title></head><body style=\"font-family:sans-serif;background:#000;"
    "color:#fff;text-align:center;padding-top:30vh;font-size:7vw\">"
    "<p>Leider zu viele Zuschauer.</p><p style=\"font-size:4vw\">Bitte später noch einmal "
    "versuchen.</p></body></html>";
const char* const kZuVieleEnglisch =
    "<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\">"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
    "<title>Pistorelle</title></head><body style=\"font-family:sans-serif;background:#000;"
    "color:#fff;text-align:center;padding-top:30vh;font-size:7vw\">"
    "<p>Sorry, too many viewers.</p><p style=\"font-size:4vw\">Please try again later.</p>"
    "</body></html>";

bool englisch() { return Oberflaechensprache::aktuelle() == Oberflaechensprache::Englisch; }

QString farbName(qint32 wert) { return Farbwert::alsFarbe(wert).name(); }

// Seconds with three decimals and a German comma: 1234 ms -> "1,234".
QString sekunden(double ms) {
    return QString::number(ms / 1000.0, 'f', 3).replace(QLatin1Char('.'), QLatin1Char(','));
}
}  // namespace

LiveStand::LiveStand(Rennleitung& leitung, Hauptanzeige& anzeige, QObject* parent)
    : QObject(parent), m_leitung(leitung), m_anzeige(anzeige) {
    connect(&leitung, &Rennleitung::panelsGeaendert, this, &LiveStand::planeSenden);
    // A counted lap changes the values of its panel (and the places of others).
    for (int i = 0; i < 6; ++i)
        connect(&leitung.panel(i), &SlotWerte::geaendert, this, &LiveStand::planeSenden);
    connect(&leitung, &Rennleitung::zustandGeaendert, this, &LiveStand::planeSenden);
    connect(&anzeige, &H::geaendert, this, [this](H::Element e) {
        if (e == H::Label1 || e == H::lblWeiter) planeSenden();
    });
    connect(&anzeige, &H::label1ChaosGeaendert, this, &LiveStand::planeSenden);
}

LiveStand::~LiveStand() { beende(); }

LiveStand* LiveStand::richteEin(frmMain& f, Rennleitung& leitung, Hauptanzeige& anzeige) {
    // Called again after the options changed: the old server and its field go first.
    delete f.findChild<LiveStand*>(QString(), Qt::FindDirectChildrenOnly);
    EinstellungsSpeicher& s = leitung.speicher();
    if (s.hole(anSchluessel, QStringLiteral("0")) != QLatin1String("1")) return nullptr;
    bool ok = false;
    const uint port = s.hole(portSchluessel).toUInt(&ok);
    auto* stand = new LiveStand(leitung, anzeige, &f);
    stand->starte(QHostAddress::Any, ok && port > 0 && port < 65536 ? quint16(port) : standardPort);
    LiveStandFeld::zeige(f, *stand);
    return stand;
}

bool LiveStand::starte(const QHostAddress& adresse, quint16 port) {
    beende();
    m_server = std::make_unique<QHttpServer>();
    m_server->route("/", QHttpServerRequest::Method::Get, [this](const QHttpServerRequest&) {
        if (zuschauer() >= maxZuschauer)
            return QHttpServerResponse("text/html; charset=utf-8",
                                       QByteArray(englisch() ? kZuVieleEnglisch : kZuViele),
                                       QHttpServerResponse::StatusCode::ServiceUnavailable);
        QFile seite(QStringLiteral(":/livestand/index.html"));
        if (!seite.open(QIODevice::ReadOnly))
            return QHttpServerResponse(QHttpServerResponse::StatusCode::InternalServerError);
        // The page speaks the interface's language.
        QByteArray html = seite.readAll();
        if (englisch()) html.replace("<html lang=\"de\">", "<html lang=\"en\">");
        return QHttpServerResponse("text/html; charset=utf-8", html);
    });
    m_server->route("/api/stand", QHttpServerRequest::Method::Get,
                    [this](const QHttpServerRequest&) {
                        return QHttpServerResponse("application/json", standJson());
                    });
    // The viewers' WebSocket: a route that answers nothing lets the server hand the
    // connection over (newWebSocketConnection); a plain GET on it gets 400.
    m_server->route("/ws", QHttpServerRequest::Method::Get,
                    [](const QHttpServerRequest& r, QHttpServerResponder&& antwort) {
                        if (r.value("upgrade").compare("websocket", Qt::CaseInsensitive) != 0)
                            antwort.write(QHttpServerResponder::StatusCode::BadRequest);
                    });
    // Standings change all the time; no phone may show an old copy.
    m_server->afterRequest([](QHttpServerResponse&& r) {
        r.setHeader("Cache-Control", "no-store");
        return std::move(r);
    });
    connect(m_server.get(), &QHttpServer::newWebSocketConnection, this,
            &LiveStand::neueVerbindungen);
    m_port = m_server->listen(adresse, port);
    if (m_port == 0) {
        m_fehler = tr("Die Zuschauer-Anzeige kann Port %1 nicht öffnen.").arg(port);
        m_server.reset();
        return false;
    }
    m_fehler.clear();
    return true;
}

void LiveStand::beende() {
    for (QWebSocket* ws : std::as_const(m_zuschauer)) {
        ws->disconnect(this);
        ws->abort();
        ws->deleteLater();
    }
    const bool hatte = !m_zuschauer.isEmpty();
    m_zuschauer.clear();
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

void LiveStand::neueVerbindungen() {
    while (m_server && m_server->hasPendingWebSocketConnections()) {
        QWebSocket* ws = m_server->nextPendingWebSocketConnection().release();
        if (!ws) continue;
        ws->setParent(this);
        if (zuschauer() >= maxZuschauer) {
            ws->sendTextMessage(QStringLiteral("{\"fehler\":\"zu viele Zuschauer\"}"));
            ws->close(QWebSocketProtocol::CloseCodePolicyViolated,
                      QStringLiteral("zu viele Zuschauer"));
            connect(ws, &QWebSocket::disconnected, ws, &QObject::deleteLater);
            continue;
        }
        // Viewers only listen; anything bigger than a ping is cut off by the socket.
        ws->setMaxAllowedIncomingMessageSize(1024);
        ws->setMaxAllowedIncomingFrameSize(1024);
        connect(ws, &QWebSocket::disconnected, this, [this, ws] { entferne(ws); });
        m_zuschauer.append(ws);
        ws->sendTextMessage(QString::fromUtf8(standJson()));
        emit zuschauerGeaendert(zuschauer());
    }
}

void LiveStand::entferne(QWebSocket* ws) {
    if (m_zuschauer.removeAll(ws) == 0) return;
    ws->disconnect(this);
    ws->deleteLater();
    emit zuschauerGeaendert(zuschauer());
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

QByteArray LiveStand::standJson() const {
    const RennZustand& z = m_leitung.zustand();
    QJsonObject o;
    o[QStringLiteral("rennen")] = z.AktRennName;
    o[QStringLiteral("art")] = z.RennArt;
    o[QStringLiteral("modus")] = Rennleitung::rennModi().value(z.RennModus);
    o[QStringLiteral("laeuft")] = z.RennenLaeuft;
    o[QStringLiteral("aufZeit")] = z.ZeitRunden == 1;
    o[QStringLiteral("grenze")] = z.Grenze;
    o[QStringLiteral("uhr")] =
        m_anzeige.label1Chaos() ? QStringLiteral("Chaos") : m_anzeige.caption(H::Label1);
    o[QStringLiteral("chaos")] = m_anzeige.label1Chaos();
    o[QStringLiteral("hinweis")] =
        m_anzeige.istVisible(H::lblWeiter) ? m_anzeige.caption(H::lblWeiter) : QString();

    QJsonArray bahnen;
    const SlotWerte* erster = nullptr;
    QVector<bool> gezeigt(6, false);
    for (int bahn : m_leitung.panelReihenfolge()) {
        const int index = m_leitung.panelIndexVonBahn(bahn);
        if (index < 0 || index >= 6 || gezeigt[index]) continue;
        gezeigt[index] = true;
        const SlotWerte& w = m_leitung.panel(index);
        // A lane nobody drives (a tournament's free lane) is no part of the standings.
        if (m_leitung.istFreieBahn(w.ReturnBahn())) continue;
        if (!erster) erster = &w;
        QJsonObject b;
        b[QStringLiteral("platz")] = w.ReturnPosition();
        b[QStringLiteral("bahn")] = w.ReturnBahn();
        b[QStringLiteral("farbe")] = farbName(w.hintergrundFarbe());
        b[QStringLiteral("schrift")] = farbName(w.schriftFarbe());
        b[QStringLiteral("fahrer")] = w.fahrer();
        b[QStringLiteral("auto")] = w.autoName();
        b[QStringLiteral("runden")] = w.ReturnRunden();
        b[QStringLiteral("letzteRunde")] = w.ReturnRunden() > 0 ? QJsonValue(w.letzteRunde())
                                                                : QJsonValue(QJsonValue::Null);
        const double beste = w.ReturnSchnellsteRundenZeit();
        b[QStringLiteral("besteRunde")] =
            beste > 0 && beste < 99999 ? QJsonValue(beste) : QJsonValue(QJsonValue::Null);
        b[QStringLiteral("gesamtZeit")] = w.ReturnGesamtZeit();
        QString abstand;
        if (erster != &w) {
            const double runden = erster->ReturnRunden() - w.ReturnRunden();
            if (runden >= 1)
                abstand = QStringLiteral("+%1 Rd.").arg(qFloor(runden));
            else if (w.ReturnRunden() > 0)
                abstand = QLatin1Char('+') +
                          sekunden(qMax(0.0, w.ReturnGesamtZeit() - erster->ReturnGesamtZeit()));
        }
        b[QStringLiteral("abstand")] = abstand;
        b[QStringLiteral("fruehstart")] = w.fruehstart();
        bahnen.append(b);
    }
    o[QStringLiteral("bahnen")] = bahnen;
    // Laps still to go in a race by laps (from the leader's count).
    if (z.ZeitRunden != 1 && erster) {
        bool ok = false;
        const int grenze = z.Grenze.toInt(&ok);
        if (ok) o[QStringLiteral("restRunden")] = qMax(0, grenze - int(erster->ReturnRunden()));
    }
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}
