#pragma once
// The standings table positionen (one row per lane) and the lap-record table schnellsterunden:
// reading rows in a ranking order, writing a lane's lap values and its place, and carrying
// the fastest laps of a run into the lap records. All statements bind their values.

#include <QCoreApplication>
#include <QSqlRecord>
#include <QString>
#include <QVector>
#include <optional>

class Datenbank;

struct PositionsZeile {
    int bahn = 0;
    int fahrerNr = 0;
    int platz = 0;
    QString fahrer;
    QString autoName;
    QString strecke;
    double laenge = 0;  // mm
    int runden = 0;
    qint64 gesamt = 0;  // ms
    int schnellsteRunde = 0;
    qint64 schnellste = 0;  // ms
    QString wann;
    qint64 aktRunde = 0;  // ms
    int zurVorRunde = 0;
    double schnellsteGeschw = 0;  // m/s
    double aktGeschw = 0;
};

class Rangliste {
    Q_DECLARE_TR_FUNCTIONS(Rangliste)

public:
    explicit Rangliste(Datenbank& db) : m_db(db) {}

    // Order clause of a ranking choice: 0 race, 1 fastest lap, 2 highest speed.
    static QString ordnung(int option1);

    // Rows of lanes 1..anzBahnen in the given order; empty (and fehler set) on error.
    QVector<PositionsZeile> lese(int anzBahnen, const QString& ordnung, QString* fehler = nullptr);
    // The same rows with every column, for readers outside the lap path.
    QVector<QSqlRecord> leseSaetze(int anzBahnen, const QString& ordnung,
                                   QString* fehler = nullptr);
    // The first row in that order whose FahrerNr is slot.
    std::optional<PositionsZeile> zeileVonSlot(int slot, int anzBahnen, const QString& ordnung,
                                               QString* fehler = nullptr);
    // Writes the lap columns (laps, times, comparison, when, speeds) of the row's lane.
    bool schreibeRunde(const PositionsZeile& z, QString* fehler = nullptr);
    // The same and the place: a row as the standings in memory hold it.
    bool schreibeZeile(const PositionsZeile& z, QString* fehler = nullptr);
    bool setzePlatz(int bahn, int platz, QString* fehler = nullptr);
    // Writes Platz = 1, 2, ... in the order of the rows as read beforehand, touching only the
    // rows whose place changed. Reading first keeps a re-sorting query from skipping rows.
    bool nummeriere(const QVector<PositionsZeile>& zeilen, QString* fehler = nullptr);

    // Carries each row's fastest lap into schnellsterunden: a new record row when there is
    // none yet, an update only when the lap beats the stored time. Rows without a counted lap
    // are left out. On an error, schritt names the step and the transfer stops at that row.
    bool uebertrageSchnellsteRunden(const QVector<PositionsZeile>& zeilen, QString* schritt,
                                    QString* fehler);

private:
    Datenbank& m_db;
};
