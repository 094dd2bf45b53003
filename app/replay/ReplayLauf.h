#pragma once
// Runs a scenario against the real engine and database on the virtual clock, without
// windows. The script is a user at the controls: each command acts at the virtual time it is
// reached, also while the engine is inside one of its waits; "wait" lets time pass.

#include <QObject>
#include <QTemporaryDir>
#include <QTextStream>
#include <memory>

#include "app/replay/Szenario.h"
#include "config/Einstellungen.h"
#include "config/VirtuelleUhr.h"
#include "data/Datenbank.h"

class DemoZeitnahme;
class EinstellungsSpeicher;
class Hauptanzeige;
class ProtokollHardware;
class Rennablauf;
class Rennkern;
class Rennleitung;
class ReplayAusgabe;
class ReplayTurnier;
class UhrTimer;

struct ReplayOptionen {
    QString datenbank;      // empty: a temporary database
    QString einstellungen;  // INI file to start from; empty: all defaults
    bool debug = false;
};

class ReplayLauf : public QObject {
    Q_OBJECT
public:
    // Exit codes of the runner.
    enum { Erfolg = 0, Dateifehler = 1, Szenariofehler = 2 };

    ReplayLauf(ReplayOptionen optionen, QTextStream& aus, QTextStream& fehler,
               QObject* parent = nullptr);
    ~ReplayLauf() override;

    // Opens settings and database and builds the engine; Dateifehler when that fails.
    int oeffne();
    // Runs the scenario text; returns the exit code.
    int fuehreAus(const QString& text);

    VirtuelleUhr& uhr() { return m_uhr; }
    Datenbank& datenbank() { return m_db; }
    Einstellungen& einstellungen() { return m_e; }
    Rennleitung& leitung();
    Rennablauf& ablauf();
    Hauptanzeige& anzeige();

private:
    void weiter();
    // Executes one command; false when the script must wait before the next line.
    bool fuehreAus(const SzenarioBefehl& b);
    void setze(const QString& schluessel, const QString& wert);
    void fehler(int zeile, const QString& text);
    void ende();
    void zeitErreicht();
    void leerlaufErreicht();
    // "demo on [SEED]" / "demo off": simulated cars drive the laps.
    QString schalteDemo(const SzenarioBefehl& b);

    ReplayOptionen m_optionen;
    QTextStream& m_aus;
    QTextStream& m_fehlerAus;
    QTemporaryDir m_ordner;
    VirtuelleUhr m_uhr;
    Einstellungen m_e;
    std::unique_ptr<EinstellungsSpeicher> m_speicher;
    Datenbank m_db;
    std::unique_ptr<ReplayAusgabe> m_ausgabe;
    std::unique_ptr<ProtokollHardware> m_hw;
    std::unique_ptr<Rennkern> m_kern;
    std::unique_ptr<ReplayTurnier> m_turnier;
    std::unique_ptr<DemoZeitnahme> m_demo;

    Szenario m_szenario{QString()};
    int m_naechsteZeile = 1;
    int m_wartezeile = 0;
    UhrTimer* m_weiter = nullptr;
    bool m_wartetAufLeerlauf = false;
    qint64 m_leerlaufFrist = 0;
    bool m_inWeiter = false;
    bool m_fertig = false;
    int m_code = Erfolg;
};
