// Built for Windows by scripts/build-modem-windows.sh: the edge rule of the Windows modem-line
// watcher, and its refusal of a handle that is no port. Runs wherever a Windows binary runs.

#include <cstdio>

#include "ModemKantenWindows.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {
int fehler = 0;
void pruefe(bool ok, const char* was) {
    if (!ok) {
        std::printf("FEHLER: %s\n", was);
        ++fehler;
    }
}
}  // namespace

int main() {
    using namespace ModemKanten;
    unsigned neu = CTS, zwischen = 0;
    // A level change the mask names is one edge, nothing in between.
    ModemKantenWindows::ergaenze(0x0008, 0, neu, zwischen);
    pruefe(zwischen == 0 && neu == CTS, "CTS steigt");
    // DSR moved but reads as before: a short pulse, two edges.
    neu = 0;
    ModemKantenWindows::ergaenze(0x0010, 0, neu, zwischen);
    pruefe(zwischen == DSR && neu == 0, "DSR-Puls");
    // A ring seen only after it ended counts at its trailing edge.
    neu = CD;
    ModemKantenWindows::ergaenze(0x0100, CD, neu, zwischen);
    pruefe(zwischen == (CD | RI) && neu == CD, "RI-Puls");
#ifdef _WIN32
    ModemKantenWindows w;
    std::string grund;
    pruefe(!w.starte(
               INVALID_HANDLE_VALUE, [] { return 0; }, [](unsigned, unsigned, int) {}, &grund),
           "ungültiger Port wird abgelehnt");
    pruefe(!grund.empty() && !w.laeuft(), "Grund genannt");
#endif
    std::printf(fehler ? "%d Fehler\n" : "OK\n", fehler);
    return fehler ? 1 : 0;
}
