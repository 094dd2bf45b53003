#include "hardware/PortalixBindung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "config/Installation.h"

bool PortalixBindung::lade(const QString& name) {
    loese();
    m_name = name;
    m_fehler.clear();
    if (name.isEmpty()) {
        m_fehler = QCoreApplication::translate("PortalixBindung", "kein Bibliotheksname");
        return false;
    }
    QStringList kandidaten;
    const bool mitPfad = name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'));
    if (!mitPfad && QCoreApplication::instance())
        kandidaten << QDir(QCoreApplication::applicationDirPath()).filePath(name);
#ifndef Q_OS_WIN
    // The installed program keeps the bridge libraries in a folder of its own.
    if (!mitPfad) kandidaten << QDir(QStringLiteral(PISTORELLE_BIBLIOTHEKEN_ORDNER)).filePath(name);
#endif
    kandidaten << name;

    QStringList fehler;
    for (const QString& kandidat : kandidaten) {
        QLibrary bibliothek(kandidat);
        if (!bibliothek.load()) {
            fehler << bibliothek.errorString();
            continue;
        }
        auto usbopen = reinterpret_cast<UsbOpen>(bibliothek.resolve("usbopen"));
        auto readram = reinterpret_cast<ReadRam>(bibliothek.resolve("readram"));
        auto writeram = reinterpret_cast<WriteRam>(bibliothek.resolve("writeram"));
        auto usbclose = reinterpret_cast<UsbClose>(bibliothek.resolve("usbclose"));
        if (!usbopen || !readram || !writeram || !usbclose) {
            fehler << QCoreApplication::translate("PortalixBindung", "%1: Funktionen fehlen")
                          .arg(bibliothek.fileName());
            continue;
        }
        m_usbopen = usbopen;
        m_readram = readram;
        m_writeram = writeram;
        m_usbclose = usbclose;
        m_datei = bibliothek.fileName();
        return true;
    }
    m_fehler = fehler.join(QStringLiteral("; "));
    return false;
}

void PortalixBindung::loese() {
    m_usbopen = nullptr;
    m_readram = nullptr;
    m_writeram = nullptr;
    m_usbclose = nullptr;
    m_datei.clear();
}
