#include "ui/diaSlotRennen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaEnum>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "config/Einstellungen.h"
#include "data/Datenbank.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"
#include "tournament/Turnier.h"
#include "ui/MeisterschaftSeite.h"
#include "ui/ZeitSpalte.h"

using T = Turnier;

namespace {
// The car entry "ohne" (no car) as it is stored; the combos show it translated.
const QString kOhne = QStringLiteral("ohne");

// The car a combo stands for: the stored name of its entry.
QString autoName(const QComboBox* c) {
    const QVariant gespeichert = c->currentData();
    return gespeichert.isValid() ? gespeichert.toString() : c->currentText();
}

// The same for the car list.
QString autoName(const QListWidget* l) {
    const QListWidgetItem* e = l->currentItem();
    if (!e) return QString();
    const QVariant gespeichert = e->data(Qt::UserRole);
    return gespeichert.isValid() ? gespeichert.toString() : e->text();
}

QString text(const QListWidget* l) { return l->currentItem() ? l->currentItem()->text() : QString(); }
}  // namespace

diaSlotRennen::diaSlotRennen(Turnier& turnier, QWidget* parent)
    : QDialog(parent), m_turnier(turnier) {
    setObjectName(QStringLiteral("diaSlotRennen"));
    setWindowTitle(tr("Slot Rennen"));
    setModal(false);
    m_zeitSpalte = new ZeitSpalte(this);
    m_seiten = new QTabWidget(this);
    m_seiten->addTab(baueRennSeite(), tr("Rennen"));
    m_seiten->addTab(baueFahrerSeite(), tr("Fahrer", "page of all entrants"));
    m_seiten->addTab(baueQualiSeite(), tr("Qualifikation"));
    m_seiten->addTab(baueLaufSeite(), tr("Rennläufe"));
    m_seiten->addTab(baueWertungSeite(), tr("Wertung"));
    m_seiten->addTab(new MeisterschaftSeite(m_turnier, this), tr("Meisterschaft"));

    Label2 = new QLabel(this);
    auto* ok = new QPushButton(tr("Slot Rennen beenden"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    auto* unten = new QHBoxLayout;
    unten->addWidget(Label2, 1);
    unten->addWidget(ok);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(m_seiten, 1);
    spalte->addLayout(unten);

    connect(&m_turnier, &Turnier::zustandGeaendert, this, &diaSlotRennen::spiegele);
    connect(&m_turnier, &Turnier::tabellenGeaendert, this, &diaSlotRennen::spiegeleTabellen);
    resize(860, 560);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    spiegele();
    spiegeleTabellen();
}

QTableView* diaSlotRennen::tabelle(QSqlQueryModel*& modell) {
    modell = new QSqlQueryModel(this);
    auto* v = new QTableView(this);
    v->setModel(modell);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->verticalHeader()->hide();
    v->verticalHeader()->setDefaultSectionSize(v->fontMetrics().height() + 6);
    v->setWordWrap(false);
    v->horizontalHeader()->setStretchLastSection(true);
    return v;
}

void diaSlotRennen::fuegeKnoepfeEin(QWidget* seite, QHBoxLayout* zeile,
                                    std::span<const Knopfaktion> aktionen) {
    // Each button is named after its element, so the dialog's state finds it.
    for (const auto& [element, aktion] : aktionen) {
        auto* k = new QPushButton(seite);
        k->setObjectName(
            QString::fromLatin1(QMetaEnum::fromType<T::Element>().valueToKey(element)));
        connect(k, &QPushButton::clicked, &m_turnier, aktion);
        m_knoepfe[size_t(element)] = k;
        zeile->addWidget(k);
    }
}

QWidget* diaSlotRennen::baueRennSeite() {
    auto* seite = new QWidget(this);
    cboRennen = new QComboBox(seite);
    cboRennen->setObjectName(QStringLiteral("cboRennen"));
    connect(cboRennen, &QComboBox::activated, this, [this](int i) { m_turnier.geheZu(i); });
    auto* form = new QFormLayout;
    form->addRow(tr("Rennen"), cboRennen);
    static const char* const namen[] = {QT_TR_NOOP("Rennname"),         QT_TR_NOOP("Rennserie"),
                                        QT_TR_NOOP("Strecke"),          QT_TR_NOOP("Quali Zeit"),
                                        QT_TR_NOOP("Minuten / Runden"), QT_TR_NOOP("Prellzeit")};
    for (size_t i = 0; i < Text1.size(); ++i) {
        Text1[i] = new QLineEdit(seite);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        connect(Text1[i], &QLineEdit::textEdited, this, &diaSlotRennen::eingabeGeaendert);
    }
    // Series first: "Neu" puts the focus there.
    form->addRow(tr(namen[1]), Text1[1]);
    form->addRow(tr(namen[0]), Text1[0]);
    form->addRow(tr(namen[2]), Text1[2]);
    // The unit follows the option Zeit / Runden.
    auto* quali = new QHBoxLayout;
    quali->addWidget(Text1[3]);
    lblQualiEinheit = new QLabel(seite);
    lblQualiEinheit->setObjectName(QStringLiteral("lblQualiEinheit"));
    quali->addWidget(lblQualiEinheit);
    form->addRow(tr(namen[3]), quali);
    auto* dauer = new QHBoxLayout;
    dauer->addWidget(Text1[4]);
    lblDauerEinheit = new QLabel(seite);
    lblDauerEinheit->setObjectName(QStringLiteral("lblDauerEinheit"));
    dauer->addWidget(lblDauerEinheit);
    form->addRow(tr(namen[4]), dauer);
    form->addRow(tr(namen[5]), Text1[5]);

    auto* art = new QHBoxLayout;
    auto* gruppe1 = new QButtonGroup(seite);
    Option1[0] = new QRadioButton(tr("Zeit"), seite);
    Option1[1] = new QRadioButton(tr("Runden"), seite);
    for (QRadioButton* r : Option1) {
        gruppe1->addButton(r);
        art->addWidget(r);
        connect(r, &QRadioButton::toggled, this, &diaSlotRennen::eingabeGeaendert);
    }
    art->addStretch(1);
    form->addRow(QString(), art);
    auto* spuren = new QHBoxLayout;
    auto* qualiSpur = new QHBoxLayout;
    auto* g2 = new QButtonGroup(seite);
    auto* g3 = new QButtonGroup(seite);
    for (size_t i = 0; i < 6; ++i) {
        Option2[i] = new QRadioButton(QString::number(i + 1), seite);
        Option3[i] = new QRadioButton(QString::number(i + 1), seite);
        g2->addButton(Option2[i]);
        g3->addButton(Option3[i]);
        spuren->addWidget(Option2[i]);
        qualiSpur->addWidget(Option3[i]);
        connect(Option2[i], &QRadioButton::toggled, this, &diaSlotRennen::eingabeGeaendert);
        connect(Option3[i], &QRadioButton::toggled, this, &diaSlotRennen::eingabeGeaendert);
    }
    spuren->addStretch(1);
    qualiSpur->addStretch(1);
    form->addRow(tr("Spuren"), spuren);
    form->addRow(tr("Quali Spur"), qualiSpur);
    Check1 = new QCheckBox(tr("Neuer Lauf beim Start beginnen"), seite);
    Check1->setToolTip(tr("Wichtig wenn keine Stromabschaltung vorhandn ist."));
    connect(Check1, &QCheckBox::toggled, this, &diaSlotRennen::eingabeGeaendert);
    form->addRow(QString(), Check1);
    chkGruppenAusgleich = new QCheckBox(tr("Gruppen ausgleichen"), seite);
    chkGruppenAusgleich->setObjectName(QStringLiteral("chkGruppenAusgleich"));
    chkGruppenAusgleich->setToolTip(
        tr("Alle Gruppen gleich groß, höchstens ein Fahrer Unterschied. Aus: jede Gruppe "
           "außer der schnellsten hat so viele Fahrer wie Spuren."));
    connect(chkGruppenAusgleich, &QCheckBox::toggled, this, &diaSlotRennen::eingabeGeaendert);
    form->addRow(QString(), chkGruppenAusgleich);

    auto* knoepfe = new QHBoxLayout;
    const Knopfaktion aktionen[] = {
        {T::Command2, &Turnier::neuesTurnier},
        {T::Command3, &Turnier::kopiereTurnier},
        {T::Command4, &Turnier::aendereTurnier},
        {T::Command5, &Turnier::brichBearbeitungAb},
        {T::Command13, &Turnier::loescheTurnier}};
    fuegeKnoepfeEin(seite, knoepfe, aktionen);
    connect(m_knoepfe[T::Command2], &QPushButton::clicked, this, [this] {
        if (m_turnier.bearbeitet()) Text1[1]->setFocus();
    });
    auto* spalte = new QVBoxLayout(seite);
    spalte->addLayout(form);
    spalte->addStretch(1);
    spalte->addLayout(knoepfe);
    return seite;
}

QWidget* diaSlotRennen::baueFahrerSeite() {
    auto* seite = new QWidget(this);
    // Lists, as a double click in either adds the pair.
    cobFahrer = new QListWidget(seite);
    cobFahrer->setObjectName(QStringLiteral("cobFahrer"));
    cobAuto = new QListWidget(seite);
    cobAuto->setObjectName(QStringLiteral("cobAuto"));
    cobFahrer->addItems(m_turnier.daten().fahrerNamen());
    cobFahrer->setCurrentRow(-1);
    fuelleAutos(false);
    connect(cobFahrer, &QListWidget::currentRowChanged, this, [this] { fuelleAutos(false); });
    const auto hinzufuegen = [this] {
        m_turnier.FahrerHinzufuegen(text(cobFahrer), autoName(cobAuto));
    };
    connect(cobFahrer, &QListWidget::itemDoubleClicked, this, hinzufuegen);
    connect(cobAuto, &QListWidget::itemDoubleClicked, this, hinzufuegen);
    auto* alle = new QPushButton(tr("Alle anzeigen"), seite);
    connect(alle, &QPushButton::clicked, this, [this] { fuelleAutos(true); });
    auto* hinzu = new QPushButton(tr("Fahrer und Auto hinzufügen"), seite);
    hinzu->setObjectName(QStringLiteral("comFAHinzufuegen"));
    connect(hinzu, &QPushButton::clicked, this, hinzufuegen);
    lbFahrerBelegung = new QListWidget(seite);
    lbAutoBelegung = new QListWidget(seite);
    connect(lbFahrerBelegung, &QListWidget::currentRowChanged, lbAutoBelegung,
            [this](int zeile) { lbAutoBelegung->setCurrentRow(zeile); });
    auto* loeschen = new QPushButton(tr("löschen"), seite);
    connect(loeschen, &QPushButton::clicked, this,
            [this] { m_turnier.BelegungLoeschen(lbFahrerBelegung->currentRow()); });
    auto* uebernehmen = new QPushButton(tr("In Qualifikation übernehmen"), seite);
    uebernehmen->setObjectName(QStringLiteral("Command20"));
    connect(uebernehmen, &QPushButton::clicked, &m_turnier, &Turnier::uebernimmInQualifikation);

    Combo1 = new QComboBox(seite);
    Combo1->addItems(m_turnier.daten().fahrerNamen());
    Combo2 = new QComboBox(seite);
    Combo2->addItem(tr("ohne"), kOhne);
    Combo2->addItems(m_turnier.daten().autoNamen());
    Command1 = new QPushButton(tr("Fahrer und Auto hinzufügen"), seite);
    const auto frei = [this] {
        Command1->setEnabled(!Combo1->currentText().isEmpty() && !Combo2->currentText().isEmpty());
    };
    connect(Combo1, &QComboBox::currentTextChanged, this, frei);
    connect(Combo2, &QComboBox::currentTextChanged, this, frei);
    frei();
    connect(Command1, &QPushButton::clicked, this,
            [this] { m_turnier.fuegeTeilnehmerHinzu(Combo1->currentText(), autoName(Combo2)); });

    auto* wahl = new QGridLayout;
    wahl->addWidget(new QLabel(tr("Fahrer"), seite), 0, 0);
    wahl->addWidget(new QLabel(tr("Auto"), seite), 0, 1);
    wahl->addWidget(cobFahrer, 1, 0);
    wahl->addWidget(cobAuto, 1, 1);
    auto* wahlKnoepfe = new QHBoxLayout;
    wahlKnoepfe->addWidget(hinzu);
    wahlKnoepfe->addWidget(alle);
    wahlKnoepfe->addStretch(1);
    wahl->addLayout(wahlKnoepfe, 2, 0, 1, 2);
    auto* listen = new QHBoxLayout;
    listen->addWidget(lbFahrerBelegung);
    listen->addWidget(lbAutoBelegung);
    auto* listenKnoepfe = new QHBoxLayout;
    listenKnoepfe->addWidget(loeschen);
    listenKnoepfe->addStretch(1);
    listenKnoepfe->addWidget(uebernehmen);
    auto* direkt = new QHBoxLayout;
    direkt->addWidget(Combo1, 1);
    direkt->addWidget(Combo2, 1);
    direkt->addWidget(Command1);
    auto* spalte = new QVBoxLayout(seite);
    spalte->addLayout(wahl, 1);
    spalte->addLayout(listen, 1);
    spalte->addLayout(listenKnoepfe);
    spalte->addWidget(new QLabel(tr("Direkt in die Qualifikation:"), seite));
    spalte->addLayout(direkt);
    return seite;
}

void diaSlotRennen::fuelleAutos(bool alle) {
    cobAuto->clear();
    if (alle)
        cobAuto->addItems(m_turnier.daten().autoNamen());
    else if (cobFahrer->currentRow() >= 0)
        cobAuto->addItems(m_turnier.daten().autosVon(text(cobFahrer)));
    // No driver chosen, or no car at all: "ohne".
    if (cobAuto->count() == 0) {
        auto* ohne = new QListWidgetItem(tr("ohne"), cobAuto);
        ohne->setData(Qt::UserRole, kOhne);
    }
    cobAuto->setCurrentRow(cobAuto->count() > 0 ? 0 : -1);
}

QWidget* diaSlotRennen::baueQualiSeite() {
    auto* seite = new QWidget(this);
    QTableView* grid = tabelle(m_teilnehmer);
    grid->setObjectName(QStringLiteral("DBGrid1"));
    auto* knoepfe = new QHBoxLayout;
    const Knopfaktion aktionen[] = {
        {T::Command7, &Turnier::fahreQualifikation},
        {T::Command9, &Turnier::belegeGruppenVor},
        {T::Command10, &Turnier::sortiereNachGruppe}};
    auto* sortiere = new QPushButton(tr("Sortiere Quali"), seite);
    connect(sortiere, &QPushButton::clicked, &m_turnier, &Turnier::sortiereNachQuali);
    knoepfe->addWidget(sortiere);
    fuegeKnoepfeEin(seite, knoepfe, aktionen);
    knoepfe->addStretch(1);
    auto* html = new QPushButton(tr("HTML Ausgabe"), seite);
    connect(html, &QPushButton::clicked, &m_turnier, &Turnier::HtmlAusgabe);
    knoepfe->addWidget(html);
    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(grid, 1);
    spalte->addLayout(knoepfe);
    return seite;
}

QWidget* diaSlotRennen::baueLaufSeite() {
    auto* seite = new QWidget(this);
    QTableView* grid = tabelle(m_laeufe);
    grid->setObjectName(QStringLiteral("DBGrid2"));
    QTableView* klein = tabelle(m_wertungKlein);
    lblGruppe = new QLabel(seite);
    lblLauf = new QLabel(seite);
    cZufall = new QCheckBox(tr("Zufällig"), seite);
    connect(cZufall, &QCheckBox::toggled, &m_turnier, &Turnier::setzeZufall);
    chkAutoStart = new QCheckBox(tr("Autostart"), seite);
    chkAutoStart->setToolTip(tr("Wenn aktiv wirden die Rennläufe automatisch gestartet."));
    connect(chkAutoStart, &QCheckBox::toggled, &m_turnier, &Turnier::setzeAutostart);

    auto* knoepfe = new QHBoxLayout;
    const Knopfaktion aktionen[] = {
        {T::Command8, &Turnier::verteileRennlaeufe},
        {T::Command11, &Turnier::fahreRennlauf},
        {T::Command14, &Turnier::wiederholeLauf}};
    knoepfe->addWidget(cZufall);
    fuegeKnoepfeEin(seite, knoepfe, aktionen);
    knoepfe->addWidget(chkAutoStart);
    knoepfe->addStretch(1);

    auto* rahmen = new QGroupBox(tr("Rennpausen (sec)"), seite);
    auto* pf = new QFormLayout(rahmen);
    static const char* const texte[] = {QT_TR_NOOP("vor dem Rennlauf"),
                                        QT_TR_NOOP("nach dem Rennlauf"),
                                        QT_TR_NOOP("zwischen Rennläufen")};
    for (size_t i = 0; i < 3; ++i) {
        pausen[i] = new QLineEdit(rahmen);
        pausen[i]->setMaximumWidth(60);
        connect(pausen[i], &QLineEdit::textEdited, this, [this] {
            m_turnier.setzePausen({pausen[0]->text(), pausen[1]->text(), pausen[2]->text()});
        });
        pf->addRow(tr(texte[i]), pausen[i]);
    }
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(lblGruppe);
    rechts->addWidget(lblLauf);
    rechts->addWidget(rahmen);
    rechts->addWidget(klein, 1);
    auto* oben = new QHBoxLayout;
    oben->addWidget(grid, 3);
    oben->addLayout(rechts, 2);
    auto* spalte = new QVBoxLayout(seite);
    spalte->addLayout(oben, 1);
    spalte->addLayout(knoepfe);
    return seite;
}

QWidget* diaSlotRennen::baueWertungSeite() {
    auto* seite = new QWidget(this);
    QTableView* grid = tabelle(m_wertung);
    grid->setObjectName(QStringLiteral("DBGrid3"));
    auto* html = new QPushButton(tr("HTML Ausgabe"), seite);
    html->setObjectName(QStringLiteral("Command15"));
    connect(html, &QPushButton::clicked, &m_turnier, &Turnier::HtmlAusgabe);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(html);
    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(grid, 1);
    spalte->addLayout(knoepfe);
    return seite;
}

void diaSlotRennen::eingabeGeaendert() {
    if (m_spiegelt || !m_turnier.bearbeitet()) return;
    SlotRennen r = m_turnier.eingabe();
    r.RennName = Text1[0]->text();
    r.RennSerie = Text1[1]->text();
    r.Strecke = Text1[2]->text();
    r.QualiZeit = Text1[3]->text();
    r.Dauer = Text1[4]->text();
    r.TriggerZeit = Text1[5]->text();
    r.optionZeit = Option1[0]->isChecked();
    for (int i = 0; i < 6; ++i) {
        if (Option2[size_t(i)]->isChecked()) r.Spuren = i + 1;
        if (Option3[size_t(i)]->isChecked()) r.QualiSpur = i + 1;
    }
    r.QualiSpur = std::min(r.QualiSpur, r.Spuren);
    r.StartOption = Check1->isChecked();
    r.gruppenAusgleichen = chkGruppenAusgleich->isChecked();
    m_turnier.setzeEingabe(r);
}

void diaSlotRennen::spiegele() {
    m_spiegelt = true;
    for (int e = 0; e < T::ElementAnzahl; ++e) {
        QPushButton* k = m_knoepfe[size_t(e)];
        if (!k) continue;
        k->setText(m_turnier.caption(T::Element(e)));
        k->setEnabled(m_turnier.istEnabled(T::Element(e)));
    }
    m_knoepfe[T::Command11]->setStyleSheet(
        m_turnier.command11Gruen() && m_turnier.istEnabled(T::Command11)
            ? QStringLiteral("QPushButton { background: #00ff00; }")
            : QString());
    const SlotRennen& r = m_turnier.eingabe();
    cboRennen->clear();
    for (const SlotRennen& t : m_turnier.turniere()) cboRennen->addItem(t.schluessel());
    cboRennen->setCurrentIndex(m_turnier.aktuellerIndex());
    cboRennen->setEnabled(m_turnier.istEnabled(T::Navigator));
    const QString werte[] = {r.RennName,  r.RennSerie, r.Strecke,
                             r.QualiZeit, r.Dauer,     r.TriggerZeit};
    const bool frei = m_turnier.istEnabled(T::Eingaben);
    for (size_t i = 0; i < Text1.size(); ++i) {
        if (Text1[i]->text() != werte[i]) Text1[i]->setText(werte[i]);
        Text1[i]->setReadOnly(!frei);
    }
    Option1[r.optionZeit ? 0 : 1]->setChecked(true);
    const QString einheit = r.optionZeit ? tr("Minute(n)") : tr("Runde(n)");
    lblQualiEinheit->setText(einheit);
    lblDauerEinheit->setText(einheit);
    // No more lanes than the track has; the qualifying lane among the lanes used.
    const int anzBahnen = std::clamp<int>(m_turnier.leitung().einstellungen().AnzBahnen, 1, 6);
    for (int i = 0; i < 6; ++i) {
        Option2[size_t(i)]->setVisible(i < anzBahnen);
        Option3[size_t(i)]->setVisible(i < anzBahnen && i < r.Spuren);
        Option2[size_t(i)]->setChecked(i + 1 == r.Spuren);
        Option3[size_t(i)]->setChecked(i + 1 == r.QualiSpur);
    }
    for (auto* w : {static_cast<QWidget*>(Option1[0]), static_cast<QWidget*>(Option1[1]),
                    static_cast<QWidget*>(Check1), static_cast<QWidget*>(chkGruppenAusgleich)})
        w->setEnabled(frei);
    for (int i = 0; i < 6; ++i) {
        Option2[size_t(i)]->setEnabled(frei);
        Option3[size_t(i)]->setEnabled(frei);
    }
    Check1->setChecked(r.StartOption);
    chkGruppenAusgleich->setChecked(r.gruppenAusgleichen);

    lbFahrerBelegung->clear();
    lbAutoBelegung->clear();
    for (const auto& t : m_turnier.belegung()) {
        lbFahrerBelegung->addItem(t.fahrer);
        lbAutoBelegung->addItem(t.autoName == kOhne ? tr("ohne") : t.autoName);
    }
    cZufall->setChecked(m_turnier.zufall());
    cZufall->setEnabled(m_turnier.istEnabled(T::cZufall));
    chkAutoStart->setChecked(m_turnier.autostart());
    chkAutoStart->setText(m_turnier.caption(T::chkAutoStart));
    const auto p = m_turnier.pausen();
    for (size_t i = 0; i < 3; ++i)
        if (pausen[i]->text() != p[i]) pausen[i]->setText(p[i]);
    lblGruppe->setText(m_turnier.gruppeText());
    lblLauf->setText(m_turnier.laufText());
    Label2->setText(m_turnier.label2());
    m_seiten->setTabEnabled(0, m_turnier.istEnabled(T::SeiteStammdaten));
    m_seiten->setTabEnabled(1, m_turnier.istEnabled(T::SeiteTeilnehmer));
    m_spiegelt = false;
}

void diaSlotRennen::spiegeleTabellen() {
    const QString k = m_turnier.aktuellerIndex() >= 0
                          ? m_turnier.turniere().at(m_turnier.aktuellerIndex()).schluessel()
                          : QString();
    const QSqlDatabase db = m_turnier.daten().datenbank().db();
    const auto setze = [&](QSqlQueryModel* m, const QString& sql) {
        QSqlQuery q(db);
        q.prepare(sql);
        q.addBindValue(k);
        q.exec();
        m->setQuery(std::move(q));
    };
    setze(m_teilnehmer, TurnierDaten::teilnehmerSql(m_turnier.sortierung()));
    // The row id only orders the grid.
    m_teilnehmer->removeColumn(7);
    setze(m_laeufe, TurnierDaten::laeufeSql());
    setze(m_wertung, TurnierDaten::wertungSql());
    setze(m_wertungKlein, TurnierDaten::wertungSql());
    // The headings are the queries' column names, shown in the interface language.
    static const char* const spalten[] = {
        QT_TR_NOOP("RennName"),     QT_TR_NOOP("Rennname"),  QT_TR_NOOP("Fahrer"),
        QT_TR_NOOP("Auto"),         QT_TR_NOOP("QualiR"),    QT_TR_NOOP("Quali Z"),
        QT_TR_NOOP("QualiSR"),      QT_TR_NOOP("Gruppe"),    QT_TR_NOOP("Lauf"),
        QT_TR_NOOP("Spur"),         QT_TR_NOOP("Runden"),    QT_TR_NOOP("Zeit"),
        QT_TR_NOOP("GesamtRunden"), QT_TR_NOOP("GesamtZeit")};
    for (QSqlQueryModel* m : {m_teilnehmer, m_laeufe, m_wertung, m_wertungKlein}) {
        const QSqlRecord felder = m->record();
        for (int i = 0; i < felder.count(); ++i)
            for (const char* spalte : spalten)
                if (felder.fieldName(i) == QLatin1String(spalte))
                    m->setHeaderData(i, Qt::Horizontal, tr(spalte));
    }
    // Times are kept in milliseconds: the grids show seconds.
    static const QStringList zeiten = {QStringLiteral("Quali Z"), QStringLiteral("Zeit"),
                                       QStringLiteral("GesamtZeit")};
    for (QTableView* v : findChildren<QTableView*>()) {
        if (const auto* m = qobject_cast<const QSqlQueryModel*>(v->model())) {
            const QSqlRecord felder = m->record();
            for (int i = 0; i < felder.count(); ++i)
                v->setItemDelegateForColumn(
                    i, zeiten.contains(felder.fieldName(i)) ? m_zeitSpalte : nullptr);
        }
        v->resizeColumnsToContents();
    }
}

void diaSlotRennen::closeEvent(QCloseEvent* e) {
    if (m_turnier.beenden())
        e->accept();
    else
        e->ignore();
}

void diaSlotRennen::reject() { close(); }
