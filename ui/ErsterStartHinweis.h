#pragma once
// The notice over the lane panels for an evening that starts without working timing: no
// interface set up or none that can count, or one that stays silent for the first seconds
// (a serial port opens on most PCs whether a counter hangs on it or not). It offers the demo
// and the timing settings, and goes for the rest of the session as soon as the timing speaks,
// the demo runs or the user closes it.

#include <QFrame>
#include <QPointer>

class QLabel;
class QPushButton;
class Uhr;
class UhrTimer;
class ZeitnahmeStatus;

class ErsterStartHinweis : public QFrame {
    Q_OBJECT
public:
    // How long an interface that can count may stay silent before the notice names it.
    static constexpr int stilleFrist = 5000;

    ErsterStartHinweis(Uhr& uhr, QWidget* parent);

    // Watches the timing from now on.
    void beobachte(ZeitnahmeStatus* status);
    // The timing spoke (a lap, a start, caution): the notice is done.
    void signalEmpfangen();
    // Done without a signal: the demo runs, or the user closed it.
    void erledigt();
    // While a run is on, the notice stays out of the panels' way.
    void setzeLaufAn(bool an);
    bool istErledigt() const { return m_erledigt; }
    QString text() const;

    // Takes a strip off the top of the panels' area while shown; returns what is left.
    QRect ordneAn(const QRect& flaeche);

signals:
    void demoGewuenscht();
    void einrichtenGewuenscht();
    // Shown or hidden: the panels need their place again.
    void platzGeaendert();

private:
    void pruefe();

    QPointer<ZeitnahmeStatus> m_status;
    UhrTimer* m_frist = nullptr;
    QLabel* m_text = nullptr;
    QPushButton* m_demo = nullptr;
    QPushButton* m_einrichten = nullptr;
    bool m_erledigt = false;
    bool m_still = false;  // the interface counts but said nothing within the first seconds
    bool m_laufAn = false;
};
