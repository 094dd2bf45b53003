#include "SimBox.h"

#include <algorithm>

#include "portalix_record.h"

namespace portalix {

SimBox::SimBox() { zuruecksetzen(); }

bool SimBox::oeffnen() {
    if (!m_vorhanden || !m_gesteckt) return false;
    m_offen = true;
    m_veraltet = false;
    ++m_oeffnungen;
    return true;
}

void SimBox::schliessen() { m_offen = false; }

bool SimBox::uebertrage(std::vector<std::uint8_t>& satz) {
    SatzKopf kopf;
    if (!m_offen || !m_gesteckt || m_veraltet || !leseKopf(satz, &kopf) ||
        kopf.anfrage != anfrageRam)
        return false;
    if (kopf.laenge > maxDatenLaenge || kopf.wert + kopf.laenge > 0x10000) return false;
    std::uint8_t* daten = satz.data() + kopf.datenOffset;
    if (kopf.lesen()) {
        if (kopf.typ != typLesen) return false;
        if (m_lesefehler > 0) {
            --m_lesefehler;
            return false;
        }
        std::copy_n(m_ram.begin() + kopf.wert, kopf.laenge, daten);
        ++m_leseAnzahl;
        return true;
    }
    if (kopf.typ != typSchreiben) return false;
    m_schreibLog.push_back({kopf.wert, std::vector<std::uint8_t>(daten, daten + kopf.laenge)});
    for (std::uint16_t i = 0; i < kopf.laenge; ++i)
        schreibeByte(static_cast<std::uint16_t>(kopf.wert + i), daten[i]);
    return true;
}

void SimBox::schreibeByte(std::uint16_t adresse, std::uint8_t wert) {
    m_ram[adresse] = wert;
    if (adresse == adrReset) {
        m_imReset = (wert & 1) != 0;
    } else if (adresse == adrAmpel) {
        // 2 then 0 resets the light unit; each 1 then 0 steps it once.
        if (wert == 0 && m_letzterAmpelWert == 2) {
            ++m_ampelResets;
            m_ampelSchritte = 0;
        } else if (wert == 0 && m_letzterAmpelWert == 1) {
            ++m_ampelSchritte;
        }
        m_letzterAmpelWert = wert;
    }
}

void SimBox::setzeWort(std::uint16_t adresse, int wert) {
    // Words are stored high byte first.
    m_ram[adresse] = static_cast<std::uint8_t>((wert >> 8) & 0xFF);
    m_ram[adresse + 1] = static_cast<std::uint8_t>(wert & 0xFF);
}

bool SimBox::runde(int z, long zeitMs) {
    if (z < 0 || z > 3 || zeitMs < 0) return false;
    const std::uint16_t zaehler = static_cast<std::uint16_t>(adrZaehler + 2 * z);
    const int alt = (m_ram[zaehler] << 8) | m_ram[zaehler + 1];
    // The box writes the time cells before it counts the lap.
    setzeZeit(z, static_cast<int>(zeitMs / 60000), static_cast<int>(zeitMs % 60000 / 1000),
              static_cast<int>(zeitMs % 1000 / 100), static_cast<int>(zeitMs % 100));
    setzeWort(zaehler, (alt + 1) & 0xFFFF);
    return true;
}

bool SimBox::setzeZaehler(int z, int wert) {
    if (z < 0 || z > 3) return false;
    setzeWort(static_cast<std::uint16_t>(adrZaehler + 2 * z), wert & 0xFFFF);
    return true;
}

bool SimBox::setzeZeit(int z, int minuten, int sekunden, int zehntel, int ms) {
    if (z < 0 || z > 3) return false;
    const std::uint16_t basis = static_cast<std::uint16_t>(adrZeit + 0x10 * z);
    setzeWort(basis, minuten);
    setzeWort(basis + 2, sekunden);
    setzeWort(basis + 4, zehntel);
    setzeWort(basis + 6, ms);
    return true;
}

std::uint8_t SimBox::lese(int adresse) const {
    if (adresse < 0 || adresse > 0xFFFF) return 0;
    return m_ram[static_cast<std::size_t>(adresse)];
}

void SimBox::leereLog() {
    m_schreibLog.clear();
    m_leseAnzahl = 0;
}

void SimBox::ausUndAn() {
    m_ram.fill(0);
    m_imReset = false;
    m_letzterAmpelWert = 0;
    m_ampelSchritte = 0;
    m_veraltet = m_offen;
}

void SimBox::zuruecksetzen() {
    m_ram.fill(0);
    leereLog();
    m_vorhanden = true;
    m_gesteckt = true;
    m_veraltet = false;
    m_lesefehler = 0;
    m_offen = false;
    m_oeffnungen = 0;
    m_imReset = false;
    m_letzterAmpelWert = 0;
    m_ampelSchritte = 0;
    m_ampelResets = 0;
}

}  // namespace portalix
