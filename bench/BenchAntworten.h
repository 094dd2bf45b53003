#pragma once
// Answers of the program's start-up and race questions for the benchmarks: nothing waits for
// a dialog, every message is printed.

#include <cstdio>

#include "engine/Rueckfrage.h"
#include "ui/ProgrammStart.h"
#include "ui/StartDialoge.h"

namespace bench {

class StilleDialoge : public StartDialoge {
public:
    void meldung(const QString& text) override {
        std::fprintf(stderr, "Meldung: %s\n", qPrintable(text));
    }
    // A benchmark makes its database where it asks for one.
    bool frage(const QString&) override { return true; }
    bool datenbankAuswaehlen(DatenbankWahl&) override { return false; }
};

class StilleRueckfrage : public Rueckfrage {
public:
    int meldungen = 0;
    bool frage(const QString&) override { return true; }
    void meldung(const QString& text) override {
        ++meldungen;
        std::fprintf(stderr, "Meldung: %s\n", qPrintable(text));
    }
};

// The start-up options every benchmark uses: no speech, these answers, the lock file given,
// the window built for an 800-pixel screen and shown by the benchmark itself.
inline ProgrammStart::Optionen stilleOptionen(StilleRueckfrage& rueckfrage,
                                              const QString& sperrDatei, Uhr* uhr = nullptr) {
    ProgrammStart::Optionen o;
    o.uhr = uhr;
    o.sprache = false;
    o.rueckfrage = &rueckfrage;
    o.sperrDatei = sperrDatei;
    o.bildschirmHoehe = 800;
    o.fensterZeigen = false;
    return o;
}

}  // namespace bench
