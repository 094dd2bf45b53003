#pragma once
// Where the announcer goes: into the strip the main window keeps for it below the lane panels
// and its buttons, at the strip's left end or where the user dragged it along the strip. It
// follows the main window and never leaves the strip, so it covers no lane value, no button
// and not the live scoreboard's row, on any screen size. The place is kept relative to the
// strip (setting SprecherVersatz, pixels from the strip's left end). While another window of
// the program (the standings window, the tournament dialog, any dialog) lies over that place
// the announcer is hidden, so it covers none of their buttons, and speech goes on.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

class EinstellungsSpeicher;
class QWidget;
class frmMain;

class Sprecherplatz : public QObject {
    Q_OBJECT
public:
    Sprecherplatz(QWidget* sprecher, frmMain& fenster, EinstellungsSpeicher& speicher);

    // Opens the strip and moves the announcer into it (called before it is shown).
    void platziere();
    // The strip in global coordinates (empty while there is none).
    QRect streifen() const;
    // Where the announcer belongs now.
    QPoint ziel() const;
    // Another window of the program lies over the announcer's place.
    bool verdeckt() const;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // A window that hides the announcer when it lies over its place.
    bool deckt(const QWidget* w) const;
    // Hides the announcer under another window and shows it again when that is gone.
    void pruefeVerdeckt();
    void bewege(const QPoint& p);
    QSize groesse() const;

    QPointer<QWidget> m_sprecher;
    frmMain& m_fenster;
    EinstellungsSpeicher& m_speicher;
    bool m_gewuenscht = false;  // shown by the program (SoundAn, SprecherFenster)
    bool m_selbst = false;      // a show, hide or move of our own is under way
    bool m_verborgen = false;   // hidden by us under a standings window
};
