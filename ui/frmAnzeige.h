#pragma once
// The standings window for the drivers and the room: the lane panels in the engine's order,
// race name, clock, remaining-time bar and the notice label of the pauses, without a single
// control. It fills a screen of its own (the TV), chosen by a right click and remembered; the
// main window keeps all controls on the laptop. Like the main window it only mirrors the
// engine's state (SlotWerte, Hauptanzeige, panel order).

#include <QPointer>
#include <QVector>
#include <QWidget>

class QLabel;
class QMenu;
class QProgressBar;
class QScreen;
class Hauptanzeige;
class Rennleitung;
class SlotAnzeige;
class frmMain;

class frmAnzeige : public QWidget {
    Q_OBJECT
public:
    // Settings key of the screen's name.
    static const QString schirmSchluessel;

    // haupt: the main window; the second screen is the one it is not on.
    frmAnzeige(Rennleitung& leitung, Hauptanzeige& anzeige, QWidget* haupt);

    // Adds the "Anzeige" button to the main window's bar and the entry to its Funktionen menu.
    static void richteEin(frmMain& f, Rennleitung& leitung, Hauptanzeige& anzeige);

    // The remembered screen when it is attached, else the first one the main window is not
    // on, else the main window's.
    QScreen* zielSchirm() const;
    // Moves to that screen (remembered) and fills it.
    void setzeSchirm(QScreen* schirm);
    // Shows the window full-screen on its screen without taking the keyboard.
    void zeige();

    SlotAnzeige* panel(int index) const { return m_panels.value(index); }
    QVector<int> bahnenVonOben() const;
    QLabel* uhr() const { return m_uhr; }
    QLabel* rennen() const { return m_rennen; }
    QLabel* hinweis() const { return m_hinweis; }
    QProgressBar* fortschritt() const { return m_fortschritt; }
    // The right-click menu of the screens.
    QMenu* schirmMenue();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void spiegeleAlles();
    void spiegeleUhr();
    // Laps to go on the bar in a race by laps.
    void spiegeleRestRunden();
    void spiegeleHinweis();
    void spiegeleRennen();
    void stapelePanels();

    Rennleitung& m_leitung;
    Hauptanzeige& m_anzeige;
    QPointer<QWidget> m_haupt;
    QVector<SlotAnzeige*> m_panels;
    QWidget* m_kopf = nullptr;
    QLabel* m_rennen = nullptr;
    QLabel* m_uhr = nullptr;
    QProgressBar* m_fortschritt = nullptr;
    QLabel* m_hinweis = nullptr;
};
