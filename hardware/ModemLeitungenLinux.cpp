#include "hardware/ModemLeitungenLinux.h"

#include <QSerialPort>
#include <QThread>
#include <chrono>
#include <thread>

#include "config/DebugLog.h"
#include "hardware/Echtzeit.h"

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <pthread.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>

namespace {

// TIOCMIWAIT only returns on an edge; a signal without SA_RESTART wakes the thread for stopping.
int weckSignal() { return SIGRTMIN + 4; }

void leererHandler(int) {}

void installiereWeckSignal() {
    static std::once_flag einmal;
    std::call_once(einmal, [] {
        struct sigaction sa {};
        sa.sa_handler = leererHandler;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = 0;
        sigaction(weckSignal(), &sa, nullptr);
    });
}

bool leseZaehler(int fd, ModemZaehler& z) {
    serial_icounter_struct ic{};
    if (ioctl(fd, TIOCGICOUNT, &ic) < 0) return false;
    z = ModemZaehler{ic.cts, ic.dsr, ic.dcd, ic.rng};
    return true;
}

bool lesePegel(int fd, unsigned& pegel) {
    int st = 0;
    if (ioctl(fd, TIOCMGET, &st) < 0) return false;
    pegel = 0;
    if (st & TIOCM_CTS) pegel |= ModemPegel::CTS;
    if (st & TIOCM_DSR) pegel |= ModemPegel::DSR;
    if (st & TIOCM_CAR) pegel |= ModemPegel::CD;
    if (st & TIOCM_RNG) pegel |= ModemPegel::RI;
    return true;
}

bool gleich(const ModemZaehler& a, const ModemZaehler& b) {
    return a.cts == b.cts && a.dsr == b.dsr && a.cd == b.cd && a.ri == b.ri;
}

bool nichtUnterstuetzt(int fehler) {
    return fehler == ENOTTY || fehler == EINVAL || fehler == ENOSYS || fehler == EOPNOTSUPP;
}

void schlafeMillisekunde() {
    timespec ts{0, 1000000};
    nanosleep(&ts, nullptr);
}

}  // namespace
#endif

ModemLeitungenLinux::ModemLeitungenLinux(QObject* parent) : ModemLeitungen(parent) {}

ModemLeitungenLinux::~ModemLeitungenLinux() { stoppe(); }

bool ModemLeitungenLinux::starte(QSerialPort* port, ZeitstempelQuelle stempel) {
    stoppe();
#ifdef Q_OS_LINUX
    if (!port || !port->isOpen()) return false;
    // A descriptor of its own: the port's thread closes the port at its first error, and the
    // number must not pass to some other file while this thread still uses it.
    const int fd = fcntl(static_cast<int>(port->handle()), F_DUPFD_CLOEXEC, 0);
    ModemZaehler z;
    unsigned pegel = 0;
    Art art;
    if (fd >= 0 && leseZaehler(fd, z)) {
        art = Art::Warten;
    } else if (fd >= 0 && lesePegel(fd, pegel)) {
        art = Art::PegelAbfrage;
    } else {
        SchreibeDebug(QStringLiteral("Modemleitungen von %1 nicht lesbar: %2")
                          .arg(port->portName(), QString::fromLocal8Bit(strerror(errno))));
        if (fd >= 0) ::close(fd);
        return false;
    }
    m_fd = fd;
    installiereWeckSignal();
    m_stop = false;
    m_fertig = false;
    const quint64 generation = ++m_generation;
    m_threadId = 0;
    m_thread.reset(QThread::create([this, fd, art, stempel = std::move(stempel), generation] {
#ifdef Q_OS_LINUX
        m_threadId = static_cast<unsigned long>(pthread_self());
#endif
        QString grund;
        m_echtzeit = Echtzeit::fordereAn(&grund);
        debug(Echtzeit::meldung(QStringLiteral("Modemleitungen"), m_echtzeit, grund));
        lauf(fd, art, stempel, generation);
    }));
    m_thread->start();
    return true;
#else
    Q_UNUSED(port);
    Q_UNUSED(stempel);
    return false;
#endif
}

void ModemLeitungenLinux::stoppe() {
    ++m_generation;
    if (!m_thread) return;
    m_stop = true;
#ifdef Q_OS_LINUX
    // The signal may arrive just before the thread enters the ioctl: repeat until it is out.
    while (!m_fertig) {
        const unsigned long id = m_threadId;
        if (id) pthread_kill(static_cast<pthread_t>(id), weckSignal());
        if (!m_fertig) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
#endif
    m_thread->wait();
    m_thread.reset();
#ifdef Q_OS_LINUX
    if (m_fd >= 0) ::close(m_fd);
#endif
    m_fd = -1;
}

void ModemLeitungenLinux::melde(int ereignis, qint32 zeit, quint64 generation) {
    QMetaObject::invokeMethod(
        this,
        [this, ereignis, zeit, generation] {
            if (generation == m_generation) emit kante(ereignis, zeit);
        },
        Qt::QueuedConnection);
}

void ModemLeitungenLinux::debug(const QString& text) {
    QMetaObject::invokeMethod(
        this, [text] { SchreibeDebug(text); }, Qt::QueuedConnection);
}

void ModemLeitungenLinux::lauf(int fd, Art art, ZeitstempelQuelle stempel, quint64 generation) {
#ifdef Q_OS_LINUX
    ModemZaehler zaehler;
    unsigned pegel = 0;
    const bool mitZaehlern = leseZaehler(fd, zaehler);
    if (!lesePegel(fd, pegel)) pegel = 0;

    // Counters first; a driver that does not count still shows its levels.
    auto auswerten = [&](qint32 zeit) -> bool {
        ModemZaehler neuZ = zaehler;
        unsigned neuP = pegel;
        const bool zOk = mitZaehlern && leseZaehler(fd, neuZ);
        const bool pOk = lesePegel(fd, neuP);
        if (!zOk && !pOk) return false;
        std::vector<int> ereignisse;
        if (zOk && !gleich(neuZ, zaehler))
            ereignisse = KantenAusZaehlern(zaehler, neuZ);
        else if (pOk && neuP != pegel)
            ereignisse = KantenAusPegeln(pegel, neuP);
        for (int e : ereignisse) melde(e, zeit, generation);
        if (zOk) zaehler = neuZ;
        if (pOk) pegel = neuP;
        return true;
    };

    while (!m_stop) {
        if (art == Art::Warten) {
            const int r = ioctl(fd, TIOCMIWAIT, TIOCM_CAR | TIOCM_DSR | TIOCM_CTS | TIOCM_RNG);
            const int fehler = errno;
            const qint32 zeit = stempel();
            if (m_stop) break;
            if (r < 0) {
                if (fehler == EINTR) continue;
                if (nichtUnterstuetzt(fehler)) {
                    debug(QStringLiteral("Modemleitungen: kein TIOCMIWAIT, Abfrage je ms"));
                    art = Art::ZaehlerAbfrage;
                    continue;
                }
                debug(QStringLiteral("Modemleitungen: Ende nach Fehler %1")
                          .arg(QString::fromLocal8Bit(strerror(fehler))));
                break;
            }
            if (!auswerten(zeit)) break;
        } else {
            schlafeMillisekunde();
            if (m_stop) break;
            if (!auswerten(stempel())) break;
        }
    }
#else
    Q_UNUSED(fd);
    Q_UNUSED(art);
    Q_UNUSED(stempel);
    Q_UNUSED(generation);
#endif
    m_fertig = true;
}
