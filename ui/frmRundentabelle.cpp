#include "frmRundentabelle.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

#include "Datenbank.h"
#include "TabellenModell.h"

namespace {
const QString kAktRennen = QStringLiteral("AktRennen");
const QString kSpalten =
    QStringLiteral("Fahrer,Auto,Strecke,Runde,Uhr,MProSec,Zeit,Gesamt,RennInfo");
}  // namespace

frmRundentabelle::frmRundentabelle(Datenbank& db, int anzHistRennen, int bildschirmHoehe,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), m_db(db) {
    setWindowTitle(tr("Rundentabelle"));
    m_speicherWahl = [this](const QString& titel, const QString& filter, QString* gewaehlt) {
        return QFileDialog::getSaveFileName(this, titel, QString(), filter, gewaehlt);
    };
    m_rennen = new QComboBox(this);
    m_fahrer = new QComboBox(this);
    m_rennen->setMinimumContentsLength(20);
    m_fahrer->setMinimumContentsLength(16);
    m_modell = new QSqlQueryModel(this);
    m_grid = new QTableView(this);
    m_grid->setModel(m_modell);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setAlternatingRowColors(true);
    if (bildschirmHoehe < 0 && QGuiApplication::primaryScreen())
        bildschirmHoehe = QGuiApplication::primaryScreen()->geometry().height();
    QFont schrift = m_grid->font();
    schrift.setPointSize(bildschirmHoehe >= 610 ? 12 : 6);
    m_grid->setFont(schrift);

    m_diagramm = new QChartView(new QChart, this);
    m_diagramm->setRenderHint(QPainter::Antialiasing);
    m_seiten = new QTabWidget(this);
    m_seiten->addTab(m_grid, tr("Runden"));
    m_seiten->addTab(m_diagramm, tr("Diagramm"));

    auto* export_ = new QPushButton(tr("Export…"), this);
    auto* ende = new QPushButton(tr("Ende"), this);
    auto* oben = new QHBoxLayout;
    oben->addWidget(new QLabel(tr("Rennen"), this));
    oben->addWidget(m_rennen);
    oben->addWidget(new QLabel(tr("Fahrer"), this));
    oben->addWidget(m_fahrer);
    oben->addStretch(1);
    oben->addWidget(export_);
    oben->addWidget(ende);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(m_seiten, 1);  // the grid follows the window's size

    //: The race running now (or the last one), as against the past races listed below it.
    m_rennen->addItem(tr("AktRennen"));
    QSqlQuery q(m_db.db());
    q.exec(QStringLiteral("select distinct rennzeit from histrennen order by rennzeit DESC"));
    while (m_rennen->count() - 1 < anzHistRennen && q.next())
        m_rennen->addItem(q.value(0).toString());
    m_fahrer->addItem(tr("Alle"));
    zeige(QStringLiteral("aktrennen"), {});
    RennenGewaehlt();

    connect(m_rennen, &QComboBox::activated, this, &frmRundentabelle::RennenGewaehlt);
    connect(m_fahrer, &QComboBox::activated, this, &frmRundentabelle::FahrerGewaehlt);
    connect(export_, &QPushButton::clicked, this, &frmRundentabelle::Export_Click);
    connect(ende, &QPushButton::clicked, this, &QWidget::close);
    connect(m_grid, &QTableView::doubleClicked, this, &QWidget::close);
    resize(1000, 600);
}

QChart* frmRundentabelle::diagramm() const { return m_diagramm->chart(); }

void frmRundentabelle::zeige(const QString& wo, const QVariantList& werte) {
    QSqlQuery q(m_db.db());
    q.prepare(QStringLiteral("select ") + kSpalten + QStringLiteral(" from ") + wo +
              QStringLiteral(" order by lfdnr"));
    for (const QVariant& w : werte) q.addBindValue(w);
    q.exec();
    m_modell->setQuery(std::move(q));
    while (m_modell->canFetchMore()) m_modell->fetchMore();
    // The headers in the interface language; the export keeps the column names.
    const QSqlRecord r = m_modell->record();
    for (int s = 0; s < r.count(); ++s)
        m_modell->setHeaderData(s, Qt::Horizontal, TabellenModell::spaltenTitel(r.fieldName(s)));
    m_grid->resizeColumnsToContents();
    zeichne();
}

void frmRundentabelle::RennenGewaehlt() {
    const bool akt = m_rennen->currentIndex() <= 0;
    const QString stempel = m_rennen->currentText();
    m_fahrer->clear();
    m_fahrer->addItem(tr("Alle"));
    QSqlQuery q(m_db.db());
    q.prepare(akt ? QStringLiteral("select distinct Fahrer from aktrennen")
                  : QStringLiteral("select distinct Fahrer from histrennen where rennzeit=?"));
    if (!akt) q.addBindValue(stempel);
    q.exec();
    while (q.next()) m_fahrer->addItem(q.value(0).toString());
    m_fahrer->setCurrentIndex(0);
    if (akt)
        zeige(QStringLiteral("aktrennen"), {});
    else
        zeige(QStringLiteral("histrennen where rennzeit=?"), {stempel});
}

void frmRundentabelle::FahrerGewaehlt() {
    const bool akt = m_rennen->currentIndex() <= 0;
    const bool alle = m_fahrer->currentIndex() <= 0;
    const QString stempel = m_rennen->currentText(), fahrer = m_fahrer->currentText();
    if (akt && alle)
        zeige(QStringLiteral("aktrennen"), {});
    else if (akt)
        zeige(QStringLiteral("aktrennen where fahrer=?"), {fahrer});
    else if (alle)
        zeige(QStringLiteral("histrennen where rennzeit=?"), {stempel});
    else
        zeige(QStringLiteral("histrennen where fahrer=? and rennzeit=?"), {fahrer, stempel});
}

RundenDaten frmRundentabelle::daten() const {
    RundenDaten d;
    // The current race's title is the fixed "AktRennen" in every language: it goes into files.
    d.titel = m_rennen->currentIndex() <= 0 ? kAktRennen : m_rennen->currentText();
    if (m_fahrer->currentIndex() > 0) d.titel += QStringLiteral(" – ") + m_fahrer->currentText();
    const QSqlRecord r = m_modell->record();
    for (int s = 0; s < r.count(); ++s) d.spalten << r.fieldName(s);
    for (int z = 0; z < m_modell->rowCount(); ++z) {
        QVector<QVariant> zeile;
        for (int s = 0; s < r.count(); ++s) zeile << m_modell->data(m_modell->index(z, s));
        d.zeilen << zeile;
    }
    return d;
}

void frmRundentabelle::zeichne() {
    QChart* chart = m_diagramm->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* a : chart->axes()) {
        chart->removeAxis(a);
        delete a;
    }
    const RundenDaten d = daten();
    const int f = d.spalte(QStringLiteral("Fahrer")), r = d.spalte(QStringLiteral("Runde")),
              z = d.spalte(QStringLiteral("Zeit"));
    QHash<QString, QLineSeries*> linien;
    double maxRunde = 1, minZeit = 0, maxZeit = 1;
    bool erste = true;
    for (const auto& zeile : d.zeilen) {
        const double zeit = zeile.value(z).toDouble(), runde = zeile.value(r).toDouble();
        if (zeit <= 0) continue;  // no time of its own (a false start's lap, say)
        const QString name = zeile.value(f).toString();
        QLineSeries*& linie = linien[name];
        if (!linie) {
            linie = new QLineSeries;
            linie->setName(name);
            linie->setPointsVisible(true);
        }
        linie->append(runde, zeit);
        maxRunde = std::max(maxRunde, runde);
        minZeit = erste ? zeit : std::min(minZeit, zeit);
        maxZeit = erste ? zeit : std::max(maxZeit, zeit);
        erste = false;
    }
    QString titel = m_rennen->currentText();
    if (m_fahrer->currentIndex() > 0) titel += QStringLiteral(" – ") + m_fahrer->currentText();
    chart->setTitle(tr("Rundenzeiten %1").arg(titel));
    auto* x = new QValueAxis;
    x->setTitleText(tr("Runde"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(0, maxRunde + 1);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(std::max(1.0, std::ceil((maxRunde + 1) / 10.0)));
    auto* y = new QValueAxis;
    y->setTitleText(tr("Rundenzeit (s)"));
    const double rand = std::max(0.1, (maxZeit - minZeit) * 0.1);
    y->setRange(std::max(0.0, minZeit - rand), maxZeit + rand);
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    QStringList namen = linien.keys();
    namen.sort(Qt::CaseInsensitive);
    for (const QString& n : namen) {
        chart->addSeries(linien[n]);
        linien[n]->attachAxis(x);
        linien[n]->attachAxis(y);
    }
}

void frmRundentabelle::Export_Click() {
    const QString csv = tr("CSV-Datei (*.csv)");
    const QString pdf = tr("PDF-Datei (*.pdf)");
    QString filter = csv;
    QString pfad = m_speicherWahl(tr("Rundentabelle exportieren"),
                                  csv + QStringLiteral(";;") + pdf, &filter);
    if (pfad.isEmpty()) return;
    const bool alsPdf =
        pfad.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) || filter == pdf;
    if (!pfad.contains(QLatin1Char('.')))
        pfad += alsPdf ? QStringLiteral(".pdf") : QStringLiteral(".csv");
    QString fehler;
    const bool ok = alsPdf ? RundenExport::schreibePdf(daten(), pfad, QLocale(), &fehler)
                           : RundenExport::schreibeCsv(daten(), pfad, QLocale(), &fehler);
    if (!ok)
        QMessageBox::warning(this, windowTitle(),
                             tr("Die Datei %1 konnte nicht geschrieben werden: %2")
                                 .arg(pfad, fehler));
}

void frmRundentabelle::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || isActiveWindow()) return;
    // Lost the focus: closes, unless the focus went to one of its own dialogs (export).
    QTimer::singleShot(0, this, [this] {
        for (QWidget* w = QApplication::activeWindow(); w; w = w->parentWidget())
            if (w == this) return;
        if (QApplication::activeWindow()) close();
    });
}

void frmRundentabelle::mouseDoubleClickEvent(QMouseEvent*) { close(); }
