#include "hardware/PortIOInpout32.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN

PortIOInpout32::PortIOInpout32() {
    const QString namen[] = {
#if defined(Q_OS_WIN64)
        QStringLiteral("inpoutx64"),
#endif
        QStringLiteral("inpout32")
    };
    for (const QString& n : namen) {
        m_bibliothek.setFileName(n);
        if (!m_bibliothek.load()) {
            m_fehler = m_bibliothek.errorString();
            continue;
        }
        m_inp = reinterpret_cast<InpFunktion>(m_bibliothek.resolve("Inp32"));
        m_out = reinterpret_cast<OutFunktion>(m_bibliothek.resolve("Out32"));
        if (bereit()) return;
        m_fehler = QCoreApplication::translate("PortIO", "%1: Inp32/Out32 fehlen").arg(n);
        m_bibliothek.unload();
        m_inp = nullptr;
        m_out = nullptr;
    }
}

quint8 PortIOInpout32::Inp32(quint16 adresse) {
    return m_inp ? quint8(m_inp(short(adresse)) & 0xFF) : 0;
}

void PortIOInpout32::Out32(quint16 adresse, quint8 wert) {
    if (m_out) m_out(short(adresse), short(wert));
}

QString PortIOInpout32::name() const { return m_bibliothek.fileName(); }

#endif
