#include "Knopfleiste.h"

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

#include "Einstellungen.h"
#include "Hauptanzeige.h"
#include "Lampenform.h"
#include "Rennleitung.h"
#include "frmMain.h"

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
    f.Menue = new QWidget(&f);
    f.Menue->setObjectName(QStringLiteral("Menue"));
    f.Menue->setAutoFillBackground(true);
    m_raster = new QGridLayout(f.Menue);
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

QHBoxLayout* Knopfleiste::zeile(Zeile z) const { return m_zeilen[z]; }

void Knopfleiste::baueVorgaben() {
    frmMain& f = m_f;
    QHBoxLayout* oben = m_zeilen[Vorgaben];
    f.cbRAuswahl = new QComboBox(f.Menue);
    // Shown in the interface language; the engine knows the modes by their German names.
    for (const QString& modus : Rennleitung::rennModi())
        f.cbRAuswahl->addItem(Hauptanzeige::gezeigt(modus), modus);
    oben->addWidget(f.cbRAuswahl);
    const char* const optionen[3] = {"Rennen", "Training", "Speed"};
    for (int i = 0; i < 3; ++i) {
        QRadioButton*& o = f.Option1[size_t(i)];
        o = new QRadioButton(Hauptanzeige::gezeigt(QString::fromUtf8(optionen[i])), f.Menue);
        o->setObjectName(QStringLiteral("Option1_%1").arg(i));
        o->setToolTip(frmMain::tr("Doppelklick für den Rennnamen"));
        o->installEventFilter(&f);
        oben->addWidget(o);
    }
    f.Grenze = new QComboBox(f.Menue);
    f.Grenze->setEditable(true);
    f.Grenze->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                        QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("15"),
                        QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("50"),
                        QStringLiteral("100")});
    f.Grenze->setInsertPolicy(QComboBox::NoInsert);
    f.Grenze->setMinimumContentsLength(4);
    oben->addWidget(f.Grenze);
    //: the limit is a time, not a number of laps
    f.ZeitRunden = new QCheckBox(frmMain::tr("Zeit"), f.Menue);
    f.ZeitRunden->setToolTip(frmMain::tr("Gesetzt: Grenze in Minuten, sonst in Runden"));
    oben->addWidget(f.ZeitRunden);
    f.RZeitAnsage = new QCheckBox(frmMain::tr("Rundenzeit ansagen"), f.Menue);
    haltePlatzVerborgen(f.RZeitAnsage);
    oben->addWidget(f.RZeitAnsage);
    f.lblQuali = new QLabel(f.Menue);
    f.lblQuali->setObjectName(QStringLiteral("lblQualiHinweis"));
    f.lblQuali->setStyleSheet(QStringLiteral("QLabel { color: #004080; font-weight: bold; }"));
    f.lblQuali->hide();
    oben->addWidget(f.lblQuali);
    oben->addStretch(1);
    f.Funktionen = new QToolButton(f.Menue);
    f.Funktionen->setText(frmMain::tr("Funktionen"));
    f.Funktionen->setPopupMode(QToolButton::InstantPopup);
    oben->addWidget(f.Funktionen);
    for (int i = 0; i < 2; ++i) {
        f.Schnittstelle[size_t(i)] = new Lampenform(255, f.Menue);
        f.Schnittstelle[size_t(i)]->setToolTip(frmMain::tr("Schnittstelle %1").arg(i + 1));
        oben->addWidget(f.Schnittstelle[size_t(i)]);
    }
}

void Knopfleiste::baueLauf() {
    frmMain& f = m_f;
    QHBoxLayout* lauf = m_zeilen[Lauf];
    const auto knopf = [&f](const QString& text, const char* name) {
        auto* k = new QPushButton(text, f.Menue);
        k->setObjectName(QString::fromLatin1(name));
        return k;
    };
    f.Command2 = knopf(Hauptanzeige::gezeigt(QStringLiteral("&Start")), "Command2");
    f.Command2->setMinimumWidth(110);
    breiteFuer(f.Command2, {QStringLiteral("&Start"), QStringLiteral("&Stop")});
    f.cmdChaos = knopf(Hauptanzeige::gezeigt(QStringLiteral("Chaos")), "cmdChaos");
    breiteFuer(f.cmdChaos, {QStringLiteral("Chaos"), QStringLiteral("Chaos Ende")});
    haltePlatzVerborgen(f.cmdChaos);
    f.Label1 = new QLabel(f.Menue);
    f.Label1->setObjectName(QStringLiteral("Label1"));
    f.Label1->setAlignment(Qt::AlignCenter);
    f.Label1->setAutoFillBackground(true);
    QFont uhr(QStringLiteral("Arial"));
    uhr.setBold(true);
    f.Label1->setFont(uhr);
    f.Label1->setToolTip(frmMain::tr("Klick: Chaos"));
    f.Label1->installEventFilter(&f);
    haltePlatzVerborgen(f.Label1);
    f.Lichtanzeige = new Lampenform(0x808080, f.Menue);
    f.Lichtanzeige->setToolTip(frmMain::tr("Ampel"));
    lauf->addWidget(f.Command2);
    lauf->addWidget(f.cmdChaos);
    lauf->addWidget(f.Label1);
    lauf->addWidget(f.Lichtanzeige);
    lauf->addStretch(1);
}

void Knopfleiste::baueFenster() {
    frmMain& f = m_f;
    QHBoxLayout* fenster = m_zeilen[Fenster];
    const auto knopf = [&f](const QString& text, const char* name) {
        auto* k = new QPushButton(text, f.Menue);
        k->setObjectName(QString::fromLatin1(name));
        return k;
    };
    f.lblRennen = new QLabel(f.Menue);
    f.lblRennen->setObjectName(QStringLiteral("lblRennen"));
    QFont fett = f.lblRennen->font();
    fett.setBold(true);
    f.lblRennen->setFont(fett);
    // It takes what the buttons leave and shortens the name to fit (see kuerzeRennText).
    f.lblRennen->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    f.lblRennen->setMinimumWidth(80);
    f.lblRennen->installEventFilter(this);
    fenster->addWidget(f.lblRennen, 1);
    f.Command5 = knopf(Hauptanzeige::gezeigt(QStringLiteral("T&abellen")), "Command5");
    f.Command5->setToolTip(frmMain::tr("Diverse Tabellen"));
    breiteFuer(f.Command5, {QStringLiteral("T&abellen"), QStringLiteral("S&imulation")});
    f.Command3 = knopf(frmMain::tr("&Optionen"), "Command3");
    f.Command4 = knopf(frmMain::tr("Spur &Wechsel"), "Command4");
    haltePlatzVerborgen(f.Command4);
    f.Command6 = knopf(frmMain::tr("R&unden"), "Command6");
    //: opens the tournament window
    f.Command7 = knopf(frmMain::tr("Slot&Rennen"), "Command7");
    //: opens the list of available drivers and cars
    f.Command1 = knopf(frmMain::tr("Verfügbare"), "Command1");
    for (QPushButton* k : {f.Command5, f.Command3, f.Command4, f.Command6, f.Command7, f.Command1})
        fenster->addWidget(k);
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

void Knopfleiste::setzeZeitnahmeFeld(QWidget* feld) {
    // As high as its text, not as the clock beside it.
    feld->setSizePolicy(feld->sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
    m_zeilen[Lauf]->addWidget(feld, 0, Qt::AlignVCenter);
    passeUhrAn();
}

void Knopfleiste::setzeRennText(const QString& text) {
    m_rennText = text;
    m_f.lblRennen->setToolTip(text);
    kuerzeRennText();
}

void Knopfleiste::kuerzeRennText() {
    QLabel* l = m_f.lblRennen;
    const int platz = l->width() > 0 ? l->width() - 2 : l->fontMetrics().horizontalAdvance(m_rennText);
    const QString text = l->fontMetrics().elidedText(m_rennText, Qt::ElideRight, platz);
    if (l->text() != text) l->setText(text);
}

int Knopfleiste::knopfSchrift() const { return QFontInfo(m_f.Command2->font()).pixelSize(); }

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
        if (!w || w == f.Label1 || w == f.Lichtanzeige) continue;
        if (w == f.Command2 || w == f.cmdChaos) {
            andere += breite(w);
        } else if (!w->isHidden()) {
            feldVoll += qBound(w->minimumWidth(), w->sizeHint().width(), w->maximumWidth()) +
                        lauf->spacing();
            feldMin += w->minimumWidth() + lauf->spacing();
        }
    }
    QFont uhr = f.Label1->font();
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
    f.Label1->setFont(uhr);
    const QFontMetrics fm(uhr);
    // Of fixed size: its text changes with every tick of the race timer, and a label that may
    // change its size makes the whole window lay out again each time.
    f.Label1->setFixedSize(fm.horizontalAdvance(kUhrMuster) + 24,
                           qMax(fm.height() + 4, f.Command2->sizeHint().height()));
    const int licht = qMax(20, fm.height() * 2 / 3);
    f.Lichtanzeige->setFixedSize(licht, licht);
    // The bar's height follows the clock at once, not at the next change of the run: the
    // rows would otherwise move when it starts.
    m_raster->activate();
    f.stapelePanels();
}

bool Knopfleiste::eventFilter(QObject* o, QEvent* e) {
    if (o == m_f.lblRennen && e->type() == QEvent::Resize) kuerzeRennText();
    return false;
}
