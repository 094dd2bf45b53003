#pragma once
// A real Mosquitto broker for the tests and the benchmark: a TCP and a WebSocket listener on
// free loopback ports, its own configuration, password file and log in a temporary folder;
// stopped and started again on the same ports. And a subscriber (libmosquitto, on its own
// thread) that keeps every message it gets. A missing `mosquitto` fails the test (build.sh
// installs it), it never skips.

#include <mosquitto.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <mutex>

class MqttBroker {
public:
    QTemporaryDir ordner;
    QProcess prozess;
    quint16 tcpPort = 0;
    quint16 wsPort = 0;
    QString fehler;

    static QString programm() {
        return QStandardPaths::findExecutable(
            "mosquitto", {"/usr/sbin", "/usr/local/sbin", "/sbin", "/usr/bin", "/usr/local/bin"});
    }
    static quint16 freierPort() {
        QTcpServer s;
        s.listen(QHostAddress::LocalHost, 0);
        return s.serverPort();
    }

    // Anonymous clients, or only `benutzer` with `passwort` on the TCP listener (the WebSocket
    // listener stays open for the lobby boards). maxVerbindungen: the number of files the
    // broker may open (the benchmark's thousand subscribers).
    bool richteEin(const QString& benutzer = {}, const QString& passwort = {}) {
        tcpPort = freierPort();
        wsPort = freierPort();
        if (programm().isEmpty()) {
            fehler = "mosquitto is not installed (build.sh installs the Debian package)";
            return false;
        }
        QString conf = "per_listener_settings true\npersistence false\n";
        // Run as root, the broker would become the user "mosquitto", who may not read the
        // test's folder.
        if (::geteuid() == 0) conf += "user root\n";
        conf += "log_dest file " + ordner.filePath("mosquitto.log") + "\n";
        conf += QString("listener %1 127.0.0.1\n").arg(tcpPort);
        if (benutzer.isEmpty()) {
            conf += "allow_anonymous true\n";
        } else {
            QProcess pw;
            pw.start(QStandardPaths::findExecutable("mosquitto_passwd"),
                     {"-b", "-c", ordner.filePath("passwoerter"), benutzer, passwort});
            if (!pw.waitForFinished(10000) || pw.exitCode() != 0) {
                fehler = "mosquitto_passwd failed";
                return false;
            }
            conf += "allow_anonymous false\npassword_file " + ordner.filePath("passwoerter") + "\n";
        }
        conf += QString("listener %1 127.0.0.1\nprotocol websockets\nallow_anonymous true\n")
                    .arg(wsPort);
        QFile f(ordner.filePath("mosquitto.conf"));
        if (!f.open(QIODevice::WriteOnly)) return false;
        f.write(conf.toUtf8());
        return true;
    }

    // Starts the broker and waits until its TCP listener takes connections.
    bool starte() {
        prozess.setProcessChannelMode(QProcess::ForwardedChannels);
        prozess.start(programm(), {"-c", ordner.filePath("mosquitto.conf")});
        if (!prozess.waitForStarted(10000)) {
            fehler = "mosquitto does not start: " + prozess.errorString();
            return false;
        }
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 10000 && prozess.state() == QProcess::Running) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, tcpPort);
            if (s.waitForConnected(200)) return true;
            QTest::qWait(20);
        }
        fehler = "mosquitto does not listen: " + log();
        return false;
    }
    void stoppe() {
        if (prozess.state() == QProcess::NotRunning) return;
        prozess.terminate();
        if (!prozess.waitForFinished(10000)) prozess.kill();
        prozess.waitForFinished(5000);
    }
    QString log() {
        QFile f(ordner.filePath("mosquitto.log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    ~MqttBroker() { stoppe(); }
};

// A subscriber that keeps every message, with the moment it arrived (monotonic ns).
class MqttAbonnent {
public:
    struct Nachricht {
        QString thema;
        QByteArray daten;
        bool behalten = false;
        qint64 ankunftNs = 0;
    };

    MqttAbonnent(quint16 port, QStringList themen, QString benutzer = {}, QString passwort = {})
        : m_themen(std::move(themen)) {
        mosquitto_lib_init();
        m = mosquitto_new(nullptr, true, this);
        if (!benutzer.isEmpty())
            mosquitto_username_pw_set(m, benutzer.toUtf8().constData(), passwort.toUtf8().constData());
        mosquitto_connect_callback_set(m, [](mosquitto* m, void* obj, int rc) {
            auto* a = static_cast<MqttAbonnent*>(obj);
            if (rc != 0) return;
            for (const QString& t : a->m_themen)
                mosquitto_subscribe(m, nullptr, t.toUtf8().constData(), 0);
            std::lock_guard s(a->m_schutz);
            ++a->m_verbunden;
        });
        mosquitto_message_callback_set(m, [](mosquitto*, void* obj, const mosquitto_message* n) {
            auto* a = static_cast<MqttAbonnent*>(obj);
            timespec ts{};
            clock_gettime(CLOCK_MONOTONIC, &ts);
            Nachricht x{QString::fromUtf8(n->topic),
                        QByteArray(static_cast<const char*>(n->payload), n->payloadlen),
                        n->retain, qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec};
            std::lock_guard s(a->m_schutz);
            a->m_nachrichten.append(std::move(x));
        });
        mosquitto_reconnect_delay_set(m, 1, 2, false);
        m_ok = mosquitto_connect(m, "127.0.0.1", port, 30) == MOSQ_ERR_SUCCESS &&
               mosquitto_loop_start(m) == MOSQ_ERR_SUCCESS;
    }
    ~MqttAbonnent() {
        mosquitto_disconnect(m);
        mosquitto_loop_stop(m, true);
        mosquitto_destroy(m);
    }
    bool ok() const { return m_ok; }
    // Times the subscriber has connected and subscribed.
    int verbunden() {
        std::lock_guard s(m_schutz);
        return m_verbunden;
    }
    QList<Nachricht> nachrichten() {
        std::lock_guard s(m_schutz);
        return m_nachrichten;
    }
    QList<Nachricht> auf(const QString& thema) {
        QList<Nachricht> r;
        for (const Nachricht& n : nachrichten())
            if (n.thema == thema) r << n;
        return r;
    }
    void leere() {
        std::lock_guard s(m_schutz);
        m_nachrichten.clear();
    }

private:
    mosquitto* m = nullptr;
    QStringList m_themen;
    std::mutex m_schutz;
    QList<Nachricht> m_nachrichten;
    int m_verbunden = 0;
    bool m_ok = false;
};
