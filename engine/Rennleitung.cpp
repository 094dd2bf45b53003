#include "engine/Rennleitung.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "config/Formate.h"
#include "config/Uhr.h"
#include "data/Datenbank.h"
#include "data/Laufrettung.h"
#include "engine/Ansage.h"
#include "engine/Rangliste.h"
#include "engine/RennHardware.h"
#include "engine/Rueckfrage.h"
#include "engine/RundenPuffer.h"
#include "engine/Rundenprotokoll.h"
#include "engine/Rundenschreiber.h"
#include "engine/Rundensicherung.h"
#include "engine/Rundenvermerk.h"
#include "engine/SlotAnzeigen.h"
#include "hardware/Zeitnahmewahl.h"

namespace {

// The leading number of a text, as the limit field is read ("10", " 5 min" -> 5, "x" -> 0).
double fuehrendeZahl(const QString& text) {
    const QString t = text.trimmed();
    qsizetype n = 0;
    if (n < t.size() && (t[n] == QLatin1Char('-') || t[n] == QLatin1Char('+'))) ++n;
    while (n < t.size() && t[n].isDigit()) ++n;
    if (n < t.size() && t[n] == QLatin1Char('.')) {
        ++n;
        while (n < t.size() && t[n].isDigit()) ++n;
    }
    bool ok = false;
    const double wert = t.left(n).toDouble(&ok);
    return ok ? wert : 0.0;
}

}  // namespace

Rennleitung::Rennleitung(Uhr& uhr, Datenbank& db, Einstellungen& einstellungen,
                         EinstellungsSpeicher& speicher, Ansage& ansage, Rueckfrage& rueckfrage,
                         RennHardware& hardware, QObject* parent)
    : QObject(parent),
      m_uhr(uhr),
      m_db(db),
      m_e(einstellungen),
      m_speicher(speicher),
      m_ansage(ansage),
      m_rueckfrage(rueckfrage),
      m_hw(hardware),
      m_puffer(std::make_unique<RundenPuffer>()),
      m_protokoll(std::make_unique<Rundenprotokoll>(db, einstellungen)),
      m_anzeigen(std::make_unique<SlotAnzeigen>(this)),
      m_sicherung(std::make_unique<Rundensicherung>(uhr, db)) {
    for (int i = 0; i < 6; ++i) {
        m_anzeigen->panel(i).SetFixWerte(i + 1, m_e.Farbe[size_t(i + 1)],
                                         m_e.FontFarbe[size_t(i + 1)], 0);
    }
    // Kind and name follow the ranking choice from the start, before anything is switched.
    setzeRennArtNachOption();
}

Rennleitung::~Rennleitung() = default;

Geraetefaehigkeiten Rennleitung::zeitnahme() const { return Zeitnahmewahl::faehigkeiten(m_e); }

int Rennleitung::anzBahnen() const { return gueltigeAnzBahnen(m_e.AnzBahnen); }

// ---- race state

void Rennleitung::MyInit() {
    Zeitnahmewahl::waehle(m_e);
    m_e.AnzBahnen = qint16(gueltigeAnzBahnen(m_e.AnzBahnen));

    m_z.RundeWartet = false;
    m_z.StartZeit = 0;
    m_z.RennenLaeuft = false;
    m_z.ChaosZeit = 0;
    m_z.ChaosPerioden.clear();

    m_z.FahrerNr.fill(0);
    if (zeitnahme().fahrerNachEingang) {
        for (int b = 1; b <= 4; ++b) m_z.FahrerNr[size_t(b)] = m_e.RaceControlPort[size_t(b)];
    }
    SetzeAnzeigeWerte(2);

    for (int slot = 1; slot <= 6; ++slot) {
        leereBahnVeroeffentlichen(slot);
        m_z.ChaosDauer[size_t(slot)] = 0;
        m_z.FruehstartMarke[size_t(slot)] = false;
    }
    m_stand.nummeriere(m_stand.sortiert(anzBahnen(), m_z.Option1));

    BildschirmRefresh();
    emit zustandGeaendert();
}

void Rennleitung::NeueRunde() {
    if (!zeitnahme().startetLaeufe && ansageAktiv(2)) m_ansage.SprachAusgabe(Text(2));

    for (size_t i = 1; i <= 6; ++i) {
        m_z.BahnStartZeit[i] = 0;
        m_z.RundenStart[i] = 0;
        m_z.LetzteRunde[i] = 0;
        m_z.GesamtZeit[i] = 0;
        m_z.BahnGestartet[i] = false;
        m_z.Runden[i] = 0;
        m_z.BesteRunde[i] = 99999;
        m_z.BesteRundeNr[i] = 0;
        m_z.OhneBestzeit[i] = 0;
        m_z.LetzteAnkunft[i] = 0;
        m_z.HandRunde[i] = false;
    }
    m_z.Unterbrechungen.clear();
    m_puffer->leeren();
    m_laufrunden.leere();
    m_z.AmpelPhase = 5;

    QString fehler;
    // Laps of the last run that never reached the history are copied before they are cleared.
    Laufrettung rettung(m_db);
    const auto befund = rettung.finde(&fehler);
    if (befund && !rettung.uebernimm(*befund, false, &fehler)) {
        // The laps stay in the lap table; the next history copy takes them along.
        SchreibeDebug(QStringLiteral("NeueRunde: Runden nicht in die Historie kopiert, "
                                     "aktrennen bleibt: ") + fehler);
        m_rueckfrage.meldung(
            (befund->runden == 1
                 ? tr("%1 Runde des letzten Laufs konnte nicht in die Historie kopiert werden: "
                      "%2\nSie bleibt gespeichert und kommt mit diesem Lauf in die Historie.")
                 : tr("%1 Runden des letzten Laufs konnten nicht in die Historie kopiert "
                      "werden: %2\nSie bleiben gespeichert und kommen mit diesem Lauf in die "
                      "Historie."))
                .arg(QString::number(befund->runden), fehler));
    } else {
        // Through the writer: the laps of the new run queue behind it, so a lap table the
        // database cannot empty right now never mixes two runs.
        m_sicherung->schreibeDanach(
            [](Datenbank& db) {
                Rundenschreiber::Ergebnis e;
                e.ok = db.execute(QStringLiteral("delete from aktrennen"), {}, &e.text,
                                  &e.fehlerNr);
                return e;
            },
            {});
    }
    for (int bahn = 1; bahn <= 6; ++bahn) {
        if (PositionsZeile* z = m_stand.zeile(bahn)) {
            z->runden = 0;
            m_stand.markiere(bahn);
        }
    }
    m_sicherung->beendeTick(m_stand.nimmGeaenderte(), rennStempel(), m_z.AktRennName);
    emit panelsGeaendert();
}

QStringList Rennleitung::rennModi() {
    return {QStringLiteral("T-Zeit"), QStringLiteral("T-Runden"), QStringLiteral("R-Zeit"),
            QStringLiteral("R-Runden"), QStringLiteral("T-Power")};
}

void Rennleitung::cbRAuswahl_Click(int index) {
    if (index < 0 || index > 4) return;
    m_e.BahnStromTraining =
        m_speicher.hole(QStringLiteral("BahnStromTraining"), QStringLiteral("0")).toInt();
    static constexpr int option[5] = {1, 1, 0, 0, 1};
    static constexpr int zeitRunden[5] = {1, 0, 1, 0, 1};
    m_z.RennModus = index;
    m_z.ZeitRunden = zeitRunden[index];
    if (index == 4) {
        m_z.Grenze = QString::number(m_e.PowerTrainingZeit);
        m_e.BahnStromTraining = 1;
    }
    // The ranking choice last, so that it switches the power for the mode just set.
    Option1_Click(option[index]);
}

void Rennleitung::setzeRennArtNachOption() {
    if (m_z.Option1 == 0) {
        // The race name the user gave (default "Rennen") stays until the user changes it.
        m_z.RennArt = Laufart::Rennen;
        m_z.AktRennName = m_e.RennName.isEmpty() ? QStringLiteral("Rennen") : m_e.RennName;
    } else {
        m_z.RennArt = m_z.Grenze == QLatin1String("1") ? Laufart::Quali : Laufart::Training;
        m_z.AktRennName = QStringLiteral("Training");
    }
}

void Rennleitung::Option1_Click(int index) {
    if (index < 0 || index > 2) return;
    m_z.Option1 = index;
    setzeRennArtNachOption();
    const int bahnStrom = index == 0 || m_e.BahnStromTraining == 1 ? 0 : 1;
    m_hw.SchalteLPT(QStringLiteral("BahnAlle"), bahnStrom);
    m_hw.SchalteLPT(QStringLiteral("AmpelAlle"), 0);
    for (SlotWerte* p : m_anzeigen->alle()) p->ChangeRennTyp(m_z.RennArt);
    emit zustandGeaendert();
    emit panelsGeaendert();
}

void Rennleitung::setzeGrenze(const QString& text) {
    m_z.Grenze = text;
    emit zustandGeaendert();
}

double Rennleitung::grenzeZahl() const { return fuehrendeZahl(m_z.Grenze); }

bool Rennleitung::Grenze_Validate() {
    const double zahl = grenzeZahl();
    const bool imBereich = zahl >= 1 && zahl <= 300;
    if (!imBereich) m_rueckfrage.meldung(tr("Wert muss zwischen 1 und 300 liegen"));
    if (m_z.Option1 == 1) {
        if (m_z.Grenze == QLatin1String("1")) {
            m_z.AktRennName = m_e.RennName;
            m_z.RennArt = Laufart::Quali;
        } else if (zahl > 1) {
            m_z.AktRennName = QStringLiteral("Training");
            m_z.RennArt = Laufart::Training;
        }
    }
    m_hw.SetzeFormCaption(QString());
    emit zustandGeaendert();
    return imBereich;
}

void Rennleitung::setzeZeitRunden(int zeitRunden) {
    m_z.ZeitRunden = zeitRunden;
    emit zustandGeaendert();
}

void Rennleitung::setzeRZeitAnsage(int an) {
    m_z.RZeitAnsage = an;
    emit zustandGeaendert();
}

void Rennleitung::RennNameSetzen(const QString& name) {
    m_speicher.speichere(QStringLiteral("RennName"), name);
    m_e.RennName = name;
    if (m_z.RennArt != Laufart::Training) m_z.AktRennName = name;
    m_hw.SetzeFormCaption(QString());
    emit zustandGeaendert();
}

void Rennleitung::zaehleLaufAls(Laufart art, const QString& name) {
    m_z.RennArt = art;
    m_z.AktRennName = name;
}

void Rennleitung::beginneTurnierPhase(Laufart phase) { m_z.SlotRennenPhase = phase; }

void Rennleitung::beendeTurnierPhase() { m_z.SlotRennenPhase.reset(); }

void Rennleitung::meldeSprachagent(bool vorhanden) { m_z.AgentVorhanden = vorhanden; }

// ---- announcements

bool Rennleitung::ansageAktiv(int art) const {
    if (art < 0 || art > 7) return false;
    int bit = 4;
    if (m_z.RennArt == Laufart::Training)
        bit = 1;
    else if (m_z.RennArt == Laufart::Quali)
        bit = 2;
    return (m_e.MeldungsAnsage[size_t(art)] & bit) != 0;
}

QString Rennleitung::Text(int nummer) const {
    return nummer >= 1 && nummer <= m_texte.size() ? m_texte.at(nummer - 1) : QString();
}

void Rennleitung::SetzeTexte() {
    m_texte.clear();
    QSqlQuery q(m_db.db());
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("select textinhalt from texte where langid=? order by nummer"))) {
        SchreibeDebug(QStringLiteral("SetzeTexte: ") + q.lastError().text());
        return;
    }
    q.addBindValue(m_e.LangId);
    if (!q.exec()) {
        SchreibeDebug(QStringLiteral("SetzeTexte: ") + q.lastError().text());
        return;
    }
    // Room for thirteen texts; further rows of a language are not used.
    while (m_texte.size() < 13 && q.next()) m_texte.append(q.value(0).toString());
}

// ---- standings and history

QString Rennleitung::ordnung() const { return Rangliste::ordnung(m_z.Option1); }

QVector<PositionsZeile> Rennleitung::rangliste() const {
    QVector<PositionsZeile> zeilen = m_stand.sortiert(anzBahnen(), m_z.Option1);
    zeilen.removeIf([this](const PositionsZeile& z) { return istFreieBahn(z.bahn); });
    return zeilen;
}

void Rennleitung::standGeaendert(int bahn) {
    m_stand.markiere(bahn);
    m_stand.nummeriere(m_stand.sortiert(anzBahnen(), m_z.Option1));
}

bool Rennleitung::ansageFaellig(int art, int runden) const {
    return ansageAktiv(art) && runden > m_e.MeldungAbRunde[size_t(art)];
}

QString Rennleitung::rennStempel() const {
    return Formate::Zeitstempel(m_z.RennStartDatum.isValid() ? m_z.RennStartDatum : m_uhr.jetzt());
}

void Rennleitung::AktPositionen(int slot, qint16& runden, qint32& letzteRunde, qint32& gesamt,
                                qint32& beste, qint16& besteNr) {
    if (!istGueltigerSlot(slot)) {
        SchreibeDebug(QStringLiteral("AktPositionen: FahrerNr %1 ungültig").arg(slot));
        return;
    }
    const int anz = anzBahnen();
    PositionsZeile* gefunden = m_stand.zeileVonSlot(slot, anz, m_z.Option1);
    if (!gefunden) {
        // Editing some other lane's row instead would corrupt the standings.
        SchreibeDebug(QStringLiteral("AktPositionen: keine Zeile in positionen mit FahrerNr=%1, "
                                     "Runde nicht gewertet")
                          .arg(slot));
        return;
    }
    PositionsZeile& z = *gefunden;
    const QString jetzt = m_uhr.jetzt().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    QString ansageText;
    QString rennInfo;

    z.runden = runden;
    z.gesamt = gesamt;
    z.zurVorRunde = 1;
    z.wann = jetzt;
    if (letzteRunde < z.aktRunde) {
        z.zurVorRunde = 0;
        if (ansageFaellig(5, runden)) ansageText = z.fahrer + QLatin1Char(' ') + Text(5);
    }
    if (letzteRunde > z.aktRunde) z.zurVorRunde = 2;
    z.aktRunde = letzteRunde;
    bool bestzeit = false;
    // Without a lap number there is no best lap yet (only the "none" marker), e.g. when a
    // lane's only counted lap is one the race director added.
    if (besteNr > 0 && beste < z.schnellste) {
        if (ansageFaellig(4, runden)) {
            bestzeit = true;
            ansageText = z.fahrer + QLatin1Char(' ') + Text(4) + QLatin1Char(' ') +
                         Formate::Format(beste / 1000.0, QStringLiteral("#######0.000")) +
                         QLatin1Char(' ') + Text(8);
        }
        rennInfo = QStringLiteral("SR ");
        z.wann = jetzt;
        z.schnellste = beste;
        z.schnellsteRunde = besteNr;
    }
    z.aktGeschw = z.aktRunde > 0 ? z.laenge / double(z.aktRunde) : 0.0;
    z.schnellsteGeschw = z.schnellste > 0 ? z.laenge / double(z.schnellste) : 0.0;
    m_stand.markiere(z.bahn);

    // A lap the counter counted unseen is not announced: its time is an estimate.
    if (m_rundeStill) ansageText.clear();
    if (m_z.RZeitAnsage != 0 && runden >= 1 && !m_rundeStill) {
        bestzeit = false;
        ansageText = Formate::Format(letzteRunde / 1000.0, QStringLiteral("#######0.000"));
    }
    if (!ansageText.isEmpty())
        m_ansage.SprachAusgabeMit(ansageText, bestzeit ? Sprechart::Bestzeit : Sprechart::Normal,
                                  z.fahrer);

    const QVector<PositionsZeile> zeilen = m_stand.sortiert(anz, m_z.Option1);
    if (!zeilen.isEmpty()) {
        const PositionsZeile& erster = zeilen.first();
        if (runden > m_e.MeldungAbRunde[3] && erster.platz != 1 && erster.runden != 0) {
            if (ansageAktiv(3)) m_ansage.SprachAusgabe(erster.fahrer + QLatin1Char(' ') + Text(3));
            rennInfo += QStringLiteral(" P1");
        }
    }
    m_stand.nummeriere(zeilen);

    if (runden <= 0) return;
    // The caution remark belongs to the next lap row, not to a first crossing without one.
    if (m_z.ChaosDauer[size_t(slot)] >= 1) {
        rennInfo += QStringLiteral(" C-") + QString::number(m_z.ChaosDauer[size_t(slot)]);
        m_z.ChaosDauer[size_t(slot)] = 0;
    }
    if (m_z.FruehstartMarke[size_t(slot)] && runden == 1) rennInfo = QStringLiteral("FS");
    rennInfo += m_rundenVermerk;
    const bool hand = m_z.HandRunde[size_t(slot)];
    if (hand) {
        rennInfo += QStringLiteral(" K+");
        m_z.HandRunde[size_t(slot)] = false;
    }
    m_laufrunden.merke(z.bahn, runden, letzteRunde, gesamt, hand,
                       Rundenvermerk::keineBestzeit(m_rundenVermerk));
    const double geschw = letzteRunde > 0 ? z.laenge / double(letzteRunde) : 0.0;
    AktRennenNeu(z.fahrer, slot, z.autoName, z.strecke, runden, letzteRunde / 1000.0,
                 gesamt / 1000.0, geschw, rennInfo, z.bahn);
}

void Rennleitung::leereBahnVeroeffentlichen(int slot) {
    PositionsZeile* gefunden = m_stand.zeileVonSlot(slot, anzBahnen(), m_z.Option1);
    if (!gefunden) {
        SchreibeDebug(
            QStringLiteral("MyInit: keine Zeile in positionen mit FahrerNr=%1").arg(slot));
        return;
    }
    PositionsZeile& z = *gefunden;
    z.runden = 0;
    z.gesamt = 999999;
    z.zurVorRunde = 1;
    z.aktRunde = 0;
    z.wann = m_uhr.jetzt().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    z.schnellste = 999999;
    z.schnellsteRunde = 999;
    z.aktGeschw = 0;
    z.schnellsteGeschw = z.laenge / 999999.0;
    m_stand.markiere(z.bahn);
}

void Rennleitung::AktRennenNeu(const QString& fahrer, int slot, const QString& autoName,
                               const QString& strecke, int runde, double zeit, double gesamt,
                               double geschw, const QString& rennInfo, int bahn) {
    Q_UNUSED(slot);
    const Rundeneintrag r{fahrer, autoName, strecke, runde,           zeit,       gesamt,
                          geschw, rennInfo, bahn,    m_z.AktRennName, laufartWort(m_z.RennArt)};
    const QString uhr = Rundenprotokoll::uhrzeit(m_uhr.jetzt());
    m_protokoll->schreibeLre(r, uhr, rennStempel());
    m_sicherung->merkeRunde(r, uhr);
    emit rundeGezaehlt(r, uhr);
}
