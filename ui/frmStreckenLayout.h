#pragma once
// "Streckenlayout": a track composed of the pieces of one maker (schienen), row by row in
// streckenlayout, with the running lengths of the inner and the outer lane; the totals can be
// stored as the track's lane lengths (strecken).

#include <QDialog>

class Datenbank;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QSpinBox;

class frmStreckenLayout : public QDialog {
    Q_OBJECT
public:
    explicit frmStreckenLayout(Datenbank& db, QWidget* parent = nullptr);

    QComboBox* cobStrecke() const { return m_strecke; }
    QComboBox* cobHersteller() const { return m_hersteller; }
    QListWidget* lstSchienen() const { return m_schienen; }
    QListWidget* lstLayout() const { return m_layout; }
    QSpinBox* txtAnzahl() const { return m_anzahl; }
    QRadioButton* optGerade() const { return m_gerade; }
    QRadioButton* optLinks() const { return m_links; }
    QRadioButton* optRechts() const { return m_rechts; }
    QLabel* lblInnen() const { return m_innen; }
    QLabel* lblAussen() const { return m_aussen; }

    void Hinzufuegen_Click();
    void Loeschen_Click();
    void Up_Click();
    void Down_Click();
    void InStreckeUebernehmen_Click();
    void NeueStrecke(const QString& name);
    // Relists the layout of the chosen track, renumbers its rows 1, 3, 5, ... and adds up the
    // lane lengths; the last entry ends up selected.
    void LayoutListBoxFuellen();

private:
    void fuelleStrecken();
    void fuelleHersteller();
    void fuelleSchienen();
    void schieneGewaehlt();
    void LinienBerechnen(const QString& hersteller, const QString& name, const QString& lrg,
                         int anzahl);
    int gewaehlteNummer() const;  // -1: none selected

    Datenbank& m_db;
    QComboBox* m_strecke;
    QComboBox* m_hersteller;
    QListWidget* m_schienen;
    QListWidget* m_layout;
    QSpinBox* m_anzahl;
    QRadioButton* m_gerade;
    QRadioButton* m_links;
    QRadioButton* m_rechts;
    QLabel* m_innen;
    QLabel* m_aussen;
    double m_summeInnen = 0, m_summeAussen = 0;
};
