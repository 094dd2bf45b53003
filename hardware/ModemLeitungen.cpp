#include "hardware/ModemLeitungen.h"

#include "hardware/ModemLeitungenAbfrage.h"
#include "hardware/ModemLeitungenLinux.h"
#include "hardware/ModemLeitungenWindows.h"

std::vector<int> KantenAusPegeln(unsigned alt, unsigned neu) {
    std::vector<int> ereignisse;
    const unsigned geaendert = alt ^ neu;
    if (geaendert & ModemPegel::CD) ereignisse.push_back(ModemEreignis::CD);
    if (geaendert & ModemPegel::DSR) ereignisse.push_back(ModemEreignis::DSR);
    if (geaendert & ModemPegel::CTS) ereignisse.push_back(ModemEreignis::CTS);
    if ((alt & ModemPegel::RI) && !(neu & ModemPegel::RI)) ereignisse.push_back(ModemEreignis::RI);
    return ereignisse;
}

std::vector<int> KantenAusZaehlern(const ModemZaehler& alt, const ModemZaehler& neu) {
    std::vector<int> ereignisse;
    auto anhaengen = [&ereignisse](qint64 a, qint64 n, int ereignis) {
        for (qint64 i = a; i < n; ++i) ereignisse.push_back(ereignis);
    };
    anhaengen(alt.cd, neu.cd, ModemEreignis::CD);
    anhaengen(alt.dsr, neu.dsr, ModemEreignis::DSR);
    anhaengen(alt.cts, neu.cts, ModemEreignis::CTS);
    anhaengen(alt.ri, neu.ri, ModemEreignis::RI);
    return ereignisse;
}

std::unique_ptr<ModemLeitungen> ModemLeitungen::erzeuge(QObject* parent) {
#if defined(Q_OS_LINUX)
    return std::make_unique<ModemLeitungenLinux>(parent);
#elif defined(Q_OS_WIN)
    return std::make_unique<ModemLeitungenWindows>(parent);
#else
    return std::make_unique<ModemLeitungenAbfrage>(parent);
#endif
}
