#include "HauptfensterZusatz.h"

#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>

#include "ChaosModus.h"
#include "ChaosTaste.h"
#include "Einstellungen.h"
#include "Fensterplatz.h"
#include "Knopfleiste.h"
#include "Lampenform.h"
#include "Nachlauf.h"
#include "RennHardware.h"
#include "Rennablauf.h"
#include "Rennleitung.h"
#include "StartAmpel.h"
#include "diaRennen.h"
#include "frmErgebnis.h"
#include "ZeitnahmeFeld.h"
#include "frmMain.h"

using H = Hauptanzeige;

HauptfensterZusatz::HauptfensterZusatz(frmMain& f, Rennleitung& leitung, Rennablauf& ablauf,
                                       Hauptanzeige& anzeige)
    : QObject(&f), m_fenster(f), m_leitung(leitung), m_ablauf(ablauf), m_anzeige(anzeige) {
    // The race name was reachable only by a double click nobody finds.
    m_rennparameter = new QPushButton(tr("Rennparameter…"), f.Menue);
    m_rennparameter->setObjectName(QStringLiteral("cmdRennparameter"));
    // Before the race name, which takes the rest of the row.
    QHBoxLayout* reihe = f.leiste()->zeile(Knopfleiste::Fenster);
    reihe->insertWidget(reihe->indexOf(f.lblRennen), m_rennparameter);
    connect(m_rennparameter, &QPushButton::clicked, this, &HauptfensterZusatz::oeffneRennparameter);
    m_streifen = new QWidget(f.Menue);
    m_streifen->setObjectName(QStringLiteral("Sprecherstreifen"));
    m_streifen->setFixedHeight(80);
    m_streifen->hide();
    f.leiste()->raster()->addWidget(m_streifen, Knopfleiste::sprecherReihe, 0);

    connect(&anzeige, &H::ergebnisAnfordern, this, &HauptfensterZusatz::zeigeErgebnis);
    connect(&anzeige, &H::geaendert, this, [this](H::Element e) {
        if (e == H::cmdChaos) spiegeleChaosHinweis();
        // The next run (a tournament stint, power training) needs its standings in view.
        if (e == H::Command2 && m_ablauf.laufAn() && m_ergebnis)
            m_ergebnis->hide();
    });
    connect(&leitung, &Rennleitung::zustandGeaendert, this,
            &HauptfensterZusatz::spiegeleChaosHinweis);

    // Esc stops like the Stop button (with its question), only while a run is on.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), &f);
    connect(esc, &QShortcut::activated, this, [this] {
        if (m_ablauf.laufAn()) m_ablauf.Command2_Click();
    });
    // Space ends caution, as the light inside the window says.
    new ChaosTaste(
        f,
        [this] {
            return m_anzeige.startAmpelSichtbar() && m_leitung.zustand().ChaosAktiv &&
                   !m_ablauf.chaos().startetNeu();
        },
        [this] { m_ablauf.chaos().cmdChaos_Click(); });
    if (StartAmpel* ampel = f.startAmpel())
        connect(ampel, &StartAmpel::stopGewuenscht, this, [this] {
            if (m_ablauf.laufAn()) m_ablauf.Command2_Click();
        });

    f.installEventFilter(this);
    spiegeleChaosHinweis();
    f.leiste()->passeUhrAn();
}

void HauptfensterZusatz::oeffneRennparameter() {
    diaRennen dialog(m_leitung, &m_fenster);
    dialog.exec();
    m_leitung.hardware().SetzeFormCaption(QString());
}

frmErgebnis* HauptfensterZusatz::ergebnisFenster() const { return m_ergebnis; }

bool HauptfensterZusatz::hatErgebnis() const {
    return !m_ablauf.nachlauf().letztesErgebnis().leer();
}

void HauptfensterZusatz::zeigeErgebnis() {
    if (!hatErgebnis()) return;
    const bool neu = !m_ergebnis;
    if (neu) m_ergebnis = new frmErgebnis(&m_fenster);
    m_ergebnis->zeige(m_ablauf.nachlauf().letztesErgebnis());
    if (neu) {
        const QRect haupt = m_fenster.frameGeometry();
        m_ergebnis->move(haupt.center() - m_ergebnis->rect().center());
    }
}

void HauptfensterZusatz::spiegeleChaosHinweis() {
    const bool gesperrt = !m_ablauf.chaos().moeglich() && m_fenster.cmdChaos->isVisible();
    m_fenster.cmdChaos->setToolTip(gesperrt ? ChaosModus::gesperrtHinweis() : QString());
}

void HauptfensterZusatz::setzeStreifen(bool an) {
    if (m_streifen->isVisibleTo(m_fenster.Menue) == an) return;
    m_streifen->setVisible(an);
    m_fenster.AnzeigenAnordnen();
    // The strip's place is needed at once by whoever goes there.
    m_fenster.Menue->layout()->activate();
}

QVector<QRect> HauptfensterZusatz::freieFlaechen(bool rechtsZuerst) const {
    const frmMain& f = m_fenster;
    QVector<QRect> streifen;
    if (m_streifen->isVisibleTo(f.Menue)) {
        const QRect s(m_streifen->mapTo(&f, QPoint(0, 0)), m_streifen->size());
        const int links = qMin(s.width() / 2, 420);
        streifen << QRect(s.left(), s.top(), links, s.height())
                 << QRect(s.left() + links, s.top(), s.width() - links, s.height());
        if (rechtsZuerst) std::swap(streifen[0], streifen[1]);
        for (QRect& r : streifen) r.translate(f.mapToGlobal(QPoint(0, 0)));
    }
    const QRect leiste(f.Menue->mapTo(&f, QPoint(0, 0)), f.Menue->size());
    // The run's row between the light and the status field (or the row's end).
    const int links = f.Lichtanzeige->geometry().right() + 1;
    int rechts = f.Menue->width();
    if (f.lblZeitnahme && f.lblZeitnahme->isVisible())
        rechts = f.lblZeitnahme->geometry().left();
    const int oben = f.Label1->mapTo(&f, QPoint(0, 0)).y();
    QVector<QRect> frei = streifen;
    const QPoint global = f.mapToGlobal(QPoint(0, 0));
    if (rechts - links > 16)
        frei.append(QRect(leiste.left() + links + 8, oben, rechts - links - 16,
                          f.Label1->height())
                        .translated(global));
    frei.append(leiste.translated(global));
    return frei;
}

QPoint HauptfensterZusatz::vorschlag(const QSize& groesse, bool rechts) const {
    const QScreen* s = m_fenster.screen() ? m_fenster.screen() : QGuiApplication::primaryScreen();
    const QRect schirm = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
    return Fensterplatz::finde(m_fenster.frameGeometry(), freieFlaechen(rechts), groesse, schirm);
}

bool HauptfensterZusatz::eventFilter(QObject* o, QEvent* e) {
    if (o == &m_fenster && e->type() == QEvent::Resize) m_fenster.leiste()->passeUhrAn();
    return false;
}
