#include "ZeitnahmeFeld.h"

#include "ZeitnahmeStatus.h"

ZeitnahmeFeld::ZeitnahmeFeld(ZeitnahmeStatus& status, QWidget* parent)
    : QLabel(parent), m_status(&status) {
    setObjectName(QStringLiteral("lblZeitnahme"));
    setMinimumWidth(120);
    setMaximumWidth(420);
    setTextFormat(Qt::PlainText);
    setMargin(3);
    connect(&status, &ZeitnahmeStatus::geaendert, this, &ZeitnahmeFeld::spiegele);
    connect(&status, &ZeitnahmeStatus::captionGeaendert, this, &ZeitnahmeFeld::captionGeaendert);
    spiegele();
}

void ZeitnahmeFeld::spiegele() {
    if (!m_status) return;
    const QString voll = m_status->text();
    // The field asks the bar for room for all of it: a cut state is no state.
    const int breite = fontMetrics().horizontalAdvance(voll) + 2 * margin() + 8;
    setMinimumWidth(qBound(120, breite, maximumWidth()));
    setText(fontMetrics().elidedText(voll, Qt::ElideRight, maximumWidth() - 8));
    setToolTip(m_status->details());
    m_rot = !m_status->kannZaehlen();
    const bool simuliert = m_status->status() == Zeitnahme::Status::Simuliert;
    setStyleSheet(m_rot ? (simuliert ? QStringLiteral("QLabel { background: #ffd24d; color: black; "
                                                      "border: 1px solid #806000; }")
                                     : QStringLiteral("QLabel { background: #d01010; color: white; "
                                                      "font-weight: bold; border: 1px solid "
                                                      "#600000; }"))
                        : QStringLiteral("QLabel { background: #c8f0c8; color: black; "
                                         "border: 1px solid #408040; }"));
}
