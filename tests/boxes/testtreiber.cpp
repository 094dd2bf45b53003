// A minimal sensor box driver library with the plain entry point names, for the loader test:
// byte 2 reports sensor 1 on at the tick counter, every other byte nothing.
#include <cstdint>

namespace {
int32_t takt = 9600;
int32_t wartend = 0;
}  // namespace

extern "C" {
__attribute__((visibility("default"))) int32_t InitBoxes() { return 0; }
__attribute__((visibility("default"))) int32_t OpenBox(int32_t, const int16_t*) { return 0; }
__attribute__((visibility("default"))) int32_t RX_data(int32_t, int32_t zeichen) {
    if (zeichen != 2) return 0;
    wartend = 1;
    return 2;
}
__attribute__((visibility("default"))) int32_t Get_Event(int32_t* satz) {
    if (!wartend) return 0;
    wartend = 0;
    satz[0] = 0x0201;
    satz[1] = takt;
    return 1;
}
__attribute__((visibility("default"))) int32_t Get_TXDat(int32_t) { return -1; }
__attribute__((visibility("default"))) int32_t Get_TStamp(int32_t) { return takt; }
}
