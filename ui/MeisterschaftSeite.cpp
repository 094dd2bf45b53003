#include "ui/MeisterschaftSeite.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"
#include "tournament/MeisterschaftBericht.h"
#include "tournament/Turnier.h"

MeisterschaftSeite::MeisterschaftSeite(Turnier& turnier, QWidget* parent)
    : QWidget(parent), m_turnier(turnier) {
    setObjectName(QStringLiteral("MeisterschaftSeite"));
    m_serie = new QComboBox(this);
    m_serie->setObjectName(QStringLiteral("cboSerie"));
    m_serie->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_serie, &QComboBox::currentIndexChanged, this, &MeisterschaftSeite::zeigeTabelle);

    const Einstellungen& e = m_turnier.leitung().einstellungen();
    m_punkte = new QLineEdit(e.Punkte, this);
    m_punkte->setObjectName(QStringLiteral("txtPunkte"));
    m_punkte->setToolTip(
        tr("Punkte für Platz 1, 2, 3, … durch Kommas getrennt; weitere Plätze "
           "erhalten 0 Punkte."));
    m_bonus = new QSpinBox(this);
    m_bonus->setObjectName(QStringLiteral("spinBonus"));
    m_bonus->setRange(0, 100);
    m_bonus->setValue(e.PunkteSchnellsteRunde);
    m_streich = new QSpinBox(this);
    m_streich->setObjectName(QStringLiteral("spinStreich"));
    m_streich->setRange(0, 50);
    m_streich->setValue(e.Streichergebnisse);
    connect(m_punkte, &QLineEdit::editingFinished, this, &MeisterschaftSeite::regelnGeaendert);
    connect(m_bonus, &QSpinBox::valueChanged, this, &MeisterschaftSeite::regelnGeaendert);
    connect(m_streich, &QSpinBox::valueChanged, this, &MeisterschaftSeite::regelnGeaendert);

    auto* form = new QFormLayout;
    form->addRow(tr("Rennserie"), m_serie);
    form->addRow(tr("Punkte je Platz"), m_punkte);
    auto* zahlen = new QHBoxLayout;
    zahlen->addWidget(m_bonus);
    zahlen->addSpacing(16);
    zahlen->addWidget(new QLabel(tr("Streichergebnisse"), this));
    zahlen->addWidget(m_streich);
    zahlen->addStretch(1);
    form->addRow(tr("Bonus schnellste Runde"), zahlen);

    m_tabelle = new QTableWidget(this);
    m_tabelle->setObjectName(QStringLiteral("gridMeisterschaft"));
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabelle->verticalHeader()->hide();
    m_tabelle->verticalHeader()->setDefaultSectionSize(m_tabelle->fontMetrics().height() + 6);
    m_tabelle->setWordWrap(false);

    m_hinweis = new QLabel(this);
    m_hinweis->setObjectName(QStringLiteral("lblMeisterschaft"));
    m_hinweis->setWordWrap(true);
    auto* html = new QPushButton(tr("HTML Ausgabe"), this);
    html->setObjectName(QStringLiteral("cmdSerieHtml"));
    connect(html, &QPushButton::clicked, this, &MeisterschaftSeite::schreibeHtml);
    auto* pdf = new QPushButton(tr("PDF Ausgabe"), this);
    pdf->setObjectName(QStringLiteral("cmdSeriePdf"));
    connect(pdf, &QPushButton::clicked, this, &MeisterschaftSeite::schreibePdf);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_hinweis, 1);
    knoepfe->addWidget(html);
    knoepfe->addWidget(pdf);

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(form);
    spalte->addWidget(m_tabelle, 1);
    spalte->addLayout(knoepfe);
    connect(&m_turnier, &Turnier::tabellenGeaendert, this, [this] {
        if (isVisible()) aktualisiere();
    });
}

QString MeisterschaftSeite::serie() const { return m_serie->currentText(); }

void MeisterschaftSeite::waehleSerie(const QString& serie) {
    const int i = m_serie->findText(serie, Qt::MatchFixedString);
    if (i >= 0) m_serie->setCurrentIndex(i);
}

void MeisterschaftSeite::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    aktualisiere();
}

void MeisterschaftSeite::aktualisiere() {
    // The series shown stays; else the one of the tournament in the dialog.
    QString gewaehlt = serie();
    if (gewaehlt.isEmpty() && m_turnier.aktuellerIndex() >= 0)
        gewaehlt = m_turnier.turniere().at(m_turnier.aktuellerIndex()).RennSerie;
    m_fuellt = true;
    m_serie->clear();
    m_serie->addItems(Meisterschaft::serien(m_turnier.daten()));
    m_fuellt = false;
    const int i = m_serie->findText(gewaehlt, Qt::MatchFixedString);
    m_serie->setCurrentIndex(i >= 0 ? i : (m_serie->count() > 0 ? 0 : -1));
    zeigeTabelle();
}

Meisterschaft::Regeln MeisterschaftSeite::regeln() const {
    return Meisterschaft::Regeln::aus(m_turnier.leitung().einstellungen());
}

void MeisterschaftSeite::regelnGeaendert() {
    Einstellungen& e = m_turnier.leitung().einstellungen();
    EinstellungsSpeicher& s = m_turnier.leitung().speicher();
    // Stored as the table reads it back: whole numbers separated by commas.
    QStringList punkte;
    for (int p : Meisterschaft::Regeln::punkteTabelle(m_punkte->text()))
        punkte << QString::number(p);
    m_punkte->setText(punkte.join(QLatin1Char(',')));
    e.Punkte = m_punkte->text();
    e.PunkteSchnellsteRunde = qint16(m_bonus->value());
    e.Streichergebnisse = qint16(m_streich->value());
    s.speichere(QStringLiteral("Punkte"), e.Punkte);
    s.speichere(QStringLiteral("PunkteSchnellsteRunde"), QString::number(e.PunkteSchnellsteRunde));
    s.speichere(QStringLiteral("Streichergebnisse"), QString::number(e.Streichergebnisse));
    zeigeTabelle();
}

void MeisterschaftSeite::zeigeTabelle() {
    if (m_fuellt) return;
    const Meisterschaft::Stand s = Meisterschaft::stand(m_turnier.daten(), serie(), regeln());
    QStringList koepfe = {tr("Platz"), tr("Fahrer"), tr("Punkte"), tr("Starts"), tr("Siege")};
    koepfe << s.rennen;
    m_tabelle->clear();
    m_tabelle->setColumnCount(int(koepfe.size()));
    m_tabelle->setHorizontalHeaderLabels(koepfe);
    m_tabelle->setRowCount(int(s.zeilen.size()));
    for (int r = 0; r < s.zeilen.size(); ++r) {
        const Meisterschaft::Zeile& z = s.zeilen[r];
        const QStringList werte = {QString::number(z.platz), z.fahrer, QString::number(z.punkte),
                                   QString::number(z.starts), QString::number(z.siege)};
        for (int c = 0; c < werte.size(); ++c) {
            auto* zelle = new QTableWidgetItem(werte[c]);
            if (c != 1) zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_tabelle->setItem(r, c, zelle);
        }
        for (int t = 0; t < z.ergebnisse.size(); ++t) {
            const auto& e = z.ergebnisse[t];
            auto* zelle = new QTableWidgetItem(MeisterschaftBericht::ergebnisText(e));
            zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (e) {
                QStringList tipp = {tr("Platz %1").arg(e->platz)};
                if (e->schnellsteRunde) tipp << tr("schnellste Runde");
                if (e->gestrichen) {
                    tipp << tr("Streichergebnis");
                    QFont f = zelle->font();
                    f.setStrikeOut(true);
                    zelle->setFont(f);
                    zelle->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
                }
                zelle->setToolTip(tipp.join(QStringLiteral(", ")));
            }
            m_tabelle->setItem(r, 5 + t, zelle);
        }
    }
    m_tabelle->resizeColumnsToContents();
    m_hinweis->setText(s.serie.isEmpty()
                           ? tr("Noch kein Turnier mit einer Rennserie.")
                           : tr("Turniere der Serie: %1; * schnellste Runde, ( ) Streichergebnis")
                                 .arg(s.rennen.size()));
}

QString MeisterschaftSeite::schreibeHtml() {
    if (serie().isEmpty()) return QString();
    QString fehler;
    const QString pfad = MeisterschaftBericht::schreibe(
        Meisterschaft::stand(m_turnier.daten(), serie(), regeln()), regeln(),
        m_turnier.leitung().einstellungen().ltfPfad, &fehler);
    if (pfad.isEmpty()) {
        m_turnier.leitung().rueckfrage().meldung(tr("HTML Ausgabe nicht möglich: %1").arg(fehler));
        return pfad;
    }
    m_hinweis->setText(tr("HTML Ausgabe: %1").arg(QDir::toNativeSeparators(pfad)));
    emit berichtGeschrieben(pfad);
    return pfad;
}

QString MeisterschaftSeite::schreibePdf() {
    if (serie().isEmpty()) return QString();
    const Meisterschaft::Stand s = Meisterschaft::stand(m_turnier.daten(), serie(), regeln());
    const QString pfad = MeisterschaftBericht::dateiName(
        m_turnier.leitung().einstellungen().ltfPfad, s.serie, QStringLiteral(".pdf"));
    {
        // QPdfWriter says nothing when it cannot write: try the file first.
        QFile probe(pfad);
        if (!probe.open(QIODevice::WriteOnly)) {
            m_turnier.leitung().rueckfrage().meldung(
                tr("PDF Ausgabe nicht möglich: %1")
                    .arg(pfad + QStringLiteral(": ") + probe.errorString()));
            return QString();
        }
    }
    {
        QPdfWriter pdf(pfad);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(s.rennen.size() > 6 ? QPageLayout::Landscape
                                                   : QPageLayout::Portrait);
        pdf.setResolution(300);
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setTitle(tr("Meisterschaft") + QStringLiteral(" - ") + s.serie);
        pdf.setCreator(QStringLiteral("Pistorelle"));
        QTextDocument dok;
        dok.setHtml(MeisterschaftBericht::zeilen(s, regeln()).join(QLatin1Char('\n')));
        dok.print(&pdf);
    }
    m_hinweis->setText(tr("PDF Ausgabe: %1").arg(QDir::toNativeSeparators(pfad)));
    emit berichtGeschrieben(pfad);
    return pfad;
}
