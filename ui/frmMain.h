#pragma once
// The main window: one lane panel per lane stacked over the full width (leader on top during
// a run), the button bar with race mode, ranking, limit and the run's controls, the clock, the
// remaining-time bar and the start light. It mirrors the engine's state and holds no race
// logic: every action goes to Rennleitung or Rennablauf.

#include <QHash>
#include <QPointer>
#include <QVector>
#include <QWidget>
#include <array>
#include <functional>

#include "engine/Hauptanzeige.h"

class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class QShortcut;
class Rennablauf;
class Rennleitung;
class SlotAnzeige;
class StartAmpel;
class Speicherstatus;
class ErsterStartHinweis;
class ErgebnisAushang;
class ZeitnahmeFeld;
class ZeitnahmeStatus;
class frmSimulation;
class DemoModus;
class KorrekturMenue;
class Knopfleiste;

class frmMain : public QWidget {
    Q_OBJECT
public:
    // Windows that other parts of the program provide; until one is set its button stays
    // disabled.
    enum class Fenster {
        Optionen,
        Tabellen,
        RundenTabelle,
        Turnier,
        SpurWechsel,
        FahrerAuto,
        Verfuegbare,
        Statistik,
        HallOfFame
    };

    // bildschirmHoehe: for the panels' fonts (-1: the primary screen).
    frmMain(Rennleitung& leitung, Rennablauf& ablauf, Hauptanzeige& anzeige,
            int bildschirmHoehe = -1, QWidget* parent = nullptr);
    ~frmMain() override;

    void setzeFenster(Fenster f, std::function<void()> oeffne);
    // The interface part of the caption.
    void setzeStatusQuelle(std::function<QString()> status) { m_status = std::move(status); }
    // Program name, version, database, interface status, race kind and limit, extra text.
    void SetzeFormCaption(const QString& zusatz);
    // Interface indicators 0 and 1 (0x00BBGGRR).
    void setzeSchnittstellenAnzeige(int i, qint32 farbe);
    // The timing state field, placed in the button bar before the window buttons; the
    // caption follows its changes.
    void setzeZeitnahmeFeld(ZeitnahmeFeld* feld);
    // The notice of a start without working timing (demo or timing settings) follows the
    // timing's state; a signal from the track makes it go.
    void beobachteZeitnahme(ZeitnahmeStatus* status);
    void zeitnahmeSignalEmpfangen();

    // What other windows add to the bar: a button in the windows' row (before "Verfügbare"),
    // an entry at the end of the Funktionen menu, a row of its own below the controls
    // (Knopfleiste::zuschauerReihe, Knopfleiste::mqttReihe). The panels make room for it.
    void fuegeFensterKnopfAn(QPushButton* knopf);
    QAction* fuegeFunktionAn(const QString& text);
    void fuegeLeistenZeileAn(QWidget* feld, int reihe);
    // While the announcer is wanted the bar keeps a strip for it below the panels; the panels
    // give up that height rather than be covered.
    void setzeSprecherStreifen(bool an);
    // The strip in global coordinates (empty while there is none).
    QRect sprecherStreifen() const;

    // Places w above all other windows (or back among them) without moving it.
    static void FormOnTop(QWidget* w, bool onTop);
    // Button bar, remaining-time bar and the panels in lane order.
    void AnzeigenAnordnen();
    // Puts the panels in the engine's stacking order.
    void stapelePanels();

    SlotAnzeige* panel(int index) const { return m_panels.value(index); }
    // Lanes of the shown panels by their place on screen, top first.
    QVector<int> bahnenVonOben() const;
    StartAmpel* startAmpel() const;
    frmSimulation* simulation() const;
    Rennleitung& leitung() const { return m_leitung; }
    DemoModus* demo() const { return m_demo; }
    KorrekturMenue* korrekturen() const { return m_korrekturen; }
    void zeigeSimulation();

signals:
    void geschlossen();  // the program ends with its main window
    // The bar or the announcer's strip moved, changed size or was shown.
    void leisteBewegt();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void baueFunktionsMenue();
    // Keys that act on the run wherever the focus is in the window: Esc stops, Space ends
    // caution.
    void baueTasten();
    void oeffneRennparameter();
    // The accelerator of a button's caption ("&Start": Alt+S) presses it at once.
    void setzeKuerzel(QPushButton* knopf);
    void verbinde();
    // Bar, remaining-time bar and notice label; returns the area left for the panels.
    QRect ordneLeistenAn();
    void spiegeleElement(Hauptanzeige::Element e);
    void spiegeleAlles();
    void spiegeleZustand();
    void spiegeleLabel1();
    void spiegeleLampen();
    // The caution button says why it does nothing while the mode cannot use caution.
    void spiegeleChaosHinweis();
    // What the light inside the window says in caution (empty outside it).
    QString chaosHinweis() const;
    void spiegeleStartAmpel();
    void Command5_Click();
    // Command5 opens the simulation rather than the tables.
    bool simulationStattTabellen() const;
    void Grenze_Validate();
    void panelFahrerWahl(int index);
    void oeffne(Fenster f);
    QWidget* element(Hauptanzeige::Element e) const;

    Rennleitung& m_leitung;
    Rennablauf& m_ablauf;
    Hauptanzeige& m_anzeige;
    QVector<SlotAnzeige*> m_panels;
    QHash<QPushButton*, QShortcut*> m_kuerzel;
    QPointer<StartAmpel> m_startAmpel;
    QPointer<frmSimulation> m_simulation;
    Knopfleiste* m_leiste = nullptr;
    QProgressBar* m_fortschritt = nullptr;
    QLabel* m_weiter = nullptr;
    Speicherstatus* m_speicherstatus = nullptr;
    ErsterStartHinweis* m_ersterStart = nullptr;
    ErgebnisAushang* m_ergebnis = nullptr;
    DemoModus* m_demo = nullptr;
    KorrekturMenue* m_korrekturen = nullptr;
    std::array<std::function<void()>, 9> m_fenster;
    std::function<QString()> m_status;
    QString m_letzterZusatz;
    bool m_geschlossen = false;
};
