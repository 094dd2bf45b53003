#include "ui/frmStreckenLayout.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSqlQuery>
#include <QVBoxLayout>

#include "data/Datenbank.h"

namespace {
QSqlQuery abfrage(Datenbank& db, const QString& sql, const QVariantList& werte = {}) {
    QSqlQuery q(db.db());
    q.prepare(sql);
    for (const QVariant& w : werte) q.addBindValue(w);
    q.exec();
    return q;
}

QString summe(double wert) { return QString::number(wert, 'g', 12); }

// The stored direction letter (G straight, L left, R right) as the list shows it.
QString richtungText(const QString& lrg) {
    if (lrg == QLatin1String("G"))
        //: Short for a straight piece in the layout list (L and R stay as they are).
        return QCoreApplication::translate("frmStreckenLayout", "G");
    return lrg;
}
}  // namespace

frmStreckenLayout::frmStreckenLayout(Datenbank& db, QWidget* parent) : QDialog(parent), m_db(db) {
    setWindowTitle(tr("Streckenlayout"));
    m_strecke = new QComboBox(this);
    m_hersteller = new QComboBox(this);
    m_schienen = new QListWidget(this);
    m_layout = new QListWidget(this);
    m_anzahl = new QSpinBox(this);
    m_anzahl->setRange(1, 999);
    m_gerade = new QRadioButton(tr("Gerade"), this);
    m_links = new QRadioButton(tr("Links"), this);
    m_rechts = new QRadioButton(tr("Rechts"), this);
    m_gerade->setChecked(true);
    m_innen = new QLabel(QStringLiteral("0"), this);
    m_aussen = new QLabel(QStringLiteral("0"), this);

    auto* neueStrecke = new QPushButton(tr("Neue Strecke…"), this);
    auto* hinzu = new QPushButton(tr("Hinzufügen ->"), this);
    auto* loeschen = new QPushButton(tr("Löschen"), this);
    auto* hoch = new QPushButton(tr("Up /\\"), this);
    auto* runter = new QPushButton(tr("Down \\/"), this);
    auto* uebernehmen = new QPushButton(tr("In Strecke übernehmen"), this);
    auto* beenden = new QPushButton(tr("beenden"), this);

    auto* links = new QVBoxLayout;
    auto* wahl = new QFormLayout;
    wahl->addRow(tr("Strecke"), m_strecke);
    wahl->addRow(QString(), neueStrecke);
    wahl->addRow(tr("Hersteller"), m_hersteller);
    links->addLayout(wahl);
    links->addWidget(new QLabel(tr("Schienen"), this));
    links->addWidget(m_schienen, 1);
    auto* richtung = new QHBoxLayout;
    richtung->addWidget(m_gerade);
    richtung->addWidget(m_links);
    richtung->addWidget(m_rechts);
    links->addLayout(richtung);
    auto* anzahl = new QFormLayout;
    anzahl->addRow(tr("Anzahl"), m_anzahl);
    links->addLayout(anzahl);

    auto* mitte = new QVBoxLayout;
    mitte->addStretch(1);
    for (QPushButton* k : {hinzu, loeschen, hoch, runter}) mitte->addWidget(k);
    mitte->addStretch(1);

    auto* bahn = new QGroupBox(tr("Bahnlänge"), this);
    auto* bl = new QFormLayout(bahn);
    bl->addRow(tr("Innen:"), m_innen);
    bl->addRow(tr("Außen:"), m_aussen);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(new QLabel(tr("Layout"), this));
    rechts->addWidget(m_layout, 1);
    rechts->addWidget(bahn);
    auto* unten = new QHBoxLayout;
    unten->addWidget(uebernehmen);
    unten->addStretch(1);
    unten->addWidget(beenden);
    rechts->addLayout(unten);

    auto* haupt = new QHBoxLayout(this);
    haupt->addLayout(links, 1);
    haupt->addLayout(mitte);
    haupt->addLayout(rechts, 1);

    connect(m_strecke, &QComboBox::currentTextChanged, this,
            &frmStreckenLayout::LayoutListBoxFuellen);
    connect(m_hersteller, &QComboBox::currentTextChanged, this, &frmStreckenLayout::fuelleSchienen);
    connect(m_schienen, &QListWidget::currentRowChanged, this, &frmStreckenLayout::schieneGewaehlt);
    connect(hinzu, &QPushButton::clicked, this, &frmStreckenLayout::Hinzufuegen_Click);
    connect(loeschen, &QPushButton::clicked, this, &frmStreckenLayout::Loeschen_Click);
    connect(hoch, &QPushButton::clicked, this, &frmStreckenLayout::Up_Click);
    connect(runter, &QPushButton::clicked, this, &frmStreckenLayout::Down_Click);
    connect(uebernehmen, &QPushButton::clicked, this,
            &frmStreckenLayout::InStreckeUebernehmen_Click);
    connect(beenden, &QPushButton::clicked, this, &QDialog::accept);
    connect(neueStrecke, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QString name = QInputDialog::getText(this, tr("Neue Strecke"),
                                                   tr("Name der Strecke:"),
                                                   QLineEdit::Normal, QString(), &ok);
        if (ok) NeueStrecke(name);
    });

    fuelleHersteller();
    fuelleStrecken();
    resize(860, 520);
}

void frmStreckenLayout::fuelleStrecken() {
    QSqlQuery q = abfrage(m_db, QStringLiteral("select name from strecken order by name"));
    while (q.next()) m_strecke->addItem(q.value(0).toString());
}

void frmStreckenLayout::fuelleHersteller() {
    QSqlQuery q = abfrage(m_db, QStringLiteral("select distinct hersteller from schienen order by hersteller"));
    while (q.next()) m_hersteller->addItem(q.value(0).toString());
}

void frmStreckenLayout::NeueStrecke(const QString& name) {
    const QString n = name.trimmed();
    if (n.isEmpty()) return;
    if (m_strecke->findText(n, Qt::MatchFixedString) < 0) {
        m_db.execute(QStringLiteral("insert into strecken (name) values (?)"), {n});
        m_strecke->addItem(n);
    }
    m_strecke->setCurrentIndex(m_strecke->findText(n, Qt::MatchFixedString));
}

void frmStreckenLayout::fuelleSchienen() {
    m_schienen->clear();
    QSqlQuery q = abfrage(m_db,
                          QStringLiteral("select name,linnen,laussen from schienen where hersteller=? order by name"),
                          {m_hersteller->currentText()});
    while (q.next()) {
        auto* e = new QListWidgetItem(q.value(0).toString(), m_schienen);
        e->setData(Qt::UserRole, q.value(1).toDouble() == q.value(2).toDouble());  // straight
    }
}

void frmStreckenLayout::schieneGewaehlt() {
    const QListWidgetItem* e = m_schienen->currentItem();
    if (!e) return;
    const bool gerade = e->data(Qt::UserRole).toBool();
    m_gerade->setEnabled(gerade);
    m_links->setEnabled(!gerade);
    m_rechts->setEnabled(!gerade);
    if (gerade)
        m_gerade->setChecked(true);
    else if (m_gerade->isChecked())
        m_links->setChecked(true);
}

void frmStreckenLayout::LayoutListBoxFuellen() {
    m_summeInnen = m_summeAussen = 0;
    m_innen->setText(QStringLiteral("0"));
    m_aussen->setText(QStringLiteral("0"));
    m_layout->clear();
    QSqlQuery q = abfrage(m_db,
                          QStringLiteral("select Hersteller,schienenname,anzahl,lrg,nummer,rowid "
                                         "from streckenlayout where strname=? order by nummer"),
                          {m_strecke->currentText()});
    // Read first, then renumbered by row id in one transaction: while it runs, a new number
    // may equal the old one of a later row.
    QVector<QVector<QVariant>> zeilen;
    while (q.next()) zeilen.append({q.value(0), q.value(1), q.value(2), q.value(3), q.value(5)});
    q.finish();
    m_db.beginneTransaktion();
    int n = 0;
    for (const auto& z : zeilen) {
        ++n;
        const int nummer = 2 * n - 1;
        m_db.execute(QStringLiteral("update streckenlayout set nummer=? where rowid=?"),
                     {nummer, z[4]});
        auto* e = new QListWidgetItem(QStringLiteral("%1 %2 %3 %4")
                                          .arg(z[0].toString(), z[1].toString(), z[2].toString(),
                                               richtungText(z[3].toString())),
                                      m_layout);
        e->setData(Qt::UserRole, nummer);
        LinienBerechnen(z[0].toString(), z[1].toString(), z[3].toString(), z[2].toInt());
    }
    m_db.bestaetige();
    if (m_layout->count() > 0) m_layout->setCurrentRow(m_layout->count() - 1);
}

void frmStreckenLayout::LinienBerechnen(const QString& hersteller, const QString& name,
                                        const QString& lrg, int anzahl) {
    QSqlQuery q = abfrage(
        m_db, QStringLiteral("select linnen,laussen from schienen where hersteller=? and name=?"),
        {hersteller, name});
    if (!q.next()) return;  // a piece no longer in the catalogue adds nothing
    const double innen = q.value(0).toDouble(), aussen = q.value(1).toDouble();
    const QString r = lrg.toUpper();
    if (r == QLatin1String("L")) {
        m_summeInnen += innen * anzahl;
        m_summeAussen += aussen * anzahl;
    } else if (r == QLatin1String("R")) {
        // The piece's outer lane is the track's inner lane.
        m_summeInnen += aussen * anzahl;
        m_summeAussen += innen * anzahl;
    } else if (r == QLatin1String("G")) {
        m_summeInnen += innen * anzahl;
        m_summeAussen += innen * anzahl;
    }
    m_innen->setText(summe(m_summeInnen));
    m_aussen->setText(summe(m_summeAussen));
}

int frmStreckenLayout::gewaehlteNummer() const {
    const QListWidgetItem* e = m_layout->currentItem();
    return e && e->isSelected() ? e->data(Qt::UserRole).toInt() : -1;
}

void frmStreckenLayout::Hinzufuegen_Click() {
    const QListWidgetItem* schiene = m_schienen->currentItem();
    if (m_strecke->currentText().isEmpty() || !schiene) return;
    const QString lrg = m_gerade->isChecked() ? QStringLiteral("G")
                        : m_links->isChecked() ? QStringLiteral("L")
                                               : QStringLiteral("R");
    const int gewaehlt = gewaehlteNummer();
    const int nummer = gewaehlt < 0 ? 0 : gewaehlt + 1;
    m_db.execute(QStringLiteral("insert into streckenlayout (strname,nummer,Hersteller,"
                                "Schienenname,Anzahl,LRG) values (?,?,?,?,?,?)"),
                 {m_strecke->currentText(), nummer, m_hersteller->currentText(), schiene->text(),
                  m_anzahl->value(), lrg});
    LayoutListBoxFuellen();
}

void frmStreckenLayout::Loeschen_Click() {
    const int nummer = gewaehlteNummer();
    if (nummer < 0) return;
    m_db.execute(QStringLiteral("delete from streckenlayout where strname=? and nummer=?"),
                 {m_strecke->currentText(), nummer});
    LayoutListBoxFuellen();
}

void frmStreckenLayout::Up_Click() {
    const int nummer = gewaehlteNummer();
    if (nummer < 3) return;  // none selected, or the first row
    const int zeile = m_layout->currentRow();
    m_db.execute(QStringLiteral("update streckenlayout set nummer=nummer-3 where strname=? and "
                                "nummer=?"),
                 {m_strecke->currentText(), nummer});
    LayoutListBoxFuellen();
    m_layout->setCurrentRow(zeile - 1);
}

void frmStreckenLayout::Down_Click() {
    const int nummer = gewaehlteNummer();
    const int zeile = m_layout->currentRow();
    if (nummer < 0 || zeile >= m_layout->count() - 1) return;
    m_db.execute(QStringLiteral("update streckenlayout set nummer=nummer+3 where strname=? and "
                                "nummer=?"),
                 {m_strecke->currentText(), nummer});
    LayoutListBoxFuellen();
    m_layout->setCurrentRow(zeile + 1);
}

void frmStreckenLayout::InStreckeUebernehmen_Click() {
    m_db.execute(QStringLiteral("update strecken set laengeinnen=?, laengeaussen=? where name=?"),
                 {m_summeInnen, m_summeAussen, m_strecke->currentText()});
}
