// The start-up: database choice and the end of the program when the database cannot be
// opened, the debug switch, the single instance, and the idle state it ends in.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QPushButton>
#include <QtTest>

#include "TestHelfer.h"
#include "config/DebugLog.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "data/Datenbank.h"
#include "engine/Hauptanzeige.h"
#include "engine/ProtokollHardware.h"
#include "engine/Rennleitung.h"
#include "ui/DemoModus.h"
#include "ui/ErsterStartHinweis.h"
#include "ui/HardwareFabrik.h"
#include "ui/ProgrammStart.h"
#include "ui/SlotAnzeige.h"
#include "ui/ZeitnahmeFeld.h"
#include "ui/frmDebug.h"
#include "ui/frmMain.h"

#include <pty.h>
#include <unistd.h>

class TestProgrammStart : public QObject {
    Q_OBJECT

private slots:
    void init() {
        DebugLog::instanz().setAktiv(false);
        m_ordner = std::make_unique<QTemporaryDir>();
        // Every test starts with an empty settings store and no default database.
        QFile::remove(EinstellungsSpeicher::standardPfad());
        for (const char* rest : {"", "-wal", "-shm"})
            QFile::remove(EinstellungsSpeicher::standardDatenBank() + QLatin1String(rest));
        m_dialoge = SkriptDialoge();
        m_rueckfrage = SkriptRueckfrage();
    }
    void cleanup() { DebugLog::instanz().setAktiv(false); }

    // A stored path that does not exist is never a dead end: "Ja" creates a database there,
    // "Abbrechen" takes the default database; both ask again at the next start.
    void fehlendeDatenbank_data() {
        QTest::addColumn<bool>("anlegen");
        QTest::newRow("Neue Datenbank anlegen") << true;
        QTest::newRow("Abbrechen") << false;
    }
    void fehlendeDatenbank() {
        QFETCH(bool, anlegen);
        const QString pfad = m_ordner->filePath("woanders/Pistorelle.db");
        EinstellungsSpeicher speicher;
        speicher.speichere("DatenBank", pfad);
        speicher.speichere("DatenBankAuswahl", "0");
        m_dialoge.frageAntwort = anlegen;

        VirtuelleUhr uhr;
        ProgrammStart start(m_dialoge, optionen(uhr));
        QVERIFY(start.starte({"pistorelle"}));
        QCOMPARE(m_dialoge.fragen,
                 QStringList{"Die Datenbank " + pfad + " gibt es nicht.\n\nNeue Datenbank anlegen?"});
        QCOMPARE(m_dialoge.meldungen, QStringList{});
        QCOMPARE(start.datenBank(), anlegen ? pfad : EinstellungsSpeicher::standardDatenBank());
        QCOMPARE(QFileInfo::exists(pfad), anlegen);
        QCOMPARE(start.datenbank()->wert("select count(*) from positionen").toInt(), 6);
        QVERIFY(start.hauptfenster());
    }

    // A file that cannot be used says why and stays as it was, a link still the same link; the
    // user picks another one or falls back to the default database. Only a default database
    // that cannot be opened ends the program.
    void unbrauchbareDatenbank_data() {
        QTest::addColumn<bool>("standard");  // at the default path, not a stored one
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("grund");
        QTest::newRow("leer") << false << "leer"
                              << "ist leer: keine SQLite-Datenbank";
        // The database on a USB stick that is not plugged in.
        QTest::newRow("Verknüpfung ohne Ziel") << false << "verwaist"
                                               << "Verknüpfung ohne Ziel";
        QTest::newRow("Standard: Textdatei") << true << "text"
                                             << "keine SQLite-Datenbank";
        QTest::newRow("Standard: leer") << true << "leer"
                                        << "ist leer: keine SQLite-Datenbank";
        QTest::newRow("Standard: Verknüpfung ohne Ziel") << true << "verwaist"
                                                         << "Verknüpfung ohne Ziel";
    }
    void unbrauchbareDatenbank() {
        QFETCH(bool, standard);
        QFETCH(QString, art);
        QFETCH(QString, grund);
        const QString pfad =
            standard ? EinstellungsSpeicher::standardDatenBank() : m_ordner->filePath("verein.db");
        QVERIFY(QDir().mkpath(QFileInfo(pfad).path()));
        if (art == "verwaist") {
            QVERIFY(QFile::link(m_ordner->filePath("stick/verein.db"), pfad));
        } else {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (art == "text") f.write("kein SQLite");
        }
        const QByteArray vorher = inhalt(pfad);
        const QString ziel = QFileInfo(pfad).symLinkTarget();
        EinstellungsSpeicher speicher;
        speicher.speichere("DatenBank", pfad);
        speicher.speichere("DatenBankAuswahl", "0");
        {
            VirtuelleUhr uhr;
            ProgrammStart start(m_dialoge, optionen(uhr));
            QCOMPARE(start.starte({"pistorelle"}), !standard);
            QCOMPARE(m_dialoge.fragen, QStringList{});
            QCOMPARE(m_dialoge.meldungen.size(), 1);
            QVERIFY2(m_dialoge.meldungen.first().contains(grund),
                     qPrintable(m_dialoge.meldungen.first()));
            QCOMPARE(EinstellungsSpeicher().hole("DatenBankAuswahl"), QStringLiteral("2"));
            if (standard) {
                QCOMPARE(start.exitCode(), 1);
                QVERIFY(!start.hauptfenster());
            } else {
                QCOMPARE(m_dialoge.datenbankDialoge, 1);
                QCOMPARE(start.datenBank(), EinstellungsSpeicher::standardDatenBank());
            }
        }
        QCOMPARE(inhalt(pfad), vorher);
        QCOMPARE(QFileInfo(pfad).symLinkTarget(), ziel);
    }

    // Laps of a run that never reached the history (the program was killed during a race)
    // are copied at the next start, with their race's stamp and "abgebrochen" on each lane's
    // last lap, and the user is told by a notice that holds up nothing (not by a start-up
    // dialog, which waits for OK); the start after that finds nothing.
    void unterbrochenerLaufWirdGerettet() {
        EinstellungsSpeicher().speichere("DatenBankAuswahl", "0");
        {
            VirtuelleUhr uhr;
            SkriptDialoge still;
            ProgrammStart erster(still, optionen(uhr));
            QVERIFY(erster.starte({"pistorelle"}));
            Datenbank& db = *erster.datenbank();
            for (int runde = 1; runde <= 3; ++runde) {
                for (int bahn = 1; bahn <= 2; ++bahn)
                    QVERIFY(db.execute(
                        "insert into aktrennen (Fahrer, Runde, Zeit, Uhr, RennInfo, Bahn, "
                        "RennName, RennArt) values (?, ?, 5.5, ?, '', ?, 'Vereinsmeisterschaft', "
                        "'Rennen')",
                        {QString("Fahrer %1").arg(bahn), runde,
                         QString("20:15:%1").arg(runde * 10 + bahn), bahn}));
            }
            QVERIFY(db.execute("insert or replace into laufstand (id, stempel, rennname) values "
                               "(1, '2026.12.04 20:14:00', 'Vereinsmeisterschaft')"));
        }
        {
            VirtuelleUhr uhr;
            ProgrammStart start(m_dialoge, optionen(uhr));
            QVERIFY(start.starte({"pistorelle"}));
            QCOMPARE(m_dialoge.meldungen, QStringList{});
            QCOMPARE(m_rueckfrage.meldungen.size(), 1);
            const QString& m = m_rueckfrage.meldungen.first();
            QVERIFY2(m.contains("„Vereinsmeisterschaft“ (Rennen) vom 2026.12.04 20:14:00") &&
                         m.contains("6 Runden von 2 Bahnen"),
                     qPrintable(m));
            Datenbank& db = *start.datenbank();
            QCOMPARE(db.wert("select count(*) from histrennen where rennzeit = "
                             "'2026.12.04 20:14:00'")
                         .toInt(),
                     6);
            QCOMPARE(db.wert("select group_concat(Bahn || ':' || Runde) from histrennen where "
                             "RennInfo = 'abgebrochen'")
                         .toString(),
                     QStringLiteral("1:3,2:3"));
            // Nothing was deleted.
            QCOMPARE(db.wert("select count(*) from aktrennen").toInt(), 6);
        }
        // Nothing is found twice.
        m_rueckfrage = SkriptRueckfrage();
        VirtuelleUhr uhr;
        ProgrammStart zweiter(m_dialoge, optionen(uhr));
        QVERIFY(zweiter.starte({"pistorelle"}));
        QCOMPARE(m_rueckfrage.meldungen, QStringList{});
    }

    void datenbankDialog_data() {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("wieder");
        QTest::addColumn<bool>("neustart");
        QTest::addColumn<QString>("gespeicherteAuswahl");
        QTest::newRow("OK ohne Haken") << true << false << false << "0";
        QTest::newRow("OK mit Haken") << true << true << true << "1";
        QTest::newRow("Abbrechen") << false << false << false << "2";
    }
    void datenbankDialog() {
        QFETCH(bool, ok);
        QFETCH(bool, wieder);
        QFETCH(bool, neustart);
        QFETCH(QString, gespeicherteAuswahl);
        // A database made by an earlier start, copied to be chosen in the dialog.
        const QString andere = m_ordner->filePath("verein.db");
        {
            EinstellungsSpeicher().speichere("DatenBankAuswahl", "0");
            VirtuelleUhr uhr;
            SkriptDialoge still;
            ProgrammStart erzeuge(still, optionen(uhr));
            QVERIFY(erzeuge.starte({"pistorelle"}));
        }
        QFile::remove(EinstellungsSpeicher::standardPfad());
        QVERIFY(QFile::copy(EinstellungsSpeicher::standardDatenBank(), andere));
        EinstellungsSpeicher().speichere("DatenBankAuswahl", "2");

        m_dialoge.datenbankOk = ok;
        m_dialoge.antwort = {andere, wieder, neustart};
        VirtuelleUhr uhr;
        ProgrammStart start(m_dialoge, optionen(uhr));
        QVERIFY(start.starte({"pistorelle"}));
        QCOMPARE(m_dialoge.datenbankDialoge, 1);
        // "Ask at the next start only" shows the first box unticked.
        QVERIFY(!m_dialoge.gezeigt.wiederAnzeigen);
        QCOMPARE(m_dialoge.gezeigt.pfad, EinstellungsSpeicher::standardDatenBank());
        QCOMPARE(EinstellungsSpeicher().hole("DatenBankAuswahl"), gespeicherteAuswahl);
        QCOMPARE(start.datenBank(), ok ? andere : EinstellungsSpeicher::standardDatenBank());
        QCOMPARE(EinstellungsSpeicher().hole("DatenBank").isEmpty(), !neustart);
        QCOMPARE(start.einstellungen().DatenBankAuswahl, qint16(ok && wieder ? 1 : 0));
    }

    void debugSchalterGenau_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("debug");
        QTest::newRow("debug") << QStringList{"pistorelle", "debug"} << true;
        QTest::newRow("ohne") << QStringList{"pistorelle"} << false;
        QTest::newRow("Debug") << QStringList{"pistorelle", "Debug"} << false;
        QTest::newRow("DEBUG") << QStringList{"pistorelle", "DEBUG"} << false;
        QTest::newRow("weitere Worte") << QStringList{"pistorelle", "debug", "x"} << false;
        QTest::newRow("davor") << QStringList{"pistorelle", "x", "debug"} << false;
        QTest::newRow("debugx") << QStringList{"pistorelle", "debugx"} << false;
    }
    void debugSchalterGenau() {
        QFETCH(QStringList, argumente);
        QFETCH(bool, debug);
        EinstellungsSpeicher().speichere("DatenBankAuswahl", "0");
        VirtuelleUhr uhr;
        ProgrammStart start(m_dialoge, optionen(uhr));
        QVERIFY(start.starte(argumente));
        QCOMPARE(DebugLog::instanz().aktiv(), debug);
        QCOMPARE(start.debugFenster() != nullptr, debug);
        if (debug) {
            QVERIFY(start.debugFenster()->isVisible());
            QCOMPARE(start.debugFenster()->parentWidget(), start.hauptfenster());
            // The start-up traced itself into it.
            QVERIFY(!DebugLog::instanz().zeilen().isEmpty());
        }
    }

    void nurEinmalStarten() {
        EinstellungsSpeicher().speichere("DatenBankAuswahl", "0");
        VirtuelleUhr uhr;
        ProgrammStart erste(m_dialoge, optionen(uhr));
        QVERIFY(erste.starte({"pistorelle"}));
        const QByteArray vorher = inhalt(EinstellungsSpeicher::standardPfad());

        SkriptDialoge zweiteDialoge;
        VirtuelleUhr uhr2;
        ProgrammStart zweite(zweiteDialoge, optionen(uhr2));
        QVERIFY(!zweite.starte({"pistorelle"}));
        QCOMPARE(zweiteDialoge.meldungen, QStringList{"Programm ist schon gestartet!"});
        QCOMPARE(zweiteDialoge.datenbankDialoge, 0);
        QVERIFY(!zweite.hauptfenster());
        QCOMPARE(inhalt(EinstellungsSpeicher::standardPfad()), vorher);  // nothing written
    }

    void endetImLeerlauf() {
        EinstellungsSpeicher speicher;
        speicher.speichere("DatenBankAuswahl", "0");
        speicher.speichere("LPTAnsteuerung", "1");
        VirtuelleUhr uhr;
        ProgrammStart start(m_dialoge, optionen(uhr));
        QVERIFY(start.starte({"pistorelle"}));
        // The default database was created with its tables and rows.
        QVERIFY(QFileInfo::exists(EinstellungsSpeicher::standardDatenBank()));
        const RennZustand& z = start.leitung()->zustand();
        QVERIFY(!z.RennenLaeuft);
        QCOMPARE(z.RennArt, Laufart::Training);
        QCOMPARE(z.RennModus, 0);
        QCOMPARE(z.StromImCountdown, 1);
        QVERIFY(!z.AgentVorhanden);
        QCOMPARE(start.leitung()->Text(1), QStringLiteral("Willkommen bei Pistorelle"));
        QCOMPARE(start.hauptfenster()->bahnenVonOben(), (QVector<int>{1, 2, 3, 4}));
        // Free driving after the outputs were reset: lanes on, red off, green on.
        const QStringList aufrufe = static_cast<ProtokollHardware*>(start.hardware())->aufrufe();
        const qsizetype gruen = aufrufe.lastIndexOf("SchalteLPT AmpelGruen 1");
        QVERIFY(gruen > 0);
        QCOMPARE(aufrufe.mid(gruen - 2, 3),
                 (QStringList{"SchalteLPT BahnAlle 1", "SchalteLPT AmpelAlle 0",
                              "SchalteLPT AmpelGruen 1"}));
        // The program's own sounds are where the settings look for them.
        for (const char* ton : {"TonAmpelAn", "TonAmpelAus", "TonBeep"})
            QVERIFY(QFileInfo::exists(EinstellungsSpeicher::standardTon(ton)));
        QCOMPARE(start.einstellungen().TonBeep, EinstellungsSpeicher::standardTon("TonBeep"));
    }

    // With the real interfaces the start-up opens them, shows their state in the caption and
    // lets "Verfügbare" probe the COM ports again.
    void echteSchnittstellen() {
        const QByteArray vorher = qgetenv("PISTORELLE_HARDWARE");
        qunsetenv("PISTORELLE_HARDWARE");
        EinstellungsSpeicher speicher;
        speicher.speichere("DatenBankAuswahl", "0");
        // No COM port exists at first; COM 1 becomes a pseudo-terminal later.
        const QString com1 = m_ordner->filePath("com1");
        speicher.speichere("ComPfad1", com1);
        for (int n = 2; n <= 10; ++n)
            speicher.speichere(QStringLiteral("ComPfad%1").arg(n), m_ordner->filePath("fehlt"));

        VirtuelleUhr uhr;
        ProgrammStart::Optionen o = optionen(uhr);
        o.hardwareFabrik = [](Uhr& u, Einstellungen& e) { return erzeugeHardware(u, e); };
        ProgrammStart start(m_dialoge, o);
        const bool gestartet = start.starte({"pistorelle"});
        qputenv("PISTORELLE_HARDWARE", vorher);
        QVERIFY(gestartet);
        frmMain* f = start.hauptfenster();
        QVERIFY(findeIn<QPushButton>(f, "Command1")->isEnabled());
        QVERIFY(!f->windowTitle().contains("COM 1 OK"));
        // The button bar says why no lap can be counted, in red.
        ZeitnahmeFeld* zeitnahme = findeIn<ZeitnahmeFeld>(f, "lblZeitnahme");
        QCOMPARE(zeitnahme->text(), QStringLiteral("COM1/COM2\nkeine Verbindung"));
        QVERIFY(zeitnahme->toolTip().contains(com1));
        QVERIFY(zeitnahme->istRot());
        // A newcomer is offered the demo and the timing settings at once, above the panels.
        ErsterStartHinweis* hinweis = f->findChild<ErsterStartHinweis*>();
        QVERIFY(!hinweis->isHidden());
        QVERIFY2(hinweis->text().contains("COM1/COM2: keine Verbindung"), qPrintable(hinweis->text()));
        QVERIFY(hinweis->findChild<QPushButton*>("cmdDemoStarten"));
        QVERIFY(hinweis->findChild<QPushButton*>("cmdZeitnahmeEinrichten"));
        for (SlotAnzeige* p : f->findChildren<SlotAnzeige*>())
            QVERIFY(!p->isVisible() || !p->geometry().intersects(hinweis->geometry()));
        // The panels' names are the drivers window's: a new database lists them, paired.
        QCOMPARE(start.datenbank()->wert("select group_concat(f.name || '/' || a.name, ',') from "
                                         "auto2fahrer p join fahrer f on f.nummer = p.fahrernr "
                                         "join autos a on a.nummer = p.autonr")
                     .toString(),
                 QStringLiteral("Fahrer 1/Auto 1,Fahrer 2/Auto 2,Fahrer 3/Auto 3,Fahrer 4/Auto 4,"
                                "Fahrer 5/Auto 5,Fahrer 6/Auto 6"));

        int master = -1, slave = -1;
        QCOMPARE(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
        QVERIFY(QFile::link(QString::fromLocal8Bit(::ttyname(slave)), com1));
        findeIn<QPushButton>(f, "Command1")->click();
        QVERIFY2(f->windowTitle().contains(" COM 1 OK"), qPrintable(f->windowTitle()));
        QCOMPARE(zeitnahme->text(), QStringLiteral("COM1/COM2\naktiv"));
        QVERIFY(!zeitnahme->istRot());
        // A port that opens says nothing yet: the notice waits a few seconds for a signal.
        QVERIFY(hinweis->isHidden());
        uhr.vorruecken(ErsterStartHinweis::stilleFrist + 100);
        QVERIFY(!hinweis->isHidden());
        QVERIFY2(hinweis->text().contains("kam noch kein Signal"), qPrintable(hinweis->text()));
        // "Demo starten" starts the cars; the notice is gone for the session.
        hinweis->findChild<QPushButton*>("cmdDemoStarten")->click();
        QVERIFY(f->demo()->aktiv());
        QVERIFY(hinweis->isHidden());
        f->demo()->schalte(false);
        uhr.vorruecken(ErsterStartHinweis::stilleFrist + 100);
        QVERIFY(hinweis->isHidden());
        if (!qEnvironmentVariableIsEmpty("PISTORELLE_TESTBILD"))
            f->grab().save(qEnvironmentVariable("PISTORELLE_TESTBILD"));
        ::close(slave);
        ::close(master);
    }

    // Every kind of timing interface, as the race director sees it in the button bar: counting,
    // or red with the reason.
    void statusJeSchnittstelle_data() {
        QTest::addColumn<QString>("schalter");  // the interface's settings key
        QTest::addColumn<bool>("mitPort");      // COM 1 is a pseudo-terminal
        QTest::addColumn<QString>("umgebung");  // NAME=VALUE for the backend, or empty
        QTest::addColumn<QString>("feld");      // interface, port and state, in full
        QTest::addColumn<bool>("rot");
        QTest::newRow("DS300 angeschlossen") << "DS300Aktiv" << true << ""
                                             << "DS300 COM1: aktiv" << false;
        QTest::newRow("DS300 ohne Port") << "DS300Aktiv" << false << ""
                                         << "DS300 COM1: keine Verbindung" << true;
        QTest::newRow("Control-Box angeschlossen") << "BEPFEAktiv" << true << ""
                                                   << "Steuerbox COM1: aktiv" << false;
        QTest::newRow("Control-Box ohne Port") << "BEPFEAktiv" << false << ""
                                               << "Steuerbox COM1: keine Verbindung" << true;
        QTest::newRow("Sensor-Box ohne Treiber")
            << "RaceControlAktiv" << true << "PISTORELLE_SENSORBOX=/nirgends/libjnutl.so"
            << "Sensorbox COM1: Treiber fehlt" << true;
        // Simulated: nothing reaches the track, so it counts as not counting (shown yellow).
        QTest::newRow("Parallelport simuliert")
            << "LPTControlAktiv" << false << "PISTORELLE_LPT=sim"
            << "Parallelport: simuliert" << true;
        QTest::newRow("USB-Box ohne Bibliothek")
            << "LapsterAktiv" << false << "PISTORELLE_PORTALIX=/nirgends/libportalix.so"
            << "USB-Rennbox: Treiber fehlt" << true;
        QTest::newRow("Parallelport ohne Zugang")
            << "LPTControlAktiv" << false << "PISTORELLE_LPT=ppdev"
            << "Parallelport: keine Verbindung" << true;
        QTest::newRow("serielle Eingänge ohne Port") << "" << false << ""
                                                     << "COM1/COM2: keine Verbindung" << true;
    }
    void statusJeSchnittstelle() {
        QFETCH(QString, schalter);
        QFETCH(bool, mitPort);
        QFETCH(QString, umgebung);
        QFETCH(QString, feld);
        QFETCH(bool, rot);
        if (umgebung.endsWith("=ppdev") && QFileInfo::exists("/dev/parport0"))
            QSKIP("this machine has a parallel port");
        int master = -1, slave = -1;
        QCOMPARE(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
        EinstellungsSpeicher speicher;
        speicher.speichere("DatenBankAuswahl", "0");
        if (!schalter.isEmpty()) speicher.speichere(schalter, "1");
        speicher.speichere("ComPfad1", mitPort ? QString::fromLocal8Bit(::ttyname(slave))
                                               : m_ordner->filePath("fehlt-1"));
        for (int n = 2; n <= 10; ++n)
            speicher.speichere(QStringLiteral("ComPfad%1").arg(n),
                               m_ordner->filePath(QStringLiteral("fehlt-%1").arg(n)));
        const QByteArray vorher = qgetenv("PISTORELLE_HARDWARE");
        qunsetenv("PISTORELLE_HARDWARE");
        const QByteArray name = umgebung.section('=', 0, 0).toUtf8();
        if (!name.isEmpty()) qputenv(name, umgebung.section('=', 1).toUtf8());

        VirtuelleUhr uhr;
        ProgrammStart::Optionen o = optionen(uhr);
        o.hardwareFabrik = [](Uhr& u, Einstellungen& e) { return erzeugeHardware(u, e); };
        {
            ProgrammStart start(m_dialoge, o);
            const bool gestartet = start.starte({"pistorelle"});
            qputenv("PISTORELLE_HARDWARE", vorher);
            if (!name.isEmpty()) qunsetenv(name);
            QVERIFY(gestartet);
            frmMain* f = start.hauptfenster();
            ZeitnahmeFeld* zeitnahme = findeIn<ZeitnahmeFeld>(f, "lblZeitnahme");
            QCOMPARE(zeitnahme->text().replace('\n', ": "), feld);
            QCOMPARE(zeitnahme->istRot(), rot);
            if (rot) QVERIFY(!zeitnahme->toolTip().isEmpty());
        }
        ::close(slave);
        ::close(master);
    }

private:
    ProgrammStart::Optionen optionen(Uhr& uhr) {
        ProgrammStart::Optionen o;
        o.uhr = &uhr;
        o.sprache = false;
        o.rueckfrage = &m_rueckfrage;
        o.sperrDatei = m_ordner->filePath("pistorelle.lock");
        o.fensterZeigen = false;
        o.bildschirmHoehe = 768;
        return o;
    }
    static QByteArray inhalt(const QString& pfad) {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> m_ordner;
    SkriptDialoge m_dialoge;
    SkriptRueckfrage m_rueckfrage;
};

QTEST_MAIN(TestProgrammStart)
#include "tst_programmstart.moc"
