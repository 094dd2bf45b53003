#include "ui/Fensterplatz.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "config/EinstellungsSpeicher.h"

namespace {
constexpr int abstand = 8;

bool aufEinemSchirm(const QRect& r) {
    for (const QScreen* s : QGuiApplication::screens())
        if (s->geometry().contains(r)) return true;
    return false;
}
}  // namespace

Fensterplatz::Fensterplatz(QWidget* fenster, EinstellungsSpeicher& speicher,
                           const QString& schluessel, std::function<QPoint(QSize)> vorschlag)
    : QObject(fenster),
      m_fenster(fenster),
      m_speicher(speicher),
      m_schluessel(schluessel),
      m_vorschlag(std::move(vorschlag)) {
    fenster->installEventFilter(this);
}

QPoint Fensterplatz::finde(const QRect& haupt, const QVector<QRect>& frei, const QSize& g,
                           const QRect& schirm) {
    const QPoint kandidaten[] = {
        {haupt.right() + 1 + abstand, haupt.top()},
        {haupt.left() - abstand - g.width(), haupt.top()},
        {haupt.right() + 1 - g.width(), haupt.bottom() + 1 + abstand},
        {haupt.right() + 1 - g.width(), haupt.top() - abstand - g.height()},
    };
    for (const QPoint& p : kandidaten)
        if (schirm.contains(QRect(p, g))) return p;
    for (const QRect& f : frei) {
        if (f.width() < g.width() || f.height() < g.height()) continue;
        // Centred in the free area.
        return {f.left() + (f.width() - g.width()) / 2, f.top() + (f.height() - g.height()) / 2};
    }
    const QRect letzte = frei.isEmpty() ? schirm : frei.last();
    QPoint p(letzte.right() + 1 - g.width(), letzte.bottom() + 1 - g.height());
    p.setX(qBound(schirm.left(), p.x(), qMax(schirm.left(), schirm.right() + 1 - g.width())));
    p.setY(qBound(schirm.top(), p.y(), qMax(schirm.top(), schirm.bottom() + 1 - g.height())));
    return p;
}

bool Fensterplatz::gespeichert() const {
    return !m_speicher.hole(m_schluessel + QStringLiteral("X"), QString()).isEmpty();
}

void Fensterplatz::folge() {
    if (!m_platziert || gespeichert()) return;
    const QSize g = m_fenster->frameGeometry().size().expandedTo(m_fenster->size());
    m_setzt = true;
    m_fenster->move(m_vorschlag(g));
    m_setzt = false;
}

void Fensterplatz::platziere() {
    bool okX = false;
    bool okY = false;
    const int x = m_speicher.hole(m_schluessel + QStringLiteral("X"), QString()).toInt(&okX);
    const int y = m_speicher.hole(m_schluessel + QStringLiteral("Y"), QString()).toInt(&okY);
    const QSize g = m_fenster->frameGeometry().size().expandedTo(m_fenster->size());
    QPoint p;
    if (okX && okY && aufEinemSchirm(QRect(QPoint(x, y), g)))
        p = QPoint(x, y);
    else
        p = m_vorschlag(g);
    m_setzt = true;
    m_fenster->move(p);
    m_setzt = false;
    m_platziert = true;
}

bool Fensterplatz::eventFilter(QObject* o, QEvent* e) {
    if (o != m_fenster) return false;
    if (e->type() == QEvent::Show && !m_platziert) platziere();
    // A move by the user (or the window manager after one) is its new place.
    if (e->type() == QEvent::Move && m_platziert && !m_setzt && m_fenster->isVisible()) {
        const QPoint p = m_fenster->pos();
        m_speicher.speichere(m_schluessel + QStringLiteral("X"), QString::number(p.x()));
        m_speicher.speichere(m_schluessel + QStringLiteral("Y"), QString::number(p.y()));
    }
    return false;
}
