#pragma once
// The main window's button bar, in rows that fit a screen 1024 pixels wide: the race settings
// with the Funktionen menu; the run's controls with the clock and the timing status; the race
// name with the buttons that open windows. Below them the strip kept for the announcer and the
// live scoreboard's row, which other parts of the program add. A control keeps its place in
// every state of a run: a hidden one keeps its room, a button whose caption changes is as wide
// as its widest caption, so nothing jumps when a run starts or ends.

#include <QObject>
#include <QString>

class QGridLayout;
class QHBoxLayout;
class QPushButton;
class QWidget;
class frmMain;

class Knopfleiste : public QObject {
    Q_OBJECT
public:
    enum Zeile { Vorgaben, Lauf, Fenster };
    // Rows of the bar's grid below the three rows of controls.
    static constexpr int sprecherReihe = 2;
    static constexpr int zuschauerReihe = 3;

    // Builds frmMain::Menue with the controls frmMain names (cbRAuswahl … Command1).
    explicit Knopfleiste(frmMain& f);

    QHBoxLayout* zeile(Zeile z) const;
    QGridLayout* raster() const { return m_raster; }
    // The timing status field at the right end of the run's row.
    void setzeZeitnahmeFeld(QWidget* feld);
    // Race kind and name; a name too long for the row ends in "…", the tooltip has all of it.
    void setzeRennText(const QString& text);
    QString rennText() const { return m_rennText; }
    // The clock: twice the height of the buttons' text at least, larger on a tall window,
    // never wider than the run's row leaves beside its other controls.
    void passeUhrAn();
    // Pixel height of the buttons' text.
    int knopfSchrift() const;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void baueVorgaben();
    void baueLauf();
    void baueFenster();
    // The button is as wide as its widest caption (shown texts, with their accelerators).
    static void breiteFuer(QPushButton* knopf, const QStringList& captions);
    void kuerzeRennText();

    frmMain& m_f;
    QGridLayout* m_raster = nullptr;
    QHBoxLayout* m_zeilen[3] = {};
    QString m_rennText;
};
