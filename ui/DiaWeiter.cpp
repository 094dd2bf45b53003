#include "ui/DiaWeiter.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DiaWeiter::DiaWeiter(const QString& text, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Pistorelle"));
    setModal(true);
    m_text = new QLabel(text, this);
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(280);
    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    knoepfe->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(m_text);
    spalte->addWidget(knoepfe);
}

QString DiaWeiter::text() const { return m_text->text(); }
