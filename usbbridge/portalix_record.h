#pragma once
// The transfer record every read and write travels in: a 38-byte little-endian header that
// describes one vendor control request, followed by the data. The Windows driver takes the
// record as it is; the libusb backend turns the header back into a control transfer.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace portalix {

constexpr std::size_t kopfLaenge = 38;
constexpr std::uint8_t typLesen = 0xC0;      // device to host, vendor, to the device
constexpr std::uint8_t typSchreiben = 0x40;  // host to device, vendor, to the device
constexpr std::uint8_t anfrageRam = 0xA0;    // the controller's RAM load/read request
constexpr int leseLaenge = 2;
constexpr std::uint32_t schreibTimeoutSek = 1;
// usbfs refuses longer control transfers; Windows gets the same limit so both behave alike.
constexpr int maxDatenLaenge = 4096;

// Field offsets in the header.
enum Feld : std::size_t {
    feldTyp = 0,
    feldAnfrage = 1,
    feldWert = 2,
    feldIndex = 4,
    feldLaenge = 6,
    feldTimeout = 8,
    feldReserviert = 12,
    feldEndpunkt = 13,
    feldTreiberStatus = 14,
    feldUsbStatus = 18,
    feldIsoOffset = 22,
    feldIsoLaenge = 26,
    feldDatenOffset = 30,
    feldDatenLaenge = 34,
};

// Builds the record for a read (data zeroed, leseLaenge bytes) or for a write of laenge bytes
// from daten. The one place where the layout is written.
std::vector<std::uint8_t> baueSatz(bool lesen, std::uint16_t adresse, std::uint16_t laenge,
                                   const std::uint8_t* daten);

// The header fields a backend needs, read back from a record.
struct SatzKopf {
    std::uint8_t typ = 0;
    std::uint8_t anfrage = 0;
    std::uint16_t wert = 0;
    std::uint16_t index = 0;
    std::uint16_t laenge = 0;
    std::uint32_t timeoutSek = 0;
    std::uint32_t datenOffset = 0;
    std::uint32_t datenLaenge = 0;
    bool lesen() const { return (typ & 0x80) != 0; }
};

// False when the record is too short or its data area lies outside it.
bool leseKopf(const std::vector<std::uint8_t>& satz, SatzKopf* kopf);

std::uint16_t lies16(const std::uint8_t* p);
std::uint32_t lies32(const std::uint8_t* p);

}  // namespace portalix
