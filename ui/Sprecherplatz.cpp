#include "ui/Sprecherplatz.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "config/EinstellungsSpeicher.h"
#include "ui/frmMain.h"

namespace {
const QString kVersatz = QStringLiteral("SprecherVersatz");
constexpr int abstand = 8;
}  // namespace

Sprecherplatz::Sprecherplatz(QWidget* sprecher, frmMain& fenster, EinstellungsSpeicher& speicher)
    // A child of the main window: it goes with it, before the windows opened from it later.
    : QObject(&fenster), m_sprecher(sprecher), m_fenster(fenster), m_speicher(speicher) {
    // One filter for the whole program: the announcer itself, the main window and every other
    // window, which may be opened later and lie over the strip.
    QCoreApplication::instance()->installEventFilter(this);
    // The strip moves with the bar: a new row below it, the bar at the top or the bottom.
    connect(&fenster, &frmMain::leisteBewegt, this, [this] {
        // After the window has laid itself out for its new size.
        QMetaObject::invokeMethod(this, &Sprecherplatz::pruefeVerdeckt, Qt::QueuedConnection);
    });
    m_gewuenscht = sprecher->isVisible();
    if (m_gewuenscht) platziere();
}

QSize Sprecherplatz::groesse() const {
    return m_sprecher->frameGeometry().size().expandedTo(m_sprecher->size());
}

QRect Sprecherplatz::streifen() const { return m_fenster.sprecherStreifen(); }

QPoint Sprecherplatz::ziel() const {
    const QRect s = streifen();
    if (s.isEmpty()) return m_sprecher->pos();
    const QSize g = groesse();
    bool ok = false;
    int versatz = m_speicher.hole(kVersatz, QString()).toInt(&ok);
    if (!ok) versatz = abstand;
    const int x = qBound(s.left(), s.left() + versatz, qMax(s.left(), s.right() + 1 - g.width()));
    const int y = s.top() + qMax(0, (s.height() - g.height()) / 2);
    return {x, y};
}

bool Sprecherplatz::deckt(const QWidget* w) const {
    if (w == m_sprecher || w == &m_fenster || !w->isWindow()) return false;
    // Menus and tooltips come and go over anything; they hide nothing for long.
    const Qt::WindowType art = w->windowType();
    return art != Qt::Popup && art != Qt::ToolTip && art != Qt::Desktop;
}

bool Sprecherplatz::verdeckt() const {
    const QRect platz(ziel(), groesse());
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (deckt(w) && w->isVisible() && w->frameGeometry().intersects(platz)) return true;
    return false;
}

void Sprecherplatz::bewege(const QPoint& p) {
    if (!m_sprecher || m_sprecher->pos() == p) return;
    m_selbst = true;
    m_sprecher->move(p);
    m_selbst = false;
}

void Sprecherplatz::platziere() {
    if (!m_sprecher) return;
    m_fenster.setzeSprecherStreifen(true);
    bewege(ziel());
}

void Sprecherplatz::pruefeVerdeckt() {
    if (!m_sprecher || !m_gewuenscht) return;
    const bool unter = verdeckt();
    if (unter == m_verborgen) {
        if (!unter) bewege(ziel());
        return;
    }
    m_verborgen = unter;
    m_selbst = true;
    if (unter) {
        m_sprecher->hide();
    } else {
        m_sprecher->move(ziel());
        m_sprecher->show();
    }
    m_selbst = false;
}

bool Sprecherplatz::eventFilter(QObject* o, QEvent* e) {
    if (o == &m_fenster) {
        if (e->type() == QEvent::Move || e->type() == QEvent::Resize || e->type() == QEvent::Show) {
            // After the window has laid itself out for its new size.
            QMetaObject::invokeMethod(this, &Sprecherplatz::pruefeVerdeckt, Qt::QueuedConnection);
        }
        return false;
    }
    if (o != m_sprecher) {
        // Another window (the standings, a dialog) opened, closed, moved or went to another
        // screen.
        const auto* w = qobject_cast<const QWidget*>(o);
        if (!w || !deckt(w)) return false;
        switch (e->type()) {
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::Move:
            case QEvent::Resize:
                pruefeVerdeckt();
                break;
            default:
                break;
        }
        return false;
    }
    if (m_selbst) return false;
    switch (e->type()) {
        case QEvent::Show:
            // Shown by the program: the strip opens and the announcer goes into it.
            m_gewuenscht = true;
            m_verborgen = false;
            platziere();
            QMetaObject::invokeMethod(this, &Sprecherplatz::pruefeVerdeckt, Qt::QueuedConnection);
            break;
        case QEvent::Hide:
            m_gewuenscht = false;
            m_verborgen = false;
            m_fenster.setzeSprecherStreifen(false);
            break;
        case QEvent::Move: {
            // Dragged by the user: it goes along the strip and no further; the place is kept
            // relative to the strip, so it follows the main window to any screen and size.
            const QRect s = streifen();
            if (!m_sprecher->isVisible() || s.isEmpty()) break;
            const int weiteste = qMax(0, s.width() - groesse().width());
            m_speicher.speichere(kVersatz,
                                 QString::number(qBound(0, m_sprecher->x() - s.left(), weiteste)));
            bewege(ziel());
            break;
        }
        default:
            break;
    }
    return false;
}
