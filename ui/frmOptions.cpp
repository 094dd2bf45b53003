#include "ui/frmOptions.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>
#include <sqlite3.h>

#include "darstellung/Programmkopf.h"
#include "darstellung/TabellenModell.h"
#include "data/Datenbank.h"
#include "engine/Rueckfrage.h"

namespace {

struct Tab {
    const char* schluessel;
    const char* tabelle;
    const char* ordnung;
    const char* titel;  // shown on the tab, through tr(); in German the key itself
};
// "rennen" is the standings table, "SRunden" the lap records ("Hall of Fame").
constexpr Tab kTabs[] = {
    //: Tab of the table editor: the standings of the races
    {"rennen", "positionen", "", QT_TRANSLATE_NOOP("frmOptions", "rennen")},
    //: Tab of the table editor: the drivers
    {"fahrer", "fahrer", "", QT_TRANSLATE_NOOP("frmOptions", "fahrer")},
    //: Tab of the table editor: the lap records ("Hall of Fame")
    {"SRunden", "schnellsterunden", "", QT_TRANSLATE_NOOP("frmOptions", "SRunden")},
    //: Tab of the table editor: the cars
    {"autos", "autos", "", QT_TRANSLATE_NOOP("frmOptions", "autos")},
    //: Tab of the table editor: the tracks
    {"strecken", "strecken", "", QT_TRANSLATE_NOOP("frmOptions", "strecken")},
    //: Tab of the table editor: the pieces of each track's layout
    {"streckenlayout", "streckenlayout", "strname,nummer",
     QT_TRANSLATE_NOOP("frmOptions", "streckenlayout")},
    //: Tab of the table editor: the kinds of track pieces
    {"schienen", "schienen", "", QT_TRANSLATE_NOOP("frmOptions", "schienen")},
    //: Tab of the table editor: the announcement texts
    {"texte", "texte", "nummer,langid", QT_TRANSLATE_NOOP("frmOptions", "texte")},
};

}  // namespace

QStringList frmOptions::schluessel() {
    QStringList l;
    for (const Tab& t : kTabs) l << QString::fromLatin1(t.schluessel);
    return l;
}

frmOptions::frmOptions(Datenbank& db, Rueckfrage& frage, TabellenAktionen aktionen,
                       QWidget* parent)
    : QDialog(parent), m_frage(frage), m_aktionen(std::move(aktionen)) {
    setWindowTitle(tr("Tabellen"));
    m_modell = new TabellenModell(db.db(), frage, this);
    m_tabs = new QTabBar(this);
    for (const Tab& t : kTabs) m_tabs->addTab(tr(t.titel));
    m_grid = new QTableView(this);
    m_grid->setModel(m_modell);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->setDefaultSectionSize(22);

    // The German caption is also the button's object name.
    const std::pair<const char*, std::function<void()>> knoepfe[] = {
        {QT_TR_NOOP("Neue Zeile"), [this] { NeueZeile_Click(); }},
        {QT_TR_NOOP("Zeile löschen"), [this] { Loeschen_Click(); }},
        {QT_TR_NOOP("Sprache"), [this] { if (m_aktionen.Sprache) m_aktionen.Sprache(); }},
        {QT_TR_NOOP("Strecken"), [this] { if (m_aktionen.Strecken) m_aktionen.Strecken(); }},
        {QT_TR_NOOP("Info"), [this] { QMessageBox::about(this, tr("Info"), infoText()); }},
    };
    auto* leiste = new QHBoxLayout;
    for (const auto& [text, aktion] : knoepfe) {
        auto* k = new QPushButton(tr(text), this);
        k->setObjectName(QString::fromUtf8(text));
        k->setAutoDefault(false);
        connect(k, &QPushButton::clicked, this, aktion);
        leiste->addWidget(k);
    }
    leiste->addStretch(1);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &frmOptions::OK_Click);
    leiste->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_grid, 1);
    layout->addLayout(leiste);
    connect(m_tabs, &QTabBar::currentChanged, this, &frmOptions::zeigeTab);
    zeigeTab(0);
    resize(900, 560);
}

void frmOptions::waehle(const QString& s) {
    const int i = schluessel().indexOf(s);
    if (i >= 0) m_tabs->setCurrentIndex(i);
}

void frmOptions::zeigeTab(int index) {
    if (index < 0 || index >= int(std::size(kTabs))) return;
    const Tab& t = kTabs[index];
    m_modell->zeige(QString::fromLatin1(t.tabelle), QString::fromLatin1(t.ordnung));
    // The rowid only tells the rows apart; nobody edits it.
    for (int s = 0; s < m_modell->columnCount(); ++s)
        m_grid->setColumnHidden(s, s == m_modell->rowidSpalte());
    m_grid->resizeColumnsToContents();
    for (int s = 0; s < m_modell->columnCount(); ++s)
        m_grid->setColumnWidth(s, qBound(60, m_grid->columnWidth(s), 300));
}

void frmOptions::NeueZeile_Click() {
    const int zeile = m_modell->neueZeile();
    if (zeile < 0) return;
    const QModelIndex erstes = m_modell->index(zeile, 0);
    m_grid->setCurrentIndex(erstes);
    m_grid->scrollTo(erstes);
}

void frmOptions::Loeschen_Click() {
    const QModelIndex i = m_grid->currentIndex();
    if (!i.isValid()) {
        m_frage.meldung(tr("Bitte zuerst eine Zeile wählen."));
        return;
    }
    if (!m_frage.frage(tr("Soll die Zeile %1 gelöscht werden?").arg(i.row() + 1)))
        return;
    m_modell->loescheZeile(i.row());
}

void frmOptions::OK_Click() {
    if (m_aktionen.SetzeTexte) m_aktionen.SetzeTexte();
    accept();
}

QString frmOptions::infoText() {
    return QStringLiteral("<h3>Pistorelle %1</h3><p>%2</p><p>%3</p><ul>")
               .arg(Programmkopf::version(),
                    tr("Zeitnahme und Rennleitung für Slotcar-Bahnen mit zwei bis sechs Spuren."),
                    tr("Verwendete Bibliotheken und ihre Lizenzen:")) +
           QStringLiteral(
               "<li>Qt %1 (Core, Gui, Widgets, Sql, SerialPort, Multimedia): LGPL 3</li>"
               "<li>Qt Charts %1: GPL 3</li>"
               "<li>SQLite %2: Public Domain</li>"
               "<li>eSpeak NG: GPL 3</li>"
               "<li>libusb 1.0: LGPL 2.1</li></ul>")
               .arg(QString::fromLatin1(qVersion()), QString::fromLatin1(sqlite3_libversion()));
}
