#pragma once
// What every end-to-end test builds: a temporary database and settings, the interfaces
// object, the adapter that connects it to the engine, and the engine core over them, all on
// the virtual clock. The environments add how the interfaces are made and wired.

#include <QTemporaryDir>
#include <memory>

#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "data/Datenbank.h"
#include "engine/Ansage.h"
#include "engine/Hauptanzeige.h"
#include "engine/Rennablauf.h"
#include "engine/Rennkern.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"
#include "engine/SchnittstellenHardware.h"
#include "hardware/Schnittstellen.h"

struct Programmpfad {
    QTemporaryDir ordner;
    VirtuelleUhr uhr;
    Datenbank db;
    EinstellungsSpeicher speicher;
    Einstellungen e;
    std::unique_ptr<Schnittstellen> s;
    std::unique_ptr<SchnittstellenHardware> hw;
    std::unique_ptr<Rennkern> kern;
    // The core's parts while it is built.
    Rennleitung* rl = nullptr;
    Hauptanzeige* anzeige = nullptr;
    Rennablauf* ablauf = nullptr;

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
        kern = std::make_unique<Rennkern>(
            Rennkern::Umgebung{uhr, db, e, speicher, ansage, rueckfrage, *hw});
        rl = &kern->leitung();
        anzeige = &kern->anzeige();
        ablauf = &kern->ablauf();
    }
    // Engine first, interfaces last; environments call it before their own members go.
    void abbauen() {
        rl = nullptr;
        anzeige = nullptr;
        ablauf = nullptr;
        kern.reset();
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
