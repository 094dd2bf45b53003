#include "engine/SlotAnzeigen.h"

SlotAnzeigen::SlotAnzeigen(QObject* eltern) {
    for (int i = 0; i < 6; ++i) {
        m_panels[size_t(i)] = new SlotWerte(eltern);
        m_reihenfolge.append(i);
    }
}

int SlotAnzeigen::indexVonBahn(int bahn, int anz) const {
    for (int i = 0; i < anz && i < 6; ++i) {
        if (m_panels[size_t(i)]->ReturnBahn() == bahn) return i;
    }
    return 0;
}

int SlotAnzeigen::indexVonPosition(int platz, int anz) const {
    for (int i = 0; i < anz && i < 6; ++i) {
        if (m_panels[size_t(i)]->ReturnPosition() == platz) return i;
    }
    return 0;
}

QVector<int> SlotAnzeigen::reihenfolge(int anz) const {
    QVector<int> bahnen;
    for (int index : m_reihenfolge) {
        if (index < anz) bahnen.append(m_panels[size_t(index)]->ReturnBahn());
    }
    return bahnen;
}

void SlotAnzeigen::ordneNachBahn() {
    QVector<int> neu;
    for (int bahn = 1; bahn <= 6; ++bahn) {
        for (int i = 0; i < 6; ++i) {
            if (m_panels[size_t(i)]->ReturnBahn() == bahn && !neu.contains(i)) neu.append(i);
        }
    }
    for (int i = 0; i < 6; ++i) {
        if (!neu.contains(i)) neu.append(i);
    }
    m_reihenfolge = neu;
}

void SlotAnzeigen::stapele(const QVector<int>& oben, int anz) {
    QVector<int> neu;
    for (int index : oben) {
        if (index >= 0 && index < 6 && !neu.contains(index)) neu.append(index);
    }
    for (int index : std::as_const(m_reihenfolge)) {
        if (index < anz && !neu.contains(index)) neu.append(index);
    }
    for (int index : std::as_const(m_reihenfolge)) {
        if (!neu.contains(index)) neu.append(index);
    }
    m_reihenfolge = neu;
}
