#include "ui/frmStatistik.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QValueAxis>

#include "darstellung/StatistikExport.h"
#include "data/Datenbank.h"
#include "engine/Ergebnisdateien.h"

namespace {

QTableView* neueTabelle(QStandardItemModel* modell, QWidget* eltern) {
    auto* t = new QTableView(eltern);
    t->setModel(modell);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setAlternatingRowColors(true);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QStandardItem* text(const QString& t) { return new QStandardItem(t); }

QStandardItem* zahl(const QString& t) {
    auto* i = new QStandardItem(t);
    i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return i;
}

QString zeit(double s) { return s > 0 ? QLocale().toString(s, 'f', 3) : QStringLiteral("–"); }

QString tag(const QDate& d) {
    return d.isValid() ? QLocale().toString(d, QLocale::ShortFormat) : QString();
}

}  // namespace

frmStatistik::frmStatistik(Datenbank& db, QWidget* parent)
    : QWidget(parent, Qt::Window), m_statistik(db) {
    setWindowTitle(tr("Statistik"));
    m_speicherWahl = [this](const QString& titel, const QString& vorschlag, const QString& filter,
                            QString* gewaehlt) {
        return QFileDialog::getSaveFileName(this, titel, vorschlag, filter, gewaehlt);
    };
    m_meldung = [this](const QString& t) { QMessageBox::information(this, windowTitle(), t); };

    m_fahrer = new QComboBox(this);
    m_auto = new QComboBox(this);
    m_strecke = new QComboBox(this);
    m_fahrer->setMinimumContentsLength(16);
    m_auto->setMinimumContentsLength(12);
    m_strecke->setMinimumContentsLength(12);
    m_summe = new QLabel(this);

    m_bestModell = new QStandardItemModel(this);
    m_bestModell->setHorizontalHeaderLabels(
        {tr("Strecke"), tr("Auto"), tr("Bestrunde"), tr("Datum")});
    m_abendModell = new QStandardItemModel(this);
    m_abendModell->setHorizontalHeaderLabels(
        {tr("Abend"), tr("Runden"), tr("Bestrunde"), tr("Schnitt"), tr("Streuung")});
    m_turnierModell = new QStandardItemModel(this);
    m_turnierModell->setHorizontalHeaderLabels({tr("Serie"), tr("Turnier"), tr("Strecke"),
                                                tr("Datum"), tr("Auto"), tr("Platz"),
                                                tr("Teilnehmer")});
    m_bestrunden = neueTabelle(m_bestModell, this);
    m_abende = neueTabelle(m_abendModell, this);
    m_turniere = neueTabelle(m_turnierModell, this);
    m_diagramm = new QChartView(new QChart, this);
    m_diagramm->setRenderHint(QPainter::Antialiasing);

    m_seiten = new QTabWidget(this);
    m_seiten->addTab(m_bestrunden, tr("Bestrunden"));
    m_seiten->addTab(m_abende, tr("Abende"));
    m_seiten->addTab(m_diagramm, tr("Verlauf"));
    m_seiten->addTab(m_turniere, tr("Turniere"));

    auto* export_ = new QPushButton(tr("Export…"), this);
    auto* ende = new QPushButton(tr("Ende"), this);
    auto* oben = new QHBoxLayout;
    oben->addWidget(new QLabel(tr("Fahrer"), this));
    oben->addWidget(m_fahrer);
    oben->addWidget(new QLabel(tr("Auto"), this));
    oben->addWidget(m_auto);
    oben->addWidget(new QLabel(tr("Strecke"), this));
    oben->addWidget(m_strecke);
    oben->addStretch(1);
    oben->addWidget(export_);
    oben->addWidget(ende);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(m_summe);
    layout->addWidget(m_seiten, 1);

    m_fahrer->addItems(m_statistik.fahrer());
    connect(m_fahrer, &QComboBox::activated, this, &frmStatistik::FahrerGewaehlt);
    connect(m_auto, &QComboBox::activated, this, &frmStatistik::AuswahlGeaendert);
    connect(m_strecke, &QComboBox::activated, this, &frmStatistik::AuswahlGeaendert);
    connect(export_, &QPushButton::clicked, this, &frmStatistik::Export_Click);
    connect(ende, &QPushButton::clicked, this, &QWidget::close);
    FahrerGewaehlt();
    resize(1000, 600);
}

QChart* frmStatistik::diagramm() const { return m_diagramm->chart(); }

bool frmStatistik::waehleFahrer(const QString& name) {
    const int i = m_fahrer->findText(name, Qt::MatchFixedString);
    if (i < 0) return false;
    m_fahrer->setCurrentIndex(i);
    FahrerGewaehlt();
    return true;
}

Fahrerstatistik::Auswahl frmStatistik::auswahl() const {
    // Item data: the name itself; the first entry ("all") holds none.
    return {m_fahrer->currentText(), m_auto->currentData().toString(),
            m_strecke->currentData().toString()};
}

void frmStatistik::FahrerGewaehlt() {
    // All his laps first: they name the cars and tracks to choose from.
    for (QComboBox* box : {m_auto, m_strecke}) {
        box->clear();
        box->addItem(tr("Alle"), QString());
    }
    AuswahlGeaendert();
    for (auto [box, namen] :
         {std::pair{m_auto, m_ergebnis.autos}, std::pair{m_strecke, m_ergebnis.strecken}})
        for (const QString& n : namen) box->addItem(n, n);
}

void frmStatistik::AuswahlGeaendert() {
    const Fahrerstatistik::Auswahl a = auswahl();
    m_ergebnis = a.fahrer.isEmpty() ? Fahrerstatistik::Ergebnis{} : m_statistik.berechne(a);
    zeige();
}

void frmStatistik::zeige() {
    const Fahrerstatistik::Ergebnis& e = m_ergebnis;
    m_summe->setText(tr("Runden gesamt: %1, Abende: %2, Turniere: %3")
                         .arg(e.runden)
                         .arg(e.abende.size())
                         .arg(e.plaetze.size()));
    m_bestModell->removeRows(0, m_bestModell->rowCount());
    for (const auto& b : e.bestrunden)
        m_bestModell->appendRow(
            {text(b.strecke), text(b.autoName), zahl(zeit(b.zeit)), text(tag(b.tag))});
    m_abendModell->removeRows(0, m_abendModell->rowCount());
    for (const auto& x : e.abende)
        m_abendModell->appendRow({text(tag(x.tag)), zahl(QString::number(x.runden)),
                                  zahl(zeit(x.beste)), zahl(zeit(x.schnitt)),
                                  zahl(QLocale().toString(x.streuung, 'f', 3))});
    m_turnierModell->removeRows(0, m_turnierModell->rowCount());
    for (const auto& p : e.plaetze)
        m_turnierModell->appendRow({text(p.serie), text(p.turnier), text(p.strecke), text(p.datum),
                                    text(p.autoName), zahl(QString::number(p.platz)),
                                    zahl(QString::number(p.teilnehmer))});
    for (QTableView* t : {m_bestrunden, m_abende, m_turniere}) t->resizeColumnsToContents();
    zeichne();
}

// Best and mean lap per evening against the day.
void frmStatistik::zeichne() {
    auto* chart = new QChart;
    chart->setTitle(m_ergebnis.abende.isEmpty()
                        ? tr("Keine Runden im Verlauf")
                        : tr("Bestrunde und Schnitt je Abend: %1").arg(m_fahrer->currentText()));
    auto* beste = new QLineSeries;
    beste->setName(tr("Bestrunde"));
    auto* schnitt = new QLineSeries;
    schnitt->setName(tr("Schnitt"));
    double unten = 0, oben = 0;
    for (const auto& a : m_ergebnis.abende) {
        const qreal x = QDateTime(a.tag, QTime(20, 0)).toMSecsSinceEpoch();
        if (a.beste > 0) beste->append(x, a.beste);
        schnitt->append(x, a.schnitt);
        const double tief = a.beste > 0 ? a.beste : a.schnitt;
        unten = unten == 0 ? tief : std::min(unten, tief);
        oben = std::max(oben, a.schnitt);
    }
    auto* x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("dd.MM.yy"));
    x->setTitleText(tr("Abend"));
    auto* y = new QValueAxis;
    y->setTitleText(tr("Rundenzeit (s)"));
    y->setLabelFormat(QStringLiteral("%.2f"));
    if (!m_ergebnis.abende.isEmpty()) {
        const QDate erster = m_ergebnis.abende.first().tag, letzter = m_ergebnis.abende.last().tag;
        x->setRange(QDateTime(erster.addDays(-1), QTime(0, 0)),
                    QDateTime(letzter.addDays(1), QTime(0, 0)));
        x->setTickCount(std::clamp(int(m_ergebnis.abende.size()), 2, 8));
        const double rand = std::max(0.05, (oben - unten) * 0.1);
        y->setRange(std::max(0.0, unten - rand), oben + rand);
        y->applyNiceNumbers();
    }
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QLineSeries* s : {beste, schnitt}) {
        s->setPointsVisible(m_ergebnis.abende.size() <= 40);
        chart->addSeries(s);
        s->attachAxis(x);
        s->attachAxis(y);
    }
    QChart* alt = m_diagramm->chart();
    m_diagramm->setChart(chart);
    delete alt;
}

void frmStatistik::setzeOrdner(std::function<QString()> hole,
                               std::function<void(const QString&)> merke) {
    m_holeOrdner = std::move(hole);
    m_merkeOrdner = std::move(merke);
}

QString frmStatistik::vorschlag(bool pdf) const {
    QString ordner = m_holeOrdner ? m_holeOrdner() : QString();
    if (ordner.isEmpty() || !QFileInfo(ordner).isDir()) ordner = QDir::homePath();
    return QDir(ordner).filePath(
        Ergebnisdateien::dateiName(QStringLiteral("Statistik-") + m_fahrer->currentText()) +
        QLatin1Char('-') + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) +
        (pdf ? QStringLiteral(".pdf") : QStringLiteral(".csv")));
}

void frmStatistik::Export_Click() {
    const QString csv = tr("CSV-Datei (*.csv)");
    const QString pdf = tr("PDF-Datei (*.pdf)");
    QString filter = csv;
    QString pfad = m_speicherWahl(tr("Statistik exportieren"), vorschlag(false),
                                  csv + QStringLiteral(";;") + pdf, &filter);
    if (pfad.isEmpty()) return;
    const bool alsPdf = filter == pdf || pfad.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    if (alsPdf && pfad.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) pfad.chop(4);
    if (!QFileInfo(pfad).fileName().contains(QLatin1Char('.')))
        pfad += alsPdf ? QStringLiteral(".pdf") : QStringLiteral(".csv");
    QString fehler;
    const bool ok =
        alsPdf ? StatistikExport::schreibePdf(auswahl(), m_ergebnis, pfad, QLocale(), &fehler)
               : StatistikExport::schreibeCsv(auswahl(), m_ergebnis, pfad, QLocale(), &fehler);
    const QString zeigen = QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
    if (!ok) {
        m_meldung(tr("Die Datei %1 konnte nicht geschrieben werden: %2").arg(zeigen, fehler));
        return;
    }
    if (m_merkeOrdner) m_merkeOrdner(QFileInfo(pfad).absolutePath());
    m_meldung(tr("Die Statistik steht jetzt in %1.").arg(zeigen));
}
