#pragma once
// Laps of a run that never reached the history: after a crash, a power cut, a program killed
// during a race, or a history copy that failed. A lap row of aktrennen has reached the history
// when histrennen holds its copy (same lap number, lane, lap and time of day); lap numbers are
// never handed out twice. Such laps are copied, never deleted.

#include <QString>
#include <optional>

class Datenbank;

class Laufrettung {
public:
    struct Befund {
        int runden = 0;      // lap rows not in the history
        int bahnen = 0;      // lanes they belong to
        QString rennName;    // of the oldest of them
        QString rennArt;
        QString stempel;     // race stamp "yyyy.mm.dd hh:mm:ss" they will be stored under
    };

    explicit Laufrettung(Datenbank& db) : m_db(db) {}

    // What is there to rescue; nothing when every lap row is in the history (or on an error,
    // then fehler is set).
    std::optional<Befund> finde(QString* fehler = nullptr);
    // Copies those rows into histrennen in lap order with the stamp of the befund, in one
    // transaction. abgebrochen: the last lap of each lane is marked "abgebrochen".
    bool uebernimm(const Befund& befund, bool abgebrochen, QString* fehler = nullptr);
    // The text the program shows after a rescue.
    static QString meldung(const Befund& befund);

    // The condition "this aktrennen row a has no copy h in histrennen".
    static QString ohneKopie();
    // The statement that copies every aktrennen row without a copy into histrennen, by column
    // name (histrennen has its own key and the stamp column) and in lap-number order. The
    // copies keep rennzeit '0' until they are stamped.
    static QString kopieInHistorie();

private:
    Datenbank& m_db;
};
