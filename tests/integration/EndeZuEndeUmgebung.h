#pragma once
// The program's own path from a timing interface to the database: the interfaces object with
// a simulated parallel port, the adapter that connects it to the engine, the engine with its
// race sequence, and a temporary database and settings, all on the virtual clock.

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "Programmpfad.h"
#include "TestPty.h"
#include "config/DebugLog.h"
#include "engine/Ansage.h"
#include "engine/Rueckfrage.h"
#include "hardware/PortIOSimuliert.h"
#include "hardware/SensorBoxTreiber.h"

class EndeMitschrift : public Ansage, public Rueckfrage {
public:
    QStringList gesagt;
    QStringList meldungen;
    QStringList fragen;
    bool antwort = true;
    void SprachAusgabe(const QString& t) override { gesagt << t; }
    void SpieleTon(const QString&) override {}
    bool frage(const QString& t) override {
        fragen << t;
        return antwort;
    }
    void meldung(const QString& t) override { meldungen << t; }
};


struct EndeZuEndeUmgebung : Programmpfad {
    EndeMitschrift mit;
    PortIOSimuliert* io = nullptr;  // owned by the interfaces

    // vorher: the settings as the user left them; vorOeffnen: set-up of the interfaces object
    // before the program opens its ports (library path, modem watcher...).
    explicit EndeZuEndeUmgebung(const std::function<void(Einstellungen&)>& vorher,
                                const std::function<void(Schnittstellen&)>& vorOeffnen = {})
        : Programmpfad(QStringLiteral("ende")) {
        speicher.speichere("TonBeep", "");
        speicher.HoleRegWerte(e);
        e.ltfPfad = ordner.path() + QLatin1Char('/');
        // No probe may reach a real serial port of this machine.
        for (int n = 1; n <= 10; ++n)
            e.ComPfad[n] = ordner.filePath(QStringLiteral("kein-port-%1").arg(n));
        vorher(e);

        auto sim = std::make_unique<PortIOSimuliert>();
        io = sim.get();
        s = std::make_unique<Schnittstellen>(e, &uhr, nullptr, std::move(sim));
        if (vorOeffnen) vorOeffnen(*s);
        baueEngine(mit, mit);
        // The program's start-up; as the main window does it there: open the chosen
        // interface, then connect it.
        kern->starte([this] {
            hw->oeffne();
            hw->verbinde(*rl, *ablauf);
        });
        uhr.setzeSaat(11);
        DebugLog::instanz().setAktiv(true);
    }
    ~EndeZuEndeUmgebung() { abbauen(); }

    qint64 t() const { return uhr.virtuelleZeit(); }
    qint32 stempel() const { return uhr.Zeitstempel(); }
    void bis(qint64 zeitpunkt) { uhr.vorruecken(zeitpunkt - t()); }

    // A race by time of the given minutes, started and run up to green; returns that time.
    qint64 starteZeitrennen(const QString& minuten) {
        rl->cbRAuswahl_Click(2);
        rl->setzeGrenze(minuten);
        ablauf->Command2_Click();
        const qint64 ende = t() + 10000;
        while (z().AmpelPhase != 6 && t() < ende) uhr.vorruecken(10);
        return t();
    }
    // Lets time pass until the after-run has closed the run (at most bisMs).
    void bisLeerlauf(qint64 bisMs) {
        while ((z().RennenLaeuft || ablauf->beschaeftigt()) && t() < bisMs)
            if (!uhr.naechsterTimer(bisMs - t())) break;
    }

    // Lap rows of a table in lap order: "lane/lap zeit gesamt".
    QStringList runden(const QString& tabelle) {
        QStringList zeilen;
        QSqlQuery q(db.db());
        q.exec(QStringLiteral("select Bahn, Runde, Zeit, Gesamt from %1 order by lfdnr")
                   .arg(tabelle));
        while (q.next())
            zeilen << QStringLiteral("%1/%2 %3 %4")
                          .arg(q.value(0).toInt())
                          .arg(q.value(1).toInt())
                          .arg(q.value(2).toDouble(), 0, 'f', 3)
                          .arg(q.value(3).toDouble(), 0, 'f', 3);
        return zeilen;
    }
};
