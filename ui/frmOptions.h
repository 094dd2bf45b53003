#pragma once
// The table editor (caption "Tabellen", from "T&abellen"): one tab per table of the database
// over an editable grid; rows may be added and deleted (a deletion asks first). Its buttons
// open the character and language dialog ("Sprache"), the track layout window ("Strecken")
// and the about box ("Info"). OK reloads the language texts.

#include <QDialog>
#include <functional>

class Datenbank;
class QTabBar;
class QTableView;
class Rueckfrage;
class TabellenModell;

struct TabellenAktionen {
    std::function<void()> Sprache;     // diaSprache
    std::function<void()> Strecken;    // frmStreckenLayout
    std::function<void()> SetzeTexte;  // after OK
};

class frmOptions : public QDialog {
    Q_OBJECT
public:
    frmOptions(Datenbank& db, Rueckfrage& frage, TabellenAktionen aktionen,
               QWidget* parent = nullptr);

    // The tab keys in their order.
    static QStringList schluessel();
    // Chooses the tab of a key ("rennen", "fahrer", "SRunden", ...).
    void waehle(const QString& schluessel);
    TabellenModell* modell() const { return m_modell; }
    QTableView* grid() const { return m_grid; }
    QTabBar* tabs() const { return m_tabs; }

    void NeueZeile_Click();
    void Loeschen_Click();  // the selected row, after asking
    void OK_Click();
    // Program name, version and the libraries with their licences.
    static QString infoText();

private:
    void zeigeTab(int index);

    Rueckfrage& m_frage;
    TabellenAktionen m_aktionen;
    TabellenModell* m_modell;
    QTableView* m_grid;
    QTabBar* m_tabs;
};
