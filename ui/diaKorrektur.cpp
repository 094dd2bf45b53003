#include "ui/diaKorrektur.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

diaKorrektur::diaKorrektur(const QString& titel, const QString& frage, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(titel);
    setObjectName(QStringLiteral("diaKorrektur"));
    auto* layout = new QVBoxLayout(this);
    m_frage = new QLabel(frage, this);
    m_frage->setWordWrap(true);
    layout->addWidget(m_frage);
    m_hinweis = new QLabel(this);
    m_hinweis->setObjectName(QStringLiteral("lblHinweis"));
    m_hinweis->setWordWrap(true);
    // Dark text on light yellow: it must catch the eye before "Ja" is pressed.
    m_hinweis->setStyleSheet(QStringLiteral(
        "QLabel { background: #fff3b0; color: #000000; border: 1px solid #b08800; "
        "padding: 4px; font-weight: bold; }"));
    m_hinweis->hide();
    layout->addWidget(m_hinweis);
    auto* beschriftung = new QLabel(tr("&Grund (kann leer bleiben):"), this);
    m_grund = new QLineEdit(this);
    m_grund->setObjectName(QStringLiteral("txtGrund"));
    m_grund->setMaxLength(200);
    beschriftung->setBuddy(m_grund);
    layout->addWidget(beschriftung);
    layout->addWidget(m_grund);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    m_ja = new QPushButton(tr("&Ja"), this);
    m_nein = new QPushButton(tr("&Nein"), this);
    // Enter in the reason field must not correct by mistake: "Nein" is the default.
    m_nein->setDefault(true);
    knoepfe->addWidget(m_ja);
    knoepfe->addWidget(m_nein);
    layout->addLayout(knoepfe);
    connect(m_ja, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_nein, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(420);
}

QString diaKorrektur::grund() const { return m_grund->text().trimmed(); }

void diaKorrektur::setzeHinweis(const QString& text) {
    m_hinweis->setText(text);
    m_hinweis->setVisible(!text.isEmpty());
    adjustSize();
}
