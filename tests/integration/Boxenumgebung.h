#pragma once
// The whole program path of a timing box: a pseudo-terminal whose master side plays the box,
// the interfaces with their serial ports, the adapter, the race engine and sequence on the
// virtual clock, a temporary database and settings, and a recorder of what is said, played,
// asked and shown.

#include <QDeadlineTimer>
#include <QFile>
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

using H = Hauptanzeige;

class Mitschrift : public Ansage, public Rueckfrage {
public:
    QStringList ereignisse;
    // What happens while a question is open (the real dialog runs the event loop).
    std::function<void()> waehrendFrage;
    void SprachAusgabe(const QString& t) override { ereignisse << "say " + t; }
    void SpieleTon(const QString& d) override { ereignisse << "sound " + d; }
    bool frage(const QString& t) override {
        ereignisse << "ask " + t;
        if (waehrendFrage) std::exchange(waehrendFrage, nullptr)();
        return !ereignisse.endsWith("withdrawn");
    }
    void frageZurueckziehen() override { ereignisse << "withdrawn"; }
    void meldung(const QString& t) override { ereignisse << "message " + t; }
    int anzahl(const QString& text) const {
        int k = 0;
        for (const QString& s : ereignisse) k += s == text ? 1 : 0;
        return k;
    }
};

// One lap row as the tests compare it: lane, lap, lap time and total in ms.
struct Zeile {
    int bahn;
    int runde;
    int zeitMs;
    int gesamtMs;
    bool operator==(const Zeile&) const = default;
};
inline char* toString(const Zeile& z) {
    return QTest::toString(QStringLiteral("Bahn %1 Runde %2 Zeit %3 Gesamt %4")
                               .arg(z.bahn)
                               .arg(z.runde)
                               .arg(z.zeitMs)
                               .arg(z.gesamtMs));
}

struct Boxenumgebung : Programmpfad {
    PtyPaar pty;
    // COM 1 is reached through this link in the test's own folder, as a udev name would be.
    QString link;
    Mitschrift mit;
    SimulierterSensorBoxTreiber* treiber = nullptr;

    // vorher: settings written to the INI before they are loaded; COM 1 is the pty.
    explicit Boxenumgebung(const std::function<void(EinstellungsSpeicher&)>& vorher)
        : Programmpfad(QStringLiteral("boxen")) {
        speicher.speichere("TonAmpelAn", "an.wav");
        speicher.speichere("TonAmpelAus", "aus.wav");
        speicher.speichere("TonBeep", "");
        speicher.speichere("CommPort1", "1");
        speicher.speichere("CommPort2", "2");
        link = ordner.filePath(QStringLiteral("com1"));
        QFile::link(pty.pfad, link);
        speicher.speichere("ComPfad1", link);
        speicher.speichere("ComPfad2", ordner.filePath(QStringLiteral("fehlt")));
        vorher(speicher);
        speicher.HoleRegWerte(e);
        e.ltfPfad = ordner.path() + QLatin1Char('/');

        auto sim = std::make_unique<SimulierterSensorBoxTreiber>();
        treiber = sim.get();
        s = std::make_unique<Schnittstellen>(e, &uhr, nullptr, std::make_unique<PortIOSimuliert>(),
                                             std::move(sim));
        // A pseudo-terminal has no modem lines to watch.
        s->setModemFabrik(nullptr);
        baueEngine(mit, mit);
        kern->starte([this] { hw->verbinde(*rl, *ablauf); });
        hw->oeffne();
        uhr.setzeSaat(7);
        DebugLog::instanz().setAktiv(true);
        DebugLog::instanz().leeren();
    }
    // The port goes before the pty it is open on.
    ~Boxenumgebung() { abbauen(); }

    // The cable is pulled: the box and its name are gone. Reopening tries the name, never
    // the bare terminal, which another process of the machine may get next with the same
    // number.
    void zieheStecker() {
        QFile::remove(link);
        pty.schliesse();
    }

    // Lets the real event loop run until bedingung holds (bytes cross the pty there); false
    // when it never does.
    static bool bis(const std::function<bool()>& bedingung) {
        QDeadlineTimer frist(20000);
        while (!bedingung()) {
            if (frist.hasExpired()) return false;
            QTest::qWait(5);
        }
        return true;
    }
    // The box sends bytes; true once bedingung holds.
    bool sende(const QByteArray& daten, const std::function<bool()>& bedingung) {
        pty.schreibe(daten);
        return bis(bedingung);
    }
    // A crossing the box reports: delivered into the lap buffer, then evaluated by a tick of
    // the race timer.
    bool runde(const QByteArray& daten) {
        if (!sende(daten, [this] { return rl->wartendeRunden() > 0; })) return false;
        uhr.vorruecken(120);
        return rl->wartendeRunden() == 0;
    }
    // Countdown on the virtual clock until green; false when green never comes.
    bool bisGruen() {
        for (int i = 0; i < 1000 && z().AmpelPhase != 6; ++i) uhr.vorruecken(10);
        return z().AmpelPhase == 6 && z().RennenLaeuft;
    }
    // The after-run and the close of the run on the virtual clock.
    void bisLeerlauf() {
        const qint64 ende = uhr.virtuelleZeit() + 4000000;
        while (ablauf->beschaeftigt() && uhr.virtuelleZeit() < ende)
            if (!uhr.naechsterTimer(ende - uhr.virtuelleZeit())) break;
    }
    // What the program has sent to the box since the last call.
    QByteArray gesendet() {
        pty.lies();
        const QByteArray d = pty.gelesen;
        pty.gelesen.clear();
        return d;
    }

    QList<Zeile> zeilen(const QString& tabelle, const QString& ordnung = "lfdnr") {
        QList<Zeile> l;
        QSqlQuery q(db.db());
        q.exec(QStringLiteral("select Bahn, Runde, Zeit, Gesamt from %1 order by %2")
                   .arg(tabelle, ordnung));
        while (q.next())
            l << Zeile{q.value(0).toInt(), q.value(1).toInt(), qRound(q.value(2).toDouble() * 1000),
                       qRound(q.value(3).toDouble() * 1000)};
        return l;
    }
    QStringList rennInfo() {
        QStringList l;
        QSqlQuery q(db.db());
        q.exec(QStringLiteral("select RennInfo from aktrennen order by lfdnr"));
        while (q.next()) l << q.value(0).toString().trimmed();
        return l;
    }
};
