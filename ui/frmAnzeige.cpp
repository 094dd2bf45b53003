#include "ui/frmAnzeige.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QWindow>
#include <memory>

#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "engine/Hauptanzeige.h"
#include "engine/Rennleitung.h"
#include "ui/SlotAnzeige.h"
#include "ui/frmMain.h"

using H = Hauptanzeige;

const QString frmAnzeige::schirmSchluessel = QStringLiteral("AnzeigeBildschirm");

namespace {
int schirmHoehe(const QScreen* s) { return s ? s->geometry().height() : 768; }
}  // namespace

frmAnzeige::frmAnzeige(Rennleitung& leitung, Hauptanzeige& anzeige, QWidget* haupt)
    : QWidget(haupt, Qt::Window), m_leitung(leitung), m_anzeige(anzeige), m_haupt(haupt) {
    setObjectName(QStringLiteral("frmAnzeige"));
    setWindowTitle(tr("Anzeige"));
    // A TV shows; it never takes the keyboard from the race director.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    const int hoehe = schirmHoehe(zielSchirm());
    for (int i = 0; i < 6; ++i) {
        auto* p = new SlotAnzeige(leitung.panel(i), leitung.einstellungen(), hoehe, this);
        p->setObjectName(QStringLiteral("AnzeigePanel%1").arg(i));
        p->hide();
        m_panels.append(p);
    }

    m_kopf = new QWidget(this);
    m_kopf->setAutoFillBackground(true);
    auto* reihe = new QHBoxLayout(m_kopf);
    reihe->setContentsMargins(12, 4, 12, 4);
    QFont gross(QStringLiteral("Arial"));
    gross.setBold(true);
    gross.setPixelSize(qMax(18, hoehe / 22));
    m_rennen = new QLabel(m_kopf);
    m_rennen->setObjectName(QStringLiteral("lblRennen"));
    m_rennen->setFont(gross);
    m_uhr = new QLabel(m_kopf);
    m_uhr->setObjectName(QStringLiteral("Label1"));
    m_uhr->setFont(gross);
    m_uhr->setAlignment(Qt::AlignCenter);
    m_uhr->setMinimumWidth(hoehe / 3);
    m_uhr->setAutoFillBackground(true);
    reihe->addWidget(m_rennen, 1);
    reihe->addWidget(m_uhr);

    m_fortschritt = new QProgressBar(this);
    m_fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    m_fortschritt->setRange(0, 100);
    m_fortschritt->setTextVisible(false);
    // High enough for the laps to go of a race by laps.
    m_fortschritt->setFixedHeight(qMax(24, hoehe / 36));
    m_fortschritt->setAlignment(Qt::AlignCenter);
    QFont balken = gross;
    balken.setPixelSize(qMax(14, hoehe / 48));
    m_fortschritt->setFont(balken);

    m_hinweis = new QLabel(this);
    m_hinweis->setObjectName(QStringLiteral("lblWeiter"));
    m_hinweis->setAlignment(Qt::AlignCenter);
    m_hinweis->setWordWrap(true);
    m_hinweis->setStyleSheet(QStringLiteral(
        "QLabel { background: #fff3a0; color: black; border: 3px solid #806000; "
        "font-weight: bold; padding: 16px; }"));
    QFont hinweis = m_hinweis->font();
    hinweis.setPixelSize(qMax(20, hoehe / 18));
    m_hinweis->setFont(hinweis);

    connect(&anzeige, &H::geaendert, this, [this](H::Element e) {
        if (e == H::Label1) spiegeleUhr();
        if (e == H::lblWeiter) spiegeleHinweis();
        if (e == H::Fortschritt) {
            m_fortschritt->setVisible(m_anzeige.istVisible(H::Fortschritt));
            spiegeleRestRunden();
            stapelePanels();
        }
    });
    connect(&anzeige, &H::label1ChaosGeaendert, this, &frmAnzeige::spiegeleUhr);
    connect(&anzeige, &H::fortschrittGeaendert, this,
            [this] { m_fortschritt->setValue(m_anzeige.fortschritt()); });
    connect(&leitung, &Rennleitung::zustandGeaendert, this, &frmAnzeige::spiegeleRennen);
    connect(&leitung, &Rennleitung::panelsGeaendert, this, &frmAnzeige::stapelePanels);

    const QRect s = zielSchirm() ? zielSchirm()->geometry() : QRect(0, 0, 1024, 768);
    setGeometry(s);
    spiegeleAlles();
}

void frmAnzeige::richteEin(frmMain& f, Rennleitung& leitung, Hauptanzeige& anzeige) {
    auto fenster = std::make_shared<QPointer<frmAnzeige>>();
    auto oeffne = [fenster, &f, &leitung, &anzeige] {
        if (!*fenster) *fenster = new frmAnzeige(leitung, anzeige, &f);
        (*fenster)->zeige();
    };
    auto* knopf = new QPushButton(tr("Anzeige"));
    knopf->setObjectName(QStringLiteral("cmdAnzeige"));
    knopf->setToolTip(tr("Stand für alle auf einem eigenen Bildschirm"));
    f.fuegeFensterKnopfAn(knopf);
    QObject::connect(knopf, &QPushButton::clicked, knopf, oeffne);
    QObject::connect(f.fuegeFunktionAn(tr("Anzeige")), &QAction::triggered, knopf, oeffne);
}

QScreen* frmAnzeige::zielSchirm() const {
    const QString name = m_leitung.speicher().hole(schirmSchluessel);
    const QList<QScreen*> schirme = QGuiApplication::screens();
    if (!name.isEmpty())
        for (QScreen* s : schirme)
            if (s->name() == name) return s;
    QScreen* hauptSchirm = m_haupt ? m_haupt->screen() : QGuiApplication::primaryScreen();
    for (QScreen* s : schirme)
        if (s != hauptSchirm) return s;
    return hauptSchirm;
}

void frmAnzeige::setzeSchirm(QScreen* schirm) {
    if (!schirm) return;
    m_leitung.speicher().speichere(schirmSchluessel, schirm->name());
    if (isVisible()) zeige();
}

void frmAnzeige::zeige() {
    QScreen* schirm = zielSchirm();
    // Back to a normal window first, or the move to another screen is ignored.
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    if (schirm) {
        if (!windowHandle()) create();
        windowHandle()->setScreen(schirm);
        setGeometry(schirm->geometry());
    }
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowFullScreen);
    show();
    raise();
    stapelePanels();
}

QMenu* frmAnzeige::schirmMenue() {
    auto* menue = new QMenu(this);
    const QScreen* jetzt = zielSchirm();
    int nummer = 0;
    for (QScreen* s : QGuiApplication::screens()) {
        ++nummer;
        const QRect g = s->geometry();
        QAction* a = menue->addAction(
            tr("Bildschirm %1 (%2 × %3)").arg(nummer).arg(g.width()).arg(g.height()));
        a->setCheckable(true);
        a->setChecked(s == jetzt);
        connect(a, &QAction::triggered, this, [this, s] { setzeSchirm(s); });
    }
    menue->addSeparator();
    connect(menue->addAction(tr("Schließen")), &QAction::triggered, this, &QWidget::close);
    return menue;
}

void frmAnzeige::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menue = schirmMenue();
    menue->setAttribute(Qt::WA_DeleteOnClose);
    menue->popup(e->globalPos());
}

void frmAnzeige::spiegeleAlles() {
    spiegeleRennen();
    spiegeleUhr();
    spiegeleHinweis();
    m_fortschritt->setValue(m_anzeige.fortschritt());
    m_fortschritt->setVisible(m_anzeige.istVisible(H::Fortschritt));
    spiegeleRestRunden();
    stapelePanels();
}

void frmAnzeige::spiegeleRestRunden() {
    const QString text = H::gezeigt(m_anzeige.caption(H::Fortschritt));
    m_fortschritt->setFormat(text);
    m_fortschritt->setTextVisible(!text.isEmpty());
}

void frmAnzeige::spiegeleUhr() {
    const bool chaos = m_anzeige.label1Chaos();
    m_uhr->setText(H::gezeigt(chaos ? QStringLiteral("Chaos") : m_anzeige.caption(H::Label1)));
    QPalette pal = m_uhr->palette();
    pal.setColor(QPalette::Window, chaos ? QColor(Qt::red) : QColor(Qt::black));
    pal.setColor(QPalette::WindowText, Qt::white);
    m_uhr->setPalette(pal);
}

void frmAnzeige::spiegeleHinweis() {
    m_hinweis->setText(H::gezeigt(m_anzeige.caption(H::lblWeiter)));
    m_hinweis->setVisible(m_anzeige.istVisible(H::lblWeiter) &&
                          !m_anzeige.caption(H::lblWeiter).isEmpty());
    m_hinweis->raise();
}

void frmAnzeige::spiegeleRennen() {
    const auto& z = m_leitung.zustand();
    m_rennen->setText(H::gezeigt(laufartWort(z.RennArt)) + QStringLiteral(" :  ") + H::gezeigt(z.AktRennName));
    QPalette pal = m_kopf->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    m_kopf->setPalette(pal);
    m_rennen->setPalette(pal);
}

void frmAnzeige::resizeEvent(QResizeEvent*) { stapelePanels(); }

void frmAnzeige::stapelePanels() {
    const int W = width();
    const int kopf = m_kopf->sizeHint().height();
    m_kopf->setGeometry(0, 0, W, kopf);
    const int fort = m_anzeige.istVisible(H::Fortschritt) ? m_fortschritt->height() : 0;
    m_fortschritt->setGeometry(0, kopf, W, m_fortschritt->height());
    const QRect flaeche(0, kopf + fort, W, qMax(0, height() - kopf - fort));
    m_hinweis->setGeometry(W / 6, flaeche.top() + flaeche.height() / 3, W * 2 / 3,
                           flaeche.height() / 3);
    const int hoehe = flaeche.height() / gueltigeAnzBahnen(m_leitung.einstellungen().AnzBahnen);
    int y = flaeche.top();
    QVector<bool> gezeigt(m_panels.size(), false);
    for (int bahn : m_leitung.panelReihenfolge()) {
        const int index = m_leitung.panelIndexVonBahn(bahn);
        if (index < 0 || index >= m_panels.size() || gezeigt[index]) continue;
        gezeigt[index] = true;
        m_panels[index]->setGeometry(0, y, W, hoehe);
        m_panels[index]->show();
        y += hoehe;
    }
    for (int i = 0; i < m_panels.size(); ++i)
        if (!gezeigt[i]) m_panels[i]->hide();
    m_hinweis->raise();
}

QVector<int> frmAnzeige::bahnenVonOben() const {
    return SlotAnzeige::bahnenVonOben(m_panels, this);
}
