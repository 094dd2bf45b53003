#pragma once
// The record of every counted lap: its row in aktrennen and, when enabled, its single-lap file;
// at the end of a run the race result file from the rows of aktrennen.

#include <QDateTime>
#include <QString>

class Datenbank;
struct Einstellungen;

struct Rundeneintrag {
    QString fahrer;
    QString autoName;
    QString strecke;
    int runde = 0;
    double zeit = 0;    // s
    double gesamt = 0;  // s
    double geschw = 0;  // m/s
    QString rennInfo;
    int bahn = 0;
    QString rennName;
    QString rennArt;
};

class Rundenprotokoll {
public:
    Rundenprotokoll(Datenbank& db, const Einstellungen& e) : m_db(db), m_e(e) {}

    // Text of the time of day in the lap row and the files.
    static QString uhrzeit(const QDateTime& zeit);

    // Appends the lap row (values rounded to milliseconds); uhr is its time of day. False
    // when the row could not be written (fehler says why).
    static bool fuegeEin(Datenbank& db, const Rundeneintrag& r, const QString& uhr,
                         QString* fehler = nullptr);
    // The single-lap file when LTFEinzelSchreiben is on; a failure is only traced (an outside
    // display may miss one lap). stempel: the race stamp "yyyy.mm.dd hh:mm:ss".
    void schreibeLre(const Rundeneintrag& r, const QString& uhr, const QString& stempel);

    // Appends every row of aktrennen, in lap order, to the race result file of rennName.
    bool schreibeLrf(const QString& rennName, const QString& stempel, int* fehlerNr,
                     QString* fehlerText);

private:
    Datenbank& m_db;
    const Einstellungen& m_e;
};
