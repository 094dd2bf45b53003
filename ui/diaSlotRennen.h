#pragma once
// "Slot Rennen": the tournament dialog, modeless beside the main window. Pages for the
// tournament record, the entrants, the qualification, the heats and the standings; it mirrors
// the tournament's state and hands every click to Turnier.

#include <QDialog>
#include <array>
#include <span>
#include <utility>

#include "tournament/Turnier.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSqlQueryModel;
class QTabWidget;
class QHBoxLayout;
class QTableView;
class ZeitSpalte;

class diaSlotRennen : public QDialog {
    Q_OBJECT
public:
    explicit diaSlotRennen(Turnier& turnier, QWidget* parent = nullptr);

    QTabWidget* seiten() const { return m_seiten; }
    QPushButton* knopf(int element) const { return m_knoepfe.at(size_t(element)); }

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    using Knopfaktion = std::pair<Turnier::Element, void (Turnier::*)()>;
    // Buttons of the given elements into the row, each wired to its action.
    void fuegeKnoepfeEin(QWidget* seite, QHBoxLayout* zeile, std::span<const Knopfaktion> aktionen);
    QWidget* baueRennSeite();
    QWidget* baueFahrerSeite();
    QWidget* baueQualiSeite();
    QWidget* baueLaufSeite();
    QWidget* baueWertungSeite();
    QTableView* tabelle(QSqlQueryModel*& modell);
    void spiegele();
    void spiegeleTabellen();
    void eingabeGeaendert();
    void fuelleAutos(bool alle);

    Turnier& m_turnier;
    QTabWidget* m_seiten = nullptr;
    std::array<QPushButton*, 17> m_knoepfe{};  // by Turnier::Element; null where not a button
    QComboBox* cboRennen = nullptr;
    std::array<QLineEdit*, 6> Text1{};
    std::array<QRadioButton*, 2> Option1{};
    std::array<QRadioButton*, 6> Option2{};
    std::array<QRadioButton*, 6> Option3{};
    QCheckBox* Check1 = nullptr;
    QCheckBox* chkGruppenAusgleich = nullptr;
    QListWidget* cobFahrer = nullptr;
    QListWidget* cobAuto = nullptr;
    QListWidget* lbFahrerBelegung = nullptr;
    QListWidget* lbAutoBelegung = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QPushButton* Command1 = nullptr;
    QCheckBox* cZufall = nullptr;
    QCheckBox* chkAutoStart = nullptr;
    std::array<QLineEdit*, 3> pausen{};
    QLabel* lblGruppe = nullptr;
    QLabel* lblLauf = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblQualiEinheit = nullptr;
    QLabel* lblDauerEinheit = nullptr;
    ZeitSpalte* m_zeitSpalte = nullptr;
    QSqlQueryModel* m_teilnehmer = nullptr;
    QSqlQueryModel* m_laeufe = nullptr;
    QSqlQueryModel* m_wertung = nullptr;
    QSqlQueryModel* m_wertungKlein = nullptr;
    bool m_spiegelt = false;
};
