#pragma once
// The parallel ports as timing interface and output stage. Outputs are single lines switched
// by pin identifier ("LPT1 3", "LPT2 9", "AUS"). Inputs are sampled by a thread at 2 kHz, so
// that a 1 ms pulse is seen even when one wake-up comes late; a sample (control register in
// the low byte, status register in the high byte, per port) is kept only when it differs from
// the one before, stamped where it was taken and handed to the UI thread into a ring of 101
// entries. LPTTimer evaluates the ring every 100 ms into laps and
// caution; ChaosTimer reads a caution input directly every 500 ms when the ports do not time.
// A lane counts on its own rising edge only: a sample that changes another input never
// reports again a lane whose line has stayed high. The sampling thread asks for real-time
// scheduling (see Echtzeit.h) and works without it too.
//
// Line polarity: the port hardware inverts C0, C1 and C3 (pins 8, 9, 11) of the control
// register and S7 (pin 16, BUSY) of the status register; C2 (pin 10) and S3..S6 (pins 12..15)
// are not inverted. Everything here speaks of lines: 1 = line high.

#include <QString>
#include <array>
#include <atomic>
#include <functional>
#include <memory>

#include "hardware/Abtastpuffer.h"
#include "hardware/ModemLeitungen.h"  // ZeitstempelQuelle
#include "hardware/Zeitnahme.h"

struct Einstellungen;
class PortIO;
class QThread;
class Uhr;
class UhrTimer;

struct LPTErfPaarT {
    QString port = QStringLiteral("AUS");  // "LPT1", "LPT2" or "AUS"
    int wert = 0;                          // pin value: the input's bit in the sample word
};

class ParallelPort : public Zeitnahme {
    Q_OBJECT
public:
    static constexpr int ringGroesse = 101;
    static constexpr int lptTimerMs = 100;
    static constexpr int chaosTimerMs = 500;

    struct LPTWert {
        qint32 LPT1Wert = 0;
        qint32 LPT2Wert = 0;
        qint32 zeit = 0;
    };

    ParallelPort(const Einstellungen& einstellungen, PortIO* io, Uhr* uhr,
                 QObject* parent = nullptr);
    ~ParallelPort() override;

    void setPortIO(PortIO* io);
    PortIO* portIO() const { return m_io; }
    // Stamp of the samples; called from the sampling thread.
    void setZeitquelle(ZeitstempelQuelle quelle);
    // The race engine's caution state. Without one, the state last switched by this input.
    void setChaosAbfrage(std::function<bool()> abfrage);
    static constexpr int standardPeriodeUs = 500;
    void setAbtastPeriodeUs(int us) { m_periodeUs = qMax(100, us); }
    int abtastPeriodeUs() const { return m_periodeUs; }

    // Base address of a port name: LPT1PortAdr for "LPT1" (any case), else LPT2PortAdr.
    quint16 basis(const QString& portName) const;

    // Switches one output line, 1 = line high. "AUS" and pins other than 0..11 do nothing.
    void SchalteLPTPin(const QString& pin, int anAus);
    // Start-up reset of both ports: data 0, control 0xC4 then 0xCB.
    void PortReset();
    // Rebuilds the input pairs of LPTErf1..LPTErf6 and LPTChaos from the settings.
    void CopyLPTErf2Array();
    // Index 0..5: LPTErf1..LPTErf6, 6: LPTChaos.
    const std::array<LPTErfPaarT, 7>& LPTErfPaar() const { return m_paare; }
    int LPTChaosPinwert() const { return m_paare[6].wert; }

    // Modus 2: caution check on the current words; else store them with the stamp.
    void ErfasseLPTWerte(int Modus, qint32 zeit);
    void ErmittleLPTEvent();
    void PruefeChaosLPT(qint32 W1, qint32 W2);
    void PruefeChaosEingang();
    quint8 LeseLPTStatus(quint16 port);
    bool IstStatusBitGesetzt(int bit, quint16 port);
    static QString BitText(quint8 wert);  // eight "1"/"0", most significant first

    // Race start: ring counters to 0, sampling thread and LPTTimer on. Race end: off.
    void starteErfassung();
    void stoppeErfassung();
    bool erfassungLaeuft() const { return m_thread != nullptr; }
    // What the sampling thread has read so far, into the ring (LPTTimer does it before each
    // evaluation).
    void uebernehmeProben();
    // The running (or last) sampling thread was granted real-time scheduling.
    bool echtzeitGewaehrt() const { return m_echtzeit; }
    // Since the sampling started: the longest time between two samples (µs) and how often
    // it was longer than 2 ms (a pulse that short may have been missed then).
    qint64 groessteAbtastLueckeUs() const { return m_groessteLuecke; }
    int abtastLuecken() const { return m_luecken; }
    void starteChaosTimer();
    void stoppeChaosTimer();
    UhrTimer* LPTTimer() const { return m_lptTimer; }
    UhrTimer* ChaosTimer() const { return m_chaosTimer; }

    // One sample taken on the calling (UI) thread, stored when it differs from the last one.
    // What the sampling thread does, without the thread.
    bool tasteAb();

    qint32 LPT1Wert = 0;
    qint32 LPT2Wert = 0;
    const LPTWert& eintrag(int i) const { return m_ring[i]; }
    int LPTWerteZaehler() const { return m_zaehler; }
    int LPTWerteZaehlerdone() const { return m_zaehlerDone; }
    int stopMarke() const { return m_stopMarke; }
    // Tests place the read counter (the ring wraps after 100).
    void setzeZaehler(int schreiben, int lesen);

signals:
    // The caution button is enabled (caution may end) or disabled (caution began on a line).
    void chaosKnopfFreigabe(bool an);
    // Evaluation finished: the race timer should refresh the display.
    void rundeWartet();

private:
    struct Probe {
        bool gueltig = false;
        quint16 w1 = 0, w2 = 0;
    };
    bool lies(quint16 b1, quint16 b2, Probe& letzte, quint16& w1, quint16& w2);
    void abtastLauf(quint16 b1, quint16 b2);
    bool chaosAktiv() const;
    void chaosAN();
    void chaosAUS();
    static bool invertiert(int wert);

    const Einstellungen& m_e;
    PortIO* m_io;
    Uhr* m_uhr;
    ZeitstempelQuelle m_zeit;
    std::function<bool()> m_chaosAbfrage;
    bool m_chaosEigen = false;
    std::array<LPTErfPaarT, 7> m_paare{};

    std::array<LPTWert, ringGroesse> m_ring{};
    qint16 m_zaehler = 0;
    qint16 m_stopMarke = 0;
    qint16 m_zaehlerDone = 0;
    bool m_wertetAus = false;  // evaluation running (a caution handler may wait inside it)
    bool m_prueftChaos = false;
    std::array<bool, 6> m_bahnHoch{};  // line state of LPTErf1..6 in the last evaluated sample

    UhrTimer* m_lptTimer;
    UhrTimer* m_chaosTimer;
    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_echtzeit{false};
    std::atomic<qint64> m_groessteLuecke{0};
    std::atomic<int> m_luecken{0};
    Abtastpuffer m_proben;  // sampling thread -> UI thread
    int m_periodeUs = standardPeriodeUs;
    Probe m_letzteProbe;  // of tasteAb()
};
