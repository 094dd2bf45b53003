#pragma once
// The sensor box driver: the six entry points the program uses, a driver library loaded by
// name that provides them, and a simulated box for demos and tests.
//
// Call order used by the program: InitBoxes; OpenBox(box, configuration of 8 words); then for
// every received byte RX_data, and on result 2 Get_Event; on a transmit request Get_TXDat until
// -1; Get_TStamp for the box's tick counter (4.8 ticks per ms).

#include <QByteArray>
#include <QLibrary>
#include <QString>
#include <array>
#include <deque>
#include <memory>

// The driver libraries of 32-bit Windows use the standard calling convention.
#if defined(_WIN32) && defined(__i386__)
#define PISTORELLE_STDCALL __stdcall
#else
#define PISTORELLE_STDCALL
#endif

// The record Get_Event fills: bits 8..15 of wort the event kind, bits 0..1 the sensor 0..3;
// zeit the time stamp in box ticks.
struct SensorBoxEreignis {
    qint32 wort = 0;
    qint32 zeit = 0;
};

class SensorBoxTreiber {
public:
    virtual ~SensorBoxTreiber() = default;

    virtual void InitBoxes() = 0;
    virtual void OpenBox(qint32 box, const qint16* konfig) = 0;  // konfig: 8 words
    virtual qint32 RX_data(qint32 box, qint32 zeichen) = 0;      // low 16 bits: result code
    virtual qint32 Get_Event(SensorBoxEreignis* ereignis) = 0;   // non-zero: record filled
    virtual qint32 Get_TXDat(qint32 box) = 0;                    // low 16 bits: byte, -1 = none
    virtual qint32 Get_TStamp(qint32 box) = 0;                   // tick counter

    // The driver named by PISTORELLE_SENSORBOX: "sim" for the simulated box, otherwise a
    // library name or path (default "jnutl"). Null with the reason in fehler when it fails.
    static std::unique_ptr<SensorBoxTreiber> erzeuge(QString* fehler = nullptr);
    // The library erzeuge() looks for ("sim" for the simulated box).
    static QString bibliotheksName();
};

// A driver library bound by name. Each entry point is looked up under its decorated name
// ("_InitBoxes@0", ...) and then under its plain one ("InitBoxes", ...).
class SensorBoxBibliothek : public SensorBoxTreiber {
public:
    // Null with the reason in fehler when the library or one of its entry points is missing.
    static std::unique_ptr<SensorBoxBibliothek> lade(const QString& name, QString* fehler);

    void InitBoxes() override;
    void OpenBox(qint32 box, const qint16* konfig) override;
    qint32 RX_data(qint32 box, qint32 zeichen) override;
    qint32 Get_Event(SensorBoxEreignis* ereignis) override;
    qint32 Get_TXDat(qint32 box) override;
    qint32 Get_TStamp(qint32 box) override;

private:
    using FnInit = qint32(PISTORELLE_STDCALL*)();
    using FnOpen = qint32(PISTORELLE_STDCALL*)(qint32, const qint16*);
    using FnRx = qint32(PISTORELLE_STDCALL*)(qint32, qint32);
    using FnEvent = qint32(PISTORELLE_STDCALL*)(SensorBoxEreignis*);
    using FnBox = qint32(PISTORELLE_STDCALL*)(qint32);

    SensorBoxBibliothek() = default;
    std::unique_ptr<QLibrary> m_lib;
    FnInit m_init = nullptr;
    FnOpen m_open = nullptr;
    FnRx m_rx = nullptr;
    FnEvent m_event = nullptr;
    FnBox m_txdat = nullptr;
    FnBox m_tstamp = nullptr;
};

// The byte stream of the simulated box (tools/sensor-emulator speaks it):
//   box -> program: 8-byte frames  A5 typ sensor t0 t1 t2 t3 xor   (t: ticks, little endian;
//                   xor over bytes 1..6). Every frame sets the tick counter.
//     typ 0x01         tick only, result 0
//     typ 0x02..0x0F   event of kind typ << 8 for the sensor, result 2
//     typ 0x10..0x7F   result typ (codes the program does not know)
//     typ 0x80..0xFF   result 0x8000 | (typ & 0x7F): 0x83 offline, 0x84 activates, 0x85 lost,
//                      0x86 transmit request
//   program -> box: on each event 0x600 the configuration is offered through Get_TXDat as
//                   5A, the eight words little endian, xor over bytes 1..16  (18 bytes).
namespace SimSensorBox {
constexpr unsigned char kopf = 0xA5;
constexpr int rahmenLaenge = 8;
constexpr unsigned char konfigKopf = 0x5A;
constexpr int konfigLaenge = 18;
constexpr unsigned char typTakt = 0x01;
constexpr unsigned char typSensorAn = 0x02;
constexpr unsigned char typSensorAus = 0x03;
constexpr unsigned char typAktiv = 0x04;
constexpr unsigned char typVerloren = 0x05;
constexpr unsigned char typSendeWunsch = 0x06;

inline unsigned char pruefXor(const unsigned char* von, int anzahl) {
    unsigned char x = 0;
    for (int i = 0; i < anzahl; ++i) x ^= von[i];
    return x;
}
}  // namespace SimSensorBox

class SimulierterSensorBoxTreiber : public SensorBoxTreiber {
public:
    void InitBoxes() override;
    void OpenBox(qint32 box, const qint16* konfig) override;
    qint32 RX_data(qint32 box, qint32 zeichen) override;
    qint32 Get_Event(SensorBoxEreignis* ereignis) override;
    qint32 Get_TXDat(qint32 box) override;
    qint32 Get_TStamp(qint32 box) override;

    bool offen() const { return m_offen; }
    const std::array<qint16, 8>& konfig() const { return m_konfig; }

private:
    QByteArray m_puffer;
    std::deque<SensorBoxEreignis> m_ereignisse;
    std::deque<unsigned char> m_senden;
    std::array<qint16, 8> m_konfig{};
    qint32 m_takt = 0;  // ticks of the last frame; the box clock keeps running across InitBoxes
    bool m_offen = false;
};
