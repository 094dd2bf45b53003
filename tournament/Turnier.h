#pragma once
// A tournament evening run from the tournament dialog: the tournament record and its editing,
// the entrants, the qualification, groups and heat schedule, the heats one after another on
// the race engine with their evaluation, the standings and the report. It holds no widgets:
// captions, enabled states, counters and notices are state with change signals; questions
// and messages go through the engine's Rueckfrage; every timer and wait runs on its Uhr.

#include <QObject>
#include <QString>
#include <QVector>
#include <array>
#include <memory>

#include "engine/Laufart.h"
#include "engine/TurnierUebergabe.h"
#include "tournament/RennLaufBelegung.h"
#include "tournament/TurnierDaten.h"

class Hauptanzeige;
class Rennablauf;
class Rennleitung;
class UhrTimer;

class Turnier : public QObject, public TurnierUebergabe {
    Q_OBJECT
public:
    // The dialog's controls whose caption or enabled state changes.
    enum Element {
        Command2,         // "Neu" / "Speichern"
        Command3,         // "Kopieren" / "Speichern"
        Command4,         // "Aendern" / "Speichern"
        Command5,         // "Abbruch"
        Command13,        // "Löschen"
        Navigator,        // moving between tournaments
        Eingaben,         // the record's input fields
        Command7,         // "Quali starten" / "Naechster"
        Command9,         // "Gruppen vorbelegen"
        Command10,        // "Sortiere Gruppe"
        Command8,         // "Rennläufe belegen"
        cZufall,          // "Zufällig"
        Command11,        // "Rennen starten" / "Naechster Rennlauf"
        Command14,        // "Lauf wiederholen"
        chkAutoStart,     // "Autostart" / "n Sekunden"
        SeiteStammdaten,  // the record page
        SeiteTeilnehmer,  // the entrants page
        ElementAnzahl
    };
    Q_ENUM(Element)

    Turnier(Rennablauf& ablauf, Hauptanzeige& anzeige, QObject* parent = nullptr);
    ~Turnier() override;

    TurnierDaten& daten() { return m_daten; }
    Rennleitung& leitung() { return m_leitung; }
    // In the interface language.
    QString caption(Element e) const;
    // While a run is on the track its tournament stays the one shown: moving, editing and
    // deleting wait until it is over.
    bool istEnabled(Element e) const;

    // ---- opening and closing
    // The main window's tournament button: locks its race controls and shows the dialog.
    void SlotRennenStart();
    bool istOffen() const { return m_offen; }
    // Closing the dialog: not while a run is on; asks "Soll das Turnier beendet werden?"; on
    // yes the main window gets its controls, settings, mode and limit of before the tournament
    // back. False when the dialog stays open.
    bool beenden();

    // ---- the tournament record
    const QVector<SlotRennen>& turniere() const { return m_turniere; }
    int aktuellerIndex() const { return m_aktuell; }
    // What the input fields show; the dialog writes the user's typing back.
    const SlotRennen& eingabe() const { return m_eingabe; }
    void setzeEingabe(const SlotRennen& r);
    bool bearbeitet() const { return m_modus != Modus::Keiner; }
    // Moves to a tournament (only while no edit is going on; during a run it says why not).
    void geheZu(int index);
    // geheZu for the tournament with this series and name; false when there is none.
    bool oeffne(const QString& serie, const QString& name);
    // A new record with the usual values, a copy of the shown one, or the shown one open for
    // changes; the same operation again saves it (button "Neu" / "Kopieren" / "Aendern",
    // then "Speichern").
    void neuesTurnier();
    void kopiereTurnier();
    void aendereTurnier();
    // Drops the edit and shows the record of before ("Abbruch").
    void brichBearbeitungAb();
    // Deletes the shown tournament after asking, its results too ("Löschen").
    void loescheTurnier();

    // ---- entrants
    const QVector<RennLaufBelegung::Teilnehmer>& belegung() const { return m_belegung; }
    // A driver once per list.
    void FahrerHinzufuegen(const QString& fahrer, const QString& autoName);
    void BelegungLoeschen(int index);
    // "In Qualifikation übernehmen": the list as entrants. With entrants there already it asks
    // whether to add the new ones ("Neue Teilnehmer hinzufügen") or to replace all ("Alle neu").
    void uebernimmInQualifikation();
    // One entrant straight into the table (Combo1/Combo2); a driver once per tournament.
    void fuegeTeilnehmerHinzu(const QString& fahrer, const QString& autoName);
    // The entrants in the grid's current order.
    QVector<TurnierDaten::Teilnehmer> teilnehmer();
    TurnierDaten::Sortierung sortierung() const { return m_sortierung; }
    void FahrerSortieren(TurnierDaten::Sortierung art);
    void sortiereNachQuali();   // "Sortiere Quali"
    void sortiereNachGruppe();  // "Sortiere Gruppe"
    // The entrants in their current order into groups of the tournament's lanes
    // ("Gruppen vorbelegen").
    void belegeGruppenVor();

    // ---- qualification
    // Starts the qualification with its first entrant, later loads the next one ("Quali
    // starten" / "Naechster").
    void fahreQualifikation();
    void QualiStarten();
    void NaechsterQualiLauf() override;

    // ---- heats
    bool zufall() const { return m_zufall; }
    void setzeZufall(bool an);
    // Assigns the entrants to the heats of their groups ("Rennläufe belegen").
    void verteileRennlaeufe();
    void RennLaeufeBelegen();
    void GruppeUndLaufBestimmen();
    // Pause fields "vor dem Rennlauf", "nach dem Rennlauf", "zwischen Rennläufen" (seconds).
    std::array<QString, 3> pausen() const { return m_pausen; }
    void setzePausen(const std::array<QString, 3>& texte);
    // Starts the race with its first heat, later loads the next heat ("Rennen starten" /
    // "Naechster Rennlauf").
    void fahreRennlauf();
    void RennLaufAuswerten() override;
    void NaechsterRennLauf();
    // Lauf wiederholen: during a heat it asks and abandons it (nothing of it is scored, the
    // same heat starts again); afterwards the last scored heat is the next one loaded.
    void wiederholeLauf();
    bool autostart() const { return m_autostart; }
    void setzeAutostart(bool an);
    // Counters: index 0 current, 1 total.
    int gruppe(int i) const { return m_gruppe[size_t(i)]; }
    int lauf(int i) const { return m_lauf[size_t(i)]; }
    // "Gruppe x von y", "Lauf x von y"; before the race start the number of groups and the
    // heats of group 1.
    QString gruppeText() const;
    QString laufText() const;
    bool command11Gruen() const { return m_command11Gruen; }
    bool rennenGestartet() const { return m_gestartet; }

    // ---- standings and report
    void WertungSortieren();
    QString label2() const { return m_label2; }
    // Writes the report and announces it (berichtGeschrieben); label2 then says where it is.
    // The path, empty on an error.
    QString HtmlAusgabe();

signals:
    void zustandGeaendert();   // captions, enabled states, inputs, counters, labels
    void tabellenGeaendert();  // tournaments, entrants, heats or standings
    void hauptfensterZeigen();
    void dialogZeigen();
    void berichtGeschrieben(const QString& pfad);

private:
    enum class Modus { Keiner, Neu, Kopieren, Aendern };
    // What the main window showed when the tournament was opened.
    struct Hauptfenster {
        int RennModus = 0;
        int Option1 = 1;
        int ZeitRunden = 1;
        QString Grenze;
        Laufart RennArt = Laufart::Rennen;
        QString AktRennName;
        int RZeitAnsage = 0;
        int StromImCountdown = 1;
    };
    // A heat of the schedule; 0 = none.
    struct LaufNr {
        int gruppe = 0;
        int lauf = 0;
        bool operator==(const LaufNr&) const = default;
    };
    // The qualifying run on the track: whose result it is and on which lane.
    struct QualiLauf {
        qint64 rowid = -1;
        int spur = 0;
    };
    struct Zustand {
        const char* quelle = nullptr;  // German caption, translated when read; else text
        QString text;
        bool enabled = true;
    };
    void setze(Element e, const char* quelle, bool enabled);
    void setzeEnabled(Element e, bool an);
    void grundzustand();
    void ladeTurniere(qint64 rowid);
    void zeigeAktuelles();
    void beginneBearbeitung(Modus m, Element knopf);
    void beendeBearbeitung();
    void speichere();
    bool kannStarten(const char* was) const;
    void melde(const QString& was);
    void RennStart();
    void RennenStarten();
    void ladeLauf(int gruppe, int lauf);
    // The counters so that the next heat loaded is this one.
    void setzeZaehlerVor(LaufNr lauf);
    // The qualification is over, or left: nothing of it can be started any more.
    void endeQuali();
    // A tournament whose qualification or heats were going on is no longer the current one.
    void endePhase();
    void Timer1_Timer();
    void setzeAutostartCaption(const char* quelle, const QString& text = QString());
    bool pruefeEingabe();
    // False, with the reason, for a name that cannot be an entrant.
    void keinRennen();
    bool pruefeTeilnehmer(const QString& fahrer);
    // Shown in the interface window's title while a tournament run is loaded.
    static constexpr const char* kAktiv = QT_TRANSLATE_NOOP("Turnier", "SLOT Rennen aktiv!");
    // The two captions of the qualification and race buttons that decide what a click does.
    static constexpr const char* kQualiStarten = QT_TRANSLATE_NOOP("Turnier", "Quali starten");
    static constexpr const char* kRennenStarten = QT_TRANSLATE_NOOP("Turnier", "Rennen starten");

    // The saved tournament the evening works on (the inputs may be in an edit meanwhile).
    const SlotRennen& aktuell() const;
    QString schluessel() const { return aktuell().schluessel(); }

    Rennablauf& m_ablauf;
    Rennleitung& m_leitung;
    Hauptanzeige& m_anzeige;
    TurnierDaten m_daten;
    UhrTimer* m_timer1 = nullptr;

    std::array<Zustand, ElementAnzahl> m_elemente;
    bool m_offen = false;
    Hauptfenster m_vorher;
    QVector<SlotRennen> m_turniere;
    int m_aktuell = -1;
    int m_lesezeichen = -1;
    SlotRennen m_eingabe;
    Modus m_modus = Modus::Keiner;

    QVector<RennLaufBelegung::Teilnehmer> m_belegung;
    TurnierDaten::Sortierung m_sortierung = TurnierDaten::Sortierung::Eingabe;
    QVector<qint64> m_qualiListe;
    int m_qualiPos = 0;

    bool m_zufall = false;
    std::array<QString, 3> m_pausen;
    bool m_autostart = false;
    int m_countdown = 0;
    std::array<int, 2> m_gruppe{0, 0};
    std::array<int, 2> m_lauf{0, 0};
    bool m_command11Gruen = false;
    bool m_gestartet = false;
    bool m_imNaechsten = false;
    bool m_pauseOffen = false;  // a heat is scored, the next one not loaded yet
    LaufNr m_geladen;           // the heat in positionen: its run's laps go to it
    LaufNr m_gewertet;          // the last heat scored
    bool m_verwerfen = false;   // the heat on the track was abandoned: it is not scored
    quint64 m_ladung = 0;       // counts loads: a countdown to a heat no longer loaded stops
    QualiLauf m_qualiLauf;
    qint64 m_phasenTurnier = -1;  // rowid of the tournament whose qualification or heats run
    quint64 m_sitzung = 0;        // counts closings: a countdown of an ended evening stops
    QString m_label2;
};
