#include "engine/Laufrunden.h"

#include <algorithm>

namespace {
bool gueltig(int bahn) { return bahn >= 1 && bahn <= 6; }
}  // namespace

void Laufrunden::leere() {
    for (QVector<Runde>& r : m_runden) r.clear();
    m_korrekturen.clear();
}

void Laufrunden::merke(int bahn, int runde, qint32 zeit, qint32 gesamt, bool plus,
                       bool ohneBestzeit) {
    if (!gueltig(bahn)) return;
    m_runden[size_t(bahn)].append(
        Runde{++m_letzterSchluessel, runde, zeit, gesamt, plus, false, ohneBestzeit});
}

QVector<Laufrunden::Runde> Laufrunden::gezaehlte(int bahn) const {
    QVector<Runde> zaehlen;
    if (!gueltig(bahn)) return zaehlen;
    for (const Runde& r : m_runden[size_t(bahn)])
        if (!r.weg) zaehlen.append(r);
    return zaehlen;
}

Laufrunden::Runde Laufrunden::letzte(int bahn) const {
    if (!gueltig(bahn)) return {};
    const QVector<Runde>& r = m_runden[size_t(bahn)];
    for (auto it = r.crbegin(); it != r.crend(); ++it)
        if (!it->weg) return *it;
    return {};
}

Laufrunden::Runde Laufrunden::finde(int bahn, qint64 schluessel) const {
    if (!gueltig(bahn)) return {};
    for (const Runde& r : m_runden[size_t(bahn)])
        if (r.schluessel == schluessel && !r.weg) return r;
    return {};
}

int Laufrunden::danach(int bahn, qint64 schluessel) const {
    if (!gueltig(bahn)) return 0;
    int n = 0;
    for (const Runde& r : m_runden[size_t(bahn)])
        if (!r.weg && r.schluessel > schluessel) ++n;
    return n;
}

bool Laufrunden::nimmZurueck(int bahn, qint64 schluessel, Ruecknahme* was) {
    if (!gueltig(bahn)) return false;
    QVector<Runde>& runden = m_runden[size_t(bahn)];
    qsizetype i = 0;
    while (i < runden.size() && !(runden[i].schluessel == schluessel && !runden[i].weg)) ++i;
    if (i == runden.size()) return false;
    Runde& weg = runden[i];
    weg.weg = true;
    was->weg = weg;
    was->letzte = true;
    // The false crossing split one lap in two: the next lap runs from the crossing before it,
    // and every lap after it moves down by one number.
    for (qsizetype k = i + 1; k < runden.size(); ++k) {
        Runde& r = runden[k];
        if (r.weg) continue;
        if (was->letzte) {
            r.zeit += weg.zeit;
            was->letzte = false;
        }
        --r.runde;
        if (was->folgende.schluessel == 0) was->folgende = r;
    }
    if (!was->letzte) {
        // Best so far when it was driven: faster than every lap before it that could be one.
        qint32 beste = 99999;
        bool nachPlus = false;
        for (const Runde& r : runden) {
            if (r.weg) continue;
            if (r.schluessel == was->folgende.schluessel) {
                was->folgendeWarBeste = !r.plus && !nachPlus && r.zeit < beste;
                break;
            }
            if (!r.plus && !nachPlus) beste = std::min(beste, r.zeit);
            nachPlus = r.plus;
        }
    }
    return true;
}

std::pair<qint32, int> Laufrunden::beste(int bahn) const {
    qint32 zeit = 99999;
    int runde = 0;
    bool nachPlus = false;
    for (const Runde& r : gezaehlte(bahn)) {
        if (!r.plus && !r.ohneBestzeit && !nachPlus && r.zeit < zeit) {
            zeit = r.zeit;
            runde = r.runde;
        }
        nachPlus = r.plus;
    }
    return {zeit, runde};
}
