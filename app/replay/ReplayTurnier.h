#pragma once
// The tournament commands of the replay runner: the lane change and the buttons of the
// tournament dialog, on the real tournament logic ("tournament new ...", "entrant ...",
// "entrant-direct ...",
// "quali", "heats", "report", ...), "query SQL" to print rows of the tables and "season SERIE"
// for the standings of a series.

#include <QString>
#include <memory>

#include "app/replay/Szenario.h"

class Hauptanzeige;
class Rennablauf;
class ReplayAusgabe;
class Turnier;

class ReplayTurnier {
public:
    ReplayTurnier(Rennablauf& ablauf, Hauptanzeige& anzeige, ReplayAusgabe& ausgabe);
    ~ReplayTurnier();

    static bool kennt(const QString& befehl);
    // Runs one command; the reason when the script is wrong, else empty.
    QString fuehreAus(const SzenarioBefehl& b);

    Turnier& turnier() { return *m_turnier; }

private:
    QString neu(const SzenarioBefehl& b);
    QString abfrage(const QString& sql);
    QString saison(const QString& serie);

    Rennablauf& m_ablauf;
    Hauptanzeige& m_anzeige;
    ReplayAusgabe& m_ausgabe;
    std::unique_ptr<Turnier> m_turnier;
};
