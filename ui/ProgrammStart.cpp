#include "ui/ProgrammStart.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>

#include "config/DebugLog.h"
#include "config/EchteUhr.h"
#include "config/EinstellungsSpeicher.h"
#include "darstellung/Oberflaechensprache.h"
#include "data/Datenbank.h"
#include "engine/ChaosModus.h"
#include "engine/Hauptanzeige.h"
#include "engine/Rennablauf.h"
#include "engine/Rennkern.h"
#include "engine/Rennleitung.h"
#include "engine/Rundensicherung.h"
#include "hardware/Zeitnahme.h"
#include "klang/AudioWiedergabe.h"
#include "klang/EspeakSynthese.h"
#include "klang/SprachWarteschlange.h"
#include "klang/StandardToene.h"
#include "klang/Tonspieler.h"
#include "uebertragung/LiveStand.h"
#include "uebertragung/MqttSender.h"
#include "ui/ErsterStartHinweis.h"
#include "ui/FensterHardware.h"
#include "ui/Fensterverbindung.h"
#include "ui/LiveStandFeld.h"
#include "ui/MqttFeld.h"
#include "ui/ProgrammAnsage.h"
#include "ui/ProgrammRueckfrage.h"
#include "ui/Sprecherfenster.h"
#include "ui/Sprecherplatz.h"
#include "ui/StartDialoge.h"
#include "ui/TurnierFenster.h"
#include "ui/ZeitnahmeFeld.h"
#include "ui/frmAnzeige.h"
#include "ui/frmDebug.h"
#include "ui/frmMain.h"

namespace {
bool gleicherPfad(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}
}  // namespace

ProgrammStart::ProgrammStart(StartDialoge& dialoge, Optionen optionen)
    : m_dialoge(dialoge), m_optionen(std::move(optionen)) {}

ProgrammStart::ProgrammStart(StartDialoge& dialoge) : ProgrammStart(dialoge, Optionen{}) {}

ProgrammStart::~ProgrammStart() {
    // The window first: it ends a running run before the engine under it goes.
    if (m_kern) m_kern->ablauf().beenden();
    delete m_debug;
    m_turnier.reset();
    m_fenster.reset();
    m_kern.reset();
    m_fensterHardware.reset();
    m_aufbau.hardware.reset();
    m_ansage.reset();
    m_warteschlange.reset();
    if (m_uhr) DebugLog::instanz().setUhr(nullptr);
}

frmDebug* ProgrammStart::debugFenster() { return m_debug; }

Rennleitung* ProgrammStart::leitung() { return m_kern ? &m_kern->leitung() : nullptr; }

Rennablauf* ProgrammStart::ablauf() { return m_kern ? &m_kern->ablauf() : nullptr; }

Hauptanzeige* ProgrammStart::anzeige() { return m_kern ? &m_kern->anzeige() : nullptr; }

RennHardware* ProgrammStart::ausgaenge() { return m_fensterHardware.get(); }

Rueckfrage& ProgrammStart::rueckfrage() {
    return m_optionen.rueckfrage ? *m_optionen.rueckfrage
                                 : static_cast<Rueckfrage&>(*m_rueckfrage);
}

bool ProgrammStart::starte(const QStringList& argumente) {
    Form_Initialize();
    return Form_Load(argumente);
}

bool ProgrammStart::beende(int code) {
    m_exitCode = code;
    return false;
}

void ProgrammStart::Form_Initialize() {
    if (m_optionen.uhr) {
        m_uhr = m_optionen.uhr;
    } else {
        m_eigeneUhr = std::make_unique<EchteUhr>();
        m_uhr = m_eigeneUhr.get();
    }
    // 1. The speech engine: without it the program runs on silently.
    m_ton = std::make_unique<Tonspieler>();
    m_speicher = std::make_unique<EinstellungsSpeicher>();
    if (m_optionen.sprache) {
        SprachSynthese* synthese = m_optionen.synthese;
        SprachWiedergabe* wiedergabe = m_optionen.wiedergabe;
        if (!synthese && EspeakSynthese::verfuegbar()) {
            m_eigeneSynthese = std::make_unique<EspeakSynthese>();
            m_eigeneWiedergabe = std::make_unique<AudioWiedergabe>();
            synthese = m_eigeneSynthese.get();
            wiedergabe = m_eigeneWiedergabe.get();
        }
        if (synthese && wiedergabe) {
            m_warteschlange = std::make_unique<SprachWarteschlange>(*synthese, *wiedergabe);
            m_warteschlange->setzeUhr(m_uhr);
        }
    }
    m_ansage = std::make_unique<ProgrammAnsage>(m_e, *m_speicher, m_warteschlange.get(), *m_ton);
    // 2., 3. Database path, then every setting.
    m_datenBank =
        m_speicher->hole(QStringLiteral("DatenBank"), EinstellungsSpeicher::standardDatenBank());
    m_speicher->HoleRegWerte(m_e);
    // Before the first window: every text from here on is in the interface language.
    Oberflaechensprache::installiere(Oberflaechensprache::ausEinstellungen(*m_speicher, m_e.LangId));
    // The program's own sounds, where the settings look for them by default.
    StandardToene::installiere();
}

QString ProgrammStart::standardSperrDatei() {
    // The user's own folders only: a lock in a folder that every user shares would let one
    // user's program keep another's from starting.
    QString ordner = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (ordner.isEmpty()) {
        ordner = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(ordner);
    }
    return ordner + QStringLiteral("/pistorelle.lock");
}

bool ProgrammStart::Form_Load(const QStringList& argumente) {
    // 1. Once only.
    QString sperrPfad = m_optionen.sperrDatei;
    if (sperrPfad.isEmpty()) sperrPfad = standardSperrDatei();
    m_sperre = std::make_unique<QLockFile>(sperrPfad);
    m_sperre->setStaleLockTime(0);  // a lock is stale only when its process is gone
    if (!m_sperre->tryLock(0)) {
        m_dialoge.meldung(tr("Programm ist schon gestartet!"));
        return beende(1);
    }
    // 2. Random generator from the wall clock; a clock handed in comes seeded by its owner.
    if (!m_optionen.uhr) m_uhr->setzeSaat(quint32(QDateTime::currentMSecsSinceEpoch()));
    // 3. The debug switch: exactly the one word.
    DebugLog::instanz().setUhr(m_uhr);
    DebugLog::instanz().setAktiv(DebugLog::istDebugSchalter(argumente));
    // 5., 6. Database.
    if (m_e.DatenBankAuswahl > 0 && !waehleDatenbank()) return false;
    if (!oeffneDatenbank()) return false;
    // 7. The engine (laps of a run that ended in a crash go into the history before anything
    // can clear them; the user is told at the end, when laps already count) and the display.
    baueAnzeige();
    // 8.-12. Practice on the first race mode; timing interface and outputs, the windows of the
    // button bar and speech; standings, MyInit, the last session's choices, outputs at rest.
    m_kern->starte([this] {
        oeffneSchnittstelle();
        verbindeFenster(*this);
        richteSpracheEin();
    });

    if (m_optionen.fensterZeigen) m_fenster->showMaximized();
    // After the main window, so that it opens in front of it.
    if (DebugLog::instanz().aktiv()) {
        m_debug = new frmDebug(m_e.ltfPfad, m_fenster.get());
        m_debug->show();
        m_debug->raise();
    }
    // Last, and a notice that does not wait for OK: after a crash nobody may be at the computer,
    // and laps must count and viewers get their standings all the same.
    if (!m_kern->rettungsMeldung().isEmpty()) rueckfrage().meldung(m_kern->rettungsMeldung());
    return true;
}

bool ProgrammStart::waehleDatenbank() {
    // "Ask at the next start only" is used up by this start.
    if (m_e.DatenBankAuswahl > 1) m_e.DatenBankAuswahl = 0;
    DatenbankWahl wahl;
    wahl.pfad = m_datenBank;
    wahl.wiederAnzeigen = m_e.DatenBankAuswahl == 1;
    if (!m_dialoge.datenbankAuswaehlen(wahl)) return true;  // Abbrechen: path as it was
    m_datenBank = wahl.pfad;
    if (wahl.fuerNeustart) m_speicher->speichere(QStringLiteral("DatenBank"), m_datenBank);
    m_e.DatenBankAuswahl = wahl.wiederAnzeigen ? 1 : 0;
    m_speicher->speichere(QStringLiteral("DatenBankAuswahl"),
                          QString::number(m_e.DatenBankAuswahl));
    return true;
}

bool ProgrammStart::oeffneDatenbank() {
    m_db = std::make_unique<Datenbank>();
    const QString standard = EinstellungsSpeicher::standardDatenBank();
    QString pfad = m_datenBank;
    // Each failure leads to another choice, and the default database is always one.
    for (int versuch = 0; versuch < 20; ++versuch) {
        QString fehler;
        bool offen = false;
        const bool neu = !Datenbank::vorhanden(pfad);
        if (gleicherPfad(pfad, standard)) {
            offen = m_db->oeffneOderErzeuge(pfad, &fehler);
        } else if (neu) {
            // Only where nothing is at all: a link whose target is missing (a database on a
            // stick that is not plugged in) is refused below with its reason.
            if (!m_dialoge.frage(tr("Die Datenbank %1 gibt es nicht.\n\n"
                                    "Neue Datenbank anlegen?")
                                     .arg(pfad))) {
                pfad = standard;
                continue;
            }
            offen = m_db->oeffneOderErzeuge(pfad, &fehler);
        } else {
            offen = m_db->oeffne(pfad, &fehler);
        }
        if (offen) {
            if (neu) legeStandardFahrerAn();
            if (!gleicherPfad(pfad, m_datenBank))
                SchreibeDebug(QStringLiteral("Datenbank: statt %1 wird %2 verwendet")
                                  .arg(m_datenBank, pfad));
            m_datenBank = pfad;
            return true;
        }
        SchreibeDebug(QStringLiteral("Datenbank: ") + fehler);
        // The next start asks for the database again.
        m_speicher->speichere(QStringLiteral("DatenBankAuswahl"), QStringLiteral("2"));
        m_e.DatenBankAuswahl = 2;
        if (gleicherPfad(pfad, standard)) {
            m_dialoge.meldung(tr("Kann Datenbank %1 nicht öffnen:\n%2\n\n"
                                 "Bitte Pistorelle neu starten und DB auswählen.")
                                  .arg(pfad, fehler));
            return beende(1);
        }
        m_dialoge.meldung(tr("Kann Datenbank %1 nicht öffnen:\n%2\n\n"
                             "Bitte eine andere Datenbank wählen; Abbrechen "
                             "verwendet die Standard-Datenbank.")
                              .arg(pfad, fehler));
        DatenbankWahl wahl;
        wahl.pfad = pfad;
        wahl.wiederAnzeigen = true;
        if (m_dialoge.datenbankAuswaehlen(wahl) && !gleicherPfad(wahl.pfad, pfad)) {
            pfad = wahl.pfad;
            if (wahl.fuerNeustart) m_speicher->speichere(QStringLiteral("DatenBank"), pfad);
        } else {
            pfad = standard;
        }
    }
    return beende(1);
}

void ProgrammStart::legeStandardFahrerAn() {
    // The drivers and cars the panels of a new database name are in the drivers window too,
    // each car paired with the driver of its lane.
    const QString heute = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    QString fehler;
    bool ok = m_db->execute(QStringLiteral("SAVEPOINT standardfahrer"), {}, &fehler);
    for (int bahn = 1; ok && bahn <= 6; ++bahn) {
        const QString fahrer =
            m_db->wert(QStringLiteral("select Fahrer from positionen where Bahn = ?"), {bahn})
                .toString();
        const QString autoName =
            m_db->wert(QStringLiteral("select Auto from positionen where Bahn = ?"), {bahn})
                .toString();
        if (fahrer.isEmpty() || autoName.isEmpty()) continue;
        ok = m_db->execute(QStringLiteral("insert into fahrer (name, erstellt) values (?, ?)"),
                           {fahrer, heute}, &fehler) &&
             m_db->execute(QStringLiteral("insert into autos (name, erstellt) values (?, ?)"),
                           {autoName, heute}, &fehler) &&
             m_db->execute(QStringLiteral("insert into auto2fahrer (fahrernr, autonr) values "
                                          "((select max(nummer) from fahrer), "
                                          "(select max(nummer) from autos))"),
                           {}, &fehler);
    }
    if (ok && m_db->execute(QStringLiteral("RELEASE standardfahrer"), {}, &fehler)) return;
    m_db->execute(QStringLiteral("ROLLBACK TO standardfahrer"));
    m_db->execute(QStringLiteral("RELEASE standardfahrer"));
    SchreibeDebug(QStringLiteral("Standardfahrer nicht angelegt: ") + fehler);
}

void ProgrammStart::baueAnzeige() {
    m_aufbau = m_optionen.hardwareFabrik ? m_optionen.hardwareFabrik(*m_uhr, m_e)
                                         : erzeugeHardware(*m_uhr, m_e);
    m_fensterHardware = std::make_unique<FensterHardware>(*m_aufbau.hardware);
    m_rueckfrage = std::make_unique<ProgrammRueckfrage>();
    Rueckfrage& rueckfrage =
        m_optionen.rueckfrage ? *m_optionen.rueckfrage : static_cast<Rueckfrage&>(*m_rueckfrage);
    m_kern = std::make_unique<Rennkern>(Rennkern::Umgebung{
        *m_uhr, *m_db, m_e, *m_speicher, *m_ansage, rueckfrage, *m_fensterHardware});
    Rennleitung& leitung = m_kern->leitung();
    // On the wall clock the lap path's writes run on a thread of their own, so the race never
    // waits for the database. On a virtual clock (tests) they run at once, the same every
    // time; PISTORELLE_SCHREIBER=faden asks for the thread there too.
    if (!m_optionen.uhr || qEnvironmentVariable("PISTORELLE_SCHREIBER") == QLatin1String("faden"))
        leitung.sicherung().schreibeImHintergrund(m_db->pfad());
    leitung.meldeSprachagent(m_ansage->agentVorhanden());
    Rennablauf& ablauf = m_kern->ablauf();
    Hauptanzeige& anzeige = m_kern->anzeige();
    m_fenster = std::make_unique<frmMain>(leitung, ablauf, anzeige, m_optionen.bildschirmHoehe);
    frmMain* fenster = m_fenster.get();
    m_rueckfrage->setzeEltern(fenster);
    m_fenster->setzeStatusQuelle(m_aufbau.statusText);
    m_fensterHardware->setzeCaptionZiel(
        [fenster](const QString& zusatz) { fenster->SetzeFormCaption(zusatz); });
    m_turnier = std::make_unique<TurnierFenster>(ablauf, anzeige, *m_fenster);
    frmAnzeige::richteEin(*m_fenster, leitung, anzeige);
    LiveStandFeld::richteEin(*m_fenster, leitung, anzeige, nullptr,
                             [turnier = m_turnier.get()] { return turnier->serieJson(); });
    MqttFeld::richteEin(*m_fenster, leitung, anzeige);
}

void ProgrammStart::richteSpracheEin() {
    Rennleitung* leitung = &m_kern->leitung();
    m_ansage->setzeTextQuelle([leitung](int nummer) { return leitung->Text(nummer); });
    if (Sprecherfenster* sprecher = m_ansage->fenster()) {
        // In the strip below the panels, where it was last dragged to along it.
        QPointer<Sprecherplatz> platz = new Sprecherplatz(sprecher, *m_fenster, *m_speicher);
        m_ansage->setzePlatzierung([platz](Sprecherfenster*) {
            if (platz) platz->platziere();
        });
    }
    if (m_ansage->agentVorhanden()) m_ansage->SetzeAgent(m_e.MyAgent, m_e.LangId);
}

void ProgrammStart::oeffneSchnittstelle() {
    if (m_aufbau.anbinden) {
        m_aufbau.anbinden(m_kern->leitung(), m_kern->ablauf());
        if (m_aufbau.verfuegbare) {
            frmMain* fenster = m_fenster.get();
            auto probe = m_aufbau.verfuegbare;
            m_fenster->setzeFenster(frmMain::Fenster::Verfuegbare, [fenster, probe] {
                probe();
                fenster->SetzeFormCaption(QString());
            });
        }
        if (ZeitnahmeStatus* st = m_aufbau.zeitnahmeStatus ? m_aufbau.zeitnahmeStatus() : nullptr) {
            m_fenster->setzeZeitnahmeFeld(new ZeitnahmeFeld(*st));
            // A newcomer without a counter is offered the demo and the timing settings.
            if (m_aufbau.beiSignal)
                m_aufbau.beiSignal([fenster = QPointer<frmMain>(m_fenster.get())] {
                    if (fenster) fenster->zeitnahmeSignalEmpfangen();
                });
            m_fenster->beobachteZeitnahme(st);
            // The live standings were set up before the interface was open.
            if (auto* stand = m_fenster->findChild<LiveStand*>(QString(), Qt::FindDirectChildrenOnly))
                stand->setzeZeitnahme(st);
            if (auto* mqtt = m_fenster->findChild<MqttSender*>(QString(), Qt::FindDirectChildrenOnly))
                mqtt->setzeZeitnahme(st);
        }
        if (m_aufbau.indikatoren) {
            frmMain* fenster = m_fenster.get();
            m_aufbau.indikatoren(
                [fenster](int i, qint32 farbe) { fenster->setzeSchnittstellenAnzeige(i, farbe); });
        }
    } else if (Zeitnahme* z = m_aufbau.zeitnahme) {
        Rennleitung* leitung = &m_kern->leitung();
        Rennablauf* ablauf = &m_kern->ablauf();
        QObject* fenster = m_fenster.get();
        QObject::connect(z, &Zeitnahme::rundeErfasst, fenster,
                         [leitung](int eingang, qint32 zeit, int zehntel) {
                             leitung->RundenErfassung(eingang, zeit, zehntel);
                         });
        QObject::connect(z, &Zeitnahme::chaosAn, fenster, [ablauf] { ablauf->chaos().ChaosAN(); });
        QObject::connect(z, &Zeitnahme::chaosAus, fenster,
                         [ablauf] { ablauf->chaos().ChaosAus(); });
        QObject::connect(z, &Zeitnahme::startAnforderung, fenster,
                         [ablauf] { ablauf->StartRennen(); });
        QObject::connect(z, &Zeitnahme::stopAnforderung, fenster,
                         [ablauf] { ablauf->StopRennen(); });
        QObject::connect(z, &Zeitnahme::statusText, m_fenster.get(), &frmMain::SetzeFormCaption);
        Rueckfrage* rueckfrage = &m_kern->leitung().rueckfrage();
        QObject::connect(z, &Zeitnahme::meldung, fenster,
                         [rueckfrage](const QString& text) { rueckfrage->meldung(text); });
    }
    RennHardware& hw = *m_fensterHardware;
    hw.SchalteLPT(QStringLiteral("BahnAlle"), m_e.BahnStromTraining == 1 ? 0 : 1);
    hw.SetzeFormCaption(QString());
    m_e.PSPort = 0;
    if (m_e.LPTAnsteuerung == 1) {
        // Free driving: lanes powered, red lights off, green on.
        hw.SchalteLPT(QStringLiteral("BahnAlle"), 1);
        hw.SchalteLPT(QStringLiteral("AmpelAlle"), 0);
        hw.SchalteLPT(QStringLiteral("AmpelGruen"), 1);
    }
}
