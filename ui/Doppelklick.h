#pragma once
// Runs a function on a double click of the watched widget; the double click goes no further.
// The filter belongs to the widget and goes with it: new Doppelklick(titel, [this] { ... });

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>
#include <utility>

class Doppelklick : public QObject {
public:
    Doppelklick(QWidget* ziel, std::function<void()> aktion)
        : QObject(ziel), m_aktion(std::move(aktion)) {
        ziel->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::MouseButtonDblClick) return false;
        m_aktion();
        return true;
    }

private:
    std::function<void()> m_aktion;
};
