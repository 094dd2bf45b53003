#include "ui/ProgrammAnsage.h"

#include "config/DebugLog.h"
#include "config/EinstellungsSpeicher.h"
#include "klang/EspeakSynthese.h"
#include "klang/SprachWarteschlange.h"
#include "klang/Tonspieler.h"
#include "ui/Sprecherfenster.h"

ProgrammAnsage::ProgrammAnsage(Einstellungen& e, EinstellungsSpeicher& speicher,
                               SprachWarteschlange* warteschlange, Tonspieler& ton, QObject* parent)
    : QObject(parent), m_e(e), m_speicher(speicher), m_warteschlange(warteschlange), m_ton(ton) {
    if (!m_warteschlange) return;
    m_fenster = new Sprecherfenster;
    connect(m_warteschlange, &SprachWarteschlange::beginnt, m_fenster, &Sprecherfenster::zeigeText);
    connect(m_warteschlange, &SprachWarteschlange::leer, m_fenster, &Sprecherfenster::textFertig);
}

ProgrammAnsage::~ProgrammAnsage() { delete m_fenster; }

void ProgrammAnsage::SprachAusgabe(const QString& text) {
    SprachAusgabeMit(text, Sprechart::Normal, QString());
}

void ProgrammAnsage::SprachAusgabeMit(const QString& text, Sprechart art, const QString& fahrer) {
    if (!m_warteschlange || m_e.SoundAn != 1) return;
    if (text.trimmed().isEmpty()) return;  // an empty text is spoken as nothing
    SchreibeDebug(QStringLiteral("SprachAusgabe: ") + text);
    m_warteschlange->sprich(text, stimme(), art, fahrer);
}

bool ProgrammAnsage::fensterErlaubt() const {
    return m_speicher.hole(QStringLiteral("SprecherFenster"), QStringLiteral("1")).trimmed() !=
           QLatin1String("0");
}

void ProgrammAnsage::SpieleTon(const QString& datei) {
    SchreibeDebug(QStringLiteral("SpieleTon: ") + datei);
    m_ton.spiele(datei);
}

QString ProgrammAnsage::stimme() const {
    return EspeakSynthese::stimmeFuer(m_e.LangId, m_e.MyAgent);
}

void ProgrammAnsage::SetzeAgent(const QString& MA, qint32 LID) {
    if (!MA.isEmpty()) m_speicher.speichere(QStringLiteral("MyAgent"), MA);
    m_speicher.speichere(QStringLiteral("LangId"), QString::number(LID));
    m_e.MyAgent = m_speicher.hole(QStringLiteral("MyAgent"), QString());
    bool ok = false;
    const qint32 gelesen =
        m_speicher.hole(QStringLiteral("LangId"), QStringLiteral("1031")).toInt(&ok);
    m_e.LangId = ok ? gelesen : 1031;
    if (!m_warteschlange) return;
    if (m_fenster) m_fenster->setzeFigur(m_e.MyAgent);
    SpracheAn();
}

void ProgrammAnsage::SpracheAn() {
    if (m_warteschlange) {
        if (m_e.SoundAn == 1) {
            if (m_fenster && fensterErlaubt()) {
                if (m_platziere)
                    m_platziere(m_fenster);
                else
                    m_fenster->platziereObenRechts();
                m_fenster->show();
            } else if (m_fenster) {
                m_fenster->hide();
            }
            if (m_e.MeldungsAnsage[1] > 0 && m_texte) SprachAusgabe(m_texte(1));
        } else {
            m_warteschlange->leeren();
            if (m_fenster) m_fenster->hide();
        }
    }
    m_speicher.speichere(QStringLiteral("SoundAn"), QString::number(m_e.SoundAn));
}
