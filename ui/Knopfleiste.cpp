#include "ui/Knopfleiste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "config/Einstellungen.h"
#include "engine/Hauptanzeige.h"
#include "engine/Rennleitung.h"
#include "ui/Lampenform.h"
#include "ui/ZeitnahmeFeld.h"
#include "ui/frmMain.h"

namespace {
const QString kUhrMuster = QStringLiteral("00:00:00.000");

// Hidden, it keeps its room in the row: the controls beside it stay where they are.
void haltePlatzVerborgen(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

int breite(const QWidget* w) { return qMax(w->sizeHint().width(), w->minimumWidth()); }
}  // namespace

Knopfleiste::Knopfleiste(frmMain& f) : QObject(&f), m_f(f) {
    Menue = new QWidget(&f);
    Menue->setObjectName(QStringLiteral("Menue"));
    Menue->setAutoFillBackground(true);
    m_raster = new QGridLayout(Menue);
    m_raster->setContentsMargins(6, 4, 6, 4);
    for (QHBoxLayout*& z : m_zeilen) z = new QHBoxLayout;
    m_raster->addLayout(m_zeilen[Vorgaben], 0, 0);
    // The run's row and the windows' row share the grid's second row, so that the rows added
    // below them (announcer, live scoreboard) keep their numbers.
    auto* mitte = new QVBoxLayout;
    mitte->addLayout(m_zeilen[Lauf]);
    mitte->addLayout(m_zeilen[Fenster]);
    m_raster->addLayout(mitte, 1, 0);
    baueVorgaben();
    baueLauf();
    baueFenster();
}

void Knopfleiste::baueVorgaben() {
    frmMain& f = m_f;
    QHBoxLayout* oben = m_zeilen[Vorgaben];
    cbRAuswahl = new QComboBox(Menue);
    cbRAuswahl->setObjectName(QStringLiteral("cbRAuswahl"));
    // Shown in the interface language; the engine knows the modes by their German names.
    for (const QString& modus : Rennleitung::rennModi())
        cbRAuswahl->addItem(Hauptanzeige::gezeigt(modus), modus);
    oben->addWidget(cbRAuswahl);
    const char* const optionen[3] = {"Rennen", "Training", "Speed"};
    for (int i = 0; i < 3; ++i) {
        QRadioButton*& o = Option1[size_t(i)];
        o = new QRadioButton(Hauptanzeige::gezeigt(QString::fromUtf8(optionen[i])), Menue);
        o->setObjectName(QStringLiteral("Option1_%1").arg(i));
        o->setToolTip(frmMain::tr("Doppelklick für den Rennnamen"));
        o->installEventFilter(&f);
        oben->addWidget(o);
    }
    Grenze = new QComboBox(Menue);
    Grenze->setObjectName(QStringLiteral("Grenze"));
    Grenze->setEditable(true);
    Grenze->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                      QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"),
                      QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("50"),
                      QStringLiteral("100")});
    Grenze->setInsertPolicy(QComboBox::NoInsert);
    Grenze->setMinimumContentsLength(4);
    oben->addWidget(Grenze);
    //: the limit is a time, not a number of laps
    ZeitRunden = new QCheckBox(frmMain::tr("Zeit"), Menue);
    ZeitRunden->setObjectName(QStringLiteral("ZeitRunden"));
    ZeitRunden->setToolTip(frmMain::tr("Gesetzt: Grenze in Minuten, sonst in Runden"));
    oben->addWidget(ZeitRunden);
    RZeitAnsage = new QCheckBox(frmMain::tr("Rundenzeit ansagen"), Menue);
    RZeitAnsage->setObjectName(QStringLiteral("RZeitAnsage"));
    haltePlatzVerborgen(RZeitAnsage);
    oben->addWidget(RZeitAnsage);
    lblQuali = new QLabel(Menue);
    lblQuali->setObjectName(QStringLiteral("lblQualiHinweis"));
    lblQuali->setStyleSheet(QStringLiteral("QLabel { color: #004080; font-weight: bold; }"));
    lblQuali->hide();
    oben->addWidget(lblQuali);
    oben->addStretch(1);
    Funktionen = new QToolButton(Menue);
    Funktionen->setObjectName(QStringLiteral("Funktionen"));
    Funktionen->setText(frmMain::tr("Funktionen"));
    Funktionen->setPopupMode(QToolButton::InstantPopup);
    oben->addWidget(Funktionen);
    for (int i = 0; i < 2; ++i) {
        Schnittstelle[size_t(i)] = new Lampenform(255, Menue);
        Schnittstelle[size_t(i)]->setObjectName(QStringLiteral("Schnittstelle%1").arg(i));
        Schnittstelle[size_t(i)]->setToolTip(frmMain::tr("Schnittstelle %1").arg(i + 1));
        oben->addWidget(Schnittstelle[size_t(i)]);
    }
}

void Knopfleiste::baueLauf() {
    frmMain& f = m_f;
    QHBoxLayout* lauf = m_zeilen[Lauf];
    const auto knopf = [this](const QString& text, const char* name) {
        auto* k = new QPushButton(text, Menue);
        k->setObjectName(QString::fromLatin1(name));
        return k;
    };
    Command2 = knopf(Hauptanzeige::gezeigt(QStringLiteral("&Start")), "Command2");
    Command2->setMinimumWidth(110);
    breiteFuer(Command2, {QStringLiteral("&Start"), QStringLiteral("&Stop")});
    cmdChaos = knopf(Hauptanzeige::gezeigt(QStringLiteral("Chaos")), "cmdChaos");
    breiteFuer(cmdChaos, {QStringLiteral("Chaos"), QStringLiteral("Chaos Ende")});
    haltePlatzVerborgen(cmdChaos);
    Label1 = new QLabel(Menue);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAutoFillBackground(true);
    QFont uhr(QStringLiteral("Arial"));
    uhr.setBold(true);
    Label1->setFont(uhr);
    Label1->setToolTip(frmMain::tr("Klick: Chaos"));
    Label1->installEventFilter(&f);
    haltePlatzVerborgen(Label1);
    Lichtanzeige = new Lampenform(0x808080, Menue);
    Lichtanzeige->setObjectName(QStringLiteral("Lichtanzeige"));
    Lichtanzeige->setToolTip(frmMain::tr("Ampel"));
    lauf->addWidget(Command2);
    lauf->addWidget(cmdChaos);
    lauf->addWidget(Label1);
    lauf->addWidget(Lichtanzeige);
    lauf->addStretch(1);
}

void Knopfleiste::baueFenster() {
    QHBoxLayout* fenster = m_zeilen[Fenster];
    const auto knopf = [this](const QString& text, const char* name) {
        auto* k = new QPushButton(text, Menue);
        k->setObjectName(QString::fromLatin1(name));
        return k;
    };
    lblRennen = new QLabel(Menue);
    lblRennen->setObjectName(QStringLiteral("lblRennen"));
    QFont fett = lblRennen->font();
    fett.setBold(true);
    lblRennen->setFont(fett);
    // It takes what the buttons leave and shortens the name to fit (see kuerzeRennText).
    lblRennen->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblRennen->setMinimumWidth(80);
    lblRennen->installEventFilter(this);
    fenster->addWidget(lblRennen, 1);
    Command5 = knopf(Hauptanzeige::gezeigt(QStringLiteral("T&abellen")), "Command5");
    Command5->setToolTip(frmMain::tr("Diverse Tabellen"));
    breiteFuer(Command5, {QStringLiteral("T&abellen"), QStringLiteral("S&imulation")});
    Command3 = knopf(frmMain::tr("&Optionen"), "Command3");
    Command4 = knopf(frmMain::tr("Spur &Wechsel"), "Command4");
    haltePlatzVerborgen(Command4);
    Command6 = knopf(frmMain::tr("R&unden"), "Command6");
    //: opens the tournament window
    Command7 = knopf(frmMain::tr("Slot&Rennen"), "Command7");
    //: opens the list of available drivers and cars
    Command1 = knopf(frmMain::tr("Verfügbare"), "Command1");
    for (QPushButton* k : {Command5, Command3, Command4, Command6, Command7, Command1})
        fenster->addWidget(k);
}

void Knopfleiste::baueRennparameterUndStreifen() {
    // The race name was reachable only by a double click nobody finds.
    cmdRennparameter = new QPushButton(frmMain::tr("Rennparameter…"), Menue);
    cmdRennparameter->setObjectName(QStringLiteral("cmdRennparameter"));
    // Before the race name, which takes the rest of the row.
    m_zeilen[Fenster]->insertWidget(m_zeilen[Fenster]->indexOf(lblRennen), cmdRennparameter);
    Sprecherstreifen = new QWidget(Menue);
    Sprecherstreifen->setObjectName(QStringLiteral("Sprecherstreifen"));
    Sprecherstreifen->setFixedHeight(80);
    Sprecherstreifen->hide();
    m_raster->addWidget(Sprecherstreifen, sprecherReihe, 0);
}

void Knopfleiste::fuegeFensterKnopfAn(QPushButton* knopf) {
    m_zeilen[Fenster]->insertWidget(m_zeilen[Fenster]->indexOf(Command1), knopf);
}

void Knopfleiste::fuegeZeileAn(QWidget* feld, int reihe) {
    m_raster->addWidget(feld, reihe, 0, 1, m_raster->columnCount());
}

bool Knopfleiste::setzeStreifen(bool an) {
    if (Sprecherstreifen->isVisibleTo(Menue) == an) return false;
    Sprecherstreifen->setVisible(an);
    return true;
}

void Knopfleiste::breiteFuer(QPushButton* knopf, const QStringList& captions) {
    const QString jetzt = knopf->text();
    int weiteste = knopf->minimumWidth();
    for (const QString& c : captions) {
        knopf->setText(Hauptanzeige::gezeigt(c));
        weiteste = qMax(weiteste, knopf->sizeHint().width());
    }
    knopf->setText(jetzt);
    // A little more for the bold text of the run's colour.
    knopf->setMinimumWidth(weiteste + 8);
}

void Knopfleiste::setzeZeitnahmeFeld(ZeitnahmeFeld* feld) {
    lblZeitnahme = feld;
    // As high as its text, not as the clock beside it.
    feld->setSizePolicy(feld->sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
    m_zeilen[Lauf]->addWidget(feld, 0, Qt::AlignVCenter);
    passeUhrAn();
}

void Knopfleiste::setzeRennText(const QString& text) {
    m_rennText = text;
    lblRennen->setToolTip(text);
    kuerzeRennText();
}

void Knopfleiste::kuerzeRennText() {
    QLabel* l = lblRennen;
    const int platz = l->width() > 0 ? l->width() - 2 : l->fontMetrics().horizontalAdvance(m_rennText);
    const QString text = l->fontMetrics().elidedText(m_rennText, Qt::ElideRight, platz);
    if (l->text() != text) l->setText(text);
}

int Knopfleiste::knopfSchrift() const { return QFontInfo(Command2->font()).pixelSize(); }

void Knopfleiste::passeUhrAn() {
    frmMain& f = m_f;
    const int anz = qBound(2, int(f.leitung().einstellungen().AnzBahnen), 6);
    const int mindestens = 2 * knopfSchrift();
    // Half of a panel's driver line on a tall window, but never below twice the buttons' text.
    int pixel = qBound(mindestens, (f.height() - 60) / (anz * 4), 110);
    // Never wider than its row leaves: Start, Chaos, the light and the status field in full
    // (at least at its smallest when even the smallest clock needs its room).
    const QHBoxLayout* lauf = m_zeilen[Lauf];
    const int rand = m_raster->contentsMargins().left() + m_raster->contentsMargins().right();
    int andere = rand + 4 * lauf->spacing();
    int feldVoll = 0, feldMin = 0;
    for (int i = 0; i < lauf->count(); ++i) {
        QWidget* w = lauf->itemAt(i)->widget();
        if (!w || w == Label1 || w == Lichtanzeige) continue;
        if (w == Command2 || w == cmdChaos) {
            andere += breite(w);
        } else if (!w->isHidden()) {
            feldVoll += qBound(w->minimumWidth(), w->sizeHint().width(), w->maximumWidth()) +
                        lauf->spacing();
            feldMin += w->minimumWidth() + lauf->spacing();
        }
    }
    QFont uhr = Label1->font();
    QFont probe = uhr;
    probe.setPixelSize(100);
    const int breite100 = QFontMetrics(probe).horizontalAdvance(kUhrMuster) + 1;
    // The clock, its margin and the light beside it (two thirds of the clock's height).
    const auto passt = [&](int frei) { return qMax(0, (frei - 24) * 100 / (breite100 + 80)); };
    const int mitFeld = passt(f.width() - andere - feldVoll);
    if (mitFeld >= mindestens)
        pixel = qMin(pixel, mitFeld);
    else
        pixel = qMax(qMin(mindestens, passt(f.width() - andere - feldMin)), 14);
    if (uhr.pixelSize() == pixel) return;
    uhr.setPixelSize(pixel);
    Label1->setFont(uhr);
    const QFontMetrics fm(uhr);
    // Of fixed size: its text changes with every tick of the race timer, and a label that may
    // change its size makes the whole window lay out again each time.
    Label1->setFixedSize(fm.horizontalAdvance(kUhrMuster) + 24,
                         qMax(fm.height() + 4, Command2->sizeHint().height()));
    const int licht = qMax(20, fm.height() * 2 / 3);
    Lichtanzeige->setFixedSize(licht, licht);
    // The bar's height follows the clock at once, not at the next change of the run: the
    // rows would otherwise move when it starts.
    m_raster->activate();
    f.stapelePanels();
}

bool Knopfleiste::eventFilter(QObject* o, QEvent* e) {
    if (o == lblRennen && e->type() == QEvent::Resize) kuerzeRennText();
    return false;
}
