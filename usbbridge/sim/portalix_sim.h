#pragma once
/* The simulated race box: the same four functions as Portalix (portalix.h) plus these, for
   tests and demos. Lanes are numbered 1..4 as the program reports them. */

#include "portalix.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Lane bahn completes a lap of zeit_ms: its counter rises by one, its time cells hold the
   time. 0 = done, 1 = no such lane. */
PORTALIX_EXPORT int portalix_sim_runde(int bahn, int zeit_ms);
/* Sets the lap counter word of a lane, or its four time cells directly. 0 = done. */
PORTALIX_EXPORT int portalix_sim_setze_zaehler(int bahn, int wert);
PORTALIX_EXPORT int portalix_sim_setze_zeit(int bahn, int minuten, int sekunden, int zehntel,
                                            int ms);
/* One byte of the box RAM as it is, without a transfer. */
PORTALIX_EXPORT int portalix_sim_lese(int adresse);

/* The writes received so far, oldest first. portalix_sim_schreibvorgang copies at most max
   bytes of write i into puffer, stores its address and returns its length (-1: no such write). */
PORTALIX_EXPORT int portalix_sim_schreibanzahl(void);
PORTALIX_EXPORT int portalix_sim_schreibvorgang(int i, int* adresse, unsigned char* puffer,
                                                int max);
PORTALIX_EXPORT int portalix_sim_leseanzahl(void);
PORTALIX_EXPORT void portalix_sim_log_leeren(void);

/* The next anzahl reads fail (readram then gives 0). */
PORTALIX_EXPORT void portalix_sim_lesefehler(int anzahl);
/* 0 makes the box disappear: usbopen then finds nothing. */
PORTALIX_EXPORT void portalix_sim_setze_vorhanden(int ja);
/* 0 pulls the cable: usbopen finds nothing and every transfer fails (readram 0, writeram 1),
   while the box keeps its RAM and goes on counting; 1 plugs it in again. */
PORTALIX_EXPORT void portalix_sim_stecker(int drin);
/* Switches the box off and on: RAM cleared (firmware and lap counters gone); transfers on the
   open handle fail until usbopen is called again. */
PORTALIX_EXPORT void portalix_sim_aus_und_an(void);
PORTALIX_EXPORT int portalix_sim_offen(void);
PORTALIX_EXPORT int portalix_sim_oeffnungen(void);
/* 1 while the controller is held in reset (reset register written with 1). */
PORTALIX_EXPORT int portalix_sim_im_reset(void);
/* Light unit: steps since its last reset, and the number of resets. */
PORTALIX_EXPORT int portalix_sim_ampel_schritte(void);
PORTALIX_EXPORT int portalix_sim_ampel_resets(void);

/* A box just plugged in: RAM zero, logs empty, device closed, present. */
PORTALIX_EXPORT void portalix_sim_zuruecksetzen(void);

#ifdef __cplusplus
}
#endif
