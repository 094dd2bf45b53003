#pragma once
// Windows backend: the box's vendor driver, found through its device interface class and
// driven with one device control code that carries the record both ways.

#include "UsbGeraet.h"

namespace portalix {

class WindowsGeraet : public UsbGeraet {
public:
    ~WindowsGeraet() override;
    bool oeffnen() override;
    bool uebertrage(std::vector<std::uint8_t>& satz) override;
    void schliessen() override;

private:
    void* m_handle = nullptr;  // HANDLE; nullptr when closed
};

}  // namespace portalix
