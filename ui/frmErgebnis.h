#pragma once
// The results window: the final order of the last run (place, driver, car, laps, total time,
// best lap, gap to the leader) in the run's ranking rule. It opens after every run and stays
// until it is closed; the "Ergebnis" entry of the Funktionen menu shows it again.

#include <QWidget>

#include "engine/Laufergebnis.h"

class QLabel;
class QPushButton;
class QTableWidget;

class frmErgebnis : public QWidget {
    Q_OBJECT
public:
    explicit frmErgebnis(QWidget* parent = nullptr);

    void zeige(const Laufergebnis& ergebnis);
    QTableWidget* tabelle() const { return m_tabelle; }
    QLabel* kopf() const { return m_kopf; }
    QLabel* korrekturen() const { return m_korrekturen; }
    static QStringList spalten();
    // "Training", "Quali" or "Rennen" as the window shows it.
    static QString artText(const QString& rennArt);

private:
    QLabel* m_kopf = nullptr;
    QTableWidget* m_tabelle = nullptr;
    QLabel* m_korrekturen = nullptr;
    QPushButton* m_schliessen = nullptr;
};
