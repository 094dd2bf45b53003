#pragma once
// Vendor/product ids the libusb backend looks for.

#include <cstdint>
#include <vector>

namespace portalix {

struct UsbKennung {
    std::uint16_t hersteller = 0;
    std::uint16_t produkt = 0;
    bool operator==(const UsbKennung&) const = default;
};

// The box's controller before it renumerates with its own firmware (EZ-USB FX2 family).
std::vector<UsbKennung> standardKennungen();

// "vvvv:pppp,vvvv:pppp" in hex. Malformed entries are skipped.
std::vector<UsbKennung> leseKennungen(const char* text);

// PORTALIX_USB_IDS when set (even when it names nothing usable), else the built-in list.
std::vector<UsbKennung> gesuchteKennungen();

}  // namespace portalix
