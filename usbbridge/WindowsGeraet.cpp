#include "WindowsGeraet.h"

// clang-format off
#include <windows.h>
#include <setupapi.h>
// clang-format on

#include <vector>

namespace portalix {

namespace {

// {AE18AA60-7F6A-11D4-97DD-00010229B959}
const GUID boxKlasse = {
    0xAE18AA60, 0x7F6A, 0x11D4, {0x97, 0xDD, 0x00, 0x01, 0x02, 0x29, 0xB9, 0x59}};

// Device type 0x22, function 8, buffered, any access.
constexpr DWORD steuerCode = 0x220020;
static_assert(steuerCode == CTL_CODE(0x22, 8, METHOD_BUFFERED, FILE_ANY_ACCESS));

}  // namespace

WindowsGeraet::~WindowsGeraet() { schliessen(); }

bool WindowsGeraet::oeffnen() {
    schliessen();
    HDEVINFO menge =
        SetupDiGetClassDevsA(&boxKlasse, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (menge == INVALID_HANDLE_VALUE) return false;

    SP_DEVICE_INTERFACE_DATA schnittstelle{};
    schnittstelle.cbSize = sizeof(schnittstelle);
    bool ok = SetupDiEnumDeviceInterfaces(menge, nullptr, &boxKlasse, 0, &schnittstelle);

    std::vector<unsigned char> detailPuffer;
    if (ok) {
        DWORD groesse = 0;
        SetupDiGetDeviceInterfaceDetailA(menge, &schnittstelle, nullptr, 0, &groesse, nullptr);
        ok = groesse >= sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        if (ok) {
            detailPuffer.assign(groesse, 0);
            auto* detail =
                reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(detailPuffer.data());
            // Size of the record without its path; it differs between 32 and 64 bit builds.
            detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
            SP_DEVINFO_DATA info{};
            info.cbSize = sizeof(info);
            ok = SetupDiGetDeviceInterfaceDetailA(menge, &schnittstelle, detail, groesse, nullptr,
                                                  &info);
            if (ok) {
                // Opened for synchronous use: every control request waits for its answer.
                HANDLE h = CreateFileA(detail->DevicePath, GENERIC_READ | GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       0, nullptr);
                ok = h != INVALID_HANDLE_VALUE;
                if (ok) m_handle = h;
            }
        }
    }
    SetupDiDestroyDeviceInfoList(menge);
    return ok;
}

bool WindowsGeraet::uebertrage(std::vector<std::uint8_t>& satz) {
    if (!m_handle) return false;
    DWORD zurueck = 0;
    const DWORD n = static_cast<DWORD>(satz.size());
    return DeviceIoControl(static_cast<HANDLE>(m_handle), steuerCode, satz.data(), n, satz.data(),
                           n, &zurueck, nullptr) != FALSE;
}

void WindowsGeraet::schliessen() {
    if (m_handle) CloseHandle(static_cast<HANDLE>(m_handle));
    m_handle = nullptr;
}

}  // namespace portalix
