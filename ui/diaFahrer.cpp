#include "ui/diaFahrer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>

#include "data/Datenbank.h"
#include "ui/diaAuto2Fahrer.h"

namespace {
QList<QPair<QString, QVariant>> zeilen(Datenbank& db, const QString& sql,
                                       const QVariantList& werte) {
    QList<QPair<QString, QVariant>> ergebnis;
    QSqlQuery q(db.db());
    if (!q.prepare(sql)) return ergebnis;
    for (const QVariant& w : werte) q.addBindValue(w);
    if (!q.exec()) return ergebnis;
    while (q.next())
        ergebnis.append({q.value(0).toString(), q.record().count() > 1 ? q.value(1) : QVariant()});
    return ergebnis;
}
}  // namespace

diaFahrer::diaFahrer(Datenbank& db, const QString& bilderPfad, const QString& fahrer,
                     const QString& autoName, int platz, QWidget* parent)
    : QDialog(parent),
      m_db(db),
      m_bilderPfad(bilderPfad),
      m_platz(platz),
      m_vorFahrer(fahrer),
      m_vorAuto(autoName) {
    setWindowTitle(tr("Fahrer und Fahrzeug zuordnen"));
    m_fahrerListe = new QListWidget(this);
    m_autoListe = new QListWidget(this);
    m_freierFahrer = new QLineEdit(this);
    m_freiesAuto = new QLineEdit(this);
    m_fahrerBildAnzeige = new QLabel(this);
    m_autoBildAnzeige = new QLabel(this);
    for (QLabel* b : {m_fahrerBildAnzeige, m_autoBildAnzeige}) {
        b->setFixedSize(160, 120);
        b->setScaledContents(true);
        b->setFrameShape(QFrame::StyledPanel);
    }
    auto* ok = new QPushButton(tr("OK"), this);
    auto* alle = new QPushButton(tr("ALLE"), this);
    auto* abbruch = new QPushButton(tr("Abbruch"), this);
    auto* stammdaten = new QPushButton(tr("Stammdaten…"), this);
    stammdaten->setToolTip(tr("Fahrer und Autos anlegen, ändern und zuweisen"));
    ok->setDefault(true);

    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(tr("Fahrer"), this), 0, 0);
    raster->addWidget(new QLabel(tr("Auto"), this), 0, 1);
    raster->addWidget(m_fahrerListe, 1, 0);
    raster->addWidget(m_autoListe, 1, 1);
    raster->addWidget(m_freierFahrer, 2, 0);
    raster->addWidget(m_freiesAuto, 2, 1);
    raster->addWidget(m_fahrerBildAnzeige, 3, 0, Qt::AlignCenter);
    raster->addWidget(m_autoBildAnzeige, 3, 1, Qt::AlignCenter);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(ok);
    knoepfe->addWidget(alle);
    knoepfe->addWidget(stammdaten);
    knoepfe->addStretch(1);
    knoepfe->addWidget(abbruch);
    raster->addLayout(knoepfe, 4, 0, 1, 2);

    fuelleFahrer();
    fuelleAutos(QStringLiteral("select name from autos"), {});

    // The panel's current driver and car are preselected when the lists hold them.
    const auto fahrerTreffer = m_fahrerListe->findItems(fahrer, Qt::MatchFixedString);
    if (!fahrerTreffer.isEmpty()) {
        m_fahrerListe->setCurrentItem(fahrerTreffer.first());
        zeigeFahrerBild(fahrerTreffer.first()->data(Qt::UserRole));
    }
    const auto autoTreffer = m_autoListe->findItems(autoName, Qt::MatchFixedString);
    if (!autoTreffer.isEmpty()) {
        m_autoListe->setCurrentItem(autoTreffer.first());
        autoGewaehlt();
    }

    connect(m_fahrerListe, &QListWidget::itemClicked, this, &diaFahrer::fahrerGewaehlt);
    connect(m_fahrerListe, &QListWidget::itemDoubleClicked, this, &diaFahrer::FahrerAuswahl);
    connect(m_autoListe, &QListWidget::itemClicked, this, &diaFahrer::autoGewaehlt);
    connect(ok, &QPushButton::clicked, this, &diaFahrer::FahrerAuswahl);
    connect(alle, &QPushButton::clicked, this, &diaFahrer::Alle_Click);
    connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(stammdaten, &QPushButton::clicked, this, &diaFahrer::Stammdaten_Click);
}

void diaFahrer::fuelleFahrer() {
    const QString gewaehlt =
        m_fahrerListe->currentItem() ? m_fahrerListe->currentItem()->text() : QString();
    m_fahrerListe->clear();
    for (const auto& [name, nummer] :
         zeilen(m_db, QStringLiteral("select name,nummer from fahrer order by name"), {})) {
        auto* eintrag = new QListWidgetItem(name, m_fahrerListe);
        eintrag->setData(Qt::UserRole, nummer);
        if (!gewaehlt.isEmpty() && name == gewaehlt) m_fahrerListe->setCurrentItem(eintrag);
    }
}

void diaFahrer::Stammdaten_Click() {
    diaAuto2Fahrer stamm(m_db, m_bilderPfad, this);
    stamm.exec();
    // New drivers and cars can be chosen at once.
    fuelleFahrer();
    fuelleAutos(QStringLiteral("select name from autos"), {});
}

void diaFahrer::fuelleAutos(const QString& sql, const QVariantList& werte) {
    // The chosen car stays chosen when the new list holds it too.
    const QString gewaehlt =
        m_autoListe->currentItem() ? m_autoListe->currentItem()->text() : QString();
    m_autoListe->clear();
    for (const auto& zeile : zeilen(m_db, sql, werte)) {
        auto* eintrag = new QListWidgetItem(zeile.first, m_autoListe);
        if (!gewaehlt.isEmpty() && zeile.first == gewaehlt) m_autoListe->setCurrentItem(eintrag);
    }
}

QString diaFahrer::bildPfad(const QVariant& link) const {
    const QString l = link.toString();
    if (l.isEmpty()) return QString();
    return m_bilderPfad + QLatin1Char('/') + l;
}

void diaFahrer::zeigeBild(QLabel* ziel, const QString& pfad) {
    QPixmap bild;
    if (!pfad.isEmpty()) bild.load(pfad);  // a missing file leaves the picture empty
    ziel->setPixmap(bild);
}

void diaFahrer::fahrerGewaehlt() {
    const QListWidgetItem* eintrag = m_fahrerListe->currentItem();
    if (!eintrag) return;
    m_freierFahrer->clear();
    const QVariant nummer = eintrag->data(Qt::UserRole);
    zeigeFahrerBild(nummer);
    fuelleAutos(QStringLiteral("select name,nummer from Autos where nummer in "
                               "(select autonr from auto2fahrer where fahrernr=?)"),
                {nummer});
}

void diaFahrer::zeigeFahrerBild(const QVariant& nummer) {
    m_fahrerBild =
        bildPfad(m_db.wert(QStringLiteral("select bildlink from fahrer where nummer=?"), {nummer}));
    zeigeBild(m_fahrerBildAnzeige, m_fahrerBild);
}

void diaFahrer::autoGewaehlt() {
    const QListWidgetItem* eintrag = m_autoListe->currentItem();
    if (!eintrag) return;
    m_freiesAuto->clear();
    m_autoBild = bildPfad(
        m_db.wert(QStringLiteral("select bildlink from autos where name=?"), {eintrag->text()}));
    zeigeBild(m_autoBildAnzeige, m_autoBild);
}

void diaFahrer::Alle_Click() { fuelleAutos(QStringLiteral("select name from autos"), {}); }

void diaFahrer::FahrerAuswahl() {
    const QListWidgetItem* f = m_fahrerListe->currentItem();
    const QListWidgetItem* a = m_autoListe->currentItem();
    // Nothing chosen and nothing typed keeps what the panel showed.
    m_gewaehlterFahrer = !m_freierFahrer->text().isEmpty() ? m_freierFahrer->text()
                         : f                               ? f->text()
                                                           : m_vorFahrer;
    m_gewaehltesAuto = !m_freiesAuto->text().isEmpty() ? m_freiesAuto->text()
                       : a                             ? a->text()
                                                       : m_vorAuto;
    // A typed name has no picture of its own.
    if (!m_freierFahrer->text().isEmpty()) m_fahrerBild.clear();
    if (!m_freiesAuto->text().isEmpty()) m_autoBild.clear();
    m_db.execute(QStringLiteral("update positionen set fahrer=?, auto=? where platz=?"),
                 {m_gewaehlterFahrer, m_gewaehltesAuto, m_platz});
    m_ok = true;
    accept();
}
