#pragma once
// Linux backend: the box through libusb, each record as one control transfer on endpoint 0.

#include "UsbGeraet.h"

struct libusb_context;
struct libusb_device_handle;

namespace portalix {

class LibusbGeraet : public UsbGeraet {
public:
    ~LibusbGeraet() override;
    bool oeffnen() override;
    bool uebertrage(std::vector<std::uint8_t>& satz) override;
    void schliessen() override;

private:
    libusb_context* m_kontext = nullptr;
    libusb_device_handle* m_handle = nullptr;
};

}  // namespace portalix
