#pragma once
// The engine's questions and notices in the program: questions in the confirmation box
// (modal; timers keep running meanwhile), notices in a box that does not hold up the caller,
// except those the user must confirm first.

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "engine/Rueckfrage.h"

class ProgrammRueckfrage : public Rueckfrage {
public:
    explicit ProgrammRueckfrage(QWidget* eltern = nullptr) : m_eltern(eltern) {}
    void setzeEltern(QWidget* eltern) { m_eltern = eltern; }

    bool frage(const QString& text) override;
    int wahl(const QString& text, const QStringList& knoepfe) override;
    void meldung(const QString& text) override;
    void hinweis(const QString& text) override;
    void zeitnahmeMeldung(const QString& text, bool ersetzen) override;
    void frageZurueckziehen() override;

private:
    QPointer<QWidget> m_eltern;
    QPointer<QMessageBox> m_zeitnahme;  // the timing notice while it is shown
    QPointer<QDialog> m_frage;          // the question while it is open
};
