// The main window's Funktionen menu and the windows it opens (the lap tables, the table
// editor, the simulation, ...). A part of frmMain kept in a file of its own.

#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "DemoModus.h"
#include "EinstellungsSpeicher.h"
#include "Fensterplatz.h"
#include "HauptfensterZusatz.h"
#include "Rennleitung.h"
#include "frmMain.h"
#include "frmSimulation.h"

using H = Hauptanzeige;

namespace {
// Command5's caption in the engine while a run can be simulated (the key, not what is shown).
const QString kSimulation = QStringLiteral("S&imulation");
}  // namespace

void frmMain::baueFunktionsMenue() {
    auto* menue = new QMenu(Funktionen);
    struct Eintrag {
        const char* text;
        std::function<void()> aktion;
        std::function<bool()> frei;
    };
    const QVector<Eintrag> eintraege = {
        {QT_TR_NOOP("Spurwechsel"), [this] { oeffne(Fenster::SpurWechsel); },
         [this] { return Command4->isEnabled() && Command4->isVisible(); }},
        {QT_TR_NOOP("Optionen"), [this] { oeffne(Fenster::Optionen); },
         [this] { return Command3->isEnabled(); }},
        {QT_TR_NOOP("SlotRennen"),
         [this] {
             m_leitung.cbRAuswahl_Click(0);
             oeffne(Fenster::Turnier);
         },
         [this] { return Command7->isEnabled(); }},
        {QT_TR_NOOP("Tabellen"), [this] { oeffne(Fenster::Tabellen); },
         [this] { return Command5->isEnabled() && !simulationStattTabellen(); }},
        {QT_TR_NOOP("Runden"), [this] { oeffne(Fenster::RundenTabelle); },
         [this] { return Command6->isEnabled(); }},
        {QT_TR_NOOP("Simulation"), [this] { zeigeSimulation(); },
         [this] { return Command5->isEnabled() && simulationStattTabellen(); }},
        {QT_TR_NOOP("Fahrer und Autos"), [this] { oeffne(Fenster::FahrerAuto); },
         [this] { return bool(m_fenster[size_t(Fenster::FahrerAuto)]); }},
        {QT_TR_NOOP("Ergebnis"), [this] { m_zusatz->zeigeErgebnis(); },
         [this] { return m_zusatz && m_zusatz->hatErgebnis(); }},
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
    Funktionen->setMenu(menue);
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
        new Fensterplatz(m_simulation, m_leitung.speicher(), QStringLiteral("Simulation"),
                         [this](const QSize& g) { return m_zusatz->vorschlag(g, true); });
    } else {
        m_simulation->baueKnoepfe();
    }
    m_simulation->show();
    m_simulation->raise();
}
