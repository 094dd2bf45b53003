#pragma once
// The four operations of the bridge over any backend: keeps the open state and the receive
// area, builds the records and guards every call against a missing device or bad arguments.

#include <array>
#include <cstdint>
#include <memory>

#include "UsbGeraet.h"

namespace portalix {

class PortalixKern {
public:
    explicit PortalixKern(std::unique_ptr<UsbGeraet> geraet);
    ~PortalixKern();
    PortalixKern(const PortalixKern&) = delete;
    PortalixKern& operator=(const PortalixKern&) = delete;

    int usbopen();
    unsigned char readram(int adresse);
    int writeram(int adresse, int laenge, const unsigned char* daten);
    int usbclose();

    bool offen() const { return m_offen; }
    // The two data bytes of the last read.
    const std::array<std::uint8_t, 2>& empfang() const { return m_empfang; }
    UsbGeraet* geraet() const { return m_geraet.get(); }

private:
    std::unique_ptr<UsbGeraet> m_geraet;
    bool m_offen = false;
    std::array<std::uint8_t, 2> m_empfang{};
};

}  // namespace portalix
