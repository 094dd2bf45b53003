// Built for Windows by scripts/build-portalix-windows.sh and run there under Wine: loads
// portalix.dll and portalix_sim.dll by name, as the program does, resolves the four functions
// of each and calls them. The real bridge finds no box (none is attached) and refuses reads
// and writes; the simulated box opens, takes a write and gives it back, and refuses what the
// bridge must refuse. Prints "OK" or every fault; the exit code tells the test.

#include <windows.h>

#include <cstdio>

namespace {

using UsbOpen = int(__cdecl*)();
using ReadRam = unsigned char(__cdecl*)(int);
using WriteRam = int(__cdecl*)(int, int, unsigned char*);
using UsbClose = int(__cdecl*)();

int fehler = 0;

void pruefe(bool ok, const char* bibliothek, const char* was) {
    if (ok) return;
    std::printf("FEHLER %s: %s\n", bibliothek, was);
    ++fehler;
}

struct Bruecke {
    UsbOpen usbopen = nullptr;
    ReadRam readram = nullptr;
    WriteRam writeram = nullptr;
    UsbClose usbclose = nullptr;
};

// GetProcAddress hands out one function type for all; the real one is set here.
template <typename F>
F funktion(HMODULE h, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(h, name)));
}

bool lade(const char* name, Bruecke& b) {
    HMODULE h = LoadLibraryA(name);
    pruefe(h != nullptr, name, "LoadLibrary nach Name");
    if (!h) return false;
    b.usbopen = funktion<UsbOpen>(h, "usbopen");
    b.readram = funktion<ReadRam>(h, "readram");
    b.writeram = funktion<WriteRam>(h, "writeram");
    b.usbclose = funktion<UsbClose>(h, "usbclose");
    pruefe(b.usbopen && b.readram && b.writeram && b.usbclose, name, "die vier Exporte");
    return b.usbopen && b.readram && b.writeram && b.usbclose;
}

}  // namespace

int main() {
    unsigned char daten[2] = {0x12, 0x34};
    unsigned char gross[4097] = {};

    Bruecke echt;
    if (lade("portalix", echt)) {
        pruefe(echt.usbopen() == 1, "portalix", "usbopen ohne Box gibt 1");
        pruefe(echt.writeram(0xE040, 2, daten) == 1, "portalix", "writeram ohne Box gibt 1");
        pruefe(echt.readram(0xE040) == 0, "portalix", "readram ohne Box gibt 0");
        pruefe(echt.usbclose() == 0, "portalix", "usbclose gibt 0");
    }

    Bruecke sim;
    if (lade("portalix_sim", sim)) {
        pruefe(sim.usbopen() == 0, "portalix_sim", "usbopen gibt 0");
        pruefe(sim.writeram(0xE040, 2, daten) == 0, "portalix_sim", "writeram gibt 0");
        pruefe(sim.readram(0xE040) == 0x34, "portalix_sim", "readram gibt das zweite Byte");
        pruefe(sim.writeram(0, 4097, gross) == 1, "portalix_sim", "mehr als 4096 Bytes abgelehnt");
        pruefe(sim.writeram(0xFFFF, 2, daten) == 1, "portalix_sim",
               "Schreiben über 0xFFFF hinaus abgelehnt");
        pruefe(sim.writeram(0, 2, nullptr) == 1, "portalix_sim", "Schreiben ohne Daten abgelehnt");
        pruefe(sim.readram(-1) == 0 && sim.readram(0xFFFF) == 0, "portalix_sim",
               "Lesen außerhalb des Speichers gibt 0");
        pruefe(sim.usbclose() == 0, "portalix_sim", "usbclose gibt 0");
        pruefe(sim.readram(0xE040) == 0, "portalix_sim", "readram nach usbclose gibt 0");
        pruefe(sim.writeram(0xE040, 2, daten) == 1, "portalix_sim",
               "writeram nach usbclose gibt 1");
    }

    std::printf(fehler ? "%d Fehler\n" : "OK\n", fehler);
    return fehler ? 1 : 0;
}
