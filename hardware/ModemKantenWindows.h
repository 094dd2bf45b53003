#pragma once
// The Windows side of the modem-line watcher, in plain Win32 so it builds without Qt: a thread
// of its own waits in WaitCommEvent (EV_CTS | EV_DSR | EV_RLSD | EV_RING) on the open port,
// takes the stamp the moment the wait returns and reports the line levels before and after.
// A pulse that rose and fell before the levels could be read still counts: the event mask
// says which line moved.
//
// The serial driver serves one pending wait per handle and the port component may hold one
// of its own; where ours is refused the thread reads the levels every millisecond instead,
// still stamping them here, off the UI thread.

#include <cstdint>
#include <functional>
#include <string>

#ifdef _WIN32
#define PISTORELLE_WINAPI __stdcall
#else
#define PISTORELLE_WINAPI
#endif

namespace ModemKanten {
// Line bits, the same as ModemPegel's.
constexpr unsigned CTS = 1;
constexpr unsigned DSR = 2;
constexpr unsigned CD = 4;
constexpr unsigned RI = 8;
}  // namespace ModemKanten

class ModemKantenWindows {
public:
    using Stempel = std::function<std::int32_t()>;
    // Called on the watcher thread: levels before and after, stamp of the edge.
    using Melder = std::function<void(unsigned alt, unsigned neu, std::int32_t zeit)>;

    ModemKantenWindows() = default;
    ModemKantenWindows(const ModemKantenWindows&) = delete;
    ModemKantenWindows& operator=(const ModemKantenWindows&) = delete;
    ~ModemKantenWindows();

    // handle: the open port's HANDLE. False with the reason when the lines cannot be read
    // (and always off Windows).
    bool starte(void* handle, Stempel stempel, Melder melder, std::string* fehler = nullptr);
    // Ends the thread; no report follows once it returns.
    void stoppe();
    bool laeuft() const { return m_thread != nullptr; }
    // True once the thread gave up on WaitCommEvent and reads the levels instead.
    bool fragtAb() const { return m_abfrage; }

    // The levels that one event stands for: a line named in the mask whose level did not
    // change moved twice (a short pulse), a ring counts at its trailing edge.
    static void ergaenze(unsigned maske, unsigned alt, unsigned& neu, unsigned& zwischen);

private:
    static unsigned long PISTORELLE_WINAPI einstieg(void* selbst);
    void lauf();
    void pruefe(unsigned neu, unsigned maske, std::int32_t zeit);

    void* m_handle = nullptr;
    void* m_thread = nullptr;
    void* m_stopEreignis = nullptr;
    Stempel m_stempel;
    Melder m_melder;
    unsigned m_alt = 0;
    volatile bool m_abfrage = false;
};
