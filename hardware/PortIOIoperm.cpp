#include "hardware/PortIOIoperm.h"

#include <QCoreApplication>

#if defined(Q_OS_LINUX) && (defined(__x86_64__) || defined(__i386__))
#define PISTORELLE_IOPERM 1
#include <sys/io.h>

#include <cerrno>
#include <cstring>
#endif

PortIOIoperm::PortIOIoperm(quint16 lpt1Basis, quint16 lpt2Basis) : m_basis{lpt1Basis, lpt2Basis} {
#ifdef PISTORELLE_IOPERM
    for (int i = 0; i < 2; ++i) {
        if (m_basis[i] == 0) continue;
        if (ioperm(m_basis[i], 3, 1) == 0) {
            m_offen[i] = true;
        } else if (i == 0) {
            m_fehler = QStringLiteral("ioperm: ") + QString::fromLocal8Bit(strerror(errno));
        }
    }
    m_bereit = m_offen[0];
#else
    m_fehler = QCoreApplication::translate("PortIO", "ioperm gibt es nur unter Linux auf x86");
#endif
}

bool PortIOIoperm::erlaubt(quint16 adresse) const {
    for (int i = 0; i < 2; ++i)
        if (m_offen[i] && adresse >= m_basis[i] && adresse <= m_basis[i] + 2) return true;
    return false;
}

quint8 PortIOIoperm::Inp32(quint16 adresse) {
    if (!erlaubt(adresse)) return 0;
#ifdef PISTORELLE_IOPERM
    return inb(adresse);
#else
    return 0;
#endif
}

void PortIOIoperm::Out32(quint16 adresse, quint8 wert) {
    if (!erlaubt(adresse)) return;
#ifdef PISTORELLE_IOPERM
    outb(wert, adresse);
#else
    Q_UNUSED(wert);
#endif
}
