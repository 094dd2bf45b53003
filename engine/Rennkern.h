#pragma once
// The engine as one piece: builds its parts in order over what the outside provides (clock,
// database, settings, speech, questions, outputs), owns them and takes them down engine first.
// The program, the replay runner and the tests all get their engine here.
//
// Building: the laps of a run that never reached the history are rescued first, before any
// part can clear them; then the race director with its language texts, the main window's
// state, the run sequence and the lap corrections.
// Starting (starte): the race mode list on its first entry (practice), the outside's wiring
// of interface, windows and speech, the standings on the panels, MyInit, the last session's
// choices, and the outputs in their known state. The outside shows the rescue's message last,
// once laps count.

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

class Ansage;
class Datenbank;
class EinstellungsSpeicher;
class Hauptanzeige;
class RennHardware;
class Rennablauf;
class Rennleitung;
class Rennvorgaben;
class Rueckfrage;
class Rundenkorrektur;
class Uhr;
struct Einstellungen;

class Rennkern {
    Q_DECLARE_TR_FUNCTIONS(Rennkern)

public:
    // What the engine runs on; all of it outlives the core.
    struct Umgebung {
        Uhr& uhr;
        Datenbank& db;
        Einstellungen& einstellungen;
        EinstellungsSpeicher& speicher;
        Ansage& ansage;
        Rueckfrage& rueckfrage;
        RennHardware& hardware;
    };

    explicit Rennkern(const Umgebung& umgebung);
    ~Rennkern();
    Rennkern(const Rennkern&) = delete;
    Rennkern& operator=(const Rennkern&) = delete;

    // The start-up of the program. anschliessen runs once the first race mode is chosen: the
    // outside opens and wires its timing interface, its windows and its speech there.
    void starte(const std::function<void()>& anschliessen = {});

    // What the rescue at building did, for the user; empty when there was nothing to rescue.
    QString rettungsMeldung() const { return m_rettungsMeldung; }

    Rennleitung& leitung() { return *m_leitung; }
    Hauptanzeige& anzeige() { return *m_anzeige; }
    Rennablauf& ablauf() { return *m_ablauf; }
    Rundenkorrektur& korrektur() { return *m_korrektur; }

private:
    void retteUnterbrochenenLauf(Datenbank& db);

    QString m_rettungsMeldung;
    std::unique_ptr<Rennleitung> m_leitung;
    std::unique_ptr<Hauptanzeige> m_anzeige;
    std::unique_ptr<Rennablauf> m_ablauf;
    std::unique_ptr<Rundenkorrektur> m_korrektur;
    std::unique_ptr<Rennvorgaben> m_vorgaben;
};
