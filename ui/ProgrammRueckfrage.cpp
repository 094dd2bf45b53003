#include "ProgrammRueckfrage.h"

#include <QMessageBox>
#include <QPushButton>

#include "DiaWeiter.h"

bool ProgrammRueckfrage::frage(const QString& text) {
    DiaWeiter dialog(text, m_eltern);
    return dialog.exec() == QDialog::Accepted;
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

void ProgrammRueckfrage::hinweis(const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Pistorelle"), text, QMessageBox::Ok,
                    m_eltern);
    box.exec();
}
