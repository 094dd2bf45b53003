// The main window's Funktionen menu and the windows it opens (the lap tables, the table
// editor, the simulation, ...), and what other windows add to its bar. A part of frmMain kept
// in a file of its own.

#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "config/EinstellungsSpeicher.h"
#include "engine/Rennleitung.h"
#include "ui/DemoModus.h"
#include "ui/ErgebnisAushang.h"
#include "ui/ErsterStartHinweis.h"
#include "ui/Fensterplatz.h"
#include "ui/FreieFlaechen.h"
#include "ui/Knopfleiste.h"
#include "ui/frmMain.h"
#include "ui/frmSimulation.h"

using H = Hauptanzeige;

namespace {
// Command5's caption in the engine while a run can be simulated (the key, not what is shown).
const QString kSimulation = QStringLiteral("S&imulation");
}  // namespace

void frmMain::baueFunktionsMenue() {
    auto* menue = new QMenu(m_leiste->Funktionen);
    struct Eintrag {
        const char* text;
        std::function<void()> aktion;
        std::function<bool()> frei;
    };
    const QVector<Eintrag> eintraege = {
        {QT_TR_NOOP("Spurwechsel"), [this] { oeffne(Fenster::SpurWechsel); },
         [this] { return m_leiste->Command4->isEnabled() && m_leiste->Command4->isVisible(); }},
        {QT_TR_NOOP("Optionen"), [this] { oeffne(Fenster::Optionen); },
         [this] { return m_leiste->Command3->isEnabled(); }},
        {QT_TR_NOOP("SlotRennen"),
         [this] {
             m_leitung.cbRAuswahl_Click(0);
             oeffne(Fenster::Turnier);
         },
         [this] { return m_leiste->Command7->isEnabled(); }},
        {QT_TR_NOOP("Tabellen"), [this] { oeffne(Fenster::Tabellen); },
         [this] { return m_leiste->Command5->isEnabled() && !simulationStattTabellen(); }},
        {QT_TR_NOOP("Runden"), [this] { oeffne(Fenster::RundenTabelle); },
         [this] { return m_leiste->Command6->isEnabled(); }},
        {QT_TR_NOOP("Simulation"), [this] { zeigeSimulation(); },
         [this] { return m_leiste->Command5->isEnabled() && simulationStattTabellen(); }},
        {QT_TR_NOOP("Fahrer und Autos"), [this] { oeffne(Fenster::FahrerAuto); },
         [this] { return bool(m_fenster[size_t(Fenster::FahrerAuto)]); }},
        {QT_TR_NOOP("Ergebnis"), [this] { m_ergebnis->zeige(); },
         [this] { return m_ergebnis && m_ergebnis->hatErgebnis(); }},
        {QT_TR_NOOP("Statistik"), [this] { oeffne(Fenster::Statistik); },
         [this] { return bool(m_fenster[size_t(Fenster::Statistik)]); }},
        {QT_TR_NOOP("Hall of Fame"), [this] { oeffne(Fenster::HallOfFame); },
         [this] { return bool(m_fenster[size_t(Fenster::HallOfFame)]); }},
    };
    for (const Eintrag& e : eintraege) {
        QAction* a = menue->addAction(tr(e.text));
        connect(a, &QAction::triggered, this, e.aktion);
        connect(menue, &QMenu::aboutToShow, a, [a, frei = e.frei] { a->setEnabled(frei()); });
    }
    QAction* demo = menue->addAction(tr("Demo"));
    demo->setCheckable(true);
    connect(demo, &QAction::triggered, this, [this](bool an) { m_demo->schalte(an); });
    connect(menue, &QMenu::aboutToShow, demo, [this, demo] {
        demo->setChecked(m_demo->aktiv());
        demo->setEnabled(m_demo->schaltbar());
    });
    m_leiste->Funktionen->setMenu(menue);
}

void frmMain::setzeFenster(Fenster f, std::function<void()> oeffne) {
    m_fenster[size_t(f)] = std::move(oeffne);
    spiegeleAlles();
}

void frmMain::oeffne(Fenster f) {
    if (m_fenster[size_t(f)]) m_fenster[size_t(f)]();
}

void frmMain::Command5_Click() {
    if (simulationStattTabellen())
        zeigeSimulation();
    else
        oeffne(Fenster::Tabellen);
}

bool frmMain::simulationStattTabellen() const {
    // The engine's caption, not the button's text: that one is in the interface language.
    return m_anzeige.caption(H::Command5) == kSimulation;
}

void frmMain::zeigeSimulation() {
    if (!m_simulation) {
        m_simulation = new frmSimulation(m_leitung, this);
        new Fensterplatz(
            m_simulation, m_leitung.speicher(), QStringLiteral("Simulation"),
            [this](const QSize& g) { return FreieFlaechen(*this, *m_leiste).vorschlag(g, true); });
    } else {
        m_simulation->baueKnoepfe();
    }
    m_simulation->show();
    m_simulation->raise();
}

void frmMain::beobachteZeitnahme(ZeitnahmeStatus* status) { m_ersterStart->beobachte(status); }

void frmMain::zeitnahmeSignalEmpfangen() { m_ersterStart->signalEmpfangen(); }

void frmMain::fuegeFensterKnopfAn(QPushButton* knopf) { m_leiste->fuegeFensterKnopfAn(knopf); }

QAction* frmMain::fuegeFunktionAn(const QString& text) {
    return m_leiste->Funktionen->menu()->addAction(text);
}

void frmMain::fuegeLeistenZeileAn(QWidget* feld, int reihe) {
    m_leiste->fuegeZeileAn(feld, reihe);
    feld->show();
    // The bar may have grown by the row's height.
    stapelePanels();
}

void frmMain::setzeSprecherStreifen(bool an) {
    if (!m_leiste->setzeStreifen(an)) return;
    AnzeigenAnordnen();
    // The strip's place is needed at once by whoever goes there.
    m_leiste->Menue->layout()->activate();
}

QRect frmMain::sprecherStreifen() const {
    const QWidget* s = m_leiste->Sprecherstreifen;
    if (!s->isVisibleTo(this)) return {};
    return {s->mapToGlobal(QPoint(0, 0)), s->size()};
}
