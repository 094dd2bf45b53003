// The simulated box behind the bridge's own four functions, so a program that loads this
// library instead of Portalix runs its whole path down to the transfer records.

#include "portalix_sim.h"

#include <algorithm>
#include <cstring>

#include "PortalixKern.h"
#include "SimBox.h"

namespace {

struct Sim {
    portalix::SimBox* box;
    portalix::PortalixKern kern;
    Sim() : box(new portalix::SimBox), kern(std::unique_ptr<portalix::UsbGeraet>(box)) {}
};

Sim& sim() {
    static Sim s;
    return s;
}

portalix::SimBox& box() { return *sim().box; }

}  // namespace

extern "C" {

int PORTALIX_CDECL usbopen(void) { return sim().kern.usbopen(); }

unsigned char PORTALIX_CDECL readram(int address) { return sim().kern.readram(address); }

int PORTALIX_CDECL writeram(int address, int length, unsigned char* data) {
    return sim().kern.writeram(address, length, data);
}

int PORTALIX_CDECL usbclose(void) { return sim().kern.usbclose(); }

int portalix_sim_runde(int bahn, int zeit_ms) { return box().runde(bahn - 1, zeit_ms) ? 0 : 1; }

int portalix_sim_setze_zaehler(int bahn, int wert) {
    return box().setzeZaehler(bahn - 1, wert) ? 0 : 1;
}

int portalix_sim_setze_zeit(int bahn, int minuten, int sekunden, int zehntel, int ms) {
    return box().setzeZeit(bahn - 1, minuten, sekunden, zehntel, ms) ? 0 : 1;
}

int portalix_sim_lese(int adresse) { return box().lese(adresse); }

int portalix_sim_schreibanzahl(void) { return static_cast<int>(box().schreibLog().size()); }

int portalix_sim_schreibvorgang(int i, int* adresse, unsigned char* puffer, int max) {
    const auto& log = box().schreibLog();
    if (i < 0 || static_cast<std::size_t>(i) >= log.size()) return -1;
    const auto& s = log[static_cast<std::size_t>(i)];
    if (adresse) *adresse = s.adresse;
    if (puffer && max > 0)
        std::memcpy(puffer, s.daten.data(), std::min<std::size_t>(s.daten.size(), max));
    return static_cast<int>(s.daten.size());
}

int portalix_sim_leseanzahl(void) { return static_cast<int>(box().leseAnzahl()); }

void portalix_sim_log_leeren(void) { box().leereLog(); }

void portalix_sim_lesefehler(int anzahl) { box().setzeLesefehler(anzahl); }

void portalix_sim_setze_vorhanden(int ja) { box().setzeVorhanden(ja != 0); }

void portalix_sim_stecker(int drin) { box().setzeGesteckt(drin != 0); }

void portalix_sim_aus_und_an(void) { box().ausUndAn(); }

int portalix_sim_offen(void) { return box().offen() ? 1 : 0; }

int portalix_sim_oeffnungen(void) { return box().oeffnungen(); }

int portalix_sim_im_reset(void) { return box().imReset() ? 1 : 0; }

int portalix_sim_ampel_schritte(void) { return box().ampelSchritte(); }

int portalix_sim_ampel_resets(void) { return box().ampelResets(); }

void portalix_sim_zuruecksetzen(void) {
    sim().kern.usbclose();
    box().zuruecksetzen();
}

}  // extern "C"
