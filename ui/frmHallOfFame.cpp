#include "ui/frmHallOfFame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>

namespace {

// Shown as text, sorted by the value (Qt::UserRole).
QStandardItem* feld(const QString& text, const QVariant& sortierWert, bool rechts = false) {
    auto* i = new QStandardItem(text);
    i->setData(sortierWert, Qt::UserRole);
    if (rechts) i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return i;
}

}  // namespace

frmHallOfFame::frmHallOfFame(Datenbank& db, QWidget* parent)
    : QWidget(parent, Qt::Window), m_statistik(db) {
    setWindowTitle(tr("Hall of Fame"));
    m_strecke = new QComboBox(this);
    m_strecke->setMinimumContentsLength(14);
    m_filter = new QLineEdit(this);
    m_filter->setPlaceholderText(tr("Suchen (Fahrer, Auto, Strecke …)"));
    m_filter->setClearButtonEnabled(true);
    m_nurRekorde = new QCheckBox(tr("Nur Rekorde"), this);
    m_nurRekorde->setToolTip(tr("Nur die schnellste Runde je Strecke, Bahn und Auto"));
    m_nurRekorde->setChecked(true);

    m_modell = new QStandardItemModel(this);
    m_modell->setHorizontalHeaderLabels({tr("Strecke"), tr("Bahn"), tr("Auto"), tr("Fahrer"),
                                         tr("Zeit"), tr("Runde"), tr("m/s"), tr("Datum")});
    m_sortierung = new QSortFilterProxyModel(this);
    m_sortierung->setSourceModel(m_modell);
    m_sortierung->setSortRole(Qt::UserRole);
    m_sortierung->setFilterKeyColumn(-1);
    m_sortierung->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_sortierung->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_grid = new QTableView(this);
    m_grid->setModel(m_sortierung);
    m_grid->setSortingEnabled(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);

    auto* ende = new QPushButton(tr("Ende"), this);
    auto* oben = new QHBoxLayout;
    oben->addWidget(new QLabel(tr("Strecke"), this));
    oben->addWidget(m_strecke);
    oben->addWidget(m_filter, 1);
    oben->addWidget(m_nurRekorde);
    oben->addWidget(ende);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(m_grid, 1);

    m_strecke->addItem(tr("Alle Strecken"), QString());
    QStringList strecken;
    for (const auto& r : m_statistik.rekorde(false))
        if (std::none_of(strecken.cbegin(), strecken.cend(),
                         [&r](const QString& s) { return Fahrerstatistik::gleich(s, r.strecke); }))
            strecken << r.strecke;
    strecken.sort(Qt::CaseInsensitive);
    for (const QString& s : strecken) m_strecke->addItem(s, s);

    connect(m_strecke, &QComboBox::activated, this, &frmHallOfFame::lade);
    connect(m_nurRekorde, &QCheckBox::toggled, this, &frmHallOfFame::lade);
    connect(m_filter, &QLineEdit::textChanged, m_sortierung,
            &QSortFilterProxyModel::setFilterFixedString);
    connect(ende, &QPushButton::clicked, this, &QWidget::close);
    lade();
    // The fastest first.
    m_grid->sortByColumn(4, Qt::AscendingOrder);
    resize(900, 560);
}

void frmHallOfFame::lade() {
    const QString strecke = m_strecke->currentData().toString();
    m_modell->removeRows(0, m_modell->rowCount());
    for (const auto& r : m_statistik.rekorde(m_nurRekorde->isChecked())) {
        if (!strecke.isEmpty() && !Fahrerstatistik::gleich(strecke, r.strecke)) continue;
        // Stored as "#######000.000" (metres per second).
        const double geschw = QLocale::c().toDouble(r.geschw.trimmed());
        bool nummer = false;
        const int bahn = r.bahn.toInt(&nummer);
        const QDateTime wann = QDateTime::fromString(r.wann, QStringLiteral("dd.MM.yyyy HH:mm:ss"));
        m_modell->appendRow(
            {feld(r.strecke, r.strecke.toLower()),
             feld(r.bahn, nummer ? QVariant(bahn) : QVariant(r.bahn), true),
             feld(r.autoName, r.autoName.toLower()), feld(r.fahrer, r.fahrer.toLower()),
             feld(QLocale().toString(r.zeit, 'f', 3), r.zeit, true),
             feld(QString::number(r.runde), r.runde, true),
             feld(geschw > 0 ? QLocale().toString(geschw, 'f', 2) : QString(), geschw, true),
             feld(wann.isValid() ? QLocale().toString(wann, QLocale::ShortFormat) : r.wann,
                  wann.isValid() ? QVariant(wann) : QVariant(r.wann))});
    }
    m_grid->resizeColumnsToContents();
}
