#pragma once
// The line an emulator talks on: a new pseudo-terminal (its slave path is printed for the
// program to open) or an existing device path. Plain POSIX; shared by the three emulators.

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

class EmulatorPort {
public:
    ~EmulatorPort() {
        if (m_fd >= 0) ::close(m_fd);
        if (m_slave >= 0) ::close(m_slave);
    }

    // pfad empty: open a pseudo-terminal. False with the reason in fehler.
    bool oeffne(const QString& pfad, int baud, QString* fehler) {
        if (pfad.isEmpty()) {
            m_fd = ::posix_openpt(O_RDWR | O_NOCTTY);
            if (m_fd < 0 || ::grantpt(m_fd) != 0 || ::unlockpt(m_fd) != 0) return melde(fehler);
            m_pfad = QString::fromLocal8Bit(::ptsname(m_fd));
            // Hold the slave open ourselves: the line stays up while the program reopens it,
            // and it is raw before anyone reads (no echo back into our stream).
            m_slave = ::open(::ptsname(m_fd), O_RDWR | O_NOCTTY);
            if (m_slave < 0) return melde(fehler);
            roh(m_slave, baud);
        } else {
            m_fd = ::open(pfad.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
            if (m_fd < 0) return melde(fehler);
            m_pfad = pfad;
            roh(m_fd, baud);
        }
        return true;
    }

    QString pfad() const { return m_pfad; }

    bool schreibe(const QByteArray& daten) {
        qsizetype fertig = 0;
        while (fertig < daten.size()) {
            const ssize_t n = ::write(m_fd, daten.constData() + fertig, daten.size() - fertig);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            fertig += n;
        }
        return true;
    }

    // Waits up to ms for data and returns what is there (empty when nothing came).
    QByteArray lies(int ms) {
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, ms) <= 0 || !(p.revents & POLLIN)) return {};
        char puffer[512];
        const ssize_t n = ::read(m_fd, puffer, sizeof puffer);
        return n > 0 ? QByteArray(puffer, int(n)) : QByteArray();
    }

private:
    static void roh(int fd, int baud) {
        termios t{};
        if (::tcgetattr(fd, &t) != 0) return;
        ::cfmakeraw(&t);
        const speed_t s = baud == 4800 ? B4800 : baud == 9600 ? B9600 : B57600;
        ::cfsetispeed(&t, s);
        ::cfsetospeed(&t, s);
        ::tcsetattr(fd, TCSANOW, &t);
    }

    bool melde(QString* fehler) {
        if (fehler) *fehler = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }

    int m_fd = -1;
    int m_slave = -1;
    QString m_pfad;
};

// Emulators start their stream when a line (or end of input) arrives on stdin, so the program
// can open the port first; --sofort skips the wait.
inline void warteAufStart(bool sofort) {
    if (sofort) return;
    char zeile[64];
    if (!std::fgets(zeile, sizeof zeile, stdin)) return;
}

inline void schlafeMs(int ms) {
    if (ms > 0) ::poll(nullptr, 0, ms);
}
