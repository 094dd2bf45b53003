#pragma once
// The USB race box: a controller board that counts laps on up to four lanes with its own
// clock and drives a start-light unit. The program loads the box firmware into the
// controller's RAM at every race start, clears the lap memories, reads them on every race
// timer tick and pulses the light-control byte to step the lights. All through the four
// functions of the bridge library, bound at the first use.
//
// A failed read gives 0 like a cleared cell, so the box is checked on every tick by one cell
// of the loaded firmware image (the marker): when it no longer reads as loaded, or every
// counter is back at 0 after laps were counted, the box is lost (unplugged, or power-cycled
// and without its firmware). The 2 s service reopens it (verbindeWieder), loads the firmware
// again when it is gone and takes the counters as they are, so laps go on counting. A step of
// a lane's counter by more than one hands the laps in between to the engine (verpasst).

#include <QString>
#include <array>

#include "hardware/PortalixBindung.h"
#include "hardware/Zeitnahme.h"

class Uhr;

class LapsterBox : public Zeitnahme {
    Q_OBJECT
public:
    static constexpr int anzahlSpuren = 4;
    // Box RAM: 16-bit words, high byte first; the program needs only the low byte.
    static constexpr int adrMinuten(int z) { return 0xE000 + 0x10 * z; }
    static constexpr int adrSekunden(int z) { return 0xE002 + 0x10 * z; }
    static constexpr int adrZehntel(int z) { return 0xE004 + 0x10 * z; }
    static constexpr int adrMillis(int z) { return 0xE006 + 0x10 * z; }
    static constexpr int adrZaehler(int z) { return 0xE040 + 2 * z; }
    static constexpr int adrAmpel = 0xE064;
    static constexpr int adrCpuReset = 0xE600;
    // The bridge takes at most this many bytes per write.
    static constexpr int maxBlock = 4096;
    // The controller's address space; a larger image cannot be loaded.
    static constexpr qint64 maxFirmware = 0x10000;
    // The firmware leaves this time in the cells for a crossing that is no lap.
    static constexpr qint32 keineRunde = 252;

    explicit LapsterBox(Uhr* uhr, QObject* parent = nullptr);
    ~LapsterBox() override;

    // Name or path of the bridge library, used at the next binding. Without a call:
    // PISTORELLE_PORTALIX when set, else "portalix".
    void setBibliothek(const QString& name);
    QString bibliothek() const;
    // The firmware image; default "lapster.bin" in the program's folder.
    void setFirmwareDatei(const QString& pfad);
    QString firmwareDatei() const;

    bool LapsterBoxOffen() const { return m_offen; }
    // A box that stopped answering while a race used it is lost until reopened.
    bool verloren() const { return m_verloren; }
    // Binds the bridge library now (again after a failure); false with the reason in fehler.
    bool bindeBibliothek(QString* fehler);
    // Whether a box answers, reported through zustand() (aktiv / keine Verbindung). A box in
    // use is not touched.
    bool pruefeVerbindung();
    // The 2 s service: outside a race like pruefeVerbindung(); during a race the box is
    // opened again, its firmware loaded again when it is gone, the counters taken as they
    // are. True when it counts again.
    bool verbindeWieder();

    // Race preparation: LapsterBoxOpen(false), LapsterBoxInit(), AmpelVorstart() (box lights
    // only), later LapsterBoxReset(). Green: LapsterBoxReset(). Every race timer tick:
    // LapsterBoxReadTimer(). Each countdown step incl. green: AmpelWeiter() (box lights only).
    // Race end: AmpelReset() (box lights only), then LapsterBoxClose().

    // Writes the firmware image into the controller while holding it in reset. False when
    // the image is missing, unreadable, empty, too large or could not be written.
    bool LoadFirmWare();
    // Zeroes the lap memories of all four lanes in the box and here.
    void ResetBox();
    // Opens the box unless it is open; Zuruecksetzen: clear the lap memories afterwards.
    // Emits meldung("Kein Kontakt zur Box") when there is no box.
    void LapsterBoxOpen(bool Zuruecksetzen);
    void LapsterBoxClose();
    void LapsterBoxReset();
    // Loads the firmware when the box is open.
    void LapsterBoxInit();
    // Reads the lap counters; emits rundeErfasst(lane 1..4, lap time in ms) for each new lap.
    void LapsterBoxReadTimer();
    // Light unit: back to dark; pre-start (reset and five steps); one step further.
    void AmpelReset();
    void AmpelVorstart();
    void AmpelWeiter();

private:
    bool binde(bool erneut);
    // binde(true); when the library cannot be loaded, zustand() says "Treiber fehlt".
    bool bindeOderMelde();
    // The marker cell reads as the firmware left it (read twice before it counts as wrong);
    // true when there is no marker (no image was loaded).
    bool firmwareDa();
    // Reported lost when the box no longer answers: the marker is gone, or every counter read
    // 0 in this tick although laps had been counted.
    void pruefeAntwort(bool alleNull, bool gezaehlt);
    void meldeVerloren();
    QString grundAktiv() const;
    bool schreibe(int adresse, int laenge, const unsigned char* daten);
    void schreibeAmpel(unsigned char wert);
    void puls();
    // Waits on the clock; false when the wait was cut short, this object went away while
    // waiting, or a newer light sequence took over in the meantime (lauf).
    bool warte(double sekunden, quint64 lauf);
    bool AmpelReset1(quint64 lauf);
    bool AmpelWeiter1(quint64 lauf);
    static QString zahl(qint64 n);

    Uhr* m_uhr;
    PortalixBindung m_portalix;
    QString m_bibliothek;  // empty: environment or default
    bool m_bindungFehlgeschlagen = false;
    QString m_firmwareDatei;  // empty: default beside the program
    bool m_offen = false;
    bool m_sollOffen = false;  // a race uses the box (LapsterBoxOpen until LapsterBoxClose)
    bool m_verloren = false;
    int m_markerAdresse = -1;  // a word of the image whose readram value is not 0
    int m_markerWert = 0;
    std::array<int, anzahlSpuren> m_letzterZaehler{};
    std::array<qint32, anzahlSpuren> m_letzteZeit{};
    quint64 m_ampelLauf = 0;
};
