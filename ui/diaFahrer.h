#pragma once
// "Fahrer und Fahrzeug zuordnen": puts a driver with a car onto the standings row of a lane
// panel's position. Opened by a double click on the panel's driver field.

#include <QDialog>

class Datenbank;
class QLabel;
class QLineEdit;
class QListWidget;

class diaFahrer : public QDialog {
    Q_OBJECT
public:
    // fahrer, autoName: the panel's current texts (preselected); platz: the standings position.
    diaFahrer(Datenbank& db, const QString& bilderPfad, const QString& fahrer,
              const QString& autoName, int platz, QWidget* parent = nullptr);

    // OK: the chosen driver and car written to positionen; the dialog closes accepted.
    void FahrerAuswahl();
    void Alle_Click();
    // "Stammdaten…": the master-data dialog, then both lists read again.
    void Stammdaten_Click();

    bool ok() const { return m_ok; }
    QString fahrer() const { return m_gewaehlterFahrer; }
    QString autoName() const { return m_gewaehltesAuto; }
    QString fahrerBild() const { return m_fahrerBild; }  // full path or empty
    QString autoBild() const { return m_autoBild; }

    QListWidget* fahrerListe() const { return m_fahrerListe; }
    QListWidget* autoListe() const { return m_autoListe; }
    QLineEdit* freierFahrer() const { return m_freierFahrer; }
    QLineEdit* freiesAuto() const { return m_freiesAuto; }

private:
    void fuelleFahrer();
    void fahrerGewaehlt();
    void autoGewaehlt();
    void zeigeFahrerBild(const QVariant& nummer);
    void fuelleAutos(const QString& sql, const QVariantList& werte);
    QString bildPfad(const QVariant& link) const;
    void zeigeBild(QLabel* ziel, const QString& pfad);

    Datenbank& m_db;
    QString m_bilderPfad;
    int m_platz;
    QString m_vorFahrer, m_vorAuto;
    bool m_ok = false;
    QString m_gewaehlterFahrer, m_gewaehltesAuto, m_fahrerBild, m_autoBild;
    QListWidget* m_fahrerListe;
    QListWidget* m_autoListe;
    QLineEdit* m_freierFahrer;
    QLineEdit* m_freiesAuto;
    QLabel* m_fahrerBildAnzeige;
    QLabel* m_autoBildAnzeige;
};
