#pragma once
// Builds frames the way a DS200/DS300 lap counter sends them (21 bytes, BCD fields, checksum
// over bytes 1..17 and 19). Used by the emulator and by the tests.

#include <QByteArray>

namespace DSRahmen {

inline unsigned char alsBcd(int zahl) {
    return static_cast<unsigned char>(((zahl / 10) % 10) << 4 | (zahl % 10));
}

inline unsigned char pruefsumme(const QByteArray& r) {
    unsigned summe = static_cast<unsigned char>(r[19]);
    for (int i = 1; i <= 17; ++i) summe += static_cast<unsigned char>(r[i]);
    return static_cast<unsigned char>(summe & 0xFF);
}

// A frame with every field given; the bytes the program does not read get filler values
// (byte 19 takes part in the checksum).
inline QByteArray rahmen(unsigned char folge, unsigned char code, unsigned char status = 0,
                         unsigned char spurBit = 0, int runden = 0, qint64 zehntelMs = 0,
                         bool normal = true) {
    QByteArray r(21, '\0');
    r[0] = char(0xE0);
    r[1] = char(folge);
    r[2] = char(0x11);
    r[3] = char(normal ? 2 : 1);
    r[4] = char(0x06);
    r[7] = char(code);
    r[8] = char(status);
    r[10] = char(spurBit);
    r[11] = char(alsBcd(runden / 100));
    r[12] = char(alsBcd(runden % 100));
    r[13] = char(0x40);
    r[14] = char(alsBcd(int(zehntelMs / 600000)));
    r[15] = char(alsBcd(int(zehntelMs / 10000 % 60)));
    r[16] = char(alsBcd(int(zehntelMs / 100 % 100)));
    r[17] = char(alsBcd(int(zehntelMs % 100)));
    r[19] = char(folge ^ 0x5A);
    r[18] = char(pruefsumme(r));
    r[20] = char(0xEB);
    return r;
}

// A lap of lane 1..8 (as the program numbers it) with the counter's lap count and lap time in
// tenths of a millisecond; with normal = false the counter numbers its lanes the other way.
inline QByteArray runde(unsigned char folge, int bahn, int runden, qint64 zehntelMs,
                        bool normal = true) {
    const int n = normal ? bahn : 9 - bahn;
    return rahmen(folge, 0x1B, 0, static_cast<unsigned char>(1 << (n - 1)), runden, zehntelMs,
                  normal);
}

inline QByteArray status(unsigned char folge, unsigned char code) {
    return rahmen(folge, 0x00, code);
}

inline QByteArray start(unsigned char folge, unsigned char modus) { return rahmen(folge, modus); }

}  // namespace DSRahmen
