#include "ui/frmMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QToolButton>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "darstellung/Programmkopf.h"
#include "data/Datenbank.h"
#include "engine/ChaosModus.h"
#include "engine/RennHardware.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"
#include "ui/ChaosTaste.h"
#include "ui/DemoModus.h"
#include "ui/ErgebnisAushang.h"
#include "ui/ErsterStartHinweis.h"
#include "ui/Knopfleiste.h"
#include "ui/KorrekturMenue.h"
#include "ui/Lampenform.h"
#include "ui/SlotAnzeige.h"
#include "ui/Speicherstatus.h"
#include "ui/StartAmpel.h"
#include "ui/ZeitnahmeFeld.h"
#include "ui/diaFahrer.h"
#include "ui/diaRennen.h"
#include "ui/frmSimulation.h"

using H = Hauptanzeige;

namespace {
qint32 lampenFarbe(H::Lampe l) {
    switch (l) {
        case H::Lampe::Rot:
            return 255;
        case H::Lampe::Gruen:
            return 65280;
        case H::Lampe::Aus:
            break;
    }
    return StartAmpel::lampeAus;
}
}  // namespace

frmMain::frmMain(Rennleitung& leitung, Rennablauf& ablauf, Hauptanzeige& anzeige,
                 int bildschirmHoehe, QWidget* parent)
    : QWidget(parent), m_leitung(leitung), m_ablauf(ablauf), m_anzeige(anzeige) {
    setObjectName(QStringLiteral("frmMain"));
    for (int i = 0; i < 6; ++i) {
        auto* p = new SlotAnzeige(leitung.panel(i), leitung.einstellungen(), bildschirmHoehe, this);
        p->setObjectName(QStringLiteral("SlotAnzeige%1").arg(i));
        connect(p, &SlotAnzeige::fahrerDoppelklick, this, [this, i] { panelFahrerWahl(i); });
        connect(p, &SlotAnzeige::rundenDoppelklick, this,
                [this] { m_leiste->RZeitAnsage->toggle(); });
        m_panels.append(p);
    }
    m_leiste = new Knopfleiste(*this);
    baueFunktionsMenue();
    const Knopfleiste& l = *m_leiste;
    for (QPushButton* k :
         {l.Command2, l.cmdChaos, l.Command5, l.Command3, l.Command4, l.Command6, l.Command7})
        setzeKuerzel(k);
    m_fortschritt = new QProgressBar(this);
    m_fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    m_fortschritt->setRange(0, 100);
    m_fortschritt->setTextVisible(false);
    m_fortschritt->setAlignment(Qt::AlignCenter);
    QFont fett = m_fortschritt->font();
    fett.setBold(true);
    m_fortschritt->setFont(fett);
    m_fortschritt->setFixedHeight(24);
    m_speicherstatus = new Speicherstatus(m_leitung.sicherung(), this);
    connect(m_speicherstatus, &Speicherstatus::platzGeaendert, this, &frmMain::stapelePanels);
    m_ersterStart = new ErsterStartHinweis(leitung.uhr(), this);
    connect(m_ersterStart, &ErsterStartHinweis::platzGeaendert, this, &frmMain::stapelePanels);
    m_weiter = new QLabel(this);
    m_weiter->setObjectName(QStringLiteral("lblWeiter"));
    m_weiter->setAlignment(Qt::AlignCenter);
    m_weiter->setWordWrap(true);
    m_weiter->setStyleSheet(
        QStringLiteral("QLabel { background: #fff3a0; color: black; border: 2px solid #806000; "
                       "font-size: 20pt; font-weight: bold; padding: 12px; }"));
    m_startAmpel = new StartAmpel(this);
    verbinde();
    m_leiste->baueRennparameterUndStreifen();
    connect(m_leiste->cmdRennparameter, &QPushButton::clicked, this, &frmMain::oeffneRennparameter);
    m_ergebnis = new ErgebnisAushang(*this, ablauf, anzeige);
    connect(&leitung, &Rennleitung::zustandGeaendert, this, &frmMain::spiegeleChaosHinweis);
    baueTasten();
    spiegeleChaosHinweis();
    m_leiste->passeUhrAn();
    m_demo = new DemoModus(leitung, this);
    m_korrekturen = new KorrekturMenue(leitung, this);
    for (SlotAnzeige* p : m_panels) m_korrekturen->haengeAn(p);
    connect(m_demo, &DemoModus::umgeschaltet, this, [this](bool an) {
        if (an) m_ersterStart->erledigt();
        SetzeFormCaption(m_letzterZusatz);
    });
    connect(m_ersterStart, &ErsterStartHinweis::demoGewuenscht, this, [this] {
        if (m_demo->schaltbar()) m_demo->schalte(true);
    });
    connect(m_ersterStart, &ErsterStartHinweis::einrichtenGewuenscht, this,
            [this] { oeffne(Fenster::Optionen); });
    if (DemoModus::perUmgebung()) m_demo->schalte(true);
    spiegeleAlles();
    resize(1024, 720);
    SetzeFormCaption(QString());
}

frmMain::~frmMain() {
    if (qApp) qApp->removeEventFilter(this);
}

StartAmpel* frmMain::startAmpel() const { return m_startAmpel; }

frmSimulation* frmMain::simulation() const { return m_simulation; }

void frmMain::setzeKuerzel(QPushButton* knopf) {
    // The button's own mnemonic presses it with a delay (an animated click); this one acts at
    // once, as the keyboard user expects from the start button.
    knopf->setShortcut(QKeySequence());
    const QKeySequence taste = QKeySequence::mnemonic(knopf->text());
    QShortcut*& kuerzel = m_kuerzel[knopf];
    if (!kuerzel) {
        kuerzel = new QShortcut(this);
        connect(kuerzel, &QShortcut::activated, knopf, [knopf] {
            if (knopf->isEnabled() && knopf->isVisible()) knopf->click();
        });
    }
    kuerzel->setKey(taste);
}

void frmMain::baueTasten() {
    // Esc stops like the Stop button (with its question), only while a run is on.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, [this] {
        if (m_ablauf.laufAn()) m_ablauf.Command2_Click();
    });
    // Space ends caution, as the light inside the window says.
    new ChaosTaste(
        *this,
        [this] {
            return m_anzeige.startAmpelSichtbar() && m_leitung.zustand().ChaosAktiv &&
                   !m_ablauf.chaos().startetNeu();
        },
        [this] { m_ablauf.chaos().cmdChaos_Click(); });
    connect(m_startAmpel, &StartAmpel::stopGewuenscht, this, [this] {
        if (m_ablauf.laufAn()) m_ablauf.Command2_Click();
    });
}

void frmMain::verbinde() {
    const Knopfleiste& l = *m_leiste;
    connect(l.cbRAuswahl, &QComboBox::activated, this,
            [this](int i) { m_leitung.cbRAuswahl_Click(i); });
    for (int i = 0; i < 3; ++i)
        connect(l.Option1[size_t(i)], &QRadioButton::clicked, this,
                [this, i] { m_leitung.Option1_Click(i); });
    connect(l.Grenze, &QComboBox::editTextChanged, this,
            [this](const QString& t) { m_leitung.setzeGrenze(t); });
    connect(l.Grenze, &QComboBox::activated, this, &frmMain::Grenze_Validate);
    connect(l.Grenze->lineEdit(), &QLineEdit::editingFinished, this, &frmMain::Grenze_Validate);
    connect(l.ZeitRunden, &QCheckBox::toggled, this,
            [this](bool an) { m_leitung.setzeZeitRunden(an ? 1 : 0); });
    connect(l.RZeitAnsage, &QCheckBox::toggled, this,
            [this](bool an) { m_leitung.setzeRZeitAnsage(an ? 1 : 0); });
    connect(l.Command2, &QPushButton::clicked, this, [this] { m_ablauf.Command2_Click(); });
    connect(l.cmdChaos, &QPushButton::clicked, this, [this] { m_ablauf.chaos().cmdChaos_Click(); });
    connect(l.Command5, &QPushButton::clicked, this, &frmMain::Command5_Click);
    connect(l.Command3, &QPushButton::clicked, this, [this] { oeffne(Fenster::Optionen); });
    connect(l.Command4, &QPushButton::clicked, this, [this] { oeffne(Fenster::SpurWechsel); });
    connect(l.Command6, &QPushButton::clicked, this, [this] { oeffne(Fenster::RundenTabelle); });
    connect(l.Command7, &QPushButton::clicked, this, [this] { oeffne(Fenster::Turnier); });
    connect(l.Command1, &QPushButton::clicked, this, [this] { oeffne(Fenster::Verfuegbare); });

    connect(&m_anzeige, &H::geaendert, this, &frmMain::spiegeleElement);
    connect(&m_anzeige, &H::label1ChaosGeaendert, this, &frmMain::spiegeleLabel1);
    connect(&m_anzeige, &H::fortschrittGeaendert, this,
            [this] { m_fortschritt->setValue(m_anzeige.fortschritt()); });
    connect(&m_anzeige, &H::command2FarbeGeaendert, this, [this] { spiegeleElement(H::Command2); });
    connect(&m_anzeige, &H::lampenGeaendert, this, &frmMain::spiegeleLampen);
    connect(&m_anzeige, &H::lichtAnzeigeGeaendert, this, &frmMain::spiegeleLampen);
    connect(&m_anzeige, &H::startAmpelGeaendert, this, &frmMain::spiegeleStartAmpel);
    connect(&m_anzeige, &H::rundenTabelleAnfordern, this,
            [this] { oeffne(Fenster::RundenTabelle); });
    connect(&m_anzeige, &H::simulationSchliessen, this, [this] {
        if (m_simulation) m_simulation->close();
    });
    connect(&m_leitung, &Rennleitung::zustandGeaendert, this, &frmMain::spiegeleZustand);
    connect(&m_leitung, &Rennleitung::panelsGeaendert, this, &frmMain::stapelePanels);
    // The first-start notice makes way for a run, and is done once laps count from whatever
    // source (the timing, the simulation's buttons).
    const auto folgeLauf = [this] {
        m_ersterStart->setzeLaufAn(m_leitung.zustand().RennenLaeuft);
        if (m_ersterStart->istErledigt()) return;
        for (int i = 0; i < 6; ++i)
            if (m_leitung.panel(i).ReturnRunden() > 0) return m_ersterStart->signalEmpfangen();
    };
    connect(&m_leitung, &Rennleitung::zustandGeaendert, this, folgeLauf);
    connect(&m_leitung, &Rennleitung::panelsGeaendert, this, folgeLauf);
    qApp->installEventFilter(this);  // key presses are traced wherever the focus is
}

QWidget* frmMain::element(H::Element e) const {
    switch (e) {
        case H::Command2:
            return m_leiste->Command2;
        case H::Command3:
            return m_leiste->Command3;
        case H::Command4:
            return m_leiste->Command4;
        case H::Command5:
            return m_leiste->Command5;
        case H::Command6:
            return m_leiste->Command6;
        case H::Command7:
            return m_leiste->Command7;
        case H::cmdChaos:
            return m_leiste->cmdChaos;
        case H::Grenze:
            return m_leiste->Grenze;
        case H::Option1_0:
            return m_leiste->Option1[0];
        case H::Option1_1:
            return m_leiste->Option1[1];
        case H::Option1_2:
            return m_leiste->Option1[2];
        case H::ZeitRunden:
            return m_leiste->ZeitRunden;
        case H::cbRAuswahl:
            return m_leiste->cbRAuswahl;
        case H::RZeitAnsage:
            return m_leiste->RZeitAnsage;
        case H::Label1:
            return m_leiste->Label1;
        case H::Fortschritt:
            return m_fortschritt;
        case H::lblWeiter:
            return m_weiter;
        case H::ElementAnzahl:
            break;
    }
    return nullptr;
}

void frmMain::spiegeleElement(H::Element e) {
    QWidget* w = element(e);
    if (!w) return;
    const QString caption = H::gezeigt(m_anzeige.caption(e));
    if (auto* k = qobject_cast<QPushButton*>(w)) {
        if (!caption.isEmpty() && caption != k->text()) {
            k->setText(caption);
            setzeKuerzel(k);
        }
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        if (e == H::Label1 && m_anzeige.label1Chaos())
            l->setText(H::gezeigt(QStringLiteral("Chaos")));
        else
            l->setText(caption);
    }
    bool frei = m_anzeige.istEnabled(e);
    // Windows not in the program yet keep their buttons disabled.
    switch (e) {
        case H::Command3:
            frei = frei && m_fenster[size_t(Fenster::Optionen)];
            break;
        case H::Command4:
            frei = frei && m_fenster[size_t(Fenster::SpurWechsel)];
            break;
        case H::Command6:
            frei = frei && m_fenster[size_t(Fenster::RundenTabelle)];
            break;
        case H::Command7:
            frei = frei && m_fenster[size_t(Fenster::Turnier)];
            break;
        case H::Command5:
            frei = frei && (simulationStattTabellen() || m_fenster[size_t(Fenster::Tabellen)]);
            break;
        default:
            break;
    }
    w->setEnabled(frei);
    // A notice without text would be an empty yellow box.
    w->setVisible(m_anzeige.istVisible(e) && (e != H::lblWeiter || !caption.isEmpty()));
    if (e == H::Fortschritt) {
        // Laps to go in a race by laps; by time the bar speaks for itself.
        m_fortschritt->setFormat(caption);
        m_fortschritt->setTextVisible(!caption.isEmpty());
    }
    if (e == H::Command2) {
        m_leiste->Command2->setStyleSheet(m_anzeige.command2Lauffarbe()
                                              ? QStringLiteral("QPushButton { background: #e05050; "
                                                               "color: white; font-weight: bold; }")
                                              : QString());
    }
    if (e == H::lblWeiter) m_weiter->raise();
    if (e == H::cmdChaos) spiegeleChaosHinweis();
}

void frmMain::spiegeleChaosHinweis() {
    QPushButton* chaos = m_leiste->cmdChaos;
    const bool gesperrt = !m_ablauf.chaos().moeglich() && chaos->isVisible();
    chaos->setToolTip(gesperrt ? ChaosModus::gesperrtHinweis() : QString());
}

void frmMain::spiegeleAlles() {
    for (int e = 0; e < H::ElementAnzahl; ++e) spiegeleElement(H::Element(e));
    m_leiste->Command1->setEnabled(bool(m_fenster[size_t(Fenster::Verfuegbare)]));
    m_fortschritt->setValue(m_anzeige.fortschritt());
    spiegeleLabel1();
    spiegeleLampen();
    spiegeleZustand();
    spiegeleStartAmpel();
}

void frmMain::spiegeleZustand() {
    const RennZustand& z = m_leitung.zustand();
    {
        const QSignalBlocker b(m_leiste->cbRAuswahl);
        m_leiste->cbRAuswahl->setCurrentIndex(z.RennModus);
    }
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker b(m_leiste->Option1[size_t(i)]);
        m_leiste->Option1[size_t(i)]->setChecked(z.Option1 == i);
    }
    if (m_leiste->Grenze->currentText() != z.Grenze) {
        const QSignalBlocker b(m_leiste->Grenze);
        m_leiste->Grenze->setEditText(z.Grenze);
    }
    {
        const QSignalBlocker b(m_leiste->ZeitRunden);
        m_leiste->ZeitRunden->setChecked(z.ZeitRunden == 1);
    }
    {
        const QSignalBlocker b(m_leiste->RZeitAnsage);
        m_leiste->RZeitAnsage->setChecked(z.RZeitAnsage == 1);
    }
    m_leiste->setzeRennText(H::gezeigt(laufartWort(z.RennArt)) + QStringLiteral(" :  ") +
                            H::gezeigt(z.AktRennName));
    // Practice with the limit "1" is a qualifying run under the race name; the bar says why
    // the kind changed, beside the limit that made it so.
    const bool quali = z.RennArt == Laufart::Quali && z.Option1 != 0 &&
                       !z.SlotRennenPhase && z.Grenze == QLatin1String("1");
    if (quali) {
        m_leiste->lblQuali->setText(tr("Grenze 1 = Qualifikation"));
        m_leiste->lblQuali->setToolTip(
            tr("Ein Training mit der Grenze 1 ist ein Qualifikationslauf: %1 je Fahrer, unter "
               "dem Rennnamen. Für ein Training eine Grenze ab 2 eintragen.")
                .arg(z.ZeitRunden == 1 ? tr("eine Minute") : tr("eine Runde")));
    }
    m_leiste->lblQuali->setVisible(quali);
    SetzeFormCaption(m_letzterZusatz);
}

void frmMain::spiegeleLabel1() {
    QPalette pal = m_leiste->Label1->palette();
    pal.setColor(QPalette::Window,
                 m_anzeige.label1Chaos() ? QColor(Qt::red) : palette().color(QPalette::Window));
    m_leiste->Label1->setPalette(pal);
    spiegeleElement(H::Label1);
}

void frmMain::spiegeleLampen() {
    // The lamps of the caution's end sequence: the caution text goes with it.
    if (m_startAmpel->eingebettet()) m_startAmpel->setzeHinweis(chaosHinweis());
    for (int r = 1; r <= 2; ++r)
        for (int i = 0; i < 5; ++i)
            m_startAmpel->setzeLampe(r - 1, i, lampenFarbe(m_anzeige.lampe(r, i)));
    const H::Lampe licht = m_anzeige.lichtAnzeige();
    m_leiste->Lichtanzeige->setzeFarbe(licht == H::Lampe::Gruen ? 0x00C000
                                       : licht == H::Lampe::Rot ? 255
                                                                : 0x808080);
}

void frmMain::spiegeleStartAmpel() {
    if (!m_startAmpel) return;
    if (!m_anzeige.startAmpelSichtbar() || m_geschlossen) {
        m_startAmpel->hide();
        return;
    }
    const QString caption = H::gezeigt(m_anzeige.startAmpelCaption());
    if (!m_startAmpel->einSchirm()) {
        m_startAmpel->zeige(m_anzeige.startAmpelZentriert(), caption);
        return;
    }
    // One screen: over the panels, the button bar free; in caution it says how it ends.
    m_startAmpel->zeigeIn(ordneLeistenAn(), caption, chaosHinweis());
}

QString frmMain::chaosHinweis() const {
    if (!m_leitung.zustand().ChaosAktiv || m_ablauf.chaos().startetNeu()) return {};
    return tr("CHAOS – weiter mit „%1“ oder der Leertaste")
        .arg(H::gezeigt(QStringLiteral("Chaos Ende")));
}

void frmMain::oeffneRennparameter() {
    diaRennen dialog(m_leitung, this);
    dialog.exec();
    m_leitung.hardware().SetzeFormCaption(QString());
}

void frmMain::Grenze_Validate() {
    m_leitung.setzeGrenze(m_leiste->Grenze->currentText());
    m_leitung.Grenze_Validate();
}

void frmMain::panelFahrerWahl(int index) {
    SlotWerte& w = m_leitung.panel(index);
    diaFahrer dialog(m_leitung.datenbank(), m_leitung.einstellungen().BilderPfad, w.fahrer(),
                     w.autoName(), w.ReturnPosition(), this);
    if (dialog.exec() == QDialog::Accepted && dialog.ok())
        w.SetzeFahrerAuto(dialog.fahrer(), dialog.fahrerBild(), dialog.autoName(),
                          dialog.autoBild());
}

void frmMain::SetzeFormCaption(const QString& zusatz) {
    m_letzterZusatz = zusatz;
    const RennZustand& z = m_leitung.zustand();
    QString status = m_status ? m_status() : QString();
    if (m_demo && m_demo->aktiv()) status = tr("Demo") + QLatin1Char(' ') + status;
    setWindowTitle(Programmkopf::titel() + QStringLiteral(": ") + m_leitung.datenbank().pfad() +
                   QLatin1Char(' ') + status + QLatin1Char(' ') + H::gezeigt(laufartWort(z.RennArt)) +
                   QStringLiteral(" :  ") + z.Grenze + QLatin1Char(' ') + zusatz);
}

void frmMain::setzeZeitnahmeFeld(ZeitnahmeFeld* feld) {
    m_leiste->setzeZeitnahmeFeld(feld);
    connect(feld, &ZeitnahmeFeld::captionGeaendert, this,
            [this] { SetzeFormCaption(m_letzterZusatz); });
}

void frmMain::setzeSchnittstellenAnzeige(int i, qint32 farbe) {
    if (i >= 0 && i < 2) m_leiste->Schnittstelle[size_t(i)]->setzeFarbe(farbe);
}

void frmMain::FormOnTop(QWidget* w, bool onTop) {
    if (!w) return;
    const QRect lage = w->geometry();
    const bool sichtbar = w->isVisible();
    w->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (sichtbar) {
        w->setGeometry(lage);
        w->show();
    }
}

void frmMain::resizeEvent(QResizeEvent*) {
    if (m_leiste) m_leiste->passeUhrAn();
    AnzeigenAnordnen();
}

QRect frmMain::ordneLeistenAn() {
    const int H = height();
    const int W = width();
    const int balken = m_leiste->Menue->sizeHint().height();
    const int fort = m_fortschritt->height();
    // MenueOben = 1 puts the bar at the bottom edge, anything else at the top.
    const bool unten = m_leitung.einstellungen().MenueOben == 1;
    m_leiste->Menue->setGeometry(0, unten ? H - balken : 0, W, balken);
    m_fortschritt->setGeometry(0, unten ? H - balken - fort : balken, W, fort);
    const QRect flaeche = m_ersterStart->ordneAn(m_speicherstatus->ordneAn(
        QRect(0, unten ? 0 : balken + fort, W, qMax(0, H - balken - fort))));
    m_weiter->setGeometry(flaeche.left() + W / 6, flaeche.top() + flaeche.height() / 3, W * 2 / 3,
                          flaeche.height() / 3);
    m_weiter->raise();
    return flaeche;
}

void frmMain::AnzeigenAnordnen() {
    if (!m_leiste || !m_fortschritt) return;
    const QRect flaeche = ordneLeistenAn();
    if (m_startAmpel && m_startAmpel->eingebettet() && m_startAmpel->isVisible())
        m_startAmpel->setGeometry(flaeche);
    // Lane order on every resize; the next refresh stacks them by standing again.
    m_leitung.ordneNachBahn();
}

void frmMain::stapelePanels() {
    if (!m_leiste || !m_fortschritt) return;
    const QRect flaeche = ordneLeistenAn();
    const int hoehe = flaeche.height() / gueltigeAnzBahnen(m_leitung.einstellungen().AnzBahnen);
    int y = flaeche.top();
    QVector<bool> gezeigt(m_panels.size(), false);
    for (int bahn : m_leitung.panelReihenfolge()) {
        const int index = m_leitung.panelIndexVonBahn(bahn);
        if (index < 0 || index >= m_panels.size() || gezeigt[index]) continue;
        gezeigt[index] = true;
        m_panels[index]->setGeometry(0, y, flaeche.width(), hoehe);
        m_panels[index]->show();
        y += hoehe;
    }
    for (int i = 0; i < m_panels.size(); ++i)
        if (!gezeigt[i]) m_panels[i]->hide();
}

QVector<int> frmMain::bahnenVonOben() const {
    return SlotAnzeige::bahnenVonOben(m_panels, this);
}

void frmMain::closeEvent(QCloseEvent* e) {
    // A run is ended (and its laps copied) before the program goes, or the close is refused.
    if (!m_geschlossen &&
        !m_ablauf.beendeVorProgrammende(EinstellungsSpeicher::standardDatenOrdner())) {
        e->ignore();
        return;
    }
    // Nothing of a run may go on once the window is gone.
    m_geschlossen = true;
    m_ablauf.beenden();
    if (m_simulation) m_simulation->close();
    if (m_startAmpel) m_startAmpel->hide();
    e->accept();
    emit geschlossen();
}

bool frmMain::eventFilter(QObject* o, QEvent* e) {
    if ((o == m_leiste->Menue || o == m_leiste->Sprecherstreifen) &&
        (e->type() == QEvent::Move || e->type() == QEvent::Resize || e->type() == QEvent::Show))
        emit leisteBewegt();
    if (e->type() == QEvent::KeyPress && o->isWidgetType() && o == QApplication::focusWidget() &&
        static_cast<QWidget*>(o)->window() == this) {
        const auto* k = static_cast<QKeyEvent*>(e);
        // Keys never make laps; they are only traced.
        if (m_leitung.zustand().RennModus == 4)
            SchreibeDebug(QStringLiteral("KeyDown %1 %2").arg(k->key()).arg(k->text()));
        if (!k->text().isEmpty())
            SchreibeDebug(
                QStringLiteral("KeyPress %1 %2").arg(k->text().at(0).unicode()).arg(k->text()));
    }
    if (o == m_leiste->Label1 && e->type() == QEvent::MouseButtonRelease) {
        m_ablauf.chaos().Label1_Click();
        return true;
    }
    for (int i = 0; i < 3; ++i) {
        if (o == m_leiste->Option1[size_t(i)] && e->type() == QEvent::MouseButtonDblClick) {
            oeffneRennparameter();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}
