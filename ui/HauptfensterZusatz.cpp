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
#include "Lampenform.h"
#include "Nachlauf.h"
#include "RennHardware.h"
#include "Rennablauf.h"
#include "Rennleitung.h"
#include "StartAmpel.h"
#include "diaRennen.h"
#include "frmErgebnis.h"
#include "frmMain.h"

using H = Hauptanzeige;

HauptfensterZusatz::HauptfensterZusatz(frmMain& f, Rennleitung& leitung, Rennablauf& ablauf,
                                       Hauptanzeige& anzeige)
    : QObject(&f), m_fenster(f), m_leitung(leitung), m_ablauf(ablauf), m_anzeige(anzeige) {
    // The race name was reachable only by a double click nobody finds.
    m_rennparameter = new QPushButton(tr("Rennparameter…"), f.Menue);
    m_rennparameter->setObjectName(QStringLiteral("cmdRennparameter"));
    if (auto* raster = qobject_cast<QGridLayout*>(f.Menue->layout())) {
        if (QLayoutItem* oben = raster->itemAtPosition(0, 0)) {
            if (auto* reihe = qobject_cast<QHBoxLayout*>(oben->layout()))
                reihe->insertWidget(reihe->indexOf(f.lblRennen) + 1, m_rennparameter);
        }
    }
    connect(m_rennparameter, &QPushButton::clicked, this, &HauptfensterZusatz::oeffneRennparameter);
    m_streifen = new QWidget(f.Menue);
    m_streifen->setObjectName(QStringLiteral("Sprecherstreifen"));
    m_streifen->setFixedHeight(80);
    m_streifen->hide();
    if (auto* raster = qobject_cast<QGridLayout*>(f.Menue->layout()))
        raster->addWidget(m_streifen, 2, 0);

    connect(&anzeige, &H::ergebnisAnfordern, this, &HauptfensterZusatz::zeigeErgebnis);
    connect(&anzeige, &H::geaendert, this, [this](H::Element e) {
        if (e == H::cmdChaos) spiegeleChaosHinweis();
        // The next run (a tournament stint, power training) needs its standings in view.
        if (e == H::Command2 && m_anzeige.caption(H::Command2) == QLatin1String("&Stop") &&
            m_ergebnis)
            m_ergebnis->hide();
    });
    connect(&leitung, &Rennleitung::zustandGeaendert, this,
            &HauptfensterZusatz::spiegeleChaosHinweis);

    // Esc stops like the Stop button (with its question), only while a run is on.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), &f);
    connect(esc, &QShortcut::activated, this, [this] {
        if (m_anzeige.caption(H::Command2) == QLatin1String("&Stop")) m_ablauf.Command2_Click();
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
            if (m_anzeige.caption(H::Command2) == QLatin1String("&Stop")) m_ablauf.Command2_Click();
        });

    f.installEventFilter(this);
    spiegeleChaosHinweis();
    passeUhrAn();
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

void HauptfensterZusatz::beobachteSprecher(QWidget* sprecher) {
    m_sprecher = sprecher;
    if (!sprecher) return;
    sprecher->installEventFilter(this);
    setzeStreifen(sprecher->isVisible());
}

void HauptfensterZusatz::setzeStreifen(bool an) {
    if (m_streifen->isVisibleTo(m_fenster.Menue) == an) return;
    m_streifen->setVisible(an);
    m_fenster.AnzeigenAnordnen();
    // The strip's place is needed at once by whoever goes there.
    m_fenster.Menue->layout()->activate();
    if (m_folger) m_folger();
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
    // Between the controls on the left and those on the right, over both rows of the bar.
    int links = 0;
    for (const QWidget* w :
         {static_cast<const QWidget*>(f.lblRennen), static_cast<const QWidget*>(m_rennparameter),
          static_cast<const QWidget*>(f.Lichtanzeige)})
        if (w->isVisible()) links = qMax(links, w->geometry().right() + 1);
    int rechts = f.Menue->width();
    for (const QWidget* w :
         {static_cast<const QWidget*>(f.Funktionen), static_cast<const QWidget*>(f.Command5),
          static_cast<const QWidget*>(f.Command3), static_cast<const QWidget*>(f.Command4),
          static_cast<const QWidget*>(f.Command6), static_cast<const QWidget*>(f.Command7),
          static_cast<const QWidget*>(f.Command1)})
        if (w->isVisible()) rechts = qMin(rechts, w->geometry().left());
    QVector<QRect> frei = streifen;
    const QPoint global = f.mapToGlobal(QPoint(0, 0));
    if (rechts - links > 16)
        frei.append(
            QRect(leiste.left() + links + 8, leiste.top(), rechts - links - 16, leiste.height())
                .translated(global));
    frei.append(leiste.translated(global));
    return frei;
}

QPoint HauptfensterZusatz::vorschlag(const QSize& groesse, bool rechts) const {
    const QScreen* s = m_fenster.screen() ? m_fenster.screen() : QGuiApplication::primaryScreen();
    const QRect schirm = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
    return Fensterplatz::finde(m_fenster.frameGeometry(), freieFlaechen(rechts), groesse, schirm);
}

void HauptfensterZusatz::passeUhrAn() {
    const int anz = qBound(2, int(m_leitung.einstellungen().AnzBahnen), 6);
    // A panel's driver line is half a panel; the clock is at least half of that.
    int pixel = qBound(22, (m_fenster.height() - 60) / (anz * 4), 110);
    // ... but never wider than the button bar leaves beside its other controls: a narrow
    // window gets a smaller clock rather than one that runs into the light and the buttons.
    QFont uhr = m_fenster.Label1->font();
    if (auto* raster = qobject_cast<QGridLayout*>(m_fenster.Menue->layout())) {
        if (QLayoutItem* zelle = raster->itemAtPosition(1, 0); zelle && zelle->layout()) {
            QLayout* zeile = zelle->layout();
            int andere = 0;
            for (int i = 0; i < zeile->count(); ++i) {
                QLayoutItem* teil = zeile->itemAt(i);
                QWidget* w = teil->widget();
                if (w && w != m_fenster.Label1 && !w->isHidden())
                    andere += teil->minimumSize().width() + zeile->spacing();
            }
            const int frei = m_fenster.width() - andere - 40;
            QFont probe = uhr;
            probe.setPixelSize(100);
            const int breite100 =
                QFontMetrics(probe).horizontalAdvance(QStringLiteral("00:00:00.000")) + 1;
            pixel = qMax(14, qMin(pixel, (frei - 24) * 100 / breite100));
        }
    }
    if (uhr.pixelSize() == pixel) return;
    uhr.setPixelSize(pixel);
    m_fenster.Label1->setFont(uhr);
    const QFontMetrics fm(uhr);
    // Of fixed size: its text changes with every tick of the race timer, and a label that may
    // change its size makes the whole window lay out again each time.
    m_fenster.Label1->setFixedSize(fm.horizontalAdvance(QStringLiteral("00:00:00.000")) + 24,
                                   qMax(fm.height() + 4, m_fenster.Command2->sizeHint().height()));
    const int licht = qMax(20, fm.height() * 2 / 3);
    m_fenster.Lichtanzeige->setFixedSize(licht, licht);
}

bool HauptfensterZusatz::eventFilter(QObject* o, QEvent* e) {
    if (o == &m_fenster && e->type() == QEvent::Resize) passeUhrAn();
    if (o == &m_fenster && m_folger &&
        (e->type() == QEvent::Resize || e->type() == QEvent::Move || e->type() == QEvent::Show)) {
        // After the window has laid itself out for its new size.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_folger) m_folger();
            },
            Qt::QueuedConnection);
    }
    if (o == m_sprecher && (e->type() == QEvent::Show || e->type() == QEvent::Hide))
        setzeStreifen(e->type() == QEvent::Show);
    return false;
}
