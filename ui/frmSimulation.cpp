#include "ui/frmSimulation.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "config/Einstellungen.h"
#include "darstellung/Farbwert.h"
#include "engine/Rennleitung.h"
#include "ui/frmMain.h"

frmSimulation::frmSimulation(Rennleitung& leitung, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_leitung(leitung) {
    setObjectName(QStringLiteral("frmSimulation"));
    setWindowTitle(tr("Simulation"));
    new QHBoxLayout(this);
    baueKnoepfe();
    frmMain::FormOnTop(this, true);
}

void frmSimulation::baueKnoepfe() {
    qDeleteAll(m_knoepfe);
    m_knoepfe.clear();
    const Einstellungen& e = m_leitung.einstellungen();
    const int anzahl = gueltigeAnzBahnen(e.AnzBahnen);
    for (int k = 0; k < anzahl; ++k) {
        auto* knopf = new QPushButton(tr("Bahn &%1").arg(k + 1), this);
        knopf->setMinimumSize(110, 80);
        knopf->setFocusPolicy(Qt::NoFocus);  // a press must not steal the keyboard
        const QColor hinten = Farbwert::alsFarbe(e.Farbe[size_t(k + 1)], palette());
        const QColor schrift = Farbwert::alsFarbe(e.FontFarbe[size_t(k + 1)], palette());
        knopf->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; "
                                            "font-weight: bold; font-size: 14pt; }")
                                 .arg(hinten.name(), schrift.name()));
        connect(knopf, &QPushButton::clicked, this, [this, k] { m_leitung.GetPortnummer(k + 1); });
        layout()->addWidget(knopf);
        m_knoepfe.append(knopf);
    }
    adjustSize();
}
