#pragma once
// "Hall of Fame": the lap records (schnellsterunden) with track, lane, car, driver, time, lap,
// speed and day. A click on a column header sorts by it (times and days by their value), the
// text field keeps the rows that contain the text in any column, the track choice one track,
// and "Nur Rekorde" the fastest row of each track, lane and car. The window only reads.

#include <QWidget>

#include "tournament/Fahrerstatistik.h"

class Datenbank;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

class frmHallOfFame : public QWidget {
    Q_OBJECT
public:
    explicit frmHallOfFame(Datenbank& db, QWidget* parent = nullptr);

    QComboBox* cobStrecke() const { return m_strecke; }
    QLineEdit* filter() const { return m_filter; }
    QCheckBox* nurRekorde() const { return m_nurRekorde; }
    QTableView* grid() const { return m_grid; }
    QSortFilterProxyModel* sortierung() const { return m_sortierung; }

    // Reads the records again (the track choice and the check box changed).
    void lade();

private:
    Fahrerstatistik m_statistik;
    QComboBox* m_strecke;
    QLineEdit* m_filter;
    QCheckBox* m_nurRekorde;
    QTableView* m_grid;
    QStandardItemModel* m_modell;
    QSortFilterProxyModel* m_sortierung;
};
