#include "FakePortalix.h"

namespace {
const uint8_t* g_daten = nullptr;
size_t g_groesse = 0;
size_t g_pos = 0;
}  // namespace

extern "C" {
__attribute__((visibility("default"))) void fuzzRamSetzen(const uint8_t* daten, size_t groesse) {
    g_daten = daten;
    g_groesse = groesse;
    g_pos = 0;
}
__attribute__((visibility("default"))) size_t fuzzRamRest() { return g_groesse - g_pos; }
__attribute__((visibility("default"))) int usbopen() { return 0; }
__attribute__((visibility("default"))) unsigned char readram(int) {
    return g_pos < g_groesse ? g_daten[g_pos++] : 0;
}
__attribute__((visibility("default"))) int writeram(int, int laenge, unsigned char* daten) {
    return laenge >= 0 && (laenge == 0 || daten) ? 0 : 1;
}
__attribute__((visibility("default"))) int usbclose() { return 0; }
}
