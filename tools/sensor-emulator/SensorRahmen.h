#pragma once
// Builds the byte stream of the simulated sensor box (format in hardware/SensorBoxTreiber.h).
// Used by the emulator and the tests.

#include <QByteArray>
#include <array>
#include <optional>

#include "hardware/SensorBoxTreiber.h"

namespace SensorRahmen {

inline QByteArray rahmen(unsigned char typ, int sensor, quint32 ticks) {
    unsigned char r[SimSensorBox::rahmenLaenge] = {SimSensorBox::kopf,
                                                   typ,
                                                   static_cast<unsigned char>(sensor),
                                                   static_cast<unsigned char>(ticks & 0xFF),
                                                   static_cast<unsigned char>(ticks >> 8 & 0xFF),
                                                   static_cast<unsigned char>(ticks >> 16 & 0xFF),
                                                   static_cast<unsigned char>(ticks >> 24),
                                                   0};
    r[7] = SimSensorBox::pruefXor(r + 1, 6);
    return QByteArray(reinterpret_cast<const char*>(r), SimSensorBox::rahmenLaenge);
}

// Box ticks (4.8 per ms) of a time in ms.
inline quint32 ticks(qint64 ms) { return quint32(ms * 24 / 5); }

// The eight configuration words of a complete configuration frame, or nothing.
inline std::optional<std::array<qint16, 8>> leseKonfig(const QByteArray& d) {
    const qsizetype k = d.indexOf(char(SimSensorBox::konfigKopf));
    if (k < 0 || d.size() - k < SimSensorBox::konfigLaenge) return std::nullopt;
    const auto* r = reinterpret_cast<const unsigned char*>(d.constData() + k);
    if (SimSensorBox::pruefXor(r + 1, 16) != r[17]) return std::nullopt;
    std::array<qint16, 8> w{};
    for (int i = 0; i < 8; ++i) w[i] = qint16(r[1 + 2 * i] | r[2 + 2 * i] << 8);
    return w;
}

}  // namespace SensorRahmen
