#pragma once
/* Portalix: reads and writes the RAM of the USB race box's controller.
   The program binds these four functions by name at run time; this header is for the library
   itself and for tests. One device at a time, one calling thread. */

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define PORTALIX_EXPORT __declspec(dllexport)
#define PORTALIX_CDECL __cdecl
#else
#define PORTALIX_EXPORT __attribute__((visibility("default")))
#define PORTALIX_CDECL
#endif

/* 0 = device opened; 1 = no device found or it could not be opened. */
PORTALIX_EXPORT int PORTALIX_CDECL usbopen(void);
/* Reads the two bytes at address and returns the second (the low byte of the word there).
   0 when no device is open or the transfer failed. */
PORTALIX_EXPORT unsigned char PORTALIX_CDECL readram(int address);
/* Writes length bytes at address. 0 = written; 1 = no device, refused (more than 4096 bytes,
   outside the 16-bit address space) or the transfer failed. */
PORTALIX_EXPORT int PORTALIX_CDECL writeram(int address, int length, unsigned char* data);
/* Closes the device; harmless when none is open. Returns 0. */
PORTALIX_EXPORT int PORTALIX_CDECL usbclose(void);

#ifdef __cplusplus
}
#endif
