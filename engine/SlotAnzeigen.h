#pragma once
// The six lane panels' values of the main window, found by lane or by position, and the
// order in which the shown panels are stacked from top to bottom.

#include <QVector>
#include <array>

#include "engine/SlotWerte.h"

class SlotAnzeigen {
public:
    // Creates the six panels as children of eltern, panel i showing lane i + 1.
    explicit SlotAnzeigen(QObject* eltern);

    SlotWerte& panel(int index) { return *m_panels[size_t(qBound(0, index, 5))]; }
    const std::array<SlotWerte*, 6>& alle() const { return m_panels; }

    // First panel among 0..anz-1 showing the lane / position; 0 when none does.
    int indexVonBahn(int bahn, int anz) const;
    int indexVonPosition(int platz, int anz) const;

    // Lanes of the first anz panels in stacking order, top first.
    QVector<int> reihenfolge(int anz) const;
    // Stacks the panels in lane order.
    void ordneNachBahn();
    // Puts the given panels on top in this order; the other shown panels keep their order
    // below them.
    void stapele(const QVector<int>& oben, int anz);

private:
    std::array<SlotWerte*, 6> m_panels{};
    QVector<int> m_reihenfolge;  // panel indices, top first
};
