#pragma once
// Cuts a fuzzer input into reads of varying length, as a serial port hands them out: the first
// byte seeds the lengths, the rest is the stream.

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>

inline void inStuecken(const uint8_t* daten, size_t groesse,
                       const std::function<void(const QByteArray&)>& lies) {
    if (groesse == 0) return;
    unsigned saat = daten[0];
    size_t pos = 1;
    while (pos < groesse) {
        saat = saat * 1103515245u + 12345u;
        const size_t laenge = std::min<size_t>(1 + (saat >> 16) % 64, groesse - pos);
        lies(QByteArray(reinterpret_cast<const char*>(daten + pos), qsizetype(laenge)));
        pos += laenge;
    }
}

#define FUZZ_PRUEFE(bedingung)                                                              \
    do {                                                                                    \
        if (!(bedingung)) {                                                                 \
            std::fprintf(stderr, "verletzt: %s (%s:%d)\n", #bedingung, __FILE__, __LINE__); \
            std::abort();                                                                   \
        }                                                                                   \
    } while (0)
