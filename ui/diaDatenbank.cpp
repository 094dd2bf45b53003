#include "ui/diaDatenbank.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

diaDatenbank::diaDatenbank(const DatenbankWahl& vorgabe, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Datenbank auswählen"));
    m_pfad = new QLineEdit(vorgabe.pfad, this);
    m_pfad->setMinimumWidth(420);
    m_wieder = new QCheckBox(tr("Diesen Dialog beim Neustart anzeigen"), this);
    m_wieder->setChecked(vorgabe.wiederAnzeigen);
    m_neustart = new QCheckBox(tr("Auswahl für Neustart übernehmen"), this);
    m_neustart->setChecked(vorgabe.fuerNeustart);
    auto* auswaehlen = new QPushButton(tr("Auswählen"), this);
    auto* ok = new QPushButton(tr("OK"), this);
    auto* abbrechen = new QPushButton(tr("Abbrechen"), this);
    ok->setDefault(true);
    connect(auswaehlen, &QPushButton::clicked, this, &diaDatenbank::Auswaehlen_Click);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* zeile = new QHBoxLayout;
    zeile->addWidget(m_pfad, 1);
    zeile->addWidget(auswaehlen);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(new QLabel(tr("Datenbank"), this));
    spalte->addLayout(zeile);
    spalte->addWidget(m_wieder);
    spalte->addWidget(m_neustart);
    spalte->addLayout(knoepfe);
}

DatenbankWahl diaDatenbank::wahl() const {
    return {m_pfad->text(), m_wieder->isChecked(), m_neustart->isChecked()};
}

void diaDatenbank::setzeDatei(const QString& pfad) {
    if (!pfad.isEmpty()) m_pfad->setText(QDir::toNativeSeparators(pfad));
}

void diaDatenbank::Auswaehlen_Click() {
    const QFileInfo jetzt(m_pfad->text());
    setzeDatei(QFileDialog::getOpenFileName(this, tr("Datenbank auswählen"), jetzt.absolutePath(),
                                            tr("Datenbank (*.db)")));
}

void StartDialogeFenster::meldung(const QString& text) {
    QMessageBox::warning(nullptr, QStringLiteral("Pistorelle"), text);
}

bool StartDialogeFenster::frage(const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Pistorelle"), text);
    QPushButton* ja = box.addButton(tr("Ja"), QMessageBox::YesRole);
    box.addButton(tr("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(ja);
    box.exec();
    return box.clickedButton() == ja;
}

bool StartDialogeFenster::datenbankAuswaehlen(DatenbankWahl& wahl) {
    diaDatenbank dialog(wahl);
    if (dialog.exec() != QDialog::Accepted) return false;
    wahl = dialog.wahl();
    return true;
}
