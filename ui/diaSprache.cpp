#include "ui/diaSprache.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "darstellung/Oberflaechensprache.h"
#include "klang/EspeakSynthese.h"
#include "ui/ProgrammAnsage.h"

diaSprache::diaSprache(Einstellungen& e, ProgrammAnsage& ansage, QWidget* parent)
    : QDialog(parent), m_e(e), m_ansage(ansage) {
    setWindowTitle(tr("Figur / Sprache auswählen"));
    m_figuren = new QListWidget(this);
    for (const EspeakSynthese::Figur& f : EspeakSynthese::figuren()) {
        auto* eintrag = new QListWidgetItem(f.datei, m_figuren);
        eintrag->setToolTip(f.name);
        if (f.datei == e.MyAgent) m_figuren->setCurrentItem(eintrag);
    }

    auto* gruppe = new QGroupBox(tr("Sprache"), this);
    m_deutsch = new QRadioButton(tr("Deutsch"), gruppe);
    m_englisch = new QRadioButton(tr("Englisch"), gruppe);
    auto* sprachen = new QVBoxLayout(gruppe);
    sprachen->addWidget(m_deutsch);
    sprachen->addWidget(m_englisch);
    m_sprache = e.LangId == 1033 ? 1033 : 1031;
    (m_sprache == 1033 ? m_englisch : m_deutsch)->setChecked(true);
    connect(m_deutsch, &QRadioButton::toggled, this, [this](bool an) {
        if (an) m_sprache = 1031;
        zeigeNeustartHinweis();
    });
    connect(m_englisch, &QRadioButton::toggled, this, [this](bool an) {
        if (an) m_sprache = 1033;
        zeigeNeustartHinweis();
    });

    m_anAus = new QCheckBox(tr("An/Aus"), this);
    m_anAus->setChecked(e.SoundAn == 1);

    m_oberflaeche = new QComboBox(this);
    m_oberflaeche->setObjectName(QStringLiteral("cboOberflaeche"));
    m_oberflaeche->addItem(tr("wie die Sprache"), 0);
    m_oberflaeche->addItem(tr("Deutsch"), Oberflaechensprache::Deutsch);
    m_oberflaeche->addItem(tr("Englisch"), Oberflaechensprache::Englisch);
    const QString gespeichert = m_ansage.speicher().hole(
        QLatin1String(Oberflaechensprache::schluessel), QStringLiteral("0"));
    m_oberflaeche->setCurrentIndex(qMax(0, m_oberflaeche->findData(gespeichert.toInt())));
    connect(m_oberflaeche, &QComboBox::currentIndexChanged, this,
            &diaSprache::zeigeNeustartHinweis);
    m_neustart = new QLabel(tr("Gilt nach dem nächsten Start des Programms."), this);
    m_neustart->setWordWrap(true);
    auto* oberflaeche = new QFormLayout;
    oberflaeche->addRow(tr("Oberfläche:"), m_oberflaeche);

    auto* auswaehlen = new QPushButton(tr("Auswählen"), this);
    auto* ende = new QPushButton(tr("Ende"), this);
    auswaehlen->setDefault(true);
    connect(auswaehlen, &QPushButton::clicked, this, &diaSprache::Auswaehlen_Click);
    connect(ende, &QPushButton::clicked, this, &diaSprache::Ende_Click);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(gruppe);
    rechts->addWidget(m_anAus);
    rechts->addLayout(oberflaeche);
    rechts->addWidget(m_neustart);
    rechts->addStretch(1);
    rechts->addWidget(auswaehlen);
    rechts->addWidget(ende);
    auto* haupt = new QHBoxLayout(this);
    haupt->addWidget(m_figuren, 1);
    haupt->addLayout(rechts);
    zeigeNeustartHinweis();
}

qint32 diaSprache::gewaehlteOberflaeche() const {
    return Oberflaechensprache::fuer(m_sprache, m_oberflaeche->currentData().toInt());
}

void diaSprache::zeigeNeustartHinweis() {
    m_neustart->setVisible(gewaehlteOberflaeche() != Oberflaechensprache::aktuelle());
}

void diaSprache::Auswaehlen_Click() {
    m_e.SoundAn = m_anAus->isChecked() ? 1 : 0;
    m_ansage.speicher().speichere(QLatin1String(Oberflaechensprache::schluessel),
                                  QString::number(m_oberflaeche->currentData().toInt()));
    const QListWidgetItem* f = m_figuren->currentItem();
    m_ansage.SetzeAgent(f ? f->text() : QString(), m_sprache);
}

void diaSprache::Ende_Click() { reject(); }

void diaSprache::reject() {
    m_ansage.SpracheAn();
    QDialog::reject();
}
