#include "PortalixKern.h"

#include <algorithm>

#include "portalix_record.h"

namespace portalix {

PortalixKern::PortalixKern(std::unique_ptr<UsbGeraet> geraet) : m_geraet(std::move(geraet)) {}

PortalixKern::~PortalixKern() { usbclose(); }

int PortalixKern::usbopen() {
    // A second open must not leak the first handle.
    usbclose();
    m_offen = m_geraet && m_geraet->oeffnen();
    return m_offen ? 0 : 1;
}

unsigned char PortalixKern::readram(int adresse) {
    // A failed read leaves zeros, not the bytes of some earlier address.
    m_empfang = {0, 0};
    if (!m_offen || adresse < 0 || adresse + leseLaenge > 0x10000) return 0;
    std::vector<std::uint8_t> satz =
        baueSatz(true, static_cast<std::uint16_t>(adresse), leseLaenge, nullptr);
    if (!m_geraet->uebertrage(satz)) return 0;
    SatzKopf kopf;
    if (!leseKopf(satz, &kopf)) return 0;
    // Never more than the receive area holds, whatever the device claims to have returned.
    const std::size_t n = std::min<std::size_t>(kopf.datenLaenge, m_empfang.size());
    std::copy_n(satz.begin() + kopf.datenOffset, n, m_empfang.begin());
    return m_empfang[1];
}

int PortalixKern::writeram(int adresse, int laenge, const unsigned char* daten) {
    if (!m_offen) return 1;
    if (adresse < 0 || laenge < 0 || laenge > maxDatenLaenge || adresse + laenge > 0x10000)
        return 1;
    if (laenge == 0) return 0;
    if (!daten) return 1;
    std::vector<std::uint8_t> satz = baueSatz(false, static_cast<std::uint16_t>(adresse),
                                              static_cast<std::uint16_t>(laenge), daten);
    return m_geraet->uebertrage(satz) ? 0 : 1;
}

int PortalixKern::usbclose() {
    if (m_offen && m_geraet) m_geraet->schliessen();
    m_offen = false;
    return 0;
}

}  // namespace portalix
