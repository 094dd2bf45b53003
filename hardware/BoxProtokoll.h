#pragma once
// The control box's ASCII protocol: received text in, events out; and the commands the program
// sends, as bytes. No I/O.
//
// Messages end with ';' and may be cut anywhere between reads. Forms:
//   "OK;"              a command was accepted
//   "S" lane x hex ";" lap: lane digit, one separating character, box time in hex (ms)
//   "H:" hex ";"       heartbeat
//   "C0;" / "C1;"      caution off / on
//   "IN=" digit ";"    input state,   "BR=" digit ";"  relay state
// Each message is judged on its own, so a caution message in the same read as a heartbeat or a
// lap still counts, while the hex digits of a lap or heartbeat are never taken for one.

#include <QByteArray>
#include <QString>
#include <vector>

struct BoxEreignis {
    enum class Art {
        Runde,       // bahn 1..6, zeit = the box's time in ms (>= 1)
        Ok,          // "OK;"
        Herzschlag,  // "H:"
        Chaos,       // wert 1 = on, 0 = off
        Eingaenge,   // wert = digit after "IN="
        Relais,      // wert = digit after "BR="
        Verworfen,   // text = debug line (bad lane, bad time, overlong line)
    };
    Art art = Art::Verworfen;
    int bahn = 0;
    qint32 zeit = 0;
    int wert = 0;
    QString text;
};

class BoxProtokoll {
public:
    // A line without ';' longer than this is noise, not a message in progress.
    static constexpr int maxPuffer = 256;
    // The longest message the box sends ("S1:7FFFFFFF;"); held text beyond it is noise.
    static constexpr int laengsteMeldung = 24;

    std::vector<BoxEreignis> fuettere(const QByteArray& daten);
    void zuruecksetzen() { m_puffer.clear(); }
    QByteArray rest() const { return m_puffer; }
    // Characters of complete messages that meant nothing, of overlong lines dropped, and held
    // characters beyond the longest message. A message still waiting for its ';' is not
    // counted.
    quint64 verworfeneZeichen() const {
        return m_verworfen + quint64(qMax<qsizetype>(0, m_puffer.size() - laengsteMeldung));
    }

    // The events of one complete message (text up to and including its ';').
    static void werteAus(const QByteArray& meldung, std::vector<BoxEreignis>& aus);

    // Commands: when the port is opened (reset, ask for the inputs), at race start, at green
    // (all lanes on), and the switching words ("Bahn1".."Bahn6", "BahnAlle", "Ampel1".."Ampel5",
    // "AmpelAlle" with 1 = on, 0 = off; an unknown word such as "AmpelGruen" gives no bytes).
    static QByteArray befehlOeffnen() { return QByteArrayLiteral("reset;gi;"); }
    static QByteArray befehlRennStart() { return QByteArrayLiteral("reset;"); }
    static QByteArray befehlGruen() { return QByteArrayLiteral("reset;b01;"); }
    static QByteArray befehlSchalten(const QString& wert, int anAus);

private:
    QByteArray m_puffer;
    quint64 m_verworfen = 0;
};
