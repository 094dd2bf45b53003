#include "LibusbGeraet.h"

#include <libusb.h>

#include <algorithm>

#include "UsbKennung.h"
#include "portalix_record.h"

namespace portalix {

namespace {
// libusb reads a timeout of 0 as "wait for ever", which would hang the caller on a box that
// does not answer; reads carry 0 in the record, so they get this instead.
constexpr unsigned int ersatzTimeoutMs = 1000;
}  // namespace

LibusbGeraet::~LibusbGeraet() { schliessen(); }

bool LibusbGeraet::oeffnen() {
    schliessen();
    const std::vector<UsbKennung> gesucht = gesuchteKennungen();
    if (gesucht.empty()) return false;
    if (libusb_init(&m_kontext) != 0) {
        m_kontext = nullptr;
        return false;
    }
    libusb_device** liste = nullptr;
    const ssize_t anzahl = libusb_get_device_list(m_kontext, &liste);
    for (ssize_t i = 0; i < anzahl && !m_handle; ++i) {
        libusb_device_descriptor d{};
        if (libusb_get_device_descriptor(liste[i], &d) != 0) continue;
        const UsbKennung k{d.idVendor, d.idProduct};
        if (std::find(gesucht.begin(), gesucht.end(), k) == gesucht.end()) continue;
        // The first matching box is the one; if it cannot be opened there is no box.
        libusb_device_handle* h = nullptr;
        if (libusb_open(liste[i], &h) == 0) m_handle = h;
        break;
    }
    if (liste) libusb_free_device_list(liste, 1);
    if (!m_handle) {
        libusb_exit(m_kontext);
        m_kontext = nullptr;
        return false;
    }
    return true;
}

bool LibusbGeraet::uebertrage(std::vector<std::uint8_t>& satz) {
    if (!m_handle) return false;
    SatzKopf kopf;
    if (!leseKopf(satz, &kopf) || kopf.laenge > maxDatenLaenge) return false;
    unsigned int timeout = kopf.timeoutSek * 1000u;
    if (timeout == 0) timeout = ersatzTimeoutMs;
    const int r = libusb_control_transfer(m_handle, kopf.typ, kopf.anfrage, kopf.wert, kopf.index,
                                          satz.data() + kopf.datenOffset, kopf.laenge, timeout);
    // A short answer counts as a failure: half a word is no value.
    return r == kopf.laenge;
}

void LibusbGeraet::schliessen() {
    if (m_handle) libusb_close(m_handle);
    m_handle = nullptr;
    if (m_kontext) libusb_exit(m_kontext);
    m_kontext = nullptr;
}

}  // namespace portalix
