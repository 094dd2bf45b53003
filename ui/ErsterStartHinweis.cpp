#include "ui/ErsterStartHinweis.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "config/Uhr.h"
#include "engine/ZeitnahmeStatus.h"

ErsterStartHinweis::ErsterStartHinweis(Uhr& uhr, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("ErsterStartHinweis"));
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("#ErsterStartHinweis { background: #e8f0ff; border: 2px solid "
                                 "#30508c; } QLabel { color: black; }"));
    auto* reihe = new QHBoxLayout(this);
    reihe->setContentsMargins(10, 6, 6, 6);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("lblErsterStart"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    reihe->addWidget(m_text, 1);
    m_demo = new QPushButton(tr("Demo starten"), this);
    m_demo->setObjectName(QStringLiteral("cmdDemoStarten"));
    m_demo->setToolTip(tr("Simulierte Autos fahren auf allen Bahnen; ohne Bahn und Zeitnahme"));
    reihe->addWidget(m_demo);
    m_einrichten = new QPushButton(tr("Zeitnahme einrichten…"), this);
    m_einrichten->setObjectName(QStringLiteral("cmdZeitnahmeEinrichten"));
    m_einrichten->setToolTip(tr("Öffnet die Optionen auf der Seite Zeitnahme"));
    reihe->addWidget(m_einrichten);
    auto* zu = new QToolButton(this);
    zu->setObjectName(QStringLiteral("cmdHinweisSchliessen"));
    zu->setText(QStringLiteral("×"));
    zu->setToolTip(tr("Hinweis schließen"));
    zu->setAutoRaise(true);
    reihe->addWidget(zu, 0, Qt::AlignTop);
    connect(m_demo, &QPushButton::clicked, this, &ErsterStartHinweis::demoGewuenscht);
    connect(m_einrichten, &QPushButton::clicked, this, &ErsterStartHinweis::einrichtenGewuenscht);
    connect(zu, &QToolButton::clicked, this, &ErsterStartHinweis::erledigt);

    m_frist = uhr.neuerTimer(this);
    m_frist->setSingleShot(true);
    m_frist->setInterval(stilleFrist);
    connect(m_frist, &UhrTimer::timeout, this, [this] {
        m_still = true;
        pruefe();
    });
    hide();
}

void ErsterStartHinweis::beobachte(ZeitnahmeStatus* status) {
    if (m_status) disconnect(m_status, nullptr, this, nullptr);
    m_status = status;
    if (status) connect(status, &ZeitnahmeStatus::geaendert, this, &ErsterStartHinweis::pruefe);
    m_still = false;
    if (!m_erledigt) m_frist->start();
    pruefe();
}

void ErsterStartHinweis::signalEmpfangen() {
    if (m_erledigt) return;
    erledigt();
}

void ErsterStartHinweis::erledigt() {
    m_erledigt = true;
    m_frist->stop();
    pruefe();
}

void ErsterStartHinweis::setzeLaufAn(bool an) {
    if (an == m_laufAn) return;
    m_laufAn = an;
    pruefe();
}

QString ErsterStartHinweis::text() const { return m_text->text(); }

void ErsterStartHinweis::pruefe() {
    QString text;
    if (!m_erledigt && m_status) {
        if (!m_status->kannZaehlen())
            text = tr("Keine Zeitnahme zählt Runden (%1). Ohne Bahn ausprobieren: „Demo starten“. "
                      "Eine Zeitnahme wählen: „Zeitnahme einrichten…“.")
                       .arg(m_status->text());
        else if (m_still)
            text = tr("Von der Zeitnahme (%1) kam noch kein Signal. Hängt dort kein Zähler, "
                      "„Zeitnahme einrichten…“; ohne Bahn ausprobieren: „Demo starten“.")
                       .arg(m_status->text());
    }
    const bool zeigen = !text.isEmpty() && !m_laufAn;
    m_text->setText(text);
    if (zeigen == !isHidden()) return;
    setVisible(zeigen);
    emit platzGeaendert();
}

QRect ErsterStartHinweis::ordneAn(const QRect& flaeche) {
    if (isHidden()) return flaeche;
    const int hoehe = qMax(sizeHint().height(), heightForWidth(flaeche.width()));
    setGeometry(flaeche.left(), flaeche.top(), flaeche.width(), hoehe);
    raise();
    return flaeche.adjusted(0, hoehe, 0, 0);
}
