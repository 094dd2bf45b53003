#include "ui/frmErgebnis.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frmErgebnis::frmErgebnis(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmErgebnis"));
    setWindowTitle(tr("Ergebnis"));
    auto* spalte = new QVBoxLayout(this);
    m_kopf = new QLabel(this);
    QFont fett = m_kopf->font();
    fett.setPointSize(18);
    fett.setBold(true);
    m_kopf->setFont(fett);
    spalte->addWidget(m_kopf);

    m_tabelle = new QTableWidget(0, int(spalten().size()), this);
    m_tabelle->setHorizontalHeaderLabels(spalten());
    m_tabelle->verticalHeader()->hide();
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabelle->setSelectionMode(QAbstractItemView::NoSelection);
    m_tabelle->setFocusPolicy(Qt::NoFocus);
    QFont gross = m_tabelle->font();
    gross.setPointSize(16);
    m_tabelle->setFont(gross);
    m_tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tabelle->horizontalHeader()->setStretchLastSection(true);
    spalte->addWidget(m_tabelle, 1);
    m_korrekturen = new QLabel(this);
    m_korrekturen->setObjectName(QStringLiteral("lblKorrekturen"));
    m_korrekturen->setWordWrap(true);
    m_korrekturen->hide();
    spalte->addWidget(m_korrekturen);

    m_schliessen = new QPushButton(tr("Schließen"), this);
    connect(m_schliessen, &QPushButton::clicked, this, &QWidget::close);
    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    unten->addWidget(m_schliessen);
    spalte->addLayout(unten);
    resize(820, 360);
}

QStringList frmErgebnis::spalten() {
    return {tr("Platz"),      tr("Fahrer"),      tr("Auto"),   tr("Runden"),
            tr("Gesamtzeit"), tr("Beste Runde"), tr("Abstand")};
}

QString frmErgebnis::artText(const QString& rennArt) {
    // The run's kind is a key of the engine; only its shown name changes with the language.
    if (rennArt == QLatin1String("Training")) return tr("Training");
    //: The qualifying run
    if (rennArt == QLatin1String("Quali")) return tr("Quali");
    if (rennArt == QLatin1String("Rennen")) return tr("Rennen");
    return rennArt;
}

void frmErgebnis::zeige(const Laufergebnis& e) {
    QString kopf = artText(e.rennArt);
    if (!e.rennName.isEmpty() && e.rennName != e.rennArt)
        kopf += QStringLiteral(" :  ") + e.rennName;
    if (e.datum.isValid())
        kopf += QStringLiteral("   ") + e.datum.toString(QStringLiteral("dd.MM.yyyy HH:mm"));
    m_kopf->setText(kopf);
    m_tabelle->setRowCount(int(e.zeilen.size()));
    m_korrekturen->setText(tr("Korrekturen der Rennleitung:") + QLatin1Char('\n') +
                           e.korrekturen.join(QLatin1Char('\n')));
    m_korrekturen->setVisible(!e.korrekturen.isEmpty());
    const auto rechts = Qt::AlignRight | Qt::AlignVCenter;
    for (int r = 0; r < e.zeilen.size(); ++r) {
        const ErgebnisZeile& z = e.zeilen.at(r);
        const bool mitRunden = z.runden > 0;
        const QString werte[7] = {
            QString::number(z.platz),
            z.fahrer,
            z.autoName,
            QString::number(z.runden),
            mitRunden ? Laufergebnis::zeitText(z.gesamt) : QStringLiteral("–"),
            z.beste > 0 ? Laufergebnis::zeitText(z.beste) : QStringLiteral("–"),
            z.abstand};
        for (int s = 0; s < 7; ++s) {
            auto* zelle = new QTableWidgetItem(werte[s]);
            if (s != 1 && s != 2) zelle->setTextAlignment(rechts);
            if (!mitRunden) zelle->setForeground(QColor(120, 120, 120));
            m_tabelle->setItem(r, s, zelle);
        }
    }
    // Wide and tall enough for every column and row: no place behind a scroll bar.
    m_tabelle->resizeColumnsToContents();
    m_tabelle->resizeRowsToContents();
    int breite = 2 * m_tabelle->frameWidth() + 24;
    for (int s = 0; s < m_tabelle->columnCount(); ++s) breite += m_tabelle->columnWidth(s);
    int hoehe = 2 * m_tabelle->frameWidth() + m_tabelle->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < m_tabelle->rowCount(); ++r) hoehe += m_tabelle->rowHeight(r);
    m_tabelle->setMinimumSize(qMin(breite, 1200), qMin(hoehe, 700));
    resize(minimumSizeHint().expandedTo(QSize(600, 0)));
    show();
    raise();
}
