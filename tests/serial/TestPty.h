#pragma once
// Test aids of the serial tests: a pseudo-terminal pair whose master side plays the device,
// and a modem-line watcher whose edges the test sets off itself (a pseudo-terminal has no
// modem lines).

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QString>
#include <QThread>

#include "config/DebugLog.h"
#include "hardware/ModemLeitungen.h"

// Lines of the debug log that contain the text.
inline int zeilenMit(const QString& teil) {
    int n = 0;
    for (const QString& z : DebugLog::instanz().zeilen()) n += z.contains(teil) ? 1 : 0;
    return n;
}

struct PtyPaar {
    int master = -1;
    QString pfad;
    QByteArray gelesen;

    PtyPaar() {
        int slave = -1;
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0) return;
        // A serial line hands bytes over unchanged. A new pseudo-terminal edits lines (erase,
        // kill, CR to LF, XON/XOFF) until the program's open switches it to raw: a frame sent
        // in that moment would arrive mangled, so the line is raw from the start.
        termios roh{};
        tcgetattr(slave, &roh);
        cfmakeraw(&roh);
        tcsetattr(slave, TCSANOW, &roh);
        ::close(slave);
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
        pfad = QString::fromLocal8Bit(name);
    }
    ~PtyPaar() { schliesse(); }
    bool ok() const { return master >= 0; }
    void schliesse() {
        if (master >= 0) ::close(master);
        master = -1;
    }
    void schreibe(const QByteArray& daten) const {
        qsizetype weg = 0;
        while (weg < daten.size()) {
            const ssize_t n = ::write(master, daten.constData() + weg, size_t(daten.size() - weg));
            if (n > 0)
                weg += n;
            else
                QCoreApplication::processEvents();
        }
    }
    // Writes without running the event loop (a blocked UI thread); false when there was no room
    // for the bytes within the deadline.
    bool schreibeOhneEreignisse(const QByteArray& daten, int fristMs = 20000) const {
        QDeadlineTimer frist(fristMs);
        qsizetype weg = 0;
        while (weg < daten.size()) {
            const ssize_t n = ::write(master, daten.constData() + weg, size_t(daten.size() - weg));
            if (n > 0)
                weg += n;
            else if (frist.hasExpired())
                return false;
            else
                QThread::msleep(1);
        }
        return true;
    }
    // Collects what the port side has sent so far.
    const QByteArray& lies() {
        char puffer[512];
        ssize_t n;
        while (master >= 0 && (n = ::read(master, puffer, sizeof puffer)) > 0)
            gelesen.append(puffer, n);
        return gelesen;
    }
};

class FakeModem : public ModemLeitungen {
    Q_OBJECT
public:
    using ModemLeitungen::ModemLeitungen;
    bool starte(QSerialPort*, ZeitstempelQuelle) override { return m_laeuft = true; }
    void stoppe() override { m_laeuft = false; }
    bool laeuft() const override { return m_laeuft; }
    // An edge seen by the watcher at the given stamp.
    void kanteAusloesen(int commEvent, qint32 zeit) {
        if (m_laeuft) emit kante(commEvent, zeit);
    }

private:
    bool m_laeuft = false;
};
