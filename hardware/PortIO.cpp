#include "hardware/PortIO.h"

#include <QCoreApplication>

#include "config/DebugLog.h"
#include "hardware/PortIOInpout32.h"
#include "hardware/PortIOIoperm.h"
#include "hardware/PortIOPpdev.h"
#include "hardware/PortIOSimuliert.h"

quint16 LesePortAdresse(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    uint wert = 0;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        wert = t.mid(2).toUInt(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        wert = t.mid(2).toUInt(&ok, 16);
    else
        wert = t.toUInt(&ok, 10);
    return ok && wert <= 0xFFFF ? quint16(wert) : 0;
}

std::unique_ptr<PortIO> PortIO::waehle(quint16 lpt1Basis, quint16 lpt2Basis, QString* fehler) {
    const QString wunsch = qEnvironmentVariable("PISTORELLE_LPT").trimmed().toLower();
    const bool alle = wunsch.isEmpty();
    std::unique_ptr<PortIO> gewaehlt;
    QStringList gescheitert;

    if (wunsch == QLatin1String("sim") || wunsch == QLatin1String("simuliert")) {
        gewaehlt = std::make_unique<PortIOSimuliert>(lpt1Basis, lpt2Basis);
    }
    if (!gewaehlt && (alle || wunsch == QLatin1String("ppdev"))) {
        auto p = std::make_unique<PortIOPpdev>(lpt1Basis, lpt2Basis);
        if (p->bereit())
            gewaehlt = std::move(p);
        else
            gescheitert << p->fehler();
    }
    if (!gewaehlt && (alle || wunsch == QLatin1String("ioperm"))) {
        auto p = std::make_unique<PortIOIoperm>(lpt1Basis, lpt2Basis);
        if (p->bereit())
            gewaehlt = std::move(p);
        else
            gescheitert << p->fehler();
    }
#ifdef Q_OS_WIN
    if (!gewaehlt && (alle || wunsch == QLatin1String("inpout32"))) {
        auto p = std::make_unique<PortIOInpout32>();
        if (p->bereit())
            gewaehlt = std::move(p);
        else
            gescheitert << p->fehler();
    }
#endif
    for (const QString& f : gescheitert)
        SchreibeDebug(QStringLiteral("LPT Zugriff nicht möglich: ") + f);
    if (!gewaehlt) {
        if (gescheitert.isEmpty())
            gescheitert << QCoreApplication::translate("PortIO",
                                                       "PISTORELLE_LPT=%1 ist kein Zugriffsweg")
                               .arg(wunsch);
        if (fehler) *fehler = gescheitert.join(QStringLiteral("; "));
        return nullptr;
    }
    SchreibeDebug(QStringLiteral("LPT Zugriff über ") + gewaehlt->name());
    return gewaehlt;
}
