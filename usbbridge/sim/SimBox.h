#pragma once
// A USB race box in memory: the controller's 64 KiB of RAM, the reset register and the light
// unit, answering transfer records as the real controller answers its RAM request. Every
// write is kept in a log so tests can check what the program sent.

#include <array>
#include <cstdint>
#include <vector>

#include "UsbGeraet.h"

namespace portalix {

class SimBox : public UsbGeraet {
public:
    static constexpr std::uint16_t adrZeit = 0xE000;     // + 0x10 * lane: minutes, seconds, ...
    static constexpr std::uint16_t adrZaehler = 0xE040;  // + 2 * lane
    static constexpr std::uint16_t adrAmpel = 0xE064;
    static constexpr std::uint16_t adrReset = 0xE600;

    struct Schreibvorgang {
        std::uint16_t adresse = 0;
        std::vector<std::uint8_t> daten;
    };

    SimBox();

    bool oeffnen() override;
    bool uebertrage(std::vector<std::uint8_t>& satz) override;
    void schliessen() override;

    // Lane z (0..3) completes a lap of zeitMs: counter + 1, time cells set.
    bool runde(int z, long zeitMs);
    bool setzeZaehler(int z, int wert);
    bool setzeZeit(int z, int minuten, int sekunden, int zehntel, int ms);
    std::uint8_t lese(int adresse) const;

    void setzeVorhanden(bool ja) { m_vorhanden = ja; }
    // The cable: pulled, the device is gone (no open, every transfer fails) while the box,
    // on its own power, keeps its RAM and goes on counting.
    void setzeGesteckt(bool ja) { m_gesteckt = ja; }
    // Switched off and on: RAM cleared (firmware and counters gone), controller running,
    // light unit dark; the open handle is stale until the device is opened again.
    void ausUndAn();
    // The next n reads fail, as on a disturbed cable.
    void setzeLesefehler(int n) { m_lesefehler = n; }
    bool offen() const { return m_offen; }
    int oeffnungen() const { return m_oeffnungen; }
    bool imReset() const { return m_imReset; }
    int ampelSchritte() const { return m_ampelSchritte; }
    int ampelResets() const { return m_ampelResets; }
    const std::vector<Schreibvorgang>& schreibLog() const { return m_schreibLog; }
    long leseAnzahl() const { return m_leseAnzahl; }
    void leereLog();
    // Back to a box just plugged in: RAM zero, logs empty, closed, present.
    void zuruecksetzen();

private:
    void setzeWort(std::uint16_t adresse, int wert);
    void schreibeByte(std::uint16_t adresse, std::uint8_t wert);

    std::array<std::uint8_t, 0x10000> m_ram{};
    std::vector<Schreibvorgang> m_schreibLog;
    long m_leseAnzahl = 0;
    int m_lesefehler = 0;
    bool m_vorhanden = true;
    bool m_gesteckt = true;
    bool m_veraltet = false;
    bool m_offen = false;
    int m_oeffnungen = 0;
    bool m_imReset = false;
    std::uint8_t m_letzterAmpelWert = 0;
    int m_ampelSchritte = 0;
    int m_ampelResets = 0;
};

}  // namespace portalix
