#include "ui/frmRundentabelle.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLegendMarker>
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

#include "config/Formate.h"
#include "darstellung/TabellenModell.h"
#include "data/Datenbank.h"
#include "engine/Ergebnisdateien.h"

namespace {
const QString kSpalten =
    QStringLiteral("Fahrer,Auto,Strecke,Runde,Uhr,MProSec,Zeit,Gesamt,RennInfo");
const QString kStempelFormat = QStringLiteral("yyyy.MM.dd HH:mm:ss");

// Times and speeds with three decimals, as everywhere else in the program ("5,440", not
// "5,44"), right-aligned; the values themselves stay numbers for the export and the chart.
class RundenModell : public QSqlQueryModel {
public:
    using QSqlQueryModel::QSqlQueryModel;
    QVariant data(const QModelIndex& index, int role) const override {
        const QVariant wert = QSqlQueryModel::data(index, Qt::EditRole);
        const bool zahl = wert.typeId() == QMetaType::Double;
        if (role == Qt::DisplayRole && zahl) return QLocale().toString(wert.toDouble(), 'f', 3);
        if (role == Qt::TextAlignmentRole && zahl)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QSqlQueryModel::data(index, role);
    }
};

// A race's entry in the choice: its stamp and its name.
QString eintrag(const QString& stempel, const QString& name) {
    return name.isEmpty() ? stempel : stempel + QStringLiteral(" – ") + name;
}
}  // namespace

frmRundentabelle::frmRundentabelle(Datenbank& db, int anzHistRennen, int bildschirmHoehe,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), m_db(db) {
    setWindowTitle(tr("Rundentabelle"));
    m_speicherWahl = [this](const QString& titel, const QString& vorschlag,
                            const QString& filter, QString* gewaehlt) {
        return QFileDialog::getSaveFileName(this, titel, vorschlag, filter, gewaehlt);
    };
    m_meldung = [this](const QString& text) {
        QMessageBox::information(this, windowTitle(), text);
    };
    // Until the program gives the lanes' colours: Qt's own series colours.
    const QColor standard[] = {Qt::black,       QColor(0x20, 0x9f, 0xdf), QColor(0x99, 0xca, 0x53),
                               QColor(0xf6, 0xa6, 0x25), QColor(0x6d, 0x5f, 0xd5),
                               QColor(0xbf, 0x59, 0x3e), QColor(0x3c, 0x3c, 0x3c)};
    std::copy(std::begin(standard), std::end(standard), m_farben.begin());
    m_rennen = new QComboBox(this);
    m_fahrer = new QComboBox(this);
    m_rennen->setMinimumContentsLength(20);
    m_fahrer->setMinimumContentsLength(16);
    m_modell = new RundenModell(this);
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

    // The race running now (or the last one): its laps are in aktrennen, its stamp in
    // laufstand; no stamp while it has no laps.
    const bool laeuft = m_db.wert(QStringLiteral("select count(*) from aktrennen")).toInt() > 0;
    const QString aktStempel =
        laeuft ? m_db.wert(QStringLiteral("select stempel from laufstand where id=1")).toString()
               : QString();
    m_rennen->addItem(aktStempel.isEmpty() ? tr("Aktueller Lauf")
                                           : eintrag(aktStempel, rennName()),
                      QString());
    QSqlQuery q(m_db.db());
    q.exec(QStringLiteral("select rennzeit, max(RennName) from histrennen group by rennzeit "
                          "order by rennzeit DESC"));
    while (m_rennen->count() - 1 < anzHistRennen && q.next())
        m_rennen->addItem(eintrag(q.value(0).toString(), q.value(1).toString()),
                          q.value(0).toString());
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
    m_wo = wo;
    m_werte = werte;
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
    const QString stempel = m_rennen->currentData().toString();
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
    const QString stempel = m_rennen->currentData().toString(), fahrer = m_fahrer->currentText();
    if (akt && alle)
        zeige(QStringLiteral("aktrennen"), {});
    else if (akt)
        zeige(QStringLiteral("aktrennen where fahrer=?"), {fahrer});
    else if (alle)
        zeige(QStringLiteral("histrennen where rennzeit=?"), {stempel});
    else
        zeige(QStringLiteral("histrennen where fahrer=? and rennzeit=?"), {fahrer, stempel});
}

QString frmRundentabelle::stempel() const {
    if (m_rennen->currentIndex() > 0) return m_rennen->currentData().toString();
    // The current race: the stamp of its laps, when it has any.
    if (m_db.wert(QStringLiteral("select count(*) from aktrennen")).toInt() == 0) return QString();
    return m_db.wert(QStringLiteral("select stempel from laufstand where id=1")).toString();
}

QString frmRundentabelle::rennName() const {
    const bool akt = m_rennen->currentIndex() <= 0;
    QString name =
        akt ? m_db.wert(QStringLiteral("select RennName from aktrennen order by lfdnr desc "
                                       "limit 1"))
                  .toString()
            : m_db.wert(QStringLiteral("select max(RennName) from histrennen where rennzeit=?"),
                        {m_rennen->currentData()})
                  .toString();
    if (name.isEmpty() && akt)
        name = m_db.wert(QStringLiteral("select rennname from laufstand where id=1")).toString();
    return name;
}

RundenDaten frmRundentabelle::daten() const {
    RundenDaten d;
    const QSqlRecord r = m_modell->record();
    for (int s = 0; s < r.count(); ++s) d.spalten << r.fieldName(s);
    QStringList strecken;
    const int strecke = d.spalte(QStringLiteral("Strecke"));
    for (int z = 0; z < m_modell->rowCount(); ++z) {
        QVector<QVariant> zeile;
        for (int s = 0; s < r.count(); ++s)
            zeile << m_modell->data(m_modell->index(z, s), Qt::EditRole);
        const QString st = zeile.value(strecke).toString();
        if (!st.isEmpty() && !strecken.contains(st)) strecken << st;
        d.zeilen << zeile;
    }
    // The title: race, date and track (and the driver when only one is shown).
    QStringList titel;
    const QString name = rennName();
    titel << (name.isEmpty() ? tr("Rundentabelle") : name);
    const QDateTime wann = QDateTime::fromString(stempel(), kStempelFormat);
    if (wann.isValid()) titel << Formate::DatumKurz(wann);
    if (!strecken.isEmpty()) titel << strecken.join(QStringLiteral(", "));
    if (m_fahrer->currentIndex() > 0) titel << m_fahrer->currentText();
    d.titel = titel.join(QStringLiteral(" – "));
    return d;
}

void frmRundentabelle::setzeBahnFarben(const std::array<QColor, 7>& farben) {
    m_farben = farben;
    zeichne();
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
    // Each driver's line in the colour of the lane he drove (his first lap's).
    QHash<QString, int> bahnVon;
    QSqlQuery b(m_db.db());
    b.prepare(QStringLiteral("select Fahrer, Bahn from ") + m_wo +
              QStringLiteral(" order by lfdnr"));
    for (const QVariant& w : m_werte) b.addBindValue(w);
    if (b.exec())
        while (b.next())
            if (!bahnVon.contains(b.value(0).toString()))
                bahnVon.insert(b.value(0).toString(), b.value(1).toInt());
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
        }
        linie->append(runde, zeit);
        maxRunde = std::max(maxRunde, runde);
        minZeit = erste ? zeit : std::min(minZeit, zeit);
        maxZeit = erste ? zeit : std::max(maxZeit, zeit);
        erste = false;
    }
    chart->setTitle(tr("Rundenzeiten %1").arg(d.titel));
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
        QLineSeries* linie = linien[n];
        // Points only where there are few: a long practice would bury its lines under them.
        const bool punkte = linie->count() <= 30;
        linie->setPointsVisible(punkte);
        const int bahn = bahnVon.value(n);
        const bool bekannt = bahn >= 1 && bahn <= 6;
        // A light lane colour (white, yellow) on the white chart: a dark line under it, and a
        // dark edge round its legend box, keep it visible.
        if (bekannt) {
            auto* rand = new QLineSeries;
            rand->append(linie->points());
            rand->setPen(QPen(QColor(0x40, 0x40, 0x40), 4));
            rand->setPointsVisible(punkte);
            rand->setMarkerSize(8);
            chart->addSeries(rand);
            rand->attachAxis(x);
            rand->attachAxis(y);
            for (QLegendMarker* m : chart->legend()->markers(rand)) m->setVisible(false);
            linie->setPen(QPen(m_farben[size_t(bahn)], 2));
            linie->setMarkerSize(5);
        }
        chart->addSeries(linie);
        linie->attachAxis(x);
        linie->attachAxis(y);
        if (bekannt)
            for (QLegendMarker* m : chart->legend()->markers(linie))
                m->setPen(QPen(QColor(0x40, 0x40, 0x40)));
    }
}

void frmRundentabelle::setzeOrdner(std::function<QString()> hole,
                                   std::function<void(const QString&)> merke) {
    m_holeOrdner = std::move(hole);
    m_merkeOrdner = std::move(merke);
}

QString frmRundentabelle::vorschlag(bool pdf) const {
    QString ordner = m_holeOrdner ? m_holeOrdner() : QString();
    if (ordner.isEmpty() || !QFileInfo(ordner).isDir()) ordner = QDir::homePath();
    const QDateTime wann = QDateTime::fromString(stempel(), kStempelFormat);
    const QString datum = (wann.isValid() ? wann.date() : QDate::currentDate())
                              .toString(QStringLiteral("yyyy-MM-dd"));
    const QString name = rennName();
    return QDir(ordner).filePath(
        Ergebnisdateien::dateiName(name.isEmpty() ? tr("Rundentabelle") : name) +
        QLatin1Char('-') + datum + (pdf ? QStringLiteral(".pdf") : QStringLiteral(".csv")));
}

void frmRundentabelle::Export_Click() {
    const QString csv = tr("CSV-Datei (*.csv)");
    const QString pdf = tr("PDF-Datei (*.pdf)");
    QString filter = csv;
    QString pfad = m_speicherWahl(tr("Rundentabelle exportieren"), vorschlag(false),
                                  csv + QStringLiteral(";;") + pdf, &filter);
    if (pfad.isEmpty()) return;
    const bool alsPdf = filter == pdf || pfad.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    // PDF chosen in the filter wins over the ".csv" of the name offered.
    if (alsPdf && pfad.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) pfad.chop(4);
    if (!QFileInfo(pfad).fileName().contains(QLatin1Char('.')))
        pfad += alsPdf ? QStringLiteral(".pdf") : QStringLiteral(".csv");
    QString fehler;
    const bool ok = alsPdf ? RundenExport::schreibePdf(daten(), pfad, QLocale(), &fehler)
                           : RundenExport::schreibeCsv(daten(), pfad, QLocale(), &fehler);
    const QString zeigen = QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
    if (!ok) {
        m_meldung(tr("Die Datei %1 konnte nicht geschrieben werden: %2").arg(zeigen, fehler));
        return;
    }
    if (m_merkeOrdner) m_merkeOrdner(QFileInfo(pfad).absolutePath());
    m_meldung(tr("Die Rundentabelle steht jetzt in %1.").arg(zeigen));
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
