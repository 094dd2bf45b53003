#include "engine/Rennstand.h"

#include <algorithm>

bool Rennstand::lade(Datenbank& db, bool nurNamen, QString* fehler) {
    QString grund;
    const QVector<PositionsZeile> zeilen =
        Rangliste(db).lese(6, QStringLiteral(" order by bahn"), &grund);
    if (!grund.isEmpty()) {
        if (fehler) *fehler = grund;
        return false;
    }
    m_vorhanden.fill(false);
    for (const PositionsZeile& z : zeilen) {
        if (z.bahn < 1 || z.bahn > 6) continue;
        PositionsZeile& ziel = m_zeilen[size_t(z.bahn)];
        if (nurNamen) {
            ziel.bahn = z.bahn;
            ziel.fahrerNr = z.fahrerNr;
            ziel.fahrer = z.fahrer;
            ziel.autoName = z.autoName;
            ziel.strecke = z.strecke;
            ziel.laenge = z.laenge;
        } else {
            ziel = z;
        }
        m_vorhanden[size_t(z.bahn)] = true;
    }
    return true;
}

QVector<PositionsZeile> Rennstand::sortiert(int anzBahnen, int option1) const {
    QVector<PositionsZeile> zeilen;
    for (int b = 1; b <= std::min(anzBahnen, 6); ++b)
        if (m_vorhanden[size_t(b)]) zeilen.append(m_zeilen[size_t(b)]);
    // The same order as the table's order clauses (Rangliste::ordnung).
    const auto vor = [option1](const PositionsZeile& a, const PositionsZeile& b) {
        switch (option1) {
            case 0:
                if (a.runden != b.runden) return a.runden > b.runden;
                if (a.gesamt != b.gesamt) return a.gesamt < b.gesamt;
                break;
            case 2:
                if (a.schnellsteGeschw != b.schnellsteGeschw)
                    return a.schnellsteGeschw > b.schnellsteGeschw;
                break;
            default:
                if (a.schnellste != b.schnellste) return a.schnellste < b.schnellste;
                break;
        }
        return a.bahn < b.bahn;
    };
    std::stable_sort(zeilen.begin(), zeilen.end(), vor);
    return zeilen;
}

PositionsZeile* Rennstand::zeileVonSlot(int slot, int anzBahnen, int option1) {
    for (const PositionsZeile& z : sortiert(anzBahnen, option1))
        if (z.fahrerNr == slot) return &m_zeilen[size_t(z.bahn)];
    return nullptr;
}

PositionsZeile* Rennstand::zeile(int bahn) {
    return bahn >= 1 && bahn <= 6 && m_vorhanden[size_t(bahn)] ? &m_zeilen[size_t(bahn)]
                                                                : nullptr;
}

const PositionsZeile* Rennstand::zeile(int bahn) const {
    return bahn >= 1 && bahn <= 6 && m_vorhanden[size_t(bahn)] ? &m_zeilen[size_t(bahn)]
                                                                : nullptr;
}

void Rennstand::nummeriere(const QVector<PositionsZeile>& reihenfolge) {
    for (int k = 0; k < reihenfolge.size(); ++k) {
        PositionsZeile* z = zeile(reihenfolge[k].bahn);
        if (!z || z->platz == k + 1) continue;
        z->platz = k + 1;
        m_geaendert.insert(z->bahn);
    }
}

void Rennstand::markiereAlle() {
    for (int b = 1; b <= 6; ++b)
        if (m_vorhanden[size_t(b)]) m_geaendert.insert(b);
}

QVector<PositionsZeile> Rennstand::nimmGeaenderte() {
    QVector<PositionsZeile> zeilen;
    for (int b = 1; b <= 6; ++b)
        if (m_geaendert.contains(b) && m_vorhanden[size_t(b)]) zeilen.append(m_zeilen[size_t(b)]);
    m_geaendert.clear();
    return zeilen;
}
