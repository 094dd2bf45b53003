#include "UsbKennung.h"

#include <cstdlib>
#include <string>

namespace portalix {

namespace {

bool leseHex16(const std::string& s, std::uint16_t* wert) {
    if (s.empty() || s.size() > 4) return false;
    unsigned w = 0;
    for (char c : s) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return false;
        w = w * 16 + static_cast<unsigned>(d);
    }
    *wert = static_cast<std::uint16_t>(w);
    return true;
}

std::string ohneLeerzeichen(const std::string& s) {
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    const auto b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

}  // namespace

std::vector<UsbKennung> standardKennungen() { return {{0x04B4, 0x8613}}; }

std::vector<UsbKennung> leseKennungen(const char* text) {
    std::vector<UsbKennung> liste;
    if (!text) return liste;
    const std::string alles(text);
    std::size_t pos = 0;
    while (pos <= alles.size()) {
        std::size_t komma = alles.find(',', pos);
        if (komma == std::string::npos) komma = alles.size();
        const std::string eintrag = ohneLeerzeichen(alles.substr(pos, komma - pos));
        const std::size_t doppelpunkt = eintrag.find(':');
        UsbKennung k;
        if (doppelpunkt != std::string::npos &&
            leseHex16(eintrag.substr(0, doppelpunkt), &k.hersteller) &&
            leseHex16(eintrag.substr(doppelpunkt + 1), &k.produkt))
            liste.push_back(k);
        pos = komma + 1;
    }
    return liste;
}

std::vector<UsbKennung> gesuchteKennungen() {
    const char* umgebung = std::getenv("PORTALIX_USB_IDS");
    if (umgebung) return leseKennungen(umgebung);
    return standardKennungen();
}

}  // namespace portalix
