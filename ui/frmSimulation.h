#pragma once
// The simulation window: one button per lane in the lane's colours; a press is a crossing of
// that lane now. Stays above the other windows.

#include <QVector>
#include <QWidget>

class QPushButton;
class Rennleitung;

class frmSimulation : public QWidget {
    Q_OBJECT
public:
    explicit frmSimulation(Rennleitung& leitung, QWidget* parent = nullptr);

    // Buttons for lanes 1..AnzBahnen, coloured from Farbe/FontFarbe.
    void baueKnoepfe();
    QPushButton* knopf(int index) const { return m_knoepfe.value(index); }
    int anzahlKnoepfe() const { return int(m_knoepfe.size()); }

private:
    Rennleitung& m_leitung;
    QVector<QPushButton*> m_knoepfe;
};
