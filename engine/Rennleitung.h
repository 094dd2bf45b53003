#pragma once
// The race engine's core: race state, the lap path from a crossing to the committed lap row,
// the standings in positionen, the lane panels' values, lap records and the history copy with
// its result files. It holds no widgets; windows mirror its state through the signals.

#include <QObject>
#include <QStringList>
#include <QVector>
#include <memory>

#include "engine/Laufrunden.h"
#include "engine/Rangliste.h"
#include "engine/RennZustand.h"
#include "engine/Rennstand.h"
#include "engine/Rundenprotokoll.h"
#include "engine/SlotWerte.h"
#include "hardware/Zeitnahmegeraet.h"

class Uhr;
class Datenbank;
struct Einstellungen;
class EinstellungsSpeicher;
class Ansage;
class Rueckfrage;
class RennHardware;
class RundenPuffer;
class Rangliste;
class Rundenprotokoll;
class SlotAnzeigen;
class Rundensicherung;

class Rennleitung : public QObject {
    Q_OBJECT
public:
    Rennleitung(Uhr& uhr, Datenbank& db, Einstellungen& einstellungen,
                EinstellungsSpeicher& speicher, Ansage& ansage, Rueckfrage& rueckfrage,
                RennHardware& hardware, QObject* parent = nullptr);
    ~Rennleitung() override;

    // The run state to read. Code outside the engine changes it through the operations below;
    // the engine class that owns one of its groups writes that group with its key.
    const RennZustand& zustand() const { return m_z; }
    Startzustand& zustand(Startrecht) { return m_z; }
    Chaoszustand& zustand(Chaosrecht) { return m_z; }
    Rundenzaehlung& zustand(Korrekturrecht) { return m_z; }
    RennZustand& zustand(Zustandsrecht) { return m_z; }
    Einstellungen& einstellungen() { return m_e; }
    EinstellungsSpeicher& speicher() { return m_speicher; }
    Uhr& uhr() { return m_uhr; }
    Datenbank& datenbank() { return m_db; }
    Ansage& ansage() { return m_ansage; }
    Rueckfrage& rueckfrage() { return m_rueckfrage; }
    RennHardware& hardware() { return m_hw; }
    // What the timing interface the settings choose can do.
    Geraetefaehigkeiten zeitnahme() const;

    // ---- race state
    // Interface choice, lane count, globals, input map, empty lanes; at start-up and per run.
    void MyInit();
    // Per-slot reset, lap buffer and lap table emptied, AmpelPhase 5, start announcement.
    void NeueRunde();
    // Race mode list: 0 "T-Zeit", 1 "T-Runden", 2 "R-Zeit", 3 "R-Runden", 4 "T-Power".
    void cbRAuswahl_Click(int index);
    static QStringList rennModi();
    // Ranking choice 0 race, 1 training by fastest lap, 2 training by speed.
    void Option1_Click(int index);
    // The limit text (minutes or laps) as typed; Grenze_Validate shows the range message
    // and returns false when the number lies outside 1..300 (the value stays).
    void setzeGrenze(const QString& text);
    bool Grenze_Validate();
    // The number in Grenze (0 when the text holds none).
    double grenzeZahl() const;
    void setzeZeitRunden(int zeitRunden);
    void setzeRZeitAnsage(int an);
    // OK of the race-name dialog: stores RennName; outside training also the current name.
    void RennNameSetzen(const QString& name);
    // The coming runs count as art under name (results, history, announcements).
    void zaehleLaufAls(Laufart art, const QString& name);
    // A tournament drives its qualification or its heats from now on / none any more.
    void beginneTurnierPhase(Laufart phase);
    void beendeTurnierPhase();
    // Whether a speech engine is there to announce (the program start finds out).
    void meldeSprachagent(bool vorhanden);

    // ---- announcements
    // MeldungsAnsage(art) has the bit of the current RennArt.
    bool ansageAktiv(int art) const;
    // Language text 1..13 of the current language ("" when missing).
    QString Text(int nummer) const;
    // Reloads the texts for LangId.
    void SetzeTexte();

    // ---- lap path
    // The lap entry of every timing source: input number and its time value.
    // zehntel: tenths of a ms on top of TempZeit from counters that measure finer.
    // verpasst: laps the device counted before this crossing that never reached the program
    // (booked before it, with the time since the lane's last crossing shared out, remark " Z").
    void RundenErfassung(int B, qint32 TempZeit, int zehntel = 0, int verpasst = 0);
    // The timing stopped (true) or started again (false) counting during the run: a lap that
    // spans the gap may hold a crossing nobody saw, so it is never a best lap (remark " U").
    void zeitnahmeUnterbrochen(bool unterbrochen);
    // Simulation button of lane bahn: a crossing now.
    void GetPortnummer(int bahn);
    // The interface took a crossing that waits for the next tick / stamped one at zeit.
    void meldeWartendeRunde();
    void merkeZeitstempel(qint32 zeit);
    // Evaluates the crossings that wait now, not at the next tick (BildschirmRefresh).
    void werteWartendeRundenAus();
    // Drains the lap buffer (oldest crossing first), walks the standings into the lane panels
    // and re-stacks them. Every lap it evaluates is committed when it returns.
    void BildschirmRefresh();
    // Lanes nobody drives in the coming runs (the free lanes of a tournament heat): a crossing
    // there is never counted, and they stay out of the standings and the results. An empty
    // list frees none.
    void setzeFreieBahnen(const QVector<int>& bahnen);
    bool istFreieBahn(int bahn) const;
    // Crossings waiting in the lap buffer.
    int wartendeRunden() const;
    // Counted laps on their way into the database (kept while it cannot be written).
    Rundensicherung& sicherung() { return *m_sicherung; }
    // A new run may clear the lap table: every lap of the last run is stored. Otherwise one
    // more try, then a message that says why not, and false.
    bool bereitFuerNeuenLauf();

    // ---- standings and history
    void AktPositionen(int slot, qint16& runden, qint32& letzteRunde, qint32& gesamt, qint32& beste,
                       qint16& besteNr);
    // Reloads the panels' fixed values; 2 puts each lane on its own panel, any other value
    // puts the rows on the panels in standing order.
    void SetzeAnzeigeWerte(int sortierung);
    void CheckSchnellsteRunde();
    // History copy and stamp (one transaction), then the race result file when enabled.
    // False when either failed (the message has been shown).
    bool KopieToHistRennen();
    // The standings rows (lanes 1..AnzBahnen but the free ones) in the order of the current
    // ranking choice, from memory.
    QVector<PositionsZeile> rangliste() const;
    // The standings of the running race as the engine keeps them.
    const Rennstand& stand() const { return m_stand; }
    // A lane's row changed outside the lap path (a correction): places again, then the row
    // goes to the database with the others that changed.
    PositionsZeile* standZeile(int bahn) { return m_stand.zeile(bahn); }
    void standGeaendert(int bahn);
    // The counted laps of the run per lane, in memory (for corrections).
    Laufrunden& laufrunden() { return m_laufrunden; }
    // The order clause of the current ranking choice, e.g. " order by runden DESC,gesamt,bahn".
    QString ordnung() const;

    // ---- lane panels
    SlotWerte& slotWerte(int bahn);  // the panel created for lane bahn (1..6)
    SlotWerte& panel(int index);     // panel index 0..5
    // First panel among 0..AnzBahnen-1 showing the lane / the position; panel 0 when none.
    SlotWerte* GetSlotAnzeigeFromBahn(int bahn);
    SlotWerte* GetSlotAnzeigeFromPosition(int platz);
    int panelIndexVonBahn(int bahn) const;
    int panelIndexVonPosition(int platz) const;
    // Lanes of the shown panels from top to bottom.
    QVector<int> panelReihenfolge() const;
    // Back to lane order (the main window's arrangement on resize).
    void ordneNachBahn();

signals:
    void panelsGeaendert();   // values or order of the lane panels changed
    void zustandGeaendert();  // RennArt/AktRennName/mode/option/limit changed
    void fruehstart(int bahn);
    // A lap the lap path counted, as its row goes to the database (uhrzeit: time of day).
    void rundeGezaehlt(const Rundeneintrag& runde, const QString& uhrzeit);

private:
    // One crossing of the buffer: the laps the device counted unseen first, then this one.
    void werteAus(int slot, qint32 zeit, int zehntel, int verpasst, qint32 ankunft);
    void bucheVerpassteRunden(int slot, int anzahl, qint32 aktuelleRunde, qint32 ankunft);
    // vomGeraet: a lap the device counted while the program saw nothing of it.
    void RundenErfassung2(int i, qint32 TempZeit, int zehntel = 0, bool vomGeraet = false);
    // The lap from the lane's last crossing to stempel spans a period without timing.
    bool ueberbruecktUnterbrechung(size_t slot, qint32 stempel) const;
    int bahnVonSlot(int slot);
    // MyInit's empty lane: the values are written as they are, best lap 999999 included.
    void leereBahnVeroeffentlichen(int slot);
    void AktRennenNeu(const QString& fahrer, int slot, const QString& autoName,
                      const QString& strecke, int runde, double zeit, double gesamt, double geschw,
                      const QString& rennInfo, int bahn);
    bool ansageFaellig(int art, int runden) const;
    QString rennStempel() const;
    void setzeRennArtNachOption();
    static bool istGueltigerSlot(int slot) { return slot >= 1 && slot <= 6; }
    int anzBahnen() const;

    Uhr& m_uhr;
    Datenbank& m_db;
    Einstellungen& m_e;
    EinstellungsSpeicher& m_speicher;
    Ansage& m_ansage;
    Rueckfrage& m_rueckfrage;
    RennHardware& m_hw;

    RennZustand m_z;
    Rennstand m_stand;
    Laufrunden m_laufrunden;
    std::unique_ptr<RundenPuffer> m_puffer;
    std::unique_ptr<Rundenprotokoll> m_protokoll;
    std::unique_ptr<SlotAnzeigen> m_anzeigen;
    std::unique_ptr<Rundensicherung> m_sicherung;
    QStringList m_texte;  // index 0 = text 1
    bool m_imRefresh = false;
    // Remark of the lap row AktPositionen writes next, and whether that lap is announced.
    QString m_rundenVermerk;
    bool m_rundeStill = false;
};
