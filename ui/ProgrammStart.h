#pragma once
// The start-up of the program, in its fixed order: speech engine, settings, single instance,
// debug switch, database choice and opening, the engine (Rennkern, which rescues a run left
// after a crash) with the main window and its lane panels over it, then the engine's start-up
// with the timing interface and outputs, the button bar's windows and speech wired in, and
// last the notice of the rescued run. Owns everything it builds.
// Questions go through StartDialoge, so tests can run the whole start-up without a modal window.

#include <QCoreApplication>
#include <QLockFile>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

#include "config/Einstellungen.h"
#include "ui/HardwareFabrik.h"

class Datenbank;
class EinstellungsSpeicher;
class FensterHardware;
class Hauptanzeige;
class ProgrammAnsage;
class ProgrammRueckfrage;
class Rueckfrage;
class Rennablauf;
class Rennleitung;
class Rennkern;
class SprachSynthese;
class SprachWarteschlange;
class SprachWiedergabe;
class StartDialoge;
class Tonspieler;
class TurnierFenster;
class Uhr;
class frmDebug;
class frmMain;

class ProgrammStart {
    Q_DECLARE_TR_FUNCTIONS(ProgrammStart)

public:
    struct Optionen {
        Uhr* uhr = nullptr;  // null: the wall clock
        // null: erzeugeHardware
        std::function<HardwareAufbau(Uhr&, Einstellungen&)> hardwareFabrik;
        bool sprache = true;  // false: no speech engine at all (AgentVorhanden stays false)
        // Replacements for the speech engine and its output (both or neither).
        SprachSynthese* synthese = nullptr;
        SprachWiedergabe* wiedergabe = nullptr;
        Rueckfrage* rueckfrage = nullptr;  // null: the program's dialogs
        QString sperrDatei;                // empty: standardSperrDatei()
        int bildschirmHoehe = -1;
        bool fensterZeigen = true;
    };

    ProgrammStart(StartDialoge& dialoge, Optionen optionen);
    // pistorelle.lock in the user's runtime folder, or in his data folder where he has none.
    static QString standardSperrDatei();
    explicit ProgrammStart(StartDialoge& dialoge);
    ~ProgrammStart();

    // Runs the start-up with the program's arguments (program name first). False when the
    // program must end at once (exitCode() tells how).
    bool starte(const QStringList& argumente);
    int exitCode() const { return m_exitCode; }

    Uhr& uhr() { return *m_uhr; }
    Einstellungen& einstellungen() { return m_e; }
    EinstellungsSpeicher& speicher() { return *m_speicher; }
    QString datenBank() const { return m_datenBank; }
    Datenbank* datenbank() { return m_db.get(); }
    RennHardware* hardware() { return m_aufbau.hardware.get(); }
    Rennkern* kern() { return m_kern.get(); }
    Rennleitung* leitung();
    Rennablauf* ablauf();
    Hauptanzeige* anzeige();
    ProgrammAnsage* ansage() { return m_ansage.get(); }
    Tonspieler* ton() { return m_ton.get(); }
    frmMain* hauptfenster() { return m_fenster.get(); }
    HardwareAufbau& aufbau() { return m_aufbau; }
    RennHardware* ausgaenge();  // the engine's view of the outputs
    Rueckfrage& rueckfrage();
    TurnierFenster* turnier() { return m_turnier.get(); }
    frmDebug* debugFenster();

private:
    void Form_Initialize();
    bool Form_Load(const QStringList& argumente);
    bool waehleDatenbank();
    bool oeffneDatenbank();
    void legeStandardFahrerAn();
    void baueAnzeige();
    void oeffneSchnittstelle();
    void richteSpracheEin();
    bool beende(int code);

    StartDialoge& m_dialoge;
    Optionen m_optionen;
    int m_exitCode = 0;
    std::unique_ptr<Uhr> m_eigeneUhr;
    Uhr* m_uhr = nullptr;
    std::unique_ptr<EinstellungsSpeicher> m_speicher;
    Einstellungen m_e;
    QString m_datenBank;
    std::unique_ptr<QLockFile> m_sperre;
    std::unique_ptr<Datenbank> m_db;
    std::unique_ptr<Tonspieler> m_ton;
    std::unique_ptr<SprachSynthese> m_eigeneSynthese;
    std::unique_ptr<SprachWiedergabe> m_eigeneWiedergabe;
    std::unique_ptr<SprachWarteschlange> m_warteschlange;
    std::unique_ptr<ProgrammAnsage> m_ansage;
    std::unique_ptr<ProgrammRueckfrage> m_rueckfrage;
    HardwareAufbau m_aufbau;
    std::unique_ptr<FensterHardware> m_fensterHardware;
    std::unique_ptr<Rennkern> m_kern;
    std::unique_ptr<frmMain> m_fenster;
    std::unique_ptr<TurnierFenster> m_turnier;
    QPointer<frmDebug> m_debug;
};
