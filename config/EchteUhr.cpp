#include "config/EchteUhr.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <cmath>

namespace {
// UhrTimer over a precise QTimer: the race timer's 120 ms ticks must not drift by 5 %.
class EchterTimer : public UhrTimer {
public:
    explicit EchterTimer(QObject* parent) : UhrTimer(parent), m_timer(this) {
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &UhrTimer::timeout);
    }
    void setInterval(int ms) override { m_timer.setInterval(std::max(ms, 0)); }
    int interval() const override { return m_timer.interval(); }
    void setSingleShot(bool einmal) override { m_timer.setSingleShot(einmal); }
    bool isSingleShot() const override { return m_timer.isSingleShot(); }
    void start() override { m_timer.start(); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};
}  // namespace

EchteUhr::EchteUhr(QObject* parent) : Uhr(parent) { m_lauf.start(); }

UhrTimer* EchteUhr::neuerTimer(QObject* parent) { return new EchterTimer(parent ? parent : this); }

bool EchteUhr::Warte(double sekunden) {
    if (m_abgebrochen) return false;
    // The end is measured on the monotonic counter, so midnight or a clock change in between
    // does not matter.
    const double ms = std::isnan(sekunden) ? 0.0 : std::clamp(sekunden * 1000.0, 0.0, 1e12);
    const qint64 dauer = std::llround(ms);
    const qint64 ende = m_lauf.elapsed() + dauer;
    if (!QCoreApplication::instance() || dauer <= 0) {
        QCoreApplication::processEvents();
        return !m_abgebrochen;
    }

    QEventLoop schleife;
    QTimer wecker;
    wecker.setTimerType(Qt::PreciseTimer);
    wecker.setSingleShot(true);
    connect(&wecker, &QTimer::timeout, &schleife, &QEventLoop::quit);
    connect(this, &Uhr::abbruch, &schleife, &QEventLoop::quit);
    // A nested wait can return long after this one fell due; the loop is then left at once.
    while (!m_abgebrochen) {
        const qint64 rest = ende - m_lauf.elapsed();
        if (rest <= 0) break;
        wecker.start(int(std::min<qint64>(rest, 24 * 3600 * 1000)));
        schleife.exec();
    }
    return !m_abgebrochen;
}
