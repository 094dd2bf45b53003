#include "config/Uhr.h"

#include <utility>

void Uhr::abbrechen() {
    m_abgebrochen = true;
    emit abbruch();
}

int Uhr::zufall(int von, int bis) {
    if (von > bis) std::swap(von, bis);
    std::uniform_int_distribution<int> verteilung(von, bis);
    return verteilung(m_zufall);
}
