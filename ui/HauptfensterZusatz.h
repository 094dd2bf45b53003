#pragma once
// What the main window needs on a race evening beyond its own controls: the visible
// "Rennparameter…" button, the results window after every run, the caution button's hint
// while the mode cannot use caution, Esc as stop during a run, and the places where the small
// windows go without hiding a panel's values.

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
    // of the run's row, then the bar itself.
    QVector<QRect> freieFlaechen(bool rechtsZuerst = false) const;
    // Where a window of that size goes beside the panels (the simulation takes the right half
    // of the strip).
    QPoint vorschlag(const QSize& groesse, bool rechts = false) const;

    // While the announcer is wanted the bar keeps a strip for it below the panels; the panels
    // give up that height rather than be covered.
    void setzeStreifen(bool an);
    QWidget* sprecherStreifen() const { return m_streifen; }

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
    QPointer<frmErgebnis> m_ergebnis;
};
