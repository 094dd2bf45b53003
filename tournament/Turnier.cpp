#include "tournament/Turnier.h"

#include <QDir>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "config/Formate.h"
#include "config/Uhr.h"
#include "data/Datenbank.h"
#include "engine/Ansage.h"
#include "engine/Hauptanzeige.h"
#include "engine/RennHardware.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"
#include "tournament/SpurWechsel.h"
#include "tournament/TurnierBericht.h"

using H = Hauptanzeige;

namespace {
// The main window's controls a tournament keeps for itself.
const H::Element gesperrt[] = {H::Grenze,     H::Command2,  H::Command3,  H::Command4,
                               H::Command5,   H::Command6,  H::Option1_0, H::Option1_1,
                               H::ZeitRunden, H::cbRAuswahl};
}  // namespace

Turnier::Turnier(Rennablauf& ablauf, Hauptanzeige& anzeige, QObject* parent)
    : QObject(parent),
      m_ablauf(ablauf),
      m_leitung(ablauf.leitung()),
      m_anzeige(anzeige),
      m_daten(ablauf.leitung().datenbank()) {
    m_timer1 = m_leitung.uhr().neuerTimer(this);
    m_timer1->setInterval(1000);
    connect(m_timer1, &UhrTimer::timeout, this, &Turnier::Timer1_Timer);
    m_ablauf.setzeTurnier(this);
    // A run that begins or ends locks or frees the record: the dialog looks again.
    connect(&m_anzeige, &Hauptanzeige::geaendert, this, [this](Hauptanzeige::Element e) {
        if (e == H::Command2 && m_offen) emit zustandGeaendert();
    });
    connect(&m_ablauf, &Rennablauf::leerlauf, this, [this] {
        if (m_offen) emit zustandGeaendert();
    });
    grundzustand();
}

Turnier::~Turnier() { m_ablauf.setzeTurnier(nullptr); }

void Turnier::grundzustand() {
    setze(Command2, QT_TR_NOOP("Neu"), true);
    setze(Command3, QT_TR_NOOP("Kopieren"), true);
    setze(Command4, QT_TR_NOOP("Aendern"), true);
    setze(Command5, QT_TR_NOOP("Abbruch"), false);
    setze(Command13, QT_TR_NOOP("Löschen"), true);
    setze(Navigator, nullptr, true);
    setze(Eingaben, nullptr, false);
    setze(Command7, kQualiStarten, true);
    setze(Command9, QT_TR_NOOP("Gruppen vorbelegen"), false);
    setze(Command10, QT_TR_NOOP("Sortiere Gruppe"), false);
    setze(Command8, QT_TR_NOOP("Rennläufe belegen"), false);
    setze(cZufall, QT_TR_NOOP("Zufällig"), true);
    setze(Command11, kRennenStarten, false);
    setze(Command14, QT_TR_NOOP("Lauf wiederholen"), true);
    setze(chkAutoStart, QT_TR_NOOP("Autostart"), true);
    setze(SeiteStammdaten, nullptr, true);
    setze(SeiteTeilnehmer, nullptr, true);
    m_modus = Modus::Keiner;
    m_command11Gruen = false;
    m_gestartet = false;
    m_pauseOffen = false;
    m_gruppe = {0, 0};
    m_lauf = {0, 0};
    m_geladen = {};
    m_gewertet = {};
    m_verwerfen = false;
    ++m_ladung;
    m_qualiListe.clear();
    m_qualiPos = 0;
    m_qualiLauf = {};
    m_phasenTurnier = -1;
    m_timer1->stop();
}

void Turnier::setze(Element e, const char* quelle, bool enabled) {
    m_elemente[e] = {quelle, QString(), enabled};
}

QString Turnier::caption(Element e) const {
    const Zustand& z = m_elemente[e];
    return z.quelle ? tr(z.quelle) : z.text;
}

bool Turnier::istEnabled(Element e) const {
    if (!m_elemente[e].enabled) return false;
    switch (e) {
        case Navigator:
        case Command2:
        case Command3:
        case Command4:
        case Command13:
            return !m_ablauf.beschaeftigt();
        default:
            return true;
    }
}

void Turnier::setzeEnabled(Element e, bool an) { m_elemente[e].enabled = an; }

void Turnier::melde(const QString& was) {
    m_leitung.rueckfrage().meldung(
        QStringLiteral("%1 %2: %3")
            .arg(QString::number(m_daten.letzteFehlerNr()), was, m_daten.letzterFehler()));
}

// A button that reloads positionen must not act while a run is going on.
bool Turnier::kannStarten(const char* was) const {
    if (!m_ablauf.beschaeftigt()) return true;
    SchreibeDebug(QStringLiteral("Turnier: %1 während eines Laufs ignoriert").arg(was));
    return false;
}

// ---- opening and closing

void Turnier::SlotRennenStart() {
    for (H::Element e : gesperrt) m_anzeige.setEnabled(e, false);
    if (!m_offen) {
        m_offen = true;
        const RennZustand& z = m_leitung.zustand();
        m_vorher = {z.RennModus, z.Option1,     z.ZeitRunden,  z.Grenze,
                    z.RennArt,   z.AktRennName, z.RZeitAnsage, z.StromImCountdown};
        grundzustand();
        const Einstellungen& e = m_leitung.einstellungen();
        m_pausen = {QString::number(e.PauseVorStint), QString::number(e.PauseNachStint),
                    QString::number(e.PauseZwischenStint)};
        ladeTurniere(m_turniere.isEmpty() ? -1 : m_turniere.last().rowid);
        if (!m_turniere.isEmpty()) geheZu(int(m_turniere.size()) - 1);
    }
    emit zustandGeaendert();
    emit dialogZeigen();
}

bool Turnier::beenden() {
    Rueckfrage& r = m_leitung.rueckfrage();
    if (m_ablauf.beschaeftigt()) {
        // Its end belongs to the tournament: qualifying result or heat.
        r.meldung(
            tr("Ein Lauf des Turniers ist noch nicht zu Ende. Bitte erst den Lauf "
               "beenden."));
        return false;
    }
    if (!r.frage(tr("Soll das Turnier beendet werden?"))) return false;
    ++m_sitzung;
    m_offen = false;
    m_timer1->stop();
    for (H::Element e : gesperrt) m_anzeige.setEnabled(e, true);
    m_anzeige.setEnabled(H::Command7, true);
    const RennZustand& z = m_leitung.zustand();
    m_leitung.beendeTurnierPhase();
    m_leitung.setzeFreieBahnen({});
    // The settings the runs changed (debounce, start time, pauses), then the main window as it
    // was before the tournament: mode, ranking, unit and limit that belong together.
    m_leitung.speicher().HoleRegWerte(m_leitung.einstellungen());
    const Hauptfenster& v = m_vorher;
    m_leitung.cbRAuswahl_Click(v.RennModus);
    if (z.Option1 != v.Option1) m_leitung.Option1_Click(v.Option1);
    m_leitung.setzeZeitRunden(v.ZeitRunden);
    m_leitung.setzeGrenze(v.Grenze);
    m_leitung.zaehleLaufAls(v.RennArt, v.AktRennName);
    m_ablauf.gibStromImCountdown(v.StromImCountdown != 0);
    m_leitung.setzeRZeitAnsage(v.RZeitAnsage);
    m_anzeige.setVisible(H::lblWeiter, false);
    m_leitung.hardware().SetzeFormCaption(QString());
    grundzustand();
    emit zustandGeaendert();
    return true;
}

// ---- the tournament record

const SlotRennen& Turnier::aktuell() const {
    static const SlotRennen keines;
    return m_aktuell >= 0 && m_aktuell < m_turniere.size() ? m_turniere.at(m_aktuell) : keines;
}

void Turnier::ladeTurniere(qint64 rowid) {
    m_turniere = m_daten.turniere();
    m_aktuell = -1;
    for (int i = 0; i < m_turniere.size(); ++i)
        if (m_turniere.at(i).rowid == rowid) m_aktuell = i;
}

void Turnier::endePhase() {
    grundzustand();
    m_leitung.beendeTurnierPhase();
    m_leitung.setzeFreieBahnen({});
    m_anzeige.setEnabled(H::Command2, false);
    m_anzeige.setVisible(H::lblWeiter, false);
    m_leitung.hardware().SetzeFormCaption(QString());
}

void Turnier::zeigeAktuelles() {
    // Qualification and heats belong to their tournament: shown no more, they are over.
    if (m_phasenTurnier >= 0 && aktuell().rowid != m_phasenTurnier) endePhase();
    m_eingabe = m_aktuell >= 0 ? m_turniere.at(m_aktuell) : SlotRennen{};
    m_sortierung = TurnierDaten::Sortierung::Eingabe;
    // Entrants that have qualified can be grouped without driving the qualification again.
    bool qualifiziert = false;
    for (const auto& t : m_daten.teilnehmer(schluessel(), m_sortierung))
        qualifiziert = qualifiziert || !t.qualiR.isNull();
    setzeEnabled(Command9, qualifiziert);
    setzeEnabled(Command10, qualifiziert);
    GruppeUndLaufBestimmen();
    WertungSortieren();
    emit zustandGeaendert();
    emit tabellenGeaendert();
}

void Turnier::setzeEingabe(const SlotRennen& r) {
    if (m_modus == Modus::Keiner) return;
    const qint64 rowid = m_eingabe.rowid;
    m_eingabe = r;
    m_eingabe.rowid = rowid;
    emit zustandGeaendert();
}

void Turnier::geheZu(int index) {
    if (m_modus != Modus::Keiner || !m_elemente[Navigator].enabled) return;
    if (index < 0 || index >= m_turniere.size()) return;
    if (!istEnabled(Navigator)) {
        if (index != m_aktuell)
            m_leitung.rueckfrage().meldung(
                tr("Während eines Laufs bleibt sein Rennen gewählt. Bitte erst den Lauf beenden."));
        emit zustandGeaendert();
        return;
    }
    m_aktuell = index;
    zeigeAktuelles();
}

bool Turnier::oeffne(const QString& serie, const QString& name) {
    for (int i = 0; i < m_turniere.size(); ++i) {
        const SlotRennen& r = m_turniere.at(i);
        if (r.RennSerie.compare(serie, Qt::CaseInsensitive) == 0 &&
            r.RennName.compare(name, Qt::CaseInsensitive) == 0) {
            geheZu(i);
            return true;
        }
    }
    return false;
}

void Turnier::beginneBearbeitung(Modus m, Element knopf) {
    m_modus = m;
    m_lesezeichen = m_aktuell;
    for (Element e : {Command2, Command3, Command4, Command13, Navigator}) setzeEnabled(e, false);
    setze(knopf, QT_TR_NOOP("Speichern"), true);
    setzeEnabled(Command5, true);
    setzeEnabled(Eingaben, true);
    emit zustandGeaendert();
}

void Turnier::beendeBearbeitung() {
    m_modus = Modus::Keiner;
    setze(Command2, QT_TR_NOOP("Neu"), true);
    setze(Command3, QT_TR_NOOP("Kopieren"), true);
    setze(Command4, QT_TR_NOOP("Aendern"), true);
    for (Element e : {Command13, Navigator}) setzeEnabled(e, true);
    setzeEnabled(Command5, false);
    setzeEnabled(Eingaben, false);
}

void Turnier::neuesTurnier() {
    if (!istEnabled(Command2)) return;
    if (m_modus == Modus::Neu) return speichere();
    if (m_modus != Modus::Keiner) return;
    SlotRennen neu;
    neu.QualiZeit = QStringLiteral("1");
    neu.Dauer = QStringLiteral("5");
    neu.TriggerZeit = QString::number(m_leitung.einstellungen().PrellZeit);
    neu.optionZeit = true;
    neu.Spuren = std::min<int>(4, std::max<int>(1, m_leitung.einstellungen().AnzBahnen));
    neu.QualiSpur = std::min(2, neu.Spuren);
    neu.gruppenAusgleichen = true;
    m_eingabe = neu;
    beginneBearbeitung(Modus::Neu, Command2);
}

void Turnier::kopiereTurnier() {
    if (!istEnabled(Command3)) return;
    if (m_modus == Modus::Kopieren) return speichere();
    if (m_modus != Modus::Keiner) return;
    m_eingabe.rowid = -1;
    m_eingabe.Renndatum.clear();
    beginneBearbeitung(Modus::Kopieren, Command3);
}

void Turnier::aendereTurnier() {
    if (!istEnabled(Command4)) return;
    if (m_modus == Modus::Aendern) return speichere();
    if (m_modus != Modus::Keiner || m_aktuell < 0) return;
    beginneBearbeitung(Modus::Aendern, Command4);
}

void Turnier::brichBearbeitungAb() {
    if (m_modus == Modus::Keiner) return;
    beendeBearbeitung();
    m_aktuell = m_lesezeichen < m_turniere.size() ? m_lesezeichen : -1;
    zeigeAktuelles();
}

bool Turnier::pruefeEingabe() {
    Rueckfrage& r = m_leitung.rueckfrage();
    if (m_eingabe.RennName.trimmed().isEmpty() || m_eingabe.RennSerie.trimmed().isEmpty()) {
        r.meldung(tr("Bitte Rennserie und Rennname eingeben."));
        return false;
    }
    // The series and name are the key of the entrants and heats: a second tournament of the
    // same key would share them.
    for (const SlotRennen& t : m_turniere) {
        if (t.rowid != m_eingabe.rowid &&
            t.schluessel().compare(m_eingabe.schluessel(), Qt::CaseInsensitive) == 0) {
            r.meldung(tr("Ein Rennen \"%1\" gibt es schon.").arg(m_eingabe.schluessel()));
            return false;
        }
    }
    return true;
}

void Turnier::speichere() {
    if (!pruefeEingabe()) return;
    bool ok = false;
    if (m_modus == Modus::Aendern) {
        const QString alt = m_turniere.at(m_aktuell).schluessel();
        ok = m_daten.aendere(m_eingabe);
        // Entrants and heats follow a renamed tournament.
        if (ok && alt != m_eingabe.schluessel()) {
            Datenbank& db = m_daten.datenbank();
            ok = db.execute(
                     QStringLiteral("update slotrennenfahrer set RennName=? where RennName=?"),
                     {m_eingabe.schluessel(), alt}) &&
                 db.execute(QStringLiteral("update slotrennenlauf set Rennname=? where Rennname=?"),
                            {m_eingabe.schluessel(), alt});
        }
    } else {
        ok = m_daten.fuegeEin(m_eingabe);
    }
    if (!ok) {
        m_leitung.rueckfrage().meldung(QString::number(m_daten.letzteFehlerNr()) +
                                       QLatin1Char(' ') + m_daten.letzterFehler());
        return;
    }
    beendeBearbeitung();
    ladeTurniere(m_eingabe.rowid);
    zeigeAktuelles();
}

void Turnier::loescheTurnier() {
    if (!m_elemente[Command13].enabled || !m_elemente[SeiteStammdaten].enabled || m_aktuell < 0)
        return;
    if (!istEnabled(Command13)) {
        m_leitung.rueckfrage().meldung(
            tr("Während eines Laufs kann sein Rennen nicht gelöscht werden."));
        return;
    }
    Rueckfrage& r = m_leitung.rueckfrage();
    if (!r.frage(tr("Soll %1 gelöscht werden?").arg(aktuell().RennName))) return;
    if (m_daten.hatErgebnisse(schluessel()) &&
        !r.frage(tr("Das Rennen hat schon Ergebnisse. Trotzdem löschen?")))
        return;
    if (!m_daten.loesche(m_turniere.at(m_aktuell))) return melde(tr("Löschen"));
    ladeTurniere(-1);
    zeigeAktuelles();
}

// ---- standings and report

void Turnier::WertungSortieren() { emit tabellenGeaendert(); }

QString Turnier::HtmlAusgabe() {
    if (m_aktuell < 0) return QString();
    m_label2 = tr("Erstelle HTML Ausgabe");
    emit zustandGeaendert();
    FahrerSortieren(TurnierDaten::Sortierung::Quali);
    QString fehler;
    const QString pfad =
        TurnierBericht::schreibe(m_daten, aktuell(), m_leitung.einstellungen().ltfPfad, &fehler);
    FahrerSortieren(TurnierDaten::Sortierung::Gruppe);
    m_label2.clear();
    if (pfad.isEmpty()) {
        m_leitung.rueckfrage().meldung(tr("HTML Ausgabe nicht möglich: %1").arg(fehler));
    } else {
        // Where it is stays in view, whether the browser opens it or not.
        m_label2 = tr("HTML Ausgabe: %1").arg(QDir::toNativeSeparators(pfad));
        emit berichtGeschrieben(pfad);
    }
    emit zustandGeaendert();
    return pfad;
}
