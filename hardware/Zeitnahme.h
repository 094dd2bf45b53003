#pragma once
// What every timing interface hands to the race engine. Hardware never calls the engine: it
// emits these signals and the engine connects them to its lap entry and race operations.

#include <QCoreApplication>
#include <QObject>
#include <QString>

class Zeitnahme : public QObject {
    Q_OBJECT
public:
    // Whether the interface can count laps now, and if not, why.
    enum class Status {
        Aktiv,               // counts
        KeineVerbindung,     // the port or device could not be opened
        VerbindungVerloren,  // it was open and failed; reopened by itself
        TreiberFehlt,        // the library that speaks to the device is missing
        Simuliert,           // an in-memory stand-in: nothing reaches the track
        FalscheDaten,        // bytes arrive but never a valid message
    };
    Q_ENUM(Status)

    using QObject::QObject;
    ~Zeitnahme() override = default;

    // The word the status field shows, in the interface language.
    static QString statusName(Status s) {
        return QCoreApplication::translate("Zeitnahme", statusQuelle(s));
    }
    // The same word in German, for the debug log.
    static QString statusWort(Status s) { return QString::fromUtf8(statusQuelle(s)); }
    static bool kannZaehlen(Status s) { return s == Status::Aktiv; }

private:
    static const char* statusQuelle(Status s) {
        switch (s) {
            case Status::Aktiv:
                return QT_TRANSLATE_NOOP("Zeitnahme", "aktiv");
            case Status::KeineVerbindung:
                return QT_TRANSLATE_NOOP("Zeitnahme", "keine Verbindung");
            case Status::VerbindungVerloren:
                return QT_TRANSLATE_NOOP("Zeitnahme", "Verbindung verloren");
            case Status::TreiberFehlt:
                return QT_TRANSLATE_NOOP("Zeitnahme", "Treiber fehlt");
            case Status::Simuliert:
                return QT_TRANSLATE_NOOP("Zeitnahme", "simuliert");
            case Status::FalscheDaten:
                return QT_TRANSLATE_NOOP("Zeitnahme", "falsche Daten");
        }
        return "";
    }

signals:
    // A crossing on timing input `eingang` (the lane of the input, before the engine maps it).
    // `zeit`: the time stamp in ms, or for counters that time the lap themselves their own
    // time value, as the engine's normalisation expects for the active interface.
    // `zehntel`: tenths of a millisecond on top of `zeit` (0..9), from counters that measure
    // finer than 1 ms; the engine keeps them so that lane totals stay exact.
    // `verpasst`: laps a counting device (DS counter, USB race box) counted on this input
    // before this crossing that never reached the program (frames lost while the cable was
    // out); the engine books them before this one.
    void rundeErfasst(int eingang, qint32 zeit, int zehntel = 0, int verpasst = 0);
    // Caution switched on or off by the track (button, box message).
    void chaosAn();
    void chaosAus();
    // Start or end of the race asked for by the timing box (go button, race end message).
    void startAnforderung();
    void stopAnforderung();
    // Text for the window caption or a status label.
    void statusText(const QString& text);
    // A transmission fault the user should read ("Datenverlust", checksum errors...).
    void meldung(const QString& text);
    // The interface's state changed; grund says why (port path and system error, library...).
    void zustand(Zeitnahme::Status status, const QString& grund);
};
