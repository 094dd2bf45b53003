#pragma once
// "Rundentabelle": the laps of the current race (aktrennen) or of a past one (histrennen),
// for all drivers or one, in a grid; a second tab charts the lap times (one line per driver);
// "Export…" writes the shown laps to CSV or PDF. The window only reads. It closes on "Ende",
// on a double click and as soon as it loses the focus to another window of the program.

#include <QWidget>
#include <functional>

#include "RundenExport.h"

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
    // Chooses the export file: the title, the filters; returns the path and the chosen filter.
    using SpeicherWahl = std::function<QString(const QString& titel, const QString& filter,
                                               QString* gewaehlterFilter)>;

    // anzHistRennen: how many past races the choice lists; bildschirmHoehe: -1 the screen's.
    frmRundentabelle(Datenbank& db, int anzHistRennen, int bildschirmHoehe = -1,
                     QWidget* parent = nullptr);

    void setzeSpeicherWahl(SpeicherWahl wahl) { m_speicherWahl = std::move(wahl); }
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

    Datenbank& m_db;
    SpeicherWahl m_speicherWahl;
    QComboBox* m_rennen;
    QComboBox* m_fahrer;
    QTableView* m_grid;
    QSqlQueryModel* m_modell;
    QTabWidget* m_seiten;
    QChartView* m_diagramm;
};
