#include "engine/SlotWerte.h"

#include "config/Formate.h"

namespace {
// A field that has no value yet (no lap, no best lap): a dash, not a time that looks real.
const QString kKeinWert = QStringLiteral("\u2013");
}  // namespace

SlotWerte::SlotWerte(QObject* parent) : QObject(parent) {}

void SlotWerte::SetFixWerte(int iBahn, qint32 BFarbe, qint32 FFarbe, int Fsize) {
    m_bahn = iBahn;
    m_hintergrund = BFarbe;
    m_schrift = FFarbe;
    if (Fsize > 0) m_schriftGroesse = Fsize;
    setzeFeld(QStringLiteral("BAHN"), QString::number(iBahn));
    melde();
}

void SlotWerte::SetFirstVarWerte(const QString& fahrer, const QString& fahrerBild,
                                 const QString& autoName, const QString& autoBild,
                                 Laufart rennArt, int rennLaenge) {
    m_fahrer = fahrer;
    m_fahrerBild = fahrerBild;
    m_auto = autoName;
    m_autoBild = autoBild;
    m_rennArt = rennArt;
    m_rennLaenge = rennLaenge;
    m_rundenZeit = 0;
    m_runden = 0;
    m_gesamtZeit = 0;
    m_basisRunden = 0;
    m_basisZeit = 0;
    m_schnellsteRunde = 0;
    m_fruehstart = false;
    m_schnellsteZeit = 99999;
    m_hochgerechnet = 0;
    m_felderAktuell = false;
    leereRundenListe();
    setzeFeld(QStringLiteral("FAHRER"), fahrer);
    setzeFeld(QStringLiteral("AUTO"), autoName);
    melde();
}

void SlotWerte::SetSumWerte(double dSumRunde, double dSumZeit) {
    m_basisRunden = dSumRunde;
    m_basisZeit = dSumZeit;
    m_felderAktuell = false;
    melde();
}

void SlotWerte::SetVarWerte(int iPos, double AktZeit, double Runden, double dGesamt) {
    // One list line per new lap, even when the standings are refreshed twice in between.
    bool neu = false;
    if (rundenListeSichtbar() && m_runden < Runden) {
        m_rundenListe.prepend(rundenZeile(int(Runden), AktZeit));
        if (m_rundenListe.size() > maxRundenZeilen) m_rundenListe.removeLast();
        ++m_rundenZeilenGesamt;
        neu = true;
    }
    neu = neu || !m_felderAktuell || m_position != iPos || m_rundenZeit != AktZeit ||
          m_runden != m_basisRunden + Runden || m_gesamtZeit != m_basisZeit + dGesamt;
    // The standings are walked into every panel on every tick: an unchanged panel is left
    // alone (no formatting, no change signal).
    if (!neu) return;
    bool besteMoeglich = true;
    if (m_basisRunden + Runden > m_runden && m_ohneBestzeit > 0) {
        --m_ohneBestzeit;
        besteMoeglich = false;
    }
    m_position = iPos;
    m_rundenZeit = AktZeit;
    m_runden = m_basisRunden + Runden;
    m_gesamtZeit = m_basisZeit + dGesamt;

    // Before the first lap the engine's markers (0, 999999 ms) are no times to show.
    const bool runde = m_runden > 0;
    setzeFeld(QStringLiteral("AKTZ"),
              runde ? Formate::Format(m_rundenZeit / 1000.0, QStringLiteral("#######0.000"))
                    : kKeinWert);
    setzeFeld(QStringLiteral("AKTR"), Formate::Format(m_runden, QStringLiteral("###0")));
    setzeFeld(QStringLiteral("GESAMTZ"),
              runde ? Formate::Format(m_gesamtZeit / 1000.0, QStringLiteral("#######0.000"))
                    : kKeinWert);
    setzeFeld(QStringLiteral("POS"), QString::number(m_position));
    Statistik(besteMoeglich);
    m_felderAktuell = true;
    melde();
}

void SlotWerte::Statistik(bool besteMoeglich) {
    if (besteMoeglich && m_runden > 0 && m_rundenZeit < m_schnellsteZeit) {
        m_schnellsteZeit = m_rundenZeit;
        m_schnellsteRunde = m_runden;
    }
    // No laps or no time yet: no projection rather than a division by zero.
    m_hochgerechnet =
        m_gesamtZeit > 0 ? double(m_rennLaenge) * m_runden * 60000.0 / m_gesamtZeit : 0.0;
    setzeFeld(QStringLiteral("VE"), m_hochgerechnet > 0
                                        ? Formate::Format(m_hochgerechnet, QStringLiteral("###0"))
                                        : kKeinWert);
    setzeBeste();
}

void SlotWerte::setzeBeste() {
    // 99999 ms (or lap 0) marks a lane without a best lap, e.g. one whose only lap was added
    // by the race director.
    const bool beste = m_schnellsteRunde > 0 && m_schnellsteZeit < 99999;
    setzeFeld(QStringLiteral("SR"),
              beste ? Formate::Format(m_schnellsteRunde, QStringLiteral("###0")) : kKeinWert);
    setzeFeld(QStringLiteral("SZ"),
              beste ? Formate::Format(m_schnellsteZeit / 1000.0, QStringLiteral("#######0.000"))
                    : kKeinWert);
}

QString SlotWerte::rundenZeile(int runde, double zeit) {
    return Formate::Format(runde, QStringLiteral("000")) + QLatin1Char('-') +
           Formate::Format(zeit / 1000.0, QStringLiteral("000.000"));
}

void SlotWerte::ersetzeRundenListe(const QVector<std::pair<int, qint32>>& runden) {
    if (!rundenListeSichtbar()) return;
    leereRundenListe();
    // Newest first, as many as the list keeps.
    for (auto it = runden.crbegin(); it != runden.crend() && m_rundenListe.size() < maxRundenZeilen;
         ++it)
        m_rundenListe.append(rundenZeile(it->first, it->second));
    m_rundenZeilenGesamt = quint64(m_rundenListe.size());
    melde();
}

void SlotWerte::SetzeSchnellste(double zeit, double runde) {
    // Written as given: the last lap shown may be an added one, which is never the best.
    m_schnellsteZeit = zeit;
    m_schnellsteRunde = runde;
    setzeBeste();
    melde();
}

void SlotWerte::SetFruehstart() {
    m_fruehstart = true;
    melde();
}

void SlotWerte::ChangeRennTyp(Laufart rennArt) {
    m_rennArt = rennArt;
    leereRundenListe();
    melde();
}

void SlotWerte::SetzeFahrerAuto(const QString& fahrer, const QString& fahrerBild,
                                const QString& autoName, const QString& autoBild) {
    m_fahrer = fahrer;
    m_fahrerBild = fahrerBild;
    m_auto = autoName;
    m_autoBild = autoBild;
    setzeFeld(QStringLiteral("FAHRER"), fahrer);
    setzeFeld(QStringLiteral("AUTO"), autoName);
    melde();
}

QString SlotWerte::feldText(const QString& tag) const {
    const qsizetype i = m_feldTags.indexOf(tag);
    return i < 0 ? QString() : m_feldTexte.at(i);
}

void SlotWerte::setzeFeld(const QString& tag, const QString& text) {
    const qsizetype i = m_feldTags.indexOf(tag);
    if (i < 0) {
        m_feldTags.append(tag);
        m_feldTexte.append(text);
    } else {
        m_feldTexte[i] = text;
    }
}

void SlotWerte::leereRundenListe() {
    m_rundenListe.clear();
    m_rundenZeilenGesamt = 0;
    ++m_rundenListeStand;
}

void SlotWerte::melde() {
    ++m_version;
    emit geaendert();
}
