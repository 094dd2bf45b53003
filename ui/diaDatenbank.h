#pragma once
// "Datenbank auswählen": the database file for this run and whether to ask again at the next
// start.

#include <QCoreApplication>
#include <QDialog>

#include "ui/StartDialoge.h"

class QCheckBox;
class QLineEdit;

class diaDatenbank : public QDialog {
    Q_OBJECT
public:
    explicit diaDatenbank(const DatenbankWahl& vorgabe, QWidget* parent = nullptr);

    DatenbankWahl wahl() const;
    // Puts a picked file into the path field.
    void setzeDatei(const QString& pfad);

    QLineEdit* pfadFeld() const { return m_pfad; }
    QCheckBox* wiederAnzeigen() const { return m_wieder; }
    QCheckBox* fuerNeustart() const { return m_neustart; }

private:
    void Auswaehlen_Click();

    QLineEdit* m_pfad;
    QCheckBox* m_wieder;
    QCheckBox* m_neustart;
};

// The program's own answers to the start-up questions.
class StartDialogeFenster : public StartDialoge {
    Q_DECLARE_TR_FUNCTIONS(StartDialogeFenster)

public:
    void meldung(const QString& text) override;
    bool frage(const QString& text) override;
    bool datenbankAuswaehlen(DatenbankWahl& wahl) override;
};
