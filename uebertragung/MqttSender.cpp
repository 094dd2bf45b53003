#include "uebertragung/MqttSender.h"

#include <mosquitto.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "engine/Rennleitung.h"
#include "engine/Rundenprotokoll.h"
#include "uebertragung/LiveStandDaten.h"

namespace {
// Codes of the thread's reports beside the states: room for the standings again.
constexpr int frei = -1;

void bibliothekBereit() {
    static std::once_flag einmal;
    std::call_once(einmal, [] { mosquitto_lib_init(); });
}
}  // namespace

// The connection's side: libmosquitto's client and the thread that drives it. The main
// thread only publishes (libmosquitto queues the packet and wakes the loop) and only while
// `verbunden` says the broker took our CONNECT.
struct MqttSender::Faden {
    mosquitto* m = nullptr;
    MqttSender::Verbindung v;
    std::thread faden;
    std::mutex schutz;
    std::condition_variable wecker;
    bool halt = false;
    bool fertig = false;
    MqttSender* empfaenger = nullptr;  // under schutz; null once the sender is gone
    std::atomic<bool> verbunden{false};
    std::atomic<int> offen{0};
    std::atomic<bool> wartetAufPlatz{false};
    bool abgewiesen = false;       // the broker refused the CONNECT (thread only)
    bool angenommen = false;       // the broker took it during this connection (thread only)

    ~Faden() {
        if (m) mosquitto_destroy(m);
    }

    void melde(MqttSender::Zustand z, int code = 0, const QString& grund = {}, int warte = 0) {
        melde(int(z), code, grund, warte);
    }
    void melde(int z, int code, const QString& grund, int warte) {
        std::lock_guard sperre(schutz);
        if (!empfaenger) return;
        MqttSender* e = empfaenger;
        QMetaObject::invokeMethod(
            e, [e, z, code, grund, warte] { e->vomFaden(z, code, grund, warte); },
            Qt::QueuedConnection);
    }
    // Waits ms unless told to stop; true when told to stop.
    bool warte(int ms) {
        std::unique_lock sperre(schutz);
        return wecker.wait_for(sperre, std::chrono::milliseconds(ms), [this] { return halt; });
    }
    bool gestoppt() {
        std::lock_guard sperre(schutz);
        return halt;
    }

    static void beiVerbindung(mosquitto*, void* obj, int rc) {
        auto* f = static_cast<Faden*>(obj);
        if (rc == 0) {
            f->angenommen = true;
            f->offen = 0;
            f->verbunden = true;
            f->melde(Zustand::Verbunden);
        } else {
            f->abgewiesen = true;
            f->melde(Zustand::Abgewiesen, rc, QString::fromUtf8(mosquitto_connack_string(rc)));
        }
    }
    static void beiTrennung(mosquitto*, void* obj, int) {
        static_cast<Faden*>(obj)->verbunden = false;
    }
    static void beiVeroeffentlicht(mosquitto*, void* obj, int) {
        auto* f = static_cast<Faden*>(obj);
        const int noch = --f->offen;
        if (noch <= maxOffen / 2 && f->wartetAufPlatz.exchange(false)) f->melde(frei, 0, {}, 0);
    }

    static QString fehlerText(int rc) {
        if (rc == MOSQ_ERR_ERRNO) return QString::fromLocal8Bit(std::strerror(errno));
        return QString::fromUtf8(mosquitto_strerror(rc));
    }

    void lauf() {
        const QByteArray host = v.host.toUtf8();
        int warteMs = ersteWarteMs;
        bool erst = true;
        while (!gestoppt()) {
            abgewiesen = angenommen = false;
            const int rc = erst ? mosquitto_connect(m, host.constData(), v.port, 30)
                                : mosquitto_reconnect(m);
            if (rc != MOSQ_ERR_INVAL) erst = false;
            if (rc == MOSQ_ERR_SUCCESS) {
                int schleife = MOSQ_ERR_SUCCESS;
                while (schleife == MOSQ_ERR_SUCCESS && !gestoppt())
                    schleife = mosquitto_loop(m, 200, 1);
                if (gestoppt()) break;
                verbunden = false;
                if (angenommen) warteMs = ersteWarteMs;
                if (!abgewiesen)
                    melde(Zustand::Verloren, schleife, fehlerText(schleife), warteMs);
            } else {
                melde(Zustand::NichtErreichbar, rc, fehlerText(rc), warteMs);
            }
            if (warte(warteMs)) break;
            warteMs = std::min(warteMs * 2, laengsteWarteMs);
        }
        // A clean goodbye: the last will is only for a connection that breaks.
        if (verbunden) {
            const char offline[] = "offline";
            const QByteArray thema = (v.thema + QStringLiteral("/status")).toUtf8();
            mosquitto_publish(m, nullptr, thema.constData(), int(std::strlen(offline)), offline, 1,
                              true);
            for (int i = 0; i < 10 && offen > 0; ++i) mosquitto_loop(m, 50, 1);
            mosquitto_disconnect(m);
            for (int i = 0; i < 10 && verbunden; ++i) mosquitto_loop(m, 50, 1);
        }
        std::lock_guard sperre(schutz);
        fertig = true;
        wecker.notify_all();
    }
};

MqttSender::MqttSender(Rennleitung& leitung, Hauptanzeige& anzeige, QObject* parent)
    : QObject(parent), m_daten(new LiveStandDaten(leitung, anzeige, this)) {
    connect(m_daten, &LiveStandDaten::geaendert, this, &MqttSender::planeStand);
    connect(&leitung, &Rennleitung::rundeGezaehlt, this, &MqttSender::sendeRunde);
}

MqttSender::~MqttSender() { beende(); }

MqttSender* MqttSender::ausEinstellungen(Rennleitung& leitung, Hauptanzeige& anzeige,
                                         QObject* parent, ZeitnahmeStatus* zeitnahme) {
    const Einstellungen& e = leitung.einstellungen();
    if (e.MqttAn != 1) return nullptr;
    auto* sender = new MqttSender(leitung, anzeige, parent);
    sender->setzeZeitnahme(zeitnahme);
    Verbindung v;
    v.host = e.MqttHost.trimmed().isEmpty() ? v.host : e.MqttHost.trimmed();
    v.port = e.MqttPort > 0 && e.MqttPort < 65536 ? e.MqttPort : v.port;
    // A root given with slashes at either end still names the same topics.
    const QString thema = e.MqttThema.trimmed();
    v.thema = thema.isEmpty() ? v.thema : thema;
    while (v.thema.endsWith(QLatin1Char('/'))) v.thema.chop(1);
    v.benutzer = e.MqttBenutzer;
    v.passwort = e.MqttPasswort;
    v.tls = e.MqttTls == 1;
    sender->starte(v);
    return sender;
}

void MqttSender::setzeZeitnahme(ZeitnahmeStatus* status) { m_daten->setzeZeitnahme(status); }

void MqttSender::starte(const Verbindung& v) {
    beende();
    bibliothekBereit();
    m_verbindung = v;
    auto f = std::make_shared<Faden>();
    f->v = v;
    f->empfaenger = this;
    // Two PCs must never share an id: the broker would drop one for the other.
    const QByteArray id = QStringLiteral("pistorelle-%1-%2")
                              .arg(QSysInfo::machineHostName())
                              .arg(::getpid())
                              .toUtf8();
    f->m = mosquitto_new(id.constData(), true, f.get());
    if (!f->m) {
        vomFaden(int(Zustand::NichtErreichbar), MOSQ_ERR_NOMEM,
                 QString::fromUtf8(mosquitto_strerror(MOSQ_ERR_NOMEM)), 0);
        return;
    }
    mosquitto_threaded_set(f->m, true);
    mosquitto_int_option(f->m, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    mosquitto_connect_callback_set(f->m, &Faden::beiVerbindung);
    mosquitto_disconnect_callback_set(f->m, &Faden::beiTrennung);
    mosquitto_publish_callback_set(f->m, &Faden::beiVeroeffentlicht);
    const QByteArray status = (v.thema + QStringLiteral("/status")).toUtf8();
    mosquitto_will_set(f->m, status.constData(), 7, "offline", 1, true);
    if (!v.benutzer.isEmpty())
        mosquitto_username_pw_set(f->m, v.benutzer.toUtf8().constData(),
                                  v.passwort.isEmpty() ? nullptr : v.passwort.toUtf8().constData());
    if (v.tls) {
        // The system's CA certificates (Debian: ca-certificates).
        const char* datei = "/etc/ssl/certs/ca-certificates.crt";
        const bool gibtEs = QFile::exists(QString::fromLatin1(datei));
        mosquitto_tls_set(f->m, gibtEs ? datei : nullptr, gibtEs ? nullptr : "/etc/ssl/certs",
                          nullptr, nullptr, nullptr);
    }
    m_faden = f;
    vomFaden(int(Zustand::Verbinde), 0, {}, 0);
    // The thread holds the state too: it may outlive the sender (see beende()).
    f->faden = std::thread([f] { f->lauf(); });
}

void MqttSender::beende() {
    if (!m_faden) return;
    std::shared_ptr<Faden> f = std::move(m_faden);
    {
        std::unique_lock sperre(f->schutz);
        f->empfaenger = nullptr;
        f->halt = true;
        f->wecker.notify_all();
        // A connect to a host that does not answer can take the system's whole timeout: the
        // program does not wait for it, the thread ends by itself later.
        f->wecker.wait_for(sperre, std::chrono::milliseconds(1500), [&] { return f->fertig; });
    }
    if (f->fertig)
        f->faden.join();
    else
        f->faden.detach();
    m_zustand = Zustand::Aus;
    m_text.clear();
    emit zustandGeaendert();
}

void MqttSender::vomFaden(int zustand, int code, const QString& grund, int warteMs) {
    if (zustand == frei) {
        sendeStand();
        return;
    }
    const QString wo = QStringLiteral("%1:%2").arg(m_verbindung.host).arg(m_verbindung.port);
    const QString warte = QString::number((warteMs + 999) / 1000);
    QString text;
    switch (Zustand(zustand)) {
    case Zustand::Aus:
        break;
    case Zustand::Verbinde:
        text = tr("MQTT: verbinde mit %1 …").arg(wo);
        break;
    case Zustand::Verbunden:
        text = tr("MQTT: verbunden mit %1, Thema %2").arg(wo, m_verbindung.thema);
        break;
    case Zustand::NichtErreichbar:
        text = tr("MQTT: Broker %1 nicht erreichbar (%2), neuer Versuch in %3 s")
                   .arg(wo, grund, warte);
        break;
    case Zustand::Verloren:
        text = tr("MQTT: Verbindung zum Broker %1 verloren (%2), neuer Versuch in %3 s")
                   .arg(wo, grund, warte);
        break;
    case Zustand::Abgewiesen:
        // CONNACK 4 and 5 of MQTT 3.1.1: bad user name or password, not authorised (which
        // Mosquitto answers to a wrong password as well).
        text = code == 4   ? tr("MQTT: Broker %1 lehnt die Anmeldung ab: Benutzername oder "
                                "Passwort falsch")
                                 .arg(wo)
               : code == 5 ? tr("MQTT: Broker %1 lehnt die Anmeldung ab: nicht berechtigt "
                                "(Benutzername und Passwort prüfen)")
                                 .arg(wo)
                           : tr("MQTT: Broker %1 lehnt die Anmeldung ab: %2").arg(wo, grund);
        break;
    }
    m_zustand = Zustand(zustand);
    // A debug line when the text changes (at most one per attempt, and attempts are paced).
    if (text != m_text) {
        m_text = text;
        SchreibeDebug(text);
    }
    if (m_zustand == Zustand::Verbunden) {
        veroeffentliche("status", "online", true, 1);
        m_zuletzt.clear();
        sendeStand();
    }
    emit zustandGeaendert();
}

bool MqttSender::veroeffentliche(const QByteArray& unterthema, const QByteArray& daten,
                                 bool behalten, int qos) {
    Faden* f = m_faden.get();
    if (!f || !f->verbunden) return false;
    if (f->offen >= maxOffen) return false;
    ++f->offen;
    const QByteArray thema = m_verbindung.thema.toUtf8() + '/' + unterthema;
    const int rc = mosquitto_publish(f->m, nullptr, thema.constData(), int(daten.size()),
                                     daten.constData(), qos, behalten);
    if (rc != MOSQ_ERR_SUCCESS) {
        --f->offen;
        return false;
    }
    return true;
}

void MqttSender::planeStand() {
    // The changes of one lap (values, order, clock) go out as one message, right after the
    // engine has finished with the lap.
    if (m_geplant || !m_faden) return;
    m_geplant = true;
    QMetaObject::invokeMethod(this, &MqttSender::sendeStand, Qt::QueuedConnection);
}

void MqttSender::sendeStand() {
    m_geplant = false;
    if (!m_faden || !m_faden->verbunden) return;
    if (m_faden->offen >= maxOffen) {
        // No room: the newest standings go out once the broker has taken some (the thread
        // says so; if it has made room in this very moment, we ask again ourselves).
        m_faden->wartetAufPlatz = true;
        if (m_faden->offen <= maxOffen / 2 && m_faden->wartetAufPlatz.exchange(false))
            planeStand();
        return;
    }
    const QByteArray json = m_daten->json();
    if (json == m_zuletzt) return;
    if (veroeffentliche("stand", json, true, 0)) m_zuletzt = json;
}

void MqttSender::sendeRunde(const Rundeneintrag& r, const QString& uhrzeit) {
    if (!m_faden) return;
    QJsonObject o;
    o[QStringLiteral("rennen")] = r.rennName;
    o[QStringLiteral("art")] = r.rennArt;
    o[QStringLiteral("bahn")] = r.bahn;
    o[QStringLiteral("fahrer")] = r.fahrer;
    o[QStringLiteral("auto")] = r.autoName;
    o[QStringLiteral("runde")] = r.runde;
    o[QStringLiteral("zeit")] = qRound(r.zeit * 1000.0);
    o[QStringLiteral("gesamtZeit")] = qRound(r.gesamt * 1000.0);
    o[QStringLiteral("uhrzeit")] = uhrzeit;
    o[QStringLiteral("vermerk")] = r.rennInfo.trimmed();
    if (veroeffentliche("runde", QJsonDocument(o).toJson(QJsonDocument::Compact), false, 0)) {
        ++m_gesendeteRunden;
    } else if (m_faden->verbunden) {
        ++m_verworfeneRunden;
        SchreibeDebug(QStringLiteral("MQTT: Runde %1 auf Bahn %2 nicht gesendet (Broker im Rückstand)")
                          .arg(r.runde)
                          .arg(r.bahn));
    }
}
