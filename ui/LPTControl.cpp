#include "ui/LPTControl.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

#include "darstellung/Farbwert.h"

namespace {

void setzeHintergrund(QWidget* w, qint32 farbe) {
    QPalette p = w->palette();
    const QColor c = Farbwert::alsFarbe(farbe);
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace

LPTControl::LPTControl(ParallelPort* lpt, Uhr* uhr, QWidget* parent)
    : QWidget(parent),
      m_belegung(new LPTPinBelegung(lpt, uhr, this)),
      m_cmdPort(new QPushButton(this)),
      m_cmdTyp(new QPushButton(this)),
      m_gruppe(new QButtonGroup(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    m_cmdTyp->setObjectName(QStringLiteral("cmdTyp"));
    m_cmdPort->setObjectName(QStringLiteral("cmdPort"));
    layout->addWidget(m_cmdTyp);
    layout->addWidget(m_cmdPort);
    // The logic decides which option is selected (also none at all).
    m_gruppe->setExclusive(false);
    for (int i = 0; i < LPTPinBelegung::anzahlPins; ++i) {
        auto* rb = new QRadioButton(QString::number(i), this);
        rb->setAutoExclusive(false);
        rb->setObjectName(QStringLiteral("PinSB1_%1").arg(i));
        m_gruppe->addButton(rb, i);
        layout->addWidget(rb);
        m_pins[i] = rb;
    }
    layout->addStretch();

    connect(m_cmdPort, &QPushButton::clicked, m_belegung, &LPTPinBelegung::cmdPort_Click);
    connect(m_cmdTyp, &QPushButton::clicked, m_belegung, &LPTPinBelegung::cmdTyp_Click);
    connect(m_gruppe, &QButtonGroup::idClicked, this, [this](int id) {
        m_belegung->PinSB1_Click(id);
        zeige();  // a click on a disabled option must not stay checked
    });
    connect(m_belegung, &LPTPinBelegung::geaendert, this, &LPTControl::zeige);
    zeige();
}

void LPTControl::zeige() {
    // The caption "deaktiv" is also the state the logic keeps and hands back: only the
    // button's text follows the interface language.
    const QString port = m_belegung->cmdPortCaption();
    m_cmdPort->setText(port == QLatin1String("deaktiv") ? tr("deaktiv") : port);
    m_cmdTyp->setText(m_belegung->cmdTypCaption());
    setzeHintergrund(m_cmdTyp, m_belegung->cmdTypFarbe());
    setzeHintergrund(this, m_belegung->hintergrund());
    for (int i = 0; i < LPTPinBelegung::anzahlPins; ++i) {
        const LPTPinBelegung::Option& o = m_belegung->option(i);
        QRadioButton* rb = m_pins[i];
        rb->setChecked(o.gewaehlt);
        rb->setEnabled(o.aktiv);
        rb->setVisible(o.sichtbar);
        setzeHintergrund(rb, m_belegung->hintergrund());
    }
}
