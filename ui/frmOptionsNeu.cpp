#include "ui/frmOptionsNeu.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QSet>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "engine/Rueckfrage.h"
#include "ui/Doppelklick.h"
#include "ui/FarbSeite.h"
#include "ui/LPTControl.h"

namespace {

const char* const kQuellen[7] = {"Com Port", "RaceControl", "BEPFE", "DS200",
                                 "DS300",    "LPT Port",    "Lapster"};
// The announcement kinds 0..7, shown through tr().
const char* const kMeldungen[8] = {
    QT_TRANSLATE_NOOP("frmOptionsNeu", "Ton bei Signalerfassung"),
    QT_TRANSLATE_NOOP("frmOptionsNeu", "bei Programmstart"),
    QT_TRANSLATE_NOOP("frmOptionsNeu", "bei der Startampel"),
    QT_TRANSLATE_NOOP("frmOptionsNeu", "wenn die Führung wechselt"),
    QT_TRANSLATE_NOOP("frmOptionsNeu", "bei einer neuen persönlich schnellste Runde"),
    QT_TRANSLATE_NOOP("frmOptionsNeu", "wenn man schneller als in der Runde zuvor ist"),
    QT_TRANSLATE_NOOP("frmOptionsNeu", "Restzeitansage / Frühstart / Chaosinfo"),
    QT_TRANSLATE_NOOP("frmOptionsNeu", "bei Rennende")};
constexpr int kAusgaenge = 12;

int* quellFlag(Einstellungen& e, int i) {
    int* const flags[7] = {&e.ComControlAktiv, &e.RaceControlAktiv, &e.BEPFEAktiv, &e.DS200Aktiv,
                           &e.DS300Aktiv,      &e.LPTControlAktiv,  &e.LapsterAktiv};
    return flags[i];
}

}  // namespace

frmOptionsNeu::frmOptionsNeu(Einstellungen& e, EinstellungsSpeicher& speicher, Rueckfrage& frage,
                             OptionenAnwendung anwendung, Uhr& uhr, ParallelPort* lpt,
                             QWidget* parent)
    : QDialog(parent),
      m_e(e),
      m_speicher(speicher),
      m_frage(frage),
      m_anwendung(std::move(anwendung)),
      m_dateiWahl(standardDateiWahl(this)) {
    setWindowTitle(tr("Optionen"));
    m_seiten = new QTabWidget(this);
    m_seiten->addTab(baueZeitnahme(), tr("Zeitnahme"));
    m_seiten->addTab(baueLPT(lpt, &uhr), tr("LPT Port"));
    m_seiten->addTab(baueAnsagen(), tr("Ansagen"));
    m_seiten->addTab(baueRennen(), tr("Rennen"));
    m_farben = new FarbSeite(speicher, frage, this);
    m_seiten->addTab(m_farben, tr("Farben"));
    // Colours: the record's values until the user picks others.
    binde(
        [this] {
            for (int b = 1; b <= 6; ++b)
                m_farben->setzeFarben(b, m_e.Farbe[size_t(b)], m_e.FontFarbe[size_t(b)]);
        },
        [this] {
            for (int b = 1; b <= 6; ++b) {
                m_e.Farbe[size_t(b)] = m_farben->farbe(b);
                m_e.FontFarbe[size_t(b)] = m_farben->fontFarbe(b);
            }
        });

    auto* ok = new QPushButton(tr("OK"), this);
    auto* abbrechen = new QPushButton(tr("Abbrechen"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmOptionsNeu::OK_Click);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(m_seiten, 1);
    haupt->addLayout(knoepfe);

    zeigeWerte();
    resize(1000, 700);
}

void frmOptionsNeu::binde(std::function<void()> lade, std::function<void()> speichere) {
    m_bindungen.append({std::move(lade), std::move(speichere)});
}

void frmOptionsNeu::bindeFlag(QCheckBox* c, int& wert) {
    binde([c, &wert] { c->setChecked(wert == 1); }, [c, &wert] { wert = c->isChecked() ? 1 : 0; });
}

void frmOptionsNeu::bindeGanz(QCheckBox* c, qint16& wert) {
    binde([c, &wert] { c->setChecked(wert == 1); },
          [c, &wert] {
              // Another number than 0 or 1 stays as long as the box is not changed.
              if (c->isChecked() != (wert == 1)) wert = c->isChecked() ? 1 : 0;
          });
}

void frmOptionsNeu::bindeZahl(QSpinBox* s, qint16& wert) {
    binde([s, &wert] { s->setValue(wert); }, [s, &wert] { wert = qint16(s->value()); });
}

void frmOptionsNeu::bindeText(QLineEdit* f, QString& wert) {
    binde([f, &wert] { f->setText(wert); }, [f, &wert] { wert = f->text(); });
}

QCheckBox* frmOptionsNeu::schalter(const QString& text, const char* name, QWidget* eltern) {
    auto* c = new QCheckBox(text, eltern);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

QSpinBox* frmOptionsNeu::zahl(const char* name, QWidget* eltern, int min, int max) {
    auto* s = new QSpinBox(eltern);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(min, max);
    return s;
}

QLineEdit* frmOptionsNeu::feld(const char* name, QWidget* eltern) {
    auto* f = new QLineEdit(eltern);
    f->setObjectName(QString::fromLatin1(name));
    return f;
}

QWidget* frmOptionsNeu::baueZeitnahme() {
    auto* seite = new QWidget;
    auto* quellen = new QGroupBox(tr("Zeitnahme über"), seite);
    auto* ql = new QVBoxLayout(quellen);
    for (int i = 0; i < 7; ++i) {
        m_quelle[size_t(i)] = new QRadioButton(QString::fromLatin1(kQuellen[i]), quellen);
        m_quelle[size_t(i)]->setObjectName(QStringLiteral("Quelle%1").arg(i));
        ql->addWidget(m_quelle[size_t(i)]);
        connect(m_quelle[size_t(i)], &QRadioButton::toggled, this, &frmOptionsNeu::quelleGeaendert);
    }
    binde(
        [this] {
            int gewaehlt = 0;  // none set: the first source, as the store's default
            for (int i = 6; i >= 0; --i)
                if (*quellFlag(m_e, i) == 1) gewaehlt = i;
            m_quelle[size_t(gewaehlt)]->setChecked(true);
        },
        [this] {
            for (int i = 0; i < 7; ++i) *quellFlag(m_e, i) = 0;
            for (int i = 0; i < 7; ++i)
                if (m_quelle[size_t(i)]->isChecked()) *quellFlag(m_e, i) = 1;
        });

    auto* boxen = new QGroupBox(tr("Boxen"), seite);
    auto* bl = new QFormLayout(boxen);
    auto* mitAmpel = schalter(tr("mit Ampel"), "BEPFEmitAmpel", boxen);
    auto* lapsterAmpel = schalter(tr("mit Lapster Ampel"), "LAPSTERmitAmpel", boxen);
    auto* dsGo = schalter(tr("Rennstart mit DS go! Taste"), "DSGoStart", boxen);
    bindeGanz(mitAmpel, m_e.BEPFEmitAmpel);
    bindeGanz(lapsterAmpel, m_e.LAPSTERmitAmpel);
    bindeFlag(dsGo, m_e.DSGoStart);
    bl->addRow(mitAmpel);
    bl->addRow(lapsterAmpel);
    bl->addRow(dsGo);
    auto* level = zahl("RaceControlLevel", boxen, -32768, 32767);
    bindeZahl(level, m_e.RaceControlLevel);
    bl->addRow(tr("Empfindlichkeit"), level);
    auto* ports = new QHBoxLayout;
    for (int i = 1; i <= 4; ++i) {
        auto* p = zahl(QStringLiteral("RaceControlPort%1").arg(i).toLatin1().constData(), boxen,
                       -32768, 32767);
        p->setObjectName(QStringLiteral("RaceControlPort%1").arg(i));
        bindeZahl(p, m_e.RaceControlPort[size_t(i)]);
        ports->addWidget(p);
    }
    bl->addRow(tr("Port - Bahn"), ports);
    auto* com1 = feld("CommPort1", boxen);
    auto* com2 = feld("CommPort2", boxen);
    bindeText(com1, m_e.CommPort1);
    bindeText(com2, m_e.CommPort2);
    bl->addRow(QStringLiteral("Com Port 1"), com1);
    bl->addRow(QStringLiteral("Com Port 2"), com2);

    auto* layout = new QHBoxLayout(seite);
    layout->addWidget(quellen);
    layout->addWidget(boxen, 1);
    return seite;
}

QWidget* frmOptionsNeu::baueLPT(ParallelPort* lpt, Uhr* uhr) {
    auto* seite = new QWidget;
    auto* oben = new QFormLayout;
    auto* ansteuerung = schalter(
        tr("Ansteuerung über LPT Schnittstelle aktivieren"), "LPTAnsteuerung", seite);
    auto* invers = schalter(tr("Strom Bahn1-6 invers. Pin aktiv = kein Strom."),
                            "BahnStromInvers", seite);
    bindeFlag(ansteuerung, m_e.LPTAnsteuerung);
    bindeFlag(invers, m_e.BahnStromInvers);
    oben->addRow(ansteuerung);
    oben->addRow(invers);
    QString* adressen[2] = {&m_e.LPT1PortAdr, &m_e.LPT2PortAdr};
    for (int i = 0; i < 2; ++i) {
        m_portAdr[size_t(i)] = feld(i == 0 ? "LPT1PortAdr" : "LPT2PortAdr", seite);
        m_portAdr[size_t(i)]->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,4}")), m_portAdr[size_t(i)]));
        m_portAdr[size_t(i)]->setMaximumWidth(80);
        m_portAdr[size_t(i)]->setToolTip(tr("Hexadezimal, z. B. 378"));
        oben->addRow(i == 0 ? QStringLiteral("LPT1:") : QStringLiteral("LPT2:"),
                     m_portAdr[size_t(i)]);
        QString* wert = adressen[i];
        binde(
            [this, i, wert] {
                bool ok = false;
                const int zahl = wert->toInt(&ok);
                m_portAdrGezeigt[size_t(i)] = ok ? QString::number(zahl, 16).toUpper() : QString();
                m_portAdr[size_t(i)]->setText(m_portAdrGezeigt[size_t(i)]);
            },
            [this, i, wert] {
                const QString t = m_portAdr[size_t(i)]->text();
                if (t == m_portAdrGezeigt[size_t(i)]) return;  // untouched: as it was
                *wert = QString::number(t.toInt(nullptr, 16));
            });
    }
    m_lblDoppelt = new QLabel(tr("Achtung: Doppelte Pinbelegung"), seite);
    m_lblDoppelt->setStyleSheet(QStringLiteral("QLabel { color: red; font-weight: bold; }"));
    m_lblDoppelt->hide();
    oben->addRow(m_lblDoppelt);

    struct Signal {
        QString text;
        QString* wert;
        bool eingang;
    };
    QVector<Signal> signale;
    for (int b = 1; b <= 6; ++b)
        signale.append({tr("Strom Bahn %1").arg(b), &m_e.LPTBahn[size_t(b)], false});
    for (int a = 1; a <= 5; ++a)
        signale.append({tr("Ampel Rot %1").arg(a), &m_e.LPTAmpel[size_t(a)], false});
    signale.append({tr("Ampel Gruen"), &m_e.LPTAmpelGruen, false});
    for (int b = 1; b <= 6; ++b)
        signale.append({tr("Erf. Bahn %1").arg(b), &m_e.LPTErf[size_t(b)], true});
    signale.append({tr("Chaos"), &m_e.LPTChaos, true});

    auto* liste = new QWidget;
    auto* ll = new QVBoxLayout(liste);
    for (int i = 0; i < signale.size(); ++i) {
        if (i == 0 || i == kAusgaenge)
            ll->addWidget(
                new QLabel(i == 0 ? tr("<b>Ausgänge</b>  (Zahl = Pinnummer, NA = nicht aktiviert)")
                                  : tr("<b>Eingänge</b>  (Zahl = Pinnummer, NA = nicht aktiviert)"),
                           liste));
        auto* c = new LPTControl(lpt, uhr, liste);
        c->cmdTyp()->setFixedWidth(110);
        c->setObjectName(QStringLiteral("LPTControl%1").arg(i));
        m_pins.append(c);
        ll->addWidget(c);
        const Signal s = signale.at(i);
        binde(
            [c, s] {
                c->SetzeParameter(s.text, *s.wert, s.eingang ? QStringLiteral("in")
                                                             : QStringLiteral("out"),
                                  LPTPinBelegung::farbeButtonFace);
            },
            [c, s] { *s.wert = c->belegung()->pinKennung(); });
        connect(c->belegung(), &LPTPinBelegung::geaendert, this, &frmOptionsNeu::PruefePins);
        connect(c->belegung(), &LPTPinBelegung::pruefeBelegung, this, &frmOptionsNeu::PruefePins);
    }
    ll->addStretch(1);
    auto* rollen = new QScrollArea(seite);
    rollen->setWidget(liste);
    rollen->setWidgetResizable(true);
    auto* layout = new QVBoxLayout(seite);
    layout->addLayout(oben);
    layout->addWidget(rollen, 1);
    return seite;
}

QWidget* frmOptionsNeu::baueAnsagen() {
    auto* seite = new QWidget;
    auto* raster = new QGridLayout(seite);
    const QString kopf[4] = {tr("Training"), tr("Quali"), tr("Rennen"), tr("ab Runden")};
    raster->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(tr("Meldung")), seite), 0, 0);
    for (int k = 0; k < 4; ++k)
        raster->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(kopf[k]), seite), 0, k + 1,
                          Qt::AlignCenter);
    for (int art = 0; art < 8; ++art) {
        raster->addWidget(
            new QLabel(QStringLiteral("%1  %2").arg(art).arg(tr(kMeldungen[art])),
                       seite),
            art + 1, 0);
        for (int k = 0; k < 3; ++k) {
            auto* c = new QCheckBox(seite);
            c->setObjectName(QStringLiteral("MeldungsAnsage%1_%2").arg(art).arg(k));
            m_meldung[size_t(art)][size_t(k)] = c;
            raster->addWidget(c, art + 1, k + 1, Qt::AlignCenter);
        }
        if (art >= 3 && art <= 5) {
            m_abRunde[size_t(art)] = zahl("", seite);
            m_abRunde[size_t(art)]->setObjectName(QStringLiteral("MeldungAbRunde%1").arg(art));
            bindeZahl(m_abRunde[size_t(art)], m_e.MeldungAbRunde[size_t(art)]);
            raster->addWidget(m_abRunde[size_t(art)], art + 1, 4);
        }
        binde(
            [this, art] {
                for (int k = 0; k < 3; ++k)
                    m_meldung[size_t(art)][size_t(k)]->setChecked(m_e.MeldungsAnsage[size_t(art)] &
                                                                  (1 << k));
            },
            [this, art] {
                // Bits beyond the three race kinds are kept as they were.
                qint16 maske = qint16(m_e.MeldungsAnsage[size_t(art)] & ~7);
                for (int k = 0; k < 3; ++k)
                    if (m_meldung[size_t(art)][size_t(k)]->isChecked()) maske |= qint16(1 << k);
                m_e.MeldungsAnsage[size_t(art)] = maske;
            });
    }
    raster->setRowStretch(9, 1);
    raster->setColumnStretch(5, 1);
    return seite;
}

QWidget* frmOptionsNeu::baueRennen() {
    auto* seite = new QWidget;
    auto* power = new QGroupBox(tr("Power Training"), seite);
    auto* pl = new QFormLayout(power);
    auto* dauer = zahl("PowerTrainingZeit", power);
    auto* pause = zahl("PowerTrainingPause", power);
    bindeZahl(dauer, m_e.PowerTrainingZeit);
    bindeZahl(pause, m_e.PowerTrainingPause);
    pl->addRow(tr("Dauer (Min.)"), dauer);
    pl->addRow(tr("Pause (Sek)"), pause);

    auto* pausen = new QGroupBox(tr("Rennpausen (Sek)"), seite);
    auto* rl = new QFormLayout(pausen);
    auto* vor = zahl("PauseVorStint", pausen);
    auto* nach = zahl("PauseNachStint", pausen);
    auto* zwischen = zahl("PauseZwischenStint", pausen);
    bindeZahl(vor, m_e.PauseVorStint);
    bindeZahl(nach, m_e.PauseNachStint);
    bindeZahl(zwischen, m_e.PauseZwischenStint);
    rl->addRow(tr("vor dem Rennlauf"), vor);
    rl->addRow(tr("nach dem Rennlauf"), nach);
    rl->addRow(tr("zwischen Rennläufen"), zwischen);

    auto* schalterBox = new QGroupBox(tr("Ablauf und Anzeige"), seite);
    auto* sl = new QVBoxLayout(schalterBox);
    const std::pair<QString, const char*> flags[] = {
        {tr("Rundentabelle nach Rennende anzeigen"), "showRundenTab"},
        {tr("Frühstart erkennen (Rundenabzug)"), "Fruehstart"},
        {tr("Bahnstrom aus"), "BahnStrom"},
        {tr("Bahnstrom bei Training aus"), "BahnStromTraining"},
        {tr("LTF Datei schreiben"), "LTFSchreiben"},
        {tr("LTF Einzelrunden Datei schreiben"), "LTFEinzelSchreiben"},
        {tr("Anzeige Gesamtzeit / Durchschnittszeit"), "AnzGesamtzeit"},
        {tr("Menue oben / unten anzeigen"), "MenueOben"},
        {tr("Startzeit bei Ampel Aus"), "StartZeitBei"},
        {tr("Hall of Fame füllen"), "CheckSRunden"},
    };
    int* const flagWerte[] = {&m_e.showRundenTab,     &m_e.Fruehstart,    &m_e.BahnStrom,
                              &m_e.BahnStromTraining, &m_e.LTFSchreiben,  &m_e.LTFEinzelSchreiben,
                              &m_e.AnzGesamtzeit,     &m_e.MenueOben,     &m_e.StartZeitBei,
                              &m_e.CheckSRunden};
    for (size_t i = 0; i < std::size(flags); ++i) {
        auto* c = schalter(flags[i].first, flags[i].second, schalterBox);
        bindeFlag(c, *flagWerte[i]);
        sl->addWidget(c);
        if (qstrcmp(flags[i].second, "StartZeitBei") == 0)
            c->setToolTip(
                tr("Wenn gesetzt ist Startzeit bei Ampel aus, ansonsten Startzeit pro Auto beim "
                   "ersten überfahren der Ziellinie"));
    }
    auto* statisch = schalter(tr("Anzeige im Training statisch"), "AnzeigeSort",
                              schalterBox);
    bindeGanz(statisch, m_e.AnzeigeSort);
    sl->addWidget(statisch);
    auto* bilder = schalter(tr("Bilder Anzeigen"), "BilderAnzeigen", schalterBox);
    bindeGanz(bilder, m_e.BilderAnzeigen);
    sl->addWidget(bilder);
    auto* dbWahl = new QCheckBox(tr("Datenbank bei Programmstart auswählen"),
                                 schalterBox);
    dbWahl->setObjectName(QStringLiteral("DatenBankAuswahl"));
    // 0 never, 1 every start, 2 the next start only: the box switches between 0 and 1 and
    // leaves a pending 2 alone while it is not touched.
    binde([this, dbWahl] { dbWahl->setChecked(m_e.DatenBankAuswahl != 0); },
          [this, dbWahl] {
              if (dbWahl->isChecked() != (m_e.DatenBankAuswahl != 0))
                  m_e.DatenBankAuswahl = dbWahl->isChecked() ? 1 : 0;
          });
    sl->addWidget(dbWahl);
    sl->addStretch(1);

    auto* werte = new QGroupBox(tr("Werte und Pfade"), seite);
    auto* wl = new QFormLayout(werte);
    auto* prell = zahl("PrellZeit", werte);
    auto* nachlauf = zahl("NachlaufZeit", werte);
    auto* hist = zahl("AnzHistRennen", werte);
    bindeZahl(prell, m_e.PrellZeit);
    bindeZahl(nachlauf, m_e.NachlaufZeit);
    bindeZahl(hist, m_e.AnzHistRennen);
    wl->addRow(tr("Millisekunden Prellzeit"), prell);
    wl->addRow(tr("Millisekunden Nachlaufzeit"), nachlauf);
    wl->addRow(tr("Rennen in der  Historie"), hist);
    m_anzBahnen = feld("AnzBahnen", werte);
    m_anzBahnen->setMaximumWidth(60);
    m_anzBahnen->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?[0-9]{0,5}")), m_anzBahnen));
    binde([this] { m_anzBahnen->setText(QString::number(m_e.AnzBahnen)); },
          [this] { m_e.AnzBahnen = qint16(m_anzBahnen->text().toInt()); });
    connect(m_anzBahnen, &QLineEdit::editingFinished, this, &frmOptionsNeu::PruefeAnzBahnen);
    wl->addRow(tr("Anzahl Bahnen (Slots)"), m_anzBahnen);
    auto* ltf = feld("ltfPfad", werte);
    auto* bilderPfad = feld("BilderPfad", werte);
    bindeText(ltf, m_e.ltfPfad);
    bindeText(bilderPfad, m_e.BilderPfad);
    auto* ltfTitel = new QLabel(
        tr("Ausgabepfad für LTF Datei und HTML Datei bei Slotrennen Ausgabe"), werte);
    ltfTitel->setWordWrap(true);
    wl->addRow(ltfTitel, ltf);
    wl->addRow(tr("Bilder-Verz."), bilderPfad);
    auto* db = feld("DatenBank", werte);
    binde(
        [this, db] {
            db->setText(m_speicher.hole(QStringLiteral("DatenBank"),
                                        EinstellungsSpeicher::standardDatenBank()));
        },
        [] {});
    wl->addRow(tr("Datenbank"), db);
    const QString tonTitel[3] = {tr("Ton Ampel an"), tr("Ton Ampel aus"), tr("Ton Rundenimpuls")};
    const char* const tonNamen[3] = {"TonAmpelAn", "TonAmpelAus", "TonBeep"};
    QString* tonWerte[3] = {&m_e.TonAmpelAn, &m_e.TonAmpelAus, &m_e.TonBeep};
    for (int i = 0; i < 3; ++i) {
        m_ton[size_t(i)] = feld(tonNamen[i], werte);
        bindeText(m_ton[size_t(i)], *tonWerte[i]);
        auto* titel = new QLabel(QStringLiteral("<u>%1</u>").arg(tonTitel[i]), werte);
        titel->setToolTip(tr("Doppelklick zur Tonauswahl"));
        m_ton[size_t(i)]->setToolTip(tr("Doppelklick zur Tonauswahl"));
        new Doppelklick(titel, [this, i] { waehleTon(i); });
        wl->addRow(titel, m_ton[size_t(i)]);
    }

    auto* links = new QVBoxLayout;
    links->addWidget(power);
    links->addWidget(pausen);
    links->addWidget(schalterBox, 1);
    auto* layout = new QHBoxLayout(seite);
    layout->addLayout(links);
    layout->addWidget(werte, 1);
    return seite;
}

void frmOptionsNeu::zeigeWerte() {
    for (const auto& b : m_bindungen) b.first();
    quelleGeaendert();
    PruefePins();
}

void frmOptionsNeu::quelleGeaendert() {
    // Input pins matter only when the parallel port is the timing source.
    const bool lpt = m_quelle[5]->isChecked();
    for (int i = kAusgaenge; i < m_pins.size(); ++i) m_pins[i]->setEnabled(lpt);
}

void frmOptionsNeu::PruefePins() {
    QSet<QString> belegt;
    bool doppelt = false;
    for (LPTControl* c : std::as_const(m_pins)) {
        const QString k = c->belegung()->pinKennung();
        if (k == QLatin1String("AUS")) continue;
        if (belegt.contains(k)) doppelt = true;
        belegt.insert(k);
    }
    m_lblDoppelt->setVisible(doppelt);
}

bool frmOptionsNeu::PruefeAnzBahnen() {
    bool ok = false;
    const int n = m_anzBahnen->text().toInt(&ok);
    if (ok && n >= 2 && n <= 6) return true;
    m_frage.meldung(tr("Anzahl Slots muss zwischen 2 und 6 liegen!"));
    m_seiten->setCurrentIndex(3);
    m_anzBahnen->setFocus();
    return false;
}

void frmOptionsNeu::waehleTon(int index) {
    QLineEdit* f = m_ton.at(size_t(index));
    const QString datei = m_dateiWahl(tr("Wähle Sound"), tr("WAV-Dateien (*.wav *.WAV)"),
                                      QFileInfo(f->text()).absolutePath(), f->text());
    if (!datei.isEmpty()) f->setText(datei);  // cancelled: the field stays
}

void frmOptionsNeu::OK_Click() {
    if (!PruefeAnzBahnen()) return;
    for (const auto& b : m_bindungen) b.second();
    m_speicher.speichere(QStringLiteral("DatenBank"),
                         findChild<QLineEdit*>(QStringLiteral("DatenBank"))->text());
    m_speicher.SchreibeRegWerte(m_e);
    if (m_anwendung.MSCommOeffnen) m_anwendung.MSCommOeffnen();
    if (m_anwendung.MyInit) m_anwendung.MyInit();
    if (m_anwendung.BildschirmRefresh) m_anwendung.BildschirmRefresh();
    accept();
}

void frmOptionsNeu::done(int r) {
    if (!m_geschlossen) {
        m_geschlossen = true;
        // The pin tests may have switched lines: back to rest, as after start-up.
        if (m_anwendung.SchalteLPT) {
            m_anwendung.SchalteLPT(QStringLiteral("BahnAlle"), 1);
            m_anwendung.SchalteLPT(QStringLiteral("AmpelAlle"), 0);
            m_anwendung.SchalteLPT(QStringLiteral("AmpelGruen"), 1);
        }
    }
    QDialog::done(r);
}
