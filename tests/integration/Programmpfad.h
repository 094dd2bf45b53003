#pragma once
// What every end-to-end test builds: a temporary database and settings, the interfaces
// object, the adapter that connects it to the engine, and the engine with its race sequence,
// all on the virtual clock. The environments add how the interfaces are made and wired.

#include <QTemporaryDir>
#include <memory>

#include "Ansage.h"
#include "Datenbank.h"
#include "Einstellungen.h"
#include "EinstellungsSpeicher.h"
#include "Hauptanzeige.h"
#include "Rennablauf.h"
#include "Rennleitung.h"
#include "Rueckfrage.h"
#include "Schnittstellen.h"
#include "SchnittstellenHardware.h"
#include "VirtuelleUhr.h"

struct Programmpfad {
    QTemporaryDir ordner;
    VirtuelleUhr uhr;
    Datenbank db;
    EinstellungsSpeicher speicher;
    Einstellungen e;
    std::unique_ptr<Schnittstellen> s;
    std::unique_ptr<SchnittstellenHardware> hw;
    std::unique_ptr<Rennleitung> rl;
    std::unique_ptr<Hauptanzeige> anzeige;
    std::unique_ptr<Rennablauf> ablauf;

    explicit Programmpfad(const QString& verbindung)
        : db(verbindung + QString::number(++nummer())),
          speicher(ordner.filePath(QStringLiteral("Pistorelle.ini"))) {
        QString fehler;
        if (!db.oeffneOderErzeuge(ordner.filePath(QStringLiteral("Pistorelle.db")), &fehler))
            qFatal("Datenbank: %s", qPrintable(fehler));
    }
    ~Programmpfad() { abbauen(); }

    // The adapter and the engine over s (which the environment has made).
    void baueEngine(Ansage& ansage, Rueckfrage& rueckfrage) {
        hw = std::make_unique<SchnittstellenHardware>(*s, e);
        rl = std::make_unique<Rennleitung>(uhr, db, e, speicher, ansage, rueckfrage, *hw);
        rl->SetzeTexte();
        anzeige = std::make_unique<Hauptanzeige>(uhr);
        ablauf = std::make_unique<Rennablauf>(*rl, *anzeige);
    }
    // Engine first, interfaces last; environments call it before their own members go.
    void abbauen() {
        ablauf.reset();
        anzeige.reset();
        rl.reset();
        hw.reset();
        s.reset();
    }

    const RennZustand& z() const { return rl->zustand(); }

private:
    static int& nummer() {
        static int n = 0;
        return n;
    }
};
