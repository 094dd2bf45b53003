#pragma once
// "Statistik": a driver's figures from the history and the tournaments. Choose the driver and,
// if wanted, one of his cars and tracks; the window shows his laps in total, his best lap per
// track and car with its day, per race evening the laps, best lap, mean lap and its spread, a
// chart of best and mean lap per evening over time, and his tournament places. "Export…"
// writes all of it to CSV or PDF in the folder used last. The window only reads.

#include <QWidget>
#include <functional>

#include "tournament/Fahrerstatistik.h"

class Datenbank;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QStandardItemModel;
class QTabWidget;
class QTableView;

class frmStatistik : public QWidget {
    Q_OBJECT
public:
    // As the lap tables' export: the file chooser (title, path offered, filters; returns the
    // path and the filter chosen) and a message to the user.
    using SpeicherWahl = std::function<QString(const QString& titel, const QString& vorschlag,
                                               const QString& filter, QString* gewaehlterFilter)>;
    using Meldung = std::function<void(const QString& text)>;

    explicit frmStatistik(Datenbank& db, QWidget* parent = nullptr);

    void setzeSpeicherWahl(SpeicherWahl wahl) { m_speicherWahl = std::move(wahl); }
    void setzeMeldung(Meldung meldung) { m_meldung = std::move(meldung); }
    void setzeOrdner(std::function<QString()> hole, std::function<void(const QString&)> merke);

    // Chooses the driver (as the list spells him) and shows his figures; false when the list
    // has no such driver.
    bool waehleFahrer(const QString& name);
    // "Statistik-<driver>-<today>.csv" (or .pdf) in the folder used last.
    QString vorschlag(bool pdf) const;
    Fahrerstatistik::Auswahl auswahl() const;
    const Fahrerstatistik::Ergebnis& ergebnis() const { return m_ergebnis; }

    QComboBox* cobFahrer() const { return m_fahrer; }
    QComboBox* cobAuto() const { return m_auto; }
    QComboBox* cobStrecke() const { return m_strecke; }
    QTableView* bestrunden() const { return m_bestrunden; }
    QTableView* abende() const { return m_abende; }
    QTableView* turniere() const { return m_turniere; }
    QTabWidget* seiten() const { return m_seiten; }
    QChart* diagramm() const;

    void FahrerGewaehlt();
    void AuswahlGeaendert();
    void Export_Click();

private:
    void zeige();
    void zeichne();

    Fahrerstatistik m_statistik;
    Fahrerstatistik::Ergebnis m_ergebnis;
    SpeicherWahl m_speicherWahl;
    Meldung m_meldung;
    std::function<QString()> m_holeOrdner;
    std::function<void(const QString&)> m_merkeOrdner;
    QComboBox* m_fahrer;
    QComboBox* m_auto;
    QComboBox* m_strecke;
    QLabel* m_summe;
    QTabWidget* m_seiten;
    QTableView* m_bestrunden;
    QTableView* m_abende;
    QTableView* m_turniere;
    QStandardItemModel* m_bestModell;
    QStandardItemModel* m_abendModell;
    QStandardItemModel* m_turnierModell;
    QChartView* m_diagramm;
};
