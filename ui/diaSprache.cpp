#include "diaSprache.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "Einstellungen.h"
#include "EspeakSynthese.h"
#include "ProgrammAnsage.h"

diaSprache::diaSprache(Einstellungen& e, ProgrammAnsage& ansage, QWidget* parent)
    : QDialog(parent), m_e(e), m_ansage(ansage) {
    setWindowTitle(QStringLiteral("Figur / Sprache auswählen"));
    m_figuren = new QListWidget(this);
    for (const EspeakSynthese::Figur& f : EspeakSynthese::figuren()) {
        auto* eintrag = new QListWidgetItem(f.datei, m_figuren);
        eintrag->setToolTip(f.name);
        if (f.datei == e.MyAgent) m_figuren->setCurrentItem(eintrag);
    }

    auto* gruppe = new QGroupBox(QStringLiteral("Sprache"), this);
    m_deutsch = new QRadioButton(QStringLiteral("Deutsch"), gruppe);
    m_englisch = new QRadioButton(QStringLiteral("Englisch"), gruppe);
    auto* sprachen = new QVBoxLayout(gruppe);
    sprachen->addWidget(m_deutsch);
    sprachen->addWidget(m_englisch);
    m_sprache = e.LangId == 1033 ? 1033 : 1031;
    (m_sprache == 1033 ? m_englisch : m_deutsch)->setChecked(true);
    connect(m_deutsch, &QRadioButton::toggled, this, [this](bool an) {
        if (an) m_sprache = 1031;
    });
    connect(m_englisch, &QRadioButton::toggled, this, [this](bool an) {
        if (an) m_sprache = 1033;
    });

    m_anAus = new QCheckBox(QStringLiteral("An/Aus"), this);
    m_anAus->setChecked(e.SoundAn == 1);

    auto* auswaehlen = new QPushButton(QStringLiteral("Auswählen"), this);
    auto* ende = new QPushButton(QStringLiteral("Ende"), this);
    auswaehlen->setDefault(true);
    connect(auswaehlen, &QPushButton::clicked, this, &diaSprache::Auswaehlen_Click);
    connect(ende, &QPushButton::clicked, this, &diaSprache::Ende_Click);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(gruppe);
    rechts->addWidget(m_anAus);
    rechts->addStretch(1);
    rechts->addWidget(auswaehlen);
    rechts->addWidget(ende);
    auto* haupt = new QHBoxLayout(this);
    haupt->addWidget(m_figuren, 1);
    haupt->addLayout(rechts);
}

void diaSprache::Auswaehlen_Click() {
    m_e.SoundAn = m_anAus->isChecked() ? 1 : 0;
    const QListWidgetItem* f = m_figuren->currentItem();
    m_ansage.SetzeAgent(f ? f->text() : QString(), m_sprache);
}

void diaSprache::Ende_Click() { reject(); }

void diaSprache::reject() {
    m_ansage.SpracheAn();
    QDialog::reject();
}
