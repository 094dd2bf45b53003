#include "ProgrammRueckfrage.h"

#include <QMessageBox>

#include "DiaWeiter.h"

bool ProgrammRueckfrage::frage(const QString& text) {
    DiaWeiter dialog(text, m_eltern);
    return dialog.exec() == QDialog::Accepted;
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
