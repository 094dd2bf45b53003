#pragma once
// The places of the main window where a small window (the simulation) may go without hiding a
// lane panel's value: the two halves of the announcer's strip below the panels (when there is
// one), the free middle of the run's row, then the bar itself.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

class Knopfleiste;
class QWidget;

class FreieFlaechen {
public:
    FreieFlaechen(const QWidget& hauptfenster, const Knopfleiste& leiste);

    // The areas in global coordinates, in the order above (the strip's right half first when
    // asked).
    QVector<QRect> flaechen(bool rechtsZuerst = false) const;
    // Where a window of that size goes beside the panels (the simulation takes the right half
    // of the strip).
    QPoint vorschlag(const QSize& groesse, bool rechts = false) const;

private:
    const QWidget& m_fenster;
    const Knopfleiste& m_leiste;
};
