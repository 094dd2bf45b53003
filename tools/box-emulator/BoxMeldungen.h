#pragma once
// Builds the control box's messages as the box sends them. Used by the emulator and the tests.

#include <QByteArray>

namespace BoxMeldungen {

// Lap of lane (digit) at the box's time in ms since its last reset, hex upper case.
inline QByteArray runde(int bahn, qint64 ms) {
    return "S" + QByteArray::number(bahn) + ":" + QByteArray::number(ms, 16).toUpper() + ";";
}
inline QByteArray herzschlag(qint64 ms) {
    return "H:" + QByteArray::number(ms, 16).toUpper() + ";";
}
inline QByteArray chaos(bool an) { return an ? "C1;" : "C0;"; }
inline QByteArray ok() { return "OK;"; }
inline QByteArray eingaenge(int wert) { return "IN=" + QByteArray::number(wert) + ";"; }
inline QByteArray relais(int wert) { return "BR=" + QByteArray::number(wert) + ";"; }

}  // namespace BoxMeldungen
