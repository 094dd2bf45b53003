#include "engine/Rennkern.h"

#include "config/DebugLog.h"
#include "data/Laufrettung.h"
#include "engine/Hauptanzeige.h"
#include "engine/RennHardware.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"
#include "engine/Rennvorgaben.h"
#include "engine/Rundenkorrektur.h"

Rennkern::Rennkern(const Umgebung& u) {
    retteUnterbrochenenLauf(u.db);
    m_leitung = std::make_unique<Rennleitung>(u.uhr, u.db, u.einstellungen, u.speicher, u.ansage,
                                              u.rueckfrage, u.hardware);
    m_leitung->SetzeTexte();
    m_anzeige = std::make_unique<Hauptanzeige>(u.uhr);
    m_ablauf = std::make_unique<Rennablauf>(*m_leitung, *m_anzeige);
    m_korrektur = std::make_unique<Rundenkorrektur>(*m_leitung);
}

Rennkern::~Rennkern() {
    // Whatever listens to the race director goes before it; the sequence before the state
    // it runs on.
    m_vorgaben.reset();
    m_korrektur.reset();
    m_ablauf.reset();
    m_anzeige.reset();
    m_leitung.reset();
}

void Rennkern::starte(const std::function<void()>& anschliessen) {
    // The race mode list starts on its first entry: practice until the user chooses otherwise.
    m_leitung->cbRAuswahl_Click(0);
    if (anschliessen) anschliessen();
    // Standings on the panels, then idle.
    m_leitung->SetzeAnzeigeWerte(2);
    m_leitung->MyInit();
    // The last mode, limit and race name of the previous session.
    m_vorgaben = std::make_unique<Rennvorgaben>(*m_leitung);
    m_vorgaben->stelleWiederHer();
    // The timing device starts from a known state (the control box's relays).
    m_leitung->hardware().Grundstellung();
}

void Rennkern::retteUnterbrochenenLauf(Datenbank& db) {
    Laufrettung rettung(db);
    QString fehler;
    const auto befund = rettung.finde(&fehler);
    if (!befund) {
        if (!fehler.isEmpty()) SchreibeDebug(QStringLiteral("Laufrettung: ") + fehler);
        return;
    }
    SchreibeDebug(QStringLiteral("Laufrettung: %1 Runden von „%2“ (%3) nicht in der Historie")
                      .arg(befund->runden)
                      .arg(befund->rennName, befund->stempel));
    if (rettung.uebernimm(*befund, true, &fehler)) {
        m_rettungsMeldung = Laufrettung::meldung(*befund);
        return;
    }
    m_rettungsMeldung =
        (befund->runden == 1 ? tr("%1 Runde des nicht beendeten Laufs „%2“ konnte nicht in "
                                  "die Historie übernommen werden: %3\nSie bleibt in der "
                                  "Tabelle aktrennen erhalten.")
                             : tr("%1 Runden des nicht beendeten Laufs „%2“ konnten nicht in "
                                  "die Historie übernommen werden: %3\nSie bleiben in der "
                                  "Tabelle aktrennen erhalten."))
            .arg(befund->runden)
            .arg(befund->rennName, fehler);
}
