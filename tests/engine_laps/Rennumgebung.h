#pragma once
// A race engine on the virtual clock with a temporary database, settings from a temporary INI
// file, and recorders for speech, sounds, messages and hardware calls.

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "data/Datenbank.h"
#include "engine/Ansage.h"
#include "engine/ProtokollHardware.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"

// Tests set up a run state directly, as the engine classes that own it write it.
struct Pruefzugang {
    static RennZustand& zustand(Rennleitung& l) { return l.zustand(Zustandsrecht{}); }
};

class AufnahmeAnsage : public Ansage {
public:
    QStringList gesprochen;
    QStringList toene;
    void SprachAusgabe(const QString& text) override { gesprochen << text; }
    void SpieleTon(const QString& datei) override { toene << datei; }
};

class AufnahmeRueckfrage : public Rueckfrage {
public:
    QStringList meldungen;
    bool frage(const QString&) override { return true; }
    void meldung(const QString& text) override { meldungen << text; }
};

struct Rennumgebung {
    QTemporaryDir ordner;
    VirtuelleUhr uhr;
    Datenbank db;
    EinstellungsSpeicher speicher;
    Einstellungen e;
    AufnahmeAnsage ansage;
    AufnahmeRueckfrage rueckfrage;
    ProtokollHardware hw{uhr};
    std::unique_ptr<Rennleitung> rl;

    // Runs fn on the settings in the INI file before they are loaded.
    explicit Rennumgebung(const std::function<void(EinstellungsSpeicher&)>& vorher = {})
        : db(QStringLiteral("rennen%1").arg(++nummer())),
          speicher(ordner.filePath(QStringLiteral("Pistorelle.ini"))) {
        QString fehler;
        if (!db.oeffneOderErzeuge(ordner.filePath(QStringLiteral("Pistorelle.db")), &fehler))
            qFatal("Datenbank: %s", qPrintable(fehler));
        if (vorher) vorher(speicher);
        speicher.HoleRegWerte(e);
        e.ltfPfad = ordner.path() + QLatin1Char('/');
        rl = std::make_unique<Rennleitung>(uhr, db, e, speicher, ansage, rueckfrage, hw);
        rl->SetzeTexte();
        DebugLog::instanz().setAktiv(true);
        DebugLog::instanz().leeren();
    }
    ~Rennumgebung() { rl.reset(); }

    static int& nummer() {
        static int n = 0;
        return n;
    }

    RennZustand& z() { return Pruefzugang::zustand(*rl); }

    // A run at green without the start sequence: MyInit, NeueRunde, green now.
    void starteLauf() {
        rl->MyInit();
        rl->NeueRunde();
        z().RennenLaeuft = true;
        z().RennStartDatum = uhr.jetzt();
        z().AmpelPhase = 6;
        z().StartZeit = uhr.Zeitstempel();
        ansage.gesprochen.clear();
        ansage.toene.clear();
        DebugLog::instanz().leeren();
    }
    // Now on the lap path's clock, and a stamp ms after green.
    qint32 jetzt() const { return uhr.Zeitstempel(); }
    qint32 nachGruen(qint32 ms) const { return rl->zustand().StartZeit + ms; }

    // One race-timer tick: time moves on, waiting crossings are evaluated.
    void tick() {
        uhr.vorruecken(120);
        if (z().RundeWartet) rl->werteWartendeRundenAus();
    }
    // Input B crosses the line at the given stamp, evaluated at the next tick.
    void runde(int B, qint32 stempel) {
        rl->RundenErfassung(B, stempel);
        tick();
    }

    QVariant wert(const QString& sql, const QVariantList& werte = {}) {
        return db.wert(sql, werte);
    }
    int anzahl(const QString& tabelle) {
        return wert(QStringLiteral("select count(*) from ") + tabelle).toInt();
    }
    // One column of aktrennen in lap order.
    QStringList spalte(const QString& name) {
        QStringList werte;
        QSqlQuery q(db.db());
        q.exec(QStringLiteral("select %1 from aktrennen order by lfdnr").arg(name));
        while (q.next()) werte << q.value(0).toString();
        return werte;
    }
    bool imLog(const QString& teil) const {
        for (const QString& zeile : DebugLog::instanz().zeilen())
            if (zeile.contains(teil)) return true;
        return false;
    }
};
