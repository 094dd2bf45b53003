#pragma once
// Decoder of the DS200/DS300 lap counters' frames: bytes in, events out, no I/O.
//
// A frame has 21 bytes: 0xE0, sequence byte, ..., message code at 7, checksum at 18 (low 8 bits
// of bytes 1..17 and 19), 0xEB at 20. Reads from the port are cut anywhere, so bytes are
// collected and frames are found by start byte, end byte and checksum; garbage in between is
// skipped. The counter repeats every frame: a valid frame with the same sequence byte as the
// last valid one is a repeat and is dropped.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

struct DSEreignis {
    enum class Art {
        Runde,      // bahn, zeit + zehntel (lap time as the counter measured it), runden
        Status,     // code 0xA1..0xA7, text = debug line
        Rennstart,  // code 0x3A..0x3F, text = debug line
        Fehler,     // text = message for the user (transmission fault)
        Verworfen,  // text = debug line (lap on a lane the program does not have, bad lane bit)
    };
    Art art = Art::Verworfen;
    int bahn = 0;
    qint32 zeit = 0;   // whole ms
    int zehntel = 0;   // tenths of a ms on top of zeit, 0..9
    int runden = 0;
    int code = 0;
    QString text;
};

class DSProtokoll {
public:
    static constexpr int rahmenLaenge = 21;
    static constexpr unsigned char startByte = 0xE0;
    static constexpr unsigned char endeByte = 0xEB;

    // Message codes (byte 7) and status codes (byte 8).
    static constexpr unsigned char codeStatus = 0x00;
    static constexpr unsigned char codeRunde = 0x1B;
    static constexpr unsigned char codeStartErster = 0x3A;
    static constexpr unsigned char codeStartLetzter = 0x3F;
    static constexpr unsigned char statusPhase1 = 0xA1;
    static constexpr unsigned char statusPhase2 = 0xA2;
    static constexpr unsigned char statusPhase3 = 0xA3;
    static constexpr unsigned char statusRennende = 0xA4;
    static constexpr unsigned char statusChaosAn = 0xA5;
    static constexpr unsigned char statusChaosAus = 0xA6;
    static constexpr unsigned char statusAbbruch = 0xA7;

    // Transmission faults in German (debug log); the window shows them translated in the
    // context "DSProtokoll".
    static const QString textChecksum;
    static const QString textStartbyte;
    static const QString textEndebyte;

    // Takes the next bytes of the stream; returns the events of every frame completed by them.
    std::vector<DSEreignis> fuettere(const QByteArray& daten);

    // Bytes were lost on the line: the partial frame held is worthless.
    void verwirf();
    // Back to the state of a freshly opened port (also forgets the last sequence byte).
    void zuruecksetzen();
    // A port reopened after a loss: like a fresh one, but the last sequence byte is kept.
    void neueVerbindung();

    int gepuffert() const { return int(m_puffer.size()); }
    // Valid frames read so far, repeats included: a repeat proves the line as well as a new
    // frame does.
    quint64 gueltigeRahmen() const { return m_rahmen; }
    // Bytes skipped as no part of a valid frame. Bytes held as the beginning of a frame are
    // not counted: a frame that arrives in pieces is no fault until it turns out broken.
    quint64 verworfeneBytes() const { return m_verworfen; }

    // Checksum over one frame of rahmenLaenge bytes.
    static unsigned char pruefsumme(const unsigned char* rahmen);
    // Two BCD digits; nibbles above 9 count with their value (the checksum has passed).
    static int bcd(unsigned char wert) { return (wert >> 4) * 10 + (wert & 0x0F); }
    // Lap time of bytes 14..17 (minutes, seconds, hundredths, ten-thousandths) in tenths of
    // a millisecond, the counter's own resolution.
    static qint32 rundenZeitZehntel(const unsigned char* rahmen);
    // The same cut to whole ms.
    static qint32 rundenZeit(const unsigned char* rahmen) { return rundenZeitZehntel(rahmen) / 10; }

private:
    void werteAus(const unsigned char* r, std::vector<DSEreignis>& aus);
    void fehler(const QString& text, std::vector<DSEreignis>& aus);

    QByteArray m_puffer;
    std::optional<unsigned char> m_folge;  // sequence byte of the last valid frame
    // A fault is reported once, then not again until a valid frame has been read. Bytes out of
    // step count as a fault only after a first valid frame: a port opened in the middle of a
    // frame sees its tail, which is no transmission fault.
    bool m_synchron = false;
    bool m_gemeldet = false;
    quint64 m_rahmen = 0;
    quint64 m_verworfen = 0;
};
