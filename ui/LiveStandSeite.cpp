#include "ui/LiveStandSeite.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>

#include "config/EinstellungsSpeicher.h"
#include "uebertragung/LiveStand.h"
#include "ui/frmOptionsNeu.h"

LiveStandSeite::LiveStandSeite(EinstellungsSpeicher& speicher, QWidget* parent)
    : QWidget(parent), m_speicher(speicher) {
    setObjectName(QStringLiteral("LiveStandSeite"));
    auto* form = new QFormLayout(this);
    m_an = new QCheckBox(tr("Live-Stand im Browser für Zuschauer anbieten"), this);
    m_an->setObjectName(QStringLiteral("LiveStandAn"));
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("LiveStandPort"));
    m_port->setRange(1, 65535);
    auto* hilfe = new QLabel(
        tr("Handys und Fernseher im selben Netz öffnen die Adresse, die das "
           "Hauptfenster dann zeigt (mit QR-Code). Sie können nur zusehen, nichts "
           "ändern; höchstens %1 Zuschauer gleichzeitig.")
            .arg(LiveStand::maxZuschauer),
        this);
    hilfe->setWordWrap(true);
    form->addRow(m_an);
    form->addRow(tr("Port:"), m_port);
    form->addRow(hilfe);

    m_an->setChecked(speicher.hole(LiveStand::anSchluessel, QStringLiteral("0")) ==
                     QLatin1String("1"));
    bool ok = false;
    const int port = speicher.hole(LiveStand::portSchluessel).toInt(&ok);
    m_port->setValue(ok && port >= 1 && port <= 65535 ? port : LiveStand::standardPort);
    m_port->setEnabled(m_an->isChecked());
    connect(m_an, &QCheckBox::toggled, m_port, &QWidget::setEnabled);
}

void LiveStandSeite::speichere() {
    m_speicher.speichere(LiveStand::anSchluessel,
                         m_an->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    m_speicher.speichere(LiveStand::portSchluessel, QString::number(m_port->value()));
}

LiveStandSeite* LiveStandSeite::fuegeEin(frmOptionsNeu& dialog, EinstellungsSpeicher& speicher,
                                         std::function<void()> anwenden) {
    auto* seite = new LiveStandSeite(speicher);
    dialog.seiten()->addTab(seite, tr("Zuschauer"));
    QObject::connect(&dialog, &QDialog::accepted, seite, [seite, anwenden = std::move(anwenden)] {
        seite->speichere();
        if (anwenden) anwenden();
    });
    return seite;
}
