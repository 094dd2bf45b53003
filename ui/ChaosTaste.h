#pragma once
// Space ends caution, as the light in the main window says: whichever widget of the window has
// the keyboard (a focused button would otherwise take Space as its own click). Only during
// caution; at any other time Space does what it always does.

#include <QObject>
#include <functional>

class QWidget;

class ChaosTaste : public QObject {
public:
    // fenster: the main window; aktiv: caution is on; beende: ends it (the button's action).
    ChaosTaste(QWidget& fenster, std::function<bool()> aktiv, std::function<void()> beende);
    ~ChaosTaste() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget& m_fenster;
    std::function<bool()> m_aktiv;
    std::function<void()> m_beende;
};
