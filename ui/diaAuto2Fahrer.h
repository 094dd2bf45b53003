#pragma once
// "Auto Fahrer zuordnen": the master data of drivers (fahrer) and cars (autos), which cars a
// driver drives (auto2fahrer), and their pictures below BilderPfad. Every statement binds its
// values, so names with quotes or apostrophes are stored as typed.

#include <QDialog>
#include <array>

#include "ui/DateiWahl.h"

class Datenbank;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class diaAuto2Fahrer : public QDialog {
    Q_OBJECT
public:
    diaAuto2Fahrer(Datenbank& db, const QString& bilderPfad, QWidget* parent = nullptr);

    void setzeDateiWahl(DateiWahl wahl) { m_dateiWahl = std::move(wahl); }

    // Driver fields 0..6: nummer, name, mitglied, erstellt, bildlink, vorname, nachname.
    QLineEdit* txtFahrer(int i) const { return m_txtFahrer.at(size_t(i)); }
    // Car fields 0..5: nummer, name, Bemerkung, erstellt, bildlink, LangName.
    QLineEdit* txtAuto(int i) const { return m_txtAuto.at(size_t(i)); }
    QListWidget* lstFahrer() const { return m_lstFahrer; }
    QListWidget* lstAutos() const { return m_lstAutos; }
    QListWidget* lstFahrerAutos() const { return m_lstFahrerAutos; }
    QPushButton* cmdFahrerNeu() const { return m_fahrerKnopf[0]; }
    QPushButton* cmdFahrerAendern() const { return m_fahrerKnopf[1]; }
    QPushButton* cmdFahrerLoeschen() const { return m_fahrerKnopf[2]; }
    QPushButton* cmdAutoNeu() const { return m_autoKnopf[0]; }
    QPushButton* cmdAutoAendern() const { return m_autoKnopf[1]; }
    QPushButton* cmdAutoLoeschen() const { return m_autoKnopf[2]; }
    QFrame* frameLoeschen() const { return m_frameLoeschen; }
    QLabel* lblLoeschen() const { return m_lblLoeschen; }

    // Selects the entry with that number and shows it (false when the list lacks it).
    bool waehleFahrer(int nummer);
    bool waehleAuto(int nummer);
    void cmdZuweisen_Click();
    void cmdAufheben_Click();
    // The inline question's "Ja".
    void LoeschenBestaetigen();
    // Double click on the picture caption: "Wähle Bild".
    void waehleFahrerBild();
    void waehleAutoBild();

private:
    enum class Art { Fahrer, Auto };
    void baueFahrer(QWidget* seite);
    void baueAuto(QWidget* seite);
    void fuelleFahrer();
    void fuelleAutos();
    void fuelleFahrerAutos();
    void fahrerGewaehlt();
    void autoGewaehlt();
    // Neu (neu = true) or Ändern: first press edits, second press saves.
    void bearbeite(Art art, bool neu);
    bool speichereFahrer();
    bool speichereAuto();
    void frageLoeschen(Art art);
    void waehleBild(QLineEdit* feld);
    void zeigeBild(QLabel* ziel, const QString& link);
    int gewaehlt(QListWidget* liste) const;  // nummer of the current entry, 0 when none
    bool fuehreAus(const QString& sql, const QVariantList& werte);

    Datenbank& m_db;
    QString m_bilderPfad;
    DateiWahl m_dateiWahl;
    std::array<QLineEdit*, 7> m_txtFahrer{};
    std::array<QLineEdit*, 6> m_txtAuto{};
    std::array<QPushButton*, 3> m_fahrerKnopf{};
    std::array<QPushButton*, 3> m_autoKnopf{};
    QListWidget* m_lstFahrer = nullptr;
    QListWidget* m_lstAutos = nullptr;
    QListWidget* m_lstFahrerAutos = nullptr;
    QLabel* m_fahrerBild = nullptr;
    QLabel* m_autoBild = nullptr;
    QFrame* m_frameLoeschen = nullptr;
    QLabel* m_lblLoeschen = nullptr;
    Art m_loeschArt = Art::Fahrer;
    int m_loeschNummer = 0;
    bool m_bearbeitetFahrer = false, m_bearbeitetAuto = false;
};
