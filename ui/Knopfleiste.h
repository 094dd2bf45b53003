#pragma once
// The main window's button bar, in rows that fit a screen 1024 pixels wide: the race settings
// with the Funktionen menu; the run's controls with the clock and the timing status; the race
// name with the buttons that open windows. Below them the strip kept for the announcer and the
// rows of the live scoreboard and the MQTT sender, which other parts of the program add. A
// control keeps its place in every state of a run: a hidden one keeps its room, a button whose
// caption changes is as wide as its widest caption, so nothing jumps when a run starts or ends.
// The bar is a part of frmMain: it owns the controls, frmMain wires them to the engine.

#include <QObject>
#include <QString>
#include <array>

class Lampenform;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;
class ZeitnahmeFeld;
class frmMain;

class Knopfleiste : public QObject {
    Q_OBJECT
public:
    enum Zeile { Vorgaben, Lauf, Fenster };
    // Rows of the bar's grid below the three rows of controls.
    static constexpr int sprecherReihe = 2;
    static constexpr int zuschauerReihe = 3;
    static constexpr int mqttReihe = 4;

    // Builds the bar (Menue) on f with its rows of controls (cbRAuswahl … Command1).
    explicit Knopfleiste(frmMain& f);
    // The race parameter button and the announcer's strip, built after the window's own
    // fields, so that Tab reaches them last.
    void baueRennparameterUndStreifen();

    // The timing status field at the right end of the run's row.
    void setzeZeitnahmeFeld(ZeitnahmeFeld* feld);
    // A button of another window in the windows' row, before "Verfügbare".
    void fuegeFensterKnopfAn(QPushButton* knopf);
    // A row of its own below the rows of controls, the full width of the bar.
    void fuegeZeileAn(QWidget* feld, int reihe);
    // Opens or closes the announcer's strip; true when that changed the bar.
    bool setzeStreifen(bool an);
    // Race kind and name; a name too long for the row ends in "…", the tooltip has all of it.
    void setzeRennText(const QString& text);
    QString rennText() const { return m_rennText; }
    // The clock: twice the height of the buttons' text at least, larger on a tall window,
    // never wider than the run's row leaves beside its other controls.
    void passeUhrAn();
    // Pixel height of the buttons' text.
    int knopfSchrift() const;

    QWidget* Menue = nullptr;
    QComboBox* cbRAuswahl = nullptr;
    std::array<QRadioButton*, 3> Option1{};
    QComboBox* Grenze = nullptr;
    QCheckBox* ZeitRunden = nullptr;
    QCheckBox* RZeitAnsage = nullptr;
    QLabel* lblQuali = nullptr;  // why a practice with the limit 1 is a qualifying run
    QToolButton* Funktionen = nullptr;
    std::array<Lampenform*, 2> Schnittstelle{};
    QPushButton* Command2 = nullptr;
    QPushButton* cmdChaos = nullptr;
    QLabel* Label1 = nullptr;
    Lampenform* Lichtanzeige = nullptr;
    ZeitnahmeFeld* lblZeitnahme = nullptr;
    QLabel* lblRennen = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* cmdRennparameter = nullptr;
    QWidget* Sprecherstreifen = nullptr;

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
