#include "ui/ZeitnahmeFeld.h"

#include "engine/ZeitnahmeStatus.h"

ZeitnahmeFeld::ZeitnahmeFeld(ZeitnahmeStatus& status, QWidget* parent)
    : QLabel(parent), m_status(&status) {
    setObjectName(QStringLiteral("lblZeitnahme"));
    setMinimumWidth(100);
    setMaximumWidth(300);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setMargin(1);
    connect(&status, &ZeitnahmeStatus::geaendert, this, &ZeitnahmeFeld::spiegele);
    connect(&status, &ZeitnahmeStatus::captionGeaendert, this, &ZeitnahmeFeld::captionGeaendert);
    spiegele();
}

void ZeitnahmeFeld::spiegele() {
    if (!m_status) return;
    m_rot = !m_status->kannZaehlen();
    const bool simuliert = m_status->status() == Zeitnahme::Status::Simuliert;
    // During a run the bar leaves about 160 px beside the clock at 1024 px: the interface and
    // its port go above the state, so both are always there in full.
    const QString voll = m_status->text();
    const qsizetype trenner = voll.indexOf(QLatin1String(": "));
    const QStringList zeilen =
        trenner > 0 ? QStringList{voll.left(trenner), voll.mid(trenner + 2)} : QStringList{voll};
    QFont schrift = font();
    schrift.setBold(m_rot && !simuliert);
    const QFontMetrics masse(schrift);
    int breite = 0;
    for (const QString& z : zeilen) breite = qMax(breite, masse.horizontalAdvance(z));
    setMinimumWidth(qBound(100, breite + 2 * margin() + 8, maximumWidth()));
    setText(zeilen.join(QLatin1Char('\n')));
    setToolTip(m_status->details());
    setStyleSheet(m_rot ? (simuliert ? QStringLiteral("QLabel { background: #ffd24d; color: black; "
                                                      "border: 1px solid #806000; }")
                                     : QStringLiteral("QLabel { background: #d01010; color: white; "
                                                      "font-weight: bold; border: 1px solid "
                                                      "#600000; }"))
                        : QStringLiteral("QLabel { background: #c8f0c8; color: black; "
                                         "border: 1px solid #408040; }"));
}
