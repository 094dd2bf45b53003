#include "engine/Hauptanzeige.h"

#include <QCoreApplication>
#include <algorithm>

#include "config/DebugLog.h"
#include "config/Uhr.h"

namespace {
// Every key gezeigt() knows; the list exists so that the translation tools find them.
[[maybe_unused]] const char* const gezeigteSchluessel[] = {
    QT_TRANSLATE_NOOP("Hauptanzeige", "&Start"),
    QT_TRANSLATE_NOOP("Hauptanzeige", "&Stop"),
    QT_TRANSLATE_NOOP("Hauptanzeige", "T&abellen"),
    QT_TRANSLATE_NOOP("Hauptanzeige", "S&imulation"),
    //: the clock and the button while the race is neutralised (yellow flag)
    QT_TRANSLATE_NOOP("Hauptanzeige", "Chaos"),
    QT_TRANSLATE_NOOP("Hauptanzeige", "Chaos Ende"),
    //: title of the start-light window
    QT_TRANSLATE_NOOP("Hauptanzeige", "Rennstart"),
    QT_TRANSLATE_NOOP("Hauptanzeige", "CHAOS CHAOS CHAOS"),
    //: race kind
    QT_TRANSLATE_NOOP("Hauptanzeige", "Rennen"),
    //: race kind
    QT_TRANSLATE_NOOP("Hauptanzeige", "Training"),
    //: race kind (one-lap qualifying)
    QT_TRANSLATE_NOOP("Hauptanzeige", "Quali"),
    //: ranking by top speed
    QT_TRANSLATE_NOOP("Hauptanzeige", "Speed"),
    QT_TRANSLATE_NOOP("Hauptanzeige", "Demo"),
    //: race mode: practice on time (T = Training)
    QT_TRANSLATE_NOOP("Hauptanzeige", "T-Zeit"),
    //: race mode: practice on laps
    QT_TRANSLATE_NOOP("Hauptanzeige", "T-Runden"),
    //: race mode: race on time
    QT_TRANSLATE_NOOP("Hauptanzeige", "R-Zeit"),
    //: race mode: race on laps
    QT_TRANSLATE_NOOP("Hauptanzeige", "R-Runden"),
    //: race mode: power practice (runs with pauses)
    QT_TRANSLATE_NOOP("Hauptanzeige", "T-Power"),
};
}  // namespace

QString Hauptanzeige::gezeigt(const QString& text) {
    if (text.isEmpty()) return text;
    const QByteArray utf8 = text.toUtf8();
    return QCoreApplication::translate("Hauptanzeige", utf8.constData());
}

Hauptanzeige::Hauptanzeige(Uhr& uhr, QObject* parent) : QObject(parent) {
    // Idle main window: the run's controls are hidden until a run starts.
    m_elemente[Command2].caption = QStringLiteral("&Start");
    m_elemente[Command5].caption = QStringLiteral("T&abellen");
    m_elemente[cmdChaos].caption = QStringLiteral("Chaos");
    for (Element e : {cmdChaos, RZeitAnsage, Label1, Fortschritt, lblWeiter})
        m_elemente[e].visible = false;
    for (auto& reihe : m_lampen) reihe.fill(Lampe::Aus);

    m_ampelSchliessen = uhr.neuerTimer(this);
    m_ampelSchliessen->setSingleShot(true);
    m_ampelSchliessen->setInterval(1000);
    connect(m_ampelSchliessen, &UhrTimer::timeout, this, &Hauptanzeige::ampelZu);
}

Hauptanzeige::~Hauptanzeige() = default;

void Hauptanzeige::setCaption(Element e, const QString& text) {
    if (m_elemente[e].caption == text) return;
    m_elemente[e].caption = text;
    emit geaendert(e);
}

void Hauptanzeige::setEnabled(Element e, bool an) {
    if (m_elemente[e].enabled == an) return;
    m_elemente[e].enabled = an;
    emit geaendert(e);
}

void Hauptanzeige::setVisible(Element e, bool an) {
    if (m_elemente[e].visible == an) return;
    m_elemente[e].visible = an;
    emit geaendert(e);
}

void Hauptanzeige::setLabel1Chaos(bool an) {
    if (m_label1Chaos == an) return;
    m_label1Chaos = an;
    emit label1ChaosGeaendert();
}

void Hauptanzeige::setFortschritt(int prozent) {
    prozent = std::clamp(prozent, 1, 100);
    if (m_fortschritt == prozent) return;
    m_fortschritt = prozent;
    emit fortschrittGeaendert();
}

void Hauptanzeige::setCommand2Lauffarbe(bool an) {
    if (m_command2Lauffarbe == an) return;
    m_command2Lauffarbe = an;
    emit command2FarbeGeaendert();
}

Hauptanzeige::Lampe Hauptanzeige::lampe(int reihe, int i) const {
    if (reihe < 1 || reihe > 2 || i < 0 || i > 4) return Lampe::Aus;
    return m_lampen[reihe - 1][i];
}

void Hauptanzeige::setLampe(int reihe, int i, Lampe farbe) {
    if (reihe < 1 || reihe > 2 || i < 0 || i > 4) return;
    if (m_lampen[reihe - 1][i] == farbe) return;
    m_lampen[reihe - 1][i] = farbe;
    emit lampenGeaendert();
}

void Hauptanzeige::setReihe(int reihe, Lampe farbe) {
    if (reihe < 1 || reihe > 2) return;
    auto& r = m_lampen[reihe - 1];
    if (std::all_of(r.begin(), r.end(), [farbe](Lampe l) { return l == farbe; })) return;
    r.fill(farbe);
    emit lampenGeaendert();
}

void Hauptanzeige::setAlleLampen(Lampe farbe) {
    const bool gleich = std::all_of(m_lampen.begin(), m_lampen.end(), [farbe](const auto& r) {
        return std::all_of(r.begin(), r.end(), [farbe](Lampe l) { return l == farbe; });
    });
    if (gleich) return;
    for (auto& r : m_lampen) r.fill(farbe);
    emit lampenGeaendert();
}

void Hauptanzeige::zeigeStartAmpel(bool chaos) {
    m_ampelSchliessen->stop();
    const QString caption =
        chaos ? QStringLiteral("CHAOS CHAOS CHAOS") : QStringLiteral("Rennstart");
    if (m_ampelSichtbar) {
        // Caution called (or ended in the countdown) while the start light is up: say so,
        // keep the placement.
        if (m_ampelCaption == caption) return;
        m_ampelCaption = caption;
        emit startAmpelGeaendert();
        return;
    }
    m_ampelSichtbar = true;
    m_ampelCaption = caption;
    m_ampelZentriert = chaos || DebugLog::instanz().aktiv();
    emit startAmpelGeaendert();
}

void Hauptanzeige::schliesseStartAmpel() {
    if (!m_ampelSichtbar || m_ampelSchliessen->isActive()) return;
    m_ampelSchliessen->start();
}

bool Hauptanzeige::startAmpelSchliesst() const { return m_ampelSchliessen->isActive(); }

void Hauptanzeige::ampelZu() {
    if (!m_ampelSichtbar) return;
    m_ampelSichtbar = false;
    emit startAmpelGeaendert();
}

void Hauptanzeige::setLichtAnzeige(Lampe farbe) {
    if (m_lichtAnzeige == farbe) return;
    m_lichtAnzeige = farbe;
    emit lichtAnzeigeGeaendert();
}
