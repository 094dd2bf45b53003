#pragma once
// A bridge library for the fuzzer: the four functions the program binds, with readram
// answering from the bytes handed over last (0 once they are used up).

#include <cstddef>
#include <cstdint>

extern "C" {
void fuzzRamSetzen(const uint8_t* daten, size_t groesse);
size_t fuzzRamRest();
int usbopen();
unsigned char readram(int adresse);
int writeram(int adresse, int laenge, unsigned char* daten);
int usbclose();
}
