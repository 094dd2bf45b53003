#include "Turnier.h"

#include "Ansage.h"
#include "Datenbank.h"
#include "DebugLog.h"
#include "Einstellungen.h"
#include "EinstellungsSpeicher.h"
#include "Formate.h"
#include "Hauptanzeige.h"
#include "Nachlauf.h"
#include "RennHardware.h"
#include "Rennablauf.h"
#include "Rennleitung.h"
#include "Rueckfrage.h"
#include "SpurWechsel.h"
#include "TurnierBericht.h"
#include "Uhr.h"

using H = Hauptanzeige;

namespace {
// The main window's controls a tournament keeps for itself.
const H::Element gesperrt[] = {H::Grenze,     H::Command2,  H::Command3,  H::Command4,
                               H::Command5,   H::Command6,  H::Option1_0, H::Option1_1,
                               H::ZeitRunden, H::cbRAuswahl};
// Shown in the interface window's title while a tournament run is loaded.
const char* const kAktiv = QT_TRANSLATE_NOOP("Turnier", "SLOT Rennen aktiv!");
// The two captions of the qualification and race buttons that decide what a click does.
const char* const kQualiStarten = QT_TRANSLATE_NOOP("Turnier", "Quali starten");
const char* const kRennenStarten = QT_TRANSLATE_NOOP("Turnier", "Rennen starten");
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
    m_qualiListe.clear();
    m_qualiPos = 0;
    m_timer1->stop();
}

void Turnier::setze(Element e, const char* quelle, bool enabled) {
    m_elemente[e] = {quelle, QString(), enabled};
}

QString Turnier::caption(Element e) const {
    const Zustand& z = m_elemente[e];
    return z.quelle ? tr(z.quelle) : z.text;
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
    if (!m_leitung.rueckfrage().frage(tr("Soll das Rennen beendet werden?"))) return false;
    ++m_sitzung;
    m_offen = false;
    m_timer1->stop();
    for (H::Element e : gesperrt) m_anzeige.setEnabled(e, true);
    m_anzeige.setEnabled(H::Command7, true);
    RennZustand& z = m_leitung.zustand();
    z.SlotRennenPhase.clear();
    m_leitung.setzeGrenze(QStringLiteral("5"));
    m_leitung.Option1_Click(1);
    z.AktRennName = QStringLiteral("Training");
    z.RennArt = QStringLiteral("Training");
    z.StromImCountdown = 1;
    m_leitung.speicher().HoleRegWerte(m_leitung.einstellungen());
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

void Turnier::zeigeAktuelles() {
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
    m_aktuell = index;
    zeigeAktuelles();
}

bool Turnier::oeffne(const QString& serie, const QString& name) {
    for (int i = 0; i < m_turniere.size(); ++i) {
        const SlotRennen& r = m_turniere.at(i);
        if (r.RennSerie.compare(serie, Qt::CaseInsensitive) == 0 &&
            r.RennName.compare(name, Qt::CaseInsensitive) == 0) {
            geheZu(i);
            return m_aktuell == i;
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

void Turnier::Command2_Click() {
    if (!m_elemente[Command2].enabled) return;
    if (m_modus == Modus::Neu) return speichere();
    if (m_modus != Modus::Keiner) return;
    SlotRennen neu;
    neu.QualiZeit = QStringLiteral("1");
    neu.Dauer = QStringLiteral("5");
    neu.TriggerZeit = QString::number(m_leitung.einstellungen().PrellZeit);
    neu.optionZeit = true;
    neu.Spuren = std::min<int>(4, std::max<int>(1, m_leitung.einstellungen().AnzBahnen));
    neu.QualiSpur = std::min(2, neu.Spuren);
    m_eingabe = neu;
    beginneBearbeitung(Modus::Neu, Command2);
}

void Turnier::Command3_Click() {
    if (!m_elemente[Command3].enabled) return;
    if (m_modus == Modus::Kopieren) return speichere();
    if (m_modus != Modus::Keiner) return;
    m_eingabe.rowid = -1;
    m_eingabe.Renndatum.clear();
    beginneBearbeitung(Modus::Kopieren, Command3);
}

void Turnier::Command4_Click() {
    if (!m_elemente[Command4].enabled) return;
    if (m_modus == Modus::Aendern) return speichere();
    if (m_modus != Modus::Keiner || m_aktuell < 0) return;
    beginneBearbeitung(Modus::Aendern, Command4);
}

void Turnier::Command5_Click() {
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

void Turnier::Command13_Click() {
    if (!m_elemente[Command13].enabled || m_aktuell < 0) return;
    Rueckfrage& r = m_leitung.rueckfrage();
    if (!r.frage(tr("Soll %1 gelöscht werden?").arg(aktuell().RennName))) return;
    if (m_daten.hatErgebnisse(schluessel()) &&
        !r.frage(tr("Das Rennen hat schon Ergebnisse. Trotzdem löschen?")))
        return;
    if (!m_daten.loesche(m_turniere.at(m_aktuell))) return melde(tr("Löschen"));
    ladeTurniere(-1);
    zeigeAktuelles();
}

// ---- entrants

void Turnier::FahrerHinzufuegen(const QString& fahrer, const QString& autoName) {
    if (fahrer.isEmpty() || autoName.isEmpty()) return;
    m_belegung.append({fahrer, autoName});
    emit zustandGeaendert();
}

void Turnier::BelegungLoeschen(int index) {
    if (index < 0 || index >= m_belegung.size()) return;
    m_belegung.remove(index);
    emit zustandGeaendert();
}

void Turnier::Command20_Click() {
    if (m_aktuell < 0 || !kannStarten("In Qualifikation übernehmen")) return;
    if (m_belegung.isEmpty() && m_daten.hatErgebnisse(schluessel()) &&
        !m_leitung.rueckfrage().frage(
            tr("Die Liste ist leer. Sollen alle Teilnehmer mit ihren Ergebnissen gelöscht "
               "werden?")))
        return;
    if (!m_daten.uebernehme(schluessel(), m_belegung)) return melde(tr("Übernehmen"));
    FahrerSortieren(TurnierDaten::Sortierung::Eingabe);
}

void Turnier::Command1_Click(const QString& fahrer, const QString& autoName) {
    if (m_aktuell < 0 || fahrer.isEmpty() || autoName.isEmpty()) return;
    if (!m_daten.fuegeTeilnehmerEin(schluessel(), fahrer, autoName)) return melde(tr("Hinzufügen"));
    emit tabellenGeaendert();
}

QVector<TurnierDaten::Teilnehmer> Turnier::teilnehmer() {
    return m_daten.teilnehmer(schluessel(), m_sortierung);
}

void Turnier::FahrerSortieren(TurnierDaten::Sortierung art) {
    m_sortierung = art;
    emit tabellenGeaendert();
}

void Turnier::Command6_Click() { FahrerSortieren(TurnierDaten::Sortierung::Quali); }

void Turnier::Command10_Click() {
    if (!m_elemente[Command10].enabled) return;
    FahrerSortieren(TurnierDaten::Sortierung::Gruppe);
    setzeEnabled(Command8, !m_gestartet);
    emit zustandGeaendert();
}

void Turnier::Command9_Click() {
    if (!m_elemente[Command9].enabled || m_aktuell < 0) return;
    QVector<qint64> rowids;
    for (const auto& t : teilnehmer()) rowids << t.rowid;
    if (!m_daten.setzeGruppen(rowids,
                              RennLaufBelegung::Gruppen(int(rowids.size()), aktuell().Spuren)))
        return melde(tr("Gruppen"));
    emit tabellenGeaendert();
}

// ---- qualification

void Turnier::Command7_Click() {
    if (!m_elemente[Command7].enabled || m_aktuell < 0 || !kannStarten("Quali")) return;
    if (m_elemente[Command7].quelle == kQualiStarten) {
        m_qualiListe.clear();
        for (const auto& t : teilnehmer()) m_qualiListe << t.rowid;
        m_qualiPos = 0;
        if (m_qualiListe.isEmpty()) return;
        setzeEnabled(Command9, true);
        setzeEnabled(Command10, true);
    }
    if (m_qualiPos >= m_qualiListe.size()) return;
    QualiStarten();
}

void Turnier::QualiStarten() {
    Rennleitung& l = m_leitung;
    RennZustand& z = l.zustand();
    Einstellungen& e = l.einstellungen();
    const qint64 rowid = m_qualiListe.value(m_qualiPos, -1);
    TurnierDaten::Teilnehmer fahrer;
    for (const auto& t : m_daten.teilnehmer(schluessel(), m_sortierung))
        if (t.rowid == rowid) fahrer = t;
    if (fahrer.rowid < 0) return;

    l.Option1_Click(1);
    e.StartZeitBei = 0;
    z.SlotRennenPhase = QStringLiteral("Quali");
    l.setzeGrenze(aktuell().QualiZeit);
    l.setzeZeitRunden(aktuell().optionZeit ? 1 : 0);
    z.AktRennName = schluessel();
    z.RennArt = QStringLiteral("Quali");
    e.PrellZeit = qint16(aktuell().TriggerZeit.toInt());
    l.setzeRZeitAnsage(1);
    setze(Command7, QT_TR_NOOP("Naechster"), true);
    l.hardware().SetzeFormCaption(tr(kAktiv));
    if (!m_daten.ladeQuali(fahrer.fahrer, fahrer.autoName, aktuell().QualiSpur))
        melde(tr("Qualifikation"));
    l.MyInit();
    m_anzeige.setEnabled(H::Command2, true);
    emit zustandGeaendert();
    emit hauptfensterZeigen();
}

void Turnier::NaechsterQualiLauf() {
    const qint64 rowid = m_qualiListe.value(m_qualiPos, -1);
    const SlotWerte* p = m_leitung.GetSlotAnzeigeFromBahn(aktuell().QualiSpur);
    if (rowid >= 0 &&
        !m_daten.speichereQuali(rowid, p->ReturnRunden(), p->ReturnSchnellsteRundenZeit(),
                                p->ReturnSchnellsteRunde()))
        melde(tr("Qualifikation"));
    ++m_qualiPos;
    if (m_qualiPos >= m_qualiListe.size()) {
        setze(Command7, kQualiStarten, true);
        m_leitung.zustand().SlotRennenPhase.clear();
        FahrerSortieren(TurnierDaten::Sortierung::Gruppe);
    }
    emit tabellenGeaendert();
    emit zustandGeaendert();
    emit dialogZeigen();
}

// ---- heats

void Turnier::setzeZufall(bool an) {
    if (!m_elemente[cZufall].enabled) return;
    m_zufall = an;
    emit zustandGeaendert();
}

void Turnier::Command8_Click() {
    if (!m_elemente[Command8].enabled || m_aktuell < 0) return;
    RennLaeufeBelegen();
    WertungSortieren();
    GruppeUndLaufBestimmen();
    const bool belegt = m_daten.maxGruppe(schluessel()) > 0;
    setzeEnabled(Command11, belegt);
    if (!belegt)
        m_leitung.rueckfrage().meldung(
            tr("Keine Rennläufe belegt: bitte zuerst die Gruppen vorbelegen."));
    emit zustandGeaendert();
}

void Turnier::RennLaeufeBelegen() {
    const QString rotation = SpurWechsel::LaufMatrix(m_leitung.speicher(), aktuell().Spuren);
    QStringList log;
    const bool ok =
        m_daten.belegeLaeufe(schluessel(), rotation, m_zufall ? &m_leitung.uhr() : nullptr, &log);
    for (const QString& zeile : log) SchreibeDebug(zeile);
    if (!ok) melde(tr("Rennläufe belegen"));
    emit tabellenGeaendert();
}

void Turnier::GruppeUndLaufBestimmen() {
    m_gruppe[1] = std::max(1, m_daten.maxGruppe(schluessel()));
    m_lauf[1] = std::max(1, m_daten.maxLauf(schluessel(), 1));
    emit zustandGeaendert();
}

QString Turnier::gruppeText() const {
    return tr("Gruppe : %1 von : %2").arg(m_gruppe[0]).arg(m_gruppe[1]);
}

QString Turnier::laufText() const { return tr("Lauf : %1 von : %2").arg(m_lauf[0]).arg(m_lauf[1]); }

void Turnier::setzePausen(const std::array<QString, 3>& texte) {
    m_pausen = texte;
    emit zustandGeaendert();
}

void Turnier::Command11_Click() {
    if (!m_elemente[Command11].enabled || !kannStarten("Rennlauf")) return;
    if (m_elemente[Command11].quelle == kRennenStarten)
        RennStart();
    else
        NaechsterRennLauf();
}

void Turnier::RennStart() {
    Einstellungen& e = m_leitung.einstellungen();
    e.PauseVorStint = qint16(m_pausen[0].toInt());
    e.PauseNachStint = qint16(m_pausen[1].toInt());
    e.PauseZwischenStint = qint16(m_pausen[2].toInt());
    m_anzeige.setCaption(H::lblWeiter, tr("Rennstart! Alle fertig? Dann Start drücken."));
    m_anzeige.setVisible(H::lblWeiter, true);
    for (Element el : {Command8, cZufall, SeiteStammdaten, SeiteTeilnehmer, Navigator, Command7})
        setzeEnabled(el, false);
    const QString datum = Formate::DatumKurz(m_leitung.uhr().jetzt());
    if (m_modus == Modus::Keiner) m_eingabe.Renndatum = datum;
    if (m_aktuell >= 0) m_turniere[m_aktuell].Renndatum = datum;
    if (!m_daten.setzeRenndatum(aktuell(), datum)) melde(tr("Renndatum"));
    RennenStarten();
}

void Turnier::RennenStarten() {
    Rennleitung& l = m_leitung;
    RennZustand& z = l.zustand();
    m_lauf[0] = m_gruppe[0] = 1;
    GruppeUndLaufBestimmen();
    m_gestartet = true;
    z.SlotRennenPhase = QStringLiteral("Rennen");
    l.setzeGrenze(aktuell().Dauer);
    // Heats count Dauer in the tournament's unit, as the qualification does.
    l.setzeZeitRunden(aktuell().optionZeit ? 1 : 0);
    l.Option1_Click(0);
    l.einstellungen().StartZeitBei = 1;
    z.AktRennName = schluessel();
    z.RennArt = QStringLiteral("Rennen");
    z.StromImCountdown = 1;
    l.einstellungen().PrellZeit = qint16(aktuell().TriggerZeit.toInt());
    l.setzeRZeitAnsage(0);
    setze(Command11, QT_TR_NOOP("Naechster Rennlauf"), true);
    m_command11Gruen = true;
    l.hardware().SetzeFormCaption(tr(kAktiv));
    ladeLauf(1, 1);
    emit zustandGeaendert();
    emit hauptfensterZeigen();
}

void Turnier::ladeLauf(int gruppe, int lauf) {
    if (!m_daten.ladeLauf(schluessel(), gruppe, lauf)) melde(tr("Rennlauf laden"));
    m_leitung.MyInit();
    m_anzeige.setEnabled(H::Command2, true);
}

void Turnier::RennLaufAuswerten() {
    m_anzeige.setEnabled(H::Command2, false);
    // The heat's laps and times as the engine counted them, whatever the database is doing.
    if (!m_daten.schreibeErgebnisse(schluessel(), m_gruppe[0], m_lauf[0], m_leitung.rangliste()))
        melde(tr("Rennlauf auswerten"));
    emit tabellenGeaendert();
    WertungSortieren();
    if (m_gruppe[0] == m_gruppe[1] && m_lauf[0] == m_lauf[1]) {
        setze(Command11, kRennenStarten, false);
    } else {
        m_countdown = m_leitung.einstellungen().PauseZwischenStint;
        m_pauseOffen = true;
        if (m_autostart) m_timer1->start();
    }
    emit zustandGeaendert();
    emit dialogZeigen();
}

void Turnier::NaechsterRennLauf() {
    if (m_imNaechsten || !m_gestartet) return;
    m_timer1->stop();
    m_pauseOffen = false;
    setzeAutostartCaption(QT_TR_NOOP("Autostart"));
    m_leitung.zustand().StromImCountdown = m_autostart ? 1 : 0;

    const int gruppeVorher = m_gruppe[0];
    const int laufVorher = m_lauf[0];
    const int laeufeVorher = m_lauf[1];
    ++m_lauf[0];
    bool neueGruppe = false;
    if (m_lauf[1] < m_lauf[0]) {
        neueGruppe = true;
        ++m_gruppe[0];
        if (m_gruppe[1] >= m_gruppe[0]) {
            m_lauf[1] = m_daten.maxLauf(schluessel(), m_gruppe[0]);
            m_lauf[0] = 1;
        }
    }
    if (m_gruppe[0] > m_gruppe[1]) {
        // Past the last heat: nothing left to load.
        m_gruppe[0] = gruppeVorher;
        m_lauf[0] = laufVorher;
        m_lauf[1] = laeufeVorher;
        setze(Command11, kRennenStarten, false);
        emit zustandGeaendert();
        return;
    }
    ladeLauf(m_gruppe[0], m_lauf[0]);
    emit zustandGeaendert();
    emit hauptfensterZeigen();

    if (neueGruppe) {
        m_anzeige.setCaption(H::lblWeiter, tr("Neue Gruppe! Weiter mit START."));
        m_anzeige.setVisible(H::lblWeiter, true);
        return;
    }
    m_imNaechsten = true;
    const quint64 sitzung = m_sitzung;
    Rennleitung& l = m_leitung;
    m_anzeige.setCaption(H::lblWeiter, tr("Startaufstellung"));
    m_anzeige.setVisible(H::lblWeiter, true);
    bool weiter = true;
    for (int n = l.einstellungen().PauseVorStint; n >= 0 && weiter; --n) {
        // The user may start by hand or end the evening during the wait.
        weiter = l.uhr().Warte(1) && sitzung == m_sitzung && m_anzeige.istVisible(H::lblWeiter) &&
                 !m_ablauf.beschaeftigt();
        if (!weiter) break;
        if (n < 6) l.ansage().SprachAusgabe(QString::number(n));
        if (n == 5 && l.einstellungen().BahnStrom == 1)
            l.hardware().SchalteLPT(QStringLiteral("BahnAlle"), 0);
        m_anzeige.setCaption(H::lblWeiter, Nachlauf::nochSekunden(n));
    }
    m_imNaechsten = false;
    if (weiter && m_anzeige.istVisible(H::lblWeiter)) m_ablauf.StarteErfassung();
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
    if (pfad.isEmpty())
        m_leitung.rueckfrage().meldung(tr("HTML Ausgabe nicht möglich: %1").arg(fehler));
    else
        emit berichtGeschrieben(pfad);
    FahrerSortieren(TurnierDaten::Sortierung::Gruppe);
    m_label2.clear();
    emit zustandGeaendert();
    return pfad;
}
