#pragma once
// What the main window needs on a race evening beyond its own controls: the visible
// "Rennparameter…" button, the results window after every run, the caution button's hint
// while the mode cannot use caution, a clock that scales with the window, Esc as stop during a
// run, and the places where the small windows go without hiding a panel's values.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QVector>
#include <functional>

class Hauptanzeige;
class QPushButton;
class Rennablauf;
class Rennleitung;
class frmErgebnis;
class frmMain;

class HauptfensterZusatz : public QObject {
    Q_OBJECT
public:
    HauptfensterZusatz(frmMain& fenster, Rennleitung& leitung, Rennablauf& ablauf,
                       Hauptanzeige& anzeige);

    QPushButton* rennparameter() const { return m_rennparameter; }
    // Shows the last run's results again (nothing before the first run has closed).
    void zeigeErgebnis();
    bool hatErgebnis() const;
    frmErgebnis* ergebnisFenster() const;

    // Screen areas of the main window that hold no panel value, in global coordinates: the
    // two halves of the announcer strip below the panels (when there is one), the free middle
    // of the button bar, then the bar itself.
    QVector<QRect> freieFlaechen(bool rechtsZuerst = false) const;
    // Where a window of that size goes beside the panels (the simulation takes the right half
    // of the strip, the announcer the left).
    QPoint vorschlag(const QSize& groesse, bool rechts = false) const;

    // While the announcer is shown the bar keeps a strip for it below the panels; the panels
    // give up that height rather than be covered.
    void beobachteSprecher(QWidget* sprecher);
    void setzeStreifen(bool an);
    // Called when the main window moved, changed size or its strip came or went.
    void setzeFolger(std::function<void()> folger) { m_folger = std::move(folger); }
    QWidget* sprecherStreifen() const { return m_streifen; }

    // Clock size from the window height: at least half the height of a panel's driver line.
    void passeUhrAn();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void oeffneRennparameter();
    void spiegeleChaosHinweis();

    frmMain& m_fenster;
    Rennleitung& m_leitung;
    Rennablauf& m_ablauf;
    Hauptanzeige& m_anzeige;
    QPushButton* m_rennparameter = nullptr;
    QWidget* m_streifen = nullptr;
    QWidget* m_sprecher = nullptr;
    std::function<void()> m_folger;
    QPointer<frmErgebnis> m_ergebnis;
};
