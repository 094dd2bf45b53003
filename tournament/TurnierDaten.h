#pragma once
// The tournament tables: slotrennen (one row per tournament), slotrennenfahrer (entrants with
// their qualifying result and group) and slotrennenlauf (the heat schedule with its results),
// and the hand-over of drivers to positionen before a run. Every value is bound; the writes
// that belong together run in one transaction.

#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

#include "engine/Rangliste.h"
#include "tournament/RennLaufBelegung.h"

class Datenbank;

// One tournament as the dialog's inputs show it.
struct SlotRennen {
    qint64 rowid = -1;
    QString RennName;
    QString RennSerie;
    QString Strecke;
    QString QualiZeit;
    QString Dauer;
    QString TriggerZeit;
    QString Renndatum;
    bool optionZeit = true;  // option "Zeit" (stored as RennTyp "Runden"), else "Runden"
    int Spuren = 4;
    int QualiSpur = 2;
    bool StartOption = false;
    // "Gruppen ausgleichen": group sizes differ by one at most; else every group but the
    // highest is filled to the lane count.
    bool gruppenAusgleichen = false;

    // Series, a blank and name: the name of the tournament in the other tables.
    QString schluessel() const { return RennSerie + QLatin1Char(' ') + RennName; }
};

class TurnierDaten {
public:
    // Entrant grid orders: as entered by group, by qualification, by group and qualification.
    enum class Sortierung { Eingabe, Quali, Gruppe };

    struct Teilnehmer {
        qint64 rowid = -1;
        QString fahrer;
        QString autoName;
        QVariant qualiR, qualiZ, qualiSR;  // null until the qualifying run
        int gruppe = 0;
    };

    explicit TurnierDaten(Datenbank& db);
    Datenbank& datenbank() { return m_db; }
    // Reason of the last failed call.
    QString letzterFehler() const { return m_fehler; }
    int letzteFehlerNr() const { return m_fehlerNr; }

    // ---- tournaments
    QVector<SlotRennen> turniere();
    bool fuegeEin(SlotRennen& r);  // sets r.rowid
    bool aendere(const SlotRennen& r);
    // The tournament with its entrants and heats, in one transaction.
    bool loesche(const SlotRennen& r);
    bool setzeRenndatum(const SlotRennen& r, const QString& datum);
    // Entrants or heats of the key that already carry a result.
    bool hatErgebnisse(const QString& schluessel);

    // ---- entrants
    QVector<Teilnehmer> teilnehmer(const QString& schluessel, Sortierung s);
    static QString teilnehmerSql(Sortierung s);  // one bound value: the key
    // The pairs as entrants of the key, in one transaction: alleNeu replaces the entrants (and
    // their results) by them; otherwise those whose driver is an entrant already are left out
    // and named in doppelt.
    bool uebernehme(const QString& schluessel, const QVector<RennLaufBelegung::Teilnehmer>& liste,
                    bool alleNeu = true, QStringList* doppelt = nullptr);
    // The driver is an entrant of the key (names compared as the database compares them).
    bool istTeilnehmer(const QString& schluessel, const QString& fahrer);
    bool fuegeTeilnehmerEin(const QString& schluessel, const QString& fahrer,
                            const QString& autoName);
    bool speichereQuali(qint64 rowid, double runden, double zeit, double runde);
    bool setzeGruppen(const QVector<qint64>& rowids, const QVector<int>& gruppen);

    // ---- heats
    // Deletes the schedule of the key and writes the groups' heats, in one transaction.
    // zufall: shuffled first heat string per group; log: the steps for the debug log.
    bool belegeLaeufe(const QString& schluessel, const QString& rotation, class Uhr* zufall,
                      QStringList* log);
    QVector<QSqlRecord> laeufe(const QString& schluessel);
    static QString laeufeSql();
    int maxGruppe(const QString& schluessel);
    int maxLauf(const QString& schluessel, int gruppe);
    // Laps and total time of the lanes' standings rows into the heat's rows (a lane without a
    // heat row changes nothing), in one transaction.
    bool schreibeErgebnisse(const QString& schluessel, int gruppe, int lauf,
                            const QVector<PositionsZeile>& bahnen);

    // ---- standings and report
    static QString wertungSql();
    QVector<QSqlRecord> wertung(const QString& schluessel);
    // "Runde: 0012 Spur: 3 - 9.874" for the fastest race lap in the history, or "keine Angabe".
    QString GetSchnellsteRunde(const QString& schluessel, const QString& fahrer,
                               const QString& autoName);

    // ---- hand-over to the race engine
    // The name of a free lane's placeholder in positionen and the schedule.
    static QString platzhalter() { return QStringLiteral("Dummy"); }
    // Every lane "Dummy", then driver and car on the qualifying lane. frei: the other lanes.
    bool ladeQuali(const QString& fahrer, const QString& autoName, int spur, QVector<int>* frei);
    // Every lane reset to a placeholder, then the drivers of heat lauf of group gruppe.
    // frei: the lanes no entrant drives in that heat.
    bool ladeLauf(const QString& schluessel, int gruppe, int lauf, QVector<int>* frei);

    // ---- master data
    QStringList fahrerNamen();
    QStringList autoNamen();
    // Cars assigned to the driver; all cars when none is.
    QStringList autosVon(const QString& fahrer);

private:
    QVector<QSqlRecord> lese(const QString& sql, const QVariantList& werte = {});
    bool fuehreAus(const QString& sql, const QVariantList& werte = {});
    template <typename F>
    bool inTransaktion(F schritte);

    Datenbank& m_db;
    QString m_fehler;
    int m_fehlerNr = 0;
};
