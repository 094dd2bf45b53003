// Built for Windows by scripts/build-modem-windows.sh and run under Wine: the edge rule of the
// Windows modem-line watcher, and its refusal of a handle that is no port. With a port name
// and a text (modemkanten_windows.exe COM5 TEXT) it also opens that port, asks its peer for
// the text, reads it back byte for byte, and checks that the watcher refuses a port without
// modem lines (a pseudo-terminal behind the COM port) cleanly, with a reason.

#include <cstdio>
#include <cstring>
#include <string>

#include "hardware/ModemKantenWindows.h"

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

#ifdef _WIN32
void pruefePort(const char* name, const char* erwartet) {
    const std::string pfad = std::string("\\\\.\\") + name;
    HANDLE h = CreateFileA(pfad.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    pruefe(h != INVALID_HANDLE_VALUE, "Port öffnen");
    if (h == INVALID_HANDLE_VALUE) return;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    pruefe(GetCommState(h, &dcb) != 0, "GetCommState");
    dcb.BaudRate = 9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    pruefe(SetCommState(h, &dcb) != 0, "SetCommState 9600,N,8,1");
    COMMTIMEOUTS zeiten{};
    zeiten.ReadTotalTimeoutConstant = 2000;
    pruefe(SetCommTimeouts(h, &zeiten) != 0, "SetCommTimeouts");

    const char bitte[] = "bereit\n";
    DWORD n = 0;
    pruefe(WriteFile(h, bitte, DWORD(sizeof bitte - 1), &n, nullptr) != 0 && n == sizeof bitte - 1,
           "WriteFile");
    std::string gelesen;
    const size_t laenge = std::strlen(erwartet);
    for (int versuch = 0; versuch < 10 && gelesen.size() < laenge; ++versuch) {
        char puffer[256];
        DWORD k = 0;
        if (!ReadFile(h, puffer, DWORD(laenge - gelesen.size()), &k, nullptr)) break;
        gelesen.append(puffer, k);
    }
    std::printf("%zu Bytes gelesen: \"%s\"\n", gelesen.size(), gelesen.c_str());
    pruefe(gelesen == erwartet, "die gesendeten Bytes gelesen");

    // A pseudo-terminal has no modem lines: the call is refused, and so is the watcher.
    DWORD status = 0;
    pruefe(GetCommModemStatus(h, &status) == 0, "GetCommModemStatus abgelehnt");
    ModemKantenWindows w;
    std::string grund;
    pruefe(!w.starte(
               h, [] { return 0; }, [](unsigned, unsigned, int) {}, &grund),
           "Leitungswächter ohne Modemleitungen abgelehnt");
    pruefe(!grund.empty() && !w.laeuft(), "mit Grund, ohne Faden");
    std::printf("Wächter: %s\n", grund.c_str());
    CloseHandle(h);
}
#endif
}  // namespace

int main(int argc, char** argv) {
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
    if (argc == 3) pruefePort(argv[1], argv[2]);
#else
    (void)argc;
    (void)argv;
#endif
    std::printf(fehler ? "%d Fehler\n" : "OK\n", fehler);
    return fehler ? 1 : 0;
}
