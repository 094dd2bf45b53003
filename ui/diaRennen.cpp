#include "ui/diaRennen.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "config/Einstellungen.h"
#include "engine/Rennleitung.h"

diaRennen::diaRennen(Rennleitung& leitung, QWidget* parent) : QDialog(parent), m_leitung(leitung) {
    setWindowTitle(tr("Rennparameter"));
    m_name = new QLineEdit(leitung.einstellungen().RennName, this);
    auto* ok = new QPushButton(tr("OK"), this);
    auto* abbrechen = new QPushButton(tr("Abbrechen"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &diaRennen::OK_Click);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* zeile = new QHBoxLayout;
    zeile->addWidget(new QLabel(tr("Rennname"), this));
    zeile->addWidget(m_name, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(zeile);
    spalte->addLayout(knoepfe);
    resize(360, sizeHint().height());
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
}

void diaRennen::OK_Click() {
    m_leitung.RennNameSetzen(m_name->text());
    accept();
}
