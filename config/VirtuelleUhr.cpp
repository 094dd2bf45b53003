#include "config/VirtuelleUhr.h"

#include <algorithm>
#include <cmath>

namespace {
// A repeating timer of 0 ms would never let time move on; it ticks every millisecond instead.
qint64 schritt(int intervall) { return std::max(intervall, 1); }
}  // namespace

class VirtuellerTimer : public UhrTimer {
public:
    VirtuellerTimer(VirtuelleUhr* uhr, QObject* parent) : UhrTimer(parent), m_uhr(uhr) {
        m_uhr->anmelden(this);
    }
    ~VirtuellerTimer() override {
        if (m_uhr) m_uhr->abmelden(this);
    }

    void setInterval(int ms) override {
        m_intervall = std::max(ms, 0);
        if (m_aktiv) start();  // like QTimer: a running timer starts over with the new interval
    }
    int interval() const override { return m_intervall; }
    void setSingleShot(bool einmal) override { m_einmal = einmal; }
    bool isSingleShot() const override { return m_einmal; }
    void start() override {
        if (!m_uhr) return;  // the clock is gone; nothing can drive this timer any more
        m_aktiv = true;
        m_faellig = m_uhr->m_jetztMs + m_intervall;
        m_folge = ++m_uhr->m_folge;
        ++m_startNr;
    }
    void stop() override { m_aktiv = false; }
    bool isActive() const override { return m_aktiv; }

    bool bereit() const { return m_aktiv && m_gesperrtFuer != m_startNr; }

    QPointer<VirtuelleUhr> m_uhr;
    int m_intervall = 0;
    bool m_einmal = false;
    bool m_aktiv = false;
    qint64 m_faellig = 0;
    quint64 m_folge = 0;
    qint64 m_startNr = 0;        // counts start() calls, so a restart inside timeout is seen
    qint64 m_gesperrtFuer = -1;  // start number whose timeout is running right now
};

VirtuelleUhr::VirtuelleUhr(qint64 startMs, QDateTime startZeit, QObject* parent)
    : Uhr(parent), m_startMs(startMs), m_startZeit(std::move(startZeit)) {
    // The same random numbers on every run unless the user of the clock seeds it otherwise.
    setzeSaat(1);
}

UhrTimer* VirtuelleUhr::neuerTimer(QObject* parent) {
    return new VirtuellerTimer(this, parent ? parent : this);
}

void VirtuelleUhr::anmelden(VirtuellerTimer* t) { m_timer.emplace_back(t); }

void VirtuelleUhr::abmelden(VirtuellerTimer* t) {
    std::erase_if(m_timer, [t](const QPointer<VirtuellerTimer>& p) { return !p || p == t; });
}

VirtuellerTimer* VirtuelleUhr::naechster(qint64 bis) const {
    VirtuellerTimer* best = nullptr;
    for (const auto& p : m_timer) {
        VirtuellerTimer* t = p.data();
        if (!t || !t->bereit() || t->m_faellig > bis) continue;
        if (!best || t->m_faellig < best->m_faellig ||
            (t->m_faellig == best->m_faellig && t->m_folge < best->m_folge))
            best = t;
    }
    return best;
}

void VirtuelleUhr::feuere(VirtuellerTimer* t) {
    QPointer<VirtuellerTimer> p(t);
    const qint64 startNr = t->m_startNr;
    if (t->m_einmal)
        t->m_aktiv = false;
    else
        t->m_faellig += schritt(t->m_intervall);
    const qint64 vorher = t->m_gesperrtFuer;
    t->m_gesperrtFuer = startNr;

    emit t->timeout();

    if (!p) return;  // deleted by its own timeout
    p->m_gesperrtFuer = vorher;
    if (p->m_aktiv && !p->m_einmal && p->m_startNr == startNr && p->m_faellig < m_jetztMs) {
        // A wait inside the timeout ran past further ticks: skip them rather than burst.
        const qint64 iv = schritt(p->m_intervall);
        p->m_faellig += (m_jetztMs - p->m_faellig + iv - 1) / iv * iv;
    }
}

bool VirtuelleUhr::laufeBis(qint64 ziel, bool beiAbbruchEnden) {
    for (;;) {
        if (beiAbbruchEnden && m_abgebrochen) return false;
        VirtuellerTimer* t = naechster(ziel);
        if (!t) break;
        // A nested wait may already have carried time past this timer's due time.
        m_jetztMs = std::max(m_jetztMs.load(), t->m_faellig);
        feuere(t);
    }
    m_jetztMs = std::max(m_jetztMs.load(), ziel);
    return !(beiAbbruchEnden && m_abgebrochen);
}

void VirtuelleUhr::vorruecken(qint64 ms) { laufeBis(m_jetztMs + std::max<qint64>(ms, 0)); }

bool VirtuelleUhr::naechsterTimer(qint64 bisMs) {
    VirtuellerTimer* t = naechster(m_jetztMs + std::max<qint64>(bisMs, 0));
    if (!t) return false;
    laufeBis(std::max(m_jetztMs.load(), t->m_faellig));
    return true;
}

bool VirtuelleUhr::Warte(double sekunden) {
    if (m_abgebrochen) return false;
    // At most about 30 years; beyond that the arithmetic would overflow.
    const double ms = std::clamp(sekunden * 1000.0, 0.0, 1e12);
    return laufeBis(m_jetztMs + std::llround(std::isnan(ms) ? 0.0 : ms), true);
}
