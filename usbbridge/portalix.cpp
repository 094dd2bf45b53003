// The exported functions of the bridge: one process-wide device, one calling thread.

#include "portalix.h"

#include "PortalixKern.h"

#if defined(_WIN32)
#include "WindowsGeraet.h"
using PlattformGeraet = portalix::WindowsGeraet;
#else
#include "LibusbGeraet.h"
using PlattformGeraet = portalix::LibusbGeraet;
#endif

namespace {

portalix::PortalixKern& kern() {
    static portalix::PortalixKern k(std::make_unique<PlattformGeraet>());
    return k;
}

}  // namespace

extern "C" {

int PORTALIX_CDECL usbopen(void) { return kern().usbopen(); }

unsigned char PORTALIX_CDECL readram(int address) { return kern().readram(address); }

int PORTALIX_CDECL writeram(int address, int length, unsigned char* data) {
    return kern().writeram(address, length, data);
}

int PORTALIX_CDECL usbclose(void) { return kern().usbclose(); }

}  // extern "C"
