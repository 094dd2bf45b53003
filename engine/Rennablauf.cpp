#include "engine/Rennablauf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "config/Ausgabepfad.h"
#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/Formate.h"
#include "config/Uhr.h"
#include "engine/Ansage.h"
#include "engine/ChaosModus.h"
#include "engine/Hauptanzeige.h"
#include "engine/Nachlauf.h"
#include "engine/RennHardware.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"
#include "engine/Rundensicherung.h"
#include "engine/SlotWerte.h"
#include "hardware/Zeitnahmewahl.h"

using H = Hauptanzeige;

namespace {
// Captions of the main window's buttons are the state the engine and the windows compare, so
// they stay German here; a window shows QCoreApplication::translate("Hauptanzeige", caption).
const QString kStop = QStringLiteral(QT_TRANSLATE_NOOP("Hauptanzeige", "&Stop"));
const QString kStart = QStringLiteral(QT_TRANSLATE_NOOP("Hauptanzeige", "&Start"));
const QString kNullZeit = QStringLiteral("00:00:00.000");

// Pin value of an input assignment ("LPT1 13" -> 4096, "AUS" -> 0), as the port code reads it.
int pinWert(const QString& belegung) {
    if (belegung.trimmed().toUpper() == QLatin1String("AUS")) return 0;
    const QStringList teile = belegung.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (teile.size() < 2) return 0;
    const int n = teile.at(1).toInt();
    if (n >= 8 && n <= 11) return 1 << (n - 8);
    if (n >= 12 && n <= 16) return 1 << (n - 1);
    return n;
}
}  // namespace

Rennablauf::Rennablauf(Rennleitung& leitung, Hauptanzeige& anzeige, QObject* parent)
    : QObject(parent), m_leitung(leitung), m_anzeige(anzeige) {
    m_timer5 = leitung.uhr().neuerTimer(this);
    m_timer5->setInterval(1000);
    connect(m_timer5, &UhrTimer::timeout, this, &Rennablauf::Timer5_Timer);
    m_chaos = std::make_unique<ChaosModus>(*this);
    m_nachlauf = std::make_unique<Nachlauf>(*this);
    // Caution and the close of a run report back; the race timer is this sequence's alone.
    connect(m_chaos.get(), &ChaosModus::rennuhrHalt, this, [this] { m_timer5->stop(); });
    connect(m_chaos.get(), &ChaosModus::rennuhrWeiter, this, [this] { m_timer5->start(); });
    connect(m_nachlauf.get(), &Nachlauf::rennuhrAus, this, [this] {
        m_timer5->stop();
        m_timer5->setInterval(1000);
    });
    // Whoever ends the clock's waits is closing the program.
    connect(&leitung.uhr(), &Uhr::abbruch, this, &Rennablauf::beenden);
}

Rennablauf::~Rennablauf() = default;

void Rennablauf::setzeTurnier(TurnierUebergabe* turnier) { m_nachlauf->setzeTurnier(turnier); }

bool Rennablauf::dsStartetSelbst() const { return m_leitung.zeitnahme().startetLaeufe; }

bool Rennablauf::chaosPinBelegt() const { return pinWert(m_leitung.einstellungen().LPTChaos) != 0; }

void Rennablauf::schalte(const QString& wort, int an) { m_leitung.hardware().SchalteLPT(wort, an); }

bool Rennablauf::unterbrochen(quint64 nr) const {
    return m_beendet || m_gestoppt || nr != m_laufNummer;
}

bool Rennablauf::beschaeftigt() const {
    return m_leitung.zustand().RennenLaeuft || m_startLaeuft || m_nachlauf->timerAktiv() ||
           m_nachlauf->schliesst();
}

bool Rennablauf::vorbereitet() const {
    return dsStartetSelbst() && !m_leitung.zustand().RennenLaeuft && !m_startLaeuft &&
           !m_gestoppt && !m_nachlauf->schliesst() && m_laufAn;
}

Laufphase Rennablauf::phase() const {
    const RennZustand& z = m_leitung.zustand();
    if (m_laufAn) {
        if (z.ChaosAktiv) return Laufphase::Chaos;
        if (m_gestoppt) return Laufphase::Nachlauf;
        return z.RennenLaeuft && z.AmpelPhase == 6 ? Laufphase::Rennen : Laufphase::Countdown;
    }
    if (m_nachlauf->pausiert()) return Laufphase::Pause;
    if (m_nachlauf->schliesst() || m_nachlauf->timerAktiv()) return Laufphase::Nachlauf;
    return Laufphase::Leerlauf;
}

void Rennablauf::zeigeLauf(bool an) {
    m_laufAn = an;
    m_anzeige.setCaption(H::Command2, an ? kStop : kStart);
    m_anzeige.setCommand2Lauffarbe(an);
}

void Rennablauf::laufGeschlossen() { m_leitung.zustand(Startrecht{}).RennenLaeuft = false; }

void Rennablauf::gibStromImCountdown(bool an) {
    m_leitung.zustand(Startrecht{}).StromImCountdown = an ? 1 : 0;
}

void Rennablauf::meldeEnde() {
    if (!beschaeftigt()) emit leerlauf();
}

void Rennablauf::beenden() {
    if (m_beendet) return;
    m_beendet = true;
    m_timer5->stop();
    m_chaos->stoppeEingangsTimer();
    m_nachlauf->stoppe();
    if (!m_leitung.uhr().abgebrochen()) m_leitung.uhr().abbrechen();
}

bool Rennablauf::beendeVorProgrammende(const QString& ordner) {
    if (m_beendet) return true;
    const RennZustand& z = m_leitung.zustand();
    if (z.RennenLaeuft || m_startLaeuft) {
        const quint64 nr = m_laufNummer;
        if (!m_leitung.rueckfrage().frage(tr("Soll das Rennen beendet werden?")))
            return false;
        // The question may have stayed open while the run ended by itself.
        if (nr == m_laufNummer && z.RennenLaeuft) {
            if (!m_gestoppt) StopRennen();
            m_nachlauf->schliesseSofort();
        }
    }
    Rundensicherung& sicherung = m_leitung.sicherung();
    if (sicherung.allesGespeichert() || sicherung.sichereJetzt(1000)) return true;
    // Laps the database did not take go into a file: the data folder, else the home folder,
    // else the temporary folder, whichever takes all of it first.
    QString grund;
    const QString datei = sicherung.schreibeNotfallDatei(
        {ordner, QDir::homePath(), QDir::tempPath()}, &grund);
    const int anzahl = sicherung.ungespeicherteRunden();
    const QString fehler = sicherung.fehlerText();
    if (datei.isEmpty()) {
        // Nowhere to put them: the laps are still in memory as long as the program runs.
        if (!m_leitung.rueckfrage().frage(
                (anzahl == 1 ? tr("%1 Runde konnte weder in der Datenbank (%2) noch in einer "
                                  "Datei gespeichert werden (%3). Beim Beenden geht sie "
                                  "verloren. Trotzdem beenden?")
                             : tr("%1 Runden konnten weder in der Datenbank (%2) noch in einer "
                                  "Datei gespeichert werden (%3). Beim Beenden gehen sie "
                                  "verloren. Trotzdem beenden?"))
                    .arg(QString::number(anzahl), fehler, grund)))
            return false;
        sicherung.gibAuf();
        return true;
    }
    sicherung.gibAuf();
    m_leitung.rueckfrage().hinweis(
        (anzahl == 1 ? tr("%1 Runde konnte nicht in der Datenbank gespeichert werden (%2). Sie "
                          "steht in der Datei %3.")
                     : tr("%1 Runden konnten nicht in der Datenbank gespeichert werden (%2). Sie "
                          "stehen in der Datei %3."))
            .arg(QString::number(anzahl), fehler, QDir::toNativeSeparators(datei)));
    return true;
}

QString Rennablauf::FormatiereZeit(qint64 ms) { return Formate::FormatiereZeit(ms); }

void Rennablauf::setzeUhrText(const QString& text) { m_anzeige.setCaption(H::Label1, text); }

// ---------------------------------------------------------------- start

void Rennablauf::Command2_Click() {
    if (!m_anzeige.istEnabled(H::Command2) || !m_anzeige.istVisible(H::Command2)) return;
    StarteErfassung();
}

void Rennablauf::StarteErfassung() {
    // A press while the last run is being closed or paused starts nothing.
    if (m_beendet || m_nachlauf->schliesst()) return;
    m_anzeige.setVisible(H::lblWeiter, false);
    const bool stop = m_laufAn;
    // A lost counter cannot stop the run it started: then the program's Stop does it.
    if (dsStartetSelbst() && !(stop && m_leitung.hardware().ZeitnahmeVerloren())) {
        m_leitung.rueckfrage().meldung(
            tr("Bitte den START/STOP Button der DS200/DS300 verwenden!"));
        return;
    }
    const QString hindernis = stop ? QString() : m_leitung.hardware().StartHindernis();
    if (!hindernis.isEmpty()) {
        m_leitung.rueckfrage().meldung(hindernis);
        return;
    }
    const QString frage = stop ? QString() : m_leitung.hardware().StartRueckfrage();
    if (!frage.isEmpty() && !m_leitung.rueckfrage().frage(frage)) return;
    StartRennen();
}

void Rennablauf::loescheEinzelrundenDateien() {
    // The single-lap files of the last run: ltfPfad is a prefix, the pattern follows it.
    const QFileInfo muster(Ausgabepfad::praefix(m_leitung.einstellungen().ltfPfad) +
                           QStringLiteral("*.lre"));
    QDir ordner = muster.absoluteDir();
    const QStringList dateien =
        ordner.entryList(QStringList{muster.fileName()}, QDir::Files | QDir::Hidden);
    for (const QString& d : dateien) QFile::remove(ordner.filePath(d));
}

bool Rennablauf::StartRennen() {
    if (m_beendet || m_startLaeuft) return false;
    const RennZustand& z = m_leitung.zustand();
    Startzustand& start = m_leitung.zustand(Startrecht{});

    if (m_laufAn) {
        // A run that is already ending needs no question.
        if (m_gestoppt || m_nachlauf->timerAktiv() || m_nachlauf->schliesst()) return false;
        const quint64 nr = m_laufNummer;
        m_stopFrageOffen = true;
        const bool ja =
            m_leitung.rueckfrage().frage(tr("Soll der Lauf gestoppt werden?"));
        m_stopFrageOffen = false;
        // The question may have stayed open while this run ended and the next one began.
        if (ja && nr == m_laufNummer && !m_beendet) StopRennen();
        return false;
    }
    if (m_nachlauf->schliesst()) return false;
    // A new run clears the lap table: not while laps of the last one wait for the database.
    if (!m_leitung.bereitFuerNeuenLauf()) return false;

    m_startLaeuft = true;
    ++m_laufNummer;
    const quint64 nr = m_laufNummer;
    m_gestoppt = false;
    m_ansageFrei = true;

    loescheEinzelrundenDateien();

    if (!z.SlotRennenPhase) {
        for (H::Element el : {H::Grenze, H::Command3, H::Command4, H::Command6, H::Command7})
            m_anzeige.setEnabled(el, false);
    }
    m_anzeige.setEnabled(H::Command5, false);
    m_anzeige.setCaption(H::Command5, QStringLiteral(QT_TRANSLATE_NOOP("Hauptanzeige", "S&imulation")));

    // The device opened and made ready (the USB race box loads its firmware and its light's
    // pre-start waits on the clock).
    m_leitung.hardware().Vorbereiten();
    if (m_beendet) {
        m_startLaeuft = false;
        return false;
    }

    if (!dsStartetSelbst()) {
        m_anzeige.setAlleLampen(H::Lampe::Aus);
        m_anzeige.setLichtAnzeige(H::Lampe::Aus);
        m_anzeige.zeigeStartAmpel(false);
    }

    m_anzeige.setCaption(H::cmdChaos, QStringLiteral(QT_TRANSLATE_NOOP("Hauptanzeige", "Chaos")));
    // Runs by laps cannot use caution: the button says so rather than doing nothing.
    m_anzeige.setEnabled(H::cmdChaos, m_chaos->moeglich());
    // Mode and end condition stay as they are until the after-run is over.
    m_anzeige.setEnabled(H::cbRAuswahl, false);
    m_anzeige.setEnabled(H::ZeitRunden, false);
    m_countdownNeu = false;
    m_anzeige.setVisible(H::cmdChaos, true);
    zeigeLauf(true);
    m_leitung.MyInit();
    m_anzeige.setCaption(H::Label1, QString());
    m_anzeige.setLabel1Chaos(false);
    m_anzeige.setVisible(H::Label1, true);
    m_anzeige.setVisible(H::RZeitAnsage, true);
    m_anzeige.setVisible(H::Command4, false);
    m_anzeige.setFortschritt(100);
    // By time the bar shows the time left, by laps the leader's laps to go.
    m_anzeige.setCaption(H::Fortschritt, QString());
    if (z.ZeitRunden != 1) zeigeRestRunden(0);
    m_anzeige.setVisible(H::Fortschritt, true);
    for (H::Element el : {H::Option1_0, H::Option1_1, H::Option1_2})
        m_anzeige.setEnabled(el, false);

    m_leitung.NeueRunde();

    if (!dsStartetSelbst()) {
        start.RennenLaeuft = true;
        start.RennStartDatum = m_leitung.uhr().jetzt();
        m_timer5->start(1000);
    }
    m_startLaeuft = false;
    if (nr == m_laufNummer) meldeEnde();
    return true;
}

// ---------------------------------------------------------------- race timer

void Rennablauf::Timer5_Timer() {
    const RennZustand& z = m_leitung.zustand();
    // A tick inside a wait of the previous tick would evaluate the same state twice.
    if (m_imTick || m_beendet || z.ChaosAktiv) return;
    // Once stopped, only the evaluation of the after-run goes on; the countdown does not.
    if (m_gestoppt && z.AmpelPhase != 6) return;
    m_imTick = true;
    m_leitung.hardware().Takt();
    switch (z.AmpelPhase) {
        case 6:
            phase6();
            break;
        case 5:
            phase5();
            break;
        case 4:
        case 3:
        case 2:
        case 1:
            phase4bis1();
            break;
        case 0:
            phase0();
            break;
        default:
            break;
    }
    m_imTick = false;
}

void Rennablauf::phase6() {
    const RennZustand& z = m_leitung.zustand();
    if (z.RundeWartet) m_leitung.werteWartendeRundenAus();
    m_leitung.hardware().Takt();

    const bool nachZeit = z.ZeitRunden == 1;
    qint64 rest = 0;
    if (nachZeit)
        ZeitZaehler(rest);
    else
        RundenZaehler();

    const QString uhrText = m_anzeige.caption(H::Label1);
    if (uhrText.mid(6, 4) == QLatin1String("45.0")) m_ansageFrei = true;
    if (nachZeit && m_ansageFrei) restzeitAnsage(uhrText);

    if (nachZeit && rest <= 0) {
        setzeUhrText(kNullZeit);
        StopRennen();
    }
    if (!nachZeit) {
        SlotWerte* erster = m_leitung.GetSlotAnzeigeFromPosition(1);
        if (erster && m_leitung.grenzeZahl() <= erster->ReturnRunden()) StopRennen();
    }
}

void Rennablauf::restzeitAnsage(const QString& uhrText) {
    const QString marke = uhrText.left(10);
    QString text;
    if (marke == QLatin1String("00:10:00.0"))
        text = QStringLiteral("10 ") + m_leitung.Text(12);
    else if (marke == QLatin1String("00:05:00.0"))
        text = QStringLiteral("5 ") + m_leitung.Text(12);
    else if (marke == QLatin1String("00:02:00.0"))
        text = QStringLiteral("2 ") + m_leitung.Text(12);
    else if (marke == QLatin1String("00:01:00.0"))
        text = QStringLiteral("60 ") + m_leitung.Text(8);
    else if (marke == QLatin1String("00:00:30.0"))
        text = QStringLiteral("30 ") + m_leitung.Text(8);
    if (text.isEmpty()) return;
    // Each mark once: the next ":45.0" arms the following one.
    m_ansageFrei = false;
    if (m_leitung.ansageAktiv(6)) m_leitung.ansage().SprachAusgabe(text);
}

void Rennablauf::phase5() {
    const RennZustand& z = m_leitung.zustand();
    Startzustand& start = m_leitung.zustand(Startrecht{});
    RennHardware& hw = m_leitung.hardware();
    const quint64 nr = m_laufNummer;

    SchreibeDebug(QStringLiteral("Timer5: Phase 5 Zeitnahme ") +
                  Zeitnahmewahl::name(Zeitnahmewahl::art(m_leitung.einstellungen())));
    // A countdown restarted after caution keeps its interfaces as prepared.
    const bool vorbereiten = !m_countdownNeu;
    m_countdownNeu = false;
    if (vorbereiten) {
        // The device's own clock (the sensor box) starts the run's clock.
        if (const std::optional<qint32> beginn = hw.CountdownBeginn()) start.StartZeit = *beginn;
    }

    m_anzeige.setEnabled(H::Command5, true);
    setzeUhrText(kNullZeit);
    CountDown(5);
    schalte(QStringLiteral("BahnAlle"), z.StromImCountdown == 1 ? 1 : 0);
    schalte(QStringLiteral("AmpelAlle"), 0);
    schalte(QStringLiteral("Ampel1"), 1);
    hw.AmpelSchritt();
    if (unterbrochen(nr)) return;

    if (chaosPinBelegt() && !m_leitung.zeitnahme().liestChaosEingang)
        m_chaos->starteEingangsTimer();

    // Power training has no countdown lamps: the next tick is green.
    start.AmpelPhase = z.RennModus == 4 ? 0 : 4;
}

void Rennablauf::phase4bis1() {
    const RennZustand& z = m_leitung.zustand();
    Startzustand& start = m_leitung.zustand(Startrecht{});
    const quint64 nr = m_laufNummer;
    m_leitung.hardware().AmpelSchritt();
    if (unterbrochen(nr)) return;
    const int phase = z.AmpelPhase;
    setzeUhrText(kNullZeit);
    CountDown(phase);
    SchreibeDebug(QStringLiteral("Timer5: Phase ") + QString::number(phase));
    schalte(QStringLiteral("Ampel") + QString::number(6 - phase), 1);
    start.AmpelPhase = static_cast<quint8>(phase - 1);
    if (z.AmpelPhase == 0) {
        SchreibeDebug(QStringLiteral("Timer5: TimerIntervall Random"));
        // 300..2000 ms in steps of 100 ms.
        m_timer5->setInterval(m_leitung.uhr().zufall(3, 20) * 100);
    }
}

void Rennablauf::phase0() {
    const RennZustand& z = m_leitung.zustand();
    Startzustand& start = m_leitung.zustand(Startrecht{});
    RennHardware& hw = m_leitung.hardware();
    const quint64 nr = m_laufNummer;

    SchreibeDebug(QStringLiteral("Timer5: Phase 0"));
    CountDown(0);
    SchreibeDebug(QStringLiteral("Timer5: CountDown 0"));
    m_anzeige.setEnabled(H::Command5, true);
    start.StartZeit = hw.HoleZeitstempel();
    hw.Gruen();
    if (z.StromImCountdown == 0) schalte(QStringLiteral("BahnAlle"), 1);
    schalte(QStringLiteral("AmpelAlle"), 0);
    schalte(QStringLiteral("AmpelGruen"), 1);
    hw.AmpelSchritt();
    if (unterbrochen(nr)) return;
    m_timer5->setInterval(120);
    start.AmpelPhase = 6;
    m_anzeige.schliesseStartAmpel();
}

void Rennablauf::CountDown(int i) {
    const Einstellungen& e = m_leitung.einstellungen();
    m_leitung.ansage().SpieleTon(e.TonAmpelAn);
    if (i >= 1 && i <= 5) {
        m_anzeige.setLampe(1, 5 - i, H::Lampe::Rot);
        m_anzeige.setLampe(2, 5 - i, H::Lampe::Rot);
    } else if (i == 0) {
        m_anzeige.setAlleLampen(H::Lampe::Gruen);
        m_leitung.ansage().SpieleTon(e.TonAmpelAus);
        m_anzeige.setLichtAnzeige(H::Lampe::Gruen);
    }
}

void Rennablauf::ZeitZaehler(qint64& rest) {
    const RennZustand& z = m_leitung.zustand();
    const qint64 grenzeMs = std::llround(m_leitung.grenzeZahl() * 60000.0);
    const qint64 jetzt = m_leitung.hardware().HoleZeitstempel();
    rest = grenzeMs - (jetzt - qint64(z.StartZeit)) + qint64(z.ChaosZeit);
    if (rest < 0) rest = 0;
    // A limit of 0 has nothing to divide by: the bar shows its least value.
    const qint64 prozent = grenzeMs > 0 ? std::llround(double(rest) * 100.0 / double(grenzeMs)) : 1;
    m_anzeige.setFortschritt(int(std::clamp<qint64>(prozent, 1, 100)));
    setzeUhrText(FormatiereZeit(rest));
}

void Rennablauf::RundenZaehler() {
    const qint64 jetzt = m_leitung.hardware().HoleZeitstempel();
    setzeUhrText(FormatiereZeit(jetzt - qint64(m_leitung.zustand().StartZeit)));
    const SlotWerte* erster = m_leitung.GetSlotAnzeigeFromPosition(1);
    zeigeRestRunden(erster ? int(erster->ReturnRunden()) : 0);
}

void Rennablauf::zeigeRestRunden(int gefahren) {
    const double grenze = m_leitung.grenzeZahl();
    const int ziel = int(std::ceil(grenze));
    const int rest = std::max(0, ziel - gefahren);
    const qint64 prozent = grenze > 0 ? std::llround(rest * 100.0 / grenze) : 1;
    m_anzeige.setFortschritt(int(std::clamp<qint64>(prozent, 1, 100)));
    m_anzeige.setCaption(H::Fortschritt,
                         rest == 1 ? tr("Noch 1 Runde") : tr("Noch %1 Runden").arg(rest));
}

void Rennablauf::gruenVomZaehler() {
    Startzustand& start = m_leitung.zustand(Startrecht{});
    m_timer5->setInterval(50);
    start.AmpelPhase = 0;
    start.RennenLaeuft = true;
    start.RennStartDatum = m_leitung.uhr().jetzt();
    m_timer5->start();
}

void Rennablauf::starteCountdownNeu() {
    const RennZustand& z = m_leitung.zustand();
    Startzustand& start = m_leitung.zustand(Startrecht{});
    if (!z.RennenLaeuft || m_gestoppt || m_beendet) return;
    SchreibeDebug(QStringLiteral("Countdown nach Chaos neu"));
    m_countdownNeu = true;
    start.AmpelPhase = 5;
    m_timer5->start(1000);
}

// ---------------------------------------------------------------- stop

void Rennablauf::StopRennen() {
    const RennZustand& z = m_leitung.zustand();
    const Einstellungen& e = m_leitung.einstellungen();
    // Between the counter's start message and its green the run is prepared but not running:
    // the counter's abort and the program's Stop end it all the same.
    if (vorbereitet()) return verwirfVorbereitung();
    if (!z.RennenLaeuft || m_gestoppt || m_nachlauf->timerAktiv() || m_nachlauf->schliesst())
        return;
    // Set before anything can wait: a second trigger meanwhile finds the run stopped.
    m_gestoppt = true;
    // Stopped another way (the counter's race end) while the stop question is open: it must
    // not stay behind the results.
    if (m_stopFrageOffen) m_leitung.rueckfrage().frageZurueckziehen();
    if (z.ChaosAktiv) m_chaos->beendeOhneNeustart();

    RennHardware& hw = m_leitung.hardware();
    m_anzeige.setVisible(H::cmdChaos, false);
    m_anzeige.setLichtAnzeige(H::Lampe::Rot);
    SchreibeDebug(QStringLiteral("StopRennen"));
    schalte(QStringLiteral("AmpelGruen"), 0);
    // The device's light to rest (it may wait on the clock), the device closed for the run.
    hw.Stopp();
    if (m_beendet) return;

    m_nachlauf->starte();
    CountDown(6);
    const bool strom = z.Option1 == 0 ? e.BahnStrom == 1 : e.BahnStromTraining == 1;
    if (strom) {
        schalte(QStringLiteral("BahnAlle"), 0);
        schalte(QStringLiteral("AmpelAlle"), 1);
        schalte(QStringLiteral("AmpelGruen"), 0);
    }
}

void Rennablauf::verwirfVorbereitung() {
    m_gestoppt = true;
    if (m_stopFrageOffen) m_leitung.rueckfrage().frageZurueckziehen();
    SchreibeDebug(QStringLiteral("StopRennen: vorbereiteter Lauf vor Grün beendet"));
    m_timer5->stop();
    m_timer5->setInterval(1000);
    if (m_leitung.zustand().ChaosAktiv) m_chaos->beendeOhneNeustart();
    m_anzeige.setVisible(H::cmdChaos, false);
    m_anzeige.setLichtAnzeige(H::Lampe::Aus);
    schalte(QStringLiteral("BahnAlle"), 0);
    schalte(QStringLiteral("AmpelAlle"), 0);
    m_nachlauf->leerlauf();
    meldeEnde();
}
