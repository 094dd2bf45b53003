#pragma once
// "Optionen": every setting the user may change, on pages (timing source, parallel port,
// announcements, race, colours). OK copies the controls into the settings record, saves the
// database path and then runs SchreibeRegWerte, MSCommOeffnen, MyInit and BildschirmRefresh in
// this order. Closing, in any way, puts the outputs back to rest. A value the user did not
// touch is written back exactly as it was read.

#include <QDialog>
#include <QVector>
#include <array>
#include <functional>

#include "ui/DateiWahl.h"

class EinstellungsSpeicher;
class FarbSeite;
class LPTControl;
class ParallelPort;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class Rueckfrage;
class Uhr;
struct Einstellungen;

// What the OK and the closing of the options set going in the running program.
struct OptionenAnwendung {
    std::function<void()> MSCommOeffnen;
    std::function<void()> MyInit;
    std::function<void()> BildschirmRefresh;
    std::function<void(const QString& wort, int an)> SchalteLPT;
};

class frmOptionsNeu : public QDialog {
    Q_OBJECT
public:
    frmOptionsNeu(Einstellungen& e, EinstellungsSpeicher& speicher, Rueckfrage& frage,
                  OptionenAnwendung anwendung, Uhr& uhr, ParallelPort* lpt = nullptr,
                  QWidget* parent = nullptr);

    void setzeDateiWahl(DateiWahl wahl) { m_dateiWahl = std::move(wahl); }
    FarbSeite* farben() const { return m_farben; }
    QTabWidget* seiten() const { return m_seiten; }
    // Outputs in the order of the page: Strom Bahn 1..6, Ampel Rot 1..5, Ampel Gruen; then the
    // inputs Erf. Bahn 1..6 and Chaos.
    LPTControl* pinControl(int index) const { return m_pins.at(index); }
    QLabel* lblDoppelt() const { return m_lblDoppelt; }

    // "Achtung: Doppelte Pinbelegung" when a pin of LPT1 or LPT2 serves two signals.
    void PruefePins();
    // Leaving the lane count: outside 2..6 the message, the focus stays; false then.
    bool PruefeAnzBahnen();
    // Double click on a sound caption ("Wähle Sound"); index 0 TonAmpelAn, 1 TonAmpelAus,
    // 2 TonBeep.
    void waehleTon(int index);
    void OK_Click();

protected:
    void done(int r) override;

private:
    QWidget* baueZeitnahme();
    QWidget* baueLPT(ParallelPort* lpt, Uhr* uhr);
    QWidget* baueAnsagen();
    QWidget* baueRennen();
    void zeigeWerte();
    void quelleGeaendert();
    QCheckBox* schalter(const QString& text, const char* name, QWidget* eltern);
    QSpinBox* zahl(const char* name, QWidget* eltern, int min = 0, int max = 32767);
    QLineEdit* feld(const char* name, QWidget* eltern);
    // Loads a control from the record (first) and stores it back (second).
    void binde(std::function<void()> lade, std::function<void()> speichere);
    void bindeFlag(QCheckBox* c, int& wert);
    void bindeGanz(QCheckBox* c, qint16& wert);  // a whole number shown as a check box
    void bindeZahl(QSpinBox* s, qint16& wert);
    void bindeText(QLineEdit* f, QString& wert);

    Einstellungen& m_e;
    EinstellungsSpeicher& m_speicher;
    Rueckfrage& m_frage;
    OptionenAnwendung m_anwendung;
    DateiWahl m_dateiWahl;
    QTabWidget* m_seiten = nullptr;
    FarbSeite* m_farben = nullptr;
    std::array<QRadioButton*, 7> m_quelle{};
    QVector<LPTControl*> m_pins;
    QLabel* m_lblDoppelt = nullptr;
    std::array<QLineEdit*, 2> m_portAdr{};
    std::array<QString, 2> m_portAdrGezeigt;  // as shown, to keep an untouched value as it was
    std::array<std::array<QCheckBox*, 3>, 8> m_meldung{};
    std::array<QSpinBox*, 8> m_abRunde{};
    std::array<QLineEdit*, 3> m_ton{};
    QLineEdit* m_anzBahnen = nullptr;
    QVector<std::pair<std::function<void()>, std::function<void()>>> m_bindungen;
    bool m_geschlossen = false;
};
