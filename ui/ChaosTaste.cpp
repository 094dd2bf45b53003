#include "ui/ChaosTaste.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

ChaosTaste::ChaosTaste(QWidget& fenster, std::function<bool()> aktiv, std::function<void()> beende)
    : QObject(&fenster),
      m_fenster(fenster),
      m_aktiv(std::move(aktiv)),
      m_beende(std::move(beende)) {
    qApp->installEventFilter(this);
}

ChaosTaste::~ChaosTaste() { qApp->removeEventFilter(this); }

bool ChaosTaste::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease) return false;
    if (!o->isWidgetType() || static_cast<QWidget*>(o)->window() != &m_fenster) return false;
    const auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() != Qt::Key_Space || k->modifiers() != Qt::NoModifier || !m_aktiv()) return false;
    // The release too: a button that saw no press must not see half a click.
    if (e->type() == QEvent::KeyPress && !k->isAutoRepeat()) m_beende();
    return true;
}
