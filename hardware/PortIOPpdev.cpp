#include "hardware/PortIOPpdev.h"

#include <QCoreApplication>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

PortIOPpdev::PortIOPpdev(quint16 lpt1Basis, quint16 lpt2Basis) {
    m_ports[0].basis = lpt1Basis;
    m_ports[1].basis = lpt2Basis;
    for (int i = 0; i < 2; ++i) {
        Port& p = m_ports[i];
        p.pfad = QStringLiteral("/dev/parport%1").arg(i);
#ifdef Q_OS_LINUX
        const int fd = ::open(p.pfad.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC);
        if (fd < 0) {
            if (i == 0)
                m_fehler = p.pfad + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(errno));
            continue;
        }
        if (ioctl(fd, PPCLAIM) < 0) {
            if (i == 0)
                m_fehler = p.pfad + QStringLiteral(": ") + QString::fromLocal8Bit(strerror(errno));
            ::close(fd);
            continue;
        }
        p.fd = fd;
#else
        if (i == 0)
            m_fehler = QCoreApplication::translate("PortIO", "ppdev gibt es nur unter Linux");
#endif
    }
}

PortIOPpdev::~PortIOPpdev() {
#ifdef Q_OS_LINUX
    for (Port& p : m_ports) {
        if (p.fd < 0) continue;
        ioctl(p.fd, PPRELEASE);
        ::close(p.fd);
        p.fd = -1;
    }
#endif
}

QString PortIOPpdev::name() const {
    QString n = QStringLiteral("ppdev");
    for (const Port& p : m_ports)
        if (p.fd >= 0) n += QLatin1Char(' ') + p.pfad;
    return n;
}

const PortIOPpdev::Port* PortIOPpdev::finde(quint16 adresse, int& offset) const {
    for (const Port& p : m_ports) {
        if (p.fd >= 0 && adresse >= p.basis && adresse <= p.basis + 2) {
            offset = adresse - p.basis;
            return &p;
        }
    }
    return nullptr;
}

quint8 PortIOPpdev::Inp32(quint16 adresse) {
    int offset = 0;
    const Port* p = finde(adresse, offset);
    if (!p) return 0;
    unsigned char wert = 0;
#ifdef Q_OS_LINUX
    const unsigned long befehl = offset == 0 ? PPRDATA : offset == 1 ? PPRSTATUS : PPRCONTROL;
    if (ioctl(p->fd, befehl, &wert) < 0) return 0;
#endif
    return wert;
}

void PortIOPpdev::Out32(quint16 adresse, quint8 wert) {
    int offset = 0;
    const Port* p = finde(adresse, offset);
    if (!p || offset == 1) return;  // the status register cannot be written
#ifdef Q_OS_LINUX
    unsigned char w = wert;
    if (offset == 0) {
        ioctl(p->fd, PPWDATA, &w);
    } else {
        // Bit 5 of the control register turns the data lines around; the driver keeps it apart.
        int rueckwaerts = (wert & 0x20) ? 1 : 0;
        ioctl(p->fd, PPDATADIR, &rueckwaerts);
        w = wert & 0x0F;
        ioctl(p->fd, PPWCONTROL, &w);
    }
#else
    Q_UNUSED(wert);
#endif
}
