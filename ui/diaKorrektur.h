#pragma once
// The question before a lap correction: what is about to happen to which lap on which lane,
// a note of what changed while the question is open (laps that came in meanwhile), and a
// field for the reason (may stay empty). "Ja" carries it out, "Nein" leaves everything as it is.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class diaKorrektur : public QDialog {
    Q_OBJECT
public:
    diaKorrektur(const QString& titel, const QString& frage, QWidget* parent = nullptr);

    QString grund() const;
    // The note below the question; empty hides it.
    void setzeHinweis(const QString& text);
    QLabel* lblFrage() const { return m_frage; }
    QLabel* lblHinweis() const { return m_hinweis; }
    QLineEdit* txtGrund() const { return m_grund; }
    QPushButton* cmdJa() const { return m_ja; }
    QPushButton* cmdNein() const { return m_nein; }

private:
    QLabel* m_frage = nullptr;
    QLabel* m_hinweis = nullptr;
    QLineEdit* m_grund = nullptr;
    QPushButton* m_ja = nullptr;
    QPushButton* m_nein = nullptr;
};
