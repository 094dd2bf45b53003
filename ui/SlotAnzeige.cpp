#include "ui/SlotAnzeige.h"

#include <algorithm>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "darstellung/Farbwert.h"
#include "engine/SlotWerte.h"
#include "ui/RundenZeilenMaler.h"

namespace {
// The layout lengths were drawn in twips; 15 twips make one pixel at 96 dpi.
constexpr int twips(int t) { return (t + 14) / 15; }

// Captions until a value arrives (German in the layout file, shown in the interface language)
// and the fields' tags.
const char* const standardOben[5][2] = {{QT_TRANSLATE_NOOP("SlotAnzeige", "Pos"), "POS"},
                                        {QT_TRANSLATE_NOOP("SlotAnzeige", "Fahrer"), "FAHRER"},
                                        //: laps driven so far
                                        {QT_TRANSLATE_NOOP("SlotAnzeige", "Akt R"), "AKTR"},
                                        //: time of the last lap
                                        {QT_TRANSLATE_NOOP("SlotAnzeige", "Akt Z"), "AKTZ"},
                                        {QT_TRANSLATE_NOOP("SlotAnzeige", "Gesamt Z"), "GESAMTZ"}};
const char* const standardUnten[5][2] = {{QT_TRANSLATE_NOOP("SlotAnzeige", "Bahn"), "BAHN"},
                                         {QT_TRANSLATE_NOOP("SlotAnzeige", "Auto"), "AUTO"},
                                         //: lap in which the best lap was driven
                                         {QT_TRANSLATE_NOOP("SlotAnzeige", "SR"), "SR"},
                                         //: best lap time
                                         {QT_TRANSLATE_NOOP("SlotAnzeige", "SZ"), "SZ"},
                                         //: laps projected for the end of the run
                                         {QT_TRANSLATE_NOOP("SlotAnzeige", "VE"), "VE"}};
// A field's tooltip is its tag; in another language it says what the field holds.
[[maybe_unused]] const char* const tagTipps[] = {
    QT_TRANSLATE_NOOP("SlotAnzeigeFeld", "POS"),  QT_TRANSLATE_NOOP("SlotAnzeigeFeld", "AKTR"),
    QT_TRANSLATE_NOOP("SlotAnzeigeFeld", "AKTZ"), QT_TRANSLATE_NOOP("SlotAnzeigeFeld", "GESAMTZ"),
    QT_TRANSLATE_NOOP("SlotAnzeigeFeld", "BAHN"), QT_TRANSLATE_NOOP("SlotAnzeigeFeld", "AUTO"),
    QT_TRANSLATE_NOOP("SlotAnzeigeFeld", "SR"),   QT_TRANSLATE_NOOP("SlotAnzeigeFeld", "SZ"),
    QT_TRANSLATE_NOOP("SlotAnzeigeFeld", "VE")};
const qint16 standardProzent[5] = {4, 0, 12, 20, 23};

bool istName(const QString& tag) {
    return tag == QLatin1String("FAHRER") || tag == QLatin1String("AUTO");
}

// A field's caption as shown; captions of a user's own layout are not in the translation
// and stay as they are.
QString gezeigt(const QString& text) {
    if (text.isEmpty()) return text;
    const QByteArray utf8 = text.toUtf8();
    return QCoreApplication::translate("SlotAnzeige", utf8.constData());
}

// The small caption over a number field; the names, place and lane speak for themselves.
QString spaltenTitel(const QString& tag) {
    if (tag == QLatin1String("AKTR")) return SlotAnzeige::tr("Runden");
    //: time of the last lap
    if (tag == QLatin1String("AKTZ")) return SlotAnzeige::tr("Letzte");
    //: total time
    if (tag == QLatin1String("GESAMTZ")) return SlotAnzeige::tr("Gesamt");
    //: best lap time
    if (tag == QLatin1String("SZ")) return SlotAnzeige::tr("Beste");
    //: number of the lap in which the best lap was driven
    if (tag == QLatin1String("SR")) return SlotAnzeige::tr("Bestrunde");
    //: laps projected for the end of the run
    if (tag == QLatin1String("VE")) return SlotAnzeige::tr("Prognose");
    return {};
}

// Height of the captions on a row of that height; below 9 pixels they are left out.
int titelHoehe(int zeile) {
    const int h = qMin(18, zeile * 22 / 100);
    return h >= 9 ? h : 0;
}

// A false start: the lane and car fields white with dark red text (8:1), never the desktop's
// colours, which may be white on white.
const QColor kFruehstartHinten(Qt::white);
const QColor kFruehstartSchrift(160, 0, 0);

QString tagTipp(const QString& tag) {
    const QByteArray utf8 = tag.toUtf8();
    return QCoreApplication::translate("SlotAnzeigeFeld", utf8.constData());
}
}  // namespace

SlotAnzeige::SlotAnzeige(SlotWerte& werte, const Einstellungen& e, int bildschirmHoehe,
                         QWidget* parent)
    : QWidget(parent), m_werte(werte), m_e(e) {
    setAutoFillBackground(true);
    if (bildschirmHoehe < 0) {
        const QScreen* schirm = QGuiApplication::primaryScreen();
        bildschirmHoehe = schirm ? schirm->geometry().height() : 768;
    }
    const int schrift = schriftGroesseFuer(bildschirmHoehe);
    if (bildschirmHoehe < 610) m_listenSchrift = 22;
    baueStandardLayout(e.BilderAnzeigen, schrift);

    for (int ou = 0; ou < 2; ++ou) {
        for (int p = 0; p < 5; ++p) {
            auto* l = new QLabel(this);
            l->setAutoFillBackground(true);
            l->installEventFilter(this);
            m_label[ou][p] = l;
            auto* t = new QLabel(l);
            t->setObjectName(QStringLiteral("Spaltentitel"));
            t->setAttribute(Qt::WA_TransparentForMouseEvents);
            t->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            t->hide();
            m_titel[ou][p] = t;
        }
        auto* b = new QLabel(this);
        b->setScaledContents(true);
        b->setAlignment(Qt::AlignCenter);
        b->installEventFilter(this);
        m_bild[ou] = b;
    }
    m_liste = new QListWidget(this);
    m_liste->setFrameShape(QFrame::NoFrame);
    m_liste->setFocusPolicy(Qt::NoFocus);
    m_liste->setSelectionMode(QAbstractItemView::NoSelection);
    m_liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_liste->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_liste->setObjectName(QStringLiteral("lstRunden"));
    // Every line is "000-000.000" in one font: the list need not measure each of them again
    // when a new lap goes on top.
    m_liste->setUniformItemSizes(true);
    m_liste->setItemDelegate(new RundenZeilenMaler(m_liste));
    m_linie = new QWidget(this);
    m_linie->setObjectName(QStringLiteral("Linie"));
    m_linie->setAutoFillBackground(true);
    QPalette linie = m_linie->palette();
    linie.setColor(QPalette::Window, QColor(40, 40, 40));
    m_linie->setPalette(linie);

    BerechneBreiten();
    konfiguriere();
    connect(&m_werte, &SlotWerte::geaendert, this, &SlotAnzeige::uebernehmeWerte);
    uebernehmeWerte();
}

int SlotAnzeige::schriftGroesseFuer(int bildschirmHoehe) { return bildschirmHoehe < 610 ? 36 : 48; }

void SlotAnzeige::baueStandardLayout(int bilderAnzeigen, int schrift) {
    for (int ou = 0; ou < 2; ++ou) {
        const auto& standard = ou == 0 ? standardOben : standardUnten;
        for (int p = 0; p < 5; ++p) {
            AnzeigeFeld& f = m_feld[ou][p];
            f.Text = QString::fromUtf8(standard[p][0]);
            f.Tag = QString::fromUtf8(standard[p][1]);
            f.Type = QStringLiteral("Info");
            f.Anzeige = 1;
            f.Prozent = standardProzent[p];
            f.SchriftBold = ou == 0;
            f.SchriftGroesse = qint16(schrift);
        }
        AnzeigeFeld& b = m_feld[ou][bildPosition];
        b.Text.clear();
        b.Tag = ou == 0 ? QStringLiteral("FAHRERBILD") : QStringLiteral("AUTOBILD");
        b.Type = QStringLiteral("Bild");
        b.Anzeige = quint8(bilderAnzeigen);
        b.Prozent = 10;
        b.SchriftBold = ou == 0;
        b.SchriftGroesse = qint16(schrift);
        // The stretch field is fixed once: later recalculations reuse it.
        for (int p = 0; p < anzahlPositionen; ++p)
            if (m_feld[ou][p].Prozent == 0) m_stretch[ou] = p;
    }
}

void SlotAnzeige::konfiguriere() {
    for (int ou = 0; ou < 2; ++ou) {
        for (int p = 0; p < anzahlPositionen; ++p) {
            const AnzeigeFeld& f = m_feld[ou][p];
            if (f.Type == QLatin1String("Bild")) {
                QLabel* b = m_bild[ou];
                b->setProperty("tag", f.Tag);
                b->setToolTip(f.Text);
                b->setVisible(f.Anzeige == 1);
                continue;
            }
            if (p >= 5) continue;
            QLabel* l = m_label[ou][p];
            l->setText(gezeigt(f.Text));
            l->setProperty("volltext", gezeigt(f.Text));
            l->setProperty("tag", f.Tag);
            m_titel[ou][p]->setText(spaltenTitel(f.Tag));
            l->setToolTip(f.Tag == QLatin1String("FAHRER") ? tr("Doppelklick für Fahrerauswahl")
                                                           : tagTipp(f.Tag));
            QFont font(f.SchriftName);
            font.setBold(f.SchriftBold);
            font.setPointSize(f.SchriftGroesse);
            l->setFont(font);
            l->setIndent(istName(f.Tag) ? 8 : -1);
            if (istName(f.Tag))
                l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            else if (f.Tag == QLatin1String("POS") || f.Tag == QLatin1String("BAHN"))
                l->setAlignment(Qt::AlignCenter);
            else
                l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            l->setVisible(f.Anzeige == 1);
        }
    }
}

int SlotAnzeige::GetAnzeigeIndex(int ou, const QString& sTag) const {
    int index = 0;
    for (int p = 0; p < anzahlPositionen; ++p)
        if (m_feld[ou][p].Tag == sTag) index = p;  // the last match wins
    return index;
}

void SlotAnzeige::BerechneBreiten() {
    for (int ou = 0; ou < 2; ++ou) {
        int summe = 0;
        for (int p = 0; p < anzahlPositionen; ++p)
            if (p != m_stretch[ou] && m_feld[ou][p].Anzeige == 1) summe += m_feld[ou][p].Prozent;
        m_feld[ou][m_stretch[ou]].Prozent = qint16(100 - summe);
    }
}

void SlotAnzeige::ShowBilder(int iSB) {
    for (int ou = 0; ou < 2; ++ou) m_feld[ou][bildPosition].Anzeige = iSB == 1 ? 1 : 0;
    BerechneBreiten();
    konfiguriere();
    uebernehmeWerte();
    ordneAn();
}

void SlotAnzeige::SpeichereAnzeige() {
    for (int ou = 0; ou < 2; ++ou) {
        for (int p = 0; p < 5; ++p) {
            const AnzeigeFeld& f = m_feld[ou][p];
            const QString abschnitt =
                (ou == 0 ? QStringLiteral("AnzeigeOben_") : QStringLiteral("AnzeigeUnten_")) +
                QString::number(p);
            SchreibeIni(m_e.ltfPfad, abschnitt, QStringLiteral("Text"), f.Text);
            SchreibeIni(m_e.ltfPfad, abschnitt, QStringLiteral("Anzeige"), int(f.Anzeige));
            SchreibeIni(m_e.ltfPfad, abschnitt, QStringLiteral("Type"), f.Type);
            SchreibeIni(m_e.ltfPfad, abschnitt, QStringLiteral("Tag"), f.Tag);
            SchreibeIni(m_e.ltfPfad, abschnitt, QStringLiteral("Prozent"), int(f.Prozent));
            SchreibeIni(m_e.ltfPfad, abschnitt, QStringLiteral("Hoehe"), int(f.Hoehe));
            SchreibeIni(m_e.ltfPfad, abschnitt, QStringLiteral("SchriftName"), f.SchriftName);
            SchreibeIni(m_e.ltfPfad, abschnitt, QStringLiteral("SchriftBold"), f.SchriftBold);
            SchreibeIni(m_e.ltfPfad, abschnitt, QStringLiteral("SchriftGroesse"),
                        int(f.SchriftGroesse));
        }
    }
}

int SlotAnzeige::trennLinieY() const { return height() - twips(20); }

void SlotAnzeige::uebernehmeWerte() {
    if (m_gezeigteVersion == m_werte.version() && m_gezeigteVersion != ~quint64(0)) return;
    m_gezeigteVersion = m_werte.version();

    // Colours are set only when they change: a new palette makes every label lay out again.
    const Faerbung faerbung{m_werte.hintergrundFarbe(), m_werte.schriftFarbe(),
                            m_werte.fruehstart()};
    const bool neueFarben = !m_faerbung || !(*m_faerbung == faerbung);
    m_faerbung = faerbung;
    const QColor hinten = Farbwert::alsFarbe(m_werte.hintergrundFarbe(), palette());
    const QColor schrift = Farbwert::alsFarbe(m_werte.schriftFarbe(), palette());
    auto faerbe = [](QWidget* w, const QColor& h, const QColor& s) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, h);
        pal.setColor(QPalette::Base, h);
        pal.setColor(QPalette::WindowText, s);
        pal.setColor(QPalette::Text, s);
        w->setPalette(pal);
    };
    if (neueFarben) faerbe(this, hinten, schrift);
    for (int ou = 0; ou < 2; ++ou) {
        for (int p = 0; p < 5; ++p) {
            QLabel* l = m_label[ou][p];
            const QString tag = l->property("tag").toString();
            const QString wert = m_werte.fruehstart() && tag == QLatin1String("AUTO")
                                     ? tr("Frühstart")
                                     : m_werte.feldText(tag);
            const QString text = wert.isNull() ? gezeigt(m_feld[ou][p].Text) : wert;
            // An unchanged value costs nothing: no new text, no new layout.
            if (l->property("volltext").toString() != text || l->text().isEmpty()) {
                l->setProperty("volltext", text);
                l->setText(text);
            }
            if (neueFarben) faerbe(l, hinten, schrift);
        }
    }
    if (neueFarben) {
        faerbe(m_liste, hinten, schrift);
        if (m_werte.fruehstart()) {
            for (int ou = 0; ou < 2; ++ou)
                for (QLabel* l : m_label[ou]) {
                    const QString tag = l->property("tag").toString();
                    if (tag == QLatin1String("BAHN") || tag == QLatin1String("AUTO"))
                        faerbe(l, kFruehstartHinten, kFruehstartSchrift);
                }
        }
    }

    if (m_bildPfad[0] != m_werte.fahrerBild()) ladeBild(0, m_werte.fahrerBild());
    if (m_bildPfad[1] != m_werte.autoBild()) ladeBild(1, m_werte.autoBild());

    const bool listeVorher = m_liste->isVisibleTo(this);
    zeigeRundenListe();
    m_liste->setVisible(m_werte.rundenListeSichtbar());
    if (listeVorher != m_liste->isVisibleTo(this)) ordneAn();
    passeSchriftenAn();
}

void SlotAnzeige::zeigeRundenListe() {
    const QStringList& zeilen = m_werte.rundenListe();
    const quint64 gesamt = m_werte.rundenZeilenGesamt();
    if (m_listenStand != m_werte.rundenListeStand() || gesamt < m_listenZeilen) {
        // Emptied since (new race, new race kind): built once from what the values keep.
        m_liste->clear();
        m_liste->addItems(zeilen);
    } else {
        // New laps go on top; the oldest line falls off the bottom.
        const int neu = int(qMin<quint64>(gesamt - m_listenZeilen, quint64(zeilen.size())));
        for (int i = neu - 1; i >= 0; --i) m_liste->insertItem(0, zeilen.at(i));
        while (m_liste->count() > zeilen.size()) delete m_liste->takeItem(m_liste->count() - 1);
    }
    m_listenStand = m_werte.rundenListeStand();
    m_listenZeilen = gesamt;
}

void SlotAnzeige::ladeBild(int ou, const QString& pfad) {
    m_bildPfad[ou] = pfad;
    QPixmap bild;
    if (!pfad.isEmpty()) bild.load(pfad);  // a missing file leaves the picture empty
    m_bild[ou]->setPixmap(bild);
}

void SlotAnzeige::resizeEvent(QResizeEvent*) { ordneAn(); }

void SlotAnzeige::ordneAn() {
    const int H = height();
    const int W = width();
    const int zeile = H / 2;
    static const int reihenfolge[] = {0, bildPosition, 1, 2, 3, 4};
    for (int ou = 0; ou < 2; ++ou) {
        int x = 0;
        for (int p : reihenfolge) {
            QWidget* w = p == bildPosition ? static_cast<QWidget*>(m_bild[ou]) : m_label[ou][p];
            const AnzeigeFeld& f = m_feld[ou][GetAnzeigeIndex(ou, w->property("tag").toString())];
            const int breite = f.Anzeige == 1 ? W * f.Prozent / 100 : 0;
            w->setGeometry(x, ou * zeile, breite, zeile);
            x += breite;
        }
    }
    if (m_liste->isVisibleTo(this)) {
        const QRect oben = m_label[0][4]->geometry();
        const QRect unten = m_label[1][4]->geometry();
        m_liste->setGeometry(oben.left(), 0, oben.width(),
                             qMax(0, oben.height() + unten.height() - twips(30)));
        m_liste->raise();
    }
    m_linie->setGeometry(0, trennLinieY() - 1, W, 2);
    m_linie->raise();
    passeSchriftenAn();
}

QString SlotAnzeige::schriftSchluessel() const {
    // What the fitting depends on: sizes, fonts, and the texts with every digit as "0", so a
    // new lap time of the same shape needs no new fitting (the panel fonts' digits are all
    // equally wide).
    QString k = QString::number(m_werte.schriftGroesse()) + QLatin1Char('|') +
                QString::number(width()) + QLatin1Char('x') + QString::number(height()) +
                QLatin1Char('|') + QString::number(m_liste->isVisibleTo(this)) +
                QString::number(m_liste->width()) + QLatin1Char('|') +
                QString::number(m_listenSchrift);
    for (int ou = 0; ou < 2; ++ou)
        for (int p = 0; p < 5; ++p) {
            const AnzeigeFeld& f = m_feld[ou][p];
            const QLabel* l = m_label[ou][p];
            QString text = istName(f.Tag) ? l->property("volltext").toString() : l->text();
            for (QChar& c : text)
                if (c.isDigit()) c = QLatin1Char('0');
            k += QStringLiteral("|%1,%2,%3,%4,%5,%6,")
                     .arg(f.Anzeige)
                     .arg(f.SchriftName)
                     .arg(f.SchriftBold)
                     .arg(f.SchriftGroesse)
                     .arg(l->width())
                     .arg(l->height()) +
                 text;
        }
    return k;
}

void SlotAnzeige::passeSchriftenAn() {
    // The fields keep their sizes; on a panel too small for them the row shrinks as a whole.
    const QString schluessel = schriftSchluessel();
    if (schluessel == m_schriftSchluessel) return;
    m_schriftSchluessel = schluessel;
    const int groesse = m_werte.schriftGroesse();
    for (int ou = 0; ou < 2; ++ou) {
        // The captions first: the value takes the height below them.
        for (int p = 0; p < 5; ++p) {
            QLabel* l = m_label[ou][p];
            QLabel* t = m_titel[ou][p];
            const int h = t->text().isEmpty() || m_feld[ou][p].Anzeige != 1 ? 0
                                                                            : titelHoehe(l->height());
            l->setContentsMargins(0, h, 0, 0);
            t->setVisible(h > 0);
            if (h == 0) continue;
            QFont klein(m_feld[ou][p].SchriftName);
            klein.setBold(false);  // set, or the bold of the top row's value would pass down
            klein.setPixelSize(qMax(7, h * 4 / 5));  // room for the descenders
            t->setFont(klein);
            t->setGeometry(4, 1, qMax(0, l->width() - 8), h);
        }
        double faktor = 1.0;
        for (int p = 0; p < 5; ++p) {
            const AnzeigeFeld& f = m_feld[ou][p];
            QLabel* l = m_label[ou][p];
            if (f.Anzeige != 1 || l->width() <= 0 || l->height() <= 0) continue;
            QFont font(f.SchriftName);
            font.setBold(f.SchriftBold);
            font.setPointSizeF(groesse > 0 ? groesse : f.SchriftGroesse);
            const QFontMetricsF fm(font);
            faktor = qMin(faktor, (l->height() - l->contentsMargins().top()) / fm.height());
            if (!istName(f.Tag) && !l->text().isEmpty())
                faktor = qMin(faktor, (l->width() - 4) / fm.horizontalAdvance(l->text()));
        }
        const auto schrift = [&](int p, double k) {
            const AnzeigeFeld& f = m_feld[ou][p];
            QFont font(f.SchriftName);
            font.setBold(f.SchriftBold);
            font.setPointSizeF(qMax(4.0, (groesse > 0 ? groesse : f.SchriftGroesse) * k));
            return font;
        };
        // The scaled font's whole-pixel height may come out a pixel higher than its share.
        const auto zuHoch = [&](double k) {
            for (int p = 0; p < 5; ++p) {
                const QLabel* l = m_label[ou][p];
                if (m_feld[ou][p].Anzeige == 1 && l->height() > 0 &&
                    QFontMetrics(schrift(p, k)).height() > l->height() - l->contentsMargins().top())
                    return true;
            }
            return false;
        };
        faktor = qMax(faktor, 0.05);
        for (int i = 0; i < 10 && faktor > 0.05 && zuHoch(faktor); ++i) faktor *= 0.97;
        for (int p = 0; p < 5; ++p) {
            const AnzeigeFeld& f = m_feld[ou][p];
            const QFont font = schrift(p, faktor);
            QLabel* l = m_label[ou][p];
            l->setFont(font);
            // A name too long for its field ends in "…" rather than being cut off.
            if (istName(f.Tag) && l->width() > 0) {
                const QString voll = l->property("volltext").toString();
                const int platz = l->width() - qMax(0, l->indent()) - 4;
                const QString text =
                    QFontMetrics(font).elidedText(voll, Qt::ElideRight, qMax(0, platz));
                if (l->text() != text) l->setText(text);
            }
        }
    }
    if (m_liste->isVisibleTo(this) && m_liste->width() > 0) {
        QFont font(m_feld[1][4].SchriftName);
        const double soll = m_listenSchrift > 0 ? m_listenSchrift : 24;
        font.setPointSizeF(soll);
        const QFontMetricsF fm(font);
        const double breite = fm.horizontalAdvance(QStringLiteral("000-000.000"));
        const double faktor = qMin(1.0, (m_liste->width() - 6) / breite);
        font.setPointSizeF(qMax(4.0, soll * faktor));
        m_liste->setFont(font);
    }
}

bool SlotAnzeige::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonDblClick) {
        if (o == m_label[0][1]) {
            emit fahrerDoppelklick();
            return true;
        }
        if (o == m_label[0][2]) {
            emit rundenDoppelklick();
            return true;
        }
        if (o == m_bild[0]) {
            SpeichereAnzeige();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

QVector<int> SlotAnzeige::bahnenVonOben(const QVector<SlotAnzeige*>& panels,
                                        const QWidget* fenster) {
    QVector<SlotAnzeige*> sichtbar;
    for (SlotAnzeige* p : panels)
        if (p->isVisibleTo(fenster)) sichtbar.append(p);
    std::sort(sichtbar.begin(), sichtbar.end(),
              [](const SlotAnzeige* a, const SlotAnzeige* b) { return a->y() < b->y(); });
    QVector<int> bahnen;
    for (const SlotAnzeige* p : sichtbar) bahnen.append(p->werte().ReturnBahn());
    return bahnen;
}
