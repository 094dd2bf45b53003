#pragma once
// "Figur / Sprache auswählen": the speaking character (a voice of the engine), the language
// and speech on or off, and the language of the interface (by default that of the speech).

#include <QDialog>

class ProgrammAnsage;
struct Einstellungen;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;

class diaSprache : public QDialog {
    Q_OBJECT
public:
    diaSprache(Einstellungen& e, ProgrammAnsage& ansage, QWidget* parent = nullptr);

    QListWidget* figurListe() const { return m_figuren; }
    QRadioButton* deutsch() const { return m_deutsch; }
    QRadioButton* englisch() const { return m_englisch; }
    QCheckBox* anAus() const { return m_anAus; }
    // 0 follows the speech, else 1031 or 1033.
    QComboBox* oberflaeche() const { return m_oberflaeche; }
    // Shown while the choice differs from the language the program runs in.
    QLabel* neustartHinweis() const { return m_neustart; }
    qint32 sprache() const { return m_sprache; }  // the pending language

    void Auswaehlen_Click();
    void Ende_Click();
    // Closing by Escape or the close box counts as "Ende".
    void reject() override;

private:
    qint32 gewaehlteOberflaeche() const;
    void zeigeNeustartHinweis();

    Einstellungen& m_e;
    ProgrammAnsage& m_ansage;
    QListWidget* m_figuren;
    QRadioButton* m_deutsch;
    QRadioButton* m_englisch;
    QCheckBox* m_anAus;
    QComboBox* m_oberflaeche;
    QLabel* m_neustart;
    qint32 m_sprache;
};
