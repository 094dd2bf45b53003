#include "hardware/ModemKantenWindows.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {
// WaitCommEvent mask bits (as windows.h defines them), here so the edge rule builds anywhere.
constexpr unsigned evCts = 0x0008;
constexpr unsigned evDsr = 0x0010;
constexpr unsigned evRlsd = 0x0020;
constexpr unsigned evRing = 0x0100;
}  // namespace

void ModemKantenWindows::ergaenze(unsigned maske, unsigned alt, unsigned& neu, unsigned& zwischen) {
    // zwischen: levels of a pulse's first edge; equal to alt when there was none.
    zwischen = alt;
    const struct {
        unsigned ereignis, bit;
    } linien[] = {{evCts, ModemKanten::CTS}, {evDsr, ModemKanten::DSR}, {evRlsd, ModemKanten::CD}};
    for (const auto& l : linien)
        if ((maske & l.ereignis) && !((alt ^ neu) & l.bit)) zwischen ^= l.bit;
    // A ring that came and went: its trailing edge is the event (the line was high between).
    if ((maske & evRing) && !(alt & ModemKanten::RI) && !(neu & ModemKanten::RI))
        zwischen |= ModemKanten::RI;
}

ModemKantenWindows::~ModemKantenWindows() { stoppe(); }

#ifdef _WIN32

namespace {
unsigned lesePegel(HANDLE h, bool& ok) {
    DWORD st = 0;
    ok = GetCommModemStatus(h, &st) != 0;
    unsigned p = 0;
    if (st & MS_CTS_ON) p |= ModemKanten::CTS;
    if (st & MS_DSR_ON) p |= ModemKanten::DSR;
    if (st & MS_RLSD_ON) p |= ModemKanten::CD;
    if (st & MS_RING_ON) p |= ModemKanten::RI;
    return p;
}
}  // namespace

bool ModemKantenWindows::starte(void* handle, Stempel stempel, Melder melder, std::string* fehler) {
    stoppe();
    bool ok = false;
    m_alt = lesePegel(static_cast<HANDLE>(handle), ok);
    if (!ok) {
        if (fehler) *fehler = "GetCommModemStatus: Fehler " + std::to_string(GetLastError());
        return false;
    }
    // A handle of its own: the port component closes its handle at the port's first error,
    // while this thread may still wait on it.
    HANDLE eigenes = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), static_cast<HANDLE>(handle), GetCurrentProcess(),
                         &eigenes, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
        if (fehler) *fehler = "DuplicateHandle: Fehler " + std::to_string(GetLastError());
        return false;
    }
    DWORD maske = 0;
    GetCommMask(eigenes, &maske);
    SetCommMask(eigenes, maske | EV_CTS | EV_DSR | EV_RLSD | EV_RING);
    m_handle = eigenes;
    m_stempel = std::move(stempel);
    m_melder = std::move(melder);
    m_abfrage = false;
    m_stopEreignis = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_thread = CreateThread(nullptr, 0, &ModemKantenWindows::einstieg, this, 0, nullptr);
    if (!m_thread) {
        if (fehler) *fehler = "CreateThread: Fehler " + std::to_string(GetLastError());
        CloseHandle(m_stopEreignis);
        CloseHandle(eigenes);
        m_stopEreignis = nullptr;
        m_handle = nullptr;
        return false;
    }
    // Edges must be stamped at once, not when the scheduler gets round to it.
    SetThreadPriority(m_thread, THREAD_PRIORITY_TIME_CRITICAL);
    return true;
}

void ModemKantenWindows::stoppe() {
    if (!m_thread) return;
    SetEvent(m_stopEreignis);
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
    CloseHandle(m_stopEreignis);
    CloseHandle(static_cast<HANDLE>(m_handle));
    m_thread = nullptr;
    m_stopEreignis = nullptr;
    m_handle = nullptr;
}

unsigned long PISTORELLE_WINAPI ModemKantenWindows::einstieg(void* selbst) {
    static_cast<ModemKantenWindows*>(selbst)->lauf();
    return 0;
}

void ModemKantenWindows::pruefe(unsigned neu, unsigned maske, std::int32_t zeit) {
    unsigned zwischen = m_alt;
    ergaenze(maske, m_alt, neu, zwischen);
    if (zwischen != m_alt) {
        m_melder(m_alt, zwischen, zeit);
        m_alt = zwischen;
    }
    if (neu != m_alt) m_melder(m_alt, neu, zeit);
    m_alt = neu;
}

void ModemKantenWindows::lauf() {
    const HANDLE h = static_cast<HANDLE>(m_handle);
    OVERLAPPED ov{};
    ov.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE warten[2] = {ov.hEvent, static_cast<HANDLE>(m_stopEreignis)};
    bool ok = true;
    while (!m_abfrage) {
        DWORD maske = 0;
        ResetEvent(ov.hEvent);
        if (!WaitCommEvent(h, &maske, &ov)) {
            if (GetLastError() != ERROR_IO_PENDING) {
                m_abfrage = true;  // refused: another wait holds the handle
                break;
            }
            const DWORD r = WaitForMultipleObjects(2, warten, FALSE, INFINITE);
            if (r != WAIT_OBJECT_0) {
                CancelIoEx(h, &ov);
                DWORD n = 0;
                GetOverlappedResult(h, &ov, &n, TRUE);
                CloseHandle(ov.hEvent);
                return;
            }
            DWORD n = 0;
            if (!GetOverlappedResult(h, &ov, &n, FALSE)) {
                m_abfrage = true;
                break;
            }
        }
        const std::int32_t zeit = m_stempel();
        const unsigned neu = lesePegel(h, ok);
        if (!ok) break;  // port gone: the port component reports it
        pruefe(neu, maske, zeit);
    }
    CloseHandle(ov.hEvent);
    // Reading the levels every millisecond, until stopped.
    while (ok && WaitForSingleObject(static_cast<HANDLE>(m_stopEreignis), 1) == WAIT_TIMEOUT) {
        const std::int32_t zeit = m_stempel();
        const unsigned neu = lesePegel(h, ok);
        if (ok) pruefe(neu, 0, zeit);
    }
}

#else

bool ModemKantenWindows::starte(void*, Stempel, Melder, std::string* fehler) {
    if (fehler) *fehler = "WaitCommEvent gibt es nur unter Windows";
    return false;
}

void ModemKantenWindows::stoppe() {}

unsigned long ModemKantenWindows::einstieg(void*) { return 0; }

void ModemKantenWindows::lauf() {}

void ModemKantenWindows::pruefe(unsigned, unsigned, std::int32_t) {}

#endif
