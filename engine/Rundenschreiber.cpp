#include "engine/Rundenschreiber.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <QUuid>
#include <condition_variable>
#include <mutex>

#include "config/Uhr.h"
#include "data/Datenbank.h"

namespace {
// A retry as often as the race timer ticks while running.
constexpr int wiederholungMs = 120;
// Ticks that waited behind a failed one go in together, but not without end in one go.
constexpr int hoechstensTicks = 500;
}  // namespace

// The queue and the writing, the same on either side of a thread.
class Rundenschreiber::Kern {
public:
    std::deque<Eintrag> schlange;

    // Writes from the head as far as the database lets it. melde(nr, ok, fehlerNr, text)
    // after each write that succeeded (ok, nr the last job it covered) and after the one
    // that failed. False when something is left waiting.
    template <typename Melde>
    bool arbeite(Datenbank& db, Melde&& melde) {
        while (!schlange.empty()) {
            Eintrag& kopf = schlange.front();
            if (kopf.arbeit) {
                const Ergebnis e = kopf.arbeit(db);
                if (!e.ok) {
                    melde(kopf.nr, false, e.fehlerNr, e.text);
                    return false;
                }
                const qint64 nr = kopf.nr;
                schlange.pop_front();
                melde(nr, true, 0, e.text);
                continue;
            }
            size_t anzahl = 0;
            while (anzahl < schlange.size() && anzahl < size_t(hoechstensTicks) &&
                   schlange[anzahl].tick)
                ++anzahl;
            int fehlerNr = 0;
            QString text;
            if (!schreibeTicks(db, anzahl, &fehlerNr, &text)) {
                melde(kopf.nr, false, fehlerNr, text);
                return false;
            }
            const qint64 nr = schlange[anzahl - 1].nr;
            schlange.erase(schlange.begin(), schlange.begin() + qsizetype(anzahl));
            melde(nr, true, 0, QString());
        }
        return true;
    }

private:
    // The first anzahl entries (all ticks) in one transaction; nothing half-written.
    bool schreibeTicks(Datenbank& db, size_t anzahl, int* fehlerNr, QString* text) {
        bool ok = db.beginneTransaktion();
        QString grund = ok ? QString() : db.letzterFehler();
        QString stempel = m_gemerkterStempel;
        Rangliste rangliste(db);
        for (size_t i = 0; ok && i < anzahl; ++i) {
            const Tick& t = *schlange[i].tick;
            // The start stamp of the run: a crash recovery stamps the laps with it.
            if (!t.runden.isEmpty() && t.stempel != stempel) {
                ok = db.execute(QStringLiteral("insert or replace into laufstand (id, stempel, "
                                               "rennname) values (1, ?, ?)"),
                                {t.stempel, t.rennName}, &grund);
                stempel = t.stempel;
            }
            for (qsizetype k = 0; ok && k < t.positionen.size(); ++k)
                ok = rangliste.schreibeZeile(t.positionen.at(k), &grund);
            for (qsizetype k = 0; ok && k < t.runden.size(); ++k)
                ok = Rundenprotokoll::fuegeEin(db, t.runden.at(k).eintrag, t.runden.at(k).uhr,
                                               &grund);
        }
        if (ok) {
            ok = db.bestaetige();
            if (!ok) grund = db.letzterFehler();
        }
        if (ok) {
            m_gemerkterStempel = stempel;
            return true;
        }
        *fehlerNr = db.letzteFehlerNr();
        *text = Datenbank::schreibfehlerText(*fehlerNr, grund);
        db.verwerfe();
        return false;
    }

    QString m_gemerkterStempel;  // laufstand holds this stamp
};

// The writer's side of the thread: its connection, its queue, its retry timer.
class Rundenschreiber::Arbeiter : public QObject {
public:
    Arbeiter(Rundenschreiber& schreiber, QString pfad)
        : m_schreiber(schreiber), m_pfad(std::move(pfad)) {}

    // In the thread: the connection is made there and used nowhere else.
    void starte() {
        m_db = std::make_unique<Datenbank>(
            QStringLiteral("schreiber-") + QUuid::createUuid().toString(QUuid::WithoutBraces));
        m_offen = m_db->oeffneFuerSchreiber(m_pfad, &m_oeffnenFehler);
        m_timer = new QTimer(this);
        m_timer->setInterval(wiederholungMs);
        connect(m_timer, &QTimer::timeout, this, [this] { arbeite(); });
    }
    void beende() {
        if (m_timer) m_timer->stop();
        m_kern.schlange.clear();
        m_db.reset();
    }
    void nimm(std::shared_ptr<Eintrag> e) {
        m_kern.schlange.push_back(std::move(*e));
        // Written after every hand-over already waiting here has been taken: ticks that came
        // while the last write ran go into one transaction, not one fsync each.
        if (m_geplant) return;
        m_geplant = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_geplant = false;
                arbeite();
            },
            Qt::QueuedConnection);
    }
    void verwirf() {
        m_kern.schlange.clear();
        if (m_timer) m_timer->stop();
    }
    void arbeite() {
        if (!m_offen) {
            // The file could not be opened for writing: every write counts as failed.
            if (!m_kern.schlange.empty()) {
                // One more try: an unplugged stick may be back.
                m_db = std::make_unique<Datenbank>(QStringLiteral("schreiber-") +
                                                   QUuid::createUuid().toString(
                                                       QUuid::WithoutBraces));
                m_offen = m_db->oeffneFuerSchreiber(m_pfad, &m_oeffnenFehler);
            }
            if (!m_offen) {
                if (!m_kern.schlange.empty()) {
                    emit m_schreiber.versucht(m_kern.schlange.front().nr, false, 0,
                                              m_oeffnenFehler);
                    m_timer->start();
                }
                return;
            }
        }
        const bool fertig = m_kern.arbeite(
            *m_db, [this](qint64 nr, bool ok, int fehlerNr, const QString& text) {
                if (ok) {
                    {
                        std::lock_guard<std::mutex> sperre(m_mutex);
                        m_schreiber.m_erledigtBis.store(nr);
                    }
                    m_bedingung.notify_all();
                }
                emit m_schreiber.versucht(nr, ok, fehlerNr, text);
            });
        if (fertig)
            m_timer->stop();
        else if (!m_timer->isActive())
            m_timer->start();
    }
    // On the caller's thread: waits until nr is written or ms have passed.
    bool warte(qint64 nr, int ms) {
        std::unique_lock<std::mutex> sperre(m_mutex);
        return m_bedingung.wait_for(sperre, std::chrono::milliseconds(ms), [&] {
            return m_schreiber.m_erledigtBis.load() >= nr;
        });
    }

private:
    Rundenschreiber& m_schreiber;
    QString m_pfad;
    std::unique_ptr<Datenbank> m_db;
    bool m_offen = false;
    QString m_oeffnenFehler;
    QTimer* m_timer = nullptr;
    bool m_geplant = false;
    Kern m_kern;
    std::mutex m_mutex;
    std::condition_variable m_bedingung;
};

Rundenschreiber::Rundenschreiber(Datenbank& db, Uhr& uhr, QObject* parent)
    : QObject(parent), m_kern(std::make_unique<Kern>()), m_db(&db) {
    m_wiederholung = uhr.neuerTimer(this);
    m_wiederholung->setInterval(wiederholungMs);
    connect(m_wiederholung, &UhrTimer::timeout, this, &Rundenschreiber::versucheInline);
}

Rundenschreiber::Rundenschreiber(const QString& pfad, QObject* parent) : QObject(parent) {
    m_faden = new QThread(this);
    m_faden->setObjectName(QStringLiteral("Rundenschreiber"));
    m_arbeiter = new Arbeiter(*this, pfad);
    m_arbeiter->moveToThread(m_faden);
    connect(m_faden, &QThread::finished, m_arbeiter, &QObject::deleteLater);
    m_faden->start();
    QMetaObject::invokeMethod(m_arbeiter, [a = m_arbeiter] { a->starte(); },
                              Qt::QueuedConnection);
}

Rundenschreiber::~Rundenschreiber() {
    if (m_faden) {
        QMetaObject::invokeMethod(m_arbeiter, [a = m_arbeiter] { a->beende(); },
                                  Qt::BlockingQueuedConnection);
        m_faden->quit();
        m_faden->wait();
    }
}

qint64 Rundenschreiber::schicke(Tick tick) {
    Eintrag e;
    e.tick = std::make_unique<Tick>(std::move(tick));
    return reihe(std::move(e));
}

qint64 Rundenschreiber::schicke(Arbeit arbeit) {
    Eintrag e;
    e.arbeit = std::move(arbeit);
    return reihe(std::move(e));
}

qint64 Rundenschreiber::reihe(Eintrag e) {
    e.nr = ++m_gesendet;
    const qint64 nr = e.nr;
    if (m_faden) {
        auto geteilt = std::make_shared<Eintrag>(std::move(e));
        QMetaObject::invokeMethod(
            m_arbeiter, [a = m_arbeiter, geteilt] { a->nimm(geteilt); }, Qt::QueuedConnection);
    } else {
        m_kern->schlange.push_back(std::move(e));
        versucheInline();
    }
    return nr;
}

void Rundenschreiber::versucheInline() {
    // Whoever reacts to a write may send the next one: the loop running takes it along.
    if (m_arbeitet) return;
    m_arbeitet = true;
    const bool fertig =
        m_kern->arbeite(*m_db, [this](qint64 nr, bool ok, int fehlerNr, const QString& text) {
            if (ok) m_erledigtBis.store(nr);
            emit versucht(nr, ok, fehlerNr, text);
        });
    m_arbeitet = false;
    if (fertig)
        m_wiederholung->stop();
    else if (!m_wiederholung->isActive())
        m_wiederholung->start();
}

bool Rundenschreiber::holeAuf(int ms) {
    if (erledigtBis() >= m_gesendet) return true;
    if (!m_faden) {
        versucheInline();
        return erledigtBis() >= m_gesendet;
    }
    QMetaObject::invokeMethod(m_arbeiter, [a = m_arbeiter] { a->arbeite(); },
                              Qt::QueuedConnection);
    return m_arbeiter->warte(m_gesendet, ms);
}

void Rundenschreiber::verwirf() {
    if (m_faden) {
        QMetaObject::invokeMethod(m_arbeiter, [a = m_arbeiter] { a->verwirf(); },
                                  Qt::BlockingQueuedConnection);
    } else {
        m_kern->schlange.clear();
        m_wiederholung->stop();
    }
    // Nothing is waiting any more.
    m_erledigtBis.store(m_gesendet);
}
