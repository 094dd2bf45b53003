#pragma once
// "Rundentabelle": the laps of the current race (aktrennen) or of a past one (histrennen),
// for all drivers or one, in a grid (times with three decimals); a second tab charts the lap
// times, one line per driver in the colour of the driver's lane; "Export…" writes the shown
// laps to CSV or PDF, suggesting "<race>-<date>" in the folder used last, and says where it
// wrote. Races are listed by their stamp and name. The window only reads. It closes on
// "Ende", on a double click and as soon as it loses the focus to another window of the program.

#include <QColor>
#include <QVariantList>
#include <QWidget>
#include <array>
#include <functional>

#include "darstellung/RundenExport.h"

class Datenbank;
class QChart;
class QChartView;
class QComboBox;
class QSqlQueryModel;
class QTabWidget;
class QTableView;

class frmRundentabelle : public QWidget {
    Q_OBJECT
public:
    // Chooses the export file: the title, the path suggested, the filters; returns the path
    // and the chosen filter.
    using SpeicherWahl =
        std::function<QString(const QString& titel, const QString& vorschlag,
                              const QString& filter, QString* gewaehlterFilter)>;
    // A message to the user (where the file went, why it could not be written).
    using Meldung = std::function<void(const QString& text)>;

    // anzHistRennen: how many past races the choice lists; bildschirmHoehe: -1 the screen's.
    frmRundentabelle(Datenbank& db, int anzHistRennen, int bildschirmHoehe = -1,
                     QWidget* parent = nullptr);

    void setzeSpeicherWahl(SpeicherWahl wahl) { m_speicherWahl = std::move(wahl); }
    void setzeMeldung(Meldung meldung) { m_meldung = std::move(meldung); }
    // The folder of the last export (empty: none yet, the home folder is offered) and where
    // the folder of a new one is kept.
    void setzeOrdner(std::function<QString()> hole, std::function<void(const QString&)> merke);
    // The lane colours (index = lane 1..6) for the chart.
    void setzeBahnFarben(const std::array<QColor, 7>& farben);
    // The path the export offers: "<race>-<date>.csv" (or .pdf) in the last folder used.
    QString vorschlag(bool pdf) const;
    QComboBox* cobRennen() const { return m_rennen; }
    QComboBox* cobFahrer() const { return m_fahrer; }
    QTableView* grid() const { return m_grid; }
    QTabWidget* seiten() const { return m_seiten; }
    QChart* diagramm() const;
    // The laps as shown (the grid's rows).
    RundenDaten daten() const;

    void RennenGewaehlt();
    void FahrerGewaehlt();
    void Export_Click();

protected:
    void changeEvent(QEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void zeige(const QString& wo, const QVariantList& werte);
    void zeichne();
    // Stamp and race name of the race chosen (the current one: from its laps).
    QString stempel() const;
    QString rennName() const;

    Datenbank& m_db;
    SpeicherWahl m_speicherWahl;
    Meldung m_meldung;
    std::function<QString()> m_holeOrdner;
    std::function<void(const QString&)> m_merkeOrdner;
    std::array<QColor, 7> m_farben;
    QString m_wo;  // the source of the rows shown, with its values
    QVariantList m_werte;
    QComboBox* m_rennen;
    QComboBox* m_fahrer;
    QTableView* m_grid;
    QSqlQueryModel* m_modell;
    QTabWidget* m_seiten;
    QChartView* m_diagramm;
};
