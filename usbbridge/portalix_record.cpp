#include "portalix_record.h"

#include <cstring>

namespace portalix {

namespace {

void schreibe16(std::uint8_t* p, std::uint16_t w) {
    p[0] = static_cast<std::uint8_t>(w & 0xFF);
    p[1] = static_cast<std::uint8_t>(w >> 8);
}

void schreibe32(std::uint8_t* p, std::uint32_t w) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(w >> (8 * i));
}

}  // namespace

std::uint16_t lies16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t lies32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::vector<std::uint8_t> baueSatz(bool lesen, std::uint16_t adresse, std::uint16_t laenge,
                                   const std::uint8_t* daten) {
    const std::uint16_t n = lesen ? static_cast<std::uint16_t>(leseLaenge) : laenge;
    std::vector<std::uint8_t> satz(kopfLaenge + n, 0);
    std::uint8_t* p = satz.data();
    p[feldTyp] = lesen ? typLesen : typSchreiben;
    p[feldAnfrage] = anfrageRam;
    schreibe16(p + feldWert, adresse);
    schreibe16(p + feldIndex, 0);
    schreibe16(p + feldLaenge, n);
    schreibe32(p + feldTimeout, lesen ? 0 : schreibTimeoutSek);
    // reserved, endpoint 0, both status words and the isochronous fields stay 0
    schreibe32(p + feldDatenOffset, static_cast<std::uint32_t>(kopfLaenge));
    schreibe32(p + feldDatenLaenge, n);
    if (!lesen && n > 0 && daten) std::memcpy(p + kopfLaenge, daten, n);
    return satz;
}

bool leseKopf(const std::vector<std::uint8_t>& satz, SatzKopf* kopf) {
    if (satz.size() < kopfLaenge) return false;
    const std::uint8_t* p = satz.data();
    SatzKopf k;
    k.typ = p[feldTyp];
    k.anfrage = p[feldAnfrage];
    k.wert = lies16(p + feldWert);
    k.index = lies16(p + feldIndex);
    k.laenge = lies16(p + feldLaenge);
    k.timeoutSek = lies32(p + feldTimeout);
    k.datenOffset = lies32(p + feldDatenOffset);
    k.datenLaenge = lies32(p + feldDatenLaenge);
    if (k.datenOffset > satz.size() || k.datenLaenge > satz.size() - k.datenOffset) return false;
    if (k.laenge > k.datenLaenge) return false;
    *kopf = k;
    return true;
}

}  // namespace portalix
