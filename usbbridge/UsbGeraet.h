#pragma once
// One backend per platform: finds and opens the box and carries transfer records to it.

#include <cstdint>
#include <vector>

namespace portalix {

class UsbGeraet {
public:
    virtual ~UsbGeraet() = default;
    // Finds the first box and opens it. False when none is present or it cannot be opened.
    virtual bool oeffnen() = 0;
    // Sends one record (see portalix_record.h). For a read the backend puts the returned bytes
    // into the record's data area. False when the transfer failed.
    virtual bool uebertrage(std::vector<std::uint8_t>& satz) = 0;
    virtual void schliessen() = 0;
};

}  // namespace portalix
