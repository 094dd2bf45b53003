#include "ui/ProgrammRueckfrage.h"

#include <QMessageBox>
#include <QPushButton>

#include "ui/DiaWeiter.h"

bool ProgrammRueckfrage::frage(const QString& text) {
    DiaWeiter dialog(text, m_eltern);
    const QPointer<QDialog> vorher = m_frage;
    m_frage = &dialog;
    const bool ja = dialog.exec() == QDialog::Accepted;
    m_frage = vorher;
    return ja;
}

void ProgrammRueckfrage::frageZurueckziehen() {
    if (m_frage) m_frage->reject();
}

int ProgrammRueckfrage::wahl(const QString& text, const QStringList& knoepfe) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Pistorelle"), text,
                    QMessageBox::NoButton, m_eltern);
    QList<QAbstractButton*> gewaehlt;
    for (const QString& k : knoepfe) gewaehlt << box.addButton(k, QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.exec();
    return int(gewaehlt.indexOf(box.clickedButton()));
}

void ProgrammRueckfrage::meldung(const QString& text) {
    // Shown and left: the caller (often inside the race timer) goes on at once.
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Pistorelle"), text,
                                QMessageBox::Ok, m_eltern);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void ProgrammRueckfrage::zeitnahmeMeldung(const QString& text, bool ersetzen) {
    if (m_zeitnahme && m_zeitnahme->isVisible()) {
        m_zeitnahme->setText(ersetzen ? text : m_zeitnahme->text() + QLatin1Char('\n') + text);
        m_zeitnahme->raise();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Pistorelle"), text,
                                QMessageBox::Ok, m_eltern);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->setObjectName(QStringLiteral("zeitnahmeMeldung"));
    box->show();
    m_zeitnahme = box;
}

void ProgrammRueckfrage::hinweis(const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Pistorelle"), text, QMessageBox::Ok,
                    m_eltern);
    box.exec();
}
